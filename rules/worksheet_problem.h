#pragma once

#include "rules/level_and_operation.h"

#include <QString>
#include <QtGlobal>

namespace tutor {

// One problem of a worksheet and its answer.
struct WorksheetProblem
{
    Level level = Level::WarmUp;
    Operation operation = Operation::Addition;
    float operand1 = 0;
    float operand2 = 0;
    qint16 answer = 0;
};

// The four columns of the worksheet, left to right, as the screen, the
// files and the printed pages show them.
enum class WorksheetColumn { Number1, Sign, Number2, Answer };

// The text of one column: "7", "*", "5", "35".
QString worksheetColumnText(const WorksheetProblem &problem, WorksheetColumn column);

} // namespace tutor
