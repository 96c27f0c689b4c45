#pragma once

#include "progress/progress_data.h"

#include <QByteArray>
#include <QString>

namespace progress {

// The whole HTML progress report of one pupil across sessions: a title with
// the pupil's name, each operation's answers, share right and median time
// today and over the last 7 and 30 days, and the days practised of the last
// 30. Every line ends in CR LF. Every text is HTML-escaped and the name is
// kept apart from the text around it, so a name written right to left cannot
// turn that text around. All-ASCII text gives plain ASCII bytes; otherwise
// the file is UTF-8 with a byte-order mark, as the session report. It is
// written in the language spoken, its days and figures in that language's
// form.
QByteArray progressReportBytes(const PupilProgress &progress);

// The report's file name inside the reports folder: "AnnOrviProgress.html".
// Characters a file name cannot safely hold become "_".
QString progressReportFileName(const QString &name);

} // namespace progress
