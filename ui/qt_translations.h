#pragma once
// The toolkit's own texts (the buttons of message boxes, the file dialogs, the edit fields'
// context menu) in the user's language, as the system shows them in its own dialogs.
class QCoreApplication;
class QTranslator;

// Installs the toolkit's translation for the current default locale; returns it (owned by
// application), or nullptr when there is none for that language.
QTranslator* InstallQtTranslations(QCoreApplication& application);
