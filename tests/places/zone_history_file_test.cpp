// The history read from a zone file's data: the periods between the transitions, the time
// before the first, the rule after the last, and where a local time falls among them.
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string>

#include "places/civil_days.h"
#include "places/zone_history.h"
#include "tests/places/zone_fixture.h"

using places::LocalPeriods;
using places::ZoneHistory;
using places::ZoneTime;
using namespace zone_fixture;

namespace {

const ZoneTime kCet{3600, false, "CET"};
const ZoneTime kCest{7200, true, "CEST"};

std::int64_t Utc(int year, int month, int day, int hour = 0, int minute = 0) {
    return places::DaysFromCivil(year, month, day) * places::kSecondsPerDay + hour * 3600 +
           minute * 60;
}

ZoneHistory Read(const std::string& bytes) {
    std::optional<ZoneHistory> h = ZoneHistory::FromFile(bytes);
    EXPECT_TRUE(h.has_value());
    return h ? std::move(*h) : *ZoneHistory::FromFile(ZoneFile());
}

} // namespace

TEST(ZoneHistoryFileTest, PeriodsBetweenBeforeAndAfterTheTransitions) {
    // Transitions at -1e9 (to CEST), 0 (to CET) and 1e9 (to CEST, 2001-09-09), then the rule.
    const ZoneHistory h = Read(ZoneFile());
    const struct {
        std::int64_t probe;
        std::int64_t begin;
        std::int64_t end;
        ZoneTime time;
    } cases[] = {
        {-2000000000, places::kEarliestTime, -1000000000, kCet}, // the first standard time
        {-1000000000, -1000000000, 0, kCest},
        {500000000, 0, 1000000000, kCet},
        // The rule's summer of 2001, begun before the last transition, from it on.
        {1000000001, 1000000000, Utc(2001, 10, 28, 1), kCest},
        {Utc(2040, 1, 10), Utc(2039, 10, 30, 1), Utc(2040, 3, 25, 1), kCet},
    };
    for (const auto& c : cases) {
        const places::ZonePeriod p = h.PeriodAt(c.probe);
        EXPECT_EQ(p.time, c.time) << c.probe;
        EXPECT_EQ(p.begin, c.begin) << c.probe;
        EXPECT_EQ(p.end, c.end) << c.probe;
    }
}

TEST(ZoneHistoryFileTest, WithoutARuleTheLastPeriodGoesOn) {
    ZoneSpec dstOnly;
    dstOnly.times = {0};
    dstOnly.indices = {0};
    dstOnly.types = {{7200, 1, 0}};
    dstOnly.chars = std::string("CEST\0", 5);
    ZoneSpec repeated;
    repeated.times = {0, 100, 200};
    repeated.indices = {1, 1, 0};
    std::string unreadable = ZoneFile();
    unreadable.replace(unreadable.rfind("CET-1"), std::string::npos, "not a rule\n");
    const struct {
        const char* what;
        std::string file;
        std::int64_t probe;
        std::int64_t begin;
        std::int64_t end;
        ZoneTime time;
    } cases[] = {
        {"version 1", ZoneFile({}, '\0'), Utc(2040, 1, 10), 1000000000, places::kLatestTime, kCest},
        {"a rule that cannot be read", unreadable, Utc(2040, 1, 10), 1000000000,
         places::kLatestTime, kCest},
        {"no standard time: the first time before the first transition, and so throughout",
         ZoneFile(dstOnly, '\0'), -5, places::kEarliestTime, places::kLatestTime, kCest},
        {"a transition to the time in force is none", ZoneFile(repeated, '\0'), 150, 0, 200, kCest},
    };
    for (const auto& c : cases) {
        const places::ZonePeriod p = Read(c.file).PeriodAt(c.probe);
        EXPECT_EQ(p.time, c.time) << c.what;
        EXPECT_EQ(p.begin, c.begin) << c.what;
        EXPECT_EQ(p.end, c.end) << c.what;
    }
    EXPECT_FALSE(ZoneHistory::FromFile("").has_value());
    EXPECT_FALSE(ZoneHistory::FromFile(ZoneFile().substr(0, 60)).has_value());
}

TEST(ZoneHistoryFileTest, LocalTimesSkippedRepeatedAndUnique) {
    const ZoneHistory h = Read(ZoneFile());
    using Kind = LocalPeriods::Kind;
    const std::int64_t spring = -1000000000; // CET to CEST: one local hour skipped
    const std::int64_t autumn = 0;           // CEST to CET: one local hour twice
    const struct {
        const char* what;
        std::int64_t local;
        Kind kind;
        ZoneTime first;
        ZoneTime second;
    } cases[] = {
        {"before the spring gap", spring + 3600 - 60, Kind::Unique, kCet, kCet},
        {"in the spring gap", spring + 3600 + 60, Kind::Nonexistent, kCet, kCest},
        {"after the spring gap", spring + 7200, Kind::Unique, kCest, kCest},
        {"before the repeated hour", autumn + 3600 - 60, Kind::Unique, kCest, kCest},
        {"in the repeated hour", autumn + 3600 + 60, Kind::Ambiguous, kCest, kCet},
        {"after the repeated hour", autumn + 7200, Kind::Unique, kCet, kCet},
        // Under the rule, far after the last transition.
        {"the rule's spring gap", Utc(2040, 3, 25, 2, 30), Kind::Nonexistent, kCet, kCest},
        {"the rule's repeated hour", Utc(2040, 10, 28, 2, 30), Kind::Ambiguous, kCest, kCet},
        {"the rule's summer", Utc(2040, 7, 1, 12), Kind::Unique, kCest, kCest},
    };
    for (const auto& c : cases) {
        const LocalPeriods p = h.AtLocal(c.local);
        EXPECT_EQ(p.kind, c.kind) << c.what;
        EXPECT_EQ(p.first.time, c.first) << c.what;
        EXPECT_EQ(p.second.time, c.second) << c.what;
    }
}
