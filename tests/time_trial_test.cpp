#include "app/main_window.h"
#include "rules/number_text.h"
#include "tests/test_support.h"

#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleHints>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;
using testsupport::labelText;
using testsupport::named;

namespace {

const QColor IdleClock(255, 192, 128);
const QColor PaleRedClock(255, 192, 192);
const QColor RedderClock(255, 128, 128);
const QColor RedClock(255, 0, 0);
const QStringList Menus = { QStringLiteral("mnuFile"), QStringLiteral("mnuOptions"),
    QStringLiteral("mnuGames"), QStringLiteral("mnuPupil"), QStringLiteral("mnuHelp") };

template<typename T = QWidget> T *control(MainWindow &window, const char *name)
{
    T *found = named<T>(&window, QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void tick(MainWindow &window)
{
    QVERIFY(testsupport::invokeHandler(&window, "Timer3_Timer"));
}

// What the window shows at the widget's place: grabbed from the whole window,
// in the middle of the left edge, beside any digits the widget draws.
QColor shownColour(MainWindow &window, QWidget *widget)
{
    const QImage shot = window.grab().toImage();
    const QPoint place = widget->mapTo(&window, QPoint(4, widget->height() / 2));
    return shot.pixelColor(place * shot.devicePixelRatio());
}

// The box's background after a trial: the palette's light 3-D colour.
QColor lightThreeDColour(MainWindow &window)
{
    return QColor(window.palette().color(QPalette::Midlight).rgb());
}

QColor clockColour(MainWindow &window)
{
    return shownColour(window, control(window, "lblGame3TimeKeep"));
}

// The clock's colour while it shows this many seconds.
QColor clockColourShowing(int seconds)
{
    if (seconds <= 3)
        return RedClock;
    if (seconds <= 5)
        return RedderClock;
    if (seconds <= 10)
        return PaleRedClock;
    return IdleClock;
}

QString rightAnswer(MainWindow &window)
{
    const TutorState &state = window.state();
    const int answer = state.OperationCode == 2 ? state.TimeTrialFirst - state.TimeTrialSecond
                                                : state.TimeTrialFirst + state.TimeTrialSecond;
    return QString::number(answer);
}

QString wrongAnswer(MainWindow &window)
{
    return QString::number(rightAnswer(window).toInt() + 1);
}

void answerTrial(MainWindow &window, const QString &typed)
{
    auto *box = control<QLineEdit>(window, "txtAnswerGame3");
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Return);
}

bool menusEnabled(MainWindow &window, bool enabled)
{
    for (const QString &menu : Menus) {
        if (named<QMenu>(&window, menu)->menuAction()->isEnabled() != enabled)
            return false;
    }
    return true;
}

void openGame(MainWindow &window)
{
    QVERIFY(testsupport::invokeHandler(&window, "mnuGamesTime_Click"));
}

void startTrial(MainWindow &window)
{
    testsupport::clickAfterAPause(control<QPushButton>(window, "cmdStartGame3"));
}

void runOut(MainWindow &window, int ticks)
{
    for (int i = 0; i < ticks; ++i)
        tick(window);
}

bool inRange(qint16 number, int lowest, int highest)
{
    return number >= lowest && number <= highest;
}

bool trialProblemShown(MainWindow &window)
{
    return labelText(window, "lblNum1Game3")
        == tutor::plainNumberText(window.state().TimeTrialFirst)
        && labelText(window, "lblNum2Game3")
        == tutor::plainNumberText(window.state().TimeTrialSecond);
}

QStringList visibleButtons(MainWindow &window)
{
    QStringList visible;
    for (const char *button : { "cmdStartGame3", "cmdStopGame3", "cmdResetGame3" }) {
        if (!control(window, button)->isHidden())
            visible << QString::fromLatin1(button);
    }
    return visible;
}

} // namespace

class TimeTrialTest : public QObject
{
    Q_OBJECT

private slots:
    void screenReadsAsDesigned();
    void openingShowsTheIdleGame_data();
    void openingShowsTheIdleGame();
    void thirtySecondTrialRunsTickByTick();
    void runningBoxTakesTheDesktopsTextBoxColour();
    void chosenLimitRunsAndShowsInResults_data();
    void chosenLimitRunsAndShowsInResults();
    void scoreNeverGoesBelowZero_data();
    void scoreNeverGoesBelowZero();
    void wrongAnswerKeepsTheProblemAndEmptiesTheBox();
    void keypadEnterAnswersToo();
    void scoreStopsAtItsLargestValue();
    void subtractionIsNeverNegative();
    void textWithoutDigitNeverScoresEvenForZero();
    void aClickTooSoonAfterStartStopOrResetDoesNothing_data();
    void aClickTooSoonAfterStartStopOrResetDoesNothing();
    void stopAndResetReturnToIdle_data();
    void stopAndResetReturnToIdle();
    void practiceIsJudgedByItsSignAfterwards_data();
    void practiceIsJudgedByItsSignAfterwards();
    void shortcutsDoNothingDuringATrial();
    void closingDuringATrialStopsTheClock();
};

void TimeTrialTest::screenReadsAsDesigned()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QCOMPARE(control<QGroupBox>(window, "Frame2")->title(), QStringLiteral("Time Limit :"));
    QCOMPARE(control<QRadioButton>(window, "opt30secs")->text(), QStringLiteral("30 Seconds"));
    QCOMPARE(control<QRadioButton>(window, "opt60secs")->text(), QStringLiteral("60 Seconds"));
    QVERIFY(control<QRadioButton>(window, "opt30secs")->isChecked());
    QCOMPARE(control<QPushButton>(window, "cmdStartGame3")->text(), QStringLiteral("Start"));
    QCOMPARE(control<QPushButton>(window, "cmdStopGame3")->text(), QStringLiteral("Stop"));
    QCOMPARE(control<QPushButton>(window, "cmdResetGame3")->text(), QStringLiteral("Reset"));
    QCOMPARE(labelText(window, "Label18"), QStringLiteral(" Time Left"));
    QCOMPARE(labelText(window, "Label21"), QStringLiteral("Correct Answers :"));
    QCOMPARE(control<QGroupBox>(window, "fraGame3Results")->title(), QStringLiteral("Results"));
    QCOMPARE(labelText(window, "lblResultsAnsweredGame3"), QStringLiteral("You answered"));
    QCOMPARE(labelText(window, "lblResultsRightGame3"), QStringLiteral("right, in "));
    QCOMPARE(labelText(window, "lblResultsSecondsGame3"), QStringLiteral("seconds."));
    QCOMPARE(control<QLineEdit>(window, "txtAnswerGame3")->maxLength(), 4);
    auto *timer = control<QTimer>(window, "Timer3");
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(!timer->isActive());
    QCOMPARE(window.state().TimeLimitSeconds, -1.0f);
    for (const char *value : { "lblGame3ResultsScore", "lblGame3ResultsTime" })
        QCOMPARE(control(window, value)->palette().color(QPalette::WindowText), QColor(0, 0, 192));

