#pragma once
#include <string>
#include <vector>

#include "platform/canvas.h"

// A canvas that records every call with the drawing state in force.
// Text is measured by a fixed rule: a text is 4 x font size pixels high and
// 2 x font size pixels wide per character (UTF-8 characters, not bytes).
class RecordingCanvas : public Canvas {
  public:
    struct Call {
        std::string
            op;  // "Rectangle", "RoundRect", "Ellipse", "Arc", "Polyline", "TextOut", "CopyBitmap"
        std::vector<int> args;  // co-ordinates as passed (Polyline: x0, y0, x1, y1, ...)
        std::string text;       // TextOut only
        CanvasFont font;
        CanvasPen pen;
        Rgb brush;
    };
    std::vector<Call> calls;

    void Rectangle(int x1, int y1, int x2, int y2) override;
    void RoundRect(int x1, int y1, int x2, int y2, int w, int h) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye) override;
    void Polyline(const std::vector<CanvasPoint>& points) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void CopyBitmap(int dx1, int dy1, int dx2, int dy2, const Bitmap& bitmap, int sx1, int sy1,
                    int sx2, int sy2, Rgb transparent) override;

    // The text-out calls only, and the first one with this text (nullptr when none).
    std::vector<Call> Texts() const;
    const Call* FindText(const std::string& text) const;
    std::vector<Call> Calls(const std::string& op) const;

  private:
    void Record(const std::string& op, std::vector<int> args, std::string text = {});
};
