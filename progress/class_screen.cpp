#include "progress/class_screen.h"

#include "base/accessibility.h"
#include "base/controls.h"
#include "base/text_fit.h"
#include "progress/class_model.h"
#include "progress/pupil_names.h"
#include "progress/progress_words.h"

#include <QCheckBox>
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

using namespace Qt::StringLiterals;

namespace {

// The columns' own widths: a column is widened only for a longer heading.
constexpr int NameWidth = 160;
constexpr int OperationWidth = 86;
constexpr int NeedsTeachingWidth = 150;

// Places inside the client area: the screen frame stands 8 pixels up and
// left of it, as every screen covering the whole area does.
QRect inClient(int left, int top, int width, int height)
{
    return QRect(left + 8, top + 8, width, height);
}

const QString ProgramName = u"Orvi Math Tutor"_s;

// Names are shown as written, never read as markup.
void showLabelsAsPlainText(QWidget *dialog)
{
    for (QLabel *label : dialog->findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);
}

} // namespace

ClassScreen::ClassScreen(QWidget *parent)
    : Screen(u"fraClass"_s, controls::twips(-120, -120, 10575, 4935), parent)
{
    m_title = controls::label(this, u"lblClassTitle"_s, QString(), inClient(4, 4, 400, 22));
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    m_title->setFont(titleFont);

    // The teacher's one My Facts setting, for every pupil; shown once a
    // progress file gives it.
    m_quickLabel
        = controls::label(this, u"lblQuickSeconds"_s, QString(), inClient(410, 4, 206, 22));
    m_quickLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_quickSeconds = new QSpinBox(this);
    m_quickSeconds->setObjectName(u"spnQuickSeconds"_s);
    m_quickSeconds->setGeometry(inClient(622, 4, 68, 22));
    m_quickSeconds->setRange(1, 10);
    m_quickSeconds->setSuffix(u" s"_s);
    // Typed figures count once the teacher leaves the box or presses Enter.
    m_quickSeconds->setKeyboardTracking(false);
    m_quickLabel->setBuddy(m_quickSeconds);
    connect(m_quickSeconds, &QSpinBox::valueChanged, this, &ClassScreen::quickSecondsChanged);
    controls::setShown({ m_quickLabel, m_quickSeconds }, false);

    m_model = new ClassModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(u"tblClass"_s);
    m_table->setGeometry(inClient(4, 30, 686, 250));
    m_table->setModel(m_model);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // One stop for Tab; the arrow keys move between the cells.
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(21);
    m_table->horizontalHeader()->setDefaultSectionSize(104);
    m_table->horizontalHeader()->setSectionsClickable(true);
    m_table->setColumnWidth(ClassModel::Name, NameWidth);
    m_table->setSortingEnabled(true);
    m_table->horizontalHeader()->setSortIndicator(ClassModel::Name, Qt::AscendingOrder);
    connect(m_table->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
        &ClassScreen::announceSort);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this,
        &ClassScreen::updateButtons);

    m_eachOperation
        = controls::checkBox(this, u"chkEachOperation"_s, QString(), inClient(4, 288, 168, 22));
    connect(m_eachOperation, &QCheckBox::clicked, this, &ClassScreen::chkEachOperation_Click);
    m_sort = controls::button(this, u"cmdSortColumn"_s, QString(), inClient(176, 286, 138, 26));
    connect(m_sort, &QPushButton::clicked, this, &ClassScreen::cmdSortColumn_Click);
    m_rename = controls::button(this, u"cmdRenamePupil"_s, QString(), inClient(336, 286, 110, 26));
    connect(m_rename, &QPushButton::clicked, this, &ClassScreen::cmdRenamePupil_Click);
    m_delete = controls::button(this, u"cmdDeletePupil"_s, QString(), inClient(452, 286, 110, 26));
    connect(m_delete, &QPushButton::clicked, this, &ClassScreen::cmdDeletePupil_Click);
    m_export = controls::button(this, u"cmdExportCsv"_s, QString(), inClient(580, 286, 110, 26));
    connect(m_export, &QPushButton::clicked, this, &ClassScreen::cmdExportCsv_Click);

    setTabOrder(m_quickSeconds, m_table);
    setTabOrder(m_table, m_eachOperation);
    setTabOrder(m_eachOperation, m_sort);
    setTabOrder(m_sort, m_rename);
    setTabOrder(m_rename, m_delete);
    setTabOrder(m_delete, m_export);

    showClass({});
    retranslate();
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
    for (int column = 0; column < m_model->columnCount(); ++column) {
        int width = m_table->horizontalHeader()->defaultSectionSize();
        if (column == ClassModel::Name)
            width = NameWidth;
        else if (column >= m_model->firstOperationColumn())
            width = OperationWidth;
        else if (m_model->isNeedsTeachingShown() && column == ClassModel::NeedsTeaching)
            width = NeedsTeachingWidth;
        m_table->setColumnWidth(column, width);
    }
    textfit::widenToHeadings(m_table->horizontalHeader());
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
    if (m_model->isNeedsTeachingShown() != hadNeedsTeaching) {
        // The columns after Last practised moved: a sort by one of them
        // starts again from the names, and they take their widths anew.
        QHeaderView *header = m_table->horizontalHeader();
        if (header->sortIndicatorSection() >= ClassModel::NeedsTeaching)
            header->setSortIndicator(ClassModel::Name, Qt::AscendingOrder);
        for (int each = m_model->firstOperationColumn(); each < m_model->columnCount(); ++each)
            m_table->setColumnWidth(each, OperationWidth);
    }
    const int count = int(pupils.size());
    showTitle();
    int row = current ? m_model->rowOf(current->pupilId) : -1;
    if (row < 0 && count > 0)
        row = 0;
    if (row >= 0)
        m_table->setCurrentIndex(m_model->index(row, qMin(column, m_model->columnCount() - 1)));
    if (m_model->isNeedsTeachingShown())
        m_table->setColumnWidth(ClassModel::NeedsTeaching, NeedsTeachingWidth);
    textfit::widenToHeadings(m_table->horizontalHeader());
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
    for (int column = m_model->firstOperationColumn(); column < m_model->columnCount(); ++column)
        m_table->setColumnWidth(column, OperationWidth);
    textfit::widenToHeadings(m_table->horizontalHeader());
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
