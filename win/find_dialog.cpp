#include "win/find_dialog.h"

#include "res/resource_ids.h"
#include "win/wide_text.h"

CFindDialog::CFindDialog() : CTemplateDialog(IDD_FIND) {}

std::string CFindDialog::Query() const {
    return Window() != nullptr ? WindowTextUtf8(Control(IDC_FIND_TEXT)) : std::string();
}

void CFindDialog::Present(HWND owner) {
    const bool made = Window() == nullptr;
    if (!CreateModeless(owner)) {
        return;
    }
    if (made) {
        PlaceBeside(owner);
    }
    ShowWindow(Window(), SW_SHOW);
    SetActiveWindow(Window()); // forward when it was open already
    HWND text = Control(IDC_FIND_TEXT);
    SendMessageW(Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(text), TRUE);
    SendMessageW(text, EM_SETSEL, 0, -1);
}

void CFindDialog::PlaceBeside(HWND owner) {
    // To the right of the main window, where it hides neither the form nor the list; below it
    // when the screen has no room there.
    RECT frame{};
    RECT self{};
    if (owner == nullptr || !GetWindowRect(owner, &frame) || !GetWindowRect(Window(), &self)) {
        return;
    }
    const int width = self.right - self.left;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    int x = frame.right + 8;
    int y = frame.top;
    if (x + width > monitor.rcWork.right) {
        x = frame.left;
        y = frame.bottom + 8;
    }
    SetWindowPos(Window(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CFindDialog::SetStatus(const std::string& status) {
    SetWindowTextUtf8(Control(IDC_FIND_STATUS), status);
}

std::string CFindDialog::Status() const {
    return WindowTextUtf8(Control(IDC_FIND_STATUS));
}

bool CFindDialog::PreTranslate(MSG& message) {
    HWND dialog = Window();
    if (dialog == nullptr || !IsWindowVisible(dialog) ||
        (message.hwnd != dialog && !IsChild(dialog, message.hwnd))) {
        return false;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_F3) {
        if (m_nextRequested) {
            m_nextRequested();
        }
        return true;
    }
    return IsDialogMessageW(dialog, &message) != FALSE;
}

bool CFindDialog::OnCommand(int id, int notification) {
    switch (id) {
    case IDC_FIND_TEXT:
        if (notification == EN_CHANGE && m_queryEdited) {
            m_queryEdited();
        }
        return true;
    case IDC_FIND_NEXT:
    case IDOK:
        if (notification == BN_CLICKED && m_nextRequested) {
            m_nextRequested();
        }
        return true;
    case IDCANCEL:
        // "Fermer" hides the dialog: its text stays for F3 and the next "Rechercher...".
        ShowWindow(Window(), SW_HIDE);
        return true;
    default:
        return false;
    }
}
