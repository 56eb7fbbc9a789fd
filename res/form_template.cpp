#include "res/form_template.h"

#include <array>
#include <utility>

#include "app/text_catalogue.h"
#include "res/resource_ids.h"

namespace {

constexpr uint32_t kEditStyle = kBorder | kAutoHScroll | kTabStop;

using K = ControlKind;

constexpr std::array kForm130{
    ControlTemplate{IDC_STATIC, K::GroupBox, 7, 7, 165, 77, "Date de naissance", 0, 0},
    ControlTemplate{IDC_STATIC, K::Text, 19, 21, 16, 8, "Jour :", 0, 0},
    ControlTemplate{IDC_DAY, K::Edit, 19, 32, 40, 14, nullptr, 0, kEditStyle},
    ControlTemplate{IDC_STATIC, K::Text, 69, 20, 23, 8, "Mois :", 0, 0},
    ControlTemplate{IDC_MONTH, K::Edit, 69, 32, 40, 14, nullptr, 0, kEditStyle},
    ControlTemplate{IDC_STATIC, K::Text, 119, 21, 42, 8, "Année :", 0, 0},
    ControlTemplate{IDC_YEAR, K::Edit, 119, 32, 40, 14, nullptr, 0, kEditStyle},
    ControlTemplate{IDC_STATIC, K::Text, 19, 50, 26, 8, "Heure :", 0, 0},
    ControlTemplate{IDC_HOUR, K::Edit, 19, 61, 40, 14, nullptr, 0, kEditStyle},
    ControlTemplate{IDC_STATIC, K::Text, 69, 50, 24, 8, "Minute :", 0, 0},
    ControlTemplate{IDC_MINUTE, K::Edit, 69, 61, 40, 14, nullptr, 0, kEditStyle},
    ControlTemplate{IDC_CALCULATE, K::PushButton, 36, 91, 45, 14, "Calculer", 0, kTabStop},
    ControlTemplate{IDC_GROUP_RESULT, K::GroupBox, 7, 109, 165, 80, "Résultat :", 0, 0},
    ControlTemplate{IDC_TYPE_NAME, K::Text, 10, 95, 8, 8, "Static", 0, kHidden},
    ControlTemplate{IDC_STATIC, K::Text, 22, 151, 41, 8, "Lune :", 0, 0},
    ControlTemplate{IDC_MOON, K::Text, 88, 151, 75, 8, "Static", 0, 0},
    ControlTemplate{IDC_STATIC, K::Text, 22, 163, 48, 8, "Soleil :", 0, 0},
    ControlTemplate{IDC_SUN, K::Text, 88, 163, 75, 8, "Static", 0, 0},
    ControlTemplate{IDC_STATIC, K::Text, 22, 175, 54, 8, "Ecart :", 0, 0},
    ControlTemplate{IDC_ECART, K::Text, 88, 175, 75, 8, "Static", 0, 0},
    ControlTemplate{IDC_STATIC, K::GroupBox, 183, 7, 207, 98, "Base de données:", 0, 0},
    ControlTemplate{IDC_STATIC, K::Text, 196, 24, 22, 8, "Nom :", 0, 0},
    ControlTemplate{IDC_NAME, K::Edit, 223, 21, 102, 14, nullptr, 0, kEditStyle},
    ControlTemplate{IDC_ADD, K::PushButton, 329, 49, 58, 14, "Ajouter", 0, kTabStop},
    ControlTemplate{IDC_LAYOUT, K::PushButton, 96, 91, 50, 14, "Avancé >>", 0, kTabStop},
    ControlTemplate{IDC_SOUTHERN, K::CheckBox, 191, 248, 87, 10, "Hémisphère Sud", 0, kTabStop},
    ControlTemplate{IDC_CONST_ZONE, K::CheckBox, 191, 260, 117, 10, "Zone indéfinie constante", 0,
                    kTabStop},
    ControlTemplate{IDC_STATIC, K::GroupBox, 7, 199, 165, 74, "Autres dates :", 0, 0},
    ControlTemplate{IDC_STATIC, K::Text, 16, 213, 57, 8, "Der. nouv. lune :", 0, 0},
    ControlTemplate{IDC_LAST_NEW, K::Text, 88, 213, 75, 8, "Static", 0, 0},
    ControlTemplate{IDC_STATIC, K::Text, 16, 224, 32, 8, "Pleine lune :", 0, 0},
    ControlTemplate{IDC_FULL, K::Text, 88, 224, 75, 8, "Static", 0, 0},
    ControlTemplate{IDC_STATIC, K::Text, 16, 235, 64, 8, "Proch. nouv. lune :", 0, 0},
    ControlTemplate{IDC_NEXT_NEW, K::Text, 88, 235, 75, 8, "Static", 0, 0},
    ControlTemplate{IDC_STATIC, K::Text, 16, 246, 64, 8, "Calendrier Julien :", 0, 0},
    ControlTemplate{IDC_JULIAN, K::Text, 88, 246, 75, 8, "Static", 0, 0},
    ControlTemplate{IDC_GROUP_OPTIONS, K::GroupBox, 183, 238, 207, 35, "Options :", 0, 0},
    ControlTemplate{IDC_STATIC, K::GroupBox, 183, 108, 207, 127, "Diagramme :", 0, 0},
    ControlTemplate{IDC_DIAGRAM, K::BlackRect, 209, 123, 174, 79, nullptr, 0, 0},
    ControlTemplate{IDC_LIST_DATES, K::ListBox, 193, 41, 133, 57, nullptr, 0,
                    kNotify | kVScroll | kBorder | kNoIntegralHeight | kVirtualRows | kTabStop},
    ControlTemplate{IDC_DELETE, K::PushButton, 329, 67, 58, 14, "Supprimer", 0, kTabStop},
    ControlTemplate{IDC_STATIC, K::Text, 309, 248, 30, 8, "Fuseau horaire:", 0, 0},
    ControlTemplate{IDC_TIME_ZONE, K::Edit, 342, 246, 40, 14, nullptr, 0, kEditStyle},
    ControlTemplate{IDC_TYPE_PICTURE, K::Bitmap, 16, 122, 145, 24, nullptr, 0, kCentred},
    ControlTemplate{IDC_BIRTH, K::Text, 251, 221, 73, 8, "Static", 0, kCentred},
    ControlTemplate{IDC_STATIC, K::Bitmap, 338, 19, 41, 27, nullptr, IDB_CABINET, kCentred},
    ControlTemplate{IDC_STATIC, K::Bitmap, 131, 56, 20, 21, nullptr, IDB_SCROLL, 0},
    ControlTemplate{IDC_STATIC, K::Bitmap, 333, 215, 50, 15, nullptr, IDB_LEGEND, 0},
    ControlTemplate{IDC_STATIC, K::Bitmap, 268, 211, 51, 9, nullptr, IDB_AXIS_DATE, 0},
    ControlTemplate{IDC_STATIC, K::Bitmap, 190, 146, 9, 34, nullptr, IDB_AXIS_PHASE, 0},
    ControlTemplate{IDC_STATIC, K::Bitmap, 199, 161, 8, 8, nullptr, IDB_TICK_50, 0},
    ControlTemplate{IDC_STATIC, K::Bitmap, 200, 196, 7, 6, nullptr, IDB_TICK_0, 0},
    ControlTemplate{IDC_STATIC, K::Bitmap, 199, 122, 8, 12, nullptr, IDB_TICK_100, 0},
    ControlTemplate{IDC_STATIC, K::Bitmap, 207, 203, 9, 7, nullptr, IDB_DAY_MINUS2, 0},
    ControlTemplate{IDC_STATIC, K::Bitmap, 249, 203, 10, 7, nullptr, IDB_DAY_MINUS1, 0},
    ControlTemplate{IDC_STATIC, K::Bitmap, 291, 203, 9, 7, nullptr, IDB_DAY_0, 0},
    ControlTemplate{IDC_STATIC, K::Bitmap, 333, 203, 9, 7, nullptr, IDB_DAY_PLUS1, 0},
    ControlTemplate{IDC_STATIC, K::Bitmap, 375, 203, 9, 7, nullptr, IDB_DAY_PLUS2, 0},
    ControlTemplate{IDC_DELETE_ALL, K::PushButton, 329, 85, 58, 14, "Tout supprimer", 0, kTabStop},
    ControlTemplate{IDC_STATIC, K::Text, 16, 257, 31, 8, "Mondtag :", 0, 0},
    ControlTemplate{IDC_MONDTAG, K::Text, 88, 257, 75, 8, "Static", 0, 0},
};

constexpr std::array kAbout100{
    ControlTemplate{IDC_STATIC, K::Icon, 11, 17, 20, 20, nullptr, IDR_MAINFRAME, 0},
    ControlTemplate{IDC_STATIC, K::Text, 40, 10, 119, 8, "Vexamo, Version 1.0", 0, kNoPrefix},
    ControlTemplate{IDOK, K::PushButton, 178, 7, 32, 14, "OK", 0, kDefaultButton | kTabStop},
};

constexpr std::array<std::pair<int, int>, 10> kToolTips{{
    {IDC_LAYOUT, IDS_TIP_LAYOUT},
    {IDC_SOUTHERN, IDS_TIP_SOUTHERN},
    {IDC_CONST_ZONE, IDS_TIP_CONST_ZONE},
    {IDC_LIST_DATES, IDS_TIP_LIST},
    {IDC_CALCULATE, IDS_TIP_CALCULATE},
    {IDC_NAME, IDS_TIP_NAME},
    {IDC_ADD, IDS_TIP_ADD},
    {IDC_DELETE, IDS_TIP_DELETE},
    {IDC_TIME_ZONE, IDS_TIP_TIME_ZONE},
    {IDC_DELETE_ALL, IDS_TIP_DELETE_ALL},
}};

} // namespace

