#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;
class QPushButton;
class QStandardItemModel;

namespace progress {

// A pupil's name on one line, as a title or a list shows it: line breaks
// become spaces and other invisible characters (direction marks among them)
// are left out, so no name can split a line or turn the text around it.
QString shownPupilName(const QString &name);

} // namespace progress

// Choosing who is practising: a box to type a name, which narrows the list of
// this computer's pupils as it is typed (case and accents aside), and that
// list. Enter takes the highlighted pupil: the one of the typed name, or else
// the first found. A name that is no pupil's is offered as an entry of its
// own at the end of the list, highlighted only when no pupil is found. The
// dialog only picks a name; keeping pupils is for whoever opened it.
class PupilDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PupilDialog)

public:
    explicit PupilDialog(const QStringList &pupils, QWidget *parent = nullptr);

    // "No Pupil", offered while a pupil is chosen: practice goes on for
    // nobody.
    void setNobodyOffered(bool offered);

    // The pupil taken, once accepted: a name from the list as kept, or the
    // typed one; empty when nobody was chosen.
    QString chosenName() const { return m_chosen; }
    bool choseNobody() const { return m_nobody; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Listed
    {
        QString kept;
        QString key;
        QString searchKey;
    };

    void narrowTo(const QString &typed);
    void showRoomLeft();
    int foundCount() const; // the pupils listed, without the entry for a new one
    void moveHighlight(int rows);
    void highlight(const QModelIndex &row);
    void sayHighlighted();
    bool isHighlighted(const QModelIndex &row) const;
    void chooseHighlighted();
    void choose(const QModelIndex &row);
    void choose(const QString &name);
    void chooseNobody();
    void offerChoice();

    QList<Listed> m_pupils;
    QStandardItemModel *m_shown = nullptr;
    QLineEdit *m_txtPupilName = nullptr;
    QLabel *m_lblRoomLeft = nullptr;
    QListView *m_lstPupils = nullptr;
    QPushButton *m_cmdChoosePupil = nullptr;
    QPushButton *m_cmdNoPupil = nullptr;
    QString m_chosen;
    bool m_nobody = false;
    int m_roomLeftTold = -1; // the last step of room left told aloud
};
