// Spool cycles with sheet jobs: a PCF converted, loaded and printed; a PPV
// loaded and printed; what stays where afterwards; failed loads and prints.
#include "tests/spooler/spool_fixture.h"

namespace {

const fs::path kExamples = fs::path(VIMO_SOURCE_DIR) / "examples";

class SheetCycleTest : public SpoolTest {
  protected:
    void SetUp() override {
        SpoolTest::SetUp();
        t.p().preview->ShowVersionDialog = false;
    }
    void ExamplePcf(const std::string& example, const std::string& name) {
        fs::copy_file(kExamples / example, spool / name);
    }
    // A sheet file made from an example, as another run would have left it.
    void ExamplePpv(const std::string& example, const std::string& name) {
        t.p().pcf.ConvertPcf((kExamples / example).string(), SpoolPath(name));
        ASSERT_EQ(t.p().textfil.FeilNr, 0);
    }
};

TEST_F(SheetCycleTest, PcfJobIsPrintedOnALandscapePageAndArchivedWithItsSheet) {
    F().SaveArc = true;
    ExamplePcf("ballast-bw101-sp01.pcf", "BW101.pcf");
    F().TimerTimer();

    ASSERT_EQ(t.printer.pages.size(), 1u);
    EXPECT_EQ(t.printer.orientation, Orientation::Landscape);
    // The page is the sheet of this PCF: its title block names the pipe.
    bool pipeNamed = false;
    for (const auto& call : t.printer.pages[0]->Texts())
        pipeNamed = pipeNamed || call.text.find("BW101-SP01") != std::string::npos;
    EXPECT_TRUE(pipeNamed);
    EXPECT_TRUE(Names(spool).empty());  // no "temp.ppv" either
    EXPECT_EQ(Names(archive), (std::vector<std::string>{"BW101.pcf", "BW101.ppv"}));
    EXPECT_EQ(TestProgram::ReadFile(archive / "BW101.pcf"),
              TestProgram::ReadFile(kExamples / "ballast-bw101-sp01.pcf"));
    const std::string pcf = SpoolPath("BW101.pcf"), sheet = SpoolPath("temp.ppv");
    EXPECT_EQ(LogTexts(), (std::vector<std::string>{
                              "Found " + pcf,
                              "CONVERTING " + pcf + " TO " + sheet,
                              "LOADING " + sheet,
                              "PRINTING " + sheet,
                              "CLEANING UP",
                              "MOVES " + pcf + " TO " + ArchivePath("BW101.pcf"),
                              "MOVES " + sheet + " TO " + ArchivePath("BW101.ppv"),
                              "READY FOR NEW JOBS, WAITING ...",
                          }));
    EXPECT_EQ(F().Lamps, (std::array<Rgb, kLampCount>{kLampGreen, kLampIdle, kLampIdle, kLampIdle,
                                                      kLampIdle, kLampIdle}));
}

struct TableCase {
    bool saveArc;
    std::vector<std::string> archived;
};

TEST_F(SheetCycleTest, WhatStaysWhereAfterPcfAndPpvJobs) {
    const std::vector<TableCase> cases = {
        {true, {"a.pcf", "a.ppv", "b.ppv"}},
        {false, {}},
    };
    for (const auto& c : cases) {
        F().SaveArc = c.saveArc;
        ExamplePcf("cooling-sw205-sp03.pcf", "a.pcf");
        ExamplePpv("fuel-fo314-sp02.pcf", "b.ppv");
        F().TimerTimer();
        EXPECT_EQ(Names(spool), std::vector<std::string>{"b.ppv"}) << c.saveArc;
        F().TimerTimer();
        EXPECT_TRUE(Names(spool).empty()) << c.saveArc;
        EXPECT_EQ(Names(archive), c.archived) << c.saveArc;
        for (const auto& name : Names(archive)) fs::remove(archive / name);
    }
    EXPECT_EQ(t.printer.pages.size(), 4u);
    const auto texts = LogTexts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "- NEW FILE FOUND: " + SpoolPath("b.ppv")), 2);
}

TEST_F(SheetCycleTest, WrongVersionSheetStaysAndLaterTicksAreSilentUntilRemoved) {
    F().SaveArc = true;
    Job("old.ppv", "Vimo Preview 1.2\r\nsource\r\n");
    F().TimerTimer();
    EXPECT_EQ(F().StatusLabel, "*** WRONG VERSION: " + SpoolPath("old.ppv"));
    EXPECT_EQ(LogTexts().back(), "*** WRONG VERSION: " + SpoolPath("old.ppv"));
    EXPECT_EQ(F().Lamps[kLoadLamp], kLampRed);
    EXPECT_EQ(F().LastFailedFile, "old.ppv");
    EXPECT_EQ(Names(spool), std::vector<std::string>{"old.ppv"});

    const auto logged = LogTexts().size();
    Job("z.pdf");  // not taken while the failed sheet comes first
    for (int tick = 0; tick < 2; ++tick) F().TimerTimer();
    EXPECT_EQ(LogTexts().size(), logged);
    EXPECT_TRUE(t.shell.requests.empty());
    EXPECT_TRUE(t.printer.pages.empty());

    fs::remove(spool / "old.ppv");
    F().TimerTimer();
    EXPECT_EQ(t.shell.requests.size(), 1u);
}

TEST_F(SheetCycleTest, RefusedPrintKeepsTheJobAndTheNextJobPrintsOnceMended) {
    F().SaveArc = true;
    t.printer.canBegin = false;
    ExamplePcf("fuel-fo314-sp02.pcf", "c.pcf");
    F().TimerTimer();
    EXPECT_EQ(F().StatusLabel, "*** ERROR printing " + SpoolPath("temp.ppv"));
    EXPECT_EQ(F().Lamps[kPrintLamp], kLampRed);
    EXPECT_EQ(Names(spool), std::vector<std::string>{"c.pcf"});  // no stale "temp.ppv"
    EXPECT_TRUE(Names(archive).empty());
    EXPECT_FALSE(F().SpoolBusy);

    t.printer.canBegin = true;
    F().TimerTimer();
    EXPECT_EQ(t.printer.pages.size(), 1u);
    EXPECT_TRUE(Names(spool).empty());
    EXPECT_EQ(Names(archive), (std::vector<std::string>{"c.pcf", "c.ppv"}));
}

TEST_F(SheetCycleTest, JobThePrintSystemDroppedStaysInTheSpoolFolder) {
    F().SaveArc = false;
    ExamplePpv("fuel-fo314-sp02.pcf", "d.ppv");
    t.printer.jobFailed = true;
    F().TimerTimer();
    EXPECT_EQ(F().StatusLabel, "*** ERROR printing " + SpoolPath("d.ppv"));
    EXPECT_EQ(Names(spool), std::vector<std::string>{"d.ppv"});
    EXPECT_EQ(F().LastFailedFile, "d.ppv");
}

}  // namespace
