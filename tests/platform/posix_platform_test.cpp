#include "platform/posix_platform.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/file_access.h"

TEST(PosixHostInfo, ResolverDomainOrFirstSearchEntry) {
    EXPECT_EQ(PosixHostInfo::DomainFromResolvConf("nameserver 1.1.1.1\ndomain yard.local\n"),
              "yard.local");
    EXPECT_EQ(PosixHostInfo::DomainFromResolvConf("search a.example b.example\n"), "a.example");
    EXPECT_EQ(PosixHostInfo::DomainFromResolvConf("nameserver 1.1.1.1\n"), "");
}

TEST(PosixHostInfo, PrinterSpoolFolderFromCupsFiles) {
    EXPECT_EQ(PosixHostInfo::RequestRootFromCupsFiles(""), "/var/spool/cups/");
    EXPECT_EQ(PosixHostInfo::RequestRootFromCupsFiles("# x\nRequestRoot /srv/cups\n"),
              "/srv/cups/");
}

TEST(PosixHostInfo, EnvironmentStandIns) {
    PosixHostInfo host;
    // The variables are put back afterwards: other tests use the temporary folder.
    struct Saved {
        const char* name;
        std::string value;
        bool set;
    };
    std::vector<Saved> saved;
    for (const char* name : {"APPDATA", "XDG_DATA_HOME", "HOME", "TEMP", "TMPDIR"}) {
        const char* v = std::getenv(name);
        saved.push_back({name, v ? v : "", v != nullptr});
    }
    ::setenv("APPDATA", "/data/app", 1);
    EXPECT_EQ(host.Env("APPDATA"), "/data/app");
    ::unsetenv("APPDATA");
    ::setenv("XDG_DATA_HOME", "/data/xdg", 1);
    EXPECT_EQ(host.Env("APPDATA"), "/data/xdg");
    ::unsetenv("XDG_DATA_HOME");
    ::setenv("HOME", "/home/op", 1);
    EXPECT_EQ(host.Env("APPDATA"), "/home/op/.local/share");
    ::unsetenv("TEMP");
    ::setenv("TMPDIR", "/scratch", 1);
    EXPECT_EQ(host.Env("TEMP"), "/scratch");
    EXPECT_FALSE(host.ProgramPath().empty());
    EXPECT_EQ(host.WorkingFolder().back(), '/');
    for (const auto& v : saved) {
        if (v.set)
            ::setenv(v.name, v.value.c_str(), 1);
        else
            ::unsetenv(v.name);
    }
}

TEST(PosixShell, RunsProgramsWithAnArgumentVectorNeverAShell) {
    EXPECT_EQ(PosixShell::Run({"true"}), 0);
    EXPECT_EQ(PosixShell::Run({"false"}), 1);
    // A name with shell syntax is one argument, not a command line.
    EXPECT_EQ(PosixShell::Run({"test", "-e", "/nonexistent; touch /tmp/vimo-injected"}), 1);
    EXPECT_NE(::access("/tmp/vimo-injected", F_OK), 0);
    EXPECT_EQ(PosixShell::Run({"/nonexistent/program"}), 127);
}

TEST(PosixClock, DateTimeTextLayout) {
    PosixClock clock;
    std::string t = clock.DateTimeText();
    ASSERT_EQ(t.size(), 19u);
    EXPECT_EQ(t[4], '-');
    EXPECT_EQ(t[10], ' ');
    EXPECT_EQ(t[13], ':');
    EXPECT_FALSE(clock.ShortDateText().empty());
}

TEST(UnattendedDialogs, BoxesBecomeReportedLinesAndNothingWaits) {
    UnattendedDialogs d;
    std::vector<std::string> lines;
    d.report = [&lines](const std::string& l) { lines.push_back(l); };
    d.MessageBox("FEIL", "Feil versjon av filen");
    EXPECT_EQ(lines, std::vector<std::string>{"FEIL: Feil versjon av filen"});
    EXPECT_FALSE(d.ChooseFolder("Valg mappe", "/x").has_value());
    EXPECT_TRUE(d.Unattended());
}

TEST(FileAccess, ReadOnlyMeansNoWriteBitForEveryUser) {
    namespace fs = std::filesystem;
    fs::path dir = fs::path("/tmp") / ("vimo-access-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::string file = (dir / "a.txt").string();
    { std::ofstream(file) << "x"; }
    EXPECT_TRUE(HasWriteBit(file));
    EXPECT_TRUE(MayWriteFile(file));
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_FALSE(MayWriteFile(file));
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(MayWriteFile((dir / "new.txt").string()));
    fs::permissions(dir, fs::perms::owner_all);
    EXPECT_TRUE(MayWriteFile((dir / "new.txt").string()));
    EXPECT_EQ(ParentFolder("c.txt"), ".");
    fs::remove_all(dir);
}
