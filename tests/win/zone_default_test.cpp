// Field 1022 "Fuseau horaire" follows the computer's zone at the form's date and time until the
// user types a value, picks a birthplace or selects a record; "&Nouveau" starts following again.
// On Windows the computer's zone is the system's, its Windows name mapped through CLDR's table.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/zone_default.h"
#include "places/place_catalogue.h"
#include "res/resource_ids.h"
#include "win/birthplace_dialog.h"
#include "win_fixture.h"

namespace {

class ZoneDefaultTest : public WinAppTest {
  protected:
    void SetUp() override {
        WinAppTest::SetUp();
        computerZone = [this] { return zone; };
    }
    // The date and time typed, then "Calculer".
    void Calculate(int day, int month, int year, int hour = 12) {
        SetText(IDC_DAY, std::to_string(day));
        SetText(IDC_MONTH, std::to_string(month));
        SetText(IDC_YEAR, std::to_string(year));
        SetText(IDC_HOUR, std::to_string(hour));
        SetText(IDC_MINUTE, "30");
        Click(IDC_CALCULATE);
    }
    // Replaces the field's text key by key, as the user types.
    void TypeTimeZone(const std::string& text) {
        HWND field = GetDlgItem(Form(), IDC_TIME_ZONE);
        SendMessageW(field, EM_SETSEL, 0, -1);
        for (const char c : text) {
            SendMessageW(field, WM_CHAR, static_cast<WPARAM>(c), 0);
        }
    }

    std::string zone = "Europe/Berlin";
};

TEST_F(ZoneDefaultTest, EachEvaluationTakesTheComputersZoneAtTheFormsMoment) {
    const struct {
        const char* zone;
        int day, month, year, hour;
        const char* shown; // "1": the value the field held is kept
    } cases[] = {
        {"Europe/Berlin", 15, 1, 2024, 12, "-1"},
        {"Europe/Berlin", 15, 7, 2024, 12, "-2"},
        {"Europe/Berlin", 15, 7, 1975, 12, "-1"}, // no summer time in 1975
        {"UTC", 15, 7, 2024, 12, "0"},
        {"America/New_York", 15, 1, 2024, 12, "5"},
        // No plain whole-hour value: the field keeps what it holds, and nothing is said.
        {"Asia/Kolkata", 15, 1, 2024, 12, "1"},
        {"Pacific/Kiritimati", 15, 1, 2024, 12, "1"},
        {"Europe/Berlin", 27, 10, 2024, 2, "1"}, // 2:30 occurred twice
        {"Europe/Berlin", 31, 3, 2024, 2, "1"},  // 2:30 never occurred
        {"", 15, 1, 2024, 12, "1"},              // a zone the system does not name
    };
    ASSERT_TRUE(Start());
    for (const auto& c : cases) {
        zone = c.zone;
        SetText(IDC_TIME_ZONE, "1"); // as the program would set it: still following
        messages.shown.clear();
        Calculate(c.day, c.month, c.year, c.hour);
        EXPECT_EQ(Text(IDC_TIME_ZONE), c.shown) << c.zone << " " << c.day << "." << c.month;
        EXPECT_TRUE(messages.shown.empty()) << c.zone;
    }
}

TEST_F(ZoneDefaultTest, NewFormStartsWithTheComputersZone) {
    ASSERT_TRUE(Start()); // the clock reads 20.3.2024 9:15: winter time
    EXPECT_EQ(Text(IDC_TIME_ZONE), "-1");
    zone = "America/New_York"; // summer time there since 10.3.
    Command(ID_FILE_NEW);
    EXPECT_EQ(Text(IDC_TIME_ZONE), "4");
}

TEST_F(ZoneDefaultTest, TypedValueStaysUntilNew) {
    ASSERT_TRUE(Start());
    TypeTimeZone("3");
    EXPECT_EQ(Text(IDC_TIME_ZONE), "3");
    Calculate(15, 1, 2024);
    EXPECT_EQ(Text(IDC_TIME_ZONE), "3");
    Calculate(15, 7, 2024);
    EXPECT_EQ(Text(IDC_TIME_ZONE), "3");

    Command(ID_FILE_NEW);
    EXPECT_EQ(Text(IDC_TIME_ZONE), "-1"); // 20.3.2024
    Calculate(15, 7, 2024);
    EXPECT_EQ(Text(IDC_TIME_ZONE), "-2");
}

TEST_F(ZoneDefaultTest, SelectedRecordKeepsItsOwnValue) {
    const std::string path = PathOf("personen.dat");
    BirthInput anna{15, 1, 2024, 12, 0, 4, false, false};
    BirthInput bert{15, 7, 2024, 12, 0, 0, false, false};
    WriteBytes(path, RecordFileBytes({{"Anna", anna}, {"Bert", bert}}));
    ASSERT_TRUE(Start({path}));
    EXPECT_EQ(Text(IDC_TIME_ZONE), "4"); // the first record, shown on opening
    SelectRow(1);
    EXPECT_EQ(Text(IDC_TIME_ZONE), "0");
    Calculate(15, 1, 2024);
    EXPECT_EQ(Text(IDC_TIME_ZONE), "0");
}

TEST_F(ZoneDefaultTest, BirthplaceStopsFollowing) {
    static const places::PlaceCatalogue mumbai({
        {"Mumbai", "Maharashtra", "Indien", "IN", "Asia/Kolkata", 19.07, 72.88, 12691836},
    });
    places = &mumbai;
    ASSERT_TRUE(Start());
    dialogScripts.push_back([](CTemplateDialog& d) {
        SetDlgItemTextW(d.Window(), IDC_PLACE_SEARCH, L"Mumbai");
        SendDlgItemMessageW(d.Window(), IDC_PLACE_ROUND, BM_CLICK, 0, 0);
        SendDlgItemMessageW(d.Window(), IDOK, BM_CLICK, 0, 0);
    });
    Command(ID_INSERT_BIRTHPLACE);
    EXPECT_EQ(Text(IDC_TIME_ZONE), "-6");
    Calculate(15, 1, 2024);
    EXPECT_EQ(Text(IDC_TIME_ZONE), "-6");
}

// The system's own zone, as Wine derives it from the TZ variable the run was given (the
// ctest entry "WinComputerZone" sets it); skipped when the run has none.
TEST(WinComputerZone, MapsTheSystemsZoneToTheDatabasesName) {
    const char* tz = std::getenv("VEXAMO_TEST_TZ");
    if (tz == nullptr) {
        GTEST_SKIP() << "no TZ given to this run";
    }
    EXPECT_EQ(ComputerZone(), tz);
}

} // namespace
