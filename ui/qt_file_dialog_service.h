#pragma once
// File choosers shown with QFileDialog.
#include "ui/file_dialog_service.h"

class CQtFileDialogService : public CFileDialogService {
  public:
    std::optional<QString> GetOpenFileName(QWidget* parent, const QString& filter) override;
    std::optional<QString> GetSaveFileName(QWidget* parent, const QString& filter,
                                           const QString& suggestedName,
                                           const QString& suffix) override;
};
