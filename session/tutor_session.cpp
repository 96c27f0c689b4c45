#include "session/tutor_session.h"

#include "rules/level_range.h"
#include "rules/missing_games.h"
#include "rules/number_reader.h"
#include "rules/number_text.h"
#include "rules/operations.h"
#include "rules/time_trial_rules.h"
#include "rules/whole_number.h"

#include <limits>

using tutor::Level;
using tutor::Operation;

namespace {

const QString FlagSet = QStringLiteral("Set");

// Milliseconds from a problem shown to its answer, none for a clock set back
// and at most what a 32-bit counter holds.
qint32 thinkingMillis(const QDateTime &shownAt, const QDateTime &answeredAt)
{
    const qint64 thinking = shownAt.isValid() ? shownAt.msecsTo(answeredAt) : 0;
    return qint32(qBound(qint64(0), thinking, qint64(std::numeric_limits<qint32>::max())));
}

QString expectedText(std::optional<double> expected)
{
    return expected ? tutor::plainNumberText(*expected) : QString();
}

} // namespace

TutorSession::TutorSession(QObject *parent)
    : QObject(parent)
    , m_clock([]() { return QDateTime::currentDateTimeUtc(); })
{ }

void TutorSession::setClock(Clock clock)
{
    m_clock = std::move(clock);
}

TutorSession::Score TutorSession::missingNumberScore() const
{
    return { m_state.MissingNumberCorrectCount, m_state.MissingNumberIncorrectCount };
}

TutorSession::Score TutorSession::missingOperationScore() const
{
    return { m_state.MissingOperationCorrectCount, m_state.MissingOperationIncorrectCount };
}

void TutorSession::announceScores()
{
    emit practiceScoreChanged(m_state.CorrectCount, m_state.IncorrectCount);
    emit missingNumberScoreChanged(
        m_state.MissingNumberCorrectCount, m_state.MissingNumberIncorrectCount);
    emit missingOperationScoreChanged(
        m_state.MissingOperationCorrectCount, m_state.MissingOperationIncorrectCount);
    emit timeTrialScoreChanged(m_state.TimeTrialScore);
}

void TutorSession::start()
{
    m_state.OperationCode = tutor::code(Operation::Addition);
    m_state.LevelCode = tutor::code(Level::WarmUp);
    m_state.TimeLimitSeconds = -1;
    emit operationChanged(Operation::Addition);
    emit levelChanged(Level::WarmUp);
    announceScores();
    drawPracticeProblem();
}

void TutorSession::chooseLevel(Level level)
{
    m_state.LevelCode = tutor::code(level);
    emit levelChanged(level);
    drawPracticeProblem();
    drawGameProblems();
}

void TutorSession::chooseOperation(Operation operation)
{
    m_state.OperationCode = tutor::code(operation);
    emit operationChanged(operation);
    drawPracticeProblem();
    if (tutor::isGameOperation(operation))
        drawGameProblems();
}

void TutorSession::drawGameProblems()
{
    drawMissingNumberProblem();
    drawMissingOperationProblem();
    drawTimeTrialProblem();
}

void TutorSession::resetScores()
{
    m_state.CorrectCount = 0;
    m_state.IncorrectCount = 0;
    m_state.MissingNumberCorrectCount = 0;
    m_state.MissingNumberIncorrectCount = 0;
    m_state.MissingOperationCorrectCount = 0;
    m_state.MissingOperationIncorrectCount = 0;
    emit practiceScoreChanged(0, 0);
    emit missingNumberScoreChanged(0, 0);
    emit missingOperationScoreChanged(0, 0);
}

void TutorSession::settleOnKnownLevel()
{
    const Level known = tutor::knownLevel(Level(m_state.LevelCode));
    if (tutor::code(known) == m_state.LevelCode)
        return;
    m_state.LevelCode = tutor::code(known);
    emit levelChanged(known);
}

void TutorSession::setPracticeSource(PracticeSource source)
{
    m_practiceSource = std::move(source);
}

void TutorSession::drawPracticeProblem()
{
    std::optional<tutor::PracticeProblem> problem;
    if (m_practiceSource)
        problem = m_practiceSource(Operation(m_state.OperationCode));
    showPracticeProblem(problem ? *problem : randomPracticeProblem());
}

tutor::PracticeProblem TutorSession::randomPracticeProblem() const
{
    tutor::ClockSeededRandom random;
    return tutor::drawPracticeProblem(
        Level(m_state.LevelCode), Operation(m_state.OperationCode), random);
}

