#include "env/textfil.h"

#include <gtest/gtest.h>

#include "tests/fakes/test_program.h"

namespace {

class TextFileTest : public ::testing::Test {
  protected:
    TestProgram t;
    TextFileLayer& tf() { return t.p().textfil; }
    std::string Path(const std::string& name) { return (t.work / name).string(); }
};

TEST_F(TextFileTest, WriteLogCountsBySeverityWordAtTheStartOnly) {
    tf().LogActive = true;
    struct Case {
        const char* text;
        int errors, warnings, hints;
    } cases[] = {{"FEIL: disk", 1, 0, 0},      {"ERROR: disk", 1, 0, 0}, {"WARNING: x", 0, 1, 0},
                 {"ADVARSEL: x", 0, 1, 0},     {"HINT: x", 0, 0, 1},     {"Hint: x", 0, 0, 0},
                 {"job ERROR: late", 0, 0, 0}, {"feil: lower", 0, 0, 0}};
    for (const auto& c : cases) {
        TestProgram fresh;
        TextFileLayer& layer = fresh.p().textfil;
        layer.LogActive = true;
        EXPECT_EQ(layer.WriteLog(c.text), 0);
        EXPECT_EQ(layer.ErrorCount, c.errors) << c.text;
        EXPECT_EQ(layer.WarningCount, c.warnings) << c.text;
        EXPECT_EQ(layer.HintCount, c.hints) << c.text;
        ASSERT_EQ(layer.LogList.size(), 1u);
        EXPECT_EQ(layer.LogList[0], "2026-12-10 12:00:00 " + std::string(c.text));
    }
}

TEST_F(TextFileTest, WriteLogWithTheLogOffDoesNothing) {
    EXPECT_EQ(tf().WriteLog("FEIL: disk"), -1);
    EXPECT_TRUE(tf().LogList.empty());
    EXPECT_EQ(tf().ErrorCount, 0);
}

TEST_F(TextFileTest, OpenForReadingAMissingFileShowsItsBoxAndReturnsTwo) {
    TextFile f;
    std::string path = Path("missing.pcf");
    EXPECT_EQ(tf().OpenForReading(f, path), 2);
    EXPECT_EQ(tf().FeilNr, 2);
    EXPECT_EQ(tf().ErrorCount, 1);
    ASSERT_EQ(t.dialogs.boxes.size(), 1u);
    EXPECT_EQ(t.dialogs.boxes[0].title, "FEIL");
    EXPECT_EQ(t.dialogs.boxes[0].text, "Feil under åpning av " + path + "  (FEILNR.: 2)");
}

TEST_F(TextFileTest, AppendLineToAFileInAMissingFolderShowsCreatingAndClosingBoxes) {
    std::string path = Path("nofolder/log.txt");
    int result = tf().AppendLineToFile(path, "line");
    ASSERT_EQ(t.dialogs.boxes.size(), 2u);
    EXPECT_EQ(t.dialogs.boxes[0].text, "Feil under oppretting av ny fil: " + path + "  (2)");
    EXPECT_EQ(t.dialogs.boxes[1].text, "Feil under lukking av fil");
    EXPECT_NE(result, 0);
    EXPECT_EQ(result, tf().FeilNr);
}

TEST_F(TextFileTest, AppendAddsLinesWithCrLfInWindows1252) {
    std::string path = Path("out.txt");
    EXPECT_EQ(tf().AppendLineToFile(path, "rør"), 0);
    EXPECT_EQ(tf().AppendLineToFile(path, "bøy"), 0);
    EXPECT_EQ(TestProgram::ReadFile(path), "r\xF8r\r\nb\xF8y\r\n");
}

TEST_F(TextFileTest, ReadTextLineTrimsBlanksOnlyAndDecodesWindows1252) {
    std::string path = Path("in.txt");
    TestProgram::WriteFile(path, "  word  \r\n\tx\t\nr\xF8r\n");
    TextFile f;
    ASSERT_EQ(tf().OpenForReading(f, path), 0);
    EXPECT_EQ(tf().ReadTextLine(f), "word");
    EXPECT_EQ(tf().ReadTextLine(f), "\tx\t");
    EXPECT_EQ(tf().ReadTextLine(f), "rør");
    EXPECT_TRUE(tf().Eof(f));
    EXPECT_EQ(tf().ReadTextLine(f), "");
    EXPECT_EQ(tf().FeilNr, 0);
    EXPECT_EQ(tf().CloseTextFile(f), 0);
}

TEST_F(TextFileTest, ReadingAClosedFileIsAReadErrorWithBoxAndLogLine) {
    tf().LogActive = true;
    TextFile f;
    EXPECT_EQ(tf().ReadTextLine(f), "");
    EXPECT_NE(tf().FeilNr, 0);
    ASSERT_EQ(t.dialogs.boxes.size(), 1u);
    EXPECT_EQ(t.dialogs.boxes[0].text, "Lesefeil i tekstfil ");
    ASSERT_FALSE(tf().LogList.empty());
    EXPECT_NE(tf().LogList.back().find("Lesefeil i tekstfil."), std::string::npos);
}

TEST_F(TextFileTest, WritesToAFileThatCouldNotBeCreatedSurfaceAtItsClosing) {
    TextFile f;
    EXPECT_NE(tf().OpenForRewrite(f, Path("no/such/folder/x.ppv")), 0);
    EXPECT_NE(tf().WriteTextLine(f, "Vimo Preview 1.5"), 0);
    EXPECT_NE(tf().CloseTextFile(f), 0);
}

TEST_F(TextFileTest, ClearLogLeavesOneLineAndResetsTheErrorCount) {
    std::filesystem::create_directories(t.appdata / "Solvanta/log");
    tf().Start((t.appdata / "Solvanta/log/").string(), "/opt/bin/vimoprn");
    tf().LogActive = true;
    tf().WriteLog("FEIL: before");
    tf().ClearLog();
    EXPECT_EQ(tf().ErrorCount, 0);
    ASSERT_EQ(tf().LogList.size(), 1u);
    EXPECT_EQ(tf().LogList[0], "2026-12-10 12:00:00 LOGGFIL TØMT (TextFile.ClearLog).");
    EXPECT_EQ(TestProgram::ReadFile(tf().LogFile()),
              "2026-12-10 12:00:00 LOGGFIL T\xD8MT (TextFile.ClearLog).\r\n");
}

TEST_F(TextFileTest, TheLogFileGrowsAcrossRuns) {
    tf().Start((t.appdata / "log/").string(), "/opt/bin/vimoprn");
    EXPECT_EQ(tf().LogFile(), (t.appdata / "log/vimoprn.log").string());
    tf().LogActive = true;
    tf().WriteLog("first run");
    tf().WriteLogFile();
    t.Restart();
    tf().Start((t.appdata / "log/").string(), "/opt/bin/vimoprn");
    tf().LoadLogFile();
    tf().LogActive = true;
    tf().WriteLog("second run");
    tf().WriteLogFile();
    EXPECT_EQ(TestProgram::ReadFile(t.appdata / "log/vimoprn.log"),
              "2026-12-10 12:00:00 first run\r\n2026-12-10 12:00:00 second run\r\n");
}

}  // namespace
