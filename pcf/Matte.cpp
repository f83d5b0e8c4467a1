#include "pcf/Matte.h"

#include <algorithm>
#include <cmath>

#include "env/meldinger.h"
#include "pcf/text_helpers.h"

double Vinkel(TMeldingForm& melding, double hyp, double opp) {
    double ratio = opp / hyp;
    if (hyp == 0 || !std::isfinite(ratio) || ratio < -1.0 || ratio > 1.0) {
        melding.Melding(1, "Feil i utregning av vinkler: [Matte:Vinkel]");
        return -1;
    }
    return std::asin(ratio) * DegPerRad;
}

double Hypotenuse(double a, double b) {
    return std::sqrt(a * a + b * b);
}

double TangentLength(double radius, double angle) {
    double half = angle / DegPerRad / 2;
    return radius * std::sin(half) / std::cos(half);
}

double ArcLength(double radius, double angle) {
    return static_cast<double>(2 * radius * Pi / 360 * angle);
}

double SegmentLength(bool found, const PcfPoint& p1, const PcfPoint& p2) {
    if (!found)
        return -1;
    double dx = p1.x - p2.x;
    double dy = p1.y - p2.y;
    double dz = p1.z - p2.z;
    if (dz != 0)
        return dz;
    if (dy != 0)
        return dy;
    if (dx != 0)
        return dx;
    return -1;
}

double GeometryBendAngle(const PcfPoint& p1, const PcfPoint& p2, const PcfPoint& centre) {
    double ux = p1.x - centre.x, uy = p1.y - centre.y, uz = p1.z - centre.z;
    double vx = p2.x - centre.x, vy = p2.y - centre.y, vz = p2.z - centre.z;
    double lengths =
        std::sqrt(ux * ux + uy * uy + uz * uz) * std::sqrt(vx * vx + vy * vy + vz * vz);
    if (!(lengths > 0))
        return 0;
    double cosine = std::clamp((ux * vx + uy * vy + uz * vz) / lengths, -1.0, 1.0);
    return 180.0 - std::acos(cosine) * DegPerRad;
}

std::array<std::string, 8> OpenEndCells(const PcfPoint& point) {
    return {point.z >= 0 ? "FOR" : "AFT",
            point.x >= 0 ? "PS" : "SB",
            "UP",
            "",
            NumToText(8, 0, std::fabs(point.x)),
            NumToText(8, 0, std::fabs(point.y)),
            NumToText(8, 0, std::fabs(point.z)),
            ""};
}

double ConversionMemory::RotationAngle(TMeldingForm& melding, const PcfPoint& p1,
                                       const PcfPoint& p2, const PcfPoint& centre) {
    double a = centre.x - p2.x;
    double b = centre.y - p2.y;
    double c = centre.z - p2.z;
    double s = a + b + c;
    // The centre on an axis line through P2 says nothing of the turn; P1 does.
    if (s == a || s == b || s == c) {
        a = centre.x - p1.x;
        b = centre.y - p1.y;
        c = centre.z - p1.z;
    }
    double angle = 0;
    if (c < 0) {
        rotationWord = "IN";
        if (b < 0) {
            rotationWord = "IN-V";
            angle = Vinkel(melding, Hypotenuse(std::fabs(b), std::fabs(c)), std::fabs(b));
        } else if (b > 0) {
            rotationWord = "IN-H";
            angle = Vinkel(melding, std::fabs(p2.x), std::fabs(centre.z));
        }
    } else if (c > 0) {
        rotationWord = "OUT";
        if (b > 0) {
            rotationWord = "OUT-V";
            angle = Vinkel(melding, Hypotenuse(std::fabs(b), std::fabs(c)), std::fabs(c));
        } else if (b < 0) {
            angle = Vinkel(melding, std::fabs(p2.x), std::fabs(centre.z));
        }
    }
    return angle;
}

std::string ConversionMemory::ReducerDirection(int size1, int size2) const {
    return (lastWeldSize < size1 || lastWeldSize < size2) ? "INC" : "DEC";
}

void ConversionMemory::RememberWeld(bool found, const PcfPoint& p1, const PcfPoint& p2) {
    weldGap = SegmentLength(found, p1, p2);
    lastWeldSize = p1.size;
}
