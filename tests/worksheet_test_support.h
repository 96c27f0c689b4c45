#pragma once

#include "app/main_window.h"
#include "tests/test_support.h"

#include <QByteArray>
#include <QList>
#include <QString>

class QLineEdit;
class QPushButton;
class QTimer;

// What the worksheet tests share: building a worksheet on the screen as a
// teacher does, and the two files it must then be saved as.
namespace worksheettest {

// One problem as the lists should show it, worked out from the drawn numbers.
struct Problem
{
    QByteArray first;
    QByteArray sign;
    QByteArray second;
    QByteArray answer;
};

QPushButton *button(MainWindow &window, const char *name);
QLineEdit *field(MainWindow &window, const char *name);

// The status line as shown.
QString message(MainWindow &window);
QTimer *messageTimer(MainWindow &window);

void enterWorksheet(MainWindow &window);
bool pickLevel(MainWindow &window, const QString &level);
bool pickOperation(MainWindow &window, const QString &operation);

// The worksheet screen with a level and an operation picked, so that "Create
// Problem" is ready.
MainWindow &readyWorksheet(
    testsupport::TutorFixture &fixture, const QString &level, const QString &operation);

// Presses "Create Problem" and works out, from the numbers it drew, what the
// new row must read.
Problem createProblem(MainWindow &window);
QList<Problem> createProblems(MainWindow &window, int count);

QString worksheetPath(const testsupport::TutorFixture &fixture);
QString answerSheetPath(const testsupport::TutorFixture &fixture);

// The bytes of the two saved files for these problems.
QByteArray expectedWorksheet(
    const QByteArray &teacher, const QByteArray &className, const QList<Problem> &problems);
QByteArray expectedAnswerSheet(const QList<Problem> &problems);

void saveBoth(MainWindow &window);

} // namespace worksheettest
