// The first stage for several arguments at once compiled for processors with AVX2 and fused
// multiply-add, which astro/cr_math_lanes.cpp calls where the processor has them.
#include <immintrin.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "astro/cr_math_detail.h"

#if !defined(__FMA__) || !defined(__AVX2__)
#error "astro/cr_math_lanes_fma.cpp needs -mfma -mavx2"
#endif

namespace cr_math_detail {

#include "astro/cr_math_tables.inc"

namespace fma {
#include "astro/cr_math_lanes.inc"
} // namespace fma

} // namespace cr_math_detail
