#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <filesystem>

#include "app/program.h"
#include "env/cp1252.h"
#include "env/qv_reg.h"
#include "platform/dialogs.h"
#include "platform/hostinfo.h"

namespace fs = std::filesystem;

namespace {

// The folder tree under the product's base folder, in the order of creation.
constexpr std::array<const char*, 24> kTree = {"archive",
                                               "backup",
                                               "data",
                                               "data\\tessmark",
                                               "data\\orlen",
                                               "data\\qd3",
                                               "data\\docs",
                                               "data\\wex",
                                               "etc",
                                               "export",
                                               "export\\xml",
                                               "export\\pdf",
                                               "export\\csv",
                                               "export\\html",
                                               "export\\html\\varer",
                                               "import",
                                               "images",
                                               "spool",
                                               "tmp",
                                               "xml",
                                               "log",
                                               "maler",
                                               "maler\\docs",
                                               "maler\\qd3"};

// A folder name of the tree ("data\docs") as a relative path ("data/docs").
std::string NameAsPath(const std::string& name) {
    std::string p = name;
    for (char& ch : p)
        if (ch == '\\')
            ch = '/';
    return p;
}

bool IsFolder(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

}  // namespace

std::string QvReg::AppData() {
    std::string a = program_.host.Env("APPDATA");
    while (a.size() > 1 && a.back() == '/') a.pop_back();
    return a;
}

std::string QvReg::BaseFolder() {
    return AppData() + "/Solvanta/";
}

void QvReg::SetFolder(const std::string& name, const std::string& path) {
    std::string value = path;
    if (!value.empty() && value.back() != '/')
        value += '/';
    ini_->WriteString("FOLDERS", name + "_folder", value);
}

std::string QvReg::solvantapath(const std::string& name) {
    std::string base = BaseFolder();
    if (name.empty())
        return base;
    std::string path = ini_->ReadString("FOLDERS", name + "_folder", "");
    for (char& ch : path)
        if (ch == '\\')
            ch = '/';
    if (path.empty())
        path = base + NameAsPath(name) + "/";
    if (!IsFolder(path) && name != "bin" && path.find(base) != std::string::npos) {
        program_.textfil.WriteLog("qv_reg.solvantapath(" + name + "): Lager mappen " + path);
        std::error_code ec;
        fs::create_directories(path, ec);
    }
    if (path.back() != '/')
        path += '/';
    SetFolder(name, path);
    ini_->UpdateFile();
    return path;
}

void QvReg::mkdirsafe(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) != 0) {
        program_.textfil.WriteLog("FEIL: [mkdirsafe:" + std::to_string(errno) +
                                  "] kan ikke opprette mappen " + path);
    } else {
        program_.textfil.WriteLog("Oppretter mappen " + path);
    }
}

void QvReg::CreateFolderTree() {
    fs::path doc = fs::path(BinFolderPath() + "../doc").lexically_normal();
    SetFolder("doc", doc.string());
    std::string base = BaseFolder();
    std::error_code ec;
    if (!IsFolder(base))
        fs::create_directories(base, ec);
    for (const char* name : kTree) {
        mkdirsafe(base + NameAsPath(name));
        SetFolder(name, base + NameAsPath(name));
    }
}

std::string QvReg::BinFolderPath() {
    std::string folder = fs::path(program_.host.ProgramPath()).parent_path().string();
    SetFolder("bin", folder + "/");
    return solvantapath("bin");
}

std::string QvReg::LogFolderPath() {
    std::string path = solvantapath("log");
    if (!IsFolder(path)) {
        SetFolder("log", BaseFolder() + "log/");
        std::error_code ec;
        fs::create_directories(solvantapath("log"), ec);
    }
    return solvantapath("log");
}

namespace {

// Empties one folder; `isRoot` keeps the folder itself. A symbolic link is
// removed as an entry and never followed, so nothing outside the folder is touched.
void EmptyFolder(TextFileLayer& log, const std::string& folder, bool isRoot) {
    if (log.LogVerbose)
        log.WriteLog("Sletter mappen " + folder);
    std::error_code ec;
    std::vector<fs::directory_entry> entries;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        entries.push_back(*it);
    for (const auto& entry : entries) {
        std::string name = entry.path().filename().string();
        fs::file_status st = fs::symlink_status(entry.path(), ec);
        if (fs::is_directory(st)) {
            EmptyFolder(log, folder + name + "/", false);
            continue;
        }
        if (!fs::is_symlink(st) && (st.permissions() & fs::perms::owner_write) == fs::perms::none)
            fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ec);
        if (log.LogVerbose)
            log.WriteLog("Sletter " + folder + name);
        if (!fs::remove(entry.path(), ec) || ec)
            log.WriteLog("FEIL: kan ikke slette filen " + folder + name);
    }
    if (!isRoot) {
        if (!fs::remove(folder, ec) || ec)
            log.WriteLog("FEIL: kan ikke slette mappen " + folder);
    }
}

}  // namespace

void QvReg::DeleteFolder(const std::string& path) {
    std::string folder = path;
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    // A guard against emptying a file-system root or a folder just below it.
    if (Utf8Length(folder) < 7 || !IsFolder(folder))
        return;
    EmptyFolder(program_.textfil, folder, true);
}

void QvReg::DeleteTemporaryFiles(bool includeSystem) {
    program_.textfil.WriteLog("Sletter midlertidige filer opprettet av Solvanta programmer");
    std::string p = solvantapath("tmp");
    if (Utf8Length(p) > 3 && Utf8Upper(p).find("TMP") != std::string::npos)
        DeleteFolder(p);
    if (!includeSystem)
        return;
    p = program_.host.Env("TEMP") + "/";
    if (Utf8Length(p) > 3 && Utf8Upper(p).find("TEMP") != std::string::npos) {
        program_.textfil.WriteLog("Sletter midlertidige filer i Windows");
        DeleteFolder(p);
        DeleteFolder(program_.host.Env("WINDIR") + "/temp/");
    }
    p = PrinterSpoolFolder();
    if (Utf8Upper(p).find("SPOOL") != std::string::npos) {
        program_.textfil.WriteLog("Sletter skriverkøer");
        DeleteFolder(p);
    }
}

std::string QvReg::ChooseFolder(const std::string& initial) {
    auto chosen = program_.dialogs.ChooseFolder("Valg mappe", initial);
    std::string result = chosen ? *chosen : initial;
    if (result.empty() || result.back() != '/')
        result += '/';
    return result;
}
