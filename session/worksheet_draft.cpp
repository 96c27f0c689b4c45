#include "session/worksheet_draft.h"

WorksheetDraft::WorksheetDraft(QObject *parent)
    : QObject(parent)
{ }

bool WorksheetDraft::append(const tutor::WorksheetProblem &problem)
{
    if (isFull())
        return false;
    m_problems.append(problem);
    emit appended(size() - 1, m_problems.constLast());
    return true;
}

void WorksheetDraft::clear()
{
    QList<tutor::WorksheetProblem>().swap(m_problems);
    emit cleared();
}
