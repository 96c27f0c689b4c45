#include "rules/whole_number.h"

#include <cmath>
#include <limits>

namespace tutor {

std::optional<qint16> roundToInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;

    // Rounding the magnitude keeps both steps exact: for a positive x,
    // floor(x) and x - floor(x) need no rounding, so the tie is decided here
    // and not by whatever rounding mode std::nearbyint() would follow.
    const double magnitude = std::fabs(value);
    const double below = std::floor(magnitude);
    const double rest = magnitude - below;
    double rounded = below;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0.0))
        rounded = below + 1.0;
    if (value < 0)
        rounded = -rounded;

    // Range checked as a double before the cast, which is undefined otherwise.
    if (rounded < std::numeric_limits<qint16>::min()
        || rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

qint16 countedUp(qint16 counter)
{
    if (counter == std::numeric_limits<qint16>::max())
        return counter;
    return static_cast<qint16>(counter + 1);
}

} // namespace tutor
