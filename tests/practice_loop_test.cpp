#include "app/main_window.h"
#include "rules/number_text.h"
#include "tests/test_support.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

using testsupport::labelText;
using testsupport::named;

namespace {

QWidget *frame(MainWindow &window, const char *name)
{
    return named<QWidget>(&window, QString::fromLatin1(name));
}

} // namespace

class PracticeLoopTest : public QObject
{
    Q_OBJECT

private slots:
    void answerIsJudgedCountedAndLogged_data();
    void answerIsJudgedCountedAndLogged();
    void keypadEnterChecksToo();
    void otherKeysAreTypedUnchanged();
    void nextProblemFollowsAtOnce();
    void feedbackShowsTwoSecondsThenGoes();
    void secondVerdictReplacesFirstAndGetsFullTime();
    void countersStopAtTheirLargestValue();
    void focusPutsCaretAtStart_data();
    void focusPutsCaretAtStart();
    void scoreLabelsFollowEvenWhenCardHidden();

    void reportPanelLabelsReadAsDesigned();
    void showReportShowsEveryRowWithEmptyName();
    void clearReportEmptiesLogButKeepsScore();
    void anyCharacterKeyOffersPrint_data();
    void anyCharacterKeyOffersPrint();
    void hiddenPanelStillLogs();
    void fullLogStillJudgesAndSaysSo();
    void columnsScrollAndSelectTogether();
    void newestAnswerComesIntoSightUnlessReadingOlderRows_data();
    void newestAnswerComesIntoSightUnlessReadingOlderRows();
    void rowsStandLevelAndWholeAcrossColumns();
    void coveredPanelTakesNoFocusOrKeys();
};

void PracticeLoopTest::answerIsJudgedCountedAndLogged_data()
{
    QTest::addColumn<float>("first");
    QTest::addColumn<float>("second");
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QStringList>("logged");

    auto row = [](const char *name, float first, float second, int operation, const char *typed,
                   bool right, QStringList logged) {
        QTest::newRow(name) << first << second << operation << QString::fromLatin1(typed) << right
                            << logged;
    };
    // Empty and non-numbers.
    row("empty box is wrong", 3, 4, 1, "", false, { "3", "+", "4", "", "7", "Wrong" });
    // A text without a digit answers nothing, even where the result is 0.
    row("letter is wrong for 5-5", 5, 5, 2, "x", false, { "5", "-", "5", "x", "0", "Wrong" });
    row("letter is wrong for 2/9", 2, 9, 4, "x", false, { "2", "/", "9", "x", "0", "Wrong" });
    row("sign alone is wrong for 5-5", 5, 5, 2, "-", false, { "5", "-", "5", "-", "0", "Wrong" });
    row("point alone is wrong for 5-5", 5, 5, 2, ".", false, { "5", "-", "5", ".", "0", "Wrong" });
    row("hex prefix is wrong for 5-5", 5, 5, 2, "&H", false, { "5", "-", "5", "&H", "0", "Wrong" });
    row("blanks are wrong for 5-5", 5, 5, 2, "  ", false, { "5", "-", "5", "  ", "0", "Wrong" });
    row("0 is right for 5-5", 5, 5, 2, "0", true, { "5", "-", "5", "0", "0", "Right" });
    row("letters are wrong for 3+4", 3, 4, 1, "abc", false, { "3", "+", "4", "abc", "7", "Wrong" });
    // Division rounds halves to the even neighbour.
    row("5/2 answered 2", 5, 2, 4, "2", true, { "5", "/", "2", "2", "2", "Right" });
    row("5/2 answered 2.5", 5, 2, 4, "2.5", true, { "5", "/", "2", "2.5", "2", "Right" });
    row("5/2 answered 3", 5, 2, 4, "3", false, { "5", "/", "2", "3", "2", "Wrong" });
    row("5/2 answered 2.6", 5, 2, 4, "2.6", false, { "5", "/", "2", "2.6", "2", "Wrong" });
    row("7/2 answered 4", 7, 2, 4, "4", true, { "7", "/", "2", "4", "4", "Right" });
    row("7/2 answered 3", 7, 2, 4, "3", false, { "7", "/", "2", "3", "4", "Wrong" });
    row("7/3 logged rounded", 7, 3, 4, "2", true, { "7", "/", "3", "2", "2", "Right" });
    row("3/8 expects 0", 3, 8, 4, "0", true, { "3", "/", "8", "0", "0", "Right" });
    // Reading stops at the first misfit; blanks are skipped.
    row("12a reads 12", 7, 5, 1, "12a", true, { "7", "+", "5", "12a", "12", "Right" });
    row("inner blank skipped", 7, 5, 1, " 1 2", true, { "7", "+", "5", " 1 2", "12", "Right" });
    row("subtraction", 9, 3, 2, "6", true, { "9", "-", "3", "6", "6", "Right" });
    row("multiplication", 6, 7, 3, "42", true, { "6", "*", "7", "42", "42", "Right" });
    // Four characters at most: 10000 only fits as 1e4.
    row("1e4 is 10000", 100, 100, 3, "1e4", true, { "100", "*", "100", "1e4", "10000", "Right" });
    row("10000 cut to 1000", 100, 100, 3, "10000", false,
        { "100", "*", "100", "1000", "10000", "Wrong" });
    row("hexadecimal", 200, 55, 1, "&HFF", true, { "200", "+", "55", "&HFF", "255", "Right" });
    // Beyond 16 bits: judged wrong, never wrapped.
    row("1e9 is wrong", 3, 4, 1, "1e9", false, { "3", "+", "4", "1e9", "7", "Wrong" });
    row("-1e9 is wrong", 3, 4, 1, "-1e9", false, { "3", "+", "4", "-1e9", "7", "Wrong" });
    row("1e5 is not -31072", 3, 4, 1, "1e5", false, { "3", "+", "4", "1e5", "7", "Wrong" });
}

