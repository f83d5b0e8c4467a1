#include "env/qv_reg.h"

#include <gtest/gtest.h>

#include "tests/fakes/test_program.h"

namespace {

TEST(UserName, OverrideOrLogonNameInUpperCaseElseBRUKER) {
    struct Case {
        const char* override_;
        const char* logon;
        const char* expected;
    } cases[] = {{"anne", "operator", "ANNE"}, {"", "operator", "OPERATOR"}, {"", "", "BRUKER"}};
    for (const auto& c : cases) {
        TestProgram t;
        t.host.logonUser = c.logon;
        t.p().reg.UserOverride = c.override_;
        EXPECT_EQ(t.p().reg.UserName(), c.expected);
    }
}

TEST(CurrentSection, HelpersWorkOnTheCurrentSectionAndResetToSTANDARD) {
    TestProgram t;
    QvReg& reg = t.p().reg;
    reg.SetIniSection("PRINTSERVER");
    reg.IniWriteInteger("Spool_Timer", 5);
    reg.IniWriteBool("StopOnError", true);
    EXPECT_EQ(reg.Ini().ReadInteger("PRINTSERVER", "Spool_Timer", 0), 5);
    EXPECT_TRUE(reg.IniReadBool("StopOnError"));
    reg.ResetIniSection();
    EXPECT_EQ(reg.CurrentSection, "STANDARD");
    EXPECT_EQ(reg.IniReadInteger("Spool_Timer"), 0);
    EXPECT_EQ(reg.IniReadString("Spool_Timer"), "");
}

TEST(CurrentSection, UserFileSwitchWritesBothFilesAndComesBack) {
    TestProgram t;
    QvReg& reg = t.p().reg;
    reg.IniFolder = t.work.string() + "/";
    reg.IniPath = reg.IniFolder + "solvanta.ini";
    reg.OpenIni(reg.IniPath);
    reg.Ini().WriteString("STANDARD", "LogToFile", "1");
    reg.OpenUserIni();
    EXPECT_EQ(reg.Ini().FileName(), reg.IniFolder + "OPERATOR.INI");
    reg.Ini().WriteInteger("VINDU-X", "Left", 3);
    reg.OpenMainIni();
    EXPECT_TRUE(reg.Ini().ReadBool("STANDARD", "LogToFile", false));
    EXPECT_EQ(IniFile(reg.IniFolder + "OPERATOR.INI").ReadInteger("VINDU-X", "Left", 0), 3);
}

TEST(HostInfo, IpAddressOverrideAndInterfaceSearch) {
    TestProgram t;
    QvReg& reg = t.p().reg;
    t.host.addresses = {"0.0.0.0", "10.1.2.3"};
    EXPECT_EQ(reg.IpAddress(), "");  // no domain: no search
    t.host.dhcpDomain = "yard.local";
    EXPECT_EQ(reg.DomainName(), "yard.local");
    EXPECT_EQ(reg.IpAddress(), "10.1.2.3");
    t.host.addresses = {"0.0.0.0"};
    EXPECT_EQ(reg.IpAddress(), "0.0.0.0");
    reg.IpOverride = "not-an-address";
    EXPECT_EQ(reg.IpAddress(), "not-an-address");
}

TEST(HostInfo, LoginLineWithNoDomainEndsInIP) {
    TestProgram t;
    t.p().textfil.LogActive = true;
    t.p().reg.LogLogin();
    ASSERT_EQ(t.p().textfil.LogList.size(), 1u);
    EXPECT_EQ(t.p().textfil.LogList[0],
              "2026-12-10 12:00:00 LOGIN: operator  node: PIPESHOP1. IP:");
}

}  // namespace
