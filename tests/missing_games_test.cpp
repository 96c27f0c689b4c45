#include "rules/missing_games.h"

#include "rules/level_range.h"

#include <QString>
#include <QTest>

#include <algorithm>
#include <array>
#include <set>

namespace {

// The uniform value that draws `number` at `level`: the middle of its slice.
double drawing(int level, int number)
{
    const tutor::LevelRange range = tutor::levelRange(tutor::Level(level));
    return (number - range.lowest + 0.5) / range.count;
}

constexpr double JustBelowOne = 0.9999999999999999;

} // namespace

class MissingGamesTest : public QObject
{
    Q_OBJECT

private slots:
    void gamesDrawAtKnownLevelOrExpert_data();
    void gamesDrawAtKnownLevelOrExpert();
    void missingNumberIsNeverNegative_data();
    void missingNumberIsNeverNegative();
    void missingNumberDrawsStayInLevelRange_data();
    void missingNumberDrawsStayInLevelRange();
    void typedMissingNumberIsReadFromTheStart_data();
    void typedMissingNumberIsReadFromTheStart();
    void missingOperationProblemIsBuiltFromThreeDraws_data();
    void missingOperationProblemIsBuiltFromThreeDraws();
    void subtractionComesUpOneTimeInThirtyMore();
    void missingOperationDrawsStayInLevelRange_data();
    void missingOperationDrawsStayInLevelRange();
    void anyOperationGivingTheResultIsRight_data();
    void anyOperationGivingTheResultIsRight();
};

void MissingGamesTest::gamesDrawAtKnownLevelOrExpert_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("drawnAt");
    QTest::newRow("warm up") << 0 << 0;
    QTest::newRow("beginner") << 1 << 1;
    QTest::newRow("intermediate") << 2 << 2;
    QTest::newRow("advanced") << 3 << 3;
    QTest::newRow("expert") << 4 << 4;
    QTest::newRow("five") << 5 << 4;
    QTest::newRow("minus one") << -1 << 4;
    QTest::newRow("largest") << 32767 << 4;
    QTest::newRow("most negative") << -32768 << 4;
}

void MissingGamesTest::gamesDrawAtKnownLevelOrExpert()
{
    QFETCH(int, level);
    QFETCH(int, drawnAt);
    QCOMPARE(tutor::knownLevel(tutor::Level(level)), tutor::Level(drawnAt));
}

void MissingGamesTest::missingNumberIsNeverNegative_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("hidden");

    QTest::newRow("add 7 3") << 0 << 1 << 7 << 3 << 3 << 7 << 4;
    QTest::newRow("sub 7 3") << 0 << 2 << 7 << 3 << 7 << 3 << 4;
    QTest::newRow("add 3 7") << 0 << 1 << 3 << 7 << 3 << 7 << 4;
    QTest::newRow("sub 3 7") << 0 << 2 << 3 << 7 << 7 << 3 << 4;
    QTest::newRow("add equal") << 0 << 1 << 5 << 5 << 5 << 5 << 0;
    QTest::newRow("sub equal") << 0 << 2 << 5 << 5 << 5 << 5 << 0;
    QTest::newRow("expert add widest") << 4 << 1 << 100 << 10 << 10 << 100 << 90;
    QTest::newRow("expert sub widest") << 4 << 2 << 10 << 100 << 100 << 10 << 90;
    // Any code but Addition is ordered as Subtraction.
    QTest::newRow("multiplication") << 2 << 3 << 4 << 41 << 41 << 4 << 37;
    QTest::newRow("division") << 1 << 4 << 25 << 1 << 25 << 1 << 24;
}

void MissingGamesTest::missingNumberIsNeverNegative()
{
    QFETCH(int, level);
    QFETCH(int, operation);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(int, hidden);

    const tutor::MissingNumberProblem problem = tutor::missingNumberProblem(
        tutor::Level(level), tutor::Operation(operation), drawing(level, a), drawing(level, b));
    QCOMPARE(problem.top, qint16(top));
    QCOMPARE(problem.bottom, qint16(bottom));
    QCOMPARE(tutor::missingNumber(problem, tutor::Operation(operation)), qint16(hidden));
}

void MissingGamesTest::missingNumberDrawsStayInLevelRange_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::newRow("warm up") << 0 << 1 << 10;
    QTest::newRow("beginner") << 1 << 1 << 25;
    QTest::newRow("intermediate") << 2 << 1 << 41;
    QTest::newRow("advanced") << 3 << 10 << 75;
    QTest::newRow("expert") << 4 << 10 << 100;
}

