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
    std::array<char, 320 + 64> buffer;
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

namespace {

// The digits of v written at p (room for 11 characters); returns the end.
char* PutInt(char* p, int32_t v) {
    return std::to_chars(p, p + 11, v).ptr;
}

} // namespace

std::string FormatInt(int32_t v) {
    std::array<char, 16> buffer;
    return std::string(buffer.data(), PutInt(buffer.data(), v));
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
    if (!std::isfinite(percent)) {
        return FormatFixed(percent, 2) + " %";
    }
    std::array<char, 320 + 8> buffer;
    char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size() - 2, percent,
                              std::chars_format::fixed, 2)
                    .ptr;
    *end++ = ' ';
    *end++ = '%';
    return std::string(buffer.data(), end);
}

void AssignMomentText(std::string& out, int32_t day, int32_t month, int32_t year, int32_t hour,
                      int32_t minute) {
    // Five numbers of at most 11 characters, four separators, a padding zero and "Uhr".
    std::array<char, 5 * 11 + 8> buffer;
    char* p = PutInt(buffer.data(), day);
    *p++ = '.';
    p = PutInt(p, month);
    *p++ = '.';
    p = PutInt(p, year);
    *p++ = ' ';
    p = PutInt(p, hour);
    *p++ = ':';
    if (minute >= 0 && minute < 10) {
        *p++ = '0';
    }
    p = PutInt(p, minute);
    *p++ = 'U';
    *p++ = 'h';
    *p++ = 'r';
    out.assign(buffer.data(), p);
}

std::string FormatMomentText(int32_t day, int32_t month, int32_t year, int32_t hour,
                             int32_t minute) {
    std::string text;
    AssignMomentText(text, day, month, year, hour, minute);
    return text;
}
