#pragma once
// The most recently opened or saved files, most recent first, kept in the registry under
// HKEY_CURRENT_USER\Software\<organization>\<application>\Recent File List as File1 to File4.
#include <functional>
#include <string>
#include <vector>

inline constexpr const wchar_t* kRegistryOrganization = L"Local AppWizard-Generated Applications";
inline constexpr const wchar_t* kRegistryApplication = L"Calcul Orlinde";

class CRecentFileList {
  public:
    static constexpr int kMaxFiles = 4;

    explicit CRecentFileList(std::wstring application = kRegistryApplication);

    void Load();
    // The files, UTF-8.
    const std::vector<std::string>& Files() const { return m_files; }
    // Puts path first (removing an older entry of it, whatever its case) and keeps at most
    // four; saved at once.
    void Add(const std::string& path);
    void Remove(int index);
    // Told after every change of the list.
    void SetObserver(std::function<void()> observer) { m_observer = std::move(observer); }

  private:
    void Save() const;
    std::wstring KeyPath() const;

    std::wstring m_application;
    std::vector<std::string> m_files;
    std::function<void()> m_observer;
};
