#include "win/print_preview.h"

#include <algorithm>
#include <cmath>

#include "app/text_catalogue.h"
#include "sheet/gdi_sheet_canvas.h"
#include "win/wide_text.h"

namespace {

constexpr wchar_t kClassName[] = L"VexamoPrintPreview";
constexpr int kPrintButton = IDOK;
constexpr int kCloseButton = IDCANCEL;
// Pixels of the button strip, the buttons and the gap around the paper.
constexpr int kStrip = 36;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 24;
constexpr int kGap = 12;
constexpr COLORREF kGround = RGB(128, 128, 128);

bool RegisterPreviewClass(HINSTANCE instance, WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = nullptr; // all of it is painted
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace

CPrintPreview::CPrintPreview(const SheetContent& sheet, const PrintSettings& settings)
    : m_sheet(sheet), m_settings(settings) {}

CPrintPreview::~CPrintPreview() {
    if (m_hWnd != nullptr) {
        DestroyWindow(m_hWnd);
    }
    if (m_font != nullptr) {
        DeleteObject(m_font);
    }
}

bool CPrintPreview::Create(HINSTANCE instance, HWND owner) {
    if (!RegisterPreviewClass(instance, &CPrintPreview::WindowProc)) {
        return false;
    }
    m_hOwner = owner;
    // Two thirds of the work area's height, the paper's proportions.
    RECT work{0, 0, 1024, 768};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int height = std::max(400, static_cast<int>((work.bottom - work.top) * 0.85));
    const int width = std::max(360, static_cast<int>((height - kStrip) * m_settings.PageWidthMm() /
                                                     m_settings.PageHeightMm()) +
                                        2 * kGap);
    m_hWnd = CreateWindowExW(0, kClassName, Widen(UserText(TextId::PreviewTitle)).c_str(),
                             WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                             width, height, owner, nullptr, instance, this);
    if (m_hWnd == nullptr) {
        return false;
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    m_font = CreateFontIndirectW(&metrics.lfMessageFont);
    const auto button = [this, instance](int id, TextId text) {
        HWND b = CreateWindowExW(
            0, L"BUTTON", Widen(UserText(text)).c_str(),
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, kButtonWidth, kButtonHeight,
            m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
        return b;
    };
    m_hPrint = button(kPrintButton, TextId::PreviewPrint);
    m_hClose = button(kCloseButton, TextId::PreviewClose);
    LayOutButtons();
    return true;
}

void CPrintPreview::Run() {
    ShowWindow(m_hWnd, SW_SHOW);
    const bool ownerEnabled = m_hOwner != nullptr && IsWindowEnabled(m_hOwner);
    if (ownerEnabled) {
        EnableWindow(m_hOwner, FALSE);
    }
    MSG message;
    while (!m_done) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: the main loop gets its quit message back.
            if (got == 0) {
                PostQuitMessage(static_cast<int>(message.wParam));
            }
            break;
        }
        if (!IsDialogMessageW(m_hWnd, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (ownerEnabled) {
        EnableWindow(m_hOwner, TRUE);
    }
    if (m_hWnd != nullptr) {
        ShowWindow(m_hWnd, SW_HIDE);
    }
}

RECT CPrintPreview::PaperRect(const RECT& client, double& dpi) const {
    const double widthIn = m_settings.PageWidthMm() / 25.4;
    const double heightIn = m_settings.PageHeightMm() / 25.4;
    const double roomW = std::max(1L, client.right - client.left - 2 * kGap);
    const double roomH = std::max(1L, client.bottom - client.top - kStrip - 2 * kGap);
    dpi = std::min(roomW / widthIn, roomH / heightIn);
    const int w = static_cast<int>(std::lround(widthIn * dpi));
    const int h = static_cast<int>(std::lround(heightIn * dpi));
    const int left = client.left + (client.right - client.left - w) / 2;
    const int top = client.top + kStrip + kGap;
    return {left, top, left + w, top + h};
}

void CPrintPreview::Paint(HDC dc, const RECT& client) {
    const HBRUSH ground = CreateSolidBrush(kGround);
    ::FillRect(dc, &client, ground);
    DeleteObject(ground);
    double dpi = 0;
    const RECT paper = PaperRect(client, dpi);
    const RECT shadow{paper.left + 4, paper.top + 4, paper.right + 4, paper.bottom + 4};
    FillRect(dc, &shadow, static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH)));
    FillRect(dc, &paper, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const double margin = kSheetMarginMm / 25.4 * dpi;
    const PageRect area{paper.left + margin, paper.top + margin,
                        paper.right - paper.left - 2 * margin,
                        paper.bottom - paper.top - 2 * margin};
    if (!area.Empty()) {
        PaintSheet(dc, area, m_sheet, m_pictures, dpi);
    }
}

void CPrintPreview::LayOutButtons() {
    const int top = (kStrip - kButtonHeight) / 2;
    MoveWindow(m_hPrint, kGap, top, kButtonWidth, kButtonHeight, TRUE);
    MoveWindow(m_hClose, 2 * kGap + kButtonWidth, top, kButtonWidth, kButtonHeight, TRUE);
}

void CPrintPreview::Close(bool print) {
    m_print = print;
    m_done = true;
    ShowWindow(m_hWnd, SW_HIDE);
    // Wakes the loop of Run.
    PostMessageW(m_hWnd, WM_NULL, 0, 0);
}

LRESULT CALLBACK CPrintPreview::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<CPrintPreview*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->m_hWnd = window;
    }
    auto* self = reinterpret_cast<CPrintPreview*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self != nullptr ? self->OnMessage(message, wParam, lParam)
                           : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CPrintPreview::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = m_hWnd;
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(m_hWnd, &ps);
        RECT client;
        GetClientRect(m_hWnd, &client);
        // Drawn off screen first, so that the page does not flicker while resized.
        const HDC memory = CreateCompatibleDC(dc);
        const HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
        const HGDIOBJ old = SelectObject(memory, bitmap);
        Paint(memory, client);
        BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        EndPaint(m_hWnd, &ps);
        return 0;
    }
    case WM_PRINTCLIENT: {
        RECT client;
        GetClientRect(m_hWnd, &client);
        Paint(reinterpret_cast<HDC>(wParam), client);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        InvalidateRect(m_hWnd, nullptr, FALSE);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kPrintButton || LOWORD(wParam) == kCloseButton) {
            Close(LOWORD(wParam) == kPrintButton);
            return 0;
        }
        break;
    case WM_CLOSE:
        Close(false);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        m_hWnd = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
