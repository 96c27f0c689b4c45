#include "progress/pupil_dialog.h"

#include "base/accessibility.h"
#include "base/controls.h"
#include "base/invisible_characters.h"
#include "progress/pupil_names.h"

#include <QFont>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <array>

namespace {

// The name as kept, beside the one-line name the list shows.
constexpr int KeptNameRole = Qt::UserRole + 1;
// Set on the entry that adds the typed name as a new pupil.
constexpr int NewPupilRole = Qt::UserRole + 2;
// From here on the characters left are counted as they are typed.
constexpr int FewCharactersLeft = 10;

// The list of pupils, which tells assistive technology of its highlighted
// row only while it has the keyboard: while the name box has it, the box
// says the highlighted pupil, and a list item heard there would send a
// screen reader into a list the keyboard is not in.
class PupilList : public QListView
{
public:
    using QListView::QListView;

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override
    {
        if (hasFocus())
            QListView::currentChanged(current, previous);
        else
            QAbstractItemView::currentChanged(current, previous);
    }

    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override
    {
        if (hasFocus())
            QListView::selectionChanged(selected, deselected);
        else
            QAbstractItemView::selectionChanged(selected, deselected);
    }
};

} // namespace

QString progress::shownPupilName(const QString &name)
{
    QString oneLine = name;
    oneLine.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (QChar &c : oneLine) {
        if (c == u'\n' || c == u'\r' || c == u'\t' || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return tutor::withoutInvisibleCharacters(oneLine).trimmed();
}

PupilDialog::PupilDialog(const QStringList &pupils, QWidget *parent)
    : QDialog(parent)
    , m_shown(new QStandardItemModel(this))
{
    setObjectName(QStringLiteral("dlgChoosePupil"));
    setWindowTitle(tr("Choose Pupil"));
    for (const QString &name : pupils)
        m_pupils.append({ name, progress::pupilNameKey(name), progress::pupilSearchKey(name) });

    auto *nameLabel = new QLabel(tr("&Name:"), this);
    m_txtPupilName = new QLineEdit(this);
    m_txtPupilName->setObjectName(QStringLiteral("txtPupilName"));
    m_txtPupilName->setMaxLength(progress::MaximumNameLength);
    controls::dropInvisibleCharacters(m_txtPupilName);
    m_txtPupilName->setAccessibleName(tr("Pupil's name"));
    nameLabel->setBuddy(m_txtPupilName);
    m_lblRoomLeft = new QLabel(this);
    m_lblRoomLeft->setObjectName(QStringLiteral("lblRoomLeft"));
    QFont small = m_lblRoomLeft->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    m_lblRoomLeft->setFont(small);

    auto *listLabel = new QLabel(tr("&Pupils on this computer:"), this);
    m_lstPupils = new PupilList(this);
    m_lstPupils->setObjectName(QStringLiteral("lstPupils"));
    m_lstPupils->setModel(m_shown);
    m_lstPupils->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lstPupils->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lstPupils->setUniformItemSizes(true);
    m_lstPupils->setAccessibleName(tr("Pupils on this computer"));
    m_lstPupils->setAccessibleDescription(tr("Enter or a double click takes the pupil."));
    listLabel->setBuddy(m_lstPupils);

    m_cmdNoPupil = new QPushButton(tr("N&o Pupil"), this);
    m_cmdNoPupil->setObjectName(QStringLiteral("cmdNoPupil"));
    m_cmdNoPupil->setAccessibleDescription(
        tr("Practice goes on, but no answer is kept until a pupil is chosen."));
    m_cmdNoPupil->hide();
    m_cmdChoosePupil = new QPushButton(tr("&Choose"), this);
    m_cmdChoosePupil->setObjectName(QStringLiteral("cmdChoosePupil"));
    // Never "No Pupil", which comes first.
    m_cmdChoosePupil->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancelPupil"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_cmdNoPupil);
    buttons->addStretch();
    buttons->addWidget(m_cmdChoosePupil);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(nameLabel);
    layout->addWidget(m_txtPupilName);
    layout->addWidget(m_lblRoomLeft);
    layout->addWidget(listLabel);
    layout->addWidget(m_lstPupils);
    layout->addLayout(buttons);

    connect(m_txtPupilName, &QLineEdit::textChanged, this, &PupilDialog::narrowTo);
    connect(m_txtPupilName, &QLineEdit::textChanged, this, &PupilDialog::showRoomLeft);
    connect(m_lstPupils, &QListView::doubleClicked, this,
        qOverload<const QModelIndex &>(&PupilDialog::choose));
    connect(m_lstPupils->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &PupilDialog::offerChoice);
    connect(m_lstPupils->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &PupilDialog::sayHighlighted);
    connect(m_cmdChoosePupil, &QPushButton::clicked, this, &PupilDialog::chooseHighlighted);
    connect(m_cmdNoPupil, &QPushButton::clicked, this, &PupilDialog::chooseNobody);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_txtPupilName->installEventFilter(this);
    m_lstPupils->installEventFilter(this);
    m_txtPupilName->setFocus();
    narrowTo(QString());
    showRoomLeft();
}

void PupilDialog::setNobodyOffered(bool offered)
{
    m_cmdNoPupil->setVisible(offered);
}

bool PupilDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (controls::isEnterPress(event)) {
        const QModelIndex current = m_lstPupils->currentIndex();
        if (watched == m_lstPupils && current.isValid())
            choose(current);
        else
            chooseHighlighted();
        return true;
    }
    if (watched == m_txtPupilName && event->type() == QEvent::KeyPress) {
        const int key = static_cast<const QKeyEvent *>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up) {
            moveHighlight(key == Qt::Key_Down ? 1 : -1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// The list keeps the pupils whose names hold the typed text, case and
// accents aside. Highlighted, for Enter, is the pupil the typed name stands
// for, or else the closest found: the same but for accents, then one that
// begins so, then the first. A name that is no pupil's ends the list as an
// entry of its own, highlighted only when no pupil is found.
void PupilDialog::narrowTo(const QString &typed)
{
    const QString kept = typed.trimmed();
    const QString key = progress::pupilNameKey(kept);
    const QString searchKey = progress::pupilSearchKey(kept);
    m_shown->clear();
    // Rows by how closely they match: the exact name, the same key, the
    // same search key, the search key's beginning, any.
    std::array<int, 5> closest;
    closest.fill(-1);
    for (const Listed &pupil : std::as_const(m_pupils)) {
        if (!kept.isEmpty() && (searchKey.isEmpty() || !pupil.searchKey.contains(searchKey)))
            continue;
        const int row = m_shown->rowCount();
        auto *item = new QStandardItem(progress::shownPupilName(pupil.kept));
        item->setData(pupil.kept, KeptNameRole);
        item->setEditable(false);
        m_shown->appendRow(item);
        const bool matches[] = { pupil.kept == kept, pupil.key == key, pupil.searchKey == searchKey,
            pupil.searchKey.startsWith(searchKey), true };
        for (std::size_t closeness = 0; closeness < closest.size(); ++closeness) {
            if (matches[closeness] && closest.at(closeness) < 0)
                closest.at(closeness) = row;
        }
    }
    if (kept.isEmpty()) {
        highlight(QModelIndex());
        return;
    }
    if (closest.at(1) < 0 && !progress::isBlankName(kept)) {
        //: The list's last entry, which adds the typed name as a new pupil.
        auto *item = new QStandardItem(tr("Add pupil \"%1\"").arg(kept));
        item->setData(kept, KeptNameRole);
        item->setData(true, NewPupilRole);
        item->setEditable(false);
        QFont italic = item->font();
        italic.setItalic(true);
        item->setFont(italic);
        m_shown->appendRow(item);
    }
    int row = m_shown->rowCount() - 1;
    for (const int found : closest) {
        if (found >= 0) {
            row = found;
            break;
        }
    }
    highlight(m_shown->index(row, 0));
}

// How long the name may still grow, and said aloud once when few characters
// are left and again when none are.
void PupilDialog::showRoomLeft()
{
    const int left = progress::MaximumNameLength - int(m_txtPupilName->text().size());
    QString text;
    int step = 2;
    if (left > FewCharactersLeft) {
        text = tr("A name may be up to %1 characters long.").arg(progress::MaximumNameLength);
    } else if (left > 0) {
        //: How many more characters the pupil's name may have, when only a few.
        text = tr("Characters left: %1.").arg(left);
        step = 1;
    } else {
        text = tr("No characters left: a name may be up to %1 characters long.")
                   .arg(progress::MaximumNameLength);
        step = 0;
    }
    m_lblRoomLeft->setText(text);
    if (step < 2 && step != m_roomLeftTold)
        access::tell(m_txtPupilName, text);
    m_roomLeftTold = step;
}

int PupilDialog::foundCount() const
{
    const int rows = m_shown->rowCount();
    const bool offersNew = rows > 0 && m_shown->index(rows - 1, 0).data(NewPupilRole).toBool();
    return offersNew ? rows - 1 : rows;
}

// Down and Up in the box go through the pupils found; the entry that adds a
// new one is reached in the list itself.
void PupilDialog::moveHighlight(int rows)
{
    const int count = foundCount();
    if (count == 0)
        return;
    const QModelIndex current = m_lstPupils->currentIndex();
    const bool lit = isHighlighted(current) && current.row() < count;
    const int row = lit ? qBound(0, current.row() + rows, count - 1) : rows > 0 ? 0 : count - 1;
    highlight(m_shown->index(row, 0));
    // The keyboard stays in the name box: say which pupil Enter now takes,
    // once, as the box's own words now say it.
    access::tell(m_txtPupilName, m_txtPupilName->accessibleDescription(), false);
}

void PupilDialog::highlight(const QModelIndex &row)
{
    if (row.isValid()) {
        m_lstPupils->setCurrentIndex(row);
        m_lstPupils->scrollTo(row);
    } else {
        m_lstPupils->selectionModel()->clear();
    }
    offerChoice();
    sayHighlighted();
}

// The name box and the list are one control to the ear: the box says what
// Enter takes, a pupil with its place among those found or the entry for a
// new one, and how to use it while nothing is highlighted.
void PupilDialog::sayHighlighted()
{
    const QModelIndex current = m_lstPupils->currentIndex();
    QString words;
    if (!isHighlighted(current)) {
        words = tr("Type to find a pupil. Down and Up move through the pupils found; Enter takes "
                   "the one highlighted. A name that is no pupil's is added from the last entry "
                   "of the list.");
    } else if (current.data(NewPupilRole).toBool()) {
        words = current.data().toString();
    } else {
        //: The pupil Enter takes, and where it stands in the list: "Ann, 2 of 5."
        words = tr("%1, %2 of %3.")
                    .arg(current.data().toString())
                    .arg(current.row() + 1)
                    .arg(foundCount());
    }
    if (m_txtPupilName->accessibleDescription() != words)
        m_txtPupilName->setAccessibleDescription(words);
}

bool PupilDialog::isHighlighted(const QModelIndex &row) const
{
    return row.isValid() && m_lstPupils->selectionModel()->isSelected(row);
}

void PupilDialog::chooseHighlighted()
{
    const QModelIndex current = m_lstPupils->currentIndex();
    if (isHighlighted(current))
        choose(current);
}

void PupilDialog::choose(const QModelIndex &row)
{
    choose(row.data(KeptNameRole).toString());
}

void PupilDialog::choose(const QString &name)
{
    m_chosen = name;
    m_nobody = false;
    accept();
}

void PupilDialog::chooseNobody()
{
    m_chosen.clear();
    m_nobody = true;
    accept();
}

// "Choose" has something to take: a highlighted pupil or new name.
void PupilDialog::offerChoice()
{
    m_cmdChoosePupil->setEnabled(m_lstPupils->selectionModel()->hasSelection());
}
