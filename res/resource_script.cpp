#include "res/resource_script.h"

#include <cstdio>

#include "res/form_template.h"
#include "res/menu_table.h"
#include "res/resource_ids.h"
#include "res/string_table.h"

namespace {

// text as a quoted string of the script: quotes doubled, backslashes, tabs and line ends
// written as escapes.
std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\"\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    return out + "\"";
}

std::string Id(int id) {
    return id == IDC_STATIC ? "IDC_STATIC" : std::to_string(id);
}

std::string Rect(const ControlTemplate& c) {
    char text[64];
    std::snprintf(text, sizeof text, "%d, %d, %d, %d", c.x, c.y, c.cx, c.cy);
    return text;
}

// Style words after the rectangle, each with its leading ", " or " | ".
std::string Extra(std::string styles, const ControlTemplate& c) {
    if (c.style & kHidden) {
        styles += styles.empty() ? "NOT WS_VISIBLE" : " | NOT WS_VISIBLE";
    }
    return styles.empty() ? std::string() : ", " + styles;
}

std::string Control(const ControlTemplate& c) {
    const std::string text = Quoted(c.text != nullptr ? c.text : "");
    const std::string at = ", " + Id(c.id) + ", " + Rect(c);
    switch (c.kind) {
    case ControlKind::GroupBox:
        return "GROUPBOX " + text + at + Extra("", c);
    case ControlKind::Text:
        return std::string(c.style & kCentred ? "CTEXT " : "LTEXT ") + text + at +
               Extra(c.style & kNoPrefix ? "SS_NOPREFIX" : "", c);
    case ControlKind::Edit:
        return "EDITTEXT " + Id(c.id) + ", " + Rect(c) + Extra("ES_AUTOHSCROLL", c);
    case ControlKind::PushButton:
        return std::string(c.style & kDefaultButton ? "DEFPUSHBUTTON " : "PUSHBUTTON ") + text +
               at + Extra("", c);
    case ControlKind::CheckBox:
        return "AUTOCHECKBOX " + text + at + Extra("", c);
    case ControlKind::RadioButton:
        return "AUTORADIOBUTTON " + text + at + Extra("", c);
    case ControlKind::ListBox: {
        std::string styles = "WS_VSCROLL | WS_TABSTOP";
        styles += c.style & kSorted ? " | LBS_SORT" : "";
        styles += c.style & kNoIntegralHeight ? " | LBS_NOINTEGRALHEIGHT" : "";
        styles += c.style & kVirtualRows
                      ? " | LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_WANTKEYBOARDINPUT"
                      : "";
        return "LISTBOX " + Id(c.id) + ", " + Rect(c) + Extra(styles, c);
    }
    case ControlKind::Bitmap: {
        const std::string image = c.image != 0 ? std::to_string(c.image) : "\"\"";
        const std::string styles =
            std::string("SS_BITMAP") + (c.style & kCentred ? " | SS_CENTERIMAGE" : "");
        return "CONTROL " + image + ", " + Id(c.id) + ", \"Static\", " + styles + ", " + Rect(c);
    }
    case ControlKind::Icon:
        return "ICON " + std::to_string(c.image) + at;
    case ControlKind::BlackRect:
        return "CONTROL \"\", " + Id(c.id) + ", \"Static\", SS_BLACKRECT, " + Rect(c);
    }
    return {};
}

void Dialog(std::string& out, int id, const DialogTemplate& d) {
    out += std::to_string(id) + " DIALOGEX 0, 0, " + std::to_string(d.cx) + ", " +
           std::to_string(d.cy) + "\n";
    if (d.title != nullptr) {
        out += "STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n";
        out += "CAPTION " + Quoted(d.title) + "\n";
    } else {
        // A child form without caption or border.
        out += "STYLE WS_CHILD\n";
    }
    out += "FONT 8, \"MS Sans Serif\"\nBEGIN\n";
    for (const ControlTemplate& c : d.controls) {
        out += "    " + Control(c) + "\n";
    }
    out += "END\n\n";
}

void Menu(std::string& out) {
    out += std::to_string(IDR_MAINFRAME) + " MENU\nBEGIN\n";
    bool open = false;
    for (const MenuItemTemplate& item : MenuTemplate128()) {
        if (item.flags & kMenuPopup) {
            out += open ? "    END\n" : "";
            out += "    POPUP " + Quoted(item.text) + "\n    BEGIN\n";
            open = true;
        } else if (item.flags & kMenuSeparator) {
            out += "        MENUITEM SEPARATOR\n";
        } else {
            out += "        MENUITEM " + Quoted(item.text) + ", " + std::to_string(item.command) +
                   (item.flags & kMenuGrayed ? ", GRAYED" : "") + "\n";
        }
    }
    out += open ? "    END\n" : "";
    out += "END\n\n";
}

