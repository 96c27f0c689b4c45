#include "progress/pupil_dialog.h"

#include "base/accessibility.h"
#include "base/controls.h"
#include "base/invisible_characters.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {

// The name as kept, beside the one-line name the list shows.
constexpr int KeptNameRole = Qt::UserRole + 1;
constexpr int MaximumNameLength = 60;

bool sameName(const QString &a, const QString &b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

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
    , m_pupils(new QStandardItemModel(this))
    , m_shown(new QSortFilterProxyModel(this))
{
    setObjectName(QStringLiteral("dlgChoosePupil"));
    setWindowTitle(tr("Choose Pupil"));
    for (const QString &name : pupils) {
        auto *row = new QStandardItem(progress::shownPupilName(name));
        row->setData(name, KeptNameRole);
        row->setEditable(false);
        m_pupils->appendRow(row);
    }
    m_shown->setSourceModel(m_pupils);
    m_shown->setFilterCaseSensitivity(Qt::CaseInsensitive);

    auto *nameLabel = new QLabel(tr("&Name:"), this);
    m_txtPupilName = new QLineEdit(this);
    m_txtPupilName->setObjectName(QStringLiteral("txtPupilName"));
    m_txtPupilName->setMaxLength(MaximumNameLength);
    controls::dropInvisibleCharacters(m_txtPupilName);
    m_txtPupilName->setAccessibleName(tr("Pupil's name"));
    m_txtPupilName->setAccessibleDescription(
        tr("Type to find a pupil. Down and Up move through the pupils found; Enter takes the one "
           "highlighted, or adds the typed name as a new pupil."));
    nameLabel->setBuddy(m_txtPupilName);

    auto *listLabel = new QLabel(tr("&Pupils on this computer:"), this);
    m_lstPupils = new QListView(this);
    m_lstPupils->setObjectName(QStringLiteral("lstPupils"));
    m_lstPupils->setModel(m_shown);
    m_lstPupils->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lstPupils->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lstPupils->setUniformItemSizes(true);
    m_lstPupils->setAccessibleName(tr("Pupils on this computer"));
    m_lstPupils->setAccessibleDescription(tr("Enter or a double click takes the pupil."));
    listLabel->setBuddy(m_lstPupils);

    m_cmdChoosePupil = new QPushButton(tr("&Choose"), this);
    m_cmdChoosePupil->setObjectName(QStringLiteral("cmdChoosePupil"));
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancelPupil"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdChoosePupil);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(nameLabel);
    layout->addWidget(m_txtPupilName);
    layout->addWidget(listLabel);
    layout->addWidget(m_lstPupils);
    layout->addLayout(buttons);

    connect(m_txtPupilName, &QLineEdit::textChanged, this, &PupilDialog::narrowTo);
    connect(m_lstPupils, &QListView::doubleClicked, this,
        qOverload<const QModelIndex &>(&PupilDialog::choose));
    connect(m_lstPupils->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &PupilDialog::offerChoice);
    connect(m_cmdChoosePupil, &QPushButton::clicked, this, &PupilDialog::chooseHighlightedOrTyped);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_txtPupilName->installEventFilter(this);
    m_lstPupils->installEventFilter(this);
    m_txtPupilName->setFocus();
    offerChoice();
}

bool PupilDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (controls::isEnterPress(event)) {
        const QModelIndex current = m_lstPupils->currentIndex();
        if (watched == m_lstPupils && current.isValid())
            choose(current);
        else
            chooseHighlightedOrTyped();
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

// The list keeps the pupils whose names hold the typed text; a pupil of
// exactly that name is highlighted, so Enter takes them rather than adding
// the name again.
void PupilDialog::narrowTo(const QString &typed)
{
    m_shown->setFilterFixedString(typed.trimmed());
    QModelIndex exact;
    for (int row = 0; row < m_shown->rowCount() && !exact.isValid(); ++row) {
        const QModelIndex index = m_shown->index(row, 0);
        if (sameName(index.data(KeptNameRole).toString(), typed)
            || sameName(index.data(Qt::DisplayRole).toString(), typed))
            exact = index;
    }
    highlight(exact);
}

void PupilDialog::moveHighlight(int rows)
{
    const int count = m_shown->rowCount();
    if (count == 0)
        return;
    const QModelIndex current = m_lstPupils->currentIndex();
    const bool lit = current.isValid() && m_lstPupils->selectionModel()->isSelected(current);
    const int row = lit ? qBound(0, current.row() + rows, count - 1) : rows > 0 ? 0 : count - 1;
    highlight(m_shown->index(row, 0));
    // The keyboard stays in the name box: say which pupil Enter now takes.
    access::tell(m_txtPupilName,
        //: The pupil Enter takes, and where it stands in the list: "Ann, 2 of 5."
        tr("%1, %2 of %3.").arg(m_shown->index(row, 0).data().toString()).arg(row + 1).arg(count));
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
}

void PupilDialog::chooseHighlightedOrTyped()
{
    const QModelIndex current = m_lstPupils->currentIndex();
    if (current.isValid() && m_lstPupils->selectionModel()->isSelected(current)) {
        choose(current);
        return;
    }
    const QString typed = m_txtPupilName->text().trimmed();
    if (!typed.isEmpty())
        choose(typed);
}

void PupilDialog::choose(const QModelIndex &row)
{
    choose(row.data(KeptNameRole).toString());
}

void PupilDialog::choose(const QString &name)
{
    m_chosen = name;
    accept();
}

// "Choose" has something to take: a highlighted pupil or a typed name.
void PupilDialog::offerChoice()
{
    m_cmdChoosePupil->setEnabled(m_lstPupils->selectionModel()->hasSelection()
        || !m_txtPupilName->text().trimmed().isEmpty());
}
