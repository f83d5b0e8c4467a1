#include "env/qv_reg.h"

#include "app/program.h"
#include "env/cp1252.h"
#include "platform/hostinfo.h"

QvReg::QvReg(Program& program) : program_(program), ini_(std::make_unique<IniFile>()) {}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

std::string FolderWithSlash(const std::string& folder) {
    std::string f = folder;
    for (char& ch : f)
        if (ch == '\\')
            ch = '/';
    if (!f.empty() && f.back() != '/')
        f += '/';
    return f;
}

void QvReg::OpenIni(const std::string& path) {
    ini_ = std::make_unique<IniFile>(path);
}

void QvReg::SetIniSection(const std::string& section) {
    CurrentSection = section;
}
void QvReg::ResetIniSection() {
    CurrentSection = "STANDARD";
}

std::string QvReg::IniReadString(const std::string& key) {
    return ini_->ReadString(CurrentSection, key, "");
}
int QvReg::IniReadInteger(const std::string& key) {
    return ini_->ReadInteger(CurrentSection, key, 0);
}
bool QvReg::IniReadBool(const std::string& key) {
    return ini_->ReadBool(CurrentSection, key, false);
}
void QvReg::IniWriteString(const std::string& key, const std::string& value) {
    ini_->WriteString(CurrentSection, key, value);
}
void QvReg::IniWriteInteger(const std::string& key, int value) {
    ini_->WriteInteger(CurrentSection, key, value);
}
void QvReg::IniWriteBool(const std::string& key, bool value) {
    ini_->WriteBool(CurrentSection, key, value);
}

void QvReg::OpenUserIni() {
    ini_->UpdateFile();
    ini_ = std::make_unique<IniFile>(IniFolder + UserName() + ".INI");
}

void QvReg::OpenMainIni() {
    ini_->UpdateFile();
    ini_ = std::make_unique<IniFile>(IniPath);
}

std::string QvReg::UserName() {
    if (!userNameAsked_) {
        userNameAsked_ = true;
        userNameCache_ = !UserOverride.empty() ? UserOverride : LogonUserName();
    }
    if (userNameCache_.empty())
        userNameCache_ = "BRUKER";
    return Utf8Upper(userNameCache_);
}

std::string QvReg::LogonUserName() {
    return program_.host.LogonUserName();
}
