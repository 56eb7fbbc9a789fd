#pragma once
// Days of the proleptic Gregorian calendar counted from 1970-01-01, for the zone history's
// seconds since 1970.
#include <cstdint>

namespace places {

inline constexpr std::int64_t kSecondsPerDay = 86400;

// Days since 1970-01-01 of a date; a day beyond the month's length runs on into the next.
constexpr std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const int shifted = month > 2 ? month - 3 : month + 9;
    const std::int64_t dayOfYear = (153 * shifted + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// The year of a moment (seconds since 1970).
constexpr std::int64_t YearOfSeconds(std::int64_t seconds) {
    const std::int64_t days =
        seconds >= 0 ? seconds / kSecondsPerDay : -((-seconds - 1) / kSecondsPerDay) - 1;
    const std::int64_t shifted = days + 719468;
    const std::int64_t era = (shifted >= 0 ? shifted : shifted - 146096) / 146097;
    const std::int64_t dayOfEra = shifted - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153; // 0: March
    return yearOfEra + era * 400 + (monthIndex >= 10);
}

static_assert(DaysFromCivil(1970, 1, 1) == 0);
static_assert(DaysFromCivil(2000, 3, 1) == 11017);
static_assert(DaysFromCivil(1969, 12, 31) == -1);
static_assert(YearOfSeconds(-1) == 1969 && YearOfSeconds(0) == 1970);
static_assert(YearOfSeconds(DaysFromCivil(2000, 12, 31) * kSecondsPerDay) == 2000);
static_assert(YearOfSeconds(DaysFromCivil(-4713, 1, 1) * kSecondsPerDay) == -4713);

} // namespace places
