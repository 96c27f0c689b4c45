#include "progress/progress_stats.h"

#include <QCoreApplication>
#include <QtTest>

#include <cstdlib>
#include <ctime>

using namespace Qt::StringLiterals;
using progress::FactState;
using tutor::AnswerMode;
using tutor::Operation;

// Local days are checked five hours behind UTC (the zone is set in main()),
// so a day's first hours in UTC still belong to the local day before.
namespace {

const QDateTime Now(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC); // 07:00 local

tutor::Attempt answer(const QDateTime &at, Operation operation = Operation::Addition,
    bool correct = true, qint64 millis = 1000, AnswerMode mode = AnswerMode::Practice)
{
    tutor::Attempt attempt;
    attempt.answeredAt = at;
    attempt.mode = mode;
    attempt.operation = operation;
    attempt.first = 3;
    attempt.second = 4;
    attempt.correct = correct;
    attempt.millis = millis;
    return attempt;
}

// The same problem the other way round: 4 x 3 for 3 x 4.
tutor::Attempt turnedRound(tutor::Attempt attempt)
{
    std::swap(attempt.first, attempt.second);
    return attempt;
}

QDateTime local(QDate day, QTime time)
{
    return QDateTime(day, time, Qt::LocalTime).toUTC();
}

} // namespace

Q_DECLARE_METATYPE(std::optional<qint64>)
Q_DECLARE_METATYPE(FactState)

class ProgressStatsTest : public QObject
{
    Q_OBJECT

private slots:
    void medianIsTheMiddleTime_data();
    void medianIsTheMiddleTime();
    void tallyCountsAnswersAndRightOnes();
    void answersFallIntoTheLocalDaysTheyWereGivenOn_data();
    void answersFallIntoTheLocalDaysTheyWereGivenOn();
    void chartHasEveryOneOfThirtyDaysAndEveryMode();
    void factIsJudgedByItsLatestAnswer_data();
    void factIsJudgedByItsLatestAnswer();
    void factsOutsideTheGridAreLeftOut();
    void totalsCountDaysAndTheLatestAnswer();
};

void ProgressStatsTest::medianIsTheMiddleTime_data()
{
    QTest::addColumn<QList<qint64>>("millis");
    QTest::addColumn<std::optional<qint64>>("median");
    QTest::newRow("none") << QList<qint64>() << std::optional<qint64>();
    QTest::newRow("one") << QList<qint64> { 1200 } << std::optional<qint64>(1200);
    QTest::newRow("odd, unsorted")
        << QList<qint64> { 900, 5000, 100, 7000, 2000 } << std::optional<qint64>(2000);
    QTest::newRow("even: mean of the middle two")
        << QList<qint64> { 4000, 1000, 3000, 2000 } << std::optional<qint64>(2500);
    QTest::newRow("even, rounded down")
        << QList<qint64> { 1000, 1001 } << std::optional<qint64>(1000);
    QTest::newRow("repeated") << QList<qint64> { 5, 5, 5, 9 } << std::optional<qint64>(5);
    QTest::newRow("huge, no overflow")
        << QList<qint64> { std::numeric_limits<qint64>::max(), std::numeric_limits<qint64>::max() }
        << std::optional<qint64>(std::numeric_limits<qint64>::max());
}

void ProgressStatsTest::medianIsTheMiddleTime()
{
    QFETCH(QList<qint64>, millis);
    QFETCH(std::optional<qint64>, median);
    QCOMPARE(progress::medianMillis(millis), median);
}

void ProgressStatsTest::tallyCountsAnswersAndRightOnes()
{
    const progress::Tally tally
        = progress::tallyOf({ { true, 3000 }, { false, 1000 }, { true, 2000 } });
    QCOMPARE(tally.answers, 3);
    QCOMPARE(tally.right, 2);
    QCOMPARE(tally.medianMillis, std::optional<qint64>(2000));
    QCOMPARE(progress::tallyOf({}).medianMillis, std::optional<qint64>());
}

