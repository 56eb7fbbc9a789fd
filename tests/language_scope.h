#pragma once
// vexamo-cli's messages in one language for the life of the object, chosen as the program
// chooses it at start (LANGUAGE under C.UTF-8, which needs no installed locale); the previous
// environment and the catalogue's own texts come back after.
#include "app/message_language.h"
#include "tests/cli/scoped_env.h"

class LanguageScope {
  public:
    explicit LanguageScope(const char* language)
        : m_all("LC_ALL", "C.UTF-8"), m_language("LANGUAGE", language) {
        UseMessageLanguage();
    }
    ~LanguageScope() { UseOwnTexts(); }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;

  private:
    ScopedEnv m_all;
    ScopedEnv m_language;
};
