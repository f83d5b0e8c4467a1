#pragma once
#include <array>
#include <string>

#include "env/textfil.h"
#include "pcf/Matte.h"

// The component keywords that the converter knows, by their type number.
enum PcfComponentType {
    kPcfFlange = 0,
    kPcfWeld = 1,
    kPcfReducer = 2,
    kPcfPipe = 3,
    kPcfElbow = 4,
    kPcfBolt = 5,
    kPcfValve = 6,
    kPcfGasket = 7,
    kPcfOpenEnd = 8,
    kPcfTee = 9,
    kPcfCoupling = 10,
};

// The reading side of a conversion: the open PCF, its current line, the last
// component keyword and the points of the last component read. The header
// values, the points and the component type outlive a conversion.
class PcfReader {
  public:
    static constexpr int kKeywords = 11;
    static const std::array<std::string, kKeywords>& Keywords();

    explicit PcfReader(TextFileLayer& textfil);

    std::string path;
    std::string line;  // the current line, trimmed
    int componentType = kPcfFlange;
    std::string pipelineReference;
    std::string pipingSpec = "VMV-001";
    // The header said "UNITS-BORE INCH": bores are read in inches.
    bool boreInInches = false;
    PcfPoint p1;
    PcfPoint p2;
    PcfPoint centre;

    // Opens the PCF for reading; false (FeilNr set, box shown) when it cannot.
    bool OpenPcf(const std::string& pcfPath);
    // Closes the PCF and leaves the outcome in FeilNr, a read failure left
    // pending included.
    int ClosePcf();
    // Closes the PCF without a word (a second look at a file already open).
    void CloseQuietly();
    void NextLine();
    bool AtEnd();

    // The n-th blank-separated word of the text, counted from 1; empty when missing.
    static std::string PickWord(const std::string& text, int n);
    // The type of the keyword that the whole text equals, or -1.
    static int KeywordType(const std::string& text);
    // True when the current line is a component keyword; then sets the type.
    bool IsComponentLine();
    bool IsTagLine() const;
    // Reads the header up to a line containing " END" or up to the first
    // component keyword line, which then stays current.
    void ReadHeader();
    PcfPoint ParsePoint() const;
    // The end points (and centre point) of the component whose keyword line is
    // current. The search stops at the next component keyword line (found false).
    bool ReadEndPoints();
    // The bend angle in degrees from the component's ANGLE line (hundredths of
    // a degree); false when the component has none before the next component.
    bool ReadAngle(double& degrees);
    void SkipToComponent();

  private:
    TextFileLayer& textfil_;
    TextFile file_;
};
