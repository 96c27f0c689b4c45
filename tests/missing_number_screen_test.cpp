#include "app/main_window.h"
#include "tests/test_support.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

using testsupport::isShown;
using testsupport::labelText;
using testsupport::named;

namespace {

QLineEdit *answerBox(MainWindow &window)
{
    return named<QLineEdit>(&window, QStringLiteral("txtAnswerGame1"));
}

// Puts a known problem in front of the pupil, as if it had been drawn, and
// blanks the labels so that a new draw shows.
void setProblem(MainWindow &window, qint16 operation, qint16 top, qint16 bottom)
{
    testsupport::changeState(window, [&](TutorState &state) {
        state.OperationCode = operation;
        state.MissingNumberTop = top;
        state.MissingNumberBottom = bottom;
    });
    named<QLabel>(&window, QStringLiteral("lblNum1Game1"))->setText(QStringLiteral("x"));
    named<QLabel>(&window, QStringLiteral("lblNum2Game1"))->setText(QStringLiteral("x"));
}

void answer(MainWindow &window, const QString &typed, Qt::Key enter = Qt::Key_Return)
{
    QTest::keyClicks(answerBox(window), typed);
    QTest::keyClick(
        answerBox(window), enter, enter == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
}

// The problem on screen is the one in the state, and it lies in the range.
void verifyShownProblem(MainWindow &window, int lowest, int highest)
{
    const TutorState &state = window.state();
    QCOMPARE(labelText(window, "lblNum1Game1"), QString::number(state.MissingNumberTop));
    QCOMPARE(labelText(window, "lblNum2Game1"), QString::number(state.MissingNumberBottom));
    QVERIFY(state.MissingNumberTop >= lowest && state.MissingNumberTop <= highest);
    QVERIFY(state.MissingNumberBottom >= lowest && state.MissingNumberBottom <= highest);
    if (state.OperationCode == 1)
        QVERIFY(state.MissingNumberTop <= state.MissingNumberBottom);
    else
        QVERIFY(state.MissingNumberTop >= state.MissingNumberBottom);
}

} // namespace

class MissingNumberScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void screenReadsAsDesigned();
    void answerIsJudgedCountedAndReplaced_data();
    void answerIsJudgedCountedAndReplaced();
    void otherKeysAreTypedUnchanged();
    void drawsStayInTheLevelRange_data();
    void drawsStayInTheLevelRange();
    void openingFromMultiplicationOrDivisionSwitchesToSubtraction_data();
    void openingFromMultiplicationOrDivisionSwitchesToSubtraction();
    void everyOpeningShowsZeroAndFocusesTheBox();
    void startUpShowsNoFeedbackUntilAnAnswer();
};

void MissingNumberScreenTest::screenReadsAsDesigned()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QCOMPARE(labelText(window, "Label32"), QStringLiteral("?"));
    QCOMPARE(named<QGroupBox>(&window, QStringLiteral("Frame7"))->title(),
        QStringLiteral("The Missing Number Is :"));
    QCOMPARE(named<QGroupBox>(&window, QStringLiteral("fraInfoGame1"))->title(),
        QStringLiteral("Current Score"));
    QCOMPARE(labelText(window, "lblCorrectWordGame1"), QStringLiteral("Correct!"));
    QCOMPARE(labelText(window, "lblIncorrectWordGame1"), QStringLiteral("Try Again"));
    QCOMPARE(answerBox(window)->maxLength(), 4);
    QCOMPARE(named<QTimer>(&window, QStringLiteral("Timer4"))->interval(), 1450);

    // Everything lies inside the left panel, clear of the right one.
    auto *screen = named<QWidget>(&window, QStringLiteral("fraGame1"));
    const QRect panel = screen->rect();
    for (QWidget *control : screen->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(panel.contains(control->geometry()), qPrintable(control->objectName()));
    // The two feedback frames share one place.
    QCOMPARE(named<QWidget>(&window, QStringLiteral("fraCorrectGame1"))->geometry(),
        named<QWidget>(&window, QStringLiteral("fraIncorrectGame1"))->geometry());
}

