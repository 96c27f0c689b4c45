#pragma once

#include "rules/answered_problem.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace tutor {

// The whole HTML progress report for the pupil `name`: 17 lines plus one per
// logged problem, at most 100 problems shown, every line ending in CR LF. The
// summary counts the whole log by each answer's verdict. The name and what
// the pupil typed are HTML-escaped. All-ASCII text
// gives plain ASCII bytes; otherwise the file is UTF-8 with a byte-order mark,
// so that a browser does not guess another encoding.
QByteArray reportBytes(const QString &name, const QList<AnsweredProblem> &log);

// The report's file name inside the reports folder: "AnnOrviReport.html".
QString reportFileName(const QString &name);

// Why `name` cannot be the start of a plain file name inside the reports
// folder, in words a pupil can act on; empty when it can. Refused are "."
// and "..", the path separators and the characters common file systems
// refuse (/ \ < > : " | ? *), control and invisible formatting characters,
// more than 100 characters, and a file name that would not fit in 255 bytes.
// The empty name is fine.
QString reportNameProblem(const QString &name);

// Whether reportNameProblem() finds nothing wrong with `name`.
bool isSafeReportName(const QString &name);

} // namespace tutor
