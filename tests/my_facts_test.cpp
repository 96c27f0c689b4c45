// "My Facts": practice drawn from the chosen pupil's own schedule, the right
// sum after a miss, the cards kept across runs and a worksheet of the
// weakest facts.

#include "progress/class_screen.h"
#include "rules/fact_schedule.h"
#include "rules/level_range.h"
#include "rules/practice_problem.h"
#include "rules/worksheet_problem.h"
#include "tests/test_support.h"
#include "tests/worksheet_test_support.h"

#include <QAbstractItemView>
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;
using testsupport::named;
using tutor::Operation;

Q_DECLARE_METATYPE(tutor::Operation)

namespace {

// Noon, so that the day is the same in every time zone's reading of it.
const QDateTime Noon(QDate(2026, 3, 2), QTime(12, 0));

QAction *item(MainWindow &window, const QString &name)
{
    return named<QAction>(&window, name);
}

QAction *myFactsItem(MainWindow &window)
{
    return item(window, u"mnuOptMyFacts"_s);
}

QAction *levelItem(MainWindow &window, int level)
{
    return item(window, u"mnuOptDiffLev%1"_s.arg(level));
}

const char *operationHandler(Operation operation)
{
    switch (operation) {
    case Operation::Addition:
        return "mnuOptOperAdd_Click";
    case Operation::Subtraction:
        return "mnuOptOperSub_Click";
    case Operation::Multiplication:
        return "mnuOptOperMult_Click";
    case Operation::Division:
        return "mnuOptOperDiv_Click";
    }
    return "";
}

// The problem in front of the pupil, as a fact with its answer.
tutor::Fact shownFact(MainWindow &window)
{
    const TutorState &state = window.state();
    const auto operation = Operation(state.OperationCode);
    return { operation, qint16(state.Operand1), qint16(state.Operand2),
        tutor::expectedAnswer(state.Operand1, state.Operand2, operation).value_or(-1) };
}

QString shownSum(MainWindow &window)
{
    return testsupport::labelText(window, "lblNum1") + u' '
        + testsupport::labelText(window, "lblNum2");
}

QString factText(const tutor::Fact &fact)
{
    return tutor::writtenFact(fact);
}

QString wrongAnswer(const tutor::Fact &fact)
{
    return QString::number(fact.answer + 1);
}

// A window over `folder` whose clock stands at noon, with Ann chosen and
// My Facts on for `operation`.
void startFacts(MainWindow &window, Operation operation)
{
    window.session().setClock([]() { return Noon; });
    window.choosePupil(u"Ann"_s);
    QVERIFY(testsupport::invokeHandler(&window, operationHandler(operation)));
    QVERIFY(testsupport::invokeHandler(&window, "mnuOptMyFacts_Click"));
    QVERIFY(myFactsItem(window)->isChecked());
}

struct LevelItemState
{
    bool enabled = false;
    QString tip;
    friend bool operator==(const LevelItemState &a, const LevelItemState &b)
    {
        return a.enabled == b.enabled && a.tip == b.tip;
    }
};

QList<LevelItemState> levelItems(MainWindow &window)
{
    QList<LevelItemState> states;
    for (int level = 0; level < 5; ++level)
        states.append(
            { levelItem(window, level)->isEnabled(), levelItem(window, level)->statusTip() });
    return states;
}

} // namespace

class MyFactsTest : public QObject
{
    Q_OBJECT

private slots:
    void offeredOnceAPupilIsChosen();
    void practiceFollowsThePupilsSchedule_data();
    void practiceFollowsThePupilsSchedule();
    void aMissIsFollowedByTheRightSum_data();
    void aMissIsFollowedByTheRightSum();
    void cardsAreKeptForTheNextRun();
    void turningOffGivesBackTheLevels_data();
    void turningOffGivesBackTheLevels();
    void worksheetOfMyFactsAddsTheWeakestFacts_data();
    void worksheetOfMyFactsAddsTheWeakestFacts();
};

