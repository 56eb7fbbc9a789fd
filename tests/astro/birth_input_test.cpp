#include "astro/birth_input.h"

#include <gtest/gtest.h>

namespace {

BirthInput Valid() {
    BirthInput in;
    in.day = 20;
    in.month = 3;
    in.year = 2000;
    in.hour = 8;
    in.minute = 0;
    in.timeZone = -1;
    return in;
}

TEST(BirthInput, AcceptsTheFormsRanges) {
    BirthInput in = Valid();
    EXPECT_EQ(LastRangeMessage(in), "");
    in.day = 31;
    in.month = 2; // the day is not compared with the month's length
    in.hour = 24;
    in.minute = 59;
    in.timeZone = 12;
    EXPECT_EQ(LastRangeMessage(in), "");
    in.timeZone = -12;
    EXPECT_EQ(LastRangeMessage(in), "");
}

TEST(BirthInput, EachCheckHasItsMessage) {
    BirthInput in = Valid();
    in.month = 13;
    EXPECT_STREQ(LastRangeMessage(in).c_str(), kMsgMonthRange);
    in = Valid();
    in.day = 0;
    EXPECT_STREQ(LastRangeMessage(in).c_str(), kMsgDayRange);
    in = Valid();
    in.hour = 25;
    EXPECT_STREQ(LastRangeMessage(in).c_str(), kMsgHourRange);
    in = Valid();
    in.minute = -1;
    EXPECT_STREQ(LastRangeMessage(in).c_str(), kMsgMinuteRange);
    in = Valid();
    in.timeZone = 13;
    EXPECT_STREQ(LastRangeMessage(in).c_str(), kMsgTimeZoneRange);
}

TEST(BirthInput, OnlyTheLastFailingCheckIsReported) {
    BirthInput in = Valid();
    in.month = 0;
    in.day = 32;
    EXPECT_STREQ(LastRangeMessage(in).c_str(), kMsgDayRange);
    in.minute = 60;
    EXPECT_STREQ(LastRangeMessage(in).c_str(), kMsgMinuteRange);
    in.timeZone = -13;
    EXPECT_STREQ(LastRangeMessage(in).c_str(), kMsgTimeZoneRange);
}

TEST(BirthInput, EarlierCenturyQuestion) {
    BirthInput in = Valid();
    in.year = 1900;
    EXPECT_FALSE(NeedsEarlierCenturyQuestion(in));
    in.year = 1899;
    EXPECT_TRUE(NeedsEarlierCenturyQuestion(in));
    // The question is separate from the other checks.
    EXPECT_EQ(LastRangeMessage(in), "");
}

} // namespace
