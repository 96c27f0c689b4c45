#include "help/page_view.h"

#include "app/main_window.h"
#include "tests/test_support.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QtTest>

using testsupport::frameSeenOver;
using testsupport::named;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Where the link to `href` stands in the view, in viewport coordinates.
QPoint linkPoint(QTextBrowser *view, const QString &href)
{
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href)
                continue;
            QTextCursor cursor(view->document());
            cursor.setPosition(fragment.position() + fragment.length() / 2);
            return view->cursorRect(cursor).center();
        }
    }
    return QPoint(-1, -1);
}

bool clickLink(QTextBrowser *view, const QString &href)
{
    const QPoint point = linkPoint(view, href);
    if (point.x() < 0)
        return false;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    return true;
}

QTextBrowser *helpView(MainWindow &window)
{
    return named<QTextBrowser>(&window, QStringLiteral("wbrHelp"));
}

QTextBrowser *browserView(MainWindow &window)
{
    return named<QTextBrowser>(&window, QStringLiteral("wbrMyBrowser"));
}

const char *const StartPage = "<html><body><p>Start page</p><p>"
                              "<a href=\"next.html\">next</a> "
                              "<a href=\"gone.html\">gone</a> "
                              "<a href=\"https://orvi.example.org/games.html\">web</a> "
                              "<a href=\"http://orvi.example.org/old.html\">plain web</a> "
                              "<a href=\"mailto:orvi@example.org\">mail</a>"
                              "</p></body></html>";

// Pages that name themselves in each way a page can.
const char *const ContentsPage = "<html><head><title>Contents</title></head><body>"
                                 "<p><a href=\"titled.html\">sums</a></p></body></html>";
const char *const TitledPage = "<html><head><title>Adding up</title></head><body>"
                               "<h2>Sums</h2><p>Two and two.</p></body></html>";
const char *const HeadedPage = "<html><body><p>Before any heading</p>"
                               "<h3>Taking away</h3><h2>Later</h2></body></html>";

// Warnings printed while one lives, such as Qt's accessibility prints about
// children it cannot find.
class WarningCatcher
{
public:
    WarningCatcher() { s_earlier = qInstallMessageHandler(note); }
    ~WarningCatcher() { qInstallMessageHandler(s_earlier); }
    static inline QStringList warnings;

private:
    static void note(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type == QtWarningMsg || type == QtCriticalMsg)
            warnings << message;
        s_earlier(type, context, message);
    }
    static inline QtMessageHandler s_earlier = nullptr;
};

// Whatever in `face`'s subtree a screen reader is offered that is not on
// screen, or that does not know its place among its siblings.
QStringList hiddenOrLost(QAccessibleInterface *face, const QWidget *screen)
{
    QStringList found;
    for (int i = 0; i < face->childCount(); ++i) {
        QAccessibleInterface *child = face->child(i);
        if (!child) {
            found << QStringLiteral("no child %1").arg(i);
            continue;
        }
        const auto *widget = qobject_cast<QWidget *>(child->object());
        const QString name = widget
            ? widget->objectName() + u' ' + widget->metaObject()->className()
            : child->text(QAccessible::Name);
        if (widget && !widget->isVisibleTo(screen))
            found << QStringLiteral("hidden ") + name;
        if (face->indexOfChild(child) != i)
            found << QStringLiteral("lost ") + name;
        found << hiddenOrLost(child, screen);
    }
    return found;
}

} // namespace

class PageViewTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void missingPageShowsNoteNamingIt();
    void notePassesWhenPageComesBack();
    void samePageShownAgainIsReadAgain();
    void clickedLinkOpensInTheRightPlace_data();
    void clickedLinkOpensInTheRightPlace();
    void keyboardFollowsLinks();
    void pageTitleToldOnEveryChange_data();
    void pageTitleToldOnEveryChange();
    void linkReachedByKeyboardIsTold_data();
    void linkReachedByKeyboardIsTold();
    void caretWalksThePageByKeyboard();

    void contentsAlwaysShowsHelpStartAnew_data();
    void contentsAlwaysShowsHelpStartAnew();
    void helpPagesLeadToEachOtherAndBack();
    void resetBrowserWorksBehindReportPanel();
    void bothViewsShowNoteForMissingPage_data();
    void bothViewsShowNoteForMissingPage();
    void startUpWithoutStartPageShowsNote();
    void screensOfferNothingHidden_data();
    void screensOfferNothingHidden();

