#include "app/program.h"

#include <filesystem>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/file_access.h"
#include "platform/hostinfo.h"
#include "preview/bender.h"
#include "preview/oppsett.h"
#include "preview/preview.h"
#include "spooler/vimoprnu.h"

Program::Program(PlatformServices services)
    : clock(services.clock),
      dialogs(services.dialogs),
      host(services.host),
      shell(services.shell),
      printer(services.printer),
      textfil(services.clock, services.dialogs),
      reg(*this),
      pcf(*this),
      xml(*this),
      melding(*this) {}

Program::~Program() = default;

namespace {

const char* const kIniVersion = "5.35";

}  // namespace

int Program::Start(const std::vector<std::string>& commandLine) {
    args = commandLine;
    std::string appdata = reg.AppData();
    std::string program = host.ProgramPath();
    textfil.Start(appdata + "/Solvanta/log/", program.empty() ? "vimoprn" : program);

    bool install = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        // A value argument is compared with the options in its own turn.
        std::string value = i + 1 < args.size() ? args[i + 1] : std::string();
        if (args[i] == "--debug") {
            textfil.LogActive = true;
            textfil.LogVerbose = true;
        } else if (args[i] == "-install") {
            textfil.LogActive = true;
            textfil.LogVerbose = true;
            install = true;
        } else if (args[i] == "-ip") {
            reg.IpOverride = value;
        } else if (args[i] == "--user") {
            reg.UserOverride = value;
        }
    }

    std::string etc = appdata + "/Solvanta/etc/";
    std::string folder = host.WorkingFolder();
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    std::error_code ec;
    if (!std::filesystem::is_regular_file(folder + "solvanta.ini", ec))
        folder = etc;
    if (!std::filesystem::is_directory(folder, ec)) {
        folder = etc;
        std::filesystem::create_directories(folder, ec);
    }
    reg.IniPath =
        std::filesystem::absolute(folder + "solvanta.ini", ec).lexically_normal().string();
    reg.IniFolder = std::filesystem::path(reg.IniPath).parent_path().string() + "/";
    bool existed = std::filesystem::exists(reg.IniPath, ec);

    reg.OpenIni(reg.IniPath);
    reg.SetIniSection("INI_SELF");
    std::string now = clock.DateTimeText();
    if (!existed) {
        reg.IniWriteString("CREATED_TIME", now);
        reg.IniWriteString("CREATED_NAME", reg.IniPath);
        reg.IniWriteString("CREATED_PROGRAM", program);
        reg.IniWriteString("CREATED_USER", reg.UserName());
        reg.IniWriteString("CREATED_INIVERSION", kIniVersion);
    }
    reg.IniWriteString("MODIFIED_TIME", now);
    reg.IniWriteString("MODIFIED_NAME", reg.IniPath);
    reg.IniWriteString("MODIFIED_PROGRAM", program);
    reg.IniWriteString("MODIFIED_USER", reg.UserName());
    reg.IniWriteString("MODIFIED_INIVERSION", kIniVersion);
    reg.ResetIniSection();

    reg.SetFolder("etc", reg.IniFolder);
    if (install || !std::filesystem::is_directory(appdata + "/Solvanta/data", ec))
        reg.CreateFolderTree();

    textfil.LogActive = reg.IniReadBool("LogToFile");
    if (reg.IniReadBool("ClearLogFileOnStartup"))
        textfil.ClearLog();
    textfil.LoadLogFile();
    if (reg.IniReadBool("DeleteTemporaryFiles"))
        reg.DeleteTemporaryFiles(reg.IniReadBool("DeleteSystemTemporaryFiles"));
    reg.LogFolderPath();
    if (!textfil.LogVerbose)
        textfil.LogVerbose = reg.IniReadBool("VerboseLogging") && textfil.LogActive;
    if (textfil.LogActive) {
        textfil.WriteLog("START: " + program);
        textfil.WriteLog("INIFIL: " + reg.IniPath);
        textfil.WriteLog("BRUKER: " + reg.UserName());
        if (textfil.LogVerbose)
            reg.LogLogin();
    }
    return 0;
}

void Program::End() {
    bool writable = HasWriteBit(reg.IniPath);
    bool crashed = false;
    if (writable)
        crashed = !reg.Ini().UpdateFile();
    if (crashed)
        textfil.WriteLog("INI-CRASH i QV_REG: " + reg.IniPath);
    if (textfil.LogVerbose) {
        if (!writable)
            textfil.WriteLog("ADVARSEL: " + reg.IniPath +
                             " er skrivebeskyttet og vil ikke bli lagret.");
        else
            textfil.WriteLog("Oppdaterer " + reg.IniPath);
        textfil.WriteLog("AVSLUTTER PROGRAM. " + std::to_string(textfil.ErrorCount) +
                         " feilmeldinger og " + std::to_string(textfil.WarningCount) +
                         " advarsler");
        if (textfil.HintCount > 0)
            textfil.WriteLog("Det ble gitt " + std::to_string(textfil.HintCount) +
                             " hint i programmet");
    }
    textfil.WriteLogFile();
}

void Program::RequestExit(int code) {
    exitRequested_ = true;
    exitCode_ = code;
    if (onExitRequest)
        onExitRequest(code);
}

int Program::CreateWindows() {
    form2 = std::make_unique<TForm2>(*this);
    preview = std::make_unique<TPreviewForm>(*this);
    int code = preview->HandleCommandLine(args);
    if (code != 0)
        return code;
    oppsett = std::make_unique<TOppsettForm>(*this);
    bendForm = std::make_unique<TBendForm>(*this);
    return 0;
}
