#pragma once
// Type-to-select in a list of names: characters typed in quick succession make a prefix, and
// the first row from the current one on whose name begins with it is chosen, case, accents and
// script variants aside (as finding does: "l" reaches "Łukasz"). The same character typed again
// and again steps through the names beginning with it, as in a sorted list box.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class TypeAhead {
  public:
    // Characters further apart than this start a new prefix.
    static constexpr std::uint64_t kPauseMs = 1000;

    // The row to choose when the character ch (UTF-8, one character) is typed at atMs with
    // the caret on row caret (-1 for none) of count rows, nameAt(row) giving a row's name
    // (UTF-8); -1 when no name begins with what was typed.
    long Typed(std::string_view ch, std::uint64_t atMs, long caret, std::size_t count,
               const std::function<std::string(std::size_t row)>& nameAt);
    void Reset() { m_typed.clear(); }

  private:
    std::string m_typed; // folded
    std::uint64_t m_lastMs = 0;
};
