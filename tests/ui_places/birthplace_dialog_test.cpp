// The birthplace dialog driven as a user would: typing, arrows, Enter, the choices for the
// special cases, OK and Cancel. The place list is a fixed one, so the results do not depend on
// the installed list or the language; the zones are the system's.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/zone_resolution.h"
#include "app/zone_text.h"
#include "places/place_catalogue.h"
#include "ui/birthplace_dialog.h"

namespace {

const places::PlaceCatalogue& TestPlaces() {
    static const places::PlaceCatalogue catalogue({
        {"München", "Bayern", "Deutschland", "DE", "Europe/Berlin", 48.14, 11.58, 1260391},
        {"Mumbai", "Maharashtra", "Indien", "IN", "Asia/Kolkata", 19.07, 72.88, 12691836},
        {"Münster", "Nordrhein-Westfalen", "Deutschland", "DE", "Europe/Berlin", 51.96, 7.63,
         270184},
        {"Kiritimati", "Line Islands", "Kiribati", "KI", "Pacific/Kiritimati", 1.87, -157.4, 5586},
        {"Atlantis", "", "Nirgendwo", "XX", "Atlantic/Atlantis", 0, 0, 1},
        {"Berlin", "Berlin", "Deutschland", "DE", "Europe/Berlin", 52.52, 13.4, 3426354},
    });
    return catalogue;
}

struct Dialog {
    explicit Dialog(places::LocalMoment moment) : dialog(moment, nullptr, &TestPlaces()) {}
    CBirthplaceDialog dialog;
    // Key by key, as typed (QTest::keyClicks knows ASCII letters only).
    void Type(const char* text) {
        for (const QChar c : QString::fromUtf8(text)) {
            QTest::sendKeyEvent(QTest::Click, dialog.SearchField(), Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        }
    }
    QString Explanation() const { return dialog.Explanation()->text(); }
    bool OkEnabled() const { return dialog.OkButton()->isEnabled(); }
};

} // namespace

TEST(BirthplaceDialogTest, TypingListsThePlacesAndExplainsTheFirst) {
    Dialog d({1980, 1, 15, 12, 0});
    EXPECT_EQ(d.dialog.windowTitle(), "Lieu de naissance");
    EXPECT_FALSE(d.OkEnabled());
    d.Type("mün");
    ASSERT_EQ(d.dialog.PlaceList()->count(), 2);
    EXPECT_EQ(d.dialog.PlaceList()->item(0)->text(),
              "München, Bayern, Deutschland — Europe/Berlin");
    EXPECT_EQ(d.dialog.PlaceList()->currentRow(), 0);
    EXPECT_EQ(d.Explanation(), "Le 15.1.1980 à 12:00 à München :\n"
                               "UTC+01:00 (CET), heure normale.\n"
                               "Fuseau horaire: -1");
    EXPECT_TRUE(d.OkEnabled());

    // Nothing found: no value.
    d.Type("x");
    EXPECT_EQ(d.dialog.PlaceList()->count(), 0);
    EXPECT_TRUE(d.Explanation().startsWith("Aucun lieu trouvé."));
    EXPECT_FALSE(d.OkEnabled());
}

TEST(BirthplaceDialogTest, ArrowsMoveThroughThePlacesAndEnterTakesTheValue) {
    Dialog d({1990, 7, 1, 12, 0});
    d.Type("mu");
    ASSERT_EQ(d.dialog.PlaceList()->count(), 3);
    EXPECT_EQ(d.dialog.SelectedPlace()->name, "Mumbai");
    QTest::keyClick(d.dialog.SearchField(), Qt::Key_Down);
    EXPECT_EQ(d.dialog.SelectedPlace()->name, "München");
    EXPECT_EQ(d.dialog.SearchField()->text(), "mu"); // the typing stays in the field
    EXPECT_TRUE(d.Explanation().contains("UTC+02:00 (CEST), heure d'été."));
    QTest::keyClick(d.dialog.SearchField(), Qt::Key_Return);
    EXPECT_EQ(d.dialog.result(), QDialog::Accepted);
    EXPECT_EQ(d.dialog.ChosenTimeDifference(), -2);
}

TEST(BirthplaceDialogTest, DoubleClickTakesThePlace) {
    Dialog d({1990, 7, 1, 12, 0});
    d.dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d.dialog));
    d.Type("mu");
    QListWidget* list = d.dialog.PlaceList();
    const QRect second = list->visualItemRect(list->item(1));
    // The first click of a double click (QTest's double click is the second one only).
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
    EXPECT_NE(d.dialog.result(), QDialog::Accepted);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
    EXPECT_EQ(d.dialog.result(), QDialog::Accepted);
    EXPECT_EQ(d.dialog.SelectedPlace()->name, "München");
    EXPECT_EQ(d.dialog.ChosenTimeDifference(), -2);
}

