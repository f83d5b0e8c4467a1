#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "tests/sheet/symbol_test_support.h"

namespace {

using Offsets = std::array<int, 4>;  // a line relative to the cursor

struct StrokeCase {
    const char* name;
    void (SheetPainter::*stroke)();
    std::vector<Offsets> lines;
    int penWidth;
    bool dashed;
    int dx, dy;
    bool clearsSpoolStart;
};

const StrokeCase kStrokes[] = {
    {"ThickStep", &SheetPainter::ThickStep, {{0, 0, 10, -5}}, 12, false, 10, -5, true},
    {"BrokenRisingStep",
     &SheetPainter::BrokenRisingStep,
     {{0, 0, 2, -1}, {4, -2, 6, -3}, {8, -4, 10, -5}},
     9,
     false,
     10,
     -5,
     true},
    {"BrokenFallingStroke",
     &SheetPainter::BrokenFallingStroke,
     {{0, 0, 2, 1}, {4, 2, 6, 3}, {8, 4, 10, 5}},
     9,
     false,
     0,
     0,
     true},
    {"DashedStep", &SheetPainter::DashedStep, {{0, 0, 10, -5}}, 1, true, 10, -5, true},
    {"ShortDashedStep", &SheetPainter::ShortDashedStep, {{0, 0, 4, -2}}, 1, true, 4, -2, true},
    {"FlangeBar",
     &SheetPainter::FlangeBar,
     {{0, -5, 0, -2}, {0, -1, 0, 1}, {0, 2, 0, 5}},
     12,
     false,
     0,
     0,
     false},
};

TEST(RunStrokes, DrawMoveAndClearSpoolStartByTable) {
    for (const auto& sc : kStrokes) {
        SCOPED_TRACE(sc.name);
        SketchBench b;
        b.canvas.pen.width = 0;
        (b.P().*sc.stroke)();

        auto lines = b.Lines();
        ASSERT_EQ(lines.size(), sc.lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].x1, 30 + sc.lines[i][0]);
            EXPECT_EQ(lines[i].y1, 140 + sc.lines[i][1]);
            EXPECT_EQ(lines[i].x2, 30 + sc.lines[i][2]);
            EXPECT_EQ(lines[i].y2, 140 + sc.lines[i][3]);
            EXPECT_EQ(lines[i].width, sc.penWidth);
            EXPECT_EQ(lines[i].dashed, sc.dashed);
        }
        EXPECT_EQ(b.St().CursorX, 30 + sc.dx);
        EXPECT_EQ(b.St().CursorY, 140 + sc.dy);
        EXPECT_EQ(b.St().AtSpoolStart, !sc.clearsSpoolStart);
        EXPECT_FALSE(b.canvas.pen.dashed) << "a stroke leaves the pen solid";
    }
}

TEST(RunStrokes, DotIsABlackFilledCircleAndLeavesTheBrushWhite) {
    SketchBench b;
    b.canvas.pen.dashed = true;
    b.canvas.pen.width = 12;
    b.P().Dot();
    auto ellipses = b.canvas.Calls("Ellipse");
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_EQ(SketchBench::Mm(ellipses[0]), (std::vector<int>{29, 139, 31, 141}));
    EXPECT_EQ(ellipses[0].brush, kBlack);
    EXPECT_FALSE(ellipses[0].pen.dashed);
    EXPECT_EQ(ellipses[0].pen.width, 1);
    EXPECT_EQ(b.canvas.brush, kWhite);
    EXPECT_TRUE(b.St().AtSpoolStart);
    EXPECT_EQ(b.St().CursorX, 30);
}

struct SymbolCase {
    const char* name;
    std::function<void(SheetPainter&)> draw;
    bool din2605;
    bool atSpoolStartBefore;
    int dx, dy;
    bool atSpoolStartAfter;
};