void MissingGamesTest::missingNumberDrawsStayInLevelRange()
{
    QFETCH(int, level);
    QFETCH(int, lowest);
    QFETCH(int, highest);

    // The ends of [0, 1) give the ends of the range, for both orders.
    for (tutor::Operation operation :
        { tutor::Operation::Addition, tutor::Operation::Subtraction }) {
        const tutor::MissingNumberProblem widest
            = tutor::missingNumberProblem(tutor::Level(level), operation, 0.0, JustBelowOne);
        QCOMPARE(tutor::missingNumber(widest, operation), qint16(highest - lowest));
        QCOMPARE(std::min(widest.top, widest.bottom), qint16(lowest));
        QCOMPARE(std::max(widest.top, widest.bottom), qint16(highest));
    }

    tutor::ClockSeededRandom random;
    for (int i = 0; i < 2000; ++i) {
        const tutor::Operation operation
            = i % 2 ? tutor::Operation::Addition : tutor::Operation::Subtraction;
        const double first = random.unit();
        const double second = random.unit();
        const tutor::MissingNumberProblem problem
            = tutor::missingNumberProblem(tutor::Level(level), operation, first, second);
        QVERIFY(problem.top >= lowest && problem.top <= highest);
        QVERIFY(problem.bottom >= lowest && problem.bottom <= highest);
        const qint16 hidden = tutor::missingNumber(problem, operation);
        QVERIFY(hidden >= 0 && hidden <= 90);
    }
}

void MissingGamesTest::typedMissingNumberIsReadFromTheStart_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("hidden");
    QTest::addColumn<bool>("right");

    QTest::newRow("4") << QStringLiteral("4") << 4 << true;
    QTest::newRow("04") << QStringLiteral("04") << 4 << true;
    QTest::newRow("4.0") << QStringLiteral("4.0") << 4 << true;
    QTest::newRow("4.5") << QStringLiteral("4.5") << 4 << false;
    QTest::newRow("four") << QStringLiteral("four") << 4 << false;
    QTest::newRow("empty for 4") << QString() << 4 << false;
    QTest::newRow("empty for 0") << QString() << 0 << false;
    QTest::newRow("word for 0") << QStringLiteral("four") << 0 << false;
    QTest::newRow("point alone for 0") << QStringLiteral(".") << 0 << false;
    QTest::newRow("hex prefix alone for 0") << QStringLiteral("&H") << 0 << false;
    QTest::newRow("0 for 0") << QStringLiteral("0") << 0 << true;
    QTest::newRow("12abc") << QStringLiteral("12abc") << 12 << true;
    QTest::newRow("inner blank") << QStringLiteral(" 1 2") << 12 << true;
    QTest::newRow("1.5 is not 1") << QStringLiteral("1.5") << 1 << false;
    QTest::newRow("1.5 is not 2") << QStringLiteral("1.5") << 2 << false;
    QTest::newRow("negative") << QStringLiteral("-4") << 4 << false;
}

void MissingGamesTest::typedMissingNumberIsReadFromTheStart()
{
    QFETCH(QString, typed);
    QFETCH(int, hidden);
    QFETCH(bool, right);
    QCOMPARE(tutor::isMissingNumber(typed, qint16(hidden)), right);
}

void MissingGamesTest::missingOperationProblemIsBuiltFromThreeDraws_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("k"); // the operation draw, 10 to 100
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("operation");

    QTest::newRow("k 12 adds") << 0 << 3 << 5 << 12 << 3 << 5 << 8 << 1;
    QTest::newRow("k 99 adds") << 0 << 9 << 2 << 99 << 9 << 2 << 11 << 1;
    QTest::newRow("k 10 subtracts") << 0 << 5 << 3 << 10 << 5 << 3 << 2 << 2;
    QTest::newRow("smaller first swapped") << 0 << 3 << 5 << 100 << 5 << 3 << 2 << 2;
    QTest::newRow("equal give 0") << 0 << 3 << 3 << 13 << 3 << 3 << 0 << 2;
    QTest::newRow("k 11 multiplies") << 0 << 4 << 6 << 11 << 4 << 6 << 24 << 3;
    QTest::newRow("multiplication keeps order") << 1 << 25 << 2 << 98 << 25 << 2 << 50 << 3;
    QTest::newRow("expert largest product") << 4 << 100 << 100 << 11 << 100 << 100 << 10000 << 3;
    QTest::newRow("expert largest sum") << 4 << 100 << 100 << 30 << 100 << 100 << 200 << 1;
    QTest::newRow("expert widest difference") << 4 << 10 << 100 << 52 << 100 << 10 << 90 << 2;
}

