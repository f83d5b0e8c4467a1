#pragma once
#include <string>

class Program;

// The line-oriented XML reader ("Solvanta XMLAPI" 1.30); one file at a time.
class XmlReader {
public:
    explicit XmlReader(Program& program);

    bool xmlopen(const std::string& path);
    bool xmlfindelement(const std::string& name);
    std::string xmlreadvalue(const std::string& name);
    bool xmlelementend();
    bool xmleof() const;
    bool xmlclose();

private:
    Program& program_;
};