    // The larger figures stand on the baseline of the words around them.
    const auto baseline = [&window](const char *name) {
        const auto *piece = control<QLabel>(window, name);
        const QFontMetrics metrics = piece->fontMetrics();
        const QRect text = QStyle::alignedRect(piece->layoutDirection(), piece->alignment(),
            QSize(piece->width(), metrics.height()), piece->contentsRect());
        return piece->mapTo(&window, QPoint(0, text.top() + metrics.ascent())).y();
    };
    QCOMPARE(baseline("lblGame3ResultsScore"), baseline("lblResultsAnsweredGame3"));
    QCOMPARE(baseline("lblGame3ResultsTime"), baseline("lblResultsRightGame3"));
    QCOMPARE(baseline("lblGame3ResultsTime"), baseline("lblResultsSecondsGame3"));
}

void TimeTrialTest::openingShowsTheIdleGame_data()
{
    QTest::addColumn<QByteArray>("operationHandler");
    QTest::addColumn<int>("operation");
    QTest::newRow("addition") << QByteArray("mnuOptOperAdd_Click") << 1;
    QTest::newRow("subtraction") << QByteArray("mnuOptOperSub_Click") << 2;
    QTest::newRow("multiplication") << QByteArray("mnuOptOperMult_Click") << 2;
    QTest::newRow("division") << QByteArray("mnuOptOperDiv_Click") << 2;
}

