// Hot-folder safety: files still being written wait, and a job that printed
// but cannot be archived is kept, never deleted and never printed twice.
#include "spooler/hot_folder.h"

#include <unistd.h>

#include <algorithm>

#include "tests/spooler/spool_fixture.h"

namespace {

using std::chrono::seconds;

struct SettleStep {
    long long atMs;         // the program's clock at this look
    std::string append;     // written to the file just before the look
    int touchedSecondsAgo;  // modification time set to this before the look (-1: as it is)
    bool settled;
};

struct SettleCase {
    const char* what;
    int writtenSecondsAgo;
    std::vector<SettleStep> steps;
};

TEST(SettledFilesTest, FileIsSettledOnlyAfterTwoQuietSeconds) {
    const std::vector<SettleCase> cases = {
        {"old file", 60, {{0, "", -1, true}}},
        {"fresh file", 1, {{0, "", -1, false}, {1999, "", -1, false}, {2000, "", -1, true}}},
        {"growing file",
         60,
         {{0, "", -1, true},
          {500, "more", -1, false},
          {2400, "", -1, false},
          {2500, "", -1, true}}},
        {"touched file", 60, {{0, "", -1, true}, {100, "", 0, false}, {2100, "", -1, true}}},
    };
    TestProgram t;  // for its temporary folder
    const fs::path dir = t.root;
    const auto now = fs::file_time_type::clock::now();
    for (const auto& c : cases) {
        const fs::path file = dir / "job.pcf";
        TestProgram::WriteFile(file, "PIPE\r\n");
        fs::last_write_time(file, now - seconds(c.writtenSecondsAgo));
        SettledFiles settled;
        for (const auto& step : c.steps) {
            if (!step.append.empty())
                TestProgram::WriteFile(file, TestProgram::ReadFile(file) + step.append);
            if (!step.append.empty() || step.touchedSecondsAgo >= 0)
                fs::last_write_time(file, now - seconds(std::max(0, step.touchedSecondsAgo)));
            EXPECT_EQ(settled.Settled(file, step.atMs, now), step.settled)
                << c.what << " at " << step.atMs;
        }
    }
}

class HotFolderTest : public SpoolTest {
  protected:
    void SetUp() override {
        SpoolTest::SetUp();
        F().SaveArc = true;
        fileNow = fs::file_time_type::clock::now();
        F().FileTimeNow = [this] { return fileNow; };
    }
    void JobWrittenAgo(const std::string& name, const std::string& content, int secondsAgo) {
        Job(name, content);
        fs::last_write_time(spool / name, fileNow - seconds(secondsAgo));
    }
    fs::file_time_type fileNow;
};

TEST_F(HotFolderTest, FileStillBeingWrittenWaitsForALaterTick) {
    JobWrittenAgo("a.pdf", "%PDF-1.4 part", 0);
    F().TimerTimer();
    EXPECT_TRUE(t.shell.requests.empty());
    EXPECT_EQ(F().StatusLabel, "READY FOR NEW JOBS, WAITING ...");

    t.clock.ms += 1000;
    JobWrittenAgo("a.pdf", "%PDF-1.4 part two", 0);
    F().TimerTimer();
    EXPECT_TRUE(t.shell.requests.empty());

    t.clock.ms += 2000;  // two quiet seconds since the last change
    F().TimerTimer();
    ASSERT_EQ(t.shell.requests.size(), 1u);
    EXPECT_EQ(TestProgram::ReadFile(archive / "a.pdf"), "%PDF-1.4 part two");
}

TEST_F(HotFolderTest, SettledJobOfALaterKindRunsWhileAnEarlierOneIsWritten) {
    JobWrittenAgo("a.pcf", "ISOGEN-FILES", 0);
    JobWrittenAgo("b.pdf", "%PDF", 60);
    F().TimerTimer();
    ASSERT_EQ(t.shell.requests.size(), 1u);
    EXPECT_EQ(t.shell.requests[0].path, SpoolPath("b.pdf"));
    EXPECT_TRUE(fs::exists(spool / "a.pcf"));
}

struct FallbackCase {
    const char* what;
    bool archiveMissing;
    bool backupUnusable;
    std::string name;
    // Where the job ends up: "archive", "backup", "kept" (renamed) or "stuck".
    std::string where;
};

TEST_F(HotFolderTest, JobThatCannotBeArchivedIsKeptAndNotPrintedTwice) {
    const std::string longName = std::string(250, 'x') + ".pdf";
    const std::vector<FallbackCase> cases = {
        {"archive there", false, false, "a.pdf", "archive"},
        {"archive missing", true, false, "b.pdf", "backup"},
        {"archive and backup missing", true, true, "c.pdf", "kept"},
        {"nothing works", true, true, longName, "stuck"},
    };
    const std::string backup = t.p().reg.solvantapath("backup");
    for (const auto& c : cases) {
        if (c.archiveMissing)
            fs::remove_all(archive);
        if (c.backupUnusable)
            t.p().reg.Ini().WriteString("FOLDERS", "backup_folder",
                                        (t.root / "nowhere" / "backup").string() + "/");
        const auto printed = t.shell.requests.size();
        JobWrittenAgo(c.name, c.what, 60);
        F().TimerTimer();
        F().TimerTimer();  // a second tick must not print it again
        EXPECT_EQ(t.shell.requests.size(), printed + 1) << c.what;
        const std::string source = SpoolPath(c.name);
        const auto texts = LogTexts();
        auto logged = [&](const std::string& line) {
            return std::find(texts.begin(), texts.end(), line) != texts.end();
        };
        if (c.where == "archive") {
            EXPECT_EQ(TestProgram::ReadFile(archive / c.name), c.what);
            EXPECT_FALSE(fs::exists(source));
        } else if (c.where == "backup") {
            EXPECT_EQ(TestProgram::ReadFile(backup + c.name), c.what);
            EXPECT_FALSE(fs::exists(source));
            EXPECT_TRUE(
                logged("WARNING: " + source + " not archived, moved to " + backup + c.name));
        } else if (c.where == "kept") {
            EXPECT_EQ(TestProgram::ReadFile(source + ".notarchived"), c.what);
            EXPECT_FALSE(fs::exists(source));
            EXPECT_TRUE(
                logged("WARNING: " + source + " not archived, kept as " + source + ".notarchived"));
        } else {
            EXPECT_EQ(TestProgram::ReadFile(source), c.what);
            EXPECT_TRUE(logged("WARNING: " + source +
                               " not archived, left in the spool folder and not printed again"));
        }
    }
}

TEST_F(HotFolderTest, BackupNeverReplacesAnEarlierBackup) {
    fs::remove_all(archive);
    const std::string backup = t.p().reg.solvantapath("backup");
    for (const char* content : {"first", "second"}) {
        JobWrittenAgo("same.pdf", content, 60);
        F().TimerTimer();
    }
    EXPECT_EQ(TestProgram::ReadFile(backup + "same.pdf"), "first");
    EXPECT_EQ(TestProgram::ReadFile(backup + "same.1.pdf"), "second");
}

TEST_F(HotFolderTest, PcfWhoseArchiveIsMissingGoesToBackupAndLeavesNoSheet) {
    fs::remove_all(archive);
    fs::copy_file(fs::path(VIMO_SOURCE_DIR) / "examples" / "fuel-fo314-sp02.pcf", spool / "f.pcf");
    fs::last_write_time(spool / "f.pcf", fileNow - seconds(60));
    F().TimerTimer();
    EXPECT_EQ(t.printer.pages.size(), 1u);
    EXPECT_TRUE(Names(spool).empty());
    EXPECT_TRUE(fs::exists(t.p().reg.solvantapath("backup") + "f.pcf"));
}

TEST_F(HotFolderTest, MissingLogFolderDoesNotStopTheSpooler) {
    fs::remove_all(logs);
    JobWrittenAgo("a.pdf", "%PDF", 60);
    F().TimerTimer();
    EXPECT_EQ(t.shell.requests.size(), 1u);
    EXPECT_TRUE(fs::exists(archive / "a.pdf"));
    EXPECT_FALSE(t.dialogs.boxes.empty());  // the text-file layer told of each failed line
    EXPECT_EQ(F().StatusLabel, "READY FOR NEW JOBS, WAITING ...");

    fs::create_directories(logs);
    JobWrittenAgo("b.pdf", "%PDF", 60);
    F().TimerTimer();
    EXPECT_EQ(LogTexts().front(), "- FOUND PDF FILE: " + SpoolPath("b.pdf"));
    EXPECT_TRUE(fs::exists(archive / "b.pdf"));
}

TEST_F(HotFolderTest, ReadOnlyArchiveFallsBackToTheBackupFolder) {
    fs::permissions(archive, fs::perms::owner_read | fs::perms::owner_exec);
    JobWrittenAgo("r.pdf", "%PDF", 60);
    F().TimerTimer();
    fs::permissions(archive, fs::perms::owner_all);
    EXPECT_TRUE(fs::exists(t.p().reg.solvantapath("backup") + "r.pdf"));
    EXPECT_FALSE(fs::exists(spool / "r.pdf"));
}

}  // namespace
