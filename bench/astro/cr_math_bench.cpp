// The correctly rounded functions against the C library's, on arguments of the kinds the model
// uses: the build chosen at run time, the portable build and the C library, one call at a time.
#include <cmath>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "astro/cr_math.h"
#include "astro/cr_math_detail.h"

namespace {

enum class Kind { Angle, Tangent, Sine };

const std::vector<double>& Arguments(Kind kind) {
    static const auto make = [](double lo, double hi) {
        std::mt19937_64 random(99);
        std::uniform_real_distribution<double> d(lo, hi);
        std::vector<double> v(4096);
        for (double& x : v) {
            x = d(random);
        }
        return v;
    };
    // Degrees times pi/180 over the years -99,999..99,999; arc tangents; arc sines.
    static const std::vector<double> angles = make(-6.5e5, 6.5e5);
    static const std::vector<double> tangents = make(-1e3, 1e3);
    static const std::vector<double> sines = make(-1, 1);
    return kind == Kind::Angle ? angles : kind == Kind::Tangent ? tangents : sines;
}

template <double (*F)(double), Kind kKind> void BM_Function(benchmark::State& state) {
    const std::vector<double>& args = Arguments(kKind);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(F(args[i]));
        i = (i + 1) & 4095;
    }
}

double LibcSin(double x) {
    return std::sin(x);
}
double LibcCos(double x) {
    return std::cos(x);
}
double LibcTan(double x) {
    return std::tan(x);
}
double LibcAtan(double x) {
    return std::atan(x);
}
double LibcAsin(double x) {
    return std::asin(x);
}

namespace portable = cr_math_detail::portable;

BENCHMARK(BM_Function<LibcSin, Kind::Angle>)->Name("BM_Sin/libc");
BENCHMARK(BM_Function<CrSin, Kind::Angle>)->Name("BM_Sin/cr");
BENCHMARK(BM_Function<portable::Sin, Kind::Angle>)->Name("BM_Sin/cr_portable");
BENCHMARK(BM_Function<LibcCos, Kind::Angle>)->Name("BM_Cos/libc");
BENCHMARK(BM_Function<CrCos, Kind::Angle>)->Name("BM_Cos/cr");
BENCHMARK(BM_Function<portable::Cos, Kind::Angle>)->Name("BM_Cos/cr_portable");
BENCHMARK(BM_Function<LibcTan, Kind::Angle>)->Name("BM_Tan/libc");
BENCHMARK(BM_Function<CrTan, Kind::Angle>)->Name("BM_Tan/cr");
BENCHMARK(BM_Function<portable::Tan, Kind::Angle>)->Name("BM_Tan/cr_portable");
BENCHMARK(BM_Function<LibcAtan, Kind::Tangent>)->Name("BM_Atan/libc");
BENCHMARK(BM_Function<CrAtan, Kind::Tangent>)->Name("BM_Atan/cr");
BENCHMARK(BM_Function<portable::Atan, Kind::Tangent>)->Name("BM_Atan/cr_portable");
BENCHMARK(BM_Function<LibcAsin, Kind::Sine>)->Name("BM_Asin/libc");
BENCHMARK(BM_Function<CrAsin, Kind::Sine>)->Name("BM_Asin/cr");
BENCHMARK(BM_Function<portable::Asin, Kind::Sine>)->Name("BM_Asin/cr_portable");

} // namespace
