#pragma once
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "preview/bender.h"
#include "preview/oppsett.h"
#include "preview/preview.h"
#include "spooler/vimoprnu.h"
#include "tests/fakes/fake_placement.h"
#include "tests/fakes/test_program.h"

namespace fs = std::filesystem;

// A spooler window without a display: records what it is asked to do and can
// act while a cycle runs (as a close or an error arriving mid-cycle would).
class FakeSpoolerView : public FakePlacement<SpoolerView> {
  public:
    int refreshes = 0;
    std::vector<std::string> repaintedStatus;
    std::vector<std::array<Rgb, kLampCount>> repaintedLamps;
    std::vector<int> timers;
    int closes = 0;
    TForm2* form = nullptr;
    std::function<void(const std::string&)> onRepaint;

    void Refresh() override { ++refreshes; }
    void RepaintNow() override {
        repaintedStatus.push_back(form->StatusLabel);
        repaintedLamps.push_back(form->Lamps);
        if (onRepaint)
            onRepaint(form->StatusLabel);
    }
    void ApplyTimer(int intervalMs) override { timers.push_back(intervalMs); }
    void CloseWindow() override { ++closes; }
};

// A program with its windows, a spool, an archive and a log folder of its own.
class SpoolTest : public ::testing::Test {
  protected:
    void SetUp() override {
        spool = t.root / "spool";
        archive = t.root / "archive";
        logs = t.root / "log";
        for (const auto& dir : {spool, archive, logs}) fs::create_directories(dir);
        MakeWindows();
    }

    // Fresh windows on the current program (after a restart too).
    void MakeWindows() {
        Program& p = t.p();
        p.reg.IniPath = (t.work / "solvanta.ini").string();
        p.reg.IniFolder = t.work.string() + "/";
        p.reg.OpenIni(p.reg.IniPath);
        p.form2 = std::make_unique<TForm2>(p);
        p.preview = std::make_unique<TPreviewForm>(p);
        p.oppsett = std::make_unique<TOppsettForm>(p);
        p.bendForm = std::make_unique<TBendForm>(p);
        F().SpoolFolder = spool.string() + "/";
        F().ArcFolder = archive.string() + "/";
        F().LogFolder = logs.string() + "/";
        F().ErrStop = true;
        // Every job file counts as written long ago unless a test says otherwise.
        F().FileTimeNow = [] { return fs::file_time_type::clock::now() + std::chrono::hours(1); };
        view.form = &F();
    }

    TForm2& F() { return *t.p().form2; }

    void Job(const std::string& name, const std::string& content = "job\r\n") {
        TestProgram::WriteFile(spool / name, content);
    }

    // The spooler log's texts without their date and time.
    std::vector<std::string> LogTexts() {
        std::vector<std::string> texts;
        const std::string content = TestProgram::ReadFile(logs / "vimoprn.log");
        std::size_t start = 0;
        while (start < content.size()) {
            std::size_t end = content.find("\r\n", start);
            if (end == std::string::npos)
                end = content.size();
            const std::string line = content.substr(start, end - start);
            texts.push_back(line.size() > 20 ? line.substr(20) : line);
            start = end + 2;
        }
        return texts;
    }

    static std::vector<std::string> Names(const fs::path& folder) {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(folder, ec))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string SpoolPath(const std::string& name) { return spool.string() + "/" + name; }
    std::string ArchivePath(const std::string& name) { return archive.string() + "/" + name; }

    TestProgram t;
    fs::path spool, archive, logs;
    FakeSpoolerView view;
};