TEST(BirthplaceDialogTest, EnterInTheListPressesOk) {
    Dialog d({1980, 1, 15, 12, 0});
    d.dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d.dialog));
    d.Type("mu");
    d.dialog.PlaceList()->setFocus();
    QTest::keyClick(d.dialog.PlaceList(), Qt::Key_Down);
    QTest::keyClick(d.dialog.PlaceList(), Qt::Key_Return);
    EXPECT_EQ(d.dialog.result(), QDialog::Accepted);
    EXPECT_EQ(d.dialog.ChosenTimeDifference(), -1);
}

TEST(BirthplaceDialogTest, CancelGivesNothing) {
    Dialog d({1980, 1, 15, 12, 0});
    d.Type("München");
    ASSERT_TRUE(d.OkEnabled());
    d.dialog.reject();
    EXPECT_FALSE(d.dialog.ChosenTimeDifference().has_value());
    // Before any button, nothing either.
    Dialog open({1980, 1, 15, 12, 0});
    open.Type("München");
    EXPECT_FALSE(open.dialog.ChosenTimeDifference().has_value());
}

TEST(BirthplaceDialogTest, TimeThatOccursTwiceWaitsForTheUsersChoice) {
    Dialog d({2021, 10, 31, 2, 30});
    d.Type("München");
    EXPECT_FALSE(d.dialog.SummerChoice()->isHidden());
    EXPECT_FALSE(d.dialog.WinterChoice()->isHidden());
    EXPECT_EQ(d.dialog.SummerChoice()->text(),
              "Heure d'&été : UTC+02:00 (CEST), fuseau horaire -2");
    EXPECT_EQ(d.dialog.WinterChoice()->text(),
              "Heure d'&hiver : UTC+01:00 (CET), fuseau horaire -1");
    EXPECT_TRUE(d.Explanation().contains("deux fois"));
    EXPECT_FALSE(d.OkEnabled());
    d.dialog.accept(); // Enter without a choice: nothing happens
    EXPECT_NE(d.dialog.result(), QDialog::Accepted);

    d.dialog.WinterChoice()->click();
    EXPECT_TRUE(d.OkEnabled());
    EXPECT_TRUE(d.Explanation().endsWith("Fuseau horaire: -1"));
    d.dialog.SummerChoice()->click();
    EXPECT_TRUE(d.Explanation().endsWith("Fuseau horaire: -2"));
    d.dialog.OkButton()->click();
    EXPECT_EQ(d.dialog.ChosenTimeDifference(), -2);
}

TEST(BirthplaceDialogTest, ChoiceIsAskedAgainForAnotherPlace) {
    Dialog d({2021, 10, 31, 2, 30});
    d.Type("Mün");
    d.dialog.SummerChoice()->click();
    ASSERT_TRUE(d.OkEnabled());
    QTest::keyClick(d.dialog.SearchField(), Qt::Key_Down);
    EXPECT_EQ(d.dialog.SelectedPlace()->name, "Münster");
    EXPECT_FALSE(d.dialog.SummerChoice()->isChecked());
    EXPECT_FALSE(d.OkEnabled());
}

