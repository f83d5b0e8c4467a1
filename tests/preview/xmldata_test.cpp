#include "preview/xmldata.h"

#include <gtest/gtest.h>

#include <vector>

#include "env/cp1252.h"
#include "tests/preview/load_support.h"

namespace {

class XmlReaderTest : public ::testing::Test {
  protected:
    XmlReader& xml() { return t.p().xml; }
    // Writes the lines as a Windows-1252 file and opens it.
    void OpenLines(std::initializer_list<std::string> lines, const std::string& name = "a.xml") {
        ASSERT_TRUE(xml().xmlopen(WorkFile(t, name, Utf8ToCp1252(CrLf(lines)))));
    }
    // Parses one line as the reader does.
    int Parse(const std::string& line) {
        xml().xmlline = line;
        return xml().xmlparseline();
    }
    TestProgram t;
};

}  // namespace

TEST_F(XmlReaderTest, AttributesAreTakenOutInOrder) {
    EXPECT_EQ(Parse("  <benders title=\"Rørbøyemaskiner\">"), 1);
    EXPECT_EQ(xml().xmlparams[0].name, "title");
    EXPECT_EQ(xml().xmlparams[0].value, "Rørbøyemaskiner");
    EXPECT_EQ(xml().xmlline, "<benders>");

    EXPECT_EQ(Parse("<bender shortname=\"B1\" location=\"Hall 2\">"), 2);
    EXPECT_EQ(xml().xmlparams[0].name, "shortname");
    EXPECT_EQ(xml().xmlparams[0].value, "B1");
    EXPECT_EQ(xml().xmlparams[1].name, "location");
    EXPECT_EQ(xml().xmlparams[1].value, "Hall 2");
    EXPECT_EQ(xml().xmlparams[2].name, "");  // cleared
    EXPECT_EQ(xml().xmlline, "<bender>");
}

TEST_F(XmlReaderTest, AttributeValuesAsNumbers) {
    Parse("<p a=\"12\" b=\"1,5\" c=\"x\" d=\"-7\" e=\"3.25\">");
    const struct {
        int intvalue;
        double realvalue;
    } want[] = {{12, 12}, {0, 1.5}, {0, 0}, {-7, -7}, {0, 3.25}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(xml().xmlparams[i].intvalue, want[i].intvalue) << i;
        EXPECT_DOUBLE_EQ(xml().xmlparams[i].realvalue, want[i].realvalue) << i;
    }
}

TEST_F(XmlReaderTest, MoreThanElevenAttributesKeepTheFirstEleven) {
    std::string line = "<pipe";
    for (int i = 0; i < 14; ++i)
        line += " a" + std::to_string(i) + "=\"" + std::to_string(i) + "\"";
    line += ">text</pipe>";
    EXPECT_EQ(Parse(line), 14);
    for (int i = 0; i < XmlReader::kParamCount; ++i) {
        EXPECT_EQ(xml().xmlparams[i].name, "a" + std::to_string(i));
        EXPECT_EQ(xml().xmlparams[i].intvalue, i);
    }
    EXPECT_EQ(xml().xmlline, "<pipe>text</pipe>");
}

TEST_F(XmlReaderTest, ValueWithoutClosingQuoteIsEmptyAndHidesTheTag) {
    Parse("<remark note=\"open>text</remark>");
    EXPECT_EQ(xml().xmlparams[0].name, "note");
    EXPECT_EQ(xml().xmlparams[0].value, "");
    EXPECT_EQ(xml().xmlline.find("<remark>"), std::string::npos);
}

TEST_F(XmlReaderTest, EncodingIsTakenFromAnyLineThatNamesIt) {
    const struct {
        const char* line;
        const char* before;
        const char* after;
    } cases[] = {
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "iso-8859-1", "UTF-8"},
        {"<?xml version=\"1.0\" encoding=\"utf-8\"?>", "iso-8859-1", "iso-8859-1"},
        {"<?xml version=\"1.0\" encoding=\"utf-8\"?>", "UTF-8", "UTF-8"},
        {"<a encoding=\"UTF-8 iso-8859-1\">", "UTF-8", "iso-8859-1"},
        {"<note>UTF-8 without the word</note>", "iso-8859-1", "iso-8859-1"},
        {"<x encoding=\"iso-8859-1\">", "UTF-8", "iso-8859-1"},
    };
    for (const auto& c : cases) {
        xml().xmlencoding = c.before;
        Parse(c.line);
        EXPECT_EQ(xml().xmlencoding, c.after) << c.line;
    }
}

