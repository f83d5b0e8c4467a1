#include "pcf/pcfdebug.h"

#include <charconv>
#include <climits>
#include <cmath>

#include "app/program.h"
#include "pcf/text_helpers.h"

namespace {

const char* const kHeadings[] = {
    "posnr.",         "rørdel",     "lengd",      "kappvinkel",  "VIMOvinkel",  "stigning",
    "roteringspunkt", "x",          "y",          "z",           "tag",         "ref text 1",
    "ref text 2",     "ref text 3", "ref text 4", "ref verdi 1", "ref verdi 2", "ref verdi 3",
    "ref verdi 4",    "diameter",   "diameter2",  "radius",      "materiale",   "beskrivelse"};

constexpr int kMostLengthDecimals = 255;

}  // namespace

PcfConverter::PcfConverter(Program& program)
    : reader(program.textfil), writer(program.textfil), program_(program) {}

int PcfConverter::LengthDecimalsFromSetting(const std::string& value, bool& isInteger) {
    std::string text = TrimBlanks(value);
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    long long number = 0;
    auto res = std::from_chars(first, last, number);
    isInteger = res.ptr == last && first != last &&
                (res.ec == std::errc() || res.ec == std::errc::result_out_of_range);
    if (!isInteger)
        return 0;
    if (res.ec == std::errc::result_out_of_range)
        return text[0] == '-' ? -1 : kMostLengthDecimals;
    if (number > kMostLengthDecimals)
        return kMostLengthDecimals;
    if (number < INT_MIN)
        return INT_MIN;
    return static_cast<int>(number);
}

void PcfConverter::SetLengthDecimals() {
    bool isInteger = true;
    program_.LengthDecimals = LengthDecimalsFromSetting(
        program_.reg.Ini().ReadString("TEKNISK", "Avrunding_Lengde", "0"), isInteger);
    if (!isInteger)
        program_.textfil.WriteLog("ADVARSEL: Avrunding_Lengde er ikke et heltall");
}

double PcfConverter::FirstWeldGap(const std::string& pcfPath) {
    PcfReader scan(program_.textfil);
    int feilNr = program_.textfil.FeilNr;
    if (!scan.OpenPcf(pcfPath))
        return 0;
    scan.ReadHeader();
    double gap = 0;
    while (!scan.AtEnd()) {
        if (!scan.IsComponentLine() || scan.componentType != kPcfWeld) {
            scan.NextLine();
        } else if (scan.ReadEndPoints()) {
            const PcfPoint& a = scan.p1;
            const PcfPoint& b = scan.p2;
            // Coinciding end points are a weld without a gap, not one of 1 mm.
            bool coincide = a.x == b.x && a.y == b.y && a.z == b.z;
            gap = coincide ? 0 : std::fabs(SegmentLength(true, a, b));
            break;
        }
    }
    scan.CloseQuietly();
    program_.textfil.FeilNr = feilNr;
    return gap;
}

void PcfConverter::ConvertPcf(const std::string& pcfPath, const std::string& ppvPath) {
    SetLengthDecimals();
    pcfPath_ = pcfPath;
    ppvPath_ = ppvPath;
    if (!reader.OpenPcf(pcfPath))
        return;
    reader.ReadHeader();
    double weldGap = FirstWeldGap(pcfPath);

    partNumber_ = 1;
    unknownBores_.clear();
    writer.CreatePpv(ppvPath);
    writer.WritePpvHeader({pcfPath, reader.pipingSpec, reader.pipelineReference, weldGap,
                           program_.sizes.PipeSizeIndex});
    WriteHeadingRow();
    while (!reader.AtEnd()) {
        if (reader.IsComponentLine())
            Dispatch();
        else
            reader.NextLine();
    }
    writer.EndTable();

    reader.ClosePcf();
    // A sheet that could not be written is a failed conversion even when the
    // PCF closes cleanly.
    if (program_.textfil.FeilNr == 0 && writer.OutputError() != 0)
        program_.textfil.FeilNr = writer.OutputError();
}

void PcfConverter::WriteHeadingRow() {
    writer.BeginRow();
    for (const char* heading : kHeadings) writer.WriteCell(heading);
    writer.EndRow();
}

void PcfConverter::Dispatch() {
    switch (reader.componentType) {
        case kPcfFlange:
            StraightRow("flens");
            break;
        case kPcfWeld:
            ReadWeld();
            break;
        case kPcfReducer:
            ReducerRow();
            break;
        case kPcfPipe:
            StraightRow("rør");
            break;
        case kPcfElbow:
            BendRow();
            break;
        case kPcfValve:
            StraightRow("ventil");
            break;
        case kPcfTee:
            StraightRow("t-rør");
            break;
        default:
            reader.NextLine();
            break;
    }
}
