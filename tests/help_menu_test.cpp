#include "app/main_window.h"
#include "base/maker_info.h"
#include "base/screen.h"
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
    for (const QWidget *frame : window.screenHost().screens())
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
    state[QStringLiteral("BrowserTarget")] = window.browserTarget();
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
    void localFileThatCannotBeShownIsReported_data();
    void localFileThatCannotBeShownIsReported();
};

// The commands that hand a shipped file to the desktop: the file relative to
// the application folder, whether it is a Help menu command that also stops
// the timed games, and the program that shows the file.
struct LocalCommand
{
    const char *row;
    const char *handler;
    const char *file;
    bool stopsGames;
    const char *program;
};
const LocalCommand LocalCommands[] = {
    { "worksheet tutorial", "mnuHelpWorksheet_Click", "worksheets/worktutorial.html", true,
        "web browser" },
    { "read me", "cmdReadMe_Click", "ReadMe.txt", false, "text editor" },
    { "support", "cmdSupport_Click", "Support.txt", false, "text editor" },
};

// Columns: the handler, the file it opens or else the address, and whether
// it stops the timed games.
static void addCommandRows(bool localOnly)
{
    QTest::addColumn<QByteArray>("handler");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QUrl>("address");
    QTest::addColumn<bool>("stopsGames");

    for (const LocalCommand &command : LocalCommands) {
        QTest::newRow(command.row)
            << QByteArray(command.handler) << QString::fromLatin1(command.file) << QUrl()
            << command.stopsGames;
    }
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

void HelpMenuTest::localFileThatCannotBeShownIsReported_data()
{
    QTest::addColumn<QByteArray>("handler");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("stopsGames");
    QTest::addColumn<bool>("fileThere"); // there, but no program can start to show it
    QTest::addColumn<QString>("says"); // besides the file's full path
    for (const LocalCommand &command : LocalCommands) {
        for (const bool fileThere : { false, true }) {
            QTest::addRow("%s, %s", command.row, fileThere ? "no program" : "missing")
                << QByteArray(command.handler) << QString::fromLatin1(command.file)
                << command.stopsGames << fileThere
                << (fileThere ? QStringLiteral("No ") + QString::fromLatin1(command.program)
                              : QStringLiteral("missing"));
        }
    }
}

// The user is told which file could not be shown, and the program carries
// on with the command's other steps.
void HelpMenuTest::localFileThatCannotBeShownIsReported()
{
    QFETCH(QByteArray, handler);
    QFETCH(QString, file);
    QFETCH(bool, stopsGames);
    QFETCH(bool, fileThere);
    QFETCH(QString, says);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    const QString path = fixture.folder() + QLatin1Char('/') + file;
    if (!fileThere)
        QVERIFY(QFile::remove(path));
    startGameTimers(window);
    testsupport::UrlCapture capture(
        fileThere ? testsupport::UrlCapture::Refuse : testsupport::UrlCapture::Accept);
    testsupport::MessageBoxCloser closer;

    QVERIFY(testsupport::invokeHandler(&window, handler.constData()));

    QCOMPARE(capture.refused, fileThere ? 1 : 0);
    QVERIFY(capture.urls.isEmpty());
    QCOMPARE(closer.texts.size(), 1);
    const QString message = closer.texts.first();
    QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
    QVERIFY2(message.contains(says), qPrintable(message));
    QCOMPARE(timer(window, "Timer3")->isActive(), !stopsGames);
    QCOMPARE(timeLabel(window)->text(), stopsGames ? QString() : QStringLiteral("42"));
}

QTEST_MAIN(HelpMenuTest)
#include "help_menu_test.moc"
