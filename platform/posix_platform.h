#pragma once
#include <functional>
#include <string>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/hostinfo.h"
#include "platform/shell.h"

class PosixClock : public Clock {
  public:
    std::string DateTimeText() override;
    std::string ShortDateText() override;
    long long MonotonicMs() override;
    void SleepMs(int ms) override;
};

class PosixHostInfo : public HostInfo {
  public:
    std::string ComputerName() override;
    std::string TcpipDomain() override;
    std::string DhcpDomain() override { return {}; }
    std::vector<std::string> InterfaceAddresses() override;
    std::string PrinterSpoolFolder() override;
    std::string LogonUserName() override;
    // "APPDATA", "TEMP", "WINDIR" and "USERNAME" are mapped to their Linux
    // counterparts; any other name is read as it is.
    std::string Env(const std::string& name) override;
    std::string ProgramPath() override;
    std::string WorkingFolder() override;

    // Reads the "domain" or first "search" entry of a resolver file.
    static std::string DomainFromResolvConf(const std::string& text);
    // Reads "RequestRoot" from a cups-files.conf text; the default when absent.
    static std::string RequestRootFromCupsFiles(const std::string& text);
};

// "print" runs lp, "open" runs xdg-open; both with an argument vector.
class PosixShell : public Shell {
  public:
    bool Print(const std::string& path, const std::string& printer) override;
    bool Open(const std::string& path) override;
    // Runs a program with arguments and waits for it; returns its exit status
    // (-1 when it could not be started).
    static int Run(const std::vector<std::string>& argv);
};

// The answers of an unattended run: every box becomes a line for the log and
// is answered OK at once; nothing waits for a person.
class UnattendedDialogs : public Dialogs {
  public:
    // Where the boxes' texts go (the program log, standard error).
    std::function<void(const std::string&)> report;

    void MessageBox(const std::string& title, const std::string& text) override;
    std::optional<std::string> ChooseFolder(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    void Beep() override {}
    bool PrintDialog(Printer&) override { return true; }
    void PrinterSetup(Printer&) override {}
    bool ShowBenderChooser(TBendForm&) override { return false; }
    bool Unattended() const override { return true; }
};
