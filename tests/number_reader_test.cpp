#include "rules/number_reader.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QTest>

#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Exact comparison: QCOMPARE on doubles is fuzzy and treats every value near
// 0 as equal to 0, which would hide a tiny misread.
QByteArray mismatch(double actual, double expected)
{
    return "read " + QByteArray::number(actual, 'g', 17) + ", expected "
        + QByteArray::number(expected, 'g', 17);
}

} // namespace

class NumberReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void typedTextReadsAsNumber_data();
    void typedTextReadsAsNumber();
    void pointStaysDecimalPointInGermanSettings();
    void lineOfOnlyBlanksReadsZero();
    void answerNeedsADigit_data();
    void answerNeedsADigit();
};

void NumberReaderTest::typedTextReadsAsNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    const double infinity = std::numeric_limits<double>::infinity();

    // Plain digits.
    QTest::newRow("single digit") << u"7"_s << 7.0;
    QTest::newRow("several digits") << u"100"_s << 100.0;
    QTest::newRow("zero") << u"0"_s << 0.0;
    QTest::newRow("leading zeros") << u"007"_s << 7.0;
    QTest::newRow("largest score") << u"32767"_s << 32767.0;

    // Blanks, tabs and line feeds are skipped wherever they are.
    QTest::newRow("blank inside number") << u"1 2"_s << 12.0;
    QTest::newRow("blank before number") << u" 1 2"_s << 12.0;
    QTest::newRow("blanks after number") << u"12   "_s << 12.0;
    QTest::newRow("blank after sign") << u"- 5"_s << -5.0;
    QTest::newRow("tab inside number") << u"1\t2"_s << 12.0;
    QTest::newRow("line feed inside number") << u"1\n2"_s << 12.0;
    QTest::newRow("blank around point") << u"2 . 5"_s << 2.5;
    QTest::newRow("blanks in exponent") << u"1 e - 2"_s << 0.01;
    QTest::newRow("blanks in hex") << u" & H F F"_s << 255.0;
    QTest::newRow("carriage return not skipped") << u"1\r2"_s << 1.0;
    QTest::newRow("no-break space not skipped") << u"1\u00a02"_s << 1.0;

    // Signs.
    QTest::newRow("minus") << u"-5"_s << -5.0;
    QTest::newRow("plus") << u"+5"_s << 5.0;
    QTest::newRow("minus before point") << u"-.5"_s << -0.5;
    QTest::newRow("two signs") << u"--5"_s << 0.0;
    QTest::newRow("sign alone") << u"-"_s << 0.0;
    QTest::newRow("sign before hex") << u"-&HFF"_s << 0.0;

    // Decimal point.
    QTest::newRow("point inside") << u"2.5"_s << 2.5;
    QTest::newRow("point first") << u".5"_s << 0.5;
    QTest::newRow("point last") << u"5."_s << 5.0;
    QTest::newRow("second point ends number") << u"1.2.3"_s << 1.2;
    QTest::newRow("point alone") << u"."_s << 0.0;
    QTest::newRow("comma is no point") << u"2,5"_s << 2.0;
    QTest::newRow("tenth") << u"0.1"_s << 0.1;

    // Exponent.
    QTest::newRow("small e") << u"1e4"_s << 10000.0;
    QTest::newRow("capital E") << u"1E2"_s << 100.0;
    QTest::newRow("negative exponent") << u"1e-2"_s << 0.01;
    QTest::newRow("plus exponent") << u"1e+3"_s << 1000.0;
    QTest::newRow("e without digits") << u"1e"_s << 1.0;
    QTest::newRow("e and sign without digits") << u"1e+"_s << 1.0;
    QTest::newRow("e and minus without digits") << u"2.5e-"_s << 2.5;
    QTest::newRow("negative number with exponent") << u"-1e9"_s << -1e9;
    QTest::newRow("exponent after point") << u"2.5e1"_s << 25.0;
    QTest::newRow("exponent stops at point") << u"1e2.5"_s << 100.0;

    // Hexadecimal and octal.
    QTest::newRow("hex capitals") << u"&HFF"_s << 255.0;
    QTest::newRow("hex small letters") << u"&hff"_s << 255.0;
    QTest::newRow("hex mixed case") << u"&hFf"_s << 255.0;
    QTest::newRow("hex beyond 16 bits") << u"&HFFFFF"_s << 1048575.0;
    QTest::newRow("hex top bit not negative") << u"&H8000"_s << 32768.0;
    QTest::newRow("hex no digit") << u"&HG"_s << 0.0;
    QTest::newRow("hex prefix alone") << u"&H"_s << 0.0;
    QTest::newRow("octal") << u"&O17"_s << 15.0;
    QTest::newRow("octal small letter") << u"&o17"_s << 15.0;
    QTest::newRow("octal no digit") << u"&O8"_s << 0.0;
    QTest::newRow("octal stops at 8") << u"&O178"_s << 15.0;
    QTest::newRow("ampersand alone") << u"&"_s << 0.0;
    QTest::newRow("ampersand unknown letter") << u"&B101"_s << 0.0;

    // Reading stops at the first character that does not fit.
    QTest::newRow("letter after digits") << u"12a"_s << 12.0;
    QTest::newRow("word after digits") << u"12abc"_s << 12.0;
    QTest::newRow("letter between digits") << u"1x2"_s << 1.0;
    QTest::newRow("sign after digits") << u"5-3"_s << 5.0;
    QTest::newRow("arabic-indic digit") << u"1\u0662"_s << 1.0;

    // Text that does not begin with a number.
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("letters") << u"abc"_s << 0.0;
    QTest::newRow("one letter") << u"x"_s << 0.0;
    QTest::newRow("exponent without number") << u"e5"_s << 0.0;
    QTest::newRow("number word") << u"four"_s << 0.0;

    // Values a double cannot hold.
    QTest::newRow("too large") << u"1e999"_s << infinity;
    QTest::newRow("too large negative") << u"-1e999"_s << -infinity;
    QTest::newRow("too large by many digits") << (QString(400, u'9')) << infinity;
    QTest::newRow("too large with leading zeros") << u"0001e309"_s << infinity;
    QTest::newRow("huge exponent") << u"1e99999999999999999999"_s << infinity;
    QTest::newRow("too tiny") << u"1e-999"_s << 0.0;
    QTest::newRow("too tiny negative") << u"-1e-999"_s << 0.0;
    QTest::newRow("too tiny from fraction") << u"0.001e-322"_s << 0.0;
    QTest::newRow("huge negative exponent") << u"1e-99999999999999999999"_s << 0.0;
    QTest::newRow("large but fits") << u"1.5e308"_s << 1.5e308;
    QTest::newRow("many digits then small exponent")
        << (QString(400, u'1') + u"e-399"_s) << 1.111111111111111111;
}