void TimeTrialTest::openingShowsTheIdleGame()
{
    QFETCH(QByteArray, operationHandler);
    QFETCH(int, operation);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(testsupport::invokeHandler(&window, operationHandler.constData()));
    testsupport::changeState(window, [&](TutorState &state) {
        state.TimeTrialScore = 9;
        state.TimeTrialFirst = 0;
    });
    openGame(window);

    QCOMPARE(window.state().OperationCode, qint16(operation));
    QCOMPARE(control(window, "imgPlusGame3")->isHidden(), operation == 2);
    QCOMPARE(control(window, "imgMinusGame3")->isHidden(), operation == 1);
    QVERIFY(labelText(window, "lblGame3TimeKeep").isEmpty());
    QCOMPARE(clockColour(window), IdleClock);
    QCOMPARE(visibleButtons(window), QStringList(QStringLiteral("cmdStartGame3")));
    QCOMPARE(window.state().TimeTrialScore, qint16(0));
    QCOMPARE(labelText(window, "lblCorrectGame3"), QStringLiteral("0"));
    QVERIFY(!control(window, "txtAnswerGame3")->isEnabled());
    QVERIFY(control(window, "fraGame3Results")->isHidden());
    QVERIFY(menusEnabled(window, true));
    QVERIFY(inRange(window.state().TimeTrialFirst, 1, 10));
    QVERIFY(inRange(window.state().TimeTrialSecond, 1, 10));
    QVERIFY(trialProblemShown(window));
}

void TimeTrialTest::thirtySecondTrialRunsTickByTick()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    openGame(window);
    auto *box = control<QLineEdit>(window, "txtAnswerGame3");
    const QString first = labelText(window, "lblNum1Game3");
    startTrial(window);

    // Start keeps the problem and score that opening the game drew.
    QCOMPARE(labelText(window, "lblNum1Game3"), first);
    QCOMPARE(labelText(window, "lblGame3TimeKeep"), QStringLiteral("30"));
    QCOMPARE(clockColour(window), IdleClock);
    QCOMPARE(window.state().TimeTrialLimitText, QStringLiteral("30"));
    QCOMPARE(visibleButtons(window), QStringList(QStringLiteral("cmdStopGame3")));
    QVERIFY(box->isEnabled());
    QVERIFY(box->hasFocus());
    QCOMPARE(shownColour(window, box), QColor(Qt::white));
    QVERIFY(!control(window, "opt30secs")->isEnabled());
    QVERIFY(!control(window, "opt60secs")->isEnabled());
    QVERIFY(menusEnabled(window, false));
    QVERIFY(control<QTimer>(window, "Timer3")->isActive());

    int score = 0;
    for (int shown = 29; shown >= 0; --shown) {
        tick(window);
        QCOMPARE(labelText(window, "lblGame3TimeKeep"), QString::number(shown));
        QCOMPARE(clockColour(window), clockColourShowing(shown));
        QVERIFY(menusEnabled(window, false));
        QVERIFY(control(window, "fraGame3Results")->isHidden());
        if (shown == 10) // told, with the sum still to answer
            QVERIFY(box->accessibleDescription().startsWith(u"10 seconds left. "_s));
        if (shown % 7 == 0) {
            answerTrial(window, rightAnswer(window));
            QCOMPARE(labelText(window, "lblCorrectGame3"), QString::number(++score));
        }
    }
    // The clock shows 0 for a whole second, and answers still count then.
    answerTrial(window, rightAnswer(window));
    QCOMPARE(window.state().TimeTrialScore, qint16(++score));

    tick(window);
    QVERIFY(!control<QTimer>(window, "Timer3")->isActive());
    QVERIFY(!control(window, "fraGame3Results")->isHidden());
    QCOMPARE(labelText(window, "lblGame3ResultsScore"), QString::number(score));
    QCOMPARE(labelText(window, "lblGame3ResultsTime"), QStringLiteral("30"));
    QCOMPARE(labelText(window, "lblGame3TimeKeep"), QStringLiteral("0"));
    QCOMPARE(clockColour(window), RedClock);
    QCOMPARE(visibleButtons(window), QStringList(QStringLiteral("cmdResetGame3")));
    QVERIFY(!box->isEnabled());
    QVERIFY(box->text().isEmpty());
    QCOMPARE(shownColour(window, box), lightThreeDColour(window));
    // The keyboard goes to the results, which say them, not to the start page.
    QVERIFY(control(window, "fraGame3Results")->hasFocus());
    QCOMPARE(control(window, "fraGame3Results")->accessibleDescription(),
        u"Time is up. You answered %1 right in 30 seconds."_s.arg(score));
    QVERIFY(menusEnabled(window, false));

    // The finished trial takes no more answers.
    answerTrial(window, rightAnswer(window));
    QCOMPARE(window.state().TimeTrialScore, qint16(score));

    testsupport::clickAfterAPause(control<QPushButton>(window, "cmdResetGame3"));
    QVERIFY(menusEnabled(window, true));
    QVERIFY(control(window, "fraGame3Results")->isHidden());
}

