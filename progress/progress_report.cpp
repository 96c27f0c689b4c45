#include "progress/progress_report.h"

#include "base/invisible_characters.h"
#include "base/maker_info.h"
#include "progress/progress_words.h"
#include "rules/html_bytes.h"

#include <QLocale>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace progress {

namespace {

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// A name inside running text: escaped and isolated, so that direction marks
// in it stay inside it.
QString isolatedHtmlName(const QString &name)
{
    return u"<bdi>"_s + escaped(name) + u"</bdi>"_s;
}

QString cell(const QString &text)
{
    return u"<td>"_s + escaped(text) + u"</td>"_s;
}

QString headingCell(const QString &text, int columns = 1)
{
    const QString span = columns > 1 ? u" colspan=%1"_s.arg(columns) : QString();
    return u"<th"_s + span + u">"_s + escaped(text) + u"</th>"_s;
}

QString tallyCells(const Tally &tally)
{
    return cell(QString::number(tally.answers)) + cell(percentText(tally))
        + cell(secondsText(tally.medianMillis));
}

} // namespace

QByteArray progressReportBytes(const PupilProgress &progress)
{
    QString text;
    const auto line = [&text](const QString &content) { text += content + u"\r\n"_s; };

    // A title cannot hold markup, so the name's invisible marks are left out
    // there instead.
    const QString plainName = tutor::withoutInvisibleCharacters(progress.name);
    line(u"<!DOCTYPE html>"_s);
    line(u"<html>"_s);
    line(u"<head>"_s);
    line(u"<meta charset=\"utf-8\">"_s);
    line(u"<title>"_s + escaped(u"Orvi Progress Report For -- "_s + plainName) + u"</title>"_s);
    line(u"<style>table{border-collapse:collapse}th,td{border:1px solid #777;"
         "padding:2px 8px;text-align:center}th{background:navy;color:white}</style>"_s);
    line(u"</head>"_s);
    line(u"<body>"_s);
    line(u"<h1>"_s + isolatedHtmlName(progress.name) + escaped(u"'s Orvi Progress Report"_s)
        + u"</h1>"_s);
    if (progress.worked.isValid()) {
        line(u"<p>Worked out on "_s
            + escaped(progress.worked.toUTC().toString(u"yyyy-MM-dd HH:mm"_s)) + u" UTC.</p>"_s);
    }

    line(u"<h2>Each operation</h2>"_s);
    line(u"<table>"_s);
    line(u"<tr>"_s + headingCell(u"Operation"_s) + headingCell(u"Today"_s, 3)
        + headingCell(u"Last 7 days"_s, 3) + headingCell(u"Last 30 days"_s, 3) + u"</tr>"_s);
    QString subheadings = u"<tr>"_s + headingCell(QString());
    for (int span = 0; span < 3; ++span) {
        subheadings
            += headingCell(u"Answers"_s) + headingCell(u"Right"_s) + headingCell(u"Median time"_s);
    }
    line(subheadings + u"</tr>"_s);
    for (const OperationProgress &operation : progress.operations) {
        line(u"<tr>"_s + cell(operationName(operation.operation)) + tallyCells(operation.today)
            + tallyCells(operation.lastWeek) + tallyCells(operation.lastMonth) + u"</tr>"_s);
    }
    line(u"</table>"_s);

    line(u"<h2>Days of practice in the last 30 days</h2>"_s);
    bool practised = false;
    for (const DayProgress &day : progress.days)
        practised = practised || day.tally.answers > 0;
    if (!practised) {
        line(u"<p>No practice in the last 30 days.</p>"_s);
    } else {
        line(u"<table>"_s);
        line(u"<tr>"_s + headingCell(u"Day"_s) + headingCell(u"Answers"_s) + headingCell(u"Right"_s)
            + headingCell(u"Median time"_s) + u"</tr>"_s);
        for (const DayProgress &day : progress.days) {
            if (day.tally.answers <= 0)
                continue;
            line(u"<tr>"_s + cell(day.day.toString(Qt::ISODate)) + tallyCells(day.tally)
                + u"</tr>"_s);
        }
        line(u"</table>"_s);
    }

    line(u"<p><small>This report was made with the free <a href=\""_s
        + escaped(QString::fromUtf8(tutor::MakerHomePage))
        + u"\">Orvi Math Tutor</a>.</small></p>"_s);
    line(u"</body>"_s);
    line(u"</html>"_s);

    return tutor::htmlFileBytes(text);
}

QString progressReportFileName(const QString &name)
{
    // The name becomes part of a file name in the reports folder: only
    // letters, digits, blanks, hyphens and underscores stay, so no name can
    // leave the folder or be refused by the system.
    QString kept;
    for (const QChar c : name.trimmed().left(60)) {
        if (c.isLetterOrNumber() || c == u' ' || c == u'-' || c == u'_')
            kept += c;
        else
            kept += u'_';
    }
    if (std::none_of(kept.cbegin(), kept.cend(), [](QChar c) { return c.isLetterOrNumber(); }))
        kept = u"Pupil"_s;
    return kept + u"OrviProgress.html"_s;
}

} // namespace progress
