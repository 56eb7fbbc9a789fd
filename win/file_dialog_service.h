#pragma once
// The file choosers of "Ouvrir..." and "Enregistrer sous...", behind a seam for tests.
#include <optional>
#include <string>

#include <windows.h>

class CFileDialogService {
  public:
    virtual ~CFileDialogService() = default;
    // The chosen file (UTF-8), or nothing when the user cancelled. filterName: the filter's
    // text ("Dateityp Vexamo (*.dat)"); extension: ".dat".
    virtual std::optional<std::string> OpenFileName(HWND owner, const std::string& filterName,
                                                    const std::string& extension) = 0;
    // suggested: the name offered; the chooser asks before replacing an existing file.
    virtual std::optional<std::string> SaveFileName(HWND owner, const std::string& filterName,
                                                    const std::string& extension,
                                                    const std::string& suggested) = 0;
};

// The system's common dialogs.
class CSystemFileDialogs : public CFileDialogService {
  public:
    std::optional<std::string> OpenFileName(HWND owner, const std::string& filterName,
                                            const std::string& extension) override;
    std::optional<std::string> SaveFileName(HWND owner, const std::string& filterName,
                                            const std::string& extension,
                                            const std::string& suggested) override;
};
