#include "env/qv_reg.h"

#include "app/program.h"
#include "platform/hostinfo.h"

QvReg::QvReg(Program& program) : program_(program), ini_(std::make_unique<IniFile>()) {}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

std::string QvReg::ComputerName() { return program_.host.ComputerName(); }
