#pragma once
// The history of one time zone as its compiled zone file (TZif, RFC 8536) holds it: the
// transitions and the clock times between them, and the rule for the times after the last
// transition. The one reader of zone files for every platform, so that a zone folder gives the
// same offsets wherever it is read.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "places/zone_rule.h"

namespace places {

// The periods a local time falls into.
struct LocalPeriods {
    enum class Kind {
        Unique,      // one: `first` (and `second` the same)
        Nonexistent, // none, skipped: `first` before the gap, `second` after it
        Ambiguous,   // two, the time repeated: `first` the earlier, `second` the later
    };
    Kind kind = Kind::Unique;
    ZonePeriod first;
    ZonePeriod second;
};

class ZoneHistory {
  public:
    // The history in a zone file's data, which CheckZoneBytes found sound; nothing when it is
    // not. A rule after the last transition that cannot be read is left out: the last period
    // then goes on for ever.
    static std::optional<ZoneHistory> FromFile(std::string_view bytes);

    // The period holding a moment (seconds since 1970, Universal Time). Consecutive
    // transitions to the same clock time count as one period.
    ZonePeriod PeriodAt(std::int64_t utc) const;

    // The periods a local time (seconds since 1970 as read on the clocks) falls into.
    LocalPeriods AtLocal(std::int64_t local) const;

  private:
    struct Transition {
        std::int64_t when;
        std::size_t time; // into m_times
    };

    // The period that transition i - 1 begins (1 <= i <= the number of transitions).
    ZonePeriod Period(std::size_t i) const;
    // AtLocal from the periods around the local time, each asked for in turn.
    LocalPeriods AtLocalByPeriods(std::int64_t local) const;

    std::vector<ZoneTime> m_times;
    std::vector<Transition> m_transitions; // the first at kEarliestTime
    std::optional<ZoneRule> m_rule;
};

} // namespace places
