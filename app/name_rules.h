#pragma once
// The rule for a person's name wherever one meets the store (the form's "Ajouter" and list,
// vexamo-cli add, show, remove, import), and the one code for every refusal of a record
// command. Names arrive as UTF-8 in any script and are normalised to NFC, so that a name typed
// with combining marks on one system finds the same name typed precomposed on another; the
// store keeps a name as Windows-1252 bytes when it can, else as UTF-16 (records/name_key.h).
// The rule is on the Unicode characters, so the printable characters that Windows-1252 puts at
// bytes 0x80 to 0x9F (such as the euro sign) are accepted.
#include <cstddef>
#include <string>
#include <string_view>

#include "records/name_key.h"

enum class RecordRefusal {
    None,
    EmptyName,
    NameNotStorable,         // not valid UTF-8
    NameHasControlCharacter, // a new entry only: U+0000..U+001F, U+007F or U+0080..U+009F
    NameExists,              // adding without replacing: the user must confirm (or pass --replace)
    NotFound,
};

// What the name is for. An existing entry with a control character in its name, read from a
// file written elsewhere, can still be looked up, replaced and removed; a new one cannot be made.
enum class NameUse { NewEntry, ExistingEntry };

struct NameCheck {
    RecordRefusal refusal = RecordRefusal::None; // None, EmptyName, NameNotStorable, or
                                                 // NameHasControlCharacter
    char32_t character = 0; // the refused character (0 for a malformed sequence)
    size_t offset = 0;      // its byte offset in the UTF-8 name

    bool Accepted() const { return refusal == RecordRefusal::None; }
};

// U+0000 to U+001F, U+007F (delete) and the C1 range U+0080 to U+009F.
constexpr bool IsControlCharacter(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Checks a name given as UTF-8; the first refused character decides (a malformed sequence has
// offset, character 0). When it is accepted and storeKey is given, storeKey receives the key of
// the name in NFC.
NameCheck CheckName(std::string_view utf8Name, NameUse use, NameKey* storeKey = nullptr);

// The name in NFC; the text must be valid UTF-8.
std::string NormalizeName(std::string_view utf8Name);

// Whether a name as the store holds it contains a control character: the bytes 0x00 to
// 0x1F and 0x7F, and the five bytes that stand for C1 characters (0x81, 0x8D, 0x8F, 0x90,
// 0x9D). Such names come only from files written elsewhere.
bool HasControlCharacterCp1252(std::string_view storeName);

// The text of a refusal of a record command on the name (UTF-8), one for both programs.
std::string RecordRefusalText(RecordRefusal refusal, std::string_view utf8Name);
