#include "progress/progress_stats.h"

#include "rules/operations.h"

#include <QDate>
#include <QSet>
#include <QTime>

#include <algorithm>
#include <array>
#include <cmath>

namespace progress {

namespace {

int operationIndex(tutor::Operation operation)
{
    const auto at = std::find(tutor::AllOperations.begin(), tutor::AllOperations.end(), operation);
    return at == tutor::AllOperations.end() ? -1 : int(at - tutor::AllOperations.begin());
}

// The grid's row or column of an operand; -1 outside 0..12 or for a
// fraction, which the grid does not show.
int gridIndex(double operand)
{
    if (!(operand >= 0 && operand <= 12) || std::floor(operand) != operand)
        return -1;
    return int(operand);
}

// Answers added one at a time, the tally made at the end.
struct TallyBuilder
{
    int right = 0;
    QList<qint64> millis;

    void add(bool correct, qint64 time)
    {
        right += correct ? 1 : 0;
        millis.append(time);
    }
    Tally tally() const
    {
        Tally result;
        result.answers = int(millis.size());
        result.right = right;
        result.medianMillis = medianMillis(millis);
        return result;
    }
};

} // namespace

std::optional<qint64> medianMillis(QList<qint64> millis)
{
    if (millis.isEmpty())
        return std::nullopt;
    const qsizetype half = millis.size() / 2;
    std::nth_element(millis.begin(), millis.begin() + half, millis.end());
    const qint64 upper = millis.at(half);
    if (millis.size() % 2 == 1)
        return upper;
    const qint64 lower = *std::max_element(millis.begin(), millis.begin() + half);
    // Halved apart, so two large times cannot overflow.
    return lower / 2 + upper / 2 + (lower % 2 + upper % 2) / 2;
}

Tally tallyOf(const QList<Answer> &answers)
{
    TallyBuilder builder;
    for (const Answer &answer : answers)
        builder.add(answer.correct, answer.millis);
    return builder.tally();
}

FactState factState(const std::optional<Answer> &latest, qint64 quickMillis)
{
    if (!latest)
        return FactState::NotSeen;
    if (!latest->correct)
        return FactState::WrongLately;
    return latest->millis >= quickMillis ? FactState::RightButSlow : FactState::RightAndQuick;
}

FactState cellState(const FactGrid &grid, int row, int column)
{
    if (row < 0 || column < 0 || row >= 13 || column >= 13)
        return FactState::NotSeen;
    const auto at = [row, column](const auto &cells) {
        return cells.at(std::size_t(row)).at(std::size_t(column));
    };
    if (!grid.byBox)
        return at(grid.cells);
    if (!tutor::isFactFamily(
            { grid.operation, qint16(qMin(row, column)), qint16(qMax(row, column)) }))
        return FactState::NotSeen;
    if (at(grid.familyMissed))
        return FactState::WrongLately;
    const int box = at(grid.boxes);
    if (box < 0)
        return FactState::NotSeen;
    return box >= tutor::BoxCount - 1 ? FactState::RightAndQuick : FactState::RightButSlow;
}

PupilProgress pupilProgress(const QString &name, const QList<tutor::Attempt> &attempts,
    const QDateTime &now, qint64 quickMillis)
{
    constexpr int Days = 30;
    const QDate today = now.toLocalTime().date();
    const QDate firstDay = today.addDays(1 - Days);
    // Where each local day starts, and where the day after today does: an
    // answer's day is found by comparing numbers, not converting each time.
    std::array<qint64, Days + 1> dayStarts {};
    for (int day = 0; day <= Days; ++day)
        dayStarts[size_t(day)] = firstDay.addDays(day).startOfDay().toMSecsSinceEpoch();

    std::array<TallyBuilder, 4> todays;
    std::array<TallyBuilder, 4> weeks;
    std::array<TallyBuilder, 4> months;
    std::array<TallyBuilder, Days> days;
    // The latest answer to each fact and when it was given.
    struct Latest
    {
        qint64 at = 0;
        std::optional<Answer> answer;
    };
    std::array<std::array<std::array<Latest, 13>, 13>, 4> latest {};
    // The same by family, [low][high], for each of its two facts: the one
    // whose second number is the family's low one first.
    std::array<std::array<std::array<std::array<Latest, 2>, 13>, 13>, 4> byFamily {};
    const auto keepLatest = [](Latest &fact, qint64 at, const tutor::Attempt &attempt) {
        // Of two answers in the same millisecond the later one listed.
        if (!fact.answer || at >= fact.at)
            fact = { at, Answer { attempt.correct, attempt.millis } };
    };

    for (const tutor::Attempt &attempt : attempts) {
        const int operation = operationIndex(attempt.operation);
        if (operation < 0)
            continue;
        const qint64 at = attempt.answeredAt.toMSecsSinceEpoch();
        const int row = gridIndex(attempt.first);
        const int column = gridIndex(attempt.second);
        if (row >= 0 && column >= 0)
            keepLatest(latest[size_t(operation)][size_t(row)][size_t(column)], at, attempt);
        if (const std::optional<tutor::FactFamily> family
            = tutor::familyOf(attempt.operation, attempt.first, attempt.second)) {
            const size_t twin = attempt.second == family->low ? 0 : 1;
            keepLatest(byFamily[size_t(operation)][size_t(family->low)][size_t(family->high)][twin],
                at, attempt);
        }
        if (at < dayStarts.front() || at >= dayStarts.back())
            continue;
        const int day
            = int(std::upper_bound(dayStarts.begin(), dayStarts.end(), at) - dayStarts.begin()) - 1;
        months[size_t(operation)].add(attempt.correct, attempt.millis);
        if (day >= Days - 7)
            weeks[size_t(operation)].add(attempt.correct, attempt.millis);
        if (day == Days - 1)
            todays[size_t(operation)].add(attempt.correct, attempt.millis);
        days[size_t(day)].add(attempt.correct, attempt.millis);
    }

    PupilProgress result;
    result.name = name;
    result.worked = now.toUTC();
    for (size_t index = 0; index < tutor::AllOperations.size(); ++index) {
        result.operations.append({ tutor::AllOperations[index], todays[index].tally(),
            weeks[index].tally(), months[index].tally() });
        FactGrid grid;
        grid.operation = tutor::AllOperations[index];
        for (size_t row = 0; row < 13; ++row) {
            for (size_t column = 0; column < 13; ++column) {
                grid.cells[row][column] = factState(latest[index][row][column].answer, quickMillis);
                const auto &twins = byFamily[index][qMin(row, column)][qMax(row, column)];
                grid.familyMissed[row][column] = std::any_of(twins.begin(), twins.end(),
                    [](const Latest &fact) { return fact.answer && !fact.answer->correct; });
            }
        }
        result.facts.append(grid);
    }
    for (int day = 0; day < Days; ++day)
        result.days.append({ firstDay.addDays(day), days[size_t(day)].tally() });
    return result;
}

PupilTotals pupilTotals(qint64 pupilId, const QString &name, const QList<tutor::Attempt> &attempts)
{
    TallyBuilder all;
    std::array<TallyBuilder, 4> byOperation;
    QSet<QDate> days;
    PupilTotals result;
    result.pupilId = pupilId;
    result.name = name;
    for (const tutor::Attempt &attempt : attempts) {
        all.add(attempt.correct, attempt.millis);
        const int operation = operationIndex(attempt.operation);
        if (operation >= 0)
            byOperation[size_t(operation)].add(attempt.correct, attempt.millis);
        days.insert(attempt.answeredAt.toLocalTime().date());
        if (!result.lastPractised.isValid() || attempt.answeredAt > result.lastPractised)
            result.lastPractised = attempt.answeredAt.toUTC();
    }
    result.all = all.tally();
    result.daysPractised = int(days.size());
    for (size_t index = 0; index < tutor::AllOperations.size(); ++index)
        result.byOperation.append({ tutor::AllOperations[index], byOperation[index].tally() });
    return result;
}

} // namespace progress