void PracticeLoopTest::answerIsJudgedCountedAndLogged()
{
    QFETCH(float, first);
    QFETCH(float, second);
    QFETCH(int, operation);
    QFETCH(QString, typed);
    QFETCH(bool, right);
    QFETCH(QStringList, logged);

    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::setPracticeProblem(window, first, second, qint16(operation));
    testsupport::answerPractice(window, typed);

    QCOMPARE(frame(window, "fraCorrect")->isHidden(), !right);
    QCOMPARE(frame(window, "fraIncorrect")->isHidden(), right);
    QVERIFY(named<QTimer>(&window, QStringLiteral("Timer1"))->isActive());
    QCOMPARE(window.state().LastVerdict, right ? QStringLiteral("Right") : QStringLiteral("Wrong"));
    QCOMPARE(window.state().CorrectCount, qint16(right ? 1 : 0));
    QCOMPARE(window.state().IncorrectCount, qint16(right ? 0 : 1));
    QCOMPARE(labelText(window, "lblCorrect"), right ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(labelText(window, "lblIncorrect"), right ? QStringLiteral("0") : QStringLiteral("1"));
    QCOMPARE(testsupport::logRowCount(window), 1);
    QCOMPARE(testsupport::logRow(window, 0), logged);
    QCOMPARE(window.state().LoggedCorrectAnswer, qint16(logged.at(4).toInt()));
    QVERIFY(named<QLineEdit>(&window, QStringLiteral("txtAnswer"))->text().isEmpty());
}

void PracticeLoopTest::keypadEnterChecksToo()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::setPracticeProblem(window, 2, 2, 1);
    auto *box = named<QLineEdit>(&window, QStringLiteral("txtAnswer"));
    QTest::keyClicks(box, QStringLiteral("4"));
    QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(window.state().CorrectCount, qint16(1));
}

void PracticeLoopTest::otherKeysAreTypedUnchanged()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    auto *box = named<QLineEdit>(&window, QStringLiteral("txtAnswer"));
    QTest::keyClicks(box, QStringLiteral("-a.5x"));
    QCOMPARE(box->text(), QStringLiteral("-a.5"));
    QCOMPARE(testsupport::logRowCount(window), 0);
}

void PracticeLoopTest::nextProblemFollowsAtOnce()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::setPracticeProblem(window, 0, 0, 1);
    testsupport::answerPractice(window, QStringLiteral("5"));
    const TutorState &state = window.state();
    QVERIFY(state.Operand1 >= 1 && state.Operand1 <= 10);
    QVERIFY(state.Operand2 >= 1 && state.Operand2 <= 10);
    QCOMPARE(labelText(window, "lblNum1"), tutor::plainNumberText(state.Operand1));
    QCOMPARE(labelText(window, "lblNum2"), tutor::plainNumberText(state.Operand2));
    // The pupil types straight on.
    QVERIFY(named<QLineEdit>(&window, QStringLiteral("txtAnswer"))->text().isEmpty());
}

