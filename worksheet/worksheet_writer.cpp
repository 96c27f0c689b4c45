#include "worksheet/worksheet_writer.h"

#include <QStringList>
#include <QStringView>

using namespace Qt::StringLiterals;

namespace tutor {

namespace {

// The blanks of the header lines, wide enough to write on once printed.
constexpr QStringView NameBlank = u"Name:________________";
constexpr QStringView DateBlank = u"Date:________________";

QString gap()
{
    return QString(31, u' ');
}

// "1)  3 + 7": nothing is padded, so wider numbers push the rest along.
QString problemText(qsizetype number, const WorksheetRow &row)
{
    return QString::number(number) + u")  "_s + row.number1 + u' ' + row.operation + u' '
        + row.number2;
}

// Each line is followed by an empty one, to leave room for working.
QByteArray sheetBytes(const QStringList &header, const QList<WorksheetRow> &rows,
    QString (*lineFor)(qsizetype, const WorksheetRow &))
{
    QString text;
    for (const QString &line : header)
        text += line + u"\r\n\r\n"_s;
    for (qsizetype k = 0; k < rows.size(); ++k)
        text += lineFor(k + 1, rows.at(k)) + u"\r\n\r\n"_s;
    return text.toUtf8();
}

} // namespace

QByteArray worksheetBytes(
    const QString &teachersName, const QString &className, const QList<WorksheetRow> &rows)
{
    return sheetBytes({ NameBlank + gap() + teachersName, DateBlank + gap() + className }, rows,
        [](qsizetype number, const WorksheetRow &row) -> QString {
            return problemText(number, row) + u"  =   __________"_s;
        });
}

QByteArray answerSheetBytes(const QList<WorksheetRow> &rows)
{
    return sheetBytes({ u"Name: ANSWER KEY"_s + gap(), DateBlank + gap() }, rows,
        [](qsizetype number, const WorksheetRow &row) -> QString {
            return problemText(number, row) + u"  =   "_s + row.answer;
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
    // Teachers know this wording, spelling and all; keep it as it is.
    return u"Save Succesfull - Available in "_s + path;
}

QString worksheetSaveFailedMessage(const QString &path, const QString &reason)
{
    return u"Save failed - "_s + path + u": "_s + reason;
}

} // namespace tutor
