#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/sheet/symbol_test_support.h"

namespace {

struct Point {
    int x, y;
};

// The four points of an arrowhead polyline in millimetres; the third is its tip.
std::vector<std::vector<int>> Arrowheads(const SketchBench& b) {
    std::vector<std::vector<int>> out;
    for (const auto& call : b.canvas.Calls("Polyline"))
        if (call.args.size() == 8)
            out.push_back(SketchBench::Mm(call));
    return out;
}

TEST(BendMarks, ArrowheadsAreClosedTrianglesPointingDownOrUp) {
    SketchBench b;
    b.P().ArrowDown(50, 60);
    b.P().ArrowUp(50, 60);
    auto heads = Arrowheads(b);
    ASSERT_EQ(heads.size(), 2u);
    EXPECT_EQ(heads[0], (std::vector<int>{49, 60, 51, 60, 50, 64, 49, 60}));
    EXPECT_EQ(heads[1], (std::vector<int>{49, 60, 51, 60, 50, 56, 49, 60}));
    EXPECT_EQ(b.St().CursorX, 30) << "marks never move the cursor";
}

TEST(BendMarks, BranchesBendingRightAndLeftByTable) {
    struct {
        const char* name;
        void (SheetPainter::*mark)();
        std::vector<int> arc;  // box, start ray point, end ray point
        std::vector<int> arrowhead;
        Point lineFrom, lineTo, angleText;
    } const cases[] = {
        {"right",
         &SheetPainter::BranchRight,
         {52, 112, 68, 128, 68, 120, 60, 108},
         {67, 120, 69, 120, 68, 124, 67, 120},
         {58, 119},
         {68, 124},
         {69, 122}},
        {"left",
         &SheetPainter::BranchLeft,
         {52, 108, 68, 116, 60, 108, 52, 112},
         {51, 112, 53, 112, 52, 116, 51, 112},
         {52, 116},
         {62, 121},
         {41, 108}},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        SketchBench b;
        b.MoveTo(60, 120);
        b.SetCell(4, "30.0°");
        (b.P().*tc.mark)();
        EXPECT_NE(b.FindLine(60, 120, 60, 104), std::nullopt) << "the straight branch";
        EXPECT_EQ(b.canvas.Calls("Ellipse").size(), 1u) << "its dot";
        auto arcs = b.canvas.Calls("Arc");
        ASSERT_EQ(arcs.size(), 1u);
        EXPECT_EQ(SketchBench::Mm(arcs[0]), tc.arc);
        auto heads = Arrowheads(b);
        ASSERT_EQ(heads.size(), 1u);
        EXPECT_EQ(heads[0], tc.arrowhead);
        EXPECT_NE(b.FindLine(tc.lineFrom.x, tc.lineFrom.y, tc.lineTo.x, tc.lineTo.y), std::nullopt);
        const auto* angle = b.canvas.FindText("30.0°");
        ASSERT_NE(angle, nullptr);
        EXPECT_EQ(angle->font.escapement, 3334);
        EXPECT_EQ(b.TextAt("30.0°"), (std::vector<int>{tc.angleText.x, tc.angleText.y}));
        EXPECT_EQ(b.St().CursorX, 60);
        EXPECT_EQ(b.canvas.pen.width, 1);
    }
}

TEST(BendMarks, InOutTextRisesAndLeavesTheStyleRegular) {
    SketchBench b;
    b.MoveTo(60, 120);
    b.SetCell(3, "45.0°");
    b.P().InOutText("OUT");
    EXPECT_EQ(b.TextAt("OUT"), (std::vector<int>{64, 109}));
    EXPECT_EQ(b.TextAt("45.0°"), (std::vector<int>{64, 113}));
    EXPECT_TRUE(b.canvas.FindText("OUT")->font.italic);
    EXPECT_FALSE(b.canvas.font.italic);
}

// Bending view. (x, y) is the cursor after the first thick step of the codes
// that take one before the symbol (5, 6, 8), else the cursor at the start.
struct BendingCase {
    int code;
    const char* rotation;  // cell 4
    bool preStep;
    bool down;                             // the vertical line
    std::optional<std::vector<int>> mark;  // rotation mark
    std::vector<int> arc;                  // empty when none
    std::optional<Point> arrowTip;
    std::string angleText;  // empty when none
    Point angleAt;
    bool angleLevel;
    std::optional<Point> labelAt;
    int steps;
};

const BendingCase kBendingCases[] = {
    {0,
     "90.0°",
     false,
     false,
     std::vector<int>{-2, -1, 2, 1},
     {},
     std::nullopt,
     "",
     {0, 0},
     false,
     std::nullopt,
     1},
    {1,
     "0.0°",
     false,
     false,
     std::nullopt,
     {},
     std::nullopt,
     "0°",
     {-1, -18},
     true,
     Point{3, -1},
     1},
    {2,
     "90.0",
     false,
     false,
     std::vector<int>{-2, -1, 8, 4},
     {-8, -8, 8, 8, 8, 0, 0, -12},
     Point{8, 4},
     "90.0",
     {2, -13},
     false,
     Point{-16, -11},
     2},
    {3,
     "90.0°",
     false,
     false,
     std::vector<int>{-2, -1, 8, 4},
     {-8, -8, 8, 8, 8, 0, 0, -12},
     Point{8, 4},
     "90.0°",
     {2, -13},
     false,
     Point{9, 2},
     1},
    {4,
     "90.0°",
     false,
     true,
     std::vector<int>{-2, -1, 8, 4},
     {-8, -2, 9, 12, 0, 12, 8, 8},
     Point{8, 4},
     "90.0°",
     {8, 9},
     false,
     Point{-16, -11},
     2},
    {5,
     "180.0°",
     true,
     true,
     std::nullopt,
     {},
     std::nullopt,
     "180°",
     {-2, 15},
     true,
     Point{3, -1},
     2},
    {6,
     "90.0°",
     true,
     true,
     std::vector<int>{-8, -4, 2, 1},
     {-8, -6, 8, 7, -8, 0, 0, 6},
     Point{-8, -4},
     "90.0°",
     {-8, 9},
     false,
     Point{3, -1},
     2},
    {7,
     "90.0°",
     false,
     false,
     std::vector<int>{-8, -4, 2, 1},
     {-8, -12, 8, -4, 0, -12, -8, -8},
     Point{-8, -4},
     "90.0°",
     {-12, -16},
     false,
     Point{3, -1},
     1},
    {8,
     "90.0°",
     true,
     false,
     std::vector<int>{-8, -4, 2, 1},
     {-8, -12, 8, -4, 0, -12, -8, -8},
     Point{-8, -4},
     "90.0°",
     {-12, -16},
     false,
     Point{3, -1},
     2},
};

TEST(BendSymbols, BendingViewByDirectionCode) {
    for (const auto& tc : kBendingCases) {
        SCOPED_TRACE("code " + std::to_string(tc.code));
        SketchBench b(true);
        b.MoveTo(60, 120);
        b.SetCell(4, tc.rotation);
        b.P().DrawBendingBend(tc.code, "BØY 45.0°");
        const int x = tc.preStep ? 70 : 60, y = tc.preStep ? 115 : 120;

        auto vertical = b.FindLine(x, y, x, tc.down ? y + 15 : y - 15);
        ASSERT_NE(vertical, std::nullopt);
        EXPECT_EQ(vertical->width, 1);

        const std::vector<int> mark = tc.mark.value_or(std::vector<int>{-2, -1, 2, 1});
        auto markLine = b.FindLine(x + mark[0], y + mark[1], x + mark[2], y + mark[3]);
        EXPECT_EQ(markLine.has_value(), tc.mark.has_value());

        auto arcs = b.canvas.Calls("Arc");
        if (tc.arc.empty()) {
            EXPECT_TRUE(arcs.empty());
        } else {
            ASSERT_EQ(arcs.size(), 1u);
            std::vector<int> expected;
            for (std::size_t i = 0; i < tc.arc.size(); ++i)
                expected.push_back(tc.arc[i] + (i % 2 == 0 ? x : y));
            EXPECT_EQ(SketchBench::Mm(arcs[0]), expected);
        }
        auto heads = Arrowheads(b);
        ASSERT_EQ(heads.size(), tc.arrowTip ? 1u : 0u);
        if (tc.arrowTip) {
            EXPECT_EQ(heads[0][4], x + tc.arrowTip->x);
            EXPECT_EQ(heads[0][5], y + tc.arrowTip->y);
        }

        if (tc.angleText.empty()) {
            EXPECT_EQ(b.canvas.Texts().size(), 0u);
        } else {
            const auto* angle = b.canvas.FindText(tc.angleText);
            ASSERT_NE(angle, nullptr);
            EXPECT_EQ(b.TextAt(tc.angleText),
                      (std::vector<int>{x + tc.angleAt.x, y + tc.angleAt.y}));
            EXPECT_EQ(angle->font.escapement, tc.angleLevel ? 0 : 3334);
            EXPECT_EQ(angle->font.size, tc.angleLevel ? 7 : 8);
            EXPECT_FALSE(angle->font.italic);
        }
        const auto* label = b.canvas.FindText("BØY 45.0°");
        ASSERT_EQ(label != nullptr, tc.labelAt.has_value());
        if (label) {
            EXPECT_EQ(b.TextAt("BØY 45.0°"),
                      (std::vector<int>{x + tc.labelAt->x, y + tc.labelAt->y}));
            EXPECT_EQ(label->font.escapement, 3334);
        }

        int thick = 0;
        for (const auto& l : b.Lines())
            if (l.width == 12)
                ++thick;
        EXPECT_EQ(thick, tc.steps);
        EXPECT_EQ(b.St().CursorX, 60 + 10 * tc.steps);
        EXPECT_EQ(b.St().CursorY, 120 - 5 * tc.steps);
        EXPECT_FALSE(b.St().AtSpoolStart);
    }
}

TEST(BendSymbols, RotationMarkUnlessTurnedExactlyNoneOrHalfway) {
    struct {
        const char* rotation;
        bool marked;
    } const cases[] = {
        {"0.0°", false}, {"180.0°", false}, {"0.0", true},
        {"180°", true},  {"90.0°", true},   {"", true},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.rotation);
        SketchBench b(true);
        b.MoveTo(60, 120);
        b.SetCell(4, tc.rotation);
        b.P().DrawBendingBend(1, "BØY 10.0°");
        EXPECT_EQ(b.FindLine(58, 119, 62, 121).has_value(), tc.marked);
    }
}

