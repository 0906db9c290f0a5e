#pragma once

#include <QString>
#include <string>

class QCoreApplication;

namespace tq58 {

struct Phrase;

// Installs the window's translations and Qt's own (buttons, file dialogs) for the language
// code ("de"), or for the desktop's languages when the code is empty. English needs none, and
// a language without a translation stays English. Returns the language installed, "en" for none.
QString InstallTranslations(QCoreApplication& application, const std::string& languageCode);
// The language the last InstallTranslations installed; "en" before any.
QString WindowLanguage();

// A text the core marked with TQ58_TEXT, in the user's language.
QString CoreText(const char* context, const std::string& english);
// A sentence of the core, its pattern translated and its values filled in; a counted sentence
// ("%n channels") in the plural form for the count.
QString Translated(const Phrase& phrase, int count = -1);

} // namespace tq58
