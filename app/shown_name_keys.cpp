#include "app/shown_name_keys.h"

NameKey KeyOfShownName(std::string_view shown) {
    NameKey key;
    if (!Utf8ToNameKey(shown, key)) {
        return {};
    }
    return key;
}

std::optional<std::string> KeyToKeep(const NameKey& key, std::string_view shown) {
    // An 8-bit key's every byte is a character, and its text gives it back.
    if (!key.IsWide() || KeyOfShownName(shown) == key) {
        return std::nullopt;
    }
    // Only wide keys are kept: their units (two bytes each, low byte first).
    return key.Bytes();
}

NameKey KeptKey(std::string_view kept) {
    return NameKey(NameKeyView::Wide(kept));
}
