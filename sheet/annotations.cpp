#include <algorithm>
#include <array>
#include <string>

#include "pcf/text_helpers.h"
#include "platform/canvas.h"
#include "preview/oppsett.h"
#include "sheet/sheet_painter.h"

// The marks that hang off the spool line: position markers, the flange
// oversize box, the spool's total dimension line and the reference balloon.
// (x, y) is the cursor in millimetres; text sizes are device pixels.

void SheetPainter::PositionMarker(int k) {
    if (Option(kHidePosition) || Boying())
        return;
    const int x = st.CursorX, y = st.CursorY;
    const int px = x + 6 * k + 2;
    const int py = y + 3 * k - 1 - (k < 0 ? 8 : 0);

    const std::string& number = Cell(0);
    FallingTextMm(px + 2, py + 1, number);
    const int th = c.TextHeight(number);
    const int tw = c.TextWidth(number);
    const int s = std::max(tw, th) / pmm(1);

    LineWidth(1);
    c.brush = kWhite;

    // The box's lower edge, in pixels: it sits one text height below its top.
    const CanvasPoint lowerLeft{pmm(px), pmm(py + 1) + th};
    const CanvasPoint lowerRight{pmm(px + 2 * s), pmm(py + s + 1) + th};

    // The arrow leaves the box at the corner nearest the line; its tip touches
    // the line 2 mm from the cursor.
    const int side = k > 0 ? 1 : -1;
    c.Polyline({k > 0 ? lowerLeft : lowerRight,
                {pmm(x + 6 * side), pmm(y + 3 * side)},
                {pmm(x + 6 * side), pmm(y + 4 * side)},
                {pmm(x + 2 * side), pmm(y + side)},
                {pmm(x + 6 * side), pmm(y + 2 * side)},
                {pmm(x + 6 * side), pmm(y + 3 * side)}});

    LineMm(px, py, px + 2 * s, py + s);
    c.Line(lowerLeft.x, lowerLeft.y, lowerRight.x, lowerRight.y);
    c.Line(pmm(px), pmm(py), lowerLeft.x, lowerLeft.y);
    c.Line(pmm(px + 2 * s), pmm(py + s), lowerRight.x, lowerRight.y);
}

void SheetPainter::OversizeBox(int upper, int lower) {
    if (Option(kAutoHideFlangeSize) && upper == 0 && lower == 0)
        return;
    const int x = st.CursorX, y = st.CursorY;
    const int bx = x + 10, by = y + 15;

    TextSize(6);
    const std::string t1 = std::to_string(upper).substr(0, 7);
    const std::string t2 = std::to_string(lower).substr(0, 7);
    const int w = std::max(c.TextWidth(t1), c.TextWidth(t2));
    const int h1 = c.TextHeight(t1);
    const int h2 = c.TextHeight(t2);

    c.Rectangle(pmm(bx), pmm(by), pmm(bx + 2) + w, pmm(by + 3) + h1 + h2);
    c.Line(pmm(bx), pmm(by + 1) + h1, pmm(bx + 2) + w, pmm(by + 1) + h1);
    c.TextOut(pmm(bx + 1), pmm(by + 1), t1);
    c.TextOut(pmm(bx + 1), pmm(by + 2) + h1, t2);
    LineMm(bx, by, bx - 8, by - 13);
}

void SheetPainter::TotalDimensionLine() {
    if (Option(kHideBendTotalLine) || !Boying())
        return;
    const int sx = st.SpoolStartX, sy = st.SpoolStartY;
    const int x = st.CursorX, y = st.CursorY;

    LineWidth(1);
    LineMm(sx, sy - 25, x, y - 25);
    LineMm(sx, sy - 30, sx, sy - 20);
    LineMm(x, y - 30, x, y - 20);

    // Integer division truncates toward zero, as the layout wants.
    const int tx = (x + sx) / 2 - 5;
    const int ty = (y + sy - 60) / 2 - 1;
    RisingTextMm(tx, ty, NumToText(6, 1, st.RunningLength));

    TextSize(7);
    c.font.bold = false;
    c.font.italic = false;
    st.RunningLength = 0;
}

void SheetPainter::ReferenceBalloon() {
    if (Option(kHideRefs))
        return;
    int filled = 0;
    for (int j = 0; j < 4; ++j)
        if (!Cell(15 + j).empty())
            ++filled;
    if (filled == 0)
        return;
    const int x = st.CursorX, y = st.CursorY;

    c.brush = kWhite;
    // The box is measured in the font in force, but its lines are level texts:
    // a smaller font left by the element before would give a box its lines
    // run out of, so it is measured at no less than their size.
    if (c.font.size < NyFontSize(7))
        TextSize(7);
    std::array<std::string, 4> lines;
    int w = 0;
    for (int j = 0; j < 4; ++j) {
        // Every line counts for the width, also one whose value is empty.
        lines[j] = Cell(11 + j) + " " + Cell(15 + j);
        w = std::max(w, c.TextWidth(lines[j]));
    }

    LineWidth(1);
    c.pen.color = kBlack;
    c.brush = kWhite;
    const int h = c.TextHeight("Mj");

    const int x1 = pmm(x) - w;
    const int y1 = pmm(y) - filled * h - pmm(30);
    const int x2 = x1 + w + pmm(3);
    const int y2 = y1 + pmm(2) + filled * h;
    c.Rectangle(x1, y1, x2, y2);
    c.Line(x1, y2, pmm(x), pmm(y));

    c.font.bold = false;
    c.font.italic = false;
    int ty = y1 + pmm(1);
    for (int j = 0; j < 4; ++j) {
        if (Cell(15 + j).empty())
            continue;
        LevelText(x1 + pmm(1), ty, lines[j]);
        ty += c.TextHeight("Mj");
    }
}
