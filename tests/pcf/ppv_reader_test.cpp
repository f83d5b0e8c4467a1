#include "pcf/ppv_reader.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "env/cp1252.h"
#include "tests/preview/load_support.h"

namespace {

// The 20 header lines of a converted sheet, with C and R as given.
std::vector<std::string> Header(int lastColumn, int lastRow) {
    return {"Vimo Preview 1.5",
            "C:/spool/a.pcf",
            "CS-10",
            "PARTS",
            "Prosjekt",
            "SFI",
            "P-1",
            "1",
            "1",
            "NO BENDER SELECTED",
            " 3.00000000000000E+0000",
            "10",
            "8",
            "0",
            " 0.00000000000000E+0000",
            " 0.00000000000000E+0000",
            " 0.00000000000000E+0000",
            std::to_string(lastColumn),
            std::to_string(lastRow),
            "BEGIN TABLE"};
}

std::string Bytes(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) out += Utf8ToCp1252(line) + "\r\n";
    return out;
}

struct Loaded {
    std::map<std::pair<int, int>, std::string> cells;
    std::vector<int> rowsDone;
    int cellCalls = 0;
    int readError = 0;
    PpvSheetHeader header;
};

Loaded ReadAll(TestProgram& t, const std::vector<std::string>& lines) {
    std::string path = WorkFile(t, "t.ppv", Bytes(lines));
    PpvReader reader(t.p());
    Loaded out;
    EXPECT_TRUE(reader.Open(path));
    EXPECT_TRUE(reader.ReadVersion());
    out.header = reader.ReadHeader();
    reader.ReadTable(
        out.header.lastColumn, out.header.lastRow,
        [&](int c, int r, const std::string& text) {
            out.cells[{c, r}] = text;
            ++out.cellCalls;
        },
        [&](int r) { out.rowsDone.push_back(r); });
    reader.Finish();
    out.readError = reader.ReadError();
    return out;
}

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST(PpvReaderTest, VersionLineIsTestedExactly) {
    const struct {
        const char* line;
        bool accepted;
    } cases[] = {
        {"Vimo Preview 1.5", true},  {"Vimo Preview 1.5 ", false}, {"xx VIMO PDA Talvo 2", true},
        {"vimo preview 1.5", false}, {" Vimo Preview 1.5", false}, {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PpvReader::IsAcceptedVersion(c.line), c.accepted) << '"' << c.line << '"';
}

TEST(PpvReaderTest, NumericTokensAcceptOnlyTheirForms) {
    const struct {
        const char* token;
        bool ok;
        std::int64_t value;
    } integers[] = {{"21", true, 21},
                    {"-3", true, -3},
                    {"+4", true, 4},
                    {"1.5", false, 0},
                    {"12a", false, 0},
                    {"-", false, 0},
                    {"99999999999999999999", false, 0}};
    for (const auto& c : integers) {
        std::int64_t v = 0;
        EXPECT_EQ(ParsePpvInteger(c.token, v), c.ok) << c.token;
        if (c.ok) {
            EXPECT_EQ(v, c.value) << c.token;
        }
    }
    const struct {
        const char* token;
        bool ok;
        double value;
    } reals[] = {{"10", true, 10},      {"10.00", true, 10}, {"1.50000000000000E+0001", true, 15},
                 {"-2.5e1", true, -25}, {"1.", true, 1},     {".5", true, 0.5},
                 {"1,5", false, 0},     {"E5", false, 0},    {"1E", false, 0},
                 {"inf", false, 0},     {"nan", false, 0},   {"1e999", false, 0}};
    for (const auto& c : reals) {
        double v = 0;
        EXPECT_EQ(ParsePpvReal(c.token, v), c.ok) << c.token;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, c.value) << c.token;
        }
    }
}

