#include "rules/missing_games.h"

#include "rules/level_and_operation.h"
#include "rules/level_range.h"
#include "rules/number_reader.h"

#include <algorithm>

namespace tutor {

MissingNumberProblem missingNumberProblem(
    qint16 levelCode, qint16 operationCode, double first, double second)
{
    const auto a = static_cast<qint16>(levelNumber(levelCode, first));
    const auto b = static_cast<qint16>(levelNumber(levelCode, second));
    const qint16 smaller = std::min(a, b);
    const qint16 larger = std::max(a, b);
    if (operationCode == code(Operation::Addition))
        return { smaller, larger };
    return { larger, smaller };
}

qint16 missingNumber(const MissingNumberProblem &problem, qint16 operationCode)
{
    return static_cast<qint16>(operationCode == code(Operation::Addition)
            ? problem.bottom - problem.top
            : problem.top - problem.bottom);
}

bool isMissingNumber(QStringView typed, qint16 hidden)
{
    const std::optional<double> answer = readTypedAnswer(typed);
    return answer && *answer == static_cast<double>(hidden);
}

MissingOperationProblem missingOperationProblem(
    qint16 levelCode, double first, double second, double operation)
{
    const auto a = static_cast<qint16>(levelNumber(levelCode, first));
    const auto b = static_cast<qint16>(levelNumber(levelCode, second));
    // k runs from 10 to 100 at every level, which is Expert's range.
    switch (levelNumber(code(Level::Expert), operation) % 3) {
    case 0:
        return { a, b, static_cast<qint16>(a + b), code(Operation::Addition) };
    case 1: {
        const qint16 larger = std::max(a, b);
        const qint16 smaller = std::min(a, b);
        return { larger, smaller, static_cast<qint16>(larger - smaller),
            code(Operation::Subtraction) };
    }
    default:
        return { a, b, static_cast<qint16>(a * b), code(Operation::Multiplication) };
    }
}

bool operationGivesResult(const MissingOperationProblem &problem, qint16 chosenOperation)
{
    // Worked out in int: nothing a level draws comes near the 16-bit limits,
    // but a stray state must not overflow either.
    const int first = problem.first;
    const int second = problem.second;
    switch (Operation(chosenOperation)) {
    case Operation::Addition:
        return first + second == problem.result;
    case Operation::Subtraction:
        return first - second == problem.result;
    case Operation::Multiplication:
        return first * second == problem.result;
    default:
        return false;
    }
}

} // namespace tutor
