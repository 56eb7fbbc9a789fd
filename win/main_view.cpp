#include "win/main_view.h"

#include <commctrl.h>

#include <algorithm>

#include "app/form_fields.h"
#include "app/input_check.h"
#include "app/record_commands.h"
#include "app/zone_default.h"
#include "astro/birth.h"
#include "res/form_template.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "win/find_dialog.h"
#include "win/message_service.h"
#include "win/phase_diagram.h"
#include "win/template_dialog.h"
#include "win/wide_text.h"

namespace {

LocalNow SystemNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
}

} // namespace

CMainView::CMainView(DocumentSession& session, CMessageService& messages)
    : m_session(session), m_messages(messages), m_form(messages), m_clock(&SystemNow),
      m_computerZone([] { return ComputerZone(); }),
      m_runDialog([](CTemplateDialog& dialog, HWND owner) { return dialog.RunModal(owner); }) {}

CMainView::~CMainView() {
    if (HWND list = m_form.Control(IDC_LIST_DATES); list != nullptr) {
        RemoveWindowSubclass(list, &CMainView::ListProc, 0);
    }
    if (m_bmpType != nullptr) {
        DeleteObject(m_bmpType);
    }
}

HWND CMainView::Owner() const {
    return m_hFrame;
}

bool CMainView::Create(HINSTANCE instance, HWND frame) {
    m_hFrame = frame;
    if (!CPhaseDiagram::Register(instance) ||
        !m_form.Create(instance, frame, &CMainView::DialogProc, reinterpret_cast<LPARAM>(this))) {
        return false;
    }
    m_diagram = CPhaseDiagram::ReplacePlaceholder(Form(), IDC_DIAGRAM);
    FitListRowHeight();
    SetWindowSubclass(m_form.Control(IDC_LIST_DATES), &CMainView::ListProc, 0,
                      reinterpret_cast<DWORD_PTR>(this));
    m_layout.Attach(Form(), frame);
    for (const FormResultText& result : FormResultTexts()) {
        m_form.ShowText(result.id, {});
    }
    EnableToolTips();
    ShowWindow(Form(), SW_SHOW);
    return m_diagram != nullptr;
}

void CMainView::EnableToolTips() {
    m_hToolTip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Form(),
                                 nullptr, nullptr, nullptr);
    const auto controls = FormTemplate130().controls;
    m_tipTexts.reserve(controls.size());
    for (const ControlTemplate& c : controls) {
        const int stringId = ToolTipStringId(c.id);
        if (stringId == 0 || m_hToolTip == nullptr) {
            continue;
        }
        m_tipTexts.push_back(Widen(LoadResourceString(stringId)));
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = Form();
        tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(Form(), c.id));
        tool.lpszText = m_tipTexts.back().data();
        SendMessageW(m_hToolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    // Long tooltips break into lines.
    SendMessageW(m_hToolTip, TTM_SETMAXTIPWIDTH, 0, 400);
}

INT_PTR CALLBACK CMainView::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        return FALSE;
    }
    auto* self = reinterpret_cast<CMainView*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    switch (message) {
    case WM_COMMAND:
        return self->OnFormCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_DRAWITEM:
        if (wParam != IDC_LIST_DATES) {
            return FALSE;
        }
        self->DrawListRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
        return TRUE;
    case WM_CHARTOITEM:
        // Answered directly: the row to go to, -2 when the key leads nowhere.
        if (reinterpret_cast<HWND>(lParam) != self->m_form.Control(IDC_LIST_DATES)) {
            return FALSE;
        }
        // The caret from the list itself: the message's word cannot hold every row number.
        return self->ListRowTyped(static_cast<wchar_t>(LOWORD(wParam)));
    case WM_VKEYTOITEM:
        // The arrows, pages, Home and End as the list box does them.
        return -1;
    default:
        return FALSE;
    }
}

