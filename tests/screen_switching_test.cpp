#include "app/main_window.h"
#include "base/screen.h"
#include "base/language.h"
#include "tests/test_support.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QtTest>

#include <algorithm>

using namespace Qt::StringLiterals;
using testsupport::isShown;
using testsupport::named;

namespace {

QStringList words(const char *text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Menus and menu items alike: a menu's state is its menuAction's.
QAction *menuEntry(QWidget *window, const QString &name)
{
    if (auto *menu = named<QMenu>(window, name))
        return menu->menuAction();
    return named<QAction>(window, name);
}

// Where a picture's ink lies, in window coordinates: the opaque pixels of its
// pixmap where the label draws them.
QRect inkRect(const QLabel *picture, const QWidget *window)
{
    const QImage image = picture->pixmap().toImage();
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                ink |= QRect(x, y, 1, 1);
        }
    }
    const QRect drawn = QStyle::alignedRect(picture->layoutDirection(), picture->alignment(),
        image.size() / image.devicePixelRatio(), picture->contentsRect());
    const QRect shown = ink.translated(drawn.topLeft()).intersected(picture->rect());
    return QRect(picture->mapTo(window, shown.topLeft()), shown.size());
}

// Where a label's words lie, in window coordinates.
QRect textRect(const QLabel *label, const QWidget *window)
{
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect text = label->fontMetrics()
                           .boundingRect(label->contentsRect(), flags, label->text())
                           .intersected(label->rect());
    return QRect(label->mapTo(window, text.topLeft()), text.size());
}

} // namespace

class ScreenSwitchingTest : public QObject
{
    Q_OBJECT

private slots:
    void everyScreenEntryHandlerExistsOnce_data();
    void everyScreenEntryHandlerExistsOnce();
    void screenEntryShowsItsScreenAndChangesNothingElse_data();
    void screenEntryShowsItsScreenAndChangesNothingElse();

    void everyHostedScreenComesUpThroughItsMenuItem();
    void workModeFocusesAnswerAndDrawsFreshProblem();
    void workModeChecksCurrentOperation_data();
    void workModeChecksCurrentOperation();
    void workModeKeepsReportPanelOverBrowser();
    void missingOperationTakesEveryOperationCheckOff();
    void aboutFocusesOkAndEnterPressesIt();
    void okFromGameReturnsToPracticeWithGameHidden();
    void backToPracticeOffersWhatPracticeAllows_data();
    void backToPracticeOffersWhatPracticeAllows();
    void showReportClearsNameAndDisablesPrint();
    void wholeWindowScreensCoverReportPanel_data();
    void wholeWindowScreensCoverReportPanel();
    void tabStaysOnTheReportPanelWhileItShows_data();
    void tabStaysOnTheReportPanelWhileItShows();
    void screensKeepTheirContentsWhileHidden();
    void noTextLiesUnderOrAgainstAPicture_data();
    void noTextLiesUnderOrAgainstAPicture();
};

void ScreenSwitchingTest::everyScreenEntryHandlerExistsOnce_data()
{
    QTest::addColumn<QByteArray>("handler");
    for (const char *handler : { "mnuFileWork_Click", "mnuFileExit_Click",
             "mnuGamesMissingNum_Click", "mnuGamesMissingOper_Click", "mnuGamesTime_Click",
             "mnuOptionsWorksheet_Click", "mnuHelpContents_Click", "mnuHelpAbout_Click",
             "cmdOkAbout_Click", "mnuOptShowReport_Click", "mnuOptHideReport_Click", "Timer4_Timer",
             "NewPracticeProblem" })
        QTest::newRow(handler) << QByteArray(handler);
}

void ScreenSwitchingTest::everyScreenEntryHandlerExistsOnce()
{
    QFETCH(QByteArray, handler);
    testsupport::TutorFixture fixture;
    QVERIFY(testsupport::handlerOwner(&fixture.window(), handler.constData()));
}

