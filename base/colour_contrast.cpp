#include "base/colour_contrast.h"

#include <QColor>

#include <algorithm>
#include <cmath>

namespace tutor {

namespace {

// Aim a little above the 4.5 : 1 that readable text needs: the screen rounds
// colours and blends the edges of strokes into the background.
constexpr double ReadableContrast = 5.0;

// Relative luminance of a colour on screen, as WCAG defines it.
double luminance(const QColor &colour)
{
    const auto linear = [](float channel) {
        return channel <= 0.03928f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF())
        + 0.0722 * linear(rgb.blueF());
}

} // namespace

double contrastRatio(const QColor &first, const QColor &second)
{
    const double one = luminance(first);
    const double other = luminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

QColor readableGreyedText(const QColor &greyed, const QColor &normal, const QColor &background)
{
    constexpr int Steps = 20;
    for (int step = 0; step <= Steps; ++step) {
        const float t = float(step) / Steps;
        const QColor mixed = QColor::fromRgbF(greyed.redF() + t * (normal.redF() - greyed.redF()),
            greyed.greenF() + t * (normal.greenF() - greyed.greenF()),
            greyed.blueF() + t * (normal.blueF() - greyed.blueF()));
        if (contrastRatio(mixed, background) >= ReadableContrast)
            return mixed;
    }
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

} // namespace tutor
