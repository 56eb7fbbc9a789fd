// Timing of the phase diagram's curve samples: a first paint for a new birth moment, and a
// repaint of the same moment served from the control's sample cache.
#include <benchmark/benchmark.h>

#include "sheet/diagram_samples.h"

namespace {

constexpr double kCentre = 2451623.7916666665; // 20.3.2000 7:00 UT
constexpr int32_t kWidth = 261;
constexpr int32_t kHeight = 128;

void BM_DiagramFirstPaint(benchmark::State& state) {
    DiagramSampleCache cache;
    double centre = kCentre;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cache.Moon(centre, kWidth, kHeight).data());
        benchmark::DoNotOptimize(cache.Sun(centre, 0, kWidth, kHeight).data());
        centre += 1.0;
    }
}
BENCHMARK(BM_DiagramFirstPaint)->Unit(benchmark::kMicrosecond);

void BM_DiagramRepaint(benchmark::State& state) {
    DiagramSampleCache cache;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cache.Moon(kCentre, kWidth, kHeight).data());
        benchmark::DoNotOptimize(cache.Sun(kCentre, 0, kWidth, kHeight).data());
    }
}
BENCHMARK(BM_DiagramRepaint)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
