// The spooler window's handlers and its "PRINTSERVER" settings.
#include "tests/spooler/spool_fixture.h"

namespace {

class SpoolerWindowTest : public SpoolTest {
  protected:
    IniFile& Ini() { return t.p().reg.Ini(); }
    void Show() {
        F().view = &view;
        F().FormShow();
    }
};

TEST_F(SpoolerWindowTest, FirstStartUsesTheDefaultsAndLogsItsStart) {
    Show();
    EXPECT_EQ(F().SpoolFolder, "../spool/ppv");
    EXPECT_EQ(F().ArcFolder, "../data/docs");
    EXPECT_EQ(F().LogFolder, "../log");
    EXPECT_EQ(F().Tid, 10);
    EXPECT_EQ(F().TimerInterval, 10000);
    EXPECT_EQ(view.timers.back(), 10000);
    EXPECT_EQ(F().TidTekst, "10 seconds");
    EXPECT_FALSE(F().SaveArc);
    EXPECT_FALSE(F().ArcFolderEnabled);
    EXPECT_TRUE(F().ErrStop);
    EXPECT_EQ(F().Caption, "Solvanta PrintSpooler 1.08   ( Includes Vimo Preview 1.5 )");
    EXPECT_EQ(F().WindowHeight, 84);
    EXPECT_EQ(F().StatusLabel, "READY FOR NEW JOBS, WAITING ...");
    EXPECT_FALSE(t.p().preview->ShowVersionDialog);
    EXPECT_EQ(F().SpoolPrinterItems, t.printer.names);
    // "../log" from the working folder is the fixture's log folder.
    EXPECT_EQ(LogTexts(), (std::vector<std::string>{
                              "STARTING UP",
                              "INIFILE: " + t.p().reg.IniPath,
                              "LOADING DEFAULT SETTINGS",
                              "SELECTED PRINTER: *DEFAULT*",
                          }));
}

TEST_F(SpoolerWindowTest, DefaultSpoolFolderNamesTheFolderItSays) {
    Show();
    fs::create_directories(t.root / "spool" / "ppv");
    fs::create_directories(t.root / "data" / "docs");
    TestProgram::WriteFile(t.root / "spool" / "ppv" / "a.pdf", "%PDF");
    TestProgram::WriteFile(t.root / "spool" / "ppva.pdf", "%PDF");  // beside it: not a job
    F().TimerTimer();
    ASSERT_EQ(t.shell.requests.size(), 1u);
    EXPECT_EQ(t.shell.requests[0].path, (t.root / "spool" / "ppv" / "a.pdf").string());
    EXPECT_TRUE(fs::exists(t.root / "data" / "docs" / "spool.pdf"));
    EXPECT_TRUE(fs::exists(t.root / "spool" / "ppva.pdf"));
}

struct SettingCase {
    std::string saveJobs, timer;
    bool saveArc;
    int tid;
    int writtenSaveJobs;
};

TEST_F(SpoolerWindowTest, SettingsAreReadAsTheControlsHoldThem) {
    const std::vector<SettingCase> cases = {
        {"1", "5", true, 5, 1},    {"2", "5", false, 5, 0},  {"0", "0", false, 0, 0},
        {"1", "100", true, 60, 1}, {"x", "-3", false, 0, 0},
    };
    for (const auto& c : cases) {
        Ini().WriteString("PRINTSERVER", "SaveJobs", c.saveJobs);
        Ini().WriteString("PRINTSERVER", "Spool_Timer", c.timer);
        Show();
        EXPECT_EQ(F().SaveArc, c.saveArc) << c.saveJobs;
        EXPECT_EQ(F().ArcFolderEnabled, c.saveArc) << c.saveJobs;
        EXPECT_EQ(F().Tid, c.tid) << c.timer;
        EXPECT_EQ(F().TimerInterval, c.tid * 1000) << c.timer;
        F().FormClose();
        EXPECT_EQ(Ini().ReadString("PRINTSERVER", "SaveJobs", ""),
                  std::to_string(c.writtenSaveJobs));
        EXPECT_EQ(Ini().ReadInteger("PRINTSERVER", "Spool_Timer", -1), c.tid);
    }
}

struct TidCase {
    int position;
    std::string text, status;
    Rgb ready;
    int interval;
};

TEST_F(SpoolerWindowTest, SliderPositionSetsTheTimer) {
    const std::vector<TidCase> cases = {
        {0, "-- timer off --", "OFF", kLampIdle, 0},
        {1, "1 seconds", "Inspecting ...", kLampGreen, 1000},
        {60, "60 seconds", "Inspecting ...", kLampGreen, 60000},
    };
    F().view = &view;
    for (const auto& c : cases) {
        F().Tid = c.position;
        F().TidChange();
        EXPECT_EQ(F().TidTekst, c.text);
        EXPECT_EQ(F().StatusLabel, c.status);
        EXPECT_EQ(F().Lamps[kReadyLamp], c.ready);
        EXPECT_EQ(view.timers.back(), c.interval);
    }
    EXPECT_FALSE(fs::exists(logs / "vimoprn.log"));  // never logged
}

TEST_F(SpoolerWindowTest, DetailsButtonExpandsAndCollapses) {
    F().KnappClick();
    EXPECT_EQ(F().WindowHeight, 435);
    EXPECT_TRUE(F().DetailsVisible);
    EXPECT_EQ(F().Knapp, "No details");
    F().KnappClick();
    EXPECT_EQ(F().WindowHeight, 84);
    EXPECT_FALSE(F().DetailsVisible);
    EXPECT_EQ(F().Knapp, "Details");
}

struct PrinterCase {
    std::string setting;
    int index;
    std::string logged;
};

TEST_F(SpoolerWindowTest, PrinterIsChosenByItsExactNameAndTheLastMatchWins) {
    t.printer.names = {"Office", "Shop", "Shop", "PDF file"};
    const std::vector<PrinterCase> cases = {
        {"Shop", 2, "SELECTED PRINTER: Shop"},
        {"PDF file", 3, "SELECTED PRINTER: PDF file"},
        {"shop", 3, "SELECTED PRINTER: *DEFAULT*"},  // unchanged
        {"", 3, "SELECTED PRINTER: *DEFAULT*"},
    };
    for (const auto& c : cases) {
        F().SpoolPrinter = c.setting;
        F().SpoolPrinterChange();
        EXPECT_EQ(t.printer.index, c.index) << c.setting;
        EXPECT_EQ(LogTexts().back(), c.logged);
    }
}

TEST_F(SpoolerWindowTest, FolderButtonsTakeTheChoiceOrKeepTheFieldWhenCancelled) {
    t.dialogs.folderAnswer = (t.root / "chosen").string();
    F().Button1Click();
    EXPECT_EQ(F().SpoolFolder, (t.root / "chosen").string() + "/");
    F().Button2Click();
    EXPECT_EQ(F().ArcFolder, (t.root / "chosen").string() + "/");
    t.dialogs.folderAnswer.reset();
    F().LogFolder = "/var/log/vimo";
    F().Button3Click();
    EXPECT_EQ(F().LogFolder, "/var/log/vimo/");
    EXPECT_EQ(t.dialogs.folderTitles.size(), 3u);
}

TEST_F(SpoolerWindowTest, ViewLogfileOpensTheFileTheLogIsWrittenTo) {
    F().LogFolder = logs.string();  // no separator at the end
    F().LogLine("line");
    F().SpeedButton1Click();
    ASSERT_EQ(t.shell.requests.size(), 1u);
    EXPECT_EQ(t.shell.requests[0].verb, "open");
    EXPECT_EQ(t.shell.requests[0].path, (logs / "vimoprn.log").string());
    EXPECT_EQ(LogTexts(), std::vector<std::string>{"line"});
}

TEST_F(SpoolerWindowTest, PrinterSetupButtonShowsTheDialog) {
    F().BitBtn1Click();
    EXPECT_EQ(t.dialogs.printerSetups, 1);
}

TEST_F(SpoolerWindowTest, ClosingSavesSettingsAndPlacementAndTheNextStartRestoresThem) {
    Show();
    F().SpoolPrinter = "Shop printer";
    F().SpoolFolder = spool.string() + "/";
    F().ArcFolder = archive.string() + "/";
    F().LogFolder = logs.string() + "/";
    F().Tid = 3;
    F().SaveArc = true;
    F().ErrStop = false;
    view.left = 420;
    view.top = 310;
    view.height = 470;
    F().FormClose();
    EXPECT_EQ(LogTexts().back(), "SHUTDOWN !!");
    EXPECT_EQ(*(LogTexts().end() - 2), "SAVING SETTINGS");
    ASSERT_TRUE(Ini().UpdateFile());  // the end step writes the file back

    t.Restart();
    MakeWindows();
    view = FakeSpoolerView{};
    view.form = &F();
    Show();
    EXPECT_EQ(F().SpoolPrinter, "Shop printer");
    EXPECT_EQ(t.printer.index, 0);
    EXPECT_EQ(F().SpoolFolder, spool.string() + "/");
    EXPECT_EQ(F().ArcFolder, archive.string() + "/");
    EXPECT_EQ(F().LogFolder, logs.string() + "/");
    EXPECT_EQ(F().Tid, 3);
    EXPECT_TRUE(F().SaveArc);
    EXPECT_FALSE(F().ErrStop);
    EXPECT_EQ(view.left, 420);
    EXPECT_EQ(view.top, 310);
    EXPECT_EQ(view.height, 84);  // only the position comes back
    EXPECT_EQ(F().WindowHeight, 84);
}

}  // namespace