TEST(PpvReaderTest, ConvertedHeaderIsRead) {
    TestProgram t;
    Loaded got = ReadAll(t, Concat(Header(21, 100), {"END TABLE"}));
    EXPECT_EQ(got.header.sourceText, "C:/spool/a.pcf");
    EXPECT_EQ(got.header.specText, "CS-10");
    EXPECT_EQ(got.header.ror, "P-1");
    EXPECT_EQ(got.header.din2605, 1);
    EXPECT_EQ(got.header.benderName, "NO BENDER SELECTED");
    EXPECT_DOUBLE_EQ(got.header.sveisegap, 3.0);
    EXPECT_DOUBLE_EQ(got.header.flensFremtrekk, 10.0);
    EXPECT_EQ(got.header.pipeSizeIndex, 8);
    EXPECT_EQ(got.header.lastColumn, 21);
    EXPECT_EQ(got.header.lastRow, 100);
}

TEST(PpvReaderTest, EmptyLine8ShiftsTheHeaderOneLine) {
    TestProgram t;
    auto lines = Header(21, 100);
    lines[7] = "";   // line 8
    lines[8] = "5";  // line 9, now taken as line 8
    lines.push_back("BEGIN ROW 0");
    lines.push_back("a");
    lines.push_back("END ROW");
    Loaded got = ReadAll(t, lines);
    EXPECT_EQ(got.header.din2605, 5);
    // Line 9 now meets "NO BENDER SELECTED": not a number, 0, and a pending error.
    EXPECT_EQ(got.header.boying, 0);
    EXPECT_EQ(got.header.benderName, " 3.00000000000000E+0000");
    EXPECT_DOUBLE_EQ(got.header.sveisegap, 10.0);
    ASSERT_FALSE(t.dialogs.boxes.empty());
    EXPECT_EQ(t.dialogs.boxes.back().text, "Lesefeil i tekstfil ");
    EXPECT_EQ(got.readError, PpvReader::kInvalidNumericFormat);
}

TEST(PpvReaderTest, SixteenBitLinesKeepTheLowBits) {
    TestProgram t;
    auto lines = Header(21, 100);
    lines[7] = "65536";                // Din2605: low bits 0
    lines[18] = "65537";               // R: low bits 1
    lines[12] = "  7   rest of line";  // a token with blanks around it
    Loaded got = ReadAll(t, Concat(lines, {"END TABLE"}));
    EXPECT_EQ(got.header.din2605, 0);
    EXPECT_EQ(got.header.lastRow, 1);
    EXPECT_EQ(got.header.pipeSizeIndex, 7);
    EXPECT_TRUE(t.dialogs.boxes.empty());
}

TEST(PpvReaderTest, NumericLinesAtTheEndOfTheFileReadAsZero) {
    TestProgram t;
    auto lines = Header(21, 100);
    lines.resize(12);  // ends after line 12
    std::string path = WorkFile(t, "short.ppv", Bytes(lines));
    PpvReader reader(t.p());
    ASSERT_TRUE(reader.Open(path));
    ASSERT_TRUE(reader.ReadVersion());
    PpvSheetHeader h = reader.ReadHeader();
    EXPECT_DOUBLE_EQ(h.flensFremtrekk, 10.0);
    EXPECT_EQ(h.pipeSizeIndex, 0);
    EXPECT_EQ(h.lastColumn, 0);
    EXPECT_EQ(reader.ReadError(), 0);
}

TEST(PpvReaderTest, RowsFollowTheGrammar) {
    TestProgram t;
    // C = 2: three cells per row.
    Loaded got = ReadAll(t, Concat(Header(2, 100), {
                                                       "BEGIN ROW 0",
                                                       "h0",
                                                       "h1",
                                                       "h2",
                                                       "h3-extra",
                                                       "END ROW",
                                                       "",
                                                       "BEGIN ROW 0",  // numbers may repeat
                                                       "  a  ",
                                                       "END ROW",
                                                       "",
                                                       "BEGIN ROW 7",
                                                       "x",
                                                       "has END ROW inside",
                                                       "never",
                                                       "END ROW",
                                                       "",
                                                       "END TABLE",
                                                   }));
    std::map<std::pair<int, int>, std::string> want = {
        {{0, 0}, "h0"}, {{1, 0}, "h1"}, {{2, 0}, "h2"},
        {{0, 1}, "a"},  {{0, 2}, "x"},                 // the cell holding "END ROW" ends its row
        {{0, 3}, ""},   {{1, 3}, ""},   {{2, 3}, ""},  // the row after the last is emptied
    };
    EXPECT_EQ(got.cells, want);
    EXPECT_EQ(got.rowsDone, (std::vector<int>{0, 1, 2}));
}

