#include "progress/class_screen.h"

#include "base/accessibility.h"
#include "base/controls.h"
#include "base/text_fit.h"
#include "progress/class_model.h"
#include "progress/pupil_names.h"
#include "progress/progress_words.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The names' own width: a longer name is cut short and shows whole in its
// tip. Figures take the width of their heading or their widest figure.
constexpr int NameWidth = 140;
constexpr int OperationWidth = 86;
constexpr int NarrowestFigure = 48;

const QString ProgramName = u"Orvi Math Tutor"_s;

// Names are shown as written, never read as markup.
void showLabelsAsPlainText(QWidget *dialog)
{
    for (QLabel *label : dialog->findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);
}

// A table whose first column, the names, stays at its left edge while the
// other columns scroll sideways beneath it: a second view over the same
// model and selection lies on top and shows that column alone. It never
// takes the keyboard, and as a child of the table it is no table of its own
// to a screen reader, which meets the one table beneath.
class NamesKeptTable : public QTableView
{
public:
    explicit NamesKeptTable(QWidget *parent)
        : QTableView(parent)
        , m_names(new QTableView(this))
    {
        m_names->setFocusPolicy(Qt::NoFocus);
        m_names->setFrameShape(QFrame::NoFrame);
        m_names->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_names->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_names->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_names->verticalHeader()->hide();
        m_names->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        m_names->horizontalHeader()->setSortIndicatorShown(true);
        m_names->horizontalHeader()->setSectionsClickable(true);
        // Sideways by the pixel, so that no column hides whole beneath the names.
        setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
        viewport()->stackUnder(m_names);

        connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) {
                if (section == 0) {
                    m_names->setColumnWidth(0, size);
                    placeNames();
                }
            });
        connect(verticalHeader(), &QHeaderView::sectionResized, m_names,
            [this](int row, int, int size) { m_names->setRowHeight(row, size); });
        connect(m_names->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
        connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_names->verticalScrollBar(),
            &QAbstractSlider::setValue);
        connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, m_names->horizontalHeader(),
            &QHeaderView::setSortIndicator);
        // A click on the names' heading sorts as one on the table's would.
        connect(m_names->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int) {
            QHeaderView *header = horizontalHeader();
            Qt::SortOrder order = Qt::AscendingOrder;
            if (header->sortIndicatorSection() == 0 && header->sortIndicatorOrder() == order)
                order = Qt::DescendingOrder;
            header->setSortIndicator(0, order);
        });
        // A name clicked chooses its pupil in the table, which keeps the keyboard.
        connect(m_names, &QAbstractItemView::pressed, this,
            [this]() { setFocus(Qt::MouseFocusReason); });
    }

    QTableView *names() const { return m_names; }

    void setModel(QAbstractItemModel *model) override
    {
        QTableView::setModel(model);
        m_names->setModel(model);
        m_names->setSelectionModel(selectionModel());
        const auto namesOnly = [this]() { showNamesOnly(); };
        connect(model, &QAbstractItemModel::modelReset, this, namesOnly);
        connect(model, &QAbstractItemModel::columnsInserted, this, namesOnly);
        connect(model, &QAbstractItemModel::columnsRemoved, this, namesOnly);
        showNamesOnly();
    }

    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override
    {
        const int sideways = horizontalScrollBar()->value();
        QTableView::scrollTo(index, hint);
        if (!index.isValid())
            return;
        // The names are always in sight: only the rows move for them.
        if (index.column() == 0) {
            horizontalScrollBar()->setValue(sideways);
            return;
        }
        const int beneath = m_names->width() - visualRect(index).left();
        if (beneath > 0)
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() - beneath);
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QTableView::resizeEvent(event);
        placeNames();
    }

    void updateGeometries() override
    {
        QTableView::updateGeometries();
        placeNames();
    }

private:
    void showNamesOnly()
    {
        if (!model())
            return;
        for (int column = 1; column < model()->columnCount(); ++column)
            m_names->setColumnHidden(column, true);
        m_names->setColumnWidth(0, columnWidth(0));
        m_names->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
        placeNames();
    }

    void placeNames()
    {
        m_names->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
        m_names->setGeometry(viewport()->x(), horizontalHeader()->y(), columnWidth(0),
            horizontalHeader()->height() + viewport()->height());
        m_names->verticalScrollBar()->setValue(verticalScrollBar()->value());
    }

    QTableView *m_names;
};

} // namespace

