#pragma once
#include <filesystem>
#include <memory>
#include <string>

#include "app/program.h"
#include "tests/fakes/fake_platform.h"

// A fresh program on fake platform services, with its own temporary APPDATA
// and working folder, removed again at the end of the test.
class TestProgram {
  public:
    TestProgram();
    ~TestProgram();

    FakeClock clock;
    FakeDialogs dialogs;
    FakeHostInfo host;
    FakeShell shell;
    FakePrinter printer;

    std::filesystem::path root;     // the temporary folder
    std::filesystem::path appdata;  // root/appdata
    std::filesystem::path work;     // root/work (the working folder)
    std::unique_ptr<Program> program;

    Program& p() { return *program; }
    // Builds a new program on the same folders and fakes (a "second start").
    void Restart();

    static void WriteFile(const std::filesystem::path& path, const std::string& bytes);
    static std::string ReadFile(const std::filesystem::path& path);
    // A fixture file of tests/fixtures.
    static std::filesystem::path Fixture(const std::string& name);
};
