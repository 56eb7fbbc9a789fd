#include "astro/moon.h"

#include <cmath>

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

} // namespace

double FixAngle(double a) {
    return a - std::floor(a * 0.002777777777777778) * 360;
}

double SolveKepler(double m, double ecc) {
    double e = m * kDeg;
    const double mr = e;
    double delta = 0;
    int passes = 0;
    do {
        delta = (e - std::sin(e) * ecc) - mr;
        e = e - delta / (1 - std::cos(e) * ecc);
        ++passes;
    } while (std::fabs(delta) > kKeplerTolerance && passes < kMaxKeplerPasses);
    return e;
}

double MoonIllumination(double jd) {
    const double d = jd - kEpoch;
    const double n = FixAngle(d * kSunDailyMotion);
    const double ms = FixAngle((n + kSunLongitudeAtEpoch) - kPerigeeLongitude);
    const double e = SolveKepler(ms, kEccentricity);
    const double v = (std::atan(std::sqrt(kOrbitFactor) * std::tan(e * 0.5)) * kRadToDeg) * 2;
    const double ls = FixAngle(v + kPerigeeLongitude);
    const double lm = FixAngle(kMoonLongitudeAtEpoch + d * kMoonDailyMotion);
    const double mm = FixAngle((lm - d * kPerigeeDailyMotion) - kMoonPerigeeAtEpoch);
    const double ev = std::sin(((lm - ls) * 2 - mm) * kDeg) * 1.2739;
    const double sinMs = std::sin(ms * kDeg);
    const double ae = sinMs * 0.1858;
    const double a3 = sinMs * 0.37;
    const double mc = ((ev + mm) - ae) - a3;
    const double ec = std::sin(mc * kDeg) * 6.2886;
    const double a4 = std::sin((mc * 2) * kDeg) * 0.214;
    const double l1 = (((ec + ev) + lm) - ae) + a4;
    const double variation = std::sin(((l1 - ls) * 2) * kDeg) * 0.6583;
    const double l2 = variation + l1;
    const double age = l2 - ls;
    return (1 - std::cos(age * kDeg)) * 0.5;
}

double MoonDayChange(double jd) {
    const double after = MoonIllumination(jd + 1);
    const double before = MoonIllumination(jd - 1);
    return std::fabs(after - before) * 0.5;
}