void TimeTrialTest::runningBoxTakesTheDesktopsTextBoxColour()
{
    const QPalette saved = QApplication::palette();
    QPalette dark = saved;
    dark.setColor(QPalette::Base, QColor(40, 44, 52));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    QApplication::setPalette(dark);
    {
        testsupport::TutorFixture fixture;
        MainWindow &window = fixture.window();
        openGame(window);
        startTrial(window);
        QCOMPARE(shownColour(window, control(window, "txtAnswerGame3")), QColor(40, 44, 52));
    }
    QApplication::setPalette(saved);
}

void TimeTrialTest::chosenLimitRunsAndShowsInResults_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("limit");
    QTest::newRow("thirty") << QStringLiteral("opt30secs") << 30;
    QTest::newRow("sixty") << QStringLiteral("opt60secs") << 60;
    QTest::newRow("none chosen") << QString() << 60;
}

void TimeTrialTest::chosenLimitRunsAndShowsInResults()
{
    QFETCH(QString, chosen);
    QFETCH(int, limit);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    openGame(window);
    auto *thirty = control<QRadioButton>(window, "opt30secs");
    auto *sixty = control<QRadioButton>(window, "opt60secs");
    if (chosen.isEmpty()) {
        thirty->setAutoExclusive(false);
        thirty->setChecked(false);
        thirty->setAutoExclusive(true);
    } else {
        QTest::mouseClick(named<QRadioButton>(&window, chosen), Qt::LeftButton);
    }
    startTrial(window);
    QCOMPARE(labelText(window, "lblGame3TimeKeep"), QString::number(limit));
    QCOMPARE(window.state().TimeLimitSeconds, float(limit));
    QCOMPARE(sixty->isChecked(), limit == 60);

    runOut(window, limit);
    QCOMPARE(labelText(window, "lblGame3TimeKeep"), QStringLiteral("0"));
    QVERIFY(control(window, "fraGame3Results")->isHidden());
    tick(window);
    QVERIFY(!control(window, "fraGame3Results")->isHidden());
    QCOMPARE(labelText(window, "lblGame3ResultsScore"), QStringLiteral("0"));
    QCOMPARE(labelText(window, "lblGame3ResultsTime"), QString::number(limit));
    QCOMPARE(control(window, "fraGame3Results")->accessibleDescription(),
        u"Time is up. You answered 0 right in %1 seconds."_s.arg(limit));
}

void TimeTrialTest::scoreNeverGoesBelowZero_data()
{
    QTest::addColumn<QString>("answers"); // R right, W wrong
    QTest::addColumn<int>("score");
    QTest::newRow("RRRW") << QStringLiteral("RRRW") << 2;
    QTest::newRow("WRRR") << QStringLiteral("WRRR") << 3;
    QTest::newRow("WW") << QStringLiteral("WW") << 0;
    QTest::newRow("RWWR") << QStringLiteral("RWWR") << 1;
}

void TimeTrialTest::scoreNeverGoesBelowZero()
{
    QFETCH(QString, answers);
    QFETCH(int, score);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    openGame(window);
    startTrial(window);
    for (const QChar answer : answers)
        answerTrial(window, answer == u'R' ? rightAnswer(window) : wrongAnswer(window));
    QCOMPARE(window.state().TimeTrialScore, qint16(score));
    QCOMPARE(labelText(window, "lblCorrectGame3"), QString::number(score));
}

