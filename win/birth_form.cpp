#include "win/birth_form.h"

#include <optional>

#include "app/form_fields.h"
#include "app/number_text.h"
#include "app/text_catalogue.h"
#include "res/form_template.h"
#include "res/resource_ids.h"
#include "win/message_service.h"
#include "win/wide_text.h"

std::string FieldLabel(int id) {
    const auto controls = FormTemplate130().controls;
    for (std::size_t i = 1; i < controls.size(); ++i) {
        const ControlTemplate& before = controls[i - 1];
        if (controls[i].id != id || before.kind != ControlKind::Text || before.text == nullptr) {
            continue;
        }
        std::string label = before.text;
        while (!label.empty() && (label.back() == ' ' || label.back() == ':')) {
            label.pop_back();
        }
        return label;
    }
    return {};
}

bool CBirthForm::Create(HINSTANCE instance, HWND parent, DLGPROC procedure, LPARAM parameter) {
    m_hWnd = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_VEXAMO_FORM), parent, procedure,
                                parameter);
    return m_hWnd != nullptr;
}

std::string CBirthForm::Text(int id) const {
    return WindowTextUtf8(Control(id));
}

void CBirthForm::ShowText(int id, const std::string& text) {
    HWND control = Control(id);
    if (control != nullptr && WindowTextUtf8(control) != text) {
        SetWindowTextUtf8(control, text);
    }
}

void CBirthForm::ShowDateAndTime() {
    for (const FormIntegerField& field : FormIntegerFields()) {
        if (field.id != IDC_TIME_ZONE) {
            ShowText(field.id, std::to_string(m_input.*field.member));
        }
    }
}

void CBirthForm::ShowFields() {
    for (const FormIntegerField& field : FormIntegerFields()) {
        ShowText(field.id, std::to_string(m_input.*field.member));
    }
    ShowText(IDC_NAME, m_name);
    for (const FormCheckField& field : FormCheckFields()) {
        CheckDlgButton(m_hWnd, field.id, m_input.*field.member ? BST_CHECKED : BST_UNCHECKED);
    }
}

bool CBirthForm::ReadFields() {
    // Every integer is read before anything is taken, so a field that holds no number leaves
    // the input as it was.
    BirthInput input = m_input;
    for (const FormIntegerField& field : FormIntegerFields()) {
        const std::optional<int32_t> value = ParseInteger(Text(field.id));
        if (!value) {
            m_messages.AppMessage(m_hWnd,
                                  UserText(TextId::FieldNotInteger, {FieldLabel(field.id)}));
            HWND edit = Control(field.id);
            SetFocus(edit);
            SendMessageW(edit, EM_SETSEL, 0, -1);
            return false;
        }
        input.*field.member = *value;
    }
    for (const FormCheckField& field : FormCheckFields()) {
        input.*field.member = IsDlgButtonChecked(m_hWnd, field.id) == BST_CHECKED;
    }
    m_input = input;
    m_name = Text(IDC_NAME);
    return true;
}
