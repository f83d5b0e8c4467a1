#include <gtest/gtest.h>

#include "env/qv_reg.h"
#include "env/qv_reg_window.h"
#include "tests/fakes/fake_placement.h"
#include "tests/fakes/test_program.h"

namespace {

class FakeWindow : public FakePlacement<PlacementWindow> {
  public:
    FakeWindow() {
        left = 10;
        top = 20;
        screenWidth = 1280;
        screenHeight = 1024;
    }
};

class WindowPlacementTest : public ::testing::Test {
  protected:
    void SetUp() override {
        reg().IniPath = (t.work / "solvanta.ini").string();
        reg().IniFolder = t.work.string() + "/";
        reg().OpenIni(reg().IniPath);
    }
    QvReg& reg() { return t.p().reg; }
    // Writes a saved placement into the per-user file as an earlier run left it.
    void Saved(const std::string& section,
               const std::vector<std::pair<std::string, std::string>>& keys) {
        IniFile user((t.work / "OPERATOR.INI").string());
        for (const auto& [key, value] : keys) user.WriteString(section, key, value);
        ASSERT_TRUE(user.UpdateFile());
    }
    TestProgram t;
};

TEST_F(WindowPlacementTest, WindowWithoutSavedSectionGoesToTheTopLeftCorner) {
    FakeWindow window;
    std::string extra = "something";
    EXPECT_EQ(LoadWindowPlacement(reg(), window, "PrintSpoolerForm", extra), 0);
    EXPECT_EQ(window.left, 0);
    EXPECT_EQ(window.top, 0);
    EXPECT_EQ(window.width, 370);
    EXPECT_EQ(window.height, 84);
    EXPECT_FALSE(window.maximized);
    EXPECT_EQ(extra, "");
}

struct EdgeCase {
    const char* what;
    std::string left, top;
    int expectedLeft, expectedTop;
};

TEST_F(WindowPlacementTest, EdgesBeyondTheScreenAreBroughtBack) {
    const std::vector<EdgeCase> cases = {
        {"on screen", "100", "200", 100, 200},
        {"left beyond the width", "1600", "200", 1280 - 370, 200},
        {"top beyond the height", "100", "1100", 100, 1024 - 84},
        {"negative left kept", "-150", "5", -150, 5},
        {"exactly the width kept", "1280", "1024", 1280, 1024},
    };
    for (const auto& c : cases) {
        Saved("VINDU-Test", {{"Left", c.left}, {"Top", c.top}});
        FakeWindow window;
        std::string extra;
        LoadWindowPlacement(reg(), window, "Test", extra);
        EXPECT_EQ(window.left, c.expectedLeft) << c.what;
        EXPECT_EQ(window.top, c.expectedTop) << c.what;
    }
}

TEST_F(WindowPlacementTest, OnlyPosLeavesTheSizeButReturnsTheFreeText) {
    Saved("VINDU-Test",
          {{"Left", "5"}, {"Top", "6"}, {"Height", "500"}, {"Width", "640"}, {"Diverse", "wide"}});
    FakeWindow window;
    std::string extra = "OnlyPos";
    LoadWindowPlacement(reg(), window, "Test", extra);
    EXPECT_EQ(window.height, 84);
    EXPECT_EQ(window.width, 370);
    EXPECT_EQ(window.left, 5);
    EXPECT_EQ(extra, "wide");

    FakeWindow sized;
    std::string none;
    LoadWindowPlacement(reg(), sized, "Test", none);
    EXPECT_EQ(sized.height, 500);
    EXPECT_EQ(sized.width, 640);
}

TEST_F(WindowPlacementTest, SavedPlacementComesBackAfterARestart) {
    FakeWindow window;
    window.left = 300;
    window.top = 40;
    window.width = 1280;
    window.height = 1024;
    window.maximized = true;
    reg().CurrentSection = "TEKNISK";
    SaveWindowPlacement(reg(), window, "Test", "kept");
    EXPECT_EQ(reg().CurrentSection, "TEKNISK");
    EXPECT_EQ(reg().Ini().FileName(), reg().IniPath);

    IniFile user((t.work / "OPERATOR.INI").string());
    EXPECT_TRUE(user.ReadBool("VINDU-Test", "Maximized", false));
    EXPECT_EQ(user.ReadInteger("VINDU-Test", "Width", 0), 1280);

    t.Restart();
    SetUp();
    FakeWindow again;
    std::string extra;
    LoadWindowPlacement(reg(), again, "Test", extra);
    EXPECT_EQ(again.left, 300);
    EXPECT_EQ(again.top, 40);
    EXPECT_EQ(again.height, 1024);
    EXPECT_TRUE(again.maximized);
    EXPECT_EQ(extra, "kept");
    EXPECT_EQ(reg().Ini().FileName(), reg().IniPath);
}

}  // namespace
