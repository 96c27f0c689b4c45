#include "report/percent_text.h"

#include <QLocale>

#include <cmath>

namespace tutor {

namespace {

// Adds one to a string of decimal digits, growing it on a carry ("999" gives
// "1000", "" gives "1").
QString incremented(QString digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != u'9') {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
        digits[i] = u'0';
    }
    return u'1' + digits;
}

// |fraction| in tenths of a percent, rounded half away from zero, as decimal
// digits. The rounding works on the shortest decimal text of the fraction,
// which is the share the reader has in mind, not on fraction * 1000 in
// binary: 201/400 times 1000 comes out as 502.49999999999994, which would
// show 50.2% where 50.25% should round up to 50.3%.
QString tenthsOfPercent(double fraction)
{
    const QString scientific
        = QString::number(std::fabs(fraction), 'e', QLocale::FloatingPointShortest);
    const qsizetype exponentAt = scientific.indexOf(u'e');
    const QStringView mantissa = QStringView(scientific).left(exponentAt);
    const qsizetype pointAt = mantissa.indexOf(u'.');

    QString digits = mantissa.toString();
    qsizetype fractionDigits = 0;
    if (pointAt >= 0) {
        digits.remove(pointAt, 1);
        fractionDigits = mantissa.size() - pointAt - 1;
    }
    // The exponent of a finite double is within +-324, so an int holds it.
    const int exponent = QStringView(scientific).mid(exponentAt + 1).toInt();

    // value = digits * 10^(exponent - fractionDigits); tenths of a percent
    // are the value times 1000.
    const qsizetype shift = exponent - fractionDigits + 3;
    if (shift >= 0)
        return digits + QString(shift, u'0');

    const qsizetype kept = digits.size() + shift;
    if (kept < 0)
        return QStringLiteral("0"); // below half a tenth of a percent
    const bool roundUp = digits[kept] >= u'5';
    const QString whole = digits.left(kept);
    return roundUp ? incremented(whole) : whole;
}

} // namespace

QString percentText(double fraction, QStringView decimalSeparator)
{
    // Infinity and NaN have no sensible share; they show as a zero share
    // rather than as text the report could not lay out.
    if (!std::isfinite(fraction))
        return decimalSeparator + QStringLiteral("%");

    QString tenths = tenthsOfPercent(fraction);
    while (tenths.startsWith(u'0'))
        tenths.remove(0, 1);
    if (tenths.isEmpty())
        return decimalSeparator + QStringLiteral("%"); // rounds to 0: no "-" either

    const QChar tenthsDigit = tenths.back();
    tenths.chop(1);
    QString text = fraction < 0 ? QStringLiteral("-") : QString();
    text += tenths;
    text += decimalSeparator;
    if (tenthsDigit != u'0')
        text += tenthsDigit;
    text += u'%';
    return text;
}

} // namespace tutor
