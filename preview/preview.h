#pragma once
#include <string>
#include <vector>

#include "preview/sheet_table.h"

class Program;
class Canvas;

// The preview window: holds one loaded sheet, draws and prints it. It is never
// shown; its fields are the sheet's values.
class TPreviewForm {
  public:
    explicit TPreviewForm(Program& program);

    // The loaded sheet (set by HentVisning).
    SheetTable bTabell;
    std::string Prosjekt, SFI, ror;
    bool Din2605 = false;
    bool Boying = false;
    double sveisegap = 0;
    double FlensFremtrekk = 0;
    int GlobalRoter = 0;
    double GlobalRoterX = 0, GlobalRoterY = 0, GlobalRoterZ = 0;
    std::string SourceText = "VIMO";
    std::string SpecText = " -not defined-";
    // Whether a wrong-version file gets a dialog; the spooler window clears it.
    bool ShowVersionDialog = true;

    // The drawing context, set by the print operation.
    int pixelprmm = 1;
    int PageWidth = 0;
    int PageHeight = 0;

    // Module-level values of the preview unit.
    std::string SheetFileName = "vimo.ppv";
    bool UnattendedPrint = false;
    bool CommandLinePrint = false;

    // Start-up handling of the command line (at creation). Returns 0, or the
    // error number of a failed conversion to end the program with.
    int HandleCommandLine(const std::vector<std::string>& args);
    // After all windows exist: the "-print" run of the command line.
    void RunCommandLinePrint();

    // Loads SheetFileName; outcome in FeilNr (99001 for a wrong version).
    void HentVisning();
    // Rewrites pipe and bend lengths for the bender in force (bending view).
    void TestBending();
    // Draws the loaded sheet as one page on the canvas.
    void CanvasPrint(Canvas& canvas);
    // Prints the loaded sheet on the current printer. Returns true when the
    // page was handed to the print system, false when nothing was printed
    // (dialog cancelled or a failed print; a failure is reported).
    bool Skriv1Click();
    // The print job's title: the name of the source file of the sheet.
    std::string JobTitle() const;
    // The last failed print, for the caller's status line.
    std::string LastPrintError;
    // The file named on the command line (a PCF or PPV); the print job's
    // title names it while SheetFileName is that file or its converted sheet.
    std::string SourceFileName;

    // A path made absolute from the working folder, its case kept.
    std::string FullPath(const std::string& path) const;
    // The sheet path of a PCF path: the first ".pcf" (any case) removed and
    // ".ppv" appended; empty when the path holds no ".pcf".
    static std::string SheetPathFor(const std::string& path);

  private:
    bool FailPrint(const std::string& reason);

    Program& program_;
};
