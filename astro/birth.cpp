#include "astro/birth.h"

#include <cmath>
#include <utility>

#include "astro/calendar.h"
#include "astro/lunation_table.h"
#include "astro/moon.h"
#include "astro/sun.h"
#include "astro/text_format.h"
#include "astro/vector_state.h"
#include "astro/year_range.h"

namespace {

constexpr double kConstantZone = 0.066;

// Bounds of IsEvaluableBirth. With them the seconds of the day, (hour * 60 + minute) * 60,
// stay below 1.4e9 and the moment moves at most a few centuries away from the entered year.
constexpr int32_t kMonthBound = 1200;
constexpr int32_t kDayBound = 100000;
constexpr int32_t kHourBound = 100000;
constexpr int32_t kTimeZoneBound = 100000;
constexpr int32_t kMinuteBound = 10000000;

bool WithinBound(int32_t value, int32_t bound) {
    return value >= -bound && value <= bound;
}

BirthType Classify(double sun, double moon, double zone) {
    if (std::fabs(sun - moon) >= zone) {
        return sun > moon ? Solar : Lunar;
    }
    return Fragezeichen;
}

// Differences and sums of the entered fields, formed without overflow for any input.
int32_t Offset(int32_t value, int64_t offset) {
    return static_cast<int32_t>(static_cast<int64_t>(value) + offset);
}

} // namespace

int32_t BirthTypeBitmap(int32_t type) {
    switch (type) {
    case Solar:
        return 134;
    case Lunar:
        return 131;
    case Fragezeichen:
        return 133;
    default:
        return 0;
    }
}

double BirthJulianDate(int32_t day, int32_t month, int32_t year, int32_t hour, int32_t minute,
                       int32_t timeZone) {
    TmFields t;
    t.second = 0;
    t.minute = minute;
    t.hour = Offset(hour, timeZone);
    t.day = day;
    t.month = Offset(month, -1);
    t.year = Offset(year, -1900);
    return JulianDate(t);
}

bool IsEvaluableBirth(int32_t day, int32_t month, int32_t year, int32_t hour, int32_t minute,
                      int32_t timeZone) {
    return IsSupportedYear(year) && WithinBound(month, kMonthBound) &&
           WithinBound(day, kDayBound) && WithinBound(hour, kHourBound) &&
           WithinBound(minute, kMinuteBound) && WithinBound(timeZone, kTimeZoneBound);
}

double UndeterminedZone(double jd, int constantZone) {
    return constantZone != 0 ? kConstantZone : MoonDayChange(jd);
}

BirthType ClassifyPhases(double sunPhase, double moonFraction, double zone) {
    return Classify(sunPhase, moonFraction, zone);
}

// With A the elongation, the longitude of the Moon less the Sun's, the fraction is (1 - cos A) / 2
// and the day change |cos A(-1) - cos A(+1)| / 4 = |sin M| * sin(D / 2) / 2, where M is the mean
// of A(-1) and A(+1) and D their difference.
// - In two days the elongation moves forward by at most 34.3 degrees: the mean motion 26.35 plus,
//   at their fastest or over their whole range, the evection 2.55, the equation of the centre
//   3.27 (its argument moves at most 29.8 degrees), the annual terms 0.37 and 0.43 and the
//   variation 1.32. So sin(D / 2) / 2 <= 0.1475.
// - M - A is half of how much more the elongation moves in the day after than in the day before,
//   at most half its largest change of speed in a day. Each term a sin(b) changes speed by at most
//   a b'^2 + a |b''| a day (b' in radians a day): the equation of the centre 0.35 degrees, the
//   variation 0.17, the evection 0.05, the fourth term 0.05, the Sun's terms far less; 0.62 in
//   all. So |M - A| <= 0.31 degrees, taken as 1 degree (0.0175 radians), and
//   |sin M| <= |sin A| + 0.0175 with |sin A| = 2 sqrt(f (1 - f)).
// The small constant covers the rounding of f near 0 and 1.
double DayChangeBound(double f) {
    return 0.1475 * (2 * std::sqrt(f * (1 - f)) + 0.0175) + 1e-6;
}

BirthType ClassifyMoment(double jd, double sunPhase, double moonFraction, int constantZone) {
    // Phases further apart than the day change can reach are never undetermined.
    if (constantZone == 0 && std::fabs(sunPhase - moonFraction) >= DayChangeBound(moonFraction)) {
        return sunPhase > moonFraction ? Solar : Lunar;
    }
    return Classify(sunPhase, moonFraction, UndeterminedZone(jd, constantZone));
}

BirthType ClassifyBirth(double jd, int constantZone, int southern) {
    const double zone = UndeterminedZone(jd, constantZone);
    const double sun = SunPhase(jd, southern);
    const double moon = MoonIllumination(jd);
    return Classify(sun, moon, zone);
}

std::string FormatPhaseMoment(double jd) {
    const CivilMoment m = CivilMomentOf(jd);
    return FormatMomentText(m.day, m.month, m.year, m.hour, m.minute);
}

void EvaluateBirthInto(BirthEvaluation& r, int32_t day, int32_t month, int32_t year, int32_t hour,
                       int32_t minute, int32_t timeZone, int southern, int constantZone) {
    ClearUpperVectorState();
    const double jd = BirthJulianDate(day, month, year, hour, minute, timeZone);
    PrefetchLunation(jd); // read at the end, after the Moon and the Sun
    r.m_dJulianDate = jd;
    r.m_strJulianDate = FormatJulianText(jd);

    const MoonAround around = MoonIlluminationAround(jd);
    const double moon = around.fraction;
    r.m_dMoonPercent = moon * 100;
    r.m_strMoonPercent = FormatPercentText(r.m_dMoonPercent);

    const double sun = SunPhase(jd, southern);
    r.m_dSunPercent = sun * 100;
    r.m_strSunPercent = FormatPercentText(r.m_dSunPercent);

    const double dayChange = around.dayChange;
    r.m_dMoonDayPercent = dayChange * 100;
    r.m_strMoonDayPercent = FormatPercentText(r.m_dMoonDayPercent);

    r.m_dEcartPercent = std::fabs(r.m_dSunPercent - r.m_dMoonPercent);
    r.m_strEcartPercent = FormatPercentText(r.m_dEcartPercent);

    // The same fractions ClassifyBirth would compute again for this moment.
    r.m_nType = Classify(sun, moon, constantZone != 0 ? kConstantZone : dayChange);
    r.m_nTypeBitmap = BirthTypeBitmap(r.m_nType);

    // The phases of FindPhases(jd) and their texts, kept once per lunation.
    thread_local Lunation lunation;
    FindLunation(jd, lunation);
    r.m_phases = lunation.moments;
    r.m_strLastNewMoon = lunation.texts[0];
    r.m_strFullMoon = lunation.texts[1];
    r.m_strNextNewMoon = lunation.texts[2];

    AssignMomentText(r.m_strBirthMoment, day, month, year, hour, minute);
}

BirthEvaluation EvaluateBirth(int32_t day, int32_t month, int32_t year, int32_t hour,
                              int32_t minute, int32_t timeZone, int southern, int constantZone) {
    BirthEvaluation r;
    EvaluateBirthInto(r, day, month, year, hour, minute, timeZone, southern, constantZone);
    return r;
}