void TimeTrialTest::wrongAnswerKeepsTheProblemAndEmptiesTheBox()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    openGame(window);
    startTrial(window);
    const qint16 first = window.state().TimeTrialFirst;
    const qint16 second = window.state().TimeTrialSecond;
    answerTrial(window, wrongAnswer(window));
    QCOMPARE(window.state().TimeTrialFirst, first);
    QCOMPARE(window.state().TimeTrialSecond, second);
    QVERIFY(trialProblemShown(window));
    auto *box = control<QLineEdit>(window, "txtAnswerGame3");
    QVERIFY(box->text().isEmpty());
    QVERIFY(box->hasFocus());
    // Other keys type as usual, up to four characters.
    QTest::keyClicks(box, QStringLiteral("12345"));
    QCOMPARE(box->text(), QStringLiteral("1234"));
}

void TimeTrialTest::keypadEnterAnswersToo()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    openGame(window);
    startTrial(window);
    auto *box = control<QLineEdit>(window, "txtAnswerGame3");
    QTest::keyClicks(box, rightAnswer(window));
    QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(window.state().TimeTrialScore, qint16(1));
}

void TimeTrialTest::scoreStopsAtItsLargestValue()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    openGame(window);
    startTrial(window);
    testsupport::changeState(window, [&](TutorState &state) { state.TimeTrialScore = 32767; });
    answerTrial(window, rightAnswer(window));
    QCOMPARE(window.state().TimeTrialScore, qint16(32767));
    QCOMPARE(labelText(window, "lblCorrectGame3"), QStringLiteral("32767"));
    runOut(window, 31);
    QCOMPARE(labelText(window, "lblGame3ResultsScore"), QStringLiteral("32767"));
}

void TimeTrialTest::subtractionIsNeverNegative()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuOptOperSub_Click");
    testsupport::invokeHandler(&window, "mnuOptDiffLev2_Click");
    openGame(window);
    bool sawDifferent = false;
    for (int i = 0; i < 300; ++i) {
        QVERIFY(testsupport::invokeHandler(&window, "NewTimeTrialProblem"));
        const TutorState &state = window.state();
        QVERIFY2(state.TimeTrialFirst >= state.TimeTrialSecond, qPrintable(rightAnswer(window)));
        QVERIFY(inRange(state.TimeTrialSecond, 1, 41));
        QVERIFY(trialProblemShown(window));
        sawDifferent = sawDifferent || state.TimeTrialFirst > state.TimeTrialSecond;
    }
    QVERIFY(sawDifferent);
}

void TimeTrialTest::textWithoutDigitNeverScoresEvenForZero()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuOptOperSub_Click");
    openGame(window);
    startTrial(window);
    answerTrial(window, rightAnswer(window));
    QCOMPARE(window.state().TimeTrialScore, qint16(1));

    // 6 - 6: an empty box or a letter costs the point, only "0" earns it.
    testsupport::changeState(window, [&](TutorState &state) {
        state.TimeTrialFirst = 6;
        state.TimeTrialSecond = 6;
    });
    answerTrial(window, QString());
    QCOMPARE(window.state().TimeTrialScore, qint16(0));
    answerTrial(window, rightAnswer(window));
    QCOMPARE(window.state().TimeTrialScore, qint16(1));
    testsupport::changeState(window, [&](TutorState &state) {
        state.TimeTrialFirst = 6;
        state.TimeTrialSecond = 6;
    });
    answerTrial(window, QStringLiteral("x"));
    QCOMPARE(window.state().TimeTrialScore, qint16(0));
    answerTrial(window, QStringLiteral("0"));
    QCOMPARE(window.state().TimeTrialScore, qint16(1));
}

void TimeTrialTest::aClickTooSoonAfterStartStopOrResetDoesNothing_data()
{
    QTest::addColumn<int>("ticks"); // before the first click; -1: not started
    QTest::addColumn<int>("gap"); // milliseconds between the clicks; -1: one double click
    QTest::addColumn<bool>("running"); // afterwards
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    QTest::newRow("double click on start") << -1 << -1 << true;
    QTest::newRow("double click on stop") << 5 << -1 << false;
    QTest::newRow("double click on reset") << 31 << -1 << false;
    QTest::newRow("stop just inside the interval") << -1 << interval - 1 << true;
    QTest::newRow("stop as the interval ends") << -1 << interval << false;
    QTest::newRow("start just inside the interval after stop") << 5 << interval - 1 << false;
    QTest::newRow("start just inside the interval after reset") << 31 << interval - 1 << false;
    QTest::newRow("start as the interval ends after reset") << 31 << interval << true;
}

