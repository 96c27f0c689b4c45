#include "bench/command_table.h"

#include "app/main_window.h"
#include "base/screen.h"

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSysInfo>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>

namespace bench {

namespace {

QString plainCaption(QString text)
{
    return text.remove(QLatin1Char('&')).remove(QStringLiteral("..."));
}

QString screenName(const QWidget *widget, MainWindow &window)
{
    static const std::map<QString, QString> names = {
        { QStringLiteral("fraLog"), QStringLiteral("Report") },
        { QStringLiteral("fraWorksheet"), QStringLiteral("Worksheet") },
        { QStringLiteral("fraGame3"), QStringLiteral("Time Trial") },
        { QStringLiteral("fraAbout"), QStringLiteral("About") },
    };
    const QList<Screen *> screens = window.screenHost().screens();
    while (widget && !screens.contains(qobject_cast<const Screen *>(widget)))
        widget = widget->parentWidget();
    if (!widget)
        return QString();
    const auto found = names.find(widget->objectName());
    return found == names.end() ? widget->objectName() : found->second;
}

// What a command must do at full data that cannot be done without going
// through the rows.
const std::map<QByteArray, QString> &dataWalkers()
{
    static const std::map<QByteArray, QString> walkers = {
        { "mnuFileExit_Click", QStringLiteral("frees every row") },
        { "mnuOptionsWorksheet_Click", QStringLiteral("a new worksheet drops the old one's rows") },
        { "cmdClearReport_Click", QStringLiteral("drops every logged row") },
        { "cmdPrintReport_Click", QStringLiteral("counts every logged row") },
        { "cmdClearWorksheet_Click", QStringLiteral("drops every problem") },
        { "cmdSaveWorksheet_Click", QStringLiteral("writes every problem") },
        { "cmdSaveAnswer_Click", QStringLiteral("writes every problem") },
        { "cmdPrintWorksheet_Click", QStringLiteral("draws every page") },
    };
    return walkers;
}

// Differences smaller than this lie within the spread of repeated runs.
constexpr double NoiseMs = 0.25;

} // namespace

std::vector<Command> allCommands(MainWindow &window)
{
    std::vector<Command> commands;
    const std::function<void(QMenu *, const QString &)> addMenu
        = [&](QMenu *menu, const QString &path) {
              const auto items = menu->actions();
              for (QAction *item : items) {
                  if (item->isSeparator())
                      continue;
                  const QString label = path + QStringLiteral(" → ") + plainCaption(item->text());
                  if (item->menu()) {
                      addMenu(item->menu(), label);
                      continue;
                  }
                  Command command;
                  command.label = label;
                  command.handler = item->objectName().toLatin1() + "_Click";
                  command.objectName = item->objectName();
                  commands.push_back(command);
              }
          };
    const auto menus = window.menuBar()->actions();
    for (QAction *menu : menus)
        addMenu(menu->menu(), plainCaption(menu->text()));

    const auto buttons = window.findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        Command command;
        command.label = screenName(button, window) + QStringLiteral(": ")
            + plainCaption(button->text())
            + (button->text().endsWith(QStringLiteral("...")) ? QStringLiteral("...") : QString());
        command.handler = button->objectName().toLatin1() + "_Click";
        command.objectName = button->objectName();
        command.isButton = true;
        commands.push_back(command);
    }

    for (Command &command : commands) {
        const auto walker = dataWalkers().find(command.handler);
        if (walker != dataWalkers().end())
            command.walksData = walker->second;
        command.saves
            = command.handler.startsWith("cmdSave") || command.handler.startsWith("cmdPrint");
    }
    // Print... twice: the preview alone, then the preview printed to PDF.
    const auto print = std::find_if(commands.begin(), commands.end(),
        [](const Command &c) { return c.handler == "cmdPrintWorksheet_Click"; });
    if (print != commands.end()) {
        Command toPdf = *print;
        toPdf.label += QStringLiteral(" then print to PDF");
        toPdf.printsToPdf = true;
        print->label += QStringLiteral(" (preview)");
        commands.insert(print + 1, toPdf);
    }
    // Exit twice: until the window is gone, then until all is freed.
    const auto exit = std::find_if(commands.begin(), commands.end(),
        [](const Command &c) { return c.handler == "mnuFileExit_Click"; });
    if (exit != commands.end()) {
        Command freed = *exit;
        freed.label += QStringLiteral(" (until the program has freed everything)");
        freed.untilFreed = true;
        exit->label += QStringLiteral(" (until the window is gone)");
        exit->walksData.clear();
        commands.insert(exit + 1, freed);
    }
    return commands;
}

