// vimoprn: the print spooler's entry. Start, the GUI loop, and the end.
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/program.h"
#include "gui/melding_view.h"
#include "gui/qt_dialogs.h"
#include "gui/qt_printer.h"
#include "gui/sheet_export.h"
#include "gui/spooler_window.h"
#include "platform/posix_platform.h"
#include "preview/preview.h"

namespace {

const char* const kUsage =
    "Usage: vimoprn [--headless] [options]\n"
    "       vimoprn [--headless] FILE [-print]\n"
    "       vimoprn FILE -export OUT.pdf|OUT.png\n"
    "\n"
    "Without FILE the program runs as the print spooler: every few seconds it takes one\n"
    "job from its spool folder (PCF, PPV, dwg, dxf, pdf, jpg), prints it and archives it.\n"
    "\n"
    "  FILE            a PCF or PPV sheet file; a PCF is converted to a PPV beside it\n"
    "  -print          (second argument) print FILE on the current printer and end\n"
    "  -export OUT     (second argument) draw FILE into OUT (.pdf or .png) and end\n"
    "  --headless      run without a display; boxes become log lines (also chosen\n"
    "                  when no display is available)\n"
    "  --debug         log everything at start\n"
    "  -install        create the folder tree anew\n"
    "  -ip ADDRESS     the address shown in the login line of the log\n"
    "  --user NAME     the user name for the configuration and placement files\n"
    "  --help, --version\n"
    "\n"
    "Configuration: $APPDATA/Solvanta/etc/solvanta.ini (APPDATA defaults to\n"
    "$XDG_DATA_HOME, then ~/.local/share), or solvanta.ini in the working folder.\n";

int signalPipe[2] = {-1, -1};

void OnSignal(int) {
    char byte = 1;
    ssize_t ignored = ::write(signalPipe[1], &byte, 1);
    (void)ignored;
}

bool NoDisplay() {
    return !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
           !std::getenv("QT_QPA_PLATFORM");
}

// Ends the GUI loop once the watched window has accepted its close.
class QuitOnClose : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close)
            QMetaObject::invokeMethod(
                qApp,
                [watched] {
                    if (!static_cast<QWidget*>(watched)->isVisible())
                        qApp->quit();
                },
                Qt::QueuedConnection);
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args;
    bool headless = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--help") {
            std::cout << kUsage;
            return 0;
        }
        if (a == "--version") {
            std::cout << "vimoprn " VIMO_VERSION "\n";
            return 0;
        }
        if (a == "--headless") {
            headless = true;
            continue;
        }
        args.push_back(a);
    }
    bool exportMode = args.size() >= 3 && args[1] == "-export";
    if (exportMode || NoDisplay())
        headless = true;
    if (headless)
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);

    QApplication app(argc, argv);
    PosixClock clock;
    PosixHostInfo host;
    PosixShell shell;
    QtPrinter printer;
    QtDialogs desktopDialogs;
    UnattendedDialogs unattendedDialogs;
    Dialogs& dialogs = headless ? static_cast<Dialogs&>(unattendedDialogs) : desktopDialogs;

    Program program(PlatformServices{clock, dialogs, host, shell, printer});
    unattendedDialogs.report = [&program](const std::string& line) {
        program.textfil.WriteLog(line);
        std::cerr << line << std::endl;
    };
    printer.SetPdfFolderProvider([&program] { return program.reg.solvantapath("export\\pdf"); });

    MeldingWindow messages;
    program.melding.view = &messages;

    int code = program.Start(args);
    if (code == 0) {
        if (exportMode)
            program.args.clear();  // the export converts the file itself
        code = program.CreateWindows();
    }
    if (code != 0) {
        program.End();
        return code;
    }

    if (exportMode) {
        std::string error;
        code = ExportSheet(program, args[0], args[2], error);
        if (code != 0 && !error.empty())
            std::cerr << "vimoprn: " << error << std::endl;
        program.End();
        return code;
    }
    if (program.preview->CommandLinePrint) {
        program.preview->RunCommandLinePrint();
        program.End();
        return 0;
    }

    SpoolerWindow window(program);
    desktopDialogs.parent = &window;
    program.melding.ApplicationHandle = static_cast<long long>(window.winId());
    program.onExitRequest = [](int exitCode) { QCoreApplication::exit(exitCode); };

    // A stop request (service manager, Ctrl+C) closes the window as its close
    // box would; it is handled by the event loop, so a running cycle ends first.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) == 0) {
        struct sigaction sa {};
        sa.sa_handler = OnSignal;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = SA_RESTART;
        ::sigaction(SIGTERM, &sa, nullptr);
        ::sigaction(SIGINT, &sa, nullptr);
    }
    QSocketNotifier notifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &window, [&window] {
        char byte;
        ssize_t ignored = ::read(signalPipe[0], &byte, 1);
        (void)ignored;
        window.close();
    });
    // Closing the spooler window ends the program, whatever other window is open.
    app.setQuitOnLastWindowClosed(false);
    QuitOnClose quitOnClose;
    window.installEventFilter(&quitOnClose);

    window.show();
    int rc = app.exec();
    program.End();
    return program.ExitRequested() ? program.ExitCode() : rc;
}
