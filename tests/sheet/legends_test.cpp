#include <gtest/gtest.h>

#include <string>

#include "tests/sheet/sheet_page_fixture.h"

TEST(BenderBlock, ValuesOfTheSheetsPipeSize) {
    SheetPage page;
    page.sheet.Boying = true;
    auto& sizes = page.t.p().sizes;
    sizes.PipeSizeIndex = 8;
    sizes.BenderGrip[8] = 120;
    sizes.BenderRadius[8] = 80;
    sizes.BenderStretch[8] = 2.5;
    sizes.BenderGrip[7] = 999;
    page.t.p().bendForm->BenderList = {"B-60", "Hydro 2"};
    page.t.p().bendForm->ItemIndex = 1;
    page.Draw();

    const int x0 = kWmm - 141, y0 = kHmm - 34;
    const int h = 4 * 10;  // "Mj" at size 10 on the recording canvas
    const auto* name = page.canvas.FindText("BENDER: Hydro 2");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->args, (std::vector<int>{Mm(x0 + 1), Mm(y0 + 1)}));
    EXPECT_EQ(name->font, (CanvasFont{"Arial", 10, true, false, kBlack, 0}));
    const struct {
        const char* text;
        int lines;
    } values[] = {{"Grip: 120.0", 1}, {"Radius: 80.0", 2}, {"Stretch: 2.5", 3}};
    for (const auto& v : values) {
        const auto* call = page.canvas.FindText(v.text);
        ASSERT_NE(call, nullptr) << v.text;
        EXPECT_EQ(call->args, (std::vector<int>{Mm(x0 + 1), Mm(y0 + 1) + v.lines * h}));
        EXPECT_FALSE(call->font.bold);
    }
    bool box = false;
    for (const auto& r : page.canvas.Calls("Rectangle"))
        box |= r.args == std::vector<int>{Mm(x0), Mm(y0), Mm(x0 + 60), Mm(y0 + 2) + 4 * h};
    EXPECT_TRUE(box);
}

TEST(BenderBlock, OnlyInTheBendingViewAndZeroWithoutData) {
    for (bool boying : {true, false}) {
        SheetPage page;
        page.sheet.Boying = boying;
        page.t.p().bendForm.reset();
        page.Draw();
        EXPECT_EQ(page.CountText("BENDER: "), boying ? 1 : 0);
        EXPECT_EQ(page.CountText("Grip: 0.0"), boying ? 1 : 0);
        // The reference legend's box is there in both views.
        EXPECT_EQ(page.canvas.Calls("RoundRect").size(), 1u);
    }
}

TEST(FlangeNotes, SetbackAndWeldGapInTheChosenDecimals) {
    const struct {
        int decimals;
        double setback, gap;
        std::string setbackText, gapLine;  // gapLine empty: no weld gap line
    } cases[] = {
        {1, 10, 0, "10.0", ""},
        {0, 10, 3, "10", "SVEISEGAP 3mm"},
        {1, 10, 3, "10.0", "SVEISEGAP 3.0mm"},
        {2, 2.5, -1, "2.50", ""},
        {-1, 2.5, 0.75, "2.5", "SVEISEGAP 0.75mm"},
    };
    for (const auto& c : cases) {
        SheetPage page;
        page.t.p().LengthDecimals = c.decimals;
        page.sheet.FlensFremtrekk = c.setback;
        page.sheet.sveisegap = c.gap;
        page.Draw();
        const auto* line = page.canvas.FindText(c.setbackText + "mm FREMTREKK");
        ASSERT_NE(line, nullptr) << c.setbackText;
        EXPECT_EQ(line->args, (std::vector<int>{Mm(80), Mm(35) + 4 * 9}));
        const auto key = page.TextsAt(Mm(93), Mm(56));
        ASSERT_EQ(key.size(), 1u);
        EXPECT_EQ(key[0]->text, c.setbackText);
        EXPECT_EQ(key[0]->font.size, 6);
        const auto gap = page.TextsAt(Mm(80), Mm(65));
        if (c.gapLine.empty()) {
            EXPECT_TRUE(gap.empty()) << c.gap;
        } else {
            ASSERT_EQ(gap.size(), 1u);
            EXPECT_EQ(gap[0]->text, c.gapLine);
        }
    }
}