const DialogTemplate& FindTemplate102() {
    static const std::array controls{
        ControlTemplate{IDC_STATIC, K::Text, 7, 9, 62, 8, UserText(TextId::FindLabel), 0, 0},
        ControlTemplate{IDC_FIND_TEXT, K::Edit, 70, 7, 140, 14, nullptr, 0, kEditStyle},
        ControlTemplate{IDC_FIND_STATUS, K::Text, 7, 26, 203, 8, nullptr, 0, kNoPrefix},
        ControlTemplate{IDC_FIND_NEXT, K::PushButton, 106, 40, 50, 14, UserText(TextId::FindNext),
                        0, kDefaultButton | kTabStop},
        ControlTemplate{IDCANCEL, K::PushButton, 160, 40, 50, 14, UserText(TextId::FindClose), 0,
                        kTabStop},
    };
    static const DialogTemplate find{217, 61, UserText(TextId::FindTitle), controls};
    return find;
}

const DialogTemplate& BirthplaceTemplate103() {
    constexpr uint32_t kList = kNotify | kVScroll | kBorder | kNoIntegralHeight | kTabStop;
    static const std::array controls{
        ControlTemplate{IDC_PLACE_NOTICE, K::Text, 7, 7, 306, 16, nullptr, 0, kNoPrefix | kHidden},
        ControlTemplate{IDC_STATIC, K::Text, 7, 27, 306, 8, UserText(TextId::PlaceSearchLabel), 0,
                        0},
        ControlTemplate{IDC_PLACE_SEARCH, K::Edit, 7, 37, 306, 14, nullptr, 0, kEditStyle},
        ControlTemplate{IDC_PLACE_LIST, K::ListBox, 7, 54, 306, 84, nullptr, 0, kList},
        ControlTemplate{IDC_STATIC, K::Text, 7, 144, 306, 8, UserText(TextId::PlaceZoneLabel), 0,
                        0},
        ControlTemplate{IDC_ZONE_SEARCH, K::Edit, 7, 154, 306, 14, nullptr, 0, kEditStyle},
        ControlTemplate{IDC_ZONE_LIST, K::ListBox, 7, 171, 306, 48, nullptr, 0, kList},
        ControlTemplate{IDC_PLACE_EXPLANATION, K::Text, 7, 225, 306, 42, nullptr, 0, kNoPrefix},
        ControlTemplate{IDC_PLACE_SUMMER, K::RadioButton, 7, 270, 306, 10, nullptr, 0, kTabStop},
        ControlTemplate{IDC_PLACE_WINTER, K::RadioButton, 7, 282, 306, 10, nullptr, 0, kTabStop},
        ControlTemplate{IDC_PLACE_ROUND, K::CheckBox, 7, 294, 306, 10, nullptr, 0, kTabStop},
        ControlTemplate{IDOK, K::PushButton, 209, 311, 50, 14, UserText(TextId::ButtonOk), 0,
                        kDefaultButton | kTabStop},
        ControlTemplate{IDCANCEL, K::PushButton, 263, 311, 50, 14, UserText(TextId::PlaceCancel), 0,
                        kTabStop},
    };
    static const DialogTemplate birthplace{320, 332, UserText(TextId::PlaceTitle), controls};
    return birthplace;
}

const DialogTemplate& FormTemplate130() {
    static const DialogTemplate form{401, 280, nullptr, kForm130};
    return form;
}

const DialogTemplate& AboutTemplate100() {
    static const DialogTemplate about{217, 55, "A propos de Vexamo", kAbout100};
    return about;
}

const ControlTemplate* FindControl(const DialogTemplate& dialog, int id) {
    for (const ControlTemplate& control : dialog.controls) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}

int ToolTipStringId(int controlId) {
    for (const auto& [control, string] : kToolTips) {
        if (control == controlId) {
            return string;
        }
    }
    return 0;
}
