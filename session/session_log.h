#pragma once

#include "rules/answered_problem.h"
#include "session/record_store.h"

// Every practice problem answered since the log was last cleared, oldest
// first: the data behind the report panel and the HTML report.
class SessionLog final : public RecordStore<tutor::AnsweredProblem>
{
public:
    using RecordStore::RecordStore;

    const QList<tutor::AnsweredProblem> &answers() const { return records(); }
};
