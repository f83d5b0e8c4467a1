#pragma once
#include <string>

class Program;

// The spooler window (main window) and its spool cycle.
class TForm2 {
public:
    explicit TForm2(Program& program);

private:
    Program& program_;
};
