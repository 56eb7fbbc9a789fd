// The checks before an evaluation, and the mend for fields that hold no integer.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "ui/main_view.h"
#include "ui/phase_diagram.h"

class ValidationTest : public AppFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        messages.Clear();
        shownBirth = Text(IDC_BIRTH);
        shownJulian = Text(IDC_JULIAN);
    }
    void ExpectResultsUnchanged() const {
        EXPECT_EQ(Text(IDC_BIRTH), shownBirth);
        EXPECT_EQ(Text(IDC_JULIAN), shownJulian);
        EXPECT_EQ(QString::number(Diagram().m_dCentreJD, 'f', 6), shownJulian);
    }
    QString shownBirth;
    QString shownJulian;
};

TEST_F(ValidationTest, EarlierCenturyAnsweredNoStopsSilently) {
    EnterBirth(1, 2, 1899, 3, 4, 0);
    messages.answers = {MessageAnswer::No};
    Click(IDC_CALCULATE);
    EXPECT_EQ(messages.Texts(), QStringList{"Calcul pour une date d'un siècle précédent ?"});
    ExpectResultsUnchanged();
    EXPECT_EQ(View().Input().year, 1899); // the members keep what was read
}

TEST_F(ValidationTest, EarlierCenturyAnsweredYesEvaluatesOrReportsTheOtherChecks) {
    EnterBirth(1, 2, 1899, 3, 4, 0);
    messages.answers = {MessageAnswer::Yes};
    Click(IDC_CALCULATE);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(Text(IDC_BIRTH), "1.2.1899 3:04Uhr");

    messages.Clear();
    SetText(IDC_MONTH, "13");
    messages.answers = {MessageAnswer::Yes};
    Click(IDC_CALCULATE);
    EXPECT_EQ(messages.Texts(), (QStringList{"Calcul pour une date d'un siècle précédent ?",
                                             "Veuillez entrer un mois entre 1 et 12."}));
    EXPECT_EQ(messages.shown[1].kind, MessageKind::AppOk);
    EXPECT_EQ(Text(IDC_BIRTH), "1.2.1899 3:04Uhr");
}

TEST_F(ValidationTest, OnlyTheLastFailingCheckIsShown) {
    EnterBirth(10, 13, 2000, 12, 60, 0);
    Click(IDC_CALCULATE);
    EXPECT_EQ(messages.Texts(), QStringList{"Veuillez entrer les minutes entre 0 et 59"});
    EXPECT_EQ(messages.shown[0].caption, "Calcul Orlinde");
    ExpectResultsUnchanged();
}

TEST_F(ValidationTest, BoundsOfHourAndTimeDifference) {
    EnterBirth(31, 12, 1999, 24, 0, 12);
    Click(IDC_CALCULATE);
    EnterBirth(31, 12, 1999, 24, 0, -12);
    Click(IDC_CALCULATE);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Text(IDC_BIRTH), "31.12.1999 24:00Uhr");

    SetText(IDC_HOUR, "25");
    Click(IDC_CALCULATE);
    SetText(IDC_HOUR, "24");
    SetText(IDC_TIME_ZONE, "13");
    Click(IDC_CALCULATE);
    EXPECT_EQ(messages.Texts(),
              (QStringList{"Veuillez entrer une heure entre 0 et 24",
                           "Le fuseau horaire doit être compris entre -12 et 12."}));
}

TEST_F(ValidationTest, YearOutsideTheSupportedRangeIsRefusedWithoutQuestion) {
    EnterBirth(1, 1, 100000, 0, 0, 0);
    Click(IDC_CALCULATE);
    SetText(IDC_YEAR, "-100000");
    Click(IDC_CALCULATE);
    EXPECT_EQ(messages.Texts(), QStringList(2, "Veuillez entrer une année entre -99999 et 99999."));
    ExpectResultsUnchanged();
}

TEST_F(ValidationTest, FieldWithoutIntegerIsNamedFocusedAndNothingIsEvaluated) {
    EnterBirth(20, 3, 2000, 8, 0, -1);
    SetText(IDC_MINUTE, "8x");
    SetText(IDC_TIME_ZONE, "");
    const int32_t dayBefore = View().Input().day;
    Click(IDC_CALCULATE);
    EXPECT_EQ(messages.Texts(), QStringList{"Le champ « Minute » doit contenir un nombre entier."});
    EXPECT_EQ(messages.shown[0].kind, MessageKind::AppOk);
    EXPECT_EQ(QApplication::focusWidget(), Control(IDC_MINUTE));
    EXPECT_EQ(View().Input().day, dayBefore); // nothing was taken from the form
    ExpectResultsUnchanged();

    messages.Clear();
    SetText(IDC_MINUTE, " 0 ");
    Click(IDC_CALCULATE);
    EXPECT_EQ(messages.Texts(),
              QStringList{"Le champ « Fuseau horaire » doit contenir un nombre entier."});
    SetText(IDC_TIME_ZONE, "99999999999");
    Click(IDC_CALCULATE);
    EXPECT_EQ(messages.shown.size(), 2u);

    messages.Clear();
    SetText(IDC_TIME_ZONE, "-1");
    Click(IDC_CALCULATE);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Text(IDC_BIRTH), "20.3.2000 8:00Uhr");
    EXPECT_EQ(Text(IDC_MOON), "99.99 %");
}

TEST_F(ValidationTest, ResultsOfTheKnownExample) {
    EnterBirth(20, 3, 2000, 8, 0, -1);
    Click(IDC_CALCULATE);
    EXPECT_EQ(Text(IDC_JULIAN), "2451623.791667");
    EXPECT_EQ(Text(IDC_MOON), "99.99 %");
    EXPECT_EQ(Text(IDC_SUN), "49.98 %");
    EXPECT_EQ(Text(IDC_MONDTAG), "0.23 %");
    EXPECT_EQ(Text(IDC_ECART), "50.00 %");
    EXPECT_EQ(Text(IDC_TYPE_NAME), "Lunar");
    EXPECT_EQ(Control(IDC_TYPE_PICTURE)->property("bitmapId").toInt(), IDB_LUNAR);
    EXPECT_EQ(Text(IDC_LAST_NEW), "6.3.2000 5:19Uhr");
    EXPECT_EQ(Text(IDC_FULL), "20.3.2000 4:45Uhr");
    EXPECT_EQ(Text(IDC_NEXT_NEW), "4.4.2000 18:14Uhr");
}

TEST_F(ValidationTest, CheckBoxesTakeEffectAtTheNextEvaluation) {
    EnterBirth(20, 3, 2000, 8, 0, -1);
    Click(IDC_CALCULATE);
    SetChecked(IDC_SOUTHERN, true);
    EXPECT_EQ(Text(IDC_SUN), "49.98 %");
    EXPECT_EQ(Diagram().m_bSouthern, 0);
    Click(IDC_CALCULATE);
    EXPECT_EQ(Text(IDC_SUN), "50.02 %");
    EXPECT_EQ(Diagram().m_bSouthern, 1);
}

TEST_F(ValidationTest, InsertCurrentDateKeepsTheTimeDifference) {
    EnterBirth(20, 3, 2000, 8, 0, -5);
    Click(IDC_CALCULATE);
    now = QDateTime(QDate(2025, 1, 2), QTime(3, 4));
    Command(ID_INSERT_CURRENT_DATE);
    EXPECT_EQ(Text(IDC_BIRTH), "2.1.2025 3:04Uhr");
    EXPECT_EQ(Text(IDC_TIME_ZONE), "-5");
    EXPECT_TRUE(messages.shown.empty());
}
