#include "astro/lunation.h"

#include <cmath>
#include <cstdint>

#include "astro/calendar.h"
#include "astro/cr_math.h"
#include "astro/cr_math_lanes.h"
#include "astro/lunation_table.h"

namespace {

constexpr double kDeg = 0.017453292519943295;
constexpr double kSynodicMonth = 29.53058868;

// Far more lunations than the first estimate can be off by anywhere in the evaluable range
// (a few dozen at years near ±100000); only reached for moments outside it.
constexpr int kMaxSearchSteps = 10000;

double MeanPhaseTime(double t, double k) {
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double s = CrSin(((166.56 + t * 132.87) - t2 * 0.009173) * kDeg);
    return s * 0.00033 + (((t2 * 0.0001178 - t3 * 1.55e-07) + k * kSynodicMonth) + 2415020.75933);
}

// Corrections of the new and full moon, their sines four at a time.
double NewFullCorrection(double t, double m, double mp, double f) {
    const double x[13] = {m * kDeg,           (m * 2) * kDeg,      mp * kDeg,
                          (mp * 2) * kDeg,    (mp * 3) * kDeg,     (f * 2) * kDeg,
                          (mp + m) * kDeg,    (m - mp) * kDeg,     (m + f * 2) * kDeg,
                          (f * 2 - m) * kDeg, (mp + f * 2) * kDeg, (f * 2 - mp) * kDeg,
                          (m + mp * 2) * kDeg};
    double s[13];
    CrSinN(x, s, 13);
    double c = s[0] * (0.1734 - t * 0.000393);
    c = c + 0.0021 * s[1];
    c = c - 0.4068 * s[2];
    c = c + 0.0161 * s[3];
    c = c - 0.0004 * s[4];
    c = c + 0.0104 * s[5];
    c = c - 0.0051 * s[6];
    c = c - 0.0074 * s[7];
    c = c + 0.0004 * s[8];
    c = c - 0.0004 * s[9];
    c = c - 0.0006 * s[10];
    c = c + 0.001 * s[11];
    c = c + 0.0005 * s[12];
    return c;
}

// Corrections of the first and last quarter.
double QuarterCorrection(double t, double m, double mp, double f) {
    const double x[15] = {m * kDeg,
                          (m * 2) * kDeg,
                          mp * kDeg,
                          (mp * 2) * kDeg,
                          (mp * 3) * kDeg,
                          (f * 2) * kDeg,
                          (mp + m) * kDeg,
                          (m - mp) * kDeg,
                          (m + f * 2) * kDeg,
                          (f * 2 - m) * kDeg,
                          (mp + f * 2) * kDeg,
                          (f * 2 - mp) * kDeg,
                          (m + mp * 2) * kDeg,
                          (m - mp * 2) * kDeg,
                          (mp + m * 2) * kDeg};
    double s[15];
    CrSinN(x, s, 15);
    double c = s[0] * (0.1721 - t * 0.0004);
    c = c + 0.0021 * s[1];
    c = c - 0.628 * s[2];
    c = c + 0.0089 * s[3];
    c = c - 0.0004 * s[4];
    c = c + 0.0079 * s[5];
    c = c - 0.0119 * s[6];
    c = c - 0.0047 * s[7];
    c = c + 0.0003 * s[8];
    c = c - 0.0004 * s[9];
    c = c - 0.0006 * s[10];
    c = c + 0.0021 * s[11];
    c = c + 0.0003 * s[12];
    c = c + 0.0004 * s[13];
    c = c - 0.0003 * s[14];
    return c;
}

} // namespace

double MeanNewMoon(double date, double k) {
    const double t = (date - 2415020.0) * 2.7378507871321012e-05;
    return MeanPhaseTime(t, k);
}

double TruePhase(double k, double phase) {
    const double kp = phase + k;
    const double t = kp * 0.0008085054776246109;
    const double t2 = t * t;
    const double t3 = t2 * t;
    double pt = MeanPhaseTime(t, kp);
    const double m = ((359.2242 + kp * 29.10535608) - t2 * 3.33e-05) - t3 * 3.47e-06;
    const double mp = ((t2 * 0.0107306 + kp * 385.81691806) + t3 * 1.236e-05) + 306.0253;
    const double f = ((21.2964 + kp * 390.67050646) - t2 * 0.0016528) - t3 * 2.39e-06;

    const bool newOrFull = phase < 0.01 || std::fabs(phase - 0.5) < 0.01;
    const bool quarter = std::fabs(phase - 0.25) < 0.01 || std::fabs(phase - 0.75) < 0.01;
    if (newOrFull) {
        return NewFullCorrection(t, m, mp, f) + pt;
    }
    if (!quarter) {
        return pt;
    }
    pt = QuarterCorrection(t, m, mp, f) + pt;
    const double x[2] = {m * kDeg, mp * kDeg};
    double c[2];
    CrCosN(x, c, 2);
    if (phase < 0.5) {
        return pt - ((-0.0028 + 0.0004 * c[0]) - 0.0003 * c[1]);
    }
    return pt - ((-0.0004 * c[0] + 0.0003 * c[1]) + 0.0028);
}

LunationBracket SearchLunation(double jd) {
    double adate = jd - 45;
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    CalendarDate(adate, year, month, day);
    double k1 = std::floor(((static_cast<double>(month) - 1) * 0.08333333333333333 + year - 1900) *
                           12.3685);
    double nt1 = MeanNewMoon(adate, k1);
    adate = nt1;

    // Far from the present the first estimate can already lie after the moment: step back
    // until it does not. Where it lies at or before the moment this changes nothing.
    int steps = 0;
    while (nt1 > jd && steps < kMaxSearchSteps) {
        adate = adate - kSynodicMonth;
        k1 = k1 - 1;
        nt1 = MeanNewMoon(adate, k1);
        ++steps;
    }

    for (;;) {
        adate = adate + kSynodicMonth;
        const double k2 = k1 + 1;
        const double nt2 = MeanNewMoon(adate, k2);
        if ((nt1 <= jd && nt2 > jd) || ++steps >= kMaxSearchSteps) {
            return {k1, nt1, nt2};
        }
        nt1 = nt2;
        k1 = k2;
    }
}

void FindPhases(double jd, PhaseTimes& p) {
    if (!std::isfinite(jd)) {
        p.fill(jd);
        return;
    }
    Lunation lunation;
    FindLunation(jd, lunation);
    p = lunation.moments;
}
