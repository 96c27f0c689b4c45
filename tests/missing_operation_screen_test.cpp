#include "app/main_window.h"
#include "tests/test_support.h"

#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTimer>
#include <QtTest>

#include <set>

using testsupport::isShown;
using testsupport::labelText;
using testsupport::named;

namespace {

const QStringList OptionButtons = { QStringLiteral("optAddGame2"), QStringLiteral("optSubGame2"),
    QStringLiteral("optMulGame2") };

QRadioButton *option(MainWindow &window, const QString &name)
{
    return named<QRadioButton>(&window, name);
}

// Where a pupil clicks a button: on its round indicator.
QPoint indicator(QRadioButton *button)
{
    return QPoint(7, button->height() / 2);
}

// A click of its own, a while after any other.
void click(MainWindow &window, const QString &name)
{
    QRadioButton *button = option(window, name);
    testsupport::clickAfterAPause(button, indicator(button));
}

int answersCounted(MainWindow &window)
{
    return window.state().MissingOperationCorrectCount
        + window.state().MissingOperationIncorrectCount;
}

// Puts a known problem in front of the pupil, as if it had been drawn, and
// blanks the labels so that a new draw shows.
void setProblem(MainWindow &window, qint16 first, qint16 second, qint16 result, qint16 drawn)
{
    testsupport::changeState(window, [&](TutorState &state) {
        state.MissingOperationFirst = first;
        state.MissingOperationSecond = second;
        state.MissingOperationResult = result;
        state.MissingOperationCode = drawn;
    });
    for (const char *label : { "lblNum1Game2", "lblNum2Game2", "lblNum3Game2" })
        named<QLabel>(&window, QString::fromLatin1(label))->setText(QStringLiteral("x"));
}

// The problem on screen is the one in the state, lies in the range and is one
// of the three operations the game asks.
void verifyShownProblem(MainWindow &window, int lowest, int highest)
{
    const TutorState &state = window.state();
    const int first = state.MissingOperationFirst;
    const int second = state.MissingOperationSecond;
    QCOMPARE(labelText(window, "lblNum1Game2"), QString::number(first));
    QCOMPARE(labelText(window, "lblNum2Game2"), QString::number(second));
    QCOMPARE(labelText(window, "lblNum3Game2"), QString::number(state.MissingOperationResult));
    QVERIFY(first >= lowest && first <= highest);
    QVERIFY(second >= lowest && second <= highest);
    switch (state.MissingOperationCode) {
    case 1:
        QCOMPARE(int(state.MissingOperationResult), first + second);
        break;
    case 2:
        QVERIFY(first >= second);
        QCOMPARE(int(state.MissingOperationResult), first - second);
        break;
    case 3:
        QCOMPARE(int(state.MissingOperationResult), first * second);
        break;
    default:
        QFAIL("not an operation the game asks");
    }
}

void verifyNoOptionSelected(MainWindow &window)
{
    for (const QString &name : OptionButtons) {
        QVERIFY2(!option(window, name)->isChecked(), qPrintable(name));
        // Still a radio group for the keys that select a button.
        QVERIFY(option(window, name)->autoExclusive());
    }
}

} // namespace

class MissingOperationScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void screenReadsAsDesigned();
    void clickedOperationIsJudgedByItsResult_data();
    void clickedOperationIsJudgedByItsResult();
    void eachClickCountsOnce();
    void aClickTooSoonAfterAnAnswerAnswersNothing_data();
    void aClickTooSoonAfterAnAnswerAnswersNothing();
    void spaceOnAFocusedButtonAnswersOnce();
    void drawsStayInTheLevelRangeAndNeverDivide_data();
    void drawsStayInTheLevelRangeAndNeverDivide();
    void openingHidesFeedbackAndShowsZero();
    void operationItemsAreOffAndALevelRedrawsAtOnce();
};