private:
    QTemporaryDir *m_folder = nullptr;
    PageView *m_view = nullptr;
    QString pagePath(const char *name) const
    {
        return m_folder->filePath(QString::fromLatin1(name));
    }
    void focusView()
    {
        m_view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_view));
        m_view->setFocus();
    }
};

void PageViewTest::init()
{
    m_folder = new QTemporaryDir;
    QVERIFY(writeFile(pagePath("start.html"), StartPage));
    QVERIFY(writeFile(pagePath("next.html"), "<html><body><p>Next page</p></body></html>"));
    m_view = new PageView(nullptr, QStringLiteral("wbrTest"), QRect(0, 0, 500, 300));
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void PageViewTest::cleanup()
{
    delete m_view;
    m_view = nullptr;
    delete m_folder;
    m_folder = nullptr;
}

void PageViewTest::missingPageShowsNoteNamingIt()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("QTextBrowser")));
    const QString missing = pagePath("lost.html");
    m_view->showPage(missing);
    const QString shown = m_view->toPlainText();
    QVERIFY2(shown.contains(QStringLiteral("Page not found")), qPrintable(shown));
    QVERIFY2(shown.contains(QDir::toNativeSeparators(missing)), qPrintable(shown));
    QCOMPARE(m_view->source(), QUrl::fromLocalFile(missing));
}

void PageViewTest::notePassesWhenPageComesBack()
{
    const QString path = pagePath("later.html");
    m_view->showPage(path);
    QVERIFY(writeFile(path, "<p>Here at last</p>"));
    m_view->showPage(path);
    QCOMPARE(m_view->toPlainText(), QStringLiteral("Here at last"));
}

void PageViewTest::samePageShownAgainIsReadAgain()
{
    const QString path = pagePath("next.html");
    m_view->showPage(path);
    QVERIFY(writeFile(path, "<p>Changed since</p>"));
    m_view->showPage(path);
    QCOMPARE(m_view->toPlainText(), QStringLiteral("Changed since"));
}

void PageViewTest::clickedLinkOpensInTheRightPlace_data()
{
    QTest::addColumn<QString>("href");
    QTest::addColumn<QString>("shownPage"); // file name the view shows afterwards
    QTest::addColumn<QString>("shownText");
    QTest::addColumn<QString>("handedOver"); // address given to the desktop, if any

    QTest::newRow("local page") << QStringLiteral("next.html") << QStringLiteral("next.html")
                                << QStringLiteral("Next page") << QString();
    QTest::newRow("missing page") << QStringLiteral("gone.html") << QStringLiteral("gone.html")
                                  << QStringLiteral("Page not found") << QString();
    QTest::newRow("https") << QStringLiteral("https://orvi.example.org/games.html")
                           << QStringLiteral("start.html") << QStringLiteral("Start page")
                           << QStringLiteral("https://orvi.example.org/games.html");
    QTest::newRow("http") << QStringLiteral("http://orvi.example.org/old.html")
                          << QStringLiteral("start.html") << QStringLiteral("Start page")
                          << QStringLiteral("http://orvi.example.org/old.html");
    QTest::newRow("mail") << QStringLiteral("mailto:orvi@example.org")
                          << QStringLiteral("start.html") << QStringLiteral("Start page")
                          << QStringLiteral("mailto:orvi@example.org");
}

void PageViewTest::clickedLinkOpensInTheRightPlace()
{
    QFETCH(QString, href);
    QFETCH(QString, shownPage);
    QFETCH(QString, shownText);
    QFETCH(QString, handedOver);

    testsupport::UrlCapture capture;
    testsupport::MessageBoxCloser closer;
    m_view->showPage(pagePath("start.html"));
    QVERIFY(clickLink(m_view, href));

    QCOMPARE(m_view->source(), QUrl::fromLocalFile(m_folder->filePath(shownPage)));
    QVERIFY2(m_view->toPlainText().contains(shownText), qPrintable(m_view->toPlainText()));
    const QList<QUrl> expected
        = handedOver.isEmpty() ? QList<QUrl>() : QList<QUrl>({ QUrl(handedOver) });
    QCOMPARE(capture.urls, expected);
    QVERIFY(closer.texts.isEmpty());
}

