#pragma once

// Shared by the files that carry out the progress store's work; nothing
// outside them includes it.

#include "progress/computer_id.h"
#include "progress/pending_answers.h"
#include "progress/progress_file.h"
#include "progress/progress_stats.h"
#include "progress/progress_store.h"
#include "progress/pupil_names.h"
#include "progress/store_schema.h"
#include "progress/stored_rows.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QHash>
#include <QVariant>

#include <algorithm>
#include <memory>
#include <optional>

namespace progress {

using namespace Qt::StringLiterals;

// The teacher's time for a quick answer, in the settings table.
inline const QString QuickSecondsSetting = QString::fromLatin1(QuickSecondsName);

// The system's or the database's words, which are now and then empty.
inline QString orUnknown(const QString &words)
{
    return words.trimmed().isEmpty() ? ProgressStore::tr("no reason was given") : words;
}

inline QString movedAsideReason(const QString &path, const QString &moved, const QString &what)
{
    //: %3 says what was found: "it failed its check (...)".
    return ProgressStore::tr("The progress file %1 was damaged: %3. It was moved to "
                             "%2 with its journals, and a new, empty file was started.")
        .arg(native(path), native(moved), what);
}

inline QString failedCheck(const QString &why)
{
    //: Says what was found damaged; %1 is the database's own words.
    return ProgressStore::tr("it failed its check (%1)").arg(orUnknown(why));
}

inline QString cannotKeep(const QString &why)
{
    //: %1 says why, in words that start in lower case: "the folder /home/ann/x cannot be made".
    return ProgressStore::tr("Pupils' progress cannot be kept: %1.").arg(why);
}

struct ProgressStore::Private
{
    explicit Private(const QString &path)
        : path(path)
        , file(path)
    { }

