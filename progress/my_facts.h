#pragma once

#include "rules/attempt.h"
#include "rules/fact_schedule.h"
#include "rules/level_and_operation.h"
#include "rules/practice_problem.h"
#include "rules/worksheet_problem.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QtGlobal>

#include <map>
#include <optional>

class TutorSession;

namespace progress {

class CurrentPupil;

// "My Facts": practice drawn from the current pupil's own schedule of facts
// instead of the level's random draw, and every answer to a fact kept with
// the card it moved. The day is the local date of the session's clock.
class MyFacts : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MyFacts)

public:
    static constexpr int WorksheetFacts = 20;

    // While on, the session draws from this: it must not outlive it.
    MyFacts(CurrentPupil &pupil, TutorSession &session, QObject *parent = nullptr);

    bool isOn() const { return m_on; }
    // Turns the mode on (only with a pupil chosen) or off, and puts a new
    // practice problem in front of the pupil.
    void setOn(bool on);
    // After a pupil was chosen, renamed or deleted: another pupil's facts are
    // read afresh, and without a pupil the mode goes off.
    void followPupil();
    // The pupil's cards were changed outside this window (answers from the
    // class server): they are read afresh for the next fact.
    void rereadCards(qint64 pupilId);

    // Keeps an answer for the current pupil; an answer to the fact being
    // asked while the mode is on moves its card too, in the same transaction.
    void keep(const tutor::Attempt &attempt);

    // The pupil's weakest facts of the session's operation, one fact per
    // family, topped up with the next new facts, each with its answer at the
    // session's level; none without a pupil or without any fact of the
    // operation answered.
    QList<tutor::WorksheetProblem> weakestFacts(int count = WorksheetFacts);

    // The fact last put in front of the pupil while the mode is on.
    std::optional<tutor::Fact> askedFact() const { return m_asked; }

signals:
    void switched(bool on);

private:
    QDate today() const;
    // The schedule of the current pupil's facts of `operation`, read from the
    // progress file when first needed.
    tutor::FactSchedule &schedule(tutor::Operation operation);
    std::optional<tutor::PracticeProblem> nextProblem(tutor::Operation operation);
    bool isAskedFact(const tutor::Attempt &attempt) const;
    void keepElsewhere(const tutor::Attempt &attempt);

    CurrentPupil &m_pupil;
    TutorSession &m_session;
    bool m_on = false;
    // The pupil the schedules belong to.
    std::optional<qint64> m_schedulesPupil;
    std::map<tutor::Operation, tutor::FactSchedule> m_schedules;
    std::optional<tutor::Fact> m_asked;
};

} // namespace progress
