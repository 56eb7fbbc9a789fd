#include "astro/text_format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

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

// "00", "01", ... "99".
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// printf("%.*f", decimals, v) for a finite v whose scaled fraction fits 64 bits, written at p
// (room for 40 characters); nullptr otherwise, and the caller takes the general path. A double
// is a whole number times a power of two, so with its fraction scaled by 10^decimals the
// rounding to nearest, ties to even, is decided exactly on integers, as printf decides it.
char* PutFixedQuick(char* p, double v, uint64_t scale, int scaleBits, int decimals) {
    // |v| = whole / 2^shift, read from the bits: the 52 stored bits of the significand with its
    // leading one, and the biased exponent. Zero and subnormals take the general path.
    const auto bits = std::bit_cast<uint64_t>(v);
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    if (biased == 0) {
        return nullptr;
    }
    const uint64_t whole = (bits & 0xfffffffffffff) | (uint64_t{1} << 52);
    const int shift = 1075 - biased;
    if (shift <= 0 || (shift > 64 - scaleBits && 53 + scaleBits > 64)) {
        return nullptr; // 2^52 and more, or a fraction too fine for 64 bits
    }
    uint64_t integer = 0;
    uint64_t scaled = 0; // the fraction times the scale, in units of 2^-shift
    if (shift >= 64) {
        scaled = whole * scale;
    } else {
        integer = whole >> shift;
        scaled = (whole & ((uint64_t{1} << shift) - 1)) * scale;
    }
    uint64_t decimalsValue = 0;
    if (shift < 64) {
        decimalsValue = scaled >> shift;
        const uint64_t rest = scaled & ((uint64_t{1} << shift) - 1);
        const uint64_t half = uint64_t{1} << (shift - 1);
        // Up where the rest is over half, or half and the last digit odd; without a branch, as
        // either way is equally likely.
        decimalsValue += static_cast<uint64_t>(rest > half) |
                         (static_cast<uint64_t>(rest == half) & (decimalsValue & 1));
    } // else: below half a unit of the last decimal (scaled < 2^63), which rounds to zero
    if (decimalsValue == scale) {
        ++integer;
        decimalsValue = 0;
    }
    if (std::signbit(v)) {
        *p++ = '-';
    }
    if (integer < 100) {
        // One digit or two, as likely as each other for a percentage: both ways in one.
        const char* pair = &kDigitPairs[2 * integer];
        const int digits = integer < 10 ? 1 : 2;
        p[0] = pair[2 - digits];
        p[1] = pair[1];
        p += digits;
    } else {
        p = std::to_chars(p, p + 20, integer).ptr;
    }
    *p++ = '.';
    // The decimals two at a time from the right, with their leading zeros.
    int left = decimals;
    for (; left >= 2; left -= 2) {
        std::copy_n(&kDigitPairs[2 * (decimalsValue % 100)], 2, p + left - 2);
        decimalsValue /= 100;
    }
    if (left == 1) {
        *p = static_cast<char>('0' + decimalsValue);
    }
    return p + decimals;
}

} // namespace

char* PutIntText(char* p, int32_t v) {
    // Days, months, hours and minutes, most of what is written, have one or two digits.
    if (v >= 0 && v < 10) {
        *p = static_cast<char>('0' + v);
        return p + 1;
    }
    if (v >= 10 && v < 100) {
        return std::copy_n(&kDigitPairs[2 * v], 2, p);
    }
    return std::to_chars(p, p + 11, v).ptr;
}

std::string FormatInt(int32_t v) {
    std::array<char, 16> buffer;
    return std::string(buffer.data(), PutIntText(buffer.data(), v));
}

std::string FormatInt2(int32_t v) {
    std::string text = FormatInt(v);
    if (text.size() < 2) {
        text.insert(text.begin(), '0');
    }
    return text;
}

std::string FormatJulianText(double jd) {
    if (std::isfinite(jd)) {
        std::array<char, 40> buffer;
        if (char* end = PutFixedQuick(buffer.data(), jd, 1000000, 20, 6)) {
            return std::string(buffer.data(), end);
        }
    }
    return FormatFixed(jd, 6);
}

char* PutPercentText(char* p, double percent) {
    char* end = nullptr;
    if (!std::isfinite(percent)) {
        const std::string text = FormatFixed(percent, 2);
        end = std::copy(text.begin(), text.end(), p);
    } else {
        end = PutFixedQuick(p, percent, 100, 7, 2);
        if (end == nullptr) {
            end = std::to_chars(p, p + kPercentTextRoom - 2, percent, std::chars_format::fixed, 2)
                      .ptr;
        }
    }
    *end++ = ' ';
    *end++ = '%';
    return end;
}

std::string FormatPercentText(double percent) {
    std::array<char, kPercentTextRoom> buffer;
    return std::string(buffer.data(), PutPercentText(buffer.data(), percent));
}

namespace {

// "d.m.y h:mmUhr" at p; returns the end. Five numbers of at most 11 characters, four
// separators, a padding zero (only before a one-digit minute) and "Uhr": 62 at most.
char* PutMomentText(char* p, int32_t day, int32_t month, int32_t year, int32_t hour,
                    int32_t minute) {
    p = PutIntText(p, day);
    *p++ = '.';
    p = PutIntText(p, month);
    *p++ = '.';
    p = PutIntText(p, year);
    *p++ = ' ';
    p = PutIntText(p, hour);
    *p++ = ':';
    if (minute >= 0 && minute < 10) {
        *p++ = '0';
    }
    p = PutIntText(p, minute);
    *p++ = 'U';
    *p++ = 'h';
    *p++ = 'r';
    return p;
}

} // namespace

void AssignMomentText(MomentText& out, int32_t day, int32_t month, int32_t year, int32_t hour,
                      int32_t minute) {
    std::array<char, 5 * 11 + 8> buffer;
    out.assign({buffer.data(), PutMomentText(buffer.data(), day, month, year, hour, minute)});
}

std::string FormatMomentText(int32_t day, int32_t month, int32_t year, int32_t hour,
                             int32_t minute) {
    std::array<char, 5 * 11 + 8> buffer;
    return std::string(buffer.data(), PutMomentText(buffer.data(), day, month, year, hour, minute));
}