ClassScreen::ClassScreen(QWidget *parent)
    : Screen(u"fraClass"_s, controls::twips(-120, -120, 10575, 4935), parent)
{
    m_title = controls::label(this, u"lblClassTitle"_s, QString(), QRect());
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    m_title->setFont(titleFont);
    m_title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // The teacher's one My Facts setting, for every pupil; shown once a
    // progress file gives it.
    m_quickLabel = controls::label(this, u"lblQuickSeconds"_s, QString(), QRect());
    m_quickLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_quickLabel->setWordWrap(false);
    m_quickSeconds = new QSpinBox(this);
    m_quickSeconds->setObjectName(u"spnQuickSeconds"_s);
    m_quickSeconds->setRange(1, 10);
    m_quickSeconds->setSuffix(u" s"_s);
    // Typed figures count once the teacher leaves the box or presses Enter.
    m_quickSeconds->setKeyboardTracking(false);
    m_quickLabel->setBuddy(m_quickSeconds);
    connect(m_quickSeconds, &QSpinBox::valueChanged, this, &ClassScreen::quickSecondsChanged);
    controls::setShown({ m_quickLabel, m_quickSeconds }, false);

    m_model = new ClassModel(this);
    auto *table = new NamesKeptTable(this);
    m_table = table;
    m_names = table->names();
    m_table->setObjectName(u"tblClass"_s);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_names->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_names->setSelectionMode(QAbstractItemView::SingleSelection);
    // One stop for Tab; the arrow keys move between the cells.
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(21);
    m_table->horizontalHeader()->setSectionsClickable(true);
    // A whole row is chosen: headings in bold for it would only be cut.
    m_table->horizontalHeader()->setHighlightSections(false);
    m_names->horizontalHeader()->setHighlightSections(false);
    m_table->setModel(m_model);
    m_table->setSortingEnabled(true);
    m_table->horizontalHeader()->setSortIndicator(ClassModel::Name, Qt::AscendingOrder);
    connect(m_table->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
        &ClassScreen::announceSort);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this,
        &ClassScreen::updateButtons);
    // The column of facts to teach takes whatever room the others leave.
    m_table->viewport()->installEventFilter(this);

    m_eachOperation = controls::checkBox(this, u"chkEachOperation"_s, QString(), QRect());
    connect(m_eachOperation, &QCheckBox::clicked, this, &ClassScreen::chkEachOperation_Click);
    m_sort = controls::button(this, u"cmdSortColumn"_s, QString(), QRect());
    connect(m_sort, &QPushButton::clicked, this, &ClassScreen::cmdSortColumn_Click);
    m_rename = controls::button(this, u"cmdRenamePupil"_s, QString(), QRect());
    connect(m_rename, &QPushButton::clicked, this, &ClassScreen::cmdRenamePupil_Click);
    m_delete = controls::button(this, u"cmdDeletePupil"_s, QString(), QRect());
    connect(m_delete, &QPushButton::clicked, this, &ClassScreen::cmdDeletePupil_Click);
    m_export = controls::button(this, u"cmdExportCsv"_s, QString(), QRect());
    connect(m_export, &QPushButton::clicked, this, &ClassScreen::cmdExportCsv_Click);

    // The frame stands 8 pixels up and left of the client area and as far
    // past its right and bottom edges as it did when laid out by hand.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 7, 9);
    layout->setSpacing(6);
    auto *top = new QHBoxLayout;
    top->addWidget(m_title, 1);
    top->addWidget(m_quickLabel);
    top->addWidget(m_quickSeconds);
    layout->addLayout(top);
    layout->addWidget(m_table, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_eachOperation);
    bottom->addStretch(1);
    for (QPushButton *button : { m_sort, m_rename, m_delete, m_export })
        bottom->addWidget(button);
    layout->addLayout(bottom);

    setTabOrder(m_quickSeconds, m_table);
    setTabOrder(m_table, m_eachOperation);
    setTabOrder(m_eachOperation, m_sort);
    setTabOrder(m_sort, m_rename);
    setTabOrder(m_rename, m_delete);
    setTabOrder(m_delete, m_export);

    showClass({});
    retranslate();
}