TEST(MetricLegend, OptionsLeaveOutEachPart) {
    const struct {
        bool hideMetric, hideFlanges;
    } cases[] = {{false, false}, {true, false}, {false, true}, {true, true}};
    for (const auto& c : cases) {
        SheetPage page;
        page.SetOption(kHideVimoMetric, c.hideMetric);
        page.SetOption(kHideFlangeInfo, c.hideFlanges);
        page.Draw();
        EXPECT_EQ(page.CountText("VIMO-METRIC"), c.hideMetric ? 0 : 1);
        EXPECT_EQ(page.canvas.Calls("Arc").size(), c.hideMetric ? 0u : 3u);
        EXPECT_EQ(page.CountText("ALLE FLENSER HAR"), c.hideFlanges ? 0 : 1);
        EXPECT_EQ(page.CountText("OVERMÅL"), c.hideFlanges ? 0 : 1);
    }
}

TEST(MetricLegend, BendArcsAndDashedCentreLines) {
    SheetPage page;
    page.Draw();
    const auto arcs = page.canvas.Calls("Arc");
    ASSERT_EQ(arcs.size(), 3u);
    const std::vector<int> rays{Mm(85), Mm(21), Mm(93), Mm(29)};
    const struct {
        int x1, y1, x2, y2;
        bool dashed;
    } expected[] = {{85, 13, 101, 29, false}, {89, 17, 97, 25, false}, {87, 15, 99, 27, true}};
    for (int i = 0; i < 3; ++i) {
        std::vector<int> args{Mm(expected[i].x1), Mm(expected[i].y1), Mm(expected[i].x2),
                              Mm(expected[i].y2)};
        args.insert(args.end(), rays.begin(), rays.end());
        EXPECT_EQ(arcs[i].args, args);
        EXPECT_EQ(arcs[i].pen.dashed, expected[i].dashed);
        EXPECT_EQ(arcs[i].pen.width, 1);
    }
    // Every dashed element sets the pen back: nothing after the legend is dashed.
    EXPECT_FALSE(page.canvas.pen.dashed);
    EXPECT_FALSE(page.canvas.calls.back().pen.dashed);
}

TEST(Compass, OnlyWithItsOptionAndWithItalicSideWords) {
    for (bool on : {false, true}) {
        SheetPage page;
        page.SetOption(kShowCompass, on);
        page.Draw();
        EXPECT_EQ(page.CountText("FORW"), on ? 1 : 0);
        if (!on)
            continue;
        const struct {
            const char* word;
            bool italic;
            int escapement;
        } words[] = {{"FORW", true, 266}, {"AFT", true, 266}, {"PS", true, 3334},
                     {"SB", true, 3334},  {"UP", false, 0},   {"DOWN", false, 0}};
        for (const auto& w : words) {
            const auto* call = page.canvas.FindText(w.word);
            ASSERT_NE(call, nullptr) << w.word;
            EXPECT_EQ(call->font.italic, w.italic) << w.word;
            EXPECT_EQ(call->font.escapement, w.escapement) << w.word;
            EXPECT_EQ(call->font.size, 8) << w.word;
        }
        // "AFT" ends 1 mm left of the arrows: its width (3 characters at size 8) is taken off.
        const int a = kWmm - 141 + 8, e = kHmm - 60 + 16;
        EXPECT_EQ(page.canvas.FindText("AFT")->args,
                  (std::vector<int>{Mm(a - 1) - 3 * 8 * 2, Mm(e)}));
        EXPECT_EQ(page.canvas.FindText("UP")->args,
                  (std::vector<int>{Mm(kWmm - 141 + 15), Mm(kHmm - 60 + 4) - 4 * 8}));
    }
}

TEST(ReferenceLegend, RoundedBoxCrossAndWords) {
    SheetPage page;
    page.Draw();
    const int x0 = kWmm - 101, y0 = kHmm - 34;
    const auto boxes = page.canvas.Calls("RoundRect");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].args,
              (std::vector<int>{Mm(x0), Mm(y0), Mm(x0 + 20), Mm(y0 + 19), Mm(2), Mm(2)}));
    EXPECT_EQ(boxes[0].pen.width, 12);
    const auto* word = page.canvas.FindText("REFERANSE");
    ASSERT_NE(word, nullptr);
    EXPECT_EQ(word->args, (std::vector<int>{Mm(x0 + 3), Mm(y0 + 14)}));
    EXPECT_EQ(word->font.size, 6);
    EXPECT_TRUE(word->font.bold);
    const auto* zero = page.canvas.FindText("0°");
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(zero->args, (std::vector<int>{Mm(x0 + 9), Mm(y0 + 4) - 4 * 7}));
    // The flange notes take the bold style the legend left.
    EXPECT_TRUE(page.canvas.FindText("ALLE FLENSER HAR")->font.bold);
}
