#include "rules/practice_problem.h"

#include "rules/level_range.h"
#include "rules/whole_number.h"

#include <utility>

namespace tutor {

PracticeProblem drawPracticeProblem(Level level, Operation operation, ClockSeededRandom &random)
{
    PracticeProblem problem;
    problem.operand1 = static_cast<float>(random.levelNumber(level));
    problem.operand2 = static_cast<float>(random.levelNumber(level));
    // Children at these levels have not met negative numbers yet.
    if (operation == Operation::Subtraction && problem.operand2 > problem.operand1)
        std::swap(problem.operand1, problem.operand2);
    return problem;
}

std::optional<qint16> expectedAnswer(float operand1, float operand2, Operation operation)
{
    const double first = operand1;
    const double second = operand2;
    switch (operation) {
    case Operation::Addition:
        return roundToInt16(first + second);
    case Operation::Subtraction:
        return roundToInt16(first - second);
    case Operation::Multiplication:
        return roundToInt16(first * second);
    case Operation::Division:
        return roundToInt16(first / second);
    default:
        return std::nullopt;
    }
}

} // namespace tutor
