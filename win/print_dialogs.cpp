#include "win/print_dialogs.h"

#include <commdlg.h>
#include <winspool.h>

#include <cstring>
#include <vector>

#include <algorithm>

namespace {

// The default printer's whole DEVMODEW with settings' paper and orientation, movable, for the
// dialogs to start with; nullptr when there is no default printer (the dialog's own then).
HGLOBAL SettingsDevMode(const PrintSettings& settings) {
    DWORD length = 0;
    GetDefaultPrinterW(nullptr, &length);
    if (length == 0) {
        return nullptr;
    }
    std::wstring name(length, L'\0');
    if (!GetDefaultPrinterW(name.data(), &length)) {
        return nullptr;
    }
    name.resize(length > 0 ? length - 1 : 0);
    const std::vector<BYTE> mode = PrinterDevMode(name, settings.paper);
    if (mode.empty()) {
        return nullptr;
    }
    const HGLOBAL memory = GlobalAlloc(GHND, mode.size());
    if (void* bytes = GlobalLock(memory)) {
        std::memcpy(bytes, mode.data(), mode.size());
        GlobalUnlock(memory);
    }
    return memory;
}

void Free(HGLOBAL memory) {
    if (memory != nullptr) {
        GlobalFree(memory);
    }
}

} // namespace

std::optional<ChosenPrinter> CSystemPrintDialogs::ChoosePrinter(HWND owner,
                                                                const PrintSettings& settings) {
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.hDevMode = SettingsDevMode(settings);
    // Every sheet is printed: no page range, no selection.
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    const BOOL chosen = PrintDlgW(&dialog);
    Free(dialog.hDevMode);
    Free(dialog.hDevNames);
    if (!chosen || dialog.hDC == nullptr) {
        return std::nullopt;
    }
    ChosenPrinter printer;
    printer.dc = dialog.hDC;
    if (dialog.Flags & PD_PRINTTOFILE) {
        printer.output = L"FILE:";
    }
    return printer;
}

bool CSystemPrintDialogs::SetUpPage(HWND owner, PrintSettings& settings) {
    PAGESETUPDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.hDevMode = SettingsDevMode(settings);
    // The sheet keeps margins of its own: only paper and orientation are chosen.
    dialog.Flags = PSD_DISABLEMARGINS | PSD_INHUNDREDTHSOFMILLIMETERS;
    const BOOL chosen = PageSetupDlgW(&dialog);
    bool changed = false;
    if (chosen) {
        if (const auto* mode = static_cast<const DEVMODEW*>(GlobalLock(dialog.hDevMode))) {
            if (mode->dmFields & DM_PAPERSIZE) {
                settings.paper.paper = mode->dmPaperSize;
            }
            if (mode->dmFields & DM_ORIENTATION) {
                settings.paper.orientation = mode->dmOrientation;
            }
            GlobalUnlock(dialog.hDevMode);
        }
        // ptPaperSize is the paper as it lies, in hundredths of millimetres.
        const double a = dialog.ptPaperSize.x / 100.0;
        const double b = dialog.ptPaperSize.y / 100.0;
        if (a > 0 && b > 0) {
            settings.widthMm = std::min(a, b);
            settings.heightMm = std::max(a, b);
        }
        changed = true;
    }
    Free(dialog.hDevMode);
    Free(dialog.hDevNames);
    return changed;
}
