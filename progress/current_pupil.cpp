#include "progress/current_pupil.h"

#include "base/message_box.h"
#include "progress/private_files.h"
#include "progress/pupil_dialog.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace progress {

namespace {

const QString ProgressFileName = QStringLiteral("progress.sqlite");
// Answers that wait for another window to let go of the file are tried
// again this often.
constexpr int PendingRetryMillis = 250;

} // namespace

CurrentPupil::CurrentPupil(const QString &dataFolder, QWidget *window)
    : m_store(dataFolder + u'/' + ProgressFileName)
    , m_window(window)
    , m_pendingRetry(new QTimer(window))
{
    m_pendingRetry->setObjectName(QStringLiteral("tmrPendingAnswers"));
    m_pendingRetry->setSingleShot(true);
    m_pendingRetry->setInterval(PendingRetryMillis);
    QObject::connect(
        m_pendingRetry, &QTimer::timeout, m_window, [this]() { writePendingAnswers(); });
}

CurrentPupil::~CurrentPupil()
{
    // The check reads the file on a connection of its own: it ends first.
    if (m_dayCheck)
        m_dayCheck->wait();
}

void CurrentPupil::openIfKept()
{
    // Anything standing there is looked at, a link too, and its trouble told.
    if (lookAt(m_store.filePath()).kind != Entry::Missing) {
        open();
        return;
    }
    offerNewestBackup(tr("The pupils' progress file %1 is missing.")
                          .arg(QDir::toNativeSeparators(m_store.filePath())),
        QString());
}

bool CurrentPupil::open()
{
    if (!m_openTried) {
        m_openTried = true;
        const QDateTime now = QDateTime::currentDateTimeUtc();
        // The window goes on at once; the slow reading of the whole file
        // follows on a thread of its own.
        tellOpened(m_store.open(now, ProgressStore::Checks::Later));
        startDayCheck(now);
    }
    return m_store.isOpen();
}

void CurrentPupil::startDayCheck(const QDateTime &now)
{
    if (!m_store.awaitsDayCheck() || m_dayCheck)
        return;
    auto found = std::make_shared<ProgressStore::DayCheck>();
    m_dayCheckFound = found;
    m_dayCheckTime = now;
    const QString path = m_store.filePath();
    const int generation = m_store.generation();
    m_dayCheck.reset(QThread::create([found, path, now, generation]() {
        *found = ProgressStore::checkAndBackUp(path, now, generation);
    }));
    m_dayCheck->setObjectName(QStringLiteral("dayCheck"));
    QObject::connect(
        m_dayCheck.get(), &QThread::finished, m_window, [this]() { finishDayCheck(); });
    m_dayCheck->start(QThread::LowPriority);
}

void CurrentPupil::finishDayCheck()
{
    if (!m_dayCheck)
        return;
    m_dayCheck->wait();
    m_dayCheck.reset();
    const std::shared_ptr<ProgressStore::DayCheck> found = std::move(m_dayCheckFound);
    takeDayCheck(*found, m_dayCheckTime);
}

// A damaged file went aside with the answers given since the start: once
// the user has had the newest backup offered, the pupil is found again, or
// added to the fresh file, and those answers are written again.
void CurrentPupil::takeDayCheck(const ProgressStore::DayCheck &found, const QDateTime &now)
{
    const OpenResult taken = m_store.takeDayCheck(found, now);
    tellOpened(taken);
    if (taken.outcome != OpenResult::DamagedMovedAside)
        return;
    if (m_id) {
        const std::optional<qint64> again = m_store.addPupil(m_name);
        if (again)
            m_id = again;
        else
            chooseNobody();
    }
    if (!m_store.rescueAnswers())
        tellRecordFailure();
    if (m_onRestored)
        m_onRestored();
}

// The store's reasons name the file and say what happened to it.
void CurrentPupil::tellOpened(const OpenResult &opened)
{
    // The file itself is as good as before: said once a run, not at every start.
    if (!opened.backupFailure.isEmpty() && !m_backupFailureTold) {
        m_backupFailureTold = true;
        showMessage(m_window,
            tr("Today's backup of the pupils' progress could not be made. The progress "
               "itself is kept as before, and the next start tries again."),
            opened.backupFailure);
    }
    switch (opened.outcome) {
    case OpenResult::Opened:
    case OpenResult::Created:
        return;
    case OpenResult::DamagedMovedAside: {
        const QString text = tr("The pupils' progress file was damaged, so it was moved aside "
                                "and a fresh one started.");
        offerNewestBackup(text, opened.reason);
        return;
    }
    case OpenResult::NewerVersion:
        showMessage(m_window,
            tr("The pupils' progress file comes from a newer version of Orvi Math "
               "Tutor. It is only read: answers given now are not kept."),
            opened.reason);
        return;
    case OpenResult::Unavailable:
        m_unavailableReason = opened.reason;
        tellUnavailable();
        return;
    }
}

bool CurrentPupil::openOrTellWhyNot()
{
    const bool toldOnOpening = !m_openTried;
    if (open())
        return true;
    if (!toldOnOpening)
        tellUnavailable();
    return false;
}

bool CurrentPupil::offerNewestBackup(const QString &text, const QString &details)
{
    // Asked once: should the copy restored fail in its turn, a second
    // question would only repeat the first.
    const QList<Backup> kept = m_offering ? QList<Backup>() : m_store.backups();
    const auto whole = std::find_if(kept.cbegin(), kept.cend(),
        [](const Backup &backup) { return ProgressStore::isWholeBackup(backup.path); });
    // A backup of a file just started holds nothing worth going back to.
    if (whole == kept.cend() || whole->answers == 0) {
        if (!details.isEmpty())
            showMessage(m_window, text, details);
        return false;
    }
    const Backup &newest = *whole;
    const QLocale locale;
    //: %1 is the day the backup was made, %2 how many answers it holds.
    const QString offer = tr("The newest whole backup was made on %1 (answers: %2). Restore it?")
                              .arg(locale.toString(newest.madeOn, QLocale::LongFormat),
                                  locale.toString(newest.answers));
    if (!askQuestion(m_window, text, details.isEmpty() ? offer : details + u"\n\n"_s + offer))
        return false;
    m_offering = true;
    const bool restored = restore(newest.path, false);
    m_offering = false;
    return restored;
}

