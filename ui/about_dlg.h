#pragma once
// The About box (dialog 100): the icon, the version line and OK.
#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
