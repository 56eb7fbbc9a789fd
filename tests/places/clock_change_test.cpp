// The two special cases on the days the clocks change: a local time that does not exist and one
// that occurs twice, each with both offsets.
#include <gtest/gtest.h>

#include "tests/places/zone_seconds.h"

#include "places/zone_offset.h"

using places::LocalMoment;
using places::LocalTimeKind;
using places::LookUpOffsets;
using places::ZoneOffset;

TEST(ClockChangeTest, SpringForwardLeavesAGap) {
    // Berlin, 28 March 2021: 02:00 CET became 03:00 CEST.
    const auto gap = LookUpOffsets("Europe/Berlin", LocalMoment{2021, 3, 28, 2, 30});
    ASSERT_TRUE(gap.has_value());
    EXPECT_EQ(gap->kind, LocalTimeKind::Nonexistent);
    EXPECT_EQ(gap->first, (ZoneOffset{kHour, "CET", false}));
    EXPECT_EQ(gap->second, (ZoneOffset{2 * kHour, "CEST", true}));
    // The minutes around the gap exist.
    EXPECT_EQ(LookUpOffsets("Europe/Berlin", LocalMoment{2021, 3, 28, 1, 59})->kind,
              LocalTimeKind::Unique);
    EXPECT_EQ(LookUpOffsets("Europe/Berlin", LocalMoment{2021, 3, 28, 3, 0})->kind,
              LocalTimeKind::Unique);
}

TEST(ClockChangeTest, FallBackRepeatsAnHour) {
    // Berlin, 31 October 2021: 03:00 CEST became 02:00 CET.
    const auto twice = LookUpOffsets("Europe/Berlin", LocalMoment{2021, 10, 31, 2, 30});
    ASSERT_TRUE(twice.has_value());
    EXPECT_EQ(twice->kind, LocalTimeKind::Ambiguous);
    EXPECT_EQ(twice->first, (ZoneOffset{2 * kHour, "CEST", true}));
    EXPECT_EQ(twice->second, (ZoneOffset{kHour, "CET", false}));
    EXPECT_EQ(LookUpOffsets("Europe/Berlin", LocalMoment{2021, 10, 31, 3, 0})->kind,
              LocalTimeKind::Unique);

    // New York, 7 November 2021, 01:30: EDT then EST.
    const auto ny = LookUpOffsets("America/New_York", LocalMoment{2021, 11, 7, 1, 30});
    ASSERT_TRUE(ny.has_value());
    EXPECT_EQ(ny->kind, LocalTimeKind::Ambiguous);
    EXPECT_EQ(ny->first.abbreviation, "EDT");
    EXPECT_EQ(ny->second.abbreviation, "EST");
}

TEST(ClockChangeTest, WarTimeDoubleSummerTimeEnds) {
    // London, 10 August 1941: double summer time ended at 03:00, back to 02:00 BST.
    const auto twice = LookUpOffsets("Europe/London", LocalMoment{1941, 8, 10, 2, 30});
    ASSERT_TRUE(twice.has_value());
    EXPECT_EQ(twice->kind, LocalTimeKind::Ambiguous);
    EXPECT_EQ(twice->first.abbreviation, "BDST");
    EXPECT_EQ(twice->second.abbreviation, "BST");
}