void MissingNumberScreenTest::answerIsJudgedCountedAndReplaced_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("enter");
    QTest::addColumn<bool>("right");

    auto row = [](const char *name, int operation, int top, int bottom, const char *typed,
                   bool right, Qt::Key enter = Qt::Key_Return) {
        QTest::newRow(name) << operation << top << bottom << QString::fromLatin1(typed)
                            << int(enter) << right;
    };
    row("3 + ? = 7 answered 4", 1, 3, 7, "4", true);
    row("7 - ? = 3 answered 4", 2, 7, 3, "4", true);
    row("3 + ? = 7 answered 10", 1, 3, 7, "10", false);
    row("04", 1, 3, 7, "04", true);
    row("4.0", 2, 7, 3, "4.0", true);
    row("4.5", 1, 3, 7, "4.5", false);
    row("four", 1, 3, 7, "four", false);
    row("empty box", 2, 7, 3, "", false);
    row("empty box for 0", 1, 6, 6, "", false);
    row("letter for 0", 2, 6, 6, "x", false);
    row("sign alone for 0", 2, 6, 6, "-", false);
    row("blanks for 0", 1, 6, 6, "  ", false);
    row("0 for 0", 1, 6, 6, "0", true);
    row("12abc", 1, 20, 32, "12ab", true);
    row("widest expert", 2, 100, 10, "90", true);
    row("keypad enter", 1, 3, 7, "4", true, Qt::Key_Enter);
}

void MissingNumberScreenTest::answerIsJudgedCountedAndReplaced()
{
    QFETCH(int, operation);
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(QString, typed);
    QFETCH(int, enter);
    QFETCH(bool, right);

    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuGamesMissingNum_Click");
    setProblem(window, qint16(operation), qint16(top), qint16(bottom));
    answer(window, typed, Qt::Key(enter));

    const TutorState &state = window.state();
    QCOMPARE(state.MissingNumberAnswer, qint16(std::abs(top - bottom)));
    QCOMPARE(isShown(window, "fraCorrectGame1"), right);
    QCOMPARE(isShown(window, "fraIncorrectGame1"), !right);
    QVERIFY(named<QTimer>(&window, QStringLiteral("Timer4"))->isActive());
    QCOMPARE(state.MissingNumberCorrectCount, qint16(right ? 1 : 0));
    QCOMPARE(state.MissingNumberIncorrectCount, qint16(right ? 0 : 1));
    QCOMPARE(
        labelText(window, "lblCorrectGame1"), right ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(
        labelText(window, "lblIncorrectGame1"), right ? QStringLiteral("0") : QStringLiteral("1"));
    // No second try: the box is empty and a new Warm Up problem is shown.
    QVERIFY(answerBox(window)->text().isEmpty());
    verifyShownProblem(window, 1, 10);
    // The practice score is not the game's.
    QCOMPARE(state.CorrectCount + state.IncorrectCount, 0);
}

void MissingNumberScreenTest::otherKeysAreTypedUnchanged()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuGamesMissingNum_Click");
    QTest::keyClicks(answerBox(window), QStringLiteral("-a.5x"));
    QCOMPARE(answerBox(window)->text(), QStringLiteral("-a.5"));
    QCOMPARE(
        window.state().MissingNumberCorrectCount + window.state().MissingNumberIncorrectCount, 0);
    QVERIFY(!isShown(window, "fraCorrectGame1") && !isShown(window, "fraIncorrectGame1"));
}

void MissingNumberScreenTest::drawsStayInTheLevelRange_data()
{
    QTest::addColumn<QByteArray>("level");
    QTest::addColumn<QByteArray>("operation");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::newRow("warm up addition")
        << QByteArray("mnuOptDiffLev0_Click") << QByteArray("mnuOptOperAdd_Click") << 1 << 10;
    QTest::newRow("warm up subtraction")
        << QByteArray("mnuOptDiffLev0_Click") << QByteArray("mnuOptOperSub_Click") << 1 << 10;
    QTest::newRow("expert addition")
        << QByteArray("mnuOptDiffLev4_Click") << QByteArray("mnuOptOperAdd_Click") << 10 << 100;
    QTest::newRow("expert subtraction")
        << QByteArray("mnuOptDiffLev4_Click") << QByteArray("mnuOptOperSub_Click") << 10 << 100;
}

