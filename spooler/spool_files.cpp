#include "spooler/spool_files.h"

#include "platform/file_access.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string LowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace

std::vector<std::string> FindFilesWithExtension(const std::string& folder,
                                                const std::string& extension) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder, ec), end;
    const std::string wanted = "." + LowerAscii(extension);
    for (; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        const std::string name = it->path().filename().string();
        if (name.size() <= wanted.size())
            continue;
        if (LowerAscii(name.substr(name.size() - wanted.size())) == wanted)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool FolderExists(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool DeleteJobFile(const std::string& path) {
    std::error_code ec;
    if (FileExists(path) && !HasWriteBit(ParentFolder(path)))
        return false;
    fs::remove(path, ec);
    return !FileExists(path);
}

bool MoveFileTo(const std::string& source, const std::string& target) {
    std::error_code ec;
    // A read-only spool or archive folder takes no move, even for the superuser.
    if (!HasWriteBit(ParentFolder(source)) || !MayWriteFile(target))
        return false;
    fs::rename(source, target, ec);
    if (!ec)
        return true;
    if (ec != std::errc::cross_device_link)
        return false;
    if (!fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec))
        return false;
    if (!fs::remove(source, ec)) {
        // Never leave the file in both places: the source stays the job.
        fs::remove(target, ec);
        return false;
    }
    return true;
}

long long FreeSpace(const std::string& path) {
    std::error_code ec;
    const fs::space_info info = fs::space(path, ec);
    if (ec)
        return -1;
    return static_cast<long long>(info.available);
}

std::string BareFileName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WithExtension(const std::string& name, const std::string& extension) {
    const auto dot = name.find_last_of('.');
    return (dot == std::string::npos ? name : name.substr(0, dot)) + extension;
}
