#include "rules/fact_schedule.h"

#include <QSet>
#include <QTest>

#include <functional>
#include <memory>

using tutor::Fact;
using tutor::FactCard;
using tutor::FactFamily;
using tutor::FactSchedule;
using tutor::Operation;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Operation)

namespace {

const QDate Monday(2026, 3, 2);

FactFamily family(Operation operation, int low, int high)
{
    return { operation, qint16(low), qint16(high) };
}

FactCard seenCard(const FactFamily &family, int box, const QDate &due)
{
    FactCard card;
    card.family = family;
    card.box = box;
    card.due = due;
    card.firstSeen = due.addDays(-20);
    card.lastSeen = due.addDays(-1);
    card.answers = 4;
    return card;
}

// A pupil who answers by a rule: `right(fact, problem number)`; right answers
// are quick.
using Answering = std::function<bool(const Fact &, int)>;

// A pupil who misses every fact the first time and knows it from then on.
Answering learner(const FactSchedule &schedule)
{
    return [&schedule](const Fact &fact, int) {
        return schedule.card(*tutor::familyOf(fact.operation, fact.first, fact.second)).seen();
    };
}

bool alwaysRight(const Fact &, int)
{
    return true;
}

QList<Fact> practise(
    FactSchedule &schedule, const QDate &day, int problems, const Answering &right = alwaysRight)
{
    QList<Fact> asked;
    for (int problem = 0; problem < problems; ++problem) {
        const Fact fact = schedule.next(day);
        const bool isRight = right(fact, problem);
        schedule.answer(fact, isRight, isRight, day);
        asked.append(fact);
    }
    return asked;
}

QSet<FactFamily> familiesOf(const QList<Fact> &facts)
{
    QSet<FactFamily> families;
    for (const Fact &fact : facts)
        families.insert(*tutor::familyOf(fact.operation, fact.first, fact.second));
    return families;
}

int newOn(const FactSchedule &schedule, const QDate &day)
{
    int count = 0;
    for (const FactCard &card : schedule.cards())
        count += card.firstSeen == day ? 1 : 0;
    return count;
}

} // namespace

class FactScheduleTest : public QObject
{
    Q_OBJECT

private slots:
    void everyFactBelongsToItsFamily_data();
    void everyFactBelongsToItsFamily();
    void problemsThatAreNoFact_data();
    void problemsThatAreNoFact();
    void factsAreWrittenWithTheirSigns_data();
    void factsAreWrittenWithTheirSigns();
    void boxesMoveByTheAnswer_data();
    void boxesMoveByTheAnswer();
    void knownAfterQuickAnswersOnThreeDays_data();
    void knownAfterQuickAnswersOnThreeDays();
    void dueFactsComeBeforeNewOnes();
    void newFactsComeAtThePupilsPace_data();
    void newFactsComeAtThePupilsPace();
    void aRestartDoesNotPutOffTheDaysNewFact();
    void missedFactReturnsWithinThreeProblems();
    void unknownFactsStandAmongKnownOnes();
    void twinsTakeTurns();
    void missedFactComesBack_data();
    void missedFactComesBack();
    void weakestFactsFirst();
};

void FactScheduleTest::everyFactBelongsToItsFamily_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<int>("families");
    QTest::addColumn<int>("largestAnswer");

    QTest::newRow("addition 0-10") << Operation::Addition << 66 << 20;
    QTest::newRow("subtraction up to 20") << Operation::Subtraction << 66 << 10;
    QTest::newRow("multiplication 0-12") << Operation::Multiplication << 91 << 144;
    QTest::newRow("division, never by 0") << Operation::Division << 90 << 12;
}

