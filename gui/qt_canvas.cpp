#include "gui/qt_canvas.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainterPath>
#include <QPolygon>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The box from (x1, y1) to (x2, y2), right and bottom edge excluded, in
// either order of the corners.
QRectF BoxOf(int x1, int y1, int x2, int y2) {
    return QRectF(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
}

// The angle in degrees, counterclockwise on the page from the 3 o'clock
// direction, at which the ray from the box's centre through (x, y) meets the
// ellipse of the box, given as the ellipse's own parameter (what QPainterPath
// takes): the ray's direction scaled by the ellipse's half axes.
double EllipseAngleOfRay(const QRectF& box, int x, int y) {
    const double dx = x - box.center().x();
    const double dy = box.center().y() - y;  // the page's y runs down
    const double a = std::max(box.width() / 2, 1e-9);
    const double b = std::max(box.height() / 2, 1e-9);
    if (dx == 0 && dy == 0)
        return 0;
    return std::atan2(dy / b, dx / a) * 180.0 / std::numbers::pi;
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter) {
    dpi_ = painter.device() ? painter.device()->logicalDpiY() : 96;
    if (dpi_ <= 0)
        dpi_ = 96;
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

QString QtCanvas::FamilyFor(const std::string& name) {
    if (name == "Arial" || name == "Arial Black")
        return QStringLiteral("Liberation Sans");
    if (name == "Times New Roman")
        return QStringLiteral("Liberation Serif");
    if (name == "Courier New")
        return QStringLiteral("Liberation Mono");
    return ToQString(name);
}

const QFont& QtCanvas::CurrentFont() {
    if (fontKey_ && *fontKey_ == font)
        return qfont_;
    QFont f(FamilyFor(font.name));
    // Points on the printed page whatever the device's resolution.
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * dpi_ / 72.0))));
    f.setWeight(font.name == "Arial Black" ? QFont::Black
                                           : (font.bold ? QFont::Bold : QFont::Normal));
    f.setItalic(font.italic);
    f.setKerning(false);
    qfont_ = f;
    fontKey_ = font;
    return qfont_;
}

void QtCanvas::ApplyPenAndBrush(bool fill) {
    QPen p(ToQColor(pen.color));
    // Width 0 is Qt's cosmetic pen: the thinnest line the device draws.
    p.setWidth(std::max(0, pen.width));
    p.setStyle(pen.dashed ? Qt::DashLine : Qt::SolidLine);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    painter_.setPen(p);
    painter_.setBrush(fill ? QBrush(ToQColor(brush)) : QBrush(Qt::NoBrush));
}

void QtCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    ApplyPenAndBrush(true);
    QRectF box = BoxOf(x1, y1, x2, y2);
    // The outline runs on the last pixel inside the box, as on the sheet's
    // original device, so that a box and a line to its edge meet.
    painter_.drawRect(box.adjusted(0, 0, -1, -1));
}

void QtCanvas::RoundRect(int x1, int y1, int x2, int y2, int w, int h) {
    ApplyPenAndBrush(true);
    QRectF box = BoxOf(x1, y1, x2, y2).adjusted(0, 0, -1, -1);
    painter_.drawRoundedRect(box, std::abs(w) / 2.0, std::abs(h) / 2.0, Qt::AbsoluteSize);
}

void QtCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    ApplyPenAndBrush(true);
    painter_.drawEllipse(BoxOf(x1, y1, x2, y2).adjusted(0, 0, -1, -1));
}

void QtCanvas::Arc(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye) {
    ApplyPenAndBrush(false);
    QRectF box = BoxOf(x1, y1, x2, y2).adjusted(0, 0, -1, -1);
    double start = EllipseAngleOfRay(box, xs, ys);
    double end = EllipseAngleOfRay(box, xe, ye);
    double span = std::fmod(end - start + 720.0, 360.0);
    if (span < 1e-9)
        span = 360.0;  // the same ray twice: the whole ellipse
    QPainterPath path;
    path.arcMoveTo(box, start);
    path.arcTo(box, start, span);
    painter_.drawPath(path);
}

void QtCanvas::Polyline(const std::vector<CanvasPoint>& points) {
    if (points.empty())
        return;
    ApplyPenAndBrush(false);
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const auto& pt : points) polygon << QPoint(pt.x, pt.y);
    if (points.size() == 1)
        painter_.drawPoint(polygon.first());
    else
        painter_.drawPolyline(polygon);
}

void QtCanvas::TextOut(int x, int y, const std::string& text) {
    if (text.empty())
        return;
    const QFont& f = CurrentFont();
    const QString s = ToQString(text);
    QFontMetricsF metrics(f, painter_.device());
    const QRectF box(0, 0, metrics.horizontalAdvance(s), metrics.height());

    painter_.save();
    painter_.translate(x, y);
    // Escapement turns counterclockwise on the page about the box's corner;
    // Qt's rotation turns clockwise on a y-down device.
    if (font.escapement % 3600 != 0)
        painter_.rotate(-font.escapement / 10.0);
    painter_.setPen(Qt::NoPen);
    painter_.fillRect(box, ToQColor(brush));
    painter_.setFont(f);
    painter_.setPen(ToQColor(font.color));
    painter_.drawText(QPointF(0, metrics.ascent()), s);
    painter_.restore();
}

int QtCanvas::TextWidth(const std::string& text) {
    QFontMetricsF metrics(CurrentFont(), painter_.device());
    return static_cast<int>(std::lround(metrics.horizontalAdvance(ToQString(text))));
}

int QtCanvas::TextHeight(const std::string&) {
    QFontMetricsF metrics(CurrentFont(), painter_.device());
    return static_cast<int>(std::lround(metrics.height()));
}

void QtCanvas::CopyBitmap(int dx1, int dy1, int dx2, int dy2, const Bitmap& bitmap, int sx1,
                          int sy1, int sx2, int sy2, Rgb transparent) {
    if (bitmap.width <= 0 || bitmap.height <= 0)
        return;
    if (bitmap.pixels.size() < static_cast<std::size_t>(bitmap.width) * bitmap.height)
        return;
    const std::uint32_t key = (static_cast<std::uint32_t>(transparent.r) << 16) |
                              (static_cast<std::uint32_t>(transparent.g) << 8) |
                              static_cast<std::uint32_t>(transparent.b);
    const std::uint32_t fill = 0xFF000000u | (static_cast<std::uint32_t>(brush.r) << 16) |
                               (static_cast<std::uint32_t>(brush.g) << 8) |
                               static_cast<std::uint32_t>(brush.b);
    QImage image(bitmap.width, bitmap.height, QImage::Format_RGB32);
    for (int row = 0; row < bitmap.height; ++row) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(row));
        for (int col = 0; col < bitmap.width; ++col) {
            std::uint32_t px =
                bitmap.pixels[static_cast<std::size_t>(row) * bitmap.width + col] & 0xFFFFFFu;
            line[col] = px == key ? fill : (0xFF000000u | px);
        }
    }
    QRectF target = BoxOf(dx1, dy1, dx2, dy2);
    QRectF source = BoxOf(sx1, sy1, sx2, sy2);
    painter_.save();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_.drawImage(target, image, source);
    painter_.restore();
}
