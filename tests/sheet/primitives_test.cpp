#include <gtest/gtest.h>

#include "tests/sheet/sheet_page_fixture.h"

TEST(SheetGeometry, MillimetresFontsAndWholeMillimetreEdges) {
    SheetPage page;
    SheetPainter& p = page.Painter();
    EXPECT_EQ(p.pmm(140), 3220);
    EXPECT_EQ(p.pmm(-3), -69);
    EXPECT_EQ(SheetPainter::NyFontSize(9), 9);
    EXPECT_EQ(p.WholeMm(6814), 296);
    EXPECT_EQ(p.Wmm(), 296);
    // A whole-millimetre anchor at W' lies 6 pixels inside the exact edge.
    EXPECT_EQ(p.W() - p.pmm(p.Wmm()), 6);
    EXPECT_EQ(p.Hmm(), 209);
}

TEST(SheetGeometry, ZeroPixelsPerMillimetreDrawsAtOne) {
    SheetPage page;
    page.sheet.pixelprmm = 0;
    page.sheet.PageWidth = 150;
    SheetPainter& p = page.Painter();
    EXPECT_EQ(p.pmm(7), 7);
    EXPECT_EQ(p.Wmm(), 150);
}

TEST(SheetGeometry, PenWidthRule) {
    const struct { int width, pixels; } cases[] = {{0, 0}, {1, 1}, {2, 6}, {3, 9}, {4, 12}};
    SheetPage page;
    SheetPainter& p = page.Painter();
    for (const auto& c : cases) {
        page.canvas.pen.width = 99;
        p.LineWidth(c.width);
        EXPECT_EQ(page.canvas.pen.width, c.pixels) << "LineWidth(" << c.width << ")";
    }
}

TEST(SheetTextPrimitives, RisingTextSetsItsFontAndLeavesTheCanvasUnturned) {
    SheetPage page;
    SheetPainter& p = page.Painter();
    page.canvas.font = {"Times New Roman", 14, true, false, {9, 9, 9}, 0};
    page.canvas.brush = {255, 255, 0};
    p.RisingText(100, 200, "1200");
    const auto& call = page.canvas.calls.back();
    EXPECT_EQ(call.args, (std::vector<int>{100, 200}));
    EXPECT_EQ(call.font, (CanvasFont{"Arial", 8, false, true, kBlack, 266}));
    EXPECT_EQ(call.brush, kWhite);
    EXPECT_EQ(page.canvas.font.escapement, 0);
    EXPECT_TRUE(page.canvas.font.italic);
}

TEST(SheetTextPrimitives, FallingTextKeepsTheStyleBeforeIt) {
    SheetPage page;
    SheetPainter& p = page.Painter();
    // After a rising text: italic, carried over.
    p.RisingText(0, 0, "a");
    p.FallingText(10, 20, "b");
    EXPECT_EQ(page.canvas.calls.back().font, (CanvasFont{"Arial", 8, false, true, kBlack, 3334}));
    EXPECT_EQ(page.canvas.font.escapement, 0);

    // After a level text: whatever style came before the level text.
    page.canvas.font.bold = true;
    page.canvas.font.italic = false;
    p.LevelText(0, 0, "c");
    page.canvas.brush = {255, 255, 0};
    p.FallingText(10, 20, "d");
    const auto& falling = page.canvas.calls.back();
    EXPECT_TRUE(falling.font.bold);
    EXPECT_FALSE(falling.font.italic);
    EXPECT_EQ(falling.brush, kWhite);
}

TEST(SheetTextPrimitives, LevelTextIsAlwaysSizeSevenAndKeepsStyleAndBrush) {
    SheetPage page;
    SheetPainter& p = page.Painter();
    page.canvas.font = {"Courier", 6, true, true, {1, 2, 3}, 450};
    page.canvas.brush = {255, 255, 0};
    p.TextSize(6);
    p.LevelText(5, 6, "Pos nr.");
    const auto& call = page.canvas.calls.back();
    EXPECT_EQ(call.font, (CanvasFont{"Arial", 7, true, true, kBlack, 0}));
    EXPECT_EQ(call.brush, (Rgb{255, 255, 0}));
    EXPECT_EQ(page.canvas.font.size, 7);
}

TEST(SheetTextPrimitives, ListFontIsRegularArialFive) {
    SheetPage page;
    SheetPainter& p = page.Painter();
    page.canvas.font = {"Arial Black", 20, true, true, {192, 192, 192}, 0};
    p.ListFont();
    EXPECT_EQ(page.canvas.font, (CanvasFont{"Arial", 5, false, false, {192, 192, 192}, 0}));
}
