#include "win/birthplace_dialog.h"

#include <commctrl.h>
#include <string>
#include <utility>

#include "app/place_list_state.h"
#include "app/text_catalogue.h"
#include "app/zone_text.h"
#include "res/resource_ids.h"
#include "win/wide_text.h"

namespace {

// The arrows move through the list below a search field while the typing stays there.
LRESULT CALLBACK SearchFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR /*id*/, DWORD_PTR list) {
    if (message == WM_KEYDOWN &&
        (wParam == VK_UP || wParam == VK_DOWN || wParam == VK_PRIOR || wParam == VK_NEXT)) {
        SendMessageW(reinterpret_cast<HWND>(list), WM_KEYDOWN, wParam, lParam);
        return 0;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(field, &SearchFieldProc, 0);
    }
    return DefSubclassProc(field, message, wParam, lParam);
}

void FillList(HWND list, const std::vector<std::string>& rows) {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& row : rows) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(row).c_str()));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void ShowChoiceButton(HWND button, const std::string& text, bool checked) {
    SetWindowTextUtf8(button, text);
    SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    ShowWindow(button, text.empty() ? SW_HIDE : SW_SHOW);
}

} // namespace

CBirthplaceDialog::CBirthplaceDialog(const LocalMoment& moment)
    : CBirthplaceDialog(moment, ProgramPlaces(), PlaceListProblem()) {}

CBirthplaceDialog::CBirthplaceDialog(const LocalMoment& moment, const PlaceCatalogue& catalogue,
                                     std::string placeListProblem)
    : CTemplateDialog(IDD_BIRTHPLACE), m_choice(moment, catalogue, std::move(placeListProblem)) {}

void CBirthplaceDialog::OnInitDialog() {
    const auto hint = [this](int id, TextId text) {
        const std::wstring wide = Widen(UserText(text));
        SendDlgItemMessageW(Window(), id, EM_SETCUEBANNER, TRUE,
                            reinterpret_cast<LPARAM>(wide.c_str()));
    };
    hint(IDC_PLACE_SEARCH, TextId::PlaceSearchHint);
    hint(IDC_ZONE_SEARCH, TextId::PlaceZoneHint);
    SetWindowSubclass(Control(IDC_PLACE_SEARCH), &SearchFieldProc, 0,
                      reinterpret_cast<DWORD_PTR>(Control(IDC_PLACE_LIST)));
    SetWindowSubclass(Control(IDC_ZONE_SEARCH), &SearchFieldProc, 0,
                      reinterpret_cast<DWORD_PTR>(Control(IDC_ZONE_LIST)));
    // Without a place list, searching it would only ever say that nothing was found: the
    // notice says why, and the zones are what there is to choose from.
    const bool usable = m_choice.PlacesUsable();
    SetWindowTextUtf8(Control(IDC_PLACE_NOTICE), m_choice.PlaceListNotice());
    ShowWindow(Control(IDC_PLACE_NOTICE), usable ? SW_HIDE : SW_SHOW);
    EnableWindow(Control(IDC_PLACE_SEARCH), usable ? TRUE : FALSE);
    EnableWindow(Control(IDC_PLACE_LIST), usable ? TRUE : FALSE);
    FillZones();
    ShowChoice();
    SendMessageW(Window(), WM_NEXTDLGCTL,
                 reinterpret_cast<WPARAM>(Control(usable ? IDC_PLACE_SEARCH : IDC_ZONE_SEARCH)),
                 TRUE);
}

bool CBirthplaceDialog::OnCommand(int id, int notification) {
    switch (id) {
    case IDC_PLACE_SEARCH:
        if (notification == EN_CHANGE) {
            m_choice.SearchPlaces(WindowTextUtf8(Control(id)));
            FillPlaces();
            ShowChoice();
        }
        return true;
    case IDC_ZONE_SEARCH:
        if (notification == EN_CHANGE) {
            m_choice.SearchZones(WindowTextUtf8(Control(id)));
            FillZones();
            ShowChoice();
        }
        return true;
    case IDC_PLACE_LIST:
    case IDC_ZONE_LIST:
        if (notification == LBN_SELCHANGE) {
            const auto row = static_cast<int>(SendMessageW(Control(id), LB_GETCURSEL, 0, 0));
            if (id == IDC_PLACE_LIST) {
                m_choice.SelectPlace(row);
            } else {
                m_choice.SelectZone(row);
            }
            ShowChoice();
        } else if (notification == LBN_DBLCLK) {
            // A double click takes the entry at once.
            Accept();
        }
        return true;
    case IDC_PLACE_SUMMER:
    case IDC_PLACE_WINTER:
        if (notification == BN_CLICKED) {
            // A radio button clicked is the one checked.
            m_choice.SetDst(id == IDC_PLACE_SUMMER ? DstChoice::Dst : DstChoice::NoDst);
            ShowChoice();
        }
        return true;
    case IDC_PLACE_ROUND:
        if (notification == BN_CLICKED) {
            m_choice.SetRound(IsDlgButtonChecked(Window(), IDC_PLACE_ROUND) == BST_CHECKED);
            ShowChoice();
        }
        return true;
    case IDOK:
        // Enter as well: it takes the value when there is one, and otherwise keeps the
        // dialog open.
        Accept();
        return true;
    case IDCANCEL:
        End(IDCANCEL);
        return true;
    default:
        return false;
    }
}

void CBirthplaceDialog::Accept() {
    if (!m_choice.CanAccept()) {
        return;
    }
    m_chosen = m_choice.Result().timeDifference;
    End(IDOK);
}

void CBirthplaceDialog::FillPlaces() {
    std::vector<std::string> rows;
    rows.reserve(m_choice.Places().size());
    for (const Place& place : m_choice.Places()) {
        rows.push_back(PlaceLineText(place));
    }
    FillList(Control(IDC_PLACE_LIST), rows);
}

void CBirthplaceDialog::FillZones() {
    FillList(Control(IDC_ZONE_LIST), m_choice.Zones());
}

void CBirthplaceDialog::ShowChoice() {
    SendDlgItemMessageW(Window(), IDC_PLACE_LIST, LB_SETCURSEL,
                        static_cast<WPARAM>(m_choice.PlaceRow()), 0);
    SendDlgItemMessageW(Window(), IDC_ZONE_LIST, LB_SETCURSEL,
                        static_cast<WPARAM>(m_choice.ZoneRow()), 0);
    SetWindowTextUtf8(Control(IDC_PLACE_EXPLANATION), m_choice.Explanation());
    // A choice is offered only where the case needs it; its label says what it gives.
    ShowChoiceButton(Control(IDC_PLACE_SUMMER), m_choice.SummerText(),
                     m_choice.Dst() == DstChoice::Dst);
    ShowChoiceButton(Control(IDC_PLACE_WINTER), m_choice.WinterText(),
                     m_choice.Dst() == DstChoice::NoDst);
    ShowChoiceButton(Control(IDC_PLACE_ROUND), m_choice.RoundText(), m_choice.Round());
    EnableWindow(Control(IDOK), m_choice.CanAccept() ? TRUE : FALSE);
}
