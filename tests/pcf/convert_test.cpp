#include <gtest/gtest.h>

#include "app/program.h"
#include "tests/fakes/test_program.h"
#include "tests/pcf/convert_support.h"

namespace {

const std::vector<std::string> kHeadingCells = {
    "posnr.",         "rørdel",     "lengd",      "kappvinkel",  "VIMOvinkel",  "stigning",
    "roteringspunkt", "x",          "y",          "z",           "tag",         "ref text 1",
    "ref text 2",     "ref text 3", "ref text 4", "ref verdi 1", "ref verdi 2", "ref verdi 3",
    "ref verdi 4",    "diameter",   "diameter2",  "radius",      "materiale",   "beskrivelse"};

using Row = std::vector<std::string>;

// The twenty cells of a part row from its first seven, its tag, its eight
// next-component cells and its diameter.
Row PartRow(Row head, const std::string& tag, const Row& next, const std::string& diameter) {
    head.resize(10);
    head.push_back(tag);
    head.insert(head.end(), next.begin(), next.end());
    head.push_back(diameter);
    return head;
}

const Row kFixedNext = {"FORW", "SB", "El", "", "", "", "", ""};

class ConvertTest : public ::testing::Test {
  protected:
    ConvertTest() { t.p().reg.Ini().WriteString("TEKNISK", "Avrunding_Lengde", "1"); }

    // Converts a fixture of tests/fixtures/pcf into the working folder.
    WrittenSheet ConvertFixture(const std::string& name) {
        pcfPath = TestProgram::Fixture("pcf/" + name).string();
        return Convert();
    }
    WrittenSheet ConvertText(const std::string& lines) {
        pcfPath = (t.work / "in.pcf").string();
        TestProgram::WriteFile(pcfPath, lines);
        return Convert();
    }
    WrittenSheet Convert() {
        t.p().pcf.ConvertPcf(pcfPath, ppvPath);
        WrittenSheet sheet = SplitSheet(TestProgram::ReadFile(ppvPath));
        EXPECT_TRUE(sheet.wellFormed);
        EXPECT_TRUE(sheet.endTable);
        if (!sheet.rows.empty()) {
            EXPECT_EQ(sheet.rows[0], kHeadingCells);
        }
        return sheet;
    }