    QSqlDatabase db() const { return file.database(); }
    void forgetQueries()
    {
        insertAttempt.reset();
        countDay.reset();
        insertDay.reset();
        updateCard.reset();
        insertCard.reset();
    }
    void shut()
    {
        forgetQueries();
        file.close();
        isOpen = false;
        writable = false;
        checking = false;
        currentWaitMillis = LongWaitMillis;
    }
    bool exec(QSqlQuery &query)
    {
        if (query.exec())
            return true;
        error = query.lastError();
        return false;
    }
    bool exec(const QString &statement)
    {
        QSqlQuery query(db());
        if (query.exec(statement))
            return true;
        error = query.lastError();
        return false;
    }
    // Reads the version the file was last brought to; 0 for a new file.
    std::optional<int> version()
    {
        if (!db().tables().contains(u"schema_version"_s))
            return 0;
        QSqlQuery query(db());
        if (!query.exec(u"SELECT version FROM schema_version"_s) || !query.next()) {
            error = query.lastError();
            return std::nullopt;
        }
        return query.value(0).toInt();
    }
    // Brings a file found at version `from` up to date, one version a
    // transaction. Another copy of the program may be doing the same at the
    // same moment: each step holds the file for writing from its start and
    // looks again at the version reached before it does anything.
    bool migrate(int from)
    {
        for (const Migration &migration : migrations()) {
            if (migration.version <= from)
                continue;
            QSqlDatabase database = db();
            if (!exec(u"BEGIN IMMEDIATE"_s))
                return false;
            const std::optional<int> reached = version();
            bool done = reached.has_value();
            if (done && *reached < migration.version) {
                for (const char *statement : migration.statements)
                    done = done && exec(QString::fromLatin1(statement));
                QSqlQuery mark(database);
                mark.prepare(u"UPDATE schema_version SET version = ?"_s);
                mark.addBindValue(migration.version);
                done = done && exec(mark);
            }
            if (!done || !database.commit()) {
                if (done)
                    error = database.lastError();
                database.rollback();
                return false;
            }
        }
        return true;
    }
    bool prepare()
    {
        insertAttempt = std::make_unique<QSqlQuery>(db());
        countDay = std::make_unique<QSqlQuery>(db());
        insertDay = std::make_unique<QSqlQuery>(db());
        updateCard = std::make_unique<QSqlQuery>(db());
        insertCard = std::make_unique<QSqlQuery>(db());
        const QList<std::pair<QSqlQuery *, QString>> statements {
            { insertAttempt.get(),
                // An answer written before, by a try cut short, is there
                // already: found by its pupil and time, then its own id.
                // Each answer keeps the quick-answer time in force as it is
                // written, for a schedule rebuilt from the answers elsewhere.
                u"INSERT INTO attempt (pupil_id, answer_id, computer_id, sent, quick_seconds, %1)"
                " SELECT ?, ?, ?, ?, COALESCE(?, (SELECT CAST(value AS INTEGER) FROM setting"
                " WHERE name = ?), ?), ?, ?, ?, ?, ?, ?, ?, ?, ?, ?"
                " WHERE NOT EXISTS (SELECT 1 FROM attempt"
                " WHERE pupil_id = ? AND answered_at = ? AND answer_id = ?)"_s.arg(
                    QLatin1String(AttemptColumns)) },
            { countDay.get(),
                u"UPDATE day_tally SET answers = answers + 1, right_answers = right_answers + ?"
                " WHERE pupil_id = ? AND practised_on = ? AND operation = ?"_s },
            { insertDay.get(),
                u"INSERT INTO day_tally (pupil_id, practised_on, operation, answers,"
                " right_answers) VALUES (?, ?, ?, 1, ?)"_s },
            { updateCard.get(),
                u"UPDATE fact_card SET box = ?, due_day = ?, first_seen = ?, last_seen = ?,"
                " quick_days = ?, last_quick_day = ?, misses = ?, answers = ?,"
                " misses_since_known = ?, day_misses = ?, comebacks_owed = ?"
                " WHERE pupil_id = ? AND operation = ? AND low = ? AND high = ?"_s },
            { insertCard.get(),
                u"INSERT INTO fact_card (box, due_day, first_seen, last_seen, quick_days,"
                " last_quick_day, misses, answers, misses_since_known, day_misses,"
                " comebacks_owed, pupil_id, operation, low, high)"
                " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s },
        };
        for (const auto &[query, statement] : statements) {
            if (!query->prepare(statement)) {
                error = query->lastError();
                return false;
            }
        }
        return true;
    }
    // The answer's local day, as text. Finding it asks the system for the
    // time zone each time, so the last day found is kept for the next answer.
    QString localDay(const QDateTime &at)
    {
        const qint64 ms = at.toMSecsSinceEpoch();
        if (ms < dayFrom || ms >= dayUntil) {
            const QDate day = at.toLocalTime().date();
            dayFrom = day.startOfDay().toMSecsSinceEpoch();
            dayUntil = day.addDays(1).startOfDay().toMSecsSinceEpoch();
            dayText = day.toString(Qt::ISODate);
        }
        return dayText;
    }
    // One answer, inside a transaction already begun: true once it is in
    // the file, also when it was there already (written by an earlier try);
    // `added` tells which. An answer from the class server comes with where
    // it was given.
    bool insert(qint64 pupilId, const tutor::Attempt &attempt, const QUuid &id, bool *added,
        const ServerAnswer *fromServer = nullptr)
    {
        if (!attempt.answeredAt.isValid())
            return false;
        QSqlQuery &row = *insertAttempt;
        const QVariant none(QMetaType::fromType<int>());
        const QVariantList values { pupilId, id.toRfc4122(),
            (fromServer ? fromServer->computerId : computerId).toRfc4122(), fromServer ? 1 : 0,
            fromServer ? QVariant(fromServer->quickSeconds) : none, QuickSecondsSetting,
            ProgressStore::DefaultQuickSeconds, timeText(attempt.answeredAt), int(attempt.mode),
            int(attempt.level), int(attempt.operation), attempt.first, attempt.second,
            attempt.typed, attempt.expected, attempt.correct ? 1 : 0, attempt.millis };
        for (int index = 0; index < values.size(); ++index)
            row.bindValue(index, values.at(index));
        row.bindValue(values.size(), pupilId);
        row.bindValue(values.size() + 1, values.at(7));
        row.bindValue(values.size() + 2, values.at(1));
        if (!exec(row))
            return false;
        *added = row.numRowsAffected() > 0;
        if (!*added)
            return true;
        const QString day = localDay(attempt.answeredAt);
        const int right = attempt.correct ? 1 : 0;
        QSqlQuery &count = *countDay;
        count.bindValue(0, right);
        count.bindValue(1, pupilId);
        count.bindValue(2, day);
        count.bindValue(3, int(attempt.operation));
        if (!exec(count))
            return false;
        if (count.numRowsAffected() > 0)
            return true;
        QSqlQuery &first = *insertDay;
        first.bindValue(0, pupilId);
        first.bindValue(1, day);
        first.bindValue(2, int(attempt.operation));
        first.bindValue(3, right);
        return exec(first);
    }
    bool insert(qint64 pupilId, const tutor::Attempt &attempt)
    {
        bool added = false;
        return insert(pupilId, attempt, QUuid::createUuid(), &added);
    }
    // Moves the card of `move`'s family for one answer, from the card as the
    // file holds it now, inside a transaction already begun.
    bool move(qint64 pupilId, const CardMove &move, bool right, tutor::FactCard *kept)
    {
        QSqlQuery query(db());
        query.prepare(u"SELECT %1 FROM fact_card"
                      " WHERE pupil_id = ? AND operation = ? AND low = ? AND high = ?"_s.arg(
                          QLatin1String(CardColumns)));
        query.addBindValue(pupilId);
        query.addBindValue(int(move.family.operation));
        query.addBindValue(int(move.family.low));
        query.addBindValue(int(move.family.high));
        if (!exec(query))
            return false;
        std::optional<tutor::FactCard> card;
        if (query.next())
            card = cardFromRow(query);
        query.finish();
        if (!move.inMyFacts) {
            // Elsewhere only a miss counts, and only for a fact already met.
            if (!card || right)
                return true;
            tutor::countMissElsewhere(*card);
        } else {
            if (!card) {
                card = tutor::FactCard();
                card->family = move.family;
            }
            tutor::applyAnswer(*card, right, move.quick, move.day);
        }
        if (!keep(pupilId, *card))
            return false;
        if (kept)
            *kept = *card;
        return true;
    }
    // One answer on its way, with its card's move, inside a transaction
    // already begun.
    bool write(const PendingAnswer &answer, tutor::FactCard *kept)
    {
        bool added = false;
        if (!insert(answer.pupilId, answer.attempt, answer.id, &added))
            return false;
        // Until the file has passed its check, its answers are known apart
        // too: should it go aside, they are written again. An answer of a
        // transaction that fails after all is known once more, harmlessly:
        // it is written once whatever.
        if (added && checking) {
            sinceOpen.append(answer);
            if (sinceOpen.last().pupilName.isEmpty())
                sinceOpen.last().pupilName = pupilName(answer.pupilId);
        }
        if (!added || !answer.move)
            return true;
        return move(answer.pupilId, *answer.move, answer.attempt.correct, kept);
    }
    // The pupil a pending answer belongs to in this file: the same id under
    // the same name, or else the pupil of that name; none when they are gone.
    std::optional<qint64> pupilOf(const PendingAnswer &answer)
    {
        const QString named = pupilName(answer.pupilId);
        if (!named.isEmpty() && (named == answer.pupilName || answer.pupilName.isEmpty()))
            return answer.pupilId;
        std::optional<Pupil> found;
        if (answer.pupilName.isEmpty() || !findPupil(answer.pupilName, found) || !found)
            return std::nullopt;
        return found->id;
    }
    // Writes the answers in order in one transaction; those of pupils no
    // longer in the file go with them.
    bool writeAll(const QList<PendingAnswer> &answers, int waitMillis)
    {
        //: Begins "%1 could not be kept in %2".
        const QString what = ProgressStore::tr("The answers");
        return inTransaction(
            what,
            [&]() {
                for (PendingAnswer answer : answers) {
                    const std::optional<qint64> pupil = pupilOf(answer);
                    if (!pupil)
                        continue;
                    answer.pupilId = *pupil;
                    if (!write(answer, nullptr))
                        return false;
                }
                return true;
            },
            waitMillis);
    }
    // Keeps one answer: written at once, or, while another copy of the
    // program keeps the file longer than a pupil should wait, or other
    // answers already wait, among the pending ones, in order.
    bool record(const PendingAnswer &answer, tutor::FactCard *kept)
    {
        //: Begins "%1 could not be kept in %2".
        const QString what = ProgressStore::tr("The answer");
        if (pending.isEmpty() || !writable) {
            if (inTransaction(
                    what, [&]() { return write(answer, kept); }, AnswerWaitMillis))
                return true;
            // Damage met before the file's check has told of it: the answer
            // waits for the file that takes its place.
            if (!busy && !(checking && ProgressFile::isFileDamage(error)))
                return false;
        }
        // Behind answers already waiting it gets one try, with them, in
        // order; once it has waited itself, the next try is a later one.
        const bool waitedAlready = pending.isEmpty();
        PendingAnswer waiting = answer;
        waiting.pupilName = pupilName(answer.pupilId);
        if (!pending.add(waiting)) {
            message = pending.lastError();
            return false;
        }
        message.clear();
        if (!waitedAlready)
            writePending(AnswerWaitMillis);
        return true;
    }
    // Writes the answers waiting, if the file can be had soon enough; true
    // when none is left.
    bool writePending(int waitMillis)
    {
        if (pending.isEmpty())
            return true;
        if (!writeAll(pending.answers(), waitMillis))
            return false;
        pending.clear();
        return true;
    }
    // Answers that copies of the program could not write before they ended.
    bool writeLeftOver()
    {
        PendingAnswers::LeftOver left(path);
        if (left.answers().isEmpty())
            return true;
        if (!writeAll(left.answers(), LongWaitMillis))
            return false;
        left.remove();
        return true;
    }
    // How long a statement waits for another copy of the program to let go
    // of the file.
    void waitAtMost(int millis)
    {
        if (millis == currentWaitMillis)
            return;
        QSqlQuery query(db());
        if (query.exec(u"PRAGMA busy_timeout = %1"_s.arg(millis)))
            currentWaitMillis = millis;
    }
    // One card, in place of the one kept, inside a transaction already begun.
    bool keep(qint64 pupilId, const tutor::FactCard &card)
    {
        if (!tutor::isFactFamily(card.family) || !card.seen())
            return false;
        const QVariantList values { std::clamp(card.box, 0, tutor::BoxCount - 1),
            dayValue(card.due), dayValue(card.firstSeen), dayValue(card.lastSeen),
            std::max(0, card.quickDays), dayValue(card.lastQuickDay), std::max(0, card.misses),
            std::max(0, card.answers), std::max(0, card.missesSinceKnown),
            std::max(0, card.dayMisses),
            std::clamp(card.comebacksOwed, 0, tutor::ComebacksAfterMiss), pupilId,
            int(card.family.operation), int(card.family.low), int(card.family.high) };
        for (QSqlQuery *query : { updateCard.get(), insertCard.get() }) {
            for (int index = 0; index < values.size(); ++index)
                query->bindValue(index, values.at(index));
            if (!exec(*query))
                return false;
            if (query->numRowsAffected() > 0)
                return true;
        }
        return false;
    }
    // Runs `write` in one transaction that holds the file for writing from
    // its start, waiting at most `waitMillis` for another copy of the
    // program; true once it is committed. `busy` tells whether it failed
    // for that wait alone.
    template<typename Write>
    bool inTransaction(const QString &what, Write write, int waitMillis = LongWaitMillis)
    {
        busy = false;
        if (!writable) {
            message = isOpen ? ProgressStore::tr("The progress file %1 was written by a newer "
                                                 "version of the program, so nothing more is "
                                                 "kept in it.")
                                   .arg(native(path))
                             : ProgressStore::tr("No progress file is open.");
            return false;
        }
        error = QSqlError();
        waitAtMost(waitMillis);
        QSqlDatabase database = db();
        bool done = exec(u"BEGIN IMMEDIATE"_s);
        busy = !done && ProgressFile::isBusy(error);
        done = done && write();
        if (done && !database.commit()) {
            error = database.lastError();
            busy = ProgressFile::isBusy(error);
            done = false;
        }
        if (!done) {
            database.rollback();
            //: %1 is what was not kept: "The answer", "The pupil Ann"; %2 a file;
            //: %3 the database's own words.
            message = error.isValid()
                ? ProgressStore::tr("%1 could not be kept in %2: %3")
                      .arg(what, native(path), error.text())
                //: %1 is what was not kept: "The answer", "The pupil Ann"; %2 a file.
                : ProgressStore::tr("%1 could not be kept in %2.").arg(what, native(path));
            return false;
        }
        message.clear();
        return true;
    }
    // The pupil's name as kept; a name read once is remembered for a file
    // that can no longer be read, so their answers still find them again.
    QString pupilName(qint64 pupilId) const
    {
        QSqlQuery query(db());
        query.prepare(u"SELECT name FROM pupil WHERE id = ?"_s);
        query.addBindValue(pupilId);
        if (!query.exec())
            return namesRead.value(pupilId);
        if (!query.next())
            return QString();
        const QString name = query.value(0).toString();
        namesRead.insert(pupilId, name);
        return name;
    }
    // The pupil a name stands for, apart from `otherThan`: the one of
    // exactly that name, or else the first whose name has the same key. A
    // file of an older version may hold two names of one key: both stay.
    // False when the pupils cannot be read.
    bool findPupil(const QString &name, std::optional<Pupil> &found,
        std::optional<qint64> otherThan = std::nullopt)
    {
        found.reset();
        QSqlQuery query(db());
        query.setForwardOnly(true);
        if (!query.exec(u"SELECT id, name FROM pupil ORDER BY id"_s)) {
            error = query.lastError();
            return false;
        }
        const QString key = pupilNameKey(name);
        while (query.next()) {
            const Pupil pupil { query.value(0).toLongLong(), query.value(1).toString() };
            if (pupil.id == otherThan)
                continue;
            if (pupil.name == name) {
                found = pupil;
                return true;
            }
            if (!found && pupilNameKey(pupil.name) == key)
                found = pupil;
        }
        return true;
    }
    // The middle time of the pupil's `answers` answers, of one operation or
    // of all: read off the index by speed, the one or two in the middle only.
    std::optional<qint64> median(qint64 pupilId, std::optional<int> operation, int answers) const
    {
        if (answers <= 0)
            return std::nullopt;
        QSqlQuery query(db());
        query.setForwardOnly(true);
        query.prepare(operation ? u"SELECT millis FROM attempt WHERE pupil_id = ? AND operation = ?"
                                  " ORDER BY millis LIMIT ? OFFSET ?"_s
                                : u"SELECT millis FROM attempt WHERE pupil_id = ?"
                                  " ORDER BY millis LIMIT ? OFFSET ?"_s);
        query.addBindValue(pupilId);
        if (operation)
            query.addBindValue(*operation);
        query.addBindValue(answers % 2 == 0 ? 2 : 1);
        query.addBindValue((answers - 1) / 2);
        QList<qint64> middle;
        if (query.exec()) {
            while (query.next())
                middle << query.value(0).toLongLong();
        }
        return medianMillis(middle);
    }

    // A pupil waits this long at most for another copy of the program to
    // finish writing, well within the tenth of a second nobody notices;
    // beyond it their answer waits among the pending ones.
    static constexpr int AnswerWaitMillis = 80;
    // Changes of the file's tables, pupils and settings may wait longer.
    static constexpr int LongWaitMillis = ProgressFile::BusyWaitMillis;

    QString path;
    const QUuid computerId = thisComputerId();
    ProgressFile file;
    PendingAnswers pending { path };
    int currentWaitMillis = LongWaitMillis;
    bool busy = false;
    // Counts the openings, so that a check made for an earlier one is known.
    int generation = 0;
    // Opened with its full check still to come, and the answers written
    // meanwhile.
    bool checking = false;
    QList<PendingAnswer> sinceOpen;
    mutable QHash<qint64, QString> namesRead;
    bool isOpen = false;
    bool writable = false;
    QSqlError error;
    QString message;
    std::unique_ptr<QSqlQuery> insertAttempt;
    std::unique_ptr<QSqlQuery> countDay;
    std::unique_ptr<QSqlQuery> insertDay;
    std::unique_ptr<QSqlQuery> updateCard;
    std::unique_ptr<QSqlQuery> insertCard;
    qint64 dayFrom = 0;
    qint64 dayUntil = 0;
    QString dayText;
};

} // namespace progress
