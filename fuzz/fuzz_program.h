#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "app/program.h"
#include "tests/fakes/fake_platform.h"

// A program on the fakes of tests/fakes for one fuzz input at a time: one
// temporary folder tree per fuzzing process, and a fresh Program for every
// input so that a finding does not depend on the inputs before it.
//
// The configuration file is ours and fixed: a fuzzed configuration could name
// any folder of the machine as its temporary folder and have it emptied at
// start, so configuration input is fuzzed on IniFile alone.
class FuzzProgram {
  public:
    FuzzProgram();
    ~FuzzProgram();
    FuzzProgram(const FuzzProgram&) = delete;
    FuzzProgram& operator=(const FuzzProgram&) = delete;

    // A new program, started and with its windows created, as a spooler has
    // them; the dialogs and printer records of the last input are cleared.
    Program& Fresh();

    // Writes the input bytes to the path and returns the path.
    static std::string Write(const std::filesystem::path& path, const std::uint8_t* data,
                             std::size_t size);

    std::filesystem::path root;
    std::filesystem::path work;  // the working folder, with our solvanta.ini

    FakeClock clock;
    FakeDialogs dialogs;
    FakeHostInfo host;
    FakeShell shell;
    FakePrinter printer;
    std::unique_ptr<Program> program;
};

// The one harness of a fuzzing process (libFuzzer calls the target repeatedly).
FuzzProgram& Harness();