void ProgressStatsTest::answersFallIntoTheLocalDaysTheyWereGivenOn_data()
{
    QTest::addColumn<QDateTime>("at");
    QTest::addColumn<bool>("today");
    QTest::addColumn<bool>("week");
    QTest::addColumn<bool>("month");
    QTest::addColumn<int>("chartDay"); // index among the 30 days; -1 none

    const QDate today(2026, 12, 9);
    QTest::newRow("now") << Now << true << true << true << 29;
    QTest::newRow("today's first minute")
        << local(today, QTime(0, 0)) << true << true << true << 29;
    QTest::newRow("today in UTC, yesterday here")
        << QDateTime(today, QTime(4, 59), Qt::UTC) << false << true << true << 28;
    QTest::newRow("yesterday's last minute, today in UTC")
        << local(today.addDays(-1), QTime(23, 59, 59, 999)) << false << true << true << 28;
    QTest::newRow("first day of the week")
        << local(today.addDays(-6), QTime(0, 0)) << false << true << true << 23;
    QTest::newRow("just before the week")
        << local(today.addDays(-7), QTime(23, 59)) << false << false << true << 22;
    QTest::newRow("first day of the month")
        << local(today.addDays(-29), QTime(0, 0)) << false << false << true << 0;
    QTest::newRow("just before the month")
        << local(today.addDays(-30), QTime(23, 59)) << false << false << false << -1;
    QTest::newRow("later today") << local(today, QTime(23, 0)) << true << true << true << 29;
    QTest::newRow("tomorrow, a wrong clock")
        << local(today.addDays(1), QTime(0, 0)) << false << false << false << -1;
}

void ProgressStatsTest::answersFallIntoTheLocalDaysTheyWereGivenOn()
{
    QFETCH(QDateTime, at);
    QFETCH(bool, today);
    QFETCH(bool, week);
    QFETCH(bool, month);
    QFETCH(int, chartDay);

    const progress::PupilProgress shown
        = progress::pupilProgress(u"Ann"_s, { answer(at, Operation::Subtraction) }, Now);
    QCOMPARE(shown.operations.size(), 4);
    const progress::OperationProgress &subtraction = shown.operations.at(1);
    QCOMPARE(subtraction.operation, Operation::Subtraction);
    QCOMPARE(subtraction.today.answers, today ? 1 : 0);
    QCOMPARE(subtraction.lastWeek.answers, week ? 1 : 0);
    QCOMPARE(subtraction.lastMonth.answers, month ? 1 : 0);
    QCOMPARE(shown.operations.at(0).lastMonth.answers, 0);
    for (int day = 0; day < shown.days.size(); ++day)
        QCOMPARE(shown.days.at(day).tally.answers, day == chartDay ? 1 : 0);
}

void ProgressStatsTest::chartHasEveryOneOfThirtyDaysAndEveryMode()
{
    const QDate today(2026, 12, 9);
    const QList<tutor::Attempt> answers {
        answer(local(today, QTime(6, 0)), Operation::Addition, true, 4000),
        answer(local(today, QTime(6, 1)), Operation::Division, false, 1000),
        answer(local(today, QTime(6, 2)), Operation::Addition, true, 9000, AnswerMode::TimeTrial),
        answer(local(today.addDays(-3), QTime(9, 0)), Operation::Addition, true, 500,
            AnswerMode::MissingNumber),
    };
    const progress::PupilProgress shown = progress::pupilProgress(u"Ann"_s, answers, Now);
    QCOMPARE(shown.name, u"Ann"_s);
    QCOMPARE(shown.worked, Now);
    QCOMPARE(shown.days.size(), 30);
    for (int day = 0; day < 30; ++day)
        QCOMPARE(shown.days.at(day).day, today.addDays(day - 29));
    // The days count the games' answers too, as the operations do.
    const progress::Tally &todays = shown.days.last().tally;
    QCOMPARE(todays.answers, 3);
    QCOMPARE(todays.right, 2);
    QCOMPARE(todays.medianMillis, std::optional<qint64>(4000));
    QCOMPARE(shown.days.at(26).tally.answers, 1); // a game only
    QCOMPARE(shown.operations.at(0).today.answers, 2);
    QCOMPARE(shown.operations.at(0).lastWeek.answers, 3);
    QCOMPARE(shown.operations.at(0).lastWeek.medianMillis, std::optional<qint64>(4000));
}

