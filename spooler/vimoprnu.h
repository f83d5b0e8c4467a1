#pragma once
#include <array>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "env/qv_reg_window.h"
#include "platform/canvas.h"
#include "spooler/hot_folder.h"

class Program;

inline constexpr Rgb kLampGreen{0, 255, 0};
inline constexpr Rgb kLampIdle{255, 255, 128};  // light yellow
inline constexpr Rgb kLampRed{255, 0, 0};

// The six stage lamps, in their order on the bottom bar.
enum SpoolLamp { kReadyLamp = 0, kChkLamp, kConvLamp, kLoadLamp, kPrintLamp, kCleanLamp };
inline constexpr int kLampCount = 6;

// What the spooler window's widget does for the model. The widget reads the
// model's public fields when asked to refresh.
class SpoolerView : public PlacementWindow {
  public:
    // Every control again from the model (texts, lamps, panels, sizes, title).
    virtual void Refresh() = 0;
    // The lamps and the status line repainted now, while a cycle runs.
    virtual void RepaintNow() = 0;
    // The timer's interval in milliseconds; 0 stops it.
    virtual void ApplyTimer(int intervalMs) = 0;
    // A close that arrived during a cycle is carried out now.
    virtual void CloseWindow() = 0;
};

// The spooler window (main window) and its spool cycle.
class TForm2 {
  public:
    explicit TForm2(Program& program);

    static constexpr int kClientWidth = 364;
    static constexpr int kCollapsedHeight = 84;
    static constexpr int kExpandedHeight = 435;
    static constexpr const char* kWindowName = "PrintSpoolerForm";
    static constexpr const char* kShownCaption =
        "Solvanta PrintSpooler 1.08   ( Includes Vimo Preview 1.5 )";

    // Controls, by their names.
    std::string Caption = "Solvanta VIMO Print";
    int WindowHeight = kCollapsedHeight;
    bool DetailsVisible = false;  // interval and settings panels
    std::string Knapp = "Details";
    std::array<Rgb, kLampCount> Lamps{kLampGreen, kLampIdle, kLampIdle,
                                      kLampIdle,  kLampIdle, kLampIdle};
    std::string StatusLabel = "INSPECTING";
    int Tid = 10;
    std::string TidTekst = "10 seconds";
    int TimerInterval = 0;  // milliseconds, 0 = off
    std::string SpoolFolder;
    std::vector<std::string> SpoolPrinterItems;
    std::string SpoolPrinter;
    bool SaveArc = false;
    std::string ArcFolder;
    bool ArcFolderEnabled = false;
    std::string LogFolder;
    bool ErrStop = true;

    // Spooler state.
    bool SpoolBusy = false;
    bool LogStatusLines = false;
    std::string LastFailedFile;

    SpoolerView* view = nullptr;

    // The file system's present time, against which a job file's age is
    // measured (tests fix it).
    std::function<std::filesystem::file_time_type()> FileTimeNow = [] {
        return std::filesystem::file_time_type::clock::now();
    };

    // Event handlers.
    void FormShow();
    void FormClose();
    void TidChange();
    void KnappClick();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void SaveArcClick();
    void SpoolPrinterChange();
    void BitBtn1Click();
    void SpeedButton1Click();
    void TimerTimer();

    // The status line (logged while LogStatusLines is set; lamps repainted).
    void status(const std::string& text);
    // One line in the spooler log "vimoprn.log" of the log folder.
    void LogLine(const std::string& text);
    // Moves a file, replacing the target; true when the file is at the target.
    bool MoveJobFile(const std::string& source, const std::string& target);

    // The spooler log's path, and a folder text as a path on disk (a relative
    // text is taken from the working folder).
    std::string LogFilePath() const;
    std::string FolderOnDisk(const std::string& folderText) const;

    // Asked when the window is to close: true when it may close now; false
    // during a cycle, which then closes the window through the view when it ends.
    bool CloseQuery();
    bool CloseDeferred() const { return closeDeferred_; }

  private:
    struct Job;
    enum class Found { Nothing, Job, SilentReturn };

    void RunCycle();
    void Unexpected(const std::string& what);
    Found FindJob(const std::string& folder, const std::string& archive, Job& job);
    bool TakeFirst(const std::string& folder, const std::string& extension, std::string& name,
                   bool& anyPresent);
    bool TakeOther(const std::string& folder, const std::string& archive, const char* first,
                   const char* second, const char* firstText, const char* secondText, Job& job,
                   Found& found);
    bool RunJob(Job& job);
    bool PrintOtherDrawing(Job& job);
    bool LoadAndPrintSheet(Job& job);
    void WaitForPrinter();
    void CleanUp(Job& job);
    void FailJob(const Job& job, SpoolLamp lamp, const std::string& text);
    void EndCycle();
    void ConnectionFailure(const std::string& folderText);
    void ArchiveOrKeep(const std::string& source, const std::string& target);
    void RemoveJobFile(const std::string& path);
    void SetLamp(SpoolLamp lamp, Rgb color);
    void RefreshView();

    Program& program_;
    std::string chosenPrinter_;  // the printer the setting named, empty = default
    SpoolLamp stage_ = kChkLamp;
    bool closeDeferred_ = false;
    SettledFiles settled_;
    // Jobs that printed but could be neither moved nor deleted: never again.
    std::set<std::string> printedButStuck_;
};
