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

void CalendarDateByFloors(double jd, int32_t& year, int32_t& month, int32_t& day) {
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

// The same steps on integers. Each floor(x * r), with r the double nearest 1 / n, equals the
// integer quotient of x by n wherever x is not a multiple of n: the product is off the true
// quotient by at most |x / n| * 2.3e-16 (the rounding of r and of the product), far less than
// the 1 / n by which a non-multiple stays away from a whole number for any day number below
// 2^40. A multiple of n (one day in 153 or fewer) goes the way of the floors above. The
// products with 0.25 are exact; 0.2 is a little above 1 / 5, so floor(z * 0.2) is z / 5 for
// every z. Every step thus gives the same whole numbers as the floors.
void CalendarDate(double jd, int32_t& year, int32_t& month, int32_t& day) {
    const double dayNumber = std::floor(jd + 0.5);
    if (!(std::fabs(dayNumber) < 1099511627776.0)) { // 2^40; NaN too
        CalendarDateByFloors(jd, year, month, day);
        return;
    }
    const int64_t x = (static_cast<int64_t>(dayNumber) - 1721119) * 4 - 1;
    int64_t y = x / 146097;
    int64_t r = x % 146097;
    if (r < 0) {
        y = y - 1;
        r = r + 146097;
    }
    const int64_t j = (r / 4) * 4 + 3; // r > 0 below
    const int64_t d2 = j / 1461;
    const int64_t r2 = j % 1461;
    const int64_t dd = (r2 + 4) / 4;
    const int64_t m = (dd * 5 - 3) / 153;
    const int64_t r3 = (dd * 5 - 3) % 153;
    if (r == 0 || r2 == 0 || r3 == 0) {
        CalendarDateByFloors(jd, year, month, day);
        return;
    }
    const int64_t fullYear = y * 100 + d2 + (m < 10 ? 0 : 1);
    year = TruncateToInt32(static_cast<double>(fullYear));
    month = static_cast<int32_t>(m < 10 ? m + 3 : m - 9);
    day = static_cast<int32_t>((r3 + 5) / 5);
}

void TimeOfDay(double jd, int32_t& hour, int32_t& minute, int32_t& second) {
    const double x = jd + 0.5;
    const int32_t s = TruncateToInt32((x - std::floor(x)) * 86400);
    hour = s / 3600;
    minute = (s / 60) % 60;
    second = s % 60;
}

CivilMoment CivilMomentOf(double jd) {
    CivilMoment m;
    CalendarDate(jd, m.year, m.month, m.day);
    TimeOfDay(jd, m.hour, m.minute, m.second);
    return m;
}
