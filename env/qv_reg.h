#pragma once
#include <memory>
#include <string>

#include "env/qv_reg_ini.h"

class Program;

// The configuration file "solvanta.ini" with its current-section helpers, the
// user name, the folder tree and the host information.
class QvReg {
  public:
    explicit QvReg(Program& program);

    // The one in-memory object on the main configuration file (replaced by the
    // per-user file between OpenUserIni and OpenMainIni).
    IniFile& Ini() { return *ini_; }
    const IniFile& Ini() const { return *ini_; }

    std::string IniPath;       // full path of "solvanta.ini"
    std::string IniFolder;     // its folder, ending in "/"
    std::string IpOverride;    // "-ip" value
    std::string UserOverride;  // "--user" value
    std::string CurrentSection = "STANDARD";

    // Opens IniFile on a path (start step 5).
    void OpenIni(const std::string& path);

    void SetIniSection(const std::string& section);
    void ResetIniSection();
    std::string IniReadString(const std::string& key);
    int IniReadInteger(const std::string& key);
    bool IniReadBool(const std::string& key);
    void IniWriteString(const std::string& key, const std::string& value);
    void IniWriteInteger(const std::string& key, int value);
    void IniWriteBool(const std::string& key, bool value);
    void OpenUserIni();
    void OpenMainIni();

    std::string UserName();
    std::string LogonUserName();

    // Folder tree: every path ends in "/".
    std::string BaseFolder();  // APPDATA + "/Solvanta/"
    std::string AppData();     // the "APPDATA" folder, without a trailing "/"
    std::string solvantapath(const std::string& name);
    void SetFolder(const std::string& name, const std::string& path);
    void mkdirsafe(const std::string& path);
    void CreateFolderTree();
    std::string LogFolderPath();
    std::string BinFolderPath();
    void DeleteFolder(const std::string& path);
    void DeleteTemporaryFiles(bool includeSystem);
    std::string ChooseFolder(const std::string& initial);

    // Host information.
    std::string ComputerName();
    std::string DomainName();
    std::string IpAddress();
    std::string PrinterSpoolFolder();
    void LogLogin();

  private:
    Program& program_;
    std::unique_ptr<IniFile> ini_;
    std::string userNameCache_;
    bool userNameAsked_ = false;
};

// Joins a folder text and a file name, inserting "/" when the folder text does
// not end in one (an empty folder text gives the name).
std::string JoinPath(const std::string& folder, const std::string& name);
// A folder text with "\" turned into "/" and one "/" at its end.
std::string FolderWithSlash(const std::string& folder);
