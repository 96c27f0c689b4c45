#include "rules/spoken_sum.h"

namespace tutor {

// Every sentence below fills its placeholders in one pass, so a filled-in text
// is never searched for placeholders of its own.

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
    QString sentence;
    switch (operation) {
    case Operation::Addition:
        sentence = QStringLiteral("%1 plus %2 equals what?");
        break;
    case Operation::Subtraction:
        sentence = QStringLiteral("%1 minus %2 equals what?");
        break;
    case Operation::Multiplication:
        sentence = QStringLiteral("%1 times %2 equals what?");
        break;
    case Operation::Division:
        sentence = QStringLiteral("%1 divided by %2 equals what?");
        break;
    default:
        // A code no menu gives out has no word; its place stays empty.
        sentence = QStringLiteral("%1  %2 equals what?");
        break;
    }
    return sentence.arg(first, second);
}

QString spokenMissingNumber(const QString &top, Operation operation, const QString &bottom)
{
    QString sentence;
    switch (operation) {
    case Operation::Addition:
        sentence = QStringLiteral("%1 plus what equals %2?");
        break;
    case Operation::Subtraction:
        sentence = QStringLiteral("%1 minus what equals %2?");
        break;
    case Operation::Multiplication:
        sentence = QStringLiteral("%1 times what equals %2?");
        break;
    case Operation::Division:
        sentence = QStringLiteral("%1 divided by what equals %2?");
        break;
    default:
        sentence = QStringLiteral("%1  what equals %2?");
        break;
    }
    return sentence.arg(top, bottom);
}

QString spokenMissingOperation(const QString &first, const QString &second, const QString &result)
{
    return QStringLiteral("%1 what %2 equals %3? Addition, Subtraction or Multiplication?")
        .arg(first, second, result);
}

QString spokenScore(qint16 right, qint16 wrong)
{
    return QStringLiteral("%1 right, %2 wrong.").arg(right).arg(wrong);
}

QString spokenVerdict(bool right, const QString &score, const QString &sum, bool newSum)
{
    const QString sentence = right
        ? (newSum ? QStringLiteral("Correct! %1 Next: %2") : QStringLiteral("Correct! %1 %2"))
        : (newSum ? QStringLiteral("Try Again. %1 Next: %2") : QStringLiteral("Try Again. %1 %2"));
    return sentence.arg(score, sum);
}

QString spokenRightSum(
    const QString &first, Operation operation, const QString &second, const QString &answer)
{
    QString sentence;
    switch (operation) {
    case Operation::Addition:
        sentence = QStringLiteral("%1 plus %2 equals %3.");
        break;
    case Operation::Subtraction:
        sentence = QStringLiteral("%1 minus %2 equals %3.");
        break;
    case Operation::Multiplication:
        sentence = QStringLiteral("%1 times %2 equals %3.");
        break;
    case Operation::Division:
        sentence = QStringLiteral("%1 divided by %2 equals %3.");
        break;
    default:
        sentence = QStringLiteral("%1  %2 equals %3.");
        break;
    }
    return sentence.arg(first, second, answer);
}

QString spokenMissWithRightSum(const QString &rightSum, const QString &score, const QString &sum)
{
    return QStringLiteral("Try Again. %1 %2 Next: %3").arg(rightSum, score, sum);
}

} // namespace tutor
