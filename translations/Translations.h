#pragma once
// The language of the windows: the first of the user's languages that the
// program ships, read the way gettext reads them (LANGUAGE, then LC_ALL,
// LC_MESSAGES, LANG; the C locale means no translation at all).

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace orvantis {

// The languages the program carries a translation for ("es", "pt_BR").
QStringList ShippedLanguages();

// The shipped language the environment asks for, or an empty string for the
// texts as written (English).
QString ChosenLanguage();

// Installs the program's translation and Qt's own for the standard dialogs,
// when the environment asks for a shipped language. Returns the language.
QString InstallTranslations(QCoreApplication& app);

}  // namespace orvantis
