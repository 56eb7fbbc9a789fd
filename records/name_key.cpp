#include "records/name_key.h"

#include "records/cp1252.h"

namespace {

bool IsSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

void AppendUnitBytes(char16_t unit, std::string& out) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
}

// The Windows-1252 bytes of units given by unitAt(0..count-1), into out; false when one of
// them has none (a surrogate never has one).
template <typename UnitAt> bool UnitsToCp1252(size_t count, UnitAt unitAt, std::string& out) {
    out.clear();
    out.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const char32_t unit = unitAt(i);
        unsigned char byte = 0;
        if (IsSurrogate(unit) || !UnicodeToCp1252(unit, byte)) {
            return false;
        }
        out.push_back(static_cast<char>(byte));
    }
    return true;
}

} // namespace

void NameKey::AssignUtf16Bytes(std::string_view unitBytes) {
    const NameKeyView wide = NameKeyView::Wide(unitBytes);
    m_bWide = !UnitsToCp1252(
        wide.UnitCount(), [&](size_t i) { return char32_t{wide.Unit(i)}; }, m_bytes);
    if (m_bWide) {
        m_bytes.assign(unitBytes.substr(0, wide.UnitCount() * 2));
    }
}

NameKey NameKey::FromUtf16Bytes(std::string_view unitBytes) {
    NameKey key;
    key.AssignUtf16Bytes(unitBytes);
    return key;
}

NameKey NameKey::FromUtf16(std::u16string_view units) {
    std::string bytes;
    bytes.reserve(units.size() * 2);
    for (const char16_t unit : units) {
        AppendUnitBytes(unit, bytes);
    }
    return FromUtf16Bytes(bytes);
}

bool Utf8ToNameKey(std::string_view utf8, NameKey& key) {
    std::string narrow;
    if (Utf8ToCp1252(utf8, narrow)) {
        key = NameKey(std::move(narrow));
        return true;
    }
    std::string units;
    units.reserve(utf8.size() * 2);
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = 0;
        if (!DecodeUtf8(utf8, i, c)) {
            return false;
        }
        if (c < 0x10000) {
            AppendUnitBytes(static_cast<char16_t>(c), units);
        } else {
            const char32_t offset = c - 0x10000;
            AppendUnitBytes(static_cast<char16_t>(0xD800 + (offset >> 10)), units);
            AppendUnitBytes(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)), units);
        }
    }
    // Not all in Windows-1252 (that case was taken above), so the key is wide.
    key = NameKey(NameKeyView::Wide(units));
    return true;
}

std::string NameKeyToUtf8(NameKeyView key) {
    if (!key.IsWide()) {
        return Cp1252ToUtf8(key.Bytes());
    }
    std::string out;
    const size_t count = key.UnitCount();
    out.reserve(count * 3);
    for (size_t i = 0; i < count; ++i) {
        const char32_t unit = key.Unit(i);
        if (!IsSurrogate(unit)) {
            AppendUtf8(unit, out);
            continue;
        }
        const char32_t next = i + 1 < count ? key.Unit(i + 1) : 0;
        if (unit < 0xDC00 && next >= 0xDC00 && next <= 0xDFFF) {
            AppendUtf8(0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00), out);
            ++i;
        } else {
            AppendUtf8(0xFFFD, out); // a lone half of a pair
        }
    }
    return out;
}