void PageViewTest::keyboardFollowsLinks()
{
    m_view->showPage(pagePath("start.html"));
    m_view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_view));
    m_view->setFocus();
    QTest::keyClick(m_view, Qt::Key_Tab);
    QTest::keyClick(m_view, Qt::Key_Return);
    QCOMPARE(m_view->source(), QUrl::fromLocalFile(pagePath("next.html")));
}

void PageViewTest::pageTitleToldOnEveryChange_data()
{
    // How the pupil comes to the page, starting from the contents page, and
    // what a screen reader is told then.
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("told");

    QTest::newRow("shown, its title")
        << QStringLiteral("show titled.html") << QStringLiteral("Adding up");
    QTest::newRow("no title, first heading")
        << QStringLiteral("show headed.html") << QStringLiteral("Taking away");
    QTest::newRow("neither, file name")
        << QStringLiteral("show next.html") << QStringLiteral("next.html");
    QTest::newRow("missing page") << QStringLiteral("show lost.html")
                                  << QStringLiteral("Page not found");
    QTest::newRow("same page again, after a link was told")
        << QStringLiteral("again") << QStringLiteral("Contents");
    QTest::newRow("link followed by keyboard")
        << QStringLiteral("follow") << QStringLiteral("Adding up");
    QTest::newRow("link clicked") << QStringLiteral("click") << QStringLiteral("Adding up");
    QTest::newRow("back") << QStringLiteral("back") << QStringLiteral("Contents");
    QTest::newRow("forward") << QStringLiteral("forward") << QStringLiteral("Adding up");
}

void PageViewTest::pageTitleToldOnEveryChange()
{
    QFETCH(QString, way);
    QFETCH(QString, told);
    QVERIFY(writeFile(pagePath("contents.html"), ContentsPage));
    QVERIFY(writeFile(pagePath("titled.html"), TitledPage));
    QVERIFY(writeFile(pagePath("headed.html"), HeadedPage));
    m_view->showPage(pagePath("contents.html"));
    focusView();
    QTest::keyClick(m_view, Qt::Key_Tab);
    QCOMPARE_NE(m_view->accessibleDescription(), told);

    if (way.startsWith(QLatin1String("show ")))
        m_view->showPage(m_folder->filePath(way.mid(5)));
    else if (way == QLatin1String("again"))
        m_view->showPage(pagePath("contents.html"));
    else if (way == QLatin1String("click"))
        QVERIFY(clickLink(m_view, QStringLiteral("titled.html")));
    else
        QTest::keyClick(m_view, Qt::Key_Return);
    if (way == QLatin1String("back") || way == QLatin1String("forward"))
        QTest::keyClick(m_view, Qt::Key_Left, Qt::AltModifier);
    if (way == QLatin1String("forward"))
        QTest::keyClick(m_view, Qt::Key_Right, Qt::AltModifier);

    QCOMPARE(m_view->accessibleDescription(), told);
}

void PageViewTest::linkReachedByKeyboardIsTold_data()
{
    // Tab (T) and Shift+Tab (B) presses from the top of the start page.
    QTest::addColumn<QString>("presses");
    QTest::addColumn<QString>("told");

    QTest::newRow("page inside") << QStringLiteral("T") << QStringLiteral("Link: next");
    QTest::newRow("missing page") << QStringLiteral("TT") << QStringLiteral("Link: gone");
    QTest::newRow("web") << QStringLiteral("TTT")
                         << QStringLiteral("Link: web, opens https://orvi.example.org/games.html"
                                           " in the web browser");
    QTest::newRow("mail") << QStringLiteral("TTTTT")
                          << QStringLiteral("Link: mail, writes an e-mail to orvi@example.org");
    QTest::newRow("back again") << QStringLiteral("TTTTB")
                                << QStringLiteral("Link: web, opens https://orvi.example.org/"
                                                  "games.html in the web browser");
}

void PageViewTest::linkReachedByKeyboardIsTold()
{
    QFETCH(QString, presses);
    QFETCH(QString, told);
    testsupport::UrlCapture capture;
    m_view->showPage(pagePath("start.html"));
    focusView();

    for (const QChar press : presses)
        QTest::keyClick(m_view, press == u'T' ? Qt::Key_Tab : Qt::Key_Backtab);

    QCOMPARE(m_view->accessibleDescription(), told);
    // Only told: nothing opened, and the link is lit as before.
    QVERIFY(capture.urls.isEmpty());
    QCOMPARE(m_view->source(), QUrl::fromLocalFile(pagePath("start.html")));
    QCOMPARE(m_view->textCursor().selectedText(), told.section(u',', 0, 0).mid(6));
}

