#pragma once
// "Licences et sources": the program's version and licence, and the data and libraries it is
// made from, with their licences.
#include <QDialog>

class CCreditsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CCreditsDialog(QWidget* parent = nullptr);
};
