#pragma once

#include "progress/progress_data.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QList>

// The class overview's table: one row per pupil with their answers, share
// right, median time, days practised and last day of practice; the My Facts
// facts that need teaching once any pupil has some; and on request the
// answers, share right and median time of each operation.
// Sorting goes by the figures themselves, so 9 comes before 10 and dates go
// by time; a pupil without a figure comes last whichever way.
class ClassModel : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClassModel)

public:
    enum Column {
        Name,
        Answers,
        ShareRight,
        MedianTime,
        DaysPractised,
        LastPractised,
        // Shown only while some pupil has facts that need teaching; then
        // the operations' columns follow it.
        NeedsTeaching,
    };
    static constexpr int ColumnsPerOperation = 3;

    explicit ClassModel(QObject *parent = nullptr);

    void setPupils(const QList<progress::PupilTotals> &pupils);
    void setEachOperationShown(bool shown);
    bool isEachOperationShown() const { return m_eachOperation; }
    bool isNeedsTeachingShown() const { return m_needsTeaching; }
    // Where the answers, share right and median time of each operation
    // begin, when shown.
    int firstOperationColumn() const;

    const progress::PupilTotals &pupil(int row) const { return m_pupils.at(row); }
    int rowOf(qint64 pupilId) const; // -1 when not listed

    // How a sort by `column` reads: "Sorted by share right, highest first."
    QString sortSentence(int column, Qt::SortOrder order) const;
    // The order a first sort by `column` takes: names A to Z, figures
    // highest first, dates newest first.
    static Qt::SortOrder firstOrder(int column);
    // Every heading and cell speaks the language spoken now.
    void retranslate();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    // What is sorted by: a number, a name or a time; invalid when none.
    QVariant sortKey(const progress::PupilTotals &pupil, int column) const;
    QString columnName(int column) const;
    // The same inside a sentence: "share right" in English.
    QString columnInSentence(int column) const;

    QList<progress::PupilTotals> m_pupils;
    QCollator m_collator;
    bool m_eachOperation = false;
    bool m_needsTeaching = false;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
