#include "astro/text_format.h"

#include <array>
#include <charconv>
#include <cmath>

std::string FormatFixed(double v, int precision) {
    if (std::isnan(v)) {
        return std::signbit(v) ? "-nan" : "nan";
    }
    if (std::isinf(v)) {
        return v < 0 ? "-inf" : "inf";
    }
    // The largest double has 309 integer digits; the buffer holds those and the decimals.
    std::array<char, 320 + 64> buffer{};
    if (precision < 0) {
        precision = 6;
    }
    if (precision > 64) {
        precision = 64;
    }
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v,
                                      std::chars_format::fixed, precision);
    return std::string(buffer.data(), result.ptr);
}

std::string FormatInt(int32_t v) {
    std::array<char, 16> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v);
    return std::string(buffer.data(), result.ptr);
}

std::string FormatInt2(int32_t v) {
    std::string text = FormatInt(v);
    if (text.size() < 2) {
        text.insert(text.begin(), '0');
    }
    return text;
}

std::string FormatJulianText(double jd) {
    return FormatFixed(jd, 6);
}

std::string FormatPercentText(double percent) {
    return FormatFixed(percent, 2) + " %";
}

std::string FormatMomentText(int32_t day, int32_t month, int32_t year, int32_t hour,
                             int32_t minute) {
    std::string text = FormatInt(day);
    text += '.';
    text += FormatInt(month);
    text += '.';
    text += FormatInt(year);
    text += ' ';
    text += FormatInt(hour);
    text += ':';
    text += FormatInt2(minute);
    text += "Uhr";
    return text;
}