void MissingOperationScreenTest::screenReadsAsDesigned()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QCOMPARE(labelText(window, "Label24"), QStringLiteral("?"));
    QCOMPARE(labelText(window, "lblNum3Game2"), QStringLiteral("9999"));
    QCOMPARE(named<QGroupBox>(&window, QStringLiteral("Frame4"))->title(),
        QStringLiteral("Operation Used :"));
    QCOMPARE(option(window, QStringLiteral("optAddGame2"))->text(), QStringLiteral("Addition"));
    QCOMPARE(option(window, QStringLiteral("optSubGame2"))->text(), QStringLiteral("Subtraction"));
    QCOMPARE(
        option(window, QStringLiteral("optMulGame2"))->text(), QStringLiteral("Multiplication"));
    QCOMPARE(named<QGroupBox>(&window, QStringLiteral("fraInfoGame2"))->title(),
        QStringLiteral("Current Score"));
    QCOMPARE(labelText(window, "lblCorrectWordGame2"), QStringLiteral("Correct!"));
    QCOMPARE(labelText(window, "lblIncorrectWordGame2"), QStringLiteral("Try Again"));
    auto *timer2 = named<QTimer>(&window, QStringLiteral("Timer2"));
    QCOMPARE(timer2->interval(), 1450);
    QVERIFY(!timer2->isActive());
    verifyNoOptionSelected(window);

    auto *screen = named<QWidget>(&window, QStringLiteral("fraGame2"));
    const QRect panel = screen->rect();
    for (QWidget *control : screen->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(panel.contains(control->geometry()), qPrintable(control->objectName()));
    // The largest result, 10000, is shown whole.
    auto *result = named<QLabel>(&window, QStringLiteral("lblNum3Game2"));
    QVERIFY(result->fontMetrics().horizontalAdvance(QStringLiteral("10000")) < result->width());
}

void MissingOperationScreenTest::clickedOperationIsJudgedByItsResult_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<bool>("right");

    auto row = [](const char *name, int first, int second, int result, int drawn,
                   const char *clicked, bool right) {
        QTest::newRow(name) << first << second << result << drawn << QString::fromLatin1(clicked)
                            << right;
    };
    // 2 and 2 make 4 both ways, whichever was drawn.
    row("2 2 4 drawn *, +", 2, 2, 4, 3, "optAddGame2", true);
    row("2 2 4 drawn +, *", 2, 2, 4, 1, "optMulGame2", true);
    row("2 2 4 drawn +, +", 2, 2, 4, 1, "optAddGame2", true);
    row("2 2 4 drawn *, *", 2, 2, 4, 3, "optMulGame2", true);
    row("2 2 4, -", 2, 2, 4, 1, "optSubGame2", false);
    row("3 3 0, -", 3, 3, 0, 2, "optSubGame2", true);
    row("3 3 0, +", 3, 3, 0, 2, "optAddGame2", false);
    row("3 3 0, *", 3, 3, 0, 2, "optMulGame2", false);
    row("5 3 8, +", 5, 3, 8, 1, "optAddGame2", true);
    row("5 3 8, *", 5, 3, 8, 1, "optMulGame2", false);
    row("9 4 5, -", 9, 4, 5, 2, "optSubGame2", true);
    row("9 4 5, +", 9, 4, 5, 2, "optAddGame2", false);
    row("4 6 24, *", 4, 6, 24, 3, "optMulGame2", true);
    row("4 6 24, -", 4, 6, 24, 3, "optSubGame2", false);
    row("100 100 10000, *", 100, 100, 10000, 3, "optMulGame2", true);
}

void MissingOperationScreenTest::clickedOperationIsJudgedByItsResult()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, result);
    QFETCH(int, drawn);
    QFETCH(QString, clicked);
    QFETCH(bool, right);

    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuGamesMissingOper_Click");
    setProblem(window, qint16(first), qint16(second), qint16(result), qint16(drawn));
    click(window, clicked);

    const TutorState &state = window.state();
    QCOMPARE(isShown(window, "fraCorrectGame2"), right);
    QCOMPARE(isShown(window, "fraIncorrectGame2"), !right);
    QVERIFY(named<QTimer>(&window, QStringLiteral("Timer2"))->isActive());
    QCOMPARE(state.MissingOperationCorrectCount, qint16(right ? 1 : 0));
    QCOMPARE(state.MissingOperationIncorrectCount, qint16(right ? 0 : 1));
    QCOMPARE(
        labelText(window, "lblCorrectGame2"), right ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(
        labelText(window, "lblIncorrectGame2"), right ? QStringLiteral("0") : QStringLiteral("1"));
    // No second try: the buttons are cleared and a new Warm Up problem shows.
    verifyNoOptionSelected(window);
    verifyShownProblem(window, 1, 10);
}