// Start, Stop and Reset take each other's place, so the second click of a
// double click lands on the button the first one has just put there.
void TimeTrialTest::aClickTooSoonAfterStartStopOrResetDoesNothing()
{
    QFETCH(int, ticks);
    QFETCH(int, gap);
    QFETCH(bool, running);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    openGame(window);
    if (ticks >= 0) {
        startTrial(window);
        runOut(window, ticks);
    }
    const auto shownButton
        = [&window]() { return named<QPushButton>(&window, visibleButtons(window).value(0)); };
    testsupport::pauseBeforeNextClick();
    QPushButton *first = shownButton();
    if (gap < 0) {
        QTest::mousePress(first, Qt::LeftButton);
        QTest::mouseRelease(first, Qt::LeftButton);
        QTest::mouseDClick(shownButton(), Qt::LeftButton);
        QTest::mouseRelease(shownButton(), Qt::LeftButton);
    } else {
        QTest::mouseClick(first, Qt::LeftButton);
        testsupport::letTimePass(gap);
        QTest::mouseClick(shownButton(), Qt::LeftButton);
    }
    QCOMPARE(visibleButtons(window),
        QStringList(running ? QStringLiteral("cmdStopGame3") : QStringLiteral("cmdStartGame3")));
    QCOMPARE(control<QTimer>(window, "Timer3")->isActive(), running);
    QCOMPARE(control(window, "txtAnswerGame3")->isEnabled(), running);
    QVERIFY(menusEnabled(window, !running));
}

void TimeTrialTest::stopAndResetReturnToIdle_data()
{
    QTest::addColumn<int>("ticks"); // -1: not started
    QTest::addColumn<QByteArray>("handler");
    QTest::addColumn<QString>("button");
    QTest::newRow("stop running") << 5 << QByteArray("cmdStopGame3_Click")
                                  << QStringLiteral("cmdStopGame3");
    QTest::newRow("stop at 0") << 30 << QByteArray("cmdStopGame3_Click")
                               << QStringLiteral("cmdStopGame3");
    QTest::newRow("reset results")
        << 31 << QByteArray("cmdResetGame3_Click") << QStringLiteral("cmdResetGame3");
    // The hidden buttons' handlers, called directly, leave the game idle too.
    QTest::newRow("stop idle") << -1 << QByteArray("cmdStopGame3_Click") << QString();
    QTest::newRow("stop results") << 31 << QByteArray("cmdStopGame3_Click") << QString();
    QTest::newRow("reset idle") << -1 << QByteArray("cmdResetGame3_Click") << QString();
    QTest::newRow("reset running") << 5 << QByteArray("cmdResetGame3_Click") << QString();
}

