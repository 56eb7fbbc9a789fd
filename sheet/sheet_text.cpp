#include "sheet/sheet_text.h"

#include <cstddef>

namespace {

// The code point at text[i] (an invalid byte stands for itself) and the length of its sequence.
char32_t CodePointAt(std::string_view text, size_t i, size_t& length) {
    const auto lead = static_cast<unsigned char>(text[i]);
    length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length > text.size() - i) {
        length = 1;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    return c;
}

// Marks that belong to the character before them, and joiners: a line never begins with one.
bool JoinsPrevious(char32_t c) {
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) ||
           (c >= 0x1DC0 && c <= 0x1DFF) || (c >= 0x20D0 && c <= 0x20FF) ||
           (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xFE20 && c <= 0xFE2F) || c == 0x200D;
}

std::string_view TrimEnd(std::string_view s) {
    while (!s.empty() && s.back() == ' ') {
        s.remove_suffix(1);
    }
    return s;
}

// The words of text, each with the spaces after it; a hyphen ends a word when more follows.
std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        size_t length = 0;
        const char32_t c = CodePointAt(text, i, length);
        const size_t next = i + length;
        const bool moreFollows = next < text.size() && text[next] != ' ';
        if ((c == ' ' || c == '-' || c == 0x2010) && moreFollows) {
            words.push_back(text.substr(start, next - start));
            start = next;
        }
        i = next;
    }
    if (start < text.size()) {
        words.push_back(text.substr(start));
    }
    return words;
}

// The longest start of text (at least one character with its marks) no wider than width.
size_t FittingStart(std::string_view text, double width, const SheetFont& font,
                    const SheetMeasure& measure) {
    size_t fits = 0;
    size_t i = 0;
    while (i < text.size()) {
        size_t length = 0;
        CodePointAt(text, i, length);
        size_t end = i + length;
        while (end < text.size()) {
            size_t markLength = 0;
            if (!JoinsPrevious(CodePointAt(text, end, markLength))) {
                break;
            }
            end += markLength;
        }
        if (fits > 0 && measure.Advance(text.substr(0, end), font) > width) {
            break;
        }
        fits = end;
        i = end;
    }
    return fits;
}

} // namespace

std::vector<std::string> WrapText(std::string_view text, double width, const SheetFont& font,
                                  const SheetMeasure& measure, bool* brokeWord) {
    if (brokeWord != nullptr) {
        *brokeWord = false;
    }
    std::vector<std::string> lines;
    std::string line;
    const auto fitsOnALine = [&](std::string_view s) {
        return measure.Advance(TrimEnd(s), font) <= width;
    };
    for (std::string_view word : Words(text)) {
        if (fitsOnALine(line + std::string(word))) {
            line += word;
            continue;
        }
        if (!TrimEnd(line).empty()) {
            lines.emplace_back(TrimEnd(line));
        }
        line.clear();
        // A word wider than a line of its own is broken between characters.
        while (!fitsOnALine(word)) {
            if (brokeWord != nullptr) {
                *brokeWord = true;
            }
            const std::string_view trimmed = TrimEnd(word);
            const size_t fits = FittingStart(trimmed, width, font, measure);
            lines.emplace_back(trimmed.substr(0, fits));
            word.remove_prefix(fits);
            if (TrimEnd(word).empty()) {
                word = {};
                break;
            }
        }
        line = std::string(word);
    }
    if (!TrimEnd(line).empty()) {
        lines.emplace_back(TrimEnd(line));
    }
    return lines;
}
