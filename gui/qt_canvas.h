#pragma once
#include <QFont>
#include <QPainter>
#include <optional>

#include "platform/canvas.h"

// The page canvas on a QPainter (a PDF page, a printer page or an image).
// Co-ordinates are device pixels of the painter's device; font sizes are
// points, turned into pixels at the device's resolution.
class QtCanvas : public Canvas {
  public:
    explicit QtCanvas(QPainter& painter);

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

    // The installed family that stands in for a font name of the sheet.
    static QString FamilyFor(const std::string& name);

  private:
    void ApplyPenAndBrush(bool fill);
    const QFont& CurrentFont();

    QPainter& painter_;
    int dpi_;
    std::optional<CanvasFont> fontKey_;
    QFont qfont_;
};
