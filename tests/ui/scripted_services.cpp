#include "scripted_services.h"

#include <QDialog>
#include <gtest/gtest.h>

MessageAnswer CScriptedMessageService::Show(QWidget*, MessageKind kind, const QString& text) {
    shown.push_back({kind, MessageCaption(kind), text});
    if (whileShown) {
        whileShown(shown.back());
    }
    if (kind == MessageKind::AppOk || kind == MessageKind::ViewError) {
        return MessageAnswer::Ok;
    }
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return kind == MessageKind::AppSaveChanges ? MessageAnswer::Cancel : MessageAnswer::No;
    }
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

QStringList CScriptedMessageService::Texts() const {
    QStringList texts;
    for (const ShownMessage& message : shown) {
        texts.append(message.text);
    }
    return texts;
}

std::optional<QString> CScriptedFileDialogService::GetOpenFileName(QWidget*,
                                                                   const QString& filter) {
    lastFilter = filter;
    if (openAnswers.empty()) {
        ADD_FAILURE() << "unexpected open dialog";
        return std::nullopt;
    }
    const std::optional<QString> answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

std::optional<QString> CScriptedFileDialogService::GetSaveFileName(QWidget*, const QString& filter,
                                                                   const QString& suggestedName,
                                                                   const QString& suffix) {
    lastFilter = filter;
    lastSuggestedName = suggestedName;
    lastSuffix = suffix;
    if (saveAnswers.empty()) {
        ADD_FAILURE() << "unexpected save dialog";
        return std::nullopt;
    }
    const std::optional<QString> answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

int CScriptedDialogService::Exec(QDialog& dialog) {
    titles.append(dialog.windowTitle());
    if (scripts.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << dialog.windowTitle().toStdString();
        return QDialog::Rejected;
    }
    const std::function<void(QDialog&)> script = std::move(scripts.front());
    scripts.pop_front();
    dialog.show();
    script(dialog);
    if (dialog.isVisible()) {
        ADD_FAILURE() << "the script left the dialog open";
        dialog.reject();
    }
    return dialog.result();
}

bool CScriptedPrintDialogService::Answer(QPrinter& target, const char* run) {
    runs.append(QString::fromLatin1(run));
    if (printer) {
        printer(target);
    }
    if (answers.empty()) {
        return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

bool CScriptedPrintDialogService::ChoosePrinter(QPrinter& target, QWidget*) {
    return Answer(target, "print");
}

bool CScriptedPrintDialogService::SetUpPage(QPrinter& target, QWidget*) {
    return Answer(target, "setup");
}

void CScriptedPrintDialogService::Preview(QPrinter& target, QWidget*,
                                          const std::function<void(QPrinter&)>& paint) {
    runs.append(QStringLiteral("preview"));
    if (printer) {
        printer(target);
    }
    paint(target);
}
