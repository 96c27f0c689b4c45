#include "rules/answered_problem.h"

#include "rules/number_text.h"
#include "rules/operations.h"

#include <QCoreApplication>

namespace tutor {

QString verdictText(Verdict verdict)
{
    //: The verdict on an answer, as the log and the report write it.
    return verdict == Verdict::Right
        ? QCoreApplication::translate("Verdicts", "Right")
        //: The verdict on an answer, as the log and the report write it.
        : QCoreApplication::translate("Verdicts", "Wrong");
}

QString logColumnText(const AnsweredProblem &answer, LogColumn column)
{
    switch (column) {
    case LogColumn::Number1:
        return plainNumberText(answer.operand1);
    case LogColumn::Sign:
        return plainSign(answer.operation);
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