// The caret moves by keys, and a screen reader reads the line it is on
// through the view's text; Tab goes on to the next link after the caret.
void PageViewTest::caretWalksThePageByKeyboard()
{
    QVERIFY(writeFile(pagePath("long.html"),
        "<p>First line</p><p>Second line <a href=\"next.html\">on</a></p><p>Third line</p>"));
    m_view->showPage(pagePath("long.html"));
    focusView();
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(m_view);
    QAccessibleTextInterface *text = face->textInterface();
    QVERIFY(text);
    QVERIFY(face->state().readOnly);
    QVERIFY(face->state().focusable);
    QCOMPARE(text->text(0, text->characterCount()),
        QStringLiteral("First line\nSecond line on\nThird line"));
    QCOMPARE(text->cursorPosition(), 0);

    QTest::keyClick(m_view, Qt::Key_Down);
    QTest::keyClick(m_view, Qt::Key_Right);
    int start = -1;
    int end = -1;
    QCOMPARE(text->cursorPosition(), 12);
    QCOMPARE(text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end),
        QStringLiteral("Second line on\n"));
    QCOMPARE(text->textAfterOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end),
        QStringLiteral("Third line"));
    QCOMPARE(
        text->textBeforeOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end),
        QStringLiteral("First line\n"));
    QCOMPARE(start, 0);

    QTest::keyClick(m_view, Qt::Key_Tab);
    QCOMPARE(m_view->textCursor().selectedText(), QStringLiteral("on"));
    QTest::keyClick(m_view, Qt::Key_Return);
    QCOMPARE(m_view->source(), QUrl::fromLocalFile(pagePath("next.html")));
}

void PageViewTest::contentsAlwaysShowsHelpStartAnew_data()
{
    QTest::addColumn<bool>("followLinkFirst");
    QTest::addColumn<QString>("expectedText");
    QTest::newRow("after a link") << true << QStringLiteral("Orvi Math Tutor Help");
    QTest::newRow("page changed") << false << QStringLiteral("Fresh contents");
}

void PageViewTest::contentsAlwaysShowsHelpStartAnew()
{
    QFETCH(bool, followLinkFirst);
    QFETCH(QString, expectedText);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    const QString contents = fixture.folder() + QStringLiteral("/help/mhelp.html");

    testsupport::invokeHandler(&window, "mnuHelpContents_Click");
    if (followLinkFirst)
        QVERIFY(clickLink(helpView(window), QStringLiteral("practice.html")));
    else
        QVERIFY(writeFile(contents, "<p>Fresh contents</p>"));
    testsupport::invokeHandler(&window, "mnuHelpContents_Click");

    QCOMPARE(window.browserTarget(), contents);
    QCOMPARE(helpView(window)->source(), QUrl::fromLocalFile(contents));
    QVERIFY(helpView(window)->toPlainText().contains(expectedText));
    QVERIFY(!helpView(window)->isBackwardAvailable());
    // The page has the keyboard, and a screen reader hears which page it is.
    QCOMPARE(window.focusWidget(), helpView(window));
    QVERIFY(!helpView(window)->accessibleDescription().isEmpty());
    QVERIFY(!helpView(window)->accessibleDescription().contains(QLatin1String("Link")));
}

void PageViewTest::helpPagesLeadToEachOtherAndBack()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuHelpContents_Click");
    QTextBrowser *view = helpView(window);

    QVERIFY(clickLink(view, QStringLiteral("time_trial.html")));
    QVERIFY(view->toPlainText().contains(QStringLiteral("Time Trial game")));
    QVERIFY2(view->accessibleDescription().contains(QStringLiteral("Time Trial")),
        qPrintable(view->accessibleDescription()));
    QVERIFY(clickLink(view, QStringLiteral("mhelp.html")));
    QCOMPARE(
        view->source(), QUrl::fromLocalFile(fixture.folder() + QStringLiteral("/help/mhelp.html")));
    // Following links is the view's own business: the program's target stays.
    QCOMPARE(window.browserTarget(), fixture.folder() + QStringLiteral("/help/mhelp.html"));
}

