#include "astro/cr_math_lanes.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "astro/cr_math.h"
#include "astro/cr_math_detail.h"

// The functions for four arguments at once against the scalar ones, bit for bit, on a million
// arguments each: the portable build's lanes, the AVX2 build's (where the processor has it) and
// the entry points that choose between them.

namespace {

namespace detail = cr_math_detail;

using Four = void (*)(const double*, double*);
using Quick = unsigned (*)(const double*, double*);

// The sine and cosine of SinCos4 and SinCosQuick4 as two functions of one result each.
template <void (*F)(const double*, double*, double*), bool kCosine>
void SinCosHalf(const double* x, double* out) {
    double s[4], c[4];
    F(x, s, c);
    for (int i = 0; i < 4; ++i) {
        out[i] = kCosine ? c[i] : s[i];
    }
}

template <unsigned (*F)(const double*, double*, double*), bool kCosine>
unsigned SinCosQuickHalf(const double* x, double* out) {
    double s[4], c[4];
    const unsigned bits = F(x, s, c);
    for (int i = 0; i < 4; ++i) {
        out[i] = kCosine ? c[i] : s[i];
    }
    return kCosine ? bits >> 4 : bits & 15;
}

enum class Range { Angle, Tangent, Sine };

struct Function {
    const char* name;
    double (*scalar)(double);
    Four entry;
    Four portable;
    Four fma;
    Quick portableQuick;
    Quick fmaQuick;
    Range range;
};

void PrintTo(const Function& f, std::ostream* os) {
    *os << f.name;
}

void CrSinCosSin4(const double* x, double* out) {
    SinCosHalf<CrSinCos4, false>(x, out);
}
void CrSinCosCos4(const double* x, double* out) {
    SinCosHalf<CrSinCos4, true>(x, out);
}

const Function kFunctions[] = {
    {"sin", CrSin, CrSin4, detail::portable::Sin4, detail::fma::Sin4, detail::portable::SinQuick4,
     detail::fma::SinQuick4, Range::Angle},
    {"cos", CrCos, CrCos4, detail::portable::Cos4, detail::fma::Cos4, detail::portable::CosQuick4,
     detail::fma::CosQuick4, Range::Angle},
    {"sincos_sin", CrSin, CrSinCosSin4, SinCosHalf<detail::portable::SinCos4, false>,
     SinCosHalf<detail::fma::SinCos4, false>,
     SinCosQuickHalf<detail::portable::SinCosQuick4, false>,
     SinCosQuickHalf<detail::fma::SinCosQuick4, false>, Range::Angle},
    {"sincos_cos", CrCos, CrSinCosCos4, SinCosHalf<detail::portable::SinCos4, true>,
     SinCosHalf<detail::fma::SinCos4, true>, SinCosQuickHalf<detail::portable::SinCosQuick4, true>,
     SinCosQuickHalf<detail::fma::SinCosQuick4, true>, Range::Angle},
    {"tan", CrTan, CrTan4, detail::portable::Tan4, detail::fma::Tan4, detail::portable::TanQuick4,
     detail::fma::TanQuick4, Range::Angle},
    {"atan", CrAtan, CrAtan4, detail::portable::Atan4, detail::fma::Atan4,
     detail::portable::AtanQuick4, detail::fma::AtanQuick4, Range::Tangent},
    {"asin", CrAsin, CrAsin4, detail::portable::Asin4, detail::fma::Asin4,
     detail::portable::AsinQuick4, detail::fma::AsinQuick4, Range::Sine},
};

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Where the lanes' cases change: the limits of the answers without computation, of the direct
// range and of the reduction below 2^21, multiples of pi/2, the ends of the arc sine's domain.
const double kEdges[] = {0.0,
                         -0.0,
                         0x1p-1074,
                         0x1p-27,
                         0x1.fffffffffffffp-28,
                         0x1p-26,
                         0x1.fffffffffffffp-27,
                         0x1p-12,
                         0.785,
                         0x1.91eb851eb851fp-1,
                         0x1.921fb54442d18p-1,
                         0x1.921fb54442d18p+0,
                         0x1.921fb54442d18p+1,
                         0x1.2d97c7f3321d2p+2,
                         0x1.fffffffffffffp+20,
                         0x1p21,
                         0x1p55,
                         0x1.0000000000001p55,
                         0.5,
                         0x1.fffffffffffffp-2,
                         1.0,
                         0x1.fffffffffffffp-1,
                         0x1.0000000000001p0,
                         1e300,
                         std::numeric_limits<double>::max(),
                         kInf,
                         kNaN};

// Arguments of the model's kinds and of every kind: uniform over the function's range, over a
// few turns, every double's bit pattern, near multiples of pi/2, and the edges with either sign.
std::vector<double> Arguments(Range range, size_t count) {
    std::mt19937_64 g(20261209);
    const double width = range == Range::Angle ? 6.5e5 : range == Range::Tangent ? 1e3 : 1.0;
    std::uniform_real_distribution<double> wide(-width, width);
    std::uniform_real_distribution<double> narrow(-7.0, 7.0);
    std::vector<double> v;
    v.reserve(count);
    for (double e : kEdges) {
        v.push_back(e);
        v.push_back(-e);
    }
    while (v.size() < count) {
        switch (v.size() % 5) {
        case 0:
        case 1:
            v.push_back(wide(g));
            break;
        case 2:
            v.push_back(range == Range::Sine ? wide(g) : narrow(g));
            break;
        case 3:
            v.push_back(std::bit_cast<double>(g()));
            break;
        default: {
            const double k = static_cast<double>(g() % 4000) - 2000.0;
            v.push_back(k * 0x1.921fb54442d18p+0 + static_cast<double>(g() % 64 - 32) * 0x1p-40);
            break;
        }
        }
    }
    return v;
}

constexpr size_t kCount = 1000000;

class CrMathLanes : public ::testing::TestWithParam<Function> {};

// Fills out from f four at a time and counts the arguments that differ from the scalar function.
size_t Differences(const Function& f, Four four, const std::vector<double>& x) {
    size_t differ = 0;
    for (size_t i = 0; i + 4 <= x.size(); i += 4) {
        double out[4];
        four(&x[i], out);
        for (int k = 0; k < 4; ++k) {
            const double want = f.scalar(x[i + k]);
            if (std::bit_cast<uint64_t>(out[k]) != std::bit_cast<uint64_t>(want)) {
                if (differ < 5) {
                    ADD_FAILURE() << f.name << '(' << std::hexfloat << x[i + k] << ") = " << out[k]
                                  << ", the scalar function gives " << want;
                }
                ++differ;
            }
        }
    }
    return differ;
}

// The share of lanes the first stage decides itself, each equal to the scalar result: were it
// to decide none, the paths would agree through the scalar fallback alone.
double DecidedShare(const Function& f, Quick quick, const std::vector<double>& x) {
    size_t decided = 0;
    for (size_t i = 0; i + 4 <= x.size(); i += 4) {
        double out[4];
        const unsigned bits = quick(&x[i], out);
        for (int k = 0; k < 4; ++k) {
            if ((bits >> k & 1) != 0) {
                ++decided;
                EXPECT_EQ(std::bit_cast<uint64_t>(out[k]),
                          std::bit_cast<uint64_t>(f.scalar(x[i + k])))
                    << f.name << '(' << std::hexfloat << x[i + k] << ')';
            }
        }
    }
    return static_cast<double>(decided) / static_cast<double>(x.size());
}

// Of the model's kinds of argument (the first three of every five), all but a few in a thousand.
std::vector<double> ModelArguments(const std::vector<double>& x) {
    std::vector<double> v;
    for (size_t i = 0; i < x.size(); ++i) {
        if (i % 5 < 3 && i >= 2 * std::size(kEdges)) {
            v.push_back(x[i]);
        }
    }
    v.resize(v.size() / 4 * 4);
    return v;
}

TEST_P(CrMathLanes, PortableLanesGiveTheScalarBits) {
    const Function& f = GetParam();
    const std::vector<double> x = Arguments(f.range, kCount);
    EXPECT_EQ(Differences(f, f.portable, x), 0U);
    EXPECT_GT(DecidedShare(f, f.portableQuick, ModelArguments(x)), 0.99);
}

TEST_P(CrMathLanes, Avx2LanesGiveTheScalarBits) {
    if (!detail::HasFma()) {
        GTEST_SKIP() << "this processor lacks AVX2 or fused multiply-add: only the portable lanes "
                        "were tested";
    }
    const Function& f = GetParam();
    const std::vector<double> x = Arguments(f.range, kCount);
    EXPECT_EQ(Differences(f, f.fma, x), 0U);
    EXPECT_GT(DecidedShare(f, f.fmaQuick, ModelArguments(x)), 0.99);
}

TEST_P(CrMathLanes, EntryPointGivesTheScalarBitsInPlace) {
    const Function& f = GetParam();
    std::vector<double> x = Arguments(f.range, 100000);
    const std::vector<double> original = x;
    for (size_t i = 0; i + 4 <= x.size(); i += 4) {
        f.entry(&x[i], &x[i]);
        for (int k = 0; k < 4; ++k) {
            ASSERT_EQ(std::bit_cast<uint64_t>(x[i + k]),
                      std::bit_cast<uint64_t>(f.scalar(original[i + k])))
                << f.name << '(' << std::hexfloat << original[i + k] << ')';
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Functions, CrMathLanes, ::testing::ValuesIn(kFunctions),
                         [](const auto& info) { return std::string(info.param.name); });

// Counts that are not a multiple of four: the rest by the scalar function or filled-up lanes.
using Many = void (*)(const double*, double*, size_t);

struct ManyCase {
    const char* name;
    Many many;
    double (*scalar)(double);
};

void SinOfSinCosN(const double* x, double* out, size_t count) {
    std::vector<double> c(count);
    CrSinCosN(x, out, c.data(), count);
}

void CosOfSinCosN(const double* x, double* out, size_t count) {
    std::vector<double> s(count);
    CrSinCosN(x, s.data(), out, count);
}

TEST(CrMathLanesMany, EveryCountGivesTheScalarBits) {
    const ManyCase cases[] = {{"sin", CrSinN, CrSin},
                              {"cos", CrCosN, CrCos},
                              {"sincos_sin", SinOfSinCosN, CrSin},
                              {"sincos_cos", CosOfSinCosN, CrCos},
                              {"tan", CrTanN, CrTan},
                              {"atan", CrAtanN, CrAtan},
                              {"asin", CrAsinN, CrAsin}};
    const std::vector<double> x = Arguments(Range::Sine, 64);
    for (const ManyCase& c : cases) {
        for (size_t count = 0; count <= 11; ++count) {
            std::vector<double> out(count + 1, 42.0);
            c.many(x.data() + 40, out.data(), count);
            for (size_t i = 0; i < count; ++i) {
                EXPECT_EQ(std::bit_cast<uint64_t>(out[i]),
                          std::bit_cast<uint64_t>(c.scalar(x[40 + i])))
                    << c.name << " of " << count << ", argument " << i;
            }
            EXPECT_EQ(out[count], 42.0) << c.name << " of " << count << " wrote past the end";
        }
    }
}

} // namespace
