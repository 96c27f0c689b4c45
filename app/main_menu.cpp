#include "app/main_menu.h"

#include "app/window_size.h"
#include "base/language.h"
#include "rules/level_and_operation.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

QMenu *addMenu(QWidget *parent, const QString &name, const QString &caption)
{
    auto *menu = new QMenu(caption, parent);
    menu->setObjectName(name);
    if (auto *bar = qobject_cast<QMenuBar *>(parent))
        bar->addMenu(menu);
    else if (auto *owner = qobject_cast<QMenu *>(parent))
        owner->addMenu(menu);
    return menu;
}

QAction *addItem(QMenu *menu, const QString &name, const QString &caption,
    const QKeySequence &shortcut = QKeySequence())
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(name);
    item->setShortcut(shortcut);
    return item;
}

void addSeparator(QMenu *menu, const QString &name)
{
    menu->addSeparator()->setObjectName(name);
}

// Exactly one item of the group carries the check mark after any command.
QAction *addRadioItem(QMenu *menu, QActionGroup *group, const QString &name, const QString &caption,
    const QKeySequence &shortcut = QKeySequence())
{
    QAction *item = addItem(menu, name, caption, shortcut);
    item->setCheckable(true);
    group->addAction(item);
    return item;
}

} // namespace

QAction *MainMenu::operationItem(qint16 operationCode) const
{
    if (operationCode < 1 || operationCode > 4)
        return nullptr;
    return operationItems()[operationCode - 1];
}

QAction *MainMenu::levelItem(qint16 levelCode) const
{
    if (levelCode < 0 || levelCode > 4)
        return nullptr;
    return levels[levelCode];
}

std::array<QAction *, 4> MainMenu::operationItems() const
{
    return { mnuOptOperAdd, mnuOptOperSub, mnuOptOperMult, mnuOptOperDiv };
}

QAction *MainMenu::windowSizeItem(tutor::WindowSize size) const
{
    switch (size) {
    case tutor::WindowSize::Desktop:
        return mnuOptSizeDesktop;
    case tutor::WindowSize::Percent100:
        return mnuOptSize100;
    case tutor::WindowSize::Percent150:
        return mnuOptSize150;
    case tutor::WindowSize::Percent200:
        return mnuOptSize200;
    }
    return nullptr;
}

void MainMenu::enableLevelItems(bool myFacts, bool division) const
{
    for (std::size_t level = 0; level < levels.size(); ++level) {
        const bool upper = level > std::size_t(tutor::code(tutor::Level::Beginner));
        levels[level]->setEnabled(!myFacts && !(upper && division));
        levels[level]->setStatusTip(myFacts
                ? QStringLiteral("My Facts is on: the pupil's own facts are asked, whatever the "
                                 "level. Turn it off to choose a level.")
                : levelTips[level]);
    }
}

QAction *MainMenu::languageItem(const QString &code) const
{
    for (QAction *item : languageItems) {
        if (item->data().toString() == code)
            return item;
    }
    return mnuOptLanguageSystem;
}

