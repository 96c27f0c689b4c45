#pragma once

#include "rules/attempt.h"
#include "rules/fact_schedule.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QString>
#include <QUuid>
#include <QVariant>

#include <optional>

class QSqlDatabase;
class QSqlQuery;

// How answers, fact cards and times stand in the progress file's rows.
namespace progress {

// Timestamps are kept as fixed-width ISO 8601 text in UTC, which sorts as
// time does in any database.
QString timeText(const QDateTime &time);
QDateTime timeFromText(const QString &text);

// The columns of an answer, in the order attemptFromRow() reads them from
// the query's column `from` on.
extern const char AttemptColumns[];
tutor::Attempt attemptFromRow(const QSqlQuery &query, int from = 0);

// The columns of a card, in the order cardFromRow() reads them.
extern const char CardColumns[];
// A card as kept; none for a row no program of ours writes, so a damaged
// row is left out rather than shown.
std::optional<tutor::FactCard> cardFromRow(const QSqlQuery &query);

// Days are Julian day numbers of the local calendar, NULL for none.
QVariant dayValue(const QDate &day);
QDate dayFromValue(const QVariant &value);

// The teacher's time for a quick answer, as the settings hold it.
inline constexpr char QuickSecondsName[] = "quick_seconds";
inline constexpr int FewestQuickSeconds = 1;
inline constexpr int MostQuickSeconds = 10;
// The time set, brought into range; the default when none is set or the
// setting cannot be read.
int quickSecondsIn(const QSqlDatabase &db);

// Ids are kept as their 16 bytes.
inline QUuid uuidFromValue(const QVariant &value)
{
    return QUuid::fromRfc4122(value.toByteArray());
}

inline QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace progress
