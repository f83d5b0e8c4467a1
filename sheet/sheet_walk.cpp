#include <string>

#include "pcf/text_helpers.h"
#include "preview/oppsett.h"
#include "sheet/sheet_painter.h"

namespace {

// Every row that the walk reads, also past the last row of the loaded sheet.
constexpr int kLastSketchRow = 200;

}  // namespace

void SheetPainter::CanvasPrint() {
    DrawTitleBlock();
    CoordHeading();
    MaterialHeading();
    if (Boying())
        DrawBenderBlock();
    DrawCompass();
    DrawReferenceLegend();
    DrawMetricLegend();

    // The list heading has fixed the first free list row; the sketch starts afresh.
    const int materialRow = st.MaterialRow;
    st = SketchState{};
    st.MaterialRow = materialRow;

    for (row = 1; row <= kLastSketchRow; ++row) {
        CoordGroup(Cell(0));
        st.DirectionCode = DirectionCodeOf(Cell(6));
        DrawRowSymbol();
        st.RunningLength += TextToNum(Cell(2));
        if (!Cell(15).empty() || !Cell(16).empty() || !Cell(17).empty() || !Cell(18).empty())
            ReferenceBalloon();
        MaterialLine(row);
        NoteCursor();
    }

    if (st.SpoolStartX != st.CursorX)
        TotalDimensionLine();
    CoordLabel();
    DrawViewWord();  // sets the grey view font even when the word is not drawn
    DrawNotice();
    if (Option(kLogoVis))
        DrawLogo();
}

void SheetPainter::DrawRowSymbol() {
    const std::string& kind = Cell(1);
    if (kind == "bend") {
        if (Boying()) {
            DrawBendingBend(st.DirectionCode, "BØY " + Cell(3));
        } else {
            DrawPartBend(st.DirectionCode);
        }
    } else if (kind == "rør") {
        DrawPipe();
    } else if (kind == "ventil") {
        DrawValve();
    } else if (kind == "reduksjon") {
        DrawReducer(Cell(6) == "INC");
    } else if (kind == "t-rør") {
        DrawTee(st.DirectionCode);
    } else if (kind == "sadel") {
        DrawSaddle();
    } else if (kind == "flens") {
        if (st.AtSpoolStart) {
            DrawStartFlange();
        } else {
            DrawEndFlange();
        }
    }
}

void SheetPainter::IsoStep() {
    st.CursorX += 10;
    st.CursorY -= 5;
}

void SheetPainter::CloseSpool() {
    // Only a closed spool is tested: a new one that would start near the right
    // edge or the top goes back to the lower left part of the page.
    if (pmm(st.CursorX) > W() - pmm(50) || st.CursorY < 40) {
        st.CursorX = 70;
        st.CursorY = Hmm() - 30;
    }
    st.SpoolStartX = st.CursorX;
    st.SpoolStartY = st.CursorY;
    st.AtSpoolStart = true;
}

int SheetPainter::DirectionCodeOf(const std::string& word) {
    static const char* const kWords[] = {"IN", "IN-H", "H", "OUT-H", "OUT", "OUT-V", "V", "IN-V"};
    for (int i = 0; i < 8; ++i)
        if (word == kWords[i])
            return i + 1;
    return 0;
}
