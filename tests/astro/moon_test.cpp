#include "astro/moon.h"

#include <cmath>
#include <math.h>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace {

TEST(Moon, FixAngleReducesToOneTurn) {
    EXPECT_EQ(FixAngle(-10), 350);
    EXPECT_EQ(FixAngle(725), 5);
    EXPECT_EQ(FixAngle(360), 0);
    EXPECT_EQ(FixAngle(0), 0);
}

TEST(Moon, SolveKepler) {
    EXPECT_EQ(SolveKepler(0, 0.016718), 0);
    EXPECT_DOUBLE_EQ(SolveKepler(180, 0.016718), 3.141592653589793);
    // Kepler's equation holds at the solution.
    const double e = SolveKepler(100, 0.016718);
    EXPECT_NEAR(e - std::sin(e) * 0.016718, 100 * 0.017453292519943295, 1e-12);
    // A pathological orbit stops at the pass limit with a finite value; NaN stays NaN.
    EXPECT_TRUE(std::isfinite(SolveKepler(90, 50.0)));
    EXPECT_TRUE(std::isnan(SolveKepler(std::nan(""), 0.016718)));
}

TEST(Moon, IlluminationNearJ2000) {
    EXPECT_NEAR(MoonIllumination(2451545.0), 0.2297767829, 1e-9);
    EXPECT_NEAR(MoonIllumination(2451546.0), 0.1549550975, 1e-9);
    EXPECT_NEAR(MoonIllumination(2451544.0), 0.3154685294, 1e-9);
    EXPECT_NEAR(MoonDayChange(2451545.0), 0.0802567160, 1e-9);
    EXPECT_EQ(MoonDayChange(2451545.0),
              std::fabs(MoonIllumination(2451546.0) - MoonIllumination(2451544.0)) * 0.5);
}

TEST(Moon, IlluminationStaysWithinNewAndFull) {
    EXPECT_NEAR(MoonIllumination(2451550.2603862234), 0.0000009, 1e-7);
    EXPECT_NEAR(MoonIllumination(2451535.231341535), 0.9999982, 1e-7);
    for (double jd = 2451000.0; jd < 2453000.0; jd += 0.173) {
        const double f = MoonIllumination(jd);
        ASSERT_GE(f, 0.0) << jd;
        ASSERT_LE(f, 1.0) << jd;
        ASSERT_LE(MoonDayChange(jd), 0.5) << jd;
    }
}

// The fraction at a moment and the day change around it, computed together, are the values
// computed one by one. Kepler's equation takes the sine and cosine of an angle in one call, and
// the annual terms reuse that sine of the mean anomaly: that call's sine must be the library's
// sine for every angle of a turn.
TEST(Moon, FractionsComputedTogetherEqualThoseComputedAlone) {
    std::mt19937_64 random(17);
    std::uniform_real_distribution<double> turn(0.0, 6.283185307179586);
    for (int i = 0; i < 1000000; ++i) {
        const double x = turn(random);
        double s = 0;
        double c = 0;
        ::sincos(x, &s, &c);
        ASSERT_EQ(s, std::sin(x)) << x;
        ASSERT_EQ(c, std::cos(x)) << x;
    }
    std::uniform_real_distribution<double> anyMoment(-34.9e6, 38.3e6);
    std::vector<double> moments(20001); // an odd count: the last one alone
    for (double& jd : moments) {
        jd = anyMoment(random);
    }
    std::vector<double> fractions(moments.size());
    MoonIlluminations(moments.data(), fractions.data(), moments.size());
    for (size_t i = 0; i < moments.size(); ++i) {
        const double jd = moments[i];
        ASSERT_EQ(fractions[i], MoonIllumination(jd)) << jd;
        const MoonAround around = MoonIlluminationAround(jd);
        ASSERT_EQ(around.fraction, MoonIllumination(jd)) << jd;
        ASSERT_EQ(around.dayChange, MoonDayChange(jd)) << jd;
    }
}

} // namespace
