#pragma once
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/hostinfo.h"
#include "platform/printer.h"
#include "platform/shell.h"
#include "tests/fakes/recording_canvas.h"

// A clock that stands still unless a test moves it.
class FakeClock : public Clock {
  public:
    std::string now = "2026-12-10 12:00:00";
    std::string shortDate = "10.12.2026";
    long long ms = 0;
    std::string DateTimeText() override { return now; }
    std::string ShortDateText() override { return shortDate; }
    long long MonotonicMs() override { return ms; }
    void SleepMs(int delay) override { ms += delay; }
};

// Dialogs that record what they were asked and answer as told.
class FakeDialogs : public Dialogs {
  public:
    struct Box {
        std::string title, text;
    };
    std::vector<Box> boxes;
    std::optional<std::string> folderAnswer;  // nullopt = cancelled
    std::vector<std::string> folderTitles;
    int beeps = 0;
    bool printDialogAnswer = true;
    int printDialogs = 0;
    int printerSetups = 0;
    int benderChoosers = 0;
    // What the chooser does: called with the form; returns the OK result.
    std::function<bool(TBendForm&)> onBenderChooser;

    void MessageBox(const std::string& title, const std::string& text) override {
        boxes.push_back({title, text});
    }
    std::optional<std::string> ChooseFolder(const std::string& title, const std::string&) override {
        folderTitles.push_back(title);
        return folderAnswer;
    }
    void Beep() override { ++beeps; }
    bool PrintDialog(Printer&) override {
        ++printDialogs;
        return printDialogAnswer;
    }
    void PrinterSetup(Printer&) override { ++printerSetups; }
    bool ShowBenderChooser(TBendForm& form) override {
        ++benderChoosers;
        return onBenderChooser ? onBenderChooser(form) : false;
    }
    bool Unattended() const override { return false; }
};

class FakeHostInfo : public HostInfo {
  public:
    std::string computer = "PIPESHOP1";
    std::string tcpipDomain, dhcpDomain;
    std::vector<std::string> addresses;
    std::string spoolFolder = "/var/spool/cups/";
    std::string logonUser = "operator";
    std::map<std::string, std::string> env;
    std::string programPath = "/opt/vimo/bin/vimoprn";

    std::string ComputerName() override { return computer; }
    std::string TcpipDomain() override { return tcpipDomain; }
    std::string DhcpDomain() override { return dhcpDomain; }
    std::vector<std::string> InterfaceAddresses() override { return addresses; }
    std::string PrinterSpoolFolder() override { return spoolFolder; }
    std::string LogonUserName() override { return logonUser; }
    std::string Env(const std::string& name) override {
        auto it = env.find(name);
        return it == env.end() ? std::string() : it->second;
    }
    std::string ProgramPath() override { return programPath; }
    std::string workingFolder = "/tmp/";
    std::string WorkingFolder() override { return workingFolder; }
};

class FakeShell : public Shell {
  public:
    struct Request {
        std::string verb, path, printer;
    };
    std::vector<Request> requests;
    bool accept = true;
    bool Print(const std::string& path, const std::string& printer) override {
        requests.push_back({"print", path, printer});
        return accept;
    }
    bool Open(const std::string& path) override {
        requests.push_back({"open", path, ""});
        return accept;
    }
};

// A printer whose pages are recording canvases.
class FakePrinter : public Printer {
  public:
    std::vector<std::string> names = {"Shop printer", "PDF file"};
    int index = 0;
    Orientation orientation = Orientation::Portrait;
    int portraitWidth = 4760, portraitHeight = 6814;  // 23 pixels per millimetre
    bool canBegin = true;
    bool endOk = true;
    int printingPolls = 0;  // Printing() answers true this many times
    bool jobFailed = false;
    std::vector<std::string> titles;  // one per document begun
    std::vector<std::unique_ptr<RecordingCanvas>> pages;
    bool inDocument = false;

    std::vector<std::string> Printers() override { return names; }
    int PrinterIndex() const override { return index; }
    void SetPrinterIndex(int i) override { index = i; }
    void SetOrientation(Orientation o) override { orientation = o; }
    int PageWidth() override {
        return orientation == Orientation::Portrait ? portraitWidth : portraitHeight;
    }
    int PageHeight() override {
        return orientation == Orientation::Portrait ? portraitHeight : portraitWidth;
    }
    bool BeginDoc(const std::string& title) override {
        if (!canBegin)
            return false;
        titles.push_back(title);
        pages.push_back(std::make_unique<RecordingCanvas>());
        inDocument = true;
        return true;
    }
    Canvas& PageCanvas() override {
        if (pages.empty())
            pages.push_back(std::make_unique<RecordingCanvas>());
        return *pages.back();
    }
    bool EndDoc() override {
        inDocument = false;
        return endOk;
    }
    bool Printing() override {
        if (printingPolls > 0) {
            --printingPolls;
            return true;
        }
        return false;
    }
    bool LastJobFailed() override { return jobFailed; }
    std::string LastError() const override { return jobFailed || !endOk ? "refused" : ""; }
};
