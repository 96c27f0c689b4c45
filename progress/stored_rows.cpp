#include "progress/stored_rows.h"

#include "progress/progress_store.h"

#include <QSqlQuery>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace progress {

namespace {

int digits(const QString &text, int from, int count)
{
    int value = 0;
    for (int at = from; at < from + count; ++at)
        value = value * 10 + (text.at(at).unicode() - u'0');
    return value;
}

} // namespace

QString timeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

// Read back by hand: thousands of answers are read per screen, and the
// general parser is many times slower on this one fixed shape.
QDateTime timeFromText(const QString &text)
{
    if (text.size() == 24 && text.at(10) == u'T' && text.at(23) == u'Z') {
        const QDate date(digits(text, 0, 4), digits(text, 5, 2), digits(text, 8, 2));
        const QTime time(
            digits(text, 11, 2), digits(text, 14, 2), digits(text, 17, 2), digits(text, 20, 3));
        if (date.isValid() && time.isValid())
            return QDateTime(date, time, Qt::UTC);
    }
    return QDateTime::fromString(text, Qt::ISODateWithMs).toUTC();
}

const char AttemptColumns[] = "answered_at, mode, level, operation, first, second, typed, "
                              "expected, correct, millis";

tutor::Attempt attemptFromRow(const QSqlQuery &query, int from)
{
    tutor::Attempt attempt;
    attempt.answeredAt = timeFromText(query.value(from).toString());
    attempt.mode = tutor::AnswerMode(query.value(from + 1).toInt());
    attempt.level = tutor::Level(query.value(from + 2).toInt());
    attempt.operation = tutor::Operation(query.value(from + 3).toInt());
    attempt.first = query.value(from + 4).toDouble();
    attempt.second = query.value(from + 5).toDouble();
    attempt.typed = query.value(from + 6).toString();
    attempt.expected = query.value(from + 7).toString();
    attempt.correct = query.value(from + 8).toInt() != 0;
    attempt.millis = query.value(from + 9).toLongLong();
    return attempt;
}

const char CardColumns[] = "operation, low, high, box, due_day, first_seen, last_seen, "
                           "quick_days, last_quick_day, misses, answers, misses_since_known, "
                           "day_misses, comebacks_owed";

QVariant dayValue(const QDate &day)
{
    return day.isValid() ? QVariant(day.toJulianDay()) : QVariant(QMetaType::fromType<qint64>());
}

QDate dayFromValue(const QVariant &value)
{
    bool number = false;
    const qint64 julian = value.toLongLong(&number);
    return value.isNull() || !number ? QDate() : QDate::fromJulianDay(julian);
}

std::optional<tutor::FactCard> cardFromRow(const QSqlQuery &query)
{
    tutor::FactCard card;
    card.family.operation = tutor::Operation(query.value(0).toInt());
    card.family.low = qint16(query.value(1).toInt());
    card.family.high = qint16(query.value(2).toInt());
    if (!tutor::isFactFamily(card.family))
        return std::nullopt;
    card.box = std::clamp(query.value(3).toInt(), 0, tutor::BoxCount - 1);
    card.due = dayFromValue(query.value(4));
    card.firstSeen = dayFromValue(query.value(5));
    card.lastSeen = dayFromValue(query.value(6));
    card.quickDays = std::max(0, query.value(7).toInt());
    card.lastQuickDay = dayFromValue(query.value(8));
    card.misses = std::max(0, query.value(9).toInt());
    card.answers = std::max(0, query.value(10).toInt());
    card.missesSinceKnown = std::max(0, query.value(11).toInt());
    card.dayMisses = std::max(0, query.value(12).toInt());
    card.comebacksOwed = std::clamp(query.value(13).toInt(), 0, tutor::ComebacksAfterMiss);
    if (!card.seen())
        return std::nullopt;
    return card;
}

int quickSecondsIn(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    query.prepare(u"SELECT value FROM setting WHERE name = ?"_s);
    query.addBindValue(QString::fromLatin1(QuickSecondsName));
    if (!query.exec() || !query.next())
        return ProgressStore::DefaultQuickSeconds;
    bool number = false;
    const int seconds = query.value(0).toString().trimmed().toInt(&number);
    return number ? std::clamp(seconds, FewestQuickSeconds, MostQuickSeconds)
                  : ProgressStore::DefaultQuickSeconds;
}

} // namespace progress
