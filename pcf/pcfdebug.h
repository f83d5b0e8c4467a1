#pragma once
#include <string>

class Program;

// The PCF converter: reader state, conversion memory and PPV writer state live
// here for the whole run, since some of them carry over from one conversion
// to the next.
class PcfConverter {
public:
    explicit PcfConverter(Program& program);

    // Converts one PCF into one PPV file; the outcome is left in FeilNr.
    void ConvertPcf(const std::string& pcfPath, const std::string& ppvPath);

private:
    Program& program_;
};
