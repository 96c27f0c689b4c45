#include "progress/progress_actions.h"

#include "base/desktop_launcher.h"
#include "base/file_saver.h"
#include "base/message_box.h"
#include "progress/class_screen.h"
#include "progress/current_pupil.h"
#include "progress/progress_report.h"
#include "progress/progress_screen.h"
#include "progress/pupil_dialog.h"
#include "progress/restore_dialog.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>

namespace progress {

ProgressActions::ProgressActions(CurrentPupil &pupil, ProgressScreen *progressScreen,
    ClassScreen *classScreen, const QString &reportsFolder, QWidget *window)
    : QObject(window)
    , m_pupil(pupil)
    , m_progressScreen(progressScreen)
    , m_classScreen(classScreen)
    , m_reportsFolder(reportsFolder)
    , m_window(window)
    , m_clock([]() { return QDateTime::currentDateTimeUtc(); })
{
    connect(
        m_progressScreen, &ProgressScreen::printRequested, this, &ProgressActions::printProgress);
    connect(m_classScreen, &ClassScreen::exportRequested, this, &ProgressActions::exportCsv);
    connect(m_classScreen, &ClassScreen::renameRequested, this, &ProgressActions::rename);
    connect(m_classScreen, &ClassScreen::deleteRequested, this, &ProgressActions::remove);
    connect(
        m_classScreen, &ClassScreen::quickSecondsChanged, this, &ProgressActions::keepQuickSeconds);

    m_watch = new QTimer(this);
    m_watch->setObjectName(QStringLiteral("tmrProgressWatch"));
    m_watch->setInterval(1000);
    connect(m_watch, &QTimer::timeout, this, &ProgressActions::tmrProgressWatch_Timer);
    // The file is watched only while a screen shows what it holds.
    m_progressScreen->installEventFilter(this);
    m_classScreen->installEventFilter(this);
}

void ProgressActions::setClock(std::function<QDateTime()> clock)
{
    m_clock = std::move(clock);
}

namespace {

void tellNoPupil(QWidget *window)
{
    showMessage(window,
        //: "Pupil" and "Choose Pupil" are the menu and its item, spelt as the menu shows them.
        ProgressActions::tr("No pupil is chosen, so no progress is kept. Choose a pupil first "
                            "with Pupil, Choose Pupil."));
}

} // namespace

bool ProgressActions::fillProgress()
{
    if (!m_pupil.isChosen()) {
        tellNoPupil(m_window);
        return false;
    }
    if (!m_pupil.openOrTellWhyNot())
        return false;
    showProgressNow();
    return true;
}

void ProgressActions::showProgressNow()
{
    m_filledAt = m_pupil.store().changeStamp();
    PupilProgress shown = m_pupil.store().progress(*m_pupil.id(), m_clock());
    shown.name = m_pupil.name();
    m_shownPupilId = *m_pupil.id();
    m_progressScreen->showProgress(shown);
}

bool ProgressActions::fillClass()
{
    // The class belongs to the teacher: no pupil needs to be chosen once
    // pupils are kept; before that, nothing is made.
    if (!m_pupil.isChosen() && !QFileInfo::exists(m_pupil.store().filePath())) {
        tellNoPupil(m_window);
        return false;
    }
    if (!m_pupil.openOrTellWhyNot())
        return false;
    showClassNow();
    return true;
}

void ProgressActions::showClassNow()
{
    m_filledAt = m_pupil.store().changeStamp();
    m_classScreen->showClass(m_pupil.store().classOverview());
    m_classScreen->showQuickSeconds(m_pupil.store().quickSeconds());
}

void ProgressActions::followPupil()
{
    if (!m_classScreen->isHidden())
        showClassNow();
    if (m_progressScreen->isHidden())
        return;
    if (m_pupil.isChosen()) {
        showProgressNow();
        return;
    }
    tellNoPupil(m_window);
    emit progressLeftEmpty();
}

void ProgressActions::tmrProgressWatch_Timer()
{
    const bool classShown = !m_classScreen->isHidden();
    const bool progressShown = !m_progressScreen->isHidden() && m_pupil.isChosen();
    if ((!classShown && !progressShown) || m_pupil.store().changeStamp() == m_filledAt)
        return;
    if (classShown)
        showClassNow();
    if (progressShown)
        showProgressNow();
}

bool ProgressActions::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
        if (m_progressScreen->isHidden() && m_classScreen->isHidden())
            m_watch->stop();
        else if (!m_watch->isActive())
            m_watch->start();
    }
    return QObject::eventFilter(watched, event);
}