// Without a pupil there is nobody's facts to ask: the item and the button
// wait, and the handler leaves practice as it is.
void MyFactsTest::offeredOnceAPupilIsChosen()
{
    testsupport::TutorFixture fixture;
    testsupport::MessageBoxCloser closer;
    MainWindow &window = fixture.window();
    QAction *facts = myFactsItem(window);
    QVERIFY(facts);
    QCOMPARE(facts->parent(), named<QMenu>(&window, u"mnuOptions"_s));
    QVERIFY(facts->isCheckable());
    QVERIFY(!facts->statusTip().isEmpty());
    auto *worksheetButton = worksheettest::button(window, "cmdMyFactsWorksheet");
    QVERIFY(worksheetButton);
    QVERIFY(!facts->isEnabled());
    QVERIFY(!worksheetButton->isEnabled());

    QVERIFY(testsupport::invokeHandler(&window, "mnuOptMyFacts_Click"));
    QVERIFY(!facts->isChecked());
    QCOMPARE(testsupport::labelText(window, "lblCurLev"), u"Warm Up"_s);
    QVERIFY(levelItem(window, 1)->isEnabled());

    window.choosePupil(u"Ann"_s);
    QVERIFY(facts->isEnabled());
    QVERIFY(!facts->isChecked());
    QVERIFY(worksheetButton->isEnabled());
    // Its whole caption shows.
    QVERIFY(worksheetButton->sizeHint().width() <= worksheetButton->width());
    QCOMPARE(closer.texts, QStringList());
}

void MyFactsTest::practiceFollowsThePupilsSchedule_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QList<int>>("misses"); // the answers given wrong, from 0

    QTest::newRow("addition") << Operation::Addition << QList<int> { 2, 7 };
    QTest::newRow("subtraction") << Operation::Subtraction << QList<int> { 0 };
    QTest::newRow("multiplication") << Operation::Multiplication << QList<int> { 3, 4, 10 };
    QTest::newRow("division") << Operation::Division << QList<int> { 5 };
}

// Each problem is the one the pupil's schedule picks, on screen as on the
// record; a missed fact is asked again within 3 problems.
void MyFactsTest::practiceFollowsThePupilsSchedule()
{
    QFETCH(Operation, operation);
    QFETCH(QList<int>, misses);
    testsupport::TutorFixture fixture;
    testsupport::MessageBoxCloser closer;
    MainWindow &window = fixture.window();
    startFacts(window, operation);

    QCOMPARE(testsupport::labelText(window, "lblCurLev"), u"My Facts"_s);
    for (int level = 0; level < 5; ++level) {
        QVERIFY(!levelItem(window, level)->isEnabled());
        QVERIFY2(levelItem(window, level)->statusTip().contains(u"My Facts"_s),
            qPrintable(levelItem(window, level)->statusTip()));
    }

    // Answers take no time on the test's clock: every right one is quick.
    tutor::FactSchedule expected(operation, {});
    const QDate day = Noon.date();
    // Missed facts not yet asked again, with the problems shown since.
    QList<std::pair<tutor::Fact, int>> waiting;
    for (int answer = 0; answer < 14; ++answer) {
        const tutor::Fact fact = shownFact(window);
        const tutor::Fact scheduled = expected.next(day);
        QCOMPARE(factText(fact), factText(scheduled));
        QCOMPARE(shownSum(window), u"%1 %2"_s.arg(fact.first).arg(fact.second));
        // A comeback asks the twin when there is one.
        waiting.removeIf([&fact](const auto &miss) {
            return tutor::familyOf(miss.first.operation, miss.first.first, miss.first.second)
                == tutor::familyOf(fact.operation, fact.first, fact.second);
        });
        for (auto &[miss, since] : waiting)
            QVERIFY2(++since < 3, qPrintable(factText(miss)));

        const bool right = !misses.contains(answer);
        testsupport::answerPractice(
            window, right ? QString::number(fact.answer) : wrongAnswer(fact));
        expected.answer(scheduled, right, true, day);
        if (!right)
            waiting.append({ fact, 0 });
    }
    QVERIFY(waiting.isEmpty());
    QCOMPARE(window.state().IncorrectCount, qint16(misses.size()));
    QCOMPARE(closer.texts, QStringList());
}

