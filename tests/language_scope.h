#pragma once
// vexamo-cli's messages in one language for the life of the object, chosen as the program
// chooses it at start (LANGUAGE under C.UTF-8, which needs no installed locale); the previous
// environment and the catalogue's own texts come back after.
#include <cstdlib>
#include <optional>
#include <string>

#include "app/message_language.h"

class LanguageScope {
  public:
    explicit LanguageScope(const char* language) {
        Set(m_all, "LC_ALL", "C.UTF-8");
        Set(m_language, "LANGUAGE", language);
        UseMessageLanguage(VEXAMO_TEST_LOCALEDIR);
    }
    ~LanguageScope() {
        Restore("LANGUAGE", m_language);
        Restore("LC_ALL", m_all);
        UseOwnTexts();
    }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;

  private:
    static void Set(std::optional<std::string>& saved, const char* name, const char* value) {
        if (const char* old = std::getenv(name)) {
            saved = old;
        }
        ::setenv(name, value, 1);
    }
    static void Restore(const char* name, const std::optional<std::string>& saved) {
        if (saved) {
            ::setenv(name, saved->c_str(), 1);
        } else {
            ::unsetenv(name);
        }
    }

    std::optional<std::string> m_all;
    std::optional<std::string> m_language;
};