void TutorSession::showPracticeProblem(const tutor::PracticeProblem &problem)
{
    m_state.Operand1 = problem.operand1;
    m_state.Operand2 = problem.operand2;
    m_practiceProblemShownAt = m_clock();
    emit practiceProblemChanged(m_state.Operand1, m_state.Operand2);
}

bool TutorSession::answerPracticeProblem(QStringView typed)
{
    const std::optional<double> read = tutor::readTypedAnswer(typed);
    const std::optional<qint16> given = read ? tutor::roundToInt16(*read) : std::optional<qint16>();
    const std::optional<qint16> expected = tutor::expectedAnswer(
        m_state.Operand1, m_state.Operand2, Operation(m_state.OperationCode));
    const bool right = given && expected && *given == *expected;
    if (right) {
        m_state.CorrectCount = tutor::countedUp(m_state.CorrectCount);
        m_state.LastVerdict = QStringLiteral("Right");
        m_lastVerdict = tutor::Verdict::Right;
    } else {
        m_state.IncorrectCount = tutor::countedUp(m_state.IncorrectCount);
        m_state.LastVerdict = QStringLiteral("Wrong");
        m_lastVerdict = tutor::Verdict::Wrong;
    }
    emit practiceScoreChanged(m_state.CorrectCount, m_state.IncorrectCount);
    tutor::Attempt attempt;
    attempt.operation = Operation(m_state.OperationCode);
    attempt.first = m_state.Operand1;
    attempt.second = m_state.Operand2;
    attempt.typed = typed.toString();
    attempt.expected = expected ? QString::number(*expected) : QString();
    attempt.correct = right;
    announceAttempt(tutor::AnswerMode::Practice, attempt, m_practiceProblemShownAt);
    return right;
}

void TutorSession::announceAttempt(
    tutor::AnswerMode mode, tutor::Attempt attempt, const QDateTime &shownAt)
{
    attempt.answeredAt = m_clock().toUTC();
    attempt.mode = mode;
    attempt.level = Level(m_state.LevelCode);
    attempt.millis = thinkingMillis(shownAt, attempt.answeredAt);
    emit attemptMade(attempt);
}

bool TutorSession::logPracticeProblem(const QString &typed)
{
    const auto operation = Operation(m_state.OperationCode);
    m_state.LoggedCorrectAnswer
        = tutor::expectedAnswer(m_state.Operand1, m_state.Operand2, operation).value_or(0);
    tutor::AnsweredProblem answer;
    answer.operation = operation;
    answer.level = Level(m_state.LevelCode);
    answer.operand1 = m_state.Operand1;
    answer.operand2 = m_state.Operand2;
    answer.typed = typed;
    answer.expected = m_state.LoggedCorrectAnswer;
    answer.verdict = m_lastVerdict;
    answer.answeredAt = m_clock();
    answer.thinkingMs = thinkingMillis(m_practiceProblemShownAt, answer.answeredAt);
    return m_log.append(answer);
}

void TutorSession::resetMissingNumberScore()
{
    m_state.MissingNumberCorrectCount = 0;
    m_state.MissingNumberIncorrectCount = 0;
    emit missingNumberScoreChanged(0, 0);
}

void TutorSession::drawMissingNumberProblem()
{
    settleOnKnownLevel();
    tutor::ClockSeededRandom random;
    const double first = random.unit();
    const double second = random.unit();
    const tutor::MissingNumberProblem problem = tutor::missingNumberProblem(
        Level(m_state.LevelCode), Operation(m_state.OperationCode), first, second);
    m_state.MissingNumberTop = problem.top;
    m_state.MissingNumberBottom = problem.bottom;
    m_missingNumberShownAt = m_clock();
    emit missingNumberProblemChanged(m_state.MissingNumberTop, m_state.MissingNumberBottom);
}