void PracticeLoopTest::feedbackShowsTwoSecondsThenGoes()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::setPracticeProblem(window, 1, 1, 1);
    testsupport::answerPractice(window, QStringLiteral("2"));
    auto *timer = named<QTimer>(&window, QStringLiteral("Timer1"));
    QCOMPARE(timer->interval(), 2000);
    QVERIFY(!frame(window, "fraCorrect")->isHidden());
    QVERIFY(testsupport::invokeHandler(&window, "Timer1_Timer"));
    QVERIFY(frame(window, "fraCorrect")->isHidden());
    QVERIFY(frame(window, "fraIncorrect")->isHidden());
    QVERIFY(!timer->isActive());
}

void PracticeLoopTest::secondVerdictReplacesFirstAndGetsFullTime()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    auto *timer = named<QTimer>(&window, QStringLiteral("Timer1"));
    testsupport::setPracticeProblem(window, 1, 1, 1);
    testsupport::answerPractice(window, QStringLiteral("2"));
    QTest::qWait(500);
    testsupport::setPracticeProblem(window, 1, 1, 1);
    testsupport::answerPractice(window, QStringLiteral("3"));
    QVERIFY(frame(window, "fraCorrect")->isHidden());
    QVERIFY(!frame(window, "fraIncorrect")->isHidden());
    // Without the restart at most 1500 ms would be left (coarse timers may
    // report up to 5% less than the full two seconds).
    QVERIFY2(timer->remainingTime() > 1700, qPrintable(QString::number(timer->remainingTime())));
}

void PracticeLoopTest::countersStopAtTheirLargestValue()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::changeState(window, [&](TutorState &state) {
        state.CorrectCount = 32767;
        state.IncorrectCount = 32767;
    });
    testsupport::setPracticeProblem(window, 1, 1, 1);
    testsupport::answerPractice(window, QStringLiteral("2"));
    testsupport::setPracticeProblem(window, 1, 1, 1);
    testsupport::answerPractice(window, QStringLiteral("3"));
    QCOMPARE(window.state().CorrectCount, qint16(32767));
    QCOMPARE(window.state().IncorrectCount, qint16(32767));
    QCOMPARE(labelText(window, "lblCorrect"), QStringLiteral("32767"));
    QCOMPARE(labelText(window, "lblIncorrect"), QStringLiteral("32767"));
    QCOMPARE(testsupport::logRowCount(window), 2);
}

void PracticeLoopTest::focusPutsCaretAtStart_data()
{
    QTest::addColumn<int>("key"); // 0: a mouse click
    QTest::newRow("mouse click") << 0;
    QTest::newRow("tab") << int(Qt::Key_Tab);
    QTest::newRow("shift tab") << int(Qt::Key_Backtab);
}

void PracticeLoopTest::focusPutsCaretAtStart()
{
    QFETCH(int, key);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *box = named<QLineEdit>(&window, QStringLiteral("txtAnswer"));
    box->setText(QStringLiteral("12"));
    box->setCursorPosition(2);
    if (key == 0) {
        testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
        named<QLineEdit>(&window, QStringLiteral("txtNameReport"))->setFocus();
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));
    } else {
        // Round the tab chain from the page beside it, as a pupil would, until
        // the answer box is reached; Tab keeps to the report panel while it shows.
        named<QWidget>(&window, QStringLiteral("wbrMyBrowser"))->setFocus();
        for (int presses = 0; presses < 60 && !box->hasFocus(); ++presses)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    }
    QVERIFY(box->hasFocus());
    QCOMPARE(box->cursorPosition(), 0);
    QVERIFY(!box->hasSelectedText());
}

void PracticeLoopTest::scoreLabelsFollowEvenWhenCardHidden()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuOptScoreHide_Click");
    testsupport::setPracticeProblem(window, 1, 1, 1);
    testsupport::answerPractice(window, QStringLiteral("2"));
    QVERIFY(frame(window, "fraInfo")->isHidden());
    QCOMPARE(labelText(window, "lblCorrect"), QStringLiteral("1"));
}