void MyFactsTest::aMissIsFollowedByTheRightSum_data()
{
    QTest::addColumn<bool>("factsOn");
    QTest::addColumn<float>("first");
    QTest::addColumn<float>("second");
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown"); // empty: no sum shown
    QTest::addColumn<QString>("said"); // what the announcement begins with

    QTest::newRow("times") << true << 7.0f << 8.0f << Operation::Multiplication << u"54"_s
                           << u"7 × 8 = 56"_s
                           << u"Try Again. 7 times 8 equals 56. 0 right, 1 wrong. Next: "_s;
    QTest::newRow("plus, nothing typed")
        << true << 9.0f << 10.0f << Operation::Addition << QString() << u"9 + 10 = 19"_s
        << u"Try Again. 9 plus 10 equals 19. 0 right, 1 wrong. Next: "_s;
    QTest::newRow("minus") << true << 20.0f << 10.0f << Operation::Subtraction << u"1"_s
                           << u"20 − 10 = 10"_s
                           << u"Try Again. 20 minus 10 equals 10. 0 right, 1 wrong. Next: "_s;
    QTest::newRow("the widest fact")
        << true << 144.0f << 12.0f << Operation::Division << u"11"_s << u"144 ÷ 12 = 12"_s
        << u"Try Again. 144 divided by 12 equals 12. 0 right, 1 wrong. Next: "_s;
    QTest::newRow("twelve twelves")
        << true << 12.0f << 12.0f << Operation::Multiplication << u"124"_s << u"12 × 12 = 144"_s
        << u"Try Again. 12 times 12 equals 144. 0 right, 1 wrong. Next: "_s;
    QTest::newRow("right: no sum") << true << 7.0f << 8.0f << Operation::Multiplication << u"56"_s
                                   << QString() << u"Correct! 1 right, 0 wrong. Next: "_s;
    QTest::newRow("off: as always") << false << 7.0f << 8.0f << Operation::Multiplication << u"54"_s
                                    << QString() << u"Try Again. 0 right, 1 wrong. Next: "_s;
}

// The right sum stands in the "Try Again" frame, whole and clear of its word
// and picture, and a screen reader hears it with the verdict.
void MyFactsTest::aMissIsFollowedByTheRightSum()
{
    QFETCH(bool, factsOn);
    QFETCH(float, first);
    QFETCH(float, second);
    QFETCH(Operation, operation);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, said);
    testsupport::TutorFixture fixture;
    testsupport::MessageBoxCloser closer;
    MainWindow &window = fixture.window();
    window.session().setClock([]() { return Noon; });
    window.choosePupil(u"Ann"_s);
    if (factsOn)
        QVERIFY(testsupport::invokeHandler(&window, "mnuOptMyFacts_Click"));
    testsupport::setPracticeProblem(window, first, second, tutor::code(operation));
    testsupport::answerPractice(window, typed);

    auto *frame = named<QFrame>(&window, u"fraIncorrect"_s);
    auto *sum = named<QLabel>(&window, u"lblRightSum"_s);
    QVERIFY(frame && sum);
    QCOMPARE(sum->parentWidget(), frame);
    QCOMPARE(!sum->isHidden(), !shown.isEmpty());
    QCOMPARE(frame->isHidden(), said.startsWith(u"Correct"_s));
    const QString description = named<QLineEdit>(&window, u"txtAnswer"_s)->accessibleDescription();
    QVERIFY2(description.startsWith(said), qPrintable(description));
    QVERIFY2(description.endsWith(u"equals what?"_s), qPrintable(description));
    if (shown.isEmpty())
        return;
    QCOMPARE(sum->text(), shown);
    QVERIFY(frame->rect().contains(sum->geometry()));
    for (const char *other : { "Label5", "imgCheck" }) {
        const auto *part = named<QWidget>(frame, QString::fromLatin1(other));
        QVERIFY2(!part->geometry().intersects(sum->geometry()), other);
    }
    const QRect room = sum->contentsRect();
    const QRect needed
        = sum->fontMetrics().boundingRect(room, Qt::TextWordWrap | sum->alignment(), sum->text());
    QVERIFY2(room.contains(needed),
        qPrintable(u"%1 needs %2 x %3"_s.arg(shown).arg(needed.width()).arg(needed.height())));
    QCOMPARE(closer.texts, QStringList());
}

