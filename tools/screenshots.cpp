// Pictures of the main window on each screen, for the README and the
// metainfo: `take_screenshots <output folder>` writes one PNG per screen there.
// Every picture starts from a fresh window and a fixed seed, so a second run
// writes the same bytes.

#include "app/main_window.h"
#include "app/screen_host.h"
#include "rules/level_range.h"
#include "rules/missing_games.h"
#include "rules/practice_problem.h"
#include "tests/test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QList>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>

using testsupport::invokeHandler;
using testsupport::named;

namespace {

template<typename T = QWidget> T *control(MainWindow &window, const char *name)
{
    T *found = named<T>(&window, QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void call(MainWindow &window, const char *handler)
{
    if (!invokeHandler(&window, handler))
        qFatal("no handler %s", handler);
}

void typeInto(MainWindow &window, const char *box, const QString &text, bool enter)
{
    auto *field = control<QLineEdit>(window, box);
    field->setFocus();
    QTest::keyClicks(field, text);
    if (enter)
        QTest::keyClick(field, Qt::Key_Return);
}

// The practice problem's answer, or one more than it for a wrong answer.
QString practiceAnswer(MainWindow &window, bool right)
{
    const TutorState &state = window.state();
    const auto operation = tutor::Operation(state.OperationCode);
    const int answer = tutor::expectedAnswer(state.Operand1, state.Operand2, operation).value_or(0);
    return QString::number(right ? answer : answer + 1);
}

void answerPractice(MainWindow &window, bool right)
{
    testsupport::answerPractice(window, practiceAnswer(window, right));
}

void practice(MainWindow &window)
{
    answerPractice(window, true);
    answerPractice(window, false);
    answerPractice(window, true);
}

void report(MainWindow &window)
{
    call(window, "mnuOptShowReport_Click");
    for (bool right : { true, true, false })
        answerPractice(window, right);
    call(window, "mnuOptOperSub_Click");
    for (bool right : { true, false })
        answerPractice(window, right);
    call(window, "mnuOptOperMult_Click");
    for (bool right : { true, true })
        answerPractice(window, right);
    typeInto(window, "txtNameReport", QStringLiteral("Sam"), false);
}

void worksheet(MainWindow &window)
{
    call(window, "mnuOptionsWorksheet_Click");
    // Five problems from each level, the operations taking turns.
    for (int problem = 0; problem < 25; ++problem) {
        testsupport::pickEntry(&window, "cmbDifficulty",
            control<QComboBox>(window, "cmbDifficulty")->itemText(problem / 5));
        testsupport::pickEntry(&window, "cmbOperation",
            control<QComboBox>(window, "cmbOperation")->itemText(problem % 3));
        control<QAbstractButton>(window, "cmdCreateProblem")->click();
    }
    // The status line has long cleared by the time a teacher has made 25.
    call(window, "tmrWorksheet_Timer");
    control<QCheckBox>(window, "chkIncludeOptional")->click();
    typeInto(window, "txtTeachersName", QStringLiteral("Ms Rivera"), false);
    typeInto(window, "txtClassName", QStringLiteral("Year 4 Blue"), false);
}

QString missingNumber(MainWindow &window, bool right)
{
    const TutorState &state = window.state();
    const int hidden = tutor::missingNumber({ state.MissingNumberTop, state.MissingNumberBottom },
        tutor::Operation(state.OperationCode));
    return QString::number(right ? hidden : hidden + 1);
}

void missingNumberGame(MainWindow &window)
{
    call(window, "mnuGamesMissingNum_Click");
    for (bool right : { true, false, true, true })
        typeInto(window, "txtAnswerGame1", missingNumber(window, right), true);
}

// The option button of the drawn operation, or of the one after it.
const char *operationButton(MainWindow &window, bool right)
{
    const char *buttons[] = { "optAddGame2", "optSubGame2", "optMulGame2" };
    const int drawn = window.state().MissingOperationCode - 1;
    return buttons[(right ? drawn : drawn + 1) % 3];
}

void missingOperationGame(MainWindow &window)
{
    call(window, "mnuGamesMissingOper_Click");
    for (bool right : { true, true, false, true }) {
        testsupport::pauseBeforeNextClick();
        control<QAbstractButton>(window, operationButton(window, right))->click();
    }
}

QString trialAnswer(MainWindow &window, bool right)
{
    const TutorState &state = window.state();
    const int answer = state.OperationCode == 2 ? state.TimeTrialFirst - state.TimeTrialSecond
                                                : state.TimeTrialFirst + state.TimeTrialSecond;
    return QString::number(right ? answer : answer + 1);
}

void timeTrial(MainWindow &window)
{
    call(window, "mnuGamesTime_Click");
    control<QAbstractButton>(window, "cmdStartGame3")->click();
    for (bool right : { true, true, false, true, true, true }) {
        typeInto(window, "txtAnswerGame3", trialAnswer(window, right), true);
        call(window, "Timer3_Timer");
    }
}

void help(MainWindow &window)
{
    call(window, "mnuHelpContents_Click");
}

void about(MainWindow &window)
{
    call(window, "mnuHelpAbout_Click");
}

struct Shot
{
    QString fileName;
    std::function<void(MainWindow &)> steps;
};

// The scenes set up for the screens' pictures, by the menu item that brings
// each screen up.
struct Scene
{
    const char *entryItem;
    const char *fileName;
    std::function<void(MainWindow &)> steps;
};

const Scene Scenes[]
    = { { "mnuFileWork", "practice.png", practice }, { "mnuOptShowReport", "report.png", report },
          { "mnuOptionsWorksheet", "worksheet.png", worksheet },
          { "mnuGamesMissingNum", "missing-number.png", missingNumberGame },
          { "mnuGamesMissingOper", "missing-operation.png", missingOperationGame },
          { "mnuGamesTime", "time-trial.png", timeTrial }, { "mnuHelpContents", "help.png", help },
          { "mnuHelpAbout", "about.png", about } };

// One picture of every screen the screen host brings up: its scene, or else
// the screen as its menu item shows it once a pupil has practised, in a
// file named after the item ("mnuPupilClass" gives "pupil-class.png").
QList<Shot> everyScreen()
{
    QList<Shot> shots;
    for (const QString &item : ScreenHost::entryItems()) {
        const auto scene = std::find_if(std::begin(Scenes), std::end(Scenes),
            [&item](const Scene &each) { return item == QLatin1String(each.entryItem); });
        if (scene != std::end(Scenes)) {
            shots.push_back({ QString::fromLatin1(scene->fileName), scene->steps });
            continue;
        }
        QString fileName;
        for (const QChar letter : item.mid(3)) {
            if (letter.isUpper() && !fileName.isEmpty())
                fileName += QLatin1Char('-');
            fileName += letter.toLower();
        }
        const QByteArray handler = (item + QStringLiteral("_Click")).toLatin1();
        shots.push_back({ fileName + QStringLiteral(".png"), [handler](MainWindow &window) {
                             window.choosePupil(QStringLiteral("Sam"));
                             practice(window);
                             call(window, handler.constData());
                         } });
    }
    return shots;
}

bool takeShot(const Shot &shot, const QDir &output)
{
    tutor::useFixedSeed(7);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    // A message the steps bring up is answered, never left waiting.
    testsupport::MessageBoxCloser closer;
    shot.steps(window);
    // The picture shows the screen as the steps left it: no feedback timer
    // or trial clock may change it while the events are handled.
    for (QTimer *timer : window.findChildren<QTimer *>())
        timer->stop();
    for (int round = 0; round < 3; ++round)
        QApplication::processEvents();

    const QString path = output.filePath(shot.fileName);
    const QImage picture = window.grab().toImage();
    if (!picture.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), picture.width(), picture.height());
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // Nothing in a picture may depend on the machine or the desktop.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "96");
    qputenv("QT_SCALE_FACTOR", "1");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qunsetenv("QT_STYLE_OVERRIDE");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvi Math Tutor"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // A caret that never blinks is drawn the same whenever the grab comes.
    QApplication::setCursorFlashTime(0);

    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(output.path())) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }

    for (const Shot &shot : everyScreen()) {
        if (!takeShot(shot, output))
            return 1;
    }
    return 0;
}
