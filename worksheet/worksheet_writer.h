#pragma once

#include "rules/worksheet_problem.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace tutor {

// The pupil's worksheet: the name and date lines (the teacher's name and the
// class name after them), then each problem with a blank to fill in. Every
// line ends in CR LF and is followed by an empty line; UTF-8, no byte-order
// mark, so plain ASCII input gives plain ASCII bytes.
QByteArray worksheetBytes(
    const QString &teachersName, const QString &className, const QList<WorksheetProblem> &problems);

// The answer key to the same problems, with the answers filled in.
QByteArray answerSheetBytes(const QList<WorksheetProblem> &problems);

// The names of the two files in the worksheets folder.
QString worksheetFileName(); // "OrviWorksheet.txt"
QString answerSheetFileName(); // "OrviAnswersheet.txt"

// The status line after a save, naming the file that was written, or the
// file that was not and the system's reason.
QString worksheetSavedMessage(const QString &path);
QString worksheetSaveFailedMessage(const QString &path, const QString &reason);

} // namespace tutor
