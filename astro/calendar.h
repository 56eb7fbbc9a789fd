#pragma once
// Civil dates and Julian dates (proleptic Gregorian calendar).
#include <cstdint>

// Broken-down time from which a Julian date is made. Hour and day are not normalised:
// out-of-range values are carried linearly into the result. Month is 0-based, year is
// counted from 1900.
struct TmFields {
    int32_t second = 0;
    int32_t minute = 0;
    int32_t hour = 0;
    int32_t day = 0;
    int32_t month = 0;
    int32_t year = 0;
};

// Day number of the date (the Julian date of its noon); reads day, month and year only.
int32_t JulianDayNumber(const TmFields& t);

// Julian date of the moment described by t.
double JulianDate(const TmFields& t);

// Civil date of the day containing jd: full year, month 1..12, day 1..31.
void CalendarDate(double jd, int32_t& year, int32_t& month, int32_t& day);
// The same by the floors of scaled doubles that define it; CalendarDate takes this way for the
// few days where its integer steps could differ.
void CalendarDateByFloors(double jd, int32_t& year, int32_t& month, int32_t& day);

// Time of day of jd, truncated to whole seconds.
void TimeOfDay(double jd, int32_t& hour, int32_t& minute, int32_t& second);

// The civil date and time of day of jd, as CalendarDate and TimeOfDay give them.
struct CivilMoment {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;
};
CivilMoment CivilMomentOf(double jd);
