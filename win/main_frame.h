#pragma once
// The main window: menu and accelerator table 128, icon 128, the caption, the recent-file
// items of the file menu, a record file dropped on it, and the question before it closes.
// Commands go to the handler the application gives it.
#include <functional>
#include <string>
#include <vector>

#include <windows.h>
// After <windows.h>, which it needs.
#include <shellapi.h>

class CMainFrame {
  public:
    // Registers the window class and makes the window, hidden.
    bool Create(HINSTANCE instance);
    HWND Window() const { return m_hWnd; }
    HACCEL Accelerators() const { return m_hAccel; }

    // Runs a menu or accelerator command; false when nobody handles it.
    std::function<bool(int command)> m_onCommand;
    // Asked before the window closes: false keeps it open.
    std::function<bool()> m_canClose;
    // A single ".dat" file dropped on the window (UTF-8 path).
    std::function<void(const std::string& path)> m_fileDropped;
    // Before a menu opens (its items' states brought up to date).
    std::function<void(HMENU menu)> m_menuOpening;

    // The recent-file items: "&1 path" and so on, or the greyed "Documents récents".
    void SetRecentFiles(const std::vector<std::string>& files);
    void SetTitle(const std::string& title);

  private:
    static LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnDropFiles(HDROP drop);

    HWND m_hWnd = nullptr;
    HACCEL m_hAccel = nullptr;
    std::wstring m_recentEmptyText; // the menu's own text of the empty list
};

// The command of a recent-file item (0 to 3), and back; -1 for other commands.
int RecentFileIndex(int command);