// Every answer to a fact moves its card in the progress file, and the next
// run asks from where the pupil left off.
void MyFactsTest::cardsAreKeptForTheNextRun()
{
    testsupport::TutorFixture fixture;
    testsupport::MessageBoxCloser closer;
    MainWindow &window = fixture.window();
    startFacts(window, Operation::Multiplication);
    tutor::FactSchedule expected(Operation::Multiplication, {});
    for (int answer = 0; answer < 8; ++answer) {
        const tutor::Fact fact = shownFact(window);
        const bool right = answer != 1 && answer != 5;
        testsupport::answerPractice(
            window, right ? QString::number(fact.answer) : wrongAnswer(fact));
        expected.answer(fact, right, true, Noon.date());
    }
    // A game's answer is kept without a card.
    QVERIFY(testsupport::invokeHandler(&window, "mnuGamesMissingNum_Click"));
    QTest::keyClicks(named<QLineEdit>(&window, u"txtAnswerGame1"_s), u"3"_s);
    QTest::keyClick(named<QLineEdit>(&window, u"txtAnswerGame1"_s), Qt::Key_Return);

    const qint64 ann = *window.pupil().id();
    QCOMPARE(window.pupil().store().attempts(ann).size(), 9);
    // Each answer says where it was given, not the level greyed out then.
    QList<tutor::AnswerMode> modes;
    for (const tutor::Attempt &attempt : window.pupil().store().attempts(ann))
        modes << attempt.mode;
    QCOMPARE(modes.count(tutor::AnswerMode::MyFacts), 8);
    QCOMPARE(modes.count(tutor::AnswerMode::MissingNumber), 1);
    QList<tutor::FactCard> seen;
    for (const tutor::FactCard &card : expected.cards()) {
        if (card.seen())
            seen << card;
    }
    const QList<tutor::FactCard> kept
        = window.pupil().store().factCards(ann, Operation::Multiplication);
    QCOMPARE(kept.size(), seen.size());
    for (qsizetype i = 0; i < kept.size(); ++i) {
        QCOMPARE(kept.at(i).family, seen.at(i).family);
        QCOMPARE(kept.at(i).box, seen.at(i).box);
        QCOMPARE(kept.at(i).misses, seen.at(i).misses);
        QCOMPARE(kept.at(i).answers, seen.at(i).answers);
        QCOMPARE(kept.at(i).due, seen.at(i).due);
    }
    QVERIFY(window.pupil().store().factCards(ann, Operation::Addition).isEmpty());

    // Another pupil starts from the beginning, with My Facts still on.
    QVERIFY(testsupport::invokeHandler(&window, "mnuFileWork_Click"));
    QVERIFY(testsupport::invokeHandler(&window, "mnuOptOperMult_Click"));
    const QString first
        = factText(tutor::FactSchedule(Operation::Multiplication, {}).next(Noon.date()));
    QVERIFY(factText(shownFact(window)) != first);
    window.choosePupil(u"Bob"_s);
    QVERIFY(myFactsItem(window)->isChecked());
    QCOMPARE(factText(shownFact(window)), first);

    // The next day, in a run of its own.
    MainWindow next(fixture.folder());
    next.show();
    next.session().setClock([]() { return Noon.addDays(1); });
    next.choosePupil(u"Ann"_s);
    QVERIFY(testsupport::invokeHandler(&next, "mnuOptMyFacts_Click"));
    QVERIFY(testsupport::invokeHandler(&next, "mnuOptOperMult_Click"));
    tutor::FactSchedule resumed(Operation::Multiplication, kept);
    QCOMPARE(factText(shownFact(next)), factText(resumed.next(Noon.date().addDays(1))));
    QCOMPARE(closer.texts, QStringList());
}

void MyFactsTest::turningOffGivesBackTheLevels_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("how"); // "menu", "pupil deleted"

    QTest::newRow("addition, warm up") << Operation::Addition << 0 << u"menu"_s;
    QTest::newRow("multiplication, expert") << Operation::Multiplication << 4 << u"menu"_s;
    // Division leaves the three upper levels off, as before.
    QTest::newRow("division, beginner") << Operation::Division << 1 << u"menu"_s;
    QTest::newRow("the pupil deleted") << Operation::Subtraction << 2 << u"pupil deleted"_s;
}

