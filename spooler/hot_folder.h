#pragma once
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

// Tells whether a job file in the spool folder has stopped changing, so that a
// file the design system is still writing is left for a later tick. A file is
// settled when neither its size nor its modification time changed during the
// last two seconds: its modification time is that old, or it has been seen
// unchanged for that long.
class SettledFiles {
  public:
    static constexpr long long kQuietMs = 2000;

    // nowMs: the program's monotonic clock; fileNow: the file system's clock.
    bool Settled(const std::filesystem::path& path, long long nowMs,
                 std::filesystem::file_time_type fileNow);
    // Forgets a file (taken or gone).
    void Forget(const std::filesystem::path& path);
    std::size_t Remembered() const { return seen_.size(); }

  private:
    struct Seen {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified;
        long long sinceMs = 0;  // when this size and time were first seen
        bool changed = false;   // a change was seen, not just a first sight
    };
    void ForgetVanished();

    std::map<std::string, Seen> seen_;
};