void PageViewTest::resetBrowserWorksBehindReportPanel()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    const QString startPage = fixture.folder() + QStringLiteral("/html/mbrows.html");
    auto *report = named<QWidget>(&window, QStringLiteral("fraLog"));
    auto *browser = named<QWidget>(&window, QStringLiteral("fraMyBrowser"));
    // The pupil has wandered off to another page.
    browserView(window)->setSource(
        QUrl::fromLocalFile(fixture.folder() + QStringLiteral("/help/report.html")));

    testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
    testsupport::invokeHandler(&window, "mnuFileResetMB_Click");
    QCOMPARE(frameSeenOver(window, report), report);
    QCOMPARE(window.browserTarget(), startPage);

    testsupport::invokeHandler(&window, "mnuOptHideReport_Click");
    QCOMPARE(frameSeenOver(window, browser), browser);
    QCOMPARE(browserView(window)->source(), QUrl::fromLocalFile(startPage));
    QVERIFY(
        browserView(window)->toPlainText().contains(QStringLiteral("welcome to Orvi Math Tutor")));
}

void PageViewTest::bothViewsShowNoteForMissingPage_data()
{
    QTest::addColumn<QByteArray>("handler");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("view");
    QTest::newRow("help") << QByteArray("mnuHelpContents_Click")
                          << QStringLiteral("help/mhelp.html") << QStringLiteral("wbrHelp");
    QTest::newRow("browser") << QByteArray("mnuFileResetMB_Click")
                             << QStringLiteral("html/mbrows.html")
                             << QStringLiteral("wbrMyBrowser");
}

void PageViewTest::bothViewsShowNoteForMissingPage()
{
    QFETCH(QByteArray, handler);
    QFETCH(QString, page);
    QFETCH(QString, view);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    const QString path = fixture.folder() + QLatin1Char('/') + page;
    QVERIFY(QFile::remove(path));
    QTest::failOnWarning(QRegularExpression(QStringLiteral("QTextBrowser")));

    QVERIFY(testsupport::invokeHandler(&window, handler.constData()));
    const QString shown = named<QTextBrowser>(&window, view)->toPlainText();
    QVERIFY2(shown.contains(QStringLiteral("Page not found")), qPrintable(shown));
    QVERIFY2(shown.contains(QDir::toNativeSeparators(path)), qPrintable(shown));
    QCOMPARE(window.browserTarget(), path);
    QCOMPARE(named<QTextBrowser>(&window, view)->accessibleDescription(),
        QStringLiteral("Page not found"));
}

void PageViewTest::startUpWithoutStartPageShowsNote()
{
    QTemporaryDir folder;
    testsupport::copyShippedFiles(folder.path());
    QVERIFY(QFile::remove(folder.filePath(QStringLiteral("html/mbrows.html"))));
    MainWindow window(folder.path());
    window.show();
    QVERIFY(browserView(window)->toPlainText().contains(QStringLiteral("Page not found")));
}

void PageViewTest::screensOfferNothingHidden_data()
{
    QTest::addColumn<QByteArray>("handler");
    QTest::addColumn<QString>("screen");
    QTest::newRow("help") << QByteArray("mnuHelpContents_Click") << QStringLiteral("fraHelp");
    QTest::newRow("start page") << QByteArray("mnuFileWork_Click")
                                << QStringLiteral("fraMyBrowser");
    QTest::newRow("about") << QByteArray("mnuHelpAbout_Click") << QStringLiteral("fraAbout");
}

// A screen reader reading on through a screen comes upon only what is shown,
// and Qt finds every child it is offered.
void PageViewTest::screensOfferNothingHidden()
{
    QFETCH(QByteArray, handler);
    QFETCH(QString, screen);
    QAccessible::setActive(true);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    WarningCatcher::warnings.clear();
    const WarningCatcher catcher;
    QVERIFY(testsupport::invokeHandler(&window, handler.constData()));
    auto *frame = named<QWidget>(&window, screen);

    QCOMPARE(hiddenOrLost(QAccessible::queryAccessibleInterface(frame), frame), QStringList());
    for (QTextBrowser *view : frame->findChildren<QTextBrowser *>()) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(view);
        // Text to walk, not a label read out whole.
        QCOMPARE(face->role(), QAccessible::EditableText);
        QVERIFY(face->textInterface());
        QVERIFY(face->state().readOnly);
        QVERIFY(face->state().multiLine);
        QVERIFY(!face->text(QAccessible::Name).isEmpty());
    }
    QCOMPARE(WarningCatcher::warnings, QStringList());
}

QTEST_MAIN(PageViewTest)
#include "page_view_test.moc"
