#include <cmath>
#include <limits>

#include "pcf/text_helpers.h"
#include "platform/canvas.h"
#include "preview/preview.h"
#include "sheet/sheet_painter.h"

// The strokes that build the spool line and the symbols of every part kind
// but bends. (x, y) is the cursor when a symbol begins; points are millimetres.

namespace {

void RegularStyle(Canvas& c) {
    c.font.bold = false;
    c.font.italic = false;
}

// The flange setback as the whole millimetres shown in the oversize box: a
// half goes to the even neighbour. A setback that is no number or lies
// beyond the integer range is held inside it rather than overflowing.
int RoundedSetback(double setback) {
    if (std::isnan(setback))
        return 0;
    double rounded = std::nearbyint(setback);
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    if (rounded < lowest)
        return std::numeric_limits<int>::min();
    if (rounded > highest)
        return std::numeric_limits<int>::max();
    return static_cast<int>(rounded);
}

}  // namespace

// --- strokes ---

void SheetPainter::ThickStep() {
    const int x = st.CursorX, y = st.CursorY;
    LineWidth(4);
    LineMm(x, y, x + 10, y - 5);
    st.AtSpoolStart = false;
    IsoStep();
}

void SheetPainter::BrokenRisingStep() {
    const int x = st.CursorX, y = st.CursorY;
    LineWidth(3);
    LineMm(x, y, x + 2, y - 1);
    LineMm(x + 4, y - 2, x + 6, y - 3);
    LineMm(x + 8, y - 4, x + 10, y - 5);
    st.AtSpoolStart = false;
    IsoStep();
}

void SheetPainter::BrokenFallingStroke() {
    const int x = st.CursorX, y = st.CursorY;
    LineWidth(3);
    LineMm(x, y, x + 2, y + 1);
    LineMm(x + 4, y + 2, x + 6, y + 3);
    LineMm(x + 8, y + 4, x + 10, y + 5);
    st.AtSpoolStart = false;
}

void SheetPainter::DashedStep() {
    const int x = st.CursorX, y = st.CursorY;
    LineWidth(1);
    c.pen.dashed = true;
    LineMm(x, y, x + 10, y - 5);
    c.pen.dashed = false;
    st.AtSpoolStart = false;
    IsoStep();
}

void SheetPainter::ShortDashedStep() {
    const int x = st.CursorX, y = st.CursorY;
    LineWidth(1);
    c.pen.dashed = true;
    LineMm(x, y, x + 4, y - 2);
    c.pen.dashed = false;
    st.AtSpoolStart = false;
    // The short step is the one move along the line that is not an IsoStep.
    st.CursorX = x + 4;
    st.CursorY = y - 2;
}

void SheetPainter::Dot() {
    const int x = st.CursorX, y = st.CursorY;
    LineWidth(1);
    c.pen.dashed = false;
    c.brush = kBlack;
    c.Ellipse(pmm(x - 1), pmm(y - 1), pmm(x + 1), pmm(y + 1));
    c.brush = kWhite;
}

void SheetPainter::FlangeBar() {
    const int x = st.CursorX, y = st.CursorY;
    LineWidth(4);
    LineMm(x, y - 5, x, y - 2);
    LineMm(x, y - 1, x, y + 1);
    LineMm(x, y + 2, x, y + 5);
}

// --- symbols ---

void SheetPainter::DrawPipe() {
    const int x = st.CursorX, y = st.CursorY;
    c.brush = kWhite;
    ThickStep();
    PositionMarker(2);
    RisingTextMm(x + 5, y - 9, ShortNumberText(Cell(2)));
    RegularStyle(c);
    ThickStep();
}

void SheetPainter::DrawValve() {
    const int x = st.CursorX, y = st.CursorY;
    IsoStep();
    LineWidth(2);
    c.brush = kWhite;
    RegularStyle(c);
    RisingTextMm(x + 13, y - 4, ShortNumberText(Cell(2)));
    RisingTextMm(x + 10, y - 14, ShortNumberText(Cell(10)));
    LineMm(x + 10, y - 9, x + 10, y - 1);
    IsoStep();
    LineMm(x + 20, y - 14, x + 20, y - 6);
    LineMm(x + 10, y - 9, x + 20, y - 6);
    LineMm(x + 10, y - 1, x + 20, y - 14);
    IsoStep();
}

void SheetPainter::DrawReducer(bool widening) {
    const int x = st.CursorX, y = st.CursorY;
    LineWidth(1);
    c.pen.dashed = true;
    c.brush = kWhite;
    RisingTextMm(x + 1, y - 7, ShortNumberText(Cell(2)));
    // The small end is 4 mm high, the large end 8 mm.
    const int first = widening ? 2 : 4;
    const int second = widening ? 4 : 2;
    LineMm(x, y - first, x, y + first);
    IsoStep();
    LineMm(x + 10, y - 5 - second, x + 10, y - 5 + second);
    LineMm(x, y - first, x + 10, y - 5 - second);
    LineMm(x, y + first, x + 10, y - 5 + second);
    c.pen.dashed = false;
}

void SheetPainter::DrawTee(int code) {
    const int x = st.CursorX, y = st.CursorY;
    if (code == 2 || code == 3 || code == 6) {
        BranchRight();
    } else if (code == 4 || code == 7 || code == 8) {
        BranchLeft();
    } else {
        StraightBranch();
    }
    const bool in = code == 1 || code == 2 || code == 3 || code == 7 || code == 8;
    InOutText(in ? "IN" : "OUT");
    Dot();
    BrokenRisingStep();
    RisingTextMm(x, y + 1, ShortNumberText(Cell(2)));
    BrokenFallingStroke();
    BrokenRisingStep();
    Dot();
}

void SheetPainter::DrawSaddle() {
    const int x = st.CursorX, y = st.CursorY;
    LineWidth(1);
    c.pen.dashed = true;
    c.brush = kBlack;
    c.Ellipse(pmm(x - 1), pmm(y - 1), pmm(x + 1), pmm(y + 1));
    c.brush = kWhite;
    c.pen.dashed = false;
    RisingTextMm(x - 10, y + 6, ShortNumberText(Cell(2)));
    LineWidth(4);
    LineMm(x, y, x + 14, y + 7);
    ThickStep();
}

void SheetPainter::DrawStartFlange() {
    const int x = st.CursorX, y = st.CursorY;
    OversizeBox(0, RoundedSetback(sheet_.FlensFremtrekk));
    PositionMarker(2);
    if (sheet_.Din2605) {
        // The bar alone: no stroke is drawn, so the spool still counts as
        // not begun and the next flange row opens it again.
        FlangeBar();
        return;
    }
    RegularStyle(c);
    RisingTextMm(x - 1, y - 5, Cell(2));
    FlangeBar();
    DashedStep();
    Dot();
}

void SheetPainter::DrawEndFlange() {
    const int x = st.CursorX, y = st.CursorY;
    if (!sheet_.Din2605) {
        RegularStyle(c);
        RisingTextMm(x - 1, y - 5, Cell(2));
        Dot();
        DashedStep();
    }
    FlangeBar();
    PositionMarker(3);
    TotalDimensionLine();
    IsoStep();
    CloseSpool();
}