TEST(BirthplaceDialogTest, TimeThatDoesNotExistGivesNoValue) {
    Dialog d({2021, 3, 28, 2, 30});
    d.Type("München");
    EXPECT_TRUE(d.Explanation().contains("Cette heure n'a pas existé"));
    EXPECT_TRUE(d.Explanation().contains("de UTC+01:00 (CET) à UTC+02:00 (CEST)"));
    EXPECT_TRUE(d.dialog.SummerChoice()->isHidden());
    EXPECT_TRUE(d.dialog.RoundChoice()->isHidden());
    EXPECT_FALSE(d.OkEnabled());
}

TEST(BirthplaceDialogTest, NonWholeHoursAreRoundedOnlyWhenTicked) {
    Dialog india({1990, 3, 1, 12, 0});
    india.Type("Mumbai");
    EXPECT_TRUE(india.Explanation().contains("UTC+05:30 (IST)"));
    EXPECT_FALSE(india.dialog.RoundChoice()->isHidden());
    EXPECT_EQ(india.dialog.RoundChoice()->text(),
              "&Arrondir à l'heure la plus proche (fuseau horaire -6) : moment décalé de 30 min "
              "plus tôt");
    EXPECT_FALSE(india.OkEnabled());
    india.dialog.RoundChoice()->click();
    EXPECT_TRUE(india.OkEnabled());
    EXPECT_TRUE(india.Explanation().endsWith("Fuseau horaire: -6"));
    india.dialog.accept();
    EXPECT_EQ(india.dialog.ChosenTimeDifference(), -6);

    // Before Berlin's standard time of 1893, München keeps the mean time of its own longitude
    // (11.58 degrees: 46 min 19 s ahead), not Berlin's.
    Dialog lmt({1890, 5, 1, 12, 0});
    lmt.Type("München");
    EXPECT_TRUE(lmt.Explanation().contains("UTC+00:46:19 (LMT), temps moyen local de München :"))
        << lmt.Explanation().toStdString();
    EXPECT_TRUE(lmt.dialog.RoundChoice()->text().endsWith("décalé de 13 min 41 s plus tôt"));
    lmt.dialog.RoundChoice()->click();
    lmt.dialog.accept();
    EXPECT_EQ(lmt.dialog.ChosenTimeDifference(), -1);
}

TEST(BirthplaceDialogTest, BeyondTwelveHoursAndUnknownZonesGiveNoValue) {
    Dialog far({2000, 3, 1, 12, 0});
    far.Type("Kiritimati");
    EXPECT_TRUE(far.Explanation().contains("UTC+14:00 (+14) : il faudrait un fuseau horaire de "
                                           "-14, hors de l'intervalle de -12 à 12"));
    EXPECT_FALSE(far.OkEnabled());

    Dialog unknown({2000, 3, 1, 12, 0});
    unknown.Type("Atlantis");
    EXPECT_EQ(unknown.dialog.PlaceList()->item(0)->text(),
              "Atlantis, Nirgendwo — Atlantic/Atlantis");
    EXPECT_TRUE(unknown.Explanation().contains("« Atlantic/Atlantis »"));
    EXPECT_FALSE(unknown.OkEnabled());
}

