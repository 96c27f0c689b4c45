#include "progress/class_model.h"

#include "progress/progress_words.h"
#include "rules/operations.h"

#include <QDateTime>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

progress::Tally operationTally(const progress::PupilTotals &pupil, tutor::Operation operation)
{
    for (const progress::OperationTally &tally : pupil.byOperation) {
        if (tally.operation == operation)
            return tally.tally;
    }
    return progress::Tally();
}

// Which figure of a tally a column shows, counted from Answers.
enum class Figure { Answers, Share, Median };

QVariant figureKey(const progress::Tally &tally, Figure figure)
{
    switch (figure) {
    case Figure::Answers:
        return tally.answers;
    case Figure::Share:
        return tally.answers > 0 ? QVariant(double(tally.right) / tally.answers) : QVariant();
    case Figure::Median:
        return tally.medianMillis ? QVariant(*tally.medianMillis) : QVariant();
    }
    return QVariant();
}

QString figureText(const progress::Tally &tally, Figure figure)
{
    switch (figure) {
    case Figure::Answers:
        return QString::number(tally.answers);
    case Figure::Share:
        return progress::percentText(tally);
    case Figure::Median:
        return progress::secondsText(tally.medianMillis);
    }
    return QString();
}

// Names as a teacher sorts them: "bea" beside "Ben", whatever the case,
// and "Pupil 9" before "Pupil 10". The collator's own numeric mode is not
// there without ICU, so runs of digits are compared here by their value.
int nameOrder(const QCollator &collator, const QString &left, const QString &right)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < left.size() && j < right.size()) {
        const bool leftDigits = left.at(i).isDigit();
        const bool rightDigits = right.at(j).isDigit();
        qsizetype iEnd = i;
        while (iEnd < left.size() && left.at(iEnd).isDigit() == leftDigits)
            ++iEnd;
        qsizetype jEnd = j;
        while (jEnd < right.size() && right.at(jEnd).isDigit() == rightDigits)
            ++jEnd;
        const QString leftRun = left.mid(i, iEnd - i);
        const QString rightRun = right.mid(j, jEnd - j);
        int comparison = 0;
        if (leftDigits && rightDigits) {
            const double leftValue = leftRun.toDouble();
            const double rightValue = rightRun.toDouble();
            comparison = leftValue < rightValue ? -1 : leftValue > rightValue ? 1 : 0;
        }
        // Folded by hand: without ICU the collator keeps case apart.
        if (comparison == 0)
            comparison = collator.compare(leftRun.toCaseFolded(), rightRun.toCaseFolded());
        if (comparison != 0)
            return comparison;
        i = iEnd;
        j = jEnd;
    }
    return (i < left.size()) - (j < right.size());
}

// The space that splits a heading into the most even two lines; -1 where
// a line would be a mere sign or short word ("% right").
qsizetype evenBreak(const QString &heading)
{
    constexpr qsizetype ShortestLine = 3;
    qsizetype best = -1;
    qsizetype longest = heading.size();
    for (qsizetype space = heading.indexOf(u' '); space >= 0;
         space = heading.indexOf(u' ', space + 1)) {
        const qsizetype after = heading.size() - space - 1;
        if (space < ShortestLine || after < ShortestLine)
            continue;
        if (qMax(space, after) < longest) {
            longest = qMax(space, after);
            best = space;
        }
    }
    return best;
}

} // namespace

ClassModel::ClassModel(QObject *parent)
    : QAbstractTableModel(parent)
{ }

void ClassModel::setPupils(const QList<progress::PupilTotals> &pupils)
{
    beginResetModel();
    m_pupils = pupils;
    m_needsTeaching = std::any_of(m_pupils.cbegin(), m_pupils.cend(),
        [](const progress::PupilTotals &pupil) { return !pupil.needsTeaching.isEmpty(); });
    endResetModel();
    if (m_sortColumn >= 0 && m_sortColumn < columnCount())
        sort(m_sortColumn, m_sortOrder);
}

void ClassModel::setEachOperationShown(bool shown)
{
    if (shown == m_eachOperation)
        return;
    const int extra = int(tutor::AllOperations.size()) * ColumnsPerOperation;
    if (shown) {
        beginInsertColumns(
            QModelIndex(), firstOperationColumn(), firstOperationColumn() + extra - 1);
        m_eachOperation = true;
        endInsertColumns();
    } else {
        beginRemoveColumns(
            QModelIndex(), firstOperationColumn(), firstOperationColumn() + extra - 1);
        m_eachOperation = false;
        endRemoveColumns();
    }
}

int ClassModel::rowOf(qint64 pupilId) const
{
    for (int row = 0; row < m_pupils.size(); ++row) {
        if (m_pupils.at(row).pupilId == pupilId)
            return row;
    }
    return -1;
}

