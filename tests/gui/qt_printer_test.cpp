#include "gui/qt_printer.h"

#include <cups/cups.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QProcess>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "tests/gui/qt_test_app.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

fs::path TempFolder(const std::string& kind) {
    std::random_device rd;
    fs::path p = fs::temp_directory_path() /
                 ("vimo-" + kind + "-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    fs::create_directories(p);
    return p;
}

std::string PdfText(const fs::path& path) {
    QProcess p;
    p.start("pdftotext", {QString::fromStdString(path.string()), "-"});
    if (!p.waitForFinished(60000))
        return {};
    return p.readAllStandardOutput().toStdString();
}

bool PrintSheet(QtPrinter& printer, const std::string& title, const std::string& text) {
    if (!printer.BeginDoc(title))
        return false;
    Canvas& canvas = printer.PageCanvas();
    canvas.font.size = 12;
    canvas.TextOut(500, 500, text);
    return printer.EndDoc();
}

TEST(QtPrinterPdfFile, FreeNameAddsACounterWhileTheNameIsTaken) {
    fs::path folder = TempFolder("pdfnames");
    const std::string f = folder.string() + "/";
    EXPECT_EQ(QtPrinter::FreePdfPath(f, "Line1.PCF"), f + "Line1.pdf");
    std::ofstream(folder / "Line1.pdf") << "x";
    EXPECT_EQ(QtPrinter::FreePdfPath(f, "Line1.PCF"), f + "Line1-1.pdf");
    std::ofstream(folder / "Line1-1.pdf") << "x";
    EXPECT_EQ(QtPrinter::FreePdfPath(folder.string(), "Line1.ppv"), f + "Line1-2.pdf");
    EXPECT_EQ(QtPrinter::FreePdfPath(f, ""), f + "sheet.pdf");
    fs::remove_all(folder);
}

TEST(QtPrinterPdfFile, WithoutQueuesThePdfFilePrinterIsCurrentAndKeepsEverySheet) {
    EnsureQtApp();
    fs::path folder = TempFolder("pdfout");
    QtPrinter printer;
    printer.SetPdfFolderProvider([&] { return folder.string() + "/export/pdf/"; });

    ASSERT_EQ(printer.Printers(), std::vector<std::string>{"PDF file"});
    EXPECT_EQ(printer.CurrentPrinterName(), "PDF file");
    printer.SetPrinterIndex(5);
    EXPECT_EQ(printer.PrinterIndex(), 0) << "an index outside the list is refused";

    printer.SetOrientation(Orientation::Portrait);
    const int portraitWidth = printer.PageWidth(), portraitHeight = printer.PageHeight();
    printer.SetOrientation(Orientation::Landscape);
    EXPECT_EQ(printer.PageWidth(), portraitHeight);
    EXPECT_EQ(printer.PageHeight(), portraitWidth);
    EXPECT_NEAR(portraitWidth, 4961, 3) << "A4 at 600 dots per inch";

    for (const char* text : {"FIRST SHEET", "SECOND SHEET", "THIRD SHEET"}) {
        ASSERT_TRUE(PrintSheet(printer, "Line1.PCF", text)) << printer.LastError();
        EXPECT_FALSE(printer.Printing());
        EXPECT_FALSE(printer.LastJobFailed());
    }
    const fs::path out = folder / "export" / "pdf";
    EXPECT_NE(PdfText(out / "Line1.pdf").find("FIRST SHEET"), std::string::npos);
    EXPECT_NE(PdfText(out / "Line1-1.pdf").find("SECOND SHEET"), std::string::npos);
    EXPECT_NE(PdfText(out / "Line1-2.pdf").find("THIRD SHEET"), std::string::npos);
    EXPECT_EQ(printer.LastPdfFile(), (out / "Line1-2.pdf").string());
    fs::remove_all(folder);
}

TEST(QtPrinterPdfFile, AFolderThatCannotBeWrittenIsAFailedPrint) {
    EnsureQtApp();
    fs::path folder = TempFolder("pdfbad");
    std::ofstream(folder / "plainfile") << "x";
    const std::pair<const char*, std::string> cases[] = {
        {"no folder", ""},
        {"folder under a file", (folder / "plainfile" / "pdf").string() + "/"},
    };
    for (const auto& [name, target] : cases) {
        QtPrinter printer;
        if (!target.empty())
            printer.SetPdfFolderProvider([t = target] { return t; });
        EXPECT_FALSE(PrintSheet(printer, "Line2.ppv", "X")) << name;
        EXPECT_TRUE(printer.LastJobFailed()) << name;
        EXPECT_FALSE(printer.LastError().empty()) << name;
    }
    fs::remove_all(folder);
}

// A scheduler of the test's own, reachable only through a socket in a
// temporary folder, with queues that write to /dev/null.
class PrivateCups : public ::testing::Test {
  protected:
    void SetUp() override {
        EnsureQtApp();
        if (getuid() != 0 || access("/usr/sbin/cupsd", X_OK) != 0)
            GTEST_SKIP() << "needs cupsd and root rights";
        root_ = TempFolder("cups");
        for (const char* d : {"etc/ppd", "spool/tmp", "cache", "state", "log"})
            fs::create_directories(root_ / d);
        fs::permissions(root_, fs::perms::owner_all | fs::perms::group_read |
                                   fs::perms::group_exec | fs::perms::others_read |
                                   fs::perms::others_exec);
        socket_ = (root_ / "cups.sock").string();
        std::ofstream(root_ / "cups-files.conf")
            << "ServerRoot " << (root_ / "etc").string() << "\nRequestRoot "
            << (root_ / "spool").string() << "\nTempDir " << (root_ / "spool/tmp").string()
            << "\nCacheDir " << (root_ / "cache").string() << "\nStateDir "
            << (root_ / "state").string() << "\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
            << "ErrorLog " << (root_ / "log/error_log").string() << "\nAccessLog "
            << (root_ / "log/access_log").string() << "\nFileDevice Yes\nSystemGroup root\n";
        std::ofstream(root_ / "cupsd.conf")
            << "Listen " << socket_
            << "\nLogLevel info\nBrowsing No\nWebInterface No\nDefaultAuthType None\n"
               "PreserveJobHistory Yes\n<Location />\n  Order allow,deny\n  Allow all\n"
               "</Location>\n<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n"
               "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n";
        std::string conf = (root_ / "cupsd.conf").string(),
                    files = (root_ / "cups-files.conf").string();
        const char* argv[] = {"cupsd", "-f", "-c", conf.c_str(), "-s", files.c_str(), nullptr};
        ASSERT_EQ(posix_spawn(&pid_, "/usr/sbin/cupsd", nullptr, nullptr, const_cast<char**>(argv),
                              environ),
                  0);
        setenv("CUPS_SERVER", socket_.c_str(), 1);
        cupsSetServer(nullptr);
        // Wait for the scheduler to answer (bounded, it normally takes well under a second).
        bool up = false;
        for (int i = 0; i < 300 && !up; ++i) {
            up = fs::exists(socket_) &&
                 Run("lpstat", {"-r"}).find("is running") != std::string::npos;
            if (!up)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        ASSERT_TRUE(up) << "private scheduler did not start";
    }
    void TearDown() override {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            int status = 0;
            waitpid(pid_, &status, 0);
        }
        setenv("CUPS_SERVER", "/nonexistent/vimoprn-test-cups.sock", 1);
        cupsSetServer(nullptr);
        if (!root_.empty())
            fs::remove_all(root_);
    }
    std::string Run(const QString& program, const QStringList& args) {
        QProcess p;
        p.start(program, args);
        p.waitForFinished(60000);
        return (p.readAllStandardOutput() + p.readAllStandardError()).toStdString();
    }
    void AddQueue(const QString& name) {
        Run("lpadmin", {"-p", name, "-v", "file:///dev/null", "-m", "raw", "-E"});
    }
    static int Index(QtPrinter& printer, const std::string& name) {
        auto names = printer.Printers();
        for (std::size_t i = 0; i < names.size(); ++i)
            if (names[i] == name)
                return static_cast<int>(i);
        return -1;
    }

    fs::path root_;
    std::string socket_;
    pid_t pid_ = 0;
};

TEST_F(PrivateCups, QueuesComeFirstThenThePdfFilePrinter) {
    AddQueue("ShopA");
    AddQueue("ShopB");
    QtPrinter printer;
    auto names = printer.Printers();
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names.back(), "PDF file");
    EXPECT_NE(Index(printer, "ShopA"), -1);
    EXPECT_NE(Index(printer, "ShopB"), -1);
    printer.SetPrinterIndex(Index(printer, "ShopB"));
    EXPECT_EQ(printer.CurrentPrinterName(), "ShopB");
    printer.SetOrientation(Orientation::Portrait);
    EXPECT_GT(printer.PageWidth(), 200);
    EXPECT_GT(printer.PageHeight(), printer.PageWidth());
}

