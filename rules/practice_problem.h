#pragma once

#include "rules/level_and_operation.h"

#include <QString>
#include <QtGlobal>

#include <optional>

namespace tutor {

class ClockSeededRandom;

// The two numbers of a practice (or worksheet) problem.
struct PracticeProblem
{
    float operand1 = 0;
    float operand2 = 0;
};

// Draws the first number, then the second, from the level's range. For
// Subtraction the larger number comes first so the difference is never
// negative; other operations keep the drawn order.
PracticeProblem drawPracticeProblem(Level level, Operation operation, ClockSeededRandom &random);

// The answer a problem expects: the exact result (a floating quotient for
// Division) rounded to a 16-bit whole number, halves to the even neighbour,
// so 7 / 2 expects 4 and 5 / 2 expects 2. Empty for an unknown operation or a
// result beyond 16 bits.
std::optional<qint16> expectedAnswer(float operand1, float operand2, Operation operation);

} // namespace tutor
