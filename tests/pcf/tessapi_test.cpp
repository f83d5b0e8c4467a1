#include "pcf/tessapi.h"

#include <gtest/gtest.h>

#include "pcf/text_helpers.h"

namespace {

struct BoreCase {
    int bore;
    double diameter;
    double radius;
};

TEST(PipeSizeTables, LookUpByBoreTakesTheLastEntry) {
    const BoreCase cases[] = {
        {15, 21.3, 27.5},    {40, 48.3, 57.0},    {50, 60.3, 76.0},    {80, 88.9, 114.5},
        {100, 114.3, 152.5}, {200, 219.1, 305.0}, {600, 610.0, 914.0},
    };
    for (const auto& c : cases) {
        bool found = false;
        EXPECT_EQ(PipeSizeTables::OutsideDiameter(c.bore, &found), c.diameter) << c.bore;
        EXPECT_TRUE(found);
        EXPECT_EQ(PipeSizeTables::BendRadius(c.bore, &found), c.radius) << c.bore;
        EXPECT_TRUE(found);
    }
}

TEST(PipeSizeTables, UnknownBoreGivesZeroAndSaysSo) {
    for (int bore : {0, 10, -50, 2, 152}) {
        bool found = true;
        EXPECT_EQ(PipeSizeTables::OutsideDiameter(bore, &found), 0.0) << bore;
        EXPECT_FALSE(found);
        found = true;
        EXPECT_EQ(PipeSizeTables::BendRadius(bore, &found), 0.0) << bore;
        EXPECT_FALSE(found);
    }
}

TEST(PipeSizeTables, EveryDiameterFindsItsOwnEntryFromItsCellText) {
    const auto& diameters = PipeSizeTables::Diameter();
    for (int i = 0; i < PipeSizeTables::kSizes; ++i) {
        std::string cell = NumToText(5, 1, diameters[i]);
        EXPECT_EQ(PipeSizeTables::SizeIndex(TextToNum(cell)), i) << cell;
    }
    EXPECT_EQ(PipeSizeTables::SizeIndex(57.0), 7);
    EXPECT_EQ(PipeSizeTables::SizeIndex(60.3), 8);
    EXPECT_EQ(PipeSizeTables::SizeIndex(60.30001), -1);
}

TEST(PipeSizeTables, TablesHoldTheTwentyFiveSizesInOrder) {
    const auto& bores = PipeSizeTables::NominalBore();
    const auto& diameters = PipeSizeTables::Diameter();
    const auto& radii = PipeSizeTables::StandardRadius();
    EXPECT_EQ(bores[0], 15);
    EXPECT_EQ(bores[24], 600);
    for (int i = 1; i < PipeSizeTables::kSizes; ++i) {
        EXPECT_LE(bores[i - 1], bores[i]) << i;
        EXPECT_LT(diameters[i - 1], diameters[i]) << i;
        EXPECT_LT(radii[i - 1], radii[i]) << i;
    }
    // entries reachable only through their diameter
    for (int i : {4, 6, 7, 10, 12, 16})
        EXPECT_NE(PipeSizeTables::OutsideDiameter(bores[i]), diameters[i]) << i;
}

TEST(PipeSizeTables, UnknownDiameterKeepsTheIndex) {
    PipeSizeTables tables;
    tables.SetIndexFromDiameter(168.3);
    EXPECT_EQ(tables.PipeSizeIndex, 15);
    tables.SetIndexFromDiameter(60.30001);
    EXPECT_EQ(tables.PipeSizeIndex, 15);
    tables.SetIndexFromDiameter(21.3);
    EXPECT_EQ(tables.PipeSizeIndex, 0);
}

TEST(PipeSizeTables, BenderColumnsStartEmptyAndClear) {
    PipeSizeTables tables;
    for (double v : tables.BenderGrip) EXPECT_EQ(v, 0.0);
    tables.BenderGrip[3] = 120;
    tables.BenderRadius[3] = 90;
    tables.BenderStretch[3] = 2;
    tables.BenderGripCC[3] = 1;
    tables.ClearBenderColumns();
    EXPECT_EQ(tables.BenderGrip[3] + tables.BenderRadius[3] + tables.BenderStretch[3] +
                  tables.BenderGripCC[3],
              0.0);
}

}  // namespace