bool ClassScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_table->viewport() && event->type() == QEvent::Resize)
        fitNeedsTeaching();
    return Screen::eventFilter(watched, event);
}

int ClassScreen::contentWidth(int column) const
{
    // Public on every item view, though a table hides it.
    return static_cast<const QAbstractItemView *>(m_table)->sizeHintForColumn(column);
}

void ClassScreen::fitColumns()
{
    QHeaderView *header = m_table->horizontalHeader();
    for (int column = 0; column < m_model->columnCount(); ++column) {
        int width = qMax(NarrowestFigure, contentWidth(column));
        if (column == ClassModel::Name)
            width = NameWidth;
        else if (column >= m_model->firstOperationColumn())
            width = qMax(OperationWidth, width);
        else if (m_model->isNeedsTeachingShown() && column == ClassModel::NeedsTeaching)
            width = 1; // its heading's width first
        header->resizeSection(column, width);
    }
    textfit::widenToHeadings(header);
    m_needsTeachingHeading = header->sectionSize(ClassModel::NeedsTeaching);
    fitNeedsTeaching();
}

void ClassScreen::fitNeedsTeaching()
{
    if (!m_model->isNeedsTeachingShown())
        return;
    int others = 0;
    for (int column = 0; column < ClassModel::NeedsTeaching; ++column)
        others += m_table->columnWidth(column);
    int width = m_table->viewport()->width() - others;
    // Beside the operations' columns it is as wide as its facts need.
    if (m_model->isEachOperationShown())
        width = qMin(width, contentWidth(ClassModel::NeedsTeaching));
    m_table->setColumnWidth(ClassModel::NeedsTeaching, qMax(m_needsTeachingHeading, width));
}

void ClassScreen::retranslate()
{
    //: Beside a box of seconds: "Quick answer within 3 s".
    m_quickLabel->setText(tr("&Quick answer within"));
    // Named by its label alone: a name of its own was heard after the label.
    m_quickSeconds->setAccessibleDescription(
        tr("In My Facts, a right answer given within this many seconds counts as quick, "
           "for every pupil."));
    m_table->setAccessibleName(tr("Pupils of this computer"));
    m_eachOperation->setText(tr("Show &each operation"));
    m_sort->setText(tr("Sor&t by Column"));
    m_sort->setAccessibleDescription(
        tr("Sorts the table by the column of the current cell; again, the other way round."));
    m_rename->setText(tr("&Rename..."));
    m_delete->setText(tr("&Delete..."));
    //: Writes every answer of every pupil to a file a spreadsheet opens.
    m_export->setText(tr("Export &CSV"));
    m_model->retranslate();
    showTitle();
    // Each column starts again from its own width, so that columns widened
    // for one language's headings narrow again for another's.
    fitColumns();
}

void ClassScreen::showTitle()
{
    const int count = m_model->rowCount();
    QString title = tr("Class overview: %n pupils", nullptr, count);
    // Said on top, as the column may lie beyond the table's right edge.
    int toTeach = 0;
    for (int row = 0; row < count; ++row)
        toTeach += m_model->pupil(row).needsTeaching.isEmpty() ? 0 : 1;
    if (toTeach > 0) {
        //: Follows "Class overview: 12 pupils".
        title += tr(", %n with facts to teach", nullptr, toTeach);
    }
    m_title->setText(title);
}

void ClassScreen::showClass(const QList<progress::PupilTotals> &pupils)
{
    const std::optional<progress::PupilTotals> current = currentPupil();
    const int column = qMax(0, m_table->currentIndex().column());
    const QPoint scrolled(
        m_table->horizontalScrollBar()->value(), m_table->verticalScrollBar()->value());
    const bool hadNeedsTeaching = m_model->isNeedsTeachingShown();
    m_model->setPupils(pupils);
    // The columns after Last practised moved: a sort by one of them starts
    // again from the names.
    QHeaderView *header = m_table->horizontalHeader();
    if (m_model->isNeedsTeachingShown() != hadNeedsTeaching
        && header->sortIndicatorSection() >= ClassModel::NeedsTeaching)
        header->setSortIndicator(ClassModel::Name, Qt::AscendingOrder);
    const int count = int(pupils.size());
    showTitle();
    int row = current ? m_model->rowOf(current->pupilId) : -1;
    if (row < 0 && count > 0)
        row = 0;
    if (row >= 0)
        m_table->setCurrentIndex(m_model->index(row, qMin(column, m_model->columnCount() - 1)));
    fitColumns();
    // Filled anew, the table stays where it was scrolled, as long as the
    // pupil chosen is still in sight.
    m_table->horizontalScrollBar()->setValue(scrolled.x());
    m_table->verticalScrollBar()->setValue(scrolled.y());
    m_table->scrollTo(m_table->currentIndex());
    updateButtons();
}

