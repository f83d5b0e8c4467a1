// The part rows of a conversion: straight parts, reducers and bends, and the
// cells that every part row ends with.
#include <cmath>

#include "app/program.h"
#include "pcf/pcfdebug.h"
#include "pcf/tessapi.h"
#include "pcf/text_helpers.h"

namespace {

constexpr int kCellsBeforeTag = 10;
constexpr int kCellsBeforeNextComponent = 11;
constexpr int kAngleDecimals = 1;

}  // namespace

void PcfConverter::ReadWeld() {
    bool found = reader.ReadEndPoints();
    memory.RememberWeld(found, reader.p1, reader.p2);
}

void PcfConverter::BeginPartRow(const std::string& kind) {
    writer.BeginRow();
    writer.WriteCell(std::to_string(partNumber_));
    ++partNumber_;
    writer.WriteCell(kind);
}

void PcfConverter::StraightRow(const std::string& kind) {
    bool found = reader.ReadEndPoints();
    double length = SegmentLength(found, reader.p1, reader.p2);
    BeginPartRow(kind);
    writer.WriteNumberCell(std::fabs(length), program_.LengthDecimals);
    FinishRow();
    writer.EndRow();
}

void PcfConverter::ReducerRow() {
    bool found = reader.ReadEndPoints();
    double length = SegmentLength(found, reader.p1, reader.p2);
    BeginPartRow("reduksjon");
    writer.WriteNumberCell(std::fabs(length), program_.LengthDecimals);
    for (int i = 0; i < 3; ++i) writer.WriteCell("");
    writer.WriteCell(memory.ReducerDirection(reader.p1.size, reader.p2.size));
    FinishRow();
    writer.EndRow();
}

void PcfConverter::BendRow() {
    reader.ReadEndPoints();
    BeginPartRow("bend");
    double angle = 0;
    if (!reader.ReadAngle(angle))
        angle = GeometryBendAngle(reader.p1, reader.p2, reader.centre);
    double tangent = TangentLength(BendRadiusOf(reader.p1.size), angle);
    writer.WriteNumberCell(std::fabs(tangent), program_.LengthDecimals);
    writer.WriteNumberCell(angle, kAngleDecimals);
    writer.WriteNumberCell(
        memory.RotationAngle(program_.melding, reader.p1, reader.p2, reader.centre),
        kAngleDecimals);
    writer.WriteNumberCell(0, kAngleDecimals);
    writer.WriteCell(memory.rotationWord);
    FinishRow();
    writer.EndRow();
}

void PcfConverter::FinishRow() {
    while (writer.cellCounter < kCellsBeforeTag) writer.WriteCell("");
    WriteTagCell();
    while (writer.cellCounter < kCellsBeforeNextComponent) writer.WriteCell("");
    WriteNextComponentCells();
    writer.WriteCell(NumToText(5, 1, OutsideDiameterOf(reader.p1.size)));
}

void PcfConverter::WriteTagCell() {
    // The line that the end points left current may be the tag itself.
    bool tagged = reader.IsTagLine();
    while (!tagged) {
        if (reader.IsComponentLine() || reader.AtEnd())
            return;
        reader.NextLine();
        tagged = reader.IsTagLine();
    }
    std::string tag = PcfReader::PickWord(reader.line, 2);
    writer.WriteCell(tag == "VIMO" ? "" : tag);
}

void PcfConverter::WriteNextComponentCells() {
    for (;;) {
        reader.SkipToComponent();
        if (reader.componentType == kPcfOpenEnd) {
            reader.NextLine();
            for (const std::string& cell : OpenEndCells(reader.ParsePoint()))
                writer.WriteCell(cell);
            return;
        }
        if (reader.componentType == kPcfWeld && !reader.AtEnd()) {
            ReadWeld();
            continue;
        }
        for (const char* cell : {"FORW", "SB", "El", "", "", "", "", ""}) writer.WriteCell(cell);
        return;
    }
}

double PcfConverter::OutsideDiameterOf(int bore) {
    bool found = false;
    double diameter = PipeSizeTables::OutsideDiameter(bore, &found);
    if (!found)
        WarnUnknownBore(bore);
    return diameter;
}

double PcfConverter::BendRadiusOf(int bore) {
    bool found = false;
    double radius = PipeSizeTables::BendRadius(bore, &found);
    if (!found)
        WarnUnknownBore(bore);
    return radius;
}

void PcfConverter::WarnUnknownBore(int bore) {
    if (!unknownBores_.insert(bore).second)
        return;
    program_.textfil.WriteLog("ADVARSEL: Rørdimensjon " + std::to_string(bore) +
                              " finnes ikke i rørtabellen (" + pcfPath_ + ")");
}