void ScreenSwitchingTest::screenEntryShowsItsScreenAndChangesNothingElse_data()
{
    QTest::addColumn<QByteArray>("handler");
    // What a user then sees over the left and the right half of the window;
    // "report" is the report panel when it was on, the browser panel if not.
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QStringList>("withdrawn");
    QTest::addColumn<bool>("stopsGames");
    QTest::addColumn<bool>("clearsClock");

    const QString report = QStringLiteral("report");
    const auto row = [](const char *name, const char *handler) -> QTestData & {
        return QTest::newRow(name) << QByteArray(handler);
    };
    row("work mode", "mnuFileWork_Click")
        << u"fraMain"_s << report
        << words("mnuOptions mnuOptDiffLev0 mnuOptOperAdd mnuOptOperSub mnuOptOperMult "
                 "mnuOptOperDiv mnuOptShowReport")
        << QStringList() << false << false;
    row("missing number", "mnuGamesMissingNum_Click")
        << u"fraGame1"_s << u"fraMyBrowser"_s << words("mnuOptions mnuOptOperAdd mnuOptOperSub")
        << words("mnuOptOperMult mnuOptOperDiv mnuOptShowReport") << true << true;
    row("missing operation", "mnuGamesMissingOper_Click")
        << u"fraGame2"_s << u"fraMyBrowser"_s << words("mnuOptions")
        << words("mnuOptOperAdd mnuOptOperSub mnuOptOperMult mnuOptOperDiv mnuOptShowReport")
        << true << true;
    row("time trial", "mnuGamesTime_Click")
        << u"fraGame3"_s << u"fraMyBrowser"_s << words("mnuOptions mnuOptOperAdd mnuOptOperSub")
        << words("mnuOptOperMult mnuOptOperDiv mnuOptShowReport") << false << true;
    row("worksheet", "mnuOptionsWorksheet_Click")
        << u"fraWorksheet"_s << u"fraWorksheet"_s << QStringList() << words("mnuOptions") << true
        << false;
    row("help", "mnuHelpContents_Click")
        << u"fraHelp"_s << u"fraHelp"_s << QStringList() << words("mnuOptions") << true << false;
    row("about", "mnuHelpAbout_Click")
        << u"fraAbout"_s << u"fraAbout"_s << QStringList() << words("mnuOptions") << true << true;
    row("about ok", "cmdOkAbout_Click")
        << u"fraMain"_s << report
        << words("mnuOptShowReport mnuOptions mnuOptDiffLev0 mnuOptOperAdd mnuOptOperSub "
                 "mnuOptOperMult mnuOptOperDiv")
        << QStringList() << false << false;
}

// Every entry is tried from several screens: the practice screen with the
// report panel on, the worksheet lying over that report panel, and the About
// screen and the Missing Operation game with the report panel off. The game
// timers run and the trial's clock shows a time beforehand; a menu item the
// entry does not name keeps its state, and so does every other timer.
void ScreenSwitchingTest::screenEntryShowsItsScreenAndChangesNothingElse()
{
    QFETCH(QByteArray, handler);
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QStringList, offered);
    QFETCH(QStringList, withdrawn);
    QFETCH(bool, stopsGames);
    QFETCH(bool, clearsClock);

    const QStringList menus = words("mnuFile mnuOptions mnuGames mnuHelp mnuOptDiffLev0 "
                                    "mnuOptOperAdd mnuOptOperSub mnuOptOperMult mnuOptOperDiv "
                                    "mnuOptShowReport");
    const QList<QStringList> startingPoints = { words("mnuFileWork_Click mnuOptShowReport_Click"),
        words("mnuFileWork_Click mnuOptShowReport_Click mnuOptionsWorksheet_Click"),
        words("mnuHelpAbout_Click"), words("mnuGamesMissingOper_Click") };
    for (const QStringList &steps : startingPoints) {
        testsupport::TutorFixture fixture;
        MainWindow &window = fixture.window();
        for (const QString &step : steps)
            testsupport::invokeHandler(&window, step.toLatin1().constData());
        const bool reportOn = isShown(window, "fraLog");
        for (const char *timer : { "Timer2", "Timer3" })
            named<QTimer>(&window, QString::fromLatin1(timer))->start();
        auto *clock = named<QLabel>(&window, QStringLiteral("lblGame3TimeKeep"));
        clock->setText(QStringLiteral("42"));
        QMap<QString, bool> menuBefore;
        for (const QString &name : menus)
            menuBefore[name] = menuEntry(&window, name)->isEnabled();
        // The worksheet's message timer runs with its own message.
        const QStringList timers = words("Timer1 Timer2 Timer3 Timer4");
        QMap<QString, bool> timerBefore;
        for (const QString &timer : timers)
            timerBefore[timer] = named<QTimer>(&window, timer)->isActive();

        QVERIFY(testsupport::invokeHandler(&window, handler.constData()));

        const QString from = steps.join(QLatin1Char(' '));
        const auto seen = [&window](const char *area) {
            QWidget *frame = testsupport::frameSeenOver(
                window, named<QWidget>(&window, QString::fromLatin1(area)));
            return frame ? frame->objectName() : QString();
        };
        const QString rightExpected
            = right == u"report"_s ? (reportOn ? u"fraLog"_s : u"fraMyBrowser"_s) : right;
        QVERIFY2(seen("fraMain") == left, qPrintable(from + u" left: "_s + seen("fraMain")));
        QVERIFY2(seen("fraMyBrowser") == rightExpected,
            qPrintable(from + u" right: "_s + seen("fraMyBrowser")));
        for (const QString &name : menus) {
            // A hidden item is offered in no state.
            if (!menuEntry(&window, name)->isVisible())
                continue;
            const bool expected
                = offered.contains(name) || (!withdrawn.contains(name) && menuBefore[name]);
            QVERIFY2(
                menuEntry(&window, name)->isEnabled() == expected, qPrintable(from + u' ' + name));
        }
        for (const QString &timer : timers) {
            const bool stopped = stopsGames && (timer == u"Timer2"_s || timer == u"Timer3"_s);
            QVERIFY2(named<QTimer>(&window, timer)->isActive() == (timerBefore[timer] && !stopped),
                qPrintable(from + u' ' + timer));
        }
        QCOMPARE(clock->text(), clearsClock ? QString() : QStringLiteral("42"));
    }
}

