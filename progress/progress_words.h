#pragma once

#include "progress/progress_data.h"

#include <QList>
#include <QString>

#include <optional>

// The progress screens' and the progress report's words: figures as text and
// the sentences a screen reader speaks for a chart or a table. Plain
// functions, so each sentence is checked without a window.
namespace progress {

// An operation's name inside a sentence: "multiplication" in English (the
// name itself is tutor::operationName).
QString operationInSentence(tutor::Operation operation);
// The facts grid's legend entry: "Not asked yet", "Missed lately", "Learning"
// or "Known".
QString factStateName(FactState state);

// The share right in whole percent, rounded; none without answers.
std::optional<int> percentRight(const Tally &tally);
// "86 %", or "–" without answers.
QString percentText(const Tally &tally);
// How the language spoken writes a share and a time around a figure put in
// at %1: "%1 %" ("86 %"; Portuguese "86%") and "%1 s".
QString percentPattern();
QString secondsPattern();
// "2.4 s" (one decimal, the user's decimal separator), or "–" for none.
QString secondsText(std::optional<qint64> millis);
// "2.4 seconds", "1 second", or an empty text for none.
QString secondsWords(std::optional<qint64> millis);
// A day under a chart, as the language writes it short: "8 Dec", "8. Dez.".
QString shortDayText(const QDate &day);
// A last-practised moment as a local date: "2026-12-08" in English, the
// language's short form otherwise ("08.12.26"); "never" when invalid.
QString dateText(const QDateTime &moment);

// A table cell: "40 · 85 % · 2.4 s", or "none" without answers.
QString tallyCell(const Tally &tally);
// The same in words for a screen reader: "Last 7 days: 40 answers, 85 % right,
// median 2.4 seconds." or "Today: no answers."
QString tallySentence(const QString &span, const Tally &tally);

// How the last 7 days compare with the 23 days before them:
// "Multiplication: 86 % right this week, up from 74 %."
QString weekSentence(const OperationProgress &operation);

// What the two day charts show, over the given days (oldest first).
QString shareChartSentence(const QList<DayProgress> &days);
QString medianChartSentence(const QList<DayProgress> &days);

// What the facts grid shows: how many facts (by box, how many of the
// operation's families) stand at each entry of its legend, the first ten
// missed lately, and by box how to read the grid.
QString factsSentence(const FactGrid &grid);
// One cell of it: "7 × 8: missed lately."
QString factSentence(tutor::Operation operation, int first, int second, FactState state);

// My Facts, kept by family (see tutor::FactFamily).
// A box inside a sentence: "new" (box 0) to "known" (box 5), "not asked
// yet" for -1.
QString boxInSentence(int box);
// A family by its first fact, without the answer: "7 × 8", "56 ÷ 7".
QString familyText(const tutor::FactFamily &family);
// Families as a short list: "7 × 8, 6 × 9"; empty for none.
QString familiesText(const QList<tutor::FactFamily> &families);
// One cell of it, by the family's two numbers: "7 × 8 and 8 × 7: learning.",
// or "7 × 8 and 8 × 7: missed lately." when `missed` (whatever the box).
QString boxSentence(tutor::Operation operation, int row, int column, int box, bool missed);

// A pupil's name inside other words: invisible marks left out, and a name
// with right-to-left letters kept apart (first-strong isolate), so it cannot
// turn the words around it.
QString nameInText(const QString &name);

// Count of facts in each state, in the order of FactState; by box, of the
// operation's families.
std::array<int, 4> factCounts(const FactGrid &grid);

} // namespace progress
