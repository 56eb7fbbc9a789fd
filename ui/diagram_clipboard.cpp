#include "ui/diagram_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QWidget>

#include "app/text_catalogue.h"
#include "ui/message_service.h"

void CopyDiagramToClipboard(QWidget& diagram, CMessageService& messages) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        messages.AppMessage(QString::fromUtf8(UserText(TextId::ClipboardUnavailable)));
        return;
    }
    // The control paints itself into the picture exactly as on screen.
    clipboard->setImage(diagram.grab().toImage(), QClipboard::Clipboard);
}
