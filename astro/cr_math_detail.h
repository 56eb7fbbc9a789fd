#pragma once
// The two stages of the functions of cr_math.h, for the tests: the fast double-double
// approximation and the slow path in 316-bit fixed point.

namespace cr_math_detail {

struct DD {
    double hi;
    double lo;
};

// The fast stage's approximation of f(x) and the bound on its relative error that the rounding
// test assumes. Defined for finite x outside the ranges answered without computation (|x| below
// 2^-26 for the sine and the arc sine, below 2^-27 for the others, above 2^55 for the arc
// tangent, |x| >= 1 for the arc sine).
DD SinApprox(double x);
DD CosApprox(double x);
DD TanApprox(double x);
DD AtanApprox(double x);
DD AsinApprox(double x);
extern const double kSinCosBound;
extern const double kTanBound;
extern const double kAtanBound;
extern const double kAsinBound;

// The slow stage, correctly rounded on the same domain.
double SinSlow(double x);
double CosSlow(double x);
double TanSlow(double x);
double AtanSlow(double x);
double AsinSlow(double x);

} // namespace cr_math_detail
