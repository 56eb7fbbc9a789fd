#pragma once
// The highest declination of a calendar year, remembered for recently used years.
#include <cstdint>

// Same value as SolsticeDeclination(year, ...), bit for bit. Safe to call from several threads;
// the memory used is fixed (a small table of years, older entries overwritten).
double CachedSolsticeDeclination(int32_t year);
