#include "astro/text_format.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include <vector>

#include <gtest/gtest.h>

namespace {

// printf as glibc has it: a NaN with its sign bit set is "-nan", as the program writes it on
// every platform (the C library of Windows leaves the sign out).
std::string Printf(const char* format, double v) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, v);
    if (std::isnan(v) && std::signbit(v) && buffer[0] != '-') {
        return std::string("-") + buffer;
    }
    return buffer;
}

TEST(TextFormat, FixedHasTheDigitsOfPrintf) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> percent(-1.0, 101.0);
    std::uniform_real_distribution<double> jd(-4e7, 4e7);
    for (int i = 0; i < 20000; ++i) {
        const double p = percent(random);
        ASSERT_EQ(FormatFixed(p, 2), Printf("%.2f", p));
        const double j = jd(random);
        ASSERT_EQ(FormatFixed(j, 6), Printf("%f", j));
    }
    // Ties and signs: the exact binary value decides, as in printf.
    for (const double v : {0.125, 0.375, 2.5, 0.005, 1.005, -0.001, -0.0, 99.995, 1e22, 5e-324}) {
        EXPECT_EQ(FormatFixed(v, 2), Printf("%.2f", v)) << v;
        EXPECT_EQ(FormatFixed(v, 6), Printf("%f", v)) << v;
    }
    EXPECT_EQ(FormatFixed(1.7976931348623157e308, 6), Printf("%f", 1.7976931348623157e308));
}

// Every text of an evaluation against printf: random values over and far beyond the ranges a
// birth gives, and the values at the edges of rounding and of the double range.
TEST(TextFormat, RowTextsEqualPrintf) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> percent(-200.0, 200.0);
    std::uniform_int_distribution<uint64_t> bits;
    std::uniform_int_distribution<int32_t> any(std::numeric_limits<int32_t>::min(),
                                               std::numeric_limits<int32_t>::max());
    std::uniform_int_distribution<int32_t> small(-15, 125);
    char buffer[512];
    for (int i = 0; i < 1000000; ++i) {
        // Half in the percent range, half any bit pattern (huge, tiny, subnormal, NaN, inf).
        double p = percent(random);
        if (i % 2 == 1) {
            const uint64_t b = bits(random);
            std::memcpy(&p, &b, sizeof p);
        }
        ASSERT_EQ(FormatPercentText(p), Printf("%.2f %%", p)) << i;
        ASSERT_EQ(FormatJulianText(p), Printf("%f", p)) << i;
        const int32_t day = any(random);
        const int32_t year = any(random);
        const int32_t minute = i % 3 == 0 ? any(random) : small(random);
        std::snprintf(buffer, sizeof buffer, "%d.%d.%d %d:%02dUhr", day, i % 14, year, i % 27 - 1,
                      minute);
        ASSERT_EQ(FormatMomentText(day, i % 14, year, i % 27 - 1, minute), buffer) << i;
    }
    std::vector<double> edges = {0.0,
                                 -0.0,
                                 0.005,
                                 -0.005,
                                 0.015,
                                 99.995,
                                 100.0,
                                 -1e-300,
                                 5e-324,
                                 1e22,
                                 -1e300,
                                 255.9999995,
                                 256.0000005,
                                 4503599627370495.5,
                                 std::numeric_limits<double>::max(),
                                 std::numeric_limits<double>::lowest(),
                                 std::numeric_limits<double>::infinity(),
                                 -std::numeric_limits<double>::infinity(),
                                 std::numeric_limits<double>::quiet_NaN(),
                                 -std::numeric_limits<double>::quiet_NaN()};
    // Exact halves of the last decimal, which round to the even digit, and their neighbours:
    // eighths at two decimals, odd 128ths at six.
    for (int k = -4000; k <= 4000; ++k) {
        const double tie = k / 8.0;
        const double micro = 2451623.0 + k / 128.0;
        edges.insert(edges.end(), {tie, std::nextafter(tie, 1e9), std::nextafter(tie, -1e9), micro,
                                   std::nextafter(micro, 1e9), -micro});
    }
    for (const double v : edges) {
        ASSERT_EQ(FormatPercentText(v), Printf("%.2f %%", v)) << v;
        ASSERT_EQ(FormatJulianText(v), Printf("%f", v)) << v;
    }
}

TEST(TextFormat, ResultTexts) {
    EXPECT_EQ(FormatJulianText(2451623.7916666665), "2451623.791667");
    EXPECT_EQ(FormatPercentText(49.98), "49.98 %");
    EXPECT_EQ(FormatPercentText(0.2345), "0.23 %");
    EXPECT_EQ(FormatMomentText(5, 7, 1999, 8, 5), "5.7.1999 8:05Uhr");
    EXPECT_EQ(FormatMomentText(31, 12, 1999, 24, 0), "31.12.1999 24:00Uhr");
    EXPECT_EQ(FormatMomentText(-2147483647 - 1, 13, -99999, -12, -5),
              "-2147483648.13.-99999 -12:-5Uhr");
    EXPECT_EQ(FormatMomentText(1, 1, 99999, 0, 123), "1.1.99999 0:123Uhr");
    // The longest moment text fits the results' inline text whole.
    MomentText longest;
    AssignMomentText(longest, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN);
    EXPECT_EQ(longest, FormatMomentText(INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN));
    EXPECT_EQ(longest.size(), 62u);
    EXPECT_EQ(FormatInt2(0), "00");
    EXPECT_EQ(FormatInt2(-1), "-1");
    for (int32_t v = -1000; v <= 10000; ++v) {
        ASSERT_EQ(FormatInt(v), std::to_string(v));
    }
    EXPECT_EQ(FormatInt(INT32_MIN), "-2147483648");
}

TEST(TextFormat, DecimalPointIgnoresTheLocale) {
    const char* comma = nullptr;
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "fr_FR", "de_DE@euro"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            comma = name;
            break;
        }
    }
    if (comma == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    EXPECT_EQ(FormatPercentText(49.98), "49.98 %");
    EXPECT_EQ(FormatJulianText(2451545.25), "2451545.250000");
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace
