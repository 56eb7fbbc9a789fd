// The correctly rounded functions against the C library's, on arguments of the kinds the model
// uses: the build chosen at run time, the portable build and the C library, one call at a time,
// and four arguments at once (the lanes of cr_math_lanes.h against four calls of the C library;
// the time is that of four arguments).
#include <cmath>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "astro/cr_math.h"
#include "astro/cr_math_detail.h"
#include "astro/cr_math_lanes.h"

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

template <void (*F)(const double*, double*), Kind kKind> void BM_Four(benchmark::State& state) {
    const std::vector<double>& args = Arguments(kKind);
    size_t i = 0;
    double out[4];
    for (auto _ : state) {
        F(&args[i], out);
        benchmark::DoNotOptimize(out);
        i = (i + 4) & 4095;
    }
}

template <double (*F)(double)> void LibcFour(const double* x, double* out) {
    for (int k = 0; k < 4; ++k) {
        out[k] = F(x[k]);
    }
}

// CrSinCos4: the sines in out, the cosines kept from being optimised away here.
void CrSinCosFour(const double* x, double* out) {
    double c[4];
    CrSinCos4(x, out, c);
    benchmark::DoNotOptimize(c);
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

void LibcSinCosFour(const double* x, double* out) {
    double c[4];
    for (int k = 0; k < 4; ++k) {
        out[k] = std::sin(x[k]);
        c[k] = std::cos(x[k]);
    }
    benchmark::DoNotOptimize(c);
}

void PortableSinCosFour(const double* x, double* out) {
    double c[4];
    portable::SinCos4(x, out, c);
    benchmark::DoNotOptimize(c);
}

BENCHMARK(BM_Four<LibcFour<LibcSin>, Kind::Angle>)->Name("BM_Sin4/libc");
BENCHMARK(BM_Four<CrSin4, Kind::Angle>)->Name("BM_Sin4/cr");
BENCHMARK(BM_Four<portable::Sin4, Kind::Angle>)->Name("BM_Sin4/cr_portable");
BENCHMARK(BM_Four<LibcFour<LibcCos>, Kind::Angle>)->Name("BM_Cos4/libc");
BENCHMARK(BM_Four<CrCos4, Kind::Angle>)->Name("BM_Cos4/cr");
BENCHMARK(BM_Four<portable::Cos4, Kind::Angle>)->Name("BM_Cos4/cr_portable");
BENCHMARK(BM_Four<LibcSinCosFour, Kind::Angle>)->Name("BM_SinCos4/libc");
BENCHMARK(BM_Four<CrSinCosFour, Kind::Angle>)->Name("BM_SinCos4/cr");
BENCHMARK(BM_Four<PortableSinCosFour, Kind::Angle>)->Name("BM_SinCos4/cr_portable");
BENCHMARK(BM_Four<LibcFour<LibcTan>, Kind::Angle>)->Name("BM_Tan4/libc");
BENCHMARK(BM_Four<CrTan4, Kind::Angle>)->Name("BM_Tan4/cr");
BENCHMARK(BM_Four<portable::Tan4, Kind::Angle>)->Name("BM_Tan4/cr_portable");
BENCHMARK(BM_Four<LibcFour<LibcAtan>, Kind::Tangent>)->Name("BM_Atan4/libc");
BENCHMARK(BM_Four<CrAtan4, Kind::Tangent>)->Name("BM_Atan4/cr");
BENCHMARK(BM_Four<portable::Atan4, Kind::Tangent>)->Name("BM_Atan4/cr_portable");
BENCHMARK(BM_Four<LibcFour<LibcAsin>, Kind::Sine>)->Name("BM_Asin4/libc");
BENCHMARK(BM_Four<CrAsin4, Kind::Sine>)->Name("BM_Asin4/cr");
BENCHMARK(BM_Four<portable::Asin4, Kind::Sine>)->Name("BM_Asin4/cr_portable");

} // namespace
