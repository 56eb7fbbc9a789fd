#pragma once
// The rule for a person's name wherever one enters the store (the form's "Ajouter",
// vexamo-cli add), checked before anything changes. Names arrive as UTF-8 and are held as
// Windows-1252; the rule is on the Unicode characters, so the printable characters that
// Windows-1252 puts at bytes 0x80 to 0x9F (such as the euro sign) are accepted.
#include <cstddef>
#include <string>
#include <string_view>

enum class NameVerdict {
    kAccepted,
    kEmpty,
    kNotUtf8,          // not valid UTF-8
    kControlCharacter, // U+0000 to U+001F, U+007F, or U+0080 to U+009F
    kNotInCp1252,      // a character that a record file cannot hold
};

struct NameCheck {
    NameVerdict verdict = NameVerdict::kAccepted;
    char32_t character = 0; // the refused character, with kControlCharacter and kNotInCp1252
    size_t offset = 0;      // its byte offset in the UTF-8 name (also of a malformed sequence)
};

// U+0000 to U+001F, U+007F (delete) and the C1 range U+0080 to U+009F.
constexpr bool IsControlCharacter(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Checks a name given as UTF-8. When it is accepted and storeName is given, storeName
// receives the name as the store holds it (Windows-1252).
NameCheck CheckName(std::string_view utf8Name, std::string* storeName = nullptr);

// Whether a name as the store holds it contains a control character: the bytes 0x00 to
// 0x1F and 0x7F, and the five bytes that stand for C1 characters (0x81, 0x8D, 0x8F, 0x90,
// 0x9D). Such names come only from files written elsewhere.
bool HasControlCharacterCp1252(std::string_view storeName);
