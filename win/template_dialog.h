#pragma once
// A dialog of the program's resources, made from its template. The program runs it modally;
// tests make it modeless and work it through its controls, as the find dialog always is (it
// stays open beside the form).
#include <windows.h>

class CTemplateDialog {
  public:
    explicit CTemplateDialog(int templateId) : m_templateId(templateId) {}
    virtual ~CTemplateDialog();
    CTemplateDialog(const CTemplateDialog&) = delete;
    CTemplateDialog& operator=(const CTemplateDialog&) = delete;

    // Runs the dialog modally over owner: the id of the button it ended with (IDOK, IDCANCEL).
    int RunModal(HWND owner);
    // Makes it modeless over owner, hidden until shown; false when it cannot be made.
    bool CreateModeless(HWND owner);
    HWND Window() const { return m_hWnd; }
    HWND Control(int id) const { return GetDlgItem(m_hWnd, id); }
    // The id it ended with; 0 while it is open or before it ran.
    int EndCode() const { return m_endCode; }
    // A notification as control id sends it (BN_CLICKED, EN_CHANGE, LBN_SELCHANGE).
    void Notify(int id, int notification);

  protected:
    // Closes the dialog with code: the modal loop ends, a modeless window is destroyed.
    void End(int code);
    virtual void OnInitDialog() {}
    // A WM_COMMAND of control id; true when taken.
    virtual bool OnCommand(int id, int notification) = 0;

  private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    int m_templateId;
    HWND m_hWnd = nullptr;
    bool m_modal = false;
    int m_endCode = 0;
};
