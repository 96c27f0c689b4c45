#include "progress/progress_store_private.h"

// What the progress file keeps of the class server's pupils and answers.

namespace progress {

bool ProgressStore::setServerId(qint64 pupilId, const QUuid &serverId)
{
    //: Begins "%1 could not be kept in %2".
    const QString what = ProgressStore::tr("The class server's pupil");
    return d->inTransaction(what, [&]() {
        QSqlQuery query(d->db());
        query.prepare(u"UPDATE pupil SET server_id = ? WHERE id = ?"_s);
        query.addBindValue(serverId.toRfc4122());
        query.addBindValue(pupilId);
        return d->exec(query) && query.numRowsAffected() == 1;
    });
}

std::optional<qint64> ProgressStore::pupilOnServer(const QUuid &serverId) const
{
    QSqlQuery query(d->db());
    query.prepare(u"SELECT id FROM pupil WHERE server_id = ?"_s);
    query.addBindValue(serverId.toRfc4122());
    if (!query.exec() || !query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

QUuid ProgressStore::serverId(qint64 pupilId) const
{
    QSqlQuery query(d->db());
    query.prepare(u"SELECT server_id FROM pupil WHERE id = ?"_s);
    query.addBindValue(pupilId);
    return query.exec() && query.next() ? uuidFromValue(query.value(0)) : QUuid();
}

bool ProgressStore::takeRoster(const QList<RosterPupil> &roster, const QList<QUuid> &erased)
{
    //: Begins "%1 could not be kept in %2".
    const QString what = ProgressStore::tr("The class server's pupil");
    return d->inTransaction(what, [&]() {
        QSqlQuery query(d->db());
        for (const QUuid &gone : erased) {
            for (const QString &statement :
                { u"DELETE FROM day_tally WHERE pupil_id IN (SELECT id FROM pupil WHERE server_id = ?)"_s,
                    u"DELETE FROM fact_card WHERE pupil_id IN (SELECT id FROM pupil WHERE server_id = ?)"_s,
                    u"DELETE FROM attempt WHERE pupil_id IN (SELECT id FROM pupil WHERE server_id = ?)"_s,
                    u"DELETE FROM pupil WHERE server_id = ?"_s }) {
                query.prepare(statement);
                query.addBindValue(gone.toRfc4122());
                if (!d->exec(query))
                    return false;
            }
        }
        for (const RosterPupil &pupil : roster) {
            const QString name = pupil.name.trimmed();
            if (name.isEmpty() || pupil.serverId.isNull())
                continue;
            query.prepare(u"SELECT id, name FROM pupil WHERE server_id = ?"_s);
            query.addBindValue(pupil.serverId.toRfc4122());
            if (!d->exec(query))
                return false;
            std::optional<Pupil> here;
            if (query.next())
                here = Pupil { query.value(0).toLongLong(), query.value(1).toString() };
            query.finish();
            std::optional<Pupil> named;
            if (!d->findPupil(name, named, here ? std::optional(here->id) : std::nullopt))
                return false;
            if (!here && named && serverId(named->id).isNull()) {
                // This computer's own pupil of that name is the server's.
                query.prepare(u"UPDATE pupil SET server_id = ? WHERE id = ?"_s);
                query.addBindValue(pupil.serverId.toRfc4122());
                query.addBindValue(named->id);
                if (!d->exec(query))
                    return false;
                here = named;
                named.reset();
            }
            QString wanted = name;
            if (named) {
                wanted = u"%1 (%2)"_s.arg(name, pupil.className);
                if (!d->findPupil(wanted, named, here ? std::optional(here->id) : std::nullopt))
                    return false;
                if (named)
                    continue; // two of one name in one class: the first stays
            }
            if (here && here->name == wanted)
                continue;
            query.prepare(here ? u"UPDATE pupil SET name = ? WHERE id = ?"_s
                               : u"INSERT INTO pupil (name, server_id) VALUES (?, ?)"_s);
            query.addBindValue(wanted);
            if (here)
                query.addBindValue(here->id);
            else
                query.addBindValue(pupil.serverId.toRfc4122());
            if (!d->exec(query))
                return false;
        }
        return true;
    });
}

bool ProgressStore::takeHistory(qint64 pupilId, const QList<ServerAnswer> &answers)
{
    //: Begins "%1 could not be kept in %2".
    const QString what = ProgressStore::tr("The answers");
    const int quickNow = quickSeconds();
    return d->inTransaction(what, [&]() {
        bool anyAdded = false;
        for (const ServerAnswer &answer : answers) {
            bool added = false;
            if (!d->insert(pupilId, answer.attempt, answer.answerId, &added, &answer))
                return false;
            anyAdded = anyAdded || added;
        }
        if (!anyAdded)
            return true;
        QSqlQuery query(d->db());
        query.setForwardOnly(true);
        query.prepare(u"SELECT quick_seconds, %1 FROM attempt WHERE pupil_id = ?"
                      " ORDER BY answered_at, answer_id"_s.arg(QLatin1String(AttemptColumns)));
        query.addBindValue(pupilId);
        if (!d->exec(query))
            return false;
        QList<tutor::LoggedAnswer> log;
        while (query.next()) {
            log.append({ attemptFromRow(query, 1),
                query.value(0).isNull() ? quickNow : query.value(0).toInt() });
        }
        query.finish();
        query.prepare(u"DELETE FROM fact_card WHERE pupil_id = ?"_s);
        query.addBindValue(pupilId);
        if (!d->exec(query))
            return false;
        for (const tutor::FactCard &card : tutor::cardsFromAnswers(log)) {
            if (!d->keep(pupilId, card))
                return false;
        }
        return true;
    });
}

QHash<QUuid, qint64> ProgressStore::answersServerHas() const
{
    QHash<QUuid, qint64> counts;
    QSqlQuery query(d->db());
    query.setForwardOnly(true);
    query.prepare(u"SELECT p.server_id, (SELECT count(*) FROM attempt a"
                  " WHERE a.pupil_id = p.id AND a.sent = 1)"
                  " FROM pupil p WHERE p.server_id IS NOT NULL"_s);
    if (!query.exec())
        return counts;
    while (query.next())
        counts.insert(uuidFromValue(query.value(0)), query.value(1).toLongLong());
    return counts;
}

} // namespace progress
