#include "preview/xmldata.h"

#include "app/program.h"

XmlReader::XmlReader(Program& program) : program_(program) {}
