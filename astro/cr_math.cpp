#include "astro/cr_math.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "astro/cr_math_detail.h"

// Each function runs in up to three stages. The first, in plain doubles with exact products and
// sums only for its leading terms, is within about 2^-68 (cr_math_fast.inc; its rounding test
// assumes 2^-64, 2^-63 for the tangent) and decides all but about one argument in 1,000; the rest
// go to the double-double stage, and the few that one cannot decide to the slow stage. The
// rounding test is the same at each stage.
//
// The double-double stage computes f(x) as an unevaluated sum hi + lo of two doubles
// (double-double) whose relative error is proven below a bound eps (cr_math_detail.h; the analyses,
// next to each step in cr_math_fast.inc, give 2^-87 for the sine, cosine and arc sine, 2^-88 for
// the arc tangent and 2^-86 for the tangent, and the tests measure it). The exact value then lies
// in [hi + lo - eps|hi|, hi + lo + eps|hi|] (|hi + lo| and |hi| differ by far less than the margin
// eps carries). Rounding to nearest is monotonic, so when both ends of that interval round to the
// same double, so does the exact value, and that double is the correctly rounded result. The ends
// are computed as hi + (lo - e) and hi + (lo + e) with e = eps|hi|: eps is a power of two, so e is
// exact, and lo +- e is rounded by at most 2^-105 |hi|, far inside the factor of 2^7 or more by
// which each eps exceeds its error analysis.
//
// Where the test fails (about once in 2^26 random arguments), the slow stage evaluates f in fixed
// point with 316 fractional bits, within 2^-230 relative, and rounds that: the sine and cosine by
// their series after an exact reduction, the tangent as their quotient, the arc tangent and arc
// sine by Newton's iteration on those series. Only an exact value within 2^-230 of a midpoint
// between two doubles could be rounded wrongly; the published searches for the hardest-to-round
// arguments of these functions find none anywhere near that.
//
// Arguments too small for the function to differ from x (or 1) by half an ulp, and arc tangents
// of arguments too large to differ from pi/2 by half an ulp, are answered without computation.
//
// The reduction by pi/2 below 2^21 subtracts pi/2 in three parts (cr_math_fast.inc); beyond, and
// near multiples of pi/2, it is exact for every double: |x| * 2/pi is formed in integer arithmetic
// from a window of 384 bits of 2/pi chosen by the exponent of x, which leaves an absolute error
// below 2^-329 in the reduced argument. No double lies closer than about 2^-61 to a multiple of
// pi/2, so the reduced argument keeps a relative error below 2^-268.
//
// The model's arithmetic has fused multiply-adds disabled, and so has this code: the exact
// products of the fast stage are Dekker's, built from plain multiplications and additions, or
// single fused multiply-adds called for explicitly, on processors that have them
// (astro/cr_math_fma.cpp; chosen at run time).

