#include "progress/progress_report.h"

#include "base/invisible_characters.h"
#include "base/language.h"
#include "base/maker_info.h"
#include "progress/progress_stats.h"
#include "progress/progress_words.h"
#include "progress/pupil_names.h"
#include "progress/teaching_order.h"
#include "rules/fact_schedule.h"
#include "rules/html_bytes.h"
#include "rules/operations.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

namespace progress {

namespace {

// Longer names are cut in the file's name; the report holds them whole.
constexpr int LongestNameInFileName = 60;

// The context the report's words are translated in.
class ProgressReport
{
    Q_DECLARE_TR_FUNCTIONS(ProgressReport)
};

bool englishSpoken()
{
    return language::spokenLanguage() == u"en"_s;
}

// A day as the reader writes it; in English, as the report always had it.
QString dayText(const QDate &day)
{
    return englishSpoken() ? day.toString(Qt::ISODate)
                           : language::spokenLocale().toString(day, QLocale::ShortFormat);
}

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

// A mark for each entry of the grid's legend, so that a grid printed in
// black and white reads as well as in colour. Written as character
// references: a page of plain ASCII stays so.
QString markCell(FactState state)
{
    switch (state) {
    case FactState::NotSeen:
        return u"<td>&ndash;</td>"_s;
    case FactState::WrongLately:
        return u"<td class=m>&#x2717;</td>"_s; // a cross
    case FactState::RightButSlow:
        return u"<td class=l>&#x25cb;</td>"_s; // a ring
    case FactState::RightAndQuick:
        return u"<td class=k>&#x2713;</td>"_s; // a tick
    }
    return cell(QString());
}

bool anyAsked(const FactGrid &grid)
{
    for (int row = 0; row < 13; ++row) {
        for (int column = 0; column < 13; ++column) {
            if (cellState(grid, row, column) != FactState::NotSeen)
                return true;
        }
    }
    return false;
}

// The facts grid of one operation as My Progress shows it: a row per
// first number, a column per second (by box, a family's two numbers), and
// what the grid says in words below it.
void writeGrid(const FactGrid &grid, const std::function<void(const QString &)> &line)
{
    //: A heading above an operation's grid of facts; %1 is an operation: "Multiplication".
    line(u"<h3>"_s + escaped(ProgressReport::tr("%1 facts").arg(operationName(grid.operation)))
        + u"</h3>"_s);
    line(u"<table>"_s);
    QString headings = headingCell(grid.byBox ? QString() : tutor::writtenSign(grid.operation));
    for (int column = 0; column < 13; ++column)
        headings += headingCell(QString::number(column));
    line(u"<tr>"_s + headings + u"</tr>"_s);
    for (int row = 0; row < 13; ++row) {
        QString cells = headingCell(QString::number(row));
        for (int column = 0; column < 13; ++column)
            cells += markCell(cellState(grid, row, column));
        line(u"<tr>"_s + cells + u"</tr>"_s);
    }
    line(u"</table>"_s);
    line(u"<p>"_s + escaped(factsSentence(grid)) + u"</p>"_s);
}

} // namespace

QByteArray progressReportBytes(const PupilProgress &progress, const QList<tutor::FactCard> &cards)
{
    QString text;
    const auto line = [&text](const QString &content) { text += content + u"\r\n"_s; };

    // A title cannot hold markup, so the name's invisible marks are left out
    // there instead.
    const QString plainName = tutor::withoutInvisibleCharacters(progress.name);
    line(u"<!DOCTYPE html>"_s);
    // A screen reader reads the report in its language.
    line(englishSpoken() ? u"<html>"_s
                         : u"<html lang=\"%1\">"_s.arg(language::spokenLocale().bcp47Name()));
    line(u"<head>"_s);
    line(u"<meta charset=\"utf-8\">"_s);
    //: The web page's title; %1 is the pupil's name.
    line(u"<title>"_s + escaped(ProgressReport::tr("Orvi Progress Report For -- %1").arg(plainName))
        + u"</title>"_s);
    line(u"<style>table{border-collapse:collapse}th,td{border:1px solid #777;"
         "padding:2px 8px;text-align:center}th{background:navy;color:white}</style>"_s);
    line(u"<style>td.m{background:#f5c6c6}td.l{background:#fbe7a1}td.k{background:#c8e6c9}"
         "</style>"_s);
    line(u"</head>"_s);
    line(u"<body>"_s);
    //: The report's heading; %1 is the pupil's name.
    line(u"<h1>"_s
        + escaped(ProgressReport::tr("%1's Orvi Progress Report"))
              .arg(isolatedHtmlName(progress.name))
        + u"</h1>"_s);
    if (progress.worked.isValid()) {
        const QDateTime worked = progress.worked.toUTC();
        const QString when = englishSpoken()
            ? worked.toString(u"yyyy-MM-dd HH:mm"_s)
            : language::spokenLocale().toString(worked, QLocale::ShortFormat);
        //: %1 is a date and time in UTC.
        line(u"<p>"_s + escaped(ProgressReport::tr("Worked out on %1 UTC.").arg(when)) + u"</p>"_s);
    }

    line(u"<h2>"_s + escaped(ProgressReport::tr("Each operation")) + u"</h2>"_s);
    line(u"<table>"_s);
    line(u"<tr>"_s + headingCell(ProgressReport::tr("Operation"))
        + headingCell(ProgressReport::tr("Today"), 3)
        + headingCell(ProgressReport::tr("Last 7 days"), 3)
        + headingCell(ProgressReport::tr("Last 30 days"), 3) + u"</tr>"_s);
    QString subheadings = u"<tr>"_s + headingCell(QString());
    for (int span = 0; span < 3; ++span) {
        subheadings += headingCell(ProgressReport::tr("Answers"))
            //: Column heading: how many answers were right, in percent.
            + headingCell(ProgressReport::tr("Right", "share of answers"))
            + headingCell(ProgressReport::tr("Median time"));
    }
    line(subheadings + u"</tr>"_s);
    for (const OperationProgress &operation : progress.operations) {
        line(u"<tr>"_s + cell(operationName(operation.operation)) + tallyCells(operation.today)
            + tallyCells(operation.lastWeek) + tallyCells(operation.lastMonth) + u"</tr>"_s);
    }
    line(u"</table>"_s);

    line(u"<h2>"_s + escaped(ProgressReport::tr("Days of practice in the last 30 days"))
        + u"</h2>"_s);
    bool practised = false;
    for (const DayProgress &day : progress.days)
        practised = practised || day.tally.answers > 0;
    if (!practised) {
        line(
            u"<p>"_s + escaped(ProgressReport::tr("No practice in the last 30 days.")) + u"</p>"_s);
    } else {
        line(u"<table>"_s);
        line(u"<tr>"_s + headingCell(ProgressReport::tr("Day"))
            + headingCell(ProgressReport::tr("Answers"))
            + headingCell(ProgressReport::tr("Right", "share of answers"))
            + headingCell(ProgressReport::tr("Median time")) + u"</tr>"_s);
        for (const DayProgress &day : progress.days) {
            if (day.tally.answers <= 0)
                continue;
            line(u"<tr>"_s + cell(dayText(day.day)) + tallyCells(day.tally) + u"</tr>"_s);
        }
        line(u"</table>"_s);
    }

    line(u"<h2>"_s + escaped(ProgressReport::tr("Facts of each operation")) + u"</h2>"_s);
    QString legend;
    for (const FactState state : { FactState::NotSeen, FactState::WrongLately,
             FactState::RightButSlow, FactState::RightAndQuick })
        legend += markCell(state) + cell(factStateName(state));
    line(u"<table><tr>"_s + legend + u"</tr></table>"_s);
    bool asked = false;
    for (const FactGrid &grid : progress.facts) {
        if (!anyAsked(grid))
            continue;
        asked = true;
        writeGrid(grid, line);
    }
    if (!asked)
        line(u"<p>"_s + escaped(ProgressReport::tr("No facts asked yet.")) + u"</p>"_s);

    //: A heading: facts missed often since they were last known, which may need a teacher's
    //: help rather than more practice.
    line(u"<h2>"_s + escaped(ProgressReport::tr("Facts that need teaching")) + u"</h2>"_s);
    const QList<tutor::FactFamily> teach = familiesToTeach(cards);
    line(u"<p>"_s
        + escaped(
            teach.isEmpty() ? ProgressReport::tr("No facts need teaching.") : familiesText(teach))
        + u"</p>"_s);

    const QString link = u"<a href=\""_s + escaped(QString::fromUtf8(tutor::MakerHomePage))
        + u"\">Orvi Math Tutor</a>"_s;
    //: %1 is the program's name, a link to its web page.
    line(u"<p><small>"_s
        + escaped(ProgressReport::tr("This report was made with the free %1.")).arg(link)
        + u"</small></p>"_s);
    line(u"</body>"_s);
    line(u"</html>"_s);

    return tutor::htmlFileBytes(text);
}

QString progressReportFileName(
    const QString &name, qint64 pupilId, const QStringList &everyPupilsName)
{
    // The name becomes part of a file name in the reports folder: only
    // letters, digits, blanks, hyphens and underscores stay, so no name can
    // leave the folder or be refused by the system.
    const QString trimmed = name.trimmed();
    QString kept;
    for (const QChar c : trimmed.left(LongestNameInFileName)) {
        if (c.isLetterOrNumber() || c == u' ' || c == u'-' || c == u'_')
            kept += c;
        else
            kept += u'_';
    }
    const bool named
        = std::any_of(kept.cbegin(), kept.cend(), [](QChar c) { return c.isLetterOrNumber(); });
    // A name written as it is could still meet another pupil's file where
    // case is ignored: "Ann" and "ann" from a file of an older version.
    const QString key = pupilNameKey(trimmed);
    const auto sharing = std::count_if(everyPupilsName.cbegin(), everyPupilsName.cend(),
        [&key](const QString &other) { return pupilNameKey(other) == key; });
    if (named && kept == trimmed && sharing <= 1)
        return kept + u"OrviProgress.html"_s;
    // Any other name is told apart by the pupil's number, after the part
    // that every name written as it is ends in, so it meets none of them.
    return (named ? kept : u"Pupil"_s) + u"OrviProgress-"_s + QString::number(pupilId) + u".html"_s;
}

} // namespace progress
