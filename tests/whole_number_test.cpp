#include "rules/whole_number.h"

#include <QTest>

#include <limits>
#include <optional>

Q_DECLARE_METATYPE(std::optional<qint16>)

namespace {

constexpr std::optional<qint16> none = std::nullopt;

std::optional<qint16> whole(int value)
{
    return static_cast<qint16>(value);
}

} // namespace

class WholeNumberTest : public QObject
{
    Q_OBJECT

private slots:
    void roundsToNearestWithHalvesToEven_data();
    void roundsToNearestWithHalvesToEven();
    void counterStopsAtLargestValue_data();
    void counterStopsAtLargestValue();
};

void WholeNumberTest::roundsToNearestWithHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<std::optional<qint16>>("expected");

    const double infinity = std::numeric_limits<double>::infinity();

    // Whole numbers and plain nearest values.
    QTest::newRow("zero") << 0.0 << whole(0);
    QTest::newRow("negative zero") << -0.0 << whole(0);
    QTest::newRow("whole") << 7.0 << whole(7);
    QTest::newRow("just above half") << 2.6 << whole(3);
    QTest::newRow("just below half") << 2.4 << whole(2);
    QTest::newRow("small negative to zero") << -0.4 << whole(0);
    QTest::newRow("negative just above half") << -2.6 << whole(-3);
    QTest::newRow("closest below half") << 0.49999999999999994 << whole(0);
    QTest::newRow("closest above half") << 0.5000000000000001 << whole(1);

    // Halves go to the even neighbour, on both sides of zero.
    QTest::newRow("half") << 0.5 << whole(0);
    QTest::newRow("one and a half") << 1.5 << whole(2);
    QTest::newRow("two and a half") << 2.5 << whole(2);
    QTest::newRow("three and a half") << 3.5 << whole(4);
    QTest::newRow("minus half") << -0.5 << whole(0);
    QTest::newRow("minus one and a half") << -1.5 << whole(-2);
    QTest::newRow("minus two and a half") << -2.5 << whole(-2);
    QTest::newRow("minus three and a half") << -3.5 << whole(-4);

    // The 16-bit range, checked after rounding.
    QTest::newRow("largest") << 32767.0 << whole(32767);
    QTest::newRow("rounds down to largest") << 32767.4 << whole(32767);
    QTest::newRow("half above largest rounds out") << 32767.5 << none;
    QTest::newRow("one above largest") << 32768.0 << none;
    QTest::newRow("even half below largest") << 32766.5 << whole(32766);
    QTest::newRow("smallest") << -32768.0 << whole(-32768);
    QTest::newRow("half below smallest rounds to even") << -32768.5 << whole(-32768);
    QTest::newRow("rounds up to smallest") << -32768.4 << whole(-32768);
    QTest::newRow("just past half below smallest") << -32768.6 << none;
    QTest::newRow("one below smallest") << -32769.0 << none;
    QTest::newRow("billion") << 1e9 << none;
    QTest::newRow("minus billion") << -1e9 << none;
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << none;

    // Not a number at all.
    QTest::newRow("infinity") << infinity << none;
    QTest::newRow("minus infinity") << -infinity << none;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << none;
}

void WholeNumberTest::roundsToNearestWithHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(std::optional<qint16>, expected);

    QCOMPARE(tutor::roundToInt16(value), expected);
}

void WholeNumberTest::counterStopsAtLargestValue_data()
{
    QTest::addColumn<int>("counter");
    QTest::addColumn<int>("expected");

    QTest::newRow("zero") << 0 << 1;
    QTest::newRow("one") << 1 << 2;
    QTest::newRow("negative") << -1 << 0;
    QTest::newRow("one below largest") << 32766 << 32767;
    QTest::newRow("largest stays") << 32767 << 32767;
}

void WholeNumberTest::counterStopsAtLargestValue()
{
    QFETCH(int, counter);
    QFETCH(int, expected);

    QCOMPARE(tutor::countedUp(static_cast<qint16>(counter)), static_cast<qint16>(expected));
}

QTEST_APPLESS_MAIN(WholeNumberTest)
#include "whole_number_test.moc"
