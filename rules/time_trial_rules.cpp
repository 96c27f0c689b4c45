#include "rules/time_trial_rules.h"

#include "rules/number_reader.h"
#include "rules/practice_problem.h"
#include "rules/whole_number.h"

namespace tutor {

TimeTrialProblem drawTimeTrialProblem(Level level, Operation operation, ClockSeededRandom &random)
{
    // The same draws and the same Subtraction order as a practice problem;
    // every level's numbers fit 16 bits.
    const PracticeProblem drawn = drawPracticeProblem(level, operation, random);
    return { static_cast<qint16>(drawn.operand1), static_cast<qint16>(drawn.operand2) };
}

std::optional<double> timeTrialAnswer(const TimeTrialProblem &problem, Operation operation)
{
    const double first = problem.first;
    const double second = problem.second;
    switch (operation) {
    case Operation::Addition:
        return first + second;
    case Operation::Subtraction:
        return first - second;
    default:
        return std::nullopt;
    }
}

bool isRightTimeTrialAnswer(QStringView typed, const TimeTrialProblem &problem, Operation operation)
{
    const std::optional<double> answer = timeTrialAnswer(problem, operation);
    const std::optional<double> typedAnswer = readTypedAnswer(typed);
    return answer && typedAnswer && *typedAnswer == *answer;
}

qint16 timeTrialScoreAfter(qint16 score, bool right)
{
    if (right)
        return countedUp(score);
    return score > 0 ? static_cast<qint16>(score - 1) : qint16(0);
}

std::optional<QColor> clockColourBeforeTick(float secondsLeft)
{
    if (secondsLeft == 11)
        return QColor(255, 192, 192);
    if (secondsLeft == 6)
        return QColor(255, 128, 128);
    if (secondsLeft == 4)
        return QColor(255, 0, 0);
    return std::nullopt;
}

} // namespace tutor
