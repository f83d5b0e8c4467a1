#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "env/cp1252.h"
#include "pcf/ppv_reader.h"
#include "tests/preview/load_support.h"

namespace {

class SheetLoaderTest : public ::testing::Test {
  protected:
    SheetLoaderTest() { MakeLoadWindows(t); }

    TPreviewForm& preview() { return *t.p().preview; }
    int FeilNr() { return t.p().textfil.FeilNr; }

    // Loads a fixture sheet (copied into the working folder).
    void LoadFixture(const std::string& name) {
        LoadBytes(TestProgram::ReadFile(TestProgram::Fixture("ppv/" + name)), name);
    }
    void LoadBytes(const std::string& bytes, const std::string& name = "sheet.ppv") {
        preview().SheetFileName = WorkFile(t, name, bytes);
        preview().HentVisning();
    }
    // A fixture sheet with one header line (1-based) replaced.
    std::string WithLine(const std::string& fixture, int lineNumber, const std::string& text) {
        std::string bytes = TestProgram::ReadFile(TestProgram::Fixture("ppv/" + fixture));
        std::size_t start = 0;
        for (int i = 1; i < lineNumber; ++i) start = bytes.find("\r\n", start) + 2;
        std::size_t end = bytes.find("\r\n", start);
        return bytes.substr(0, start) + Utf8ToCp1252(text) + bytes.substr(end);
    }
    void SetIni(const std::string& section, const std::string& key, const std::string& value) {
        t.p().reg.Ini().WriteString(section, key, value);
    }

    TestProgram t;
};

}  // namespace

TEST_F(SheetLoaderTest, ConvertedSheetFillsFieldsAndTable) {
    LoadFixture("sheet8.ppv");
    EXPECT_EQ(FeilNr(), 0);
    EXPECT_EQ(preview().SourceText, "C:/spool/P-8.pcf");
    EXPECT_EQ(preview().SpecText, "CS-10");
    EXPECT_EQ(preview().Prosjekt, "Prosjekt");
    EXPECT_EQ(preview().SFI, "SFI");
    EXPECT_EQ(preview().ror, "P-8");
    EXPECT_TRUE(preview().Din2605);
    EXPECT_FALSE(preview().Boying);  // line 9 = 1: part-building view
    EXPECT_DOUBLE_EQ(preview().sveisegap, 3.0);
    EXPECT_DOUBLE_EQ(preview().FlensFremtrekk, 10.0);
    EXPECT_EQ(t.p().bendForm->BenderName, "NO BENDER SELECTED");
    const SheetTable& tab = preview().bTabell;
    EXPECT_EQ(tab.Cell(1, 0), "rørdel");
    EXPECT_EQ(tab.Cell(21, 0), "radius");
    EXPECT_EQ(tab.Cell(22, 0), "");  // beyond C = 21
    EXPECT_EQ(tab.Cell(1, 4), "rør");
    EXPECT_EQ(tab.Cell(2, 4), "1000.0");  // trimmed
    EXPECT_EQ(tab.Cell(19, 4), "60.3");
    EXPECT_EQ(tab.Cell(10, 8), "E8");
    // The pipe rows' diameter decides the index, not line 13.
    EXPECT_EQ(t.p().sizes.PipeSizeIndex, 8);
    EXPECT_TRUE(t.dialogs.boxes.empty());
}

TEST_F(SheetLoaderTest, ShorterSheetLeavesTheRowsBelowItsEmptiedRow) {
    LoadFixture("sheet8.ppv");
    LoadFixture("sheet5.ppv");
    const SheetTable& tab = preview().bTabell;
    for (int r = 1; r <= 5; ++r) EXPECT_EQ(tab.Cell(10, r), "N" + std::to_string(r)) << r;
    for (int c = 0; c <= 21; ++c) EXPECT_EQ(tab.Cell(c, 6), "") << c;
    EXPECT_EQ(tab.Cell(10, 7), "E7");
    EXPECT_EQ(tab.Cell(1, 7), "ventil");
    EXPECT_EQ(tab.Cell(10, 8), "E8");
    EXPECT_EQ(preview().ror, "P-5");
}

