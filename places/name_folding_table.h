#pragma once
// How name folding (places/name_fold.h) treats the characters beyond ASCII, tabulated at build
// time from the build machine's GLib (tools/name_folding_maker.cpp).
#include <cstdint>
#include <span>
#include <string_view>

namespace places {

enum class FoldKind : std::uint8_t {
    Latin,   // its Latin transliteration ("ø" -> "o"), folded further as ASCII
    Letters, // letters without a Latin spelling, in lower case without accents ("Ж" -> "ж"),
             // which may come to nothing (a mark that decomposes into a combining one)
    Kept,    // such a letter that stays as it is ("ж", "北")
    Break,   // a word break
    Drop,    // nothing
};

// Characters from `first` to `last` folded alike: `text` is what each becomes (Latin and
// Letters).
struct FoldRun {
    char32_t first;
    char32_t last;
    FoldKind kind;
    std::string_view text;
};

// Sorted, not overlapping; characters in no run are dropped.
std::span<const FoldRun> FoldRuns();

} // namespace places
