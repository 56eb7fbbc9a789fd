// Copying the person shown, or every stored record, to the clipboard as tab-separated text.
#include <QClipboard>
#include <QGuiApplication>

#include "app/export_text.h"
#include "app/text_catalogue.h"
#include "records/vexamo_doc.h"
#include "ui/main_view.h"
#include "ui/message_service.h"

void CMainView::OnEditCopy() {
    if (!UpdateData(true)) {
        return;
    }
    // The fields are joined as they stand; the form's texts are Unicode already.
    const std::string text = CopyLineText(m_strName.toStdString(), m_strTypeName.toStdString(),
                                          m_strMoon.toStdString(), m_strSun.toStdString());
    CopyToClipboard(QString::fromStdString(text));
}

void CMainView::OnCopyAll() {
    const std::string text = CopyAllText(GetDocument().m_mapDateStore);
    CopyToClipboard(QString::fromStdString(text));
}

void CMainView::CopyToClipboard(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        m_messages.AppMessage(QString::fromUtf8(UserText(TextId::ClipboardUnavailable)));
        return;
    }
    clipboard->setText(text, QClipboard::Clipboard);
}
