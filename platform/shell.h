#pragma once
#include <string>

// The shell's "print" and "open" verbs. Programs are started with an argument
// vector, never through a command interpreter.
class Shell {
  public:
    virtual ~Shell() = default;
    // Hands the file to the print system; printer empty = the default queue.
    // Returns true when the print system accepted it.
    virtual bool Print(const std::string& path, const std::string& printer) = 0;
    // Opens the file with the desktop's viewer.
    virtual bool Open(const std::string& path) = 0;
};
