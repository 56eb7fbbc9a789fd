#include "app/type_ahead.h"

#include "app/name_search.h"

namespace {

// Whether the folded text is one and the same folded character over and over ("aaa"), given
// the folding of that character.
bool OneCharacterRepeated(std::string_view typed, std::string_view one) {
    if (one.empty() || typed.size() % one.size() != 0) {
        return false;
    }
    for (std::size_t at = 0; at < typed.size(); at += one.size()) {
        if (typed.substr(at, one.size()) != one) {
            return false;
        }
    }
    return true;
}

} // namespace

long TypeAhead::Typed(std::string_view ch, std::uint64_t atMs, long caret, std::size_t count,
                      const std::function<std::string(std::size_t row)>& nameAt) {
    const std::string one = FoldForSearch(ch);
    if (m_typed.empty() || atMs - m_lastMs > kPauseMs) {
        m_typed.clear();
    }
    m_lastMs = atMs;
    m_typed += one;
    if (count == 0 || one.empty()) {
        return -1;
    }
    // A character repeated steps on to the next name beginning with it; a longer prefix may
    // still be that of the current row.
    const bool stepping = OneCharacterRepeated(m_typed, one);
    const std::string_view prefix = stepping ? std::string_view(one) : std::string_view(m_typed);
    const std::size_t start = caret < 0 ? 0 : static_cast<std::size_t>(caret) + (stepping ? 1 : 0);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t row = (start + i) % count;
        if (FoldForSearch(nameAt(row)).starts_with(prefix)) {
            return static_cast<long>(row);
        }
    }
    return -1;
}