void ProgressStatsTest::factIsJudgedByItsLatestAnswer_data()
{
    QTest::addColumn<QList<tutor::Attempt>>("answers"); // to 3 x 4
    QTest::addColumn<FactState>("state");
    QTest::addColumn<int>("quickSeconds"); // the teacher's setting
    // By family: the latest answer to 3 x 4 or to 4 x 3 was wrong.
    QTest::addColumn<bool>("familyMissed");

    const QDateTime early = Now.addDays(-40);
    const QDateTime late = Now.addSecs(-60);
    QTest::newRow("never asked") << QList<tutor::Attempt>() << FactState::NotSeen << 3 << false;
    QTest::newRow("wrong") << QList<tutor::Attempt> { answer(
        late, Operation::Multiplication, false, 500) }
                           << FactState::WrongLately << 3 << true;
    QTest::newRow("right, just quick enough")
        << QList<tutor::Attempt> { answer(late, Operation::Multiplication, true, 2999) }
        << FactState::RightAndQuick << 3 << false;
    QTest::newRow("right, just too slow")
        << QList<tutor::Attempt> { answer(late, Operation::Multiplication, true, 3000) }
        << FactState::RightButSlow << 3 << false;
    QTest::newRow("wrong long ago, right lately")
        << QList<tutor::Attempt> { answer(early, Operation::Multiplication, false),
               answer(late, Operation::Multiplication, true, 100) }
        << FactState::RightAndQuick << 3 << false;
    QTest::newRow("latest listed first")
        << QList<tutor::Attempt> { answer(late, Operation::Multiplication, false),
               answer(early, Operation::Multiplication, true, 100) }
        << FactState::WrongLately << 3 << true;
    QTest::newRow("another operation's answer is not this fact's")
        << QList<tutor::Attempt> { answer(early, Operation::Multiplication, true, 100),
               answer(late, Operation::Addition, false) }
        << FactState::RightAndQuick << 3 << false;
    QTest::newRow("a game's answer counts")
        << QList<tutor::Attempt> { answer(early, Operation::Multiplication, true, 100),
               answer(late, Operation::Multiplication, false, 100, AnswerMode::TimeTrial) }
        << FactState::WrongLately << 3 << true;
    QTest::newRow("the teacher allows 5 s: 4.9 s is quick")
        << QList<tutor::Attempt> { answer(late, Operation::Multiplication, true, 4999) }
        << FactState::RightAndQuick << 5 << false;
    QTest::newRow("the teacher allows 1 s: 1 s is slow")
        << QList<tutor::Attempt> { answer(late, Operation::Multiplication, true, 1000) }
        << FactState::RightButSlow << 1 << false;
    // A fact missed ten times never looks like one always right, the twin
    // asked the other way round or not.
    QTest::newRow("the twin missed lately")
        << QList<tutor::Attempt> { turnedRound(answer(early, Operation::Multiplication, false)),
               answer(late, Operation::Multiplication, true, 100) }
        << FactState::RightAndQuick << 3 << true;
    QTest::newRow("the twin right since its miss")
        << QList<tutor::Attempt> { turnedRound(answer(early, Operation::Multiplication, false)),
               turnedRound(answer(late, Operation::Multiplication, true)),
               answer(late, Operation::Multiplication, true, 100) }
        << FactState::RightAndQuick << 3 << false;
}

void ProgressStatsTest::factIsJudgedByItsLatestAnswer()
{
    QFETCH(QList<tutor::Attempt>, answers);
    QFETCH(FactState, state);
    QFETCH(int, quickSeconds);
    QFETCH(bool, familyMissed);
    const progress::PupilProgress shown
        = progress::pupilProgress(u"Ann"_s, answers, Now, qint64(quickSeconds) * 1000);
    QCOMPARE(shown.facts.size(), 4);
    const progress::FactGrid &grid = shown.facts.at(2);
    QCOMPARE(grid.operation, Operation::Multiplication);
    QCOMPARE(grid.cells[3][4], state);
    const bool twinAsked = std::any_of(answers.cbegin(), answers.cend(),
        [](const tutor::Attempt &attempt) { return attempt.first == 4; });
    if (!twinAsked)
        QCOMPARE(grid.cells[4][3], FactState::NotSeen);
    QCOMPARE(grid.familyMissed[3][4], familyMissed);
    QCOMPARE(grid.familyMissed[4][3], familyMissed);
}

