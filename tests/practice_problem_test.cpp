#include "practice/practice_problem.h"

#include "practice/level_range.h"

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

    const auto code = static_cast<qint16>(level);
    const tutor::LevelRange range = tutor::levelRange(code);
    tutor::ClockSeededRandom random;
    bool sawDifferentNumbers = false;
    for (int i = 0; i < draws; ++i) {
        const tutor::PracticeProblem problem = tutor::drawPracticeProblem(code, 2, random);
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
        const tutor::PracticeProblem problem = tutor::drawPracticeProblem(0, 2, random);
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

    const tutor::LevelRange range = tutor::levelRange(0);
    tutor::ClockSeededRandom random;
    int secondLarger = 0;
    for (int i = 0; i < draws; ++i) {
        const tutor::PracticeProblem problem
            = tutor::drawPracticeProblem(0, static_cast<qint16>(operation), random);
        QVERIFY2(isWholeWithin(problem.operand1, range), problemText(problem).constData());
        QVERIFY2(isWholeWithin(problem.operand2, range), problemText(problem).constData());
        secondLarger += problem.operand2 > problem.operand1;
    }
    // Roughly 45% of draws; a swap would make it none.
    QVERIFY2(secondLarger > draws / 4, qPrintable(QString::number(secondLarger)));
}

QTEST_APPLESS_MAIN(PracticeProblemTest)
#include "practice_problem_test.moc"
