#include "preview/bender.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/preview/load_support.h"

namespace {

class BenderTest : public ::testing::Test {
  protected:
    BenderTest() {
        MakeLoadWindows(t);
        InstallCatalogue(t, "xml/benders.xml");
    }
    TBendForm& form() { return *t.p().bendForm; }
    PipeSizeTables& sizes() { return t.p().sizes; }
    std::vector<std::string> Column(int col) {
        std::vector<std::string> out;
        for (int r = 1; !form().GridCell(col, r).empty(); ++r)
            out.push_back(form().GridCell(col, r));
        return out;
    }
    TestProgram t;
};

}  // namespace

TEST_F(BenderTest, FormShowListsTheBendersSortedWithoutEmpty) {
    form().FormShow();
    EXPECT_EQ(form().BenderList, (std::vector<std::string>{"B1", "B2", "B3"}));
    EXPECT_EQ(form().Caption, "Rørbøyemaskiner   [" + form().BendersFile() + "]");
    for (int c = 0; c < TBendForm::kGridColumns; ++c)
        EXPECT_EQ(form().GridCell(c, 0), TBendForm::GridCaptions()[c]);
}

TEST_F(BenderTest, SortingIgnoresCaseAndKeepsTheSelection) {
    for (const char* name : {"b2", "A1", "C3", "a0"}) form().AddToList(name);
    form().ItemIndex = 1;  // "A1"
    form().AddToList("0x");
    EXPECT_EQ(form().BenderList, (std::vector<std::string>{"0x", "a0", "A1", "b2", "C3"}));
    EXPECT_EQ(form().BenderListText(), "A1");
}

TEST_F(BenderTest, SelectBenderPutsItsRowsInForceUpToAnEmptyPipe) {
    form().SelectBender("B1");
    EXPECT_EQ(form().BenderListText(), "B1");
    EXPECT_EQ(form().longname, "Bøyemaskin en");
    EXPECT_EQ(form().location, "Plassering: Hall 1");
    EXPECT_EQ(form().remark, "Gammel maskin");
    EXPECT_EQ(form().dims, "Spennvidde: 900");
    // The pipe with an empty text ends the rows: 88.9 and 114.3 are not shown.
    EXPECT_EQ(Column(1), (std::vector<std::string>{"60,30", "63.5", "76.1"}));
    EXPECT_EQ(Column(8), (std::vector<std::string>{"60.3 x 3.6", "63.5 x 2.0", "76.1 x 2.9"}));
    EXPECT_EQ(form().GridCell(0, 1), "50");
    EXPECT_TRUE(form().BenderLoaded);
    // 60,30 fills index 8; 63.5 is no size; 76.1 fills index 9.
    EXPECT_DOUBLE_EQ(sizes().BenderGrip[8], 120);
    EXPECT_DOUBLE_EQ(sizes().BenderGripCC[8], 35);
    EXPECT_DOUBLE_EQ(sizes().BenderRadius[8], 80);
    EXPECT_DOUBLE_EQ(sizes().BenderStretch[8], 1.2);
    EXPECT_DOUBLE_EQ(sizes().BenderRadius[9], 95);
    int filled = 0;
    for (int k = 0; k < PipeSizeTables::kSizes; ++k) filled += sizes().BenderRadius[k] != 0;
    EXPECT_EQ(filled, 2);
}

TEST_F(BenderTest, OkStepMatchesDiametersExactly) {
    const struct {
        const char* diameter;
        int index;  // -1: no size
    } cases[] = {{"60.3", 8}, {"60,30", 8}, {"63.5", -1}, {" 21.3 ", 0}, {"610", 24}, {"x", -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.diameter);
        form().SetGridCell(1, 1, c.diameter);
        form().SetGridCell(4, 1, "77");
        form().LoadBendersKnappClick(true);
        for (int k = 0; k < PipeSizeTables::kSizes; ++k)
            EXPECT_DOUBLE_EQ(sizes().BenderRadius[k], k == c.index ? 77 : 0) << k;
    }
    // A later row for the same size replaces an earlier one.
    form().SetGridCell(1, 1, "60.3");
    form().SetGridCell(1, 2, "60.3");
    form().SetGridCell(4, 2, "99");
    form().LoadBendersKnappClick(true);
    EXPECT_DOUBLE_EQ(sizes().BenderRadius[8], 99);
}

TEST_F(BenderTest, OkStepWithAnEmptyGridClearsTheColumns) {
    form().SelectBender("B1");
    for (int r = 1; r <= TBendForm::kGridRows; ++r)
        for (int c = 0; c < TBendForm::kGridColumns; ++c) form().SetGridCell(c, r, "");
    form().BenderLoaded = false;
    form().LoadBendersKnappClick(false);
    EXPECT_TRUE(form().BenderLoaded);
    for (int k = 0; k < PipeSizeTables::kSizes; ++k) {
        EXPECT_EQ(sizes().BenderGrip[k], 0);
        EXPECT_EQ(sizes().BenderRadius[k], 0);
        EXPECT_EQ(sizes().BenderStretch[k], 0);
        EXPECT_EQ(sizes().BenderGripCC[k], 0);
    }
}

