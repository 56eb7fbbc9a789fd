#include "app/name_rules.h"

#include <utility>

#include "records/cp1252.h"

NameCheck CheckName(std::string_view utf8Name, std::string* storeName) {
    NameCheck check;
    if (utf8Name.empty()) {
        check.verdict = NameVerdict::kEmpty;
        return check;
    }
    std::string converted;
    converted.reserve(utf8Name.size());
    size_t i = 0;
    while (i < utf8Name.size()) {
        const size_t at = i;
        char32_t c = 0;
        if (!DecodeUtf8(utf8Name, i, c)) {
            check.verdict = NameVerdict::kNotUtf8;
            check.offset = at;
            return check;
        }
        unsigned char byte = 0;
        if (IsControlCharacter(c) || !UnicodeToCp1252(c, byte)) {
            check.verdict =
                IsControlCharacter(c) ? NameVerdict::kControlCharacter : NameVerdict::kNotInCp1252;
            check.character = c;
            check.offset = at;
            return check;
        }
        converted.push_back(static_cast<char>(byte));
    }
    if (storeName != nullptr) {
        *storeName = std::move(converted);
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