const SymbolCase kSymbols[] = {
    {"pipe", [](SheetPainter& p) { p.DrawPipe(); }, false, true, 20, -10, false},
    {"valve", [](SheetPainter& p) { p.DrawValve(); }, false, true, 30, -15, true},
    {"widening reducer", [](SheetPainter& p) { p.DrawReducer(true); }, false, true, 10, -5, true},
    {"narrowing reducer", [](SheetPainter& p) { p.DrawReducer(false); }, false, true, 10, -5, true},
    {"tee", [](SheetPainter& p) { p.DrawTee(3); }, false, true, 20, -10, false},
    {"saddle", [](SheetPainter& p) { p.DrawSaddle(); }, false, true, 10, -5, false},
    {"start flange", [](SheetPainter& p) { p.DrawStartFlange(); }, false, true, 10, -5, false},
    {"start flange, DIN 2605", [](SheetPainter& p) { p.DrawStartFlange(); }, true, true, 0, 0,
     true},
    // An end flange closes the spool: the next one starts a step further on.
    {"end flange", [](SheetPainter& p) { p.DrawEndFlange(); }, false, false, 20, -10, true},
    {"end flange, DIN 2605", [](SheetPainter& p) { p.DrawEndFlange(); }, true, false, 10, -5, true},
};

TEST(RunSymbols, CursorSpoolStartAndCanvasStateByTable) {
    for (const auto& sc : kSymbols) {
        SCOPED_TRACE(sc.name);
        SketchBench b;
        b.sheet.Din2605 = sc.din2605;
        b.SetCell(0, "4");
        b.SetCell(2, "250.0");
        b.St().AtSpoolStart = sc.atSpoolStartBefore;
        b.MoveTo(60, 120);
        b.St().SpoolStartX = 30;
        b.St().SpoolStartY = 135;
        sc.draw(b.P());
        EXPECT_EQ(b.St().CursorX, 60 + sc.dx);
        EXPECT_EQ(b.St().CursorY, 120 + sc.dy);
        EXPECT_EQ(b.St().AtSpoolStart, sc.atSpoolStartAfter);
        EXPECT_FALSE(b.canvas.pen.dashed);
        EXPECT_EQ(b.canvas.brush, kWhite);
        EXPECT_EQ(b.canvas.font.escapement, 0) << "the canvas font is never left turned";
        EXPECT_FALSE(b.canvas.calls.empty());
    }
}

TEST(RunSymbols, EndFlangeStartsTheNextSpoolWhereItLeavesTheCursor) {
    SketchBench b;
    b.St().AtSpoolStart = false;
    b.MoveTo(100, 90);
    b.P().DrawEndFlange();
    EXPECT_EQ(b.St().SpoolStartX, 120);
    EXPECT_EQ(b.St().SpoolStartY, 80);

    // Closing high on the page wraps the next spool to the lower left.
    SketchBench high;
    high.St().AtSpoolStart = false;
    high.MoveTo(100, 48);  // closes at y = 38
    high.P().DrawEndFlange();
    EXPECT_EQ(high.St().CursorX, 70);
    EXPECT_EQ(high.St().CursorY, 210 - 30);
    EXPECT_EQ(high.St().SpoolStartY, 180);
}

struct LengthTextCase {
    const char* name;
    std::function<void(SheetPainter&)> draw;
    int column;
    std::string cell;
    std::string shown;
    int x, y;  // relative to the cursor at (30, 140)
};

TEST(RunSymbols, LengthTextsAndWhereTheyStandByTable) {
    const LengthTextCase cases[] = {
        {"pipe", [](SheetPainter& p) { p.DrawPipe(); }, 2, "1200.0", "1200", 5, -9},
        {"pipe, fraction kept", [](SheetPainter& p) { p.DrawPipe(); }, 2, "1200.5", "1200.5", 5,
         -9},
        {"valve length", [](SheetPainter& p) { p.DrawValve(); }, 2, "300.0", "300", 13, -4},
        {"valve tag", [](SheetPainter& p) { p.DrawValve(); }, 10, "V-12", "V-12", 10, -14},
        {"reducer", [](SheetPainter& p) { p.DrawReducer(true); }, 2, "80.0", "80", 1, -7},
        {"tee", [](SheetPainter& p) { p.DrawTee(0); }, 2, "150.0", "150", 0, 1},
        {"saddle", [](SheetPainter& p) { p.DrawSaddle(); }, 2, "60.0", "60", -10, 6},
        {"start flange", [](SheetPainter& p) { p.DrawStartFlange(); }, 2, "120.0", "120.0", -1, -5},
        {"end flange",
         [](SheetPainter& p) {
             p.st.AtSpoolStart = false;
             p.DrawEndFlange();
         },
         2, "120.0", "120.0", -1, -5},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        SketchBench b;
        b.SetCell(tc.column, tc.cell);
        tc.draw(b.P());
        const auto* text = b.canvas.FindText(tc.shown);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->args, (std::vector<int>{(30 + tc.x) * 23, (140 + tc.y) * 23}));
        EXPECT_EQ(text->font.escapement, 266) << "lengths rise with the line";
    }
}

