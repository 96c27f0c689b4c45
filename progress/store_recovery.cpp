#include "progress/progress_store.h"
#include "progress/private_files.h"
#include "progress/progress_store_private.h"

// What the store does for a file that may be damaged: the full check and
// the day's backup away from the window, what they found, the answers given
// meanwhile, and putting a backup back in place.
namespace progress {

bool ProgressStore::awaitsDayCheck() const
{
    return d->checking;
}

int ProgressStore::generation() const
{
    return d->generation;
}

ProgressStore::DayCheck ProgressStore::checkAndBackUp(
    const QString &path, const QDateTime &now, int generation)
{
    DayCheck found;
    found.generation = generation;
    ProgressFile file(path);
    // What cannot be looked at now was looked at enough to be opened.
    if (!file.open(true))
        return found;
    switch (file.quickCheck()) {
    case ProgressFile::Check::Damaged:
        found.damaged = true;
        found.damage = failedCheck(file.lastError());
        return found;
    case ProgressFile::Check::Unreadable:
        return found;
    case ProgressFile::Check::Sound:
        break;
    }
    if (!file.backUp(now.isValid() ? now.toUTC() : QDateTime::currentDateTimeUtc()))
        found.backupFailure = orUnknown(file.lastError());
    return found;
}

OpenResult ProgressStore::takeDayCheck(const DayCheck &check, const QDateTime &now)
{
    OpenResult result;
    result.outcome = OpenResult::Opened;
    if (check.generation != d->generation || !d->checking)
        return result;
    d->checking = false;
    result.backupFailure = check.backupFailure;
    if (!check.damaged) {
        d->sinceOpen.clear();
        d->file.syncEachCommit(true);
        d->file.syncNow();
        return result;
    }
    // Answers given meanwhile went aside with the file: they are still known.
    const QDateTime time = now.isValid() ? now.toUTC() : QDateTime::currentDateTimeUtc();
    d->shut();
    QString why;
    const QString moved = ProgressFile::moveAside(d->path, time, &why);
    if (moved.isEmpty()) {
        result.outcome = OpenResult::Unavailable;
        result.reason = cannotKeep(
            //: Follows "Pupils' progress cannot be kept:"; %2 is the system's own words.
            ProgressStore::tr("the file %1 is damaged and cannot be moved aside (%2)")
                .arg(native(d->path), orUnknown(why)));
        d->message = result.reason;
        return result;
    }
    result = open(time);
    if (result.outcome == OpenResult::Created || result.outcome == OpenResult::Opened) {
        result.outcome = OpenResult::DamagedMovedAside;
        result.movedAsideTo = moved;
        result.reason = movedAsideReason(d->path, moved, check.damage);
    }
    return result;
}

bool ProgressStore::rescueAnswers()
{
    QList<PendingAnswer> rescued = d->sinceOpen;
    rescued.append(d->pending.answers());
    if (rescued.isEmpty())
        return true;
    //: Begins "%1 could not be kept in %2".
    const QString what = ProgressStore::tr("The answers");
    const bool written = d->inTransaction(what, [this, &rescued]() {
        for (PendingAnswer &answer : rescued) {
            // Whose it was cannot be known any more.
            if (answer.pupilName.isEmpty())
                continue;
            std::optional<Pupil> pupil;
            if (!d->findPupil(answer.pupilName, pupil))
                return false;
            if (!pupil) {
                QSqlQuery add(d->db());
                add.prepare(u"INSERT INTO pupil (name) VALUES (?)"_s);
                add.addBindValue(answer.pupilName);
                if (!d->exec(add))
                    return false;
                pupil = Pupil { add.lastInsertId().toLongLong(), answer.pupilName };
            }
            answer.pupilId = pupil->id;
            if (!d->write(answer, nullptr))
                return false;
        }
        return true;
    });
    if (written) {
        d->sinceOpen.clear();
        d->pending.clear();
    }
    return written;
}

QList<Backup> ProgressStore::backups() const
{
    return ProgressFile::backups(d->path);
}

bool ProgressStore::isWholeBackup(const QString &backupPath)
{
    return ProgressFile::isWholeBackup(backupPath);
}

Restored ProgressStore::restore(const QString &backupPath, const QDateTime &now)
{
    const QDateTime time = now.isValid() ? now.toUTC() : QDateTime::currentDateTimeUtc();
    Restored restored;
    if (!isWholeBackup(backupPath)) {
        //: %1 is a backup's file.
        restored.reason = ProgressStore::tr("the backup %1 failed its check, so it was not put "
                                            "in place")
                              .arg(native(backupPath));
        restored.opened.outcome = d->isOpen ? OpenResult::Opened : OpenResult::Unavailable;
        return restored;
    }
    d->shut();
    QString why;
    const QString aside
        = ProgressFile::moveAside(d->path, time, &why, ProgressFile::Aside::Replaced);
    if (aside.isEmpty()) {
        //: %1 is a file, %2 the system's own words.
        restored.reason = ProgressStore::tr("the progress file %1 cannot be moved aside (%2)")
                              .arg(native(d->path), orUnknown(why));
        restored.opened = open(time);
        return restored;
    }
    const bool replaced = lookAt(aside).kind != Entry::Missing;
    if (const QString failed = ProgressFile::copyBackup(backupPath, d->path); !failed.isEmpty()) {
        ProgressFile::moveBack(aside, d->path);
        restored.reason = failed;
        restored.opened = open(time);
        return restored;
    }
    restored.done = true;
    restored.movedAsideTo = replaced ? aside : QString();
    restored.opened = open(time);
    return restored;
}

} // namespace progress