// The dialog words a place as "vexamo-cli zone" and "vexamo-cli places" do: the same place
// line, the same offset and the same value for the same place and moment.
TEST(BirthplaceDialogTest, SaysWhatTheCommandLineSays) {
    struct Case {
        places::LocalMoment moment;
        const char* place;
        const char* line;
        bool wholeText; // the whole "Décalage" text, summer or standard time included
    };
    const Case cases[] = {
        {{1980, 1, 15, 12, 0}, "München", "München, Bayern, Deutschland — Europe/Berlin", true},
        {{1990, 7, 1, 12, 0}, "München", "München, Bayern, Deutschland — Europe/Berlin", true},
        {{1890, 5, 1, 12, 0}, "Berlin", "Berlin, Deutschland — Europe/Berlin", true},
        {{1990, 3, 1, 12, 0}, "Mumbai", "Mumbai, Maharashtra, Indien — Asia/Kolkata", true},
        {{2000, 3, 1, 12, 0},
         "Kiritimati",
         "Kiritimati, Line Islands, Kiribati — Pacific/Kiritimati",
         false},
    };
    for (const Case& c : cases) {
        Dialog d(c.moment);
        d.Type(c.place);
        const ZoneResolution cli =
            ResolveZone({ZoneSource::Kind::Place, c.place}, c.moment, {}, TestPlaces());
        ASSERT_TRUE(cli.place && cli.offset) << c.place;
        EXPECT_EQ(d.dialog.PlaceList()->item(0)->text().toStdString(), c.line);
        EXPECT_EQ(PlaceLineText(*cli.place), c.line);
        // The offset and its abbreviation as the "Décalage" line gives them, and the same
        // value or none.
        const std::string offset = c.wholeText ? ZoneOffsetText(*cli.offset, OffsetWords::Window)
                                               : OffsetAbbreviationText(*cli.offset);
        EXPECT_TRUE(d.Explanation().contains(QString::fromStdString(offset))) << c.place;
        EXPECT_EQ(d.dialog.Result().timeDifference, cli.timeDifference) << c.place;
        EXPECT_EQ(d.dialog.Result().status, cli.status) << c.place;
    }
}

// Without a usable place list the dialog names the problem above the places, which it greys,
// and is worked by zone: the explanation speaks only of a zone chosen, never of typing a place.
TEST(BirthplaceDialogTest, WithoutAPlaceListTheZonesAreOffered) {
    const std::string problem = "La liste des lieux est introuvable.";
    CBirthplaceDialog dialog({1980, 1, 15, 12, 0}, nullptr, &TestPlaces(), problem);
    EXPECT_FALSE(dialog.PlaceListNotice()->isHidden());
    EXPECT_EQ(dialog.PlaceListNotice()->text().toStdString(), problem);
    EXPECT_FALSE(dialog.SearchField()->isEnabled());
    EXPECT_FALSE(dialog.PlaceList()->isEnabled());
    EXPECT_EQ(dialog.Explanation()->text(), "");
    EXPECT_FALSE(dialog.OkButton()->isEnabled());

    QTest::keyClicks(dialog.ZoneSearchField(), "Europe/Berl");
    ASSERT_EQ(dialog.SelectedZone(), "Europe/Berlin");
    EXPECT_TRUE(dialog.OkButton()->isEnabled());
    EXPECT_NE(dialog.Explanation()->text(), "");
    // The zone given up: back to nothing chosen, with the notice still the one to read.
    dialog.ZoneSearchField()->clear();
    EXPECT_EQ(dialog.SelectedZone(), std::nullopt);
    EXPECT_EQ(dialog.Explanation()->text(), "");
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
    EXPECT_FALSE(dialog.PlaceListNotice()->isHidden());
}

// A sound list, given or the program's own (which the build holds), shows no notice.
TEST(BirthplaceDialogTest, ASoundPlaceListShowsNoNotice) {
    CBirthplaceDialog given({1980, 1, 15, 12, 0}, nullptr, &TestPlaces(), std::string());
    CBirthplaceDialog own({1980, 1, 15, 12, 0});
    for (const CBirthplaceDialog* dialog : {&given, &own}) {
        EXPECT_TRUE(dialog->PlaceListNotice()->isHidden());
        EXPECT_TRUE(dialog->SearchField()->isEnabled());
        EXPECT_EQ(dialog->Explanation()->text(),
                  "Tapez le nom du lieu de naissance, puis choisissez-le dans la liste.");
    }
}
