#include "env/meldinger.h"

#include <gtest/gtest.h>

#include "tests/fakes/test_program.h"

namespace {

struct RecordingView : MeldingView {
    std::vector<std::string> shown;
    void ShowLines(const std::vector<std::string>& lines) override { shown = lines; }
};

TEST(Melding, PrefixesByKind) {
    struct Case {
        int kind;
        const char* prefix;
    } cases[] = {{1, "FEIL: "},     {2, "ADVARSEL: "},      {3, "Hint: "},          {10, ""},
                 {7, "Feil nr:7 "}, {123, "Feil nr:0123 "}, {1234, "Feil nr:1234 "}};
    for (const auto& c : cases) EXPECT_EQ(TMeldingForm::Prefix(c.kind), c.prefix) << c.kind;
}

TEST(Melding, ShowsTheWindowAgainBeepsAndKeepsEveryLine) {
    TestProgram t;
    RecordingView view;
    TMeldingForm& m = t.p().melding;
    m.view = &view;
    m.Melding(2, "sjekk bøyen");
    m.Visible = false;  // the user closed it
    m.Melding(10, "neste");
    EXPECT_TRUE(m.Visible);
    EXPECT_EQ(m.MeldingListe, (std::vector<std::string>{"ADVARSEL: sjekk bøyen", "neste"}));
    EXPECT_EQ(view.shown, m.MeldingListe);
    EXPECT_EQ(t.dialogs.beeps, 2);
    EXPECT_EQ(t.p().textfil.ErrorCount + t.p().textfil.WarningCount, 0);
}

TEST(Melding, WritesNothingWhenMessagesAreNotLogged) {
    TestProgram t;
    t.p().textfil.Start((t.appdata / "log/").string(), "vimoprn");
    t.p().melding.Melding(1, "x");
    EXPECT_FALSE(std::filesystem::exists(t.p().textfil.LogFile()));
    EXPECT_TRUE(t.p().textfil.LogList.empty());
}

TEST(Melding, LoggedLinesSurviveTheWriteBackAtTheEnd) {
    TestProgram t;
    std::filesystem::create_directories(t.appdata / "log");
    t.p().textfil.Start((t.appdata / "log/").string(), "vimoprn");
    t.p().LogMessages = true;
    t.p().melding.ApplicationHandle = 42;
    t.p().melding.Melding(1, "VELG EN BØYE FOR 60.3");
    std::string line = "2026-12-10 12:00:00  PIPESHOP1(42) FEIL: VELG EN BØYE FOR 60.3";
    EXPECT_EQ(t.p().textfil.ErrorCount, 0);
    t.p().textfil.WriteLogFile();
    EXPECT_EQ(TestProgram::ReadFile(t.p().textfil.LogFile()),
              "2026-12-10 12:00:00  PIPESHOP1(42) FEIL: VELG EN B\xD8YE FOR 60.3\r\n");
    (void)line;
}

}  // namespace
