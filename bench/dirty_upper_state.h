#pragma once
// Leaves the upper halves of the vector registers marked in use, as code built for AVX does
// when it returns without clearing them (what a graphics library may leave behind).
#include <benchmark/benchmark.h>

#if defined(__x86_64__) || defined(__i386__)
inline bool CpuHasAvx() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") != 0;
}

// One 256-bit instruction, without the clearing a compiler would add after it.
inline void DirtyUpperVectorState() {
    __asm__ volatile("vaddpd %%ymm15, %%ymm15, %%ymm15" ::: "xmm15");
}
#else
inline bool CpuHasAvx() {
    return false;
}
inline void DirtyUpperVectorState() {}
#endif

// Skips the benchmark where there is no upper state to dirty; returns whether it may run.
inline bool RequireAvx(benchmark::State& state) {
    if (!CpuHasAvx()) {
        state.SkipWithError("the processor has no AVX");
        return false;
    }
    return true;
}
