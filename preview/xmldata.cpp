#include "preview/xmldata.h"

#include <charconv>
#include <filesystem>

#include "app/program.h"
#include "pcf/text_helpers.h"

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A position as a signed number; -1 when the text does not hold the part.
long long Find(const std::string& text, char ch) {
    std::size_t p = text.find(ch);
    return p == std::string::npos ? -1 : static_cast<long long>(p);
}

std::string Slice(const std::string& text, long long start, long long length) {
    if (length <= 0 || start < 0 || start >= static_cast<long long>(text.size()))
        return {};
    return text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
}

int DecimalInteger(const std::string& text) {
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
        ++first;
    if (first == last)
        return 0;
    auto res = std::from_chars(first, last, value);
    if (res.ec != std::errc() || res.ptr != last)
        return 0;
    return value;
}

std::string FullPath(const std::string& path) {
    std::error_code ec;
    auto full = std::filesystem::absolute(path, ec);
    return ec ? path : full.lexically_normal().string();
}

}  // namespace

XmlReader::XmlReader(Program& program) : program_(program) {
    xmlerror = [this](int code, const std::string& text) {
        if (program_.textfil.LogVerbose)
            program_.textfil.WriteLog("XML: " + std::to_string(code) + " " + text);
    };
}

bool XmlReader::xmlopen(const std::string& path) {
    xmlfilename = path.empty() ? path : FullPath(path);
    program_.textfil.OpenForReading(file_, xmlfilename);
    xmllinecount = 0;
    if (program_.textfil.FeilNr != 0) {
        program_.textfil.CloseQuietly(file_);
        if (xmlerror)
            xmlerror(kCannotOpen, "Kan ikke åpne " + xmlfilename);
        xmleofflag = true;
        return false;
    }
    xmleofflag = false;
    return true;
}

bool XmlReader::AtEnd() {
    return !file_.IsOpen() || program_.textfil.Eof(file_);
}

bool XmlReader::ReadLine() {
    // A file that is not open is never read; it behaves as one at its end.
    if (!file_.IsOpen())
        return false;
    program_.textfil.ReadRawLine(file_, xmlline);
    ++xmllinecount;
    xmlparseline();
    return true;
}

int XmlReader::xmlparseline() {
    if (Contains(xmlline, "encoding=\"")) {
        if (Contains(xmlline, "UTF-8"))
            xmlencoding = "UTF-8";
        if (Contains(xmlline, "iso-8859-1"))
            xmlencoding = "iso-8859-1";
    }
    xmlparams.fill(txmlparam{});
    xmlparamindex = -1;
    xmlline = TrimBlanks(xmlline);
    std::size_t pair;
    while ((pair = xmlline.find("=\"")) != std::string::npos) {
        const long long p = static_cast<long long>(pair);
        ++xmlparamindex;
        xmlline.erase(pair, 2);
        // Each attribute leaves with the blank before it, so the first blank is
        // always the one in front of the next name. A line without a blank has
        // its name start at the beginning of the line.
        const long long s = Find(xmlline, ' ');
        const long long q = Find(xmlline, '"');
        std::string value = q < 0 ? std::string() : Slice(xmlline, p, q - p);
        std::string name = Slice(xmlline, s + 1, p - s - 1);
        xmlstoreparam(name, value);
        const long long from = s < 0 ? 0 : s;
        if (q >= from)
            xmlline.erase(static_cast<std::size_t>(from), q - from + 1);
    }
    return xmlparamindex + 1;
}

void XmlReader::xmlstoreparam(const std::string& name, const std::string& value) {
    if (name.empty())
        return;
    // The table has eleven entries; later attributes of a line are not kept.
    if (xmlparamindex < 0 || xmlparamindex >= kParamCount)
        return;
    txmlparam& param = xmlparams[xmlparamindex];
    param.name = name;
    param.value = value;
    param.intvalue = DecimalInteger(value);
    param.realvalue = TextToNum(value);
}

std::string XmlReader::xmlfixutf8(const std::string& text) {
    // The UTF-8 bytes of each letter, read as Windows-1252 characters.
    static const std::array<std::pair<const char*, const char*>, 6> kRepairs = {{
        {"Ã¦", "æ"},
        {"Ã¸", "ø"},
        {"Ã¥", "å"},
        {"Ã†", "Æ"},
        {"Ã˜", "Ø"},
        {"Ã…", "Å"},
    }};
    std::string result = text;
    for (const auto& [broken, letter] : kRepairs) {
        const std::string from = broken;
        const std::string to = letter;
        std::size_t pos = 0;
        while ((pos = result.find(from, pos)) != std::string::npos) {
            result.replace(pos, from.size(), to);
            pos += to.size();
        }
    }
    return result;
}

bool XmlReader::xmlfindelement(const std::string& name) {
    xmlelement = name;
    const std::string tag = "<" + name + ">";
    xmleofflag = true;
    if (!file_.IsOpen())
        return false;
    do {
        ReadLine();
    } while (!Contains(xmlline, tag) && !AtEnd());
    if (!Contains(xmlline, tag))
        return false;
    xmleofflag = false;
    return true;
}

bool XmlReader::xmlelementend() {
    return Contains(xmlline, "</" + xmlelement + ">");
}

bool XmlReader::xmleof() const {
    return xmleofflag;
}

std::string XmlReader::xmlreadvalue(const std::string& name) {
    if (!file_.IsOpen())
        return {};
    const std::string tag = "<" + name + ">";
    const int saved = xmllinecount;
    if (!Contains(xmlline, tag)) {
        do {
            ReadLine();
        } while (!Contains(xmlline, tag) && !AtEnd() && !xmlelementend());
    }
    if (!Contains(xmlline, tag)) {
        xmllinecount = saved;
        xmlrewind();
        return {};
    }
    xmlline.erase(0, xmlline.find(tag) + tag.size());
    std::string value = xmlline;
    std::size_t close = value.find("</" + name + ">");
    if (close != std::string::npos)
        value.erase(close);
    if (xmlencoding == "UTF-8")
        value = xmlfixutf8(value);
    return value;
}

void XmlReader::xmlrewind() {
    auto& textfil = program_.textfil;
    textfil.CloseQuietly(file_);
    if (textfil.OpenForReading(file_, xmlfilename) != 0) {
        // The file went away under us: nothing more can be read from it.
        textfil.CloseQuietly(file_);
        xmleofflag = true;
        return;
    }
    for (int i = 0; i < xmllinecount; ++i) textfil.ReadRawLine(file_, xmlline);
}

bool XmlReader::xmlclose() {
    bool failed = true;  // closing a file that is not open counts as a close error
    if (file_.IsOpen())
        failed = program_.textfil.CloseTextFile(file_) != 0;
    if (failed && xmlerror)
        xmlerror(kCloseFailed, "Feil under lukking av fil");
    return true;
}
