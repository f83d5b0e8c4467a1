#include "preview/preview.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "app/program.h"
#include "platform/dialogs.h"
#include "platform/hostinfo.h"
#include "platform/printer.h"

namespace {

// The sheet is laid out for a page 200 mm high, which is the printable
// portrait width of the printer.
constexpr int kSheetHeightMm = 200;

std::string FileNameOf(const std::string& path) {
    auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::size_t FindPcfExtension(const std::string& path) {
    static const std::string kPcf = ".pcf";
    auto it = std::search(path.begin(), path.end(), kPcf.begin(), kPcf.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
    return it == path.end() ? std::string::npos : static_cast<std::size_t>(it - path.begin());
}

}  // namespace

TPreviewForm::TPreviewForm(Program& program) : program_(program) {}

std::string TPreviewForm::FullPath(const std::string& path) const {
    if (path.empty())
        return path;
    std::filesystem::path full(path);
    if (!full.is_absolute())
        full = std::filesystem::path(program_.host.WorkingFolder()) / full;
    return full.lexically_normal().string();
}

std::string TPreviewForm::SheetPathFor(const std::string& path) {
    auto at = FindPcfExtension(path);
    if (at == std::string::npos)
        return {};
    return path.substr(0, at) + path.substr(at + 4) + ".ppv";
}

int TPreviewForm::HandleCommandLine(const std::vector<std::string>& args) {
    if (args.empty())
        SheetFileName = program_.reg.solvantapath("tmp") + SheetFileName;
    else
        SheetFileName = args[0];
    CommandLinePrint = args.size() >= 2 && args[1] == "-print";
    // Made absolute, but the case is kept: this file system tells case apart.
    SheetFileName = FullPath(SheetFileName);
    SourceFileName = SheetFileName;

    std::string sheetPath = SheetPathFor(SheetFileName);
    if (sheetPath.empty())
        return 0;
    program_.textfil.FeilNr = 0;
    program_.pcf.ConvertPcf(SheetFileName, sheetPath);
    if (program_.textfil.FeilNr != 0)
        return program_.textfil.FeilNr;
    SheetFileName = sheetPath;
    return 0;
}

void TPreviewForm::RunCommandLinePrint() {
    if (!CommandLinePrint)
        return;
    HentVisning();
    if (program_.textfil.FeilNr == 0)
        Skriv1Click();
}

std::string TPreviewForm::JobTitle() const {
    // The source named on the command line, while it is still this sheet's.
    if (!SourceFileName.empty() &&
        (SourceFileName == SheetFileName || SheetPathFor(SourceFileName) == SheetFileName))
        return FileNameOf(SourceFileName);
    // A PCF job of the spool cycle is converted into its working sheet
    // "temp.ppv"; the sheet's source text holds the PCF it came from.
    std::string name = FileNameOf(SheetFileName);
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "temp.ppv" && FindPcfExtension(SourceText) != std::string::npos)
        return FileNameOf(SourceText);
    return name;
}

bool TPreviewForm::FailPrint(const std::string& reason) {
    Printer& printer = program_.printer;
    LastPrintError = reason;
    std::string why = printer.LastError();
    if (!why.empty())
        LastPrintError += ": " + why;
    program_.dialogs.MessageBox("FEIL", LastPrintError);
    program_.textfil.WriteLog("FEIL: " + LastPrintError);
    return false;
}

bool TPreviewForm::Skriv1Click() {
    Printer& printer = program_.printer;
    LastPrintError.clear();
    if (!UnattendedPrint && !program_.dialogs.PrintDialog(printer))
        return false;

    printer.SetOrientation(Orientation::Portrait);
    // A printable width under 200 pixels would give 0 pixels per millimetre,
    // and the drawing divides by it.
    pixelprmm = std::max(1, printer.PageWidth() / kSheetHeightMm);
    printer.SetOrientation(Orientation::Landscape);
    PageWidth = printer.PageWidth();
    PageHeight = printer.PageHeight();

    const std::string title = JobTitle();
    const std::string where = " på " + printer.CurrentPrinterName();
    if (!printer.BeginDoc(title))
        return FailPrint("Kan ikke starte utskrift av " + title + where);
    CanvasPrint(printer.PageCanvas());
    if (!printer.EndDoc())
        return FailPrint("Utskrift av " + title + " ble avvist" + where);
    return true;
}
