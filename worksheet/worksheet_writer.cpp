#include "worksheet/worksheet_writer.h"

#include <QCoreApplication>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace tutor {

namespace {

// The worksheet files' fixed texts and the save messages in one place, so
// that they can be translated whole. The blanks of the header lines are wide
// enough to write on once printed; %1 and on stand for the texts put in.
// Nothing reads the files back: they are for people, in the language spoken.
namespace words {
//: The worksheet file's first line: where the pupil writes their name.
constexpr char NameBlank[] = QT_TRANSLATE_NOOP("WorksheetFiles", "Name:________________");
//: The worksheet file's second line: where the date is written.
constexpr char DateBlank[] = QT_TRANSLATE_NOOP("WorksheetFiles", "Date:________________");
//: The answer key file's first line, in place of the pupil's name.
constexpr char AnswerKey[] = QT_TRANSLATE_NOOP("WorksheetFiles", "Name: ANSWER KEY");
// "1)  3 + 7  =   ": nothing is padded, so wider numbers push the rest along.
// Signs and numbers only, the same in every language.
constexpr char Problem[] = "%1)  %2 %3 %4  =   %5";
constexpr char AnswerBlank[] = "__________";
// Teachers know this wording, spelling and all; keep it as it is.
//: The status line after a save; %1 is the file's path.
constexpr char Saved[] = QT_TRANSLATE_NOOP("WorksheetFiles", "Save Succesfull - Available in %1");
//: The status line after a failed save; %1 is the file's path, %2 the system's reason.
constexpr char SaveFailed[] = QT_TRANSLATE_NOOP("WorksheetFiles", "Save failed - %1: %2");
} // namespace words

QString phrase(const char *words)
{
    return QCoreApplication::translate("WorksheetFiles", words);
}

QString gap()
{
    return QString(31, u' ');
}

// The problem's line, with `answer` after the equals sign.
QString problemLine(qsizetype number, const WorksheetProblem &problem, const QString &answer)
{
    return QString::fromLatin1(words::Problem)
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
            return problemLine(number, problem, QString::fromLatin1(words::AnswerBlank));
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
