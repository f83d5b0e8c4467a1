#include "spooler/vimoprnu.h"

#include <algorithm>
#include <filesystem>

#include "app/program.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/hostinfo.h"
#include "platform/printer.h"
#include "platform/shell.h"
#include "preview/oppsett.h"
#include "preview/preview.h"

namespace {

constexpr const char* kSection = "PRINTSERVER";
constexpr const char* kDefaultQueue = "../spool/ppv";
constexpr const char* kDefaultJobs = "../data/docs";
constexpr const char* kDefaultLogs = "../log";
constexpr int kTidMax = 60;

}  // namespace

TForm2::TForm2(Program& program) : program_(program) {}

void TForm2::RefreshView() {
    if (view)
        view->Refresh();
}

void TForm2::SetLamp(SpoolLamp lamp, Rgb color) {
    Lamps[lamp] = color;
    if (color == kLampGreen)
        stage_ = lamp;
}

std::string TForm2::FolderOnDisk(const std::string& folderText) const {
    std::string text = folderText;
    std::replace(text.begin(), text.end(), '\\', '/');
    if (text.empty() || text.front() != '/')
        text = JoinPath(program_.host.WorkingFolder(), text);
    std::string path = std::filesystem::path(text).lexically_normal().string();
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

std::string TForm2::LogFilePath() const {
    return JoinPath(FolderOnDisk(LogFolder), "vimoprn.log");
}

void TForm2::LogLine(const std::string& text) {
    program_.textfil.AppendLineToFile(LogFilePath(), program_.clock.DateTimeText() + " " + text);
}

void TForm2::status(const std::string& text) {
    StatusLabel = text;
    if (LogStatusLines)
        LogLine(text);
    if (view)
        view->RepaintNow();
}

void TForm2::FormShow() {
    if (view) {
        std::string extra = "OnlyPos";
        LoadWindowPlacement(program_.reg, *view, kWindowName, extra);
    }
    LogFolder = program_.reg.Ini().ReadString(kSection, "LogFiles", kDefaultLogs);
    LogLine("STARTING UP");
    WindowHeight = kCollapsedHeight;
    DetailsVisible = false;
    Knapp = "Details";
    Caption = kShownCaption;
    LogLine("INIFILE: " + program_.reg.IniPath);
    if (program_.oppsett)
        program_.oppsett->LoadDefault();
    LogLine("LOADING DEFAULT SETTINGS");

    // Taken only now: the placement replaced the configuration object.
    IniFile& settings = program_.reg.Ini();
    SpoolPrinterItems = program_.printer.Printers();
    SpoolPrinter = settings.ReadString(kSection, "Spool_Printer", "");
    SpoolPrinterChange();
    SpoolFolder = settings.ReadString(kSection, "Spool_Queue", kDefaultQueue);
    ArcFolder = settings.ReadString(kSection, "Spool_Jobs", kDefaultJobs);
    LogFolder = settings.ReadString(kSection, "LogFiles", kDefaultLogs);
    // The slider holds only positions of its range.
    Tid = std::clamp(settings.ReadInteger(kSection, "Spool_Timer", 10), 0, kTidMax);
    SaveArc = settings.ReadInteger(kSection, "SaveJobs", 0) == 1;
    SaveArcClick();
    ErrStop = settings.ReadBool(kSection, "StopOnError", true);
    TidChange();
    if (program_.preview)
        program_.preview->ShowVersionDialog = false;
    status("READY FOR NEW JOBS, WAITING ...");
    RefreshView();
}

void TForm2::FormClose() {
    if (view)
        SaveWindowPlacement(program_.reg, *view, kWindowName, "");
    LogLine("SAVING SETTINGS");
    IniFile& ini = program_.reg.Ini();
    ini.WriteString(kSection, "Spool_Printer", SpoolPrinter);
    ini.WriteString(kSection, "Spool_Queue", SpoolFolder);
    ini.WriteString(kSection, "Spool_Jobs", ArcFolder);
    ini.WriteString(kSection, "LogFiles", LogFolder);
    ini.WriteInteger(kSection, "Spool_Timer", Tid);
    ini.WriteInteger(kSection, "SaveJobs", SaveArc ? 1 : 0);
    ini.WriteBool(kSection, "StopOnError", ErrStop);
    LogLine("SHUTDOWN !!");
}

bool TForm2::CloseQuery() {
    if (!SpoolBusy || program_.ExitRequested())
        return true;
    closeDeferred_ = true;
    return false;
}

void TForm2::TidChange() {
    Tid = std::clamp(Tid, 0, kTidMax);
    TimerInterval = Tid * 1000;
    if (view)
        view->ApplyTimer(TimerInterval);
    if (Tid <= 0) {
        TidTekst = "-- timer off --";
        StatusLabel = "OFF";
        SetLamp(kReadyLamp, kLampIdle);
    } else {
        TidTekst = std::to_string(Tid) + " seconds";
        StatusLabel = "Inspecting ...";
        SetLamp(kReadyLamp, kLampGreen);
    }
    RefreshView();
}

void TForm2::KnappClick() {
    if (WindowHeight < 85) {
        WindowHeight = kExpandedHeight;
        DetailsVisible = true;
        Knapp = "No details";
    } else {
        WindowHeight = kCollapsedHeight;
        DetailsVisible = false;
        Knapp = "Details";
    }
    RefreshView();
}

void TForm2::Button1Click() {
    SpoolFolder = program_.reg.ChooseFolder(SpoolFolder);
    RefreshView();
}

void TForm2::Button2Click() {
    ArcFolder = program_.reg.ChooseFolder(ArcFolder);
    RefreshView();
}

void TForm2::Button3Click() {
    LogFolder = program_.reg.ChooseFolder(LogFolder);
    RefreshView();
}

void TForm2::SaveArcClick() {
    ArcFolderEnabled = SaveArc;
    RefreshView();
}

void TForm2::SpoolPrinterChange() {
    const std::vector<std::string> names = program_.printer.Printers();
    int match = -1;
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        if (names[i] == SpoolPrinter) {
            program_.printer.SetPrinterIndex(i);
            match = i;
        }
    }
    if (match < 0) {
        chosenPrinter_.clear();
        LogLine("SELECTED PRINTER: *DEFAULT*");
    } else {
        chosenPrinter_ = names[match];
        LogLine("SELECTED PRINTER: " + names[match]);
    }
}

void TForm2::BitBtn1Click() {
    program_.dialogs.PrinterSetup(program_.printer);
}

void TForm2::SpeedButton1Click() {
    program_.shell.Open(LogFilePath());
}