void FactScheduleTest::everyFactBelongsToItsFamily()
{
    QFETCH(Operation, operation);
    QFETCH(int, families);
    QFETCH(int, largestAnswer);

    const QList<FactFamily> all = tutor::factFamilies(operation);
    QCOMPARE(all.size(), families);
    QCOMPARE(QSet<FactFamily>(all.cbegin(), all.cend()).size(), families);
    QVERIFY(!tutor::isFactFamily(family(operation, 0, all.last().high + 1)));
    QVERIFY(!tutor::isFactFamily(family(operation, 2, 1)));
    int largest = 0;
    for (const FactFamily &member : all) {
        QVERIFY(tutor::isFactFamily(member));
        const QList<Fact> facts = tutor::familyFacts(member);
        QVERIFY(!facts.isEmpty());
        QVERIFY(facts.size() == 1 || facts.first().first != facts.last().first
            || facts.first().second != facts.last().second);
        for (const Fact &fact : facts) {
            QCOMPARE(tutor::familyOf(operation, fact.first, fact.second), member);
            QCOMPARE(tutor::factOf(operation, fact.first, fact.second), fact);
            const double exact = operation == Operation::Addition ? fact.first + fact.second
                : operation == Operation::Subtraction             ? fact.first - fact.second
                : operation == Operation::Multiplication          ? fact.first * fact.second
                                                         : double(fact.first) / fact.second;
            QCOMPARE(double(fact.answer), exact);
            largest = std::max<int>(largest, fact.answer);
        }
    }
    QCOMPARE(largest, largestAnswer);
}

void FactScheduleTest::problemsThatAreNoFact_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("second");

    QTest::newRow("addend beyond 10") << Operation::Addition << 11.0 << 2.0;
    QTest::newRow("difference beyond 10") << Operation::Subtraction << 15.0 << 2.0;
    QTest::newRow("below zero") << Operation::Subtraction << 2.0 << 5.0;
    QTest::newRow("factor beyond 12") << Operation::Multiplication << 13.0 << 2.0;
    QTest::newRow("by zero") << Operation::Division << 7.0 << 0.0;
    QTest::newRow("not whole") << Operation::Division << 7.0 << 2.0;
    QTest::newRow("fraction") << Operation::Addition << 2.5 << 1.0;
}

void FactScheduleTest::problemsThatAreNoFact()
{
    QFETCH(Operation, operation);
    QFETCH(double, first);
    QFETCH(double, second);

    QVERIFY(!tutor::familyOf(operation, first, second));
    QVERIFY(!tutor::factOf(operation, first, second));
}

void FactScheduleTest::factsAreWrittenWithTheirSigns_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("written");

    QTest::newRow("times") << Operation::Multiplication << 7 << 8 << u"7 × 8 = 56"_s;
    QTest::newRow("minus") << Operation::Subtraction << 9 << 4 << u"9 − 4 = 5"_s;
    QTest::newRow("divided by") << Operation::Division << 56 << 8 << u"56 ÷ 8 = 7"_s;
    QTest::newRow("plus") << Operation::Addition << 3 << 4 << u"3 + 4 = 7"_s;
}

void FactScheduleTest::factsAreWrittenWithTheirSigns()
{
    QFETCH(Operation, operation);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, written);

    const FactFamily member = *tutor::familyOf(operation, first, second);
    for (const Fact &fact : tutor::familyFacts(member)) {
        if (fact.first == first && fact.second == second) {
            QCOMPARE(tutor::writtenFact(fact), written);
            QCOMPARE(tutor::writtenSum(fact), written.section(u" = "_s, 0, 0));
        }
    }
}