void NumberReaderTest::typedTextReadsAsNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);

    const double actual = tutor::readTypedNumber(text);
    QVERIFY2(actual == expected, mismatch(actual, expected).constData());
}

void NumberReaderTest::pointStaysDecimalPointInGermanSettings()
{
    // main() starts the test under German settings, where "," is the point.
    QCOMPARE(QLocale().decimalPoint(), u","_s);
    const double point = tutor::readTypedNumber(u"2.5");
    const double comma = tutor::readTypedNumber(u"2,5");
    QVERIFY2(point == 2.5, mismatch(point, 2.5).constData());
    QVERIFY2(comma == 2.0, mismatch(comma, 2.0).constData());
}

void NumberReaderTest::lineOfOnlyBlanksReadsZero()
{
    QCOMPARE(tutor::readTypedNumber(u" \t\n "), 0.0);
}

void NumberReaderTest::answerNeedsADigit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<std::optional<double>>("answer");

    const std::optional<double> none;
    QTest::newRow("empty") << QString() << none;
    QTest::newRow("letter") << u"x"_s << none;
    QTest::newRow("sign alone") << u"-"_s << none;
    QTest::newRow("point alone") << u"."_s << none;
    QTest::newRow("hex prefix alone") << u"&H"_s << none;
    QTest::newRow("octal prefix alone") << u"&O"_s << none;
    QTest::newRow("hex letters are digits") << u"&HA"_s << std::optional<double>(10.0);
    QTest::newRow("blanks") << u"   "_s << none;
    QTest::newRow("digit from another script") << u"\u0663"_s << none;
    QTest::newRow("zero") << u"0"_s << std::optional<double>(0.0);
    QTest::newRow("letters then a digit read as 0") << u"x5"_s << std::optional<double>(0.0);
    QTest::newRow("12a") << u"12a"_s << std::optional<double>(12.0);
    QTest::newRow("inner blank") << u"1 2"_s << std::optional<double>(12.0);
    QTest::newRow("exponent") << u" 1e4"_s << std::optional<double>(10000.0);
    QTest::newRow("hex with a digit") << u"&HF0"_s << std::optional<double>(240.0);
}

void NumberReaderTest::answerNeedsADigit()
{
    QFETCH(QString, typed);
    QFETCH(std::optional<double>, answer);
    QCOMPARE(tutor::readTypedAnswer(typed), answer);
}

int main(int argc, char *argv[])
{
    // Reading must not follow the desktop's number format: run under German
    // settings, which Qt takes from LC_ALL when the application starts, even
    // on a machine without a German C locale.
    qputenv("LC_ALL", "de_DE.UTF-8");
    QCoreApplication application(argc, argv);
    NumberReaderTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "number_reader_test.moc"
