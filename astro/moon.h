#pragma once
#include <cstddef>
// Moon position and illumination.

// a reduced to 0..360 degrees.
double FixAngle(double a);

// Eccentric anomaly (radians) for the mean anomaly m (degrees) and eccentricity ecc.
double SolveKepler(double m, double ecc);

// Illuminated fraction of the Moon at jd, 0 (new) to 1 (full).
double MoonIllumination(double jd);

// MoonIllumination of each of count moments. They are computed a few side by side, which for
// many moments takes much less time than one by one.
void MoonIlluminations(const double* jd, double* fraction, size_t count);

// Half the absolute change of the illuminated fraction from one day before to one day after jd.
double MoonDayChange(double jd);

// The illuminated fraction at jd and MoonDayChange(jd), computed together.
struct MoonAround {
    double fraction;
    double dayChange;
};
MoonAround MoonIlluminationAround(double jd);
