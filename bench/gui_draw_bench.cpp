// Times the drawing of one full sheet (49 part rows, the most a sheet holds)
// onto an A4 landscape PDF page and onto a 150 dpi PNG page.
// Run: bench_gui_draw_bench [repeats]   (QT_QPA_PLATFORM=offscreen without a display)
#include <QApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/program.h"
#include "gui/qt_canvas.h"
#include "gui/qt_printer.h"
#include "gui/sheet_export.h"
#include "platform/posix_platform.h"
#include "preview/preview.h"

namespace {

// A pipe that climbs in steps: 25 straight pipes joined by 24 elbows.
std::string FullSheetPcf() {
    std::string pcf =
        "ISOGEN-FILES ISOGEN.FLS\nUNITS-BORE MM\nUNITS-CO-ORDS MM\n"
        "PIPELINE-REFERENCE BENCH-50\nPIPING-SPEC A1\n";
    long x = 0, z = 0;
    auto point = [](long px, long pz) {
        return std::to_string(px) + " 0 " + std::to_string(pz) + " 50\n";
    };
    for (int i = 0; i < 25; ++i) {
        const bool alongX = i % 2 == 0;
        long nx = alongX ? x + 1000 : x, nz = alongX ? z : z + 800;
        pcf += "PIPE\n    END-POINT " + point(x, z) + "    END-POINT " + point(nx, nz);
        x = nx;
        z = nz;
        if (i == 24)
            break;
        long ex = alongX ? x + 76 : x + 76, ez = alongX ? z + 76 : z + 76;
        long cx = alongX ? x + 76 : x, cz = alongX ? z : z + 76;
        pcf += "ELBOW\n    END-POINT " + point(x, z) + "    END-POINT " + point(ex, ez) +
               "    CENTRE-POINT " + point(cx, cz) + "    ANGLE 9000\n";
        x = ex;
        z = ez;
    }
    return pcf;
}

double Ms(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    auto root = std::filesystem::temp_directory_path() / "vimoprn-draw-bench";
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "appdata");
    setenv("APPDATA", (root / "appdata").c_str(), 1);
    std::filesystem::current_path(root);
    std::ofstream(root / "bench.pcf", std::ios::binary) << FullSheetPcf();

    QApplication app(argc, argv);
    PosixClock clock;
    UnattendedDialogs dialogs;
    PosixHostInfo host;
    PosixShell shell;
    QtPrinter printer;
    Program program(PlatformServices{clock, dialogs, host, shell, printer});
    program.Start({});

    std::string error;
    if (ExportSheet(program, (root / "bench.pcf").string(), (root / "first.pdf").string(), error) !=
        0) {
        std::fprintf(stderr, "the bench sheet does not draw: %s\n", error.c_str());
        return 1;
    }
    TPreviewForm& form = *program.preview;
    int rows = 0;
    while (rows + 1 < SheetTable::kRows && !form.bTabell.Cell(0, rows + 1).empty()) ++rows;

    using Clock = std::chrono::steady_clock;
    Clock::duration pdf{}, png{};
    for (int i = 0; i < repeats; ++i) {
        auto start = Clock::now();
        {
            QPdfWriter writer(QString::fromStdString((root / "bench.pdf").string()));
            writer.setResolution(1200);
            writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                             QMarginsF(0, 0, 0, 0)));
            form.pixelprmm = 49;
            form.PageWidth = 14031;
            form.PageHeight = 9921;
            QPainter painter(&writer);
            QtCanvas canvas(painter);
            form.CanvasPrint(canvas);
        }
        pdf += Clock::now() - start;

        start = Clock::now();
        {
            QImage image(1754, 1240, QImage::Format_RGB32);
            image.fill(Qt::white);
            image.setDotsPerMeterX(5906);
            image.setDotsPerMeterY(5906);
            form.pixelprmm = 6;
            form.PageWidth = 1754;
            form.PageHeight = 1240;
            {
                QPainter painter(&image);
                QtCanvas canvas(painter);
                form.CanvasPrint(canvas);
            }
            image.save(QString::fromStdString((root / "bench.png").string()), "PNG");
        }
        png += Clock::now() - start;
    }
    std::printf("sheet with %d part rows, %d repeats\n", rows, repeats);
    std::printf("draw to PDF: %.1f ms per sheet\n", Ms(pdf) / repeats);
    std::printf("draw to PNG: %.1f ms per sheet (including PNG encoding)\n", Ms(png) / repeats);
    std::filesystem::current_path("/");
    std::filesystem::remove_all(root);
    return 0;
}
