#pragma once

#include <QList>
#include <QLocale>
#include <QString>

// The language the program speaks: its own translations, built into it, and
// Qt's for the standard dialogs (print, page setup, messages). The choice is
// kept in the settings; none kept means the desktop's language. The choice
// is read and spoken when the application object is made, so every window,
// also one a test builds, speaks it.
namespace language {

struct ShippedLanguage
{
    QString code; // "de", "pt_BR"
    QString name; // in itself: "Deutsch", "Português (Brasil)"
};

// Every language the program speaks, sorted by its own name: English, its
// own, and each translation built into it.
QList<ShippedLanguage> shippedLanguages();

// The kept choice: a shipped language's code, or empty for the desktop's.
QString chosenLanguage();
// False when the settings could not be written.
bool keepChosenLanguage(const QString &code);

// Speaks `code` (empty: the desktop's language, English when it is not
// shipped) from now on. Every widget gets a LanguageChange event.
void speak(const QString &code);
// The code of the language spoken now: "en" when no translation is in use.
QString spokenLanguage();
// The locale numbers and dates are shown in: that of the language spoken,
// the default locale while English is.
QLocale spokenLocale();

} // namespace language