// Off again, practice is what it always was: the levels, their tips, their
// name on the screen and the level's random draw; games and menus moved in
// between do not wake the levels early.
void MyFactsTest::turningOffGivesBackTheLevels()
{
    QFETCH(Operation, operation);
    QFETCH(int, level);
    QFETCH(QString, how);
    testsupport::TutorFixture fixture;
    testsupport::MessageBoxCloser closer;
    MainWindow &window = fixture.window();
    window.session().setClock([]() { return Noon; });
    window.choosePupil(u"Ann"_s);
    QVERIFY(testsupport::invokeHandler(
        &window, QByteArray("mnuOptDiffLev" + QByteArray::number(level) + "_Click").constData()));
    QVERIFY(testsupport::invokeHandler(&window, operationHandler(operation)));
    const QList<LevelItemState> before = levelItems(window);
    const QString levelName = testsupport::labelText(window, "lblCurLev");

    QVERIFY(testsupport::invokeHandler(&window, "mnuOptMyFacts_Click"));
    for (const char *step : { "mnuGamesMissingNum_Click", "mnuFileWork_Click", "mnuHelpAbout_Click",
             "cmdOkAbout_Click" }) {
        QVERIFY(testsupport::invokeHandler(&window, step));
        for (int i = 0; i < 5; ++i)
            QVERIFY2(!levelItem(window, i)->isEnabled(), step);
    }
    QVERIFY(testsupport::invokeHandler(&window, operationHandler(operation)));

    if (how == u"menu")
        QVERIFY(testsupport::invokeHandler(&window, "mnuOptMyFacts_Click"));
    else
        emit named<ClassScreen>(&window, u"fraClass"_s)->deleteRequested(*window.pupil().id());
    QVERIFY(!myFactsItem(window)->isChecked());
    QCOMPARE(myFactsItem(window)->isEnabled(), how == u"menu");
    QCOMPARE(worksheettest::button(window, "cmdMyFactsWorksheet")->isEnabled(), how == u"menu");
    QVERIFY(levelItems(window) == before);
    QCOMPARE(testsupport::labelText(window, "lblCurLev"), levelName);

    const tutor::LevelRange range = tutor::levelRange(tutor::Level(level));
    for (int draw = 0; draw < 40; ++draw) {
        QVERIFY(testsupport::invokeHandler(&window, "NewPracticeProblem"));
        for (float number : { window.state().Operand1, window.state().Operand2 })
            QVERIFY2(
                number >= range.lowest && number <= range.highest(), qPrintable(shownSum(window)));
    }
    // A miss is a plain "Try Again" again.
    const tutor::Fact fact = shownFact(window);
    testsupport::answerPractice(window, wrongAnswer(fact));
    QVERIFY(named<QLabel>(&window, u"lblRightSum"_s)->isHidden());
    QCOMPARE(closer.texts, QStringList());
}

void MyFactsTest::worksheetOfMyFactsAddsTheWeakestFacts_data()
{
    QTest::addColumn<int>("teachers"); // problems made by Create Problem first
    QTest::addColumn<int>("filled"); // rows put there at once
    QTest::addColumn<int>("added");
    QTest::addColumn<QString>("said");
    QTest::addColumn<Operation>("sheetOperation"); // the worksheet's

    const Operation times = Operation::Multiplication;
    QTest::newRow("an empty worksheet")
        << 0 << 0 << 20 << u"20 problems added from My Facts"_s << times;
    QTest::newRow("after the teacher's own")
        << 3 << 0 << 20 << u"20 problems added from My Facts"_s << times;
    QTest::newRow("room for a few")
        << 0 << 32760 << 7 << u"7 of 20 problems added from My Facts"_s << times;
    QTest::newRow("full") << 0 << 32767 << 0 << u"The worksheet is full"_s << times;
    // Never a mix, nor a list of first facts for one never practised.
    QTest::newRow("an operation not practised")
        << 0 << 0 << 0 << u"The pupil has practised no facts"_s << Operation::Subtraction;
}

