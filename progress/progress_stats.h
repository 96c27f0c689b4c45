#pragma once

#include "progress/progress_data.h"
#include "rules/attempt.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

// The sums behind the progress screens, worked out from answers already
// read: no database and no widgets, so each rule is tested on its own.
namespace progress {

// One answer as a tally counts it.
struct Answer
{
    bool correct = false;
    qint64 millis = 0;
};

// The middle time; of an even count the mean of the two middle ones,
// rounded down. None without times.
std::optional<qint64> medianMillis(QList<qint64> millis);

Tally tallyOf(const QList<Answer> &answers);

// How a fact stands by its latest answer (none: never asked); quick is
// under `quickMillis`.
FactState factState(const std::optional<Answer> &latest, qint64 quickMillis = DefaultQuickMillis);

// The legend entry a cell of the grid stands in. Without My Facts a cell is
// a fact, by its latest answer. By box it is a family: missed lately when
// either fact's latest answer was wrong, whatever its box; else not asked
// yet without a card or outside the operation's families, known in the top
// box, and learning below it.
FactState cellState(const FactGrid &grid, int row, int column);

// What "My Progress" shows of a pupil with these answers (any order) at
// `now` (UTC); days are the local calendar's.
PupilProgress pupilProgress(const QString &name, const QList<tutor::Attempt> &attempts,
    const QDateTime &now, qint64 quickMillis = DefaultQuickMillis);

// The pupil's line of the class overview from all their answers.
PupilTotals pupilTotals(qint64 pupilId, const QString &name, const QList<tutor::Attempt> &attempts);

} // namespace progress