TEST_F(SheetLoaderTest, WrongVersionKeepsThePreviousSheet) {
    for (bool dialog : {false, true}) {
        SCOPED_TRACE(dialog);
        t.dialogs.boxes.clear();
        LoadFixture("sheet8.ppv");
        preview().ShowVersionDialog = dialog;
        LoadFixture("wrong_version.ppv");
        EXPECT_EQ(FeilNr(), 99001);
        EXPECT_EQ(preview().ror, "P-8");
        EXPECT_EQ(preview().bTabell.Cell(10, 6), "E6");
        EXPECT_EQ(preview().bTabell.Cell(10, 1), "E1");
        if (dialog) {
            ASSERT_EQ(t.dialogs.boxes.size(), 1u);
            EXPECT_EQ(t.dialogs.boxes[0].title, "FEIL");
            EXPECT_EQ(t.dialogs.boxes[0].text, "Feil versjon av filen");
        } else {
            EXPECT_TRUE(t.dialogs.boxes.empty());
        }
    }
}

TEST_F(SheetLoaderTest, MissingFileChangesNothing) {
    LoadFixture("sheet8.ppv");
    preview().SheetFileName = (t.work / "none.ppv").string();
    preview().HentVisning();
    EXPECT_EQ(FeilNr(), 2);
    EXPECT_EQ(preview().ror, "P-8");
    EXPECT_EQ(preview().bTabell.Cell(10, 1), "E1");
}

TEST(SheetLoaderViewTest, ViewFollowsLine9AndTheBendPipeOption) {
    const struct {
        const char* line9;
        const char* bendPipe;
        bool boying;
    } cases[] = {{"1", "0", false}, {"0", "0", true}, {"1", "1", true}, {"7", "true", false}};
    const std::string sheet = TestProgram::ReadFile(TestProgram::Fixture("ppv/sheet5.ppv"));
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.line9) + "/" + c.bendPipe);
        TestProgram t;
        MakeLoadWindows(t);
        InstallCatalogue(t, "xml/benders.xml");
        t.p().reg.Ini().WriteString("TEKNISK", "BendPipe", c.bendPipe);
        std::string bytes = sheet;
        bytes.replace(bytes.find("\r\n1\r\n1\r\n") + 5, 1, c.line9);  // line 9
        t.p().preview->SheetFileName = WorkFile(t, "s.ppv", bytes);
        t.p().preview->HentVisning();
        EXPECT_EQ(t.p().preview->Boying, c.boying);
        // Only the bending view looks for a bender; the sheet names none of the
        // catalogue, so the chooser is asked.
        EXPECT_EQ(t.dialogs.benderChoosers, c.boying ? 1 : 0);
    }
}

TEST_F(SheetLoaderTest, PipeSizeIndexComesFromTheLastPipeRowElseLine13) {
    LoadFixture("sheet5.ppv");
    EXPECT_EQ(t.p().sizes.PipeSizeIndex, 8);
    // Without pipe rows the header's index stays.
    std::string noPipes = CrLf({"Vimo Preview 1.5",
                                "s",
                                "p",
                                "PARTS",
                                "A",
                                "B",
                                "C",
                                "1",
                                "1",
                                "NO BENDER SELECTED",
                                "0",
                                "10",
                                "5",
                                "0",
                                "0",
                                "0",
                                "0",
                                "21",
                                "100",
                                "BEGIN TABLE",
                                "BEGIN ROW 0",
                                "posnr.",
                                "END ROW",
                                "",
                                "BEGIN ROW 1",
                                "1",
                                "flens",
                                "END ROW",
                                "",
                                "END TABLE"});
    LoadBytes(noPipes);
    EXPECT_EQ(t.p().sizes.PipeSizeIndex, 5);
    // An index outside the tables keeps the one in force.
    t.p().sizes.PipeSizeIndex = 4;
    std::string outside = noPipes;
    outside.replace(outside.find("\r\n5\r\n"), 5, "\r\n99\r\n");
    LoadBytes(outside);
    EXPECT_EQ(t.p().sizes.PipeSizeIndex, 4);
}

