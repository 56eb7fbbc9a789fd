#include "astro/moon.h"

#include <cmath>

#include "astro/cr_math.h"
#include "astro/cr_math_lanes.h"

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

// The computations below run for L moments side by side (one, or four in the vector lanes of
// cr_math_lanes.h), one step for all of them before the next. Each moment takes exactly the steps
// it takes alone, and the functions of four arguments give the bits of the scalar ones.
template <int L> void Sin(const double* x, double* out) {
    if constexpr (L == 1) {
        out[0] = CrSin(x[0]);
    } else {
        static_assert(L == 4);
        CrSin4(x, out);
    }
}

template <int L> void Cos(const double* x, double* out) {
    if constexpr (L == 1) {
        out[0] = CrCos(x[0]);
    } else {
        CrCos4(x, out);
    }
}

template <int L> void SinCos(const double* x, double* s, double* c) {
    if constexpr (L == 1) {
        CrSinCos(x[0], s, c);
    } else {
        CrSinCos4(x, s, c);
    }
}

template <int L> void Tan(const double* x, double* out) {
    if constexpr (L == 1) {
        out[0] = CrTan(x[0]);
    } else {
        CrTan4(x, out);
    }
}

template <int L> void Atan(const double* x, double* out) {
    if constexpr (L == 1) {
        out[0] = CrAtan(x[0]);
    } else {
        CrAtan4(x, out);
    }
}

// Kepler's equation for each lane; firstSine receives the sine of the mean anomaly (radians),
// which the first pass computes anyway. Every pass takes the sines and cosines of all lanes; a
// lane that has converged keeps its value.
template <int L> void SolveKeplerLanes(const double* m, double ecc, double* e, double* firstSine) {
    double mr[L];
    bool active[L];
    for (int i = 0; i < L; ++i) {
        e[i] = m[i] * kDeg;
        mr[i] = e[i];
        active[i] = true;
    }
    int passes = 0;
    bool any = true;
    while (any) {
        ++passes;
        any = false;
        double s[L], c[L];
        SinCos<L>(e, s, c);
        for (int i = 0; i < L; ++i) {
            if (!active[i]) {
                continue;
            }
            if (passes == 1) {
                firstSine[i] = s[i];
            }
            const double delta = (e[i] - s[i] * ecc) - mr[i];
            e[i] = e[i] - delta / (1 - c[i] * ecc);
            active[i] = std::fabs(delta) > kKeplerTolerance && passes < kMaxKeplerPasses;
            any = any || active[i];
        }
    }
}

template <int L> void IlluminationLanes(const double* jd, double* fraction) {
    double d[L], ms[L], lm[L], mm[L];
    for (int i = 0; i < L; ++i) {
        d[i] = jd[i] - kEpoch;
        const double n = FixAngle(d[i] * kSunDailyMotion);
        ms[i] = FixAngle((n + kSunLongitudeAtEpoch) - kPerigeeLongitude);
        lm[i] = FixAngle(kMoonLongitudeAtEpoch + d[i] * kMoonDailyMotion);
        mm[i] = FixAngle((lm[i] - d[i] * kPerigeeDailyMotion) - kMoonPerigeeAtEpoch);
    }
    // The first pass of Kepler's equation takes the sine of ms * kDeg, the sine the annual
    // terms need.
    double e[L]{};
    double sinMs[L]{};
    SolveKeplerLanes<L>(ms, kEccentricity, e, sinMs);
    double x[L], y[L];
    for (int i = 0; i < L; ++i) {
        x[i] = e[i] * 0.5;
    }
    Tan<L>(x, y);
    for (int i = 0; i < L; ++i) {
        x[i] = std::sqrt(kOrbitFactor) * y[i];
    }
    Atan<L>(x, y);
    double ls[L];
    for (int i = 0; i < L; ++i) {
        const double v = (y[i] * kRadToDeg) * 2;
        ls[i] = FixAngle(v + kPerigeeLongitude);
        x[i] = ((lm[i] - ls[i]) * 2 - mm[i]) * kDeg;
    }
    Sin<L>(x, y);
    double ev[L], mc[L], x2[L], y2[L];
    for (int i = 0; i < L; ++i) {
        ev[i] = y[i] * 1.2739;
        const double ae = sinMs[i] * 0.1858;
        const double a3 = sinMs[i] * 0.37;
        mc[i] = ((ev[i] + mm[i]) - ae) - a3;
        x[i] = mc[i] * kDeg;
        x2[i] = (mc[i] * 2) * kDeg;
    }
    Sin<L>(x, y);
    Sin<L>(x2, y2);
    double l1[L];
    for (int i = 0; i < L; ++i) {
        const double ec = y[i] * 6.2886;
        const double a4 = y2[i] * 0.214;
        const double ae = sinMs[i] * 0.1858;
        l1[i] = (((ec + ev[i]) + lm[i]) - ae) + a4;
        x[i] = ((l1[i] - ls[i]) * 2) * kDeg;
    }
    Sin<L>(x, y);
    for (int i = 0; i < L; ++i) {
        const double variation = y[i] * 0.6583;
        const double l2 = variation + l1[i];
        const double age = l2 - ls[i];
        x[i] = age * kDeg;
    }
    Cos<L>(x, y);
    for (int i = 0; i < L; ++i) {
        fraction[i] = (1 - y[i]) * 0.5;
    }
}

// Two or three moments in the four lanes, the others filled with copies of the first.
void IlluminationsUpToFour(const double* jd, double* fraction, size_t count) {
    double in[4], out[4];
    for (size_t i = 0; i < 4; ++i) {
        in[i] = jd[i < count ? i : 0];
    }
    IlluminationLanes<4>(in, out);
    for (size_t i = 0; i < count; ++i) {
        fraction[i] = out[i];
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
    IlluminationsUpToFour(around, fraction, 2);
    return std::fabs(fraction[0] - fraction[1]) * 0.5;
}

void MoonIlluminations(const double* jd, double* fraction, size_t count) {
    for (; count >= 4; count -= 4, jd += 4, fraction += 4) {
        IlluminationLanes<4>(jd, fraction);
    }
    if (count == 1) {
        IlluminationLanes<1>(jd, fraction);
    } else if (count > 1) {
        IlluminationsUpToFour(jd, fraction, count);
    }
}

MoonAround MoonIlluminationAround(double jd) {
    const double moments[3] = {jd, jd + 1, jd - 1};
    double fraction[3];
    IlluminationsUpToFour(moments, fraction, 3);
    return {fraction[0], std::fabs(fraction[1] - fraction[2]) * 0.5};
}
