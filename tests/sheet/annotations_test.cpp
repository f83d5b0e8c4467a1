#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/sheet/symbol_test_support.h"

namespace {

constexpr int kPx = SketchBench::kPx;

// Position markers at the cursor (40, 135) with the number "11.22": at size 8
// the recording canvas makes it 80 px wide and 32 px high, so the box is
// s = 80 div 23 = 3 mm on its short side.
TEST(Annotations, PositionMarkerBoxAndArrowByOffset) {
    struct {
        int k;
        int px, py;              // box corner, millimetres
        CanvasPoint arrowStart;  // pixels: the box corner nearest the line
        int side;                // which side of the cursor the arrow comes from
    } const cases[] = {
        {2, 54, 140, {54 * kPx, 141 * kPx + 32}, 1},
        {3, 60, 143, {60 * kPx, 144 * kPx + 32}, 1},
        {-4, 18, 114, {24 * kPx, 118 * kPx + 32}, -1},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.k);
        SketchBench b;
        b.MoveTo(40, 135);
        b.SetCell(0, "11.22");
        b.P().PositionMarker(tc.k);

        EXPECT_EQ(b.TextAt("11.22"), (std::vector<int>{tc.px + 2, tc.py + 1}));
        const auto polylines = b.canvas.Calls("Polyline");
        ASSERT_EQ(polylines.size(), 5u);

        const int s = 3, d = tc.side;
        const std::vector<int> arrow = {
            tc.arrowStart.x,    tc.arrowStart.y,     (40 + 6 * d) * kPx, (135 + 3 * d) * kPx,
            (40 + 6 * d) * kPx, (135 + 4 * d) * kPx, (40 + 2 * d) * kPx, (135 + d) * kPx,
            (40 + 6 * d) * kPx, (135 + 2 * d) * kPx, (40 + 6 * d) * kPx, (135 + 3 * d) * kPx};
        EXPECT_EQ(polylines[0].args, arrow);
        EXPECT_EQ(polylines[0].pen.width, 1);
        EXPECT_EQ(polylines[0].brush, kWhite);

        const int top = tc.py * kPx, left = tc.px * kPx, right = (tc.px + 2 * s) * kPx;
        const int lowLeft = (tc.py + 1) * kPx + 32, lowRight = (tc.py + s + 1) * kPx + 32;
        EXPECT_EQ(polylines[1].args, (std::vector<int>{left, top, right, (tc.py + s) * kPx}));
        EXPECT_EQ(polylines[2].args, (std::vector<int>{left, lowLeft, right, lowRight}));
        EXPECT_EQ(polylines[3].args, (std::vector<int>{left, top, left, lowLeft}));
        EXPECT_EQ(polylines[4].args, (std::vector<int>{right, (tc.py + s) * kPx, right, lowRight}));
    }
}

TEST(Annotations, PipeMarkerAtTheWorkedPoint) {
    SketchBench b;
    b.MoveTo(30, 140);
    b.SetCell(0, "3");
    b.P().DrawPipe();  // the marker hangs off the cursor after the first step, (40, 135)
    EXPECT_EQ(b.TextAt("3"), (std::vector<int>{56, 141}));
    bool tipFound = false;
    for (const auto& call : b.canvas.Calls("Polyline"))
        if (call.args.size() == 12 && call.args[6] == 42 * kPx && call.args[7] == 136 * kPx)
            tipFound = true;
    EXPECT_TRUE(tipFound) << "the arrow tip touches the line at (42, 136)";
}

TEST(Annotations, PositionMarkerHiddenByOptionOrInTheBendingView) {
    struct {
        bool boying, hidePosition, drawn;
    } const cases[] = {{false, false, true}, {false, true, false}, {true, false, false}};
    for (const auto& tc : cases) {
        SCOPED_TRACE(testing::Message() << tc.boying << tc.hidePosition);
        SketchBench b(tc.boying);
        b.SetOption(kHidePosition, tc.hidePosition);
        b.SetCell(0, "5");
        b.P().PositionMarker(2);
        EXPECT_EQ(!b.canvas.calls.empty(), tc.drawn);
    }
}

TEST(Annotations, OversizeBoxFitsTheWiderValue) {
    SketchBench b;
    b.MoveTo(30, 140);  // the box stands at (40, 155)
    b.P().OversizeBox(12, 3);
    // Size 6: 12 px per character, 24 px high.
    auto rects = b.canvas.Calls("Rectangle");
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].args,
              (std::vector<int>{40 * kPx, 155 * kPx, 42 * kPx + 24, 158 * kPx + 48}));
    auto texts = b.canvas.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "12");
    EXPECT_EQ(texts[0].args, (std::vector<int>{41 * kPx, 156 * kPx}));
    EXPECT_EQ(texts[1].text, "3");
    EXPECT_EQ(texts[1].args, (std::vector<int>{41 * kPx, 157 * kPx + 24}));
    EXPECT_EQ(texts[1].font.size, 6);
    auto lines = b.canvas.Calls("Polyline");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].args,
              (std::vector<int>{40 * kPx, 156 * kPx + 24, 42 * kPx + 24, 156 * kPx + 24}));
    EXPECT_NE(b.FindLine(40, 155, 32, 142), std::nullopt) << "the leader to the flange";
}

