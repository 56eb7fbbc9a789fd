#pragma once
// Menu 128 (the main frame's menu bar) and accelerator table 128, as data.
#include <cstdint>
#include <span>

enum MenuItemFlags : uint32_t {
    kMenuNone = 0,
    kMenuPopup = 1u << 0, // starts a new popup; the text is the popup's title
    kMenuSeparator = 1u << 1,
    kMenuGrayed = 1u << 2,
};

struct MenuItemTemplate {
    const char* text; // UTF-8, '&' marks the mnemonic, '\t' precedes the key text
    int command;      // 0 for popups and separators
    uint32_t flags;
};

std::span<const MenuItemTemplate> MenuTemplate128();

// Modifier bits of an accelerator.
enum AccelModifiers : uint32_t {
    kAccelNone = 0,
    kAccelShift = 1u << 0,
    kAccelControl = 1u << 1,
    kAccelAlt = 1u << 2,
};

// Virtual keys used by the table.
enum class AccelKey { N, O, S, P, Z, X, C, V, Backspace, Delete, Insert, F6, Y, F, F3 };

struct AcceleratorEntry {
    AccelKey key;
    uint32_t modifiers;
    int command;
};

std::span<const AcceleratorEntry> AcceleratorTable128();
