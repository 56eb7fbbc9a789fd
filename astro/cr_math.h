#pragma once
// Correctly rounded sine, cosine, tangent, arc tangent and arc sine: the exact value of the
// function rounded to the nearest double, ties to even, for every finite argument. The same
// argument gives the same bits on every processor, compiler and C library. NaN and the
// infinities give what the C library gives. cr_math_lanes.h computes them for four arguments at
// once, with the same results.

double CrSin(double x);
double CrCos(double x);
// CrSin(x) and CrCos(x) together, in less time than the two.
void CrSinCos(double x, double* sinOut, double* cosOut);
double CrTan(double x);
double CrAtan(double x);
double CrAsin(double x);
