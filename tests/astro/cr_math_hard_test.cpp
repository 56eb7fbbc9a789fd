#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>
#include <mpfr.h>

#include "astro/cr_math.h"
#include "astro/cr_math_detail.h"
#include "tests/astro/cr_math_published_cases.h"

// The published hardest-to-round arguments (cr_math_published_cases.h) and their negatives,
// against MPFR, in every build of the functions. (A namespace of its own: the unity build puts
// this file beside cr_math_test.cpp.)

namespace cr_math_hard_test {

using cr_math_arguments::Function;
using cr_math_arguments::kPublishedHardCases;
using cr_math_arguments::PublishedCase;
using MpfrFunction = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);

struct Builds {
    MpfrFunction mpfr;
    double (*dispatched)(double);
    double (*portable)(double);
    double (*fma)(double);
    bool odd;
};

Builds BuildsOf(Function f) {
    namespace portable = cr_math_detail::portable;
    namespace fma = cr_math_detail::fma;
    switch (f) {
    case Function::Sin:
        return {mpfr_sin, CrSin, portable::Sin, fma::Sin, true};
    case Function::Cos:
        return {mpfr_cos, CrCos, portable::Cos, fma::Cos, false};
    case Function::Tan:
        return {mpfr_tan, CrTan, portable::Tan, fma::Tan, true};
    case Function::Atan:
        return {mpfr_atan, CrAtan, portable::Atan, fma::Atan, true};
    case Function::Asin:
        return {mpfr_asin, CrAsin, portable::Asin, fma::Asin, true};
    }
    return {};
}

uint64_t Bits(double x) {
    return std::bit_cast<uint64_t>(x);
}

// f(x) to the nearest double (none of these results is subnormal).
double Nearest(MpfrFunction f, double x) {
    mpfr_t a, y;
    mpfr_init2(a, 53);
    mpfr_init2(y, 53);
    mpfr_set_d(a, x, MPFR_RNDN);
    f(y, a, MPFR_RNDN);
    const double r = mpfr_get_d(y, MPFR_RNDN);
    mpfr_clear(a);
    mpfr_clear(y);
    return r;
}

// How far f(x) lies from the nearest double or midpoint, in half-units in the last place of the
// rounded result: -log2 of it is the number of identical bits after the rounding bit.
double DistanceFromBreakpoint(MpfrFunction f, double x) {
    mpfr_t a, y, r, t;
    mpfr_init2(a, 53);
    mpfr_init2(y, 400);
    mpfr_init2(r, 53);
    mpfr_init2(t, 400);
    mpfr_set_d(a, x, MPFR_RNDN);
    f(y, a, MPFR_RNDN);
    mpfr_set(r, y, MPFR_RNDN);
    // y in units of half an ulp of the rounded result r, then its distance from an integer.
    const mpfr_exp_t e = mpfr_get_exp(r);
    mpfr_mul_2si(t, y, 54 - e, MPFR_RNDN);
    mpfr_t n;
    mpfr_init2(n, 400);
    mpfr_rint(n, t, MPFR_RNDN);
    mpfr_sub(t, t, n, MPFR_RNDN);
    const double d = std::fabs(mpfr_get_d(t, MPFR_RNDN));
    mpfr_clears(a, y, r, t, n, static_cast<mpfr_ptr>(nullptr));
    return d;
}

class PublishedHardCases : public testing::TestWithParam<PublishedCase> {};

TEST_P(PublishedHardCases, AreAsHardAsPublished) {
    const PublishedCase& c = GetParam();
    const double d = DistanceFromBreakpoint(BuildsOf(c.f).mpfr, c.x);
    std::printf("%s(%a): %.1f identical bits after the rounding bit\n", FunctionName(c.f), c.x,
                -std::log2(d));
    // Never exactly a breakpoint: these functions are transcendental at every nonzero double.
    EXPECT_GT(d, 0.0);
    EXPECT_LT(d, std::ldexp(1.0, -cr_math_arguments::kPublishedIdenticalBits))
        << FunctionName(c.f) << "(" << std::hexfloat << c.x
        << ") is not a hard case: " << -std::log2(d) << " identical bits";
}

TEST_P(PublishedHardCases, AreCorrectlyRoundedInEveryBuild) {
    const PublishedCase& c = GetParam();
    const Builds b = BuildsOf(c.f);
    for (const double x : {c.x, -c.x}) {
        const double want = Nearest(b.mpfr, x);
        EXPECT_EQ(Bits(b.dispatched(x)), Bits(want))
            << FunctionName(c.f) << "(" << std::hexfloat << x << ")";
        EXPECT_EQ(Bits(b.portable(x)), Bits(want))
            << "portable " << FunctionName(c.f) << "(" << std::hexfloat << x << ")";
        if (cr_math_detail::HasFma()) {
            EXPECT_EQ(Bits(b.fma(x)), Bits(want))
                << "fma " << FunctionName(c.f) << "(" << std::hexfloat << x << ")";
        }
        // The sine and cosine together give the same bits.
        if (c.f == Function::Sin || c.f == Function::Cos) {
            double s = 0;
            double co = 0;
            CrSinCos(x, &s, &co);
            EXPECT_EQ(Bits(c.f == Function::Sin ? s : co), Bits(want))
                << "sincos " << FunctionName(c.f) << "(" << std::hexfloat << x << ")";
        }
        // The odd functions at -x are minus their value at x.
        if (b.odd) {
            EXPECT_EQ(Bits(b.dispatched(-x)), Bits(-want));
        }
    }
}

std::string CaseName(const testing::TestParamInfo<PublishedCase>& info) {
    return std::string(FunctionName(info.param.f)) + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(LefevreMuller, PublishedHardCases, testing::ValuesIn(kPublishedHardCases),
                         CaseName);

} // namespace cr_math_hard_test