LRESULT CALLBACK CMainView::ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR /*id*/, DWORD_PTR self) {
    const auto& rows = reinterpret_cast<const CMainView*>(self)->m_rows;
    switch (message) {
    case LB_GETTEXTLEN:
    case LB_GETTEXT: {
        if (wParam >= rows.size()) {
            return LB_ERR;
        }
        const std::wstring name = Widen(NameOfKey(rows[wParam]));
        if (message == LB_GETTEXT) {
            // The caller's buffer is as long as LB_GETTEXTLEN said, with the closing zero.
            std::copy(name.begin(), name.end(), reinterpret_cast<wchar_t*>(lParam));
            reinterpret_cast<wchar_t*>(lParam)[name.size()] = L'\0';
        }
        return static_cast<LRESULT>(name.size());
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(list, &CMainView::ListProc, 0);
        break;
    default:
        break;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

bool CMainView::OnFormCommand(int id, int notification) {
    switch (id) {
    case IDOK: // Enter in a field
    case IDC_CALCULATE:
        if (notification == BN_CLICKED) {
            OnCalculate();
        }
        return true;
    case IDC_LAYOUT:
        if (notification == BN_CLICKED) {
            OnToggleLayout();
        }
        return true;
    case IDC_ADD:
        if (notification == BN_CLICKED) {
            OnAdd();
        }
        return true;
    case IDC_DELETE:
        if (notification == BN_CLICKED) {
            OnDelete();
        }
        return true;
    case IDC_DELETE_ALL:
        if (notification == BN_CLICKED) {
            OnDeleteAll();
        }
        return true;
    case IDC_LIST_DATES:
        if (notification == LBN_SELCHANGE && !m_bFilling && SelectedRow() >= 0) {
            OnSelChangeList();
        }
        return true;
    case IDC_TIME_ZONE:
        if (notification == EN_CHANGE) {
            OnTimeZoneChanged();
        }
        return true;
    default:
        return false;
    }
}

bool CMainView::OnCommand(int command) {
    switch (command) {
    case ID_EDIT_COPY:
        OnEditCopy();
        return true;
    case ID_COPY_ALL:
        OnCopyAll();
        return true;
    case ID_EDIT_COPY_DIAGRAM:
        OnCopyDiagram();
        return true;
    case ID_INSERT_CURRENT_DATE:
        OnInsertCurrentDate();
        return true;
    case ID_INSERT_BIRTHPLACE:
        OnInsertBirthplace();
        return true;
    case ID_EDIT_FIND:
        OnEditFind();
        return true;
    case ID_EDIT_REPEAT:
        OnEditRepeat();
        return true;
    case ID_EDIT_UNDO:
        OnEditUndo();
        return true;
    case ID_EDIT_REDO:
        OnEditRedo();
        return true;
    default:
        return false;
    }
}

void CMainView::OnInitialUpdate() {
    // A new or opened document: field 1022 follows the computer's zone until a record is
    // selected or the user gives a value.
    m_followComputerZone = true;
    m_history.Clear();
    UpdateUndoCommands(GetMenu(m_hFrame));
    m_form.ShowFields();
    ResetList();
    m_form.SetName({});
    if (m_session.Store().GetCount() == 0) {
        SetCurrentDate();
        m_form.ShowFields();
    } else {
        FillRecordList();
    }
    Recalculate();
    if (m_layout.IsSimple()) {
        m_layout.Reapply();
        Recalculate();
    }
}

bool CMainView::Recalculate() {
    if (!m_form.ReadFields() || !ValidateInput()) {
        return false;
    }
    FollowComputerZone();
    Evaluate();
    return true;
}

bool CMainView::ValidateInput() {
    const auto refusal = InputRefusal(m_form.Input(), [this] {
        return m_messages.AppQuestion(m_hFrame, LoadResourceString(IDS_EARLIER_CENTURY));
    });
    if (refusal && *refusal != InputProblem::EarlierCentury) {
        m_messages.AppMessage(m_hFrame, ProblemMessage(*refusal, m_form.Input()));
    }
    return !refusal;
}

void CMainView::Evaluate() {
    const BirthInput& input = m_form.Input();
    ShowResults(::Evaluate(input), input.southern);
    m_form.ShowFields();
}

void CMainView::ShowResults(const BirthEvaluation& e, bool southern) {
    for (const FormResultText& result : FormResultTexts()) {
        m_form.ShowText(result.id, std::string(result.text(e)));
    }
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Form(), GWLP_HINSTANCE));
    auto* picture = static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(e.m_nTypeBitmap), IMAGE_BITMAP, 0, 0, 0));
    HGDIOBJ old = reinterpret_cast<HGDIOBJ>(SendDlgItemMessageW(
        Form(), IDC_TYPE_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture)));
    if (old != nullptr && old != m_bmpType) {
        DeleteObject(old);
    }
    if (m_bmpType != nullptr) {
        DeleteObject(m_bmpType);
    }
    m_bmpType = picture;
    m_diagram->Show(e.m_dJulianDate, southern ? 1 : 0);
}

void CMainView::OnToggleLayout() {
    m_layout.Toggle();
    Recalculate();
}

void CMainView::SetCurrentDate() {
    const LocalNow now = m_clock();
    BirthInput input = m_form.Input();
    input.year = now.year;
    input.month = now.month;
    input.day = now.day;
    input.hour = now.hour;
    input.minute = now.minute;
    m_form.SetInput(input);
    // The other fields keep what the user typed.
    m_form.ShowDateAndTime();
}

void CMainView::OnInsertCurrentDate() {
    SetCurrentDate();
    Recalculate();
}

std::optional<SheetBirth> CMainView::CheckedSheetBirth() {
    if (!Recalculate()) {
        return std::nullopt;
    }
    SheetBirth birth;
    birth.name = m_form.Name();
    birth.input = m_form.Input();
    birth.zone = BirthplaceStillShown(m_birthplace, birth.input);
    return birth;
}

void CMainView::UpdateUndoCommands(HMENU menu) const {
    if (menu == nullptr) {
        return;
    }
    const auto update = [menu](int command, const std::string& text, bool enabled) {
        wchar_t old[256] = {};
        GetMenuStringW(menu, static_cast<UINT>(command), old, 255, MF_BYCOMMAND);
        // The keys after the tab stay as the menu gives them.
        const std::wstring_view current(old);
        const std::size_t tab = current.find(L'\t');
        std::wstring item = Widen(text);
        if (tab != std::wstring_view::npos) {
            item += current.substr(tab);
        }
        ModifyMenuW(menu, static_cast<UINT>(command),
                    MF_BYCOMMAND | MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED),
                    static_cast<UINT_PTR>(command), item.c_str());
    };
    update(ID_EDIT_UNDO, UndoCommandText(m_history), m_history.CanUndo());
    update(ID_EDIT_REDO, RedoCommandText(m_history), m_history.CanRedo());
}
