#include "places/display_languages.h"

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cstdlib>
#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <windows.h>
#endif

namespace places {

namespace {

// The parts of a locale name language[_territory][.codeset][@modifier].
struct LocaleName {
    std::string_view language;
    std::string_view territory;
    std::string_view codeset;
    std::string_view modifier;
};

LocaleName Split(std::string_view name) {
    LocaleName parts;
    const auto take = [&name](std::string_view ends) {
        const std::size_t end = std::min(name.find_first_of(ends), name.size());
        const std::string_view part = name.substr(0, end);
        name.remove_prefix(end);
        return part;
    };
    parts.language = take("_.@");
    if (name.starts_with('_')) {
        name.remove_prefix(1);
        parts.territory = take(".@");
    }
    if (name.starts_with('.')) {
        name.remove_prefix(1);
        parts.codeset = take("@");
    }
    if (name.starts_with('@')) {
        parts.modifier = name.substr(1);
    }
    return parts;
}

// A codeset as catalogue folders may spell it: letters and digits only, in lower case, "iso"
// before one of digits only ("UTF-8": "utf8", "8859-1": "iso88591").
std::string NormalCodeset(std::string_view codeset) {
    std::string normal;
    bool digitsOnly = true;
    for (const char c : codeset) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            digitsOnly = digitsOnly && std::isdigit(static_cast<unsigned char>(c));
            normal.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
        }
    }
    return digitsOnly ? "iso" + normal : normal;
}

// The names to try for one locale name, the most particular first: with the modifier before
// without, then with the territory before without, then with the codeset as given, as
// normalised, and without.
void AddNames(std::string_view locale, std::vector<std::string>& names) {
    const LocaleName parts = Split(locale);
    std::vector<std::string> codesets;
    if (!parts.codeset.empty()) {
        codesets.emplace_back(parts.codeset);
        if (std::string normal = NormalCodeset(parts.codeset); normal != parts.codeset) {
            codesets.push_back(std::move(normal));
        }
    }
    codesets.emplace_back();
    for (const bool modifier : {true, false}) {
        if (modifier && parts.modifier.empty()) {
            continue;
        }
        for (const bool territory : {true, false}) {
            if (territory && parts.territory.empty()) {
                continue;
            }
            for (const std::string& codeset : codesets) {
                std::string name(parts.language);
                if (territory) {
                    name.append("_").append(parts.territory);
                }
                if (!codeset.empty()) {
                    name.append(".").append(codeset);
                }
                if (modifier) {
                    name.append("@").append(parts.modifier);
                }
                names.push_back(std::move(name));
            }
        }
    }
}

bool IsPlainLocale(std::string_view name) {
    return name == "C" || name == "POSIX";
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view NextWord(std::string_view& line) {
    const std::size_t start = std::min(line.find_first_not_of(" \t\r"), line.size());
    line.remove_prefix(start);
    const std::size_t end = std::min(line.find_first_of(" \t\r"), line.size());
    const std::string_view word = line.substr(0, end);
    line.remove_prefix(end);
    return word;
}

const std::string& SystemLocaleAliases() {
    static const std::string table = [] {
        std::ifstream in("/usr/share/locale/locale.alias", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    return table;
}

// The languages of a list separated by ':', each alias replaced by its locale name.
std::vector<std::string> LanguagesOfList(std::string_view list) {
    std::vector<std::string> languages;
    while (!list.empty()) {
        const std::size_t end = std::min(list.find(':'), list.size());
        if (end > 0) {
            languages.push_back(
                ExpandLocaleAlias(std::string(list.substr(0, end)), SystemLocaleAliases()));
        }
        list.remove_prefix(std::min(end + 1, list.size()));
    }
    return languages;
}

const char* NonEmptyEnv(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

#ifdef _WIN32
// The user's display languages as Windows keeps them ("de-AT", "fr-FR"), the most wanted first,
// as locale names ("de_AT:fr_FR").
std::string SystemLanguageList() {
    ULONG count = 0;
    ULONG size = 0;
    std::wstring names;
    if (::GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) && size > 0) {
        names.resize(size);
        if (!::GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size)) {
            names.clear();
        }
    }
    if (names.empty() || names[0] == L'\0') {
        wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
        const LCID id = MAKELCID(::GetUserDefaultUILanguage(), SORT_DEFAULT);
        names = ::LCIDToLocaleName(id, name, LOCALE_NAME_MAX_LENGTH, 0) > 0 ? name : L"";
    }
    // Separated and ended by L'\0', the list by a second one.
    std::string list;
    for (const wchar_t c : names) {
        if (c == L'\0') {
            if (!list.empty() && list.back() != ':') {
                list.push_back(':');
            }
        } else {
            list += c == L'-' ? '_' : static_cast<char>(c < 0x80 ? c : '?');
        }
    }
    while (list.ends_with(':')) {
        list.pop_back();
    }
    return list;
}
#endif

} // namespace

#ifdef _WIN32
// No message locale: the variables that name one, when set, are taken as on Linux (the list in
// LANGUAGE unless the locale named is "C" or "POSIX"), else the display languages of the
// user's Windows settings.
std::vector<std::string> UserDisplayLanguages() {
    const char* named = NonEmptyEnv("LC_ALL");
    named = named != nullptr ? named : NonEmptyEnv("LC_MESSAGES");
    named = named != nullptr ? named : NonEmptyEnv("LANG");
    if (named != nullptr && IsPlainLocale(named)) {
        return {};
    }
    if (const char* language = NonEmptyEnv("LANGUAGE")) {
        return LanguagesOfList(language);
    }
    return named != nullptr ? LanguagesOfList(named) : LanguagesOfList(SystemLanguageList());
}
#else
std::vector<std::string> UserDisplayLanguages() {
    const char* locale = std::setlocale(LC_MESSAGES, nullptr);
    if (locale == nullptr || IsPlainLocale(locale)) {
        return {};
    }
    const char* language = NonEmptyEnv("LANGUAGE");
    return LanguagesOfList(language != nullptr ? language : locale);
}
#endif

std::string ExpandLocaleAlias(const std::string& name, std::string_view table) {
    while (!table.empty()) {
        const std::size_t end = std::min(table.find('\n'), table.size());
        std::string_view line = table.substr(0, end);
        table.remove_prefix(std::min(end + 1, table.size()));
        const std::string_view alias = NextWord(line);
        if (alias.empty() || alias.starts_with('#') || !SameIgnoringCase(alias, name)) {
            continue;
        }
        if (const std::string_view value = NextWord(line); !value.empty()) {
            return std::string(value);
        }
    }
    return name;
}

std::vector<std::string> CatalogueNames(const std::vector<std::string>& languages) {
    std::vector<std::string> names;
    for (const std::string& language : languages) {
        if (IsPlainLocale(language)) {
            break;
        }
        AddNames(language, names);
    }
    return names;
}

} // namespace places
