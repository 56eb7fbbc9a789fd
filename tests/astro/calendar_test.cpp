#include "astro/calendar.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include <gtest/gtest.h>

namespace {

TmFields Moment(int32_t year, int32_t month1, int32_t day, int32_t hour = 0, int32_t minute = 0,
                int32_t second = 0) {
    TmFields t;
    t.second = second;
    t.minute = minute;
    t.hour = hour;
    t.day = day;
    t.month = month1 - 1;
    t.year = year - 1900;
    return t;
}

bool IsLeap(int32_t y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int32_t DaysIn(int32_t y, int32_t m) {
    static const int32_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

TEST(Calendar, DayNumbersAndJulianDates) {
    EXPECT_EQ(JulianDayNumber(Moment(2000, 1, 1, 12)), 2451545);
    EXPECT_EQ(JulianDate(Moment(2000, 1, 1, 12)), 2451545.0);
    EXPECT_EQ(JulianDate(Moment(2000, 1, 1)), 2451544.5);
    // Hours outside the day carry into the neighbouring days.
    EXPECT_EQ(JulianDate(Moment(2000, 1, 1, -3)), 2451544.375);
    EXPECT_EQ(JulianDate(Moment(1999, 12, 31, 27)), 2451544.625);
    // Day 0 of June is 31 May; 30 February is 2 March.
    EXPECT_EQ(JulianDate(Moment(2000, 6, 0)), 2451695.5);
    EXPECT_EQ(JulianDate(Moment(2000, 6, 0)), JulianDate(Moment(2000, 5, 31)));
    EXPECT_EQ(JulianDate(Moment(2001, 2, 30)), JulianDate(Moment(2001, 3, 2)));
    // Before 1 March of year 0 the truncating division departs from the calendar.
    EXPECT_EQ(JulianDayNumber(Moment(0, 1, 1)), 1721061);
}

TEST(Calendar, SecondsUseTheRoundedReciprocalOfTheDay) {
    const TmFields t = Moment(2000, 3, 20, 7, 0);
    EXPECT_EQ(JulianDate(t), (2451624 - 0.5) + 25200 * 1.1574074074074073e-05);
    EXPECT_EQ(JulianDate(t), (2451624 - 0.5) - 25200 * (-1.1574074074074073e-05));
}

TEST(Calendar, CalendarDateOfCivilDays) {
    int32_t y = 0, m = 0, d = 0;
    CalendarDate(2451544.5, y, m, d);
    EXPECT_EQ((std::array{y, m, d}), (std::array{2000, 1, 1}));
    CalendarDate(2451544.49999, y, m, d);
    EXPECT_EQ((std::array{y, m, d}), (std::array{1999, 12, 31}));
    CalendarDate(2451545.0, y, m, d);
    EXPECT_EQ((std::array{y, m, d}), (std::array{2000, 1, 1}));
}

TEST(Calendar, TimeOfDayTruncatesToSeconds) {
    int32_t h = 0, mi = 0, s = 0;
    TimeOfDay(2451545.0, h, mi, s);
    EXPECT_EQ((std::array{h, mi, s}), (std::array{12, 0, 0}));
    TimeOfDay(2451544.5, h, mi, s);
    EXPECT_EQ((std::array{h, mi, s}), (std::array{0, 0, 0}));
    TimeOfDay(2451544.99999, h, mi, s);
    EXPECT_EQ((std::array{h, mi, s}), (std::array{11, 59, 59}));
}

TEST(Calendar, CalendarDateInvertsDayNumberFromYearZeroTo6300) {
    int failures = 0;
    for (int32_t y = 0; y <= 6300 && failures < 5; ++y) {
        for (int32_t m = 1; m <= 12; ++m) {
            if ((y == 0 && m < 3) || (y == 6300 && m > 2)) {
                continue;
            }
            for (int32_t d = 1; d <= DaysIn(y, m); ++d) {
                const int32_t n = JulianDayNumber(Moment(y, m, d));
                int32_t yy = 0, mm = 0, dd = 0;
                CalendarDate(n, yy, mm, dd);
                if (yy != y || mm != m || dd != d) {
                    ADD_FAILURE() << d << "." << m << "." << y << " came back as " << dd << "."
                                  << mm << "." << yy;
                    ++failures;
                }
            }
        }
    }
    // The first day where the reciprocal products differ from exact quotients.
    const int32_t n = JulianDayNumber(Moment(6300, 3, 1));
    EXPECT_EQ(n, 4022147);
    int32_t yy = 0, mm = 0, dd = 0;
    CalendarDate(n, yy, mm, dd);
    EXPECT_EQ((std::array{yy, mm, dd}), (std::array{6300, 2, 29}));
}

// The integer steps give the dates of the floors they stand for: every day of the years -1000 to
// 7000, where the floors' quirks begin, random days and moments across the whole range the
// integer steps take, and the values beyond it.
TEST(Calendar, CalendarDateEqualsTheFloors) {
    const auto expectSame = [](double jd) {
        std::array<int32_t, 3> fast{};
        std::array<int32_t, 3> floors{};
        CalendarDate(jd, fast[0], fast[1], fast[2]);
        CalendarDateByFloors(jd, floors[0], floors[1], floors[2]);
        return fast == floors;
    };
    for (int32_t n = JulianDayNumber(Moment(-1000, 1, 1)); n <= JulianDayNumber(Moment(7000, 1, 1));
         ++n) {
        ASSERT_TRUE(expectSame(n)) << n;
    }
    std::mt19937_64 random(41);
    std::uniform_real_distribution<double> wide(-1.2e12, 1.2e12);
    std::uniform_real_distribution<double> years(-36e6, 39e6);
    for (int i = 0; i < 1000000; ++i) {
        const double jd = i % 2 == 0 ? wide(random) : years(random);
        ASSERT_TRUE(expectSame(jd)) << jd;
        ASSERT_TRUE(expectSame(std::floor(jd) + 0.5)) << jd;
    }
    for (const double jd : {1099511627775.5, 1099511627776.0, -1099511627777.0, 1e300, -1e300,
                            std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_TRUE(expectSame(jd)) << jd;
    }
}

TEST(Calendar, ExtremeFieldsStayDefined) {
    // Formed in wide arithmetic: no overflow even for the extremes of 32-bit fields.
    TmFields t = Moment(2000, 1, 1);
    t.hour = INT32_MAX;
    t.minute = INT32_MAX;
    t.second = INT32_MAX;
    EXPECT_GT(JulianDate(t), 2451544.5);
    t = Moment(2000, 1, 1);
    t.year = INT32_MIN;
    t.month = INT32_MIN;
    t.day = INT32_MIN;
    (void)JulianDayNumber(t);
    int32_t y = 0, m = 0, d = 0, h = 0, mi = 0, s = 0;
    CalendarDate(1e300, y, m, d);
    CalendarDate(std::numeric_limits<double>::quiet_NaN(), y, m, d);
    TimeOfDay(std::numeric_limits<double>::quiet_NaN(), h, mi, s);
    EXPECT_EQ(h, 0);
}

} // namespace
