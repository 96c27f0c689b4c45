#pragma once

#include <QtGlobal>

#include <optional>

namespace tutor {

// The nearest whole number as a 16-bit integer, halves going to the even
// neighbour (2.5 gives 2, 3.5 gives 4, -2.5 gives -2). Empty when the rounded
// value lies outside -32768..32767 or is not a number at all.
std::optional<qint16> roundToInt16(double value);

// A score counter one higher, stopping at 32767 instead of wrapping round.
qint16 countedUp(qint16 counter);

} // namespace tutor
