// Searches random arguments for those where the portable fast stage (astro/cr_math_fast.inc) cannot
// decide the rounding, the cases the slow stage answers; tests/astro/cr_math_test.cpp lists some.
//
//   g++ -O2 -std=c++20 -ffp-contract=off -I. -o /tmp/cr_math_hard_cases
//       tools/cr_math_hard_cases.cpp astro/cr_math.cpp
//   /tmp/cr_math_hard_cases sin 28 1   (function, log2 of the number of arguments, seed)
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "astro/cr_math_detail.h"

namespace {

using namespace cr_math_detail;
using namespace cr_math_detail::portable;

bool Undecided(DD y, double eps) {
    const double e = eps * std::fabs(y.hi);
    return y.hi + (y.lo - e) != y.hi + (y.lo + e);
}

// Half the arguments of the kind the model uses, half any double of the function's domain.
double Argument(std::mt19937_64& g, const char* name, uint64_t i) {
    const bool model = (i & 1) == 0;
    const double u = std::uniform_real_distribution<double>(-1, 1)(g);
    if (std::strcmp(name, "atan") == 0) {
        return model ? u * 1e3 : std::ldexp(u, static_cast<int>(g() % 84) - 27);
    }
    if (std::strcmp(name, "asin") == 0) {
        return model ? u : std::ldexp(u, -static_cast<int>(g() % 27));
    }
    if (model) {
        return u * 1e6;
    }
    const double x = std::bit_cast<double>(g() & 0x7fefffffffffffffULL);
    return std::fabs(x) < 0x1p-26 ? 1.0 : x;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s sin|cos|tan|atan|asin log2-count seed\n", argv[0]);
        return 2;
    }
    const char* name = argv[1];
    const uint64_t count = uint64_t{1} << std::atoi(argv[2]);
    std::mt19937_64 g(std::strtoull(argv[3], nullptr, 10));
    DD (*approx)(double) = SinApprox;
    double eps = kSinCosBound;
    if (std::strcmp(name, "cos") == 0) {
        approx = CosApprox;
    } else if (std::strcmp(name, "tan") == 0) {
        approx = TanApprox;
        eps = kTanBound;
    } else if (std::strcmp(name, "atan") == 0) {
        approx = AtanApprox;
        eps = kAtanBound;
    } else if (std::strcmp(name, "asin") == 0) {
        approx = AsinApprox;
        eps = kAsinBound;
    }
    for (uint64_t i = 0; i < count; ++i) {
        const double x = Argument(g, name, i);
        if (Undecided(approx(x), eps)) {
            std::printf("%s %a\n", name, x);
            std::fflush(stdout);
        }
    }
    return 0;
}
