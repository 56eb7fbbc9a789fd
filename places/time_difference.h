#pragma once
// The form's time difference from a zone's offset: the hours to add to the local time to reach
// Universal Time (minus the offset), a whole number within -12..12 ("CET" gives -1).
#include <optional>
#include <string_view>

#include "places/zone_offset.h"

namespace places {

enum class TimeDifferenceStatus {
    Ok,            // whole hours within -12..12
    NotWholeHours, // e.g. UTC+5:30, or local mean time +0:53:28
    OutOfRange,    // beyond -12..12, e.g. UTC+13
    Nonexistent,   // the local time was skipped when the clocks went forward
    Ambiguous,     // the local time occurred twice and no choice was given
    UnknownZone,   // the zone is not in the time-zone database, or the moment is outside the
                   // ranges LookUpOffsets covers
};

// For a local time that occurs twice: which of the two the caller means.
enum class DstChoice {
    None,  // not decided: the status is Ambiguous
    Dst,   // the occurrence with the larger offset (summer time, before the clocks go back)
    NoDst, // the occurrence with the smaller offset (winter time, after)
};

struct TimeDifferenceOptions {
    DstChoice dst = DstChoice::None;
    bool round = false; // accept the nearest whole hour for a non-whole-hour offset
};

struct TimeDifference {
    TimeDifferenceStatus status = TimeDifferenceStatus::UnknownZone;
    LocalTimeOffsets offsets; // as looked up (both candidates, or the offsets around the gap)
    // The offset used: the one in force, or the chosen one of an ambiguous time. Unset for a
    // nonexistent or undecided ambiguous time and for an unknown zone.
    std::optional<ZoneOffset> offset;
    // The value for the form, when one is determined: status Ok, or NotWholeHours with rounding
    // accepted.
    std::optional<int> hours;
    // NotWholeHours: the nearest whole hour (halves away from zero) and by how many seconds
    // taking it moves the computed moment (negative: earlier).
    int roundedHours = 0;
    int roundingShiftSeconds = 0;

    bool Determined() const { return hours.has_value(); }
};

// The time difference for an offset that is in force (no special case).
TimeDifference TimeDifferenceForOffset(const ZoneOffset& offset, bool round);

// The time difference for looked-up offsets.
TimeDifference ResolveTimeDifference(const LocalTimeOffsets& offsets,
                                     const TimeDifferenceOptions& options);

// Looks up the zone at the local moment and resolves the time difference.
TimeDifference TimeDifferenceAt(std::string_view zone, const LocalMoment& local,
                                const TimeDifferenceOptions& options = {});

} // namespace places
