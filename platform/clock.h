#pragma once
#include <string>

// Date and time texts of the host. The default date-time text is local time
// as "YYYY-MM-DD HH:MM:SS"; the short date follows the user's locale.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::string DateTimeText() = 0;
    virtual std::string ShortDateText() = 0;
    // Milliseconds since an arbitrary start; used for waits and file-age checks.
    virtual long long MonotonicMs() = 0;
    // Pauses the calling thread (the one GUI thread) for a while.
    virtual void SleepMs(int ms) = 0;
};