void TimeTrialTest::stopAndResetReturnToIdle()
{
    QFETCH(int, ticks);
    QFETCH(QByteArray, handler);
    QFETCH(QString, button);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    // Far from Warm Up Addition, so every step of the way back shows.
    testsupport::invokeHandler(&window, "mnuOptOperSub_Click");
    testsupport::invokeHandler(&window, "mnuOptDiffLev4_Click");
    openGame(window);
    if (ticks >= 0) {
        startTrial(window);
        answerTrial(window, rightAnswer(window));
        runOut(window, ticks);
        // Stop empties the box; Reset finds it emptied by the results.
        if (ticks < 31 && handler == "cmdStopGame3_Click")
            QTest::keyClicks(control(window, "txtAnswerGame3"), QStringLiteral("12"));
    }
    if (button.isEmpty()) {
        QVERIFY(testsupport::invokeHandler(&window, handler.constData()));
    } else {
        auto *pressed = named<QPushButton>(&window, button);
        QVERIFY(pressed->isVisible());
        testsupport::clickAfterAPause(pressed);
    }

    QVERIFY(!control<QTimer>(window, "Timer3")->isActive());
    QCOMPARE(visibleButtons(window), QStringList(QStringLiteral("cmdStartGame3")));
    QVERIFY(labelText(window, "lblGame3TimeKeep").isEmpty());
    QCOMPARE(clockColour(window), IdleClock);
    auto *box = control<QLineEdit>(window, "txtAnswerGame3");
    QVERIFY(!box->isEnabled());
    QVERIFY(box->text().isEmpty());
    if (handler == "cmdStopGame3_Click")
        QCOMPARE(shownColour(window, box), lightThreeDColour(window));
    QVERIFY(control(window, "fraGame3Results")->isHidden());
    QVERIFY(!control(window, "fraGame3")->isHidden());
    QVERIFY(control(window, "opt30secs")->isEnabled());
    QVERIFY(control(window, "opt60secs")->isEnabled());
    QVERIFY(menusEnabled(window, true));
    QCOMPARE(window.state().TimeTrialScore, qint16(0));
    QCOMPARE(labelText(window, "lblCorrectGame3"), QStringLiteral("0"));

    // The whole program agrees on Warm Up Addition.
    QCOMPARE(window.state().LevelCode, qint16(0));
    QCOMPARE(window.state().OperationCode, qint16(1));
    QCOMPARE(labelText(window, "lblCurLev"), QStringLiteral("Warm Up"));
    QVERIFY(control<QAction>(window, "mnuOptDiffLev0")->isChecked());
    QVERIFY(!control<QAction>(window, "mnuOptDiffLev4")->isChecked());
    QVERIFY(control<QAction>(window, "mnuOptOperAdd")->isChecked());
    QVERIFY(!control<QAction>(window, "mnuOptOperSub")->isChecked());
    for (const char *plus : { "imgPlus", "imgPlusGame1", "imgPlusGame3" })
        QVERIFY2(!control(window, plus)->isHidden(), plus);
    for (const char *minus : { "imgMinus", "imgMinusGame1", "imgMinusGame3" })
        QVERIFY2(control(window, minus)->isHidden(), minus);
    QVERIFY(inRange(window.state().TimeTrialFirst, 1, 10));
    QVERIFY(inRange(window.state().TimeTrialSecond, 1, 10));
    QVERIFY(trialProblemShown(window));
    QVERIFY(window.state().Operand1 >= 1 && window.state().Operand1 <= 10);
    QVERIFY(window.state().Operand2 >= 1 && window.state().Operand2 <= 10);
}

void TimeTrialTest::practiceIsJudgedByItsSignAfterwards_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("button");
    QTest::newRow("stop") << 3 << QStringLiteral("cmdStopGame3");
    QTest::newRow("reset") << 31 << QStringLiteral("cmdResetGame3");
}

void TimeTrialTest::practiceIsJudgedByItsSignAfterwards()
{
    QFETCH(int, ticks);
    QFETCH(QString, button);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuOptOperSub_Click");
    openGame(window);
    startTrial(window);
    runOut(window, ticks);
    testsupport::clickAfterAPause(named<QPushButton>(&window, button));
    testsupport::invokeHandler(&window, "mnuFileWork_Click");

    QVERIFY(!control(window, "imgPlus")->isHidden());
    QVERIFY(control(window, "imgMinus")->isHidden());
    const TutorState &state = window.state();
    QCOMPARE(labelText(window, "lblNum1"), tutor::plainNumberText(state.Operand1));
    QCOMPARE(labelText(window, "lblNum2"), tutor::plainNumberText(state.Operand2));
    testsupport::answerPractice(window, QString::number(int(state.Operand1 + state.Operand2)));
    QCOMPARE(state.CorrectCount, qint16(1));
    QCOMPARE(testsupport::logRow(window, 0).at(1), QStringLiteral("+"));
}

void TimeTrialTest::shortcutsDoNothingDuringATrial()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    openGame(window);
    startTrial(window);
    const qint16 first = window.state().TimeTrialFirst;
    QTest::keyClick(&window, Qt::Key_F4);
    QTest::keyClick(&window, Qt::Key_F2, Qt::ControlModifier);
    QCOMPARE(window.state().LevelCode, qint16(0));
    QCOMPARE(window.state().OperationCode, qint16(1));
    QCOMPARE(window.state().TimeTrialFirst, first);
    QVERIFY(!control(window, "fraGame3")->isHidden());
}

void TimeTrialTest::closingDuringATrialStopsTheClock()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    openGame(window);
    startTrial(window);
    tick(window);
    auto *timer = control<QTimer>(window, "Timer3");
    QVERIFY(timer->isActive());
    QVERIFY(window.close());
    QVERIFY(!timer->isActive());
    QCoreApplication::processEvents();
    QCOMPARE(labelText(window, "lblGame3TimeKeep"), QStringLiteral("29"));
}

QTEST_MAIN(TimeTrialTest)
#include "time_trial_test.moc"
