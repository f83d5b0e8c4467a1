#pragma once
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/qt_canvas.h"
#include "platform/printer.h"

// The process's printer: the CUPS queues in the order CUPS lists them, then
// the built-in "PDF file" printer. Every document is drawn into a temporary
// PDF laid out like the queue's page and handed to CUPS with libcups, so the
// job can be followed by its id; the "PDF file" printer keeps the PDF in a
// folder instead.
class QtPrinter : public Printer {
  public:
    static constexpr const char* kPdfPrinterName = "PDF file";

    QtPrinter();
    ~QtPrinter() override;

    // Where the "PDF file" printer writes its sheets (a folder ending in "/").
    void SetPdfFolderProvider(std::function<std::string()> provider);

    std::vector<std::string> Printers() override;
    int PrinterIndex() const override;
    void SetPrinterIndex(int index) override;
    void SetOrientation(Orientation orientation) override;
    int PageWidth() override;
    int PageHeight() override;
    bool BeginDoc(const std::string& title) override;
    Canvas& PageCanvas() override;
    bool EndDoc() override;
    bool Printing() override;
    bool LastJobFailed() override;
    std::string LastError() const override;

    // The CUPS job of the last document handed over; 0 when none.
    int LastJobId() const { return jobId_; }
    // The file the "PDF file" printer wrote last.
    const std::string& LastPdfFile() const { return lastPdfFile_; }

    // A file name in the folder for a sheet of this title: the title without
    // its extension, then ".pdf"; "-1", "-2", ... added before ".pdf" while a
    // file of that name exists.
    static std::string FreePdfPath(const std::string& folder, const std::string& title);

  private:
    struct PageSetup {
        QPageLayout layout;
        int resolution = 1200;
    };
    bool CurrentIsPdfFile() const;
    PageSetup CurrentPageSetup();
    // The job's state in CUPS, 0 when CUPS does not know it (any more).
    int QueryJobState();
    // Whether the queue has been stopped (cupsdisable): it holds every job.
    static bool QueueStopped(const std::string& queue);
    bool Fail(const std::string& why);
    void CloseDocument();

    std::vector<std::string> queues_;
    int index_ = 0;
    Orientation orientation_ = Orientation::Portrait;
    std::function<std::string()> pdfFolder_;

    std::unique_ptr<QTemporaryFile> tempFile_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<QtCanvas> canvas_;
    std::string title_;
    std::string jobQueue_;

    // A canvas for drawing outside a document (nothing is kept).
    QImage scratchImage_;
    std::unique_ptr<QPainter> scratchPainter_;
    std::unique_ptr<QtCanvas> scratchCanvas_;

    int jobId_ = 0;
    bool failed_ = false;
    std::string lastError_;
    std::string lastPdfFile_;
};
