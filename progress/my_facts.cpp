#include "progress/my_facts.h"

#include "progress/current_pupil.h"
#include "session/tutor_session.h"

#include <QDateTime>
#include <QMap>

using tutor::Operation;

namespace progress {

namespace {

QDate localDay(const QDateTime &time)
{
    return time.toLocalTime().date();
}

} // namespace

MyFacts::MyFacts(CurrentPupil &pupil, TutorSession &session, QObject *parent)
    : QObject(parent)
    , m_pupil(pupil)
    , m_session(session)
{ }

void MyFacts::setOn(bool on)
{
    on = on && m_pupil.isChosen();
    const bool changed = on != m_on;
    m_on = on;
    if (changed) {
        m_asked.reset();
        if (on)
            m_session.setPracticeSource(
                [this](Operation operation) { return nextProblem(operation); });
        else
            m_session.setPracticeSource({});
    }
    // Told even when nothing changed, so a menu item that toggled itself
    // shows the truth again.
    emit switched(m_on);
    if (changed)
        m_session.drawPracticeProblem();
}

void MyFacts::followPupil()
{
    if (!m_pupil.isChosen()) {
        setOn(false);
        m_schedules.clear();
        m_schedulesPupil.reset();
        return;
    }
    if (m_schedulesPupil == m_pupil.id())
        return;
    m_schedules.clear();
    m_schedulesPupil = m_pupil.id();
    m_asked.reset();
    // The new pupil's own facts from the next problem on.
    if (m_on)
        m_session.drawPracticeProblem();
}

void MyFacts::rereadCards(qint64 pupilId)
{
    if (m_schedulesPupil == pupilId)
        m_schedules.clear();
}

QDate MyFacts::today() const
{
    return localDay(m_session.now());
}

tutor::FactSchedule &MyFacts::schedule(Operation operation)
{
    if (m_schedulesPupil != m_pupil.id()) {
        m_schedules.clear();
        m_schedulesPupil = m_pupil.id();
    }
    auto found = m_schedules.find(operation);
    if (found == m_schedules.end()) {
        const tutor::FactSchedule read(
            operation, m_pupil.store().factCards(*m_pupil.id(), operation));
        found = m_schedules.emplace(operation, read).first;
    }
    return found->second;
}

std::optional<tutor::PracticeProblem> MyFacts::nextProblem(Operation operation)
{
    m_asked.reset();
    if (!m_on || !m_pupil.isChosen() || !tutor::hasFacts(operation))
        return std::nullopt;
    m_asked = schedule(operation).next(today());
    return tutor::PracticeProblem { float(m_asked->first), float(m_asked->second) };
}

bool MyFacts::isAskedFact(const tutor::Attempt &attempt) const
{
    return m_asked
        && (attempt.mode == tutor::AnswerMode::Practice
            || attempt.mode == tutor::AnswerMode::MyFacts)
        && attempt.operation == m_asked->operation && attempt.first == m_asked->first
        && attempt.second == m_asked->second;
}

void MyFacts::keep(const tutor::Attempt &attempt)
{
    if (!m_pupil.isChosen()) {
        m_pupil.keep(attempt);
        return;
    }
    if (!m_on || !isAskedFact(attempt)) {
        keepElsewhere(attempt);
        return;
    }
    // The answer was timed on the session's clock; its day is that clock's.
    const bool quick = attempt.millis < qint64(m_pupil.store().quickSeconds()) * 1000;
    const QDate day = localDay(attempt.answeredAt);
    tutor::FactSchedule &facts = schedule(attempt.operation);
    const tutor::FactCard worked = facts.answer(*m_asked, attempt.correct, quick, day);
    // Kept as My Facts, not under the level greyed out while it was asked.
    tutor::Attempt asked = attempt;
    asked.mode = tutor::AnswerMode::MyFacts;
    // The file moves the card as it holds it, which another window may have
    // moved too; the schedule goes on from that.
    tutor::FactCard kept = worked;
    m_pupil.keep(asked, CardMove { worked.family, quick, day }, &kept);
    facts.takeKept(kept);
}

void MyFacts::keepElsewhere(const tutor::Attempt &attempt)
{
    // A fact missed in a level or a game counts towards "needs teaching".
    const bool countsAsFact = attempt.mode != tutor::AnswerMode::MissingOperation;
    const std::optional<tutor::FactFamily> family
        = tutor::familyOf(attempt.operation, attempt.first, attempt.second);
    if (attempt.correct || !countsAsFact || !family
        || !tutor::factOf(attempt.operation, attempt.first, attempt.second)) {
        m_pupil.keep(attempt);
        return;
    }
    tutor::FactCard kept;
    m_pupil.keep(attempt, CardMove { *family, false, localDay(attempt.answeredAt), false }, &kept);
    const auto found = m_schedules.find(attempt.operation);
    if (kept.seen() && m_schedulesPupil == m_pupil.id() && found != m_schedules.end())
        found->second.takeKept(kept);
}

QList<tutor::WorksheetProblem> MyFacts::weakestFacts(int count)
{
    QList<tutor::WorksheetProblem> problems;
    if (!m_pupil.isChosen() || count <= 0)
        return problems;
    const qint64 pupil = *m_pupil.id();
    // The worksheet's operation only. What is kept, and what this run's
    // schedule learnt beyond it when the file could not keep it.
    const Operation operation = m_session.operation();
    if (!tutor::hasFacts(operation))
        return problems;
    QMap<tutor::FactFamily, tutor::FactCard> cards;
    for (const tutor::FactCard &card : m_pupil.store().factCards(pupil, operation))
        cards.insert(card.family, card);
    const auto ran = m_schedules.find(operation);
    if (m_schedulesPupil == pupil && ran != m_schedules.end()) {
        for (const tutor::FactCard &card : ran->second.cards()) {
            if (card.seen())
                cards.insert(card.family, card);
        }
    }
    // A pupil with no facts of it learns nothing from a list of the first ones.
    if (cards.isEmpty())
        return problems;

    const auto level = tutor::Level(m_session.state().LevelCode);
    const auto add = [&problems, level](const tutor::FactFamily &family) {
        const QList<tutor::Fact> facts = tutor::familyFacts(family);
        if (facts.isEmpty())
            return;
        const tutor::Fact &fact = facts.first();
        tutor::WorksheetProblem problem;
        problem.level = level;
        problem.operation = fact.operation;
        problem.operand1 = fact.first;
        problem.operand2 = fact.second;
        problem.answer = fact.answer;
        problems.append(problem);
    };
    for (const tutor::FactCard &card : tutor::weakestFirst(cards.values())) {
        if (problems.size() >= count)
            return problems;
        add(card.family);
    }
    // A pupil who has answered few facts gets the next ones practice would
    // bring in.
    for (const tutor::FactFamily &family : tutor::factFamilies(operation)) {
        if (problems.size() >= count)
            break;
        if (!cards.contains(family))
            add(family);
    }
    return problems;
}

} // namespace progress
