#include "places/name_fold.h"

#include <array>
#include <glib.h>
#include <unordered_map>
#include <utility>

namespace places {

namespace {

// Appends one ASCII character by the folding rules; `pendingBlank` carries a word break.
void AppendAscii(std::string& out, char c, bool& pendingBlank) {
    if (g_ascii_isalnum(c)) {
        if (pendingBlank && !out.empty()) {
            out.push_back(' ');
        }
        pendingBlank = false;
        out.push_back(g_ascii_tolower(c));
    } else if (c != '?' && c != '\'') {
        // "?" stands for a character without transliteration; apostrophes join ("L'Aquila").
        pendingBlank = true;
    }
}

// What one non-ASCII character becomes: Latin letters ("ø" -> "o", "é" -> "e"), or itself in
// lower case without accents where it has no Latin spelling ("Ж" -> "ж"), or a word break, or
// nothing.
struct FoldedChar {
    enum class Kind { Latin, Letters, Break, Drop };
    Kind kind = Kind::Drop;
    std::string text;
};

FoldedChar FoldChar(gunichar c) {
    if (c == 0xFFFD || g_unichar_type(c) == G_UNICODE_NON_SPACING_MARK) {
        return {};
    }
    std::array<gchar, 8> utf8{};
    g_unichar_to_utf8(c, utf8.data());
    // Transliteration under the "C" locale: the same result whatever the user's locale.
    gchar* ascii = g_str_to_ascii(utf8.data(), "C");
    std::string latin = ascii ? ascii : "";
    g_free(ascii);
    if (!latin.empty() && latin.find('?') == std::string::npos) {
        return {FoldedChar::Kind::Latin, std::move(latin)};
    }
    if (g_unichar_isalnum(c) || g_unichar_ismark(c)) {
        gchar* lower = g_utf8_casefold(utf8.data(), -1);
        gchar* decomposed = g_utf8_normalize(lower, -1, G_NORMALIZE_NFKD);
        g_free(lower);
        std::string letters;
        for (const gchar* p = decomposed; p && *p; p = g_utf8_next_char(p)) {
            if (g_unichar_type(g_utf8_get_char(p)) != G_UNICODE_NON_SPACING_MARK) {
                letters.append(p, static_cast<std::size_t>(g_utf8_next_char(p) - p));
            }
        }
        g_free(decomposed);
        return {FoldedChar::Kind::Letters, std::move(letters)};
    }
    if (g_unichar_isspace(c) || g_unichar_ispunct(c)) {
        return {FoldedChar::Kind::Break, {}};
    }
    return {};
}

// Looked up once per character and thread: place lists repeat few characters many times.
const FoldedChar& CachedFoldChar(gunichar c) {
    thread_local std::unordered_map<gunichar, FoldedChar> known;
    const auto found = known.find(c);
    if (found != known.end()) {
        return found->second;
    }
    return known.emplace(c, FoldChar(c)).first->second;
}

} // namespace

std::string FoldName(std::string_view utf8) {
    std::string input(utf8);
    if (!g_utf8_validate(input.data(), static_cast<gssize>(input.size()), nullptr)) {
        // Text from outside (a command line in another encoding): bad bytes become U+FFFD.
        gchar* valid = g_utf8_make_valid(input.data(), static_cast<gssize>(input.size()));
        input = valid;
        g_free(valid);
    }
    std::string out;
    out.reserve(input.size());
    bool pendingBlank = false;
    for (const gchar* p = input.c_str(); *p; p = g_utf8_next_char(p)) {
        const gunichar c = g_utf8_get_char(p);
        if (c < 0x80) {
            AppendAscii(out, static_cast<char>(c), pendingBlank);
            continue;
        }
        const FoldedChar& folded = CachedFoldChar(c);
        switch (folded.kind) {
        case FoldedChar::Kind::Latin:
            for (const char l : folded.text) {
                AppendAscii(out, l, pendingBlank);
            }
            break;
        case FoldedChar::Kind::Letters:
            if (pendingBlank && !out.empty()) {
                out.push_back(' ');
            }
            pendingBlank = false;
            out += folded.text;
            break;
        case FoldedChar::Kind::Break:
            pendingBlank = true;
            break;
        case FoldedChar::Kind::Drop:
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
