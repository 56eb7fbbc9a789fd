// The birthplace dialog's choice of a zone by name, for a town not in the place list: searched
// as typed, resolved as a place's zone is, and taking over from a place (and back).
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "places/place_catalogue.h"
#include "ui/birthplace_dialog.h"

namespace {

const places::PlaceCatalogue& OnePlace() {
    static const places::PlaceCatalogue catalogue({
        {"München", "Bayern", "Deutschland", "DE", "Europe/Berlin", 48.14, 11.58, 1260391},
    });
    return catalogue;
}

struct ZoneDialog {
    explicit ZoneDialog(places::LocalMoment moment) : dialog(moment, nullptr, &OnePlace()) {}
    CBirthplaceDialog dialog;
    void TypeZone(const char* text) { QTest::keyClicks(dialog.ZoneSearchField(), text); }
    QString Explanation() const { return dialog.Explanation()->text(); }
    bool OkEnabled() const { return dialog.OkButton()->isEnabled(); }
};

} // namespace

TEST(ZoneChoiceTest, EveryZoneListedNoneChosenAtFirst) {
    ZoneDialog d({1980, 1, 15, 12, 0});
    EXPECT_GT(d.dialog.ZoneList()->count(), 300);
    EXPECT_EQ(d.dialog.ZoneList()->currentRow(), -1);
    EXPECT_FALSE(d.dialog.SelectedZone().has_value());
    EXPECT_FALSE(d.OkEnabled());
}

TEST(ZoneChoiceTest, TypedZoneIsResolvedAsAPlacesZone) {
    const struct {
        places::LocalMoment moment;
        const char* typed;
        const char* zone; // the first listed, chosen
        const char* explanation;
        std::optional<int> value;
    } cases[] = {
        {{1980, 1, 15, 12, 0},
         "Europe/Ber",
         "Europe/Berlin",
         "Le 15.1.1980 à 12:00 dans le fuseau Europe/Berlin :\nUTC+01:00 (CET), heure normale.\n"
         "Fuseau horaire: -1",
         -1},
        {{1990, 7, 1, 12, 0},
         "berlin",
         "Europe/Berlin",
         "Le 1.7.1990 à 12:00 dans le fuseau Europe/Berlin :\nUTC+02:00 (CEST), heure d'été.\n"
         "Fuseau horaire: -2",
         -2},
        {{1990, 7, 1, 12, 0},
         "new york",
         "America/New_York",
         "Le 1.7.1990 à 12:00 dans le fuseau America/New_York :\nUTC-04:00 (EDT), heure d'été.\n"
         "Fuseau horaire: 4",
         4},
        {{2000, 3, 1, 12, 0}, "Kiritimati", "Pacific/Kiritimati", nullptr, std::nullopt},
    };
    for (const auto& c : cases) {
        ZoneDialog d(c.moment);
        d.TypeZone(c.typed);
        ASSERT_GT(d.dialog.ZoneList()->count(), 0) << c.typed;
        EXPECT_EQ(d.dialog.ZoneList()->item(0)->text(), c.zone);
        EXPECT_EQ(d.dialog.SelectedZone(), c.zone);
        EXPECT_FALSE(d.dialog.SelectedPlace().has_value());
        if (c.explanation) {
            EXPECT_EQ(d.Explanation(), c.explanation);
        }
        EXPECT_EQ(d.OkEnabled(), c.value.has_value()) << c.typed;
        EXPECT_EQ(d.dialog.Result().timeDifference, c.value) << c.typed;
        QTest::keyClick(d.dialog.ZoneSearchField(), Qt::Key_Return);
        EXPECT_EQ(d.dialog.ChosenTimeDifference(), c.value) << c.typed;
    }
}

