#pragma once
#include <array>

// The pipe sizes the system knows: nominal bore, outside diameter, standard
// bend radius, and the four columns of the bender in force. The pipe size
// index points into them for the sheet on show.
class PipeSizeTables {
  public:
    static constexpr int kSizes = 25;

    static const std::array<int, kSizes>& NominalBore();
    static const std::array<double, kSizes>& Diameter();
    static const std::array<double, kSizes>& StandardRadius();

    // Look-ups over all entries, the last match counting. found tells whether
    // any entry matched; without a match the result is 0 (or -1 for the index).
    static double OutsideDiameter(int bore, bool* found = nullptr);
    static double BendRadius(int bore, bool* found = nullptr);
    static int SizeIndex(double diameter);  // -1 when no entry has this diameter

    // Bender columns, filled from the chosen bender.
    std::array<double, kSizes> BenderGrip{};
    std::array<double, kSizes> BenderGripCC{};
    std::array<double, kSizes> BenderRadius{};
    std::array<double, kSizes> BenderStretch{};
    void ClearBenderColumns();

    // The program-wide pipe size index, 0 to 24.
    int PipeSizeIndex = 0;
    // Sets the index from a diameter; a diameter in no entry keeps the index.
    void SetIndexFromDiameter(double diameter);
};
