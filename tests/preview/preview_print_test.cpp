#include <gtest/gtest.h>

#include "preview/preview.h"
#include "tests/fakes/test_program.h"

namespace {

class PreviewPrint : public ::testing::Test {
  protected:
    TestProgram t;
    TPreviewForm form{t.p()};
};

struct WidthCase {
    int portraitWidth;
    int pixelprmm;
};

TEST_F(PreviewPrint, PixelsPerMillimetreFromPortraitWidthAndNeverZero) {
    const WidthCase cases[] = {{4760, 23}, {4799, 23}, {400, 2}, {200, 1}, {199, 1}, {0, 1}};
    for (const auto& c : cases) {
        t.printer.portraitWidth = c.portraitWidth;
        form.UnattendedPrint = true;
        ASSERT_TRUE(form.Skriv1Click());
        EXPECT_EQ(form.pixelprmm, c.pixelprmm) << "portrait width " << c.portraitWidth;
    }
}

TEST_F(PreviewPrint, PrintsOneLandscapePageTitledAfterTheSource) {
    t.printer.portraitWidth = 4760;
    t.printer.portraitHeight = 6814;
    form.SheetFileName = "/jobs/spool/Line7.ppv";
    form.UnattendedPrint = true;

    EXPECT_TRUE(form.Skriv1Click());

    EXPECT_EQ(form.PageWidth, 6814);
    EXPECT_EQ(form.PageHeight, 4760);
    EXPECT_EQ(t.printer.orientation, Orientation::Landscape);
    ASSERT_EQ(t.printer.titles.size(), 1u);
    EXPECT_EQ(t.printer.titles[0], "Line7.ppv");
    EXPECT_FALSE(t.printer.inDocument);
    EXPECT_EQ(t.dialogs.printDialogs, 0);
    EXPECT_TRUE(t.dialogs.boxes.empty());
    EXPECT_TRUE(form.LastPrintError.empty());
}

TEST_F(PreviewPrint, DialogIsShownUnlessUnattendedAndCancelPrintsNothingSilently) {
    t.dialogs.printDialogAnswer = false;
    EXPECT_FALSE(form.Skriv1Click());
    EXPECT_EQ(t.dialogs.printDialogs, 1);
    EXPECT_TRUE(t.printer.titles.empty());
    EXPECT_TRUE(t.dialogs.boxes.empty());
    EXPECT_TRUE(form.LastPrintError.empty());

    t.dialogs.printDialogAnswer = true;
    EXPECT_TRUE(form.Skriv1Click());
    EXPECT_EQ(t.dialogs.printDialogs, 2);
    EXPECT_EQ(t.printer.titles.size(), 1u);
}

struct FailureCase {
    const char* name;
    bool canBegin;
    bool endOk;
};

TEST_F(PreviewPrint, PrinterThatCannotBeginOrRefusesTheJobIsAFailedPrint) {
    const FailureCase cases[] = {{"cannot begin", false, true}, {"refused", true, false}};
    for (const auto& c : cases) {
        TestProgram fresh;
        fresh.p().textfil.LogActive = true;
        TPreviewForm f(fresh.p());
        f.SheetFileName = "/jobs/Line9.ppv";
        f.UnattendedPrint = true;
        fresh.printer.canBegin = c.canBegin;
        fresh.printer.endOk = c.endOk;

        EXPECT_FALSE(f.Skriv1Click()) << c.name;

        EXPECT_FALSE(f.LastPrintError.empty()) << c.name;
        EXPECT_NE(f.LastPrintError.find("Line9.ppv"), std::string::npos) << c.name;
        EXPECT_NE(f.LastPrintError.find("Shop printer"), std::string::npos) << c.name;
        ASSERT_EQ(fresh.dialogs.boxes.size(), 1u) << c.name;
        EXPECT_EQ(fresh.dialogs.boxes[0].title, "FEIL");
        EXPECT_EQ(fresh.dialogs.boxes[0].text, f.LastPrintError);
        bool logged = false;
        for (const auto& line : fresh.p().textfil.LogList)
            logged = logged || line.find("FEIL: " + f.LastPrintError) != std::string::npos;
        EXPECT_TRUE(logged) << c.name;
    }
}

TEST_F(PreviewPrint, AFailureIsClearedByTheNextGoodPrint) {
    form.UnattendedPrint = true;
    t.printer.canBegin = false;
    ASSERT_FALSE(form.Skriv1Click());
    ASSERT_FALSE(form.LastPrintError.empty());
    t.printer.canBegin = true;
    EXPECT_TRUE(form.Skriv1Click());
    EXPECT_TRUE(form.LastPrintError.empty());
}

struct PrintFlagCase {
    std::vector<std::string> args;
    bool print;
};

TEST_F(PreviewPrint, OnlyAnExactPrintInSecondPlaceAsksForPrinting) {
    const PrintFlagCase cases[] = {
        {{"a.ppv", "-print"}, true}, {{"a.ppv", "-PRINT"}, false},     {{"-print", "a.ppv"}, false},
        {{"a.ppv"}, false},          {{"a.ppv", "-print", "x"}, true},
    };
    for (const auto& c : cases) {
        TPreviewForm f(t.p());
        EXPECT_EQ(f.HandleCommandLine(c.args), 0);
        EXPECT_EQ(f.CommandLinePrint, c.print) << c.args[0] << " " << c.args.size();
    }
}

struct SheetPathCase {
    const char* path;
    const char* sheet;
};

TEST(PreviewSheetPath, FirstPcfAnyCaseIsRemovedAndPpvAppended) {
    const SheetPathCase cases[] = {
        {"/jobs/Line1.PCF", "/jobs/Line1.ppv"},
        {"/jobs/line1.pcf", "/jobs/line1.ppv"},
        {"/a.pcfdata/b.pcf", "/adata/b.pcf.ppv"},
        {"/jobs/Line1.Pcf.old", "/jobs/Line1.old.ppv"},
        {"/jobs/Line1.ppv", ""},
        {"/jobs/pcf", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(TPreviewForm::SheetPathFor(c.path), c.sheet) << c.path;
}

TEST_F(PreviewPrint, CommandLineSheetIsMadeAbsoluteAndKeepsItsCase) {
    const std::string work = t.work.string() + "/";
    const std::pair<std::string, std::string> cases[] = {
        {"Sheets/Line7.PPV", work + "Sheets/Line7.PPV"},
        {"./Sheets/../Line8.ppv", work + "Line8.ppv"},
        {"--debug", work + "--debug"},
        {"/Abs/Line9.ppv", "/Abs/Line9.ppv"},
    };
    for (const auto& [arg, expected] : cases) {
        TPreviewForm f(t.p());
        EXPECT_EQ(f.HandleCommandLine({arg}), 0) << arg;
        EXPECT_EQ(f.SheetFileName, expected) << arg;
        EXPECT_FALSE(t.printer.inDocument);
    }
}

TEST_F(PreviewPrint, WithoutArgumentsTheSheetIsInTheTmpFolder) {
    EXPECT_EQ(form.HandleCommandLine({}), 0);
    EXPECT_EQ(form.SheetFileName, t.p().reg.solvantapath("tmp") + "vimo.ppv");
    EXPECT_FALSE(form.CommandLinePrint);
    EXPECT_TRUE(t.printer.titles.empty());
}

TEST_F(PreviewPrint, APcfOnTheCommandLineIsConvertedNextToItself) {
    const auto corpus = std::filesystem::path(VIMO_SOURCE_DIR) / "examples/fuel-fo314-sp02.pcf";
    const auto pcf = t.work / "Jobs" / "Line1.PCF";
    std::filesystem::create_directories(pcf.parent_path());
    std::filesystem::copy_file(corpus, pcf);

    EXPECT_EQ(form.HandleCommandLine({"Jobs/Line1.PCF", "-print"}), 0);

    const std::string sheet = (t.work / "Jobs" / "Line1.ppv").string();
    EXPECT_EQ(form.SheetFileName, sheet);
    EXPECT_TRUE(std::filesystem::exists(sheet));
    EXPECT_TRUE(form.CommandLinePrint);
    EXPECT_EQ(form.JobTitle(), "Line1.PCF");
}

TEST_F(PreviewPrint, AMissingPcfEndsWithTheErrorNumberOfTheFailedOpening) {
    int code = form.HandleCommandLine({"Missing.pcf", "-print"});
    EXPECT_EQ(code, 2);
    EXPECT_EQ(code, t.p().textfil.FeilNr);
    EXPECT_FALSE(std::filesystem::exists(t.work / "Missing.ppv"));
}

TEST_F(PreviewPrint, CommandLinePrintLoadsThenPrintsWithTheDialog) {
    const auto corpus = std::filesystem::path(VIMO_SOURCE_DIR) / "examples/fuel-fo314-sp02.pcf";
    std::filesystem::copy_file(corpus, t.work / "Line2.pcf");
    ASSERT_EQ(form.HandleCommandLine({"Line2.pcf", "-print"}), 0);

    form.RunCommandLinePrint();

    EXPECT_EQ(t.dialogs.printDialogs, 1);
    ASSERT_EQ(t.printer.titles.size(), 1u);
    EXPECT_EQ(t.printer.titles[0], "Line2.pcf");
    EXPECT_FALSE(t.printer.pages.back()->calls.empty());
}

TEST_F(PreviewPrint, CommandLinePrintOfASheetThatFailsToLoadPrintsNothing) {
    TestProgram::WriteFile(t.work / "Old.ppv", "Vimo Preview 0.9\r\n");
    ASSERT_EQ(form.HandleCommandLine({"Old.ppv", "-print"}), 0);
    form.ShowVersionDialog = false;

    form.RunCommandLinePrint();

    EXPECT_NE(t.p().textfil.FeilNr, 0);
    EXPECT_TRUE(t.printer.titles.empty());
    EXPECT_EQ(t.dialogs.printDialogs, 0);
}

TEST_F(PreviewPrint, WithoutPrintOnTheCommandLineNothingIsLoadedOrPrinted) {
    TestProgram::WriteFile(t.work / "Line3.ppv", "Vimo Preview 0.9\r\n");
    ASSERT_EQ(form.HandleCommandLine({"Line3.ppv"}), 0);
    t.p().textfil.FeilNr = 0;

    form.RunCommandLinePrint();

    EXPECT_EQ(t.p().textfil.FeilNr, 0);
    EXPECT_TRUE(t.printer.titles.empty());
    EXPECT_EQ(t.dialogs.printDialogs, 0);
}

}  // namespace

namespace {

struct TitleCase {
    const char* source;  // SourceFileName
    const char* sheet;   // SheetFileName
    const char* text;    // SourceText of the loaded sheet
    const char* title;
};

TEST(PreviewJobTitle, NamesTheSourceFileOfTheSheetBeingPrinted) {
    const TitleCase cases[] = {
        {"/jobs/Line1.PCF", "/jobs/Line1.ppv", "VIMO", "Line1.PCF"},
        {"/jobs/Line2.ppv", "/jobs/Line2.ppv", "/x/Other.pcf", "Line2.ppv"},
        // A later spool job: the command line's file no longer applies.
        {"/jobs/Line1.PCF", "/spool/temp.ppv", "/spool/Line7.PCF", "Line7.PCF"},
        {"", "/spool/temp.ppv", "C:\\Jobs\\Line8.pcf", "Line8.pcf"},
        {"/jobs/Line1.PCF", "/spool/Line9.ppv", "/x/Other.pcf", "Line9.ppv"},
        {"", "/spool/temp.ppv", "VIMO", "temp.ppv"},
    };
    for (const auto& c : cases) {
        TestProgram t;
        TPreviewForm f(t.p());
        f.SourceFileName = c.source;
        f.SheetFileName = c.sheet;
        f.SourceText = c.text;
        EXPECT_EQ(f.JobTitle(), c.title) << c.source << " | " << c.sheet;
    }
}

}  // namespace