// Each answer: the day after the first, right, quick; then the box it leaves
// the fact in and the days until it is due.
void FactScheduleTest::boxesMoveByTheAnswer_data()
{
    QTest::addColumn<QList<int>>("days");
    QTest::addColumn<QList<bool>>("right");
    QTest::addColumn<QList<bool>>("quick");
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("dueInDays");

    QTest::newRow("new, right and quick")
        << QList<int> { 0 } << QList<bool> { true } << QList<bool> { true } << 1 << 1;
    QTest::newRow("new, wrong") << QList<int> { 0 } << QList<bool> { false }
                                << QList<bool> { false } << 1 << 1;
    QTest::newRow("new, right but slow: again today")
        << QList<int> { 0 } << QList<bool> { true } << QList<bool> { false } << 0 << 0;
    QTest::newRow("up a box each day it is due")
        << QList<int> { 0, 1, 4, 11, 25 } << QList<bool> { true, true, true, true, true }
        << QList<bool> { true, true, true, true, true } << 5 << 30;
    QTest::newRow("away two weeks and still quick: two boxes up")
        << QList<int> { 0, 1, 15 } << QList<bool> { true, true, true }
        << QList<bool> { true, true, true } << 4 << 14;
    QTest::newRow("away two weeks, slow: stays")
        << QList<int> { 0, 1, 15 } << QList<bool> { true, true, true }
        << QList<bool> { true, true, false } << 2 << 3;
    QTest::newRow("box 5 is the last")
        << QList<int> { 0, 1, 4, 11, 25, 55 } << QList<bool> { true, true, true, true, true, true }
        << QList<bool> { true, true, true, true, true, true } << 5 << 30;
    QTest::newRow("wrong: back to box 1")
        << QList<int> { 0, 1, 4, 11 } << QList<bool> { true, true, true, false }
        << QList<bool> { true, true, true, false } << 1 << 1;
    QTest::newRow("right but slow: stays")
        << QList<int> { 0, 1, 4 } << QList<bool> { true, true, true }
        << QList<bool> { true, true, false } << 2 << 3;
    QTest::newRow("asked before due: keeps its place")
        << QList<int> { 0, 1, 2 } << QList<bool> { true, true, true }
        << QList<bool> { true, true, true } << 2 << 2;
    QTest::newRow("asked early every day, still climbs")
        << QList<int> { 0, 1, 2, 3, 4, 5 } << QList<bool> { true, true, true, true, true, true }
        << QList<bool> { true, true, true, true, true, true } << 3 << 6;
    QTest::newRow("slow before due: keeps its place")
        << QList<int> { 0, 1, 3 } << QList<bool> { true, true, true }
        << QList<bool> { true, true, false } << 2 << 1;
    QTest::newRow("once a day") << QList<int> { 0, 1, 1, 1 }
                                << QList<bool> { true, true, true, true }
                                << QList<bool> { true, true, true, true } << 2 << 3;
    QTest::newRow("slow at first, quick later that day")
        << QList<int> { 0, 0 } << QList<bool> { true, true } << QList<bool> { false, true } << 1
        << 1;
    QTest::newRow("missed, then right the same day: due tomorrow")
        << QList<int> { 0, 1, 1 } << QList<bool> { true, false, true }
        << QList<bool> { true, false, true } << 1 << 1;
}

void FactScheduleTest::boxesMoveByTheAnswer()
{
    QFETCH(QList<int>, days);
    QFETCH(QList<bool>, right);
    QFETCH(QList<bool>, quick);
    QFETCH(int, box);
    QFETCH(int, dueInDays);

    FactCard card;
    card.family = family(Operation::Multiplication, 7, 8);
    for (qsizetype i = 0; i < days.size(); ++i)
        tutor::applyAnswer(card, right.at(i), quick.at(i), Monday.addDays(days.at(i)));
    QCOMPARE(card.box, box);
    QCOMPARE(card.lastSeen.daysTo(card.due), dueInDays);
    QCOMPARE(card.answers, days.size());
    QCOMPARE(card.firstSeen, Monday);
}