void MissingOperationScreenTest::eachClickCountsOnce()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuGamesMissingOper_Click");
    QSignalSpy toggles(option(window, QStringLiteral("optMulGame2")), &QRadioButton::toggled);
    int clicks = 0;
    for (int round = 0; round < 3; ++round) {
        for (const QString &name : OptionButtons) {
            click(window, name);
            ++clicks;
            QCOMPARE(answersCounted(window), clicks);
            verifyNoOptionSelected(window);
        }
    }
    // Selected and cleared once a round, and judged only on the click.
    QCOMPARE(toggles.count(), 6);
}

void MissingOperationScreenTest::aClickTooSoonAfterAnAnswerAnswersNothing_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("gap"); // milliseconds between the clicks; -1: one double click
    QTest::addColumn<int>("answers");
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    const auto row
        = [](const char *name, const char *first, const char *second, int gap, int answers) {
              QTest::newRow(name) << QString::fromLatin1(first) << QString::fromLatin1(second)
                                  << gap << answers;
          };
    row("double click on addition", "optAddGame2", "optAddGame2", -1, 1);
    row("double click on subtraction", "optSubGame2", "optSubGame2", -1, 1);
    row("double click on multiplication", "optMulGame2", "optMulGame2", -1, 1);
    row("two clicks at once", "optSubGame2", "optSubGame2", 0, 1);
    row("another button at once", "optAddGame2", "optMulGame2", 0, 1);
    row("just inside the interval", "optMulGame2", "optAddGame2", interval - 1, 1);
    row("as the interval ends", "optMulGame2", "optAddGame2", interval, 2);
    row("well after", "optSubGame2", "optSubGame2", 3 * interval, 2);
}

// The second click of a double click would answer the problem the first one
// just put there, before the pupil has seen it.
void MissingOperationScreenTest::aClickTooSoonAfterAnAnswerAnswersNothing()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, gap);
    QFETCH(int, answers);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuGamesMissingOper_Click");
    QSignalSpy draws(&window.session(), &TutorSession::missingOperationProblemChanged);
    testsupport::pauseBeforeNextClick();
    QRadioButton *button = option(window, first);
    if (gap < 0) {
        QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, indicator(button));
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, indicator(button));
        QTest::mouseDClick(button, Qt::LeftButton, Qt::NoModifier, indicator(button));
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, indicator(button));
    } else {
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, indicator(button));
        testsupport::letTimePass(gap);
        QTest::mouseClick(option(window, second), Qt::LeftButton, Qt::NoModifier,
            indicator(option(window, second)));
    }
    QCOMPARE(answersCounted(window), answers);
    QCOMPARE(labelText(window, "lblCorrectGame2").toInt()
            + labelText(window, "lblIncorrectGame2").toInt(),
        answers);
    // One new problem for each answer, and no choice left on the unanswered one.
    QCOMPARE(int(draws.count()), answers);
    verifyNoOptionSelected(window);
    // The click after a pause answers again.
    click(window, second);
    QCOMPARE(answersCounted(window), answers + 1);
}

void MissingOperationScreenTest::spaceOnAFocusedButtonAnswersOnce()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    testsupport::invokeHandler(&window, "mnuGamesMissingOper_Click");
    setProblem(window, 9, 4, 5, 2);
    QRadioButton *subtraction = option(window, QStringLiteral("optSubGame2"));
    subtraction->setFocus();
    QTest::keyClick(subtraction, Qt::Key_Space);
    QCOMPARE(window.state().MissingOperationCorrectCount, qint16(1));
    QCOMPARE(answersCounted(window), 1);
    verifyNoOptionSelected(window);
    // With nothing selected an arrow key only moves the focus.
    QTest::keyClick(subtraction, Qt::Key_Down);
    QCOMPARE(answersCounted(window), 1);
    verifyNoOptionSelected(window);
}

