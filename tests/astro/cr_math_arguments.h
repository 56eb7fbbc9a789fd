#pragma once
// The arguments of the table check of the correctly rounded functions (cr_math_results_test.cpp)
// and of its maker (tools/cr_math_results_maker.cpp), and the births whose model results it pins.
// Both programs must see the same doubles on every platform: the arguments come from a
// generator in integer arithmetic and are made from its bits with exact operations and single
// roundings of basic operations only (no library function, no conversion that a C runtime might
// round otherwise).
#include <bit>
#include <cstdint>
#include <vector>

namespace cr_math_arguments {

enum class Function { Sin, Cos, Tan, Atan, Asin };

inline const char* FunctionName(Function f) {
    switch (f) {
    case Function::Sin:
        return "sin";
    case Function::Cos:
        return "cos";
    case Function::Tan:
        return "tan";
    case Function::Atan:
        return "atan";
    case Function::Asin:
        return "asin";
    }
    return "?";
}

// SplitMix64: the same sequence everywhere.
class Bits64 {
  public:
    explicit Bits64(uint64_t seed) : state_(seed) {}
    uint64_t operator()() {
        uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // In [0, 1), a multiple of 2^-53 (exact).
    double Unit() { return static_cast<double>((*this)() >> 11) * 0x1p-53; }
    double Uniform(double lo, double hi) { return lo + (hi - lo) * Unit(); }

  private:
    uint64_t state_;
};

// 2^k for a normal power of two.
inline double Pow2(int k) {
    return std::bit_cast<double>(static_cast<uint64_t>(1023 + k) << 52);
}

inline bool Finite(double x) {
    return (std::bit_cast<uint64_t>(x) & 0x7ff0000000000000ULL) != 0x7ff0000000000000ULL;
}

inline double Magnitude(double x) {
    return std::bit_cast<double>(std::bit_cast<uint64_t>(x) & 0x7fffffffffffffffULL);
}

inline double WithRandomSign(Bits64& g, double x) {
    return (g() & 1) != 0 ? -x : x;
}

constexpr double kDeg = 0.017453292519943295;

// The kinds of argument: those of the model (angles over the years -99,999..99,999, reduced
// angles, half eccentric anomalies, its tangents and sines) and any double of the domain.
enum class Kind {
    ModelAngle,
    ReducedAngle,
    HalfAngle,
    ModelTangent,
    ScaledTangent,
    ModelSine,
    NearOne,
    AnyDouble,
    AnySine
};

inline double Argument(Kind kind, Bits64& g) {
    switch (kind) {
    case Kind::ModelAngle:
        return g.Uniform(-3.7e7, 3.7e7) * kDeg;
    case Kind::ReducedAngle:
        return g.Uniform(0, 720) * kDeg;
    case Kind::HalfAngle:
        return (g.Uniform(0, 360) * kDeg) * 0.5;
    case Kind::ModelTangent:
        return g.Uniform(-1e3, 1e3);
    case Kind::ScaledTangent:
        return WithRandomSign(g, (1 + g.Unit()) * Pow2(static_cast<int>(g() % 90) - 30));
    case Kind::ModelSine:
        return g.Uniform(-1, 1);
    case Kind::NearOne:
        return WithRandomSign(g, 1 - (0.5 + 0.5 * g.Unit()) * Pow2(-static_cast<int>(g() % 53)));
    case Kind::AnyDouble:
    case Kind::AnySine:
        for (;;) {
            const double x = std::bit_cast<double>(g());
            if (Finite(x) && (kind == Kind::AnyDouble || Magnitude(x) <= 1)) {
                return x;
            }
        }
    }
    return 0;
}

// A correctly rounded result, f(x) = y.
struct ExactResult {
    Function f;
    double x;
    double y;
};

// The digests cover blocks of this many results.
constexpr int kBlock = 10000;

struct Range {
    Function f;
    const char* name;
    Kind kind;
    int blocks;
};

// 200,000 arguments a function: 100,000 of the model's kinds, 100,000 of any kind.
inline constexpr Range kRanges[] = {
    {Function::Sin, "model", Kind::ModelAngle, 6},
    {Function::Sin, "reduced", Kind::ReducedAngle, 4},
    {Function::Sin, "any", Kind::AnyDouble, 10},
    {Function::Cos, "model", Kind::ModelAngle, 6},
    {Function::Cos, "reduced", Kind::ReducedAngle, 4},
    {Function::Cos, "any", Kind::AnyDouble, 10},
    {Function::Tan, "half", Kind::HalfAngle, 6},
    {Function::Tan, "model", Kind::ModelAngle, 4},
    {Function::Tan, "any", Kind::AnyDouble, 10},
    {Function::Atan, "model", Kind::ModelTangent, 6},
    {Function::Atan, "scaled", Kind::ScaledTangent, 4},
    {Function::Atan, "any", Kind::AnyDouble, 10},
    {Function::Asin, "model", Kind::ModelSine, 6},
    {Function::Asin, "near_one", Kind::NearOne, 4},
    {Function::Asin, "any", Kind::AnySine, 10},
};

inline uint64_t RangeSeed(int range) {
    return 0x5eed0000ULL + static_cast<uint64_t>(range);
}

// The digest of a sequence of 64-bit words (the murmur finaliser after each).
inline uint64_t Mix(uint64_t h, uint64_t word) {
    h ^= word;
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    return h ^ (h >> 33);
}

// A birth as EvaluateBirth takes it.
struct Birth {
    int32_t day, month, year, hour, minute, tz, southern, constZone;
};

// The births of the model's numeric tests (tests/astro/birth_test.cpp): the worked examples,
// the grid of 1987, the distant years, and every 999th year of the range.
inline std::vector<Birth> ModelTestBirths() {
    std::vector<Birth> v = {{20, 3, 2000, 8, 0, -1, 0, 0},
                            {6, 1, 2000, 12, 0, 0, 0, 0},
                            {6, 1, 2000, 12, 0, 0, 0, 1},
                            {15, 6, 8399, 3, 0, 0, 0, 0}};
    for (int32_t day = 1; day <= 28; day += 3) {
        for (int32_t month = 1; month <= 12; ++month) {
            for (int32_t flags = 0; flags < 4; ++flags) {
                v.push_back({day, month, 1987, 14, 30, 1, flags & 1, flags >> 1});
            }
        }
    }
    for (const int32_t year : {8399, 10000, 12000, 99999, -99999, -999, 0}) {
        for (int32_t month = 1; month <= 12; ++month) {
            for (int32_t day = 1; day <= 31; day += 5) {
                v.push_back({day, month, year, 1, 0, 0, 0, 0});
            }
        }
    }
    for (int32_t year = -99999; year <= 99999; year += 999) {
        const int32_t month = 1 + (year & 0xffff) % 12;
        const int32_t day = 1 + (year & 0xffff) % 28;
        v.push_back({day, month, year, (year & 0xffff) % 25, 30, 0, year & 1, (year >> 1) & 1});
    }
    return v;
}

} // namespace cr_math_arguments
