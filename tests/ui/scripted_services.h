#pragma once
// Message boxes and file choosers for tests: every box is recorded, questions are answered
// from a queue, file choosers return prepared paths.
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "ui/dialog_service.h"
#include "ui/file_dialog_service.h"
#include "ui/message_service.h"
#include "ui/print_dialog_service.h"

struct ShownMessage {
    MessageKind kind;
    QString caption;
    QString text;
};

class CScriptedMessageService : public CMessageService {
  public:
    MessageAnswer Show(QWidget* owner, MessageKind kind, const QString& text) override;

    QStringList Texts() const;
    void Clear() { shown.clear(); }

    std::vector<ShownMessage> shown;
    std::deque<MessageAnswer> answers; // for questions, in the order they are asked
    // Runs while each box is shown, before it is answered.
    std::function<void(const ShownMessage&)> whileShown;
};

class CScriptedFileDialogService : public CFileDialogService {
  public:
    std::optional<QString> GetOpenFileName(QWidget* parent, const QString& filter) override;
    std::optional<QString> GetSaveFileName(QWidget* parent, const QString& filter,
                                           const QString& suggestedName,
                                           const QString& suffix) override;

    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    QString lastFilter;
    QString lastSuggestedName;
    QString lastSuffix;
};

// Dialogs for tests: each run dialog gets the next script, which works its controls as a user
// would and closes it (accept or reject); nothing runs a modal loop.
class CScriptedDialogService : public CDialogService {
  public:
    int Exec(QDialog& dialog) override;

    std::deque<std::function<void(QDialog&)>> scripts;
    QStringList titles; // of the dialogs run, in order
};

// Print dialogs for tests: each run is recorded ("print", "setup", "preview"); printer, when
// set, prepares the printer as a user would (e.g. prints to a PDF file); the print and set-up
// dialogs answer from a queue (cancelled when it is empty); the preview paints once.
class CScriptedPrintDialogService : public CPrintDialogService {
  public:
    bool ChoosePrinter(QPrinter& printer, QWidget* parent) override;
    bool SetUpPage(QPrinter& printer, QWidget* parent) override;
    void Preview(QPrinter& printer, QWidget* parent,
                 const std::function<void(QPrinter&)>& paint) override;

    QStringList runs;
    std::deque<bool> answers;
    std::function<void(QPrinter&)> printer;

  private:
    bool Answer(QPrinter& target, const char* run);
};
