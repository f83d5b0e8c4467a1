#include "platform/posix_platform.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <locale>
#include <sstream>
#include <thread>

namespace {

std::string GetEnv(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::tm LocalNow() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

}  // namespace

std::string PosixClock::DateTimeText() {
    std::tm tm = LocalNow();
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &tm);
    return buf;
}

std::string PosixClock::ShortDateText() {
    std::tm tm = LocalNow();
    std::ostringstream out;
    try {
        // Only the time facet of the user's locale: numbers stay locale-free.
        out.imbue(std::locale(std::locale::classic(), std::locale(""), std::locale::time));
    } catch (const std::exception&) {
        out.imbue(std::locale::classic());
    }
    out << std::put_time(&tm, "%x");
    return out.str();
}

long long PosixClock::MonotonicMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void PosixClock::SleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::string PosixHostInfo::ComputerName() {
    char buf[256] = {};
    if (::gethostname(buf, sizeof buf - 1) != 0)
        return {};
    return buf;
}

std::string PosixHostInfo::DomainFromResolvConf(const std::string& text) {
    std::istringstream in(text);
    std::string line, domain, search;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string key, value;
        words >> key >> value;
        if (key == "domain" && domain.empty())
            domain = value;
        if (key == "search" && search.empty())
            search = value;
    }
    return !domain.empty() ? domain : search;
}

std::string PosixHostInfo::TcpipDomain() {
    char buf[256] = {};
    if (::getdomainname(buf, sizeof buf - 1) == 0) {
        std::string d = buf;
        if (!d.empty() && d != "(none)")
            return d;
    }
    return DomainFromResolvConf(ReadWholeFile("/etc/resolv.conf"));
}

std::vector<std::string> PosixHostInfo::InterfaceAddresses() {
    std::vector<std::string> out;
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0)
        return out;
    for (ifaddrs* a = list; a; a = a->ifa_next) {
        if (!a->ifa_addr || a->ifa_addr->sa_family != AF_INET)
            continue;
        if (a->ifa_flags & IFF_LOOPBACK)
            continue;
        char text[INET_ADDRSTRLEN] = {};
        auto* in = reinterpret_cast<sockaddr_in*>(a->ifa_addr);
        if (::inet_ntop(AF_INET, &in->sin_addr, text, sizeof text))
            out.emplace_back(text);
    }
    ::freeifaddrs(list);
    return out;
}

std::string PosixHostInfo::RequestRootFromCupsFiles(const std::string& text) {
    std::istringstream in(text);
    std::string line, root = "/var/spool/cups";
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string key, value;
        words >> key >> value;
        if (key == "RequestRoot" && !value.empty())
            root = value;
    }
    if (root.back() != '/')
        root += '/';
    return root;
}

std::string PosixHostInfo::PrinterSpoolFolder() {
    return RequestRootFromCupsFiles(ReadWholeFile("/etc/cups/cups-files.conf"));
}

std::string PosixHostInfo::LogonUserName() {
    if (passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_name && *pw->pw_name)
        return pw->pw_name;
    std::string user = GetEnv("USER");
    return user.empty() ? GetEnv("USERNAME") : user;
}

std::string PosixHostInfo::Env(const std::string& name) {
    if (name == "APPDATA") {
        std::string v = GetEnv("APPDATA");
        if (v.empty())
            v = GetEnv("XDG_DATA_HOME");
        if (v.empty())
            v = GetEnv("HOME") + "/.local/share";
        return v;
    }
    if (name == "TEMP") {
        std::string v = GetEnv("TEMP");
        return v.empty() ? GetEnv("TMPDIR") : v;
    }
    if (name == "USERNAME") {
        std::string v = GetEnv("USERNAME");
        return v.empty() ? GetEnv("USER") : v;
    }
    return GetEnv(name.c_str());
}

std::string PosixHostInfo::ProgramPath() {
    char buf[4096] = {};
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    return n > 0 ? std::string(buf, n) : std::string();
}

std::string PosixHostInfo::WorkingFolder() {
    char buf[4096] = {};
    if (!::getcwd(buf, sizeof buf - 1))
        return "./";
    std::string f = buf;
    if (f.back() != '/')
        f += '/';
    return f;
}

int PosixShell::Run(const std::vector<std::string>& argv) {
    if (argv.empty())
        return -1;
    pid_t pid = ::fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        std::vector<char*> args;
        for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool PosixShell::Print(const std::string& path, const std::string& printer) {
    std::vector<std::string> argv = {"lp"};
    // The built-in "PDF file" printer is no print queue.
    if (!printer.empty() && printer != "PDF file") {
        argv.push_back("-d");
        argv.push_back(printer);
    }
    // A name that begins with "-" must not be taken for an option.
    argv.push_back(!path.empty() && path[0] == '-' ? "./" + path : path);
    return Run(argv) == 0;
}

bool PosixShell::Open(const std::string& path) {
    // Detached: the viewer may run for as long as the user likes.
    pid_t pid = ::fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        if (::fork() == 0) {
            ::execlp("xdg-open", "xdg-open", path.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return true;
}

void UnattendedDialogs::MessageBox(const std::string& title, const std::string& text) {
    std::string line = title + ": " + text;
    if (report)
        report(line);
    else
        std::cerr << line << std::endl;
}
