#include "report/percent_text.h"

#include <QString>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

class PercentTextTest : public QObject
{
    Q_OBJECT

private slots:
    void shareIsWrittenToOneDecimal_data();
    void shareIsWrittenToOneDecimal();
    void tiesRoundAwayFromZeroDespiteBinaryFractions_data();
    void tiesRoundAwayFromZeroDespiteBinaryFractions();
    void decimalPointCanBeChosen_data();
    void decimalPointCanBeChosen();
};

void PercentTextTest::shareIsWrittenToOneDecimal_data()
{
    QTest::addColumn<double>("fraction");
    QTest::addColumn<QString>("expected");

    // Shares a report shows.
    QTest::newRow("none right") << 0.0 << u".%"_s;
    QTest::newRow("one in two hundred") << 1.0 / 200.0 << u".5%"_s;
    QTest::newRow("one in eight") << 1.0 / 8.0 << u"12.5%"_s;
    QTest::newRow("one in three") << 1.0 / 3.0 << u"33.3%"_s;
    QTest::newRow("one in two") << 1.0 / 2.0 << u"50.%"_s;
    QTest::newRow("two in three") << 2.0 / 3.0 << u"66.7%"_s;
    QTest::newRow("three in four") << 3.0 / 4.0 << u"75.%"_s;
    QTest::newRow("all right") << 1.0 << u"100.%"_s;
    QTest::newRow("one in seven") << 1.0 / 7.0 << u"14.3%"_s;
    QTest::newRow("one in ten") << 0.1 << u"10.%"_s;
    QTest::newRow("one in a thousand") << 0.001 << u".1%"_s;

    // Rounding to the tenth.
    QTest::newRow("rounds up to whole hundred") << 0.9995 << u"100.%"_s;
    QTest::newRow("rounds up to whole ten") << 0.0995 << u"10.%"_s;
    QTest::newRow("tiny rounds to zero") << 0.0004 << u".%"_s;
    QTest::newRow("smallest double") << std::numeric_limits<double>::denorm_min() << u".%"_s;
    QTest::newRow("just under half a tenth") << 0.000499 << u".%"_s;
    QTest::newRow("half a tenth") << 0.0005 << u".1%"_s;
    QTest::newRow("more than all") << 12.345 << u"1234.5%"_s;
    QTest::newRow("huge") << 1e20 << u"10000000000000000000000.%"_s;

    // Negative shares, but no "-" on a zero.
    QTest::newRow("minus half") << -0.5 << u"-50.%"_s;
    QTest::newRow("minus one in eight") << -0.125 << u"-12.5%"_s;
    QTest::newRow("negative tie away from zero") << -0.0005 << u"-.1%"_s;
    QTest::newRow("negative rounding to zero") << -0.0004 << u".%"_s;
    QTest::newRow("negative zero") << -0.0 << u".%"_s;

    // No share at all.
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << u".%"_s;
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << u".%"_s;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << u".%"_s;
}

void PercentTextTest::shareIsWrittenToOneDecimal()
{
    QFETCH(double, fraction);
    QFETCH(QString, expected);

    QCOMPARE(tutor::percentText(fraction), expected);
}

void PercentTextTest::tiesRoundAwayFromZeroDespiteBinaryFractions_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("expected");

    // Scores whose share lies exactly halfway between two tenths; most of
    // them have no exact binary fraction.
    QTest::newRow("1 of 800") << 1 << 800 << u".1%"_s;
    QTest::newRow("2 of 800") << 2 << 800 << u".3%"_s;
    QTest::newRow("9 of 2000") << 9 << 2000 << u".5%"_s;
    QTest::newRow("3 of 2000") << 3 << 2000 << u".2%"_s;
    QTest::newRow("11 of 2000") << 11 << 2000 << u".6%"_s;
    QTest::newRow("29 of 2000") << 29 << 2000 << u"1.5%"_s;
    QTest::newRow("1 of 16") << 1 << 16 << u"6.3%"_s;
    QTest::newRow("3 of 16") << 3 << 16 << u"18.8%"_s;
    QTest::newRow("1 of 32") << 1 << 32 << u"3.1%"_s;
    QTest::newRow("201 of 400") << 201 << 400 << u"50.3%"_s;
    QTest::newRow("1343 of 2000") << 1343 << 2000 << u"67.2%"_s;
    QTest::newRow("1999 of 2000") << 1999 << 2000 << u"100.%"_s;
}

void PercentTextTest::tiesRoundAwayFromZeroDespiteBinaryFractions()
{
    QFETCH(int, right);
    QFETCH(int, total);
    QFETCH(QString, expected);

    QCOMPARE(tutor::percentText(double(right) / double(total)), expected);
}

void PercentTextTest::decimalPointCanBeChosen_data()
{
    QTest::addColumn<double>("fraction");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");

    QTest::newRow("comma with tenths") << 1.0 / 8.0 << u","_s << u"12,5%"_s;
    QTest::newRow("comma without tenths") << 0.5 << u","_s << u"50,%"_s;
    QTest::newRow("comma alone") << 0.0 << u","_s << u",%"_s;
    QTest::newRow("comma negative") << -1.0 / 3.0 << u","_s << u"-33,3%"_s;
    QTest::newRow("comma for no share")
        << std::numeric_limits<double>::quiet_NaN() << u","_s << u",%"_s;
    QTest::newRow("arabic separator") << 2.0 / 3.0 << u"\u066B"_s << u"66\u066B7%"_s;
}

void PercentTextTest::decimalPointCanBeChosen()
{
    QFETCH(double, fraction);
    QFETCH(QString, separator);
    QFETCH(QString, expected);

    QCOMPARE(tutor::percentText(fraction, separator), expected);
}

QTEST_APPLESS_MAIN(PercentTextTest)
#include "percent_text_test.moc"