void ProgressStatsTest::factsOutsideTheGridAreLeftOut()
{
    QList<tutor::Attempt> answers;
    for (const auto &[first, second] : QList<std::pair<double, double>> {
             { 13, 2 }, { 2, -1 }, { 2.5, 2 }, { 12, 12 }, { 0, 0 }, { 144, 12 } }) {
        tutor::Attempt attempt = answer(Now, Operation::Division, false);
        attempt.first = first;
        attempt.second = second;
        answers << attempt;
    }
    const progress::PupilProgress shown = progress::pupilProgress(u"Ann"_s, answers, Now);
    const progress::FactGrid &grid = shown.facts.at(3);
    int seen = 0;
    for (const auto &row : grid.cells)
        seen += int(std::count(row.begin(), row.end(), FactState::WrongLately));
    QCOMPARE(seen, 2);
    QCOMPARE(grid.cells[12][12], FactState::WrongLately);
    QCOMPARE(grid.cells[0][0], FactState::WrongLately);
    // By family, 12 / 12 and 144 / 12 are in the grid and 0 / 0 is none.
    QVERIFY(grid.familyMissed[1][12] && grid.familyMissed[12][1]);
    QVERIFY(grid.familyMissed[12][12]);
    int families = 0;
    for (const auto &row : grid.familyMissed)
        families += int(std::count(row.begin(), row.end(), true));
    QCOMPARE(families, 3);
}

void ProgressStatsTest::totalsCountDaysAndTheLatestAnswer()
{
    const QDate today(2026, 12, 9);
    // Yesterday here, today in UTC: the pupil practised on two local days.
    const QDateTime latest = local(today.addDays(-1), QTime(23, 30));
    const QList<tutor::Attempt> answers {
        answer(local(today.addDays(-1), QTime(23, 0)), Operation::Addition, true, 1000),
        answer(latest, Operation::Addition, false, 3000, AnswerMode::MissingNumber),
        answer(local(today.addDays(-100), QTime(12, 0)), Operation::Division, true, 8000),
        answer(local(today.addDays(-1), QTime(1, 0)), Operation::Addition, true, 2000),
    };
    const progress::PupilTotals totals = progress::pupilTotals(7, u"Ann"_s, answers);
    QCOMPARE(totals.pupilId, 7);
    QCOMPARE(totals.name, u"Ann"_s);
    QCOMPARE(totals.all.answers, 4);
    QCOMPARE(totals.all.right, 3);
    QCOMPARE(totals.all.medianMillis, std::optional<qint64>(2500));
    QCOMPARE(totals.daysPractised, 2);
    QCOMPARE(totals.lastPractised, latest);
    QCOMPARE(totals.lastPractised.timeSpec(), Qt::UTC);
    QCOMPARE(totals.byOperation.size(), 4);
    QCOMPARE(totals.byOperation.at(0).tally.answers, 3);
    QCOMPARE(totals.byOperation.at(0).tally.medianMillis, std::optional<qint64>(2000));
    QCOMPARE(totals.byOperation.at(1).tally.answers, 0);
    QCOMPARE(totals.byOperation.at(3).operation, Operation::Division);
    QCOMPARE(totals.byOperation.at(3).tally.right, 1);

    const progress::PupilTotals none = progress::pupilTotals(8, u"Bob"_s, {});
    QCOMPARE(none.daysPractised, 0);
    QVERIFY(!none.lastPractised.isValid());
    QCOMPARE(none.all.medianMillis, std::optional<qint64>());
}

int main(int argc, char *argv[])
{
    // Five hours behind UTC all year, with no time zone files needed.
    qputenv("TZ", "XST5");
    tzset();
    QCoreApplication app(argc, argv);
    ProgressStatsTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "progress_stats_test.moc"