int ClassModel::firstOperationColumn() const
{
    return NeedsTeaching + (m_needsTeaching ? 1 : 0);
}

int ClassModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_pupils.size());
}

int ClassModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return firstOperationColumn()
        + (m_eachOperation ? int(tutor::AllOperations.size()) * ColumnsPerOperation : 0);
}

QString ClassModel::columnName(int column) const
{
    switch (column) {
    case Name:
        //: Column heading: the pupil's name.
        return tr("Name");
    case Answers:
        //: Column heading: how many answers.
        return tr("Answers");
    case ShareRight:
        //: Column heading: the share of answers that were right, in percent.
        return tr("% right");
    case MedianTime:
        //: Column heading: the median time taken for an answer.
        return tr("Median time");
    case DaysPractised:
        return tr("Days practised");
    case LastPractised:
        //: Column heading: the day of the last practice.
        return tr("Last practised");
    default:
        break;
    }
    if (m_needsTeaching && column == NeedsTeaching)
        //: Column heading: facts this pupil often gets wrong.
        return tr("Needs teaching");
    const int offset = column - firstOperationColumn();
    if (offset < 0 || offset >= columnCount() - firstOperationColumn())
        return QString();
    const QString operation
        = tutor::operationName(tutor::AllOperations.at(offset / ColumnsPerOperation));
    switch (Figure(offset % ColumnsPerOperation)) {
    case Figure::Answers:
        //: Column heading: %1 is an operation, "Addition answers".
        return tr("%1 answers", "heading").arg(operation);
    case Figure::Share:
        //: Column heading: %1 is an operation, "Addition share right".
        return tr("%1 share right", "heading").arg(operation);
    case Figure::Median:
        //: Column heading: %1 is an operation, "Addition median time".
        return tr("%1 median time", "heading").arg(operation);
    }
    return QString();
}

QString ClassModel::columnInSentence(int column) const
{
    switch (column) {
    case Name:
        //: A column inside a sentence: "Sorted by name, A to Z."
        return tr("name");
    case Answers:
        //: A column inside a sentence: "Sorted by answers, highest first."
        return tr("answers");
    case ShareRight:
        //: A column inside a sentence: "Sorted by share right, highest first."
        return tr("share right");
    case MedianTime:
        //: A column inside a sentence.
        return tr("median time");
    case DaysPractised:
        //: A column inside a sentence.
        return tr("days practised");
    case LastPractised:
        //: A column inside a sentence: "Sorted by last practised, newest first."
        return tr("last practised");
    default:
        break;
    }
    if (m_needsTeaching && column == NeedsTeaching)
        //: A column inside a sentence.
        return tr("needs teaching");
    const int offset = column - firstOperationColumn();
    if (offset < 0 || offset >= columnCount() - firstOperationColumn())
        return QString();
    const QString operation
        = progress::operationInSentence(tutor::AllOperations.at(offset / ColumnsPerOperation));
    switch (Figure(offset % ColumnsPerOperation)) {
    case Figure::Answers:
        //: A column inside a sentence: %1 is an operation, "addition answers".
        return tr("%1 answers", "in a sentence").arg(operation);
    case Figure::Share:
        //: A column inside a sentence: "addition share right".
        return tr("%1 share right", "in a sentence").arg(operation);
    case Figure::Median:
        //: A column inside a sentence: "addition median time".
        return tr("%1 median time", "in a sentence").arg(operation);
    }
    return QString();
}

