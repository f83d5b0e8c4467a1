#pragma once
#include <set>
#include <string>

#include "pcf/Matte.h"
#include "pcf/pcfdebug_reader.h"
#include "pcf/ppv_writer.h"

class Program;

// The PCF converter: reader state, conversion memory and PPV writer state live
// here for the whole run, since some of them carry over from one conversion
// to the next.
class PcfConverter {
  public:
    explicit PcfConverter(Program& program);

    // Converts one PCF into one PPV file; the outcome is left in FeilNr.
    void ConvertPcf(const std::string& pcfPath, const std::string& ppvPath);

    PcfReader reader;
    ConversionMemory memory;
    PpvWriter writer;

    // The decimals of lengths that a value of "Avrunding_Lengde" gives; false
    // in isInteger when the value is no whole number (it then gives 0).
    static int LengthDecimalsFromSetting(const std::string& value, bool& isInteger);
    // The gap of the first WELD with end points in the PCF, as a positive
    // length; 0 when the file has none.
    double FirstWeldGap(const std::string& pcfPath);

  private:
    void SetLengthDecimals();
    void WriteHeadingRow();
    void Dispatch();
    void ReadWeld();
    void StraightRow(const std::string& kind);
    void ReducerRow();
    void BendRow();
    void BeginPartRow(const std::string& kind);
    void FinishRow();
    void WriteTagCell();
    void WriteNextComponentCells();
    double OutsideDiameterOf(int bore);
    double BendRadiusOf(int bore);
    void WarnUnknownBore(int bore);

    Program& program_;
    std::string pcfPath_;
    std::string ppvPath_;
    int partNumber_ = 1;
    std::set<int> unknownBores_;
};
