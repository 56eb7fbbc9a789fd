// Offsets from the time-zone database's history: local mean time, war-time double summer time,
// summer time kept all year, zones that moved their standard offset.
#include <gtest/gtest.h>

#include "tests/places/zone_seconds.h"

#include "places/zone_offset.h"

using places::LocalMoment;
using places::LocalTimeKind;
using places::LookUpOffsets;
using places::ZoneOffset;

namespace {

// The offset of a local moment that occurs exactly once.
ZoneOffset OffsetAt(const char* zone, int year, int month, int day, int hour = 12, int minute = 0) {
    const auto found = LookUpOffsets(zone, LocalMoment{year, month, day, hour, minute});
    EXPECT_TRUE(found.has_value()) << zone;
    if (!found) {
        return {};
    }
    EXPECT_EQ(found->kind, LocalTimeKind::Unique) << zone << " " << year;
    EXPECT_EQ(found->first, found->second);
    return found->first;
}

} // namespace

TEST(ZoneHistoryTest, LondonDuringTheWar) {
    // Summer: double summer time, two hours ahead.
    EXPECT_EQ(OffsetAt("Europe/London", 1941, 6, 15), (ZoneOffset{2 * kHour, "BDST", true}));
    EXPECT_EQ(OffsetAt("Europe/London", 1944, 7, 1), (ZoneOffset{2 * kHour, "BDST", true}));
    // Winter: summer time kept.
    EXPECT_EQ(OffsetAt("Europe/London", 1942, 1, 15), (ZoneOffset{kHour, "BST", true}));
    // Peace-time winter.
    EXPECT_EQ(OffsetAt("Europe/London", 1938, 1, 15), (ZoneOffset{0, "GMT", false}));
}

TEST(ZoneHistoryTest, BerlinFromLocalMeanTimeToDoubleSummerTime) {
    // Local mean time of Berlin, 53 minutes 28 seconds ahead, until April 1893.
    EXPECT_EQ(OffsetAt("Europe/Berlin", 1890, 5, 1), (ZoneOffset{3208, "LMT", false}));
    EXPECT_EQ(OffsetAt("Europe/Berlin", 1893, 4, 2), (ZoneOffset{kHour, "CET", false}));
    EXPECT_EQ(OffsetAt("Europe/Berlin", 1945, 6, 15), (ZoneOffset{3 * kHour, "CEMT", true}));
    EXPECT_EQ(OffsetAt("Europe/Berlin", 1978, 7, 1), (ZoneOffset{kHour, "CET", false}));
    EXPECT_EQ(OffsetAt("Europe/Berlin", 1990, 7, 1), (ZoneOffset{2 * kHour, "CEST", true}));
}

TEST(ZoneHistoryTest, SummerTimeKeptAllYear) {
    // Turkey since September 2016: +03 in winter too, counted as standard time.
    EXPECT_EQ(OffsetAt("Europe/Istanbul", 2015, 1, 15), (ZoneOffset{2 * kHour, "EET", false}));
    EXPECT_EQ(OffsetAt("Europe/Istanbul", 2018, 1, 15), (ZoneOffset{3 * kHour, "+03", false}));
    // Russia 2011 to 2014: Moscow four hours ahead all year.
    EXPECT_EQ(OffsetAt("Europe/Moscow", 2013, 1, 15), (ZoneOffset{4 * kHour, "MSK", false}));
}

TEST(ZoneHistoryTest, StandardOffsetMoved) {
    // Moscow went back to +3 in October 2014.
    EXPECT_EQ(OffsetAt("Europe/Moscow", 2015, 1, 15).utcOffsetSeconds, 3 * kHour);
    // Samoa crossed the date line at the end of 2011: from -11 (summer -10) to +13 (summer +14).
    EXPECT_EQ(OffsetAt("Pacific/Apia", 2011, 12, 29).utcOffsetSeconds, -10 * kHour);
    EXPECT_EQ(OffsetAt("Pacific/Apia", 2011, 12, 31).utcOffsetSeconds, 14 * kHour);
    const auto skippedDay = LookUpOffsets("Pacific/Apia", LocalMoment{2011, 12, 30, 12, 0});
    ASSERT_TRUE(skippedDay.has_value());
    EXPECT_EQ(skippedDay->kind, LocalTimeKind::Nonexistent);
}

TEST(ZoneHistoryTest, NonWholeHourAndFarEasternZones) {
    EXPECT_EQ(OffsetAt("Asia/Kolkata", 1990, 3, 1), (ZoneOffset{19800, "IST", false}));
    EXPECT_EQ(OffsetAt("Asia/Kathmandu", 2000, 3, 1).utcOffsetSeconds, 20700);
    EXPECT_EQ(OffsetAt("Pacific/Kiritimati", 2000, 3, 1).utcOffsetSeconds, 14 * kHour);
    EXPECT_EQ(OffsetAt("Pacific/Tongatapu", 2010, 3, 1).utcOffsetSeconds, 13 * kHour);
}

TEST(ZoneHistoryTest, DatesRunOnAsTheFormAllowsThem) {
    // 31 February is 3 March; hour 24 is midnight of the next day.
    EXPECT_EQ(OffsetAt("Europe/Berlin", 2021, 2, 31, 12),
              OffsetAt("Europe/Berlin", 2021, 3, 3, 12));
    EXPECT_EQ(OffsetAt("Europe/Berlin", 2021, 3, 27, 24).abbreviation, "CET");
    EXPECT_EQ(OffsetAt("Europe/Berlin", 2021, 3, 28, 24).abbreviation, "CEST");
}

TEST(ZoneHistoryTest, UnknownZonesAndYearsBeyondTheDatabase) {
    EXPECT_TRUE(places::IsKnownZone("Europe/Berlin"));
    EXPECT_TRUE(places::IsKnownZone("UTC"));
    EXPECT_FALSE(places::IsKnownZone("Europe/Atlantis"));
    EXPECT_FALSE(places::IsKnownZone(""));
    EXPECT_FALSE(LookUpOffsets("Europe/Atlantis", LocalMoment{2000, 1, 1, 0, 0}).has_value());
    EXPECT_FALSE(LookUpOffsets("Europe/Berlin", LocalMoment{10000, 1, 1, 0, 0}).has_value());
    EXPECT_FALSE(LookUpOffsets("Europe/Berlin", LocalMoment{-10000, 1, 1, 0, 0}).has_value());
    EXPECT_TRUE(LookUpOffsets("Europe/Berlin", LocalMoment{9999, 12, 31, 24, 59}).has_value());
    EXPECT_TRUE(LookUpOffsets("Europe/Berlin", LocalMoment{-9999, 1, 1, 0, 0}).has_value());
    // Outside the form's ranges.
    for (const LocalMoment& m : {LocalMoment{2000, 0, 1, 0, 0}, LocalMoment{2000, 13, 1, 0, 0},
                                 LocalMoment{2000, 1, 0, 0, 0}, LocalMoment{2000, 1, 32, 0, 0},
                                 LocalMoment{2000, 1, 1, -1, 0}, LocalMoment{2000, 1, 1, 25, 0},
                                 LocalMoment{2000, 1, 1, 0, 60}}) {
        EXPECT_FALSE(LookUpOffsets("Europe/Berlin", m).has_value()) << m.month << " " << m.day;
    }
}
