#include "pcf/tessapi.h"

namespace {

constexpr std::array<int, PipeSizeTables::kSizes> kBore = {
    15,  20,  25,  32,  40,  40,  50,  50,  50,  65,  80,  80, 100,
    100, 125, 150, 200, 200, 250, 300, 350, 400, 450, 500, 600};
constexpr std::array<double, PipeSizeTables::kSizes> kDiameter = {
    21.3,  26.9,  33.7,  42.4,  44.5,  48.3,  51.0,  57.0,  60.3,  76.1,  82.5,  88.9, 101.6,
    114.3, 139.7, 168.3, 193.7, 219.1, 273.0, 323.9, 355.6, 406.4, 457.0, 508.0, 610.0};
constexpr std::array<double, PipeSizeTables::kSizes> kRadius = {
    27.5,  28.5,  38.0,  47.5,  51.0,  57.0,  63.5,  72.0,  76.0,  95.0,  107.5, 114.5, 135.5,
    152.5, 190.5, 228.5, 270.0, 305.0, 381.0, 457.0, 533.5, 609.5, 686.0, 762.0, 914.0};

int LastBoreIndex(int bore) {
    int found = -1;
    for (int i = 0; i < PipeSizeTables::kSizes; ++i)
        if (kBore[i] == bore)
            found = i;
    return found;
}

}  // namespace

const std::array<int, PipeSizeTables::kSizes>& PipeSizeTables::NominalBore() {
    return kBore;
}
const std::array<double, PipeSizeTables::kSizes>& PipeSizeTables::Diameter() {
    return kDiameter;
}
const std::array<double, PipeSizeTables::kSizes>& PipeSizeTables::StandardRadius() {
    return kRadius;
}

double PipeSizeTables::OutsideDiameter(int bore, bool* found) {
    int i = LastBoreIndex(bore);
    if (found)
        *found = i >= 0;
    return i >= 0 ? kDiameter[i] : 0.0;
}

double PipeSizeTables::BendRadius(int bore, bool* found) {
    int i = LastBoreIndex(bore);
    if (found)
        *found = i >= 0;
    return i >= 0 ? kRadius[i] : 0.0;
}

int PipeSizeTables::SizeIndex(double diameter) {
    int found = -1;
    for (int i = 0; i < kSizes; ++i)
        if (kDiameter[i] == diameter)
            found = i;
    return found;
}

void PipeSizeTables::ClearBenderColumns() {
    BenderGrip.fill(0);
    BenderGripCC.fill(0);
    BenderRadius.fill(0);
    BenderStretch.fill(0);
}

void PipeSizeTables::SetIndexFromDiameter(double diameter) {
    int i = SizeIndex(diameter);
    if (i >= 0)
        PipeSizeIndex = i;
}