std::string Key(AccelKey key) {
    switch (key) {
    case AccelKey::Backspace:
        return "VK_BACK";
    case AccelKey::Delete:
        return "VK_DELETE";
    case AccelKey::Insert:
        return "VK_INSERT";
    case AccelKey::F6:
        return "VK_F6";
    case AccelKey::F3:
        return "VK_F3";
    default:
        break;
    }
    static constexpr char kLetters[] = {'N', 'O', 'S', 'P', 'Z', 'X', 'C', 'V'};
    const auto index = static_cast<size_t>(key);
    if (index < sizeof kLetters) {
        return std::string("\"") + kLetters[index] + "\"";
    }
    return key == AccelKey::Y ? "\"Y\"" : "\"F\"";
}

void Accelerators(std::string& out) {
    out += std::to_string(IDR_MAINFRAME) + " ACCELERATORS\nBEGIN\n";
    for (const AcceleratorEntry& a : AcceleratorTable128()) {
        out += "    " + Key(a.key) + ", " + std::to_string(a.command) + ", VIRTKEY";
        out += a.modifiers & kAccelControl ? ", CONTROL" : "";
        out += a.modifiers & kAccelShift ? ", SHIFT" : "";
        out += a.modifiers & kAccelAlt ? ", ALT" : "";
        out += ", NOINVERT\n";
    }
    out += "END\n\n";
}

void Strings(std::string& out) {
    out += "STRINGTABLE\nBEGIN\n";
    for (const int id : ResourceStringIds()) {
        out += "    " + std::to_string(id) + ", " + Quoted(LoadResourceString(id)) + "\n";
    }
    out += "END\n\n";
}

void Version(std::string& out) {
    out += "VS_VERSION_INFO VERSIONINFO\n"
           " FILEVERSION 1,0,0,1\n"
           " PRODUCTVERSION 1,0,0,1\n"
           " FILEFLAGSMASK 0x3fL\n"
           " FILEFLAGS 0x0L\n"
           " FILEOS VOS_NT_WINDOWS32\n"
           " FILETYPE VFT_APP\n"
           " FILESUBTYPE 0x0L\n"
           "BEGIN\n"
           "    BLOCK \"StringFileInfo\"\n"
           "    BEGIN\n"
           "        BLOCK \"040704b0\"\n"
           "        BEGIN\n"
           "            VALUE \"FileDescription\", \"Vexamo MFC Application\"\n"
           "            VALUE \"FileVersion\", \"1, 0, 0, 1\"\n"
           "            VALUE \"InternalName\", \"Vexamo\"\n"
           "            VALUE \"OriginalFilename\", \"Vexamo.EXE\"\n"
           "            VALUE \"ProductName\", \"Orlinde Berechnung\"\n"
           "            VALUE \"ProductVersion\", \"1, 0, 0, 1\"\n"
           "        END\n"
           "    END\n"
           "    BLOCK \"VarFileInfo\"\n"
           "    BEGIN\n"
           "        VALUE \"Translation\", 0x407, 1200\n"
           "    END\n"
           "END\n";
}

std::string PictureFile(std::string_view folder, int id, const char* extension) {
    std::string path(folder);
    if (!path.empty() && path.back() != '/') {
        path += '/';
    }
    return Quoted(path + std::to_string(id) + extension);
}

} // namespace

std::string ResourceScript(std::string_view pictureFolder, std::string_view manifest) {
    std::string out = "// Made from the program's resource tables; not to be edited.\n"
                      "#pragma code_page(65001)\n"
                      "#include <windows.h>\n"
                      "#ifndef IDC_STATIC\n#define IDC_STATIC (-1)\n#endif\n\n";
    if (!manifest.empty()) {
        out += "1 RT_MANIFEST " + Quoted(manifest) + "\n\n";
    }
    out += std::to_string(IDR_MAINFRAME) + " ICON " +
           PictureFile(pictureFolder, IDR_MAINFRAME, ".ico") + "\n";
    for (const int id : kBitmapIds) {
        out += std::to_string(id) + " BITMAP " + PictureFile(pictureFolder, id, ".bmp") + "\n";
    }
    out += "\n";
    Dialog(out, IDD_ABOUTBOX, AboutTemplate100());
    Dialog(out, IDD_FIND, FindTemplate102());
    Dialog(out, IDD_BIRTHPLACE, BirthplaceTemplate103());
    Dialog(out, IDD_VEXAMO_FORM, FormTemplate130());
    Menu(out);
    Accelerators(out);
    Strings(out);
    Version(out);
    return out;
}
