#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/sheet/sheet_page_fixture.h"

namespace {

// Fills rows 1, 2, ... with these part kinds and a length of 10 each.
void SetKinds(SheetPage& page, const std::vector<std::string>& kinds) {
    int r = 1;
    for (const auto& kind : kinds) page.SetRow(r++, {{1, kind}, {2, "10"}});
}

}  // namespace

TEST(RowDispatch, EachKindDrawsItsSymbolAndMovesTheCursorByIt) {
    // Where the cursor ends after a page of one row that starts at (30, 140).
    const struct {
        const char* kind;
        const char* cell6;
        int x, y;
    } cases[] = {
        {"rør", "", 50, 130},       {"ventil", "", 60, 125},  {"reduksjon", "INC", 40, 135},
        {"reduksjon", "", 40, 135}, {"t-rør", "IN", 50, 130}, {"sadel", "", 40, 135},
        {"flens", "", 40, 135},     {"Bend", "H", 30, 140},   {"BEND", "", 30, 140},
        {"RØR", "", 30, 140},       {"", "", 30, 140},        {"valve", "", 30, 140},
    };
    for (const auto& c : cases) {
        SheetPage page;
        page.SetRow(1, {{1, c.kind}, {2, "10"}, {6, c.cell6}});
        SheetPainter& p = page.Draw();
        EXPECT_EQ(p.st.CursorX, c.x) << '"' << c.kind << '"';
        EXPECT_EQ(p.st.CursorY, c.y) << '"' << c.kind << '"';
        EXPECT_DOUBLE_EQ(p.st.RunningLength, 10) << '"' << c.kind << '"';
    }
}

TEST(RowDispatch, ReducerWidensOnlyForIncExactly) {
    // The widening reducer begins with its 4 mm small end, the narrowing one with 8 mm.
    const struct {
        const char* cell6;
        int endHalfHeight;
    } cases[] = {{"INC", 2}, {"inc", 4}, {"DEC", 4}, {"", 4}};
    for (const auto& c : cases) {
        SheetPage page;
        page.SetRow(1, {{1, "reduksjon"}, {6, c.cell6}});
        page.Draw();
        const std::vector<int> end{Mm(30), Mm(140 - c.endHalfHeight), Mm(30),
                                   Mm(140 + c.endHalfHeight)};
        bool found = false;
        for (const auto& line : page.canvas.Calls("Polyline"))
            found |= line.args == end && line.pen.dashed;
        EXPECT_TRUE(found) << '"' << c.cell6 << '"';
    }
}

TEST(RowDispatch, BendByView) {
    const struct {
        bool boying;
        const char* cell6;
        bool bendingLabel, inOutWord;
    } cases[] = {
        {true, "H", true, false},
        {false, "H", false, true},
        // The part-building bend is drawn even without a direction code.
        {false, "", false, true},
        {false, "in", false, true},
    };
    for (const auto& c : cases) {
        SheetPage page;
        page.sheet.Boying = c.boying;
        page.SetRow(1, {{0, "1"}, {1, "bend"}, {2, "100"}, {3, "90"}, {4, "45.0°"}, {6, c.cell6}});
        page.Draw();
        EXPECT_EQ(page.CountText("BØY 90"), c.bendingLabel ? 1 : 0) << c.boying << c.cell6;
        EXPECT_EQ(page.CountText("IN") + page.CountText("OUT") > 1, c.inOutWord)
            << c.boying << c.cell6;  // the metric legend's "IN" is always there
    }
}

TEST(RowDispatch, FlangesOpenAndCloseSpools) {
    SheetPage page;
    SetKinds(page, {"flens", "rør", "flens", "flens", "rør", "flens"});
    SheetPainter& p = page.Draw();
    // Start flange to (40, 135), pipe to (60, 125), end flange to (70, 120) and one
    // empty step: the second spool starts at (80, 115) and closes at (130, 90).
    EXPECT_EQ(p.st.CursorX, 130);
    EXPECT_EQ(p.st.CursorY, 90);
    EXPECT_EQ(p.st.SpoolStartX, 130);
    EXPECT_EQ(p.st.SpoolStartY, 90);
    EXPECT_TRUE(p.st.AtSpoolStart);
    // Each start flange, and only those, draws its oversize box 10 mm right and 15 mm below.
    int boxes = 0;
    for (const auto& r : page.canvas.Calls("Rectangle"))
        boxes += (r.args[0] == Mm(40) && r.args[1] == Mm(155)) ||
                 (r.args[0] == Mm(90) && r.args[1] == Mm(130));
    EXPECT_EQ(boxes, 2);
}

TEST(RowDispatch, SpoolClosedHighOnThePageStartsTheNextLowerLeft) {
    SheetPage page;
    std::vector<std::string> kinds{"flens"};
    kinds.insert(kinds.end(), 9, "rør");
    kinds.push_back("flens");  // closes at (240, 35)
    kinds.push_back("flens");  // opens the next spool at (70, H' - 30)
    SetKinds(page, kinds);
    SheetPainter& p = page.Draw();
    EXPECT_EQ(p.st.SpoolStartX, 70);
    EXPECT_EQ(p.st.SpoolStartY, kHmm - 30);
    EXPECT_EQ(p.st.CursorX, 80);
    EXPECT_EQ(p.st.CursorY, kHmm - 35);
}

TEST(RowDispatch, OpenSpoolGetsItsTotalLineAtTheEndOfTheBendingView) {
    const struct {
        bool boying;
        std::vector<std::string> kinds;
        const char* total;
        int totalLines;
    } cases[] = {
        {true, {"flens", "rør"}, "  20.0", 1},  // still open at the end of the page
        // Closed: the end flange's line sums the rows before it; none at the end.
        {true, {"flens", "rør", "flens"}, "  20.0", 1},
        {false, {"flens", "rør"}, "  20.0", 0},  // no total line in the part-building view
    };
    for (const auto& c : cases) {
        SheetPage page;
        page.sheet.Boying = c.boying;
        SetKinds(page, c.kinds);
        page.Draw();
        EXPECT_EQ(page.CountText(c.total), c.totalLines) << c.boying << c.kinds.size();
        EXPECT_EQ(page.CountText("  10.0"), 0) << c.boying << c.kinds.size();
    }
}

TEST(RowDispatch, ReferenceBalloonWhenAnyReferenceValueIsSet) {
    for (int col : {15, 16, 17, 18}) {
        SheetPage page;
        page.SetRow(1, {{1, "rør"}, {2, "10"}, {11 + (col - 15), "FOR"}, {col, "1234"}});
        page.Draw();
        EXPECT_EQ(page.CountText("FOR 1234"), 1) << col;
    }
    SheetPage without;
    without.SetRow(1, {{1, "rør"}, {11, "FOR"}});
    without.Draw();
    EXPECT_EQ(without.CountText("FOR "), 0);
}

TEST(RowDispatch, SketchOffThePageIsLoggedWithTheSheetsName) {
    const struct {
        int pipes;
        bool warned;
    } cases[] = {{5, false}, {40, true}};
    for (const auto& c : cases) {
        SheetPage page;
        page.sheet.SheetFileName = "temp.ppv";
        page.sheet.ror = "SW-1002";
        SetKinds(page, std::vector<std::string>(c.pipes, "rør"));
        page.sheet.CanvasPrint(page.canvas);
        EXPECT_EQ(page.LogHas("ADVARSEL:"), c.warned) << c.pipes;
        EXPECT_EQ(page.LogHas("temp.ppv (SW-1002)"), c.warned) << c.pipes;
    }
}
