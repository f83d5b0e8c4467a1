#include "pcf/pcfdebug_reader.h"

#include <climits>
#include <cmath>

#include "env/cp1252.h"
#include "pcf/text_helpers.h"

namespace {

bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// The whole number formed by the digits at the start of a word (after an
// optional sign); a fraction or anything after the digits is ignored.
int LeadingInteger(const std::string& word) {
    std::size_t i = 0;
    bool negative = false;
    if (i < word.size() && (word[i] == '+' || word[i] == '-'))
        negative = word[i++] == '-';
    long long value = 0;
    for (; i < word.size() && word[i] >= '0' && word[i] <= '9'; ++i) {
        value = value * 10 + (word[i] - '0');
        if (value > INT_MAX)
            value = INT_MAX;  // a bore this large matches nothing anyway
    }
    return static_cast<int>(negative ? -value : value);
}

// The nominal bore in millimetres of a bore given in inches (a file whose
// header says "UNITS-BORE INCH"): the usual pipe sizes by their name, any
// other size converted.
int InchBoreToNominal(double inches) {
    struct Size {
        double inches;
        int millimetres;
    };
    static constexpr Size kSizes[] = {{0.5, 15}, {0.75, 20}, {1, 25},   {1.25, 32}, {1.5, 40},
                                      {2, 50},   {2.5, 65},  {3, 80},   {3.5, 90},  {4, 100},
                                      {5, 125},  {6, 150},   {8, 200},  {10, 250},  {12, 300},
                                      {14, 350}, {16, 400},  {18, 450}, {20, 500},  {24, 600}};
    for (const auto& size : kSizes)
        if (std::fabs(size.inches - inches) < 1e-6)
            return size.millimetres;
    double mm = inches * 25.4;
    if (!(mm > -1e6 && mm < 1e6))
        return 0;
    return static_cast<int>(std::lround(mm));
}

}  // namespace

const std::array<std::string, PcfReader::kKeywords>& PcfReader::Keywords() {
    static const std::array<std::string, kKeywords> keywords = {
        "FLANGE", "WELD",   "REDUCER-CONCENTRIC", "PIPE", "ELBOW",   "BOLT",
        "VALVE",  "GASKET", "END-POSITION-OPEN",  "TEE",  "COUPLING"};
    return keywords;
}

PcfReader::PcfReader(TextFileLayer& textfil) : textfil_(textfil) {}

bool PcfReader::OpenPcf(const std::string& pcfPath) {
    path = pcfPath;
    return textfil_.OpenForReading(file_, pcfPath) == 0;
}

int PcfReader::ClosePcf() {
    return textfil_.CloseTextFile(file_);
}

void PcfReader::CloseQuietly() {
    textfil_.CloseQuietly(file_);
}

void PcfReader::NextLine() {
    std::string raw;
    textfil_.ReadRawLine(file_, raw);
    line = TrimBlanks(raw);
    int type = KeywordType(line);
    if (type >= 0)
        componentType = type;
}

bool PcfReader::AtEnd() {
    return textfil_.Eof(file_);
}

std::string PcfReader::PickWord(const std::string& text, int n) {
    std::size_t pos = 0;
    for (int word = 1;; ++word) {
        pos = text.find_first_not_of(' ', pos);
        if (pos == std::string::npos)
            return {};
        std::size_t end = text.find(' ', pos);
        if (end == std::string::npos)
            end = text.size();
        if (word == n)
            return text.substr(pos, end - pos);
        pos = end;
    }
}

int PcfReader::KeywordType(const std::string& text) {
    const auto& keywords = Keywords();
    for (int i = 0; i < kKeywords; ++i)
        if (text == keywords[i])
            return i;
    return -1;
}

bool PcfReader::IsComponentLine() {
    int type = KeywordType(line);
    if (type < 0)
        return false;
    componentType = type;
    return true;
}

bool PcfReader::IsTagLine() const {
    return line.compare(0, 3, "TAG") == 0;
}

void PcfReader::ReadHeader() {
    line.clear();
    boreInInches = false;  // every file names its own units
    while (!AtEnd()) {
        NextLine();
        if (Contains(Utf8Upper(line), "UNITS-BORE"))
            boreInInches = Utf8Upper(PickWord(line, 2)) == "INCH";
        if (Contains(line, "PIPELINE-REFERENCE"))
            pipelineReference = PickWord(line, 2);
        if (Contains(line, "PIPING-SPEC"))
            pipingSpec = PickWord(line, 2);
        if (Contains(line, " END"))
            break;
        // Files from other design systems have no closing line: their header
        // stops at the first component.
        if (IsComponentLine())
            break;
    }
}

PcfPoint PcfReader::ParsePoint() const {
    PcfPoint point;
    point.x = TextToNum(PickWord(line, 2));
    point.y = TextToNum(PickWord(line, 3));
    point.z = TextToNum(PickWord(line, 4));
    point.size = boreInInches ? InchBoreToNominal(TextToNum(PickWord(line, 5)))
                              : LeadingInteger(PickWord(line, 5));
    return point;
}

bool PcfReader::ReadEndPoints() {
    while (!Contains(line, "END-POINT") && !AtEnd()) {
        NextLine();
        if (KeywordType(line) >= 0)
            return false;  // the next component: this one has none
    }
    if (AtEnd() || !Contains(line, "END-POINT"))
        return false;
    PcfPoint first = ParsePoint();
    NextLine();
    if (KeywordType(line) >= 0)
        return false;  // one end point only
    p1 = first;
    p2 = ParsePoint();
    NextLine();
    if (Contains(line, "CENTRE-POINT"))
        centre = ParsePoint();
    return true;
}

bool PcfReader::ReadAngle(double& degrees) {
    // The search runs from the line that the end points left current; a
    // component keyword line there or below is the next component.
    while (!Contains(line, "ANGLE")) {
        if (KeywordType(line) >= 0 || AtEnd())
            return false;
        NextLine();
    }
    // Angles are hundredths of a degree; some design systems write plain
    // degrees ("ANGLE 90.0000"). No elbow bends less than 3.6 degrees, so a
    // value up to 360 is taken as degrees.
    double value = TextToNum(PickWord(line, 2));
    degrees = value > 0 && value <= 360 ? value : value / 100;
    return true;
}

void PcfReader::SkipToComponent() {
    while (!IsComponentLine() && !AtEnd()) NextLine();
}