void PracticeLoopTest::reportPanelLabelsReadAsDesigned()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QCOMPARE(labelText(window, "Label39"), QStringLiteral("Number1"));
    QCOMPARE(labelText(window, "Label41"), QStringLiteral("Number 2"));
    QCOMPARE(labelText(window, "Label42"), QStringLiteral("  Your Answer"));
    QCOMPARE(labelText(window, "Label43"), QStringLiteral("Correct Answer"));
    QCOMPARE(labelText(window, "Label44"), QStringLiteral("Last Problem"));
    QCOMPARE(labelText(window, "Label11"), QStringLiteral("Enter Your Name:"));
    QCOMPARE(named<QPushButton>(&window, QStringLiteral("cmdClearReport"))->text(),
        QStringLiteral("Clear Report"));
    QCOMPARE(named<QPushButton>(&window, QStringLiteral("cmdPrintReport"))->text(),
        QStringLiteral("Print Html"));
    QCOMPARE(labelText(window, "Label2"), QStringLiteral("Correct!"));
    QCOMPARE(labelText(window, "Label5"), QStringLiteral("Try Again"));
    QCOMPARE(labelText(window, "Label3"), QStringLiteral("Correct:"));
    QCOMPARE(labelText(window, "Label4"), QStringLiteral("Incorrect:"));
}

void PracticeLoopTest::showReportShowsEveryRowWithEmptyName()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    for (int i = 0; i < 3; ++i)
        testsupport::answerPractice(window, QStringLiteral("1"));
    named<QLineEdit>(&window, QStringLiteral("txtNameReport"))->setText(QStringLiteral("Ann"));
    testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
    QVERIFY(frame(window, "fraLog")->isVisible());
    QCOMPARE(testsupport::logRowCount(window), 3);
    QVERIFY(named<QLineEdit>(&window, QStringLiteral("txtNameReport"))->text().isEmpty());
    QVERIFY(!named<QPushButton>(&window, QStringLiteral("cmdPrintReport"))->isEnabled());
}

void PracticeLoopTest::clearReportEmptiesLogButKeepsScore()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::setPracticeProblem(window, 1, 1, 1);
    testsupport::answerPractice(window, QStringLiteral("2"));
    testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
    auto *name = named<QLineEdit>(&window, QStringLiteral("txtNameReport"));
    QTest::keyClicks(name, QStringLiteral("Ann"));
    auto *print = named<QPushButton>(&window, QStringLiteral("cmdPrintReport"));
    QVERIFY(print->isEnabled());

    QTest::mouseClick(
        named<QPushButton>(&window, QStringLiteral("cmdClearReport")), Qt::LeftButton);
    for (const char *column :
        { "lstLogNum1", "lstLogOper", "lstLogNum2", "lstLogYourAn", "lstLogCorrAn", "lstLogRW" })
        QCOMPARE(
            testsupport::listRowCount(named<QListView>(&window, QString::fromLatin1(column))), 0);
    QVERIFY(frame(window, "fraLog")->isVisible());
    QVERIFY(name->text().isEmpty());
    QVERIFY(!print->isEnabled());
    QCOMPARE(labelText(window, "lblCorrect"), QStringLiteral("1"));
    QCOMPARE(window.state().CorrectCount, qint16(1));
}

void PracticeLoopTest::anyCharacterKeyOffersPrint_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("offers");
    QTest::newRow("letter") << int(Qt::Key_A) << true;
    QTest::newRow("digit") << int(Qt::Key_5) << true;
    QTest::newRow("space") << int(Qt::Key_Space) << true;
    QTest::newRow("backspace on empty box") << int(Qt::Key_Backspace) << true;
    QTest::newRow("arrow") << int(Qt::Key_Left) << false;
    QTest::newRow("shift alone") << int(Qt::Key_Shift) << false;
}

void PracticeLoopTest::anyCharacterKeyOffersPrint()
{
    QFETCH(int, key);
    QFETCH(bool, offers);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
    auto *name = named<QLineEdit>(&window, QStringLiteral("txtNameReport"));
    QTest::keyClick(name, Qt::Key(key));
    QCOMPARE(named<QPushButton>(&window, QStringLiteral("cmdPrintReport"))->isEnabled(), offers);
}

