#include "ui/qt_message_service.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <utility>

#include "ui/ui_text.h"

namespace {

void SetButtons(QMessageBox& box, QMessageBox::StandardButtons buttons,
                QMessageBox::StandardButton defaultButton) {
    box.setStandardButtons(buttons);
    box.setDefaultButton(defaultButton);
    const std::pair<QMessageBox::StandardButton, TextId> texts[] = {
        {QMessageBox::Ok, TextId::ButtonOk},
        {QMessageBox::Yes, TextId::ButtonYes},
        {QMessageBox::No, TextId::ButtonNo},
        {QMessageBox::Cancel, TextId::ButtonCancel},
    };
    for (const auto& [button, text] : texts) {
        if (QAbstractButton* shown = box.button(button)) {
            shown->setText(UiText(text));
        }
    }
}

} // namespace

void PrepareMessageBox(QMessageBox& box, MessageKind kind, const QString& text) {
    box.setWindowTitle(MessageCaption(kind));
    // Names and file paths appear in the texts: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (kind) {
    case MessageKind::AppOk:
        SetButtons(box, QMessageBox::Ok, QMessageBox::Ok);
        break;
    case MessageKind::AppYesNo:
        SetButtons(box, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        break;
    case MessageKind::AppSaveChanges:
        // "Änderungen an ... speichern?" is answered Ja, Nein or Abbrechen.
        box.setIcon(QMessageBox::Warning);
        SetButtons(box, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
        break;
    case MessageKind::AppYesNoCancel:
        SetButtons(box, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
        break;
    case MessageKind::ViewError:
        box.setIcon(QMessageBox::Critical);
        SetButtons(box, QMessageBox::Ok, QMessageBox::Ok);
        break;
    }
}

MessageAnswer CQtMessageService::Show(QWidget* owner, MessageKind kind, const QString& text) {
    if (!owner) {
        owner = QApplication::activeWindow();
    }
    QMessageBox box(owner);
    PrepareMessageBox(box, kind, text);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        // Closing a question box without a button is not a No: only No abandons.
        return kind == MessageKind::AppSaveChanges || kind == MessageKind::AppYesNoCancel
                   ? MessageAnswer::Cancel
                   : MessageAnswer::Ok;
    }
}
