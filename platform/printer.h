#pragma once
#include <string>
#include <vector>

class Canvas;

enum class Orientation { Portrait, Landscape };

// The process's printer object: installed printers, the current one, the page
// and one document at a time.
class Printer {
  public:
    virtual ~Printer() = default;
    // Installed printer names in the platform's order; the built-in "PDF file"
    // printer comes last.
    virtual std::vector<std::string> Printers() = 0;
    virtual int PrinterIndex() const = 0;
    virtual void SetPrinterIndex(int index) = 0;
    std::string CurrentPrinterName() {
        auto names = Printers();
        int i = PrinterIndex();
        return i >= 0 && i < static_cast<int>(names.size()) ? names[i] : std::string();
    }
    virtual void SetOrientation(Orientation orientation) = 0;
    // Printable page size in device pixels in the current orientation.
    virtual int PageWidth() = 0;
    virtual int PageHeight() = 0;
    // Begins a document of one or more pages; false when the printer cannot.
    virtual bool BeginDoc(const std::string& title) = 0;
    // The page canvas; valid between BeginDoc and EndDoc.
    virtual Canvas& PageCanvas() = 0;
    // Ends the document and hands it to the print system; false when that failed.
    virtual bool EndDoc() = 0;
    // Whether the last document handed over is still waiting or printing.
    virtual bool Printing() = 0;
    // Whether the last document handed over was refused, aborted or cancelled.
    virtual bool LastJobFailed() = 0;
    // A short text saying why the last document failed.
    virtual std::string LastError() const = 0;
};