TEST(BendSymbols, BendingBendWithoutCodeLeavesSize9Regular) {
    SketchBench b(true);
    b.canvas.font.italic = true;
    b.P().DrawBendingBend(0, "BØY 10.0°");
    EXPECT_EQ(b.canvas.font.size, 9);
    EXPECT_FALSE(b.canvas.font.italic);
    EXPECT_EQ(b.canvas.font.name, "Arial");
}

TEST(BendSymbols, PartBuildingViewByDirectionCode) {
    enum Branch { kStraight, kRight, kLeft };
    struct {
        int code;
        Branch branch;
        const char* word;
        Point marker;    // where the position number stands
        bool shortStep;  // the branch bending right takes a short step first
    } const cases[] = {
        {0, kStraight, "OUT", {-20, -20}, false}, {1, kStraight, "IN", {-20, -20}, false},
        {2, kRight, "IN", {-20, -20}, true},      {3, kRight, "IN", {-20, -20}, true},
        {4, kLeft, "OUT", {-20, -20}, false},     {5, kStraight, "OUT", {-20, -20}, false},
        {6, kRight, "OUT", {16, 6}, true},        {7, kLeft, "IN", {16, 6}, false},
        {8, kLeft, "IN", {16, 6}, false},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE("code " + std::to_string(tc.code));
        SketchBench b(false);
        b.MoveTo(60, 120);
        b.SetCell(0, "12");
        b.SetCell(2, "300.0");
        b.SetCell(3, "90.0°");
        b.SetCell(4, "30.0°");
        b.P().DrawPartBend(tc.code);
        const int sx = tc.shortStep ? 4 : 0, sy = tc.shortStep ? -2 : 0;

        auto arcs = b.canvas.Calls("Arc");
        if (tc.branch == kStraight) {
            EXPECT_TRUE(arcs.empty());
        } else {
            ASSERT_EQ(arcs.size(), 1u);
            EXPECT_EQ(SketchBench::Mm(arcs[0])[1], tc.branch == kRight ? 112 : 108);
        }
        EXPECT_EQ(b.TextAt("12"), (std::vector<int>{60 + tc.marker.x, 120 + tc.marker.y}));
        EXPECT_EQ(b.TextAt(tc.word), (std::vector<int>{64 + sx, 109 + sy}));
        EXPECT_EQ(b.TextAt("300.0"), (std::vector<int>{67 + sx, 117 + sy})) << "length unchanged";
        if (tc.shortStep) {
            EXPECT_NE(b.FindLine(60, 120, 64, 118), std::nullopt);
        }

        // Two dashed steps, then the straight branch at the end.
        auto first = b.FindLine(60 + sx, 120 + sy, 70 + sx, 115 + sy);
        ASSERT_NE(first, std::nullopt);
        EXPECT_TRUE(first->dashed);
        EXPECT_NE(b.FindLine(70 + sx, 115 + sy, 80 + sx, 110 + sy), std::nullopt);
        EXPECT_NE(b.FindLine(80 + sx, 110 + sy, 80 + sx, 94 + sy), std::nullopt);
        EXPECT_EQ(b.St().CursorX, 80 + sx);
        EXPECT_EQ(b.St().CursorY, 110 + sy);
        EXPECT_FALSE(b.St().AtSpoolStart);
        EXPECT_FALSE(b.canvas.pen.dashed);
    }
}

}  // namespace
