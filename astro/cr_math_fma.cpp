// The fast stage compiled for processors with fused multiply-add (and AVX2), which
// astro/cr_math.cpp calls where the processor has them.
#include <cmath>
#include <cstdint>
#include <limits>

#include "astro/cr_math_detail.h"

#if !defined(__FMA__)
#error "astro/cr_math_fma.cpp needs -mfma"
#endif

namespace cr_math_detail {

#include "astro/cr_math_tables.inc"

namespace fma {
#include "astro/cr_math_fast.inc"
} // namespace fma

} // namespace cr_math_detail
