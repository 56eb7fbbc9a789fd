#pragma once
// The text of a moment as the results show it, "d.m.y h:mmUhr". Its five numbers have at most
// eleven characters each, so it never exceeds 62 characters and is kept inside the object:
// results are made and copied without allocating.
#include <algorithm>
#include <array>
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

class MomentText {
  public:
    static constexpr size_t kCapacity = 63;

    MomentText() = default;

    // Keeps the first kCapacity characters of text, all of any moment's text.
    void assign(std::string_view text) {
        m_size = static_cast<unsigned char>(std::min(text.size(), kCapacity));
        std::copy_n(text.data(), m_size, m_chars.data());
    }

    std::string_view view() const { return {m_chars.data(), m_size}; }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }
    size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }

    friend bool operator==(const MomentText& a, const MomentText& b) {
        return a.view() == b.view();
    }
    friend bool operator==(const MomentText& a, std::string_view b) { return a.view() == b; }
    friend std::ostream& operator<<(std::ostream& out, const MomentText& text) {
        return out << text.view();
    }

  private:
    std::array<char, kCapacity> m_chars{};
    unsigned char m_size = 0;
};
