// The spool inspection cycle: one job per tick, from the spool folder through
// conversion, loading, printing and clean-up.
#include <exception>
#include <filesystem>

#include "app/program.h"
#include "pcf/pcfdebug.h"
#include "platform/clock.h"
#include "platform/printer.h"
#include "platform/shell.h"
#include "preview/preview.h"
#include "spooler/spool_files.h"
#include "spooler/vimoprnu.h"

namespace {

constexpr int kPrinterPollMs = 200;
constexpr long long kPrinterWaitLimitMs = 10LL * 60 * 1000;
constexpr int kWrongVersion = 99001;

// A free name beside the wanted one: "a.pcf", then "a.1.pcf", "a.2.pcf", ...
std::string FreeName(const std::string& wanted) {
    if (!FileExists(wanted))
        return wanted;
    const auto slash = wanted.find_last_of('/');
    const auto dot = wanted.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string stem = hasExtension ? wanted.substr(0, dot) : wanted;
    const std::string extension = hasExtension ? wanted.substr(dot) : "";
    for (int n = 1;; ++n) {
        std::string candidate = stem + "." + std::to_string(n) + extension;
        if (!FileExists(candidate))
            return candidate;
    }
}

}  // namespace

struct TForm2::Job {
    std::string source;         // the PCF, empty for other jobs
    std::string sourceArchive;  // where the PCF is archived
    std::string path;           // the sheet or the drawing
    std::string archive;        // where the job is archived; empty = nowhere
    std::string kind;           // "dwg", "dxf", "pdf" or "jpg" for other drawings
    bool other = false;
};

void TForm2::TimerTimer() {
    RunCycle();
    if (closeDeferred_ && !SpoolBusy && !program_.ExitRequested()) {
        closeDeferred_ = false;
        if (view)
            view->CloseWindow();
    }
}

void TForm2::RunCycle() {
    LogStatusLines = false;
    if (SpoolBusy)
        return;
    const std::string folderText = SpoolFolder;
    const std::string folder = FolderOnDisk(SpoolFolder);
    if (!FolderExists(folder) || FreeSpace(folder) == 0) {
        ConnectionFailure(folderText);
        return;
    }
    SpoolBusy = true;
    try {
        SetLamp(kChkLamp, kLampGreen);
        status("Checking in " + folderText + " ...");
        Job job;
        if (FindJob(folder, FolderOnDisk(ArcFolder), job) == Found::SilentReturn) {
            SpoolBusy = false;
            return;
        }
        SetLamp(kChkLamp, kLampIdle);
        SetLamp(kReadyLamp, kLampIdle);
        if (RunJob(job))
            EndCycle();
    } catch (const std::exception& error) {
        Unexpected(error.what());
    } catch (...) {
        Unexpected("unknown error");
    }
}

// Something went wrong that nothing reported: say so, and leave the job where
// it is for a later tick.
void TForm2::Unexpected(const std::string& what) {
    SpoolBusy = false;
    try {
        LogStatusLines = true;
        SetLamp(stage_, kLampRed);
        status("ERROR: " + what);
    } catch (...) {
    }
}

TForm2::Found TForm2::FindJob(const std::string& folder, const std::string& archive, Job& job) {
    std::string name;
    bool present = false;
    if (TakeFirst(folder, "PCF", name, present)) {
        LogStatusLines = true;
        job.source = folder + name;
        status("Found " + job.source);
        job.sourceArchive = archive + name;
        job.path = folder + "temp.ppv";
        // The converted sheet is archived beside its PCF under the PCF's name.
        if (SaveArc)
            job.archive = archive + WithExtension(name, ".ppv");
        return Found::Job;
    }
    if (TakeFirst(folder, "PPV", name, present)) {
        if (name == LastFailedFile)
            return Found::SilentReturn;
        LogStatusLines = true;
        job.path = folder + name;
        status("- NEW FILE FOUND: " + job.path);
        job.archive = archive + name;
        return Found::Job;
    }
    Found found = Found::Nothing;
    if (TakeOther(folder, archive, "dwg", "dxf",
                  "- FOUND AUTOCAD FILE: ", "- FOUND CAD FILE: ", job, found))
        return found;
    TakeOther(folder, archive, "pdf", "jpg", "- FOUND PDF FILE: ", "- FOUND JPG FILE: ", job,
              found);
    return found;
}