void MissingNumberScreenTest::drawsStayInTheLevelRange()
{
    QFETCH(QByteArray, level);
    QFETCH(QByteArray, operation);
    QFETCH(int, lowest);
    QFETCH(int, highest);

    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, level.constData());
    testsupport::invokeHandler(&window, "mnuGamesMissingNum_Click");
    testsupport::invokeHandler(&window, operation.constData());
    int smallest = highest;
    int largest = lowest;
    for (int i = 0; i < 500; ++i) {
        QVERIFY(testsupport::invokeHandler(&window, "NewMissingNumberProblem"));
        verifyShownProblem(window, lowest, highest);
        const TutorState &state = window.state();
        smallest
            = std::min<int>(smallest, std::min(state.MissingNumberTop, state.MissingNumberBottom));
        largest
            = std::max<int>(largest, std::max(state.MissingNumberTop, state.MissingNumberBottom));
    }
    // Spread over the range, not stuck on one number.
    QVERIFY(smallest < lowest + (highest - lowest) / 4);
    QVERIFY(largest > highest - (highest - lowest) / 4);
}

void MissingNumberScreenTest::openingFromMultiplicationOrDivisionSwitchesToSubtraction_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("checked");
    QTest::newRow("multiplication")
        << QByteArray("mnuOptOperMult_Click") << 2 << QStringLiteral("mnuOptOperSub");
    QTest::newRow("division") << QByteArray("mnuOptOperDiv_Click") << 2
                              << QStringLiteral("mnuOptOperSub");
    QTest::newRow("addition stays")
        << QByteArray("mnuOptOperAdd_Click") << 1 << QStringLiteral("mnuOptOperAdd");
    QTest::newRow("subtraction stays")
        << QByteArray("mnuOptOperSub_Click") << 2 << QStringLiteral("mnuOptOperSub");
}

void MissingNumberScreenTest::openingFromMultiplicationOrDivisionSwitchesToSubtraction()
{
    QFETCH(QByteArray, before);
    QFETCH(int, operation);
    QFETCH(QString, checked);

    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuOptOperAdd_Click");
    testsupport::invokeHandler(&window, before.constData());
    testsupport::invokeHandler(&window, "mnuGamesMissingNum_Click");

    QCOMPARE(window.state().OperationCode, qint16(operation));
    const bool minus = operation == 2;
    QCOMPARE(isShown(window, "imgMinusGame1"), minus);
    QCOMPARE(isShown(window, "imgPlusGame1"), !minus);
    // The whole program follows, the practice screen's sign too.
    QCOMPARE(isShown(window, "imgMinus"), minus);
    for (const char *item : { "mnuOptOperAdd", "mnuOptOperSub", "mnuOptOperMult", "mnuOptOperDiv" })
        QCOMPARE(named<QAction>(&window, QString::fromLatin1(item))->isChecked(),
            checked == QLatin1String(item));
    verifyShownProblem(window, 1, 10);
}

void MissingNumberScreenTest::everyOpeningShowsZeroAndFocusesTheBox()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (int opening = 0; opening < 2; ++opening) {
        testsupport::invokeHandler(&window, "mnuGamesMissingNum_Click");
        QCOMPARE(labelText(window, "lblCorrectGame1"), QStringLiteral("0"));
        QCOMPARE(labelText(window, "lblIncorrectGame1"), QStringLiteral("0"));
        QVERIFY(answerBox(window)->hasFocus());
        answer(window, QStringLiteral("1"));
        answer(window, QStringLiteral("2"));
        QCOMPARE(
            window.state().MissingNumberCorrectCount + window.state().MissingNumberIncorrectCount,
            2);
        // Leaving and coming back keeps what was typed.
        QTest::keyClicks(answerBox(window), QStringLiteral("7"));
        testsupport::invokeHandler(&window, "mnuFileWork_Click");
    }
    testsupport::invokeHandler(&window, "mnuGamesMissingNum_Click");
    QCOMPARE(window.state().MissingNumberCorrectCount, qint16(0));
    QCOMPARE(window.state().MissingNumberIncorrectCount, qint16(0));
    QCOMPARE(answerBox(window)->text(), QStringLiteral("7"));
}

void MissingNumberScreenTest::startUpShowsNoFeedbackUntilAnAnswer()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    auto *timer4 = named<QTimer>(&window, QStringLiteral("Timer4"));
    // Timer4 still runs its first tick, with nothing left to hide.
    QVERIFY(timer4->isActive());
    testsupport::invokeHandler(&window, "mnuGamesMissingNum_Click");
    QVERIFY(!isShown(window, "fraCorrectGame1"));
    QVERIFY(!isShown(window, "fraIncorrectGame1"));
    QVERIFY(testsupport::invokeHandler(&window, "Timer4_Timer"));
    QVERIFY(!timer4->isActive());
}

QTEST_MAIN(MissingNumberScreenTest)
#include "missing_number_screen_test.moc"
