#include "rules/operations.h"

#include <QCoreApplication>

namespace tutor {

QString plainSign(Operation operation)
{
    switch (operation) {
    case Operation::Addition:
        return QStringLiteral("+");
    case Operation::Subtraction:
        return QStringLiteral("-");
    case Operation::Multiplication:
        return QStringLiteral("*");
    case Operation::Division:
        return QStringLiteral("/");
    }
    return QString();
}

QString attemptSign(std::optional<Operation> operation)
{
    if (!operation)
        return QString();
    switch (*operation) {
    case Operation::Addition:
        return QStringLiteral("+");
    case Operation::Subtraction:
        return QStringLiteral("-");
    case Operation::Multiplication:
        return QStringLiteral("x");
    case Operation::Division:
        break; // the game offers none
    }
    return QString();
}

QString writtenSign(Operation operation)
{
    switch (operation) {
    case Operation::Addition:
        return QStringLiteral("+");
    case Operation::Subtraction:
        return QStringLiteral("\u2212");
    case Operation::Multiplication:
        //: The times sign as pupils of this language write it between two numbers: "7 × 8".
        //: A German class writes "·" (U+00B7). Screens, pictures and the printed worksheet
        //: show it; the worksheet's text files keep "*".
        return QCoreApplication::translate("WrittenSign", "×");
    case Operation::Division:
        //: The division sign as pupils of this language write it between two numbers:
        //: "56 ÷ 7". Many classes write ":" instead. Screens, pictures and the printed
        //: worksheet show it; the worksheet's text files keep "/".
        return QCoreApplication::translate("WrittenSign", "÷");
    }
    return QString();
}

SignShape signShape(Operation operation)
{
    const QString written = writtenSign(operation);
    if (operation == Operation::Multiplication && written == u"\u00B7")
        return SignShape::Dot;
    if (operation == Operation::Division && written == u":")
        return SignShape::Colon;
    return SignShape::Usual;
}

QString operationWord(Operation operation)
{
    switch (operation) {
    case Operation::Addition:
        //: The sign's name as a screen reader says it, and in a sum read out.
        return QCoreApplication::translate("SpokenSum", "plus");
    case Operation::Subtraction:
        return QCoreApplication::translate("SpokenSum", "minus");
    case Operation::Multiplication:
        return QCoreApplication::translate("SpokenSum", "times");
    case Operation::Division:
        return QCoreApplication::translate("SpokenSum", "divided by");
    }
    return QString();
}

QString operationName(Operation operation)
{
    // Translated where the progress screens' other words are.
    switch (operation) {
    case Operation::Addition:
        return QCoreApplication::translate("ProgressWords", "Addition");
    case Operation::Subtraction:
        return QCoreApplication::translate("ProgressWords", "Subtraction");
    case Operation::Multiplication:
        return QCoreApplication::translate("ProgressWords", "Multiplication");
    case Operation::Division:
        return QCoreApplication::translate("ProgressWords", "Division");
    }
    return QString();
}

} // namespace tutor
