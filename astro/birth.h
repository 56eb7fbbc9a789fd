#pragma once
// Evaluation of one birth moment into every displayed result, and the person's type.
#include <cstdint>
#include <string>

#include "astro/lunation.h"
#include "astro/moment_text.h"

enum BirthType : int32_t {
    Solar = 0,
    Lunar = 1,
    Fragezeichen = 2,
};

// Picture resource of the type: 134, 131, 133; 0 for any other value.
int32_t BirthTypeBitmap(int32_t type);

struct BirthEvaluation {
    double m_dJulianDate = 0.0;
    std::string m_strJulianDate;
    double m_dMoonPercent = 0.0;
    std::string m_strMoonPercent;
    double m_dSunPercent = 0.0;
    std::string m_strSunPercent;
    double m_dMoonDayPercent = 0.0;
    std::string m_strMoonDayPercent;
    double m_dEcartPercent = 0.0;
    std::string m_strEcartPercent;
    BirthType m_nType = Solar; // its name: BirthTypeName (app/birth_input.h)
    int32_t m_nTypeBitmap = 0;
    PhaseTimes m_phases{};
    MomentText m_strLastNewMoon;
    MomentText m_strFullMoon;
    MomentText m_strNextNewMoon;
    MomentText m_strBirthMoment;
};

// Julian date (Universal Time) of a birth entered in local time with month 1..12 and full year.
double BirthJulianDate(int32_t day, int32_t month, int32_t year, int32_t hour, int32_t minute,
                       int32_t timeZone);

BirthType ClassifyBirth(double jd, int constantZone, int southern);

// The two steps of ClassifyBirth for a caller that already has the moment's Sun phase and
// Moon fraction: the width of the undetermined zone at jd, then the type. ClassifyBirth(jd, c, s)
// equals ClassifyPhases(SunPhase(jd, s), MoonIllumination(jd), UndeterminedZone(jd, c)).
double UndeterminedZone(double jd, int constantZone);
BirthType ClassifyPhases(double sunPhase, double moonFraction, double zone);

// Above what MoonDayChange(jd) can give where MoonIllumination(jd) is moonFraction.
double DayChangeBound(double moonFraction);

// The type for a caller that has the Sun phase and Moon fraction at jd but does not show the
// Moon's day change: equal to ClassifyBirth(jd, constantZone, southern), computing the day change
// only where it can decide the type.
BirthType ClassifyMoment(double jd, double sunPhase, double moonFraction, int constantZone);

// "d.m.y h:mmUhr" of the moment jd in its own time scale.
std::string FormatPhaseMoment(double jd);

// True when the evaluation of this input (EvaluateBirth, BirthJulianDate, ClassifyBirth and
// SunPhase of its Julian date) is defined and finishes promptly: the year is supported and the
// other fields lie within wide bounds (far beyond the form's ranges, so stored records with,
// say, month 13 or day 0 still evaluate) that keep every integer step free of overflow.
bool IsEvaluableBirth(int32_t day, int32_t month, int32_t year, int32_t hour, int32_t minute,
                      int32_t timeZone);

// Everything the form shows for one birth. The input must have passed the form's checks
// (including IsSupportedYear).
BirthEvaluation EvaluateBirth(int32_t day, int32_t month, int32_t year, int32_t hour,
                              int32_t minute, int32_t timeZone, int southern, int constantZone);

// The same into r, whose texts keep their storage: for a caller that evaluates many births
// with one BirthEvaluation.
void EvaluateBirthInto(BirthEvaluation& r, int32_t day, int32_t month, int32_t year, int32_t hour,
                       int32_t minute, int32_t timeZone, int southern, int constantZone);
