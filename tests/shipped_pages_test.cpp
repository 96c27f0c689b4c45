#include "base/chart_view.h"
#include "base/language.h"
#include "progress/class_screen.h"
#include "session/tutor_session.h"
#include "tests/test_support.h"
#include "worksheet/worksheet_screen.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QTreeView>
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

// A word as a page and a screen are compared: without accelerator marks
// ("&&" is one "&"), and with blanks of any width, no-break ones included,
// as single spaces.
QString plainWord(const QString &text)
{
    QString word;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text.at(at) != u'&') {
            word += text.at(at);
        } else if (at + 1 < text.size() && text.at(at + 1) == u'&') {
            word += u'&';
            ++at;
        }
    }
    for (QChar &c : word) {
        if (c == QChar(0x00A0) || c == QChar(0x202F) || c == QChar(0x2009))
            c = u' ';
    }
    return word.simplified();
}

// The program's own words, as a page marks them: <b class="ui">Choose Pupil</b>.
QStringList markedWords(const QString &page)
{
    static const QRegularExpression marked(
        QStringLiteral("<b\\s+class\\s*=\\s*\"ui\"\\s*>(.*?)</b>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    QStringList words;
    auto it = marked.globalMatch(page);
    while (it.hasNext()) {
        const QString inner = it.next().captured(1);
        words << plainWord(QTextDocumentFragment::fromHtml(inner).toPlainText());
    }
    return words;
}

// A page may leave out the dots of "Choose Pupil..." and the colon of
// "Name:" when it names them in a sentence.
void addShownWord(QSet<QString> &words, const QString &text)
{
    const QString word = plainWord(text);
    if (word.isEmpty())
        return;
    words << word;
    for (const QString &end :
        { QStringLiteral("..."), QStringLiteral("\u2026"), QStringLiteral(":") }) {
        if (word.endsWith(end))
            words << word.chopped(end.size()).trimmed();
    }
}

// Every word `root` and the widgets in it show: menus and their items,
// buttons, check boxes and option buttons, labels, group boxes, list
// entries, column headings, chart titles and window titles.
void collectShownWords(const QWidget *root, QSet<QString> &words)
{
    addShownWord(words, root->windowTitle());
    for (const QMenu *menu : root->findChildren<QMenu *>()) {
        addShownWord(words, menu->title());
        for (const QAction *item : menu->actions())
            addShownWord(words, item->text());
    }
    for (const QAbstractButton *button : root->findChildren<QAbstractButton *>())
        addShownWord(words, button->text());
    for (const QLabel *label : root->findChildren<QLabel *>()) {
        const bool rich = label->textFormat() == Qt::RichText
            || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
        addShownWord(words,
            rich ? QTextDocumentFragment::fromHtml(label->text()).toPlainText() : label->text());
    }
    for (const QGroupBox *box : root->findChildren<QGroupBox *>())
        addShownWord(words, box->title());
    for (const QComboBox *list : root->findChildren<QComboBox *>()) {
        for (int entry = 0; entry < list->count(); ++entry)
            addShownWord(words, list->itemText(entry));
    }
    QList<const QAbstractItemView *> tables;
    for (const QTableView *table : root->findChildren<QTableView *>())
        tables << table;
    for (const QTreeView *tree : root->findChildren<QTreeView *>())
        tables << tree;
    for (const QAbstractItemView *table : std::as_const(tables)) {
        const QAbstractItemModel *model = table->model();
        for (int column = 0; model && column < model->columnCount(); ++column)
            addShownWord(words, model->headerData(column, Qt::Horizontal).toString());
    }
    // A chart draws its title and is named by it.
    for (const ChartView *chart : root->findChildren<ChartView *>())
        addShownWord(words, chart->accessibleName());
    for (const QWidget *widget : root->findChildren<QWidget *>()) {
        if (widget->isWindow())
            addShownWord(words, widget->windowTitle());
    }
}

// Opens a dialog as `open` does, reads what it shows and closes it again; a
// dialog that waits for its answer is read from inside its own loop.
void readDialogs(MainWindow &window, const std::function<void()> &open, QSet<QString> &words)
{
    const auto readOpenDialogs = [&window, &words]() {
        for (QDialog *dialog : window.findChildren<QDialog *>()) {
            if (!dialog->isVisible() || qobject_cast<QMessageBox *>(dialog))
                continue;
            collectShownWords(dialog, words);
            dialog->reject();
        }
    };
    QTimer reader;
    reader.setSingleShot(true);
    QObject::connect(&reader, &QTimer::timeout, readOpenDialogs);
    reader.start(0);
    open();
    readOpenDialogs();
}

// What the program shows in one language, and which of the commands and
// buttons that some pages describe it has.
struct ShownInLanguage
{
    QSet<QString> words;
    bool restoreCommand = false;
    bool noPupilButton = false;
};

// Builds the main window in the language spoken now and reads every screen
// in the state that shows most: a class with facts to teach and every
// operation's columns, the Choose Pupil dialog, the worksheet's print
// preview and each dialog the Pupil menu opens ("..." items).
ShownInLanguage readProgram()
{
    using testsupport::named;
    ShownInLanguage shown;
    testsupport::MessageBoxCloser closer;
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);

    auto *classScreen = window.findChild<ClassScreen *>();
    if (classScreen) {
        progress::PupilTotals pupil;
        pupil.pupilId = 1;
        pupil.name = QStringLiteral("Ann");
        pupil.needsTeaching = { { tutor::Operation::Multiplication, 7, 8 } };
        classScreen->showClass({ pupil });
        if (auto *each = named<QCheckBox>(classScreen, QStringLiteral("chkEachOperation")))
            each->click();
    }
    collectShownWords(&window, shown.words);

    // The dialog opens without holding up the program; the pupil chosen in
    // it gives the progress file and its backup to the commands after it.
    testsupport::invokeHandler(&window, "mnuPupilChoose_Click");
    if (auto *dialog = named<QDialog>(&window, QStringLiteral("dlgChoosePupil"))) {
        collectShownWords(dialog, shown.words);
        const QStringList ownButtons { QStringLiteral("cmdChoosePupil"),
            QStringLiteral("cmdCancelPupil") };
        for (const QPushButton *button : dialog->findChildren<QPushButton *>())
            shown.noPupilButton = shown.noPupilButton || !ownButtons.contains(button->objectName());
        QTest::keyClicks(
            named<QLineEdit>(dialog, QStringLiteral("txtPupilName")), QStringLiteral("Ann"));
        named<QPushButton>(dialog, QStringLiteral("cmdChoosePupil"))->click();
        window.pupil().finishDayCheck();
    }
    if (auto *pupilMenu = named<QMenu>(&window, QStringLiteral("mnuPupil"))) {
        const QStringList ownItems { QStringLiteral("mnuPupilChoose"),
            QStringLiteral("mnuPupilProgress"), QStringLiteral("mnuPupilClass") };
        for (QAction *item : pupilMenu->actions()) {
            if (item->isSeparator() || ownItems.contains(item->objectName()))
                continue;
            shown.restoreCommand = true;
            if (item->text().endsWith(QStringLiteral("...")))
                readDialogs(
                    window, [item]() { item->trigger(); }, shown.words);
        }
    }

    testsupport::fillWorksheet(window, 1);
    readDialogs(
        window, [&window]() { testsupport::invokeHandler(&window, "cmdPrintWorksheet_Click"); },
        shown.words);
    return shown;
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
    void pagesNameWhatTheScreensShow_data();
    void pagesNameWhatTheScreensShow();

private:
    // Read once per language, on its first page.
    QHash<QString, ShownInLanguage> m_shown;
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

void ShippedPagesTest::pagesNameWhatTheScreensShow_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("code");
    for (const QString &language : QStringList { QString() } + languageFolders()) {
        const QString code
            = language.isEmpty() ? QStringLiteral("en") : language.section(QLatin1Char('/'), 1);
        for (const char *folder : { "help", "html", "worksheets" }) {
            const QString relative = (language.isEmpty() ? QString() : language + QLatin1Char('/'))
                + QLatin1String(folder);
            const QDir pages(SourceFolder + QLatin1Char('/') + relative);
            for (const QString &page :
                pages.entryList({ QStringLiteral("*.html") }, QDir::Files, QDir::Name)) {
                const QString path = relative + QLatin1Char('/') + page;
                QTest::newRow(qPrintable(path)) << path << code;
            }
        }
    }
}

// A pupil or a teacher looks for the words of a page on the screen: every
// menu, button and heading a page names is one the program shows in the
// page's language.
void ShippedPagesTest::pagesNameWhatTheScreensShow()
{
    QFETCH(QString, page);
    QFETCH(QString, code);
    if (!m_shown.contains(code)) {
        language::speak(code);
        const auto speakEnglishAgain = qScopeGuard([] { language::speak(QStringLiteral("en")); });
        QCOMPARE(language::spokenLanguage(), code);
        m_shown.insert(code, readProgram());
    }
    const ShownInLanguage &shown = m_shown[code];
    const QStringList marked = markedWords(readAll(SourceFolder + QLatin1Char('/') + page));
    QVERIFY2(!marked.isEmpty(), "The page names nothing the screens show.");
    const QString name = QFileInfo(page).fileName();
    if (name == QLatin1String("restore_backup.html") && !shown.restoreCommand)
        QSKIP("The Pupil menu has no command to restore a backup here.");
    if (name == QLatin1String("choose_pupil.html") && !shown.noPupilButton)
        QSKIP("The Choose Pupil dialog has no button to go on without a pupil here.");
    QStringList unknown;
    for (const QString &word : marked) {
        if (!shown.words.contains(word))
            unknown << word;
    }
    QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(QStringLiteral(" | "))));
}

QTEST_MAIN(ShippedPagesTest)
#include "shipped_pages_test.moc"
