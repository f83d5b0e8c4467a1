#include "pcf/Matte.h"

#include <gtest/gtest.h>

#include <cmath>

#include "pcf/tessapi.h"
#include "tests/fakes/test_program.h"

namespace {

const char* const kAngleFault = "FEIL: Feil i utregning av vinkler: [Matte:Vinkel]";

PcfPoint At(double x, double y, double z, int size = 50) {
    return {x, y, z, size};
}

TEST(Vinkel, GivesDegreesOrMinusOneWithOneMessagePerFault) {
    struct Case {
        double hyp, opp, degrees;
        bool fault;
    };
    const Case cases[] = {
        {2, 1, 30, false}, {1, 1, 90, false}, {1, -1, -90, false},
        {0, 5, -1, true},  {3, 4, -1, true},  {0, 0, -1, true},
    };
    for (const auto& c : cases) {
        TestProgram t;
        EXPECT_NEAR(Vinkel(t.p().melding, c.hyp, c.opp), c.degrees, 1e-9) << c.hyp << "," << c.opp;
        if (c.fault) {
            ASSERT_EQ(t.p().melding.MeldingListe.size(), 1u);
            EXPECT_EQ(t.p().melding.MeldingListe[0], kAngleFault);
        } else {
            EXPECT_TRUE(t.p().melding.MeldingListe.empty());
        }
    }
}

TEST(AngleLibrary, TangentArcAndHypotenuse) {
    EXPECT_NEAR(TangentLength(76.0, 90), 76.0, 1e-9);
    EXPECT_NEAR(TangentLength(PipeSizeTables::BendRadius(50), 45), 31.48, 0.005);
    EXPECT_NEAR(ArcLength(76.0, 90), 76.0 * M_PI / 2, 1e-9);
    EXPECT_EQ(ArcLength(76.0, 0), 0.0);
    EXPECT_NEAR(Hypotenuse(120, 60), 134.164, 0.001);
    EXPECT_EQ(Hypotenuse(3, 4), 5.0);
}

TEST(SegmentLength, IsTheDifferenceAlongTheLastAxisThatDiffers) {
    struct Case {
        bool found;
        PcfPoint p1, p2;
        double length;
    };
    const Case cases[] = {
        {true, At(1000, 0, 0), At(1500, 0, 0), -500}, {true, At(0, 0, 0), At(300, 400, 0), -400},
        {true, At(0, 0, 0), At(300, 400, 50), -50},   {true, At(7, 7, 7), At(7, 7, 7), -1},
        {false, At(0, 0, 0), At(100, 0, 0), -1},      {true, At(0, 0, 2003), At(0, 0, 2000), 3},
    };
    for (const auto& c : cases) EXPECT_EQ(SegmentLength(c.found, c.p1, c.p2), c.length);
}

TEST(RotationAngle, ChoosesWordAndAngleFromTheCentre) {
    struct Case {
        PcfPoint p1, p2, c;
        const char* word;
        double angle;
    };
    const Case cases[] = {
        // C - P2 = (0, -120, -60): the P2 differences hold
        {At(0, 0, 0), At(0, 0, 0), At(0, -120, -60), "IN-V", 63.4349},
        // C - P2 = (76, 0, 0) lies on an axis line: C - P1 = (0, 50, 30) is used
        {At(76, -50, -30), At(0, 0, 0), At(76, 0, 0), "OUT-V", 30.9638},
        // IN-H and OUT with b < 0 take the absolute co-ordinates |P2.x| and |C.z|
        {At(0, 0, 0), At(100, 0, 0), At(110, 50, -30), "IN-H", 17.4576},
        {At(0, 0, 0), At(100, 0, 0), At(110, -50, 30), "OUT", 17.4576},
        {At(0, 0, 0), At(100, 0, 0), At(110, 0, -30), "IN", 0},
        {At(0, 0, 0), At(100, 0, 0), At(110, 0, 30), "OUT", 0},
    };
    for (const auto& c : cases) {
        TestProgram t;
        ConversionMemory memory;
        EXPECT_NEAR(memory.RotationAngle(t.p().melding, c.p1, c.p2, c.c), c.angle, 1e-4) << c.word;
        EXPECT_EQ(memory.rotationWord, c.word);
        EXPECT_TRUE(t.p().melding.MeldingListe.empty());
    }
}

TEST(RotationAngle, NoTurnInZKeepsThePreviousWord) {
    TestProgram t;
    ConversionMemory memory;
    EXPECT_EQ(memory.rotationWord, "IN");
    memory.rotationWord = "OUT-V";
    // C - P2 = (0, 0, -76) lies on an axis; C - P1 = (76, 0, 0) has no z part
    EXPECT_EQ(memory.RotationAngle(t.p().melding, At(1000, 0, 0), At(1076, 0, 76), At(1076, 0, 0)),
              0.0);
    EXPECT_EQ(memory.rotationWord, "OUT-V");
}

TEST(RotationAngle, AbsoluteCoordinatesThatDoNotFitGiveAnAngleFault) {
    TestProgram t;
    ConversionMemory memory;
    EXPECT_EQ(memory.RotationAngle(t.p().melding, At(0, 0, 0), At(10, 0, 0), At(20, 50, -30)), -1);
    EXPECT_EQ(memory.rotationWord, "IN-H");
    ASSERT_EQ(t.p().melding.MeldingListe.size(), 1u);
    EXPECT_EQ(t.p().melding.MeldingListe[0], kAngleFault);
    EXPECT_EQ(memory.RotationAngle(t.p().melding, At(0, 0, 0), At(0, 0, 0), At(10, -50, 30)), -1);
    EXPECT_EQ(t.p().melding.MeldingListe.size(), 2u);
}

TEST(ReducerDirection, ComparesWithTheLastWeld) {
    ConversionMemory memory;
    EXPECT_EQ(memory.ReducerDirection(80, 50), "INC");  // no weld read yet
    memory.RememberWeld(true, At(0, 0, 0, 100), At(0, 0, 3, 100));
    EXPECT_EQ(memory.lastWeldSize, 100);
    EXPECT_EQ(memory.weldGap, -3);
    EXPECT_EQ(memory.ReducerDirection(100, 80), "DEC");
    EXPECT_EQ(memory.ReducerDirection(100, 150), "INC");
    EXPECT_EQ(memory.ReducerDirection(100, 100), "DEC");
    memory.RememberWeld(false, At(0, 0, 0, 65), At(0, 0, 0, 65));
    EXPECT_EQ(memory.weldGap, -1);
    EXPECT_EQ(memory.lastWeldSize, 65);
}

TEST(OpenEndCells, DirectionWordsAndRoundedCoordinates) {
    using Cells = std::array<std::string, 8>;
    EXPECT_EQ(OpenEndCells(At(-1200.4, 350, 0)),
              (Cells{"FOR", "SB", "UP", "", "    1200", "     350", "       0", ""}));
    EXPECT_EQ(OpenEndCells(At(0, -20.5, -0.1)),
              (Cells{"AFT", "PS", "UP", "", "       0", "      21", "       0", ""}));
    EXPECT_EQ(OpenEndCells(At(123456789, 0, 5)),
              (Cells{"FOR", "PS", "UP", "", "123456789", "       0", "       5", ""}));
}

TEST(GeometryBendAngle, IsTheTurnBetweenTheLegs) {
    EXPECT_NEAR(GeometryBendAngle(At(1000, 0, 0), At(1076, 0, 76), At(1076, 0, 0)), 90, 1e-9);
    EXPECT_NEAR(GeometryBendAngle(At(0, 0, 0), At(100, 100, 0), At(100, 0, 0)), 90, 1e-9);
    double s = std::sqrt(0.5);
    EXPECT_NEAR(GeometryBendAngle(At(-1, 0, 0), At(s, s, 0), At(0, 0, 0)), 45, 1e-9);
    EXPECT_NEAR(GeometryBendAngle(At(-1, 0, 0), At(1, 0, 0), At(0, 0, 0)), 0, 1e-9);
    // a leg of no length says nothing
    EXPECT_EQ(GeometryBendAngle(At(5, 5, 5), At(1, 0, 0), At(5, 5, 5)), 0.0);
}

}  // namespace