    TestProgram t;
    std::string pcfPath;
    std::string ppvPath = (t.work / "temp.ppv").string();
};

TEST_F(ConvertTest, TenLineExampleIsWrittenByteForByte) {
    pcfPath = TestProgram::Fixture("pcf/ten_lines.pcf").string();
    t.p().pcf.ConvertPcf(pcfPath, ppvPath);
    EXPECT_EQ(t.p().textfil.FeilNr, 0);
    EXPECT_EQ(t.p().LengthDecimals, 1);
    std::string expected =
        "Vimo Preview 1.5\r\n" + pcfPath +
        "\r\nA1\r\nPARTS\r\nProsjekt\r\nSFI\r\nP-1001\r\n1\r\n1\r\nNO BENDER SELECTED\r\n"
        " 0.00000000000000E+0000\r\n10\r\n0\r\n0\r\n"
        " 0.00000000000000E+0000\r\n 0.00000000000000E+0000\r\n 0.00000000000000E+0000\r\n"
        "21\r\n100\r\nBEGIN TABLE\r\n"
        "BEGIN ROW 0\r\nposnr.\r\nr\xF8rdel\r\nlengd\r\nkappvinkel\r\nVIMOvinkel\r\nstigning\r\n"
        "roteringspunkt\r\nx\r\ny\r\nz\r\ntag\r\nref text 1\r\nref text 2\r\nref text 3\r\n"
        "ref text 4\r\nref verdi 1\r\nref verdi 2\r\nref verdi 3\r\nref verdi 4\r\ndiameter\r\n"
        "diameter2\r\nradius\r\nmateriale\r\nbeskrivelse\r\nEND ROW\r\n\r\n"
        "BEGIN ROW 1\r\n1\r\nr\xF8r\r\n    1000.0\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
        "FORW\r\nSB\r\nEl\r\n\r\n\r\n\r\n\r\n\r\n 60.3\r\nEND ROW\r\n\r\n"
        "BEGIN ROW 2\r\n2\r\nbend\r\n      76.0\r\n      90.0\r\n       0.0\r\n       0.0\r\n"
        "IN\r\n\r\n\r\n\r\n\r\nFOR\r\nPS\r\nUP\r\n\r\n    1076\r\n       0\r\n     500\r\n\r\n"
        " 60.3\r\nEND ROW\r\n\r\nEND TABLE\r\n";
    EXPECT_EQ(TestProgram::ReadFile(ppvPath), expected);
    EXPECT_TRUE(t.dialogs.boxes.empty());
    EXPECT_TRUE(t.p().melding.MeldingListe.empty());
}

TEST_F(ConvertTest, WeldsBetweenPartsAreReadInsideTheRowBefore) {
    WrittenSheet sheet = ConvertFixture("welds_between.pcf");
    ASSERT_EQ(sheet.rows.size(), 3u);
    EXPECT_EQ(sheet.header[2], "B2");
    EXPECT_EQ(sheet.header[6], "W-2");
    // the first weld of the file, measured before the header is written
    EXPECT_EQ(sheet.header[10], " 3.00000000000000E+0000");
    // the welds read in the pipe row replaced P1: the row shows the bore of the last weld
    EXPECT_EQ(sheet.rows[1], PartRow({"1", "rør", "    2000.0"}, "", kFixedNext, " 88.9"));
    EXPECT_EQ(sheet.rows[2], PartRow({"2", "flens", "      93.0"}, "", kFixedNext, " 88.9"));
}

TEST_F(ConvertTest, TagsComeFromTheComponentsOwnLines) {
    WrittenSheet sheet = ConvertFixture("tags.pcf");
    ASSERT_EQ(sheet.rows.size(), 4u);
    EXPECT_EQ(sheet.rows[1][10], "");       // TAG VIMO
    EXPECT_EQ(sheet.rows[2][10], "P-101");  // TAG-NO below other lines
    EXPECT_EQ(sheet.rows[3][10], "P-102");  // right after the end points
    EXPECT_EQ(sheet.rows[2][1], "ventil");
    EXPECT_EQ(sheet.rows[3], PartRow({"3", "rør", "     400.0"}, "P-102", kFixedNext, " 60.3"));
}

TEST_F(ConvertTest, ReducerDirectionFollowsTheLastWeld) {
    WrittenSheet sheet = ConvertFixture("reducer.pcf");
    ASSERT_EQ(sheet.rows.size(), 3u);
    EXPECT_EQ(sheet.header[10], " 0.00000000000000E+0000");  // the first weld has no gap
    EXPECT_EQ(sheet.rows[1], PartRow({"1", "reduksjon", "     150.0", "", "", "", "DEC"}, "",
                                     kFixedNext, " 88.9"));
    EXPECT_EQ(sheet.rows[2], PartRow({"2", "reduksjon", "     200.0", "", "", "", "INC"}, "",
                                     kFixedNext, " 88.9"));
}

TEST_F(ConvertTest, TeeWithAnOpenEnd) {
    WrittenSheet sheet = ConvertFixture("tee_open_end.pcf");
    ASSERT_EQ(sheet.rows.size(), 2u);
    EXPECT_EQ(sheet.rows[1],
              PartRow({"1", "t-rør", "     400.0"}, "",
                      {"AFT", "SB", "UP", "", "    1200", "     350", "      10", ""}, "219.1"));
}

TEST_F(ConvertTest, FileWithoutRowComponentsGivesHeadingsOnly) {
    WrittenSheet sheet = ConvertFixture("no_rows.pcf");
    EXPECT_EQ(t.p().textfil.FeilNr, 0);
    ASSERT_EQ(sheet.header.size(), 20u);
    EXPECT_EQ(sheet.header[6], "EMPTY-1");
    EXPECT_EQ(sheet.header[10], " 5.00000000000000E+0000");
    EXPECT_EQ(sheet.rows.size(), 1u);
}

TEST_F(ConvertTest, FileFromAnotherSystem) {
    t.p().textfil.LogActive = true;
    WrittenSheet sheet = ConvertFixture("other_system.pcf");
    EXPECT_EQ(t.p().textfil.FeilNr, 0);
    EXPECT_EQ(sheet.header[6], "OTHER-7");
    ASSERT_EQ(sheet.rows.size(), 4u);
    // a pipe without end points keeps its row and does not swallow the elbow
    EXPECT_EQ(sheet.rows[1][2], "       1.0");
    // an elbow without ANGLE takes the angle of its geometry
    EXPECT_EQ(sheet.rows[2],
              PartRow({"2", "bend", "      76.0", "      90.0", "       0.0", "       0.0", "IN"},
                      "", kFixedNext, " 60.3"));
    // a bore that no table entry has: diameter 0 and a warning naming it
    EXPECT_EQ(sheet.rows[3], PartRow({"3", "rør", "     500.0"}, "", kFixedNext, "  0.0"));
    int warnings = 0;
    for (const auto& line : t.p().textfil.LogList)
        if (line.find("ADVARSEL: Rørdimensjon 10 finnes ikke i rørtabellen (" + pcfPath + ")") !=
            std::string::npos)
            ++warnings;
    EXPECT_EQ(warnings, 1);
}

TEST_F(ConvertTest, ElbowWithUnknownBoreHasNoTangent) {
    WrittenSheet sheet = ConvertText(
        "X END\nELBOW\n END-POINT 0 0 0 7\n END-POINT 76 0 76 7\n CENTRE-POINT 76 0 0 7\n"
        " ANGLE 9000\nGASKET\n");
    ASSERT_EQ(sheet.rows.size(), 2u);
    EXPECT_EQ(sheet.rows[1][2], "       0.0");
    EXPECT_EQ(sheet.rows[1][3], "      90.0");
    EXPECT_EQ(sheet.rows[1][19], "  0.0");
}

TEST_F(ConvertTest, EdgesOfTheComponentList) {
    struct Case {
        const char* lines;
        std::size_t rows;
    };
    const Case cases[] = {
        // the last component keyword is the last line: no row
        {"X END\nPIPE\n E 0\nFLANGE", 2},
        // a file that ends with a weld ends normally
        {"X END\nPIPE\n END-POINT 0 0 0 50\n END-POINT 0 0 9 50\nWELD\n END-POINT 0 0 9 50\n"
         " END-POINT 0 0 9 50\n",
         2},
        // header only
        {"PIPELINE-REFERENCE X\n", 1},
        {"", 1},
        // unknown components in between are passed over
        {"SUPPORT\nPIPE\nOLET\n END-POINT 0 0 0 50\nBEND\nPIPE\nEND-CONNECTION-PIPELINE\n", 3},
    };
    for (const auto& c : cases) {
        WrittenSheet sheet = ConvertText(c.lines);
        EXPECT_EQ(sheet.rows.size(), c.rows) << c.lines;
        EXPECT_EQ(t.p().textfil.FeilNr, 0);
    }
    WrittenSheet weldAtEnd = ConvertText(
        "X END\nPIPE\n END-POINT 0 0 0 50\n END-POINT 0 0 9 50\nWELD\n END-POINT 0 0 9 50\n"
        " END-POINT 0 0 9 50\n");
    EXPECT_EQ(weldAtEnd.rows[1], PartRow({"1", "rør", "       9.0"}, "", kFixedNext, " 60.3"));
}

TEST_F(ConvertTest, HeaderWeldGapIsThatOfTheFirstWeldWithEndPoints) {
    struct Case {
        const char* lines;
        const char* gap;
    };
    const Case cases[] = {
        {"X END\nWELD\n SKEY WW\nWELD\n END-POINT 0 0 0 50\n END-POINT 0 0 -2.5 50\n"
         "WELD\n END-POINT 0 0 0 50\n END-POINT 0 0 6 50\n",
         " 2.50000000000000E+0000"},
        {"X END\nPIPE\n END-POINT 0 0 0 50\n END-POINT 0 0 9 50\nWELD\n END-POINT 0 0 9 50\n"
         " END-POINT 0 0 9 50\n",
         " 0.00000000000000E+0000"},
        {"WELD\n END-POINT 0 0 0 50\n END-POINT 0 1 0 50\nPIPE\n", " 1.00000000000000E+0000"},
        {"X END\nPIPE\n", " 0.00000000000000E+0000"},
    };
    for (const auto& c : cases) EXPECT_EQ(ConvertText(c.lines).header[10], c.gap) << c.lines;
}

TEST_F(ConvertTest, StateCarriesOverToTheNextConversion) {
    ConvertText(
        "PIPELINE-REFERENCE FIRST\nPIPING-SPEC S1\nX END\nWELD\n END-POINT 0 0 0 150\n"
        " END-POINT 0 0 4 150\nELBOW\n END-POINT 0 0 0 50\n END-POINT 0 -120 -60 50\n"
        " CENTRE-POINT 0 -120 -60 50\n ANGLE 9000\nPIPE\n");
    EXPECT_EQ(t.p().pcf.memory.rotationWord, "IN-V");
    WrittenSheet second = ConvertText(
        "X END\nREDUCER-CONCENTRIC\n END-POINT 0 0 0 150\n END-POINT 0 0 9 100\n"
        "ELBOW\n END-POINT 1000 0 0 50\n END-POINT 1076 0 76 50\n CENTRE-POINT 1076 0 0 50\n"
        "PIPE\n");
    // the header names nothing: the earlier pipeline and spec stay
    EXPECT_EQ(second.header[2], "S1");
    EXPECT_EQ(second.header[6], "FIRST");
    // the weld gap is that of this file (none), not the earlier one
    EXPECT_EQ(second.header[10], " 0.00000000000000E+0000");
    // the last weld of the earlier file (150) makes the reducer DEC
    EXPECT_EQ(second.rows[1][6], "DEC");
    // a bend turning in no z plane keeps the earlier word
    EXPECT_EQ(second.rows[2][6], "IN-V");
    // part numbers start again
    EXPECT_EQ(second.rows[1][0], "1");
}

TEST_F(ConvertTest, LengthDecimalsComeFromTheSetting) {
    struct Case {
        const char* setting;
        int decimals;
        const char* length;
        bool warned;
    };
    const Case cases[] = {
        {"0", 0, "      1000", false},
        {"3", 3, "  1000.000", false},
        {"5", 5, "1000.00000", false},
        {"-1", -1, " 1.0E+0003", false},
        {"abc", 0, "      1000", true},
        {"1.5", 0, "      1000", true},
        {"", 0, "      1000", true},
        {"999", 255, nullptr, false},
        {"99999999999999999999", 255, nullptr, false},
    };
    for (const auto& c : cases) {
        TestProgram fresh;
        fresh.p().textfil.LogActive = true;
        fresh.p().reg.Ini().WriteString("TEKNISK", "Avrunding_Lengde", c.setting);
        std::string pcf = (fresh.work / "in.pcf").string();
        std::string ppv = (fresh.work / "out.ppv").string();
        TestProgram::WriteFile(
            pcf, "X END\nPIPE\n END-POINT 0 0 0 50\n END-POINT 1000 0 0 50\nGASKET\n");
        fresh.p().pcf.ConvertPcf(pcf, ppv);
        EXPECT_EQ(fresh.p().textfil.FeilNr, 0) << c.setting;
        EXPECT_EQ(fresh.p().LengthDecimals, c.decimals) << c.setting;
        WrittenSheet sheet = SplitSheet(TestProgram::ReadFile(ppv));
        ASSERT_EQ(sheet.rows.size(), 2u) << c.setting;
        if (c.length) {
            EXPECT_EQ(sheet.rows[1][2], c.length) << c.setting;
        }
        if (!c.length) {
            EXPECT_EQ(sheet.rows[1][2], "1000." + std::string(255, '0'));
        }
        bool warned = false;
        for (const auto& line : fresh.p().textfil.LogList)
            warned = warned || line.find("ADVARSEL: Avrunding_Lengde er ikke et heltall") !=
                                   std::string::npos;
        EXPECT_EQ(warned, c.warned) << c.setting;
    }
}

TEST_F(ConvertTest, MissingKeyMeansNoDecimals) {
    TestProgram fresh;
    std::string pcf = (fresh.work / "in.pcf").string();
    TestProgram::WriteFile(pcf, "X END\n");
    fresh.p().pcf.ConvertPcf(pcf, (fresh.work / "out.ppv").string());
    EXPECT_EQ(fresh.p().LengthDecimals, 0);
}

TEST_F(ConvertTest, PcfThatCannotBeOpenedWritesNothing) {
    pcfPath = (t.work / "missing.pcf").string();
    t.p().pcf.ConvertPcf(pcfPath, ppvPath);
    EXPECT_EQ(t.p().textfil.FeilNr, 2);
    EXPECT_FALSE(std::filesystem::exists(ppvPath));
    ASSERT_EQ(t.dialogs.boxes.size(), 1u);
    EXPECT_EQ(t.dialogs.boxes[0].text, "Feil under åpning av " + pcfPath + "  (FEILNR.: 2)");
}

TEST_F(ConvertTest, PpvThatCannotBeCreatedFailsTheConversion) {
    pcfPath = TestProgram::Fixture("pcf/ten_lines.pcf").string();
    struct Case {
        std::string ppv;
        int error;
    };
    std::filesystem::create_directories(t.work / "a-folder");
    const Case cases[] = {
        {(t.work / "no-folder" / "temp.ppv").string(), 2},
        {(t.work / "a-folder").string(), 21},
    };
    for (const auto& c : cases) {
        t.dialogs.boxes.clear();
        t.p().pcf.ConvertPcf(pcfPath, c.ppv);
        EXPECT_EQ(t.p().textfil.FeilNr, c.error) << c.ppv;
        ASSERT_GE(t.dialogs.boxes.size(), 1u);
        EXPECT_EQ(t.dialogs.boxes[0].text, "Feil under oppretting av ny fil: " + c.ppv + "  (" +
                                               std::to_string(c.error) + ")");
    }
    // the next conversion in the run succeeds again
    t.p().pcf.ConvertPcf(pcfPath, ppvPath);
    EXPECT_EQ(t.p().textfil.FeilNr, 0);
}

TEST_F(ConvertTest, AngleFaultStandsAsMinusOne) {
    WrittenSheet sheet = ConvertText(
        "X END\nELBOW\n END-POINT 0 0 0 50\n END-POINT 10 0 0 50\n CENTRE-POINT 20 50 -30 50\n"
        " ANGLE 9000\nGASKET\n");
    ASSERT_EQ(sheet.rows.size(), 2u);
    EXPECT_EQ(sheet.rows[1][4], "      -1.0");
    EXPECT_EQ(sheet.rows[1][6], "IN-H");
    ASSERT_EQ(t.p().melding.MeldingListe.size(), 1u);
    EXPECT_EQ(t.p().textfil.FeilNr, 0);
}

}  // namespace
