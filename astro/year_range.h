#pragma once
// The years for which an evaluation is defined and runs in bounded time.
#include <cstdint>

inline constexpr int32_t kMinSupportedYear = -99999;
inline constexpr int32_t kMaxSupportedYear = 99999;

constexpr bool IsSupportedYear(int32_t year) {
    return year >= kMinSupportedYear && year <= kMaxSupportedYear;
}
