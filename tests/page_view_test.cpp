#include "help/page_view.h"

#include "app/main_window.h"
#include "tests/test_support.h"

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

    void contentsAlwaysShowsHelpStartAnew_data();
    void contentsAlwaysShowsHelpStartAnew();
    void helpPagesLeadToEachOtherAndBack();
    void resetBrowserWorksBehindReportPanel();
    void bothViewsShowNoteForMissingPage_data();
    void bothViewsShowNoteForMissingPage();
    void startUpWithoutStartPageShowsNote();

private:
    QTemporaryDir *m_folder = nullptr;
    PageView *m_view = nullptr;
    QString pagePath(const char *name) const
    {
        return m_folder->filePath(QString::fromLatin1(name));
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
}

void PageViewTest::helpPagesLeadToEachOtherAndBack()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuHelpContents_Click");
    QTextBrowser *view = helpView(window);

    QVERIFY(clickLink(view, QStringLiteral("time_trial.html")));
    QVERIFY(view->toPlainText().contains(QStringLiteral("Time Trial game")));
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

QTEST_MAIN(PageViewTest)
#include "page_view_test.moc"
