#include "bench/bench_support.h"

#include "tests/test_support.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QtTest>

#include <algorithm>
#include <ctime>

namespace bench {

namespace {

using testsupport::named;

void settle()
{
    QApplication::processEvents();
}

void catchUp(int k)
{
    if (k % 64 == 63)
        settle();
}

} // namespace

qint64 processCpuNs()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double toMs(qint64 ns)
{
    return double(ns) / 1e6;
}

const std::vector<std::pair<Place, const char *>> &places()
{
    static const std::vector<std::pair<Place, const char *>> all = {
        { Place::Practice, "practice" },
        { Place::PracticeWithReport, "practice, report shown" },
        { Place::Worksheet, "worksheet" },
        { Place::WorksheetOneShort, "worksheet, one problem short" },
        { Place::ScoreCardsHidden, "practice, score cards hidden" },
        { Place::NameTyped, "report, name typed" },
        { Place::Help, "help" },
        { Place::About, "about" },
        { Place::MissingNumber, "Missing Number" },
        { Place::MissingOperation, "Missing Operation" },
        { Place::TimeTrial, "Time Trial" },
        { Place::TimeTrialRunning, "Time Trial running" },
        { Place::TimeTrialOver, "Time Trial over" },
    };
    return all;
}

QString placeName(Place place)
{
    for (const auto &[known, name] : places()) {
        if (known == place)
            return QString::fromLatin1(name);
    }
    return QString();
}

Amount amount(Size size)
{
    switch (size) {
    case Size::Empty:
        return { 0, 0 };
    case Size::Screenful:
        return { 40, 40 };
    case Size::Full:
        break;
    }
    return { SessionLog::MaximumRows, TutorSession::MaximumWorksheetProblems };
}

tutor::AnsweredProblem logRow(int k)
{
    const int first = 10 + k % 91;
    const int second = 10 + (k * 7) % 91;
    const bool right = k % 5 != 4;
    const int product = first * second;
    tutor::AnsweredProblem answer;
    answer.operation = tutor::Operation::Multiplication;
    answer.level = tutor::Level::Expert;
    answer.operand1 = float(first);
    answer.operand2 = float(second);
    answer.typed = QString::number(right ? product : product + 1);
    answer.expected = qint16(product);
    answer.verdict = right ? tutor::Verdict::Right : tutor::Verdict::Wrong;
    answer.answeredAt = QDateTime::currentDateTimeUtc();
    answer.thinkingMs = 2000 + k % 3000;
    return answer;
}

Tutor::Tutor()
{
    // Window Size is one of the commands timed: what it stores must not
    // reach the next real start, nor the start-up probe.
    testsupport::useTemporarySettings();
    testsupport::copyShippedFiles(m_folder.path());
    m_window = std::make_unique<MainWindow>(m_folder.path());
    m_window->show();
    QApplication::processEvents();
}

Tutor::~Tutor()
{
    m_window.reset();
}

void Tutor::call(const char *handler)
{
    if (!testsupport::invokeHandler(m_window.get(), handler))
        qFatal("no handler %s", handler);
}

int Tutor::worksheetRows()
{
    return named<QAbstractItemView>(m_window.get(), QStringLiteral("lstWorksheetNum1"))
        ->model()
        ->rowCount();
}

bool Tutor::shown(const char *name)
{
    return testsupport::isShown(*m_window, name);
}

void Tutor::fillLog(int rows)
{
    SessionLog &log = m_window->session().log();
    if (log.size() > rows)
        call("cmdClearReport_Click");
    for (int k = log.size(); k < rows; ++k) {
        log.append(logRow(k));
        catchUp(k);
    }
}

void Tutor::fillWorksheet(int problems)
{
    call("mnuOptionsWorksheet_Click");
    testsupport::pickEntry(m_window.get(), "cmbDifficulty", QStringLiteral("Expert"));
    testsupport::pickEntry(m_window.get(), "cmbOperation", QStringLiteral("Multiplication"));
    QObject *screen = testsupport::handlerOwner(m_window.get(), "cmdCreateProblem_Click");
    for (int k = 0; k < problems; ++k) {
        QMetaObject::invokeMethod(screen, "cmdCreateProblem_Click", Qt::DirectConnection);
        catchUp(k);
    }
}

bool Tutor::reach(Place place, Size size)
{
    // A running or finished trial keeps the menus locked.
    if (!named<QWidget>(m_window.get(), QStringLiteral("cmdStopGame3"))->isHidden())
        call("cmdStopGame3_Click");
    if (!named<QWidget>(m_window.get(), QStringLiteral("cmdResetGame3"))->isHidden())
        call("cmdResetGame3_Click");

    const Amount rows = amount(size);
    const int worksheet = rows.problems - (place == Place::WorksheetOneShort ? 1 : 0);
    bool remade = m_window->session().log().size() != rows.log;
    fillLog(rows.log);
    const bool onWorksheet = place == Place::Worksheet || place == Place::WorksheetOneShort;
    if (onWorksheet && shown("fraWorksheet") && worksheetRows() == worksheet
        && named<QWidget>(m_window.get(), QStringLiteral("cmdCreateProblem"))->isEnabled()) {
        settle();
        return remade;
    }

    call("mnuFileWork_Click");
    call("mnuOptScoreShow_Click");
    call("mnuOptOperAdd_Click");
    call("mnuOptDiffLev0_Click");
    if (!shown("fraLog"))
        call("mnuOptShowReport_Click");
    if (onWorksheet || worksheetRows() != worksheet) {
        remade = remade || worksheet > 0;
        fillWorksheet(worksheet);
        if (onWorksheet) {
            settle();
            return remade;
        }
        call("mnuFileWork_Click");
    }

    switch (place) {
    case Place::Practice:
        call("mnuOptHideReport_Click");
        break;
    case Place::PracticeWithReport:
    case Place::Worksheet:
    case Place::WorksheetOneShort:
        break;
    case Place::ScoreCardsHidden:
        call("mnuOptScoreHide_Click");
        break;
    case Place::NameTyped:
        QTest::keyClicks(named<QLineEdit>(m_window.get(), QStringLiteral("txtNameReport")), "Ada");
        break;
    case Place::Help:
        call("mnuHelpContents_Click");
        break;
    case Place::About:
        call("mnuHelpAbout_Click");
        break;
    case Place::MissingNumber:
        call("mnuGamesMissingNum_Click");
        break;
    case Place::MissingOperation:
        call("mnuGamesMissingOper_Click");
        break;
    case Place::TimeTrial:
    case Place::TimeTrialRunning:
    case Place::TimeTrialOver:
        call("mnuGamesTime_Click");
        if (place != Place::TimeTrial)
            call("cmdStartGame3_Click");
        while (place == Place::TimeTrialOver && !shown("cmdResetGame3"))
            call("Timer3_Timer");
        break;
    }
    settle();
    return remade;
}

} // namespace bench
