#include "progress/progress_store.h"
#include "progress/private_files.h"
#include "progress/progress_store_private.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace progress {

namespace {

constexpr int LongestName = 200;

// Each operation with kept cards shows its families' boxes in its grid, a
// family at both of its places, every other cell never asked.
void showBoxes(QList<FactGrid> &grids, const QList<tutor::FactCard> &cards)
{
    for (FactGrid &grid : grids) {
        for (const tutor::FactCard &card : cards) {
            if (card.family.operation != grid.operation)
                continue;
            if (!grid.byBox) {
                grid.byBox = true;
                for (auto &row : grid.boxes)
                    row.fill(-1);
            }
            const auto low = std::size_t(card.family.low);
            const auto high = std::size_t(card.family.high);
            if (high < grid.boxes.size()) {
                grid.boxes.at(low).at(high) = qint8(card.box);
                grid.boxes.at(high).at(low) = qint8(card.box);
            }
        }
    }
}

} // namespace

ProgressStore::ProgressStore(const QString &filePath)
    : d(std::make_unique<Private>(filePath))
{ }

ProgressStore::~ProgressStore()
{
    // Answers still waiting at the end get a last, longer try; what is left
    // stays on disk for the next start.
    if (d->writable)
        d->writePending(Private::AnswerWaitMillis * 10);
    d->shut();
}

OpenResult ProgressStore::open(const QDateTime &now, Checks checks)
{
    d->shut();
    ++d->generation;
    const QDateTime time = now.isValid() ? now.toUTC() : QDateTime::currentDateTimeUtc();
    OpenResult result;
    const auto unavailable = [this, &result](const QString &why) {
        d->shut();
        result.outcome = OpenResult::Unavailable;
        result.reason = cannotKeep(why);
        d->message = result.reason;
        return result;
    };

    const QString folder = QFileInfo(d->path).absolutePath();
    if (const QString refused = ProgressFile::prepareFolder(folder); !refused.isEmpty())
        return unavailable(refused);
    {
        QTemporaryFile probe(d->path + u".write-test-XXXXXX"_s);
        if (!probe.open())
            return unavailable(
                //: Follows "Pupils' progress cannot be kept:".
                ProgressStore::tr("nothing can be written in the folder %1").arg(native(folder)));
    }
    // Looked at before SQLite opens anything: a link, another user's file
    // or a journal SQLite would silently cut short.
    const ProgressFile::Inspection inspected = ProgressFile::inspect(d->path);
    if (inspected.verdict == ProgressFile::Inspection::Refused)
        return unavailable(inspected.reason);
    // A damaged file goes aside whole, journals and all, and never away.
    const auto movedAside = [&](const QString &what) {
        d->file.close();
        QString why;
        const QString moved = ProgressFile::moveAside(d->path, time, &why);
        if (moved.isEmpty()) {
            unavailable(
                //: Follows "Pupils' progress cannot be kept:"; %2 is the system's own words.
                ProgressStore::tr("the file %1 is damaged and cannot be moved aside (%2)")
                    .arg(native(d->path), orUnknown(why)));
            return false;
        }
        result.outcome = OpenResult::DamagedMovedAside;
        result.movedAsideTo = moved;
        result.reason = movedAsideReason(d->path, moved, what);
        return true;
    };
    bool existed = inspected.holdsData;
    if (inspected.verdict == ProgressFile::Inspection::Damaged) {
        if (!movedAside(inspected.reason))
            return result;
        existed = false;
    }
    // Made by hand, so SQLite gives the journals the same private permissions.
    if (const QString refused = ProgressFile::createFile(d->path); !refused.isEmpty())
        return unavailable(refused);
    {
        QFile file(d->path);
        if (!file.open(QIODevice::ReadWrite))
            return unavailable(
                //: Follows "Pupils' progress cannot be kept:"; %2 is the system's own words.
                ProgressStore::tr("the file %1 cannot be read and written (%2)")
                    .arg(native(d->path), orUnknown(file.errorString())));
    }

    if (result.outcome != OpenResult::DamagedMovedAside)
        result.outcome = existed ? OpenResult::Opened : OpenResult::Created;
    int version = 0;
    if (existed) {
        // Looked at read-only first: a newer version's file is never written.
        if (!d->file.open(true))
            return unavailable(
                //: Follows "Pupils' progress cannot be kept:"; %2 is the system's own words.
                ProgressStore::tr("the file %1 cannot be opened (%2)")
                    .arg(native(d->path), orUnknown(d->file.lastError())));
        // Left for later, the full check gives way to a read of the list of
        // tables: a file that is no database at all says so there.
        ProgressFile::Check check
            = checks == Checks::Now ? d->file.quickCheck() : ProgressFile::Check::Sound;
        std::optional<int> found;
        d->error = QSqlError();
        if (checks == Checks::Later && !d->exec(u"SELECT COUNT(*) FROM sqlite_master"_s))
            check = ProgressFile::isFileDamage(d->error) ? ProgressFile::Check::Damaged
                                                         : ProgressFile::Check::Unreadable;
        if (check == ProgressFile::Check::Sound)
            found = d->version();
        // A version table without its row reads as no error at all.
        const bool versionless = check == ProgressFile::Check::Sound && !found;
        if (check == ProgressFile::Check::Unreadable || (versionless && d->error.isValid()))
            return unavailable(
                //: Follows "Pupils' progress cannot be kept:"; %2 is the system's own words.
                ProgressStore::tr("the file %1 cannot be read (%2)")
                    .arg(native(d->path),
                        orUnknown(versionless || checks == Checks::Later ? d->error.text()
                                                                         : d->file.lastError())));
        if (check == ProgressFile::Check::Damaged || versionless) {
            const QString what = versionless
                //: Says what was found damaged in the progress file.
                ? ProgressStore::tr("it holds no version number of its tables")
                : failedCheck(checks == Checks::Now ? d->file.lastError() : d->error.text());
            if (!movedAside(what))
                return result;
            if (const QString refused = ProgressFile::createFile(d->path); !refused.isEmpty())
                return unavailable(refused);
        } else if (*found > knownVersion()) {
            d->isOpen = true;
            result.outcome = OpenResult::NewerVersion;
            result.reason = ProgressStore::tr("The progress file %1 was written by a newer version "
                                              "of the program. It is shown but nothing is added "
                                              "to it, so that version can still use it.")
                                .arg(native(d->path));
            d->message.clear();
            return result;
        } else {
            version = *found;
        }
        d->file.close();
    }

    if (!d->file.open(false))
        return unavailable(ProgressStore::tr("the file %1 cannot be opened (%2)")
                               .arg(native(d->path), orUnknown(d->file.lastError())));
    if (!d->file.useSafeSettings())
        //: Follows "Pupils' progress cannot be kept:"; %2 is the system's own words.
        return unavailable(ProgressStore::tr("the file %1 cannot be written (%2)")
                               .arg(native(d->path), orUnknown(d->file.lastError())));
    if (!d->migrate(version) || !d->prepare())
        return unavailable(ProgressStore::tr("the file %1 cannot be written (%2)")
                               .arg(native(d->path), orUnknown(d->error.text())));
    d->isOpen = true;
    d->writable = true;
    // Answers of copies that ended before they could write them; what
    // cannot be written now stays for the next start.
    d->writeLeftOver();
    d->message.clear();
    if (checks == Checks::Later) {
        d->checking = true;
        d->file.syncEachCommit(false);
        return result;
    }
    // A failed backup leaves the file itself as good as before; the next
    // start tries again.
    if (!d->file.backUp(time))
        result.backupFailure = orUnknown(d->file.lastError());
    return result;
}

