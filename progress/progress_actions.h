#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QtGlobal>

#include <functional>

class ClassScreen;
class ProgressScreen;
class QWidget;

namespace progress {

class CurrentPupil;

// What the two progress screens ask of the kept answers: they are filled
// from the progress file when shown, and the report, the export, renaming
// and deleting a pupil are carried out here, each told to the user.
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

    // Where the progress report of the pupil, and the export, are written.
    QString reportPath(qint64 pupilId, const QString &name) const;
    QString exportPath() const;

signals:
    // The current pupil was renamed or deleted.
    void currentPupilChanged();
    // A pupil was deleted from the file, the current one or another.
    void pupilRemoved();

private:
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
};

} // namespace progress