TEST(PpvReaderTest, FileWithoutEndTableStopsAtItsEnd) {
    TestProgram t;
    Loaded got = ReadAll(t, Concat(Header(1, 100), {"BEGIN ROW 0", "a", "b", "END ROW", "",
                                                    "BEGIN ROW 1", "c", "d", "END ROW"}));
    std::map<std::pair<int, int>, std::string> want = {
        {{0, 0}, "a"}, {{1, 0}, "b"}, {{0, 1}, "c"}, {{1, 1}, "d"}};
    EXPECT_EQ(got.cells, want);
    EXPECT_EQ(got.rowsDone, (std::vector<int>{0}));  // the row at the end ended the reading
}

TEST(PpvReaderTest, RowShorterThanTheColumnCountSetsOnlyItsCells) {
    TestProgram t;
    std::vector<std::string> row = {"BEGIN ROW 0"};
    for (int c = 0; c < 20; ++c) row.push_back("c" + std::to_string(c));
    row.insert(row.end(), {"END ROW", "", "END TABLE"});
    Loaded got = ReadAll(t, Concat(Header(24, 0), row));
    EXPECT_EQ(got.cells.size(), 20u);
    EXPECT_EQ(got.cells.rbegin()->first, std::make_pair(19, 0));
}

TEST(PpvReaderTest, HugeAnnouncedTableCostsOnlyWhatTheFileHolds) {
    TestProgram t;
    // R and C at the 16-bit limit; the file holds two rows.
    Loaded got =
        ReadAll(t, Concat(Header(32767, 32767), {"BEGIN ROW 0", "a", "END ROW", "", "BEGIN ROW 1",
                                                 "b", "END ROW", "", "END TABLE"}));
    EXPECT_EQ(got.rowsDone, (std::vector<int>{0, 1}));
    EXPECT_EQ(got.cells.at({0, 0}), "a");
    EXPECT_EQ(got.cells.at({0, 1}), "b");
    // Only the emptied row after the last one is as wide as C.
    EXPECT_EQ(got.cellCalls, 2 + 32768);
    EXPECT_EQ(got.cells.rbegin()->first, std::make_pair(32767, 2));
}

TEST(PpvReaderTest, NegativeCountsReadNothing) {
    TestProgram t;
    auto lines = Header(21, 100);
    lines[18] = "-1";
    Loaded got = ReadAll(t, Concat(lines, {"BEGIN ROW 0", "a", "END ROW", "", "END TABLE"}));
    EXPECT_TRUE(got.cells.empty());
    EXPECT_TRUE(got.rowsDone.empty());
}

TEST(PpvReaderTest, MalformedHeaderNumberWithoutCellsIsStillReported) {
    TestProgram t;
    auto lines = Header(21, 100);
    lines[10] = "3,5";  // a comma is no decimal point here
    lines[18] = "-1";   // no rows, so no cell read follows
    Loaded got = ReadAll(t, lines);
    EXPECT_DOUBLE_EQ(got.header.sveisegap, 0.0);
    EXPECT_EQ(t.p().textfil.FeilNr, PpvReader::kInvalidNumericFormat);
    ASSERT_EQ(t.dialogs.boxes.size(), 1u);
    EXPECT_EQ(t.dialogs.boxes[0].text, "Lesefeil i tekstfil ");
}
