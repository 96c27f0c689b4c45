#include "rules/missing_games.h"

#include "rules/level_range.h"
#include "rules/number_reader.h"

#include <algorithm>

namespace tutor {

MissingNumberProblem missingNumberProblem(
    Level level, Operation operation, double first, double second)
{
    const auto a = static_cast<qint16>(levelNumber(level, first));
    const auto b = static_cast<qint16>(levelNumber(level, second));
    const qint16 smaller = std::min(a, b);
    const qint16 larger = std::max(a, b);
    if (operation == Operation::Addition)
        return { smaller, larger };
    return { larger, smaller };
}

qint16 missingNumber(const MissingNumberProblem &problem, Operation operation)
{
    return static_cast<qint16>(operation == Operation::Addition ? problem.bottom - problem.top
                                                                : problem.top - problem.bottom);
}

bool isMissingNumber(QStringView typed, qint16 hidden)
{
    const std::optional<double> answer = readTypedAnswer(typed);
    return answer && *answer == static_cast<double>(hidden);
}

MissingOperationProblem missingOperationProblem(
    Level level, double first, double second, double operation)
{
    const auto a = static_cast<qint16>(levelNumber(level, first));
    const auto b = static_cast<qint16>(levelNumber(level, second));
    // k runs from 10 to 100 at every level, which is Expert's range.
    switch (levelNumber(Level::Expert, operation) % 3) {
    case 0:
        return { a, b, static_cast<qint16>(a + b), Operation::Addition };
    case 1: {
        const qint16 larger = std::max(a, b);
        const qint16 smaller = std::min(a, b);
        return { larger, smaller, static_cast<qint16>(larger - smaller), Operation::Subtraction };
    }
    default:
        return { a, b, static_cast<qint16>(a * b), Operation::Multiplication };
    }
}

bool operationGivesResult(const MissingOperationProblem &problem, Operation chosen)
{
    // Worked out in int: nothing a level draws comes near the 16-bit limits,
    // but a stray state must not overflow either.
    const int first = problem.first;
    const int second = problem.second;
    switch (chosen) {
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
