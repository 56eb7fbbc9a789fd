#include "app/message_language.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <libintl.h>
#include <string>

// gettext's counter of loaded catalogues; raising it drops the translations it remembers, as
// needed when LANGUAGE changes within the process.
extern "C" int _nl_msg_cat_cntr;

namespace {

constexpr const char* kDomain = "vexamo-cli";

bool g_translated = false;

const char* NonEmptyEnv(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

} // namespace

void UseMessageLanguage(const std::string& catalogueDir) {
    if (std::setlocale(LC_MESSAGES, "") == nullptr) {
        // The named locale is not installed. Under C.UTF-8 gettext still follows LANGUAGE, so
        // the language the user asked for is given there.
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
    ::bindtextdomain(kDomain, catalogueDir.c_str());
    ::bind_textdomain_codeset(kDomain, "UTF-8");
    ++_nl_msg_cat_cntr;
    g_translated = true;
}

void UseOwnTexts() {
    g_translated = false;
}

bool MessagesTranslated() {
    return g_translated;
}

const char* TranslatedMessage(const char* english) {
    return ::dgettext(kDomain, english);
}

const char* TranslatedMessage(const char* context, const char* english) {
    // A text with a context is looked up as "<context>\004<text>".
    const std::string key = std::string(context) + '\004' + english;
    const char* translated = ::dgettext(kDomain, key.c_str());
    return translated == key.c_str() ? english : translated;
}