void PracticeLoopTest::hiddenPanelStillLogs()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
    testsupport::invokeHandler(&window, "mnuOptHideReport_Click");
    testsupport::answerPractice(window, QStringLiteral("3"));
    testsupport::answerPractice(window, QStringLiteral("4"));
    QVERIFY(frame(window, "fraLog")->isHidden());
    testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
    QCOMPARE(testsupport::logRowCount(window), 2);
    QCOMPARE(testsupport::logRow(window, 1).at(3), QStringLiteral("4"));

    // Typing into the name box and pasting without keys.
    auto *name = named<QLineEdit>(&window, QStringLiteral("txtNameReport"));
    name->insert(QStringLiteral("Ann"));
    QVERIFY(!named<QPushButton>(&window, QStringLiteral("cmdPrintReport"))->isEnabled());
}

void PracticeLoopTest::fullLogStillJudgesAndSaysSo()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
    const QStringList columns = { QStringLiteral("lstLogNum1"), QStringLiteral("lstLogOper"),
        QStringLiteral("lstLogNum2"), QStringLiteral("lstLogYourAn"),
        QStringLiteral("lstLogCorrAn"), QStringLiteral("lstLogRW") };
    testsupport::fillLog(window, 32766);
    auto *full = named<QLabel>(&window, QStringLiteral("lblLogFull"));
    QVERIFY(full->isHidden());

    testsupport::setPracticeProblem(window, 2, 3, 1);
    testsupport::answerPractice(window, QStringLiteral("5")); // the last row that fits
    QCOMPARE(testsupport::logRowCount(window), 32767);
    QVERIFY(!full->isHidden());

    testsupport::setPracticeProblem(window, 2, 3, 1);
    testsupport::answerPractice(window, QStringLiteral("6"));
    QCOMPARE(testsupport::logRowCount(window), 32767);
    for (const QString &column : columns)
        QCOMPARE(testsupport::listRowCount(named<QListView>(&window, column)), 32767);
    QCOMPARE(window.state().CorrectCount, qint16(1));
    QCOMPARE(window.state().IncorrectCount, qint16(1));
    QVERIFY(named<QLineEdit>(&window, QStringLiteral("txtAnswer"))->text().isEmpty());
    QVERIFY(full->text().contains(QStringLiteral("Clear Report")));

    testsupport::invokeHandler(&window, "cmdClearReport_Click");
    QVERIFY(full->isHidden());
    testsupport::answerPractice(window, QStringLiteral("1"));
    QCOMPARE(testsupport::logRowCount(window), 1);
}

void PracticeLoopTest::columnsScrollAndSelectTogether()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
    for (int i = 0; i < 60; ++i)
        testsupport::answerPractice(window, QString::number(i));
    QCoreApplication::processEvents();

    QList<QListView *> columns;
    for (const char *column :
        { "lstLogNum1", "lstLogOper", "lstLogNum2", "lstLogYourAn", "lstLogCorrAn", "lstLogRW" })
        columns << named<QListView>(&window, QString::fromLatin1(column));
    auto *bar = named<QScrollBar>(&window, QStringLiteral("scrLog"));
    QVERIFY(bar && bar->isVisible());
    QVERIFY(bar->maximum() > 0);
    for (QListView *column : columns)
        QCOMPARE(column->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    // The wheel over one column moves all six.
    bar->setValue(0);
    QWidget *viewport = columns.at(3)->viewport();
    QWheelEvent wheel(QPointF(5, 5), viewport->mapToGlobal(QPointF(5, 5)), QPoint(),
        QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(viewport, &wheel);
    const int scrolled = columns.at(3)->verticalScrollBar()->value();
    QVERIFY(scrolled > 0);
    for (QListView *column : columns)
        QCOMPARE(column->verticalScrollBar()->value(), scrolled);
    QCOMPARE(bar->value(), scrolled);

    // The table's own bar moves them too.
    bar->setValue(bar->maximum());
    for (QListView *column : columns)
        QCOMPARE(column->verticalScrollBar()->value(), bar->maximum());

    // A row picked in one column is picked in all, and keys move them together.
    columns.at(0)->setCurrentIndex(columns.at(0)->model()->index(10, 0));
    for (QListView *column : columns)
        QCOMPARE(testsupport::currentRow(column), 10);
    QTest::keyClick(columns.at(5), Qt::Key_Down);
    for (QListView *column : columns)
        QCOMPARE(testsupport::currentRow(column), 11);
    QCOMPARE(testsupport::logRow(window, 11).at(3), QStringLiteral("11"));
}

void PracticeLoopTest::newestAnswerComesIntoSightUnlessReadingOlderRows_data()
{
    QTest::addColumn<bool>("shownBefore"); // the panel shown for the first answers
    QTest::addColumn<bool>("readingOlder"); // then scrolled up to the first row
    QTest::addColumn<bool>("putAway"); // hidden for the later answers
    QTest::addColumn<bool>("newestInSight");
    QTest::newRow("reading the newest") << true << false << false << true;
    QTest::newRow("reading older rows") << true << true << false << false;
    QTest::newRow("put away at the newest") << true << false << true << true;
    QTest::newRow("put away at older rows") << true << true << true << false;
    QTest::newRow("first shown after the answers") << false << false << false << true;
}

void PracticeLoopTest::newestAnswerComesIntoSightUnlessReadingOlderRows()
{
    QFETCH(bool, shownBefore);
    QFETCH(bool, readingOlder);
    QFETCH(bool, putAway);
    QFETCH(bool, newestInSight);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    if (shownBefore)
        testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
    for (int i = 0; i < 30; ++i)
        testsupport::answerPractice(window, QString::number(i));
    auto *bar = named<QScrollBar>(&window, QStringLiteral("scrLog"));
    if (readingOlder)
        bar->setValue(0);
    if (putAway)
        testsupport::invokeHandler(&window, "mnuOptHideReport_Click");
    for (int i = 30; i < 45; ++i)
        testsupport::answerPractice(window, QString::number(i));
    if (putAway || !shownBefore)
        testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
    QCoreApplication::processEvents();

    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), newestInSight ? bar->maximum() : 0);
    for (const char *name :
        { "lstLogNum1", "lstLogOper", "lstLogNum2", "lstLogYourAn", "lstLogCorrAn", "lstLogRW" }) {
        auto *column = named<QListView>(&window, QString::fromLatin1(name));
        const int row = newestInSight ? 44 : 0;
        QVERIFY2(column->viewport()->rect().contains(testsupport::rowRect(column, row)), name);
    }
    QCOMPARE(testsupport::logRow(window, 44).at(3), QStringLiteral("44"));
}

