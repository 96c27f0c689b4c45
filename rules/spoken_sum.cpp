#include "rules/spoken_sum.h"

namespace tutor {

QString operationWord(Operation operation)
{
    switch (operation) {
    case Operation::Addition:
        return QStringLiteral("plus");
    case Operation::Subtraction:
        return QStringLiteral("minus");
    case Operation::Multiplication:
        return QStringLiteral("times");
    case Operation::Division:
        return QStringLiteral("divided by");
    default:
        return QString();
    }
}

QString spokenSum(const QString &first, Operation operation, const QString &second)
{
    return first + QLatin1Char(' ') + operationWord(operation) + QLatin1Char(' ') + second
        + QStringLiteral(" equals what?");
}

QString spokenMissingNumber(const QString &top, Operation operation, const QString &bottom)
{
    return top + QLatin1Char(' ') + operationWord(operation) + QStringLiteral(" what equals ")
        + bottom + QLatin1Char('?');
}

QString spokenMissingOperation(const QString &first, const QString &second, const QString &result)
{
    return first + QStringLiteral(" what ") + second + QStringLiteral(" equals ") + result
        + QStringLiteral("? Addition, Subtraction or Multiplication?");
}

QString spokenScore(qint16 right, qint16 wrong)
{
    return QStringLiteral("%1 right, %2 wrong.").arg(right).arg(wrong);
}

QString spokenVerdict(bool right, const QString &score, const QString &sum, bool newSum)
{
    return (right ? QStringLiteral("Correct! ") : QStringLiteral("Try Again. ")) + score
        + (newSum ? QStringLiteral(" Next: ") : QStringLiteral(" ")) + sum;
}

} // namespace tutor
