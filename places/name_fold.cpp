// Names are folded here with a table made at build time from GLib's character data
// (places/name_folding_table.h) rather than with GLib itself, which the Windows build does not
// have: the same folding on every platform.
#include "places/name_fold.h"

#include <algorithm>
#include <array>
#include <utility>

#include "places/name_folding_table.h"

namespace places {

namespace {

bool IsAsciiAlnum(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Appends one ASCII character by the folding rules; `pendingBlank` carries a word break.
void AppendAscii(std::string& out, char c, bool& pendingBlank) {
    if (IsAsciiAlnum(c)) {
        if (pendingBlank && !out.empty()) {
            out.push_back(' ');
        }
        pendingBlank = false;
        out.push_back(AsciiLower(c));
    } else if (c != '?' && c != '\'') {
        // "?" stands for a character without transliteration; apostrophes join ("L'Aquila").
        pendingBlank = true;
    }
}

// The character a well-formed UTF-8 sequence at `at` encodes (no overlong forms, surrogates or
// values beyond U+10FFFF, and no zero byte), moving `at` past it; nothing, with `at` past one
// byte, when none begins there: each such byte is dropped.
std::optional<char32_t> NextCharacter(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    char32_t c = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0x01 && lead < 0x80) {
        ++at;
        return lead;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 0 || text.size() - at < length) {
        ++at;
        return std::nullopt;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(text[at + k]);
        if (b < (k == 1 ? low : 0x80) || b > (k == 1 ? high : 0xBF)) {
            ++at;
            return std::nullopt;
        }
        c = (c << 6) | (b & 0x3F);
    }
    at += length;
    return c;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    } else {
        if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        }
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    }
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
}

// The run of the table holding a character beyond ASCII, or nullptr: the character is dropped.
const FoldRun* RunOf(char32_t c) {
    const std::span<const FoldRun> runs = FoldRuns();
    const auto after = std::upper_bound(runs.begin(), runs.end(), c,
                                        [](char32_t x, const FoldRun& r) { return x < r.first; });
    if (after == runs.begin() || after[-1].last < c) {
        return nullptr;
    }
    return &after[-1];
}

} // namespace

std::string FoldName(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    bool pendingBlank = false;
    for (std::size_t at = 0; at < utf8.size();) {
        const std::optional<char32_t> c = NextCharacter(utf8, at);
        if (!c) {
            continue; // not UTF-8 (text from a command line in another encoding)
        }
        if (*c < 0x80) {
            AppendAscii(out, static_cast<char>(*c), pendingBlank);
            continue;
        }
        const FoldRun* run = RunOf(*c);
        if (run == nullptr) {
            continue;
        }
        const std::string_view text = run->text;
        switch (run->kind) {
        case FoldKind::Latin:
            for (const char l : text) {
                AppendAscii(out, l, pendingBlank);
            }
            break;
        case FoldKind::Letters:
        case FoldKind::Kept:
            if (pendingBlank && !out.empty()) {
                out.push_back(' ');
            }
            pendingBlank = false;
            if (run->kind == FoldKind::Kept) {
                AppendUtf8(out, *c);
            } else {
                out += text;
            }
            break;
        case FoldKind::Break:
            pendingBlank = true;
            break;
        case FoldKind::Drop:
            break;
        }
    }
    return out;
}

std::optional<std::string> FoldUmlautSpelling(std::string_view utf8) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kUmlauts{{
        {"\u00E4", "ae"},
        {"\u00F6", "oe"},
        {"\u00FC", "ue"},
        {"\u00C4", "Ae"},
        {"\u00D6", "Oe"},
        {"\u00DC", "Ue"},
    }};
    std::string spelled;
    bool changed = false;
    for (std::size_t i = 0; i < utf8.size();) {
        bool replaced = false;
        for (const auto& [umlaut, ascii] : kUmlauts) {
            if (utf8.substr(i).starts_with(umlaut)) {
                spelled.append(ascii);
                i += umlaut.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            spelled.push_back(utf8[i++]);
        }
        changed = changed || replaced;
    }
    if (!changed) {
        return std::nullopt;
    }
    return FoldName(spelled);
}

bool MatchesFolded(std::string_view folded, std::string_view query) {
    if (query.empty() || folded.size() < query.size()) {
        return false;
    }
    if (folded.starts_with(query)) {
        return true;
    }
    for (std::size_t pos = folded.find(query, 1); pos != std::string_view::npos;
         pos = folded.find(query, pos + 1)) {
        const std::size_t end = pos + query.size();
        if (folded[pos - 1] == ' ' && (end == folded.size() || folded[end] == ' ')) {
            return true;
        }
    }
    return false;
}

bool MatchesWordPrefix(std::string_view folded, std::string_view query) {
    if (query.empty()) {
        return false;
    }
    for (std::size_t pos = folded.find(query); pos != std::string_view::npos;
         pos = folded.find(query, pos + 1)) {
        if (pos == 0 || folded[pos - 1] == ' ') {
            return true;
        }
    }
    return false;
}

} // namespace places
