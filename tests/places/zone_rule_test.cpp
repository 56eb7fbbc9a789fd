// The rule of a zone file for the times after its last transition: which TZ strings are read,
// and the period a moment falls in, northern and southern summers, summer time in winter,
// change times below zero and beyond a day, the three ways of naming a day.
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string>

#include "places/civil_days.h"
#include "places/zone_rule.h"

using places::kEarliestTime;
using places::kLatestTime;
using places::ZonePeriod;
using places::ZoneRule;
using places::ZoneTime;

namespace {

// Seconds since 1970 of a moment in Universal Time.
std::int64_t Utc(int year, int month, int day, int hour = 0, int minute = 0) {
    return places::DaysFromCivil(year, month, day) * places::kSecondsPerDay + hour * 3600 +
           minute * 60;
}

} // namespace

TEST(ZoneRuleTest, PeriodsOfRulesAsZoneFilesWriteThem) {
    const struct {
        const char* what;
        const char* rule;
        std::int64_t probe;
        std::int64_t begin;
        std::int64_t end;
        ZoneTime time;
    } cases[] = {
        {"Berlin's summer",
         "CET-1CEST,M3.5.0,M10.5.0/3",
         Utc(2040, 7, 1),
         Utc(2040, 3, 25, 1),
         Utc(2040, 10, 28, 1),
         {7200, true, "CEST"}},
        {"Berlin's winter, from the year before",
         "CET-1CEST,M3.5.0,M10.5.0/3",
         Utc(2041, 1, 10),
         Utc(2040, 10, 28, 1),
         Utc(2041, 3, 31, 1),
         {3600, false, "CET"}},
        {"Sydney's winter in the middle of the year",
         "AEST-10AEDT,M10.1.0,M4.1.0/3",
         Utc(2040, 7, 1),
         Utc(2040, 3, 31, 16),
         Utc(2040, 10, 6, 16),
         {36000, false, "AEST"}},
        {"Dublin: summer time is the standard, winter the other",
         "IST-1GMT0,M10.5.0,M3.5.0/1",
         Utc(2041, 1, 15),
         Utc(2040, 10, 28, 1),
         Utc(2041, 3, 31, 1),
         {0, true, "GMT"}},
        {"Nuuk: a change at -1:00",
         "<-02>2<-01>,M3.5.0/-1,M10.5.0/0",
         Utc(2040, 7, 1),
         Utc(2040, 3, 25, 1),
         Utc(2040, 10, 28, 1),
         {-3600, true, "-01"}},
        {"Jerusalem: a change at 26:00",
         "IST-2IDT,M3.4.4/26,M10.5.0",
         Utc(2040, 7, 1),
         Utc(2040, 3, 23),
         Utc(2040, 10, 27, 23),
         {10800, true, "IDT"}},
        {"Lord Howe: half an hour of summer time",
         "<+1030>-10:30<+11>-11,M10.1.0,M4.1.0",
         Utc(2040, 7, 1),
         Utc(2040, 3, 31, 15),
         Utc(2040, 10, 6, 15, 30),
         {37800, false, "+1030"}},
        {"Julian days, February 29 not counted",
         "XST-1XDT,J60/0,J300/0",
         Utc(2040, 6, 1),
         Utc(2040, 2, 29, 23),
         Utc(2040, 10, 26, 22),
         {7200, true, "XDT"}},
        {"days from zero, February 29 counted",
         "XST-1XDT,59/0,299/0",
         Utc(2040, 6, 1),
         Utc(2040, 2, 28, 23),
         Utc(2040, 10, 25, 22),
         {7200, true, "XDT"}},
        {"summer time all year",
         "EST5EDT,0/0,J365/25",
         Utc(2040, 6, 1),
         kEarliestTime,
         kLatestTime,
         {-14400, true, "EDT"}},
        {"no summer time",
         "<+0530>-5:30",
         Utc(2040, 6, 1),
         kEarliestTime,
         kLatestTime,
         {19800, false, "+0530"}},
    };
    for (const auto& c : cases) {
        const std::optional<ZoneRule> rule = ZoneRule::Parse(c.rule);
        ASSERT_TRUE(rule.has_value()) << c.what;
        const ZonePeriod p = rule->PeriodAt(c.probe);
        EXPECT_EQ(p.time, c.time) << c.what;
        EXPECT_EQ(p.begin, c.begin) << c.what;
        EXPECT_EQ(p.end, c.end) << c.what;
        // Both ends belong to the period as it should: the begin in it, the end not.
        EXPECT_EQ(rule->PeriodAt(p.begin).time, c.time) << c.what;
        if (p.end != kLatestTime) {
            EXPECT_NE(rule->PeriodAt(p.end).time, c.time) << c.what;
        }
    }
}

TEST(ZoneRuleTest, TextsThatAreNoRule) {
    for (const char* text :
         {"", "CET", "CE-1", "CET-1CEST", "CET-1CEST,M3.5.0", "CET-1CEST,M13.5.0,M10.5.0",
          "CET-1CEST,M3.6.0,M10.5.0", "CET-1CEST,M3.5.7,M10.5.0", "CET-1CEST,J0,J300",
          "CET-1CEST,366,1", "CET-1CEST,M3.5.0/168,M10.5.0", "CET-1CEST,M3.5.0,M10.5.0x", "<+01",
          "<+0 1>-1", "CET-25", "CET-1:60"}) {
        EXPECT_FALSE(ZoneRule::Parse(text).has_value()) << text;
    }
}
