#include "gui/sheet_export.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cctype>
#include <filesystem>

#include "app/program.h"
#include "gui/qt_canvas.h"
#include "preview/preview.h"

namespace {

// As the "PDF file" printer: the sheet's pen widths are device pixels, drawn
// for printers of about 600 dots per inch.
constexpr int kPdfResolution = 600;
constexpr int kPngResolution = 150;
constexpr int kSheetHeightMm = 200;
constexpr int kExitUnwritable = 1;
constexpr int kExitNotLoaded = 1;
constexpr int kExitUnknownFormat = 2;

enum class ExportFormat { None, Pdf, Png };

ExportFormat FormatOf(const std::string& out) {
    std::string ext = std::filesystem::path(out).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".pdf")
        return ExportFormat::Pdf;
    if (ext == ".png")
        return ExportFormat::Png;
    return ExportFormat::None;
}

QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The drawing context of an A4 sheet at this resolution, as the print
// operation sets it for a printer without margins.
void SetDrawingContext(TPreviewForm& form, int resolution) {
    QPageLayout portrait(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
    QPageLayout landscape(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0));
    form.pixelprmm = std::max(1, portrait.paintRectPixels(resolution).width() / kSheetHeightMm);
    form.PageWidth = landscape.paintRectPixels(resolution).width();
    form.PageHeight = landscape.paintRectPixels(resolution).height();
}

bool DrawPdf(TPreviewForm& form, QSaveFile& file) {
    QPdfWriter writer(&file);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(ToQString(form.JobTitle()));
    writer.setCreator(QStringLiteral("vimoprn"));
    SetDrawingContext(form, kPdfResolution);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    QtCanvas canvas(painter);
    form.CanvasPrint(canvas);
    return painter.end();
}

bool DrawPng(TPreviewForm& form, QSaveFile& file) {
    SetDrawingContext(form, kPngResolution);
    QImage image(form.PageWidth, form.PageHeight, QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(kPngResolution / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QtCanvas canvas(painter);
        form.CanvasPrint(canvas);
    }
    return image.save(&file, "PNG");
}

}  // namespace

int ExportSheet(Program& program, const std::string& file, const std::string& out,
                std::string& error) {
    error.clear();
    const ExportFormat format = FormatOf(out);
    if (format == ExportFormat::None) {
        error = "ukjent filtype for " + out + " (bruk .pdf eller .png)";
        return kExitUnknownFormat;
    }
    if (!program.preview) {
        int code = program.CreateWindows();
        if (code != 0) {
            error = "konvertering feilet med feil " + std::to_string(code);
            return code;
        }
    }
    TPreviewForm& form = *program.preview;
    const std::string source = form.FullPath(file);
    form.SourceFileName = source;
    const std::string sheet = TPreviewForm::SheetPathFor(source);
    if (sheet.empty()) {
        form.SheetFileName = source;
    } else if (form.SheetFileName != sheet) {
        // Not yet converted by the start-up handling of the same command line.
        program.textfil.FeilNr = 0;
        program.pcf.ConvertPcf(source, sheet);
        if (program.textfil.FeilNr != 0) {
            error = "konvertering av " + source + " feilet med feil " +
                    std::to_string(program.textfil.FeilNr);
            return program.textfil.FeilNr;
        }
        form.SheetFileName = sheet;
    }

    form.ShowVersionDialog = false;
    program.textfil.FeilNr = 0;
    form.HentVisning();
    if (program.textfil.FeilNr != 0) {
        const int code = program.textfil.FeilNr;
        error = "kan ikke lese arket " + form.SheetFileName +
                (code == 99001 ? " (feil versjon)" : " (feil " + std::to_string(code) + ")");
        // An exit status keeps only 8 bits: 99001 would read as 185, and a
        // multiple of 256 as success.
        return code > 0 && code < 256 ? code : kExitNotLoaded;
    }

    QSaveFile target(ToQString(out));
    if (!target.open(QIODevice::WriteOnly)) {
        error = "kan ikke skrive " + out + ": " + target.errorString().toStdString();
        return kExitUnwritable;
    }
    const bool drawn = format == ExportFormat::Pdf ? DrawPdf(form, target) : DrawPng(form, target);
    if (!drawn || !target.commit()) {
        target.cancelWriting();
        error = "kan ikke skrive " + out + ": " + target.errorString().toStdString();
        return kExitUnwritable;
    }
    return 0;
}
