#include "rules/practice_problem.h"

#include "rules/level_range.h"
#include "rules/operations.h"

#include <QByteArray>
#include <QString>
#include <QTest>

#include <cmath>

namespace {

constexpr int draws = 5000;

bool isWholeWithin(float operand, const tutor::LevelRange &range)
{
    return std::trunc(operand) == operand && operand >= float(range.lowest)
        && operand <= float(range.highest());
}

QByteArray problemText(const tutor::PracticeProblem &problem)
{
    return QByteArray::number(problem.operand1) + " and " + QByteArray::number(problem.operand2);
}

} // namespace

class PracticeProblemTest : public QObject
{
    Q_OBJECT

private slots:
    void subtractionNeverGoesBelowZero_data();
    void subtractionNeverGoesBelowZero();
    void subtractionKeepsEqualNumbers();
    void otherOperationsKeepDrawnOrder_data();
    void otherOperationsKeepDrawnOrder();
    void expectedAnswerRoundsHalvesToEven_data();
    void expectedAnswerRoundsHalvesToEven();
    void operationSignsAsWritten();
};

void PracticeProblemTest::subtractionNeverGoesBelowZero_data()
{
    QTest::addColumn<int>("level");

    QTest::newRow("warm up") << 0;
    QTest::newRow("beginner") << 1;
    QTest::newRow("intermediate") << 2;
    QTest::newRow("advanced") << 3;
    QTest::newRow("expert") << 4;
}

void PracticeProblemTest::subtractionNeverGoesBelowZero()
{
    QFETCH(int, level);

    const tutor::LevelRange range = tutor::levelRange(tutor::Level(level));
    tutor::ClockSeededRandom random;
    bool sawDifferentNumbers = false;
    for (int i = 0; i < draws; ++i) {
        const tutor::PracticeProblem problem = tutor::drawPracticeProblem(
            tutor::Level(level), tutor::Operation::Subtraction, random);
        QVERIFY2(problem.operand1 >= problem.operand2, problemText(problem).constData());
        QVERIFY2(isWholeWithin(problem.operand1, range), problemText(problem).constData());
        QVERIFY2(isWholeWithin(problem.operand2, range), problemText(problem).constData());
        sawDifferentNumbers = sawDifferentNumbers || problem.operand1 > problem.operand2;
    }
    QVERIFY(sawDifferentNumbers);
}

void PracticeProblemTest::subtractionKeepsEqualNumbers()
{
    tutor::ClockSeededRandom random;
    int equal = 0;
    for (int i = 0; i < draws; ++i) {
        const tutor::PracticeProblem problem = tutor::drawPracticeProblem(
            tutor::Level::WarmUp, tutor::Operation::Subtraction, random);
        equal += problem.operand1 == problem.operand2;
    }
    // About one Warm Up draw in ten gives the same number twice.
    QVERIFY2(equal > 0, "equal numbers never came up");
}

void PracticeProblemTest::otherOperationsKeepDrawnOrder_data()
{
    QTest::addColumn<int>("operation");

    QTest::newRow("addition") << 1;
    QTest::newRow("multiplication") << 3;
    QTest::newRow("division") << 4;
}

void PracticeProblemTest::otherOperationsKeepDrawnOrder()
{
    QFETCH(int, operation);

    const tutor::LevelRange range = tutor::levelRange(tutor::Level::WarmUp);
    tutor::ClockSeededRandom random;
    int secondLarger = 0;
    for (int i = 0; i < draws; ++i) {
        const tutor::PracticeProblem problem
            = tutor::drawPracticeProblem(tutor::Level::WarmUp, tutor::Operation(operation), random);
        QVERIFY2(isWholeWithin(problem.operand1, range), problemText(problem).constData());
        QVERIFY2(isWholeWithin(problem.operand2, range), problemText(problem).constData());
        secondLarger += problem.operand2 > problem.operand1;
    }
    // Roughly 45% of draws; a swap would make it none.
    QVERIFY2(secondLarger > draws / 4, qPrintable(QString::number(secondLarger)));
}

void PracticeProblemTest::expectedAnswerRoundsHalvesToEven_data()
{
    QTest::addColumn<float>("first");
    QTest::addColumn<float>("second");
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("expected");

    QTest::newRow("addition") << 3.0f << 7.0f << 1 << 10;
    QTest::newRow("subtraction") << 9.0f << 3.0f << 2 << 6;
    QTest::newRow("equal subtraction") << 8.0f << 8.0f << 2 << 0;
    QTest::newRow("expert product") << 100.0f << 100.0f << 3 << 10000;
    QTest::newRow("9 / 6 is 1.5") << 9.0f << 6.0f << 4 << 2;
    QTest::newRow("15 / 6 is 2.5") << 15.0f << 6.0f << 4 << 2;
    QTest::newRow("7 / 2 is 3.5") << 7.0f << 2.0f << 4 << 4;
    QTest::newRow("5 / 2 is 2.5") << 5.0f << 2.0f << 4 << 2;
    QTest::newRow("2 / 3") << 2.0f << 3.0f << 4 << 1;
    QTest::newRow("1 / 3") << 1.0f << 3.0f << 4 << 0;
    QTest::newRow("1 / 2 is a half") << 1.0f << 2.0f << 4 << 0;
    QTest::newRow("7 / 3") << 7.0f << 3.0f << 4 << 2;
    QTest::newRow("3 / 8") << 3.0f << 8.0f << 4 << 0;
    QTest::newRow("2 / 9") << 2.0f << 9.0f << 4 << 0;
}

void PracticeProblemTest::expectedAnswerRoundsHalvesToEven()
{
    QFETCH(float, first);
    QFETCH(float, second);
    QFETCH(int, operation);
    QFETCH(int, expected);
    const std::optional<qint16> answer
        = tutor::expectedAnswer(first, second, tutor::Operation(operation));
    QVERIFY(answer.has_value());
    QCOMPARE(int(*answer), expected);
}

void PracticeProblemTest::operationSignsAsWritten()
{
    using tutor::Operation;
    QCOMPARE(tutor::plainSign(Operation::Addition), QStringLiteral("+"));
    QCOMPARE(tutor::plainSign(Operation::Subtraction), QStringLiteral("-"));
    QCOMPARE(tutor::plainSign(Operation::Multiplication), QStringLiteral("*"));
    QCOMPARE(tutor::plainSign(Operation::Division), QStringLiteral("/"));
    QVERIFY(tutor::plainSign(Operation(0)).isEmpty());
    QVERIFY(!tutor::expectedAnswer(1, 2, Operation(5)).has_value());
}

QTEST_APPLESS_MAIN(PracticeProblemTest)
#include "practice_problem_test.moc"