// The first settled file of the kind; anyPresent tells whether the folder
// holds one of that kind at all (settled or not).
bool TForm2::TakeFirst(const std::string& folder, const std::string& extension, std::string& name,
                       bool& anyPresent) {
    anyPresent = false;
    for (const std::string& candidate : FindFilesWithExtension(folder, extension)) {
        const std::string path = folder + candidate;
        if (printedButStuck_.count(path))
            continue;
        anyPresent = true;
        if (settled_.Settled(path, program_.clock.MonotonicMs(), FileTimeNow())) {
            name = candidate;
            return true;
        }
    }
    return false;
}

// A drawing of the first kind, or of the second only when the folder holds
// none of the first.
bool TForm2::TakeOther(const std::string& folder, const std::string& archive, const char* first,
                       const char* second, const char* firstText, const char* secondText, Job& job,
                       Found& found) {
    std::string name;
    bool present = false;
    const char* kind = nullptr;
    const char* text = nullptr;
    if (TakeFirst(folder, first, name, present)) {
        kind = first;
        text = firstText;
    } else if (!present && TakeFirst(folder, second, name, present)) {
        kind = second;
        text = secondText;
    } else {
        return false;
    }
    if (name == LastFailedFile) {
        found = Found::SilentReturn;
        return true;
    }
    LogStatusLines = true;
    job.path = folder + name;
    status(text + job.path);
    job.archive = archive + name;
    job.kind = kind;
    job.other = true;
    found = Found::Job;
    return true;
}

// Carries the found job through its stages; false when the cycle ended early.
bool TForm2::RunJob(Job& job) {
    if (!job.source.empty() && FileExists(job.source)) {
        SetLamp(kConvLamp, kLampGreen);
        status("CONVERTING " + job.source + " TO " + job.path);
        program_.textfil.FeilNr = 0;
        program_.pcf.ConvertPcf(job.source, job.path);
        if (program_.textfil.FeilNr != 0) {
            // The PCF stays in the spool folder and is converted again at the next start.
            program_.RequestExit(program_.textfil.FeilNr);
            return false;
        }
        SetLamp(kConvLamp, kLampIdle);
    }
    if (job.path.empty() || !FileExists(job.path))
        return true;

    if (job.other ? !PrintOtherDrawing(job) : !LoadAndPrintSheet(job))
        return false;

    SetLamp(kPrintLamp, kLampIdle);
    SetLamp(kCleanLamp, kLampGreen);
    WaitForPrinter();
    if (!job.other && program_.printer.LastJobFailed()) {
        FailJob(job, kPrintLamp, "*** ERROR printing " + job.path);
        return false;
    }
    CleanUp(job);
    SetLamp(kCleanLamp, kLampIdle);
    settled_.Forget(job.path);
    if (!job.source.empty())
        settled_.Forget(job.source);
    return true;
}

// The drawing is handed to the print system from the spool folder and goes to
// the archive only once the print system has it.
bool TForm2::PrintOtherDrawing(Job& job) {
    if (!SaveArc)
        job.archive = FolderOnDisk(ArcFolder) + "spool." + job.kind;
    if (!program_.shell.Print(job.path, chosenPrinter_)) {
        FailJob(job, kPrintLamp, "*** ERROR printing " + job.path);
        return false;
    }
    ArchiveOrKeep(job.path, job.archive);
    return true;
}

bool TForm2::LoadAndPrintSheet(Job& job) {
    TPreviewForm& preview = *program_.preview;
    preview.SheetFileName = job.path;
    SetLamp(kLoadLamp, kLampGreen);
    status("LOADING " + job.path);
    preview.UnattendedPrint = true;
    program_.textfil.FeilNr = 0;
    preview.HentVisning();
    const int error = program_.textfil.FeilNr;
    if (error != 0) {
        FailJob(job, kLoadLamp,
                (error == kWrongVersion ? "*** WRONG VERSION: " : "*** ERROR loading ") + job.path);
        return false;
    }
    SetLamp(kLoadLamp, kLampIdle);
    SetLamp(kPrintLamp, kLampGreen);
    status("PRINTING " + job.path);
    if (!preview.Skriv1Click()) {
        FailJob(job, kPrintLamp, "*** ERROR printing " + job.path);
        return false;
    }
    return true;
}

