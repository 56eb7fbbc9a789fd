#include <bit>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "astro/cr_math.h"
#include "astro/cr_math_detail.h"
#include "tests/astro/cr_math_arguments.h"
#include "tests/astro/model_result_digest.h"

// The correctly rounded functions against results made with MPFR on the build machine
// (cr_math_results.inc, by tools/cr_math_results_maker.cpp), without MPFR: so that the Windows
// build, run under Wine, shows the same bits as the Linux build that MPFR checked. Also the
// model's results on the births of its numeric tests, as the Linux build computed them.

namespace {

using namespace cr_math_arguments;

#include "tests/astro/cr_math_results.inc"

struct Build {
    const char* name;
    double (*f[5])(double);
};

double SinCosSin(double x) {
    double s = 0;
    double c = 0;
    CrSinCos(x, &s, &c);
    return s;
}
double SinCosCos(double x) {
    double s = 0;
    double c = 0;
    CrSinCos(x, &s, &c);
    return c;
}

// The dispatched functions, the sine and cosine of CrSinCos, and each build by itself.
std::vector<Build> Builds() {
    namespace portable = cr_math_detail::portable;
    namespace fma = cr_math_detail::fma;
    std::vector<Build> builds = {
        {"dispatched", {CrSin, CrCos, CrTan, CrAtan, CrAsin}},
        {"sincos", {SinCosSin, SinCosCos, CrTan, CrAtan, CrAsin}},
        {"portable",
         {portable::Sin, portable::Cos, portable::Tan, portable::Atan, portable::Asin}}};
    if (cr_math_detail::HasFma()) {
        builds.push_back({"fma", {fma::Sin, fma::Cos, fma::Tan, fma::Atan, fma::Asin}});
    }
    return builds;
}

TEST(CrMathResults, TableCoversEveryRange) {
    size_t blocks = 0;
    for (const Range& r : kRanges) {
        blocks += static_cast<size_t>(r.blocks);
    }
    ASSERT_EQ(std::size(kBlockDigests), blocks);
    EXPECT_GT(std::size(kExactResults), 1000U);
    EXPECT_EQ(std::size(kModelDigests), ModelTestBirths().size());
}

// 1,000,000 arguments (200,000 a function) in blocks of kBlock: a block whose digest differs holds
// at least one result other than the correctly rounded one (cr_math_test.cpp, with MPFR on
// Linux, names it).
TEST(CrMathResults, RandomArgumentsGiveTheCorrectlyRoundedBits) {
    for (const Build& build : Builds()) {
        size_t digest = 0;
        int wrong = 0;
        for (size_t r = 0; r < std::size(kRanges); ++r) {
            const Range& range = kRanges[r];
            double (*f)(double) = build.f[static_cast<int>(range.f)];
            Bits64 g(RangeSeed(static_cast<int>(r)));
            for (int b = 0; b < range.blocks; ++b, ++digest) {
                uint64_t h = 0;
                double first = 0;
                for (int i = 0; i < kBlock; ++i) {
                    const double x = Argument(range.kind, g);
                    first = i == 0 ? x : first;
                    h = Mix(h, std::bit_cast<uint64_t>(f(x)));
                }
                if (h != kBlockDigests[digest] && ++wrong <= 10) {
                    ADD_FAILURE() << build.name << " " << FunctionName(range.f) << " " << range.name
                                  << ": block " << b << " (from " << std::hexfloat << first
                                  << ") differs";
                }
            }
        }
        EXPECT_EQ(wrong, 0) << build.name;
        std::printf("%s: %zu blocks of %d results checked\n", build.name, digest, kBlock);
    }
}

TEST(CrMathResults, HardAndSpecialArgumentsGiveTheCorrectlyRoundedBits) {
    for (const Build& build : Builds()) {
        int wrong = 0;
        for (const ExactResult& c : kExactResults) {
            const double got = build.f[static_cast<int>(c.f)](c.x);
            if (std::bit_cast<uint64_t>(got) != std::bit_cast<uint64_t>(c.y) && ++wrong <= 10) {
                ADD_FAILURE() << build.name << " " << FunctionName(c.f) << "(" << std::hexfloat
                              << c.x << ") = " << got << ", correctly rounded " << c.y;
            }
        }
        EXPECT_EQ(wrong, 0) << build.name;
    }
}

// The model's numbers (their bits) and texts on the births of its numeric tests are those the
// Linux build gave when the table was made.
TEST(CrMathResults, ModelResultsOnTheNumericTestsBirths) {
    const std::vector<Birth> births = ModelTestBirths();
    ASSERT_EQ(births.size(), std::size(kModelDigests));
    int numbers = 0;
    int texts = 0;
    for (size_t i = 0; i < births.size(); ++i) {
        const Birth& b = births[i];
        const ModelDigest d = DigestOf(b);
        const bool n = d.numbers != kModelDigests[i].numbers;
        const bool t = d.texts != kModelDigests[i].texts;
        numbers += n ? 1 : 0;
        texts += t ? 1 : 0;
        if ((n || t) && numbers + texts <= 10) {
            ADD_FAILURE() << b.day << "." << b.month << "." << b.year << " " << b.hour << ":"
                          << b.minute << " tz " << b.tz << " southern " << b.southern
                          << " constant " << b.constZone << ": " << (n ? "numbers " : "")
                          << (t ? "texts " : "") << "differ";
        }
    }
    EXPECT_EQ(numbers, 0);
    EXPECT_EQ(texts, 0);
}

} // namespace
