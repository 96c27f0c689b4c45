#include "rules/spoken_log.h"

namespace tutor {

QString spokenLogRow(int rowNumber, const AnsweredProblem &answer)
{
    QString sentence;
    switch (answer.operation) {
    case Operation::Addition:
        sentence = QStringLiteral("Row %1: %2 plus %3, you answered %4, right answer %5, %6");
        break;
    case Operation::Subtraction:
        sentence = QStringLiteral("Row %1: %2 minus %3, you answered %4, right answer %5, %6");
        break;
    case Operation::Multiplication:
        sentence = QStringLiteral("Row %1: %2 times %3, you answered %4, right answer %5, %6");
        break;
    case Operation::Division:
        sentence = QStringLiteral("Row %1: %2 divided by %3, you answered %4, right answer %5, %6");
        break;
    default:
        // As in a spoken sum, a code no menu gives out leaves its place empty.
        sentence = QStringLiteral("Row %1: %2  %3, you answered %4, right answer %5, %6");
        break;
    }
    const QString typed = answer.typed.simplified();
    // One pass fills every placeholder, so a typed "%1" stays as typed.
    return sentence.arg(QString::number(rowNumber), logColumnText(answer, LogColumn::Number1),
        logColumnText(answer, LogColumn::Number2),
        typed.isEmpty() ? QStringLiteral("nothing") : typed,
        logColumnText(answer, LogColumn::CorrectAnswer), verdictText(answer.verdict));
}

QString spokenLogShown(int answers)
{
    if (answers == 0)
        return QStringLiteral("Report shown: no answers yet.");
    if (answers == 1)
        return QStringLiteral("Report shown: 1 answer.");
    return QStringLiteral("Report shown: %1 answers.").arg(answers);
}

} // namespace tutor