// The button adds the pupil's weakest facts after what the teacher has,
// missed facts first, one fact of a family each, with their answers, ready
// to print; never more than a worksheet holds.
void MyFactsTest::worksheetOfMyFactsAddsTheWeakestFacts()
{
    QFETCH(int, teachers);
    QFETCH(int, filled);
    QFETCH(int, added);
    QFETCH(QString, said);
    QFETCH(Operation, sheetOperation);
    testsupport::TutorFixture fixture;
    testsupport::MessageBoxCloser closer;
    MainWindow &window = fixture.window();
    startFacts(window, Operation::Multiplication);
    QSet<tutor::FactFamily> missed;
    QSet<tutor::FactFamily> asked;
    for (int answer = 0; answer < 9; ++answer) {
        const tutor::Fact fact = shownFact(window);
        const bool right = answer % 4 != 1;
        testsupport::answerPractice(
            window, right ? QString::number(fact.answer) : wrongAnswer(fact));
        const auto family = *tutor::familyOf(fact.operation, fact.first, fact.second);
        asked << family;
        if (!right)
            missed << family;
    }
    QCOMPARE(missed.size(), 2);

    MainWindow &sheet = teachers > 0
        ? worksheettest::readyWorksheet(fixture, u"Beginner"_s, u"Multiplication"_s)
        : window;
    if (teachers == 0) {
        QVERIFY(testsupport::invokeHandler(&window, operationHandler(sheetOperation)));
        worksheettest::enterWorksheet(window);
    }
    const QList<worksheettest::Problem> own = worksheettest::createProblems(sheet, teachers);
    testsupport::fillWorksheet(window, filled);
    const int before = teachers + filled;
    QPushButton *facts = worksheettest::button(window, "cmdMyFactsWorksheet");
    QVERIFY(facts->isEnabled());
    facts->click();

    const auto *numbers = named<QAbstractItemView>(&window, u"lstWorksheetNum1"_s);
    QCOMPARE(testsupport::listRowCount(numbers), before + added);
    QCOMPARE(window.state().WorksheetProblemCount, qint16(before + added));
    QCOMPARE(testsupport::labelText(window, "lblProblemNum"), QString::number(before + added));
    QVERIFY(
        worksheettest::button(window, "cmdPrintWorksheet")->isEnabled() == (before + added > 0));
    QVERIFY2(facts->accessibleDescription().startsWith(said),
        qPrintable(facts->accessibleDescription()));
    QVERIFY(!worksheettest::message(window).isEmpty());
    QCOMPARE(closer.texts, QStringList());

    // The teacher's own problems stay, drawn from the level as always.
    const QList<tutor::WorksheetProblem> &rows = window.session().worksheetDraft().problems();
    for (int row = 0; row < teachers; ++row) {
        QCOMPARE(testsupport::listText(numbers, row), QString::fromLatin1(own.at(row).first));
        QVERIFY(rows.at(row).operand1 >= tutor::levelRange(tutor::Level::Beginner).lowest);
    }
    QSet<tutor::FactFamily> families;
    for (int row = before; row < before + added; ++row) {
        const tutor::WorksheetProblem &problem = rows.at(row);
        const std::optional<tutor::FactFamily> family
            = tutor::familyOf(problem.operation, problem.operand1, problem.operand2);
        QVERIFY(family);
        QVERIFY2(!families.contains(*family), qPrintable(QString::number(row)));
        families << *family;
        QCOMPARE(problem.answer,
            tutor::expectedAnswer(problem.operand1, problem.operand2, problem.operation).value());
        QCOMPARE(
            testsupport::listText(named<QAbstractItemView>(&window, u"lstWorksheetAnswer"_s), row),
            QString::number(problem.answer));
        // The missed facts first, then the others asked, then new ones.
        const int place = row - before;
        if (place < missed.size())
            QVERIFY(missed.contains(*family));
        else if (place < asked.size())
            QVERIFY(asked.contains(*family) && !missed.contains(*family));
        else
            QVERIFY(!asked.contains(*family) && family->operation == Operation::Multiplication);
    }
}

QTEST_MAIN(MyFactsTest)
#include "my_facts_test.moc"
