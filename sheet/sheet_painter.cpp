#include "sheet/sheet_painter.h"

#include <algorithm>
#include <vector>

#include "app/program.h"
#include "pcf/text_helpers.h"
#include "platform/canvas.h"
#include "preview/bender.h"
#include "preview/oppsett.h"
#include "preview/preview.h"

SheetPainter::SheetPainter(Program& program, const TPreviewForm& sheet, Canvas& canvas)
    : c(canvas),
      program_(program),
      sheet_(sheet),
      // A printer too small for one pixel per millimetre still gets a page.
      pixelprmm_(std::max(1, sheet.pixelprmm)),
      pageWidth_(sheet.PageWidth),
      pageHeight_(sheet.PageHeight) {}

void SheetPainter::LineWidth(int w) {
    c.pen.width = w != 1 ? 3 * w : 1;
}

void SheetPainter::TextSize(int size) {
    c.font.size = NyFontSize(size);
}

void SheetPainter::RisingText(int x, int y, const std::string& text) {
    // The style becomes italic alone: a bold font before a rising text is not kept.
    c.font.bold = false;
    c.font.italic = true;
    TurnedText(x, y, text, 266);
}

void SheetPainter::FallingText(int x, int y, const std::string& text) {
    TurnedText(x, y, text, 3334);
}

void SheetPainter::TurnedText(int x, int y, const std::string& text, int escapement) {
    c.font.name = "Arial";
    c.font.size = NyFontSize(8);
    c.font.color = kBlack;
    c.brush = kWhite;
    // The text is drawn with a turned copy of the font; the canvas font itself
    // is never left rotated.
    int own = c.font.escapement;
    c.font.escapement = escapement;
    c.TextOut(x, y, text);
    c.font.escapement = own;
}

void SheetPainter::LevelText(int x, int y, const std::string& text) {
    c.font.name = "Arial";
    c.font.size = NyFontSize(7);
    c.font.color = kBlack;
    c.font.escapement = 0;
    c.TextOut(x, y, text);
}

void SheetPainter::ListFont() {
    c.font.bold = false;
    c.font.italic = false;
    c.font.size = NyFontSize(5);
    c.font.name = "Arial";
}

void SheetPainter::LineMm(int x1, int y1, int x2, int y2) {
    c.Line(pmm(x1), pmm(y1), pmm(x2), pmm(y2));
}

void SheetPainter::TextMm(int x, int y, const std::string& text) {
    c.TextOut(pmm(x), pmm(y), text);
}

const std::string& SheetPainter::Cell(int col) const {
    return sheet_.bTabell.Cell(col, row);
}

const std::string& SheetPainter::CellAt(int col, int r) const {
    return sheet_.bTabell.Cell(col, r);
}

bool SheetPainter::Option(int index) const {
    const TOppsettForm* settings = program_.oppsett.get();
    return settings && index >= 0 && index < static_cast<int>(settings->Option.size()) &&
           settings->Option[index];
}

bool SheetPainter::Boying() const {
    return sheet_.Boying;
}

int SheetPainter::LengthDecimals() const {
    return program_.LengthDecimals;
}

std::string SheetPainter::LengthText(double value) const {
    int d = program_.LengthDecimals;
    return d < 0 ? NumToText(0, 0, value) : NumToText(100, d, value);
}

void SheetPainter::NoteCursor() {
    // The sketch is not kept on the page; a sheet that leaves it gets a warning.
    if (st.CursorX < 0 || st.CursorY < 0 || pmm(st.CursorX) > pageWidth_ ||
        pmm(st.CursorY) > pageHeight_)
        ranOffPage_ = true;
}

void SheetPainter::RectMm(int x1, int y1, int x2, int y2) {
    c.Rectangle(pmm(x1), pmm(y1), pmm(x2), pmm(y2));
}

void SheetPainter::PolylineMm(std::initializer_list<std::pair<int, int>> points) {
    std::vector<CanvasPoint> pixels;
    pixels.reserve(points.size());
    for (const auto& [x, y] : points) pixels.push_back({pmm(x), pmm(y)});
    c.Polyline(pixels);
}

std::string SheetPainter::FirmText(std::string TOppsettForm::*field) const {
    const TOppsettForm* settings = program_.oppsett.get();
    return settings ? settings->*field : std::string();
}