TEST(RunSymbols, TwoPipesDrawFourThickStepsAndTheSecondMarkerIsRegular) {
    SketchBench b;
    b.SetCell(0, "7");
    b.SetCell(2, "500.0");
    b.canvas.font.italic = true;  // left so by an element before the sketch
    b.P().DrawPipe();
    b.P().DrawPipe();

    int thick = 0;
    for (const auto& l : b.Lines())
        if (l.width == 12)
            ++thick;
    EXPECT_EQ(thick, 4);
    ASSERT_NE(b.FindLine(60, 125, 70, 120), std::nullopt);

    std::vector<RecordingCanvas::Call> markers;
    for (const auto& call : b.canvas.Texts())
        if (call.text == "7")
            markers.push_back(call);
    ASSERT_EQ(markers.size(), 2u);
    EXPECT_TRUE(markers[0].font.italic);
    EXPECT_FALSE(markers[1].font.italic) << "the first pipe leaves the style regular";
    EXPECT_EQ(markers[1].font.escapement, 3334);
}

TEST(RunSymbols, ValveAfterDinStartFlangeKeepsTheSpoolUnbegun) {
    SketchBench b;
    b.sheet.Din2605 = true;
    b.P().DrawStartFlange();
    b.P().DrawValve();
    EXPECT_TRUE(b.St().AtSpoolStart) << "the next flange row is again a start flange";
    EXPECT_EQ(b.St().CursorX, 60);
    // The valve body: two 8 mm bars joined crosswise, pen width 2.
    auto bar = b.FindLine(40, 131, 40, 139);
    ASSERT_NE(bar, std::nullopt);
    EXPECT_EQ(bar->width, 6);
    EXPECT_NE(b.FindLine(50, 126, 50, 134), std::nullopt);
    EXPECT_NE(b.FindLine(40, 131, 50, 134), std::nullopt);
    EXPECT_NE(b.FindLine(40, 139, 50, 126), std::nullopt);
}

TEST(RunSymbols, ReducerEndsByDirectionAllDashedThenPenSolid) {
    struct {
        bool widening;
        Offsets firstEnd, secondEnd;
    } const cases[] = {
        {true, {0, -2, 0, 2}, {10, -9, 10, -1}},
        {false, {0, -4, 0, 4}, {10, -7, 10, -3}},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.widening ? "widening" : "narrowing");
        SketchBench b;
        b.P().DrawReducer(tc.widening);
        auto lines = b.Lines();
        ASSERT_EQ(lines.size(), 4u);
        for (const auto& l : lines) {
            EXPECT_TRUE(l.dashed);
            EXPECT_EQ(l.width, 1);
        }
        EXPECT_NE(b.FindLine(30 + tc.firstEnd[0], 140 + tc.firstEnd[1], 30 + tc.firstEnd[2],
                             140 + tc.firstEnd[3]),
                  std::nullopt);
        EXPECT_NE(b.FindLine(30 + tc.secondEnd[0], 140 + tc.secondEnd[1], 30 + tc.secondEnd[2],
                             140 + tc.secondEnd[3]),
                  std::nullopt);
        // The sides join the top ends and the bottom ends.
        EXPECT_NE(b.FindLine(30, 140 + tc.firstEnd[1], 40, 140 + tc.secondEnd[1]), std::nullopt);
        EXPECT_NE(b.FindLine(30, 140 + tc.firstEnd[3], 40, 140 + tc.secondEnd[3]), std::nullopt);
        EXPECT_FALSE(b.canvas.pen.dashed);
    }
}

