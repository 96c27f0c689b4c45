#pragma once

#include "progress/card_move.h"
#include "progress/progress_data.h"
#include "rules/attempt.h"
#include "rules/fact_schedule.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QUuid>
#include <QtGlobal>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QIODevice;

namespace progress {

struct Pupil
{
    qint64 id = 0;
    QString name;
};

// A pupil on the class server's roster.
struct RosterPupil
{
    QUuid serverId;
    QString name;
    QString className;

    friend bool operator==(const RosterPupil &a, const RosterPupil &b)
    {
        return a.serverId == b.serverId && a.name == b.name && a.className == b.className;
    }
};

// An answer of a pupil's as the class server keeps it.
struct ServerAnswer
{
    QUuid answerId;
    QUuid computerId; // where it was given
    int quickSeconds = 0; // the quick-answer time in force then
    tutor::Attempt attempt;
};

// What opening the progress file found and did.
struct OpenResult
{
    enum Outcome {
        Opened, // an existing file, checked and brought up to date
        Created, // no file yet: a fresh one
        DamagedMovedAside, // failed its check: moved to `movedAsideTo`, a fresh one started
        NewerVersion, // written by a newer version: read only, never written
        Unavailable, // the folder or file cannot be used at all: nothing is kept
    };
    Outcome outcome = Unavailable;
    QString movedAsideTo; // DamagedMovedAside only
    QString reason; // why, for DamagedMovedAside, NewerVersion and Unavailable, in words
    QString backupFailure; // why the day's backup could not be made, in words; empty if made
};

// A copy of the progress file kept in "backups" beside it.
struct Backup
{
    QString path;
    QDate madeOn; // the local day it was written
    QDateTime newestAnswer; // UTC; invalid when it holds no answer
    qint64 answers = 0;
};

// What putting a backup in place of the progress file did.
struct Restored
{
    bool done = false;
    QString movedAsideTo; // where the file it replaced is kept; empty when there was none
    QString reason; // why not, in words, when not done
    OpenResult opened; // the file open afterwards: the backup, or the old file when not done
};

// Every pupil of this computer and every answer they gave, kept in one
// database file. Each answer is one transaction, on disk when record()
// returns true. Only ProgressFile (progress_file.h) knows the file is
// SQLite; the statements here are plain SQL.
class ProgressStore
{
    Q_DECLARE_TR_FUNCTIONS(ProgressStore)

public:
    // The file is opened by open(), not here, so a window can show first.
    explicit ProgressStore(const QString &filePath);
    ~ProgressStore();
    ProgressStore(const ProgressStore &) = delete;
    ProgressStore &operator=(const ProgressStore &) = delete;

    // Opens the file, creating or migrating it, checks it, and makes the
    // day's backup in "backups" beside it. `now` is the UTC time. The full
    // check and the backup read the whole file, seconds of a large one: with
    // Checks::Later they are left to checkAndBackUp(), away from the window,
    // and open() looks only at what it cannot go on without.
    enum class Checks { Now, Later };
    OpenResult open(const QDateTime &now, Checks checks = Checks::Now);

    // What the full check and the day's backup found, for the file opened
    // `generation`-th by its store.
    struct DayCheck
    {
        int generation = 0;
        bool damaged = false;
        QString damage; // what was found, in words
        QString backupFailure; // why no backup was made, in words; empty if made
    };
    // Whether open() left the check to be made, and the opening it is for.
    bool awaitsDayCheck() const;
    int generation() const;
    // The full check and the day's backup of the file at `path`, on a
    // connection of their own: any thread may run them, while the file is in
    // use. A file found damaged gets no backup.
    static DayCheck checkAndBackUp(const QString &path, const QDateTime &now, int generation);
    // Takes in what the check found, on the store's own thread. A damaged
    // file is moved aside and a fresh one opened, as open() does it; the
    // answers given since it was opened are kept until rescueAnswers(). A
    // check made for an earlier opening is left unheeded.
    OpenResult takeDayCheck(const DayCheck &check, const QDateTime &now);
    // Writes again the answers given since the damaged file was opened, which
    // went aside with it, into the file open now; their pupils are found by
    // name, or added again.
    bool rescueAnswers();
    // The backups beside the file that can be read, the one with the latest
    // answers first; copies holding the same answers are listed once.
    QList<Backup> backups() const;
    // Whether a backup passes its full check, which reads the whole copy.
    static bool isWholeBackup(const QString &backupPath);
    // Closes the file, keeps it (and its journals) aside, puts a copy of
    // `backupPath`, one of backups(), in its place and opens that; a copy
    // that fails its check is not put in place.
    Restored restore(const QString &backupPath, const QDateTime &now);
    bool isOpen() const;
    bool isWritable() const; // open, and not a newer version's file
    QString filePath() const;
    // The last failure, in words for the user; empty after a success.
    QString lastError() const;

