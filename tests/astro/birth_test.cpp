#include "astro/birth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include <gtest/gtest.h>

#include "astro/moon.h"
#include "astro/sun.h"
#include "astro/year_range.h"

namespace {

TEST(Birth, WorkedExampleSpringEquinox2000) {
    const BirthEvaluation r = EvaluateBirth(20, 3, 2000, 8, 0, -1, 0, 0);
    EXPECT_EQ(r.m_strJulianDate, "2451623.791667");
    EXPECT_EQ(r.m_strMoonPercent, "99.99 %");
    EXPECT_EQ(r.m_strSunPercent, "49.98 %");
    EXPECT_EQ(r.m_strMoonDayPercent, "0.23 %");
    EXPECT_EQ(r.m_strEcartPercent, "50.00 %");
    EXPECT_EQ(r.m_nType, Lunar);
    EXPECT_EQ(r.m_nType, Lunar);
    EXPECT_EQ(r.m_nTypeBitmap, 131);
    EXPECT_EQ(r.m_strLastNewMoon, "6.3.2000 5:19Uhr");
    EXPECT_EQ(r.m_strFullMoon, "20.3.2000 4:45Uhr");
    EXPECT_EQ(r.m_strNextNewMoon, "4.4.2000 18:14Uhr");
    EXPECT_EQ(r.m_strBirthMoment, "20.3.2000 8:00Uhr");
    EXPECT_EQ(r.m_dJulianDate, BirthJulianDate(20, 3, 2000, 8, 0, -1));
    EXPECT_EQ(r.m_dMoonPercent, MoonIllumination(r.m_dJulianDate) * 100);
    EXPECT_EQ(r.m_dSunPercent, SunPhase(r.m_dJulianDate, 0) * 100);
    EXPECT_EQ(r.m_dEcartPercent, std::fabs(r.m_dSunPercent - r.m_dMoonPercent));
}

TEST(Birth, ZoneDecidesBetweenSolarAndQuestionMark) {
    const double jd = BirthJulianDate(6, 1, 2000, 12, 0, 0);
    EXPECT_NEAR(SunPhase(jd, 0), 0.0191, 1e-4);
    EXPECT_NEAR(MoonIllumination(jd), 0.0007, 1e-4);
    EXPECT_NEAR(MoonDayChange(jd), 0.0048, 1e-4);
    EXPECT_EQ(ClassifyBirth(jd, 0, 0), Solar);
    EXPECT_EQ(ClassifyBirth(jd, 1, 0), Fragezeichen);

    const BirthEvaluation mondtag = EvaluateBirth(6, 1, 2000, 12, 0, 0, 0, 0);
    EXPECT_EQ(mondtag.m_nType, Solar);
    EXPECT_EQ(mondtag.m_nTypeBitmap, 134);
    const BirthEvaluation constant = EvaluateBirth(6, 1, 2000, 12, 0, 0, 0, 1);
    EXPECT_EQ(constant.m_nType, Fragezeichen);
    EXPECT_EQ(constant.m_nTypeBitmap, 133);
}

TEST(Birth, EvaluationAgreesWithClassifyBirth) {
    for (int32_t day = 1; day <= 28; day += 3) {
        for (int32_t month = 1; month <= 12; ++month) {
            for (const int flags : {0, 1, 2, 3}) {
                const int southern = flags & 1;
                const int constant = flags >> 1;
                const BirthEvaluation r =
                    EvaluateBirth(day, month, 1987, 14, 30, 1, southern, constant);
                ASSERT_EQ(r.m_nType, ClassifyBirth(r.m_dJulianDate, constant, southern));
                // The two-step form used where the fractions are already known.
                const double jd = r.m_dJulianDate;
                ASSERT_EQ(ClassifyPhases(SunPhase(jd, southern), MoonIllumination(jd),
                                         UndeterminedZone(jd, constant)),
                          r.m_nType);
            }
        }
    }
}

// The type without the day change where the phases lie far apart: the same type at moments
// spread over the whole range of years, and the day change never near the gap that skips it.
TEST(Birth, TypeWithoutTheDayChangeEqualsTheFullClassification) {
    std::mt19937_64 random(29);
    std::uniform_real_distribution<double> anyMoment(-34.9e6, 38.3e6); // years -100000..100000
    double closest = 0; // the largest day change as a share of its bound
    int skipped = 0;
    for (int i = 0; i < 200000; ++i) {
        const double jd = anyMoment(random);
        const int southern = i & 1;
        const int constant = (i >> 1) % 4 == 0 ? 1 : 0;
        const double sun = SunPhase(jd, southern);
        const double moon = MoonIllumination(jd);
        ASSERT_EQ(ClassifyMoment(jd, sun, moon, constant), ClassifyBirth(jd, constant, southern))
            << jd;
        const double bound = DayChangeBound(moon);
        ASSERT_LE(MoonDayChange(jd), bound) << jd;
        closest = std::max(closest, MoonDayChange(jd) / bound);
        skipped += std::fabs(sun - moon) >= bound ? 1 : 0;
    }
    EXPECT_LT(closest, 0.9);            // 0.79 at 20 million moments
    EXPECT_GT(skipped, 200000 * 3 / 4); // 81 %
}

// One result evaluated into again and again ends as a fresh evaluation of the last birth.
TEST(Birth, EvaluationIntoAKeptResultEqualsAFreshOne) {
    const int32_t births[][8] = {{20, 3, 2000, 8, 0, -1, 0, 0},
                                 {1, 1, -99999, 0, 0, 12, 1, 1},
                                 {31, 12, 99999, 23, 59, -12, 0, 1},
                                 {6, 1, 2000, 12, 0, 0, 1, 0},
                                 {15, 7, 1850, 24, 0, 3, 0, 0}};
    BirthEvaluation kept;
    for (const auto& b : births) {
        EvaluateBirthInto(kept, b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7]);
        const BirthEvaluation fresh = EvaluateBirth(b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7]);
        EXPECT_EQ(kept.m_strJulianDate, fresh.m_strJulianDate);
        EXPECT_EQ(kept.m_dMoonDayPercent, fresh.m_dMoonDayPercent);
        EXPECT_EQ(kept.m_strEcartPercent, fresh.m_strEcartPercent);
        EXPECT_EQ(kept.m_nType, fresh.m_nType);
        EXPECT_EQ(kept.m_phases, fresh.m_phases);
        EXPECT_EQ(kept.m_strLastNewMoon, fresh.m_strLastNewMoon);
        EXPECT_EQ(kept.m_strFullMoon, fresh.m_strFullMoon);
        EXPECT_EQ(kept.m_strNextNewMoon, fresh.m_strNextNewMoon);
        EXPECT_EQ(kept.m_strBirthMoment, fresh.m_strBirthMoment);
    }
}

