#include "astro/sun.h"

#include <cmath>
#include <cstdint>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "astro/birth.h"
#include "astro/calendar.h"

namespace {

double Ut(int32_t day, int32_t month, int32_t year, int32_t hour, int32_t minute = 0) {
    return BirthJulianDate(day, month, year, hour, minute, 0);
}

TEST(Sun, DeclinationAtJ2000) {
    EXPECT_NEAR(SunDeclination(2451545.0), -0.402014, 1e-6);
}

TEST(Sun, SolsticeSearch) {
    double jdMax = 0;
    EXPECT_NEAR(SolsticeDeclination(2000, jdMax), 0.409092, 1e-6);
    EXPECT_NEAR(jdMax, 2451716.5685, 1e-4);
    EXPECT_EQ(SolsticeDeclination(2000, jdMax),
              FindDeclinationMaximum(2451695.5, 2451735.5, jdMax));
    EXPECT_EQ(SunDeclination(jdMax), SolsticeDeclination(2000, jdMax));

    EXPECT_NEAR(SolsticeDeclination(1900, jdMax), 0.409319, 1e-6);
    EXPECT_NEAR(jdMax, Ut(21, 6, 1900, 21, 46), 1.0 / 1440);
    EXPECT_NEAR(SolsticeDeclination(2024, jdMax), 0.409037, 1e-6);
    EXPECT_NEAR(jdMax, Ut(20, 6, 2024, 20, 48), 1.0 / 1440);
}

TEST(Sun, BisectionEndsWhereDatesAreCoarserThanItsTolerance) {
    // Near 1e12 the doubles are 1.2e-4 days apart: the midpoint soon falls on an end.
    double jdMax = 0;
    const double d = FindDeclinationMaximum(1e12, 1e12 + 40, jdMax);
    EXPECT_GE(jdMax, 1e12);
    EXPECT_LE(jdMax, 1e12 + 40);
    EXPECT_EQ(d, SunDeclination(jdMax));
    EXPECT_TRUE(std::isfinite(SolsticeDeclination(INT32_MIN, jdMax)));
    EXPECT_TRUE(std::isfinite(SolsticeDeclination(INT32_MAX, jdMax)));
}

TEST(Sun, PhaseThroughTheYear) {
    EXPECT_NEAR(SunPhase(Ut(21, 6, 2000, 1), 0), 0.99999995, 1e-8);
    EXPECT_LT(SunPhase(Ut(21, 6, 2000, 1), 0), 1.0);
    EXPECT_NEAR(SunPhase(Ut(20, 3, 2000, 7), 0), 0.49985, 1e-5);
    EXPECT_NEAR(SunPhase(Ut(21, 12, 2000, 13), 0), 1.4e-6, 1e-7);
    EXPECT_GT(SunPhase(Ut(21, 12, 2000, 13), 0), 0.0);
    for (const double jd : {Ut(21, 6, 2000, 1), Ut(20, 3, 2000, 7), Ut(21, 12, 2000, 13)}) {
        EXPECT_EQ(SunPhase(jd, 1), 1.0 - SunPhase(jd, 0));
        EXPECT_EQ(SunPhase(jd, 7), SunPhase(jd, 1));
    }
    EXPECT_NEAR(SunPhase(Ut(21, 12, 2000, 13), 1), 0.9999986, 1e-7);
}

TEST(Sun, CivilYearOfTheMomentChoosesTheMaximum) {
    double jdMax = 0;
    const double d2000 = SolsticeDeclination(2000, jdMax);
    const double d2001 = SolsticeDeclination(2001, jdMax);
    ASSERT_NE(d2000, d2001);
    // 1 January 2001 at 6:00 UT lies in Julian day 2451910, which began at noon in 2000.
    const double jd = Ut(1, 1, 2001, 6);
    const double d = SunDeclination(jd);
    EXPECT_EQ(SunPhase(jd, 0), ((d2001 + d) * 50.0 / d2001) * 0.01);
    const double before = Ut(31, 12, 2000, 23, 59);
    EXPECT_EQ(SunPhase(before, 0), ((d2000 + SunDeclination(before)) * 50.0 / d2000) * 0.01);
}

TEST(Sun, CachedEqualsUncachedBitForBit) {
    for (double jd = -34800000.0; jd < 38200000.0; jd += 3271.7) {
        ASSERT_EQ(SunPhase(jd, 0), SunPhaseUncached(jd, 0)) << jd;
        ASSERT_EQ(SunPhase(jd, 1), SunPhaseUncached(jd, 1)) << jd;
    }
    // Dense around year ends, where the year (and the cache slot) changes.
    for (double jd = Ut(30, 12, 1999, 0); jd < Ut(2, 1, 2001, 0); jd += 0.0417) {
        ASSERT_EQ(SunPhase(jd, 0), SunPhaseUncached(jd, 0)) << jd;
    }
}

TEST(Sun, CachedFollowsTheYearWhenMomentsAlternate) {
    const double lastOfYear = Ut(31, 12, 2000, 23, 59);
    const double firstOfYear = Ut(1, 1, 2001, 0, 1);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(SunPhase(lastOfYear, 0), SunPhaseUncached(lastOfYear, 0));
        EXPECT_EQ(SunPhase(firstOfYear, 0), SunPhaseUncached(firstOfYear, 0));
        EXPECT_EQ(SunPhase(lastOfYear + 0.0000001, 1), SunPhaseUncached(lastOfYear + 0.0000001, 1));
    }
}

TEST(Sun, CacheIsSafeAcrossThreads) {
    std::vector<std::thread> threads;
    std::vector<int> mismatches(4, 0);
    for (int i = 0; i < 4; ++i) {
        threads.emplace_back([i, &mismatches] {
            // Years that share cache slots, so the threads keep replacing each other's entries.
            for (int n = 0; n < 400; ++n) {
                const int32_t year = 1900 + 64 * ((n + i) % 5) + (n % 3);
                const double jd = Ut(1 + n % 28, 1 + n % 12, year, n % 24);
                if (SunPhase(jd, 0) != SunPhaseUncached(jd, 0)) {
                    ++mismatches[i];
                }
            }
        });
    }
    for (auto& t : threads) {
        t.join();
    }
    for (const int m : mismatches) {
        EXPECT_EQ(m, 0);
    }
}

} // namespace
