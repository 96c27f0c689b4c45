#pragma once

#include <QString>

namespace tutor {

// One answered problem of the session log, as the six log lists show it.
struct LogRow
{
    QString number1;
    QString operation;
    QString number2;
    QString yourAnswer;
    QString correctAnswer;
    QString verdict;
};

} // namespace tutor
