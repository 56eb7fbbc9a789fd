#pragma once
// The highest declination of a calendar year, remembered for every year an evaluation can reach.
#include <cstdint>

// Same value as SolsticeDeclination(year, ...), bit for bit. Each year of the supported range
// (and of the few centuries around it that an evaluation's moment can move into) is searched at
// most once per process and then kept; a year beyond those is searched on every call. Memory
// is taken in pages of consecutive years as they are first used, about 4 KiB each. Safe to call
// from several threads without locking.
double CachedSolsticeDeclination(int32_t year);

// How many yearly maximum searches CachedSolsticeDeclination has made so far in this process.
uint64_t SolsticeSearchCount();
