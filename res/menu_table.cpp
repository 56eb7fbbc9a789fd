#include "res/menu_table.h"

#include <array>

#include "res/resource_ids.h"

namespace {

constexpr std::array kMenu128{
    MenuItemTemplate{"&Fichier", 0, kMenuPopup},
    MenuItemTemplate{"&Nouveau\tCtrl+N", ID_FILE_NEW, kMenuNone},
    MenuItemTemplate{"Ouvrir...\tCtrl+O", ID_FILE_OPEN, kMenuNone},
    MenuItemTemplate{"Enregistrer\tCtrl+S", ID_FILE_SAVE, kMenuNone},
    MenuItemTemplate{"Enregistrer &sous...", ID_FILE_SAVE_AS, kMenuNone},
    MenuItemTemplate{nullptr, 0, kMenuSeparator},
    MenuItemTemplate{"&Imprimer...\tCtrl+P", ID_FILE_PRINT, kMenuNone},
    MenuItemTemplate{"Aperçu a&vant impression", ID_FILE_PRINT_PREVIEW, kMenuNone},
    MenuItemTemplate{"Configuration de l'i&mpression...", ID_FILE_PRINT_SETUP, kMenuNone},
    MenuItemTemplate{"E&xporter en PDF...", ID_FILE_EXPORT_PDF, kMenuNone},
    MenuItemTemplate{"Exporter &tout en PDF...", ID_FILE_EXPORT_ALL_PDF, kMenuNone},
    MenuItemTemplate{nullptr, 0, kMenuSeparator},
    MenuItemTemplate{"Documents récents", ID_FILE_MRU_FILE1, kMenuGrayed},
    MenuItemTemplate{nullptr, 0, kMenuSeparator},
    MenuItemTemplate{"&Quitter", ID_APP_EXIT, kMenuNone},
    MenuItemTemplate{"&Edition", 0, kMenuPopup},
    MenuItemTemplate{"&Copier\tCtrl+C", ID_EDIT_COPY, kMenuNone},
    MenuItemTemplate{"&Copier tout", ID_COPY_ALL, kMenuNone},
    MenuItemTemplate{"Copier le &diagramme", ID_EDIT_COPY_DIAGRAM, kMenuNone},
    // Undo and redo (their texts name the action; greyed while there is none), find.
    MenuItemTemplate{nullptr, 0, kMenuSeparator},
    MenuItemTemplate{"&Annuler\tCtrl+Z", ID_EDIT_UNDO, kMenuGrayed},
    MenuItemTemplate{"&Rétablir\tCtrl+Y", ID_EDIT_REDO, kMenuGrayed},
    MenuItemTemplate{nullptr, 0, kMenuSeparator},
    MenuItemTemplate{"Rec&hercher…\tCtrl+F", ID_EDIT_FIND, kMenuNone},
    MenuItemTemplate{"Sui&vant\tF3", ID_EDIT_REPEAT, kMenuNone},
    MenuItemTemplate{"&Insérer", 0, kMenuPopup},
    MenuItemTemplate{"&Date actuelle", ID_INSERT_CURRENT_DATE, kMenuNone},
    MenuItemTemplate{"&Lieu de naissance...", ID_INSERT_BIRTHPLACE, kMenuNone},
    MenuItemTemplate{"&?", 0, kMenuPopup},
    MenuItemTemplate{"A propos de Vexamo...", ID_APP_ABOUT, kMenuNone},
    MenuItemTemplate{"&Licences et sources…", ID_APP_CREDITS, kMenuNone},
};

constexpr std::array kAccel128{
    AcceleratorEntry{AccelKey::N, kAccelControl, ID_FILE_NEW},
    AcceleratorEntry{AccelKey::O, kAccelControl, ID_FILE_OPEN},
    AcceleratorEntry{AccelKey::S, kAccelControl, ID_FILE_SAVE},
    AcceleratorEntry{AccelKey::P, kAccelControl, ID_FILE_PRINT},
    AcceleratorEntry{AccelKey::Z, kAccelControl, ID_EDIT_UNDO},
    AcceleratorEntry{AccelKey::X, kAccelControl, ID_EDIT_CUT},
    AcceleratorEntry{AccelKey::C, kAccelControl, ID_EDIT_COPY},
    AcceleratorEntry{AccelKey::V, kAccelControl, ID_EDIT_PASTE},
    AcceleratorEntry{AccelKey::Backspace, kAccelAlt, ID_EDIT_UNDO},
    AcceleratorEntry{AccelKey::Delete, kAccelShift, ID_EDIT_CUT},
    AcceleratorEntry{AccelKey::Insert, kAccelControl, ID_EDIT_COPY},
    AcceleratorEntry{AccelKey::Insert, kAccelShift, ID_EDIT_PASTE},
    AcceleratorEntry{AccelKey::F6, kAccelNone, ID_NEXT_PANE},
    AcceleratorEntry{AccelKey::F6, kAccelShift, ID_PREV_PANE},
    // Redo and find, beside the table's own keys.
    AcceleratorEntry{AccelKey::Y, kAccelControl, ID_EDIT_REDO},
    AcceleratorEntry{AccelKey::Z, kAccelControl | kAccelShift, ID_EDIT_REDO},
    AcceleratorEntry{AccelKey::F, kAccelControl, ID_EDIT_FIND},
    AcceleratorEntry{AccelKey::F3, kAccelNone, ID_EDIT_REPEAT},
};

} // namespace

std::span<const MenuItemTemplate> MenuTemplate128() {
    return kMenu128;
}

std::span<const AcceleratorEntry> AcceleratorTable128() {
    return kAccel128;
}
