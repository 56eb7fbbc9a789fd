#pragma once
// Lunation phase search: the new moons, quarters and full moon around a moment.
#include <array>

// Julian dates of one lunation: new moon, first quarter, full moon, last quarter, next new moon.
using PhaseTimes = std::array<double, 5>;

// Julian date of the mean new moon of lunation k; date only sets the century of the small terms.
double MeanNewMoon(double date, double k);

// Julian date of a phase (0, 0.25, 0.5, 0.75) of lunation k.
double TruePhase(double k, double phase);

// The lunation number k that the search for a finite jd settles on, and the two mean new moons
// it compared jd with: start <= jd < end wherever the search ends normally (every moment of the
// evaluable years).
struct LunationBracket {
    double k = 0.0;
    double start = 0.0;
    double end = 0.0;
};
LunationBracket SearchLunation(double jd);

// Fills p with the phases of the lunation that contains jd: those of lunation
// SearchLunation(jd).k and the next new moon.
void FindPhases(double jd, PhaseTimes& p);
