#include <gtest/gtest.h>

#include "pcf/pcfdebug_reader.h"
#include "tests/fakes/test_program.h"

namespace {

// A reader on a PCF of these lines in the test's working folder.
class ReaderTest : public ::testing::Test {
  protected:
    PcfReader& Open(const std::string& lines) {
        std::string path = (t.work / "in.pcf").string();
        TestProgram::WriteFile(path, lines);
        EXPECT_TRUE(reader.OpenPcf(path));
        return reader;
    }
    void TearDown() override { reader.ClosePcf(); }

    TestProgram t;
    PcfReader reader{t.p().textfil};
};

TEST(PickWord, CountsBlankSeparatedWords) {
    struct Case {
        const char* text;
        int n;
        const char* word;
    };
    const Case cases[] = {
        {"END-POINT   1000.0  -250,5 3000.0  50", 2, "1000.0"},
        {"END-POINT   1000.0  -250,5 3000.0  50", 3, "-250,5"},
        {"END-POINT   1000.0  -250,5 3000.0  50", 5, "50"},
        {"END-POINT   1000.0  -250,5 3000.0  50", 6, ""},
        {"PIPING-SPEC   A1B", 2, "A1B"},
        {"PIPING-SPEC   A1B", 3, ""},
        {"   PIPING-SPEC   A1B  ", 2, "A1B"},
        {"PIPING-SPEC", 2, ""},
        {"", 2, ""},
        {"TAG\tX Y", 2, "Y"},
    };
    for (const auto& c : cases) EXPECT_EQ(PcfReader::PickWord(c.text, c.n), c.word) << c.text;
}

TEST(PcfReaderKeywords, WholeTrimmedLineMustEqualAKeyword) {
    const auto& keywords = PcfReader::Keywords();
    for (int i = 0; i < PcfReader::kKeywords; ++i)
        EXPECT_EQ(PcfReader::KeywordType(keywords[i]), i);
    for (const char* text : {"PIPE-FIXED", "pipe", "PIPE X", "", "END-POINT", "BEND", "TEE-SET-ON"})
        EXPECT_EQ(PcfReader::KeywordType(text), -1) << text;
}

TEST_F(ReaderTest, NextLineTrimsAndRecognisesKeywords) {
    Open("  PIPE  \r\n    ITEM-CODE X\r\nPIPE-FIXED\nTEE");
    reader.NextLine();
    EXPECT_EQ(reader.line, "PIPE");
    EXPECT_EQ(reader.componentType, kPcfPipe);
    reader.NextLine();
    EXPECT_EQ(reader.line, "ITEM-CODE X");
    reader.NextLine();
    EXPECT_EQ(reader.componentType, kPcfPipe);
    EXPECT_FALSE(reader.IsComponentLine());
    EXPECT_FALSE(reader.AtEnd());
    reader.NextLine();
    EXPECT_EQ(reader.componentType, kPcfTee);
    EXPECT_TRUE(reader.AtEnd());
    reader.NextLine();
    EXPECT_EQ(reader.line, "");
    EXPECT_EQ(reader.componentType, kPcfTee);
}

TEST_F(ReaderTest, HeaderEndsAtABlankEndLine) {
    EXPECT_EQ(reader.pipingSpec, "VMV-001");
    EXPECT_EQ(reader.pipelineReference, "");
    Open("PIPELINE-REFERENCE P-1\nEND-POINT 0 0 0 50\nPIPING-SPEC S1\nPIPING-SPEC S2 END\nPIPE\n");
    reader.ReadHeader();
    EXPECT_EQ(reader.line, "PIPING-SPEC S2 END");
    EXPECT_EQ(reader.pipelineReference, "P-1");
    EXPECT_EQ(reader.pipingSpec, "S2");
}

TEST_F(ReaderTest, HeaderEndsAtTheFirstComponentWhenNoLineEndsIt) {
    reader.pipelineReference = "OLD";
    Open("ISOGEN-FILES ISOGEN.FLS\nPIPING-SPEC\n ELBOW\n    END-POINT 1 2 3 50\n");
    reader.ReadHeader();
    EXPECT_EQ(reader.line, "ELBOW");
    EXPECT_EQ(reader.componentType, kPcfElbow);
    EXPECT_EQ(reader.pipelineReference, "OLD");  // not named: kept
    EXPECT_EQ(reader.pipingSpec, "");            // named without a value
}

TEST_F(ReaderTest, ParsePointReadsCoordinatesAndTheBoreDigits) {
    struct Case {
        const char* line;
        PcfPoint point;
    };
    const Case cases[] = {
        {"END-POINT 100 200 300", {100, 200, 300, 0}},
        {"END-POINT 1,5 2 3 50", {1.5, 2, 3, 50}},
        {"END-POINT -1 -2.25 3E2 50.0000 BW", {-1, -2.25, 300, 50}},
        {"END-POINT 0 0 0 2.0000", {0, 0, 0, 2}},
        {"END-POINT 0 0 0 Missing", {0, 0, 0, 0}},
        {"END-POINT 0 0 0 -40", {0, 0, 0, -40}},
        {"END-POINT 0 0 0 99999999999", {0, 0, 0, 2147483647}},
        {"END-POINT", {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        reader.line = c.line;
        PcfPoint p = reader.ParsePoint();
        EXPECT_EQ(p.x, c.point.x) << c.line;
        EXPECT_EQ(p.y, c.point.y) << c.line;
        EXPECT_EQ(p.z, c.point.z) << c.line;
        EXPECT_EQ(p.size, c.point.size) << c.line;
    }
}

TEST_F(ReaderTest, EndPointsAndCentreOfOneComponent) {
    Open(
        "ELBOW\n  ITEM-CODE E\n  END-POINT 1 0 0 50\n  END-POINT 2 0 0 50\n"
        "  CENTRE-POINT 2 0 1 50\n  ANGLE 4500\nELBOW\n  END-POINT 5 0 0 80\n"
        "  END-POINT 6 0 0 80\n  ANGLE 4500,5\nGASKET\n");
    reader.NextLine();
    ASSERT_TRUE(reader.ReadEndPoints());
    EXPECT_EQ(reader.p1.x, 1);
    EXPECT_EQ(reader.p2.x, 2);
    EXPECT_EQ(reader.centre.z, 1);
    EXPECT_EQ(reader.line, "CENTRE-POINT 2 0 1 50");
    double angle = 0;
    ASSERT_TRUE(reader.ReadAngle(angle));
    EXPECT_DOUBLE_EQ(angle, 45.0);
    reader.SkipToComponent();
    ASSERT_TRUE(reader.ReadEndPoints());
    EXPECT_EQ(reader.p1.size, 80);
    EXPECT_EQ(reader.centre.z, 1);  // no centre line: the earlier centre stays
    EXPECT_EQ(reader.line, "ANGLE 4500,5");
    ASSERT_TRUE(reader.ReadAngle(angle));
    EXPECT_DOUBLE_EQ(angle, 45.005);
}

TEST_F(ReaderTest, SearchesStopAtTheNextComponent) {
    Open(
        "PIPE\n  ITEM-CODE P\nELBOW\n  END-POINT 1 0 0 50\n  END-POINT 2 0 0 50\nFLANGE\n"
        "  END-POINT 9 9 9 15\nVALVE\n  END-POINT 3 3 3 25\n");
    reader.NextLine();
    reader.p1 = {7, 7, 7, 7};
    EXPECT_FALSE(reader.ReadEndPoints());
    EXPECT_EQ(reader.line, "ELBOW");
    EXPECT_EQ(reader.componentType, kPcfElbow);
    EXPECT_EQ(reader.p1.x, 7);  // points keep their values
    ASSERT_TRUE(reader.ReadEndPoints());
    double angle = 99;
    EXPECT_FALSE(reader.ReadAngle(angle));  // the line after the end points is the next component
    EXPECT_EQ(angle, 99);
    EXPECT_EQ(reader.line, "FLANGE");
    // one end point only: the next component's keyword is not taken as its second
    EXPECT_FALSE(reader.ReadEndPoints());
    EXPECT_EQ(reader.line, "VALVE");
    EXPECT_EQ(reader.p1.x, 1);
    // an end point on the last line of the file is not found
    EXPECT_FALSE(reader.ReadEndPoints());
    EXPECT_TRUE(reader.AtEnd());
}

TEST_F(ReaderTest, AngleMissingBeforeTheEndOfTheFile) {
    Open("ELBOW\n  END-POINT 1 0 0 50\n  END-POINT 2 0 0 50\n  SKEY ELBW\n");
    reader.NextLine();
    ASSERT_TRUE(reader.ReadEndPoints());
    double angle = 99;
    EXPECT_FALSE(reader.ReadAngle(angle));
    EXPECT_TRUE(reader.AtEnd());
}

TEST_F(ReaderTest, AnglesInHundredthsOrInPlainDegrees) {
    struct Case {
        const char* word;
        double degrees;
    };
    const Case cases[] = {{"9000", 90},    {"4500", 45}, {"4500,5", 45.005}, {"18000", 180},
                          {"90.0000", 90}, {"90", 90},   {"2988", 29.88},    {"360", 360}};
    for (const auto& c : cases) {
        Open(std::string("ELBOW\n  ANGLE ") + c.word + "\n");
        reader.NextLine();
        reader.NextLine();
        double angle = -1;
        ASSERT_TRUE(reader.ReadAngle(angle)) << c.word;
        EXPECT_NEAR(angle, c.degrees, 1e-9) << c.word;
        reader.ClosePcf();
    }
}

TEST_F(ReaderTest, InchBoresOfAnInchHeaderBecomeNominalMillimetres) {
    Open(
        "ISOGEN-FILES ISOGEN.FLS\nUNITS-BORE INCH\nPIPE\n"
        "  END-POINT 0 0 0 2.0000 BW\n  END-POINT 0 0 0 0.75\n  CENTRE-POINT 0 0 0 7.0000\n");
    reader.ReadHeader();
    ASSERT_TRUE(reader.ReadEndPoints());
    EXPECT_EQ(reader.p1.size, 50);
    EXPECT_EQ(reader.p2.size, 20);
    EXPECT_EQ(reader.centre.size, 178);  // not a pipe size of its own: converted
    reader.ClosePcf();
    Open("units-bore mm\nPIPE\n  END-POINT 0 0 0 50.0000\n  END-POINT 1 0 0 50\n");
    reader.ReadHeader();
    ASSERT_TRUE(reader.ReadEndPoints());
    EXPECT_EQ(reader.p1.size, 50);  // the next file names its own units
}

TEST_F(ReaderTest, TagLinesAndSkipping) {
    Open("  TAG-NO P-101\nTAGX\nMATERIALS\nCOUPLING\n");
    reader.NextLine();
    EXPECT_TRUE(reader.IsTagLine());
    reader.NextLine();
    EXPECT_TRUE(reader.IsTagLine());
    reader.SkipToComponent();
    EXPECT_EQ(reader.line, "COUPLING");
    EXPECT_EQ(reader.componentType, kPcfCoupling);
    EXPECT_FALSE(reader.IsTagLine());
}

TEST(PcfReaderOpen, MissingFileReportsItsErrorNumber) {
    TestProgram t;
    PcfReader reader(t.p().textfil);
    std::string path = (t.work / "missing.pcf").string();
    EXPECT_FALSE(reader.OpenPcf(path));
    EXPECT_EQ(t.p().textfil.FeilNr, 2);
    ASSERT_EQ(t.dialogs.boxes.size(), 1u);
    EXPECT_EQ(t.dialogs.boxes[0].text, "Feil under åpning av " + path + "  (FEILNR.: 2)");
    EXPECT_TRUE(reader.AtEnd());
}

}  // namespace
