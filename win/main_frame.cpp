#include "win/main_frame.h"

#include <shellapi.h>

#include "res/resource_ids.h"
#include "win/wide_text.h"

namespace {

constexpr const wchar_t* kClassName = L"VexamoMainFrame";

// The popup holding the command, and the command's position in it.
bool FindItem(HMENU menu, int command, HMENU& popup, int& position) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (HMENU sub = GetSubMenu(menu, i); sub != nullptr) {
            if (FindItem(sub, command, popup, position)) {
                return true;
            }
        } else if (static_cast<int>(GetMenuItemID(menu, i)) == command) {
            popup = menu;
            position = i;
            return true;
        }
    }
    return false;
}

bool EndsWithDat(const std::wstring& path) {
    return path.size() > 4 &&
           CompareStringOrdinal(path.c_str() + path.size() - 4, 4, L".dat", 4, TRUE) == CSTR_EQUAL;
}

} // namespace

int RecentFileIndex(int command) {
    return command >= ID_FILE_MRU_FILE1 && command <= ID_FILE_MRU_FILE4
               ? command - ID_FILE_MRU_FILE1
               : -1;
}

bool CMainFrame::Create(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &CMainFrame::WndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME),
                                               IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        return false;
    }
    HMENU menu = LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME));
    m_hAccel = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME));
    if (menu != nullptr) {
        wchar_t text[128] = {};
        GetMenuStringW(menu, ID_FILE_MRU_FILE1, text, 127, MF_BYCOMMAND);
        m_recentEmptyText = text;
    }
    m_hWnd = CreateWindowExW(WS_EX_ACCEPTFILES | WS_EX_CONTROLPARENT, kClassName, L"",
                             WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 640, 480, nullptr,
                             menu, instance, this);
    return m_hWnd != nullptr;
}

void CMainFrame::SetTitle(const std::string& title) {
    SetWindowTextUtf8(m_hWnd, title);
}

void CMainFrame::SetRecentFiles(const std::vector<std::string>& files) {
    HMENU menu = GetMenu(m_hWnd);
    HMENU popup = nullptr;
    int position = -1;
    if (menu == nullptr || !FindItem(menu, ID_FILE_MRU_FILE1, popup, position)) {
        return;
    }
    for (int id = ID_FILE_MRU_FILE1 + 1; id <= ID_FILE_MRU_FILE4; ++id) {
        DeleteMenu(popup, static_cast<UINT>(id), MF_BYCOMMAND);
    }
    DeleteMenu(popup, ID_FILE_MRU_FILE1, MF_BYCOMMAND);
    if (files.empty()) {
        InsertMenuW(popup, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING | MF_GRAYED,
                    ID_FILE_MRU_FILE1, m_recentEmptyText.c_str());
        return;
    }
    for (std::size_t i = 0; i < files.size() && i < 4; ++i) {
        // '&' in a path is no mnemonic.
        std::wstring path = Widen(files[i]);
        std::wstring text = L"&" + std::to_wstring(i + 1) + L" ";
        for (const wchar_t c : path) {
            text += c;
            if (c == L'&') {
                text += L'&';
            }
        }
        InsertMenuW(popup, static_cast<UINT>(position) + static_cast<UINT>(i),
                    MF_BYPOSITION | MF_STRING, ID_FILE_MRU_FILE1 + i, text.c_str());
    }
}

void CMainFrame::OnDropFiles(HDROP drop) {
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    std::wstring path;
    if (count == 1) {
        const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
        path.resize(length + 1);
        DragQueryFileW(drop, 0, path.data(), length + 1);
        path.resize(length);
    }
    DragFinish(drop);
    // One record file only; other files, or several at once, are not taken.
    if (count == 1 && EndsWithDat(path) && m_fileDropped) {
        SetForegroundWindow(m_hWnd);
        m_fileDropped(Narrow(path));
    }
}

LRESULT CMainFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (m_onCommand && m_onCommand(LOWORD(wParam))) {
            return 0;
        }
        break;
    case WM_INITMENUPOPUP:
        if (m_menuOpening) {
            m_menuOpening(reinterpret_cast<HMENU>(wParam));
        }
        return 0;
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_DPICHANGED: {
        // Moved to a screen of another resolution: the size the system proposes for it there,
        // and everything drawn anew (the diagram at the new resolution).
        const auto* proposed = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(m_hWnd, nullptr, proposed->left, proposed->top,
                     proposed->right - proposed->left, proposed->bottom - proposed->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        return 0;
    }
    case WM_CLOSE:
        if (m_canClose && !m_canClose()) {
            return 0;
        }
        DestroyWindow(m_hWnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CMainFrame::WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<CMainFrame*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_hWnd = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<CMainFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->m_hWnd = nullptr;
    }
    return self->OnMessage(message, wParam, lParam);
}