TEST_F(PrivateCups, AStoppedQueueIsAFailedPrintAndGetsNoJob) {
    AddQueue("Held");
    Run("cupsdisable", {"Held"});
    QtPrinter printer;
    printer.SetPrinterIndex(Index(printer, "Held"));
    // A stopped queue would hold the job for an unknown time: the sheet stays
    // with the caller, and nothing is left in the queue to print later.
    EXPECT_FALSE(PrintSheet(printer, "Line3.PCF", "PENDING"));
    EXPECT_EQ(printer.LastJobId(), 0);
    EXPECT_TRUE(printer.LastJobFailed());
    EXPECT_NE(printer.LastError().find("stoppet"), std::string::npos) << printer.LastError();
    EXPECT_FALSE(printer.Printing());
    Run("cupsenable", {"Held"});
    ASSERT_TRUE(PrintSheet(printer, "Line3.PCF", "PENDING")) << printer.LastError();
    EXPECT_GT(printer.LastJobId(), 0);
}

TEST_F(PrivateCups, AQueueThatRejectsJobsRefusesTheDocument) {
    AddQueue("Closed");
    Run("cupsreject", {"Closed"});
    QtPrinter printer;
    printer.SetPrinterIndex(Index(printer, "Closed"));
    EXPECT_FALSE(PrintSheet(printer, "Line4.PCF", "REFUSED"));
    EXPECT_EQ(printer.LastJobId(), 0);
    EXPECT_TRUE(printer.LastJobFailed());
    EXPECT_FALSE(printer.LastError().empty());
    EXPECT_FALSE(printer.Printing());
}

TEST_F(PrivateCups, AJobThatPrintsEndsWithoutFailure) {
    AddQueue("Open");
    QtPrinter printer;
    printer.SetPrinterIndex(Index(printer, "Open"));
    ASSERT_TRUE(PrintSheet(printer, "Line5.PCF", "DONE")) << printer.LastError();
    bool printing = true;
    for (int i = 0; i < 600 && printing; ++i) {
        printing = printer.Printing();
        if (printing)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_FALSE(printing);
    EXPECT_FALSE(printer.LastJobFailed()) << printer.LastError();
}

}  // namespace
