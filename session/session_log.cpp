#include "session/session_log.h"

SessionLog::SessionLog(QObject *parent)
    : QObject(parent)
{ }

bool SessionLog::append(const tutor::AnsweredProblem &answer)
{
    if (isFull())
        return false;
    m_answers.append(answer);
    emit appended(size() - 1, m_answers.constLast());
    return true;
}

void SessionLog::clear()
{
    // A fresh list hands the whole block back at once.
    QList<tutor::AnsweredProblem>().swap(m_answers);
    emit cleared();
}