    // Pupils sorted by name, as people sort them (case and accents aside).
    QList<Pupil> pupils() const;
    // The pupil's id, adding the pupil when new; none when nothing can be
    // kept. A name stands for the pupil of the same key (pupil_names.h):
    // "tom li" finds "Tom Li". Names are kept as given, trimmed; a name
    // with nothing to see is refused.
    std::optional<qint64> addPupil(const QString &name);
    // False when another pupil's name has the new name's key.
    bool renamePupil(qint64 pupilId, const QString &name);
    QString pupilName(qint64 pupilId) const; // empty for none
    bool deletePupil(qint64 pupilId); // with every answer of theirs

    // Keeps one answer of the pupil's; true once it is on disk: in the file,
    // or, when another copy of the program holds the file longer than a
    // pupil should wait, among the answers pending for it, which are written
    // in order before any later one.
    bool record(qint64 pupilId, const tutor::Attempt &attempt);
    // Keeps a My Facts answer and moves its family's card in the same
    // transaction, from the card as the file holds it then: another copy of
    // the program may have moved it meanwhile. `kept` gets the card as
    // written, and is left as it is when the answer had to wait.
    bool record(qint64 pupilId, const tutor::Attempt &attempt, const CardMove &move,
        tutor::FactCard *kept = nullptr);
    // Answers waiting for the file, and writing them now if the file can be
    // had soon enough; true when none is left.
    int pendingCount() const;
    bool writePending();
    // The pupil's answers from `since` (UTC) on, oldest first.
    QList<tutor::Attempt> attempts(qint64 pupilId, const QDateTime &since = QDateTime()) const;
    qint64 attemptCount() const; // of every pupil

    // What "My Progress" shows, worked out at `now` (UTC; days are the
    // local calendar's).
    PupilProgress progress(qint64 pupilId, const QDateTime &now) const;
    // Every pupil's line of the class overview, sorted by name.
    QList<PupilTotals> classOverview() const;

    // Every answer of every pupil as CSV for a teacher's spreadsheet: UTF-8
    // with a byte-order mark, RFC 4180, CR LF, a heading row in the language
    // spoken, each field as csvField() (export_fields.h) makes it, times
    // local with their offset; pupils by name and answers oldest first.
    // `step` is told how far it got and may stop it by returning false.
    // False when stopped or when writing failed.
    bool exportCsv(
        QIODevice &out, const std::function<bool(qint64 done, qint64 total)> &step = {}) const;

    // My Facts: what is kept of the pupil's fact families, of one operation
    // or of all four, in the order of tutor::factFamilies(); families never
    // asked are left out.
    QList<tutor::FactCard> factCards(
        qint64 pupilId, std::optional<tutor::Operation> operation = std::nullopt) const;
    // Keeps one answer and puts `card` in place of the one kept, in one
    // transaction; true once both are on disk. For filling a file, as tests
    // and the benchmark do: practice moves cards with a CardMove.
    bool record(qint64 pupilId, const tutor::Attempt &attempt, const tutor::FactCard &card);
    // The seconds within which a right answer counts as quick: 1 to 10, set
    // by the teacher for every pupil; DefaultQuickSeconds until set.
    static constexpr int DefaultQuickSeconds = 3;
    int quickSeconds() const;
    bool setQuickSeconds(int seconds); // false when out of range or not kept

    // Keeps many answers of the pupil's in one transaction: for filling a
    // file fast, as the benchmark does.
    bool recordMany(qint64 pupilId, const QList<tutor::Attempt> &attempts);
    // The file's full check, slower than the one made at open: after a crash.
    bool integrityOk() const;
    // The version of the file's tables this program writes.
    static int schemaVersion();

    // The class server's id for the pupil, so their answers go to the
    // server; false when not kept.
    bool setServerId(qint64 pupilId, const QUuid &serverId);
    // Takes in the class server's roster in one transaction: each pupil is
    // found by the server's id, else by name (a pupil of this computer's
    // own, whose answers then go to the server too), else added, and is
    // named as the server names them; a name another pupil here has gets
    // the class's name after it. The pupils the server erased are deleted
    // with every answer of theirs.
    bool takeRoster(const QList<RosterPupil> &roster, const QList<QUuid> &erased);
    // The pupil here of the server's id; none when not here.
    std::optional<qint64> pupilOnServer(const QUuid &serverId) const;
    // The server's id for the pupil; null for a pupil of this computer's own.
    QUuid serverId(qint64 pupilId) const;
    // Adds the pupil's answers from the class server that the file does not
    // hold yet, and puts their My Facts cards as their whole answer log
    // makes them, so the schedule is the same on every computer.
    bool takeHistory(qint64 pupilId, const QList<ServerAnswer> &answers);
    // How many answers the file holds that the class server has, for each
    // pupil of the server's here.
    QHash<QUuid, qint64> answersServerHas() const;

    // Changes whenever a pupil, an answer or a setting is committed to the
    // file, by this store or by another program: cheap enough to ask about
    // once a second. None while no file is open.
    std::optional<std::pair<qint64, qint64>> changeStamp() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace progress
