#include "classroom/roster_reader.h"

#include "classroom/server_connection.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace classroom {

namespace {

bool run(QSqlQuery &query, QString *why)
{
    if (query.exec())
        return true;
    *why = query.lastError().text();
    return false;
}

} // namespace

bool readRoster(const QSqlDatabase &server, QList<progress::RosterPupil> *roster,
    QList<QUuid> *erased, QString *why)
{
    QSqlQuery query(server);
    query.setForwardOnly(true);
    query.prepare(u"SELECT pupil_id, display_name, class_name FROM orvi.roster()"_s);
    if (!run(query, why))
        return false;
    roster->clear();
    while (query.next()) {
        roster->append({ QUuid::fromString(query.value(0).toString()), query.value(1).toString(),
            query.value(2).toString() });
    }
    query.prepare(u"SELECT pupil_id FROM orvi.deleted_pupils()"_s);
    if (!run(query, why))
        return false;
    erased->clear();
    while (query.next())
        erased->append(QUuid::fromString(query.value(0).toString()));
    return true;
}

bool readHistory(const QSqlDatabase &server, const QUuid &pupil,
    QList<progress::ServerAnswer> *answers, QString *why)
{
    QSqlQuery query(server);
    query.setForwardOnly(true);
    query.prepare(u"SELECT answer_id, pc_id, quick_seconds, %1, mode, level, operation,"
                  " first, second, typed, expected, correct, millis"
                  " FROM orvi.pupil_history(?)"_s.arg(epochMillis(u"answered_at"_s)));
    query.addBindValue(pupil.toString(QUuid::WithoutBraces));
    if (!run(query, why))
        return false;
    answers->clear();
    while (query.next()) {
        progress::ServerAnswer answer;
        answer.answerId = QUuid::fromString(query.value(0).toString());
        answer.computerId = QUuid::fromString(query.value(1).toString());
        answer.quickSeconds = query.value(2).toInt();
        tutor::Attempt &attempt = answer.attempt;
        attempt.answeredAt = fromEpochMillis(query.value(3));
        attempt.mode = tutor::AnswerMode(query.value(4).toInt());
        attempt.level = tutor::Level(query.value(5).toInt());
        attempt.operation = tutor::Operation(query.value(6).toInt());
        attempt.first = query.value(7).toDouble();
        attempt.second = query.value(8).toDouble();
        attempt.typed = query.value(9).toString();
        attempt.expected = query.value(10).toString();
        attempt.correct = query.value(11).toBool();
        attempt.millis = query.value(12).toLongLong();
        answers->append(answer);
    }
    return true;
}

bool readAnswerCounts(const QSqlDatabase &server, QHash<QUuid, qint64> *counts, QString *why)
{
    QSqlQuery query(server);
    query.setForwardOnly(true);
    query.prepare(u"SELECT pupil_id, answers FROM orvi.answer_counts()"_s);
    if (!run(query, why))
        return false;
    counts->clear();
    while (query.next())
        counts->insert(QUuid::fromString(query.value(0).toString()), query.value(1).toLongLong());
    return true;
}

bool readIsTeacher(const QSqlDatabase &server, bool *teacher, QString *why)
{
    QSqlQuery query(server);
    query.prepare(u"SELECT orvi.is_teacher()"_s);
    if (!run(query, why) || !query.next())
        return false;
    *teacher = query.value(0).toBool();
    return true;
}

} // namespace classroom
