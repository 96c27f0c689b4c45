#include "rules/time_trial_rules.h"

#include "rules/level_range.h"

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QTest>

#include <optional>

namespace {

constexpr int draws = 3000;

QByteArray problemText(const tutor::TimeTrialProblem &problem)
{
    return QByteArray::number(problem.first) + " and " + QByteArray::number(problem.second);
}

} // namespace

class TimeTrialRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void drawsStayInTheLevelsRange_data();
    void drawsStayInTheLevelsRange();
    void subtractionPutsTheLargerFirst();
    void answerIsJudgedAsTyped_data();
    void answerIsJudgedAsTyped();
    void scoreGoesUpAndDownWithinBounds_data();
    void scoreGoesUpAndDownWithinBounds();
    void clockReddensAtTenFiveAndThree_data();
    void clockReddensAtTenFiveAndThree();
};

void TimeTrialRulesTest::drawsStayInTheLevelsRange_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");

    QTest::newRow("warm up +") << 0 << 1 << 1 << 10;
    QTest::newRow("beginner -") << 1 << 2 << 1 << 25;
    QTest::newRow("intermediate +") << 2 << 1 << 1 << 41;
    QTest::newRow("advanced -") << 3 << 2 << 10 << 75;
    QTest::newRow("expert +") << 4 << 1 << 10 << 100;
}

void TimeTrialRulesTest::drawsStayInTheLevelsRange()
{
    QFETCH(int, level);
    QFETCH(int, operation);
    QFETCH(int, lowest);
    QFETCH(int, highest);

    tutor::ClockSeededRandom random;
    bool sawLowest = false;
    bool sawHighest = false;
    for (int i = 0; i < draws; ++i) {
        const tutor::TimeTrialProblem problem
            = tutor::drawTimeTrialProblem(tutor::Level(level), tutor::Operation(operation), random);
        for (const qint16 number : { problem.first, problem.second }) {
            QVERIFY2(number >= lowest && number <= highest, problemText(problem).constData());
            sawLowest = sawLowest || number == lowest;
            sawHighest = sawHighest || number == highest;
        }
    }
    QVERIFY(sawLowest);
    QVERIFY(sawHighest);
}

void TimeTrialRulesTest::subtractionPutsTheLargerFirst()
{
    tutor::ClockSeededRandom random;
    int secondLargerInAdditions = 0;
    for (int i = 0; i < draws; ++i) {
        const tutor::TimeTrialProblem difference = tutor::drawTimeTrialProblem(
            tutor::Level::WarmUp, tutor::Operation::Subtraction, random);
        QVERIFY2(difference.first >= difference.second, problemText(difference).constData());
        const tutor::TimeTrialProblem sum
            = tutor::drawTimeTrialProblem(tutor::Level::WarmUp, tutor::Operation::Addition, random);
        secondLargerInAdditions += sum.second > sum.first;
    }
    // Additions keep the drawn order: the second is larger in about 45%.
    QVERIFY2(
        secondLargerInAdditions > draws / 4, qPrintable(QString::number(secondLargerInAdditions)));
}

void TimeTrialRulesTest::answerIsJudgedAsTyped_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");

    auto row = [](const char *name, int first, int second, int operation, const char *typed,
                   bool right) {
        QTest::newRow(name) << first << second << operation << QString::fromLatin1(typed) << right;
    };
    row("sum", 7, 5, 1, "12", true);
    row("sum off by one", 7, 5, 1, "13", false);
    row("difference", 9, 3, 2, "6", true);
    row("difference as sum", 9, 3, 2, "12", false);
    row("equal, empty box", 7, 7, 2, "", false);
    row("equal, letters", 7, 7, 2, "abc", false);
    row("equal, sign alone", 7, 7, 2, "-", false);
    row("equal, blanks", 7, 7, 2, "   ", false);
    row("equal, zero", 7, 7, 2, "0", true);
    row("empty box for a sum", 7, 7, 1, "", false);
    row("blanks skipped", 7, 5, 1, " 1 2", true);
    row("stops at a letter", 7, 5, 1, "12a", true);
    row("decimal point", 7, 5, 1, "12.0", true);
    row("a fraction is wrong", 7, 5, 1, "12.5", false);
    row("exponent", 60, 40, 1, "1e2", true);
    row("hexadecimal", 10, 2, 1, "&HC", true);
    row("too large to read", 7, 5, 1, "1e999", false);
    row("unknown operation", 7, 5, 3, "35", false);
    row("no operation", 7, 5, 0, "0", false);
}

void TimeTrialRulesTest::answerIsJudgedAsTyped()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, operation);
    QFETCH(QString, typed);
    QFETCH(bool, right);
    QCOMPARE(tutor::isRightTimeTrialAnswer(
                 typed, { qint16(first), qint16(second) }, tutor::Operation(operation)),
        right);
}

void TimeTrialRulesTest::scoreGoesUpAndDownWithinBounds_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("after");

    QTest::newRow("right at 0") << 0 << true << 1;
    QTest::newRow("right at 5") << 5 << true << 6;
    QTest::newRow("right at the top") << 32767 << true << 32767;
    QTest::newRow("wrong at 5") << 5 << false << 4;
    QTest::newRow("wrong at 1") << 1 << false << 0;
    QTest::newRow("wrong at 0") << 0 << false << 0;
    QTest::newRow("wrong at the top") << 32767 << false << 32766;
}

void TimeTrialRulesTest::scoreGoesUpAndDownWithinBounds()
{
    QFETCH(int, score);
    QFETCH(bool, right);
    QFETCH(int, after);
    QCOMPARE(int(tutor::timeTrialScoreAfter(qint16(score), right)), after);
}

void TimeTrialRulesTest::clockReddensAtTenFiveAndThree_data()
{
    QTest::addColumn<float>("secondsLeft");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("60") << 60.0f << QColor();
    QTest::newRow("12") << 12.0f << QColor();
    QTest::newRow("11 pale red") << 11.0f << QColor(255, 192, 192);
    QTest::newRow("10") << 10.0f << QColor();
    QTest::newRow("6 redder") << 6.0f << QColor(255, 128, 128);
    QTest::newRow("5") << 5.0f << QColor();
    QTest::newRow("4 red") << 4.0f << QColor(255, 0, 0);
    QTest::newRow("3") << 3.0f << QColor();
    QTest::newRow("1") << 1.0f << QColor();
    QTest::newRow("0") << 0.0f << QColor();
}

void TimeTrialRulesTest::clockReddensAtTenFiveAndThree()
{
    QFETCH(float, secondsLeft);
    QFETCH(QColor, colour);
    const std::optional<QColor> changed = tutor::clockColourBeforeTick(secondsLeft);
    QCOMPARE(changed.value_or(QColor()), colour);
    QCOMPARE(tutor::IdleClockColour, QColor(255, 192, 128));
}

QTEST_APPLESS_MAIN(TimeTrialRulesTest)
#include "time_trial_rules_test.moc"
