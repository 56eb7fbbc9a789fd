#include "win/file_dialog_service.h"

#include <commdlg.h>
#include <vector>

#include "win/wide_text.h"

namespace {

// "Name\0*.dat\0\0".
std::wstring Filter(const std::string& filterName, const std::string& extension) {
    std::wstring filter = Widen(filterName);
    filter += L'\0';
    filter += L"*" + Widen(extension);
    filter += L'\0';
    return filter;
}

std::optional<std::string> Run(HWND owner, const std::string& filterName,
                               const std::string& extension, const std::string& suggested,
                               bool save) {
    const std::wstring filter = Filter(filterName, extension);
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring initial = Widen(suggested);
    initial.copy(file.data(), file.size() - 1);
    const std::wstring defaultExtension = Widen(extension.empty() ? "" : extension.substr(1));
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrDefExt = defaultExtension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!chosen) {
        return std::nullopt;
    }
    return Narrow(file.data());
}

} // namespace

std::optional<std::string> CSystemFileDialogs::OpenFileName(HWND owner,
                                                            const std::string& filterName,
                                                            const std::string& extension) {
    return Run(owner, filterName, extension, {}, false);
}

std::optional<std::string> CSystemFileDialogs::SaveFileName(HWND owner,
                                                            const std::string& filterName,
                                                            const std::string& extension,
                                                            const std::string& suggested) {
    return Run(owner, filterName, extension, suggested, true);
}
