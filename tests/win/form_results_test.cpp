// The form at start, its checks asking and refusing as the Linux program's, and the commands
// beside it. The results of many births: desktop_tables_test.cpp.
#include <gtest/gtest.h>

#include "win_fixture.h"

namespace {

class FormResultsTest : public WinAppTest {
  protected:
    void SetUp() override {
        WinAppTest::SetUp();
        ASSERT_TRUE(Start());
        messages.shown.clear();
    }
};

TEST_F(FormResultsTest, AnEmptyDocumentStartsAtTheCurrentLocalMomentEvaluated) {
    EXPECT_EQ(Text(1004), "20");
    EXPECT_EQ(Text(1005), "3");
    EXPECT_EQ(Text(1006), "2024");
    EXPECT_EQ(Text(1007), "9");
    EXPECT_EQ(Text(1008), "15");
    EXPECT_EQ(Text(1022), "1");
    EXPECT_EQ(Text(1024), "20.3.2024 9:15Uhr");
    EXPECT_EQ(Text(1000), "Extras >> ");
    EXPECT_EQ(WindowTextUtf8(Frame()), "Unbenannt - Orlinde Berechnung");
}

struct Refusal {
    const char* field[6]; // day, month, year, hour, minute, time difference
    const char* message;
};

const Refusal kRefusals[] = {
    {{"20", "13", "2000", "8", "0", "1"}, "Veuillez entrer un mois entre 1 et 12."},
    {{"30", "2", "2001", "8", "0", "1"}, "Veuillez entrer un jour entre 1 et 28."},
    {{"1", "1", "2000", "25", "0", "1"}, "Veuillez entrer une heure entre 0 et 24"},
    {{"1", "1", "2000", "8", "60", "1"}, "Veuillez entrer les minutes entre 0 et 59"},
    {{"1", "1", "2000", "8", "0", "x"},
     "Le champ \u00AB Fuseau horaire \u00BB doit contenir un nombre entier."},
    {{"", "1", "2000", "8", "0", "1"},
     "Le champ \u00AB Jour \u00BB doit contenir un nombre entier."},
};

TEST_F(FormResultsTest, RefusedInputShowsItsMessageAndKeepsTheResults) {
    for (const Refusal& r : kRefusals) {
        SCOPED_TRACE(r.message);
        EnterBirth(20, 3, 2000, 8, 0, -1);
        Click(1009);
        const std::string before = Text(1012);
        const int ids[] = {1004, 1005, 1006, 1007, 1008, 1022};
        for (int i = 0; i < 6; ++i) {
            SetText(ids[i], r.field[i]);
        }
        messages.shown.clear();
        Click(1009);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].kind, MessageKind::AppOk);
        EXPECT_EQ(messages.shown[0].caption, "Calcul Orlinde");
        EXPECT_EQ(messages.shown[0].text.substr(0, std::string(r.message).size()), r.message);
        EXPECT_EQ(Text(1012), before);
    }
}

TEST_F(FormResultsTest, ABirthBefore1900IsEvaluatedOnlyWhenTheUserSaysYes) {
    EnterBirth(1, 1, 1850, 12, 0, 0);
    messages.answers = {MessageAnswer::No};
    Click(1009);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::AppYesNo);
    EXPECT_EQ(messages.shown[0].text, "Calcul pour une date d'un siècle précédent ?");
    EXPECT_EQ(Text(1024), "20.3.2024 9:15Uhr");

    messages.answers = {MessageAnswer::Yes};
    Click(1009);
    EXPECT_EQ(Text(1024), "1.1.1850 12:00Uhr");
}

TEST_F(FormResultsTest, CurrentDateCommandSetsOnlyDateAndTime) {
    EnterBirth(1, 1, 2000, 8, 0, -3);
    Command(32773);
    EXPECT_EQ(Text(1006), "2024");
    EXPECT_EQ(Text(1008), "15");
    EXPECT_EQ(Text(1022), "-3");
    EXPECT_EQ(Text(1024), "20.3.2024 9:15Uhr");
}

// Printing is no longer among them: tests/win/sheet_commands_test.cpp.
TEST_F(FormResultsTest, AboutBoxAndCommandsThisBuildCannotRunYet) {
    Command(57664);
    EXPECT_EQ(aboutRuns, 1);
    EXPECT_FALSE(MenuEnabled(32778)); // the credits
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
