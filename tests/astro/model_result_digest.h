#pragma once
// The digests of a birth's evaluation that cr_math_results_test.cpp pins: one of its numbers
// (their bits) and one of its texts, type and picture.
#include <bit>
#include <cstdint>
#include <string_view>

#include "astro/birth.h"
#include "tests/astro/cr_math_arguments.h"

namespace cr_math_arguments {

struct ModelDigest {
    uint64_t numbers;
    uint64_t texts;
};

inline uint64_t MixText(uint64_t h, std::string_view text) {
    h = Mix(h, text.size());
    for (const char c : text) {
        h = Mix(h, static_cast<unsigned char>(c));
    }
    return h;
}

inline ModelDigest DigestOf(const BirthEvaluation& r) {
    uint64_t n = 0;
    for (const double x : {r.m_dJulianDate, r.m_dMoonPercent, r.m_dSunPercent, r.m_dMoonDayPercent,
                           r.m_dEcartPercent}) {
        n = Mix(n, std::bit_cast<uint64_t>(x));
    }
    for (const double x : r.m_phases) {
        n = Mix(n, std::bit_cast<uint64_t>(x));
    }
    uint64_t t = Mix(0, static_cast<uint64_t>(r.m_nType));
    t = Mix(t, static_cast<uint64_t>(r.m_nTypeBitmap));
    for (const std::string_view s :
         {std::string_view(r.m_strJulianDate), std::string_view(r.m_strMoonPercent),
          std::string_view(r.m_strSunPercent), std::string_view(r.m_strMoonDayPercent),
          std::string_view(r.m_strEcartPercent), r.m_strLastNewMoon.view(), r.m_strFullMoon.view(),
          r.m_strNextNewMoon.view(), r.m_strBirthMoment.view()}) {
        t = MixText(t, s);
    }
    return {n, t};
}

inline ModelDigest DigestOf(const Birth& b) {
    return DigestOf(
        EvaluateBirth(b.day, b.month, b.year, b.hour, b.minute, b.tz, b.southern, b.constZone));
}

} // namespace cr_math_arguments
