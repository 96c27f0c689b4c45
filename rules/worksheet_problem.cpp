#include "rules/worksheet_problem.h"

#include "rules/number_text.h"
#include "rules/operations.h"

namespace tutor {

QString worksheetColumnText(const WorksheetProblem &problem, WorksheetColumn column)
{
    switch (column) {
    case WorksheetColumn::Number1:
        return plainNumberText(problem.operand1);
    case WorksheetColumn::Sign:
        return plainSign(problem.operation);
    case WorksheetColumn::Number2:
        return plainNumberText(problem.operand2);
    case WorksheetColumn::Answer:
        return plainNumberText(problem.answer);
    }
    return QString();
}

} // namespace tutor
