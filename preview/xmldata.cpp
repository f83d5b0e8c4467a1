#include "preview/xmldata.h"

#include "app/program.h"

XmlReader::XmlReader(Program& program) : program_(program) {}

bool XmlReader::xmlopen(const std::string&) { return false; }
bool XmlReader::xmlfindelement(const std::string&) { return false; }
std::string XmlReader::xmlreadvalue(const std::string&) { return {}; }
bool XmlReader::xmlelementend() { return false; }
bool XmlReader::xmleof() const { return true; }
bool XmlReader::xmlclose() { return true; }
