#pragma once
// The print dialogs of Qt Print Support.
#include "ui/print_dialog_service.h"

class CQtPrintDialogService : public CPrintDialogService {
  public:
    bool ChoosePrinter(QPrinter& printer, QWidget* parent) override;
    bool SetUpPage(QPrinter& printer, QWidget* parent) override;
    void Preview(QPrinter& printer, QWidget* parent,
                 const std::function<void(QPrinter&)>& paint) override;
};
