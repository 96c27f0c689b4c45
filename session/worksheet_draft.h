#pragma once

#include "rules/worksheet_problem.h"

#include <QList>
#include <QObject>

// The problems of the worksheet being built, in the order they were made:
// the data behind the worksheet screen, its two files and its print.
class WorksheetDraft : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WorksheetDraft)

public:
    // A worksheet's problem counter is 16-bit.
    static constexpr int MaximumProblems = 32767;

    explicit WorksheetDraft(QObject *parent = nullptr);

    const QList<tutor::WorksheetProblem> &problems() const { return m_problems; }
    int size() const { return int(m_problems.size()); }
    bool isFull() const { return size() >= MaximumProblems; }

    // Adds the problem as the last row; a full worksheet keeps it out and
    // says no.
    bool append(const tutor::WorksheetProblem &problem);
    void clear();

signals:
    void appended(int row, const tutor::WorksheetProblem &problem);
    void cleared();

private:
    QList<tutor::WorksheetProblem> m_problems;
};