bool reachable(const Command &command)
{
    if (command.button)
        return command.button->isVisible() && command.button->isEnabled();
    if (!command.item->isEnabled() || !command.item->isVisible())
        return false;
    for (QObject *up = command.item->parent(); up; up = up->parent()) {
        auto *menu = qobject_cast<QMenu *>(up);
        if (!menu)
            break;
        if (!menu->isEnabled() || !menu->menuAction()->isVisible()
            || !menu->menuAction()->isEnabled())
            return false;
    }
    return true;
}

Command inWindow(const Command &command, MainWindow &window)
{
    Command here = command;
    if (command.isButton)
        here.button = window.findChild<QPushButton *>(command.objectName);
    else
        here.item = window.findChild<QAction *>(command.objectName);
    return here;
}

bool grewTooMuch(double emptyMs, double fullMs)
{
    return emptyMs >= 0 && fullMs > GrowthGoal * emptyMs && fullMs - emptyMs > NoiseMs;
}

Verdicts judge(const Command &command, const Result &result)
{
    Verdicts verdicts;
    const double full = result.full.ms;
    const double empty = result.empty.ms;
    if (full < 0) {
        verdicts.time = QStringLiteral("— (not offered at full data)");
        verdicts.growth = QStringLiteral("—");
        return verdicts;
    }
    if (command.saves) {
        if (full <= SaveGoalMs)
            verdicts.time = QStringLiteral("✓ < 100");
        else if (result.full.sawProgress)
            verdicts.time = QStringLiteral("✓ > 100, shows progress");
        else {
            verdicts.time = QStringLiteral("✗ > 100, no progress dialog");
            verdicts.met = false;
        }
    } else if (full <= CommandGoalMs) {
        verdicts.time = QStringLiteral("✓ < 16");
    } else {
        verdicts.time = QStringLiteral("✗ > 16");
        verdicts.met = false;
    }
    if (empty < 0) {
        verdicts.growth = QStringLiteral("— (not offered when empty)");
        return verdicts;
    }
    const QString times = empty > 0
        ? QString(QString::number(full / empty, 'f', 1) + QStringLiteral("×"))
        : QString(QStringLiteral("+") + ms(full) + QStringLiteral(" ms"));
    if (!grewTooMuch(empty, full)) {
        verdicts.growth = QStringLiteral("✓ ") + times;
    } else if (!command.walksData.isEmpty()) {
        verdicts.growth = QStringLiteral("✓ ") + times + QStringLiteral(", ") + command.walksData;
    } else if (result.screenful.ms >= 0 && !grewTooMuch(result.screenful.ms, full)) {
        // What grew is what a screenful of rows already costs: the rows in
        // sight, not the data.
        verdicts.growth = QStringLiteral("✓ ") + times + QStringLiteral(", as with a screenful (")
            + ms(result.screenful.ms) + QStringLiteral(" ms): the rows in sight");
    } else {
        verdicts.growth = QStringLiteral("✗ ") + times;
        verdicts.met = false;
    }
    return verdicts;
}

Verdicts judgeMemory(double idleMiB, double fullMiB)
{
    Verdicts verdicts;
    verdicts.growth = QStringLiteral("—");
    const auto judgeOne = [&verdicts](double mib, double goal, const QString &what) -> QString {
        if (mib < 0)
            return QStringLiteral("— ") + what;
        const bool met = mib <= goal;
        verdicts.met = verdicts.met && met;
        return (met ? QStringLiteral("✓ ≤ ") : QStringLiteral("✗ > "))
            + QString::number(goal, 'f', 0) + QLatin1Char(' ') + what;
    };
    verdicts.time = judgeOne(idleMiB, IdleMemoryGoalMiB, QStringLiteral("idle"))
        + QStringLiteral("; ") + judgeOne(fullMiB, FullMemoryGoalMiB, QStringLiteral("full"));
    return verdicts;
}

QString ms(double value)
{
    if (value < 0)
        return QStringLiteral("—");
    return QString::number(value, 'f', value < 10 ? 2 : value < 100 ? 1 : 0);
}

QString machine()
{
    QFile cpuInfo(QStringLiteral("/proc/cpuinfo"));
    QString model = QStringLiteral("unknown processor");
    if (cpuInfo.open(QIODevice::ReadOnly)) {
        const auto lines = QString::fromLatin1(cpuInfo.readAll()).split(QLatin1Char('\n'));
        for (const QString &line : lines) {
            if (line.startsWith(QStringLiteral("model name"))) {
                model = line.section(QLatin1Char(':'), 1).trimmed();
                break;
            }
        }
    }
    return model + QStringLiteral(", ") + QString::number(QThread::idealThreadCount())
        + QStringLiteral(" cores, ") + QSysInfo::prettyProductName() + QStringLiteral(", Qt ")
        + QString::fromLatin1(qVersion()) + QStringLiteral(", platform ")
        + QGuiApplication::platformName();
}

void printLine(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
}

} // namespace bench
