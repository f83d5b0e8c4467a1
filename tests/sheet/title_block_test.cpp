#include <gtest/gtest.h>

#include "tests/sheet/sheet_page_fixture.h"

namespace {

int FromRight(int mm) {
    return kPageW - Mm(mm);
}
int FromBottom(int mm) {
    return kPageH - Mm(mm);
}

// A bottom-up 24-bit bitmap of the given size, every pixel grey.
std::string GreyBmp(int width, int height) {
    const int stride = (width * 3 + 3) / 4 * 4;
    std::string out = "BM";
    auto u32 = [&out](unsigned v) {
        for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    u32(54 + stride * height), u32(0), u32(54), u32(40), u32(width), u32(height);
    out += std::string("\x01\x00\x18\x00", 4);
    u32(0), u32(stride * height), u32(0), u32(0), u32(0), u32(0);
    out += std::string(static_cast<std::size_t>(stride * height), '\x80');
    return out;
}

}  // namespace

TEST(TitleBlock, CellsStandAgainstTheExactEdges) {
    SheetPage page;
    page.sheet.Prosjekt = "NB 123";
    page.sheet.SFI = "721";
    page.sheet.ror = "SW-1002";
    page.sheet.SourceText = "line7.pcf";
    page.sheet.SpecText = "A1";
    page.settings().EditFirmanavn = "Verft AS";
    page.settings().EditAdresse1 = "Kaia 1";
    page.settings().EditPostNummer = "6000";
    page.settings().EditPostSted = "Ålesund";
    page.t.clock.shortDate = "05.03.2024";
    page.Draw();

    const struct {
        const char* text;
        int a, b;
        CanvasFont font;
    } cases[] = {
        {"Verft AS", 56, 19, {"Times New Roman", 16, true, false, kBlack, 0}},
        {"Kaia 1", 56, 11, {"Times New Roman", 12, true, false, kBlack, 0}},
        {"6000 Ålesund", 56, 4, {"Arial", 6, false, false, kBlack, 0}},
        {"PROSJEKT:", 79, 59, {"Arial", 6, false, false, kBlack, 0}},
        {"System/SFI:", 79, 49, {"Arial", 6, false, false, kBlack, 0}},
        {"RØR:", 79, 39, {"Arial", 6, false, false, kBlack, 0}},
        {"DATE:", 79, 19, {"Arial", 6, false, false, kBlack, 0}},
        {"NB 123", 75, 56, {"Arial", 8, false, false, kBlack, 0}},
        {"721", 75, 46, {"Arial", 8, false, false, kBlack, 0}},
        {"SW-1002", 75, 36, {"Arial", 8, true, false, kBlack, 0}},
        {"SOURCE: line7.pcf", 75, 31, {"Arial", 6, false, false, kBlack, 0}},
        {"PIPING SPEC: A1", 75, 26, {"Arial", 8, false, false, kBlack, 0}},
        {"05.03.2024", 78, 16, {"Arial", 9, false, false, kBlack, 0}},
    };
    for (const auto& c : cases) {
        const auto* call = page.canvas.FindText(c.text);
        ASSERT_NE(call, nullptr) << c.text;
        EXPECT_EQ(call->args, (std::vector<int>{FromRight(c.a), FromBottom(c.b)})) << c.text;
        EXPECT_EQ(call->font, c.font) << c.text;
        EXPECT_EQ(call->brush, kWhite) << c.text;
    }
}

TEST(TitleBlock, BlockLinesAreThickAndAgainstTheExactEdges) {
    SheetPage page;
    page.Draw();
    const auto lines = page.canvas.Calls("Polyline");
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0].args, (std::vector<int>{FromRight(80), kPageH, FromRight(80), FromBottom(60),
                                               kPageW, FromBottom(60)}));
    EXPECT_EQ(lines[1].args,
              (std::vector<int>{FromRight(60), kPageH, FromRight(60), FromBottom(20)}));
    EXPECT_EQ(lines[5].args,
              (std::vector<int>{FromRight(80), FromBottom(40), kPageW, FromBottom(40)}));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(lines[i].pen.width, 9);
}

