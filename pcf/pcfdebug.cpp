#include "pcf/pcfdebug.h"

#include "app/program.h"

PcfConverter::PcfConverter(Program& program) : program_(program) {}

void PcfConverter::ConvertPcf(const std::string&, const std::string&) {}
