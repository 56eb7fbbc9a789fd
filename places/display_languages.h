#pragma once
// The languages the user reads, for the messages of vexamo-cli and the names of places, and the
// order in which translations into them are looked for.
#include <string>
#include <string_view>
#include <vector>

namespace places {

// The user's display languages, the most wanted first, as locale names ("de_AT.UTF-8", "fr",
// "pt_BR"); none when the user wants the program's own English. On Linux as every translated
// program takes them: the list in LANGUAGE (separated by ':'), unless the message locale in
// force is "C" or "POSIX"; without LANGUAGE the name of that locale (which setlocale took from
// LC_ALL, LC_MESSAGES or LANG). Each is replaced by what the system's table of locale aliases
// names for it ("german": "de_DE.ISO-8859-1"). The one answer here that each platform gives its
// own way: on Windows, which has no message locale, LANGUAGE and the locale named by LC_ALL,
// LC_MESSAGES or LANG are taken alike when set; otherwise the user's display languages
// (GetUserPreferredUILanguages, else GetUserDefaultUILanguage), "de-AT" given as "de_AT".
std::vector<std::string> UserDisplayLanguages();

// The locale name an alias stands for in a table of locale aliases (lines "alias name", "#"
// beginning a comment; the alias in any case), or the name itself when it is none.
std::string ExpandLocaleAlias(const std::string& name, std::string_view table);

// The catalogues to look in for a translation into the languages, in turn: for each, from the
// most particular name to the plainest ("de_AT.UTF-8@euro", ..., "de_AT@euro", "de@euro",
// "de_AT", "de"). A language "C" or "POSIX" ends the list (what follows is not looked at).
std::vector<std::string> CatalogueNames(const std::vector<std::string>& languages);

} // namespace places
