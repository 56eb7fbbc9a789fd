#include "app/name_rules.h"

#include <cstdio>
#include <utility>

#include "app/text_catalogue.h"
#include "app/unicode_nfc.h"
#include "records/cp1252.h"

namespace {

bool IsAscii(std::string_view text) {
    for (const char ch : text) {
        if (static_cast<unsigned char>(ch) >= 0x80) {
            return false;
        }
    }
    return true;
}

// The name with every malformed byte shown as U+FFFD, for a message.
std::string ShownName(std::string_view utf8Name) {
    std::string shown;
    size_t i = 0;
    while (i < utf8Name.size()) {
        char32_t c = 0;
        if (DecodeUtf8(utf8Name, i, c)) {
            AppendUtf8(c, shown);
        } else {
            AppendUtf8(0xFFFD, shown);
            ++i;
        }
    }
    return shown;
}

} // namespace

std::string NormalizeName(std::string_view utf8Name) {
    if (IsAscii(utf8Name)) {
        return std::string(utf8Name); // ASCII text is its own NFC
    }
    return ComposedNfc(utf8Name);
}

NameCheck CheckName(std::string_view utf8Name, NameUse use, NameKey* storeKey) {
    NameCheck check;
    if (utf8Name.empty()) {
        check.refusal = RecordRefusal::EmptyName;
        return check;
    }
    size_t i = 0;
    while (i < utf8Name.size()) {
        const size_t at = i;
        char32_t c = 0;
        if (!DecodeUtf8(utf8Name, i, c)) {
            check.refusal = RecordRefusal::NameNotStorable;
            check.offset = at;
            return check;
        }
        if (use == NameUse::NewEntry && IsControlCharacter(c)) {
            check.refusal = RecordRefusal::NameHasControlCharacter;
            check.character = c;
            check.offset = at;
            return check;
        }
    }
    if (storeKey != nullptr) {
        Utf8ToNameKey(NormalizeName(utf8Name), *storeKey);
    }
    return check;
}

bool HasControlCharacterCp1252(std::string_view storeName) {
    for (const char ch : storeName) {
        if (IsControlCharacter(Cp1252ToUnicode(static_cast<unsigned char>(ch)))) {
            return true;
        }
    }
    return false;
}

std::string RecordRefusalText(RecordRefusal refusal, std::string_view utf8Name) {
    switch (refusal) {
    case RecordRefusal::None:
        return {};
    case RecordRefusal::EmptyName:
        return UserText(TextId::NoName);
    case RecordRefusal::NameNotStorable: {
        const std::string at =
            std::to_string(CheckName(utf8Name, NameUse::ExistingEntry).offset + 1);
        return UserText(TextId::NameNotStorable, {ShownName(utf8Name), at});
    }
    case RecordRefusal::NameHasControlCharacter: {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X",
                      static_cast<unsigned>(CheckName(utf8Name, NameUse::NewEntry).character));
        return UserText(TextId::NameControlCharacter, {utf8Name, code});
    }
    case RecordRefusal::NameExists:
        return UserText(TextId::RecordExists, {utf8Name});
    case RecordRefusal::NotFound:
        return UserText(TextId::RecordMissing, {utf8Name});
    }
    return {};
}