TEST_F(BenderTest, FirstSheetsBenderStaysUntilTheDialogIsShown) {
    form().SelectBender("B1");
    form().SelectBender("B2");
    EXPECT_EQ(form().BenderListText(), "B1");
    EXPECT_DOUBLE_EQ(sizes().BenderRadius[8], 80);
    // After the dialog has listed the catalogue, a sheet naming B2 gets B2.
    EXPECT_FALSE(form().ShowModal());  // closed without a choice
    form().SelectBender("B2");
    EXPECT_EQ(form().BenderListText(), "B2");
    EXPECT_DOUBLE_EQ(sizes().BenderRadius[8], 90);
    // A name that is not listed keeps the bender in force.
    form().SelectBender("NO BENDER SELECTED");
    EXPECT_EQ(form().BenderListText(), "B2");
    EXPECT_DOUBLE_EQ(sizes().BenderRadius[8], 90);
}

TEST_F(BenderTest, NothingSelectedReadsTheFirstBenderOfTheCatalogue) {
    form().FormShow();  // "NO BENDER SELECTED" is not listed: no selection
    EXPECT_EQ(form().BenderListText(), "");
    EXPECT_EQ(form().location, "Plassering: Hall 2");
    EXPECT_EQ(Column(1), (std::vector<std::string>{"60.3"}));
}

TEST_F(BenderTest, BenderWithoutLocationShowsItEmpty) {
    form().FormShow();
    form().SelectBender("B3");
    EXPECT_EQ(form().location, "Plassering: ");
    EXPECT_EQ(form().remark, "");
    EXPECT_EQ(form().dims, "Spennvidde: 700");
    EXPECT_EQ(Column(1), (std::vector<std::string>{"33.7"}));
    EXPECT_DOUBLE_EQ(sizes().BenderRadius[2], 50);
}

TEST_F(BenderTest, ChooserClosedWithoutChoiceKeepsTheColumns) {
    form().SelectBender("B1");
    t.dialogs.onBenderChooser = [](TBendForm& f) {
        f.ItemIndex = 1;  // looks at B2, but never presses "O&k"
        f.loadbenderdata(true);
        return false;
    };
    EXPECT_FALSE(form().ShowModal());
    EXPECT_EQ(t.dialogs.benderChoosers, 1);
    EXPECT_EQ(form().location, "Plassering: Hall 2");
    EXPECT_DOUBLE_EQ(sizes().BenderRadius[8], 80);
}

TEST_F(BenderTest, LongShortnameIsListedCutAndNeverMatches) {
    const std::string longName(70, 'L');
    TestProgram::WriteFile(
        form().BendersFile(),
        CrLf({"<benders title=\"T\">", "<bender>", "<shortname>" + longName + "</shortname>",
              "<pipe diameter=\"60.3\" x=\"1\">p</pipe>", "</bender>", "</benders>"}));
    form().FormShow();
    ASSERT_EQ(form().BenderList.size(), 1u);
    EXPECT_EQ(form().BenderList[0], longName.substr(0, 59));
    form().ItemIndex = 0;
    form().loadbenderdata(true);
    form().LoadBendersKnappClick(true);
    EXPECT_EQ(sizes().BenderRadius[8], 0);
}

TEST_F(BenderTest, MissingCatalogueLeavesNoBenderData) {
    std::filesystem::remove(form().BendersFile());
    form().SelectBender("B1");
    EXPECT_TRUE(form().BenderLoaded);
    EXPECT_EQ(form().BenderList, (std::vector<std::string>{"B1"}));
    EXPECT_EQ(sizes().BenderRadius[8], 0);
    EXPECT_NE(t.p().textfil.FeilNr, 0);
    ASSERT_FALSE(t.dialogs.boxes.empty());
}

TEST_F(BenderTest, Utf8CatalogueListsRepairedNames) {
    InstallCatalogue(t, "xml/benders_utf8.xml");
    form().FormShow();
    EXPECT_EQ(form().BenderList, (std::vector<std::string>{"BØ1"}));
    form().SelectBender("BØ1");
    EXPECT_EQ(form().remark, "Bøyemaskin øst, ÆØÅ æøå");
    EXPECT_EQ(form().GridCell(8, 1), "rør 60.3");
    EXPECT_DOUBLE_EQ(sizes().BenderRadius[8], 70);
}

TEST_F(BenderTest, TruncatedAndGarbledCataloguesAlwaysEnd) {
    const std::string good = TestProgram::ReadFile(TestProgram::Fixture("xml/benders.xml"));
    std::vector<std::string> variants;
    for (std::size_t cut = 0; cut < good.size(); cut += 11) variants.push_back(good.substr(0, cut));
    // Deterministic damage: quotes, tags and line ends dropped or doubled.
    std::uint32_t state = 7;
    auto next = [&state] { return (state = state * 1664525u + 1013904223u) >> 8; };
    for (int v = 0; v < 150; ++v) {
        std::string bytes = good;
        for (int e = 0; e < 1 + v % 5; ++e) {
            std::size_t at = next() % bytes.size();
            switch (next() % 3) {
                case 0:
                    bytes.erase(at, 1 + next() % 30);
                    break;
                case 1:
                    bytes.insert(at, std::string(1, "\"=<>/\r\n "[next() % 8]));
                    break;
                default:
                    bytes.insert(at, bytes.substr(at, 1 + next() % 80));
            }
        }
        variants.push_back(bytes);
    }
    for (std::size_t i = 0; i < variants.size(); ++i) {
        SCOPED_TRACE(i);
        TestProgram::WriteFile(form().BendersFile(), variants[i]);
        form().FormShow();
        form().SelectBender(i % 2 ? "B1" : "B3");
        EXPECT_TRUE(form().BenderLoaded);
        EXPECT_FALSE(t.p().xml.IsOpen());  // every reading ends with the file closed
        EXPECT_LE(form().BenderList.size(), 8u);
    }
}
