#include "app/message_language.h"

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/message_translations.h"
#include "places/display_languages.h"

namespace {

bool g_translated = false;
// The catalogues in force, the first to look in first.
std::vector<const MessageCatalogue*> g_catalogues;

const char* Lookup(const MessageCatalogue& catalogue, const char* english) {
    const auto all = catalogue.all;
    const auto found = std::lower_bound(all.begin(), all.end(), english,
                                        [](const MessageTranslation& m, const char* text) {
                                            return std::strcmp(m.english, text) < 0;
                                        });
    return found != all.end() && std::strcmp(found->english, english) == 0 ? found->translation
                                                                           : nullptr;
}

#ifdef _WIN32
// Windows has no message locale: the languages are read from the environment and the user's
// settings (places/display_languages.h).
void TakeMessageLocale() {}
#else
const char* NonEmptyEnv(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

void TakeMessageLocale() {
    if (std::setlocale(LC_MESSAGES, "") == nullptr) {
        // The named locale is not installed. Under C.UTF-8 the language list is still followed,
        // so the language the user asked for is given there.
        std::setlocale(LC_MESSAGES, "C.UTF-8");
        if (NonEmptyEnv("LANGUAGE") == nullptr) {
            const char* named = NonEmptyEnv("LC_ALL");
            named = named != nullptr ? named : NonEmptyEnv("LC_MESSAGES");
            named = named != nullptr ? named : NonEmptyEnv("LANG");
            if (named != nullptr) {
                ::setenv("LANGUAGE", named, 1);
            }
        }
    }
}
#endif

} // namespace

void UseMessageLanguage() {
    TakeMessageLocale();
    g_catalogues.clear();
    for (const std::string& name : places::CatalogueNames(places::UserDisplayLanguages())) {
        for (const MessageCatalogue& catalogue : MessageCatalogues()) {
            if (name == catalogue.language && std::find(g_catalogues.begin(), g_catalogues.end(),
                                                        &catalogue) == g_catalogues.end()) {
                g_catalogues.push_back(&catalogue);
            }
        }
    }
    g_translated = true;
}

void UseOwnTexts() {
    g_translated = false;
}

bool MessagesTranslated() {
    return g_translated;
}

const char* TranslatedMessage(const char* english) {
    for (const MessageCatalogue* catalogue : g_catalogues) {
        if (const char* translation = Lookup(*catalogue, english)) {
            return translation;
        }
    }
    return english;
}

const char* TranslatedMessage(const char* context, const char* english) {
    // A text with a context is kept as "<context>\004<text>", as the catalogues' tools keep it.
    const std::string key = std::string(context) + '\004' + english;
    for (const MessageCatalogue* catalogue : g_catalogues) {
        if (const char* translation = Lookup(*catalogue, key.c_str())) {
            return translation;
        }
    }
    return english;
}
