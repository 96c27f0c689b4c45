#pragma once

#include <QStringView>

#include <optional>

namespace tutor {

// The value of the number a pupil typed, read the forgiving way a child
// expects: blanks, tabs and line feeds anywhere are skipped; an optional
// sign, digits with at most one ".", an optional exponent after "E" or "e";
// "&H" (hexadecimal) and "&O" (octal) prefixes in either case. Reading stops
// at the first character that does not fit; text that does not begin with
// a number reads as 0. Values too large for a double come back as infinity.
double readTypedNumber(QStringView text);

// A typed answer as the screens judge it: the text read as above, or nothing
// when it holds no digit at all (an empty box, "x", "-", ".", "&H", blanks;
// the letters of a "&H" number count as its digits). Such a text answers no
// problem, not even one whose result is 0.
std::optional<double> readTypedAnswer(QStringView text);

} // namespace tutor