TEST(Annotations, OversizeBoxCutsValuesToSevenCharacters) {
    SketchBench b;
    b.P().OversizeBox(123456789, -1234567);
    auto texts = b.canvas.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "1234567");
    EXPECT_EQ(texts[1].text, "-123456");
}

TEST(Annotations, OversizeBoxAutoHiddenOnlyWhenBothValuesAreZero) {
    struct {
        bool autoHide;
        double setback;  // of the start flange
        bool drawn;
        const char* lower;
    } const cases[] = {
        {true, 0.4, false, ""},
        {true, 0.6, true, "1"},
        {false, 0.4, true, "0"},
        {true, -0.6, true, "-1"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.setback);
        SketchBench b;
        b.SetOption(kAutoHideFlangeSize, tc.autoHide);
        b.sheet.FlensFremtrekk = tc.setback;
        b.P().DrawStartFlange();
        auto rects = b.canvas.Calls("Rectangle");
        EXPECT_EQ(rects.size(), tc.drawn ? 1u : 0u);
        if (tc.drawn) {
            ASSERT_NE(b.canvas.FindText(tc.lower), nullptr);
            EXPECT_EQ(b.canvas.FindText(tc.lower)->font.size, 6);
        }
    }
}

TEST(Annotations, TotalDimensionLineByTable) {
    struct {
        int sx, sy, x, y;
        double running;
        const char* shown;
        int tx, ty;
    } const cases[] = {
        {30, 140, 110, 100, 95, "  95.0", 65, 89},
        {30, 140, 41, 135, 12345.67, "12345.7", 30, 106},
        {30, 140, 50, 130, 0, "   0.0", 35, 104},
        // Halves are cut toward zero, also left of and above the page.
        {-15, 10, -2, 5, 7.25, "   7.3", -13, -23},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.shown);
        SketchBench b(true);
        b.St().SpoolStartX = tc.sx;
        b.St().SpoolStartY = tc.sy;
        b.MoveTo(tc.x, tc.y);
        b.St().RunningLength = tc.running;
        b.canvas.font.italic = true;
        b.P().TotalDimensionLine();

        auto line = b.FindLine(tc.sx, tc.sy - 25, tc.x, tc.y - 25);
        ASSERT_NE(line, std::nullopt);
        EXPECT_EQ(line->width, 1);
        EXPECT_NE(b.FindLine(tc.sx, tc.sy - 30, tc.sx, tc.sy - 20), std::nullopt);
        EXPECT_NE(b.FindLine(tc.x, tc.y - 30, tc.x, tc.y - 20), std::nullopt);
        const auto* text = b.canvas.FindText(tc.shown);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->args, (std::vector<int>{tc.tx * kPx, tc.ty * kPx}));
        EXPECT_EQ(text->font.escapement, 266);
        EXPECT_EQ(b.St().RunningLength, 0);
        EXPECT_EQ(b.canvas.font.size, 7);
        EXPECT_FALSE(b.canvas.font.italic);
    }
}

TEST(Annotations, TotalDimensionLineHiddenKeepsTheRunningLength) {
    struct {
        bool boying, hideLine;
    } const cases[] = {{false, false}, {true, true}};
    for (const auto& tc : cases) {
        SCOPED_TRACE(testing::Message() << tc.boying << tc.hideLine);
        SketchBench b(tc.boying);
        b.SetOption(kHideBendTotalLine, tc.hideLine);
        b.MoveTo(110, 100);
        b.St().RunningLength = 95;
        b.P().TotalDimensionLine();
        EXPECT_TRUE(b.canvas.calls.empty());
        EXPECT_EQ(b.St().RunningLength, 95);
    }
}

TEST(Annotations, EndFlangeClosesTheSpoolWithItsDimensionLine) {
    SketchBench b(true);
    b.St().AtSpoolStart = false;
    b.MoveTo(100, 105);
    b.St().RunningLength = 640;
    b.P().DrawEndFlange();
    // The line ends where the flange bar stands, after the setback run.
    EXPECT_NE(b.FindLine(30, 115, 110, 75), std::nullopt);
    EXPECT_NE(b.canvas.FindText(" 640.0"), nullptr);
    EXPECT_EQ(b.St().RunningLength, 0);
}

