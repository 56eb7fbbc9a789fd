#pragma once
// "Rechercher": a small non-modal dialog over the main window. It holds the text searched for
// and says in its own status line what was found; the view does the searching.
#include <QDialog>

class QLabel;
class QLineEdit;

class CFindDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CFindDialog(QWidget* parent);

    QString Query() const;
    // Shows the dialog (or brings it forward) with its text selected for typing over.
    void Present();
    void SetStatus(const QString& status);

  signals:
    // The text was changed (searched from the match shown on), or "Suivant" was asked for
    // (searched from the row after it).
    void queryEdited();
    void nextRequested();

  private:
    QLineEdit* m_text = nullptr;
    QLabel* m_status = nullptr;
};
