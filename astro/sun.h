#pragma once
// Sun declination and the seasonal Sun phase.
#include <cstdint>

// Declination of the Sun at jd, radians.
double SunDeclination(double jd);

// Bisection for the highest declination between the Julian dates a and b; jdMax receives the
// Julian date found. Returns the declination there, radians.
double FindDeclinationMaximum(double a, double b, double& jdMax);

// The highest declination of the given calendar year (searched from 31 May to 10 July).
double SolsticeDeclination(int32_t year, double& jdMax);

// Sun phase at jd: 0 at the lowest declination, 1 at the year's highest; mirrored when
// southern is non-zero. The yearly maximum is cached per calendar year (thread-safe).
double SunPhase(double jd, int southern);

// The same value computed without the cache (for comparison and benchmarks).
double SunPhaseUncached(double jd, int southern);
