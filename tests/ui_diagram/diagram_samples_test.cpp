#include "sheet/diagram_samples.h"

#include <gtest/gtest.h>

#include "tests/ui_diagram/diagram_colours.h"

#include <cmath>
#include <limits>

namespace {

using namespace diagram_test;

std::size_t SampleCount(double centre) {
    return DiagramMoments(centre - 2.0, centre + 2.0, kDiagramSampleStep, 100000).size();
}

} // namespace

TEST(DiagramSamples, TruncationTowardZeroAndOutOfRange) {
    EXPECT_EQ(DiagramTrunc(-1.9), -1);
    EXPECT_EQ(DiagramTrunc(260.9999), 260);
    EXPECT_EQ(DiagramTrunc(-2147483648.9), INT32_MIN);
    EXPECT_EQ(DiagramTrunc(2147483647.9), INT32_MAX);
    EXPECT_EQ(DiagramTrunc(2147483648.0), INT32_MIN);
    EXPECT_EQ(DiagramTrunc(std::nan("")), INT32_MIN);
    EXPECT_EQ(DiagramTrunc(-std::numeric_limits<double>::infinity()), INT32_MIN);
}

TEST(DiagramSamples, RowsOfTheExtremeValues) {
    EXPECT_EQ(DiagramY(1.0, 128), 0);
    EXPECT_EQ(DiagramY(0.0, 128), 128);
    EXPECT_EQ(DiagramY(0.4999, 128), 65);              // 63.98 truncates to 63
    EXPECT_EQ(DiagramY(std::nan(""), 128), INT32_MAX); // far below the plot, clipped
}

TEST(DiagramSamples, DayTicksOfPresentDatesFallOnExactQuarters) {
    for (const double centre : {kBirthJD, 2451545.0, 2415020.5, 2488069.25}) {
        const double lo = centre - 2.0;
        const std::vector<double> days = DiagramMoments(lo + 1.0, centre + 2.0, 1.0, 8);
        ASSERT_EQ(days.size(), 3u) << centre;
        EXPECT_EQ(DiagramX(days[0], centre, 261), 65);
        EXPECT_EQ(DiagramX(days[1], centre, 261), 130);
        EXPECT_EQ(DiagramX(days[2], centre, 261), 195);
    }
}

TEST(DiagramSamples, RoundingOfTheStepDecidesTheSampleCount) {
    EXPECT_EQ(SampleCount(kBirthJD), 385u);
    EXPECT_EQ(SampleCount(2415020.5), 385u);
    EXPECT_EQ(SampleCount(0.0), 384u);

    const std::vector<double> t =
        DiagramMoments(kBirthJD - 2.0, kBirthJD + 2.0, kDiagramSampleStep, 1000);
    EXPECT_EQ(DiagramX(t.front(), kBirthJD, 261), 0);
    EXPECT_EQ(DiagramX(t.back(), kBirthJD, 261), 260);
}

TEST(DiagramSamples, OddCentresEndTheLoop) {
    EXPECT_EQ(SampleCount(std::nan("")), 0u);
    EXPECT_EQ(SampleCount(std::numeric_limits<double>::infinity()), 0u);
    // Here adding 15 minutes no longer changes the moment: one sample, no endless loop.
    EXPECT_EQ(SampleCount(1e15), 1u);
    EXPECT_EQ(DiagramMoments(0.0, 1e9, kDiagramSampleStep, 1540).size(), 1540u);
}

TEST(DiagramSamples, CacheComputesEachCurveOncePerKey) {
    DiagramSampleCache cache;
    const std::vector<DiagramPoint> moon = cache.Moon(kBirthJD, 261, 128);
    const std::vector<DiagramPoint> sun = cache.Sun(kBirthJD, 0, 261, 128);
    EXPECT_EQ(moon.size(), 385u);
    EXPECT_EQ(moon, SampleMoonCurve(kBirthJD, 261, 128));
    EXPECT_EQ(sun, SampleSunCurve(kBirthJD, 0, 261, 128));

    EXPECT_EQ(cache.Moon(kBirthJD, 261, 128), moon);
    EXPECT_EQ(cache.Sun(kBirthJD, 0, 261, 128), sun);
    EXPECT_EQ(cache.MoonComputations(), 1);
    EXPECT_EQ(cache.SunComputations(), 1);

    // The hemisphere changes only the Sun curve.
    cache.Moon(kBirthJD, 261, 128);
    EXPECT_NE(cache.Sun(kBirthJD, 1, 261, 128), sun);
    EXPECT_EQ(cache.MoonComputations(), 1);
    EXPECT_EQ(cache.SunComputations(), 2);

    // A new centre or size recomputes both.
    cache.Moon(kBirthJD + 1.0, 261, 128);
    cache.Sun(kBirthJD + 1.0, 1, 261, 128);
    cache.Moon(kBirthJD + 1.0, 300, 128);
    cache.Sun(kBirthJD + 1.0, 1, 261, 100);
    EXPECT_EQ(cache.MoonComputations(), 3);
    EXPECT_EQ(cache.SunComputations(), 4);
}
