#pragma once
#include <array>
#include <string>

class TMeldingForm;

// A point of a PCF component: co-ordinates in millimetres and the nominal bore
// that keys the pipe size tables.
struct PcfPoint {
    double x = 0;
    double y = 0;
    double z = 0;
    int size = 0;
};

constexpr double DegPerRad = 57.29577951308232;
constexpr long double Pi = 3.14159265358979323846L;

// arcsin(opp / hyp) in degrees. A ratio outside -1..1 (or hyp 0) shows
// "Feil i utregning av vinkler: [Matte:Vinkel]" as a FEIL message and gives -1.
double Vinkel(TMeldingForm& melding, double hyp, double opp);
double Hypotenuse(double a, double b);
// radius x tan(angle / 2); angle in degrees.
double TangentLength(double radius, double angle);
// radius x angle x pi / 180; angle in degrees.
double ArcLength(double radius, double angle);

// The signed length of a straight part: the difference along the last axis
// (z before y before x) on which the end points differ; -1 when they do not
// differ or were not found.
double SegmentLength(bool found, const PcfPoint& p1, const PcfPoint& p2);
// The bend angle of an elbow from its points alone: 180 degrees less the angle
// at the centre between the two end points; 0 when a leg has no length.
double GeometryBendAngle(const PcfPoint& p1, const PcfPoint& p2, const PcfPoint& centre);
// The eight direction and co-ordinate cells of an open pipeline end.
std::array<std::string, 8> OpenEndCells(const PcfPoint& point);

// What one bend or weld leaves for the next: it lives for the whole run, so
// the first bend or reducer of a conversion may depend on the one before.
class ConversionMemory {
  public:
    std::string rotationWord = "IN";
    double weldGap = 0;
    int lastWeldSize = 0;

    // The rotation angle of a bend; sets the rotation word ("IN", "IN-V",
    // "IN-H", "OUT", "OUT-V"), or leaves it when the bend turns in no z plane.
    double RotationAngle(TMeldingForm& melding, const PcfPoint& p1, const PcfPoint& p2,
                         const PcfPoint& centre);
    // "INC" when the last weld is smaller than either end of the reducer, else "DEC".
    std::string ReducerDirection(int size1, int size2) const;
    // Keeps the gap and the bore of a weld just read.
    void RememberWeld(bool found, const PcfPoint& p1, const PcfPoint& p2);
};
