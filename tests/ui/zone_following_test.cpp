// Field 1022 "Fuseau horaire" follows the computer's zone (here through the TZ variable, as the
// program reads it) until the user types a value, picks a birthplace or selects a record;
// "&Nouveau" starts following again. Its tooltip says what the value at hand means.
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

#include "app_fixture.h"
#include "places/computer_zone.h"
#include "places/place_catalogue.h"
#include "ui/birthplace_dialog.h"
#include "ui/main_view.h"

namespace {

// Sets TZ for the life of the object and restores what was there.
class ScopedTz {
  public:
    explicit ScopedTz(const char* value) {
        if (const char* before = std::getenv("TZ")) {
            m_saved = before;
        }
        setenv("TZ", value, 1);
    }
    ~ScopedTz() {
        if (m_saved) {
            setenv("TZ", m_saved->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
    }
    ScopedTz(const ScopedTz&) = delete;
    ScopedTz& operator=(const ScopedTz&) = delete;

  private:
    std::optional<std::string> m_saved;
};

const places::PlaceCatalogue& MumbaiCatalogue() {
    static const places::PlaceCatalogue catalogue({
        {"Mumbai", "Maharashtra", "Indien", "IN", "Asia/Kolkata", 19.07, 72.88, 12691836},
    });
    return catalogue;
}

} // namespace

class ZoneFollowingTest : public AppFixture {
  protected:
    ZoneFollowingTest() {
        computerZone = [] { return places::ComputerZoneName(); };
        places = &MumbaiCatalogue();
    }
    QLineEdit& Field() const { return *qobject_cast<QLineEdit*>(Control(IDC_TIME_ZONE)); }
    // The date and time typed, then "Calculer".
    void Calculate(int day, int month, int year, int hour = 12) const {
        SetText(IDC_DAY, QString::number(day));
        SetText(IDC_MONTH, QString::number(month));
        SetText(IDC_YEAR, QString::number(year));
        SetText(IDC_HOUR, QString::number(hour));
        SetText(IDC_MINUTE, "30");
        Click(IDC_CALCULATE);
    }
    // Replaces the field's text key by key, as the user types.
    void TypeTimeZone(const char* text) const {
        Field().selectAll();
        QTest::keyClicks(&Field(), text);
    }
};

TEST_F(ZoneFollowingTest, EachEvaluationTakesTheComputersZoneAtTheFormsMoment) {
    const struct {
        const char* tz;
        int day, month, year, hour;
        const char* shown; // "1": the value the field held is kept
    } cases[] = {
        {"Europe/Berlin", 15, 1, 2024, 12, "-1"},
        {"Europe/Berlin", 15, 7, 2024, 12, "-2"},
        {":Europe/Berlin", 15, 7, 1975, 12, "-1"}, // no summer time in 1975
        {"UTC", 15, 7, 2024, 12, "0"},
        {"America/New_York", 15, 1, 2024, 12, "5"},
        // No plain whole-hour value: the field keeps what it holds, and nothing is said.
        {"Asia/Kolkata", 15, 1, 2024, 12, "1"},
        {"Pacific/Kiritimati", 15, 1, 2024, 12, "1"},
        {"Europe/Berlin", 27, 10, 2024, 2, "1"}, // 2:30 occurred twice
        {"Europe/Berlin", 31, 3, 2024, 2, "1"},  // 2:30 never occurred
        {"CET-1CEST", 15, 1, 2024, 12, "1"},     // a rule, not a zone name
    };
    ASSERT_TRUE(Start());
    for (const auto& c : cases) {
        const ScopedTz tz(c.tz);
        SetText(IDC_TIME_ZONE, "1"); // as a program would set it: still following
        messages.Clear();
        Calculate(c.day, c.month, c.year, c.hour);
        EXPECT_EQ(Text(IDC_TIME_ZONE), c.shown) << c.tz << " " << c.day << "." << c.month;
        EXPECT_EQ(View().Input().timeZone, Text(IDC_TIME_ZONE).toInt()) << c.tz;
        EXPECT_TRUE(messages.shown.empty()) << c.tz;
    }
}

TEST_F(ZoneFollowingTest, NewFormStartsWithTheComputersZone) {
    const ScopedTz tz("Europe/Berlin");
    ASSERT_TRUE(Start()); // the clock reads 17.5.2024 14:33: summer time
    EXPECT_EQ(Text(IDC_TIME_ZONE), "-2");
    EXPECT_TRUE(Field().toolTip().endsWith("Hierbei Sommerzeit beachten!\n-2 = UTC+02:00"))
        << Field().toolTip().toStdString();
}

TEST_F(ZoneFollowingTest, TypedValueStaysUntilNew) {
    const ScopedTz tz("Europe/Berlin");
    ASSERT_TRUE(Start());
    TypeTimeZone("3");
    EXPECT_TRUE(Field().toolTip().endsWith("\n3 = UTC-03:00"));
    Calculate(15, 1, 2024);
    EXPECT_EQ(Text(IDC_TIME_ZONE), "3");
    Calculate(15, 7, 2024);
    EXPECT_EQ(Text(IDC_TIME_ZONE), "3");
    EXPECT_EQ(View().Input().timeZone, 3);

    Command(ID_FILE_NEW);
    EXPECT_EQ(Text(IDC_TIME_ZONE), "-2"); // 17.5.2024
    Calculate(15, 1, 2024);
    EXPECT_EQ(Text(IDC_TIME_ZONE), "-1");
    EXPECT_TRUE(Field().toolTip().endsWith("\n-1 = UTC+01:00"));
}

TEST_F(ZoneFollowingTest, SelectedRecordKeepsItsOwnValue) {
    const ScopedTz tz("Europe/Berlin");
    ASSERT_TRUE(
        Start({WriteFile("personen.dat", {{"Anna", VXDateStore(2024, 1, 15, 12, 0, 0, 0, 4)},
                                          {"Bert", VXDateStore(2024, 7, 15, 12, 0, 0, 0, 0)}})}));
    // The first record is shown on opening, with its own value.
    EXPECT_EQ(Text(IDC_TIME_ZONE), "4");
    RecordList().setCurrentRow(1);
    EXPECT_EQ(Text(IDC_TIME_ZONE), "0");
    Calculate(15, 1, 2024);
    EXPECT_EQ(Text(IDC_TIME_ZONE), "0");
}

TEST_F(ZoneFollowingTest, BirthplaceStopsFollowing) {
    const ScopedTz tz("Europe/Berlin");
    ASSERT_TRUE(Start());
    dialogs.scripts.push_back([](QDialog& d) {
        auto& dialog = *qobject_cast<CBirthplaceDialog*>(&d);
        dialog.SearchField()->setText("Mumbai");
        dialog.RoundChoice()->click();
        dialog.OkButton()->click();
    });
    Command(ID_INSERT_BIRTHPLACE);
    EXPECT_EQ(Text(IDC_TIME_ZONE), "-6");
    Calculate(15, 1, 2024);
    EXPECT_EQ(Text(IDC_TIME_ZONE), "-6");
}
