#include "base/language.h"
#include "session/tutor_session.h"
#include "worksheet/worksheet_screen.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

namespace {

// The pages as written, and the folder that holds the program as the build
// lays it out.
const QString SourceFolder = QStringLiteral(TUTOR_SHIPPED_FILES_DIR);
const QString RuntimeFolder = QStringLiteral(TUTOR_RUNTIME_DIR);

QString readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// Every address a page refers to: links, pictures, frames, style sheets.
QStringList references(const QString &page)
{
    static const QRegularExpression attribute(
        QStringLiteral("\\b(?:href|src)\\s*=\\s*\"([^\"]*)\""),
        QRegularExpression::CaseInsensitiveOption);
    QStringList found;
    auto it = attribute.globalMatch(page);
    while (it.hasNext())
        found << it.next().captured(1);
    return found;
}

bool hasAnchor(const QString &page, const QString &anchor)
{
    const QString quoted = QRegularExpression::escape(anchor);
    return page.contains(
        QRegularExpression(QStringLiteral("\\b(?:name|id)\\s*=\\s*\"%1\"").arg(quoted),
            QRegularExpression::CaseInsensitiveOption));
}

// Every language's own copies of the pages and texts, "languages/de" and on,
// each checked as the English ones are.
QStringList languageFolders()
{
    const QDir languages(SourceFolder + QStringLiteral("/languages"));
    QStringList folders;
    for (const QString &code : languages.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        folders << QStringLiteral("languages/") + code;
    return folders;
}

bool opensOutside(const QUrl &address)
{
    return address.scheme() == QLatin1String("http") || address.scheme() == QLatin1String("https")
        || address.scheme() == QLatin1String("mailto");
}

} // namespace

class ShippedPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void everyOpenedFileIsBesideTheProgram_data();
    void everyOpenedFileIsBesideTheProgram();
    void everyReferenceResolvesToShippedFile_data();
    void everyReferenceResolvesToShippedFile();
    void contentsAndHelpPagesLinkBothWays_data();
    void contentsAndHelpPagesLinkBothWays();
    void worksheetPagesNameEveryButton_data();
    void worksheetPagesNameEveryButton();
};

void ShippedPagesTest::everyOpenedFileIsBesideTheProgram_data()
{
    QTest::addColumn<QString>("file");
    // A language that has its own pages has all of them: the program shows
    // each language's copy where there is one.
    for (const QString &folder : QStringList { QString() } + languageFolders()) {
        for (const char *file : { "help/mhelp.html", "html/mbrows.html",
                 "worksheets/worktutorial.html", "ReadMe.txt", "Support.txt" }) {
            const QString path = folder.isEmpty() ? QString::fromLatin1(file)
                                                  : folder + QLatin1Char('/') + QLatin1String(file);
            QTest::newRow(qPrintable(path)) << path;
        }
    }
}

void ShippedPagesTest::everyOpenedFileIsBesideTheProgram()
{
    QFETCH(QString, file);
    const QFileInfo shipped(RuntimeFolder + QLatin1Char('/') + file);
    QVERIFY2(shipped.isFile(), qPrintable(shipped.filePath()));
    QVERIFY(shipped.size() > 0);
}

void ShippedPagesTest::everyReferenceResolvesToShippedFile_data()
{
    QTest::addColumn<QString>("page");
    QStringList folders;
    for (const QString &language : QStringList { QString() } + languageFolders()) {
        for (const char *folder : { "help", "html", "worksheets" })
            folders << (language.isEmpty() ? QString() : language + QLatin1Char('/'))
                    + QLatin1String(folder);
    }
    for (const QString &folder : folders) {
        QDirIterator it(SourceFolder + QLatin1Char('/') + folder,
            { QStringLiteral("*.html"), QStringLiteral("*.htm") }, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString relative = QDir(SourceFolder).relativeFilePath(path);
            QTest::newRow(qPrintable(relative)) << relative;
        }
    }
}

void ShippedPagesTest::everyReferenceResolvesToShippedFile()
{
    QFETCH(QString, page);
    const QString text = readAll(SourceFolder + QLatin1Char('/') + page);
    QVERIFY(!text.isEmpty());
    // Resolved where the program shows the page, beside the program.
    const QUrl base = QUrl::fromLocalFile(RuntimeFolder + QLatin1Char('/') + page);
    const QDir runtime(RuntimeFolder);
    const QString root = runtime.canonicalPath() + QLatin1Char('/');

    for (const QString &reference : references(text)) {
        const QUrl target = base.resolved(QUrl(reference));
        if (opensOutside(target)) {
            QVERIFY2(target.isValid() && !target.path().isEmpty(), qPrintable(reference));
            continue;
        }
        QVERIFY2(target.isLocalFile(), qPrintable(reference));
        const QFileInfo file(target.toLocalFile());
        QVERIFY2(file.isFile(), qPrintable(reference));
        // Shipped means inside the program's folder, and still part of the
        // project rather than left over from an earlier build.
        QVERIFY2(file.canonicalFilePath().startsWith(root), qPrintable(reference));
        const QString relative = runtime.relativeFilePath(file.filePath());
        QVERIFY2(
            QFileInfo(SourceFolder + QLatin1Char('/') + relative).isFile(), qPrintable(reference));
        if (target.hasFragment())
            QVERIFY2(hasAnchor(readAll(file.filePath()), target.fragment()), qPrintable(reference));
    }
}

void ShippedPagesTest::contentsAndHelpPagesLinkBothWays_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("help") << QStringLiteral("help");
    for (const QString &language : languageFolders())
        QTest::newRow(qPrintable(language)) << language + QStringLiteral("/help");
}

