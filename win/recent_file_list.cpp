#include "win/recent_file_list.h"

#include <windows.h>

#include "win/wide_text.h"

namespace {

std::wstring EntryName(int index) {
    return L"File" + std::to_wstring(index + 1);
}

bool SamePath(const std::string& a, const std::string& b) {
    const std::wstring wa = Widen(a);
    const std::wstring wb = Widen(b);
    return CompareStringOrdinal(wa.c_str(), static_cast<int>(wa.size()), wb.c_str(),
                                static_cast<int>(wb.size()), TRUE) == CSTR_EQUAL;
}

} // namespace

CRecentFileList::CRecentFileList(std::wstring application)
    : m_application(std::move(application)) {}

std::wstring CRecentFileList::KeyPath() const {
    return std::wstring(L"Software\\") + kRegistryOrganization + L"\\" + m_application +
           L"\\Recent File List";
}

void CRecentFileList::Load() {
    m_files.clear();
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return;
    }
    for (int i = 0; i < kMaxFiles; ++i) {
        wchar_t value[32768];
        DWORD size = sizeof value - sizeof(wchar_t);
        DWORD type = 0;
        if (RegQueryValueExW(key, EntryName(i).c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS ||
            type != REG_SZ) {
            continue;
        }
        value[size / sizeof(wchar_t)] = L'\0';
        const std::string path = Narrow(value);
        bool known = path.empty();
        for (const std::string& file : m_files) {
            known = known || SamePath(file, path);
        }
        if (!known) {
            m_files.push_back(path);
        }
    }
    RegCloseKey(key);
}

void CRecentFileList::Add(const std::string& path) {
    std::erase_if(m_files, [&path](const std::string& file) { return SamePath(file, path); });
    m_files.insert(m_files.begin(), path);
    if (m_files.size() > kMaxFiles) {
        m_files.resize(kMaxFiles);
    }
    Save();
    if (m_observer) {
        m_observer();
    }
}

void CRecentFileList::Remove(int index) {
    if (index < 0 || index >= static_cast<int>(m_files.size())) {
        return;
    }
    m_files.erase(m_files.begin() + index);
    Save();
    if (m_observer) {
        m_observer();
    }
}

void CRecentFileList::Save() const {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    for (int i = 0; i < kMaxFiles; ++i) {
        const std::wstring name = EntryName(i);
        if (i < static_cast<int>(m_files.size())) {
            const std::wstring value = Widen(m_files[static_cast<std::size_t>(i)]);
            RegSetValueExW(key, name.c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(value.c_str()),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        } else {
            RegDeleteValueW(key, name.c_str());
        }
    }
    RegCloseKey(key);
}