// Whatever screen was up, each screen the host lists comes up through its own
// menu item, is the one seen where it lies, and is the only one of its place
// left shown; the whole-window screens leave nothing beside them visible.
void ScreenSwitchingTest::everyHostedScreenComesUpThroughItsMenuItem()
{
    testsupport::TutorFixture fixture;
    testsupport::MessageBoxCloser closer;
    MainWindow &window = fixture.window();
    window.choosePupil(u"Ann"_s);
    const ScreenHost &host = window.screenHost();
    for (Screen *before : host.screens()) {
        for (Screen *screen : host.screens()) {
            for (Screen *step : { before, screen }) {
                if (host.entryItem(step).isEmpty())
                    continue;
                // The item a user would pick, through Work Mode when the
                // screen up greys it out.
                QAction *item = named<QAction>(&window, host.entryItem(step));
                const auto *menu = qobject_cast<QMenu *>(item->parent());
                if (!item->isEnabled() || !menu->menuAction()->isEnabled())
                    window.mnuFileWork_Click();
                item->trigger();
            }
            if (host.entryItem(screen).isEmpty())
                continue;
            const QString from = before->objectName() + u" to "_s + screen->objectName();
            QVERIFY2(testsupport::frameSeenOver(window, screen) == screen, qPrintable(from));
            // The report panel lies over the browser, outside the switching.
            const auto overlay
                = [](const Screen *frame) { return frame->objectName() == u"fraLog"_s; };
            if (overlay(screen))
                continue;
            for (Screen *other : host.screens()) {
                if (other == screen || overlay(other))
                    continue;
                const bool beside = host.place(screen) != ScreenHost::Place::Whole
                    && host.place(other) == ScreenHost::Place::Right;
                QVERIFY2(other->isVisible() == beside && other->isHidden() == !beside,
                    qPrintable(from + u": "_s + other->objectName()));
            }
        }
    }
}

void ScreenSwitchingTest::workModeFocusesAnswerAndDrawsFreshProblem()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    testsupport::invokeHandler(&window, "mnuGamesMissingNum_Click");
    testsupport::changeState(window, [&](TutorState &state) {
        state.Operand1 = 0;
        state.Operand2 = 0;
    });
    testsupport::invokeHandler(&window, "mnuFileWork_Click");
    QVERIFY(named<QLineEdit>(&window, QStringLiteral("txtAnswer"))->hasFocus());
    QVERIFY(window.state().Operand1 >= 1 && window.state().Operand2 >= 1);
    QCOMPARE(named<QLabel>(&window, QStringLiteral("lblNum1"))->text().toInt(),
        int(window.state().Operand1));
}

