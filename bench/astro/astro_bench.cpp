// Timing of the evaluation, the Sun phase and the diagram's sampling.
#include <benchmark/benchmark.h>

#include "astro/birth.h"
#include "astro/moon.h"
#include "astro/sun.h"

namespace {

constexpr double kCentre = 2451623.7916666665; // 20.3.2000 7:00 UT
constexpr double kQuarterHour = 0.010416666666666666;

void BM_EvaluateBirth(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(EvaluateBirth(20, 3, 2000, 8, 0, -1, 0, 0));
    }
}
BENCHMARK(BM_EvaluateBirth);

void BM_SunPhaseCached(benchmark::State& state) {
    double jd = kCentre;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SunPhase(jd, 0));
        jd += kQuarterHour;
    }
}
BENCHMARK(BM_SunPhaseCached);

void BM_SunPhaseUncached(benchmark::State& state) {
    double jd = kCentre;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SunPhaseUncached(jd, 0));
        jd += kQuarterHour;
    }
}
BENCHMARK(BM_SunPhaseUncached);

// The work of one repaint of the phase diagram: both curves over four days.
template <double (*SunPhaseOf)(double, int)> void BM_DiagramSamples(benchmark::State& state) {
    int samples = 0;
    for (auto _ : state) {
        samples = 0;
        for (double t = kCentre - 2.0; t < kCentre + 2.0; t += kQuarterHour) {
            benchmark::DoNotOptimize(MoonIllumination(t));
            benchmark::DoNotOptimize(SunPhaseOf(t, 0));
            ++samples;
        }
    }
    state.counters["samples"] = 2.0 * samples;
}
BENCHMARK(BM_DiagramSamples<SunPhase>)->Name("BM_DiagramCached")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DiagramSamples<SunPhaseUncached>)
    ->Name("BM_DiagramUncached")
    ->Unit(benchmark::kMicrosecond);

} // namespace
