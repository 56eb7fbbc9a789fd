#pragma once
// Where vexamo-cli and vexamo-sheet find the translations of their messages.
#include <string>

// VEXAMO_LOCALEDIR when set; the build tree's catalogues when the program runs from the build
// tree; otherwise the installed ones (/usr/share/locale).
std::string MessageCatalogueDir();

// Puts the user's language in force for the messages (UseMessageLanguage).
void UseUserLanguage();
