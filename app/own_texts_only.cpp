// The messages in the catalogue's own English, for a build without the message catalogues
// (the Windows build, until they are carried into it): the interface of message_language.h.
#include "app/message_language.h"

void UseMessageLanguage() {}

void UseOwnTexts() {}

bool MessagesTranslated() {
    return false;
}

const char* TranslatedMessage(const char* english) {
    return english;
}

const char* TranslatedMessage(const char*, const char* english) {
    return english;
}
