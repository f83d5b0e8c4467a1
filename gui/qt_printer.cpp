#include "gui/qt_printer.h"

#include <cups/cups.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstdlib>
#include <filesystem>

namespace {

QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QPageLayout::Orientation ToQt(Orientation o) {
    return o == Orientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape;
}

bool IsActiveJobState(int state) {
    // A stopped job has not printed yet either: its queue was stopped.
    return state == IPP_JSTATE_PENDING || state == IPP_JSTATE_HELD ||
           state == IPP_JSTATE_PROCESSING || state == IPP_JSTATE_STOPPED;
}

bool IsFailedJobState(int state) {
    return state == IPP_JSTATE_CANCELED || state == IPP_JSTATE_ABORTED;
}

std::string SafeStem(const std::string& title) {
    std::string stem = std::filesystem::path(title).stem().string();
    for (char& ch : stem)
        if (ch == '/' || ch == '\\')
            ch = '_';
    return stem.empty() ? std::string("sheet") : stem;
}

}  // namespace

QtPrinter::QtPrinter() {
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        queues_.push_back(name.toStdString());
    // The default queue is current; with no queue at all the "PDF file" printer.
    const std::string def = QPrinterInfo::defaultPrinterName().toStdString();
    index_ = 0;
    for (std::size_t i = 0; i < queues_.size(); ++i)
        if (queues_[i] == def)
            index_ = static_cast<int>(i);
}

QtPrinter::~QtPrinter() {
    CloseDocument();
}

void QtPrinter::SetPdfFolderProvider(std::function<std::string()> provider) {
    pdfFolder_ = std::move(provider);
}

std::vector<std::string> QtPrinter::Printers() {
    std::vector<std::string> names = queues_;
    names.push_back(kPdfPrinterName);
    return names;
}

int QtPrinter::PrinterIndex() const {
    return index_;
}

void QtPrinter::SetPrinterIndex(int index) {
    // An index outside the list keeps the current printer, as the printer
    // object of the platform refuses it.
    if (index >= 0 && index <= static_cast<int>(queues_.size()))
        index_ = index;
}

void QtPrinter::SetOrientation(Orientation orientation) {
    orientation_ = orientation;
}

namespace {
constexpr int kPdfFileResolution = 600;
}  // namespace

bool QtPrinter::CurrentIsPdfFile() const {
    return index_ >= static_cast<int>(queues_.size());
}

QtPrinter::PageSetup QtPrinter::CurrentPageSetup() {
    PageSetup setup;
    if (CurrentIsPdfFile()) {
        setup.layout = QPageLayout(QPageSize(QPageSize::A4), ToQt(orientation_),
                                   QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        // The sheet's pen widths are device pixels, drawn for the shop's printers
        // of about 600 dots per inch; at that resolution a PDF sheet looks the same.
        setup.resolution = kPdfFileResolution;
        return setup;
    }
    QPrinter printer(QPrinterInfo::printerInfo(ToQString(queues_[index_])),
                     QPrinter::HighResolution);
    printer.setPageOrientation(ToQt(orientation_));
    setup.layout = printer.pageLayout();
    setup.resolution = printer.resolution() > 0 ? printer.resolution() : 1200;
    return setup;
}

int QtPrinter::PageWidth() {
    PageSetup s = CurrentPageSetup();
    return s.layout.paintRectPixels(s.resolution).width();
}

int QtPrinter::PageHeight() {
    PageSetup s = CurrentPageSetup();
    return s.layout.paintRectPixels(s.resolution).height();
}

bool QtPrinter::Fail(const std::string& why) {
    failed_ = true;
    lastError_ = why;
    CloseDocument();
    return false;
}

void QtPrinter::CloseDocument() {
    canvas_.reset();
    if (painter_ && painter_->isActive())
        painter_->end();
    painter_.reset();
    writer_.reset();
    tempFile_.reset();
}

bool QtPrinter::BeginDoc(const std::string& title) {
    CloseDocument();
    jobId_ = 0;
    failed_ = false;
    lastError_.clear();
    title_ = title;
    jobQueue_ = CurrentIsPdfFile() ? std::string() : queues_[index_];

    tempFile_ = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/vimoprn-XXXXXX.pdf");
    if (!tempFile_->open())
        return Fail("kan ikke lage midlertidig fil");
    tempFile_->close();

    PageSetup setup = CurrentPageSetup();
    writer_ = std::make_unique<QPdfWriter>(tempFile_->fileName());
    writer_->setResolution(setup.resolution);
    writer_->setPageLayout(setup.layout);
    writer_->setTitle(ToQString(title));
    writer_->setCreator(QStringLiteral("vimoprn"));
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(writer_.get()))
        return Fail("kan ikke tegne siden");
    canvas_ = std::make_unique<QtCanvas>(*painter_);
    return true;
}