void MissingOperationScreenTest::drawsStayInTheLevelRangeAndNeverDivide_data()
{
    QTest::addColumn<QByteArray>("level");
    QTest::addColumn<QByteArray>("operation");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::newRow("warm up") << QByteArray("mnuOptDiffLev0_Click")
                             << QByteArray("mnuOptOperAdd_Click") << 1 << 10;
    QTest::newRow("expert") << QByteArray("mnuOptDiffLev4_Click")
                            << QByteArray("mnuOptOperAdd_Click") << 10 << 100;
    QTest::newRow("warm up division")
        << QByteArray("mnuOptDiffLev0_Click") << QByteArray("mnuOptOperDiv_Click") << 1 << 10;
    QTest::newRow("beginner multiplication")
        << QByteArray("mnuOptDiffLev1_Click") << QByteArray("mnuOptOperMult_Click") << 1 << 25;
}

void MissingOperationScreenTest::drawsStayInTheLevelRangeAndNeverDivide()
{
    QFETCH(QByteArray, level);
    QFETCH(QByteArray, operation);
    QFETCH(int, lowest);
    QFETCH(int, highest);

    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, level.constData());
    testsupport::invokeHandler(&window, operation.constData());
    testsupport::invokeHandler(&window, "mnuGamesMissingOper_Click");
    std::set<int> operations;
    int largestResult = 0;
    for (int i = 0; i < 500; ++i) {
        QVERIFY(testsupport::invokeHandler(&window, "NewMissingOperationProblem"));
        verifyShownProblem(window, lowest, highest);
        operations.insert(window.state().MissingOperationCode);
        largestResult = std::max<int>(largestResult, window.state().MissingOperationResult);
    }
    QCOMPARE(operations, (std::set<int> { 1, 2, 3 }));
    QVERIFY(largestResult <= highest * highest);
    QVERIFY(largestResult > highest * highest / 4);
}

void MissingOperationScreenTest::openingHidesFeedbackAndShowsZero()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    for (int opening = 0; opening < 2; ++opening) {
        testsupport::invokeHandler(&window, "mnuGamesMissingOper_Click");
        QVERIFY(!isShown(window, "fraCorrectGame2"));
        QVERIFY(!isShown(window, "fraIncorrectGame2"));
        QCOMPARE(labelText(window, "lblCorrectGame2"), QStringLiteral("0"));
        QCOMPARE(labelText(window, "lblIncorrectGame2"), QStringLiteral("0"));
        QCOMPARE(answersCounted(window), 0);
        verifyShownProblem(window, 1, 10);
        QCOMPARE(window.focusWidget(), named<QWidget>(&window, QStringLiteral("optAddGame2")));
        click(window, QStringLiteral("optAddGame2"));
        click(window, QStringLiteral("optSubGame2"));
        QCOMPARE(answersCounted(window), 2);
        // Leaving while a verdict shows: the next opening hides it.
        testsupport::invokeHandler(&window, "mnuFileWork_Click");
    }
}

void MissingOperationScreenTest::operationItemsAreOffAndALevelRedrawsAtOnce()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuGamesMissingOper_Click");
    for (const char *item :
        { "mnuOptOperAdd", "mnuOptOperSub", "mnuOptOperMult", "mnuOptOperDiv" }) {
        QVERIFY2(!named<QAction>(&window, QString::fromLatin1(item))->isEnabled(), item);
        QVERIFY2(!named<QAction>(&window, QString::fromLatin1(item))->isChecked(), item);
    }
    // The operation in force does not change.
    QCOMPARE(window.state().OperationCode, qint16(1));
    setProblem(window, 1, 1, 2, 1);
    named<QAction>(&window, QStringLiteral("mnuOptDiffLev4"))->trigger();
    verifyShownProblem(window, 10, 100);
}

QTEST_MAIN(MissingOperationScreenTest)
#include "missing_operation_screen_test.moc"
