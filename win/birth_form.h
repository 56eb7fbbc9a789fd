#pragma once
// The form of template 130 as a child dialog of the frame: its controls, the birth entered in
// them and the name, and the exchange between the fields and the entered values.
#include <string>

#include <windows.h>

#include "app/birth_input.h"

class CMessageService;

class CBirthForm {
  public:
    explicit CBirthForm(CMessageService& messages) : m_messages(messages) {}

    // Makes the form (dialog 130 of the program's resources) inside parent.
    bool Create(HINSTANCE instance, HWND parent, DLGPROC procedure, LPARAM parameter);
    HWND Window() const { return m_hWnd; }
    HWND Control(int id) const { return GetDlgItem(m_hWnd, id); }

    const BirthInput& Input() const { return m_input; }
    const std::string& Name() const { return m_name; }
    void SetInput(const BirthInput& input) { m_input = input; }
    void SetName(std::string name) { m_name = std::move(name); }

    // Reads the fields into the input and the name. Fails, with a message naming the field
    // and the focus in it, when an integer field holds no integer; nothing is taken then.
    bool ReadFields();
    // Shows the input and the name in their fields.
    void ShowFields();
    // Shows only day, month, year, hour and minute.
    void ShowDateAndTime();

    void ShowText(int id, const std::string& text);
    std::string Text(int id) const;

  private:
    CMessageService& m_messages;
    HWND m_hWnd = nullptr;
    BirthInput m_input;
    std::string m_name;
};

// The label the form gives a field: the text before it in the template, without its colon
// ("Jour :" -> "Jour").
std::string FieldLabel(int id);