TEST_F(SheetLoaderTest, LongBenderNameKeeps63Characters) {
    std::string name(80, 'x');
    for (int i = 0; i < 80; ++i) name[i] = static_cast<char>('A' + i % 26);
    LoadBytes(WithLine("sheet5.ppv", 10, name));
    EXPECT_EQ(t.p().bendForm->BenderName, name.substr(0, 63));
}

TEST_F(SheetLoaderTest, MalformedHeaderNumberIsReportedAndLoadingGoesOn) {
    LoadBytes(WithLine("sheet5.ppv", 12, "ten"));
    EXPECT_EQ(FeilNr(), PpvReader::kInvalidNumericFormat);
    EXPECT_DOUBLE_EQ(preview().FlensFremtrekk, 0.0);
    EXPECT_EQ(preview().bTabell.Cell(10, 5), "N5");
    ASSERT_EQ(t.dialogs.boxes.size(), 1u);
    EXPECT_EQ(t.dialogs.boxes[0].text, "Lesefeil i tekstfil ");
}

TEST_F(SheetLoaderTest, BendingSheetIsAdjustedForItsBenderAndReloadsAlike) {
    InstallCatalogue(t, "xml/benders.xml");
    SetIni("TEKNISK", "Avrunding_Lengde", "1");
    for (int load = 0; load < 2; ++load) {
        SCOPED_TRACE(load);
        LoadFixture("bending.ppv");
        EXPECT_EQ(FeilNr(), 0);
        EXPECT_TRUE(preview().Boying);
        EXPECT_EQ(t.p().bendForm->BenderListText(), "B1");
        EXPECT_EQ(t.p().sizes.PipeSizeIndex, 8);
        EXPECT_EQ(preview().bTabell.Cell(2, 1), "880.0");
        EXPECT_EQ(preview().bTabell.Cell(2, 2), "80.0");
    }
    EXPECT_EQ(t.dialogs.benderChoosers, 0);
}

TEST_F(SheetLoaderTest, SettingChangedInIniTakesEffectAtTheNextLoad) {
    InstallCatalogue(t, "xml/benders.xml");
    LoadFixture("sheet5.ppv");
    EXPECT_FALSE(preview().Boying);
    SetIni("TEKNISK", "BendPipe", "1");
    LoadFixture("sheet5.ppv");
    EXPECT_TRUE(preview().Boying);
}

namespace {

// A small deterministic generator for the garbling below.
struct Lcg {
    std::uint32_t state;
    std::uint32_t Next() {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    }
};

std::string Garble(const std::string& bytes, std::uint32_t seed) {
    static const std::string kPieces[] = {
        "\r\n",      "END ROW", "BEGIN ROW 1", "END TABLE", " ",    "\"", "=\"",      "<pipe>",
        "</bender>", "E+",      "-",           "99999",     "\xF8", "\t", "<bender>", ""};
    Lcg rng{seed};
    std::string out = bytes;
    int edits = 1 + static_cast<int>(rng.Next() % 6);
    for (int i = 0; i < edits && !out.empty(); ++i) {
        std::size_t at = rng.Next() % out.size();
        switch (rng.Next() % 4) {
            case 0:
                out[at] = static_cast<char>(rng.Next() % 256);
                break;
            case 1:
                out.erase(at, 1 + rng.Next() % 40);
                break;
            case 2:
                out.insert(at, kPieces[rng.Next() % std::size(kPieces)]);
                break;
            default: {  // a stretch repeated
                std::size_t len = 1 + rng.Next() % 60;
                out.insert(at, out.substr(at, len));
            }
        }
    }
    return out;
}

}  // namespace

