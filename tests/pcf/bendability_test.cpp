#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/preview/load_support.h"

namespace {

struct Row {
    const char* kind;
    const char* length;
    const char* angle;
};

class BendabilityTest : public ::testing::Test {
  protected:
    BendabilityTest() {
        MakeLoadWindows(t);
        auto& sizes = t.p().sizes;
        sizes.PipeSizeIndex = 8;  // 60.3
        sizes.BenderRadius[8] = 80;
        sizes.BenderGrip[8] = 120;
        t.p().bendForm->BenderLoaded = true;
        t.p().LengthDecimals = 1;
    }
    SheetTable& tab() { return t.p().preview->bTabell; }
    void Fill(const std::vector<Row>& rows, int firstRow = 1) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            int r = firstRow + static_cast<int>(i);
            tab().SetCell(1, r, rows[i].kind);
            tab().SetCell(2, r, rows[i].length);
            tab().SetCell(3, r, rows[i].angle);
        }
    }
    std::vector<std::string> Lengths(int from, int to) {
        std::vector<std::string> out;
        for (int r = from; r <= to; ++r) out.push_back(tab().Cell(2, r));
        return out;
    }
    TestProgram t;
};

}  // namespace

TEST_F(BendabilityTest, PipeIntoBendGetsTheBendersGripAndRadius) {
    Fill({{"rør", "1000.0", ""}, {"bend", "76.0", "90.0"}});
    t.p().preview->TestBending();
    EXPECT_EQ(Lengths(1, 2), (std::vector<std::string>{"880.0", "80.0"}));
    EXPECT_EQ(t.dialogs.benderChoosers, 0);
    EXPECT_TRUE(t.p().melding.MeldingListe.empty());
}

TEST_F(BendabilityTest, OnlyPipesThatRunIntoABendChange) {
    // heading row 0, then: bend after the heading, pipe into flange, flange,
    // bend after a flange, pipe at the end, pipe into a 45 degree bend.
    tab().SetCell(1, 0, "rørdel");
    Fill({{"bend", "76.0", "90.0"},
          {"rør", "500.0", ""},
          {"flens", "", ""},
          {"bend", "76.0", "90.0"},
          {"rør", "300.0", ""},
          {"rør", "700.0", ""},
          {"bend", "31.5", "45.0"}});
    t.p().preview->TestBending();
    EXPECT_EQ(Lengths(1, 7),
              (std::vector<std::string>{"76.0", "500.0", "", "76.0", "300.0", "580.0", "33.1"}));
}

TEST_F(BendabilityTest, LengthDecimalsChooseTheTextForm) {
    const struct {
        int decimals;
        const char* pipe;
        const char* bend;
    } cases[] = {{1, "880.0", "80.0"}, {0, "880", "80"}, {2, "880.00", "80.00"}, {-1, "880", "80"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.decimals);
        t.p().LengthDecimals = c.decimals;
        Fill({{"rør", "1000.0", ""}, {"bend", "76.0", "90.0"}});
        t.p().preview->TestBending();
        EXPECT_EQ(Lengths(1, 2), (std::vector<std::string>{c.pipe, c.bend}));
    }
    // The general form keeps the fraction a value really has.
    t.p().LengthDecimals = -1;
    t.p().sizes.BenderGrip[8] = 120.25;
    Fill({{"rør", "1000.0", ""}, {"bend", "76.0", "90.0"}});
    t.p().preview->TestBending();
    EXPECT_EQ(tab().Cell(2, 1), "879.75");
}

TEST_F(BendabilityTest, RowsBeyond50AreLeftAndRow50PairsWith51) {
    Fill({{"rør", "1000.0", ""},
          {"bend", "76.0", "90.0"},
          {"rør", "400.0", ""},
          {"bend", "76.0", "90.0"}},
         50);
    t.p().preview->TestBending();
    EXPECT_EQ(Lengths(50, 53), (std::vector<std::string>{"880.0", "80.0", "400.0", "76.0"}));
}

TEST_F(BendabilityTest, MissingBenderDataAsksAndAChooserWithoutChoiceGivesZeroTangents) {
    t.p().sizes.ClearBenderColumns();
    t.p().bendForm->BenderLoaded = false;
    Fill({{"rør", "1000.0", ""}, {"bend", "76.0", "90.0"}});
    t.p().preview->TestBending();
    // Once for no bender loaded, once for no data at the sheet's size.
    EXPECT_EQ(t.dialogs.benderChoosers, 2);
    ASSERT_EQ(t.p().melding.MeldingListe.size(), 1u);
    EXPECT_EQ(t.p().melding.MeldingListe[0], "FEIL: VELG EN BØYE FOR 60.3");
    EXPECT_EQ(Lengths(1, 2), (std::vector<std::string>{"1000.0", "0.0"}));
}

TEST_F(BendabilityTest, SheetWithoutPipesIsUnchangedButStillChecked) {
    t.p().sizes.ClearBenderColumns();
    Fill({{"flens", "", ""}, {"bend", "76.0", "90.0"}});
    t.p().preview->TestBending();
    EXPECT_EQ(t.dialogs.benderChoosers, 1);
    EXPECT_EQ(Lengths(1, 2), (std::vector<std::string>{"", "76.0"}));
}

TEST_F(BendabilityTest, TheBenderChosenInTheDialogIsUsed) {
    InstallCatalogue(t, "xml/benders.xml");
    t.p().sizes.ClearBenderColumns();
    // The operator picks B2 (radius 90, grip 150 at 60.3) and presses "O&k".
    t.dialogs.onBenderChooser = [](TBendForm& form) {
        for (int i = 0; i < static_cast<int>(form.BenderList.size()); ++i)
            if (form.BenderList[i] == "B2")
                form.ItemIndex = i;
        form.loadbenderdata(true);
        form.LoadBendersKnappClick(true);
        return true;
    };
    Fill({{"rør", "1000.0", ""}, {"bend", "76.0", "90.0"}});
    t.p().preview->TestBending();
    EXPECT_EQ(t.dialogs.benderChoosers, 1);
    EXPECT_EQ(Lengths(1, 2), (std::vector<std::string>{"850.0", "90.0"}));
}
