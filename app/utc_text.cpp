#include "app/utc_text.h"

#include <array>
#include <charconv>
#include <cstdint>

#include "astro/calendar.h"

namespace {

// printf("%0*d", width, value): the sign counts towards the width.
void AppendPadded(std::string& out, int64_t value, int width) {
    std::array<char, 24> digits;
    const uint64_t magnitude =
        value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude).ptr;
    const int count = static_cast<int>(end - digits.data());
    if (value < 0) {
        out.push_back('-');
        --width;
    }
    if (count < width) {
        out.append(static_cast<size_t>(width - count), '0');
    }
    out.append(digits.data(), end);
}

} // namespace

void AppendIsoUtcText(std::string& out, double jd) {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    CalendarDate(jd, year, month, day);
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;
    TimeOfDay(jd, hour, minute, second);
    if (year < 0) {
        out.push_back('-');
    } else if (year > 9999) {
        out.push_back('+');
    }
    AppendPadded(out, year < 0 ? -static_cast<int64_t>(year) : year, 4);
    out.push_back('-');
    AppendPadded(out, month, 2);
    out.push_back('-');
    AppendPadded(out, day, 2);
    out.push_back('T');
    AppendPadded(out, hour, 2);
    out.push_back(':');
    AppendPadded(out, minute, 2);
    out.push_back(':');
    AppendPadded(out, second, 2);
    out.push_back('Z');
}

std::string IsoUtcText(double jd) {
    std::string text;
    text.reserve(24);
    AppendIsoUtcText(text, jd);
    return text;
}