TEST(ZoneChoiceTest, SpecialCasesAskAsForAPlace) {
    ZoneDialog twice({2021, 10, 31, 2, 30});
    twice.TypeZone("Europe/Berlin");
    EXPECT_FALSE(twice.dialog.SummerChoice()->isHidden());
    EXPECT_FALSE(twice.OkEnabled());
    twice.dialog.WinterChoice()->click();
    EXPECT_TRUE(twice.OkEnabled());
    twice.dialog.OkButton()->click();
    EXPECT_EQ(twice.dialog.ChosenTimeDifference(), -1);

    // A zone chosen by name keeps the local mean time of its own city.
    ZoneDialog berlin({1890, 5, 1, 12, 0});
    berlin.TypeZone("Europe/Berlin");
    EXPECT_TRUE(berlin.Explanation().contains("UTC+00:53:28 (LMT), temps moyen local :"))
        << berlin.Explanation().toStdString();
    EXPECT_TRUE(berlin.dialog.RoundChoice()->text().endsWith("décalé de 6 min 32 s plus tôt"));

    ZoneDialog india({1990, 3, 1, 12, 0});
    india.TypeZone("Kolkata");
    EXPECT_FALSE(india.OkEnabled());
    india.dialog.RoundChoice()->click();
    india.dialog.accept();
    EXPECT_EQ(india.dialog.ChosenTimeDifference(), -6);
}

TEST(ZoneChoiceTest, NoZoneFoundSaysHowToGoOn) {
    ZoneDialog d({1980, 1, 15, 12, 0});
    d.TypeZone("Hintertupfing");
    EXPECT_EQ(d.dialog.ZoneList()->count(), 0);
    EXPECT_TRUE(d.Explanation().startsWith("Aucun fuseau trouvé."));
    EXPECT_FALSE(d.OkEnabled());
}

TEST(ZoneChoiceTest, ArrowsMoveThroughTheZonesWhileTheTypingStays) {
    ZoneDialog d({1980, 1, 15, 12, 0});
    d.TypeZone("Europe/");
    const QString first = d.dialog.ZoneList()->item(0)->text();
    const QString second = d.dialog.ZoneList()->item(1)->text();
    EXPECT_EQ(d.dialog.SelectedZone(), first.toStdString());
    QTest::keyClick(d.dialog.ZoneSearchField(), Qt::Key_Down);
    EXPECT_EQ(d.dialog.SelectedZone(), second.toStdString());
    EXPECT_EQ(d.dialog.ZoneSearchField()->text(), "Europe/");
    EXPECT_TRUE(d.Explanation().contains("dans le fuseau " + second));
}

// The last list worked gives the value: a place after a zone, a zone after a place.
TEST(ZoneChoiceTest, PlaceAndZoneTakeOverFromEachOther) {
    ZoneDialog d({1990, 7, 1, 12, 0});
    d.dialog.SearchField()->setText("München");
    ASSERT_TRUE(d.dialog.SelectedPlace().has_value());
    d.TypeZone("New_York");
    EXPECT_FALSE(d.dialog.SelectedPlace().has_value());
    EXPECT_EQ(d.dialog.PlaceList()->currentRow(), -1);
    EXPECT_EQ(d.dialog.Result().timeDifference, 4);

    d.dialog.PlaceList()->setCurrentRow(0);
    EXPECT_EQ(d.dialog.SelectedPlace()->name, "München");
    EXPECT_FALSE(d.dialog.SelectedZone().has_value());
    EXPECT_EQ(d.dialog.ZoneList()->currentRow(), -1);
    EXPECT_EQ(d.dialog.Result().timeDifference, -2);

    d.dialog.ZoneList()->setCurrentRow(0);
    EXPECT_EQ(d.dialog.SelectedZone(), "America/New_York");
    EXPECT_EQ(d.dialog.Result().timeDifference, 4);
    // Typing a place name again hands the value back to the place list.
    d.dialog.SearchField()->setText("Münche");
    EXPECT_EQ(d.dialog.Result().timeDifference, -2);
    EXPECT_EQ(d.dialog.ZoneList()->currentRow(), -1);
}