void ClassScreen::showQuickSeconds(int seconds)
{
    const QSignalBlocker quiet(m_quickSeconds);
    m_quickSeconds->setValue(seconds);
    controls::setShown({ m_quickLabel, m_quickSeconds }, true);
}

std::optional<progress::PupilTotals> ClassScreen::currentPupil() const
{
    const QModelIndex index = m_table->currentIndex();
    if (!index.isValid() || index.row() >= m_model->rowCount())
        return std::nullopt;
    return m_model->pupil(index.row());
}

void ClassScreen::enter()
{
    m_table->setFocus();
    access::tell(m_table, m_title->text());
}

void ClassScreen::updateButtons()
{
    const bool any = currentPupil().has_value();
    m_rename->setEnabled(any);
    m_delete->setEnabled(any);
    m_sort->setEnabled(m_model->rowCount() > 0);
}

void ClassScreen::announceSort(int column, Qt::SortOrder order)
{
    access::announce(m_table, m_model->sortSentence(column, order));
}

void ClassScreen::chkEachOperation_Click()
{
    const bool shown = m_eachOperation->isChecked();
    m_model->setEachOperationShown(shown);
    fitColumns();
    QHeaderView *header = m_table->horizontalHeader();
    // A sort by a column that is gone falls back to the names.
    if (header->sortIndicatorSection() >= m_model->columnCount())
        header->setSortIndicator(ClassModel::Name, Qt::AscendingOrder);
    access::announce(m_eachOperation,
        shown ? tr("Columns for each operation shown.") : tr("Columns for each operation hidden."));
}

void ClassScreen::cmdSortColumn_Click()
{
    QHeaderView *header = m_table->horizontalHeader();
    const int column = qMax(0, m_table->currentIndex().column());
    Qt::SortOrder order = ClassModel::firstOrder(column);
    if (header->sortIndicatorSection() == column) {
        order = header->sortIndicatorOrder() == Qt::AscendingOrder ? Qt::DescendingOrder
                                                                   : Qt::AscendingOrder;
    }
    header->setSortIndicator(column, order);
    m_table->setFocus();
}

void ClassScreen::cmdRenamePupil_Click()
{
    const std::optional<progress::PupilTotals> pupil = currentPupil();
    if (!pupil)
        return;
    QInputDialog dialog(this);
    dialog.setObjectName(u"dlgRenamePupil"_s);
    dialog.setWindowTitle(ProgramName);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(tr("New name for %1:").arg(progress::nameInText(pupil->name)));
    dialog.setTextValue(pupil->name);
    showLabelsAsPlainText(&dialog);
    if (auto *box = dialog.findChild<QLineEdit *>()) {
        controls::dropInvisibleCharacters(box);
        box->setMaxLength(progress::MaximumNameLength);
    }
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString name = dialog.textValue().trimmed();
    if (!name.isEmpty() && name != pupil->name)
        emit renameRequested(pupil->pupilId, name);
    m_table->setFocus();
}

void ClassScreen::cmdDeletePupil_Click()
{
    const std::optional<progress::PupilTotals> pupil = currentPupil();
    if (!pupil)
        return;
    const QString name = progress::nameInText(pupil->name);
    QMessageBox box(QMessageBox::Question, ProgramName,
        //: %1 and %2 are the same pupil's name.
        tr("Delete %1 and all of %2's answers?").arg(name, name),
        QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName(u"dlgDeletePupil"_s);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    if (box.exec() == QMessageBox::Yes)
        emit deleteRequested(pupil->pupilId);
    m_table->setFocus();
}

void ClassScreen::cmdExportCsv_Click()
{
    emit exportRequested();
}
