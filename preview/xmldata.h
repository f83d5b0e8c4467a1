#pragma once
#include <array>
#include <functional>
#include <string>

#include "env/textfil.h"

class Program;

// One attribute of the current line.
struct txmlparam {
    std::string name;
    std::string value;     // without the quotes
    int intvalue = 0;      // the value as a decimal integer, 0 when it is not one
    double realvalue = 0;  // TextToNum of the value
};

// The line-oriented XML reader ("Solvanta XMLAPI" 1.30); one file at a time.
// It keeps no tree: it reads line by line, takes the attributes of each line
// into a table, and finds elements by their opening tag within a line.
class XmlReader {
  public:
    static constexpr const char* kName = "Solvanta XMLAPI";
    static constexpr const char* kVersion = "1.30";
    static constexpr int kParamCount = 11;
    static constexpr int kCannotOpen = 7001;
    static constexpr int kCloseFailed = 7004;

    explicit XmlReader(Program& program);

    bool xmlopen(const std::string& path);
    bool xmlfindelement(const std::string& name);
    std::string xmlreadvalue(const std::string& name);
    bool xmlelementend();
    bool xmleof() const;
    bool xmlclose();

    // Internal steps, public for their tests.
    void xmlrewind();
    int xmlparseline();
    void xmlstoreparam(const std::string& name, const std::string& value);
    static std::string xmlfixutf8(const std::string& text);

    // Module state of the reader.
    std::string xmlfilename;
    std::string xmlline;
    int xmllinecount = 0;
    bool xmleofflag = false;
    std::string xmlelement;
    std::string xmlencoding = "iso-8859-1";  // carries over from one file to the next
    std::array<txmlparam, kParamCount> xmlparams{};
    int xmlparamindex = -1;
    // Receives error reports (code, text); by default a log line when LogVerbose.
    std::function<void(int, const std::string&)> xmlerror;

    bool IsOpen() const { return file_.IsOpen(); }

  private:
    // Reads the next line into xmlline and parses it; false when nothing was read.
    bool ReadLine();
    bool AtEnd();

    Program& program_;
    TextFile file_;
};
