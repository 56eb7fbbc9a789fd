#include "ui/qt_message_service.h"

#include <QApplication>
#include <QMessageBox>

MessageAnswer CQtMessageService::Show(QWidget* owner, MessageKind kind, const QString& text) {
    if (!owner) {
        owner = QApplication::activeWindow();
    }
    QMessageBox box(owner);
    box.setWindowTitle(MessageCaption(kind));
    // Names and file paths appear in the texts: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (kind) {
    case MessageKind::AppOk:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageKind::AppYesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case MessageKind::AppSaveChanges:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Save);
        break;
    case MessageKind::ViewError:
        box.setIcon(QMessageBox::Critical);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
    case QMessageBox::Save:
        return MessageAnswer::Yes;
    case QMessageBox::No:
    case QMessageBox::Discard:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        // Closing a question box without a button is not a No: only No abandons.
        return kind == MessageKind::AppSaveChanges ? MessageAnswer::Cancel : MessageAnswer::Ok;
    }
}
