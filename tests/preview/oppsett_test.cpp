#include "preview/oppsett.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/preview/load_support.h"

namespace {

class OppsettTest : public ::testing::Test {
  protected:
    OppsettTest() { MakeLoadWindows(t); }
    TOppsettForm& form() { return *t.p().oppsett; }
    IniFile& ini() { return t.p().reg.Ini(); }
    TestProgram t;
};

}  // namespace

TEST_F(OppsettTest, EmptyConfigurationGivesTheDefaults) {
    t.p().LengthDecimals = 1;
    t.p().LogMessages = true;
    form().LoadDefault();
    EXPECT_EQ(form().EditFirmanavn + form().EditAdresse1 + form().EditAdresse2 +
                  form().EditPostNummer + form().EditPostSted,
              "");
    for (int i = 0; i < TOppsettForm::kOptionCount; ++i) EXPECT_FALSE(form().Option[i]) << i;
    EXPECT_EQ(form().Avrunding, 0);
    EXPECT_EQ(form().AvrundVinkel, 0);
    EXPECT_EQ(form().AvrundVimo, 0);
    EXPECT_EQ(t.p().LengthDecimals, 0);
    EXPECT_EQ(form().fremtrekk, "0");
    EXPECT_EQ(form().sveisegap, "0");
    EXPECT_FALSE(form().dataserver);
    EXPECT_FALSE(t.p().LogMessages);
}

TEST_F(OppsettTest, RoundingTextsChooseWithinTheList) {
    const struct {
        const char* text;
        int choice;
    } cases[] = {{"0", 0},
                 {"2", 2},
                 {"3", 3},
                 {"7", 3},
                 {"-1", -1},
                 {"-5", -1},
                 {"2.5", 0},
                 {"x", 0},
                 {"", 0},
                 {"99999999999999", 3},
                 {"-99999999999999", -1},
                 {"+1", 1},
                 {" 2", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ini().WriteString("TEKNISK", "Avrunding_Lengde", c.text);
        ini().WriteString("TEKNISK", "Avrunding_Vinkel", c.text);
        form().LoadDefault();
        EXPECT_EQ(form().Avrunding, c.choice);
        EXPECT_EQ(form().AvrundVinkel, c.choice);
        EXPECT_EQ(t.p().LengthDecimals, c.choice);
    }
}

TEST_F(OppsettTest, EachOptionKeyTurnsOnItsOwnIndexOnly) {
    const auto& keys = TOppsettForm::OptionKeys();
    for (int i = 0; i < TOppsettForm::kOptionCount; ++i) {
        SCOPED_TRACE(keys[i]);
        TestProgram fresh;
        MakeLoadWindows(fresh);
        const char* section = i == kLogoVis ? "STANDARD" : "TEKNISK";
        fresh.p().reg.Ini().WriteString(section, keys[i], "1");
        fresh.p().oppsett->LoadDefault();
        for (int j = 0; j < TOppsettForm::kOptionCount; ++j)
            EXPECT_EQ(fresh.p().oppsett->Option[j], i == j) << j;
    }
}

TEST_F(OppsettTest, OnlyExactlyOneIsOnAndLogoLivesInStandard) {
    for (const char* value : {"true", "2", " 1", "yes"}) {
        ini().WriteString("TEKNISK", "BendPipe", value);
        ini().WriteString("STANDARD", "Logo_Vis", value);
        form().LoadDefault();
        EXPECT_FALSE(form().Option[kBendPipe]) << value;
        EXPECT_FALSE(form().Option[kLogoVis]) << value;
    }
    ini().WriteString("STANDARD", "Logo_Vis", "0");
    ini().WriteString("TEKNISK", "Logo_Vis", "1");
    form().LoadDefault();
    EXPECT_FALSE(form().Option[kLogoVis]);
}

TEST_F(OppsettTest, TextsAndSwitchesAreRead) {
    ini().WriteString("STANDARD", "Firma_Navn", "Verft AS");
    ini().WriteString("STANDARD", "Firma_PostAdresse", "Postboks 1");
    ini().WriteString("STANDARD", "Firma_GateAdresse", "Kaia 2");
    ini().WriteString("STANDARD", "Firma_PostNr", "6000");
    ini().WriteString("STANDARD", "Firma_PostSted", "Ålesund");
    ini().WriteString("STANDARD", "Plotfolder", "/plot/");
    ini().WriteString("TEKNISK", "Flens_fremtrekk", "12");
    ini().WriteString("TEKNISK", "Sveisegap", "2.5");
    ini().WriteString("Main", "DataServer", "1");
    ini().WriteString("Main", "Logg_Feilmeldinger", "1");
    form().LoadDefault();
    EXPECT_EQ(form().EditFirmanavn, "Verft AS");
    EXPECT_EQ(form().EditAdresse1, "Postboks 1");
    EXPECT_EQ(form().EditAdresse2, "Kaia 2");
    EXPECT_EQ(form().EditPostNummer, "6000");
    EXPECT_EQ(form().EditPostSted, "Ålesund");
    EXPECT_EQ(form().PlotFolder, "/plot/");
    EXPECT_EQ(form().fremtrekk, "12");
    EXPECT_EQ(form().sveisegap, "2.5");
    EXPECT_TRUE(form().dataserver);
    EXPECT_TRUE(form().Loggfil);
    EXPECT_TRUE(t.p().LogMessages);
    // A boolean that is not an integer counts as false.
    ini().WriteString("Main", "Logg_Feilmeldinger", "ja");
    form().LoadDefault();
    EXPECT_FALSE(t.p().LogMessages);
}

TEST_F(OppsettTest, CreationFixesTheCatalogueInTheXmlFolder) {
    const std::string xmlFolder = t.p().reg.solvantapath("xml");
    EXPECT_EQ(form().BendersFile, xmlFolder + "benders.xml");
    for (const char* name : {"data\\orlen", "xml", "tmp", "import\\pcf", "etc"}) {
        std::string folder = t.p().reg.solvantapath(name);
        EXPECT_TRUE(std::filesystem::is_directory(folder)) << name;
        EXPECT_EQ(folder.rfind(t.appdata.string(), 0), 0u) << folder;
    }
}
