#include "rules/answered_problem.h"

#include "rules/number_text.h"
#include "rules/practice_problem.h"

namespace tutor {

QString verdictText(Verdict verdict)
{
    return verdict == Verdict::Right ? QStringLiteral("Right") : QStringLiteral("Wrong");
}

QString logColumnText(const AnsweredProblem &answer, LogColumn column)
{
    switch (column) {
    case LogColumn::Number1:
        return plainNumberText(answer.operand1);
    case LogColumn::Sign:
        return operationSign(answer.operation);
    case LogColumn::Number2:
        return plainNumberText(answer.operand2);
    case LogColumn::YourAnswer:
        return answer.typed;
    case LogColumn::CorrectAnswer:
        return plainNumberText(answer.expected);
    case LogColumn::Verdict:
        return verdictText(answer.verdict);
    }
    return QString();
}

} // namespace tutor
