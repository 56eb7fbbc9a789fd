// A place's own local mean time: four minutes a degree of longitude, to the second, and taken
// in place of its zone's local mean time until the zone's first standard time.
#include <gtest/gtest.h>

#include "tests/places/zone_seconds.h"

#include "places/mean_time.h"
#include "places/zone_offset.h"

using places::LocalMoment;
using places::LocalTimeKind;
using places::LocalTimeOffsets;
using places::LookUpOffsets;
using places::LookUpPlaceOffsets;
using places::MeanTimeOffsetSeconds;
using places::MeanTimeOffsetSecondsNear;
using places::ZoneOffset;

namespace {

constexpr double kChengdu = 104.06667;
constexpr double kMunich = 11.57549;
constexpr double kHarbin = 126.65;

ZoneOffset PlaceMeanTime(int seconds) {
    return ZoneOffset{seconds, "LMT", false, true};
}

LocalTimeOffsets PlaceOffsets(const char* zone, double longitude, LocalMoment local) {
    const auto found = LookUpPlaceOffsets(zone, local, longitude);
    EXPECT_TRUE(found.has_value()) << zone;
    return found.value_or(LocalTimeOffsets{});
}

} // namespace

TEST(PlaceMeanTimeTest, FourMinutesADegreeToTheNearestSecond) {
    struct Case {
        const char* place;
        double longitude;
        int seconds; // longitude x 240, worked out by hand
    };
    const Case cases[] = {
        {"Chengdu", kChengdu, 24976},          // 24976.0008: +6:56:16
        {"Munich", kMunich, 2778},             // 2778.1176: +0:46:18
        {"Tokyo", 139.69171, 33526},           // 33526.0104: +9:18:46
        {"Mumbai", 72.88, 17491},              // 17491.2: +4:51:31
        {"Suva", 178.44149, 42826},            // 42825.9576: +11:53:46
        {"New York", -74.00597, -17761},       // -17761.4328: -4:56:01
        {"Rio de Janeiro", -43.18223, -10364}, // -10363.7352: -2:52:44
        {"Reykjavik", -21.89541, -5255},       // -5254.8984: -1:27:35
        {"Apia", -171.76666, -41224},          // -41223.9984: -11:27:04
        {"London", -0.12574, -30},             // -30.1776
        {"Greenwich", 0.0, 0},
        {"near 0 east", 0.001, 0},     // 0.24
        {"near 0 west", -0.003, -1},   // -0.72
        {"halves east", 0.03125, 8},   // exactly 7.5: away from zero
        {"halves west", -0.03125, -8}, // exactly -7.5
        {"date line east", 180.0, 12 * kHour},
        {"date line west", -180.0, -12 * kHour},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MeanTimeOffsetSeconds(c.longitude), c.seconds) << c.place;
    }
}

TEST(PlaceMeanTimeTest, NearTheDateLineTheZonesDayIsKept) {
    struct Case {
        const char* place;
        double longitude;
        int zoneOffset;
        int seconds;
    };
    const Case cases[] = {
        // Apia counted the day from Asia until 1892: -11:27:04 a day on, +12:32:56.
        {"Apia before 1892", -171.76666, 45184, 45176},
        {"Apia after 1892", -171.76666, -41216, -41224},
        // Sitka under Russia, then under the United States.
        {"Sitka before 1867", -135.33, 53927, 53921},
        {"Sitka after 1867", -135.33, -32473, -32479},
        // A Fijian island east of 180 degrees counts Fiji's day: -11:59:53 is +12:00:07.
        {"Taveuni", -179.97, 42944, 43207},
        {"Suva", 178.44149, 42944, 42826},
        {"Munich", kMunich, 3208, 2778},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MeanTimeOffsetSecondsNear(c.longitude, c.zoneOffset), c.seconds) << c.place;
    }
}

TEST(PlaceMeanTimeTest, BeforeStandardTimeThePlaceKeepsItsOwnMeanTime) {
    const LocalMoment noon1880{1880, 1, 1, 12, 0};
    const LocalTimeOffsets chengdu = PlaceOffsets("Asia/Shanghai", kChengdu, noon1880);
    EXPECT_EQ(chengdu.kind, LocalTimeKind::Unique);
    EXPECT_EQ(chengdu.first, PlaceMeanTime(24976));
    EXPECT_EQ(chengdu.second, chengdu.first);
    // The zone itself keeps Shanghai's.
    const auto shanghai = LookUpOffsets("Asia/Shanghai", noon1880);
    ASSERT_TRUE(shanghai);
    EXPECT_EQ(shanghai->first, (ZoneOffset{29143, "LMT", false, false}));

    EXPECT_EQ(PlaceOffsets("Europe/Berlin", kMunich, {1880, 6, 1, 12, 0}).first,
              PlaceMeanTime(2778));
    EXPECT_EQ(PlaceOffsets("America/New_York", -74.00597, {1850, 3, 1, 9, 0}).first,
              PlaceMeanTime(-17761));
    EXPECT_EQ(PlaceOffsets("America/Sao_Paulo", -43.18223, {1900, 3, 1, 9, 0}).first,
              PlaceMeanTime(-10364));
    EXPECT_EQ(PlaceOffsets("Europe/London", -0.12574, {1840, 3, 1, 9, 0}).first,
              PlaceMeanTime(-30));
    EXPECT_EQ(PlaceOffsets("Pacific/Apia", -171.76666, {1880, 3, 1, 9, 0}).first,
              PlaceMeanTime(45176));
}