TEST(Birth, SouthernChangesOnlyTheSunSide) {
    const BirthEvaluation north = EvaluateBirth(20, 3, 2000, 8, 0, -1, 0, 0);
    const BirthEvaluation south = EvaluateBirth(20, 3, 2000, 8, 0, -1, 1, 0);
    EXPECT_EQ(south.m_dSunPercent, (1.0 - SunPhase(north.m_dJulianDate, 0)) * 100);
    EXPECT_EQ(south.m_strMoonPercent, north.m_strMoonPercent);
    EXPECT_EQ(south.m_strMoonDayPercent, north.m_strMoonDayPercent);
    EXPECT_EQ(south.m_phases, north.m_phases);
    EXPECT_EQ(south.m_nType, Lunar);
    EXPECT_EQ(south.m_strSunPercent, "50.02 %");
}

TEST(Birth, HourBeyondTheDayAndBirthMomentText) {
    const BirthEvaluation r = EvaluateBirth(31, 12, 1999, 24, 0, 0, 0, 0);
    EXPECT_EQ(r.m_dJulianDate, BirthJulianDate(1, 1, 2000, 0, 0, 0));
    EXPECT_EQ(r.m_strBirthMoment, "31.12.1999 24:00Uhr");
    EXPECT_EQ(EvaluateBirth(5, 7, 1999, 8, 5, 1, 0, 0).m_strBirthMoment, "5.7.1999 8:05Uhr");
    // 23:30 at +2 is 1:30 UT next day: the new year's maximum decides the Sun phase.
    const BirthEvaluation late = EvaluateBirth(31, 12, 2000, 23, 30, 2, 0, 0);
    EXPECT_EQ(late.m_dJulianDate, BirthJulianDate(1, 1, 2001, 1, 30, 0));
    EXPECT_EQ(late.m_strBirthMoment, "31.12.2000 23:30Uhr");
}