void ScreenSwitchingTest::workModeChecksCurrentOperation_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("item");
    QTest::newRow("addition") << 1 << QStringLiteral("mnuOptOperAdd");
    QTest::newRow("subtraction") << 2 << QStringLiteral("mnuOptOperSub");
    QTest::newRow("multiplication") << 3 << QStringLiteral("mnuOptOperMult");
    QTest::newRow("division") << 4 << QStringLiteral("mnuOptOperDiv");
}

void ScreenSwitchingTest::workModeChecksCurrentOperation()
{
    QFETCH(int, operation);
    QFETCH(QString, item);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    // The Missing Operation screen takes every check mark off first.
    testsupport::invokeHandler(&window, "mnuGamesMissingOper_Click");
    testsupport::changeState(
        window, [&](TutorState &state) { state.OperationCode = qint16(operation); });
    testsupport::invokeHandler(&window, "mnuFileWork_Click");
    QVERIFY(named<QAction>(&window, item)->isChecked());
}

void ScreenSwitchingTest::workModeKeepsReportPanelOverBrowser()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
    testsupport::invokeHandler(&window, "mnuFileWork_Click");
    auto *report = named<QWidget>(&window, QStringLiteral("fraLog"));
    QVERIFY(report->isVisible());
    QVERIFY(named<QWidget>(&window, QStringLiteral("fraMyBrowser"))->isVisible());
    QWidget *seen = testsupport::frameSeenOver(window, report);
    QCOMPARE(seen, report);
    QVERIFY(named<QAction>(&window, QStringLiteral("mnuOptHideReport"))->isVisible());
}

void ScreenSwitchingTest::missingOperationTakesEveryOperationCheckOff()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuGamesMissingOper_Click");
    for (const char *item : { "mnuOptOperAdd", "mnuOptOperSub", "mnuOptOperMult", "mnuOptOperDiv" })
        QVERIFY2(!named<QAction>(&window, QString::fromLatin1(item))->isChecked(), item);
    // The level check mark is not an operation and stays.
    QVERIFY(named<QAction>(&window, QStringLiteral("mnuOptDiffLev0"))->isChecked());
}

void ScreenSwitchingTest::aboutFocusesOkAndEnterPressesIt()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    testsupport::invokeHandler(&window, "mnuHelpAbout_Click");
    auto *ok = named<QPushButton>(&window, QStringLiteral("cmdOkAbout"));
    QVERIFY(ok->hasFocus());
    QTest::keyClick(ok, Qt::Key_Return);
    QVERIFY(named<QWidget>(&window, QStringLiteral("fraAbout"))->isHidden());
    QVERIFY(!named<QWidget>(&window, QStringLiteral("fraMain"))->isHidden());
    // Escape leaves the same way.
    testsupport::invokeHandler(&window, "mnuHelpAbout_Click");
    QTest::keyClick(ok, Qt::Key_Escape);
    QVERIFY(named<QWidget>(&window, QStringLiteral("fraAbout"))->isHidden());
    QVERIFY(!named<QWidget>(&window, QStringLiteral("fraMain"))->isHidden());
}

void ScreenSwitchingTest::okFromGameReturnsToPracticeWithGameHidden()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    for (const char *game : { "mnuGamesMissingNum_Click", "mnuGamesMissingOper_Click",
             "mnuGamesTime_Click", "mnuHelpContents_Click" }) {
        testsupport::invokeHandler(&window, game);
        testsupport::invokeHandler(&window, "mnuHelpAbout_Click");
        testsupport::invokeHandler(&window, "cmdOkAbout_Click");
        QVERIFY2(!named<QWidget>(&window, QStringLiteral("fraMain"))->isHidden(), game);
        for (const char *hidden : { "fraGame1", "fraGame2", "fraGame3", "fraHelp", "fraAbout" })
            QVERIFY2(named<QWidget>(&window, QString::fromLatin1(hidden))->isHidden(), hidden);
    }
}

