#pragma once

#include "progress/progress_store.h"
#include "rules/attempt.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>
#include <memory>
#include <optional>

class QThread;
class QTimer;
class QWidget;

namespace progress {

// Who is practising, and the progress file their answers go to. Nothing is
// kept until a pupil is chosen. Trouble with the file is told once a run, in
// a message over `window`, and the program goes on without it.
class CurrentPupil
{
    Q_DECLARE_TR_FUNCTIONS(CurrentPupil)

public:
    CurrentPupil(const QString &dataFolder, QWidget *window);
    ~CurrentPupil();
    CurrentPupil(const CurrentPupil &) = delete;
    CurrentPupil &operator=(const CurrentPupil &) = delete;

    // Opens a progress file left by earlier runs, so that its check and the
    // day's backup are done; with none there, nothing is made yet, and the
    // newest backup is offered when there is one.
    void openIfKept();
    // Opens the file once a run, making it when new; false when it cannot
    // be used, which has then been told.
    bool open();
    // Opens the file as open() does; when it cannot be used, and that was
    // told at an earlier try, says why again: the user asked for it.
    bool openOrTellWhyNot();
    // The file's full check and the day's backup run away from the window
    // once it is open, and what they found is taken in when they end; this
    // waits for them and takes it in now.
    void finishDayCheck();

    // This computer's pupils by name; opens the file first.
    QStringList pupilNames();
    // Makes the pupil of this name current, adding them when new; false,
    // with the reason told, when they can be neither found nor added.
    bool choose(const QString &name);
    // Practice goes on for nobody: nothing is kept until a pupil is chosen.
    void chooseNobody();
    // Whether the progress file, once open, holds any pupil; never opens it.
    bool anyPupilKept() const;
    bool isChosen() const { return m_id.has_value(); }
    std::optional<qint64> id() const { return m_id; }
    QString name() const { return m_name; }

    // Renames or deletes a pupil in the file; the current pupil follows.
    // False, with the reason told, when the file refused.
    bool rename(qint64 pupilId, const QString &name);
    bool remove(qint64 pupilId);

    // Keeps an answer for the current pupil; nothing without one.
    void keep(const tutor::Attempt &attempt);
    // Keeps a My Facts answer with the move of its card, in one transaction;
    // `kept` gets the card as written.
    void keep(const tutor::Attempt &attempt, const CardMove &move, tutor::FactCard *kept);
    // Writes the answers that wait for the file, when it can be had; the
    // window tries again on its own a little later while any wait.
    void writePendingAnswers();

    ProgressStore &store() { return m_store; }

    // The backups of the progress file, the latest first; when there is
    // none, that has been told.
    QList<Backup> backupsOrTellWhyNone();
    // Puts the backup in place of the progress file, which is kept aside,
    // and finds the current pupil again by name, or makes none current.
    // False, with the reason told, when it could not be done.
    bool restore(const QString &backupPath);
    // Called whenever a restore may have changed who is current.
    void setOnRestored(std::function<void()> restored) { m_onRestored = std::move(restored); }
    // Called after each answer kept, so that it can be sent on.
    void setOnKept(std::function<void()> kept) { m_onKept = std::move(kept); }

private:
    void keepWith(const std::function<bool()> &record);
    void tellRecordFailure();
    void tellOpened(const OpenResult &opened);
    void startDayCheck(const QDateTime &now);
    void takeDayCheck(const ProgressStore::DayCheck &found, const QDateTime &now);
    void tellUnavailable();
    // Offers the newest backup holding answers, after `text` and `details`;
    // true once it was restored.
    bool offerNewestBackup(const QString &text, const QString &details);
    bool restore(const QString &backupPath, bool tellDone);
    // The store's last failure, or at least the file's name.
    QString storeError() const;

    ProgressStore m_store;
    QWidget *m_window = nullptr;
    bool m_openTried = false;
    bool m_recordFailureTold = false;
    QTimer *m_pendingRetry = nullptr;
    std::unique_ptr<QThread> m_dayCheck;
    std::shared_ptr<ProgressStore::DayCheck> m_dayCheckFound;
    QDateTime m_dayCheckTime;
    bool m_backupFailureTold = false;
    bool m_offering = false;
    std::function<void()> m_onRestored;
    std::function<void()> m_onKept;
    QString m_unavailableReason;
    std::optional<qint64> m_id;
    QString m_name;
};

} // namespace progress
