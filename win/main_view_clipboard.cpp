// Copying the person shown, or every stored record, to the clipboard as tab-separated text, and
// the diagram as a picture.
#include "app/export_text.h"
#include "app/text_catalogue.h"
#include "res/resource_ids.h"
#include "win/clipboard_text.h"
#include "win/main_view.h"
#include "win/message_service.h"
#include "win/phase_diagram.h"

void CMainView::OnEditCopy() {
    if (!m_form.ReadFields()) {
        return;
    }
    CopyToClipboard(CopyLineText(m_form.Name(), m_form.Text(IDC_TYPE_NAME), m_form.Text(IDC_MOON),
                                 m_form.Text(IDC_SUN)));
}

void CMainView::OnCopyAll() {
    CopyToClipboard(CopyAllText(m_session.Store()));
}

void CMainView::CopyToClipboard(const std::string& text) {
    if (!PutTextOnClipboard(m_hFrame, text)) {
        m_messages.AppMessage(m_hFrame, UserText(TextId::ClipboardUnavailable));
    }
}

void CMainView::OnCopyDiagram() {
    // A device-independent picture of what the control shows, at the screen's resolution; the
    // system offers it as a bitmap too.
    HGLOBAL picture = m_diagram->PackedPicture();
    if (picture == nullptr || !OpenClipboard(m_hFrame)) {
        if (picture != nullptr) {
            GlobalFree(picture);
        }
        m_messages.AppMessage(m_hFrame, UserText(TextId::ClipboardUnavailable));
        return;
    }
    EmptyClipboard();
    // The clipboard owns the picture from here on.
    if (SetClipboardData(CF_DIB, picture) == nullptr) {
        GlobalFree(picture);
    }
    CloseClipboard();
}
