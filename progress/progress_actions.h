#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>
#include <utility>

class ClassScreen;
class ProgressScreen;
class QTimer;
class QWidget;

namespace progress {

class CurrentPupil;

// What the two progress screens ask of the kept answers: they are filled
// from the progress file when shown, and filled again while shown when the
// pupil or the file changes; the report, the export, renaming and deleting
// a pupil are carried out here, each told to the user.
class ProgressActions : public QObject
{
    Q_OBJECT

public:
    ProgressActions(CurrentPupil &pupil, ProgressScreen *progressScreen, ClassScreen *classScreen,
        const QString &reportsFolder, QWidget *window);

    // The clock "today" is read from; tests set it.
    void setClock(std::function<QDateTime()> clock);

    // Fills a screen from the file; false when there is nothing to show,
    // which has been told.
    bool fillProgress();
    bool fillClass();
    // The current pupil changed: a progress screen shown is filled for the
    // new one. My Progress with nobody chosen says so and gives up its place.
    void followPupil();

    // Opens "Choose Pupil", which asks for a pupil or nobody; nothing when
    // the file cannot be used, which has then been told.
    void askForPupil();
    // Opens the list of backups to restore one after asking; nothing when
    // there is none, which has then been told.
    void askForBackup();

    // Where the progress report of the pupil, and the export, are written.
    QString reportPath(qint64 pupilId, const QString &name) const;
    QString exportPath() const;

public slots:
    // Looks about once a second, while a progress screen shows, whether the
    // progress file changed, here or in another copy of the program, and
    // fills the screen again only when it did.
    void tmrProgressWatch_Timer();

signals:
    // Picked in "Choose Pupil": a pupil's name, or nobody.
    void pupilChosen(const QString &name);
    void nobodyChosen();
    // The current pupil was renamed or deleted.
    void currentPupilChanged();
    // After the current pupil's news, if any: the pupil is gone from the file.
    void pupilDeleted(qint64 pupilId);
    // My Progress was shown while nobody became the pupil; it has nothing to
    // show any more.
    void progressLeftEmpty();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Fill a screen from the file, which is open; no questions asked.
    void showProgressNow();
    void showClassNow();
    void printProgress();
    void exportCsv();
    void rename(qint64 pupilId, const QString &name);
    void remove(qint64 pupilId);
    void keepQuickSeconds(int seconds);

    CurrentPupil &m_pupil;
    ProgressScreen *m_progressScreen = nullptr;
    ClassScreen *m_classScreen = nullptr;
    QString m_reportsFolder;
    QWidget *m_window = nullptr;
    std::function<QDateTime()> m_clock;
    qint64 m_shownPupilId = 0; // whose progress the screen shows
    QTimer *m_watch = nullptr;
    // How the file stood when a screen was last filled.
    std::optional<std::pair<qint64, qint64>> m_filledAt;
};

} // namespace progress