void FactScheduleTest::knownAfterQuickAnswersOnThreeDays_data()
{
    QTest::addColumn<QList<int>>("days");
    QTest::addColumn<QList<bool>>("right");
    QTest::addColumn<QList<bool>>("quick");
    QTest::addColumn<bool>("known");
    QTest::addColumn<bool>("needsTeaching");

    QTest::newRow("three days") << QList<int> { 0, 1, 4 } << QList<bool> { true, true, true }
                                << QList<bool> { true, true, true } << true << false;
    QTest::newRow("three times in one day")
        << QList<int> { 0, 0, 0 } << QList<bool> { true, true, true }
        << QList<bool> { true, true, true } << false << false;
    QTest::newRow("a slow day does not count")
        << QList<int> { 0, 1, 4 } << QList<bool> { true, true, true }
        << QList<bool> { true, false, true } << false << false;
    QTest::newRow("a miss starts again")
        << QList<int> { 0, 1, 4, 4, 5, 6 } << QList<bool> { true, true, false, true, true, true }
        << QList<bool> { true, true, false, true, true, true } << false << false;
    QTest::newRow("three days after the miss")
        << QList<int> { 0, 1, 4, 5, 6, 7 } << QList<bool> { true, true, false, true, true, true }
        << QList<bool> { true, true, false, true, true, true } << true << false;
    const QList<bool> sixMisses(6, false);
    QTest::newRow("six misses need teaching")
        << QList<int> { 0, 0, 1, 1, 2, 2 } << sixMisses << sixMisses << false << true;
    QTest::newRow("known again: no longer needs teaching")
        << QList<int> { 0, 0, 1, 1, 2, 2, 3, 4, 5 } << sixMisses + QList<bool>(3, true)
        << sixMisses + QList<bool>(3, true) << true << false;
    QTest::newRow("right again, not yet known: still needs teaching")
        << QList<int> { 0, 0, 1, 1, 2, 2, 3, 4 } << sixMisses + QList<bool>(2, true)
        << sixMisses + QList<bool>(2, true) << false << true;
}

void FactScheduleTest::knownAfterQuickAnswersOnThreeDays()
{
    QFETCH(QList<int>, days);
    QFETCH(QList<bool>, right);
    QFETCH(QList<bool>, quick);
    QFETCH(bool, known);
    QFETCH(bool, needsTeaching);

    FactCard card;
    card.family = family(Operation::Addition, 3, 4);
    for (qsizetype i = 0; i < days.size(); ++i)
        tutor::applyAnswer(card, right.at(i), quick.at(i), Monday.addDays(days.at(i)));
    QCOMPARE(card.known(), known);
    QCOMPARE(card.needsTeaching(), needsTeaching);
    // A miss in a game or a level counts as well, and the fact is not known.
    const int before = card.missesSinceKnown;
    tutor::countMissElsewhere(card);
    QVERIFY(!card.known());
    QCOMPARE(card.missesSinceKnown, before + 1);
}

void FactScheduleTest::dueFactsComeBeforeNewOnes()
{
    // Five due facts, some known and some not, and one not due yet.
    const QList<FactCard> cards = {
        seenCard(family(Operation::Multiplication, 6, 7), 3, Monday.addDays(-2)),
        seenCard(family(Operation::Multiplication, 7, 8), 1, Monday),
        seenCard(family(Operation::Multiplication, 3, 9), 4, Monday),
        seenCard(family(Operation::Multiplication, 8, 8), 2, Monday.addDays(-1)),
        seenCard(family(Operation::Multiplication, 4, 6), 5, Monday.addDays(-9)),
        seenCard(family(Operation::Multiplication, 2, 2), 2, Monday.addDays(1)),
    };
    FactSchedule schedule(Operation::Multiplication, cards);
    const QList<Fact> asked = practise(schedule, Monday, 5);

    QSet<FactFamily> due;
    for (const FactCard &card : cards.mid(0, 5))
        due.insert(card.family);
    QCOMPARE(familiesOf(asked), due);
    QCOMPARE(newOn(schedule, Monday), 0);

    // More facts still being learnt are due than a short session holds:
    // the ones seen latest come first, not the ones forgotten longest ago.
    QList<FactCard> pile;
    for (int low = 0; low <= 9; ++low) {
        // Seen one to ten days ago, the elevens times 9 latest.
        pile.append(
            seenCard(family(Operation::Multiplication, low, 11), 1, Monday.addDays(low - 9)));
    }
    FactSchedule behind(Operation::Multiplication, pile);
    QCOMPARE(familiesOf(practise(behind, Monday, 3)),
        (QSet<FactFamily> { pile.at(9).family, pile.at(8).family, pile.at(7).family }));
}

