#pragma once
// The rule a zone file gives for the times after its last transition: a TZ string as POSIX and
// the zone-file format (version 3) write it, "CET-1CEST,M3.5.0,M10.5.0/3": the standard time's
// name and offset, and for a zone with summer time that time's name, offset and the days and
// times it begins and ends each year.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace places {

// What the clocks show in a period: the offset (local time minus Universal Time, seconds), its
// name and whether it is summer (daylight-saving) time.
struct ZoneTime {
    int offset = 0;
    bool dst = false;
    std::string abbreviation;
    bool operator==(const ZoneTime&) const = default;
};

// A time during which one ZoneTime holds: from `begin` up to `end`, seconds since 1970 in
// Universal Time.
struct ZonePeriod {
    std::int64_t begin = 0;
    std::int64_t end = 0;
    ZoneTime time;
};

// The limits a period without a change before or after it reaches: far beyond the years the
// program handles, and safe to add days to.
inline constexpr std::int64_t kEarliestTime = -(std::int64_t{1} << 40);
inline constexpr std::int64_t kLatestTime = std::int64_t{1} << 40;

class ZoneRule {
  public:
    // The rule a TZ string gives; nothing when the text is not one (an empty text neither).
    static std::optional<ZoneRule> Parse(std::string_view text);

    // The period holding the moment (seconds since 1970, Universal Time). Without summer time
    // one period spans all times.
    ZonePeriod PeriodAt(std::int64_t utc) const;

  private:
    // A day of the year and the local time on it at which a change happens.
    struct Change {
        enum class Day { Julian, ZeroBased, MonthWeek } kind = Day::MonthWeek;
        int day = 0;            // Julian: 1..365 (February 29 never counted); ZeroBased: 0..365
        int month = 0;          // MonthWeek: 1..12
        int week = 0;           // MonthWeek: 1..5, 5 the last
        int weekday = 0;        // MonthWeek: 0 Sunday .. 6 Saturday
        int seconds = 2 * 3600; // the local time of day, -167..167 hours
    };

    // The moment (Universal Time) the change happens in the year, the local time read with the
    // offset before it.
    std::int64_t When(const Change& change, std::int64_t year, int offsetBefore) const;

    ZoneTime m_standard;
    std::optional<ZoneTime> m_summer;
    Change m_start; // when summer time begins (standard time before)
    Change m_end;   // when it ends (summer time before)
};

} // namespace places
