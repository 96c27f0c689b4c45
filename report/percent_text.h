#pragma once

#include <QString>
#include <QStringView>

namespace tutor {

// A share of right answers written as "#.#%": the fraction times 100,
// rounded to one decimal place with halves away from zero; the whole part
// without leading zeros (nothing at all when it is 0), the decimal separator
// always, the tenths digit unless it is 0, then "%". So 0 gives ".%",
// 1/8 gives "12.5%", 1/2 gives "50.%", 2/3 gives "66.7%" and 1 gives "100.%";
// with a "," separator, as German settings have it, 2/3 gives "66,7%".
// A negative share gets a "-" unless it rounds to 0; infinity and NaN show
// as ".%", like a share of nothing.
QString percentText(double fraction, QStringView decimalSeparator = u".");

} // namespace tutor
