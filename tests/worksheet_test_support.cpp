#include "tests/worksheet_test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cmath>

using namespace Qt::StringLiterals;
using testsupport::named;

namespace worksheettest {

namespace {

// The header lines: 16 underscores, then 31 spaces before the optional text.
const QByteArray NameLine = "Name:________________                               ";
const QByteArray DateLine = "Date:________________                               ";
const QByteArray AnswerKeyLine = "Name: ANSWER KEY                               ";
const QByteArray LineEnd = "\r\n";

QByteArray number(float value)
{
    return QByteArray::number(qlonglong(value));
}

QByteArray problemText(int k, const Problem &problem)
{
    return QByteArray::number(k) + ")  " + problem.first + ' ' + problem.sign + ' '
        + problem.second;
}

} // namespace

QPushButton *button(MainWindow &window, const char *name)
{
    return named<QPushButton>(&window, QString::fromLatin1(name));
}

QLineEdit *field(MainWindow &window, const char *name)
{
    return named<QLineEdit>(&window, QString::fromLatin1(name));
}

QString message(MainWindow &window)
{
    return named<QLabel>(&window, u"lblWorksheetMessage"_s)->text();
}

QTimer *messageTimer(MainWindow &window)
{
    return named<QTimer>(&window, u"tmrWorksheet"_s);
}

void enterWorksheet(MainWindow &window)
{
    testsupport::invokeHandler(&window, "mnuOptionsWorksheet_Click");
}

bool pickLevel(MainWindow &window, const QString &level)
{
    return testsupport::pickEntry(&window, "cmbDifficulty", level);
}

bool pickOperation(MainWindow &window, const QString &operation)
{
    return testsupport::pickEntry(&window, "cmbOperation", operation);
}

MainWindow &readyWorksheet(
    testsupport::TutorFixture &fixture, const QString &level, const QString &operation)
{
    MainWindow &window = fixture.window();
    enterWorksheet(window);
    const bool picked = pickLevel(window, level) && pickOperation(window, operation);
    QTest::qVerify(picked, "picked", "the entries exist", __FILE__, __LINE__);
    return window;
}

Problem createProblem(MainWindow &window)
{
    button(window, "cmdCreateProblem")->click();
    const TutorState &state = window.state();
    const double first = state.Operand1;
    const double second = state.Operand2;
    const char *signs[] = { "+", "-", "*", "/" };
    const double results[] = { first + second, first - second, first * second, first / second };
    const int operation = state.OperationCode - 1;
    // Halves go to the even neighbour, as the default rounding mode does.
    return { number(state.Operand1), signs[operation], number(state.Operand2),
        QByteArray::number(qlonglong(std::nearbyint(results[operation]))) };
}

QList<Problem> createProblems(MainWindow &window, int count)
{
    QList<Problem> problems;
    for (int i = 0; i < count; ++i)
        problems << createProblem(window);
    return problems;
}

QString worksheetPath(const testsupport::TutorFixture &fixture)
{
    return fixture.folder() + u"/worksheets/OrviWorksheet.txt"_s;
}

QString answerSheetPath(const testsupport::TutorFixture &fixture)
{
    return fixture.folder() + u"/worksheets/OrviAnswersheet.txt"_s;
}

QByteArray expectedWorksheet(
    const QByteArray &teacher, const QByteArray &className, const QList<Problem> &problems)
{
    QByteArray bytes
        = NameLine + teacher + LineEnd + LineEnd + DateLine + className + LineEnd + LineEnd;
    for (int k = 1; k <= problems.size(); ++k)
        bytes += problemText(k, problems.at(k - 1)) + "  =   __________" + LineEnd + LineEnd;
    return bytes;
}

QByteArray expectedAnswerSheet(const QList<Problem> &problems)
{
    QByteArray bytes = AnswerKeyLine + LineEnd + LineEnd + DateLine + LineEnd + LineEnd;
    for (int k = 1; k <= problems.size(); ++k)
        bytes += problemText(k, problems.at(k - 1)) + "  =   " + problems.at(k - 1).answer + LineEnd
            + LineEnd;
    return bytes;
}

void saveBoth(MainWindow &window)
{
    button(window, "cmdSaveWorksheet")->click();
    button(window, "cmdSaveAnswer")->click();
}

} // namespace worksheettest
