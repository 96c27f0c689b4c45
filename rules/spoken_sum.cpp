#include "rules/spoken_sum.h"

#include "rules/level_and_operation.h"

namespace tutor {

QString operationWord(qint16 operationCode)
{
    switch (Operation(operationCode)) {
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

QString spokenSum(const QString &first, qint16 operationCode, const QString &second)
{
    return first + QLatin1Char(' ') + operationWord(operationCode) + QLatin1Char(' ') + second
        + QStringLiteral(" equals what?");
}

QString spokenMissingNumber(const QString &top, qint16 operationCode, const QString &bottom)
{
    return top + QLatin1Char(' ') + operationWord(operationCode) + QStringLiteral(" what equals ")
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