// Asks the printer every 200 ms while its job is in progress, for at most ten minutes.
void TForm2::WaitForPrinter() {
    const long long start = program_.clock.MonotonicMs();
    bool shown = false;
    while (program_.printer.Printing()) {
        if (!shown) {
            status("Waiting for print job to end ...");
            shown = true;
        }
        if (program_.clock.MonotonicMs() - start >= kPrinterWaitLimitMs) {
            status("WARNING: print job still in progress");
            return;
        }
        program_.clock.SleepMs(kPrinterPollMs);
    }
}

// The job printed: archive or delete its files. A file that cannot be
// archived is kept somewhere else, never deleted.
void TForm2::CleanUp(Job& job) {
    status("CLEANING UP");
    if (!job.source.empty() && FileExists(job.source)) {
        if (SaveArc)
            ArchiveOrKeep(job.source, job.sourceArchive);
        else
            RemoveJobFile(job.source);
    }
    if (job.other)
        return;  // already moved after printing
    const bool convertedSheet = !job.source.empty();
    if (SaveArc && !job.archive.empty()) {
        if (convertedSheet) {
            // The sheet can be made again from the archived PCF.
            if (!MoveJobFile(job.path, job.archive))
                DeleteJobFile(job.path);
        } else {
            ArchiveOrKeep(job.path, job.archive);
        }
    } else {
        RemoveJobFile(job.path);
    }
}

void TForm2::FailJob(const Job& job, SpoolLamp lamp, const std::string& text) {
    status(text);
    SetLamp(lamp, kLampRed);
    SpoolBusy = false;
    LastFailedFile = BareFileName(job.path);
    // A converted sheet is made again from its PCF at the next tick; left
    // behind, it would be taken as a sheet job of its own once the PCF is gone.
    if (!job.source.empty())
        DeleteJobFile(job.path);
    if (view)
        view->RepaintNow();
}

void TForm2::EndCycle() {
    SetLamp(kReadyLamp, kLampGreen);
    status("READY FOR NEW JOBS, WAITING ...");
    SpoolBusy = false;
    LastFailedFile.clear();
}

void TForm2::ConnectionFailure(const std::string& folderText) {
    LogStatusLines = ErrStop;
    SetLamp(kReadyLamp, kLampRed);
    status("ERROR: Connection to " + folderText + " failed !");
    if (!ErrStop)
        return;
    status("WARNING: Stopping spool inspection");
    Tid = 0;
    TidChange();
    SetLamp(kReadyLamp, kLampRed);
    status("Connection to " + folderText + " failed, spool inspection stopped.");
}

bool TForm2::MoveJobFile(const std::string& source, const std::string& target) {
    status("MOVES " + source + " TO " + target);
    if (target.empty())
        return false;
    // A rename replaces a file of the target's name.
    return MoveFileTo(source, target);
}

void TForm2::ArchiveOrKeep(const std::string& source, const std::string& target) {
    if (MoveJobFile(source, target))
        return;
    const std::string backup =
        FreeName(JoinPath(program_.reg.solvantapath("backup"), BareFileName(source)));
    if (MoveFileTo(source, backup)) {
        status("WARNING: " + source + " not archived, moved to " + backup);
        return;
    }
    const std::string kept = FreeName(source + ".notarchived");
    if (MoveFileTo(source, kept)) {
        status("WARNING: " + source + " not archived, kept as " + kept);
        return;
    }
    printedButStuck_.insert(source);
    status("WARNING: " + source + " not archived, left in the spool folder and not printed again");
}

void TForm2::RemoveJobFile(const std::string& path) {
    if (DeleteJobFile(path))
        return;
    printedButStuck_.insert(path);
    status("WARNING: " + path +
           " could not be deleted, left in the spool folder and not printed again");
}
