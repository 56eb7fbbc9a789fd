// The form's time difference and its status for every kind of offset.
#include <gtest/gtest.h>

#include "tests/places/zone_seconds.h"

#include "places/time_difference.h"

using places::DstChoice;
using places::LocalMoment;
using places::TimeDifferenceAt;
using places::TimeDifferenceForOffset;
using places::TimeDifferenceStatus;
using places::ZoneOffset;

TEST(TimeDifferenceTest, WholeHoursAreMinusTheOffset) {
    const auto cet = TimeDifferenceAt("Europe/Berlin", LocalMoment{1980, 1, 15, 12, 0});
    EXPECT_EQ(cet.status, TimeDifferenceStatus::Ok);
    EXPECT_EQ(cet.hours, -1);
    ASSERT_TRUE(cet.offset.has_value());
    EXPECT_EQ(cet.offset->abbreviation, "CET");

    EXPECT_EQ(TimeDifferenceAt("Europe/London", LocalMoment{1941, 6, 15, 12, 0}).hours, -2);
    EXPECT_EQ(TimeDifferenceAt("America/New_York", LocalMoment{1990, 1, 15, 12, 0}).hours, 5);
    // The limits of the form are accepted.
    EXPECT_EQ(TimeDifferenceForOffset(ZoneOffset{12 * kHour, "+12", false}, false).hours, -12);
    EXPECT_EQ(TimeDifferenceForOffset(ZoneOffset{-12 * kHour, "-12", false}, false).hours, 12);
}

TEST(TimeDifferenceTest, NotWholeHoursAreRoundedOnlyOnRequest) {
    const LocalMoment moment{1890, 5, 1, 12, 0};
    const auto lmt = TimeDifferenceAt("Europe/Berlin", moment);
    EXPECT_EQ(lmt.status, TimeDifferenceStatus::NotWholeHours);
    EXPECT_FALSE(lmt.Determined());
    EXPECT_EQ(lmt.roundedHours, -1);
    // -0:53:28 becomes -1:00: the moment moves 6 min 32 s earlier.
    EXPECT_EQ(lmt.roundingShiftSeconds, -(6 * 60 + 32));

    const auto rounded = TimeDifferenceAt("Europe/Berlin", moment, {DstChoice::None, true});
    EXPECT_EQ(rounded.status, TimeDifferenceStatus::NotWholeHours);
    EXPECT_EQ(rounded.hours, -1);

    // Half hours go away from zero: +5:30 gives -6, half an hour earlier.
    const auto india =
        TimeDifferenceAt("Asia/Kolkata", LocalMoment{1990, 3, 1, 12, 0}, {DstChoice::None, true});
    EXPECT_EQ(india.status, TimeDifferenceStatus::NotWholeHours);
    EXPECT_EQ(india.hours, -6);
    EXPECT_EQ(india.roundingShiftSeconds, -30 * 60);
    const auto newfoundland = TimeDifferenceForOffset(ZoneOffset{-(3 * kHour + 1800), "NST"}, true);
    EXPECT_EQ(newfoundland.hours, 4);
    EXPECT_EQ(newfoundland.roundingShiftSeconds, 30 * 60);
    // Nepal, +5:45: the nearest hour is -6, 15 minutes earlier.
    EXPECT_EQ(TimeDifferenceForOffset(ZoneOffset{20700, "+0545"}, true).roundingShiftSeconds,
              -15 * 60);
}

TEST(TimeDifferenceTest, BeyondTwelveHoursIsOutOfRange) {
    const auto kiritimati = TimeDifferenceAt("Pacific/Kiritimati", LocalMoment{2000, 3, 1, 12, 0});
    EXPECT_EQ(kiritimati.status, TimeDifferenceStatus::OutOfRange);
    EXPECT_FALSE(kiritimati.Determined());
    ASSERT_TRUE(kiritimati.offset.has_value());
    EXPECT_EQ(kiritimati.offset->utcOffsetSeconds, 14 * kHour);
    EXPECT_EQ(TimeDifferenceAt("Pacific/Tongatapu", LocalMoment{2010, 3, 1, 12, 0}).status,
              TimeDifferenceStatus::OutOfRange);
    // Rounding does not bring a value beyond the limits: Chatham, +12:45, rounds to -13.
    const auto chatham = TimeDifferenceForOffset(ZoneOffset{12 * kHour + 2700, "+1245"}, true);
    EXPECT_EQ(chatham.status, TimeDifferenceStatus::OutOfRange);
    EXPECT_FALSE(chatham.Determined());
}

TEST(TimeDifferenceTest, NonexistentTimeIsNeverDecided) {
    for (const DstChoice choice : {DstChoice::None, DstChoice::Dst, DstChoice::NoDst}) {
        const auto gap =
            TimeDifferenceAt("Europe/Berlin", LocalMoment{2021, 3, 28, 2, 30}, {choice, true});
        EXPECT_EQ(gap.status, TimeDifferenceStatus::Nonexistent);
        EXPECT_FALSE(gap.Determined());
        EXPECT_FALSE(gap.offset.has_value());
        EXPECT_EQ(gap.offsets.first.utcOffsetSeconds, kHour);
        EXPECT_EQ(gap.offsets.second.utcOffsetSeconds, 2 * kHour);
    }
}

TEST(TimeDifferenceTest, AmbiguousTimeTakesTheCallersChoice) {
    const LocalMoment twice{2021, 10, 31, 2, 30};
    const auto undecided = TimeDifferenceAt("Europe/Berlin", twice);
    EXPECT_EQ(undecided.status, TimeDifferenceStatus::Ambiguous);
    EXPECT_FALSE(undecided.Determined());
    EXPECT_EQ(undecided.offsets.first.abbreviation, "CEST");
    EXPECT_EQ(undecided.offsets.second.abbreviation, "CET");

    const auto summer = TimeDifferenceAt("Europe/Berlin", twice, {DstChoice::Dst, false});
    EXPECT_EQ(summer.status, TimeDifferenceStatus::Ok);
    EXPECT_EQ(summer.hours, -2);
    EXPECT_TRUE(summer.offset->dst);
    const auto winter = TimeDifferenceAt("Europe/Berlin", twice, {DstChoice::NoDst, false});
    EXPECT_EQ(winter.status, TimeDifferenceStatus::Ok);
    EXPECT_EQ(winter.hours, -1);
    EXPECT_FALSE(winter.offset->dst);

    // A choice for a time that occurs once changes nothing.
    EXPECT_EQ(
        TimeDifferenceAt("Europe/Berlin", LocalMoment{2021, 7, 1, 12, 0}, {DstChoice::NoDst}).hours,
        -2);
}

TEST(TimeDifferenceTest, UnknownZoneHasNoValue) {
    const auto unknown = TimeDifferenceAt("Nowhere/Atlantis", LocalMoment{2000, 1, 1, 0, 0});
    EXPECT_EQ(unknown.status, TimeDifferenceStatus::UnknownZone);
    EXPECT_FALSE(unknown.Determined());
    EXPECT_FALSE(unknown.offset.has_value());
}
