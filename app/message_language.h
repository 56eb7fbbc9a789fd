#pragma once
// The language of vexamo-cli's messages and help: German under a "de" locale, French under "fr",
// English otherwise, looked up in the translations compiled from po/*.po. The desktop program
// never turns this on: its texts are the catalogue's own whatever the locale.

// Takes the language from the environment (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as every
// translated program does; places/display_languages.h). When the locale the environment names
// is not installed, its language is still honoured. Only the message category is set: numbers
// keep their full stop. Calling it again (after the environment changed) chooses again.
void UseMessageLanguage();

// Back to the catalogue's own texts.
void UseOwnTexts();

// Whether UseMessageLanguage is in force.
bool MessagesTranslated();

// The translation of an English message (the English itself when there is none).
const char* TranslatedMessage(const char* english);

// The same for an English text whose translation depends on where it is used (gettext's
// msgctxt): "before a vowel", "placeholder".
const char* TranslatedMessage(const char* context, const char* english);
