#include <gtest/gtest.h>

#include "tests/sheet/sheet_page_fixture.h"

TEST(SheetWalk, DirectionCodes) {
    const struct {
        const char* word;
        int code;
    } cases[] = {{"IN", 1},    {"IN-H", 2}, {"H", 3},    {"OUT-H", 4}, {"OUT", 5},
                 {"OUT-V", 6}, {"V", 7},    {"IN-V", 8}, {"in", 0},    {"IN ", 0},
                 {"", 0},      {"INC", 0},  {"h", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(SheetPainter::DirectionCodeOf(c.word), c.code) << '"' << c.word << '"';
}

TEST(SheetWalk, IsoStepClimbsFiveForTen) {
    SheetPage page;
    SheetPainter& p = page.Painter();
    p.IsoStep();
    p.IsoStep();
    EXPECT_EQ(p.st.CursorX, 50);
    EXPECT_EQ(p.st.CursorY, 130);
}

TEST(SheetWalk, ClosingASpoolWrapsNearTheRightEdgeOrTheTop) {
    // The exact right edge less 50 mm is pixel 5664: x = 246 mm (5658) stays, 247 mm (5681) wraps.
    const struct {
        int x, y, nextX, nextY;
    } cases[] = {
        {100, 38, 70, kHmm - 30},  {100, 40, 100, 40},        {246, 100, 246, 100},
        {247, 100, 70, kHmm - 30}, {400, -20, 70, kHmm - 30}, {30, 39, 70, kHmm - 30},
    };
    for (const auto& c : cases) {
        SheetPage page;
        SheetPainter& p = page.Painter();
        p.st.CursorX = c.x;
        p.st.CursorY = c.y;
        p.st.AtSpoolStart = false;
        p.CloseSpool();
        EXPECT_EQ(p.st.CursorX, c.nextX) << c.x << "," << c.y;
        EXPECT_EQ(p.st.CursorY, c.nextY) << c.x << "," << c.y;
        EXPECT_EQ(p.st.SpoolStartX, c.nextX);
        EXPECT_EQ(p.st.SpoolStartY, c.nextY);
        EXPECT_TRUE(p.st.AtSpoolStart);
    }
}

TEST(SheetWalk, EmptyTableDrawsTheFixedPageAndNoSketch) {
    SheetPage page;
    SheetPainter& p = page.Draw();
    ASSERT_FALSE(page.canvas.calls.empty());
    const auto& frame = page.canvas.calls.front();
    EXPECT_EQ(frame.op, "Rectangle");
    EXPECT_EQ(frame.args, (std::vector<int>{0, 0, kPageW, kPageH}));
    EXPECT_EQ(frame.pen.width, 9);
    EXPECT_EQ(frame.brush, kWhite);
    for (const char* text :
         {"PROSJEKT:", "Pos nr.", "Pos.no", "REFERANSE", "VIMO-METRIC", "ALLE FLENSER HAR"})
        EXPECT_EQ(page.CountText(text), 1) << text;
    // No material line and no co-ordinate row: "Number" stands only in the heading.
    EXPECT_EQ(page.CountText("1"), 0);
    EXPECT_EQ(p.st.CursorX, 30);
    EXPECT_EQ(p.st.CursorY, 140);
    EXPECT_EQ(p.st.SpoolStartX, p.st.CursorX);
    EXPECT_EQ(p.st.RunningLength, 0);
    EXPECT_FALSE(p.RanOffPage());
    EXPECT_EQ(page.canvas.font.color, kBlack);
}

TEST(SheetWalk, RunningLengthCountsEveryRowUpToRowTwoHundred) {
    SheetPage page;
    // Kinds that draw no symbol still count; a cell without a number adds 0.
    page.SetRow(1, {{1, "Bend"}, {2, "100"}});
    page.SetRow(2, {{1, "BEND"}, {2, "12.5"}});
    page.SetRow(3, {{1, "kran"}, {2, "abc"}});
    page.SetRow(4, {{2, "0.25"}});
    page.SetRow(200, {{1, "Rør"}, {2, "7"}});
    page.SetRow(201, {{1, "Rør"}, {2, "1000"}});
    SheetPainter& p = page.Draw();
    EXPECT_DOUBLE_EQ(p.st.RunningLength, 119.75);
    // Every row with a kind, and only those, gets a material line; row 201 is not read.
    EXPECT_EQ(page.CountText("1"), 4);
    for (const char* kind : {"Bend", "BEND", "kran", "Rør"}) EXPECT_EQ(page.CountText(kind), 1);
}

TEST(SheetWalk, PageElementsComeInTheirOrder) {
    SheetPage page;
    page.sheet.Boying = true;
    page.SetOption(kShowCompass);
    page.SetOption(kPrintBIGINFO);
    page.SetOption(kLogoVis);
    page.SetRow(1, {{0, "3.1"}, {1, "Bend"}});
    // A one-pixel white bitmap: 24 bits, bottom-up.
    std::string bmp = "BM";
    auto u32 = [&bmp](unsigned v) {
        for (int i = 0; i < 4; ++i) bmp += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    u32(58), u32(0), u32(54), u32(40), u32(1), u32(1);
    bmp += std::string("\x01\x00\x18\x00", 4);
    u32(0), u32(4), u32(0), u32(0), u32(0), u32(0);
    bmp += std::string("\xFF\xFF\xFF\x00", 4);
    TestProgram::WriteFile(page.t.work / "logo.bmp", bmp);

    page.Draw();
    const int order[] = {
        page.IndexOfText("PROSJEKT:"),   page.IndexOfText("Pos nr."),
        page.IndexOfText("Pos.no"),      page.IndexOfText("BENDER: "),
        page.IndexOfText("FORW"),        page.IndexOfText("REFERANSE"),
        page.IndexOfText("VIMO-METRIC"), page.IndexOfText("ALLE FLENSER HAR"),
        page.IndexOfText("3.1"),         page.IndexOfText("Bend"),
        page.IndexOfText("3"),           page.IndexOfText("BØYING"),
    };
    for (std::size_t i = 0; i < std::size(order); ++i) ASSERT_GE(order[i], 0) << i;
    for (std::size_t i = 1; i < std::size(order); ++i) EXPECT_LT(order[i - 1], order[i]) << i;
    // The notice follows the view word, the logo comes last.
    EXPECT_GT(static_cast<int>(page.canvas.calls.size()) - 1, order[std::size(order) - 1] + 4);
    EXPECT_EQ(page.canvas.calls.back().op, "CopyBitmap");
}
