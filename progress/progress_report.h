#pragma once

#include "progress/progress_data.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace progress {

// The whole HTML progress report of one pupil across sessions: a title with
// the pupil's name, each operation's answers, share right and median time
// today and over the last 7 and 30 days, the days practised of the last 30,
// the facts grid of each operation with answers, a mark in each cell besides
// its colour, and the families of `cards` that need teaching, most missed
// first. Every line ends in CR LF. Every text is HTML-escaped and the name is
// kept apart from the text around it, so a name written right to left cannot
// turn that text around. All-ASCII text gives plain ASCII bytes; otherwise
// the file is UTF-8 with a byte-order mark, as the session report. It is
// written in the language spoken, its days and figures in that language's
// form.
QByteArray progressReportBytes(
    const PupilProgress &progress, const QList<tutor::FactCard> &cards = {});

// The report's file name inside the reports folder: "AnnOrviProgress.html"
// for a name of letters, digits, blanks, hyphens and underscores, of at most
// 60 characters, that no other pupil's name matches but for case. Any other
// name has the characters a file name cannot safely hold as "_" and the
// pupil's id after it: "Tom _ JerryOrviProgress-7.html". `everyPupilsName`
// holds the name of every pupil of the progress file, this one's too; no two
// of them get the same file, even where the file system ignores case.
QString progressReportFileName(
    const QString &name, qint64 pupilId, const QStringList &everyPupilsName);

} // namespace progress
