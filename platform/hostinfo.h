#pragma once
#include <string>
#include <vector>

// Facts about the machine (what the registry told on the original platform).
class HostInfo {
  public:
    virtual ~HostInfo() = default;
    virtual std::string ComputerName() = 0;
    virtual std::string TcpipDomain() = 0;
    virtual std::string DhcpDomain() = 0;
    // IPv4 addresses of the interfaces, loopback left out, in the order listed.
    virtual std::vector<std::string> InterfaceAddresses() = 0;
    virtual std::string PrinterSpoolFolder() = 0;
    virtual std::string LogonUserName() = 0;
    // Environment variable; empty when unset.
    virtual std::string Env(const std::string& name) = 0;
    // Full path of the running program.
    virtual std::string ProgramPath() = 0;
    // The process's current working folder, ending in "/".
    virtual std::string WorkingFolder() = 0;
};
