#include "win/clipboard_text.h"

#include <cstring>
#include <string>

#include "win/wide_text.h"

namespace {

constexpr UINT kWindows1252 = 1252;

std::wstring WithCrLf(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size() + text.size() / 16);
    for (const wchar_t c : text) {
        if (c == L'\n') {
            out += L'\r';
        }
        out += c;
    }
    return out;
}

// Hands bytes (a terminating zero added) to the clipboard in format.
bool SetData(UINT format, const void* data, std::size_t bytes, std::size_t zero) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes + zero);
    if (memory == nullptr) {
        return false;
    }
    void* target = GlobalLock(memory);
    std::memcpy(target, data, bytes);
    std::memset(static_cast<char*>(target) + bytes, 0, zero);
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory) == nullptr) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

} // namespace

std::optional<std::string> Windows1252Text(std::wstring_view text) {
    if (text.empty()) {
        return std::string();
    }
    const int size = static_cast<int>(text.size());
    BOOL lost = FALSE;
    const int n = WideCharToMultiByte(kWindows1252, WC_NO_BEST_FIT_CHARS, text.data(), size,
                                      nullptr, 0, nullptr, &lost);
    if (n <= 0 || lost) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(kWindows1252, WC_NO_BEST_FIT_CHARS, text.data(), size, bytes.data(), n,
                        nullptr, &lost);
    if (lost) {
        return std::nullopt;
    }
    return bytes;
}

bool PutTextOnClipboard(HWND owner, std::string_view utf8) {
    const std::wstring text = WithCrLf(Widen(utf8));
    if (!OpenClipboard(owner)) {
        return false;
    }
    EmptyClipboard();
    bool ok = SetData(CF_UNICODETEXT, text.data(), text.size() * sizeof(wchar_t), sizeof(wchar_t));
    // Without it the system offers its own 8-bit text, with '?' for what has no byte.
    if (const std::optional<std::string> bytes = Windows1252Text(text); ok && bytes) {
        ok = SetData(CF_TEXT, bytes->data(), bytes->size(), 1);
    }
    CloseClipboard();
    return ok;
}
