#include "win/phase_diagram.h"

#include "sheet/diagram_control.h"
#include "sheet/gdi_diagram_canvas.h"

namespace {

constexpr const wchar_t* kClassName = L"VexamoPhaseDiagram";

} // namespace

bool CPhaseDiagram::Register(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &CPhaseDiagram::WndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

CPhaseDiagram* CPhaseDiagram::ReplacePlaceholder(HWND form, int id) {
    HWND placeholder = GetDlgItem(form, id);
    RECT rect{};
    GetWindowRect(placeholder, &rect);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&rect), 2);
    auto* diagram = new CPhaseDiagram;
    HWND window = CreateWindowExW(
        0, kClassName, L"", WS_CHILD | WS_VISIBLE, rect.left, rect.top, rect.right - rect.left,
        rect.bottom - rect.top, form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(form, GWLP_HINSTANCE)), diagram);
    if (window == nullptr) {
        delete diagram;
        return nullptr;
    }
    SetWindowPos(window, placeholder, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DestroyWindow(placeholder);
    return diagram;
}

void CPhaseDiagram::Show(double centreJD, int32_t southern) {
    m_dCentreJD = centreJD;
    m_bSouthern = southern;
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CPhaseDiagram::Draw(HDC dc, int width, int height) {
    const RECT all{0, 0, width, height};
    HBRUSH background = CreateSolidBrush(GdiColour(kDiagramBackground));
    FillRect(dc, &all, background);
    DeleteObject(background);
    GdiDiagramCanvas canvas(dc);
    DrawDiagramControl(canvas, m_dCentreJD, m_bSouthern, width, height, m_samples);
}

void CPhaseDiagram::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    RECT client{};
    GetClientRect(m_hWnd, &client);
    if (client.right > 0 && client.bottom > 0) {
        // Drawn off screen, then copied in one piece.
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
        const HGDIOBJ old = SelectObject(memory, bitmap);
        Draw(memory, client.right, client.bottom);
        BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
    }
    EndPaint(m_hWnd, &ps);
}

LRESULT CALLBACK CPhaseDiagram::WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CPhaseDiagram*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        self = static_cast<CPhaseDiagram*>(create->lpCreateParams);
        self->m_hWnd = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        break;
    }
    case WM_ERASEBKGND:
        return 1; // every paint covers the whole client area
    case WM_PAINT:
        self->OnPaint();
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete self;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
