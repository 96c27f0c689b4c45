#include "app/main_window.h"
#include "tests/test_support.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QtTest>

using testsupport::named;

namespace {

const QStringList AllFrames = { QStringLiteral("fraGame1"), QStringLiteral("fraGame2"),
    QStringLiteral("fraGame3"), QStringLiteral("fraMain"), QStringLiteral("fraMyBrowser"),
    QStringLiteral("fraLog"), QStringLiteral("fraWorksheet"), QStringLiteral("fraHelp"),
    QStringLiteral("fraAbout"), QStringLiteral("fraCorrect"), QStringLiteral("fraIncorrect"),
    QStringLiteral("fraCorrectGame2"), QStringLiteral("fraIncorrectGame2"),
    QStringLiteral("fraGame3Results") };
const QStringList AllTimers = { QStringLiteral("Timer1"), QStringLiteral("Timer2"),
    QStringLiteral("Timer3"), QStringLiteral("Timer4"), QStringLiteral("tmrWorksheet") };

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

void setMenuEnabled(QWidget *window, const QString &name, bool enabled)
{
    if (auto *menu = named<QMenu>(window, name))
        menu->setEnabled(enabled);
    else
        named<QAction>(window, name)->setEnabled(enabled);
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
    void screenEntrySwitchesFramesMenusAndTimers_data();
    void screenEntrySwitchesFramesMenusAndTimers();

    void workModeFocusesAnswerAndDrawsFreshProblem();
    void workModeChecksCurrentOperation_data();
    void workModeChecksCurrentOperation();
    void workModeKeepsReportPanelOverBrowser();
    void missingOperationTakesEveryOperationCheckOff();
    void aboutFocusesOkAndEnterPressesIt();
    void okFromGameReturnsToPracticeWithGameHidden();
    void okKeepsOperationItemsAsGameLeftThem();
    void showReportClearsNameAndDisablesPrint();
    void wholeWindowScreensCoverReportPanel_data();
    void wholeWindowScreensCoverReportPanel();
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

void ScreenSwitchingTest::screenEntrySwitchesFramesMenusAndTimers_data()
{
    QTest::addColumn<QByteArray>("handler");
    QTest::addColumn<QStringList>("shows");
    QTest::addColumn<QStringList>("hides");
    QTest::addColumn<QStringList>("enables");
    QTest::addColumn<QStringList>("disables");
    QTest::addColumn<QStringList>("stops");
    QTest::addColumn<bool>("clearsClock");

    QTest::newRow("work mode")
        << QByteArray("mnuFileWork_Click") << words("fraMain fraMyBrowser")
        << words("fraHelp fraAbout fraIncorrect fraCorrect fraGame1 fraGame2 fraGame3 fraWorksheet")
        << words("mnuOptions mnuOptDiffLev0 mnuOptOperAdd mnuOptOperSub mnuOptOperMult "
                 "mnuOptOperDiv mnuOptShowReport")
        << QStringList() << QStringList() << false;
    QTest::newRow("missing number")
        << QByteArray("mnuGamesMissingNum_Click") << words("fraGame1 fraMyBrowser")
        << words("fraMain fraHelp fraAbout fraGame2 fraGame3 fraWorksheet fraLog")
        << words("mnuOptions mnuOptOperAdd mnuOptOperSub")
        << words("mnuOptOperMult mnuOptOperDiv mnuOptShowReport") << words("Timer2 Timer3") << true;
    QTest::newRow("missing operation")
        << QByteArray("mnuGamesMissingOper_Click") << words("fraGame2 fraMyBrowser")
        << words("fraLog fraIncorrectGame2 fraCorrectGame2 fraMain fraHelp fraAbout fraGame1 "
                 "fraGame3 fraWorksheet")
        << words("mnuOptions")
        << words("mnuOptOperAdd mnuOptOperSub mnuOptOperMult mnuOptOperDiv mnuOptShowReport")
        << words("Timer2 Timer3") << true;
    QTest::newRow("time trial")
        << QByteArray("mnuGamesTime_Click") << words("fraGame3 fraMyBrowser")
        << words("fraLog fraMain fraHelp fraAbout fraGame1 fraGame2 fraGame3Results fraWorksheet")
        << words("mnuOptions mnuOptOperAdd mnuOptOperSub")
        << words("mnuOptOperMult mnuOptOperDiv mnuOptShowReport") << QStringList() << true;
    QTest::newRow("worksheet")
        << QByteArray("mnuOptionsWorksheet_Click") << words("fraWorksheet")
        << words("fraHelp fraMain fraAbout fraGame1 fraGame2 fraGame3 fraMyBrowser")
        << QStringList() << words("mnuOptions") << words("Timer2 Timer3") << false;
    QTest::newRow("help")
        << QByteArray("mnuHelpContents_Click") << words("fraHelp")
        << words("fraWorksheet fraMain fraAbout fraGame1 fraGame2 fraGame3 fraMyBrowser")
        << QStringList() << words("mnuOptions") << words("Timer2 Timer3") << false;
    QTest::newRow("about")
        << QByteArray("mnuHelpAbout_Click") << words("fraAbout")
        << words("fraWorksheet fraMain fraHelp fraGame1 fraGame2 fraGame3 fraMyBrowser")
        << QStringList() << words("mnuOptions") << words("Timer2 Timer3") << true;
    QTest::newRow("about ok") << QByteArray("cmdOkAbout_Click") << words("fraMain fraMyBrowser")
                              << words("fraAbout fraHelp fraWorksheet")
                              << words("mnuOptShowReport mnuOptions") << QStringList()
                              << QStringList() << false;
    QTest::newRow("show report") << QByteArray("mnuOptShowReport_Click") << words("fraLog")
                                 << QStringList() << QStringList() << QStringList() << QStringList()
                                 << false;
    QTest::newRow("hide report") << QByteArray("mnuOptHideReport_Click") << QStringList()
                                 << words("fraLog") << QStringList() << QStringList()
                                 << QStringList() << false;
}

// Every frame, menu and timer starts in the state opposite to the one the
// handler should leave, and everything the handler should not touch must
// keep the state it had.
void ScreenSwitchingTest::screenEntrySwitchesFramesMenusAndTimers()
{
    QFETCH(QByteArray, handler);
    QFETCH(QStringList, shows);
    QFETCH(QStringList, hides);
    QFETCH(QStringList, enables);
    QFETCH(QStringList, disables);
    QFETCH(QStringList, stops);
    QFETCH(bool, clearsClock);

    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();

    for (int pass = 0; pass < 2; ++pass) {
        // Untouched frames are tried both shown and hidden.
        const bool untouchedShown = pass == 0;
        for (const QString &frame : AllFrames)
            named<QWidget>(&window, frame)
                ->setVisible(hides.contains(frame) || (!shows.contains(frame) && untouchedShown));
        for (const QString &name : enables)
            setMenuEnabled(&window, name, false);
        for (const QString &name : disables)
            setMenuEnabled(&window, name, true);
        for (const QString &timer : AllTimers)
            named<QTimer>(&window, timer)->start();
        auto *clock = named<QLabel>(&window, QStringLiteral("lblGame3TimeKeep"));
        clock->setText(QStringLiteral("42"));

        QVERIFY(testsupport::invokeHandler(&window, handler.constData()));

        for (const QString &frame : AllFrames) {
            const bool expectShown
                = shows.contains(frame) || (!hides.contains(frame) && untouchedShown);
            QVERIFY2(named<QWidget>(&window, frame)->isHidden() != expectShown, qPrintable(frame));
        }
        for (const QString &name : enables)
            QVERIFY2(menuEntry(&window, name)->isEnabled(), qPrintable(name));
        for (const QString &name : disables)
            QVERIFY2(!menuEntry(&window, name)->isEnabled(), qPrintable(name));
        for (const QString &timer : AllTimers)
            QVERIFY2(named<QTimer>(&window, timer)->isActive() != stops.contains(timer),
                qPrintable(timer));
        QCOMPARE(clock->text(), clearsClock ? QString() : QStringLiteral("42"));
    }
}

void ScreenSwitchingTest::workModeFocusesAnswerAndDrawsFreshProblem()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    testsupport::invokeHandler(&window, "mnuGamesMissingNum_Click");
    window.state().Operand1 = 0;
    window.state().Operand2 = 0;
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
    window.state().OperationCode = qint16(operation);
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
    QWidget *seen = window.centralWidget()->childAt(report->geometry().center());
    QVERIFY(seen == report || report->isAncestorOf(seen));
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

void ScreenSwitchingTest::okKeepsOperationItemsAsGameLeftThem()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuGamesMissingNum_Click");
    testsupport::invokeHandler(&window, "mnuHelpAbout_Click");
    testsupport::invokeHandler(&window, "cmdOkAbout_Click");
    QVERIFY(!named<QAction>(&window, QStringLiteral("mnuOptOperMult"))->isEnabled());
    QVERIFY(!named<QAction>(&window, QStringLiteral("mnuOptOperDiv"))->isEnabled());
    QVERIFY(named<QMenu>(&window, QStringLiteral("mnuOptions"))->menuAction()->isEnabled());
    // Only Work Mode gives them back.
    testsupport::invokeHandler(&window, "mnuFileWork_Click");
    QVERIFY(named<QAction>(&window, QStringLiteral("mnuOptOperMult"))->isEnabled());
    QVERIFY(named<QAction>(&window, QStringLiteral("mnuOptOperDiv"))->isEnabled());
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
    QWidget *seen = window.centralWidget()->childAt(report->geometry().center());
    QVERIFY(seen == cover || cover->isAncestorOf(seen));
    QVERIFY(!named<QMenu>(&window, QStringLiteral("mnuOptions"))->menuAction()->isEnabled());

    // Back through Ok, the report panel is in front again.
    testsupport::invokeHandler(&window, "mnuHelpAbout_Click");
    testsupport::invokeHandler(&window, "cmdOkAbout_Click");
    seen = window.centralWidget()->childAt(report->geometry().center());
    QVERIFY(seen == report || report->isAncestorOf(seen));
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