QList<Backup> CurrentPupil::backupsOrTellWhyNone()
{
    const QList<Backup> kept = m_store.backups();
    if (kept.isEmpty()) {
        showMessage(m_window, tr("There is no backup of the pupils' progress to restore."),
            //: %1 is a folder.
            tr("Backups are made each day in %1.")
                .arg(QDir::toNativeSeparators(
                    QFileInfo(m_store.filePath()).dir().filePath(u"backups"_s))));
    }
    return kept;
}

bool CurrentPupil::restore(const QString &backupPath)
{
    return restore(backupPath, true);
}

bool CurrentPupil::restore(const QString &backupPath, bool tellDone)
{
    m_openTried = true;
    const Restored restored = m_store.restore(backupPath, QDateTime::currentDateTimeUtc());
    // The pupil chosen before is found again by name in what came back.
    const std::optional<qint64> before = m_id;
    m_id.reset();
    for (const Pupil &pupil : m_store.pupils()) {
        if (before && pupil.name == m_name)
            m_id = pupil.id;
    }
    if (!m_id)
        m_name.clear();
    if (m_onRestored)
        m_onRestored();
    if (!restored.done) {
        showMessage(m_window, tr("The backup could not be restored."), restored.reason);
        return false;
    }
    if (restored.opened.outcome == OpenResult::Opened) {
        m_unavailableReason.clear();
        if (tellDone && !restored.movedAsideTo.isEmpty())
            showGoodNews(m_window, tr("The backup was restored."),
                //: %1 is a file.
                tr("The progress file in use before is kept as %1.")
                    .arg(QDir::toNativeSeparators(restored.movedAsideTo)));
        return true;
    }
    tellOpened(restored.opened);
    return m_store.isOpen();
}

void CurrentPupil::tellUnavailable()
{
    showMessage(m_window,
        tr("The pupils' progress cannot be kept: nothing will be kept this time."),
        m_unavailableReason);
}

QString CurrentPupil::storeError() const
{
    const QString error = m_store.lastError();
    return error.isEmpty() ? QDir::toNativeSeparators(m_store.filePath()) : error;
}

QStringList CurrentPupil::pupilNames()
{
    QStringList names;
    if (!open())
        return names;
    for (const Pupil &pupil : m_store.pupils())
        names << pupil.name;
    return names;
}

bool CurrentPupil::choose(const QString &name)
{
    if (!open())
        return false;
    // The store finds a pupil it keeps, also in a file only read, where the
    // pupil can still be chosen to see their progress, and adds a new one.
    const std::optional<qint64> id = m_store.addPupil(name);
    if (!id) {
        showMessage(m_window, tr("The pupil could not be chosen."), storeError());
        return false;
    }
    m_id = id;
    // As the store keeps it: "tom li" chooses "Tom Li".
    m_name = m_store.pupilName(*id);
    if (m_name.isEmpty())
        m_name = name.trimmed();
    return true;
}

void CurrentPupil::chooseNobody()
{
    m_id.reset();
    m_name.clear();
}

bool CurrentPupil::anyPupilKept() const
{
    return m_store.isOpen() && !m_store.pupils().isEmpty();
}

void CurrentPupil::keep(const tutor::Attempt &attempt)
{
    keepWith([&]() { return m_store.record(*m_id, attempt); });
}

void CurrentPupil::keep(const tutor::Attempt &attempt, const CardMove &move, tutor::FactCard *kept)
{
    keepWith([&]() { return m_store.record(*m_id, attempt, move, kept); });
}

void CurrentPupil::keepWith(const std::function<bool()> &record)
{
    // A newer version's file was said to be read only when it was opened.
    if (!m_id || !m_store.isWritable())
        return;
    if (!record())
        tellRecordFailure();
    else if (m_onKept)
        m_onKept();
    if (m_store.pendingCount() > 0)
        m_pendingRetry->start();
}

void CurrentPupil::writePendingAnswers()
{
    if (m_store.writePending())
        return;
    // Still held by another window, or failing for a reason of its own.
    m_pendingRetry->start();
}

void CurrentPupil::tellRecordFailure()
{
    if (m_recordFailureTold)
        return;
    m_recordFailureTold = true;
    const QString details = storeError();
    // Told once the answer has been judged and shown, not in the middle of it.
    QTimer::singleShot(0, m_window, [window = m_window, details]() {
        showMessage(window,
            tr("An answer could not be kept in the pupils' progress. Practice goes "
               "on; this is said once."),
            details);
    });
}

} // namespace progress

namespace progress {

bool CurrentPupil::rename(qint64 pupilId, const QString &name)
{
    if (!m_store.renamePupil(pupilId, name)) {
        showMessage(m_window, tr("The pupil could not be renamed %1.").arg(shownPupilName(name)),
            storeError());
        return false;
    }
    if (m_id == pupilId)
        m_name = name.trimmed();
    return true;
}

bool CurrentPupil::remove(qint64 pupilId)
{
    if (!m_store.deletePupil(pupilId)) {
        showMessage(m_window, tr("The pupil could not be deleted."), storeError());
        return false;
    }
    if (m_id == pupilId) {
        m_id.reset();
        m_name.clear();
    }
    return true;
}

} // namespace progress
