#include "rules/practice_problem.h"

#include "rules/level_and_operation.h"
#include "rules/level_range.h"
#include "rules/whole_number.h"

#include <utility>

namespace tutor {

PracticeProblem drawPracticeProblem(
    qint16 levelCode, qint16 operationCode, ClockSeededRandom &random)
{
    PracticeProblem problem;
    problem.operand1 = static_cast<float>(random.levelNumber(levelCode));
    problem.operand2 = static_cast<float>(random.levelNumber(levelCode));
    // Children at these levels have not met negative numbers yet.
    if (operationCode == code(Operation::Subtraction) && problem.operand2 > problem.operand1)
        std::swap(problem.operand1, problem.operand2);
    return problem;
}

QString operationSign(qint16 operationCode)
{
    switch (Operation(operationCode)) {
    case Operation::Addition:
        return QStringLiteral("+");
    case Operation::Subtraction:
        return QStringLiteral("-");
    case Operation::Multiplication:
        return QStringLiteral("*");
    case Operation::Division:
        return QStringLiteral("/");
    default:
        return QString();
    }
}

std::optional<qint16> expectedAnswer(float operand1, float operand2, qint16 operationCode)
{
    const double first = operand1;
    const double second = operand2;
    switch (Operation(operationCode)) {
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
