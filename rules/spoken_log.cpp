#include "rules/spoken_log.h"

#include <QCoreApplication>

namespace tutor {

QString spokenLogRow(int rowNumber, const AnsweredProblem &answer)
{
    QString sentence;
    switch (answer.operation) {
    case Operation::Addition:
        //: One row of the log, read out. %1 row number, %2 and %3 the sum's numbers, %4 what
        //: the pupil typed, %5 the right answer, %6 the verdict ("Right" or "Wrong").
        sentence = QCoreApplication::translate(
            "SpokenLog", "Row %1: %2 plus %3, you answered %4, right answer %5, %6");
        break;
    case Operation::Subtraction:
        sentence = QCoreApplication::translate(
            "SpokenLog", "Row %1: %2 minus %3, you answered %4, right answer %5, %6");
        break;
    case Operation::Multiplication:
        sentence = QCoreApplication::translate(
            "SpokenLog", "Row %1: %2 times %3, you answered %4, right answer %5, %6");
        break;
    case Operation::Division:
        sentence = QCoreApplication::translate(
            "SpokenLog", "Row %1: %2 divided by %3, you answered %4, right answer %5, %6");
        break;
    default:
        // As in a spoken sum, a code no menu gives out leaves its place empty.
        //: An operation with no name: its word is left out.
        sentence = QCoreApplication::translate(
            "SpokenLog", "Row %1: %2  %3, you answered %4, right answer %5, %6");
        break;
    }
    const QString typed = answer.typed.simplified();
    // One pass fills every placeholder, so a typed "%1" stays as typed.
    return sentence.arg(QString::number(rowNumber), logColumnText(answer, LogColumn::Number1),
        logColumnText(answer, LogColumn::Number2),
        //: Said in place of an answer when nothing was typed.
        typed.isEmpty() ? QCoreApplication::translate("SpokenLog", "nothing") : typed,
        logColumnText(answer, LogColumn::CorrectAnswer), verdictText(answer.verdict));
}

QString spokenLogShown(int answers)
{
    if (answers == 0)
        return QCoreApplication::translate("SpokenLog", "Report shown: no answers yet.");
    return QCoreApplication::translate("SpokenLog", "Report shown: %n answers.", nullptr, answers);
}

} // namespace tutor
