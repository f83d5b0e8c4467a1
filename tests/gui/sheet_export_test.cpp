#include "gui/sheet_export.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <filesystem>
#include <set>

#include "preview/preview.h"
#include "tests/fakes/test_program.h"
#include "tests/gui/qt_test_app.h"

namespace {

// One of the demo spools: flanges, pipes, a bend, a tee and an open end.
const char* kExamplePcf = "examples/cooling-sw205-sp03.pcf";

class SheetExport : public ::testing::Test {
  protected:
    void SetUp() override {
        EnsureQtApp();
        std::filesystem::copy_file(std::filesystem::path(VIMO_SOURCE_DIR) / kExamplePcf,
                                   t.work / "Line1.PCF");
        t.p().Start({});
    }
    std::string Out(const std::string& name) { return (t.work / name).string(); }
    TestProgram t;
};

std::string PdfText(const std::string& path) {
    QProcess p;
    p.start("pdftotext", {"-raw", QString::fromStdString(path), "-"});
    if (!p.waitForFinished(60000))
        return {};
    return p.readAllStandardOutput().toStdString();
}

std::string WithoutBlanks(std::string s) {
    std::erase_if(s, [](unsigned char c) { return std::isspace(c); });
    return s;
}

TEST_F(SheetExport, PdfHoldsTheLevelTextsThePageDraws) {
    std::string error;
    ASSERT_EQ(ExportSheet(t.p(), "Line1.PCF", Out("line1.pdf"), error), 0) << error;
    EXPECT_TRUE(std::filesystem::exists(t.work / "Line1.ppv"));

    // The texts the same sheet draws, taken from a recording of it.
    RecordingCanvas recording;
    t.p().preview->CanvasPrint(recording);
    std::set<std::string> level;
    for (const auto& call : recording.Texts())
        if (call.font.escapement == 0 && WithoutBlanks(call.text).size() >= 3)
            level.insert(WithoutBlanks(call.text));
    ASSERT_FALSE(level.empty());

    const std::string text = WithoutBlanks(PdfText(Out("line1.pdf")));
    for (const auto& expected : level)
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    EXPECT_TRUE(t.dialogs.boxes.empty());
}

TEST_F(SheetExport, PngIsALandscapeA4PageAt150DotsPerInchOnWhite) {
    std::string error;
    ASSERT_EQ(ExportSheet(t.p(), "Line1.PCF", Out("line1.png"), error), 0) << error;
    QImage img(QString::fromStdString(Out("line1.png")));
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.width(), 1754);
    EXPECT_EQ(img.height(), 1240);
    EXPECT_EQ(t.p().preview->pixelprmm, 6);
    int dark = 0, white = 0, samples = 0;
    for (int y = 0; y < img.height(); y += 2)
        for (int x = 0; x < img.width(); x += 2, ++samples) {
            dark += qGray(img.pixel(x, y)) < 128 ? 1 : 0;
            white += img.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
        }
    EXPECT_GT(dark, 1000) << "the sheet is drawn";
    EXPECT_GT(white, samples * 3 / 4) << "on a white page";
}

struct FailureCase {
    const char* name;
    const char* sheet;  // written into the working folder when not empty
    const char* file;
    const char* out;
    int code;  // expected status, -1 for any non-zero
};

TEST_F(SheetExport, FailuresGiveANonZeroStatusAReasonAndNoOutputFile) {
    const FailureCase cases[] = {
        {"wrong version", "Vimo Preview 0.9\r\nx\r\n", "Old.ppv", "old.pdf", 1},
        {"wrong version png", "Vimo Preview 0.9\r\nx\r\n", "Old.ppv", "old.png", -1},
        {"missing pcf", "", "Missing.pcf", "missing.pdf", 2},
        {"unwritable output", "", "Line1.PCF", "no/such/folder/line1.pdf", -1},
        {"unknown output kind", "", "Line1.PCF", "line1.svg", -1},
    };
    for (const auto& c : cases) {
        if (*c.sheet)
            TestProgram::WriteFile(t.work / c.file, c.sheet);
        std::string error;
        int code = ExportSheet(t.p(), c.file, Out(c.out), error);
        if (c.code < 0)
            EXPECT_NE(code, 0) << c.name;
        else
            EXPECT_EQ(code, c.code) << c.name;
        EXPECT_FALSE(error.empty()) << c.name;
        EXPECT_FALSE(std::filesystem::exists(Out(c.out))) << c.name;
    }
    EXPECT_TRUE(t.dialogs.boxes.empty() ||
                t.dialogs.boxes.front().text.find("Missing") != std::string::npos)
        << "only the failed opening of the missing file reports itself";
}

}  // namespace
