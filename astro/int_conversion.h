#pragma once
// Conversion of whole-valued doubles to 32-bit integers without undefined behaviour.
#include <cmath>
#include <cstdint>
#include <limits>

// Truncates toward zero like a plain cast for every value within the 32-bit range; values
// beyond it saturate and NaN gives 0 instead of being undefined.
inline int32_t TruncateToInt32(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    if (v <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
        return std::numeric_limits<int32_t>::min();
    }
    if (v >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
        return std::numeric_limits<int32_t>::max();
    }
    return static_cast<int32_t>(v);
}
