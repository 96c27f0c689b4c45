#include "rules/spoken_sum.h"

#include <QCoreApplication>

namespace tutor {

// Every sentence below fills its placeholders in one pass, so a filled-in text
// is never searched for placeholders of its own.

QString spokenSum(const QString &first, Operation operation, const QString &second)
{
    QString sentence;
    switch (operation) {
    case Operation::Addition:
        //: The sum to answer, read out. %1 and %2 are its numbers.
        sentence = QCoreApplication::translate("SpokenSum", "%1 plus %2 equals what?");
        break;
    case Operation::Subtraction:
        sentence = QCoreApplication::translate("SpokenSum", "%1 minus %2 equals what?");
        break;
    case Operation::Multiplication:
        sentence = QCoreApplication::translate("SpokenSum", "%1 times %2 equals what?");
        break;
    case Operation::Division:
        sentence = QCoreApplication::translate("SpokenSum", "%1 divided by %2 equals what?");
        break;
    default:
        // A code no menu gives out has no word; its place stays empty.
        //: An operation with no name: its word is left out.
        sentence = QCoreApplication::translate("SpokenSum", "%1  %2 equals what?");
        break;
    }
    return sentence.arg(first, second);
}

QString spokenMissingNumber(const QString &top, Operation operation, const QString &bottom)
{
    QString sentence;
    switch (operation) {
    case Operation::Addition:
        //: The Missing Number game's sum, read out: %1 the number above, %2 what the sum comes
        //: to.
        sentence = QCoreApplication::translate("SpokenSum", "%1 plus what equals %2?");
        break;
    case Operation::Subtraction:
        sentence = QCoreApplication::translate("SpokenSum", "%1 minus what equals %2?");
        break;
    case Operation::Multiplication:
        sentence = QCoreApplication::translate("SpokenSum", "%1 times what equals %2?");
        break;
    case Operation::Division:
        sentence = QCoreApplication::translate("SpokenSum", "%1 divided by what equals %2?");
        break;
    default:
        //: An operation with no name: its word is left out.
        sentence = QCoreApplication::translate("SpokenSum", "%1  what equals %2?");
        break;
    }
    return sentence.arg(top, bottom);
}

QString spokenMissingOperation(const QString &first, const QString &second, const QString &result)
{
    //: The Missing Operation game's sum, read out, and the three answers it offers.
    return QCoreApplication::translate(
        "SpokenSum", "%1 what %2 equals %3? Addition, Subtraction or Multiplication?")
        .arg(first, second, result);
}

QString spokenScore(qint16 right, qint16 wrong)
{
    //: The score card, read out: %1 answers right, %2 wrong.
    return QCoreApplication::translate("SpokenSum", "%1 right, %2 wrong.")
        .arg(QString::number(right), QString::number(wrong));
}

QString spokenVerdict(bool right, const QString &score, const QString &sum, bool newSum)
{
    QString sentence;
    if (right && newSum) {
        //: After a right answer: %1 the score, %2 the next sum to answer. "Correct!" as the
        //: screen shows it.
        sentence = QCoreApplication::translate("SpokenSum", "Correct! %1 Next: %2");
    } else if (right) {
        //: After a right answer, the same sum asked again: %1 the score, %2 the sum.
        sentence = QCoreApplication::translate("SpokenSum", "Correct! %1 %2");
    } else if (newSum) {
        //: After a wrong answer: %1 the score, %2 the next sum. "Try Again" as the screen
        //: shows it.
        sentence = QCoreApplication::translate("SpokenSum", "Try Again. %1 Next: %2");
    } else {
        //: After a wrong answer, the same sum to try again: %1 the score, %2 the sum.
        sentence = QCoreApplication::translate("SpokenSum", "Try Again. %1 %2");
    }
    return sentence.arg(score, sum);
}

QString spokenRightSum(
    const QString &first, Operation operation, const QString &second, const QString &answer)
{
    QString sentence;
    switch (operation) {
    case Operation::Addition:
        //: A sum with its answer, read out after a miss: %1 and %2 its numbers, %3 the answer.
        sentence = QCoreApplication::translate("SpokenSum", "%1 plus %2 equals %3.");
        break;
    case Operation::Subtraction:
        sentence = QCoreApplication::translate("SpokenSum", "%1 minus %2 equals %3.");
        break;
    case Operation::Multiplication:
        sentence = QCoreApplication::translate("SpokenSum", "%1 times %2 equals %3.");
        break;
    case Operation::Division:
        sentence = QCoreApplication::translate("SpokenSum", "%1 divided by %2 equals %3.");
        break;
    default:
        //: An operation with no name: its word is left out.
        sentence = QCoreApplication::translate("SpokenSum", "%1  %2 equals %3.");
        break;
    }
    return sentence.arg(first, second, answer);
}

QString spokenMissWithRightSum(const QString &rightSum, const QString &score, const QString &sum)
{
    //: After a miss in My Facts: %1 the right sum with its answer, %2 the score, %3 the next
    //: sum.
    return QCoreApplication::translate("SpokenSum", "Try Again. %1 %2 Next: %3")
        .arg(rightSum, score, sum);
}

} // namespace tutor
