#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QLineEdit;
class QListView;
class QModelIndex;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;

namespace progress {

// A pupil's name on one line, as a title or a list shows it: line breaks
// become spaces and other invisible characters (direction marks among them)
// are left out, so no name can split a line or turn the text around it.
QString shownPupilName(const QString &name);

} // namespace progress

// Choosing who is practising: a box to type a name, which narrows the list of
// this computer's pupils as it is typed, and that list. Enter takes the
// highlighted pupil, or else the typed name as a new pupil; Down and Enter,
// or a double click, take a pupil already there. The dialog only picks a
// name; keeping pupils is for whoever opened it.
class PupilDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PupilDialog)

public:
    explicit PupilDialog(const QStringList &pupils, QWidget *parent = nullptr);

    // The pupil taken, once accepted: a name from the list as kept, or the
    // typed one.
    QString chosenName() const { return m_chosen; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void narrowTo(const QString &typed);
    void moveHighlight(int rows);
    void highlight(const QModelIndex &row);
    void chooseHighlightedOrTyped();
    void choose(const QModelIndex &row);
    void choose(const QString &name);
    void offerChoice();

    QStandardItemModel *m_pupils = nullptr;
    QSortFilterProxyModel *m_shown = nullptr;
    QLineEdit *m_txtPupilName = nullptr;
    QListView *m_lstPupils = nullptr;
    QPushButton *m_cmdChoosePupil = nullptr;
    QString m_chosen;
};
