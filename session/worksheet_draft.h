#pragma once

#include "rules/worksheet_problem.h"
#include "session/record_store.h"

// The problems of the worksheet being built, in the order they were made:
// the data behind the worksheet screen, its two files and its print.
class WorksheetDraft final : public RecordStore<tutor::WorksheetProblem>
{
public:
    static constexpr int MaximumProblems = MaximumRows;

    using RecordStore::RecordStore;

    const QList<tutor::WorksheetProblem> &problems() const { return records(); }
};
