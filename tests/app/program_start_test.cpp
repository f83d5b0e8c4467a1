#include <gtest/gtest.h>
#include <unistd.h>

#include "app/program.h"
#include "tests/fakes/test_program.h"

namespace fs = std::filesystem;

namespace {

class ProgramStartTest : public ::testing::Test {
  protected:
    TestProgram t;
    std::string EtcIni() { return t.appdata.string() + "/Solvanta/etc/solvanta.ini"; }
    std::string LogFile() { return t.appdata.string() + "/Solvanta/log/vimoprn.log"; }
    bool Logged(const std::string& text) {
        for (const auto& l : t.p().textfil.LogList)
            if (l.size() > 20 && l.substr(20) == text)
                return true;
        return false;
    }
    void WriteStandard(const std::string& lines) {
        TestProgram::WriteFile(EtcIni(), "[STANDARD]\r\n" + lines);
    }
};

TEST_F(ProgramStartTest, AFirstStartCreatesTheIniWithItsHeaderAndTheFolderTree) {
    ASSERT_EQ(t.p().Start({}), 0);
    t.p().End();
    ASSERT_TRUE(fs::exists(EtcIni()));
    IniFile ini(EtcIni());
    EXPECT_EQ(ini.SectionKeys("INI_SELF").size(), 10u);
    EXPECT_EQ(ini.ReadString("INI_SELF", "CREATED_INIVERSION", ""), "5.35");
    EXPECT_EQ(ini.ReadString("INI_SELF", "CREATED_NAME", ""), EtcIni());
    EXPECT_EQ(ini.ReadString("INI_SELF", "CREATED_USER", ""), "OPERATOR");
    EXPECT_EQ(ini.ReadString("INI_SELF", "MODIFIED_PROGRAM", ""), t.host.programPath);
    EXPECT_TRUE(fs::is_directory(t.appdata / "Solvanta/data/docs"));
    EXPECT_TRUE(fs::is_directory(t.appdata / "Solvanta/maler/qd3"));
    EXPECT_EQ(ini.ReadString("FOLDERS", "etc_folder", ""), t.appdata.string() + "/Solvanta/etc/");
}

TEST_F(ProgramStartTest, ASecondStartChangesOnlyTheModifiedKeys) {
    ASSERT_EQ(t.p().Start({}), 0);
    t.p().End();
    IniFile first(EtcIni());
    t.clock.now = "2026-12-11 07:30:00";
    t.Restart();
    ASSERT_EQ(t.p().Start({"--user", "kari"}), 0);
    t.p().End();
    IniFile second(EtcIni());
    for (const char* key :
         {"CREATED_TIME", "CREATED_NAME", "CREATED_PROGRAM", "CREATED_USER", "CREATED_INIVERSION"})
        EXPECT_EQ(first.ReadString("INI_SELF", key, "?"), second.ReadString("INI_SELF", key, "!"));
    EXPECT_EQ(second.ReadString("INI_SELF", "MODIFIED_TIME", ""), "2026-12-11 07:30:00");
    EXPECT_EQ(second.ReadString("INI_SELF", "MODIFIED_USER", ""), "KARI");
}

TEST_F(ProgramStartTest, AnIniInTheWorkingFolderIsUsedAndRegistered) {
    fs::create_directories(t.appdata / "Solvanta/data");  // the tree exists: not created again
    TestProgram::WriteFile(t.work / "solvanta.ini", "[STANDARD]\r\n");
    ASSERT_EQ(t.p().Start({}), 0);
    EXPECT_EQ(t.p().reg.IniPath, t.work.string() + "/solvanta.ini");
    EXPECT_EQ(t.p().reg.Ini().ReadString("FOLDERS", "etc_folder", ""), t.work.string() + "/");
}

TEST_F(ProgramStartTest, WithLogToFileTheStartLinesReachTheLogFileAtTheEnd) {
    WriteStandard("LogToFile=1\r\n");
    ASSERT_EQ(t.p().Start({}), 0);
    t.p().End();
    std::string log = TestProgram::ReadFile(LogFile());
    EXPECT_NE(log.find(" START: " + t.host.programPath + "\r\n"), std::string::npos);
    EXPECT_NE(log.find(" INIFIL: " + EtcIni() + "\r\n"), std::string::npos);
    EXPECT_NE(log.find(" BRUKER: OPERATOR\r\n"), std::string::npos);
    EXPECT_EQ(log.find("LOGIN: "), std::string::npos);  // not verbose
}

TEST_F(ProgramStartTest, DebugWithoutLogToFileWritesNoStartLines) {
    ASSERT_EQ(t.p().Start({"--debug"}), 0);
    EXPECT_FALSE(Logged("BRUKER: OPERATOR"));
    EXPECT_FALSE(t.p().textfil.LogActive);
    EXPECT_TRUE(t.p().textfil.LogVerbose);
}

TEST_F(ProgramStartTest, VerboseNeedsTheLogOn) {
    WriteStandard("VerboseLogging=1\r\n");
    ASSERT_EQ(t.p().Start({}), 0);
    EXPECT_FALSE(t.p().textfil.LogVerbose);
    t.Restart();
    WriteStandard("VerboseLogging=1\r\nLogToFile=1\r\n");
    ASSERT_EQ(t.p().Start({"-ip", "10.9.8.7"}), 0);
    EXPECT_TRUE(t.p().textfil.LogVerbose);
    EXPECT_TRUE(Logged("LOGIN: operator  node: PIPESHOP1. IP:10.9.8.7"));
}

TEST_F(ProgramStartTest, OptionValuesAreAlsoComparedAsOptions) {
    ASSERT_EQ(t.p().Start({"--user", "--debug"}), 0);
    EXPECT_TRUE(t.p().textfil.LogVerbose);
    EXPECT_EQ(t.p().reg.UserName(), "--DEBUG");
    t.Restart();
    ASSERT_EQ(t.p().Start({"--user"}), 0);  // in the last place: empty value
    EXPECT_EQ(t.p().reg.UserName(), "OPERATOR");
}

TEST_F(ProgramStartTest, TheClosingSummaryCountsWarningsWithoutAHintLine) {
    WriteStandard("LogToFile=1\r\nVerboseLogging=1\r\n");
    ASSERT_EQ(t.p().Start({}), 0);
    t.p().textfil.WriteLog("ADVARSEL: en");
    t.p().textfil.WriteLog("WARNING: to");
    t.p().End();
    EXPECT_TRUE(Logged("Oppdaterer " + EtcIni()));
    EXPECT_TRUE(Logged("AVSLUTTER PROGRAM. 0 feilmeldinger og 2 advarsler"));
    for (const auto& l : t.p().textfil.LogList)
        EXPECT_EQ(l.find("hint i programmet"), std::string::npos);
}

TEST_F(ProgramStartTest, AWriteProtectedIniIsNotWrittenBackAndSaysSo) {
    WriteStandard("LogToFile=1\r\nVerboseLogging=1\r\n");
    ASSERT_EQ(t.p().Start({}), 0);
    t.p().reg.Ini().WriteString("STANDARD", "Changed", "1");
    fs::permissions(EtcIni(), fs::perms::owner_read | fs::perms::group_read);
    t.p().End();
    EXPECT_FALSE(IniFile(EtcIni()).ValueExists("STANDARD", "Changed"));
    EXPECT_TRUE(Logged("ADVARSEL: " + EtcIni() + " er skrivebeskyttet og vil ikke bli lagret."));
}

TEST_F(ProgramStartTest, ClearLogOnStartupEmptiesTheLogFirst) {
    TestProgram::WriteFile(LogFile(), "2026-01-01 00:00:00 old line\r\n");
    WriteStandard("LogToFile=1\r\nClearLogFileOnStartup=1\r\n");
    fs::create_directories(t.appdata / "Solvanta/data");
    ASSERT_EQ(t.p().Start({}), 0);
    t.p().End();
    std::string log = TestProgram::ReadFile(LogFile());
    EXPECT_EQ(log.find("old line"), std::string::npos);
    EXPECT_NE(log.find("LOGGFIL T\xD8MT (TextFile.ClearLog)."), std::string::npos);
}

}  // namespace