bool TutorSession::answerMissingNumber(QStringView typed)
{
    const tutor::MissingNumberProblem problem { m_state.MissingNumberTop,
        m_state.MissingNumberBottom };
    m_state.MissingNumberAnswer = tutor::missingNumber(problem, Operation(m_state.OperationCode));
    const bool right = tutor::isMissingNumber(typed, m_state.MissingNumberAnswer);
    if (right)
        m_state.MissingNumberCorrectCount = tutor::countedUp(m_state.MissingNumberCorrectCount);
    else
        m_state.MissingNumberIncorrectCount = tutor::countedUp(m_state.MissingNumberIncorrectCount);
    emit missingNumberScoreChanged(
        m_state.MissingNumberCorrectCount, m_state.MissingNumberIncorrectCount);
    // top + hidden = bottom (or top - hidden): the pupil supplied the second.
    tutor::Attempt attempt;
    attempt.operation = Operation(m_state.OperationCode);
    attempt.first = m_state.MissingNumberTop;
    attempt.second = m_state.MissingNumberAnswer;
    attempt.typed = typed.toString();
    attempt.expected = QString::number(m_state.MissingNumberAnswer);
    attempt.correct = right;
    announceAttempt(tutor::AnswerMode::MissingNumber, attempt, m_missingNumberShownAt);
    return right;
}

void TutorSession::resetMissingOperationScore()
{
    m_state.MissingOperationCorrectCount = 0;
    m_state.MissingOperationIncorrectCount = 0;
    emit missingOperationScoreChanged(0, 0);
}

void TutorSession::drawMissingOperationProblem()
{
    settleOnKnownLevel();
    tutor::ClockSeededRandom random;
    const double first = random.unit();
    const double second = random.unit();
    const double operation = random.unit();
    const tutor::MissingOperationProblem problem
        = tutor::missingOperationProblem(Level(m_state.LevelCode), first, second, operation);
    m_state.MissingOperationFirst = problem.first;
    m_state.MissingOperationSecond = problem.second;
    m_state.MissingOperationResult = problem.result;
    m_state.MissingOperationCode = tutor::code(problem.operation);
    m_missingOperationShownAt = m_clock();
    emit missingOperationProblemChanged(m_state.MissingOperationFirst,
        m_state.MissingOperationSecond, m_state.MissingOperationResult);
}

bool TutorSession::answerMissingOperation(std::optional<Operation> chosen)
{
    const tutor::MissingOperationProblem problem { m_state.MissingOperationFirst,
        m_state.MissingOperationSecond, m_state.MissingOperationResult,
        Operation(m_state.MissingOperationCode) };
    const bool right = chosen && tutor::operationGivesResult(problem, *chosen);
    if (right)
        m_state.MissingOperationCorrectCount
            = tutor::countedUp(m_state.MissingOperationCorrectCount);
    else
        m_state.MissingOperationIncorrectCount
            = tutor::countedUp(m_state.MissingOperationIncorrectCount);
    emit missingOperationScoreChanged(
        m_state.MissingOperationCorrectCount, m_state.MissingOperationIncorrectCount);
    tutor::Attempt attempt;
    attempt.operation = problem.operation;
    attempt.first = problem.first;
    attempt.second = problem.second;
    attempt.typed = tutor::attemptSign(chosen);
    attempt.expected = tutor::attemptSign(problem.operation);
    attempt.correct = right;
    announceAttempt(tutor::AnswerMode::MissingOperation, attempt, m_missingOperationShownAt);
    return right;
}

void TutorSession::drawTimeTrialProblem()
{
    tutor::ClockSeededRandom random;
    settleOnKnownLevel();
    const tutor::TimeTrialProblem problem = tutor::drawTimeTrialProblem(
        Level(m_state.LevelCode), Operation(m_state.OperationCode), random);
    m_state.TimeTrialFirst = problem.first;
    m_state.TimeTrialSecond = problem.second;
    m_timeTrialShownAt = m_clock();
    emit timeTrialProblemChanged(m_state.TimeTrialFirst, m_state.TimeTrialSecond);
}

void TutorSession::resetTimeTrialScore()
{
    m_state.TimeTrialScore = 0;
    emit timeTrialScoreChanged(0);
}

void TutorSession::startTimeTrial(qint16 seconds)
{
    m_state.TimeLimitSeconds = seconds;
    m_state.TimeTrialLimitText = QString::number(seconds);
    // The problem waited on screen for the start; the answering starts now.
    m_timeTrialShownAt = m_clock();
    emit timeTrialClockChanged(m_state.TimeLimitSeconds);
}

void TutorSession::tickTimeTrialClock()
{
    m_state.TimeLimitSeconds -= 1;
    emit timeTrialClockChanged(m_state.TimeLimitSeconds);
}

