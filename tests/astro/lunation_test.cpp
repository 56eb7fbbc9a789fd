#include "astro/lunation.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "astro/birth.h"
#include "astro/calendar.h"

namespace {

// The lunation search as first written: forward steps only. Returns false where it would
// never end (its first mean new moon already after jd).
bool ForwardOnlyPhases(double jd, PhaseTimes& p) {
    double adate = jd - 45;
    int32_t year = 0, month = 0, day = 0;
    CalendarDate(adate, year, month, day);
    double k1 = std::floor(((month - 1) * 0.08333333333333333 + year - 1900) * 12.3685);
    double nt1 = MeanNewMoon(adate, k1);
    if (nt1 > jd) {
        return false;
    }
    adate = nt1;
    double k2 = 0;
    for (;;) {
        adate = adate + 29.53058868;
        k2 = k1 + 1;
        const double nt2 = MeanNewMoon(adate, k2);
        if (nt1 <= jd && nt2 > jd) {
            break;
        }
        nt1 = nt2;
        k1 = k2;
    }
    p = {TruePhase(k1, 0), TruePhase(k1, 0.25), TruePhase(k1, 0.5), TruePhase(k1, 0.75),
         TruePhase(k2, 0)};
    return true;
}

// The phases found belong to the lunation around jd.
void ExpectAround(double jd, const PhaseTimes& p) {
    EXPECT_LT(p[0], jd + 1.0) << jd;
    EXPECT_GT(p[4], jd - 1.0) << jd;
    EXPECT_GT(p[4] - p[0], 29.0) << jd;
    EXPECT_LT(p[4] - p[0], 30.2) << jd;
    EXPECT_TRUE(p[0] < p[1] && p[1] < p[2] && p[2] < p[3] && p[3] < p[4]) << jd;
}

TEST(Lunation, MeanAndTruePhases) {
    EXPECT_NEAR(MeanNewMoon(2415020.0, 0), 2415020.7594067, 1e-7);
    // Outside the four selector bands the mean time comes back uncorrected.
    EXPECT_NEAR(TruePhase(1236, 0.3), 2451529.4259450, 1e-7);
}

TEST(Lunation, PhasesAroundJ2000) {
    PhaseTimes p{};
    FindPhases(2451545.0, p);
    EXPECT_NEAR(p[0], 2451520.4396, 1e-4);
    EXPECT_NEAR(p[1], 2451528.5354, 1e-4);
    EXPECT_NEAR(p[2], 2451535.2313, 1e-4);
    EXPECT_NEAR(p[3], 2451542.0875, 1e-4);
    EXPECT_NEAR(p[4], 2451550.2604, 1e-4);
    EXPECT_EQ(p[0], TruePhase(1236, 0));
    EXPECT_EQ(p[4], TruePhase(1237, 0));
}

TEST(Lunation, BracketIsDecidedOnMeanNewMoons) {
    PhaseTimes p{};
    FindPhases(2451550.09999888, p);
    EXPECT_NEAR(p[0], 2451550.2604, 1e-4); // true new moon after the moment
    FindPhases(2451520.439999543, p);
    EXPECT_NEAR(p[4], 2451520.4396, 1e-4); // true new moon before the moment
}

TEST(Lunation, SameResultsAsForwardSearchWhereThatEnds) {
    // Years 1 to 3000: the forward search always ends.
    for (double jd = 1721500.0; jd < 2817000.0; jd += 7.31) {
        PhaseTimes expected{};
        ASSERT_TRUE(ForwardOnlyPhases(jd, expected)) << jd;
        PhaseTimes p{};
        FindPhases(jd, p);
        ASSERT_EQ(p, expected) << jd;
    }
    // Further out, wherever it ends.
    for (double jd = -36000000.0; jd < 38000000.0; jd += 997.13) {
        PhaseTimes expected{};
        if (ForwardOnlyPhases(jd, expected)) {
            PhaseTimes p{};
            FindPhases(jd, p);
            ASSERT_EQ(p, expected) << jd;
        }
    }
}

TEST(Lunation, StepsBackWhereTheFirstEstimateIsLate) {
    // 15.6.8399 from 0:00 to 3:31 UT is the first moment where the first estimate lies after
    // the moment; a forward search never ends there.
    for (int32_t minute = 0; minute <= 211; ++minute) {
        const double jd = BirthJulianDate(15, 6, 8399, 0, minute, 0);
        PhaseTimes ignored{};
        EXPECT_FALSE(ForwardOnlyPhases(jd, ignored)) << minute;
        PhaseTimes p{};
        FindPhases(jd, p);
        ExpectAround(jd, p);
    }
}

TEST(Lunation, EveryMomentOfDistantYearsIsBracketed) {
    for (const int32_t year : {10000, 12000, 50000, 99999, -999, -50000, -99999}) {
        for (int32_t day = 0; day < 366; day += 3) {
            const double jd = BirthJulianDate(1 + day, 1, year, 7, 13, 0);
            PhaseTimes p{};
            FindPhases(jd, p);
            ExpectAround(jd, p);
        }
    }
}

TEST(Lunation, NonFiniteMomentReturns) {
    PhaseTimes p{};
    FindPhases(std::numeric_limits<double>::quiet_NaN(), p);
    EXPECT_TRUE(std::isnan(p[0]));
    FindPhases(1e300, p); // far outside any calendar: bounded, not meaningful, but finite
    for (const double t : p) {
        EXPECT_TRUE(std::isfinite(t));
    }
}

} // namespace
