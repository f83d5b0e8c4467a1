#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

struct CanvasPoint {
    int x = 0, y = 0;
    bool operator==(const CanvasPoint&) const = default;
};

struct CanvasFont {
    std::string name = "Arial";
    int size = 10;  // points
    bool bold = false;
    bool italic = false;
    Rgb color = kBlack;
    int escapement = 0;  // tenths of a degree, counterclockwise
    bool operator==(const CanvasFont&) const = default;
};

struct CanvasPen {
    int width = 1;  // device pixels; 0 is the thinnest line
    bool dashed = false;
    Rgb color = kBlack;
    bool operator==(const CanvasPen&) const = default;
};

// A bitmap decoded into 0xRRGGBB pixels, row by row from the top.
struct Bitmap {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
};

// The page canvas. Co-ordinates are device pixels. The drawing state (font,
// pen, brush) persists from call to call; the drawing code sets it directly.
class Canvas {
  public:
    virtual ~Canvas() = default;

    CanvasFont font;
    CanvasPen pen;
    Rgb brush = kWhite;

    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void RoundRect(int x1, int y1, int x2, int y2, int w, int h) = 0;
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    // Counterclockwise on the page from the ray through (xs, ys) to the ray through (xe, ye).
    virtual void Arc(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye) = 0;
    virtual void Polyline(const std::vector<CanvasPoint>& points) = 0;
    // Top-left corner of the text's box at (x, y), on an opaque box of the brush colour.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;
    // Copies the source box of the bitmap stretched into the destination box,
    // painting pixels of the transparent colour in the brush colour.
    virtual void CopyBitmap(int dx1, int dy1, int dx2, int dy2, const Bitmap& bitmap, int sx1,
                            int sy1, int sx2, int sy2, Rgb transparent) = 0;

    // Convenience: a line is a polyline of two points.
    void Line(int x1, int y1, int x2, int y2) { Polyline({{x1, y1}, {x2, y2}}); }
};
