#include "practice/practice_problem.h"

#include "practice/level_range.h"
#include "practice/whole_number.h"

#include <utility>

namespace tutor {

namespace {

constexpr qint16 subtractionCode = 2;

} // namespace

PracticeProblem drawPracticeProblem(
    qint16 levelCode, qint16 operationCode, ClockSeededRandom &random)
{
    PracticeProblem problem;
    problem.operand1 = static_cast<float>(random.levelNumber(levelCode));
    problem.operand2 = static_cast<float>(random.levelNumber(levelCode));
    // Children at these levels have not met negative numbers yet.
    if (operationCode == subtractionCode && problem.operand2 > problem.operand1)
        std::swap(problem.operand1, problem.operand2);
    return problem;
}

QString operationSign(qint16 operationCode)
{
    switch (operationCode) {
    case 1:
        return QStringLiteral("+");
    case 2:
        return QStringLiteral("-");
    case 3:
        return QStringLiteral("*");
    case 4:
        return QStringLiteral("/");
    default:
        return QString();
    }
}

std::optional<qint16> expectedAnswer(float operand1, float operand2, qint16 operationCode)
{
    const double first = operand1;
    const double second = operand2;
    switch (operationCode) {
    case 1:
        return roundToInt16(first + second);
    case 2:
        return roundToInt16(first - second);
    case 3:
        return roundToInt16(first * second);
    case 4:
        return roundToInt16(first / second);
    default:
        return std::nullopt;
    }
}

} // namespace tutor
