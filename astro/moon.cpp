#include "astro/moon.h"

#include <cmath>

#include "astro/cr_math.h"

namespace {

constexpr double kDeg = 0.017453292519943295;
constexpr double kRadToDeg = 57.29577951308232;
constexpr double kEpoch = 2444238.5;
constexpr double kSunDailyMotion = 0.9856473320990837;
constexpr double kSunLongitudeAtEpoch = 278.83354;
constexpr double kPerigeeLongitude = 282.596403;
constexpr double kEccentricity = 0.016718;
constexpr double kOrbitFactor = 1.0340044870138985;
constexpr double kMoonLongitudeAtEpoch = 64.975464;
constexpr double kMoonDailyMotion = 13.1763966;
constexpr double kPerigeeDailyMotion = 0.1114041;
constexpr double kMoonPerigeeAtEpoch = 349.383063;
constexpr double kKeplerTolerance = 1e-06;

// Newton's method converges in a handful of passes for any orbit the model uses; the cap only
// keeps a pathological eccentricity (or a non-finite anomaly) from spinning forever.
constexpr int kMaxKeplerPasses = 1000;

// The computations below run for N moments side by side, one step for all of them before the
// next. Each moment takes exactly the steps it takes alone; side by side, the processor works on
// the sines of several moments at once instead of waiting for each in turn.

// Kepler's equation for each lane; firstSine receives the sine of the mean anomaly (radians),
// which the first pass computes anyway.
template <int N> void SolveKeplerLanes(const double* m, double ecc, double* e, double* firstSine) {
    double mr[N];
    bool active[N];
    for (int i = 0; i < N; ++i) {
        e[i] = m[i] * kDeg;
        mr[i] = e[i];
        active[i] = true;
    }
    int passes = 0;
    bool any = true;
    while (any) {
        ++passes;
        any = false;
        for (int i = 0; i < N; ++i) {
            if (!active[i]) {
                continue;
            }
            double s, c;
            CrSinCos(e[i], &s, &c);
            if (passes == 1) {
                firstSine[i] = s;
            }
            const double delta = (e[i] - s * ecc) - mr[i];
            e[i] = e[i] - delta / (1 - c * ecc);
            active[i] = std::fabs(delta) > kKeplerTolerance && passes < kMaxKeplerPasses;
            any = any || active[i];
        }
    }
}

template <int N> void IlluminationLanes(const double* jd, double* fraction) {
    double d[N], ms[N], lm[N], mm[N];
    for (int i = 0; i < N; ++i) {
        d[i] = jd[i] - kEpoch;
        const double n = FixAngle(d[i] * kSunDailyMotion);
        ms[i] = FixAngle((n + kSunLongitudeAtEpoch) - kPerigeeLongitude);
        lm[i] = FixAngle(kMoonLongitudeAtEpoch + d[i] * kMoonDailyMotion);
        mm[i] = FixAngle((lm[i] - d[i] * kPerigeeDailyMotion) - kMoonPerigeeAtEpoch);
    }
    // The first pass of Kepler's equation takes the sine of ms * kDeg, the sine the annual
    // terms need.
    double e[N]{};
    double sinMs[N]{};
    SolveKeplerLanes<N>(ms, kEccentricity, e, sinMs);
    double t[N], ls[N];
    for (int i = 0; i < N; ++i) {
        t[i] = CrTan(e[i] * 0.5);
    }
    for (int i = 0; i < N; ++i) {
        const double v = (CrAtan(std::sqrt(kOrbitFactor) * t[i]) * kRadToDeg) * 2;
        ls[i] = FixAngle(v + kPerigeeLongitude);
    }
    double ev[N], mc[N], l1[N];
    for (int i = 0; i < N; ++i) {
        ev[i] = CrSin(((lm[i] - ls[i]) * 2 - mm[i]) * kDeg) * 1.2739;
    }
    for (int i = 0; i < N; ++i) {
        const double ae = sinMs[i] * 0.1858;
        const double a3 = sinMs[i] * 0.37;
        mc[i] = ((ev[i] + mm[i]) - ae) - a3;
    }
    double ec[N], a4[N];
    for (int i = 0; i < N; ++i) {
        ec[i] = CrSin(mc[i] * kDeg) * 6.2886;
        a4[i] = CrSin((mc[i] * 2) * kDeg) * 0.214;
    }
    double variation[N];
    for (int i = 0; i < N; ++i) {
        const double ae = sinMs[i] * 0.1858;
        l1[i] = (((ec[i] + ev[i]) + lm[i]) - ae) + a4[i];
        variation[i] = CrSin(((l1[i] - ls[i]) * 2) * kDeg) * 0.6583;
    }
    for (int i = 0; i < N; ++i) {
        const double l2 = variation[i] + l1[i];
        const double age = l2 - ls[i];
        fraction[i] = (1 - CrCos(age * kDeg)) * 0.5;
    }
}

} // namespace

double FixAngle(double a) {
    return a - std::floor(a * 0.002777777777777778) * 360;
}

double SolveKepler(double m, double ecc) {
    double e = 0;
    double firstSine = 0;
    SolveKeplerLanes<1>(&m, ecc, &e, &firstSine);
    return e;
}

double MoonIllumination(double jd) {
    double fraction = 0;
    IlluminationLanes<1>(&jd, &fraction);
    return fraction;
}

double MoonDayChange(double jd) {
    const double around[2] = {jd + 1, jd - 1};
    double fraction[2];
    IlluminationLanes<2>(around, fraction);
    return std::fabs(fraction[0] - fraction[1]) * 0.5;
}

void MoonIlluminations(const double* jd, double* fraction, size_t count) {
    // Two at a time already overlap the waits of one; more gain nothing.
    for (; count >= 2; count -= 2, jd += 2, fraction += 2) {
        IlluminationLanes<2>(jd, fraction);
    }
    if (count == 1) {
        IlluminationLanes<1>(jd, fraction);
    }
}

MoonAround MoonIlluminationAround(double jd) {
    const double moments[3] = {jd, jd + 1, jd - 1};
    double fraction[3];
    IlluminationLanes<3>(moments, fraction);
    return {fraction[0], std::fabs(fraction[1] - fraction[2]) * 0.5};
}
