#include <gtest/gtest.h>

#include "env/qv_reg_ini.h"
#include "tests/fakes/test_program.h"

namespace {

class IniFileTest : public ::testing::Test {
  protected:
    TestProgram t;
    std::string path = (t.work / "solvanta.ini").string();
};

TEST_F(IniFileTest, SectionsAndKeysCompareWithoutCase) {
    TestProgram::WriteFile(
        path, "[Standard]\r\nLogToFile=1\r\n[PRINTSERVER]\r\nSpool_Queue=/srv/spool/\r\n");
    IniFile ini(path);
    EXPECT_TRUE(ini.ReadBool("STANDARD", "logtofile", false));
    EXPECT_EQ(ini.ReadString("printserver", "SPOOL_QUEUE", ""), "/srv/spool/");
    EXPECT_EQ(ini.ReadString("PRINTSERVER", "missing", "dflt"), "dflt");
}

TEST_F(IniFileTest, IntegersAndBooleans) {
    TestProgram::WriteFile(path, "[S]\na=12\nb=$1F\nc=0x10\nd=abc\ne=-3\nf=0\ng=2\nh=true\n");
    IniFile ini(path);
    struct Case {
        const char* key;
        int integer;
        bool boolean;
    } cases[] = {{"a", 12, true}, {"b", 31, true}, {"c", 16, true},
                 {"d", 7, false}, {"e", -3, true}, {"f", 0, false},
                 {"g", 2, true},  {"h", 7, false}, {"none", 7, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(ini.ReadInteger("S", c.key, 7), c.integer) << c.key;
        EXPECT_EQ(ini.ReadBool("S", c.key, false), c.boolean) << c.key;
    }
}

TEST_F(IniFileTest, WritesBackWhatWasWrittenInWindows1252) {
    IniFile ini(path);
    ini.WriteBool("STANDARD", "LogToFile", true);
    ini.WriteInteger("PRINTSERVER", "Spool_Timer", 10);
    ini.WriteString("STANDARD", "Firma_Navn", "Rør og Bøy AS");
    ini.WriteString("standard", "logtofile", "0");
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(TestProgram::ReadFile(path),
              "[STANDARD]\r\nLogToFile=0\r\nFirma_Navn=R\xF8r og B\xF8y AS\r\n\r\n"
              "[PRINTSERVER]\r\nSpool_Timer=10\r\n\r\n");
    IniFile again(path);
    EXPECT_EQ(again.ReadString("STANDARD", "Firma_Navn", ""), "Rør og Bøy AS");
}

TEST_F(IniFileTest, AMissingFileGivesDefaultsAndAnUnwritablePlaceFails) {
    IniFile ini((t.work / "none/solvanta.ini").string());
    EXPECT_EQ(ini.ReadInteger("S", "k", 5), 5);
    EXPECT_FALSE(ini.UpdateFile());
}

}  // namespace
