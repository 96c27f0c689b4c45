#include "worksheet/worksheet_writer.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace tutor {

namespace {

// The worksheet files' fixed texts and the save messages in one place, so
// that they can be translated whole. The blanks of the header lines are wide
// enough to write on once printed; %1 and on stand for the texts put in.
namespace words {
constexpr char NameBlank[] = "Name:________________";
constexpr char DateBlank[] = "Date:________________";
constexpr char AnswerKey[] = "Name: ANSWER KEY";
// "1)  3 + 7  =   ": nothing is padded, so wider numbers push the rest along.
constexpr char Problem[] = "%1)  %2 %3 %4  =   %5";
constexpr char AnswerBlank[] = "__________";
// Teachers know this wording, spelling and all; keep it as it is.
constexpr char Saved[] = "Save Succesfull - Available in %1";
constexpr char SaveFailed[] = "Save failed - %1: %2";
} // namespace words

QString phrase(const char *words)
{
    return QString::fromUtf8(words);
}

QString gap()
{
    return QString(31, u' ');
}

// The problem's line, with `answer` after the equals sign.
QString problemLine(qsizetype number, const WorksheetProblem &problem, const QString &answer)
{
    return phrase(words::Problem)
        .arg(QString::number(number), worksheetColumnText(problem, WorksheetColumn::Number1),
            worksheetColumnText(problem, WorksheetColumn::Sign),
            worksheetColumnText(problem, WorksheetColumn::Number2), answer);
}

// Each line is followed by an empty one, to leave room for working.
QByteArray sheetBytes(const QStringList &header, const QList<WorksheetProblem> &problems,
    QString (*lineFor)(qsizetype, const WorksheetProblem &))
{
    QString text;
    for (const QString &line : header)
        text += line + u"\r\n\r\n"_s;
    for (qsizetype k = 0; k < problems.size(); ++k)
        text += lineFor(k + 1, problems.at(k)) + u"\r\n\r\n"_s;
    return text.toUtf8();
}

} // namespace

QByteArray worksheetBytes(
    const QString &teachersName, const QString &className, const QList<WorksheetProblem> &problems)
{
    return sheetBytes({ phrase(words::NameBlank) + gap() + teachersName,
                          phrase(words::DateBlank) + gap() + className },
        problems, [](qsizetype number, const WorksheetProblem &problem) -> QString {
            return problemLine(number, problem, phrase(words::AnswerBlank));
        });
}

QByteArray answerSheetBytes(const QList<WorksheetProblem> &problems)
{
    return sheetBytes({ phrase(words::AnswerKey) + gap(), phrase(words::DateBlank) + gap() },
        problems, [](qsizetype number, const WorksheetProblem &problem) -> QString {
            return problemLine(
                number, problem, worksheetColumnText(problem, WorksheetColumn::Answer));
        });
}

QString worksheetFileName()
{
    return u"OrviWorksheet.txt"_s;
}

QString answerSheetFileName()
{
    return u"OrviAnswersheet.txt"_s;
}

QString worksheetSavedMessage(const QString &path)
{
    return phrase(words::Saved).arg(path);
}

QString worksheetSaveFailedMessage(const QString &path, const QString &reason)
{
    return phrase(words::SaveFailed).arg(path, reason);
}

} // namespace tutor