Canvas& QtPrinter::PageCanvas() {
    if (canvas_)
        return *canvas_;
    if (!scratchCanvas_) {
        scratchImage_ = QImage(16, 16, QImage::Format_RGB32);
        scratchPainter_ = std::make_unique<QPainter>(&scratchImage_);
        scratchCanvas_ = std::make_unique<QtCanvas>(*scratchPainter_);
    }
    return *scratchCanvas_;
}

std::string QtPrinter::FreePdfPath(const std::string& folder, const std::string& title) {
    const std::string stem = SafeStem(title);
    std::string path = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    std::error_code ec;
    std::string candidate = path + stem + ".pdf";
    for (int n = 1; std::filesystem::exists(candidate, ec); ++n)
        candidate = path + stem + "-" + std::to_string(n) + ".pdf";
    return candidate;
}

bool QtPrinter::EndDoc() {
    if (!painter_)
        return Fail(lastError_.empty() ? "ingen utskrift er startet" : lastError_);
    canvas_.reset();
    painter_->end();
    painter_.reset();
    writer_.reset();  // the PDF is complete once the writer is gone
    const std::string temp = tempFile_->fileName().toStdString();

    if (jobQueue_.empty()) {
        std::string folder = pdfFolder_ ? pdfFolder_() : std::string();
        if (folder.empty())
            return Fail("ingen mappe for PDF-filer");
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        // QFile::copy never replaces a file, so a name taken meanwhile is skipped.
        for (int attempt = 0; attempt < 1000; ++attempt) {
            std::string target = FreePdfPath(folder, title_);
            if (QFile::copy(ToQString(temp), ToQString(target))) {
                lastPdfFile_ = target;
                tempFile_.reset();
                return true;
            }
            if (!QFileInfo(ToQString(folder)).isWritable())
                return Fail("kan ikke skrive i " + folder);
        }
        return Fail("kan ikke skrive PDF-filen i " + folder);
    }

    // A stopped queue would take the job and hold it for an unknown time; the
    // sheet is kept in the spool folder instead and tried again later.
    if (QueueStopped(jobQueue_)) {
        tempFile_.reset();
        return Fail("utskriftskøen " + jobQueue_ + " er stoppet");
    }
    jobId_ = cupsPrintFile(jobQueue_.c_str(), temp.c_str(), title_.c_str(), 0, nullptr);
    tempFile_.reset();
    if (jobId_ == 0) {
        const char* why = cupsLastErrorString();
        return Fail(why && *why ? why : "utskriftskøen tok ikke imot jobben");
    }
    return true;
}

bool QtPrinter::QueueStopped(const std::string& queue) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(), nullptr);
    if (!dest)
        return false;
    const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
    bool stopped = state && std::atoi(state) == IPP_PSTATE_STOPPED;
    cupsFreeDests(1, dest);
    return stopped;
}

int QtPrinter::QueryJobState() {
    if (jobId_ == 0)
        return 0;
    cups_job_t* jobs = nullptr;
    int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, jobQueue_.c_str(), 0, CUPS_WHICHJOBS_ALL);
    int state = 0;
    for (int i = 0; i < count; ++i)
        if (jobs[i].id == jobId_)
            state = jobs[i].state;
    cupsFreeJobs(count, jobs);
    return state;
}

bool QtPrinter::Printing() {
    if (jobId_ == 0)
        return false;
    int state = QueryJobState();
    // A job waiting on a queue that was stopped after it was handed over is
    // taken back, so that it cannot print later as well as at the next try.
    if ((state == IPP_JSTATE_PENDING || state == IPP_JSTATE_HELD) && QueueStopped(jobQueue_)) {
        cupsCancelJob2(CUPS_HTTP_DEFAULT, jobQueue_.c_str(), jobId_, 0);
        failed_ = true;
        lastError_ = "utskriftskøen " + jobQueue_ + " er stoppet";
        jobId_ = 0;
        return false;
    }
    if (IsFailedJobState(state) && !failed_) {
        failed_ = true;
        lastError_ = state == IPP_JSTATE_CANCELED ? "jobben ble avbrutt" : "jobben ble stoppet";
    }
    return IsActiveJobState(state);
}

bool QtPrinter::LastJobFailed() {
    if (!failed_ && jobId_ != 0)
        Printing();
    return failed_;
}

std::string QtPrinter::LastError() const {
    return lastError_;
}
