#include "session/tutor_session.h"
#include "worksheet/worksheet_screen.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
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
    void contentsAndHelpPagesLinkBothWays();
    void worksheetPagesNameEveryButton_data();
    void worksheetPagesNameEveryButton();
};

void ShippedPagesTest::everyOpenedFileIsBesideTheProgram_data()
{
    QTest::addColumn<QString>("file");
    for (const char *file : { "help/mhelp.html", "html/mbrows.html", "worksheets/worktutorial.html",
             "ReadMe.txt", "Support.txt" })
        QTest::newRow(file) << QString::fromLatin1(file);
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
    for (const char *folder : { "help", "html", "worksheets" }) {
        QDirIterator it(SourceFolder + QLatin1Char('/') + QLatin1String(folder),
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

// A help page that the contents do not list can never be reached, and every
// page leads back to the contents.
void ShippedPagesTest::contentsAndHelpPagesLinkBothWays()
{
    const QDir help(SourceFolder + QStringLiteral("/help"));
    const QStringList linked = references(readAll(help.filePath(QStringLiteral("mhelp.html"))));
    const QSet<QString> listed(linked.cbegin(), linked.cend());
    const QStringList pages = help.entryList({ QStringLiteral("*.html") }, QDir::Files);
    QVERIFY(pages.size() > 1);
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
    QTest::newRow("help") << QStringLiteral("help/worksheet.html");
    QTest::newRow("tutorial") << QStringLiteral("worksheets/worktutorial.html");
}

// A teacher follows these pages with the screen in front of them: every
// button is named, and a page that counts the buttons counts them right.
void ShippedPagesTest::worksheetPagesNameEveryButton()
{
    QFETCH(QString, page);
    const QString text = readAll(SourceFolder + QLatin1Char('/') + page).simplified();
    QVERIFY(!text.isEmpty());
    TutorSession session;
    QTemporaryDir folder;
    WorksheetScreen screen(session, folder.path(), nullptr);
    const QList<QPushButton *> buttons = screen.findChildren<QPushButton *>();
    QVERIFY(!buttons.isEmpty());
    for (const QPushButton *button : buttons) {
        const QString caption = button->text().remove(QLatin1Char('&'));
        QVERIFY2(text.contains(caption), qPrintable(caption));
    }

    const QStringList counts = { QStringLiteral("one"), QStringLiteral("two"),
        QStringLiteral("three"), QStringLiteral("four"), QStringLiteral("five"),
        QStringLiteral("six"), QStringLiteral("seven"), QStringLiteral("eight") };
    static const QRegularExpression counted(
        QStringLiteral("\\b(%1) buttons\\b").arg(counts.join(QLatin1Char('|'))),
        QRegularExpression::CaseInsensitiveOption);
    auto it = counted.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        QVERIFY2(counts.indexOf(match.captured(1).toLower()) + 1 == buttons.size(),
            qPrintable(match.captured(0)));
    }
}

QTEST_MAIN(ShippedPagesTest)
#include "shipped_pages_test.moc"