void ScreenSwitchingTest::backToPracticeOffersWhatPracticeAllows_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("operation"); // the one practice then uses
    const std::pair<const char *, const char *> earlier[]
        = { { "division", "mnuOptDiffLev1_Click mnuOptOperDiv_Click" },
              { "multiplication", "mnuOptDiffLev4_Click mnuOptOperMult_Click" } };
    // Where the pupil went, and the operation practice has afterwards when
    // it had Division (4) or Multiplication (3) before.
    struct Visit
    {
        const char *name;
        const char *steps;
        int afterDivision;
        int afterMultiplication;
    };
    const Visit visits[] = {
        { "missing number", "mnuGamesMissingNum_Click", 2, 2 },
        { "missing operation", "mnuGamesMissingOper_Click", 4, 3 },
        { "time trial", "mnuGamesTime_Click", 2, 2 },
        // Stop goes back to Warm Up Addition.
        { "time trial stopped", "mnuGamesTime_Click cmdStartGame3_Click cmdStopGame3_Click", 1, 1 },
        { "worksheet", "mnuOptionsWorksheet_Click", 4, 3 },
        { "help", "mnuHelpContents_Click", 4, 3 },
    };
    const std::pair<const char *, const char *> waysBack[]
        = { { "about ok", "mnuHelpAbout_Click cmdOkAbout_Click" },
              { "work mode", "mnuFileWork_Click" } };
    for (const auto &[operationName, choose] : earlier) {
        for (const Visit &visit : visits) {
            for (const auto &[wayName, back] : waysBack) {
                const bool division = QByteArray(operationName) == "division";
                QTest::addRow("%s, %s, %s", operationName, visit.name, wayName)
                    << words(choose) + words(visit.steps) + words(back)
                    << (division ? visit.afterDivision : visit.afterMultiplication);
            }
        }
    }
}

// Whatever a game greyed out, practice offers all four operations again with
// the check mark on the one it uses, and the levels that operation allows:
// Division only the two lowest.
void ScreenSwitchingTest::backToPracticeOffersWhatPracticeAllows()
{
    QFETCH(QStringList, steps);
    QFETCH(int, operation);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    for (const QString &step : steps)
        QVERIFY2(
            testsupport::invokeHandler(&window, step.toLatin1().constData()), qPrintable(step));

    QVERIFY(isShown(window, "fraMain"));
    QCOMPARE(window.state().OperationCode, qint16(operation));
    const QStringList operations
        = words("mnuOptOperAdd mnuOptOperSub mnuOptOperMult mnuOptOperDiv");
    for (int code = 1; code <= 4; ++code) {
        QAction *item = named<QAction>(&window, operations.at(code - 1));
        QVERIFY2(item->isEnabled(), qPrintable(item->objectName()));
        QCOMPARE(item->isChecked(), code == operation);
    }
    for (const QString &level : words("mnuOptDiffLev0 mnuOptDiffLev1"))
        QVERIFY2(menuEntry(&window, level)->isEnabled(), qPrintable(level));
    for (const QString &level : words("mnuOptDiffLev2 mnuOptDiffLev3 mnuOptDiffLev4"))
        QVERIFY2(menuEntry(&window, level)->isEnabled() == (operation != 4), qPrintable(level));
    for (const QString &menu : words("mnuFile mnuOptions mnuGames mnuHelp mnuOptShowReport"))
        QVERIFY2(menuEntry(&window, menu)->isEnabled(), qPrintable(menu));
}

void ScreenSwitchingTest::showReportClearsNameAndDisablesPrint()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    auto *name = named<QLineEdit>(&window, QStringLiteral("txtNameReport"));
    auto *print = named<QPushButton>(&window, QStringLiteral("cmdPrintReport"));
    name->setText(QStringLiteral("Ann"));
    print->setEnabled(true);

    testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
    QVERIFY(name->text().isEmpty());
    QVERIFY(!print->isEnabled());
    QVERIFY(!named<QAction>(&window, QStringLiteral("mnuOptShowReport"))->isVisible());
    QVERIFY(named<QAction>(&window, QStringLiteral("mnuOptHideReport"))->isVisible());

    testsupport::invokeHandler(&window, "mnuOptHideReport_Click");
    QVERIFY(named<QAction>(&window, QStringLiteral("mnuOptShowReport"))->isVisible());
    QVERIFY(!named<QAction>(&window, QStringLiteral("mnuOptHideReport"))->isVisible());
}

