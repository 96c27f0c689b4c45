#pragma once

#include <QAbstractListModel>
#include <QList>

// One column of the records of a store (the session log, the worksheet
// draft) as a list of texts, for one list box to show. Nothing is copied: a
// cell's text is made when the list asks for it, and only rows in sight are
// asked for. A list of its own per column, not one table for all, so that
// each list box tells assistive technology of its own rows only.
// The store says `appended(int row, const Record &)` and `cleared()`.
template<typename Store, typename Record, typename Column>
class RecordColumnModel final : public QAbstractListModel
{
public:
    using Records = const QList<Record> &(Store::*)() const;
    using CellText = QString (*)(const Record &, Column);

    RecordColumnModel(
        const Store &store, Records records, Column column, CellText cellText, QObject *parent)
        : QAbstractListModel(parent)
        , m_store(store)
        , m_records(records)
        , m_column(column)
        , m_cellText(cellText)
    {
        QObject::connect(&store, &Store::appended, this, [this](int row, const Record &) {
            beginInsertRows(QModelIndex(), row, row);
            endInsertRows();
        });
        // A reset, not a removal of every row: a list drops all rows at once.
        QObject::connect(&store, &Store::cleared, this, [this]() {
            beginResetModel();
            endResetModel();
        });
    }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int((m_store.*m_records)().size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
            return QVariant();
        return m_cellText((m_store.*m_records)().at(index.row()), m_column);
    }

private:
    const Store &m_store;
    const Records m_records;
    const Column m_column;
    const CellText m_cellText;
};
