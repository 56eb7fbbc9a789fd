#include "astro/calendar.h"

#include <cmath>

#include "astro/int_conversion.h"

// The day count is formed in 64 bits: for every date whose 32-bit computation does not
// overflow the quotients and the result are the same, and no input can overflow.
int32_t JulianDayNumber(const TmFields& t) {
    int64_t y = static_cast<int64_t>(t.year) + 1900;
    int64_t m = static_cast<int64_t>(t.month) + 1;
    if (m > 2) {
        m = m - 3;
    } else {
        m = m + 9;
        y = y - 1;
    }
    const int64_t c = y / 100;
    const int64_t a = y - c * 100;
    const int64_t n = (146097 * c) / 4 + (1461 * a) / 4 + (153 * m + 2) / 5 + t.day + 1721119;
    return static_cast<int32_t>(n);
}

double JulianDate(const TmFields& t) {
    const int32_t n = JulianDayNumber(t);
    const int64_t s =
        (static_cast<int64_t>(t.hour) * 60 + t.minute) * 60 + static_cast<int64_t>(t.second);
    return (n - 0.5) + static_cast<double>(s) * 1.1574074074074073e-05;
}

void CalendarDate(double jd, int32_t& year, int32_t& month, int32_t& day) {
    const double j4 = (std::floor(jd + 0.5) - 1721119) * 4;
    const double y = std::floor((j4 - 1) * 6.844767517471269e-06);
    const double d = std::floor((j4 - (y * 146097 + 1)) * 0.25);
    const double j = d * 4 + 3;
    const double d2 = std::floor(j * 0.0006844626967830253);
    const double dd = std::floor(((j - d2 * 1461) + 4) * 0.25);
    const double m = std::floor((dd * 5 - 3) * 0.006535947712418301);
    const double dayOfMonth = std::floor(((dd * 5 - (m * 153 + 3)) + 5) * 0.2);
    double fullYear = y * 100 + d2;
    double monthOfYear = 0;
    if (m < 10) {
        monthOfYear = m + 3;
    } else {
        monthOfYear = m - 9;
        fullYear = fullYear + 1;
    }
    year = TruncateToInt32(fullYear);
    month = TruncateToInt32(monthOfYear);
    day = TruncateToInt32(dayOfMonth);
}

void TimeOfDay(double jd, int32_t& hour, int32_t& minute, int32_t& second) {
    const double x = jd + 0.5;
    const int32_t s = TruncateToInt32((x - std::floor(x)) * 86400);
    hour = s / 3600;
    minute = (s / 60) % 60;
    second = s % 60;
}
