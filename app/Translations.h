#pragma once
// The window in the user's language: the first of the desktop's languages
// (QLocale::system().uiLanguages(), which follow LANGUAGE, LC_ALL, LC_MESSAGES
// and LANG) that Corvana speaks, English otherwise. Corvana's own catalogue is
// built into the program; Qt's own, for its dialogs and buttons, comes from the
// system's Qt translations (Debian's qt6-translations-l10n) when they are there.
// Files, the clipboard's text, the settings and the column headers stay English.

#include <QString>
#include <QStringList>

class QCoreApplication;

// The languages Corvana speaks besides English, as catalogue names: "de", "fr", ...
QStringList TranslatedLanguages();

// The language the window speaks for these UI languages (as QLocale gives
// them, "de-DE", "fr", ...): one of TranslatedLanguages(), or empty for English.
QString ChosenLanguage(const QStringList& uiLanguages);

// Installs the catalogues of the desktop's language into the application (for
// English, its plural forms); returns the language chosen (empty for English).
QString InstallTranslations(QCoreApplication& application);
