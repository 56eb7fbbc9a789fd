#pragma once
// The key of a person's name in the store. A name whose every character has a Windows-1252
// byte is held as those bytes (8-bit key); any other name is held as its UTF-16 code units
// (wide key), exactly as they came, a lone surrogate included. Two keys are equal only when
// they are of the same kind with the same bytes or units, and every way of making a key
// below gives the 8-bit key whenever one exists, so a name has one key.
#include <compare>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

// A key as held elsewhere (in the store, in a NameKey). A wide key's bytes are its units,
// each as two bytes, low byte first. Two words, so that it travels in registers.
class NameKeyView {
  public:
    constexpr NameKeyView() = default;
    // An 8-bit key of Windows-1252 bytes.
    constexpr NameKeyView(std::string_view cp1252)
        : m_pData(cp1252.data()), m_nSizeAndKind(cp1252.size()) {}
    NameKeyView(const std::string& cp1252) : NameKeyView(std::string_view(cp1252)) {}
    constexpr NameKeyView(const char* cp1252) : NameKeyView(std::string_view(cp1252)) {}
    // A wide key over its units' bytes (little-endian pairs); for keys already known to be
    // wide, such as those the store holds.
    static constexpr NameKeyView Wide(std::string_view unitBytes) {
        NameKeyView view(unitBytes);
        view.m_nSizeAndKind |= kWideBit;
        return view;
    }

    bool IsWide() const { return (m_nSizeAndKind & kWideBit) != 0; }
    // An 8-bit key's Windows-1252 bytes, or a wide key's units (two bytes each, low first).
    std::string_view Bytes() const { return {m_pData, m_nSizeAndKind & ~kWideBit}; }
    // A wide key's number of units and one of them.
    size_t UnitCount() const { return Bytes().size() / 2; }
    char16_t Unit(size_t i) const {
        return static_cast<char16_t>(static_cast<unsigned char>(m_pData[2 * i]) |
                                     (static_cast<unsigned char>(m_pData[2 * i + 1]) << 8));
    }

    bool operator==(const NameKeyView& other) const {
        return m_nSizeAndKind == other.m_nSizeAndKind && Bytes() == other.Bytes();
    }
    // 8-bit keys first, then by bytes: a fixed order for ties, not one for people.
    std::strong_ordering operator<=>(const NameKeyView& other) const {
        if (IsWide() != other.IsWide()) {
            return IsWide() ? std::strong_ordering::greater : std::strong_ordering::less;
        }
        return Bytes().compare(other.Bytes()) <=> 0;
    }

  private:
    static constexpr size_t kWideBit = ~(~size_t{0} >> 1);

    const char* m_pData = nullptr;
    size_t m_nSizeAndKind = 0; // the size, with kWideBit set for a wide key
};

class NameKey {
  public:
    NameKey() = default;
    // An 8-bit key of Windows-1252 bytes.
    NameKey(std::string cp1252) : m_bytes(std::move(cp1252)) {}
    NameKey(std::string_view cp1252) : m_bytes(cp1252) {}
    NameKey(const char* cp1252) : m_bytes(cp1252) {}
    explicit NameKey(NameKeyView view) : m_bytes(view.Bytes()), m_bWide(view.IsWide()) {}

    // The key of a name given as UTF-16 units: 8-bit when every unit is a character with a
    // Windows-1252 byte, else wide with the units as they are.
    static NameKey FromUtf16(std::u16string_view units);
    // The same for the units as a file holds them (two bytes each, low byte first).
    static NameKey FromUtf16Bytes(std::string_view unitBytes);
    // The same in place, reusing this key's memory (a loader filling keys one after another).
    void AssignUtf16Bytes(std::string_view unitBytes);
    void AssignCp1252(std::string_view cp1252) {
        m_bytes.assign(cp1252);
        m_bWide = false;
    }
    // A copy of the key, reusing this key's memory.
    void Assign(NameKeyView key) {
        m_bytes.assign(key.Bytes());
        m_bWide = key.IsWide();
    }

    operator NameKeyView() const {
        return m_bWide ? NameKeyView::Wide(m_bytes) : NameKeyView(std::string_view(m_bytes));
    }
    NameKeyView View() const { return *this; }
    bool IsWide() const { return m_bWide; }
    const std::string& Bytes() const { return m_bytes; }
    bool empty() const { return m_bytes.empty(); }

    bool operator==(const NameKey& other) const { return View() == other.View(); }
    std::strong_ordering operator<=>(const NameKey& other) const { return View() <=> other.View(); }

  private:
    std::string m_bytes;
    bool m_bWide = false;
};

// The key of a name given as valid UTF-8 (the caller has checked and normalised it): 8-bit
// when every character has a Windows-1252 byte, else wide (characters beyond U+FFFF as
// surrogate pairs). False, key unspecified, when the text is not valid UTF-8.
bool Utf8ToNameKey(std::string_view utf8, NameKey& key);

// The name of a key as UTF-8, for showing and exporting. A lone surrogate of a wide key
// becomes U+FFFD.
std::string NameKeyToUtf8(NameKeyView key);
