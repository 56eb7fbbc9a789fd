#pragma once
// Dialogs run with QDialog::exec.
#include "ui/dialog_service.h"

class CQtDialogService : public CDialogService {
  public:
    int Exec(QDialog& dialog) override;
};
