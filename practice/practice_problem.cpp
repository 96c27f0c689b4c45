#include "practice/practice_problem.h"

#include "practice/level_range.h"

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

} // namespace tutor
