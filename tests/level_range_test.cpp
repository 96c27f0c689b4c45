#include "rules/level_range.h"

#include <QString>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

class LevelRangeTest : public QObject
{
    Q_OBJECT

private slots:
    void levelCoversItsNumbers_data();
    void levelCoversItsNumbers();
    void unknownLevelIsExpert_data();
    void unknownLevelIsExpert();
    void endsOfUnitIntervalGiveEndsOfRange_data();
    void endsOfUnitIntervalGiveEndsOfRange();
    void drawsReachEveryNumberAndNoOther_data();
    void drawsReachEveryNumberAndNoOther();
    void unitValuesStayBelowOne();
    void generatorsMadeBackToBackDiffer();
    void fixedSeedRepeatsTheDraws();
};

void LevelRangeTest::levelCoversItsNumbers_data()
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

void LevelRangeTest::levelCoversItsNumbers()
{
    QFETCH(int, level);
    QFETCH(int, lowest);
    QFETCH(int, highest);

    const tutor::LevelRange range = tutor::levelRange(tutor::Level(level));
    QCOMPARE(range.lowest, lowest);
    QCOMPARE(range.highest(), highest);
    QCOMPARE(tutor::knownLevel(tutor::Level(level)), tutor::Level(level));
}

void LevelRangeTest::unknownLevelIsExpert_data()
{
    QTest::addColumn<int>("level");

    QTest::newRow("minus one") << -1;
    QTest::newRow("most negative") << -32768;
    QTest::newRow("five") << 5;
    QTest::newRow("largest") << 32767;
}

void LevelRangeTest::unknownLevelIsExpert()
{
    QFETCH(int, level);

    const tutor::LevelRange range = tutor::levelRange(tutor::Level(level));
    QCOMPARE(range.lowest, 10);
    QCOMPARE(range.highest(), 100);
    QCOMPARE(tutor::levelNumber(tutor::Level(level), 0.5), 55);
    QCOMPARE(tutor::knownLevel(tutor::Level(level)), tutor::Level::Expert);
}

void LevelRangeTest::endsOfUnitIntervalGiveEndsOfRange_data()
{
    levelCoversItsNumbers_data();
}

void LevelRangeTest::endsOfUnitIntervalGiveEndsOfRange()
{
    QFETCH(int, level);
    QFETCH(int, lowest);
    QFETCH(int, highest);

    QCOMPARE(tutor::levelNumber(tutor::Level(level), 0.0), lowest);
    QCOMPARE(tutor::levelNumber(tutor::Level(level), std::nextafter(1.0, 0.0)), highest);
}

void LevelRangeTest::drawsReachEveryNumberAndNoOther_data()
{
    levelCoversItsNumbers_data();
}

void LevelRangeTest::drawsReachEveryNumberAndNoOther()
{
    QFETCH(int, level);
    QFETCH(int, lowest);
    QFETCH(int, highest);

    tutor::ClockSeededRandom random;
    std::vector<int> seen(std::size_t(highest - lowest + 1), 0);
    for (int i = 0; i < 20000; ++i) {
        const int number = random.levelNumber(tutor::Level(level));
        QVERIFY2(number >= lowest && number <= highest, qPrintable(QString::number(number)));
        ++seen[std::size_t(number - lowest)];
    }
    for (std::size_t i = 0; i < seen.size(); ++i)
        QVERIFY2(seen[i] > 0, qPrintable(QString::number(lowest + int(i)) + u" never drawn"));
}

void LevelRangeTest::unitValuesStayBelowOne()
{
    tutor::ClockSeededRandom random;
    double smallest = 1;
    double largest = 0;
    for (int i = 0; i < 100000; ++i) {
        const double r = random.unit();
        QVERIFY(r >= 0.0 && r < 1.0);
        smallest = std::min(smallest, r);
        largest = std::max(largest, r);
    }
    // Spread over the whole interval, not squeezed into part of it.
    QVERIFY(smallest < 0.001);
    QVERIFY(largest > 0.999);
}

void LevelRangeTest::generatorsMadeBackToBackDiffer()
{
    tutor::ClockSeededRandom first;
    tutor::ClockSeededRandom second;
    std::array<double, 8> firstValues {};
    std::array<double, 8> secondValues {};
    for (std::size_t i = 0; i < firstValues.size(); ++i) {
        firstValues[i] = first.unit();
        secondValues[i] = second.unit();
    }
    QVERIFY(firstValues != secondValues);
}

void LevelRangeTest::fixedSeedRepeatsTheDraws()
{
    // Several generators per run, as several problems are drawn: the whole
    // run repeats, not just its first draw.
    const auto run = []() {
        tutor::useFixedSeed(1);
        std::vector<int> numbers;
        for (int problem = 0; problem < 4; ++problem) {
            tutor::ClockSeededRandom random;
            numbers.push_back(random.levelNumber(tutor::Level::Expert));
            numbers.push_back(random.levelNumber(tutor::Level::Expert));
        }
        return numbers;
    };
    const std::vector<int> first = run();
    QCOMPARE(run(), first);
    // Still draws, not one number over and over.
    QVERIFY(std::adjacent_find(first.begin(), first.end(), std::not_equal_to<>()) != first.end());
}

QTEST_APPLESS_MAIN(LevelRangeTest)
#include "level_range_test.moc"
