#include "platform/file_access.h"

#include <filesystem>

namespace fs = std::filesystem;

bool HasWriteBit(const std::string& path) {
    std::error_code ec;
    fs::file_status st = fs::status(path, ec);
    if (ec || !fs::exists(st))
        return false;
    auto bits = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (st.permissions() & bits) != fs::perms::none;
}

std::string ParentFolder(const std::string& path) {
    fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

bool MayWriteFile(const std::string& path) {
    std::error_code ec;
    if (fs::exists(path, ec) && !HasWriteBit(path))
        return false;
    std::string folder = ParentFolder(path);
    return !fs::exists(folder, ec) || HasWriteBit(folder);
}
