// Tabulates how name folding (places/name_fold.h) treats every character beyond ASCII, from the
// build machine's GLib, at build time:
//   vexamo-name-folding OUTPUT.cpp
// A character becomes its Latin transliteration (under the "C" locale, so whatever the user's
// locale), or where it has none, if a letter, digit or mark, itself in lower case without
// accents (case-folded, decomposed, non-spacing marks dropped); punctuation and blanks break
// words; anything else is dropped. The program looks the table up instead of linking GLib.
#include <array>
#include <cstdio>
#include <fstream>
#include <glib.h>
#include <iostream>
#include <string>
#include <vector>

#include "places/name_folding_table.h"

namespace {

using places::FoldKind;

struct Folded {
    FoldKind kind = FoldKind::Drop;
    std::string text; // for Latin and Letters
};

std::string Utf8(gunichar c) {
    std::array<gchar, 8> utf8{};
    const gint n = g_unichar_to_utf8(c, utf8.data());
    return std::string(utf8.data(), static_cast<std::size_t>(n));
}

Folded Fold(gunichar c) {
    if (c == 0xFFFD || g_unichar_type(c) == G_UNICODE_NON_SPACING_MARK) {
        return {};
    }
    const std::string utf8 = Utf8(c);
    gchar* ascii = g_str_to_ascii(utf8.c_str(), "C");
    std::string latin = ascii ? ascii : "";
    g_free(ascii);
    if (!latin.empty() && latin.find('?') == std::string::npos) {
        return {FoldKind::Latin, latin};
    }
    if (g_unichar_isalnum(c) || g_unichar_ismark(c)) {
        gchar* lower = g_utf8_casefold(utf8.c_str(), -1);
        gchar* decomposed = g_utf8_normalize(lower, -1, G_NORMALIZE_NFKD);
        g_free(lower);
        std::string letters;
        for (const gchar* p = decomposed; p && *p; p = g_utf8_next_char(p)) {
            if (g_unichar_type(g_utf8_get_char(p)) != G_UNICODE_NON_SPACING_MARK) {
                letters.append(p, static_cast<std::size_t>(g_utf8_next_char(p) - p));
            }
        }
        g_free(decomposed);
        if (letters == utf8) {
            return {FoldKind::Kept, {}};
        }
        return {FoldKind::Letters, letters};
    }
    if (g_unichar_isspace(c) || g_unichar_ispunct(c)) {
        return {FoldKind::Break, {}};
    }
    return {};
}

std::string Literal(std::string_view bytes) {
    std::string out = "\"";
    for (const char c : bytes) {
        char octal[5];
        std::snprintf(octal, sizeof octal, "\\%03o", static_cast<unsigned char>(c));
        out += octal;
    }
    return out + "\"";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vexamo-name-folding OUTPUT.cpp\n";
        return 2;
    }
    // Runs of characters treated alike: the same kind and text, or letters that all stay.
    struct Run {
        gunichar first;
        gunichar last;
        Folded folded;
    };
    std::vector<Run> runs;
    for (gunichar c = 0x80; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) {
            continue; // not characters: never decoded
        }
        Folded f = Fold(c);
        if (f.kind == FoldKind::Drop) {
            continue;
        }
        if (!runs.empty() && runs.back().last + 1 == c && runs.back().folded.kind == f.kind &&
            runs.back().folded.text == f.text) {
            runs.back().last = c;
        } else {
            runs.push_back({c, c, std::move(f)});
        }
    }
    std::size_t textBytes = 0;
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << "// Made by vexamo-name-folding from GLib " << glib_major_version << "."
        << glib_minor_version << "." << glib_micro_version << ": do not edit.\n"
        << "#include \"places/name_folding_table.h\"\n\nnamespace places {\n\nnamespace {\n\n"
        << "using namespace std::string_view_literals;\n\n"
        << "constexpr FoldRun kRuns[] = {\n";
    for (const Run& r : runs) {
        out << "    {0x" << std::hex << r.first << ", 0x" << r.last << std::dec << ", FoldKind::"
            << (r.folded.kind == FoldKind::Latin     ? "Latin"
                : r.folded.kind == FoldKind::Letters ? "Letters"
                : r.folded.kind == FoldKind::Kept    ? "Kept"
                                                     : "Break")
            << ", " << Literal(r.folded.text) << "sv},\n";
        textBytes += r.folded.text.size();
    }
    out << "};\n\n} // namespace\n\n"
        << "std::span<const FoldRun> FoldRuns() {\n    return kRuns;\n}\n\n"
        << "} // namespace places\n";
    out.close();
    if (!out) {
        std::cerr << argv[1] << ": cannot be written\n";
        return 1;
    }
    std::cout << "vexamo-name-folding: " << runs.size() << " runs, " << textBytes
              << " bytes of text\n";
    return 0;
}
