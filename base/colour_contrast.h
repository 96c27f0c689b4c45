#pragma once

class QColor;

namespace tutor {

// How well two colours stand apart on screen, from 1 (the same) to 21 (black
// on white), by their relative luminance as the accessibility guidelines
// (WCAG) measure it. Readable text needs at least 4.5.
double contrastRatio(const QColor &first, const QColor &second);

// The greyed text colour, moved toward the normal text colour only as far as
// it must go to stay readable on `background`, so locked text still looks
// locked. Where even the normal colour is too faint, black or white.
QColor readableGreyedText(const QColor &greyed, const QColor &normal, const QColor &background);

} // namespace tutor
