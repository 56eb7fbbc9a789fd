#pragma once
// A list of stored names shows each key as text (NameOfKey, app/record_commands.h) and finds the
// key again from that text. The text gives back every key but a wide one with a lone half of a
// surrogate pair, which is shown as U+FFFD: such a key is kept beside its text.
#include <optional>
#include <string>
#include <string_view>

#include "records/name_key.h"

// The key a shown name stands for: exactly the key it was made from, without NFC, so that a
// name read from a file is kept as it is. Empty when the text is not UTF-8.
NameKey KeyOfShownName(std::string_view shown);

// What to keep beside shown, the text of key, when it does not give the key back; nothing
// when it does.
std::optional<std::string> KeyToKeep(const NameKey& key, std::string_view shown);

// The key kept as KeyToKeep gave it.
NameKey KeptKey(std::string_view kept);
