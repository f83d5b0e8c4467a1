// Converts a generated PCF of 100 000 components and prints the time per
// component. Usage: bench_convert_bench [components]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "app/program.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/hostinfo.h"
#include "platform/printer.h"
#include "platform/shell.h"

namespace {

// A pipeline that climbs along z: pipe, weld, elbow, weld, flange, ... with
// tags and attribute lines as design systems write them.
void WritePcf(const std::filesystem::path& path, int components) {
    std::ofstream out(path, std::ios::binary);
    out << "ISOGEN-FILES ISOGEN.FLS\r\nUNITS-BORE MM\r\nPIPELINE-REFERENCE BENCH-1\r\n"
           "PIPING-SPEC A1\r\nHEADER END\r\n";
    double z = 0;
    for (int i = 0; i < components; ++i) {
        switch (i % 5) {
            case 0:
            case 4: {
                out << (i % 5 == 0 ? "PIPE" : "FLANGE") << "\r\n";
                out << "    END-POINT 0 0 " << z << " 50\r\n";
                z += 1000;
                out << "    END-POINT 0 0 " << z << " 50\r\n";
                out << "    ITEM-CODE P" << i << "\r\n    TAG-NO T-" << i << "\r\n";
                break;
            }
            case 1:
            case 3:
                out << "WELD\r\n    END-POINT 0 0 " << z << " 50\r\n";
                z += 3;
                out << "    END-POINT 0 0 " << z << " 50\r\n";
                break;
            case 2:
                out << "ELBOW\r\n    END-POINT 0 0 " << z << " 50\r\n";
                out << "    END-POINT 0 -76 " << z + 76 << " 50\r\n";
                out << "    CENTRE-POINT 0 0 " << z + 76 << " 50\r\n    ANGLE 9000\r\n";
                z += 76;
                break;
        }
    }
    out << "MATERIALS\r\nITEM-CODE P0\r\n    DESCRIPTION PIPE\r\n";
}

// Host services for a run without a person, a printer or a log: the
// conversion needs only the clock and the boxes.
class BenchClock : public Clock {
  public:
    std::string DateTimeText() override { return "10.12.2026 12:00:00"; }
    std::string ShortDateText() override { return "10.12.2026"; }
    long long MonotonicMs() override { return 0; }
    void SleepMs(int) override {}
};

class BenchDialogs : public Dialogs {
  public:
    void MessageBox(const std::string& title, const std::string& text) override {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    }
    std::optional<std::string> ChooseFolder(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    void Beep() override {}
    bool PrintDialog(Printer&) override { return false; }
    void PrinterSetup(Printer&) override {}
    bool ShowBenderChooser(TBendForm&) override { return false; }
    bool Unattended() const override { return true; }
};

class BenchHost : public HostInfo {
  public:
    explicit BenchHost(std::string folder) : folder_(std::move(folder)) {}
    std::string ComputerName() override { return "bench"; }
    std::string TcpipDomain() override { return {}; }
    std::string DhcpDomain() override { return {}; }
    std::vector<std::string> InterfaceAddresses() override { return {}; }
    std::string PrinterSpoolFolder() override { return folder_; }
    std::string LogonUserName() override { return "bench"; }
    std::string Env(const std::string& name) override {
        return name == "APPDATA" || name == "TEMP" ? folder_ : std::string();
    }
    std::string ProgramPath() override { return folder_ + "vimoprn"; }
    std::string WorkingFolder() override { return folder_; }

  private:
    std::string folder_;
};

class BenchShell : public Shell {
  public:
    bool Print(const std::string&, const std::string&) override { return false; }
    bool Open(const std::string&) override { return false; }
};

class BenchPrinter : public Printer {
  public:
    std::vector<std::string> Printers() override { return {}; }
    int PrinterIndex() const override { return -1; }
    void SetPrinterIndex(int) override {}
    void SetOrientation(Orientation) override {}
    int PageWidth() override { return 0; }
    int PageHeight() override { return 0; }
    bool BeginDoc(const std::string&) override { return false; }
    Canvas& PageCanvas() override { std::abort(); }  // nothing is printed here
    bool EndDoc() override { return false; }
    bool Printing() override { return false; }
    bool LastJobFailed() override { return false; }
    std::string LastError() const override { return {}; }
};

}  // namespace

int main(int argc, char** argv) {
    int components = argc > 1 ? std::atoi(argv[1]) : 100000;
    std::random_device rd;
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("vimo-convert-bench-" + std::to_string(rd()));
    std::filesystem::create_directories(folder);
    std::filesystem::path pcf = folder / "bench.pcf";
    std::filesystem::path ppv = folder / "bench.ppv";
    WritePcf(pcf, components);

    BenchClock clock;
    BenchDialogs dialogs;
    BenchHost host(folder.string() + "/");
    BenchShell shell;
    BenchPrinter printer;
    Program program(PlatformServices{clock, dialogs, host, shell, printer});
    program.reg.Ini().WriteString("TEKNISK", "Avrunding_Lengde", "1");
    auto start = std::chrono::steady_clock::now();
    program.pcf.ConvertPcf(pcf.string(), ppv.string());
    auto stop = std::chrono::steady_clock::now();
    double seconds = std::chrono::duration<double>(stop - start).count();

    std::printf("components: %d\nFeilNr: %d\ntotal: %.3f s\nper component: %.3f us\n", components,
                program.textfil.FeilNr, seconds, seconds * 1e6 / components);
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    return program.textfil.FeilNr;
}
