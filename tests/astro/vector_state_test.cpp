#include <gtest/gtest.h>

#include "astro/birth.h"
#include "astro/sun.h"
#include "astro/vector_state.h"

namespace {

#if defined(__x86_64__) || defined(__i386__)
bool HasAvx() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") != 0;
}
// What AVX code that returns without clearing leaves behind.
void DirtyUpperState() {
    __asm__ volatile("vaddpd %%ymm15, %%ymm15, %%ymm15" ::: "xmm15");
}
#else
bool HasAvx() {
    return false;
}
void DirtyUpperState() {}
#endif

void ExpectSameEvaluation(const BirthEvaluation& a, const BirthEvaluation& b) {
    EXPECT_EQ(a.m_dJulianDate, b.m_dJulianDate);
    EXPECT_EQ(a.m_dMoonPercent, b.m_dMoonPercent);
    EXPECT_EQ(a.m_dSunPercent, b.m_dSunPercent);
    EXPECT_EQ(a.m_dMoonDayPercent, b.m_dMoonDayPercent);
    EXPECT_EQ(a.m_dEcartPercent, b.m_dEcartPercent);
    EXPECT_EQ(a.m_nType, b.m_nType);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(a.m_phases[i], b.m_phases[i]);
    }
    EXPECT_EQ(a.m_strLastNewMoon, b.m_strLastNewMoon);
    EXPECT_EQ(a.m_strSunPercent, b.m_strSunPercent);
}

} // namespace

// Clearing the state is invisible to the results, whether or not it was dirty before.
TEST(VectorState, EvaluationIsTheSameAfterDirtyAndClearedState) {
    const BirthEvaluation clean = EvaluateBirth(20, 3, 2000, 8, 0, -1, 0, 0);
    const double declination = SunDeclination(2451545.0);
    if (HasAvx()) {
        DirtyUpperState();
    }
    ExpectSameEvaluation(EvaluateBirth(20, 3, 2000, 8, 0, -1, 0, 0), clean);
    if (HasAvx()) {
        DirtyUpperState();
    }
    ClearUpperVectorState();
    EXPECT_EQ(SunDeclination(2451545.0), declination);
    ClearUpperVectorState(); // harmless when already clear
    ExpectSameEvaluation(EvaluateBirth(20, 3, 2000, 8, 0, -1, 0, 0), clean);
}
