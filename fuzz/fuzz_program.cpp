#include "fuzz/fuzz_program.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>

FuzzProgram::FuzzProgram() {
    root = std::filesystem::temp_directory_path() / ("vimo-fuzz-" + std::to_string(::getpid()));
    work = root / "work";
    std::filesystem::create_directories(root / "appdata");
    std::filesystem::create_directories(work);
    std::ofstream ini(work / "solvanta.ini", std::ios::binary | std::ios::trunc);
    ini << "[STANDARD]\r\nLogToFile=0\r\nDeleteTemporaryFiles=0\r\n";
    ini.close();
    host.env["APPDATA"] = (root / "appdata").string();
    host.env["USERNAME"] = "fuzz";
    host.workingFolder = work.string() + "/";
    host.programPath = (root / "bin" / "vimoprn").string();
}

FuzzProgram::~FuzzProgram() {
    program.reset();
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
}

Program& FuzzProgram::Fresh() {
    program.reset();
    dialogs.boxes.clear();
    printer.titles.clear();
    printer.pages.clear();
    shell.requests.clear();
    program = std::make_unique<Program>(PlatformServices{clock, dialogs, host, shell, printer});
    if (program->Start({}) != 0 || program->CreateWindows() != 0)
        std::abort();
    return *program;
}

std::string FuzzProgram::Write(const std::filesystem::path& path, const std::uint8_t* data,
                               std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path.string();
}

FuzzProgram& Harness() {
    // Removed at exit, so a fuzzing run leaves no temporary tree behind.
    static FuzzProgram harness;
    return harness;
}