// Sixty problems on each of two days, from nothing known: how many new facts
// came in on each day, at least and at most.
void FactScheduleTest::newFactsComeAtThePupilsPace_data()
{
    QTest::addColumn<bool>("struggling");
    QTest::addColumn<bool>("knowsThemAll");
    QTest::addColumn<int>("fewestFirstDay");
    QTest::addColumn<int>("mostFirstDay");
    QTest::addColumn<int>("fewestSecondDay");
    QTest::addColumn<int>("mostSecondDay");

    // Missed once, then right twice: out of the working set, a new one in.
    QTest::newRow("a pupil who learns them") << false << false << 15 << 25 << 3 << 25;
    // Fewer, but one a day all the same.
    QTest::newRow("a pupil who misses many") << true << false << 15 << 25 << 1 << 1;
    // Facts known at first sight are no new facts to learn; the next day
    // all sixty are due first.
    QTest::newRow("a pupil who knows them") << false << true << 60 << 60 << 0 << 0;
}

void FactScheduleTest::newFactsComeAtThePupilsPace()
{
    QFETCH(bool, struggling);
    QFETCH(bool, knowsThemAll);
    QFETCH(int, fewestFirstDay);
    QFETCH(int, mostFirstDay);
    QFETCH(int, fewestSecondDay);
    QFETCH(int, mostSecondDay);

    FactSchedule schedule(Operation::Addition, {});
    practise(schedule, Monday, 60, knowsThemAll ? Answering(alwaysRight) : learner(schedule));
    QVERIFY2(newOn(schedule, Monday) >= fewestFirstDay && newOn(schedule, Monday) <= mostFirstDay,
        qPrintable(QString::number(newOn(schedule, Monday))));

    // The struggling pupil gets a fact seen before right only just after
    // being shown its answer.
    QList<Fact> missed;
    const Answering answering = [&](const Fact &fact, int) {
        const FactFamily member = *tutor::familyOf(fact.operation, fact.first, fact.second);
        const bool seen = schedule.card(member).seen();
        const bool right = struggling ? !seen || missed.contains(fact) : seen || knowsThemAll;
        missed.removeAll(fact);
        if (!right)
            missed.append(fact);
        return right;
    };
    const QList<Fact> asked = practise(schedule, Monday.addDays(1), 60, answering);
    const int second = newOn(schedule, Monday.addDays(1));
    QVERIFY2(
        second >= fewestSecondDay && second <= mostSecondDay, qPrintable(QString::number(second)));
    // Never a loop of the same few: no fact takes more than a fifth.
    for (const FactFamily &member : familiesOf(asked)) {
        const auto times = std::count_if(asked.cbegin(), asked.cend(),
            [&member](const Fact &fact) { return familiesOf({ fact }).contains(member); });
        QVERIFY2(times * 5 <= asked.size(), qPrintable(QString::number(times)));
    }
}

// Many facts due today: the day's first new fact comes after FirstNewAfter
// problems, counted from the day's start even when the program started
// again in between.
void FactScheduleTest::aRestartDoesNotPutOffTheDaysNewFact()
{
    QList<FactCard> cards;
    const QList<FactFamily> all = tutor::factFamilies(Operation::Multiplication);
    for (const FactFamily &member : all.mid(all.size() - 30))
        cards.append(seenCard(member, 4, Monday));
    FactSchedule before(Operation::Multiplication, cards);
    const int first = FactSchedule::FirstNewAfter - 2;
    practise(before, Monday, first);
    QCOMPARE(newOn(before, Monday), 0);
    FactSchedule after(Operation::Multiplication, before.cards());
    practise(after, Monday, 3);
    QCOMPARE(newOn(after, Monday), 1);
    // Nothing due any more and every answer right: new facts, not early
    // reviews, even past the working set.
    FactSchedule idle(Operation::Multiplication, {});
    practise(idle, Monday, 40);
    QVERIFY2(newOn(idle, Monday) > FactSchedule::WorkingSet,
        qPrintable(QString::number(newOn(idle, Monday))));
}

