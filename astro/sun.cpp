#include "astro/sun.h"

#include <cmath>
#include <limits>

#include "astro/calendar.h"
#include "astro/cr_math.h"
#include "astro/cr_math_lanes.h"
#include "astro/solstice_cache.h"

namespace {

constexpr double kDeg = 0.017453292519943295;

double PhaseFromDeclination(double d, double dmax, int southern) {
    const double x = ((dmax + d) * 50.0 / dmax) * 0.01;
    return southern != 0 ? 1.0 - x : x;
}

} // namespace

double SunDeclination(double jd) {
    const double t = (jd - 2451545.0) * 2.7378507871321012e-05;
    const double m = 357.528 + 35999.05 * t;
    const double l = 280.46 + 36000.77 * t;
    const double epsilon = 23.4393 - 0.013 * t;
    // The three sines that do not wait for another at once.
    const double x[4] = {m * kDeg, (m * 2) * kDeg, epsilon * kDeg, epsilon * kDeg};
    double s[4];
    CrSin4(x, s);
    const double q = 1.915 * s[0] + 0.02 * s[1];
    const double lambda = l + q;
    return CrAsin(CrSin(lambda * kDeg) * s[2]);
}

double FindDeclinationMaximum(double a, double b, double& jdMax) {
    while (b - a >= 1e-6) {
        const double c = a + (b - a) * 0.5;
        const double dc = SunDeclination(c);
        const double dPlus = SunDeclination(c + 1e-6);
        const double oldA = a;
        const double oldB = b;
        if (dPlus >= dc) {
            a = c;
        } else {
            b = c;
        }
        // Where the doubles near the dates are spaced wider than the tolerance the midpoint
        // can fall on an end and the interval stops shrinking: the bisection is then done.
        if (a == oldA && b == oldB) {
            break;
        }
    }
    jdMax = a;
    return SunDeclination(a);
}

double SolsticeDeclination(int32_t year, double& jdMax) {
    TmFields t;
    t.second = 0;
    t.minute = 0;
    t.hour = 0;
    t.day = 0;
    t.month = 5;
    // Formed in 64 bits so that no year can overflow; identical for every realistic year.
    t.year = static_cast<int32_t>(static_cast<int64_t>(year) - 1900);
    const double jd0 = JulianDate(t);
    return FindDeclinationMaximum(jd0, jd0 + 40.0, jdMax);
}

double SunPhase(double jd, int southern) {
    const double d = SunDeclination(jd);
    // The civil date depends on the day number floor(jd + 0.5) alone, so consecutive calls on
    // the same day (the diagram samples 96 per day) reuse this thread's last maximum.
    struct DayMaximum {
        double dayNumber = std::numeric_limits<double>::quiet_NaN();
        double dmax = 0.0;
    };
    thread_local DayMaximum last;
    const double dayNumber = std::floor(jd + 0.5);
    if (dayNumber != last.dayNumber) {
        int32_t year = 0;
        int32_t month = 0;
        int32_t day = 0;
        CalendarDate(jd, year, month, day);
        last.dmax = CachedSolsticeDeclination(year);
        last.dayNumber = dayNumber;
    }
    return PhaseFromDeclination(d, last.dmax, southern);
}

double SunPhaseUncached(double jd, int southern) {
    const double d = SunDeclination(jd);
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    CalendarDate(jd, year, month, day);
    double jdMax = 0;
    const double dmax = SolsticeDeclination(year, jdMax);
    return PhaseFromDeclination(d, dmax, southern);
}
