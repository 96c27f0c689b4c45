#pragma once

#include <QList>
#include <QObject>

// What a store of rows announces: rows `first` to `last` were added at the
// end, or every row went.
class RecordStoreSignals : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RecordStoreSignals)

public:
    using QObject::QObject;

signals:
    void appended(int first, int last);
    void cleared();
};

// Rows in the order they came, at most 32 767 of them: the counters that run
// over them are 16-bit.
template<typename Record> class RecordStore : public RecordStoreSignals
{
public:
    static constexpr int MaximumRows = 32767;

    using RecordStoreSignals::RecordStoreSignals;

    const QList<Record> &records() const { return m_records; }
    int size() const { return int(m_records.size()); }
    bool isFull() const { return size() >= MaximumRows; }

    // Adds the row at the end; a full store keeps it out and says no.
    bool append(const Record &record)
    {
        if (isFull())
            return false;
        m_records.append(record);
        emit appended(size() - 1, size() - 1);
        return true;
    }

    // Adds as many of the rows as fit, with one announcement; how many.
    int append(const QList<Record> &records)
    {
        const int taken = int(qMin(records.size(), qsizetype(MaximumRows - size())));
        if (taken <= 0)
            return 0;
        m_records.append(records.first(taken));
        emit appended(size() - taken, size() - 1);
        return taken;
    }

    void clear()
    {
        // A fresh list hands the whole block back at once.
        QList<Record>().swap(m_records);
        emit cleared();
    }

private:
    QList<Record> m_records;
};
