// The form's results for a table of births equal the Linux program's texts, and the form's
// checks ask and refuse as there.
#include <gtest/gtest.h>

#include "win_fixture.h"

namespace {

struct Birth {
    int day, month, year, hour, minute, timeZone;
    bool southern, constZone;
    const char *julian, *moon, *sun, *mondtag, *ecart, *type, *lastNew, *full, *nextNew, *birth;
};

// As the Linux program shows them (vexamo-cli eval gives the form's texts).
const Birth kBirths[] = {
    {20, 3, 2000, 8, 0, -1, 0, 0, "2451623.791667", "99.99 %", "49.98 %", "0.23 %", "50.00 %",
     "Lunar", "6.3.2000 5:19Uhr", "20.3.2000 4:45Uhr", "4.4.2000 18:14Uhr", "20.3.2000 8:00Uhr"},
    {1, 1, 1950, 0, 0, 0, 0, 0, "2433282.500000", "89.08 %", "0.80 %", "6.03 %", "88.28 %", "Lunar",
     "19.12.1949 18:57Uhr", "4.1.1950 7:49Uhr", "18.1.1950 8:01Uhr", "1.1.1950 0:00Uhr"},
    {29, 2, 2024, 23, 59, -2, 1, 0, "2460370.415972", "75.90 %", "66.03 %", "8.30 %", "9.87 %",
     "Lunar", "9.2.2024 23:00Uhr", "24.2.2024 12:31Uhr", "10.3.2024 9:02Uhr", "29.2.2024 23:59Uhr"},
    {15, 8, 1987, 14, 30, 5, 0, 1, "2447023.312500", "55.46 %", "79.94 %", "10.12 %", "24.48 %",
     "Solar", "25.7.1987 20:37Uhr", "9.8.1987 10:18Uhr", "24.8.1987 11:58Uhr",
     "15.8.1987 14:30Uhr"},
    {31, 12, 2099, 12, 0, -12, 1, 1, "2488068.500000", "86.20 %", "99.26 %", "7.75 %", "13.06 %",
     "Solar", "11.12.2099 23:12Uhr", "27.12.2099 13:02Uhr", "10.1.2100 12:59Uhr",
     "31.12.2099 12:00Uhr"},
    {4, 7, 1976, 6, 45, 4, 0, 0, "2442963.947917", "46.74 %", "98.73 %", "11.31 %", "51.99 %",
     "Solar", "27.6.1976 14:50Uhr", "11.7.1976 13:08Uhr", "27.7.1976 1:38Uhr", "4.7.1976 6:45Uhr"},
    {21, 6, 1900, 3, 5, 12, 1, 0, "2415192.128472", "32.33 %", "0.00 %", "10.60 %", "32.33 %",
     "Lunar", "28.5.1900 14:50Uhr", "13.6.1900 3:39Uhr", "27.6.1900 1:28Uhr", "21.6.1900 3:05Uhr"},
    {10, 11, 2011, 18, 20, -1, 0, 1, "2455876.222222", "99.98 %", "13.35 %", "0.24 %", "86.63 %",
     "Lunar", "26.10.2011 19:56Uhr", "10.11.2011 20:18Uhr", "25.11.2011 6:11Uhr",
     "10.11.2011 18:20Uhr"},
    {1, 4, 2030, 0, 1, -5, 0, 0, "2462592.292361", "4.45 %", "59.38 %", "4.18 %", "54.92 %",
     "Solar", "4.3.2030 6:37Uhr", "19.3.2030 17:58Uhr", "2.4.2030 22:04Uhr", "1.4.2030 0:01Uhr"},
    {25, 12, 1999, 21, 12, 3, 1, 1, "2451538.508333", "85.13 %", "99.89 %", "8.14 %", "14.76 %",
     "Solar", "7.12.1999 22:33Uhr", "22.12.1999 17:33Uhr", "6.1.2000 18:14Uhr",
     "25.12.1999 21:12Uhr"},
};

class FormResultsTest : public WinAppTest {
  protected:
    void SetUp() override {
        WinAppTest::SetUp();
        ASSERT_TRUE(Start());
        messages.shown.clear();
    }
};

TEST_F(FormResultsTest, EveryResultOfEveryBirthAsTheLinuxProgramShowsIt) {
    for (const Birth& b : kBirths) {
        SCOPED_TRACE(b.birth);
        EnterBirth(b.day, b.month, b.year, b.hour, b.minute, b.timeZone);
        SetCheck(1001, b.southern);
        SetCheck(1002, b.constZone);
        Click(1009);
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(Text(1021), b.julian);
        EXPECT_EQ(Text(1012), b.moon);
        EXPECT_EQ(Text(1013), b.sun);
        EXPECT_EQ(Text(1026), b.mondtag);
        EXPECT_EQ(Text(1014), b.ecart);
        EXPECT_EQ(Text(1011), b.type);
        EXPECT_EQ(Text(1015), b.lastNew);
        EXPECT_EQ(Text(1019), b.full);
        EXPECT_EQ(Text(1020), b.nextNew);
        EXPECT_EQ(Text(1024), b.birth);
        // The type's picture is shown.
        EXPECT_NE(SendDlgItemMessageW(Form(), 1023, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    }
}

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

TEST_F(FormResultsTest, AboutBoxAndCommandsThisBuildCannotRunYet) {
    Command(57664);
    EXPECT_EQ(aboutRuns, 1);
    EXPECT_FALSE(MenuEnabled(32778)); // the credits
    Command(57607);                   // printing
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::AppOk);
}

} // namespace