TEST(RunSymbols, TeeBranchAndWordByDirectionCode) {
    enum Branch { kStraight, kRight, kLeft };
    struct {
        int code;
        Branch branch;
        const char* word;
    } const cases[] = {
        {0, kStraight, "OUT"}, {1, kStraight, "IN"}, {2, kRight, "IN"},
        {3, kRight, "IN"},     {4, kLeft, "OUT"},    {5, kStraight, "OUT"},
        {6, kRight, "OUT"},    {7, kLeft, "IN"},     {8, kLeft, "IN"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.code);
        SketchBench b;
        b.P().DrawTee(tc.code);
        EXPECT_NE(b.FindLine(30, 140, 30, 124), std::nullopt) << "every branch starts straight";
        auto arcs = b.canvas.Calls("Arc");
        if (tc.branch == kStraight) {
            EXPECT_TRUE(arcs.empty());
        } else {
            ASSERT_EQ(arcs.size(), 1u);
            const std::vector<int> box = tc.branch == kRight ? std::vector<int>{22, 132, 38, 148}
                                                             : std::vector<int>{22, 128, 38, 136};
            const std::vector<int> arc = SketchBench::Mm(arcs[0]);
            EXPECT_EQ(std::vector<int>(arc.begin(), arc.begin() + 4), box);
        }
        EXPECT_EQ(b.TextAt(tc.word), (std::vector<int>{34, 129}));
        // Broken strokes up, down and up again, a dot at each end.
        EXPECT_NE(b.FindLine(38, 136, 40, 135), std::nullopt);
        EXPECT_NE(b.FindLine(48, 139, 50, 140), std::nullopt);
        EXPECT_NE(b.FindLine(48, 131, 50, 130), std::nullopt);
        auto dots = b.canvas.Calls("Ellipse");
        ASSERT_FALSE(dots.empty());
        EXPECT_EQ(SketchBench::Mm(dots.back()), (std::vector<int>{49, 129, 51, 131}));
    }
}

TEST(RunSymbols, SaddleDashedDotThenFallingBranchAndThickStep) {
    SketchBench b;
    b.P().DrawSaddle();
    auto dots = b.canvas.Calls("Ellipse");
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_TRUE(dots[0].pen.dashed);
    EXPECT_EQ(dots[0].brush, kBlack);
    auto branch = b.FindLine(30, 140, 44, 147);
    ASSERT_NE(branch, std::nullopt);
    EXPECT_EQ(branch->width, 12);
    EXPECT_FALSE(branch->dashed);
    EXPECT_NE(b.FindLine(30, 140, 40, 135), std::nullopt);
}

// The lower value of the start flange's oversize box is its setback rounded
// to whole millimetres, halves to the even neighbour.
TEST(RunSymbols, StartFlangeSetbackRoundingByTable) {
    struct {
        double setback;
        const char* shown;
    } const cases[] = {
        {2.5, "2"},
        {3.5, "4"},
        {0.6, "1"},
        {-1.5, "-2"},
        {119.49, "119"},
        // Not a number, or beyond any integer: held in range, never undefined.
        {std::numeric_limits<double>::quiet_NaN(), "0"},
        {1e12, "2147483"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.setback);
        SketchBench b;
        b.sheet.FlensFremtrekk = tc.setback;
        b.P().DrawStartFlange();
        std::vector<std::string> boxTexts;
        for (const auto& call : b.canvas.Texts())
            if (call.font.size == 6)
                boxTexts.push_back(call.text);
        ASSERT_EQ(boxTexts.size(), 2u);
        EXPECT_EQ(boxTexts[0], "0");
        EXPECT_EQ(boxTexts[1], tc.shown);
    }
}

TEST(RunSymbols, StartFlangeWithoutDinDrawsBarSetbackRunAndDot) {
    SketchBench b;
    b.P().DrawStartFlange();
    auto bar = b.FindLine(30, 135, 30, 138);
    ASSERT_NE(bar, std::nullopt);
    EXPECT_EQ(bar->width, 12);
    auto run = b.FindLine(30, 140, 40, 135);
    ASSERT_NE(run, std::nullopt);
    EXPECT_TRUE(run->dashed);
    auto dots = b.canvas.Calls("Ellipse");
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_EQ(SketchBench::Mm(dots[0]), (std::vector<int>{39, 134, 41, 136}));
}

}  // namespace
