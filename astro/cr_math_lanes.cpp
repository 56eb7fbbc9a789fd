#include "astro/cr_math_lanes.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "astro/cr_math.h"
#include "astro/cr_math_detail.h"

namespace cr_math_detail {

#include "astro/cr_math_tables.inc"

namespace portable {
#include "astro/cr_math_lanes.inc"
} // namespace portable

#if !defined(VEXAMO_CR_MATH_FMA)
// Without the build for AVX2 and fused multiply-add its names answer as the portable build.
namespace fma {
#include "astro/cr_math_lanes.inc"
} // namespace fma
#endif

} // namespace cr_math_detail

namespace {

namespace detail = cr_math_detail;

// count arguments four at a time; a last one alone by the scalar function, two or three filled up
// to four with copies of the first of them.
template <void (*F4)(const double*, double*), double (*F1)(double)>
void Each(const double* x, double* out, size_t count) {
    for (; count >= 4; count -= 4, x += 4, out += 4) {
        F4(x, out);
    }
    if (count == 1) {
        out[0] = F1(x[0]);
    } else if (count > 1) {
        double in[4], result[4];
        for (size_t i = 0; i < 4; ++i) {
            in[i] = x[i < count ? i : 0];
        }
        F4(in, result);
        std::memcpy(out, result, count * sizeof(double));
    }
}

} // namespace

void CrSin4(const double* x, double* out) {
    detail::HasFma() ? detail::fma::Sin4(x, out) : detail::portable::Sin4(x, out);
}

void CrCos4(const double* x, double* out) {
    detail::HasFma() ? detail::fma::Cos4(x, out) : detail::portable::Cos4(x, out);
}

void CrSinCos4(const double* x, double* sinOut, double* cosOut) {
    detail::HasFma() ? detail::fma::SinCos4(x, sinOut, cosOut)
                     : detail::portable::SinCos4(x, sinOut, cosOut);
}

void CrTan4(const double* x, double* out) {
    detail::HasFma() ? detail::fma::Tan4(x, out) : detail::portable::Tan4(x, out);
}

void CrAtan4(const double* x, double* out) {
    detail::HasFma() ? detail::fma::Atan4(x, out) : detail::portable::Atan4(x, out);
}

void CrAsin4(const double* x, double* out) {
    detail::HasFma() ? detail::fma::Asin4(x, out) : detail::portable::Asin4(x, out);
}

void CrSinN(const double* x, double* out, size_t count) {
    Each<CrSin4, CrSin>(x, out, count);
}

void CrCosN(const double* x, double* out, size_t count) {
    Each<CrCos4, CrCos>(x, out, count);
}

void CrSinCosN(const double* x, double* sinOut, double* cosOut, size_t count) {
    for (; count >= 4; count -= 4, x += 4, sinOut += 4, cosOut += 4) {
        CrSinCos4(x, sinOut, cosOut);
    }
    if (count == 1) {
        CrSinCos(x[0], sinOut, cosOut);
    } else if (count > 1) {
        double in[4], s[4], c[4];
        for (size_t i = 0; i < 4; ++i) {
            in[i] = x[i < count ? i : 0];
        }
        CrSinCos4(in, s, c);
        std::memcpy(sinOut, s, count * sizeof(double));
        std::memcpy(cosOut, c, count * sizeof(double));
    }
}

void CrTanN(const double* x, double* out, size_t count) {
    Each<CrTan4, CrTan>(x, out, count);
}

void CrAtanN(const double* x, double* out, size_t count) {
    Each<CrAtan4, CrAtan>(x, out, count);
}

void CrAsinN(const double* x, double* out, size_t count) {
    Each<CrAsin4, CrAsin>(x, out, count);
}
