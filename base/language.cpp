#include "base/language.h"

#include "base/program_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>
#include <memory>

namespace {

const QString LanguageKey = QStringLiteral("Interface/Language");
// Where the build puts the compiled translations, one orvi_<code>.qm each.
const QString TranslationsFolder = QStringLiteral(":/translations");
const QString FilePrefix = QStringLiteral("orvi");
// The language the program is written in, spoken with no translation.
const QString English = QStringLiteral("en");

struct Spoken
{
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
    // English needs no translation but for its counts: "1 answer", "2 answers".
    std::unique_ptr<QTranslator> englishCounts;
    QString code = English;
};

Spoken &spoken()
{
    static Spoken state;
    return state;
}

void removeTranslators()
{
    Spoken &state = spoken();
    for (auto *translator : { &state.own, &state.qt, &state.englishCounts }) {
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    }
    state.code = English;
}

//: The name of the language you translate into, in that language:
//: "Deutsch", "Español", "Português (Brasil)".
const char *const OwnName = QT_TRANSLATE_NOOP("Language", "English");

// A translation names its own language; a file without the name is called
// by what Qt knows of its code.
QString nameInItself(const QString &file, const QString &code)
{
    QTranslator translator;
    if (translator.load(file)) {
        const QString name = translator.translate("Language", OwnName);
        if (!name.isEmpty())
            return name;
    }
    QString name = QLocale(code).nativeLanguageName();
    if (!name.isEmpty())
        name[0] = name.at(0).toUpper();
    return name.isEmpty() ? code : name;
}

// The codes of the translations built in, read from their file names alone,
// which costs the start next to nothing.
QStringList translatedCodes()
{
    QStringList codes
        = QDir(TranslationsFolder).entryList({ FilePrefix + QStringLiteral("_*.qm") }, QDir::Files);
    for (QString &file : codes)
        file = file.mid(FilePrefix.size() + 1).chopped(3);
    // English's own file holds its counts only; English is spoken without it.
    codes.removeAll(English);
    return codes;
}

void speakEnglish()
{
    auto counts = std::make_unique<QTranslator>();
    if (counts->load(FilePrefix + QLatin1Char('_') + English, TranslationsFolder)) {
        QCoreApplication::installTranslator(counts.get());
        spoken().englishCounts = std::move(counts);
    }
}

void speakChosenLanguage()
{
    language::speak(language::chosenLanguage());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(speakChosenLanguage)

namespace language {

QList<ShippedLanguage> shippedLanguages()
{
    QList<ShippedLanguage> languages = { { English, QStringLiteral("English") } };
    const QStringList codes = translatedCodes();
    for (const QString &code : codes) {
        const QString file = TranslationsFolder + QLatin1Char('/') + FilePrefix + QLatin1Char('_')
            + code + QStringLiteral(".qm");
        languages.append({ code, nameInItself(file, code) });
    }
    std::sort(
        languages.begin(), languages.end(), [](const ShippedLanguage &a, const ShippedLanguage &b) {
            return QString::localeAwareCompare(a.name, b.name) < 0;
        });
    return languages;
}

QString chosenLanguage()
{
    const QString code = programSettings().value(LanguageKey).toString();
    return code == English || translatedCodes().contains(code) ? code : QString();
}

bool keepChosenLanguage(const QString &code)
{
    QSettings settings = programSettings();
    if (code.isEmpty())
        settings.remove(LanguageKey);
    else
        settings.setValue(LanguageKey, code);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

void speak(const QString &code)
{
    removeTranslators();
    if (code == English) {
        speakEnglish();
        return;
    }
    const QLocale locale = code.isEmpty() ? QLocale::system() : QLocale(code);
    auto own = std::make_unique<QTranslator>();
    // Finds the best of the desktop's languages, and "pt" for "pt_PT" too.
    if (!own->load(locale, FilePrefix, QStringLiteral("_"), TranslationsFolder)
        || own->language() == English) {
        speakEnglish();
        return;
    }
    Spoken &state = spoken();
    state.code = own->language();
    if (state.code.isEmpty())
        state.code = locale.name();
    QCoreApplication::installTranslator(own.get());
    state.own = std::move(own);
    // Qt's own dialogs in the same language, where Qt has it.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLocale(state.code), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        state.qt = std::move(qt);
    }
}

QString spokenLanguage()
{
    return spoken().code;
}

QLocale spokenLocale()
{
    return spoken().own ? QLocale(spoken().code) : QLocale();
}

} // namespace language