namespace cr_math_detail {

#include "astro/cr_math_tables.inc"

namespace portable {
#include "astro/cr_math_fast.inc"
} // namespace portable

namespace {

using portable::Div;
using portable::FastTwoSum;
using portable::Neg;

inline double Pow2(int k) {
    return std::bit_cast<double>(static_cast<uint64_t>(k + 1023) << 52);
}

// ---------------------------------------------------------------------------------------------
// Multiword integers, least significant word first.

inline void Mul64(uint64_t a, uint64_t b, uint64_t& hi, uint64_t& lo) {
#if defined(__SIZEOF_INT128__)
    __extension__ typedef unsigned __int128 U128;
    const U128 p = static_cast<U128>(a) * b;
    hi = static_cast<uint64_t>(p >> 64);
    lo = static_cast<uint64_t>(p);
#else
    const uint64_t a0 = a & 0xffffffffU, a1 = a >> 32, b0 = b & 0xffffffffU, b1 = b >> 32;
    const uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    const uint64_t mid = (p00 >> 32) + (p01 & 0xffffffffU) + (p10 & 0xffffffffU);
    lo = (mid << 32) | (p00 & 0xffffffffU);
    hi = p11 + (p01 >> 32) + (p10 >> 32) + (mid >> 32);
#endif
}

// Bits b .. b + 63 of the n-word number a (zero outside it).
inline uint64_t Bits64(const uint64_t* a, int n, int b) {
    const int i = b >> 6;
    const int s = b & 63;
    uint64_t v = 0;
    if (i >= 0 && i < n) {
        v = a[i] >> s;
    }
    if (s != 0 && i + 1 >= 0 && i + 1 < n) {
        v |= a[i + 1] << (64 - s);
    }
    return v;
}

// Position of the highest set bit, -1 for zero.
inline int TopBit(const uint64_t* a, int n) {
    for (int i = n - 1; i >= 0; --i) {
        if (a[i] != 0) {
            return 64 * i + 63 - std::countl_zero(a[i]);
        }
    }
    return -1;
}

// Whether any bit below position b is set.
bool AnyBelow(const uint64_t* a, int n, int b) {
    for (int i = 0; i < n && 64 * i < b; ++i) {
        const int top = b - 64 * i;
        const uint64_t mask = top >= 64 ? ~uint64_t{0} : (uint64_t{1} << top) - 1;
        if ((a[i] & mask) != 0) {
            return true;
        }
    }
    return false;
}

// a * 2^scale as a double-double: its leading 53 bits and the next 64 (relative error below
// 2^-115). a must not be zero.
DD LimbsToDD(const uint64_t* a, int n, int scale) {
    const int p = TopBit(a, n);
    const uint64_t hi = Bits64(a, n, p - 63) >> 11;
    const uint64_t lo = Bits64(a, n, p - 116);
    return FastTwoSum(static_cast<double>(hi) * Pow2(p - 52 + scale),
                      static_cast<double>(lo) * Pow2(p - 116 + scale));
}

// a * 2^scale rounded to nearest, ties to even; sticky tells that the true value lies strictly
// above a * 2^scale, by less than 2^scale.
double RoundLimbs(const uint64_t* a, int n, int scale, bool sticky) {
    const int p = TopBit(a, n);
    uint64_t mant = Bits64(a, n, p - 52) & ((uint64_t{1} << 53) - 1);
    const bool half = (Bits64(a, n, p - 53) & 1) != 0;
    const bool rest = sticky || AnyBelow(a, n, p - 53);
    if (half && (rest || (mant & 1) != 0)) {
        ++mant;
    }
    return std::ldexp(static_cast<double>(mant), p - 52 + scale);
}

// ---------------------------------------------------------------------------------------------
// Reduction: |x| = (4k + q + f) * pi/2 with q in 0..3 and f in [-1/2, 1/2), f = +-mag * 2^-382.

struct Reduction {
    uint64_t mag[6];
    int q;
    bool negative;
};

// ax >= kDirectLimit, finite.
void Reduce(double ax, Reduction& out) {
    const uint64_t bits = std::bit_cast<uint64_t>(ax);
    const uint64_t m = (bits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
    const int e = static_cast<int>(bits >> 52) - 1075; // ax = m * 2^e, e >= -53
    // With b_i the bit of 2^-i in 2/pi, the bits b_i with i < e - 1 add multiples of 4 to
    // m * 2^e * 2/pi: the window starts at b_(e-1), which kTwoOverPiBits keeps at bit e + 62
    // counted from its first word's top. Then m * 2^e * 2/pi = m * G * 2^-382 (mod 4) plus what
    // the bits after the window add, below m * 2^-382 < 2^-329.
    const int start = e + 62;
    const int word = start >> 6;
    const int shift = start & 63;
    uint64_t g[6];
    for (int k = 0; k < 6; ++k) {
        const uint64_t high = kTwoOverPiBits[word + k];
        const uint64_t low = kTwoOverPiBits[word + k + 1];
        g[5 - k] = shift == 0 ? high : (high << shift) | (low >> (64 - shift));
    }
    uint64_t v[6];
    uint64_t carry = 0;
    for (int k = 0; k < 6; ++k) {
        uint64_t hi, lo;
        Mul64(m, g[k], hi, lo);
        lo += carry;
        hi += lo < carry ? 1 : 0;
        v[k] = lo;
        carry = hi;
    }
    // v * 2^-382 lies in [0, 4). Adding 1/2 makes its integer part the nearest quadrant.
    v[5] += uint64_t{1} << 61;
    out.q = static_cast<int>(v[5] >> 62);
    v[5] &= (uint64_t{1} << 62) - 1;
    if (v[5] >= (uint64_t{1} << 61)) {
        v[5] -= uint64_t{1} << 61;
        out.negative = false;
        for (int k = 0; k < 6; ++k) {
            out.mag[k] = v[k];
        }
    } else {
        // 2^381 - v.
        uint64_t borrow = 0;
        for (int k = 0; k < 6; ++k) {
            const uint64_t minuend = k == 5 ? uint64_t{1} << 61 : 0;
            const uint64_t d = minuend - v[k] - borrow;
            borrow = (v[k] > minuend || (v[k] == minuend && borrow != 0)) ? 1 : 0;
            out.mag[k] = d;
        }
        out.negative = true;
    }
}

// ---------------------------------------------------------------------------------------------
// The slow stage: signed fixed point, value = N * 2^-316 with N a 320-bit two's complement
// number (|value| < 8).

constexpr int kFixScale = -316;

struct Fix {
    uint64_t w[5];
};

constexpr Fix kFixOne = {{0, 0, 0, 0, uint64_t{1} << 60}};
constexpr Fix kFixHalfPi = {
    {kHalfPiFixed[0], kHalfPiFixed[1], kHalfPiFixed[2], kHalfPiFixed[3], kHalfPiFixed[4]}};

bool IsZero(const Fix& a) {
    return (a.w[0] | a.w[1] | a.w[2] | a.w[3] | a.w[4]) == 0;
}

bool IsNegative(const Fix& a) {
    return (a.w[4] >> 63) != 0;
}

Fix FixAdd(const Fix& a, const Fix& b) {
    Fix r;
    uint64_t carry = 0;
    for (int k = 0; k < 5; ++k) {
        const uint64_t s = a.w[k] + carry;
        const uint64_t c1 = s < carry ? 1 : 0;
        r.w[k] = s + b.w[k];
        carry = c1 + (r.w[k] < s ? 1 : 0);
    }
    return r;
}

Fix FixNeg(const Fix& a) {
    Fix r;
    uint64_t carry = 1;
    for (int k = 0; k < 5; ++k) {
        r.w[k] = ~a.w[k] + carry;
        carry = (carry != 0 && r.w[k] == 0) ? 1 : 0;
    }
    return r;
}

Fix FixSub(const Fix& a, const Fix& b) {
    return FixAdd(a, FixNeg(b));
}

Fix FixAbs(const Fix& a) {
    return IsNegative(a) ? FixNeg(a) : a;
}

// a * b for a, b >= 0, truncated: error below 2^-316.
Fix FixMulU(const Fix& a, const Fix& b) {
    uint64_t p[10] = {};
    for (int i = 0; i < 5; ++i) {
        uint64_t carry = 0;
        for (int j = 0; j < 5; ++j) {
            uint64_t hi, lo;
            Mul64(a.w[i], b.w[j], hi, lo);
            lo += carry;
            hi += lo < carry ? 1 : 0;
            lo += p[i + j];
            hi += lo < p[i + j] ? 1 : 0;
            p[i + j] = lo;
            carry = hi;
        }
        p[i + 5] = carry;
    }
    Fix r;
    for (int k = 0; k < 5; ++k) {
        r.w[k] = (p[4 + k] >> 60) | (p[5 + k] << 4);
    }
    return r;
}

// a / d for a >= 0 and 0 < d < 2^32, truncated.
void FixDivSmall(Fix& a, uint64_t d) {
    uint64_t rem = 0;
    for (int k = 4; k >= 0; --k) {
        const uint64_t high = (rem << 32) | (a.w[k] >> 32);
        const uint64_t qh = high / d;
        rem = high % d;
        const uint64_t low = (rem << 32) | (a.w[k] & 0xffffffffU);
        const uint64_t ql = low / d;
        rem = low % d;
        a.w[k] = (qh << 32) | ql;
    }
}

// v exactly when |v| < 8 and v is a multiple of 2^-316 (truncated towards zero otherwise).
Fix FixFromDouble(double v) {
    Fix r = {};
    if (v == 0) {
        return r;
    }
    const uint64_t bits = std::bit_cast<uint64_t>(std::fabs(v));
    const int biased = static_cast<int>(bits >> 52);
    uint64_t m = bits & ((uint64_t{1} << 52) - 1);
    int e = -1074;
    if (biased != 0) {
        m |= uint64_t{1} << 52;
        e = biased - 1075;
    }
    const int s = e - kFixScale;
    if (s >= 0) {
        const int word = s >> 6;
        const int off = s & 63;
        r.w[word] = m << off;
        if (off != 0 && word + 1 < 5) {
            r.w[word + 1] = m >> (64 - off);
        }
    } else if (s > -64) {
        r.w[0] = m >> -s;
    }
    return v < 0 ? FixNeg(r) : r;
}

Fix FixFromDD(DD v) {
    return FixAdd(FixFromDouble(v.hi), FixFromDouble(v.lo));
}

DD FixToDD(const Fix& a) {
    if (IsZero(a)) {
        return {0, 0};
    }
    const Fix m = FixAbs(a);
    const DD d = LimbsToDD(m.w, 5, kFixScale);
    return IsNegative(a) ? Neg(d) : d;
}

double FixToDouble(const Fix& a) {
    const Fix m = FixAbs(a);
    const double d = RoundLimbs(m.w, 5, kFixScale, false);
    return IsNegative(a) ? -d : d;
}

// a / b rounded to nearest for a, b > 0: 190 quotient bits by long division, the remainder as
// the sticky bit.
double FixRatioToDouble(const Fix& a, const Fix& b) {
    const int pa = TopBit(a.w, 5);
    const int pb = TopBit(b.w, 5);
    // Both shifted so that their top bit is bit 318; then 2 * remainder stays below 2^320.
    uint64_t num[5], den[5];
    for (int k = 0; k < 5; ++k) {
        num[k] = Bits64(a.w, 5, 64 * k - (318 - pa));
        den[k] = Bits64(b.w, 5, 64 * k - (318 - pb));
    }
    constexpr int kBits = 190;
    uint64_t q[3] = {};
    for (int i = kBits - 1; i >= 0; --i) {
        bool ge = true;
        for (int k = 4; k >= 0; --k) {
            if (num[k] != den[k]) {
                ge = num[k] > den[k];
                break;
            }
        }
        if (ge) {
            uint64_t borrow = 0;
            for (int k = 0; k < 5; ++k) {
                const uint64_t d = num[k] - den[k] - borrow;
                borrow = (den[k] > num[k] || (den[k] == num[k] && borrow != 0)) ? 1 : 0;
                num[k] = d;
            }
            q[i >> 6] |= uint64_t{1} << (i & 63);
        }
        for (int k = 4; k > 0; --k) {
            num[k] = (num[k] << 1) | (num[k - 1] >> 63);
        }
        num[0] <<= 1;
    }
    const bool sticky = (num[0] | num[1] | num[2] | num[3] | num[4]) != 0;
    // q = floor(num / den * 2^(kBits - 1)), num / den = a / b * 2^(pb - pa).
    return RoundLimbs(q, 3, pa - pb - (kBits - 1), sticky);
}

// 1 / ax for ax in (1, 2^56): 2^(316 - e) / m by long division, truncated.
Fix FixReciprocal(double ax) {
    const uint64_t bits = std::bit_cast<uint64_t>(ax);
    const uint64_t m = (bits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
    const int e = static_cast<int>(bits >> 52) - 1075;
    const int top = -kFixScale - e; // the numerator's only bit
    Fix r = {};
    uint64_t rem = 0;
    for (int i = top; i >= 0; --i) {
        rem = (rem << 1) | (i == top ? 1 : 0);
        if (rem >= m) {
            rem -= m;
            if (i < 320) {
                r.w[i >> 6] |= uint64_t{1} << (i & 63);
            }
        }
    }
    return r;
}

// sin y and cos y for y in [0, 1.6] by their series, until the terms vanish: about 75 terms,
// each truncated twice, so both within 2^-305.
void FixSinCos(const Fix& y, Fix& s, Fix& c) {
    const Fix y2 = FixMulU(y, y);
    s = Fix{};
    Fix term = y;
    bool plus = true;
    for (uint64_t k = 1; !IsZero(term); k += 2) {
        s = plus ? FixAdd(s, term) : FixSub(s, term);
        plus = !plus;
        term = FixMulU(term, y2);
        FixDivSmall(term, (k + 1) * (k + 2));
    }
    c = Fix{};
    term = kFixOne;
    plus = true;
    for (uint64_t k = 0; !IsZero(term); k += 2) {
        c = plus ? FixAdd(c, term) : FixSub(c, term);
        plus = !plus;
        term = FixMulU(term, y2);
        FixDivSmall(term, (k + 1) * (k + 2));
    }
}

// |x| = q * pi/2 + (negative ? -r : r), r in [0, pi/4] within 2^-310.
void ReduceSlow(double ax, Fix& r, int& q, bool& negative) {
    if (ax <= kDirectLimit) {
        r = FixFromDouble(ax);
        q = 0;
        negative = false;
        return;
    }
    Reduction red;
    Reduce(ax, red);
    Fix f;
    for (int k = 0; k < 5; ++k) {
        f.w[k] = Bits64(red.mag, 6, 64 * k + 66);
    }
    r = FixMulU(f, kFixHalfPi);
    q = red.q;
    negative = red.negative;
}

// Newton's iteration y <- y - g(y) / g'(y) from the fast stage's approximation (relative error
// 2^-87): each step squares the error, down to the 2^-290 or so that the fixed point allows.
template <typename Step> Fix Newton(Fix y, Step step) {
    for (int i = 0; i < 8; ++i) {
        const DD delta = step(y);
        y = FixSub(y, FixFromDD(delta));
        if (std::fabs(delta.hi) < 0x1p-270) {
            break;
        }
    }
    return y;
}
} // namespace

// The reduced argument's relative error is below 2^-103: the 2^-115 of its conversion, the
// product by pi/2 in double-double.
Reduced ReduceExact(double ax) {
    Reduction red;
    Reduce(ax, red);
    return {portable::Mul(LimbsToDD(red.mag, 6, -382), kHalfPi), red.q, red.negative};
}

double SinSlow(double x) {
    Fix r;
    int q;
    bool negative;
    ReduceSlow(std::fabs(x), r, q, negative);
    Fix s, c;
    FixSinCos(r, s, c);
    bool neg = (q & 2) != 0;
    if ((q & 1) == 0) {
        neg = neg != negative;
    }
    neg = neg != (x < 0);
    const double y = FixToDouble((q & 1) != 0 ? c : s);
    return neg ? -y : y;
}

double CosSlow(double x) {
    Fix r;
    int q;
    bool negative;
    ReduceSlow(std::fabs(x), r, q, negative);
    Fix s, c;
    FixSinCos(r, s, c);
    bool neg = q == 1 || q == 2;
    if ((q & 1) != 0) {
        neg = neg != negative;
    }
    const double y = FixToDouble((q & 1) != 0 ? s : c);
    return neg ? -y : y;
}

double TanSlow(double x) {
    Fix r;
    int q;
    bool negative;
    ReduceSlow(std::fabs(x), r, q, negative);
    Fix s, c;
    FixSinCos(r, s, c);
    const bool odd = (q & 1) != 0;
    const double y = odd ? FixRatioToDouble(c, s) : FixRatioToDouble(s, c);
    const bool neg = (odd != negative) != (x < 0);
    return neg ? -y : y;
}

// atan z for z = |x| or 1/|x| in [2^-56, 1], solving sin y - z cos y = 0.
double AtanSlow(double x) {
    const double ax = std::fabs(x);
    const bool inverse = ax > 1;
    const Fix z = inverse ? FixReciprocal(ax) : FixFromDouble(ax);
    Fix y = Newton(FixFromDD(portable::AtanRatio<false>(FixToDD(z), {1, 0})), [&z](const Fix& y) {
        Fix s, c;
        FixSinCos(y, s, c);
        const Fix g = FixSub(s, FixMulU(z, c));
        return Div(FixToDD(g), FixToDD(FixAdd(c, FixMulU(z, s))));
    });
    if (inverse) {
        y = FixSub(kFixHalfPi, y);
    }
    const double r = FixToDouble(y);
    return x < 0 ? -r : r;
}

// asin |x| solving sin y - |x| = 0; cos y stays above 2^-27 for |x| < 1.
double AsinSlow(double x) {
    const double ax = std::fabs(x);
    const Fix a = FixFromDouble(ax);
    const DD y0 = portable::AsinApprox(ax);
    const Fix y = Newton(FixFromDD(y0), [&a](const Fix& y) {
        Fix s, c;
        FixSinCos(y, s, c);
        const Fix g = FixSub(s, a);
        if (IsZero(g)) {
            return DD{0, 0};
        }
        return Div(FixToDD(g), FixToDD(c));
    });
    const double r = FixToDouble(y);
    return x < 0 ? -r : r;
}

#if defined(VEXAMO_CR_MATH_FMA)
namespace {

bool DetectFma() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("fma") != 0 && __builtin_cpu_supports("avx2") != 0;
}

// Before this is set (in the initialisers of other files) the portable path answers, with the same
// bits.
const bool kFma = DetectFma();

} // namespace

bool HasFma() {
    return kFma;
}
#else
// Without the build for fused multiply-add its names answer as the portable build.
namespace fma {
#include "astro/cr_math_fast.inc"
} // namespace fma

bool HasFma() {
    return false;
}
#endif

} // namespace cr_math_detail

#if defined(VEXAMO_CR_MATH_FMA)
#define VEXAMO_CR_MATH_CALL(f, x)                                                                  \
    (cr_math_detail::kFma ? cr_math_detail::fma::f(x) : cr_math_detail::portable::f(x))
#else
#define VEXAMO_CR_MATH_CALL(f, x) cr_math_detail::portable::f(x)
#endif

double CrSin(double x) {
    return VEXAMO_CR_MATH_CALL(Sin, x);
}

double CrCos(double x) {
    return VEXAMO_CR_MATH_CALL(Cos, x);
}

void CrSinCos(double x, double* sinOut, double* cosOut) {
#if defined(VEXAMO_CR_MATH_FMA)
    if (cr_math_detail::kFma) {
        cr_math_detail::fma::SinCos(x, sinOut, cosOut);
        return;
    }
#endif
    cr_math_detail::portable::SinCos(x, sinOut, cosOut);
}

double CrTan(double x) {
    return VEXAMO_CR_MATH_CALL(Tan, x);
}

double CrAtan(double x) {
    return VEXAMO_CR_MATH_CALL(Atan, x);
}

double CrAsin(double x) {
    return VEXAMO_CR_MATH_CALL(Asin, x);
}