// A help page that the contents do not list can never be reached, and every
// page leads back to the contents.
void ShippedPagesTest::contentsAndHelpPagesLinkBothWays()
{
    QFETCH(QString, folder);
    const QDir help(SourceFolder + QLatin1Char('/') + folder);
    const QStringList linked = references(readAll(help.filePath(QStringLiteral("mhelp.html"))));
    const QSet<QString> listed(linked.cbegin(), linked.cend());
    const QStringList pages = help.entryList({ QStringLiteral("*.html") }, QDir::Files);
    QVERIFY(pages.size() > 1);
    // A language's contents list its own pages, so it needs every one of them.
    QCOMPARE(pages,
        QDir(SourceFolder + QStringLiteral("/help"))
            .entryList({ QStringLiteral("*.html") }, QDir::Files));
    for (const QString &page : pages) {
        if (page == QLatin1String("mhelp.html"))
            continue;
        QVERIFY2(listed.contains(page), qPrintable(page));
        QVERIFY2(references(readAll(help.filePath(page))).contains(QStringLiteral("mhelp.html")),
            qPrintable(page));
    }
}

void ShippedPagesTest::worksheetPagesNameEveryButton_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("code");
    // "one" to "eight" and the word for buttons, as a page counts them.
    QTest::addColumn<QStringList>("counts");
    QTest::addColumn<QString>("buttonWord");
    struct Counting
    {
        QString code;
        QStringList counts;
        QString buttons;
    };
    const QList<Counting> languages = {
        { QStringLiteral("en"),
            { QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three"),
                QStringLiteral("four"), QStringLiteral("five"), QStringLiteral("six"),
                QStringLiteral("seven"), QStringLiteral("eight") },
            QStringLiteral("buttons") },
        { QStringLiteral("de"),
            { QStringLiteral("eine"), QStringLiteral("zwei"), QStringLiteral("drei"),
                QStringLiteral("vier"), QStringLiteral("fünf"), QStringLiteral("sechs"),
                QStringLiteral("sieben"), QStringLiteral("acht") },
            QStringLiteral("Schaltflächen") },
        { QStringLiteral("es"),
            { QStringLiteral("uno"), QStringLiteral("dos"), QStringLiteral("tres"),
                QStringLiteral("cuatro"), QStringLiteral("cinco"), QStringLiteral("seis"),
                QStringLiteral("siete"), QStringLiteral("ocho") },
            QStringLiteral("botones") },
        { QStringLiteral("fr"),
            { QStringLiteral("un"), QStringLiteral("deux"), QStringLiteral("trois"),
                QStringLiteral("quatre"), QStringLiteral("cinq"), QStringLiteral("six"),
                QStringLiteral("sept"), QStringLiteral("huit") },
            QStringLiteral("boutons") },
        { QStringLiteral("pt_BR"),
            { QStringLiteral("um"), QStringLiteral("dois"), QStringLiteral("três"),
                QStringLiteral("quatro"), QStringLiteral("cinco"), QStringLiteral("seis"),
                QStringLiteral("sete"), QStringLiteral("oito") },
            QStringLiteral("botões") },
    };
    const QStringList folders = languageFolders();
    for (const Counting &language : languages) {
        const QString folder = language.code == QLatin1String("en")
            ? QString()
            : QStringLiteral("languages/") + language.code + QLatin1Char('/');
        if (!folder.isEmpty() && !folders.contains(folder.chopped(1)))
            continue;
        for (const char *page : { "help/worksheet.html", "worksheets/worktutorial.html" }) {
            const QString path = folder + QLatin1String(page);
            QTest::newRow(qPrintable(path))
                << path << language.code << language.counts << language.buttons;
        }
    }
}

// A teacher follows these pages with the screen in front of them: every
// button is named, and a page that counts the buttons counts them right.
void ShippedPagesTest::worksheetPagesNameEveryButton()
{
    QFETCH(QString, page);
    QFETCH(QString, code);
    QFETCH(QStringList, counts);
    QFETCH(QString, buttonWord);
    const QString text = readAll(SourceFolder + QLatin1Char('/') + page).simplified();
    QVERIFY(!text.isEmpty());
    // The page names the buttons as the screen shows them in its language.
    language::speak(code);
    const auto speakEnglishAgain = qScopeGuard([] { language::speak(QStringLiteral("en")); });
    QCOMPARE(language::spokenLanguage(), code);
    if (code != QLatin1String("en")
        && QCoreApplication::translate("WorksheetScreen", "Create Problem")
            == QLatin1String("Create Problem"))
        QSKIP("The worksheet screen does not speak this language yet.");
    TutorSession session;
    QTemporaryDir folder;
    WorksheetScreen screen(session, folder.path(), nullptr);
    const QList<QPushButton *> buttons = screen.findChildren<QPushButton *>();
    QVERIFY(!buttons.isEmpty());
    for (const QPushButton *button : buttons) {
        const QString caption = button->text().remove(QLatin1Char('&'));
        QVERIFY2(text.contains(caption), qPrintable(caption));
    }

    const QRegularExpression counted(
        QStringLiteral("\\b(%1) %2\\b").arg(counts.join(QLatin1Char('|')), buttonWord),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    auto it = counted.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        QVERIFY2(counts.indexOf(match.captured(1).toLower()) + 1 == buttons.size(),
            qPrintable(match.captured(0)));
    }
}

QTEST_MAIN(ShippedPagesTest)
#include "shipped_pages_test.moc"
