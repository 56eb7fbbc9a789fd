#pragma once
// The lunations around birth moments, each searched and computed once and then kept.
#include <array>
#include <cstdint>

#include "astro/lunation.h"
#include "astro/moment_text.h"

struct Lunation {
    PhaseTimes moments{};
    // FormatPhaseMoment of the new moon, the full moon and the next new moon (moments 0, 2, 4).
    std::array<MomentText, 3> texts;
};

// Lunation k computed directly: TruePhase(k, 0), TruePhase(k, 0.25), TruePhase(k, 0.5),
// TruePhase(k, 0.75), TruePhase(k + 1, 0) and the texts.
void ComputeLunation(double k, Lunation& out);

// The same values, bit for bit, from a fixed table of 12 MiB with one entry per lunation number
// modulo 65536 (about 5,300 years without two lunations sharing an entry); an entry is computed
// on its first use and whenever another lunation took its place meanwhile. Lunation numbers
// that are not whole or lie beyond a million years are computed on every call.
void LookUpLunation(double k, Lunation& out);

// The lunation of FindPhases(jd) for a finite jd, with its texts. Within the evaluable years a
// moment well inside the mean new moons that bracketed an earlier search of the same lunation
// needs no search: where two moments lie more than an hour from either bracket the search
// settles on the same lunation for both. Any other moment is searched.
void FindLunation(double jd, Lunation& out);

// A hint that FindLunation(jd) comes soon: starts fetching the entry it will read first, so that
// work done meanwhile hides the wait.
void PrefetchLunation(double jd);

// How many lunations the table has computed so far in this process (its misses).
uint64_t LunationComputeCount();

// How many searches FindLunation has made so far in this process.
uint64_t LunationSearchCount();