TEST_F(SheetLoaderTest, TruncatedAndGarbledFilesAlwaysEndTheLoad) {
    InstallCatalogue(t, "xml/benders.xml");
    SetIni("TEKNISK", "BendPipe", "1");  // every load runs the bender steps too
    const std::string catalogue = TestProgram::ReadFile(t.p().oppsett->BendersFile);
    int loads = 0;
    for (const char* name : {"sheet8.ppv", "bending.ppv"}) {
        const std::string good =
            TestProgram::ReadFile(TestProgram::Fixture(std::string("ppv/") + name));
        std::vector<std::string> variants;
        for (std::size_t cut = 0; cut < good.size(); cut += 13)
            variants.push_back(good.substr(0, cut));
        for (std::uint32_t seed = 1; seed <= 150; ++seed) variants.push_back(Garble(good, seed));
        for (std::size_t i = 0; i < variants.size(); ++i) {
            SCOPED_TRACE(std::string(name) + " variant " + std::to_string(i));
            const std::string& bytes = variants[i];
            // Every third load also meets a damaged catalogue.
            TestProgram::WriteFile(t.p().oppsett->BendersFile,
                                   i % 3 == 0 ? Garble(catalogue, 1000 + i) : catalogue);
            LoadBytes(bytes);
            ++loads;
            std::string firstLine = bytes.substr(0, bytes.find('\n'));
            if (!firstLine.empty() && firstLine.back() == '\r')
                firstLine.pop_back();
            if (!PpvReader::IsAcceptedVersion(Cp1252ToUtf8(firstLine))) {
                EXPECT_EQ(FeilNr(), 99001);
            } else {
                EXPECT_TRUE(FeilNr() == 0 || FeilNr() == PpvReader::kInvalidNumericFormat)
                    << FeilNr();
            }
            EXPECT_GE(t.p().sizes.PipeSizeIndex, 0);
            EXPECT_LT(t.p().sizes.PipeSizeIndex, PipeSizeTables::kSizes);
        }
    }
    EXPECT_GT(loads, 300);
}

TEST_F(SheetLoaderTest, SheetWrittenByTheConverterLoadsRowForRow) {
    const std::string ppv = (t.work / "temp.ppv").string();
    t.p().pcf.ConvertPcf(TestProgram::Fixture("pcf/ten_lines.pcf").string(), ppv);
    ASSERT_EQ(FeilNr(), 0);
    preview().SheetFileName = ppv;
    preview().HentVisning();
    EXPECT_EQ(FeilNr(), 0);
    EXPECT_FALSE(preview().Boying);
    const SheetTable& tab = preview().bTabell;
    EXPECT_EQ(tab.Cell(0, 0), "posnr.");
    EXPECT_EQ(tab.Cell(0, 1), "1");
    // Part rows are numbered in order up to the emptied row after the last.
    int r = 1;
    while (!tab.Cell(0, r).empty()) {
        EXPECT_EQ(tab.Cell(0, r), std::to_string(r));
        ++r;
    }
    EXPECT_GT(r, 1);
    for (int c = 0; c <= 21; ++c) EXPECT_EQ(tab.Cell(c, r), "") << c;
}

TEST_F(SheetLoaderTest, MissingCatalogueIsTheOutcomeOfABendingLoad) {
    SetIni("TEKNISK", "Avrunding_Lengde", "1");
    LoadFixture("bending.ppv");  // no "benders.xml" installed
    EXPECT_EQ(FeilNr(), 2);
    EXPECT_EQ(t.dialogs.benderChoosers, 1);
    ASSERT_EQ(t.p().melding.MeldingListe.size(), 1u);
    EXPECT_EQ(t.p().melding.MeldingListe[0], "FEIL: VELG EN BØYE FOR 60.3");
    EXPECT_EQ(preview().bTabell.Cell(2, 1), "1000.0");
    EXPECT_EQ(preview().bTabell.Cell(2, 2), "0.0");
}
