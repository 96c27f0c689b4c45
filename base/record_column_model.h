#pragma once

#include <QAbstractListModel>

#include <type_traits>
#include <utility>

// One column of the rows of a record store (the session log, the worksheet
// draft) as a list of texts, for one list box to show. Nothing is copied: a
// cell's text is made when the list asks for it, and only rows in sight are
// asked for. A list of its own per column, not one table for all, so that
// each list box tells assistive technology of its own rows only.
// The store has `records()` and says `appended(first, last)` and `cleared()`.
template<typename Store, typename Column> class RecordColumnModel final : public QAbstractListModel
{
public:
    using Record = typename std::decay_t<decltype(std::declval<Store>().records())>::value_type;
    using CellText = QString (*)(const Record &, Column);

    RecordColumnModel(const Store &store, Column column, CellText cellText, QObject *parent)
        : QAbstractListModel(parent)
        , m_store(store)
        , m_column(column)
        , m_cellText(cellText)
    {
        // The rows are in the store already; the lists learn of them now.
        QObject::connect(&store, &Store::appended, this, [this](int first, int last) {
            beginInsertRows(QModelIndex(), first, last);
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
        return parent.isValid() ? 0 : int(m_store.records().size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
            return QVariant();
        return m_cellText(m_store.records().at(index.row()), m_column);
    }

private:
    const Store &m_store;
    const Column m_column;
    const CellText m_cellText;
};