bool ProgressStore::isOpen() const
{
    return d->isOpen;
}

bool ProgressStore::isWritable() const
{
    return d->writable;
}

QString ProgressStore::filePath() const
{
    return d->path;
}

QString ProgressStore::lastError() const
{
    return d->message;
}

QList<Pupil> ProgressStore::pupils() const
{
    QList<Pupil> list;
    if (!d->isOpen)
        return list;
    QSqlQuery query(d->db());
    query.setForwardOnly(true);
    if (query.exec(u"SELECT id, name FROM pupil"_s)) {
        while (query.next())
            list.append({ query.value(0).toLongLong(), query.value(1).toString() });
    }
    // The "C" locale of a bare system sorts by code, Émile after Zoe.
    QCollator collator(QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::sort(list.begin(), list.end(), [&collator](const Pupil &one, const Pupil &other) {
        const int order = collator.compare(one.name, other.name);
        if (order != 0)
            return order < 0;
        return one.name != other.name ? one.name < other.name : one.id < other.id;
    });
    return list;
}

namespace {

// Why a name cannot be kept, in words for the user; empty when it can.
QString refusedName(const QString &kept)
{
    if (isBlankName(kept))
        return ProgressStore::tr("A pupil needs a name.");
    if (kept.size() > LongestName)
        return ProgressStore::tr("A pupil's name may be at most %1 characters long.")
            .arg(LongestName);
    return QString();
}

} // namespace

std::optional<qint64> ProgressStore::addPupil(const QString &name)
{
    const QString kept = name.trimmed();
    d->message = refusedName(kept);
    if (!d->message.isEmpty())
        return std::nullopt;
    std::optional<Pupil> known;
    // A pupil already kept is found without waiting for the file: another
    // window may be writing. A newer version's file is only read, but its
    // pupils can still be chosen to see their progress.
    if (d->isOpen && d->findPupil(kept, known) && known) {
        d->message.clear();
        return known->id;
    }
    std::optional<qint64> id;
    //: Begins "%1 could not be kept in %2": %1 is the pupil's name.
    const QString what = ProgressStore::tr("The pupil %1").arg(kept);
    // Looked for again inside the transaction: another program on the same
    // file may be adding the same pupil at this moment.
    const bool added = d->inTransaction(what, [this, &kept, &id, &known]() {
        if (!d->findPupil(kept, known))
            return false;
        if (known) {
            id = known->id;
            return true;
        }
        QSqlQuery query(d->db());
        query.prepare(u"INSERT INTO pupil (name) VALUES (?)"_s);
        query.addBindValue(kept);
        if (!d->exec(query))
            return false;
        id = query.lastInsertId().toLongLong();
        return true;
    });
    return added ? id : std::nullopt;
}

bool ProgressStore::renamePupil(qint64 pupilId, const QString &name)
{
    const QString kept = name.trimmed();
    d->message = refusedName(kept);
    if (!d->message.isEmpty())
        return false;
    bool found = false;
    std::optional<Pupil> other;
    //: Begins "%1 could not be kept in %2": %1 is a pupil's new name.
    const QString what = ProgressStore::tr("The new name %1").arg(kept);
    const bool renamed = d->inTransaction(what, [&]() {
        if (!d->findPupil(kept, other, pupilId))
            return false;
        if (other)
            return true;
        QSqlQuery query(d->db());
        query.prepare(u"UPDATE pupil SET name = ? WHERE id = ?"_s);
        query.addBindValue(kept);
        query.addBindValue(pupilId);
        if (!d->exec(query))
            return false;
        found = query.numRowsAffected() == 1;
        return true;
    });
    if (renamed && other) {
        d->message = ProgressStore::tr("There is already a pupil called %1.").arg(other->name);
        return false;
    }
    if (renamed && !found)
        d->message = ProgressStore::tr("There is no such pupil.");
    return renamed && found;
}

QString ProgressStore::pupilName(qint64 pupilId) const
{
    return d->isOpen ? d->pupilName(pupilId) : QString();
}

bool ProgressStore::deletePupil(qint64 pupilId)
{
    bool found = false;
    //: Begins "%1 could not be kept in %2".
    const QString what = ProgressStore::tr("The removal of a pupil");
    const bool deleted = d->inTransaction(what, [&]() {
        QSqlQuery query(d->db());
        for (const QString &statement : { u"DELETE FROM day_tally WHERE pupil_id = ?"_s,
                 u"DELETE FROM fact_card WHERE pupil_id = ?"_s,
                 u"DELETE FROM attempt WHERE pupil_id = ?"_s,
                 u"DELETE FROM pupil WHERE id = ?"_s }) {
            query.prepare(statement);
            query.addBindValue(pupilId);
            if (!d->exec(query))
                return false;
        }
        found = query.numRowsAffected() == 1;
        return true;
    });
    if (deleted && !found)
        d->message = ProgressStore::tr("There is no such pupil.");
    return deleted && found;
}

bool ProgressStore::record(qint64 pupilId, const tutor::Attempt &attempt)
{
    return d->record({ QUuid::createUuid(), pupilId, QString(), attempt, std::nullopt }, nullptr);
}

bool ProgressStore::record(
    qint64 pupilId, const tutor::Attempt &attempt, const CardMove &move, tutor::FactCard *kept)
{
    return d->record({ QUuid::createUuid(), pupilId, QString(), attempt, move }, kept);
}

int ProgressStore::pendingCount() const
{
    return int(d->pending.answers().size());
}

bool ProgressStore::writePending()
{
    return d->writePending(Private::AnswerWaitMillis);
}

bool ProgressStore::recordMany(qint64 pupilId, const QList<tutor::Attempt> &attempts)
{
    //: Begins "%1 could not be kept in %2".
    const QString what = ProgressStore::tr("The answers");
    return d->inTransaction(what, [&]() {
        for (const tutor::Attempt &attempt : attempts) {
            if (!d->insert(pupilId, attempt))
                return false;
        }
        return true;
    });
}

QList<tutor::Attempt> ProgressStore::attempts(qint64 pupilId, const QDateTime &since) const
{
    QList<tutor::Attempt> list;
    if (!d->isOpen)
        return list;
    QSqlQuery query(d->db());
    query.setForwardOnly(true);
    const QString columns = QLatin1String(AttemptColumns);
    if (since.isValid()) {
        query.prepare(u"SELECT %1 FROM attempt WHERE pupil_id = ? AND answered_at >= ?"
                      " ORDER BY answered_at, id"_s.arg(columns));
        query.addBindValue(pupilId);
        query.addBindValue(timeText(since));
    } else {
        query.prepare(
            u"SELECT %1 FROM attempt WHERE pupil_id = ? ORDER BY answered_at, id"_s.arg(columns));
        query.addBindValue(pupilId);
    }
    if (query.exec()) {
        while (query.next())
            list.append(attemptFromRow(query));
    }
    return list;
}

qint64 ProgressStore::attemptCount() const
{
    if (!d->isOpen)
        return 0;
    QSqlQuery query(d->db());
    if (query.exec(u"SELECT COUNT(*) FROM attempt"_s) && query.next())
        return query.value(0).toLongLong();
    return 0;
}

PupilProgress ProgressStore::progress(qint64 pupilId, const QDateTime &now) const
{
    const QDateTime time = now.isValid() ? now.toUTC() : QDateTime::currentDateTimeUtc();
    if (!d->isOpen)
        return pupilProgress(QString(), {}, time);
    PupilProgress shown = pupilProgress(
        d->pupilName(pupilId), attempts(pupilId), time, qint64(quickSeconds()) * 1000);
    showBoxes(shown.facts, factCards(pupilId));
    return shown;
}

bool ProgressStore::integrityOk() const
{
    return d->isOpen && d->file.integrityOk();
}

int ProgressStore::schemaVersion()
{
    return knownVersion();
}

QList<tutor::FactCard> ProgressStore::factCards(
    qint64 pupilId, std::optional<tutor::Operation> operation) const
{
    QList<tutor::FactCard> cards;
    if (!d->isOpen)
        return cards;
    QSqlQuery query(d->db());
    query.setForwardOnly(true);
    // The order of tutor::factFamilies(): by the larger number, then the smaller.
    query.prepare(
        u"SELECT %1 FROM fact_card WHERE pupil_id = ?%2 ORDER BY operation, high, low"_s.arg(
            QLatin1String(CardColumns), operation ? u" AND operation = ?"_s : QString()));
    query.addBindValue(pupilId);
    if (operation)
        query.addBindValue(int(*operation));
    if (query.exec()) {
        while (query.next()) {
            if (const std::optional<tutor::FactCard> card = cardFromRow(query))
                cards.append(*card);
        }
    }
    return cards;
}

bool ProgressStore::record(
    qint64 pupilId, const tutor::Attempt &attempt, const tutor::FactCard &card)
{
    //: Begins "%1 could not be kept in %2".
    const QString what = ProgressStore::tr("The answer");
    return d->inTransaction(
        what, [&]() { return d->insert(pupilId, attempt) && d->keep(pupilId, card); });
}

int ProgressStore::quickSeconds() const
{
    return d->isOpen ? quickSecondsIn(d->db()) : DefaultQuickSeconds;
}

bool ProgressStore::setQuickSeconds(int seconds)
{
    if (seconds < FewestQuickSeconds || seconds > MostQuickSeconds) {
        d->message = ProgressStore::tr("A quick answer is one given within %1 to %2 seconds.")
                         .arg(FewestQuickSeconds)
                         .arg(MostQuickSeconds);
        return false;
    }
    //: Begins "%1 could not be kept in %2".
    const QString what = ProgressStore::tr("The time for a quick answer");
    return d->inTransaction(what, [&]() {
        QSqlQuery query(d->db());
        query.prepare(u"UPDATE setting SET value = ? WHERE name = ?"_s);
        query.addBindValue(QString::number(seconds));
        query.addBindValue(QuickSecondsSetting);
        if (!d->exec(query))
            return false;
        if (query.numRowsAffected() > 0)
            return true;
        query.prepare(u"INSERT INTO setting (name, value) VALUES (?, ?)"_s);
        query.addBindValue(QuickSecondsSetting);
        query.addBindValue(QString::number(seconds));
        return d->exec(query);
    });
}

std::optional<std::pair<qint64, qint64>> ProgressStore::changeStamp() const
{
    if (!d->isOpen)
        return std::nullopt;
    return d->file.changeMarks();
}

} // namespace progress