TEST(Birth, PhaseMomentsInTheirOwnTimeScale) {
    EXPECT_EQ(FormatPhaseMoment(2451545.0), "1.1.2000 12:00Uhr");
    // Seconds are truncated: 23:50 comes out a hair below the full minute.
    EXPECT_EQ(FormatPhaseMoment(BirthJulianDate(31, 12, 1999, 23, 50, 0)), "31.12.1999 23:49Uhr");
    EXPECT_EQ(FormatPhaseMoment(BirthJulianDate(31, 12, 1999, 23, 50, 0) + 1e-5),
              "31.12.1999 23:50Uhr");
    const std::string distant = FormatPhaseMoment(BirthJulianDate(1, 6, -99999, 6, 7, 0) + 1e-5);
    EXPECT_EQ(distant.substr(distant.size() - 8), " 6:07Uhr");
}

TEST(Birth, TypeBitmaps) {
    EXPECT_EQ(BirthTypeBitmap(Solar), 134);
    EXPECT_EQ(BirthTypeBitmap(Lunar), 131);
    EXPECT_EQ(BirthTypeBitmap(Fragezeichen), 133);
    EXPECT_EQ(BirthTypeBitmap(3), 0);
    EXPECT_EQ(BirthTypeBitmap(-1), 0);
}

TEST(Birth, DistantYearsEvaluate) {
    for (const int32_t year : {8399, 10000, 12000, 99999, -99999, -999, 0}) {
        for (int32_t month = 1; month <= 12; ++month) {
            for (int32_t day = 1; day <= 31; day += 5) {
                const BirthEvaluation r = EvaluateBirth(day, month, year, 1, 0, 0, 0, 0);
                ASSERT_TRUE(std::isfinite(r.m_dSunPercent)) << year;
                ASSERT_TRUE(r.m_phases[0] < r.m_dJulianDate + 1 &&
                            r.m_phases[4] > r.m_dJulianDate - 1)
                    << day << "." << month << "." << year;
            }
        }
    }
    const BirthEvaluation r = EvaluateBirth(15, 6, 8399, 3, 0, 0, 0, 0);
    EXPECT_EQ(r.m_strBirthMoment, "15.6.8399 3:00Uhr");
    EXPECT_NE(r.m_strLastNewMoon.view().find(".8399 "), std::string::npos);
}

TEST(Birth, EveryThirdYearOfTheRangeFinishesItsSearches) {
    for (int32_t year = kMinSupportedYear; year <= kMaxSupportedYear; year += 3) {
        const int32_t month = 1 + (year & 0xffff) % 12;
        const int32_t day = 1 + (year & 0xffff) % 28;
        const double jd = BirthJulianDate(day, month, year, (year & 0xffff) % 25, 30, 0);
        PhaseTimes p{};
        FindPhases(jd, p);
        ASSERT_TRUE(p[0] < jd + 1 && p[4] > jd - 1 && p[4] - p[0] < 31) << year;
        double jdMax = 0;
        const double dmax = SolsticeDeclination(year, jdMax);
        const double start = BirthJulianDate(0, 6, year, 0, 0, 0);
        ASSERT_TRUE(jdMax >= start && jdMax <= start + 40 && dmax > 0) << year;
    }
}

