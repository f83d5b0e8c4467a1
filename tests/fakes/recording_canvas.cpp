#include "tests/fakes/recording_canvas.h"

#include "env/cp1252.h"

void RecordingCanvas::Record(const std::string& op, std::vector<int> args, std::string text) {
    calls.push_back({op, std::move(args), std::move(text), font, pen, brush});
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    Record("Rectangle", {x1, y1, x2, y2});
}
void RecordingCanvas::RoundRect(int x1, int y1, int x2, int y2, int w, int h) {
    Record("RoundRect", {x1, y1, x2, y2, w, h});
}
void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    Record("Ellipse", {x1, y1, x2, y2});
}
void RecordingCanvas::Arc(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye) {
    Record("Arc", {x1, y1, x2, y2, xs, ys, xe, ye});
}
void RecordingCanvas::Polyline(const std::vector<CanvasPoint>& points) {
    std::vector<int> args;
    for (const auto& p : points) {
        args.push_back(p.x);
        args.push_back(p.y);
    }
    Record("Polyline", std::move(args));
}
void RecordingCanvas::TextOut(int x, int y, const std::string& text) {
    Record("TextOut", {x, y}, text);
}
int RecordingCanvas::TextWidth(const std::string& text) {
    return static_cast<int>(Utf8Length(text)) * font.size * 2;
}
int RecordingCanvas::TextHeight(const std::string&) {
    return font.size * 4;
}
void RecordingCanvas::CopyBitmap(int dx1, int dy1, int dx2, int dy2, const Bitmap&, int sx1,
                                 int sy1, int sx2, int sy2, Rgb) {
    Record("CopyBitmap", {dx1, dy1, dx2, dy2, sx1, sy1, sx2, sy2});
}

std::vector<RecordingCanvas::Call> RecordingCanvas::Texts() const {
    return Calls("TextOut");
}

std::vector<RecordingCanvas::Call> RecordingCanvas::Calls(const std::string& op) const {
    std::vector<Call> out;
    for (const auto& c : calls)
        if (c.op == op)
            out.push_back(c);
    return out;
}

const RecordingCanvas::Call* RecordingCanvas::FindText(const std::string& text) const {
    for (const auto& c : calls)
        if (c.op == "TextOut" && c.text == text)
            return &c;
    return nullptr;
}