bool TutorSession::answerTimeTrial(QStringView typed)
{
    const tutor::TimeTrialProblem problem { m_state.TimeTrialFirst, m_state.TimeTrialSecond };
    const auto operation = Operation(m_state.OperationCode);
    const bool right = tutor::isRightTimeTrialAnswer(typed, problem, operation);
    m_state.TimeTrialScore = tutor::timeTrialScoreAfter(m_state.TimeTrialScore, right);
    emit timeTrialScoreChanged(m_state.TimeTrialScore);
    // A wrong answer leaves the problem up: a second try counts from when it
    // was first shown.
    tutor::Attempt attempt;
    attempt.operation = operation;
    attempt.first = problem.first;
    attempt.second = problem.second;
    attempt.typed = typed.toString();
    attempt.expected = expectedText(tutor::timeTrialAnswer(problem, operation));
    attempt.correct = right;
    announceAttempt(tutor::AnswerMode::TimeTrial, attempt, m_timeTrialShownAt);
    return right;
}

void TutorSession::startWorksheet()
{
    m_state.WorksheetOperationChosen.clear();
    m_state.WorksheetLevelChosen.clear();
    announceWorksheetPicks();
    clearWorksheet();
}

void TutorSession::clearWorksheet()
{
    m_state.WorksheetProblemCount = 0;
    m_worksheet.clear();
    emit worksheetProblemCountChanged(0);
}

bool TutorSession::noteWorksheetLevelPicked()
{
    m_state.WorksheetLevelChosen = FlagSet;
    announceWorksheetPicks();
    return m_state.WorksheetOperationChosen == FlagSet;
}

bool TutorSession::noteWorksheetOperationPicked()
{
    m_state.WorksheetOperationChosen = FlagSet;
    announceWorksheetPicks();
    return m_state.WorksheetLevelChosen == FlagSet;
}

void TutorSession::announceWorksheetPicks()
{
    emit worksheetPicksChanged(
        m_state.WorksheetLevelChosen == FlagSet, m_state.WorksheetOperationChosen == FlagSet);
}

bool TutorSession::addWorksheetProblem()
{
    if (m_state.WorksheetProblemCount >= MaximumWorksheetProblems || m_worksheet.isFull())
        return false;
    ++m_state.WorksheetProblemCount;
    emit worksheetProblemCountChanged(m_state.WorksheetProblemCount);
    showPracticeProblem(randomPracticeProblem());
    tutor::WorksheetProblem problem;
    problem.level = Level(m_state.LevelCode);
    problem.operation = Operation(m_state.OperationCode);
    problem.operand1 = m_state.Operand1;
    problem.operand2 = m_state.Operand2;
    problem.answer
        = tutor::expectedAnswer(m_state.Operand1, m_state.Operand2, problem.operation).value_or(0);
    m_worksheet.append(problem);
    return true;
}

bool TutorSession::addWorksheetProblem(const tutor::WorksheetProblem &problem)
{
    if (m_state.WorksheetProblemCount >= MaximumWorksheetProblems || m_worksheet.isFull())
        return false;
    ++m_state.WorksheetProblemCount;
    emit worksheetProblemCountChanged(m_state.WorksheetProblemCount);
    m_worksheet.append(problem);
    return true;
}

void TutorSession::switchPupil(std::optional<qint64> pupilId)
{
    if (pupilId == m_pupilId)
        return;
    m_pupilsAway[m_pupilId] = { practiceScore(), missingNumberScore(), missingOperationScore(),
        m_state.TimeTrialScore, m_log.answers() };
    PupilPart back;
    if (const auto away = m_pupilsAway.find(pupilId); away != m_pupilsAway.end()) {
        back = std::move(away->second);
        m_pupilsAway.erase(away);
    }
    m_pupilId = pupilId;
    m_state.CorrectCount = back.practice.right;
    m_state.IncorrectCount = back.practice.wrong;
    m_state.MissingNumberCorrectCount = back.missingNumber.right;
    m_state.MissingNumberIncorrectCount = back.missingNumber.wrong;
    m_state.MissingOperationCorrectCount = back.missingOperation.right;
    m_state.MissingOperationIncorrectCount = back.missingOperation.wrong;
    m_state.TimeTrialScore = back.timeTrialScore;
    announceScores();
    m_log.clear();
    m_log.append(back.answers);
}

void TutorSession::forgetPupil(qint64 pupilId)
{
    m_pupilsAway.erase(pupilId);
}