void ClassModel::retranslate()
{
    if (columnCount() > 0)
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

QVariant ClassModel::sortKey(const progress::PupilTotals &pupil, int column) const
{
    switch (column) {
    case Name:
        return pupil.name;
    case Answers:
        return figureKey(pupil.all, Figure::Answers);
    case ShareRight:
        return figureKey(pupil.all, Figure::Share);
    case MedianTime:
        return figureKey(pupil.all, Figure::Median);
    case DaysPractised:
        return pupil.daysPractised;
    case LastPractised:
        return pupil.lastPractised.isValid() ? QVariant(pupil.lastPractised) : QVariant();
    default:
        break;
    }
    if (m_needsTeaching && column == NeedsTeaching)
        return int(pupil.needsTeaching.size());
    const int offset = column - firstOperationColumn();
    return figureKey(operationTally(pupil, tutor::AllOperations.at(offset / ColumnsPerOperation)),
        Figure(offset % ColumnsPerOperation));
}

QVariant ClassModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_pupils.size() || index.column() >= columnCount())
        return QVariant();
    const progress::PupilTotals &pupil = m_pupils.at(index.row());
    const int column = index.column();
    const bool needs = m_needsTeaching && column == NeedsTeaching;
    if (role == Qt::TextAlignmentRole) {
        return column == Name || needs ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                       : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role == Qt::UserRole)
        return sortKey(pupil, column);
    // A long name is cut short in its column; its tip shows it whole.
    if (role == Qt::ToolTipRole && column == Name)
        return pupil.name;
    if (needs && (role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)) {
        const QString facts = progress::familiesText(pupil.needsTeaching);
        if (role == Qt::ToolTipRole) {
            //: %1 lists facts: "7 × 8, 6 × 9".
            return facts.isEmpty() ? QVariant()
                                   : QVariant(tr("Needs teaching, each missed %n times or more: %1",
                                       nullptr, tutor::MissesToFlag)
                                                  .arg(facts));
        }
        //: %1 is a pupil's name; %2 lists facts: "7 × 8, 6 × 9".
        return tr("%1, needs teaching: %2")
            .arg(pupil.name, facts.isEmpty() ? tr("nothing", "no facts to teach") : facts);
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return QVariant();

    QString text;
    switch (column) {
    case Name:
        text = pupil.name;
        break;
    case Answers:
        text = figureText(pupil.all, Figure::Answers);
        break;
    case ShareRight:
        text = figureText(pupil.all, Figure::Share);
        break;
    case MedianTime:
        text = figureText(pupil.all, Figure::Median);
        break;
    case DaysPractised:
        text = QString::number(pupil.daysPractised);
        break;
    case LastPractised:
        text = progress::dateText(pupil.lastPractised);
        break;
    case NeedsTeaching:
        if (needs) {
            text = progress::familiesText(pupil.needsTeaching);
            break;
        }
        [[fallthrough]];
    default: {
        const int offset = column - firstOperationColumn();
        text = figureText(
            operationTally(pupil, tutor::AllOperations.at(offset / ColumnsPerOperation)),
            Figure(offset % ColumnsPerOperation));
    }
    }
    // A screen reader hears whose figure and which one it is.
    if (role == Qt::AccessibleTextRole && column != Name)
        //: A table cell for a screen reader: the pupil's name, the column, the figure:
        //: "Ann, share right: 85 %".
        return tr("%1, %2: %3").arg(pupil.name, columnInSentence(column), text);
    return text;
}

QVariant ClassModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    // Long headings over short figures take two lines, so that their
    // columns stay narrow and the facts to teach find room beside them: an
    // operation's after its name, the times' and days' where the lines come
    // out most even.
    if (role == Qt::DisplayRole) {
        QString heading = columnName(section);
        const qsizetype space = section >= firstOperationColumn() ? heading.indexOf(u' ')
            : section > ShareRight && section < NeedsTeaching     ? evenBreak(heading)
                                                                  : -1;
        if (space >= 0)
            heading[space] = u'\n';
        return heading;
    }
    if (role == Qt::AccessibleTextRole)
        return columnName(section);
    if (role == Qt::InitialSortOrderRole)
        return int(firstOrder(section));
    return QVariant();
}

Qt::SortOrder ClassModel::firstOrder(int column)
{
    return column == Name ? Qt::AscendingOrder : Qt::DescendingOrder;
}

QString ClassModel::sortSentence(int column, Qt::SortOrder order) const
{
    const bool ascending = order == Qt::AscendingOrder;
    QString way;
    if (column == Name)
        way = ascending ? tr("A to Z") : tr("Z to A");
    else if (column == LastPractised)
        way = ascending ? tr("oldest first") : tr("newest first");
    else
        way = ascending ? tr("lowest first") : tr("highest first");
    //: %1 is a column inside a sentence: "share right"; %2 the order: "highest first".
    return tr("Sorted by %1, %2.").arg(columnInSentence(column), way);
}

void ClassModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount())
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<qint64> ids;
    for (const QModelIndex &index : before)
        ids << m_pupils.at(index.row()).pupilId;

    const bool ascending = order == Qt::AscendingOrder;
    std::stable_sort(m_pupils.begin(), m_pupils.end(),
        [this, column, ascending](
            const progress::PupilTotals &left, const progress::PupilTotals &right) {
            const QVariant a = sortKey(left, column);
            const QVariant b = sortKey(right, column);
            // Missing figures go last either way.
            if (!a.isValid() || !b.isValid())
                return a.isValid() && !b.isValid();
            int comparison = 0;
            if (column == Name) {
                comparison = nameOrder(m_collator, a.toString(), b.toString());
                if (comparison == 0)
                    comparison = a.toString().compare(b.toString());
            } else {
                const QPartialOrdering order = QVariant::compare(a, b);
                comparison = order == QPartialOrdering::Less ? -1
                    : order == QPartialOrdering::Greater     ? 1
                                                             : 0;
            }
            return ascending ? comparison < 0 : comparison > 0;
        });

    QModelIndexList after;
    for (qsizetype k = 0; k < before.size(); ++k)
        after << index(rowOf(ids.at(k)), before.at(k).column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