void ProgressActions::askForPupil()
{
    if (!m_pupil.openOrTellWhyNot())
        return;
    auto *dialog = new PupilDialog(m_pupil.pupilNames(), m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setNobodyOffered(m_pupil.isChosen());
    connect(dialog, &QDialog::accepted, this, [this, dialog]() {
        if (dialog->choseNobody())
            emit nobodyChosen();
        else
            emit pupilChosen(dialog->chosenName());
    });
    dialog->open();
}

void ProgressActions::askForBackup()
{
    const QList<Backup> backups = m_pupil.backupsOrTellWhyNone();
    if (backups.isEmpty())
        return;
    auto *dialog = new RestoreDialog(backups, m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this,
        [this, dialog]() { m_pupil.restore(dialog->chosenPath()); });
    dialog->open();
}

QString ProgressActions::reportPath(qint64 pupilId, const QString &name) const
{
    QStringList everyName;
    for (const Pupil &pupil : m_pupil.store().pupils())
        everyName << pupil.name;
    return m_reportsFolder + u'/' + progressReportFileName(name, pupilId, everyName);
}

QString ProgressActions::exportPath() const
{
    return m_reportsFolder + QStringLiteral("/OrviProgress.csv");
}

void ProgressActions::printProgress()
{
    const PupilProgress &shown = m_progressScreen->shownProgress();
    const SaveResult saved = saveWholeFile(reportPath(m_shownPupilId, shown.name),
        progressReportBytes(shown, m_pupil.store().factCards(m_shownPupilId)));
    if (!saved.ok) {
        showMessage(m_window,
            tr("Cannot write the progress report %1.").arg(QDir::toNativeSeparators(saved.path)),
            saved.error);
        return;
    }
    //: %1 is the report's file.
    openSavedPage(m_window, saved.path,
        { tr("The progress report was saved as %1."),
            //: %1 is the report's file.
            tr("The progress report was saved as %1, but it is no longer there.") });
}

// Every answer of every pupil; a long file shows its progress and can be
// cancelled, which leaves an earlier export whole.
void ProgressActions::exportCsv()
{
    if (!m_pupil.openOrTellWhyNot())
        return;
    WholeFile file(exportPath());
    SaveResult saved = file.begin();
    if (saved.ok) {
        QProgressDialog progress(tr("Exporting every answer..."), tr("Cancel"), 0, 0, m_window);
        progress.setObjectName(QStringLiteral("dlgExportProgress"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(500);
        // The dialog counts in int; a share in thousandths keeps it in range.
        progress.setMaximum(1000);
        const bool written = m_pupil.store().exportCsv(file, [&](qint64 done, qint64 total) {
            progress.setValue(total > 0 ? int(done * 1000 / total) : 0);
            return !progress.wasCanceled() && !file.hasFailed();
        });
        // Read before reset(), which forgets a cancel.
        const bool cancelled = progress.wasCanceled();
        progress.reset();
        if (!written && cancelled) {
            file.abandon();
            return;
        }
        // After a failed write, finish() refuses and says why.
        if (written || file.hasFailed()) {
            saved = file.finish();
        } else {
            file.abandon();
            saved = SaveResult { false, file.fileName(), m_pupil.store().lastError() };
        }
    }
    if (!saved.ok) {
        showMessage(m_window,
            tr("Cannot write the export %1.").arg(QDir::toNativeSeparators(exportPath())),
            saved.error);
        return;
    }
    showGoodNews(
        m_window, tr("Every answer was exported to %1.").arg(QDir::toNativeSeparators(saved.path)));
}

// The teacher's time for a quick answer; when the file will not keep it, the
// box goes back to the time kept.
void ProgressActions::keepQuickSeconds(int seconds)
{
    ProgressStore &store = m_pupil.store();
    if (store.setQuickSeconds(seconds))
        return;
    showMessage(m_window,
        tr("The time for a quick answer could not be changed to %n seconds.", nullptr, seconds),
        store.lastError());
    m_classScreen->showQuickSeconds(store.quickSeconds());
}

void ProgressActions::rename(qint64 pupilId, const QString &name)
{
    const bool wasCurrent = m_pupil.id() == pupilId;
    if (m_pupil.rename(pupilId, name) && wasCurrent)
        emit currentPupilChanged();
    fillClass();
}

void ProgressActions::remove(qint64 pupilId)
{
    const bool wasCurrent = m_pupil.id() == pupilId;
    const bool removed = m_pupil.remove(pupilId);
    if (removed && wasCurrent)
        emit currentPupilChanged();
    if (removed)
        emit pupilDeleted(pupilId);
    fillClass();
}

} // namespace progress
