#include "spooler/hot_folder.h"

#include <chrono>
#include <vector>

namespace fs = std::filesystem;

bool SettledFiles::Settled(const fs::path& path, long long nowMs, fs::file_time_type fileNow) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec)
        return false;
    const fs::file_time_type modified = fs::last_write_time(path, ec);
    if (ec)
        return false;

    if (seen_.size() > 512)
        ForgetVanished();
    auto it = seen_.find(path.string());
    if (it == seen_.end()) {
        seen_[path.string()] = Seen{size, modified, nowMs, false};
        return fileNow - modified >= std::chrono::milliseconds(kQuietMs);
    }
    Seen& seen = it->second;
    if (seen.size != size || seen.modified != modified) {
        seen = Seen{size, modified, nowMs, true};
        return false;
    }
    if (nowMs - seen.sinceMs >= kQuietMs)
        return true;
    // A change seen by us counts from when we saw it, whatever the file's time says.
    return !seen.changed && fileNow - modified >= std::chrono::milliseconds(kQuietMs);
}

void SettledFiles::Forget(const fs::path& path) {
    seen_.erase(path.string());
}

void SettledFiles::ForgetVanished() {
    std::vector<std::string> gone;
    for (const auto& [name, seen] : seen_) {
        std::error_code ec;
        if (!fs::exists(name, ec))
            gone.push_back(name);
    }
    for (const auto& name : gone) seen_.erase(name);
}