MainMenu buildMainMenu(QMenuBar *bar)
{
    MainMenu m;

    m.mnuFile = addMenu(bar, QStringLiteral("mnuFile"), QStringLiteral("&File"));
    m.mnuFileWork = addItem(m.mnuFile, QStringLiteral("mnuFileWork"), QStringLiteral("&Work Mode"));
    addSeparator(m.mnuFile, QStringLiteral("hyphen10"));
    m.mnuFileResetScore = addItem(
        m.mnuFile, QStringLiteral("mnuFileResetScore"), QStringLiteral("Reset &Score Card"));
    m.mnuFileResetMB
        = addItem(m.mnuFile, QStringLiteral("mnuFileResetMB"), QStringLiteral("Reset &D-Avuvodu"));
    addSeparator(m.mnuFile, QStringLiteral("hyphen9"));
    m.mnuFileExit = addItem(m.mnuFile, QStringLiteral("mnuFileExit"), QStringLiteral("&Exit"));

    m.mnuOptions = addMenu(bar, QStringLiteral("mnuOptions"), QStringLiteral("&Options"));
    m.mnuOptDiff
        = addMenu(m.mnuOptions, QStringLiteral("mnuOptDiff"), QStringLiteral("&Difficulty"));
    auto *levelGroup = new QActionGroup(m.mnuOptDiff);
    const QString levelCaptions[] = { QStringLiteral("&Warm Up"), QStringLiteral("&Beginner"),
        QStringLiteral("&Intermediate"), QStringLiteral("&Advanced"), QStringLiteral("&Expert") };
    const QKeySequence levelKeys[] = { QKeySequence(), QKeySequence(Qt::Key_F1),
        QKeySequence(Qt::Key_F2), QKeySequence(Qt::Key_F3), QKeySequence(Qt::Key_F4) };
    for (int level = 0; level < 5; ++level) {
        m.levels[level] = addRadioItem(m.mnuOptDiff, levelGroup,
            QStringLiteral("mnuOptDiffLev%1").arg(level), levelCaptions[level], levelKeys[level]);
        m.levelTips[level] = m.levels[level]->statusTip();
    }

    m.mnuOptOper
        = addMenu(m.mnuOptions, QStringLiteral("mnuOptOper"), QStringLiteral("&Operation"));
    auto *operationGroup = new QActionGroup(m.mnuOptOper);
    m.mnuOptOperAdd = addRadioItem(m.mnuOptOper, operationGroup, QStringLiteral("mnuOptOperAdd"),
        QStringLiteral("&Addition"), QKeySequence(Qt::CTRL | Qt::Key_F1));
    m.mnuOptOperSub = addRadioItem(m.mnuOptOper, operationGroup, QStringLiteral("mnuOptOperSub"),
        QStringLiteral("&Subtraction"), QKeySequence(Qt::CTRL | Qt::Key_F2));
    m.mnuOptOperMult = addRadioItem(m.mnuOptOper, operationGroup, QStringLiteral("mnuOptOperMult"),
        QStringLiteral("&Multiplication"), QKeySequence(Qt::CTRL | Qt::Key_F3));
    m.mnuOptOperDiv = addRadioItem(m.mnuOptOper, operationGroup, QStringLiteral("mnuOptOperDiv"),
        QStringLiteral("&Division"), QKeySequence(Qt::CTRL | Qt::Key_F4));
    // Offered once a pupil is chosen: it asks that pupil's own facts.
    m.mnuOptMyFacts
        = addItem(m.mnuOptions, QStringLiteral("mnuOptMyFacts"), QStringLiteral("&My Facts"));
    m.mnuOptMyFacts->setCheckable(true);
    m.mnuOptMyFacts->setEnabled(false);
    m.mnuOptMyFacts->setStatusTip(
        QStringLiteral("Practise the pupil's own facts, each asked again when it is due; choose "
                       "a pupil first."));

    m.mnuOptScore
        = addMenu(m.mnuOptions, QStringLiteral("mnuOptScore"), QStringLiteral("&Score Card"));
    m.mnuOptScoreHide
        = addItem(m.mnuOptScore, QStringLiteral("mnuOptScoreHide"), QStringLiteral("&Hide"));
    m.mnuOptScoreShow
        = addItem(m.mnuOptScore, QStringLiteral("mnuOptScoreShow"), QStringLiteral("&Show"));
    addSeparator(m.mnuOptions, QStringLiteral("hyphen12"));
    m.mnuOptShowReport
        = addItem(m.mnuOptions, QStringLiteral("mnuOptShowReport"), QStringLiteral("Show &Report"));
    m.mnuOptHideReport
        = addItem(m.mnuOptions, QStringLiteral("mnuOptHideReport"), QStringLiteral("Hide &Report"));
    m.mnuOptionsWorksheet = addItem(
        m.mnuOptions, QStringLiteral("mnuOptionsWorksheet"), QStringLiteral("&Create Worksheet"));
    addSeparator(m.mnuOptions, QStringLiteral("hyphenWindowSize"));
    m.mnuOptWindowSize
        = addMenu(m.mnuOptions, QStringLiteral("mnuOptWindowSize"), QStringLiteral("Window &Size"));
    auto *sizeGroup = new QActionGroup(m.mnuOptWindowSize);
    m.mnuOptSizeDesktop = addRadioItem(m.mnuOptWindowSize, sizeGroup,
        QStringLiteral("mnuOptSizeDesktop"), QStringLiteral("&Desktop's Own Scale"));
    m.mnuOptSize100 = addRadioItem(
        m.mnuOptWindowSize, sizeGroup, QStringLiteral("mnuOptSize100"), QStringLiteral("&100 %"));
    m.mnuOptSize150 = addRadioItem(
        m.mnuOptWindowSize, sizeGroup, QStringLiteral("mnuOptSize150"), QStringLiteral("1&50 %"));
    m.mnuOptSize200 = addRadioItem(
        m.mnuOptWindowSize, sizeGroup, QStringLiteral("mnuOptSize200"), QStringLiteral("&200 %"));
    // Each language by its own name, so that a pupil finds theirs whatever
    // language the program speaks now.
    m.mnuOptLanguage
        = addMenu(m.mnuOptions, QStringLiteral("mnuOptLanguage"), QStringLiteral("&Language"));
    auto *languageGroup = new QActionGroup(m.mnuOptLanguage);
    m.mnuOptLanguageSystem = addRadioItem(m.mnuOptLanguage, languageGroup,
        QStringLiteral("mnuOptLanguageSystem"), QStringLiteral("&System default"));
    addSeparator(m.mnuOptLanguage, QStringLiteral("hyphenLanguages"));
    for (const language::ShippedLanguage &shipped : language::shippedLanguages()) {
        QAction *item = addRadioItem(m.mnuOptLanguage, languageGroup,
            QStringLiteral("mnuOptLanguage_%1").arg(shipped.code), shipped.name);
        item->setData(shipped.code);
        m.languageItems.append(item);
    }

    m.mnuGames = addMenu(bar, QStringLiteral("mnuGames"), QStringLiteral("&Games"));
    m.mnuGamesMissingNum = addItem(
        m.mnuGames, QStringLiteral("mnuGamesMissingNum"), QStringLiteral("Missing &Number"));
    m.mnuGamesMissingOper = addItem(
        m.mnuGames, QStringLiteral("mnuGamesMissingOper"), QStringLiteral("Missing &Operation"));
    m.mnuGamesTime
        = addItem(m.mnuGames, QStringLiteral("mnuGamesTime"), QStringLiteral("&Time Trial"));

    m.mnuPupil = addMenu(bar, QStringLiteral("mnuPupil"), QStringLiteral("&Pupil"));
    m.mnuPupilChoose
        = addItem(m.mnuPupil, QStringLiteral("mnuPupilChoose"), QStringLiteral("&Choose Pupil..."));
    m.mnuPupilProgress
        = addItem(m.mnuPupil, QStringLiteral("mnuPupilProgress"), QStringLiteral("My &Progress"));
    m.mnuPupilClass
        = addItem(m.mnuPupil, QStringLiteral("mnuPupilClass"), QStringLiteral("&Class Overview"));

    m.mnuHelp = addMenu(bar, QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    m.mnuHelpContents
        = addItem(m.mnuHelp, QStringLiteral("mnuHelpContents"), QStringLiteral("&Contents..."));
    m.mnuHelpWorksheet = addItem(
        m.mnuHelp, QStringLiteral("mnuHelpWorksheet"), QStringLiteral("&Worksheet Tutorial..."));
    addSeparator(m.mnuHelp, QStringLiteral("hyphen22"));
    m.mnuHelpOrviWeb = addItem(
        m.mnuHelp, QStringLiteral("mnuHelpOrviWeb"), QStringLiteral("&Orvi's Official Web Page"));
    m.mnuHelpWeb = addItem(
        m.mnuHelp, QStringLiteral("mnuHelpWeb"), QStringLiteral("&Visit Falwick Dot Com"));
    addSeparator(m.mnuHelp, QStringLiteral("hyphen4"));
    m.mnuHelpAbout = addItem(
        m.mnuHelp, QStringLiteral("mnuHelpAbout"), QStringLiteral("&About Orvi Math Tutor"));

    return m;
}
