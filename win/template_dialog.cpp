#include "win/template_dialog.h"

CTemplateDialog::~CTemplateDialog() {
    if (m_hWnd != nullptr && !m_modal) {
        DestroyWindow(m_hWnd);
    }
}

int CTemplateDialog::RunModal(HWND owner) {
    m_modal = true;
    m_endCode = 0;
    const INT_PTR code =
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), owner,
                        &CTemplateDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    m_modal = false;
    return code > 0 ? static_cast<int>(code) : IDCANCEL;
}

bool CTemplateDialog::CreateModeless(HWND owner) {
    if (m_hWnd != nullptr) {
        return true;
    }
    m_modal = false;
    m_endCode = 0;
    CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), owner,
                       &CTemplateDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    return m_hWnd != nullptr;
}

void CTemplateDialog::Notify(int id, int notification) {
    SendMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(id, notification),
                 reinterpret_cast<LPARAM>(Control(id)));
}

void CTemplateDialog::End(int code) {
    m_endCode = code;
    if (m_modal) {
        EndDialog(m_hWnd, code);
    } else if (m_hWnd != nullptr) {
        DestroyWindow(m_hWnd);
    }
}

INT_PTR CALLBACK CTemplateDialog::DialogProc(HWND dialog, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CTemplateDialog*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        self->m_hWnd = dialog;
        self->OnInitDialog();
        return TRUE;
    }
    auto* self = reinterpret_cast<CTemplateDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    switch (message) {
    case WM_COMMAND:
        return self->OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_CLOSE:
        // The caption's close box and Escape end the dialog as "Annuler" does.
        self->OnCommand(IDCANCEL, BN_CLICKED);
        return TRUE;
    case WM_NCDESTROY:
        SetWindowLongPtrW(dialog, DWLP_USER, 0);
        self->m_hWnd = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}
