#pragma once
// The program's own modal dialogs (the birthplace dialog, the About box) are run through this
// service, so tests can drive a dialog without its modal loop.
class QDialog;

class CDialogService {
  public:
    virtual ~CDialogService() = default;
    // Runs the dialog modally and returns its result (QDialog::Accepted or Rejected).
    virtual int Exec(QDialog& dialog) = 0;
};
