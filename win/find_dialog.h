#pragma once
// "Rechercher": a small modeless dialog over the main window. It holds the text searched for
// and says in its own status line what was found; the view does the searching.
#include <functional>
#include <string>

#include "win/template_dialog.h"

class CFindDialog : public CTemplateDialog {
  public:
    CFindDialog();

    std::string Query() const;
    // Shows the dialog over owner (made at the first call) or brings it forward, its text
    // selected for typing over.
    void Present(HWND owner);
    void SetStatus(const std::string& status);
    std::string Status() const;
    // The dialog's keyboard in the program's message loop: true when message was taken. F3
    // goes on from the dialog too, as it does from the main window.
    bool PreTranslate(MSG& message);

    // The text was changed (searched from the match shown on), or "Suivant" was asked for
    // (searched from the row after it).
    std::function<void()> m_queryEdited;
    std::function<void()> m_nextRequested;

  private:
    bool OnCommand(int id, int notification) override;
    void PlaceBeside(HWND owner);
};