void FactScheduleTest::missedFactReturnsWithinThreeProblems()
{
    FactSchedule schedule(Operation::Multiplication, {});
    practise(schedule, Monday, 50);
    // Day two: every fourth answer is wrong, over two days of practice.
    int missedAt = -1;
    Fact missed;
    int returned = 0;
    for (int day = 1; day <= 2; ++day) {
        const QDate date = Monday.addDays(day);
        for (int problem = 0; problem < 40; ++problem) {
            const Fact fact = schedule.next(date);
            if (missedAt >= 0 && familiesOf({ fact }) == familiesOf({ missed })) {
                QVERIFY2(problem - missedAt <= FactSchedule::RetryWithin,
                    qPrintable(tutor::writtenFact(fact)));
                missedAt = -1;
                ++returned;
            }
            QVERIFY2(missedAt < 0 || problem - missedAt < FactSchedule::RetryWithin,
                qPrintable(tutor::writtenFact(missed)));
            const bool right = missedAt >= 0 || problem % 4 != 0;
            const FactCard card = schedule.answer(fact, right, right, date);
            if (!right) {
                missed = fact;
                missedAt = problem;
                // And again on a later day.
                QCOMPARE(card.due, date.addDays(1));
            }
        }
        missedAt = -1;
    }
    QVERIFY(returned >= 15);
}

void FactScheduleTest::unknownFactsStandAmongKnownOnes()
{
    // Thirty known facts not yet due: the day's new facts come with about
    // seven known ones between them.
    QList<FactCard> cards;
    const QList<FactFamily> all = tutor::factFamilies(Operation::Multiplication);
    for (const FactFamily &member : all.mid(all.size() - 30))
        cards.append(seenCard(member, 4, Monday.addDays(5)));
    FactSchedule schedule(Operation::Multiplication, cards);
    const QList<Fact> asked = practise(schedule, Monday, 40, learner(schedule));
    QList<int> newAt;
    QSet<FactFamily> seen;
    for (const FactCard &card : cards)
        seen.insert(card.family);
    for (qsizetype i = 0; i < asked.size(); ++i) {
        const FactFamily member
            = *tutor::familyOf(asked.at(i).operation, asked.at(i).first, asked.at(i).second);
        if (!seen.contains(member))
            newAt.append(int(i));
        seen.insert(member);
    }
    QVERIFY(newAt.size() >= 2);
    for (qsizetype i = 1; i < newAt.size(); ++i)
        QVERIFY(newAt.at(i) - newAt.at(i - 1) > FactSchedule::KnownPerUnknown);
}

void FactScheduleTest::twinsTakeTurns()
{
    const FactFamily member = family(Operation::Division, 3, 4);
    FactCard card = seenCard(member, 2, Monday);
    FactSchedule schedule(Operation::Division, { card });
    const Fact first = schedule.next(Monday);
    schedule.answer(first, true, true, Monday);
    const Fact second = schedule.next(Monday.addDays(7));
    QCOMPARE(tutor::familyOf(second.operation, second.first, second.second), member);
    QCOMPARE(first.first, second.first); // 12 / 3 and 12 / 4
    QVERIFY(first.second != second.second);
}

