#include "app/utc_text.h"

#include <charconv>
#include <cstdint>

#include "astro/calendar.h"

namespace {

// printf("%0*d", width, value) written at p (room for 21 characters): the sign counts towards
// the width. Returns the end.
char* PutPadded(char* p, int64_t value, int width) {
    if (width == 2 && value >= 0 && value < 100) {
        p[0] = static_cast<char>('0' + value / 10);
        p[1] = static_cast<char>('0' + value % 10);
        return p + 2;
    }
    const uint64_t magnitude =
        value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    if (value < 0) {
        *p++ = '-';
        --width;
    }
    char digits[20];
    const char* end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    for (int count = static_cast<int>(end - digits); count < width; ++count) {
        *p++ = '0';
    }
    for (const char* d = digits; d != end; ++d) {
        *p++ = *d;
    }
    return p;
}

} // namespace

void AppendIsoUtcText(std::string& out, double jd) {
    const CivilMoment m = CivilMomentOf(jd);
    const int32_t year = m.year;
    // A sign, six numbers of at most 11 characters each, six separators.
    char text[1 + 6 * 11 + 6];
    char* p = text;
    if (year < 0) {
        *p++ = '-';
    } else if (year > 9999) {
        *p++ = '+';
    }
    p = PutPadded(p, year < 0 ? -static_cast<int64_t>(year) : year, 4);
    *p++ = '-';
    p = PutPadded(p, m.month, 2);
    *p++ = '-';
    p = PutPadded(p, m.day, 2);
    *p++ = 'T';
    p = PutPadded(p, m.hour, 2);
    *p++ = ':';
    p = PutPadded(p, m.minute, 2);
    *p++ = ':';
    p = PutPadded(p, m.second, 2);
    *p++ = 'Z';
    out.append(text, p);
}

std::string IsoUtcText(double jd) {
    std::string text;
    text.reserve(32);
    AppendIsoUtcText(text, jd);
    return text;
}
