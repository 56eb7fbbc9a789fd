#include "places/name_fold.h"

#include <glib.h>

namespace places {

std::string FoldName(std::string_view utf8) {
    std::string input(utf8);
    if (!g_utf8_validate(input.data(), static_cast<gssize>(input.size()), nullptr)) {
        // Text from outside (a command line in another encoding): bad bytes become U+FFFD.
        gchar* valid = g_utf8_make_valid(input.data(), static_cast<gssize>(input.size()));
        input = valid;
        g_free(valid);
    }
    // Transliteration under the "C" locale: the same result whatever the user's locale.
    gchar* ascii = g_str_to_ascii(input.c_str(), "C");
    std::string out;
    out.reserve(input.size());
    bool pendingBlank = false;
    for (const gchar* p = ascii; p && *p; ++p) {
        const char c = *p;
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
    g_free(ascii);
    return out;
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
