// The ISO moments of the machine-readable outputs against the printf text they must equal.
#include "app/utc_text.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "astro/calendar.h"

namespace {

std::string PrintfIso(double jd) {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    CalendarDate(jd, year, month, day);
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;
    TimeOfDay(jd, hour, minute, second);
    const char* sign = year < 0 ? "-" : (year > 9999 ? "+" : "");
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%s%04ld-%02d-%02dT%02d:%02d:%02dZ", sign,
                  std::labs(static_cast<long>(year)), month, day, hour, minute, second);
    return buffer;
}

TEST(UtcText, KnownMoments) {
    const std::pair<double, const char*> cases[] = {
        {2451609.7216666667, "2000-03-06T05:19:12Z"}, {2451544.5, "2000-01-01T00:00:00Z"},
        {1705426.0, "-0043-03-13T12:00:00Z"}, // a negative year keeps four digits
        {1721059.5, "0000-01-01T00:00:00Z"},          {5373484.5, "+10000-01-01T00:00:00Z"},
    };
    for (const auto& [jd, text] : cases) {
        EXPECT_EQ(IsoUtcText(jd), text) << jd;
        EXPECT_EQ(IsoUtcText(jd), PrintfIso(jd)) << jd;
    }
}

// Random moments over the whole supported year range, appended after text already held.
TEST(UtcText, EqualsPrintfOverTheYearRange) {
    std::mt19937_64 random(5);
    // Years -99,999..99,999 with a margin.
    std::uniform_real_distribution<double> jd(-3.9e7, 3.9e7);
    std::string out = "x";
    for (int i = 0; i < 300000; ++i) {
        const double moment = jd(random);
        out.resize(1);
        AppendIsoUtcText(out, moment);
        ASSERT_EQ(out.substr(1), PrintfIso(moment)) << moment;
    }
}

} // namespace
