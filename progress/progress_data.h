#pragma once

#include "rules/fact_schedule.h"
#include "rules/level_and_operation.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// What the progress screens show, worked out from the kept answers. Plain
// values, so the screens can be shown and tested without a database.
//
// Every count takes every answer, in practice and in the games alike: a
// pupil's answers of one day or one operation are the same number on My
// Progress, in its report, on the class overview and in the export.
namespace progress {

// Answers in some span of time: how many, how many right, and the median
// milliseconds an answer took (none without answers).
struct Tally
{
    int answers = 0;
    int right = 0;
    std::optional<qint64> medianMillis;
};

// One operation's tallies for a pupil: today, the last 7 and the last 30
// days (today included), all modes together.
struct OperationProgress
{
    tutor::Operation operation = tutor::Operation::Addition;
    Tally today;
    Tally lastWeek;
    Tally lastMonth;
};

// One day's answers, for the charts.
struct DayProgress
{
    QDate day; // local calendar day
    Tally tally;
};

// How a pupil does on one fact, judged by the latest answers to it; also
// the four entries of the facts grid's legend, whether it shows facts or
// My Facts families (see cellState in progress_stats.h).
enum class FactState : quint8 {
    NotSeen, // never asked: "Not asked yet"
    WrongLately, // the latest answer was wrong: "Missed lately"
    RightButSlow, // the latest answer was right, but not quick: "Learning"
    RightAndQuick, // the latest answer was right and quick: "Known"
};
// Quick is within the teacher's setting, this until one is made.
inline constexpr qint64 DefaultQuickMillis = 3000;

// First operand 0..12 down, second operand 0..12 across, for one operation.
// A fact outside 0..12 is not shown.
struct FactGrid
{
    tutor::Operation operation = tutor::Operation::Addition;
    std::array<std::array<FactState, 13>, 13> cells {}; // [first][second]
    // With My Facts kept for the operation, the grid shows each family's box
    // instead, by the family's two numbers ([low][high] and [high][low]; see
    // tutor::FactFamily), -1 for a family never asked.
    bool byBox = false;
    std::array<std::array<qint8, 13>, 13> boxes {};
    // By the family's two numbers, as boxes: the latest answer to either of
    // the family's facts was wrong, in any mode.
    std::array<std::array<bool, 13>, 13> familyMissed {};
};

// Everything "My Progress" shows of one pupil.
struct PupilProgress
{
    QString name;
    QDateTime worked; // when this was worked out (UTC)
    QList<OperationProgress> operations; // the four, in menu order
    QList<DayProgress> days; // the last 30 days, oldest first, every day present
    QList<FactGrid> facts; // the four operations, in menu order
};

// One operation's answers of all time.
struct OperationTally
{
    tutor::Operation operation = tutor::Operation::Addition;
    Tally tally;
};

// One pupil's line in the class overview.
struct PupilTotals
{
    qint64 pupilId = 0;
    QString name;
    Tally all;
    int daysPractised = 0;
    QDateTime lastPractised; // UTC; invalid when never
    QList<OperationTally> byOperation; // all time, the four in menu order
    // My Facts families missed tutor::MissesToFlag times or more, most
    // missed first: they need teaching.
    QList<tutor::FactFamily> needsTeaching;
};

} // namespace progress
