#pragma once
#include <cstddef>
// The functions of cr_math.h for several arguments at once: four by the processor's vector
// lanes (AVX2 and fused multiply-add where it has them, two lanes of 128 bits otherwise), or any
// count, four at a time. Each result is that of the scalar function, bit for bit. x and out may
// be the same array.

void CrSin4(const double* x, double* out);
void CrCos4(const double* x, double* out);
void CrSinCos4(const double* x, double* sinOut, double* cosOut);
void CrTan4(const double* x, double* out);
void CrAtan4(const double* x, double* out);
void CrAsin4(const double* x, double* out);

void CrSinN(const double* x, double* out, size_t count);
void CrCosN(const double* x, double* out, size_t count);
void CrSinCosN(const double* x, double* sinOut, double* cosOut, size_t count);
void CrTanN(const double* x, double* out, size_t count);
void CrAtanN(const double* x, double* out, size_t count);
void CrAsinN(const double* x, double* out, size_t count);
