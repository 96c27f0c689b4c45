#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The files of a pupil's export from the class server: a CSV for a
// spreadsheet and a page to read. Their readers are parents and
// administrators, so they speak English whatever the computer's language.
namespace classroom {

// The words of an answer's codes; a code without a word stands as its
// number.
QString answerModeWord(int code);
QString answerLevelWord(int mode, int level);
QString answerOperationWord(int code);

// `answers` hold each answer's fields: when, activity, level, operation, the
// two numbers, the answer given and the right one, 1 or 0 for right, seconds
// taken, quick within, PC, the answer's id, and when the server received it.
// UTF-8 with a byte order mark, CR LF line ends, RFC 4180.
QByteArray pupilCsv(
    const QString &name, const QString &className, const QList<QStringList> &answers);
// A plain HTML5 page, every value escaped.
QByteArray pupilPage(
    const QString &name, const QString &className, const QList<QStringList> &answers);

} // namespace classroom
