#pragma once
// Dialog templates as data: the main form (130), the About box (100), the find dialog (102) and
// the birthplace dialog (103). Rectangles are in
// dialog units, controls in template order, which is also the tab order.
#include <cstdint>
#include <span>

enum class ControlKind {
    GroupBox,
    Text, // static text
    Edit, // single-line edit field
    PushButton,
    CheckBox,    // automatic check box
    RadioButton, // automatic radio button
    ListBox,
    Bitmap,    // static showing a bitmap resource
    Icon,      // static showing an icon resource
    BlackRect, // static black rectangle (owner-drawn by the diagram)
};

// Style bits of a control.
enum ControlStyle : uint32_t {
    kStyleNone = 0,
    kTabStop = 1u << 0,
    kHidden = 1u << 1,
    kCentred = 1u << 2,       // text or image centred in the rectangle
    kDefaultButton = 1u << 3, // default push button
    kSorted = 1u << 4,
    kNotify = 1u << 5,
    kVScroll = 1u << 6,
    kBorder = 1u << 7,
    kNoIntegralHeight = 1u << 8,
    kAutoHScroll = 1u << 9,
    kNoPrefix = 1u << 10, // '&' shown as it stands
    // A list box that holds only a count of rows: the program draws each row from its own
    // data and answers the keys typed in it.
    kVirtualRows = 1u << 11,
};

struct ControlTemplate {
    int id; // -1 for controls without an id
    ControlKind kind;
    int x;
    int y;
    int cx;
    int cy;
    const char* text; // UTF-8; nullptr for none
    int image;        // bitmap or icon resource, 0 for none
    uint32_t style;
};

struct DialogTemplate {
    int cx;
    int cy;
    const char* title; // nullptr for a child form without caption
    std::span<const ControlTemplate> controls;
};

const DialogTemplate& FormTemplate130();
const DialogTemplate& AboutTemplate100();
// The Windows program's own dialogs; the Qt program lays the same texts out itself.
const DialogTemplate& FindTemplate102();
const DialogTemplate& BirthplaceTemplate103();

// The template entry of control id, or nullptr.
const ControlTemplate* FindControl(const DialogTemplate& dialog, int id);

// The tooltip string id of a form control; 0 when the control has no tooltip.
int ToolTipStringId(int controlId);