// One fact, due today among thirty known ones that are not, answered as
// `answers` says each time it is asked (right once the list runs out); a
// restart after `restartAfter` problems (-1: none). Then the problems of a
// 40-problem session at which it was asked.
void FactScheduleTest::missedFactComesBack_data()
{
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<int>("restartAfter");
    QTest::addColumn<QList<int>>("askedAt");

    QTest::newRow("right: not again today") << QList<bool> { true } << -1 << QList<int> { 0 };
    QTest::newRow("missed: back in 3, then once more")
        << QList<bool> { false } << -1
        << QList<int> { 0, 1 + FactSchedule::RetryWithin - 1,
               FactSchedule::RetryWithin + FactSchedule::ComeBackAgainWithin };
    QTest::newRow("missed twice: left for the day")
        << QList<bool> { false, false } << -1 << QList<int> { 0, FactSchedule::RetryWithin };
    QTest::newRow("missed at its last comeback: twice, left")
        << QList<bool> { false, true, false } << -1
        << QList<int> { 0, FactSchedule::RetryWithin,
               FactSchedule::RetryWithin + FactSchedule::ComeBackAgainWithin };
    QTest::newRow("a restart keeps its comeback")
        << QList<bool> { false } << 1 << QList<int> { 0, 1, 1 + FactSchedule::ComeBackAgainWithin };
}

void FactScheduleTest::missedFactComesBack()
{
    QFETCH(QList<bool>, answers);
    QFETCH(int, restartAfter);
    QFETCH(QList<int>, askedAt);

    const FactFamily missed = family(Operation::Multiplication, 3, 4);
    QList<FactCard> cards { seenCard(missed, 2, Monday) };
    const QList<FactFamily> all = tutor::factFamilies(Operation::Multiplication);
    for (const FactFamily &member : all.mid(all.size() - 30))
        cards.append(seenCard(member, 4, Monday.addDays(5)));
    auto schedule = std::make_unique<FactSchedule>(Operation::Multiplication, cards);
    QList<int> asked;
    QList<Fact> facts;
    for (int problem = 0; problem < 40; ++problem) {
        if (problem == restartAfter)
            schedule = std::make_unique<FactSchedule>(Operation::Multiplication, schedule->cards());
        const Fact fact = schedule->next(Monday);
        bool right = true;
        if (tutor::familyOf(fact.operation, fact.first, fact.second) == missed) {
            right = answers.value(asked.size(), true);
            asked.append(problem);
            facts.append(fact);
        }
        schedule->answer(fact, right, right, Monday);
    }
    QCOMPARE(asked, askedAt);
    // The twins take turns, comebacks included.
    for (qsizetype i = 1; i < facts.size(); ++i)
        QVERIFY(facts.at(i).first != facts.at(i - 1).first);
    QCOMPARE(schedule->card(missed).needsTeaching(), false);
}

void FactScheduleTest::weakestFactsFirst()
{
    FactCard missedOften = seenCard(family(Operation::Multiplication, 7, 8), 1, Monday);
    missedOften.misses = 7;
    missedOften.missesSinceKnown = 7;
    FactCard missedOnce = seenCard(family(Operation::Multiplication, 6, 9), 1, Monday);
    missedOnce.misses = 1;
    const FactCard known = seenCard(family(Operation::Addition, 2, 3), 5, Monday);
    const FactCard learning = seenCard(family(Operation::Subtraction, 4, 5), 2, Monday);
    FactCard never;
    never.family = family(Operation::Addition, 0, 0);

    const QList<FactCard> weakest
        = tutor::weakestFirst({ known, never, learning, missedOnce, missedOften });
    QList<FactFamily> order;
    for (const FactCard &card : weakest)
        order.append(card.family);
    QCOMPARE(order,
        (QList<FactFamily> {
            missedOften.family, missedOnce.family, learning.family, known.family }));
    QVERIFY(missedOften.needsTeaching());
    QVERIFY(!missedOnce.needsTeaching());
}

QTEST_GUILESS_MAIN(FactScheduleTest)
#include "fact_schedule_test.moc"
