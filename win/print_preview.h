#pragma once
// "Aperçu avant impression": a window of its own that shows the sheet on its paper, scaled to
// the window, with "Imprimer" (command IDOK) and "Fermer" (IDCANCEL, also Escape).
#include <windows.h>

#include "sheet/gdi_sheet_pictures.h"
#include "sheet/sheet_content.h"
#include "win/print_dialogs.h"

class CPrintPreview {
  public:
    CPrintPreview(const SheetContent& sheet, const PrintSettings& settings);
    ~CPrintPreview();
    CPrintPreview(const CPrintPreview&) = delete;
    CPrintPreview& operator=(const CPrintPreview&) = delete;

    // Makes the window over owner, hidden until Run shows it.
    bool Create(HINSTANCE instance, HWND owner);
    HWND Window() const { return m_hWnd; }
    // Shows the window and keeps owner disabled until it is closed.
    void Run();
    // Whether it was closed by "Imprimer".
    bool PrintChosen() const { return m_print; }

    // Draws the window's client area client on dc: a grey ground with the paper and its sheet.
    void Paint(HDC dc, const RECT& client);
    // Where the paper lies within client, and its units per inch there.
    RECT PaperRect(const RECT& client, double& dpi) const;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void LayOutButtons();
    void Close(bool print);

    const SheetContent& m_sheet;
    PrintSettings m_settings;
    GdiSheetPictures m_pictures;
    HWND m_hWnd = nullptr;
    HWND m_hOwner = nullptr;
    HWND m_hPrint = nullptr;
    HWND m_hClose = nullptr;
    HFONT m_font = nullptr;
    bool m_print = false;
    bool m_done = false;
};