void ScreenSwitchingTest::wholeWindowScreensCoverReportPanel_data()
{
    QTest::addColumn<QByteArray>("handler");
    QTest::addColumn<QString>("screen");
    QTest::newRow("worksheet") << QByteArray("mnuOptionsWorksheet_Click")
                               << QStringLiteral("fraWorksheet");
    QTest::newRow("help") << QByteArray("mnuHelpContents_Click") << QStringLiteral("fraHelp");
    QTest::newRow("about") << QByteArray("mnuHelpAbout_Click") << QStringLiteral("fraAbout");
}

void ScreenSwitchingTest::wholeWindowScreensCoverReportPanel()
{
    QFETCH(QByteArray, handler);
    QFETCH(QString, screen);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
    testsupport::invokeHandler(&window, handler.constData());

    auto *report = named<QWidget>(&window, QStringLiteral("fraLog"));
    auto *cover = named<QWidget>(&window, screen);
    QVERIFY(!report->isHidden()); // still on, only covered
    QWidget *seen = testsupport::frameSeenOver(window, report);
    QCOMPARE(seen, cover);
    QVERIFY(!named<QMenu>(&window, QStringLiteral("mnuOptions"))->menuAction()->isEnabled());

    // Back through Ok, the report panel is in front again.
    testsupport::invokeHandler(&window, "mnuHelpAbout_Click");
    testsupport::invokeHandler(&window, "cmdOkAbout_Click");
    seen = testsupport::frameSeenOver(window, report);
    QCOMPARE(seen, report);
}

void ScreenSwitchingTest::tabStaysOnTheReportPanelWhileItShows_data()
{
    QTest::addColumn<QStringList>("steps"); // handlers, or "speak" for German and back
    QTest::addColumn<bool>("shiftTab");

    QTest::newRow("fresh") << QStringList() << false;
    QTest::newRow("fresh, backwards") << QStringList() << true;
    QTest::newRow("after every screen")
        << words("mnuGamesMissingNum_Click mnuGamesMissingOper_Click mnuGamesTime_Click "
                 "mnuOptionsWorksheet_Click mnuHelpContents_Click mnuHelpAbout_Click "
                 "cmdOkAbout_Click mnuFileWork_Click")
        << false;
    QTest::newRow("after the worksheet, backwards")
        << words("mnuOptionsWorksheet_Click mnuFileWork_Click") << true;
    QTest::newRow("after Print Html") << words("cmdPrintReport_Click") << false;
    QTest::newRow("after Clear Report") << words("cmdClearReport_Click") << true;
    QTest::newRow("after the language changed") << words("speak") << false;
}

// Show Report, a name typed, then Tab: the keyboard goes round the panel,
// name box, Print Html, Clear Report, log, and never into the answer box
// beside it, where an Enter would answer.
void ScreenSwitchingTest::tabStaysOnTheReportPanelWhileItShows()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, shiftTab);
    testsupport::TutorFixture fixture;
    testsupport::MessageBoxCloser closer;
    testsupport::UrlCapture browser;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    testsupport::answerPractice(window, u"1"_s);
    for (const QString &step : steps) {
        if (step == u"speak"_s) {
            language::speak(u"de"_s);
            language::speak(u"en"_s);
        } else if (step.startsWith(u"cmd"_s) && step != u"cmdOkAbout_Click"_s) {
            testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
            QTest::keyClicks(named<QLineEdit>(&window, u"txtNameReport"_s), u"Ann"_s);
            QVERIFY(testsupport::invokeHandler(&window, qPrintable(step)));
        } else {
            QVERIFY(testsupport::invokeHandler(&window, qPrintable(step)));
        }
    }
    testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
    auto *name = named<QLineEdit>(&window, u"txtNameReport"_s);
    name->setFocus();
    QTest::keyClicks(name, u"Zo"_s);

    QStringList stops { name->objectName() };
    for (int press = 0; press < 8; ++press) {
        QTest::keyClick(QApplication::focusWidget(), shiftTab ? Qt::Key_Backtab : Qt::Key_Tab);
        QWidget *focused = QApplication::focusWidget();
        if (focused == name)
            break;
        stops << (focused ? focused->objectName() : u"<none>"_s);
    }
    QStringList round { u"txtNameReport"_s, u"cmdPrintReport"_s, u"cmdClearReport"_s,
        u"lstLogNum1"_s };
    if (shiftTab)
        std::reverse(round.begin() + 1, round.end());
    QCOMPARE(stops, round);

    // From the answer box, where a click puts the keyboard, Tab comes into
    // the round at the log.
    named<QLineEdit>(&window, u"txtAnswer"_s)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"lstLogNum1"_s);

    // The tester's keys: one Tab from the name, then Enter, prints.
    const int rows = testsupport::logRowCount(window);
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(testsupport::logRowCount(window), rows);
    QCOMPARE(window.state().CorrectCount + window.state().IncorrectCount, 1);
    QVERIFY(QFileInfo::exists(fixture.folder() + u"/reports/ZoOrviReport.html"_s));
}

