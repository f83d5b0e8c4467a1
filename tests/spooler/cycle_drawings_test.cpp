// Spool cycles with drawings of other kinds and with an empty folder.
#include "tests/spooler/spool_fixture.h"

namespace {

class DrawingCycleTest : public SpoolTest {
  protected:
    // The "found" lines of the log, in the order of the ticks.
    std::vector<std::string> FoundLines() {
        std::vector<std::string> found;
        for (const auto& text : LogTexts())
            if (text.rfind("- FOUND", 0) == 0)
                found.push_back(text);
        return found;
    }
};

TEST_F(DrawingCycleTest, EmptyFolderShowsCheckingThenReadyAndLogsNothing) {
    F().view = &view;
    F().LastFailedFile = "old.ppv";
    F().TimerTimer();
    ASSERT_GE(view.repaintedStatus.size(), 2u);
    EXPECT_EQ(view.repaintedStatus.front(), "Checking in " + F().SpoolFolder + " ...");
    EXPECT_EQ(view.repaintedStatus.back(), "READY FOR NEW JOBS, WAITING ...");
    EXPECT_FALSE(fs::exists(logs / "vimoprn.log"));
    EXPECT_EQ(F().LastFailedFile, "");
    EXPECT_FALSE(F().SpoolBusy);
    EXPECT_EQ(F().Lamps[kReadyLamp], kLampGreen);
    EXPECT_EQ(F().Lamps[kChkLamp], kLampIdle);
}

struct OrderCase {
    std::vector<std::string> files;
    std::vector<std::string> expected;  // found lines, folder left out
};

TEST_F(DrawingCycleTest, KindsAreTakenOneJobPerTickInTheirOrder) {
    const std::vector<OrderCase> cases = {
        {{"a.pdf", "b.dwg"}, {"- FOUND AUTOCAD FILE: b.dwg", "- FOUND PDF FILE: a.pdf"}},
        {{"a.dxf", "b.dwg"}, {"- FOUND AUTOCAD FILE: b.dwg", "- FOUND CAD FILE: a.dxf"}},
        {{"a.jpg", "b.pdf"}, {"- FOUND PDF FILE: b.pdf", "- FOUND JPG FILE: a.jpg"}},
        {{"z.jpg", "a.dxf"}, {"- FOUND CAD FILE: a.dxf", "- FOUND JPG FILE: z.jpg"}},
        // Names match without regard to case and come in name order.
        {{"b.dwg", "A.DWG"}, {"- FOUND AUTOCAD FILE: A.DWG", "- FOUND AUTOCAD FILE: b.dwg"}},
    };
    F().SaveArc = true;
    for (const auto& c : cases) {
        fs::remove(logs / "vimoprn.log");
        for (const auto& name : c.files) Job(name);
        for (std::size_t tick = 0; tick < c.files.size(); ++tick) {
            F().TimerTimer();
            // One job per tick: exactly one more found line each time.
            ASSERT_EQ(FoundLines().size(), tick + 1) << c.files[0];
        }
        std::vector<std::string> expected;
        for (const auto& line : c.expected) {
            const auto colon = line.find(": ") + 2;
            expected.push_back(line.substr(0, colon) + SpoolPath(line.substr(colon)));
        }
        EXPECT_EQ(FoundLines(), expected) << c.files[0];
        EXPECT_TRUE(Names(spool).empty()) << c.files[0];
        for (const auto& name : Names(archive)) fs::remove(archive / name);
    }
}

struct ArchiveCase {
    bool saveArc;
    std::string job;
    std::string archived;
};

TEST_F(DrawingCycleTest, DrawingIsPrintedThenArchivedUnderItsNameOrAsSpoolKind) {
    const std::vector<ArchiveCase> cases = {
        {true, "Line 7.pdf", "Line 7.pdf"}, {false, "Line 7.pdf", "spool.pdf"},
        {true, "pump.dwg", "pump.dwg"},     {false, "pump.dwg", "spool.dwg"},
        {false, "view.JPG", "spool.jpg"},   {false, "plan.dxf", "spool.dxf"},
    };
    for (const auto& c : cases) {
        t.shell.requests.clear();
        F().SaveArc = c.saveArc;
        Job(c.job, "drawing of " + c.job);
        F().TimerTimer();
        ASSERT_EQ(t.shell.requests.size(), 1u) << c.job;
        EXPECT_EQ(t.shell.requests[0].verb, "print");
        EXPECT_EQ(t.shell.requests[0].path, SpoolPath(c.job));
        EXPECT_TRUE(Names(spool).empty()) << c.job;
        EXPECT_EQ(Names(archive), std::vector<std::string>{c.archived}) << c.job;
        EXPECT_EQ(TestProgram::ReadFile(archive / c.archived), "drawing of " + c.job);
        fs::remove(archive / c.archived);
    }
}

TEST_F(DrawingCycleTest, TwoDwgJobsWithArchiveOffLeaveOnlyTheSecond) {
    F().SaveArc = false;
    Job("a.dwg", "first");
    Job("b.dwg", "second");
    F().TimerTimer();
    F().TimerTimer();
    EXPECT_EQ(Names(archive), std::vector<std::string>{"spool.dwg"});
    EXPECT_EQ(TestProgram::ReadFile(archive / "spool.dwg"), "second");
    EXPECT_EQ(t.shell.requests.size(), 2u);
}

TEST_F(DrawingCycleTest, DrawingGoesToTheChosenPrinter) {
    F().SpoolPrinter = "Shop printer";
    F().SpoolPrinterChange();
    Job("a.pdf");
    F().TimerTimer();
    ASSERT_EQ(t.shell.requests.size(), 1u);
    EXPECT_EQ(t.shell.requests[0].printer, "Shop printer");

    F().SpoolPrinter = "Not installed";
    F().SpoolPrinterChange();
    Job("b.pdf");
    F().TimerTimer();
    ASSERT_EQ(t.shell.requests.size(), 2u);
    EXPECT_EQ(t.shell.requests[1].printer, "");  // the print system's default queue
}

TEST_F(DrawingCycleTest, RefusedDrawingStaysAndLaterTicksAreSilent) {
    t.shell.accept = false;
    F().SaveArc = true;
    Job("a.pdf");
    F().TimerTimer();
    EXPECT_EQ(Names(spool), std::vector<std::string>{"a.pdf"});
    EXPECT_TRUE(Names(archive).empty());
    EXPECT_EQ(F().StatusLabel, "*** ERROR printing " + SpoolPath("a.pdf"));
    EXPECT_EQ(LogTexts().back(), "*** ERROR printing " + SpoolPath("a.pdf"));
    EXPECT_EQ(F().Lamps[kPrintLamp], kLampRed);
    EXPECT_EQ(F().LastFailedFile, "a.pdf");
    EXPECT_FALSE(F().SpoolBusy);

    const auto logged = LogTexts().size();
    F().TimerTimer();
    EXPECT_EQ(LogTexts().size(), logged);
    EXPECT_EQ(F().StatusLabel, "Checking in " + F().SpoolFolder + " ...");
    EXPECT_EQ(t.shell.requests.size(), 1u);
    EXPECT_FALSE(F().SpoolBusy);

    // Once the file is gone, the next tick reaches the end and forgets it.
    fs::remove(spool / "a.pdf");
    F().TimerTimer();
    EXPECT_EQ(F().LastFailedFile, "");
}

}  // namespace
