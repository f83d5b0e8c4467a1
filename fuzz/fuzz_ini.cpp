// Configuration file: any bytes as "solvanta.ini". Every key of every section
// named in the file is read as text, integer and boolean, and the file written
// back must read the same.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "env/cp1252.h"
#include "env/qv_reg_ini.h"

namespace {

// The sections the program itself reads, and those the file names.
std::vector<std::string> SectionNames(const std::string& text) {
    std::vector<std::string> names = {"INI_SELF",
                                      "STANDARD",
                                      "FOLDERS",
                                      "PRINTSERVER",
                                      "TEKNISK",
                                      "Main",
                                      "VINDU-PrintSpoolerForm"};
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        std::size_t open = line.find('[');
        std::size_t close = line.rfind(']');
        if (open != std::string::npos && close != std::string::npos && close > open)
            names.push_back(line.substr(open + 1, close - open - 1));
    }
    return names;
}

struct Value {
    std::string section, key, text;
};

std::vector<Value> ReadAll(const IniFile& ini, const std::vector<std::string>& sections) {
    std::vector<Value> values;
    for (const auto& section : sections) {
        if (!ini.SectionExists(section))
            continue;
        for (const auto& key : ini.SectionKeys(section)) {
            if (!ini.ValueExists(section, key))
                std::abort();
            ini.ReadInteger(section, key, -1);
            ini.ReadBool(section, key, true);
            values.push_back({section, key, ini.ReadString(section, key, "")});
        }
    }
    return values;
}

// A folder of this fuzzing process for the one file, removed at exit.
struct Scratch {
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("vimo-fuzz-ini-" + std::to_string(::getpid()));
    std::string path;
    Scratch() {
        std::filesystem::create_directories(folder);
        path = (folder / "solvanta.ini").string();
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

const std::string& IniPath() {
    static const Scratch scratch;
    return scratch.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string& path = IniPath();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    IniFile ini(path);
    const auto sections = SectionNames(Cp1252ToUtf8(bytes));
    const auto before = ReadAll(ini, sections);
    int number = 0;
    for (const auto& v : before) IniFile::ParseInteger(v.text, number);

    if (!ini.UpdateFile())
        return 0;
    IniFile again(path);
    for (const auto& v : before) {
        if (again.ReadString(v.section, v.key, "\x01missing") != v.text) {
            std::fprintf(stderr, "written back, [%s] %s changed\n", v.section.c_str(),
                         v.key.c_str());
            std::abort();
        }
    }
    return 0;
}
