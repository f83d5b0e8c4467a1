#pragma once
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>

#include "preview/bender.h"
#include "preview/oppsett.h"
#include "preview/preview.h"
#include "tests/fakes/test_program.h"

// The windows that loading works with, made on a test program, and helpers to
// put fixtures where the program looks for them.
inline void MakeLoadWindows(TestProgram& t) {
    Program& p = t.p();
    if (!p.oppsett)
        p.oppsett = std::make_unique<TOppsettForm>(p);
    if (!p.bendForm)
        p.bendForm = std::make_unique<TBendForm>(p);
    if (!p.preview)
        p.preview = std::make_unique<TPreviewForm>(p);
}

// Copies a fixture catalogue to the settings' BendersFile.
inline void InstallCatalogue(TestProgram& t, const std::string& fixture) {
    TestProgram::WriteFile(t.p().oppsett->BendersFile,
                           TestProgram::ReadFile(TestProgram::Fixture(fixture)));
}

// Writes bytes to a file in the working folder and returns its path.
inline std::string WorkFile(TestProgram& t, const std::string& name, const std::string& bytes) {
    std::filesystem::path path = t.work / name;
    TestProgram::WriteFile(path, bytes);
    return path.string();
}

// Lines joined with CR LF, as the files of the system are written.
inline std::string CrLf(std::initializer_list<std::string> lines) {
    std::string out;
    for (const auto& line : lines) out += line + "\r\n";
    return out;
}