// Reference balloon at the cursor (100, 120). The font in force when the
// balloon begins is size 10: 20 px per character, "Mj" 40 px high; the lines
// themselves are level texts at size 7, 28 px high.
TEST(Annotations, ReferenceBalloonGrowsUpwardsWithItsLines) {
    struct {
        std::vector<std::string> values;  // cells 15 to 18
        std::vector<std::string> shown;
    } const cases[] = {
        {{"1234", "", "", ""}, {"FOR 1234"}},
        {{"", "", "87", ""}, {"UP 87"}},
        {{"1234", "560", "87", "3"}, {"FOR 1234", "PORTSIDE 560", "UP 87", "SB 3"}},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.shown.front());
        SketchBench b;
        b.MoveTo(100, 120);
        const char* words[] = {"FOR", "PORTSIDE", "UP", "SB"};
        for (int j = 0; j < 4; ++j) {
            b.SetCell(11 + j, words[j]);
            b.SetCell(15 + j, tc.values[j]);
        }
        b.canvas.font.size = 10;
        b.canvas.font.italic = true;
        b.P().ReferenceBalloon();

        // The widest text counts even when its value is empty: "PORTSIDE " is
        // nine characters, "PORTSIDE 560" twelve.
        const int w = (tc.values[1].empty() ? 9 : 12) * 20;
        const int n = static_cast<int>(tc.shown.size());
        const int x1 = 100 * kPx - w, y1 = 120 * kPx - n * 40 - 30 * kPx;
        const int x2 = x1 + w + 3 * kPx, y2 = y1 + 2 * kPx + n * 40;
        auto rects = b.canvas.Calls("Rectangle");
        ASSERT_EQ(rects.size(), 1u);
        EXPECT_EQ(rects[0].args, (std::vector<int>{x1, y1, x2, y2}));
        EXPECT_EQ(y2, 92 * kPx) << "the bottom edge stays 28 mm above the cursor";
        auto leader = b.canvas.Calls("Polyline");
        ASSERT_EQ(leader.size(), 1u);
        EXPECT_EQ(leader[0].args, (std::vector<int>{x1, y2, 100 * kPx, 120 * kPx}));

        auto texts = b.canvas.Texts();
        ASSERT_EQ(texts.size(), tc.shown.size());
        for (int i = 0; i < n; ++i) {
            EXPECT_EQ(texts[i].text, tc.shown[i]);
            EXPECT_EQ(texts[i].args, (std::vector<int>{x1 + kPx, y1 + kPx + 28 * i}));
            EXPECT_EQ(texts[i].font.size, 7);
            EXPECT_FALSE(texts[i].font.italic);
            EXPECT_EQ(texts[i].font.escapement, 0);
        }
    }
}

// A smaller font left behind (the material list's size 5, the oversize box's
// size 6) would make a box that its size-7 lines run out of.
TEST(Annotations, ReferenceBalloonHoldsItsLinesAfterASmallFont) {
    for (int inherited : {5, 6, 7}) {
        SCOPED_TRACE(inherited);
        SketchBench b;
        b.MoveTo(100, 120);
        const char* words[] = {"FOR", "PORTSIDE", "UP", "SB"};
        const char* values[] = {"1234", "12345", "87", "3"};
        for (int j = 0; j < 4; ++j) {
            b.SetCell(11 + j, words[j]);
            b.SetCell(15 + j, values[j]);
        }
        b.canvas.font.size = inherited;
        b.P().ReferenceBalloon();
        auto rects = b.canvas.Calls("Rectangle");
        ASSERT_EQ(rects.size(), 1u);
        const int x1 = rects[0].args[0], y1 = rects[0].args[1];
        const int x2 = rects[0].args[2], y2 = rects[0].args[3];
        for (const auto& text : b.canvas.Texts()) {
            const int width = static_cast<int>(text.text.size()) * 2 * text.font.size;
            EXPECT_LE(text.args[0] + width, x2);
            EXPECT_LE(text.args[1] + 4 * text.font.size, y2);
            EXPECT_GE(text.args[0], x1);
            EXPECT_GE(text.args[1], y1);
        }
        EXPECT_EQ(y2, 92 * kPx);
    }
}

TEST(Annotations, ReferenceBalloonHiddenOrEmptyDrawsNothing) {
    struct {
        bool hideRefs;
        const char* value;
    } const cases[] = {{true, "1234"}, {false, ""}};
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.value);
        SketchBench b;
        b.SetOption(kHideRefs, tc.hideRefs);
        b.SetCell(11, "FOR");
        b.SetCell(15, tc.value);
        b.P().ReferenceBalloon();
        EXPECT_TRUE(b.canvas.calls.empty());
    }
}

}  // namespace
