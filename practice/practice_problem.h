#pragma once

#include <QtGlobal>

namespace tutor {

class ClockSeededRandom;

// The two numbers of a practice (or worksheet) problem.
struct PracticeProblem
{
    float operand1 = 0;
    float operand2 = 0;
};

// Draws the first number, then the second, from the level's range. For
// Subtraction (operation code 2) the larger number comes first so the
// difference is never negative; other operations keep the drawn order.
PracticeProblem drawPracticeProblem(
    qint16 levelCode, qint16 operationCode, ClockSeededRandom &random);

} // namespace tutor
