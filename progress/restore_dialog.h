#pragma once

#include "progress/progress_store.h"

#include <QDialog>
#include <QList>
#include <QString>

class QListWidget;
class QPushButton;

namespace progress {

// A backup's day and what it holds, in one line.
QString backupLine(const Backup &backup);

} // namespace progress

// Choosing a backup of the pupils' progress to go back to: the backups, the
// one with the latest answers first, each with the day it was made and how
// many answers it holds. "Restore" asks once more before the dialog is
// accepted; restoring is for whoever opened it.
class RestoreDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RestoreDialog)

public:
    explicit RestoreDialog(const QList<progress::Backup> &backups, QWidget *parent = nullptr);

    // The backup taken, once accepted.
    QString chosenPath() const { return m_chosen; }

public slots:
    void cmdRestoreBackup_Click();

private:
    QList<progress::Backup> m_backups;
    QListWidget *m_lstBackups = nullptr;
    QPushButton *m_cmdRestoreBackup = nullptr;
    QString m_chosen;
};
