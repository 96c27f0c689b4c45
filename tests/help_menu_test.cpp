#include "app/main_window.h"
#include "base/maker_info.h"
#include "tests/test_support.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QTimer>
#include <QUrl>
#include <QtTest>

using testsupport::named;

namespace {

// Everything of the main window a command might change besides the two game
// timers and the Time Trial's time label.
QMap<QString, QVariant> windowState(MainWindow &window)
{
    QMap<QString, QVariant> state;
    for (const QWidget *frame :
        window.centralWidget()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        state[frame->objectName()] = frame->isHidden();
    for (const QMenu *menu : window.findChildren<QMenu *>())
        state[menu->objectName()] = menu->menuAction()->isEnabled();
    for (const QAction *item : window.findChildren<QAction *>()) {
        if (item->objectName().isEmpty())
            continue;
        state[item->objectName()]
            = QVariantList({ item->isEnabled(), item->isVisible(), item->isChecked() });
    }
    for (const QTimer *timer : window.findChildren<QTimer *>()) {
        if (timer->objectName() != QLatin1String("Timer2")
            && timer->objectName() != QLatin1String("Timer3"))
            state[timer->objectName()] = timer->isActive();
    }
    state[QStringLiteral("BrowserTarget")] = window.state().BrowserTarget;
    return state;
}

QTimer *timer(MainWindow &window, const char *name)
{
    return named<QTimer>(&window, QString::fromLatin1(name));
}

QLabel *timeLabel(MainWindow &window)
{
    return named<QLabel>(&window, QStringLiteral("lblGame3TimeKeep"));
}

void startGameTimers(MainWindow &window)
{
    timer(window, "Timer2")->start();
    timer(window, "Timer3")->start();
    timeLabel(window)->setText(QStringLiteral("42"));
}

} // namespace

class HelpMenuTest : public QObject
{
    Q_OBJECT

private slots:
    void commandHandsOverOneAddress_data();
    void commandHandsOverOneAddress();
    void missingFileIsReportedNotHandedOver_data();
    void missingFileIsReportedNotHandedOver();
};

// Columns shared by both tables: the handler, the file it opens (relative to
// the application folder) or else the address, and whether it is a Help menu
// command that also stops the timed games.
static void addCommandRows(bool localOnly)
{
    QTest::addColumn<QByteArray>("handler");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QUrl>("address");
    QTest::addColumn<bool>("stopsGames");

    QTest::newRow("worksheet tutorial")
        << QByteArray("mnuHelpWorksheet_Click") << QStringLiteral("worksheets/worktutorial.html")
        << QUrl() << true;
    QTest::newRow("read me") << QByteArray("cmdReadMe_Click") << QStringLiteral("ReadMe.txt")
                             << QUrl() << false;
    QTest::newRow("support") << QByteArray("cmdSupport_Click") << QStringLiteral("Support.txt")
                             << QUrl() << false;
    if (localOnly)
        return;
    const QUrl home(QString::fromUtf8(tutor::MakerHomePage));
    QTest::newRow("official web page") << QByteArray("mnuHelpOrviWeb_Click") << QString()
                                       << QUrl(QString::fromUtf8(tutor::MakerDownloadPage)) << true;
    QTest::newRow("visit web") << QByteArray("mnuHelpWeb_Click") << QString() << home << true;
    QTest::newRow("web label") << QByteArray("lblWeb_Click") << QString() << home << false;
    QTest::newRow("mail label") << QByteArray("lblEmail_Click") << QString()
                                << QUrl(QStringLiteral("mailto:")
                                       + QString::fromUtf8(tutor::MakerMailAddress))
                                << false;
}

void HelpMenuTest::commandHandsOverOneAddress_data()
{
    addCommandRows(false);
}

// Run from the Time Trial screen: the Help menu's outside commands stop both
// timed games and blank the time label there, and change nothing else; the
// About screen's links and buttons change nothing at all.
void HelpMenuTest::commandHandsOverOneAddress()
{
    QFETCH(QByteArray, handler);
    QFETCH(QString, file);
    QFETCH(QUrl, address);
    QFETCH(bool, stopsGames);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    if (!file.isEmpty())
        address = QUrl::fromLocalFile(fixture.folder() + QLatin1Char('/') + file);
    testsupport::invokeHandler(&window, "mnuGamesTime_Click");
    startGameTimers(window);
    const QMap<QString, QVariant> before = windowState(window);
    testsupport::UrlCapture capture;
    testsupport::MessageBoxCloser closer;

    QVERIFY(testsupport::invokeHandler(&window, handler.constData()));

    QCOMPARE(capture.urls, QList<QUrl>({ address }));
    QVERIFY(closer.texts.isEmpty());
    QCOMPARE(timer(window, "Timer2")->isActive(), !stopsGames);
    QCOMPARE(timer(window, "Timer3")->isActive(), !stopsGames);
    QCOMPARE(timeLabel(window)->text(), stopsGames ? QString() : QStringLiteral("42"));
    QCOMPARE(windowState(window), before);
}

void HelpMenuTest::missingFileIsReportedNotHandedOver_data()
{
    addCommandRows(true);
}

void HelpMenuTest::missingFileIsReportedNotHandedOver()
{
    QFETCH(QByteArray, handler);
    QFETCH(QString, file);
    QFETCH(bool, stopsGames);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    const QString path = fixture.folder() + QLatin1Char('/') + file;
    QVERIFY(QFile::remove(path));
    startGameTimers(window);
    testsupport::UrlCapture capture;
    testsupport::MessageBoxCloser closer;

    QVERIFY(testsupport::invokeHandler(&window, handler.constData()));

    QVERIFY(capture.urls.isEmpty());
    QCOMPARE(closer.texts.size(), 1);
    QVERIFY2(closer.texts.first().contains(QDir::toNativeSeparators(path)),
        qPrintable(closer.texts.first()));
    // The program carries on with the command's other steps.
    QCOMPARE(timer(window, "Timer3")->isActive(), !stopsGames);
    QCOMPARE(timeLabel(window)->text(), stopsGames ? QString() : QStringLiteral("42"));
}

QTEST_MAIN(HelpMenuTest)
#include "help_menu_test.moc"
