#include "astro/vector_state.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace {

bool CpuHasAvx() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") != 0;
}

__attribute__((target("avx"))) void ZeroUpper() {
    _mm256_zeroupper();
}

} // namespace

void ClearUpperVectorState() {
    static const bool hasAvx = CpuHasAvx();
    if (hasAvx) {
        ZeroUpper();
    }
}
#else
void ClearUpperVectorState() {}
#endif