TEST_F(XmlReaderTest, Utf8FileHasItsElementTextsRepaired) {
    ASSERT_TRUE(xml().xmlopen(TestProgram::Fixture("xml/benders_utf8.xml").string()));
    ASSERT_TRUE(xml().xmlfindelement("benders"));
    EXPECT_EQ(xml().xmlencoding, "UTF-8");
    EXPECT_EQ(xml().xmlparams[0].value, "BÃ¸yemaskiner");  // attributes stay as read
    ASSERT_TRUE(xml().xmlfindelement("bender"));
    EXPECT_EQ(xml().xmlreadvalue("shortname"), "BØ1");
    EXPECT_EQ(xml().xmlparams[0].value, "BÃ¸ye Ã¸st");
    EXPECT_EQ(xml().xmlreadvalue("remark"), "Bøyemaskin øst, ÆØÅ æøå");
    xml().xmlclose();
    // The encoding in force carries over to a file that names none.
    OpenLines({"<a>", "<b>BÃ¸yemaskin Ã¸st</b>", "</a>"});
    EXPECT_EQ(xml().xmlreadvalue("b"), "Bøyemaskin øst");
    xml().xmlclose();
}

TEST_F(XmlReaderTest, ValuesAreTakenFromTheRestOfTheLine) {
    OpenLines({"<bender>", "<dims>1200</dims><remark>ok</remark>", "<location>first line",
               "second line</location>", "</bender>"});
    ASSERT_TRUE(xml().xmlfindelement("bender"));
    EXPECT_EQ(xml().xmlreadvalue("dims"), "1200");
    const int line = xml().xmllinecount;
    EXPECT_EQ(xml().xmlreadvalue("remark"), "ok");
    EXPECT_EQ(xml().xmllinecount, line);  // no line read for it
    EXPECT_EQ(xml().xmlreadvalue("location"), "first line");
    xml().xmlclose();
}

TEST_F(XmlReaderTest, FindElementStartsOnTheNextLine) {
    OpenLines({"<bender>", "<bender>", "<other>"});
    ASSERT_TRUE(xml().xmlfindelement("bender"));
    EXPECT_EQ(xml().xmllinecount, 1);
    ASSERT_TRUE(xml().xmlfindelement("bender"));
    EXPECT_EQ(xml().xmllinecount, 2);
    EXPECT_FALSE(xml().xmlfindelement("bender"));
    EXPECT_TRUE(xml().xmleof());
    xml().xmlclose();
}

TEST_F(XmlReaderTest, MissingValueStopsAtTheClosingTagAndGoesBack) {
    OpenLines({"<bender>", "  <shortname>B3</shortname>", "  <dims>700</dims>", "</bender>",
               "<bender>", "<location>Hall 9</location>", "</bender>"});
    ASSERT_TRUE(xml().xmlfindelement("bender"));
    EXPECT_EQ(xml().xmlreadvalue("shortname"), "B3");
    EXPECT_EQ(xml().xmlreadvalue("location"), "");
    EXPECT_EQ(xml().xmllinecount, 2);
    // The restored line is the file's own, untrimmed.
    EXPECT_EQ(xml().xmlline, "  <shortname>B3</shortname>");
    EXPECT_FALSE(xml().xmlelementend());
    EXPECT_EQ(xml().xmlreadvalue("dims"), "700");
    xml().xmlclose();
}

TEST_F(XmlReaderTest, UnopenedFileGivesEmptyValuesAndReportsBothErrors) {
    std::vector<std::pair<int, std::string>> errors;
    xml().xmlerror = [&](int code, const std::string& text) { errors.emplace_back(code, text); };
    const std::string path = (t.work / "missing.xml").string();
    EXPECT_FALSE(xml().xmlopen(path));
    EXPECT_TRUE(xml().xmleof());
    EXPECT_FALSE(xml().xmlfindelement("bender"));
    EXPECT_EQ(xml().xmlreadvalue("shortname"), "");
    EXPECT_TRUE(xml().xmleof());
    EXPECT_TRUE(xml().xmlclose());
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0], std::make_pair(7001, "Kan ikke åpne " + path));
    EXPECT_EQ(errors[1], std::make_pair(7004, std::string("Feil under lukking av fil")));
    EXPECT_EQ(t.dialogs.boxes.size(), 1u);  // the opening's own box only
}

TEST_F(XmlReaderTest, DefaultHandlerLogsOnlyWhenVerbose) {
    auto& textfil = t.p().textfil;
    textfil.LogActive = true;
    for (bool verbose : {false, true}) {
        textfil.LogList.clear();
        textfil.LogVerbose = verbose;
        xml().xmlerror(7004, "Feil under lukking av fil");
        ASSERT_EQ(textfil.LogList.size(), verbose ? 1u : 0u);
        if (verbose) {
            EXPECT_NE(textfil.LogList[0].find(" XML: 7004 Feil under lukking av fil"),
                      std::string::npos);
        }
    }
}
