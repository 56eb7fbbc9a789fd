#include "app/name_rules.h"

#include <cstdio>
#include <utility>

#include "app/text_catalogue.h"
#include "records/cp1252.h"

NameCheck CheckName(std::string_view utf8Name, NameUse use, std::string* storeKey) {
    NameCheck check;
    if (utf8Name.empty()) {
        check.refusal = RecordRefusal::EmptyName;
        return check;
    }
    std::string converted;
    converted.reserve(utf8Name.size());
    size_t i = 0;
    while (i < utf8Name.size()) {
        const size_t at = i;
        char32_t c = 0;
        unsigned char byte = 0;
        if (!DecodeUtf8(utf8Name, i, c)) {
            check.refusal = RecordRefusal::NameNotStorable;
            check.offset = at;
            return check;
        }
        const bool control = use == NameUse::NewEntry && IsControlCharacter(c);
        if (control || !UnicodeToCp1252(c, byte)) {
            check.refusal =
                control ? RecordRefusal::NameHasControlCharacter : RecordRefusal::NameNotStorable;
            check.character = c;
            check.offset = at;
            return check;
        }
        converted.push_back(static_cast<char>(byte));
    }
    if (storeKey != nullptr) {
        *storeKey = std::move(converted);
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

std::string RecordRefusalText(RecordRefusal refusal, std::string_view utf8Name, bool formWording) {
    switch (refusal) {
    case RecordRefusal::None:
        return {};
    case RecordRefusal::EmptyName:
        return UserText(TextId::NoName);
    case RecordRefusal::NameNotStorable:
        return formWording ? UserText(TextId::NameNotStorableForm)
                           : UserText(TextId::NameNotStorableCli, {utf8Name});
    case RecordRefusal::NameHasControlCharacter: {
        if (formWording) {
            return UserText(TextId::NameHasControlCharacter);
        }
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X",
                      static_cast<unsigned>(CheckName(utf8Name, NameUse::NewEntry).character));
        return UserText(TextId::CliNameControlCharacter, {utf8Name, code});
    }
    case RecordRefusal::NameExists:
        return UserText(formWording ? TextId::ReplaceRecordQuestion : TextId::RecordExistsCli,
                        {utf8Name});
    case RecordRefusal::NotFound:
        return formWording ? UserText(TextId::ProgrammingError)
                           : UserText(TextId::RecordMissingCli, {utf8Name});
    }
    return {};
}
