#include "progress/current_pupil.h"

#include "base/message_box.h"
#include "progress/pupil_dialog.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <QWidget>

namespace progress {

namespace {

const QString ProgressFileName = QStringLiteral("progress.sqlite");

} // namespace

CurrentPupil::CurrentPupil(const QString &dataFolder, QWidget *window)
    : m_store(dataFolder + u'/' + ProgressFileName)
    , m_window(window)
{ }

void CurrentPupil::openIfKept()
{
    if (QFileInfo::exists(m_store.filePath()))
        open();
}

bool CurrentPupil::open()
{
    if (!m_openTried) {
        m_openTried = true;
        tellOpened(m_store.open(QDateTime::currentDateTimeUtc()));
    }
    return m_store.isOpen();
}

// The store's reasons name the file and say what happened to it.
void CurrentPupil::tellOpened(const OpenResult &opened)
{
    switch (opened.outcome) {
    case OpenResult::Opened:
    case OpenResult::Created:
        return;
    case OpenResult::DamagedMovedAside:
        showMessage(m_window,
            tr("The pupils' progress file was damaged, so it was moved aside and a "
               "fresh one started."),
            opened.reason);
        return;
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
    // Kept as the store keeps it.
    m_name = name.trimmed();
    return true;
}

void CurrentPupil::keep(const tutor::Attempt &attempt)
{
    keepWith([&]() { return m_store.record(*m_id, attempt); });
}

void CurrentPupil::keep(const tutor::Attempt &attempt, const tutor::FactCard &card)
{
    keepWith([&]() { return m_store.record(*m_id, attempt, card); });
}

void CurrentPupil::keepWith(const std::function<bool()> &record)
{
    // A newer version's file was said to be read only when it was opened.
    if (!m_id || !m_store.isWritable())
        return;
    if (record() || m_recordFailureTold)
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

void CurrentPupil::chooseNobody()
{
    m_id.reset();
    m_name.clear();
}

} // namespace progress
