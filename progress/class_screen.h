#pragma once

#include "base/screen.h"
#include "progress/progress_data.h"

class ClassModel;
class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;

// "Class Overview": every pupil of this computer in a sortable table, with
// renaming, deleting and the CSV export. It never touches the kept answers
// itself: it asks through its signals, and shows what showClass() gives it.
class ClassScreen : public Screen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClassScreen)

public:
    explicit ClassScreen(QWidget *parent);

    void showClass(const QList<progress::PupilTotals> &pupils);
    // The pupil of the table's current row; none when the table is empty.
    std::optional<progress::PupilTotals> currentPupil() const;
    // The seconds within which a right My Facts answer counts as quick, as
    // kept; the setting is shown from then on. Emits nothing.
    void showQuickSeconds(int seconds);

    void enter() override;

public slots:
    void chkEachOperation_Click();
    void cmdSortColumn_Click();
    void cmdRenamePupil_Click();
    void cmdDeletePupil_Click();
    void cmdExportCsv_Click();

signals:
    void renameRequested(qint64 pupilId, const QString &newName);
    void deleteRequested(qint64 pupilId);
    void exportRequested();
    // The teacher chose another time for a quick answer.
    void quickSecondsChanged(int seconds);

protected:
    void retranslate() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showTitle();
    void updateButtons();
    void announceSort(int column, Qt::SortOrder order);
    // Every column as wide as its heading and figures ask, the names at
    // their own width, and the facts to teach filling the room left.
    void fitColumns();
    void fitNeedsTeaching();
    int contentWidth(int column) const;

    ClassModel *m_model = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_quickLabel = nullptr;
    QSpinBox *m_quickSeconds = nullptr;
    QTableView *m_table = nullptr;
    // The names kept in sight over the table's first column.
    QTableView *m_names = nullptr;
    int m_needsTeachingHeading = 0; // the width its heading needs
    QCheckBox *m_eachOperation = nullptr;
    QPushButton *m_sort = nullptr;
    QPushButton *m_rename = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_export = nullptr;
};
