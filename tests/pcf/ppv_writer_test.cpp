#include "pcf/ppv_writer.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/fakes/test_program.h"

namespace {

TEST(ScientificText, IsTwentyThreeCharacters) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0, " 0.00000000000000E+0000"},
        {15, " 1.50000000000000E+0001"},
        {-3, "-3.00000000000000E+0000"},
        {0.001234, " 1.23400000000000E-0003"},
        {1e300, " 1.00000000000000E+0300"},
        {2.5e-300, " 2.50000000000000E-0300"},
        {123456.789, " 1.23456789000000E+0005"},
        {-0.0, " 0.00000000000000E+0000"},
        {9.999999999999999, " 1.00000000000000E+0001"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScientificText(c.value), c.text) << c.value;
        EXPECT_EQ(ScientificText(c.value).size(), 23u);
    }
}

TEST(NumberCellText, FixedWidthTenOrShortScientific) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {500, 1, "     500.0"},    {500, 0, "       500"},   {1000, 3, "  1000.000"},
        {500, -1, " 5.0E+0002"},   {0, -1, " 0.0E+0000"},    {-1234, -3, "-1.2E+0003"},
        {99.96, -1, " 1.0E+0002"}, {0.25, -1, " 2.5E-0001"}, {31.48, 2, "     31.48"},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberCellText(c.value, c.decimals), c.text) << c.value;
}

TEST(PpvWriter, WritesHeaderRowsAndCountsCells) {
    TestProgram t;
    PpvWriter writer(t.p().textfil);
    std::string path = (t.work / "out.ppv").string();
    writer.rowCounter = 7;
    writer.CreatePpv(path);
    writer.WritePpvHeader({"C:/in.pcf", "A1", "P-1", 3, 8});
    EXPECT_EQ(writer.rowCounter, 0);
    writer.BeginRow();
    writer.WriteCell("r\u00F8r");
    writer.WriteNumberCell(12.25, 1);
    writer.WriteCell("");
    EXPECT_EQ(writer.cellCounter, 3);
    writer.EndRow();
    EXPECT_EQ(writer.cellCounter, 0);
    writer.BeginRow();
    writer.EndRow();
    writer.EndTable();
    EXPECT_EQ(writer.OutputError(), 0);
    EXPECT_EQ(TestProgram::ReadFile(path),
              "Vimo Preview 1.5\r\nC:/in.pcf\r\nA1\r\nPARTS\r\nProsjekt\r\nSFI\r\nP-1\r\n1\r\n1\r\n"
              "NO BENDER SELECTED\r\n 3.00000000000000E+0000\r\n10\r\n8\r\n0\r\n"
              " 0.00000000000000E+0000\r\n 0.00000000000000E+0000\r\n"
              " 0.00000000000000E+0000\r\n21\r\n100\r\nBEGIN TABLE\r\n"
              "BEGIN ROW 0\r\nr\xF8r\r\n      12.3\r\n\r\nEND ROW\r\n\r\n"
              "BEGIN ROW 1\r\nEND ROW\r\n\r\nEND TABLE\r\n");
}

TEST(PpvWriter, FileThatCannotBeCreatedKeepsItsFirstFailure) {
    TestProgram t;
    PpvWriter writer(t.p().textfil);
    std::string path = (t.work / "no-such-folder" / "out.ppv").string();
    writer.CreatePpv(path);
    writer.WritePpvHeader({});
    writer.BeginRow();
    writer.WriteCell("x");
    writer.EndRow();
    writer.EndTable();
    EXPECT_EQ(writer.OutputError(), 2);
    EXPECT_EQ(writer.rowCounter, 1);
    // one box for the creation and one for the closing; the lost lines are not
    // each counted as another error
    ASSERT_EQ(t.dialogs.boxes.size(), 2u);
    EXPECT_EQ(t.dialogs.boxes[0].text, "Feil under oppretting av ny fil: " + path + "  (2)");
    EXPECT_EQ(t.dialogs.boxes[1].text, "Feil under lukking av fil");
    EXPECT_EQ(t.p().textfil.ErrorCount, 2);
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
