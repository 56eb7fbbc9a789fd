#include "places/time_difference.h"

#include <cstdlib>

namespace places {

namespace {

constexpr int kHour = 3600;
constexpr int kMaxHours = 12;

// -seconds / 3600 rounded to the nearest hour, halves away from zero.
int NearestHours(int differenceSeconds) {
    const int whole = differenceSeconds / kHour;
    const int rest = differenceSeconds % kHour;
    if (2 * std::abs(rest) >= kHour) {
        return whole + (rest < 0 ? -1 : 1);
    }
    return whole;
}

void Classify(TimeDifference& r, const ZoneOffset& offset, bool round) {
    r.offset = offset;
    const int difference = -offset.utcOffsetSeconds;
    int hours = 0;
    if (difference % kHour == 0) {
        hours = difference / kHour;
        r.status = TimeDifferenceStatus::Ok;
    } else {
        r.roundedHours = NearestHours(difference);
        // Universal Time = local + difference: rounding moves it by (rounded - exact).
        r.roundingShiftSeconds = r.roundedHours * kHour - difference;
        hours = r.roundedHours;
        r.status = TimeDifferenceStatus::NotWholeHours;
    }
    if (hours < -kMaxHours || hours > kMaxHours) {
        r.status = TimeDifferenceStatus::OutOfRange;
        return;
    }
    if (r.status == TimeDifferenceStatus::Ok || round) {
        r.hours = hours;
    }
}

} // namespace

TimeDifference TimeDifferenceForOffset(const ZoneOffset& offset, bool round) {
    TimeDifference r;
    r.offsets.first = offset;
    r.offsets.second = offset;
    Classify(r, offset, round);
    return r;
}

TimeDifference ResolveTimeDifference(const LocalTimeOffsets& offsets,
                                     const TimeDifferenceOptions& options) {
    TimeDifference r;
    r.offsets = offsets;
    switch (offsets.kind) {
    case LocalTimeKind::Unique:
        Classify(r, offsets.first, options.round);
        break;
    case LocalTimeKind::Nonexistent:
        r.status = TimeDifferenceStatus::Nonexistent;
        break;
    case LocalTimeKind::Ambiguous: {
        const bool firstIsLarger =
            offsets.first.utcOffsetSeconds >= offsets.second.utcOffsetSeconds;
        const ZoneOffset& larger = firstIsLarger ? offsets.first : offsets.second;
        const ZoneOffset& smaller = firstIsLarger ? offsets.second : offsets.first;
        if (options.dst == DstChoice::Dst) {
            Classify(r, larger, options.round);
        } else if (options.dst == DstChoice::NoDst) {
            Classify(r, smaller, options.round);
        } else {
            r.status = TimeDifferenceStatus::Ambiguous;
        }
        break;
    }
    }
    return r;
}

TimeDifference TimeDifferenceAt(std::string_view zone, const LocalMoment& local,
                                const TimeDifferenceOptions& options) {
    const std::optional<LocalTimeOffsets> offsets = LookUpOffsets(zone, local);
    if (!offsets) {
        return TimeDifference{};
    }
    return ResolveTimeDifference(*offsets, options);
}

} // namespace places
