#include "rules/number_text.h"

#include <QLocale>

#include <cmath>

namespace tutor {

QString plainNumberText(double value)
{
    // Whole numbers below 1e16 cover every integer a double holds exactly
    // (up to 2^53), so they are written digit for digit; larger ones would
    // show digits the value does not really have, and get the short form.
    constexpr double plainDigitsLimit = 1e16;
    if (std::isfinite(value) && std::trunc(value) == value && std::fabs(value) < plainDigitsLimit)
        return QString::number(static_cast<qint64>(value)); // also turns -0.0 into "0"

    // QString::number() ignores the locale, so the point is always ".".
    // Infinity and NaN come out as "inf" and "nan"; answers never get there.
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace tutor
