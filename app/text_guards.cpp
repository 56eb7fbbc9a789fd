#include "app/text_guards.h"

#include "app/name_rules.h"
#include "records/cp1252.h"

namespace {

bool StartsFormula(std::string_view field) {
    if (field.empty()) {
        return false;
    }
    const char first = field.front();
    return first == '=' || first == '+' || first == '-' || first == '@';
}

void AppendHexEscape(std::string& out, unsigned value) {
    const char* digits = "0123456789abcdef";
    out.append("\\x");
    out.push_back(digits[(value >> 4) & 0xF]);
    out.push_back(digits[value & 0xF]);
}

// The embeddings, overrides and isolates of the bidirectional algorithm (U+202A to U+202E,
// U+2066 to U+2069): on a terminal they would reorder the rest of the line, so that a name
// could show as another or move the columns after it.
constexpr bool IsBidiControl(char32_t c) {
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

void AppendUnicodeEscape(std::string& out, char32_t c) {
    const char* digits = "0123456789abcdef";
    out.append("\\u");
    for (int shift = 12; shift >= 0; shift -= 4) {
        out.push_back(digits[(c >> shift) & 0xF]);
    }
}

} // namespace

std::string SpreadsheetField(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + 1);
    size_t i = 0;
    while (i < utf8.size()) {
        const size_t at = i;
        char32_t c = 0;
        if (!DecodeUtf8(utf8, i, c)) {
            out.push_back(utf8[at]);
            i = at + 1;
            continue;
        }
        if (IsControlCharacter(c)) {
            out.push_back(' ');
        } else {
            out.append(utf8.substr(at, i - at));
        }
    }
    if (StartsFormula(out)) {
        out.insert(out.begin(), '\'');
    }
    return out;
}

bool IsPrintableAscii(std::string_view text) {
    for (const char c : text) {
        if (c < 0x20 || c > 0x7E) {
            return false;
        }
    }
    return true;
}

void AppendSpreadsheetField(std::string& out, std::string_view utf8) {
    if (!IsPrintableAscii(utf8)) {
        out.append(SpreadsheetField(utf8));
        return;
    }
    if (StartsFormula(utf8)) {
        out.push_back('\'');
    }
    out.append(utf8);
}

std::string SpreadsheetFieldCp1252(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size() + 1);
    for (const char ch : cp1252) {
        const bool control = IsControlCharacter(Cp1252ToUnicode(static_cast<unsigned char>(ch)));
        out.push_back(control ? ' ' : ch);
    }
    if (StartsFormula(out)) {
        out.insert(out.begin(), '\'');
    }
    return out;
}

std::string TerminalText(std::string_view utf8, bool toTerminal) {
    if (!toTerminal) {
        return std::string(utf8);
    }
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const size_t at = i;
        char32_t c = 0;
        if (!DecodeUtf8(utf8, i, c)) {
            AppendHexEscape(out, static_cast<unsigned char>(utf8[at]));
            i = at + 1;
            continue;
        }
        if (IsControlCharacter(c)) {
            AppendHexEscape(out, static_cast<unsigned>(c));
        } else if (IsBidiControl(c)) {
            AppendUnicodeEscape(out, c);
        } else {
            out.append(utf8.substr(at, i - at));
        }
    }
    return out;
}
