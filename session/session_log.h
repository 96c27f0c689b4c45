#pragma once

#include "rules/answered_problem.h"

#include <QList>
#include <QObject>

// Every practice problem answered since the log was last cleared, oldest
// first: the data behind the report panel and the HTML report.
class SessionLog : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SessionLog)

public:
    // The counters that run over the log are 16-bit.
    static constexpr int MaximumRows = 32767;

    explicit SessionLog(QObject *parent = nullptr);

    const QList<tutor::AnsweredProblem> &answers() const { return m_answers; }
    int size() const { return int(m_answers.size()); }
    bool isFull() const { return size() >= MaximumRows; }

    // Adds the answer as the last row; a full log keeps it out and says no.
    bool append(const tutor::AnsweredProblem &answer);
    void clear();

signals:
    void appended(int row, const tutor::AnsweredProblem &answer);
    void cleared();

private:
    QList<tutor::AnsweredProblem> m_answers;
};