void MissingGamesTest::missingOperationProblemIsBuiltFromThreeDraws()
{
    QFETCH(int, level);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, k);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, result);
    QFETCH(int, operation);

    const tutor::MissingOperationProblem problem = tutor::missingOperationProblem(
        tutor::Level(level), drawing(level, a), drawing(level, b), drawing(4, k));
    QCOMPARE(problem.first, qint16(first));
    QCOMPARE(problem.second, qint16(second));
    QCOMPARE(problem.result, qint16(result));
    QCOMPARE(problem.operation, tutor::Operation(operation));
}

void MissingGamesTest::subtractionComesUpOneTimeInThirtyMore()
{
    std::array<int, 4> drawn {};
    for (int k = 10; k <= 100; ++k)
        ++drawn[tutor::code(
            tutor::missingOperationProblem(tutor::Level::WarmUp, 0.5, 0.5, drawing(4, k))
                .operation)];
    QCOMPARE(drawn[0], 0);
    QCOMPARE(drawn[1], 30);
    QCOMPARE(drawn[2], 31);
    QCOMPARE(drawn[3], 30);
    // The ends of [0, 1) are k = 10 and k = 100.
    QCOMPARE(tutor::missingOperationProblem(tutor::Level::WarmUp, 0.5, 0.5, 0.0).operation,
        tutor::Operation::Subtraction);
    QCOMPARE(tutor::missingOperationProblem(tutor::Level::WarmUp, 0.5, 0.5, JustBelowOne).operation,
        tutor::Operation::Subtraction);
}

void MissingGamesTest::missingOperationDrawsStayInLevelRange_data()
{
    missingNumberDrawsStayInLevelRange_data();
}

void MissingGamesTest::missingOperationDrawsStayInLevelRange()
{
    QFETCH(int, level);
    QFETCH(int, lowest);
    QFETCH(int, highest);

    tutor::ClockSeededRandom random;
    std::set<int> operations;
    std::set<int> numbers;
    for (int i = 0; i < 2000; ++i) {
        const double first = random.unit();
        const double second = random.unit();
        const double operation = random.unit();
        const tutor::MissingOperationProblem problem
            = tutor::missingOperationProblem(tutor::Level(level), first, second, operation);
        QVERIFY(problem.first >= lowest && problem.first <= highest);
        QVERIFY(problem.second >= lowest && problem.second <= highest);
        QVERIFY(problem.result >= 0);
        // The drawn operation always fits its own result.
        QVERIFY(tutor::operationGivesResult(problem, problem.operation));
        if (problem.operation == tutor::Operation::Subtraction)
            QVERIFY(problem.first >= problem.second);
        operations.insert(tutor::code(problem.operation));
        numbers.insert(problem.first);
    }
    QCOMPARE(operations, (std::set<int> { 1, 2, 3 }));
    QVERIFY(numbers.size() > 5);
}

void MissingGamesTest::anyOperationGivingTheResultIsRight_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<bool>("right");

    QTest::newRow("2 2 4 addition") << 2 << 2 << 4 << 1 << true;
    QTest::newRow("2 2 4 multiplication") << 2 << 2 << 4 << 3 << true;
    QTest::newRow("2 2 4 subtraction") << 2 << 2 << 4 << 2 << false;
    QTest::newRow("3 3 0 subtraction") << 3 << 3 << 0 << 2 << true;
    QTest::newRow("3 3 0 addition") << 3 << 3 << 0 << 1 << false;
    QTest::newRow("3 3 0 multiplication") << 3 << 3 << 0 << 3 << false;
    QTest::newRow("5 3 8 addition") << 5 << 3 << 8 << 1 << true;
    QTest::newRow("5 3 8 multiplication") << 5 << 3 << 8 << 3 << false;
    QTest::newRow("5 3 2 subtraction") << 5 << 3 << 2 << 2 << true;
    QTest::newRow("5 3 2 addition") << 5 << 3 << 2 << 1 << false;
    QTest::newRow("4 6 24 multiplication") << 4 << 6 << 24 << 3 << true;
    QTest::newRow("4 6 24 addition") << 4 << 6 << 24 << 1 << false;
    QTest::newRow("100 100 10000") << 100 << 100 << 10000 << 3 << true;
    // Division is never an answer, even where it would fit.
    QTest::newRow("4 2 2 division") << 4 << 2 << 2 << 4 << false;
    QTest::newRow("nothing chosen") << 3 << 3 << 0 << 0 << false;
}

void MissingGamesTest::anyOperationGivingTheResultIsRight()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, result);
    QFETCH(int, chosen);
    QFETCH(bool, right);

    const tutor::MissingOperationProblem problem { qint16(first), qint16(second), qint16(result),
        tutor::Operation(0) };
    QCOMPARE(tutor::operationGivesResult(problem, tutor::Operation(chosen)), right);
}

QTEST_MAIN(MissingGamesTest)
#include "missing_games_test.moc"
