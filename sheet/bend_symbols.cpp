#include "pcf/text_helpers.h"
#include "platform/canvas.h"
#include "sheet/sheet_painter.h"

// Bends in both views, and the branch marks, arrowheads and IN/OUT text that
// the tee shares. (x, y) is the cursor; points are millimetres.

namespace {

void RegularStyle(Canvas& c) {
    c.font.bold = false;
    c.font.italic = false;
}

bool BendsRight(int code) {
    return code == 2 || code == 3 || code == 6;
}
bool BendsLeft(int code) {
    return code == 4 || code == 7 || code == 8;
}
bool EntersHere(int code) {
    return code == 1 || code == 2 || code == 3 || code == 7 || code == 8;
}

// Where the angle text, the rotation mark and the label of a bending-view
// bend stand, relative to the cursor, by direction code.
struct BendOffsets {
    int B, w;  // angle text
    int v, u;  // rotation mark start
    int t, r;  // rotation mark end; the label hangs off it
};

BendOffsets OffsetsFor(int code) {
    switch (code) {
        case 2:
        case 3:
            return {2, -13, -2, -1, 8, 4};
        case 4:
            return {8, 9, -2, -1, 8, 4};
        case 5:
            return {-2, 15, -2, -1, 2, 1};
        case 6:
            return {-8, 9, -8, -4, 2, 1};
        case 7:
        case 8:
            return {-12, -16, -8, -4, 2, 1};
        default:  // 0, 1
            return {-1, -18, -2, -1, 2, 1};
    }
}

}  // namespace

void SheetPainter::ArrowDown(int a, int b) {
    c.Polyline(
        {{pmm(a - 1), pmm(b)}, {pmm(a + 1), pmm(b)}, {pmm(a), pmm(b + 4)}, {pmm(a - 1), pmm(b)}});
}

void SheetPainter::ArrowUp(int a, int b) {
    c.Polyline(
        {{pmm(a - 1), pmm(b)}, {pmm(a + 1), pmm(b)}, {pmm(a), pmm(b - 4)}, {pmm(a - 1), pmm(b)}});
}

void SheetPainter::StraightBranch() {
    const int x = st.CursorX, y = st.CursorY;
    Dot();
    LineMm(x, y, x, y - 16);
}

void SheetPainter::BranchRight() {
    const int x = st.CursorX, y = st.CursorY;
    StraightBranch();
    c.Arc(pmm(x - 8), pmm(y - 8), pmm(x + 8), pmm(y + 8), pmm(x + 8), pmm(y), pmm(x), pmm(y - 12));
    ArrowDown(x + 8, y);
    LineMm(x - 2, y - 1, x + 8, y + 4);
    FallingTextMm(x + 9, y + 2, Cell(4));
}

void SheetPainter::BranchLeft() {
    const int x = st.CursorX, y = st.CursorY;
    StraightBranch();
    c.Arc(pmm(x - 8), pmm(y - 12), pmm(x + 8), pmm(y - 4), pmm(x), pmm(y - 12), pmm(x - 8),
          pmm(y - 8));
    ArrowDown(x - 8, y - 8);
    LineMm(x - 8, y - 4, x + 2, y + 1);
    FallingTextMm(x - 19, y - 12, Cell(4));
}

void SheetPainter::InOutText(const std::string& word) {
    const int x = st.CursorX, y = st.CursorY;
    RisingTextMm(x + 4, y - 11, word);
    RisingTextMm(x + 4, y - 7, Cell(3));
    RegularStyle(c);
}

void SheetPainter::DrawPartBend(int code) {
    if (BendsRight(code)) {
        BranchRight();
    } else if (BendsLeft(code)) {
        BranchLeft();
    } else {
        StraightBranch();
    }
    PositionMarker(code == 6 || code == 7 || code == 8 ? 2 : -4);
    if (BendsRight(code))
        ShortDashedStep();
    InOutText(EntersHere(code) ? "IN" : "OUT");
    RisingTextMm(st.CursorX + 7, st.CursorY - 3, Cell(2));
    DashedStep();
    DashedStep();
    StraightBranch();
}

void SheetPainter::DrawBendingBend(int code, const std::string& label) {
    if (code == 5 || code == 6 || code == 8)
        ThickStep();
    const int x = st.CursorX, y = st.CursorY;
    const BendOffsets o = OffsetsFor(code);
    LineWidth(1);
    c.pen.dashed = false;

    const bool downwards = code == 4 || code == 5 || code == 6;
    LineMm(x, y, x, downwards ? y + 15 : y - 15);

    // A bend turned by neither 0 nor 180 degrees gets the rotation mark.
    const std::string& rotation = Cell(4);
    if (rotation != "0.0°" && rotation != "180.0°")
        LineMm(x + o.v, y + o.u, x + o.t, y + o.r);

    switch (code) {
        case 2:
        case 3:
            c.Arc(pmm(x - 8), pmm(y - 8), pmm(x + 8), pmm(y + 8), pmm(x + 8), pmm(y), pmm(x),
                  pmm(y - 12));
            ArrowDown(x + 8, y);
            break;
        case 4:
            c.Arc(pmm(x - 8), pmm(y - 2), pmm(x + 9), pmm(y + 12), pmm(x), pmm(y + 12), pmm(x + 8),
                  pmm(y + 8));
            ArrowUp(x + 8, y + 8);
            break;
        case 6:
            c.Arc(pmm(x - 8), pmm(y - 6), pmm(x + 8), pmm(y + 7), pmm(x - 8), pmm(y), pmm(x),
                  pmm(y + 6));
            ArrowUp(x - 8, y);
            break;
        case 7:
        case 8:
            c.Arc(pmm(x - 8), pmm(y - 12), pmm(x + 8), pmm(y - 4), pmm(x), pmm(y - 12), pmm(x - 8),
                  pmm(y - 8));
            ArrowDown(x - 8, y - 8);
            break;
        default:  // 0, 1, 5: straight on, no turn to show
            break;
    }

    TextSize(9);
    c.font.name = "Arial";
    RegularStyle(c);

    if (code == 1) {
        LevelTextMm(x + o.B, y + o.w, "0°");
    } else if (code == 5) {
        LevelTextMm(x + o.B, y + o.w, "180°");
    } else if (code != 0) {
        FallingTextMm(x + o.B, y + o.w, Cell(4));
    }

    if (code == 2 || code == 4) {
        FallingTextMm(x + o.t - 24, y + o.r - 15, label);
    } else if (code != 0) {
        FallingTextMm(x + o.t + 1, y + o.r - 2, label);
    }

    if (code == 2 || code == 4)
        ThickStep();
    ThickStep();
}