TEST(TitleBlock, EmptyFirmTextsWithoutSettingsLeaveTheirPlacesEmpty) {
    SheetPage page;
    page.t.p().oppsett.reset();
    page.Draw();
    auto at = page.TextsAt(FromRight(56), FromBottom(19));
    ASSERT_EQ(at.size(), 1u);
    EXPECT_EQ(at[0]->text, "");
    auto place = page.TextsAt(FromRight(56), FromBottom(4));
    ASSERT_EQ(place.size(), 1u);
    EXPECT_EQ(place[0]->text, " ");
}

TEST(TitleBlock, ViewWordByViewAndOption) {
    const struct {
        bool boying, option;
        const char* word;
    } cases[] = {{true, true, "BØYING"},
                 {false, true, "DELEBYGGING"},
                 {true, false, nullptr},
                 {false, false, nullptr}};
    for (const auto& c : cases) {
        SheetPage page;
        page.sheet.Boying = c.boying;
        page.SetOption(kPrintBIGINFO, c.option);
        page.Draw();
        const int drawn = page.CountText("BØYING") + page.CountText("DELEBYGGING");
        if (!c.word) {
            EXPECT_EQ(drawn, 0);
            continue;
        }
        EXPECT_EQ(drawn, 1);
        const auto* call = page.canvas.FindText(c.word);
        ASSERT_NE(call, nullptr) << c.word;
        EXPECT_EQ(call->args, (std::vector<int>{Mm(2), Mm(2)}));
        EXPECT_EQ(call->font.color, (Rgb{192, 192, 192}));
        EXPECT_EQ(call->font.size, 20);
        EXPECT_EQ(call->font.name, "Arial Black");
    }
}

TEST(TitleBlock, NoticeBoxAndFourLines) {
    SheetPage page;
    page.Draw();
    const auto boxes = page.canvas.Calls("Rectangle");
    const std::vector<int> box{Mm(kWmm - 141), Mm(kHmm - 14), Mm(kWmm - 81), Mm(kHmm - 1)};
    int found = -1;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i].args == box)
            found = static_cast<int>(i);
    ASSERT_GE(found, 0);
    EXPECT_EQ(boxes[found].pen.width, 6);

    std::vector<RecordingCanvas::Call> lines;
    for (const auto& call : page.canvas.Texts())
        if (call.args[0] == Mm(kWmm - 139))
            lines.push_back(call);
    ASSERT_EQ(lines.size(), 4u);
    const int h = 4 * 5;  // "Mg" at size 5 on the recording canvas
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(lines[i].args[1], Mm(kHmm - 12) + i * h);
        EXPECT_EQ(lines[i].font, (CanvasFont{"Arial", 5, false, false, kBlack, 0}));
        EXPECT_FALSE(lines[i].text.empty());
    }
}

TEST(TitleBlock, LogoIsStretchedThreeMillimetresWider) {
    SheetPage page;
    page.SetOption(kLogoVis);
    TestProgram::WriteFile(page.t.work / "logo.bmp", GreyBmp(100, 40));
    page.Draw();
    const auto copies = page.canvas.Calls("CopyBitmap");
    ASSERT_EQ(copies.size(), 1u);
    const auto& a = copies[0].args;
    EXPECT_EQ(a, (std::vector<int>{FromRight(59), FromBottom(19), FromRight(56) + 100,
                                   FromBottom(19) + 40, 0, 0, 100, 40}));
    EXPECT_EQ(a[2] - a[0], 169);
    EXPECT_EQ(a[3] - a[1], 40);
    EXPECT_EQ(copies[0].brush, kWhite);
}

TEST(TitleBlock, LogoOnlyWhenWantedAndReadable) {
    const struct {
        bool option;
        const char* file;  // nullptr: no file
        bool warned;
    } cases[] = {{false, "grey", false},
                 {true, nullptr, false},
                 {true, "BMnonsense", true},
                 {true, "", true}};
    for (const auto& c : cases) {
        SheetPage page;
        page.SetOption(kLogoVis, c.option);
        if (c.file) {
            const std::string bytes = std::string(c.file) == "grey" ? GreyBmp(4, 4) : c.file;
            TestProgram::WriteFile(page.t.work / "logo.bmp", bytes);
        }
        page.Draw();
        EXPECT_TRUE(page.canvas.Calls("CopyBitmap").empty());
        EXPECT_EQ(page.LogHas("ADVARSEL:"), c.warned) << (c.file ? c.file : "(none)");
        if (c.warned) {
            EXPECT_TRUE(page.LogHas("logo.bmp"));
        }
    }
}