TEST(Birth, EvaluableInputs) {
    EXPECT_TRUE(IsEvaluableBirth(1, 1, 1900, 0, 0, -12));
    EXPECT_TRUE(IsEvaluableBirth(31, 12, 99999, 24, 59, 12));
    EXPECT_TRUE(IsEvaluableBirth(31, 12, -99999, 24, 59, 12));
    // Stored records are never range-checked and are still exported.
    EXPECT_TRUE(IsEvaluableBirth(0, 13, 1850, 25, 60, 13));
    EXPECT_TRUE(IsEvaluableBirth(1, 0, 2000, -1, -1, -13));
    EXPECT_FALSE(IsEvaluableBirth(1, 1, 100000, 0, 0, 0));
    EXPECT_FALSE(IsEvaluableBirth(1, 1, -100000, 0, 0, 0));
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    EXPECT_FALSE(IsEvaluableBirth(kMax, 1, 2000, 0, 0, 0));
    EXPECT_FALSE(IsEvaluableBirth(1, kMin, 2000, 0, 0, 0));
    EXPECT_FALSE(IsEvaluableBirth(1, 1, 2000, kMax, 0, kMax));
    EXPECT_FALSE(IsEvaluableBirth(1, 1, 2000, 0, kMin, 0));
}

TEST(Birth, EvaluableExtremesFinish) {
    // The widest inputs IsEvaluableBirth accepts, at both ends of the year range.
    int32_t lo = std::numeric_limits<int32_t>::min();
    int32_t hi = std::numeric_limits<int32_t>::max();
    for (int32_t v = 1; v < (1 << 30); v *= 2) {
        if (IsEvaluableBirth(1, 1, 2000, 0, 0, v)) {
            hi = v;
        }
        if (IsEvaluableBirth(1, 1, 2000, 0, 0, -v)) {
            lo = -v;
        }
    }
    ASSERT_GT(hi, 12);
    ASSERT_LT(lo, -12);
    for (const int32_t year : {-99999, 99999}) {
        for (const int32_t sign : {-1, 1}) {
            int32_t fields[5] = {1, 1, year, 0, 0}; // day, month, year, hour, minute
            for (const int index : {0, 1, 3, 4}) {
                int32_t bound = 1;
                for (int32_t v = 1; v < (1 << 30); v *= 2) {
                    int32_t trial[5] = {fields[0], fields[1], fields[2], fields[3], fields[4]};
                    trial[index] = sign * v;
                    if (IsEvaluableBirth(trial[0], trial[1], trial[2], trial[3], trial[4], 0)) {
                        bound = sign * v;
                    }
                }
                fields[index] = bound;
            }
            const int32_t tz = sign > 0 ? hi : lo;
            ASSERT_TRUE(
                IsEvaluableBirth(fields[0], fields[1], fields[2], fields[3], fields[4], tz));
            const BirthEvaluation r =
                EvaluateBirth(fields[0], fields[1], fields[2], fields[3], fields[4], tz, 0, 0);
            EXPECT_TRUE(std::isfinite(r.m_dJulianDate));
            EXPECT_TRUE(r.m_phases[0] < r.m_dJulianDate + 1 && r.m_phases[4] > r.m_dJulianDate - 1);
            EXPECT_EQ(ClassifyBirth(r.m_dJulianDate, 0, 0), r.m_nType);
            const BirthType south = ClassifyBirth(r.m_dJulianDate, 0, 1);
            EXPECT_TRUE(south == Solar || south == Lunar || south == Fragezeichen) << south;
        }
    }
}

} // namespace
