// Spool cycles that meet a fault: no spool folder, an error nothing reported,
// a printer still busy, a close during the cycle, a failed conversion.
#include "tests/spooler/spool_fixture.h"

namespace {

using CycleFailureTest = SpoolTest;

TEST_F(CycleFailureTest, MissingSpoolFolderWithStopOnErrorLogsThreeLinesAndStops) {
    F().view = &view;
    F().SpoolFolder = (t.root / "gone").string() + "/";
    F().Tid = 5;
    F().TidChange();
    F().TimerTimer();
    const std::string folder = F().SpoolFolder;
    EXPECT_EQ(LogTexts(), (std::vector<std::string>{
                              "ERROR: Connection to " + folder + " failed !",
                              "WARNING: Stopping spool inspection",
                              "Connection to " + folder + " failed, spool inspection stopped.",
                          }));
    EXPECT_EQ(F().Tid, 0);
    EXPECT_EQ(F().TimerInterval, 0);
    EXPECT_EQ(view.timers.back(), 0);
    EXPECT_EQ(F().TidTekst, "-- timer off --");
    EXPECT_EQ(F().Lamps[kReadyLamp], kLampRed);
    EXPECT_FALSE(F().SpoolBusy);
}

TEST_F(CycleFailureTest, MissingSpoolFolderWithoutStopOnErrorRepeatsUnlogged) {
    F().ErrStop = false;
    F().SpoolFolder = (t.root / "gone").string() + "/";
    F().Tid = 5;
    F().TidChange();
    for (int tick = 0; tick < 3; ++tick) {
        F().TimerTimer();
        EXPECT_EQ(F().StatusLabel, "ERROR: Connection to " + F().SpoolFolder + " failed !");
    }
    EXPECT_FALSE(fs::exists(logs / "vimoprn.log"));
    EXPECT_EQ(F().Tid, 5);
    EXPECT_EQ(F().TimerInterval, 5000);
    EXPECT_EQ(F().Lamps[kReadyLamp], kLampRed);
}

TEST_F(CycleFailureTest, SpoolFolderThatComesBackIsServedAgain) {
    F().ErrStop = false;
    fs::remove_all(spool);
    F().TimerTimer();
    EXPECT_EQ(F().Lamps[kReadyLamp], kLampRed);
    Job("back.pdf");
    F().TimerTimer();
    ASSERT_EQ(t.shell.requests.size(), 1u);
    EXPECT_EQ(t.shell.requests[0].path, SpoolPath("back.pdf"));
    EXPECT_EQ(F().Lamps[kReadyLamp], kLampGreen);
}

TEST_F(CycleFailureTest, UnexpectedErrorIsReportedAndTheJobWaitsForTheNextTick) {
    F().view = &view;
    F().SaveArc = true;
    Job("a.pdf");
    bool thrown = false;
    view.onRepaint = [&](const std::string& text) {
        if (!thrown && text.rfind("- FOUND PDF FILE", 0) == 0) {
            thrown = true;
            throw std::runtime_error("settings unreadable");
        }
    };
    F().TimerTimer();
    EXPECT_EQ(F().StatusLabel, "ERROR: settings unreadable");
    EXPECT_EQ(LogTexts().back(), "ERROR: settings unreadable");
    EXPECT_EQ(F().Lamps[kChkLamp], kLampRed);
    EXPECT_FALSE(F().SpoolBusy);
    EXPECT_EQ(Names(spool), std::vector<std::string>{"a.pdf"});
    EXPECT_TRUE(t.shell.requests.empty());

    F().TimerTimer();
    EXPECT_EQ(t.shell.requests.size(), 1u);
    EXPECT_EQ(Names(archive), std::vector<std::string>{"a.pdf"});
}

TEST_F(CycleFailureTest, PrinterIsAskedEvery200msWhileItsJobIsInProgress) {
    Job("a.pdf");
    t.printer.printingPolls = 3;
    F().TimerTimer();
    EXPECT_EQ(t.clock.ms, 600);
    const auto texts = LogTexts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Waiting for print job to end ..."), 1);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "WARNING: print job still in progress"), 0);
    EXPECT_TRUE(Names(spool).empty());
}

TEST_F(CycleFailureTest, WaitForABusyPrinterGivesUpAfterTenMinutes) {
    Job("a.pdf");
    t.printer.printingPolls = 1 << 30;
    F().TimerTimer();
    EXPECT_EQ(t.clock.ms, 10 * 60 * 1000);
    const auto texts = LogTexts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "WARNING: print job still in progress"), 1);
    EXPECT_EQ(F().StatusLabel, "READY FOR NEW JOBS, WAITING ...");
    EXPECT_FALSE(F().SpoolBusy);
}

TEST_F(CycleFailureTest, CloseDuringACycleWaitsForTheCycleToEnd) {
    F().view = &view;
    F().SaveArc = true;
    Job("a.pdf");
    std::vector<bool> answers;
    view.onRepaint = [&](const std::string& text) {
        if (text == "MOVES " + SpoolPath("a.pdf") + " TO " + ArchivePath("a.pdf")) {
            answers.push_back(F().CloseQuery());
            EXPECT_EQ(view.closes, 0);
        }
    };
    F().TimerTimer();
    EXPECT_EQ(answers, std::vector<bool>{false});
    EXPECT_EQ(view.closes, 1);
    EXPECT_EQ(Names(archive), std::vector<std::string>{"a.pdf"});
    EXPECT_EQ(F().StatusLabel, "READY FOR NEW JOBS, WAITING ...");
    // Outside a cycle the window closes at once.
    EXPECT_TRUE(F().CloseQuery());
}

TEST_F(CycleFailureTest, FailedConversionEndsTheProgramWithItsErrorAndKeepsThePcf) {
    TestProgram::WriteFile(spool / "line.pcf", "ISOGEN-FILES ISOGEN.FLS\r\n");
    // A folder in the sheet's place: the converter cannot write the sheet.
    fs::create_directories(spool / "temp.ppv");
    F().TimerTimer();
    EXPECT_TRUE(t.p().ExitRequested());
    EXPECT_NE(t.p().ExitCode(), 0);
    EXPECT_EQ(t.p().ExitCode(), t.p().textfil.FeilNr);
    EXPECT_TRUE(fs::exists(spool / "line.pcf"));
    EXPECT_EQ(LogTexts().back(),
              "CONVERTING " + SpoolPath("line.pcf") + " TO " + SpoolPath("temp.ppv"));
}

}  // namespace
