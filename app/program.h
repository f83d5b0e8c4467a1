#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "env/meldinger.h"
#include "env/qv_reg.h"
#include "env/textfil.h"
#include "pcf/pcfdebug.h"
#include "pcf/tessapi.h"
#include "preview/xmldata.h"

class Clock;
class Dialogs;
class HostInfo;
class Shell;
class Printer;
class TForm2;
class TPreviewForm;
class TOppsettForm;
class TBendForm;

// The services of the host that the program uses, provided by the caller
// (POSIX and Qt in the program, fakes in the tests).
struct PlatformServices {
    Clock& clock;
    Dialogs& dialogs;
    HostInfo& host;
    Shell& shell;
    Printer& printer;
};

// The one object that owns all program-wide state: the text-file layer, the
// configuration file, the converter, the pipe-size tables, the XML reader and
// the five windows. Every test builds a fresh one.
class Program {
  public:
    explicit Program(PlatformServices services);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Clock& clock;
    Dialogs& dialogs;
    HostInfo& host;
    Shell& shell;
    Printer& printer;

    TextFileLayer textfil;
    QvReg reg;
    PipeSizeTables sizes;
    PcfConverter pcf;
    XmlReader xml;
    TMeldingForm melding;

    // Decimals of lengths and the message-log switch, set from the user settings.
    int LengthDecimals = 1;
    bool LogMessages = false;

    // The command line without the program name.
    std::vector<std::string> args;

    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TPreviewForm> preview;
    std::unique_ptr<TOppsettForm> oppsett;
    std::unique_ptr<TBendForm> bendForm;

    // Start steps up to the creation of the windows. Returns 0, or an exit code
    // to stop with at once (the end steps still run).
    int Start(const std::vector<std::string>& commandLine);
    // Creates the five windows in their order. The preview window's creation
    // handles a sheet named on the command line; a failed conversion there
    // makes this return its error number.
    int CreateWindows();
    // The end steps: configuration file written back, closing summary, log file.
    void End();

    // Asks the program to stop with this exit code as soon as the current
    // event returns (a conversion failure in a spool cycle).
    void RequestExit(int code);
    bool ExitRequested() const { return exitRequested_; }
    int ExitCode() const { return exitCode_; }
    // Called by RequestExit; the GUI layer ends its loop here.
    std::function<void(int)> onExitRequest;

  private:
    bool exitRequested_ = false;
    int exitCode_ = 0;
};
