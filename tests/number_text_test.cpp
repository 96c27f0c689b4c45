#include "rules/number_text.h"

#include "rules/number_reader.h"

#include <QLocale>
#include <QString>
#include <QTest>

#include <clocale>
#include <string>

using namespace Qt::StringLiterals;

class NumberTextTest : public QObject
{
    Q_OBJECT

private slots:
    void numberIsWrittenPlainly_data();
    void numberIsWrittenPlainly();
    void fractionReadsBackAsSameValue_data();
    void fractionReadsBackAsSameValue();
    void pointStaysDecimalPointInGermanLocale();
};

void NumberTextTest::numberIsWrittenPlainly_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    // Whole numbers: digits only, no blank and no point.
    QTest::newRow("seven") << 7.0 << u"7"_s;
    QTest::newRow("hundred") << 100.0 << u"100"_s;
    QTest::newRow("zero") << 0.0 << u"0"_s;
    QTest::newRow("negative zero") << -0.0 << u"0"_s;
    QTest::newRow("negative") << -3.0 << u"-3"_s;
    QTest::newRow("largest score") << 32767.0 << u"32767"_s;
    QTest::newRow("ten to the fifteen") << 1e15 << u"1000000000000000"_s;
    QTest::newRow("minus ten to the fifteen") << -1e15 << u"-1000000000000000"_s;
    QTest::newRow("largest exact whole") << 9007199254740992.0 << u"9007199254740992"_s;

    // Other values: the shortest text that reads back the same.
    QTest::newRow("two and a half") << 2.5 << u"2.5"_s;
    QTest::newRow("tenth") << 0.1 << u"0.1"_s;
    QTest::newRow("negative fraction") << -0.75 << u"-0.75"_s;
    QTest::newRow("third") << 1.0 / 3.0 << u"0.3333333333333333"_s;
    QTest::newRow("sum with binary error") << 0.1 + 0.2 << u"0.30000000000000004"_s;
}

void NumberTextTest::numberIsWrittenPlainly()
{
    QFETCH(double, value);
    QFETCH(QString, expected);

    QCOMPARE(tutor::plainNumberText(value), expected);
}

void NumberTextTest::fractionReadsBackAsSameValue_data()
{
    QTest::addColumn<double>("value");

    QTest::newRow("two thirds") << 2.0 / 3.0;
    QTest::newRow("seventh") << 1.0 / 7.0;
    QTest::newRow("large fraction") << 123456.789;
    QTest::newRow("small fraction") << 0.000123;
    QTest::newRow("negative seventh") << -1.0 / 7.0;
}

void NumberTextTest::fractionReadsBackAsSameValue()
{
    QFETCH(double, value);

    const QString text = tutor::plainNumberText(value);
    QVERIFY2(tutor::readTypedNumber(text) == value, qPrintable(text));
}

void NumberTextTest::pointStaysDecimalPointInGermanLocale()
{
    const QLocale savedQtLocale;
    const char *current = std::setlocale(LC_ALL, nullptr);
    const std::string savedCLocale = current ? current : "C";

    QLocale::setDefault(QLocale(QLocale::German));
    std::setlocale(LC_ALL, "de_DE.UTF-8"); // may be missing; Qt's default still counts

    const QString fraction = tutor::plainNumberText(2.5);
    const QString thousands = tutor::plainNumberText(12345.0);

    std::setlocale(LC_ALL, savedCLocale.c_str());
    QLocale::setDefault(savedQtLocale);

    QCOMPARE(fraction, u"2.5"_s);
    QCOMPARE(thousands, u"12345"_s);
}

QTEST_APPLESS_MAIN(NumberTextTest)
#include "number_text_test.moc"
