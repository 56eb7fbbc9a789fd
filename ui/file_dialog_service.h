#pragma once
// File choosers go through this service, so tests never open a real dialog.
#include <QString>
#include <optional>

class QWidget;

class CFileDialogService {
  public:
    virtual ~CFileDialogService() = default;
    // A file to open, or nothing when the user cancels. filter: "Dateityp Vexamo (*.dat)".
    virtual std::optional<QString> GetOpenFileName(QWidget* parent, const QString& filter) = 0;
    // A file to save to, or nothing when the user cancels. suffix (without the dot) is
    // appended when the chosen name has none.
    virtual std::optional<QString> GetSaveFileName(QWidget* parent, const QString& filter,
                                                   const QString& suggestedName,
                                                   const QString& suffix) = 0;
};
