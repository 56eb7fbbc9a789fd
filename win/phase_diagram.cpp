#include "win/phase_diagram.h"

#include <cmath>
#include <cstring>

#include "sheet/diagram_bitmap.h"
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

double CPhaseDiagram::Ratio() const {
    const UINT dpi = m_hWnd != nullptr ? GetDpiForWindow(m_hWnd) : 0;
    return dpi > 96 ? dpi / 96.0 : 1.0;
}

void CPhaseDiagram::Render(HDC dc, int width, int height, double ratio) {
    if (!(ratio > 1.0)) {
        Draw(dc, width, height);
        return;
    }
    const RECT all{0, 0, width, height};
    HBRUSH background = CreateSolidBrush(GdiColour(kDiagramBackground));
    FillRect(dc, &all, background);
    DeleteObject(background);
    const auto controlWidth = static_cast<int32_t>(std::lround(width / ratio));
    const auto controlHeight = static_cast<int32_t>(std::lround(height / ratio));
    const DiagramBitmap picture =
        DiagramBitmapAt(m_dCentreJD, m_bSouthern, controlWidth, controlHeight, ratio);
    if (picture.Empty()) {
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height; // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(
        dc, 0, 0, static_cast<DWORD>(picture.width), static_cast<DWORD>(picture.height), 0, 0, 0,
        static_cast<UINT>(picture.height), picture.pixels.data(), &info, DIB_RGB_COLORS);
}

HGLOBAL CPhaseDiagram::PackedPicture() {
    RECT client{};
    GetClientRect(m_hWnd, &client);
    if (client.right <= 0 || client.bottom <= 0) {
        return nullptr;
    }
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = client.right;
    header.biHeight = client.bottom; // rows from the bottom, as pictures on the clipboard are
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    const size_t bytes = static_cast<size_t>(client.right) * 4 * client.bottom;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&header),
                                      DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(nullptr);
    HGLOBAL packed = nullptr;
    if (bitmap != nullptr && bits != nullptr && memory != nullptr) {
        const HGDIOBJ old = SelectObject(memory, bitmap);
        Render(memory, client.right, client.bottom, Ratio());
        GdiFlush();
        SelectObject(memory, old);
        packed = GlobalAlloc(GMEM_MOVEABLE, sizeof header + bytes);
        if (void* target = packed != nullptr ? GlobalLock(packed) : nullptr; target != nullptr) {
            std::memcpy(target, &header, sizeof header);
            std::memcpy(static_cast<char*>(target) + sizeof header, bits, bytes);
            GlobalUnlock(packed);
        }
    }
    if (memory != nullptr) {
        DeleteDC(memory);
    }
    if (bitmap != nullptr) {
        DeleteObject(bitmap);
    }
    return packed;
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
        Render(memory, client.right, client.bottom, Ratio());
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
