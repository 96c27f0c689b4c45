#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tutor {

// One problem of the worksheet, as the worksheet screen's four lists show it.
struct WorksheetRow
{
    QString number1;
    QString operation;
    QString number2;
    QString answer;
};

// The pupil's worksheet: the name and date lines (the teacher's name and the
// class name after them), then each problem with a blank to fill in. Every
// line ends in CR LF and is followed by an empty line; UTF-8, no byte-order
// mark, so plain ASCII input gives plain ASCII bytes.
QByteArray worksheetBytes(
    const QString &teachersName, const QString &className, const QList<WorksheetRow> &rows);

// The answer key to the same problems, with the answers filled in.
QByteArray answerSheetBytes(const QList<WorksheetRow> &rows);

// The names of the two files in the worksheets folder.
QString worksheetFileName(); // "OrviWorksheet.txt"
QString answerSheetFileName(); // "OrviAnswersheet.txt"

// The status line after a save, naming the file that was written, or the
// file that was not and the system's reason.
QString worksheetSavedMessage(const QString &path);
QString worksheetSaveFailedMessage(const QString &path, const QString &reason);

} // namespace tutor