void PracticeLoopTest::rowsStandLevelAndWholeAcrossColumns()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 30; ++i)
            testsupport::answerPractice(window, QString::number(i));
        QCoreApplication::processEvents();

        QList<QListView *> columns;
        for (const char *column : { "lstLogNum1", "lstLogOper", "lstLogNum2", "lstLogYourAn",
                 "lstLogCorrAn", "lstLogRW" })
            columns << named<QListView>(&window, QString::fromLatin1(column));
        // The newest rows are in sight; the layout is read from the top.
        columns.first()->scrollToTop();
        const QRect first = testsupport::rowRect(columns.first(), 0);
        const int step = testsupport::rowRect(columns.first(), 1).top() - first.top();
        QCOMPARE(first.top(), 0);
        QVERIFY2(first.height() >= columns.first()->fontMetrics().height(),
            qPrintable(QString::number(first.height())));
        QCOMPARE(step, first.height()); // no gaps between rows
        for (QListView *column : columns) {
            for (int row : { 0, 1, 17, 29 }) {
                const QRect rect = testsupport::rowRect(column, row);
                QCOMPARE(rect.top(), row * step);
                QCOMPARE(rect.height(), first.height());
                QCOMPARE(rect.width(), column->viewport()->width());
            }
        }
        // A cleared log lays its new rows out the same way.
        testsupport::invokeHandler(&window, "cmdClearReport_Click");
    }
}

void PracticeLoopTest::coveredPanelTakesNoFocusOrKeys()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::answerPractice(window, QStringLiteral("1"));
    testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
    auto *clear = named<QPushButton>(&window, QStringLiteral("cmdClearReport"));
    for (const char *cover :
        { "mnuHelpContents_Click", "mnuOptionsWorksheet_Click", "mnuHelpAbout_Click" }) {
        testsupport::invokeHandler(&window, cover);
        QVERIFY2(!frame(window, "fraLog")->isHidden(), cover); // still on, only covered
        QVERIFY2(!clear->isEnabled(), cover);
        QTest::keyClick(clear, Qt::Key_Space);
        QCOMPARE(testsupport::logRowCount(window), 1);
    }
    testsupport::invokeHandler(&window, "cmdOkAbout_Click");
    QVERIFY(clear->isEnabled());
    QTest::mouseClick(clear, Qt::LeftButton);
    QCOMPARE(testsupport::logRowCount(window), 0);
}

QTEST_MAIN(PracticeLoopTest)
#include "practice_loop_test.moc"