TEST(PlaceMeanTimeTest, AfterTheFirstStandardTimeTheZoneStands) {
    const struct {
        const char* zone;
        double longitude;
        LocalMoment local;
    } cases[] = {
        {"Asia/Shanghai", kChengdu, {1950, 1, 1, 12, 0}},
        {"Europe/Berlin", kMunich, {1893, 4, 2, 12, 0}},
        {"Europe/Berlin", kMunich, {2023, 10, 29, 2, 30}}, // the repeated hour
        {"Europe/Berlin", kMunich, {2023, 3, 26, 2, 30}},  // the skipped hour
        {"America/New_York", -74.00597, {1883, 11, 19, 12, 0}},
    };
    for (const auto& c : cases) {
        const auto zone = LookUpOffsets(c.zone, c.local);
        const auto place = LookUpPlaceOffsets(c.zone, c.local, c.longitude);
        ASSERT_TRUE(zone && place) << c.zone;
        EXPECT_EQ(place->kind, zone->kind) << c.zone << " " << c.local.year;
        EXPECT_EQ(place->first, zone->first) << c.zone << " " << c.local.year;
        EXPECT_EQ(place->second, zone->second) << c.zone << " " << c.local.year;
    }
}

TEST(PlaceMeanTimeTest, TheChangeToStandardTimeIsThePlaces) {
    // Shanghai went from +8:05:43 to +8 at 15:54:17 UT on 31 December 1900: 22:50:33 in
    // Chengdu, whose clocks went forward to 23:54:17.
    const ZoneOffset cst{8 * kHour, "CST", false};
    const LocalTimeOffsets before = PlaceOffsets("Asia/Shanghai", kChengdu, {1900, 12, 31, 22, 50});
    EXPECT_EQ(before.kind, LocalTimeKind::Unique);
    EXPECT_EQ(before.first, PlaceMeanTime(24976));
    const LocalTimeOffsets gap = PlaceOffsets("Asia/Shanghai", kChengdu, {1900, 12, 31, 23, 0});
    EXPECT_EQ(gap.kind, LocalTimeKind::Nonexistent);
    EXPECT_EQ(gap.first, PlaceMeanTime(24976));
    EXPECT_EQ(gap.second, cst);
    const LocalTimeOffsets after = PlaceOffsets("Asia/Shanghai", kChengdu, {1900, 12, 31, 23, 55});
    EXPECT_EQ(after.kind, LocalTimeKind::Unique);
    EXPECT_EQ(after.first, cst);

    // Harbin, east of Shanghai at +8:26:36, put its clocks back: 23:54:17 to 0:20:53 twice.
    const LocalTimeOffsets twice = PlaceOffsets("Asia/Shanghai", kHarbin, {1901, 1, 1, 0, 10});
    EXPECT_EQ(twice.kind, LocalTimeKind::Ambiguous);
    EXPECT_EQ(twice.first, PlaceMeanTime(30396));
    EXPECT_EQ(twice.second, cst);

    // Berlin's change at 0:06:32 on 1 April 1893 (Berlin time) came at 23:52:50 in Munich.
    const LocalMoment lateMarch{1893, 3, 31, 23, 55};
    EXPECT_EQ(PlaceOffsets("Europe/Berlin", kMunich, lateMarch).kind, LocalTimeKind::Nonexistent);
    EXPECT_EQ(LookUpOffsets("Europe/Berlin", lateMarch)->kind, LocalTimeKind::Unique);

    // Apia's repeated day of 4 July 1892 stays repeated at the place's own mean time.
    const LocalTimeOffsets apia = PlaceOffsets("Pacific/Apia", -171.76666, {1892, 7, 4, 12, 0});
    EXPECT_EQ(apia.kind, LocalTimeKind::Ambiguous);
    EXPECT_EQ(apia.first, PlaceMeanTime(45176));
    EXPECT_EQ(apia.second, PlaceMeanTime(-41224));
}

TEST(PlaceMeanTimeTest, UnknownZoneAndMomentsOutOfRangeGiveNothing) {
    EXPECT_FALSE(LookUpPlaceOffsets("Mars/Olympus", {1880, 1, 1, 12, 0}, kChengdu));
    EXPECT_FALSE(LookUpPlaceOffsets("Asia/Shanghai", {1880, 13, 1, 12, 0}, kChengdu));
}
