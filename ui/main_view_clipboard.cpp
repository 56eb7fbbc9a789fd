// Copying the person shown, or every stored record, to the clipboard as tab-separated text.
#include <QClipboard>
#include <QGuiApplication>

#include "app/export_text.h"
#include "res/resource_ids.h"
#include "ui/birth_form.h"
#include "ui/main_view.h"
#include "ui/message_service.h"
#include "ui/ui_text.h"

void CMainView::OnEditCopy() {
    if (!m_form->ReadFields()) {
        return;
    }
    // The fields are joined as they stand; the form's texts are Unicode already.
    const std::string text =
        CopyLineText(m_form->Name().toStdString(), m_form->Text(IDC_TYPE_NAME).toStdString(),
                     m_form->Text(IDC_MOON).toStdString(), m_form->Text(IDC_SUN).toStdString());
    CopyToClipboard(QString::fromStdString(text));
}

void CMainView::OnCopyAll() {
    const std::string text = CopyAllText(m_session.Store());
    CopyToClipboard(QString::fromStdString(text));
}

void CMainView::CopyToClipboard(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        m_messages.AppMessage(UiText(TextId::ClipboardUnavailable));
        return;
    }
    clipboard->setText(text, QClipboard::Clipboard);
}
