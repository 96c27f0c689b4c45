#include "progress/restore_dialog.h"

#include "base/message_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

QString progress::backupLine(const Backup &backup)
{
    const QLocale locale;
    //: A backup in the list: %1 the day it was made, %2 how many answers it holds.
    return RestoreDialog::tr("%1 (answers: %2)")
        .arg(locale.toString(backup.madeOn, QLocale::LongFormat), locale.toString(backup.answers));
}

RestoreDialog::RestoreDialog(const QList<progress::Backup> &backups, QWidget *parent)
    : QDialog(parent)
    , m_backups(backups)
{
    setObjectName(QStringLiteral("dlgRestoreBackup"));
    setWindowTitle(tr("Restore Backup"));

    auto *listLabel = new QLabel(tr("&Backups of the pupils' progress, the latest first:"), this);
    m_lstBackups = new QListWidget(this);
    m_lstBackups->setObjectName(QStringLiteral("lstBackups"));
    m_lstBackups->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lstBackups->setUniformItemSizes(true);
    m_lstBackups->setAccessibleName(tr("Backups of the pupils' progress"));
    m_lstBackups->setAccessibleDescription(tr("Enter or a double click restores the backup."));
    for (const progress::Backup &backup : backups)
        m_lstBackups->addItem(progress::backupLine(backup));
    if (m_lstBackups->count() > 0)
        m_lstBackups->setCurrentRow(0);
    listLabel->setBuddy(m_lstBackups);

    m_cmdRestoreBackup = new QPushButton(tr("&Restore"), this);
    m_cmdRestoreBackup->setObjectName(QStringLiteral("cmdRestoreBackup"));
    m_cmdRestoreBackup->setEnabled(m_lstBackups->count() > 0);
    m_cmdRestoreBackup->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancelRestore"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdRestoreBackup);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(listLabel);
    layout->addWidget(m_lstBackups);
    layout->addLayout(buttons);

    // Enter presses the default button, "Restore".
    connect(m_lstBackups, &QListWidget::itemDoubleClicked, this,
        &RestoreDialog::cmdRestoreBackup_Click);
    connect(
        m_cmdRestoreBackup, &QPushButton::clicked, this, &RestoreDialog::cmdRestoreBackup_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_lstBackups->setFocus();
}

// Going back loses every answer given since the backup was made, so it is
// asked once more.
void RestoreDialog::cmdRestoreBackup_Click()
{
    const int row = m_lstBackups->currentRow();
    if (row < 0 || row >= m_backups.size())
        return;
    const progress::Backup &backup = m_backups.at(row);
    const QLocale locale;
    //: %1 is the day the backup was made.
    if (!askQuestion(this,
            tr("Restore the backup made on %1?")
                .arg(locale.toString(backup.madeOn, QLocale::LongFormat)),
            //: %1 is how many answers the backup holds.
            tr("The pupils' progress goes back to what the backup holds (answers: %1). The "
               "file in use now is kept aside, not deleted.")
                .arg(locale.toString(backup.answers))))
        return;
    m_chosen = backup.path;
    accept();
}
