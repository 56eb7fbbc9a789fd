#pragma once
// The parts of the functions of cr_math.h, for their two builds and for the tests: the fast
// double-double stage (compiled for any processor and for those with fused multiply-add), the
// exact argument reduction and the slow stage in 316-bit fixed point.

namespace cr_math_detail {

struct DD {
    double hi;
    double lo;
};

// The bounds on the first stage's relative error that its rounding test assumes (the analyses
// in cr_math_fast.inc give 2^-68 for the sine and cosine, 2^-66.9 for the tangent, 2^-68.4 for
// the arc tangent and arc sine; the margin covers the rounding of the test itself).
inline constexpr double kSinCosQuickBound = 0x1p-64;
inline constexpr double kTanQuickBound = 0x1p-63;
inline constexpr double kAtanQuickBound = 0x1p-64;
inline constexpr double kAsinQuickBound = 0x1p-64;

// The bounds on the double-double stage's relative error that its rounding test assumes.
inline constexpr double kSinCosBound = 0x1p-80;
inline constexpr double kTanBound = 0x1p-79;
inline constexpr double kAtanBound = 0x1p-80;
inline constexpr double kAsinBound = 0x1p-80;

// The largest argument of the sine, cosine and tangent used without reduction (below pi/4).
inline constexpr double kDirectLimit = 0.785;

// |x| = q pi/2 + (negative ? -r : r) (mod 2 pi) with r in [0, pi/4 + 2^-40].
struct Reduced {
    DD r;
    int q;
    bool negative;
};

// The reduction by pi/2 of any finite ax >= kDirectLimit, exact in integer arithmetic.
Reduced ReduceExact(double ax);

// The fast stage's approximation of f(x), and f(x) correctly rounded, by the build for any
// processor and by the one for processors with fused multiply-add (where HasFma()). The
// approximations are defined for finite x outside the ranges answered without computation (|x|
// below 2^-26 for the sine and the arc sine, below 2^-27 for the others, above 2^55 for the arc
// tangent, |x| >= 1 for the arc sine).
namespace portable {
DD SinQuickApprox(double x);
DD CosQuickApprox(double x);
DD TanQuickApprox(double x);
DD AtanQuickApprox(double x);
DD AsinQuickApprox(double x);
DD SinApprox(double x);
DD CosApprox(double x);
DD TanApprox(double x);
DD AtanApprox(double x);
DD AsinApprox(double x);
double Sin(double x);
double Cos(double x);
void SinCos(double x, double* sinOut, double* cosOut);
double Tan(double x);
double Atan(double x);
double Asin(double x);
// The same for four arguments at once (cr_math_lanes.inc); x and out may be the same array. The
// first stage alone (Quick4): the results of the lanes it decides, and which (bit i for x[i]; for
// the cosines of SinCosQuick4 bit 4 + i); x and out must not overlap.
unsigned SinQuick4(const double* x, double* out);
unsigned CosQuick4(const double* x, double* out);
unsigned SinCosQuick4(const double* x, double* sinOut, double* cosOut);
unsigned TanQuick4(const double* x, double* out);
unsigned AtanQuick4(const double* x, double* out);
unsigned AsinQuick4(const double* x, double* out);
void Sin4(const double* x, double* out);
void Cos4(const double* x, double* out);
void SinCos4(const double* x, double* sinOut, double* cosOut);
void Tan4(const double* x, double* out);
void Atan4(const double* x, double* out);
void Asin4(const double* x, double* out);
} // namespace portable
namespace fma {
DD SinQuickApprox(double x);
DD CosQuickApprox(double x);
DD TanQuickApprox(double x);
DD AtanQuickApprox(double x);
DD AsinQuickApprox(double x);
DD SinApprox(double x);
DD CosApprox(double x);
DD TanApprox(double x);
DD AtanApprox(double x);
DD AsinApprox(double x);
double Sin(double x);
double Cos(double x);
void SinCos(double x, double* sinOut, double* cosOut);
double Tan(double x);
double Atan(double x);
double Asin(double x);
// The same for four arguments at once (cr_math_lanes.inc); x and out may be the same array. The
// first stage alone (Quick4): the results of the lanes it decides, and which (bit i for x[i]; for
// the cosines of SinCosQuick4 bit 4 + i); x and out must not overlap.
unsigned SinQuick4(const double* x, double* out);
unsigned CosQuick4(const double* x, double* out);
unsigned SinCosQuick4(const double* x, double* sinOut, double* cosOut);
unsigned TanQuick4(const double* x, double* out);
unsigned AtanQuick4(const double* x, double* out);
unsigned AsinQuick4(const double* x, double* out);
void Sin4(const double* x, double* out);
void Cos4(const double* x, double* out);
void SinCos4(const double* x, double* sinOut, double* cosOut);
void Tan4(const double* x, double* out);
void Atan4(const double* x, double* out);
void Asin4(const double* x, double* out);
} // namespace fma
// Whether the processor has fused multiply-add and AVX2, for which the fma builds are made.
bool HasFma();

// The slow stage, correctly rounded on the same domain.
double SinSlow(double x);
double CosSlow(double x);
double TanSlow(double x);
double AtanSlow(double x);
double AsinSlow(double x);

} // namespace cr_math_detail
