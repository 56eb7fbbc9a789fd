#include "win/list_collation.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

// Case ignored; hyphens and apostrophes compared as the signs they are (as the Linux program's
// collation does), not passed over as the system's word sort would.
constexpr DWORD kFlags = NORM_IGNORECASE | SORT_STRINGSORT;

} // namespace

int CollateListNames(const std::wstring& a, const std::wstring& b) {
    const int result =
        CompareStringEx(LOCALE_NAME_USER_DEFAULT, kFlags, a.c_str(), static_cast<int>(a.size()),
                        b.c_str(), static_cast<int>(b.size()), nullptr, nullptr, 0);
    // 0 (failure) is taken as equal: the stored keys decide.
    return result == 0 ? 0 : result - CSTR_EQUAL;
}

CListCollation::CListCollation(const std::vector<std::wstring>& shown) : m_shown(shown) {
    m_offsets.reserve(shown.size() + 1);
    m_offsets.push_back(0);
}

void CListCollation::Prepare(std::size_t i) {
    const std::wstring& name = m_shown[i];
    const std::size_t start = m_keys.size();
    if (!name.empty()) {
        const int length = static_cast<int>(name.size());
        const int need = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_SORTKEY | kFlags,
                                       name.c_str(), length, nullptr, 0, nullptr, nullptr, 0);
        if (need > 0) {
            m_keys.resize(start + static_cast<std::size_t>(need));
            const int got = LCMapStringEx(
                LOCALE_NAME_USER_DEFAULT, LCMAP_SORTKEY | kFlags, name.c_str(), length,
                reinterpret_cast<LPWSTR>(m_keys.data() + start), need, nullptr, nullptr, 0);
            // The key's bytes without the closing zero; nothing when the system failed.
            std::size_t size = got > 0 ? static_cast<std::size_t>(got) : 0;
            while (size > 0 && m_keys[start + size - 1] == '\0') {
                --size;
            }
            m_keys.resize(start + size);
        }
    }
    m_offsets.push_back(m_keys.size());
}

int CListCollation::Compare(std::size_t a, std::size_t b) const {
    const std::string_view keyA(m_keys.data() + m_offsets[a], m_offsets[a + 1] - m_offsets[a]);
    const std::string_view keyB(m_keys.data() + m_offsets[b], m_offsets[b + 1] - m_offsets[b]);
    // Sort keys compare byte by byte, unsigned, a shorter key first.
    const std::size_t common = std::min(keyA.size(), keyB.size());
    if (const int byBytes = std::memcmp(keyA.data(), keyB.data(), common); byBytes != 0) {
        return byBytes;
    }
    return keyA.size() < keyB.size() ? -1 : (keyA.size() > keyB.size() ? 1 : 0);
}

std::vector<std::size_t> WinListOrder(const std::vector<std::wstring>& shown,
                                      const std::vector<NameKey>& keys) {
    CListCollation collation(shown);
    return ListOrder(keys, collation);
}
