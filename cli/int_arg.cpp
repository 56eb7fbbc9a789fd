#include "cli/int_arg.h"

#include <cctype>
#include <charconv>

std::optional<int32_t> ParseInt32(const std::string& text) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') {
        ++first;
        if (first != last && *first == '-') {
            return std::nullopt;
        }
    }
    if (first == last) {
        return std::nullopt;
    }
    int32_t value = 0;
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last) {
        return std::nullopt;
    }
    return value;
}

bool LooksNumeric(const std::string& text) {
    if (text.size() < 2 || text[0] != '-') {
        return false;
    }
    return std::isdigit(static_cast<unsigned char>(text[1])) != 0;
}
