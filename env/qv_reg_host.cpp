#include "app/program.h"
#include "env/qv_reg.h"
#include "platform/hostinfo.h"

std::string QvReg::ComputerName() {
    return program_.host.ComputerName();
}

std::string QvReg::DomainName() {
    std::string domain = program_.host.TcpipDomain();
    return domain.empty() ? program_.host.DhcpDomain() : domain;
}

std::string QvReg::IpAddress() {
    if (!IpOverride.empty())
        return IpOverride;
    if (DomainName().empty())
        return "";
    for (const auto& address : program_.host.InterfaceAddresses())
        if (!address.empty() && address != "0.0.0.0")
            return address;
    return "0.0.0.0";
}

std::string QvReg::PrinterSpoolFolder() {
    return program_.host.PrinterSpoolFolder();
}

void QvReg::LogLogin() {
    program_.textfil.WriteLog("LOGIN: " + LogonUserName() + "  node: " + ComputerName() + "." +
                              DomainName() + " IP:" + IpAddress());
}
