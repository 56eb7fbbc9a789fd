#include "win/layout_switch.h"

#include "app/text_catalogue.h"
#include "res/form_template.h"
#include "res/resource_ids.h"
#include "win/wide_text.h"

namespace {

// A control's rectangle of the template in the form's pixels, as the dialog manager places it:
// position and size each mapped on their own.
RECT TemplateRect(HWND form, const ControlTemplate& c) {
    RECT rect{c.x, c.y, c.cx, c.cy};
    MapDialogRect(form, &rect);
    return RECT{rect.left, rect.top, rect.left + rect.right, rect.top + rect.bottom};
}

} // namespace

void CLayoutSwitch::Toggle() {
    SetWindowTextUtf8(
        GetDlgItem(m_form, IDC_LAYOUT),
        UserText(m_bSimple ? TextId::LayoutSimpleOffer : TextId::LayoutExtendedOffer));
    m_bSimple = !m_bSimple;
    TabOnlyShownControls();
    FitFrameToLayout();
}

void CLayoutSwitch::Reapply() {
    m_bSimple = !m_bSimple;
    Toggle();
}

RECT CLayoutSwitch::ShownRect() const {
    const ControlTemplate* group =
        FindControl(FormTemplate130(), m_bSimple ? IDC_GROUP_RESULT : IDC_GROUP_OPTIONS);
    const RECT rect = TemplateRect(m_form, *group);
    return RECT{0, 0, rect.right, rect.bottom};
}

SIZE CLayoutSwitch::ClientSize() const {
    const RECT shown = ShownRect();
    return SIZE{shown.right + kLayoutMargin, shown.bottom + kLayoutMargin};
}

void CLayoutSwitch::TabOnlyShownControls() const {
    const RECT shown = ShownRect();
    HWND focus = GetFocus();
    for (const ControlTemplate& c : FormTemplate130().controls) {
        if (!(c.style & kTabStop)) {
            continue;
        }
        HWND control = GetDlgItem(m_form, c.id);
        const RECT rect = TemplateRect(m_form, c);
        const bool inside = rect.right <= shown.right && rect.bottom <= shown.bottom;
        LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
        style = inside ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
        SetWindowLongPtrW(control, GWL_STYLE, style);
        if (!inside && focus == control) {
            SetFocus(GetDlgItem(m_form, IDC_LAYOUT));
        }
    }
}

void CLayoutSwitch::FitFrameToLayout() const {
    if (m_frame == nullptr) {
        return;
    }
    const SIZE client = ClientSize();
    RECT outer{0, 0, client.cx, client.cy};
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(m_frame, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(m_frame, GWL_EXSTYLE));
    AdjustWindowRectEx(&outer, style, GetMenu(m_frame) != nullptr, exStyle);
    SetWindowPos(m_frame, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps onto a second line takes client height: make up for it.
    RECT got{};
    GetClientRect(m_frame, &got);
    if (got.bottom != client.cy) {
        SetWindowPos(m_frame, nullptr, 0, 0, outer.right - outer.left,
                     outer.bottom - outer.top + client.cy - got.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}
