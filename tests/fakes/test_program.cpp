#include "tests/fakes/test_program.h"

#include <fstream>
#include <random>
#include <sstream>

TestProgram::TestProgram() {
    std::random_device rd;
    root = std::filesystem::temp_directory_path() /
           ("vimo-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    appdata = root / "appdata";
    work = root / "work";
    std::filesystem::create_directories(appdata);
    std::filesystem::create_directories(work);
    host.env["APPDATA"] = appdata.string();
    host.env["USERNAME"] = "operator";
    host.workingFolder = work.string() + "/";
    host.programPath = (root / "bin" / "vimoprn").string();
    Restart();
}

TestProgram::~TestProgram() {
    program.reset();
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
}

void TestProgram::Restart() {
    program.reset();
    program = std::make_unique<Program>(PlatformServices{clock, dialogs, host, shell, printer});
}

void TestProgram::WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string TestProgram::ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::filesystem::path TestProgram::Fixture(const std::string& name) {
    return std::filesystem::path(VIMO_FIXTURES_DIR) / name;
}