void ScreenSwitchingTest::screensKeepTheirContentsWhileHidden()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    auto *answer = named<QLineEdit>(&window, QStringLiteral("txtAnswer"));
    answer->setText(QStringLiteral("12"));
    const QString first = named<QLabel>(&window, QStringLiteral("lblNum1"))->text();
    testsupport::invokeHandler(&window, "mnuHelpContents_Click");
    testsupport::invokeHandler(&window, "mnuGamesTime_Click");
    QCOMPARE(answer->text(), QStringLiteral("12"));
    QCOMPARE(named<QLabel>(&window, QStringLiteral("lblNum1"))->text(), first);
}

void ScreenSwitchingTest::noTextLiesUnderOrAgainstAPicture_data()
{
    QTest::addColumn<QStringList>("handlers");
    QTest::addColumn<QStringList>("verdicts"); // feedback frames shown as after an answer

    QTest::newRow("practice, correct") << words("mnuFileWork_Click") << words("fraCorrect");
    QTest::newRow("practice, try again") << words("mnuFileWork_Click") << words("fraIncorrect");
    QTest::newRow("missing number, correct")
        << words("mnuGamesMissingNum_Click") << words("fraCorrectGame1");
    QTest::newRow("missing number, try again")
        << words("mnuGamesMissingNum_Click") << words("fraIncorrectGame1");
    QTest::newRow("missing operation, correct")
        << words("mnuGamesMissingOper_Click") << words("fraCorrectGame2");
    QTest::newRow("missing operation, try again")
        << words("mnuGamesMissingOper_Click") << words("fraIncorrectGame2");
    QTest::newRow("time trial results") << words("mnuGamesTime_Click") << words("fraGame3Results");
    QTest::newRow("report panel") << words("mnuOptShowReport_Click") << QStringList();
    QTest::newRow("worksheet") << words("mnuOptionsWorksheet_Click") << QStringList();
    QTest::newRow("help") << words("mnuHelpContents_Click") << QStringList();
    QTest::newRow("about") << words("mnuHelpAbout_Click") << QStringList();
}

void ScreenSwitchingTest::noTextLiesUnderOrAgainstAPicture()
{
    QFETCH(QStringList, handlers);
    QFETCH(QStringList, verdicts);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    for (const QString &handler : handlers)
        QVERIFY(testsupport::invokeHandler(&window, qPrintable(handler)));
    for (const QString &verdict : verdicts)
        named<QWidget>(&window, verdict)->show();

    QList<const QLabel *> pictures;
    QList<const QLabel *> texts;
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (!label->isVisible())
            continue;
        if (!label->pixmap().isNull())
            pictures << label;
        else if (!label->text().isEmpty())
            texts << label;
    }
    QVERIFY(!texts.isEmpty());
    for (const QLabel *picture : std::as_const(pictures)) {
        const QRect ink = inkRect(picture, &window);
        for (const QLabel *text : std::as_const(texts)) {
            // A pixel of space at least between words and a picture.
            const QRect words = textRect(text, &window).adjusted(-1, -1, 1, 1);
            QVERIFY2(!words.intersects(ink),
                qPrintable(
                    text->objectName() + QStringLiteral(" touches ") + picture->objectName()));
        }
    }
}

QTEST_MAIN(ScreenSwitchingTest)
#include "screen_switching_test.moc"
