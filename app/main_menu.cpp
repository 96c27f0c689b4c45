#include "app/main_menu.h"

#include "app/window_size.h"
#include "base/accessibility.h"
#include "base/language.h"
#include "base/screen.h"
#include "rules/level_and_operation.h"
#include "session/tutor_session.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <utility>

namespace {

QMenu *addMenu(QWidget *parent, const QString &name)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(name);
    if (auto *bar = qobject_cast<QMenuBar *>(parent))
        bar->addMenu(menu);
    else if (auto *owner = qobject_cast<QMenu *>(parent))
        owner->addMenu(menu);
    return menu;
}

QAction *addItem(QMenu *menu, const QString &name, const QKeySequence &shortcut = QKeySequence())
{
    QAction *item = menu->addAction(QString());
    item->setObjectName(name);
    item->setShortcut(shortcut);
    return item;
}

void addSeparator(QMenu *menu, const QString &name)
{
    menu->addSeparator()->setObjectName(name);
}

// Exactly one item of the group carries the check mark after any command.
QAction *addRadioItem(QMenu *menu, QActionGroup *group, const QString &name,
    const QKeySequence &shortcut = QKeySequence())
{
    QAction *item = addItem(menu, name, shortcut);
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
                ? tr("My Facts is on: the pupil's own facts are asked, whatever the level. Turn it "
                     "off to choose a level.")
                : QString());
    }
}

void MainMenu::markOperations(OperationMarks marks, qint16 currentOperationCode) const
{
    switch (marks) {
    case OperationMarks::Kept:
        break;
    case OperationMarks::CheckCurrent:
    case OperationMarks::SettleOnGame:
        if (QAction *current = operationItem(currentOperationCode))
            current->setChecked(true);
        break;
    case OperationMarks::Uncheck:
        for (QAction *item : operationItems())
            item->setChecked(false);
        break;
    }
}

void MainMenu::offerReportItem(bool reportShown) const
{
    mnuOptShowReport->setVisible(!reportShown);
    mnuOptHideReport->setVisible(reportShown);
}

void MainMenu::offerScoreItem(bool cardsShown) const
{
    QAction *offered = cardsShown ? mnuOptScoreHide : mnuOptScoreShow;
    QAction *withdrawn = cardsShown ? mnuOptScoreShow : mnuOptScoreHide;
    offered->setVisible(true);
    offered->setEnabled(true);
    withdrawn->setVisible(false);
    withdrawn->setEnabled(false);
}

void MainMenu::setMenusEnabled(bool enabled) const
{
    for (QMenu *menu : { mnuFile, mnuOptions, mnuGames, mnuPupil, mnuHelp })
        menu->setEnabled(enabled);
}

void MainMenu::switchItems(SwitchedItems items, bool enabled) const
{
    const std::pair<SwitchedItem, QAction *> switched[] = {
        { SwitchedItem::Options, mnuOptions->menuAction() },
        { SwitchedItem::WarmUp, levelItem(tutor::code(tutor::Level::WarmUp)) },
        { SwitchedItem::Addition, mnuOptOperAdd },
        { SwitchedItem::Subtraction, mnuOptOperSub },
        { SwitchedItem::Multiplication, mnuOptOperMult },
        { SwitchedItem::Division, mnuOptOperDiv },
        { SwitchedItem::ShowReport, mnuOptShowReport },
    };
    for (const auto &[item, action] : switched) {
        if (items.testFlag(item))
            action->setEnabled(enabled);
    }
}

void MainMenu::addScreenItems(const ScreenHost &host, const std::function<void(Screen *)> &show)
{
    for (Screen *screen : host.screens()) {
        const QString menuName = host.entryMenu(screen);
        auto *menu = menuName.isEmpty() ? nullptr : mnuFile->parent()->findChild<QMenu *>(menuName);
        if (!menu)
            continue;
        QAction *item = addItem(menu, host.entryItem(screen));
        item->setText(screen->entryText());
        QObject::connect(item, &QAction::triggered, menu, [show, screen]() { show(screen); });
        screenItems.append({ item, screen });
    }
}

void MainMenu::tellChoice(QWidget *focused, const QAction *item) const
{
    if (focused)
        //: Heard after a level or operation was chosen by its key; %1 is its name as the
        //: menu shows it, a level ("Expert") or an operation ("Multiplication"). Word it so
        //: that it reads right with either.
        access::tell(focused, tr("You chose %1.").arg(item->text().remove(u'&')));
}

void MainMenu::connectLanguageItems(const std::function<void(const QString &)> &choose) const
{
    QObject::connect(mnuOptLanguageSystem, &QAction::triggered, mnuOptLanguage,
        [choose]() { choose(QString()); });
    for (QAction *item : languageItems) {
        QObject::connect(item, &QAction::triggered, mnuOptLanguage,
            [choose, item]() { choose(item->data().toString()); });
    }
    languageItem(language::chosenLanguage())->setChecked(true);
}

// The level items do not look at whether they are enabled: the worksheet's
// list may choose a level that Division disabled.
void MainMenu::followSession(
    TutorSession &session, const std::function<void()> &enableLevelItems) const
{
    QObject::connect(&session, &TutorSession::levelChanged, mnuOptDiff, [this](tutor::Level level) {
        if (QAction *item = levelItem(tutor::code(level)))
            item->setChecked(true);
    });
    QObject::connect(&session, &TutorSession::operationChanged, mnuOptOper,
        [this, enableLevelItems](tutor::Operation operation) {
            // The current level stays as it is, even when its item is now
            // disabled.
            enableLevelItems();
            if (QAction *item = operationItem(tutor::code(operation)))
                item->setChecked(true);
        });
}

void MainMenu::retranslate()
{
    for (const auto &[item, screen] : std::as_const(screenItems))
        item->setText(screen->entryText());
    mnuFile->setTitle(tr("&File"));
    mnuFileWork->setText(tr("&Work Mode"));
    mnuFileResetScore->setText(tr("Reset &Score Card"));
    //: D-Avuvodu is the name of the browser panel; keep it as it is.
    mnuFileResetMB->setText(tr("Reset &D-Avuvodu"));
    mnuFileExit->setText(tr("&Exit"));

    mnuOptions->setTitle(tr("&Options"));
    mnuOptDiff->setTitle(tr("&Difficulty"));
    levels[0]->setText(tr("&Warm Up", "level"));
    levels[1]->setText(tr("&Beginner", "level"));
    levels[2]->setText(tr("&Intermediate", "level"));
    levels[3]->setText(tr("&Advanced", "level"));
    levels[4]->setText(tr("&Expert", "level"));
    mnuOptOper->setTitle(tr("&Operation"));
    mnuOptOperAdd->setText(tr("&Addition"));
    mnuOptOperSub->setText(tr("&Subtraction"));
    mnuOptOperMult->setText(tr("&Multiplication"));
    mnuOptOperDiv->setText(tr("&Division"));
    mnuOptMyFacts->setText(tr("&My Facts"));
    mnuOptMyFacts->setStatusTip(tr("Practise the pupil's own facts, each asked again when it is "
                                   "due; choose a pupil first."));
    mnuOptScore->setTitle(tr("&Score Card"));
    mnuOptScoreHide->setText(tr("&Hide", "score card"));
    mnuOptScoreShow->setText(tr("&Show", "score card"));
    mnuOptShowReport->setText(tr("Show &Report"));
    mnuOptHideReport->setText(tr("Hide &Report"));
    mnuOptionsWorksheet->setText(tr("&Create Worksheet"));
    mnuOptWindowSize->setTitle(tr("&Window Size"));
    mnuOptSizeDesktop->setText(tr("&Desktop's Own Scale"));
    mnuOptSize100->setText(tr("&100 %"));
    mnuOptSize150->setText(tr("1&50 %"));
    mnuOptSize200->setText(tr("&200 %"));
    mnuOptLanguage->setTitle(tr("&Language"));
    //: Follows the language of the desktop.
    mnuOptLanguageSystem->setText(tr("&System default"));

    mnuGames->setTitle(tr("&Games"));
    mnuGamesMissingNum->setText(tr("Missing &Number"));
    mnuGamesMissingOper->setText(tr("Missing &Operation"));
    mnuGamesTime->setText(tr("&Time Trial"));

    mnuPupil->setTitle(tr("&Pupil"));
    mnuPupilChoose->setText(tr("&Choose Pupil..."));
    mnuPupilProgress->setText(tr("My &Progress"));
    mnuPupilClass->setText(tr("C&lass Overview"));
    mnuPupilRestore->setText(tr("&Restore Backup..."));

    mnuHelp->setTitle(tr("&Help"));
    mnuHelpContents->setText(tr("&Contents..."));
    mnuHelpWorksheet->setText(tr("&Worksheet Tutorial..."));
    mnuHelpOrviWeb->setText(tr("&Orvi's Official Web Page"));
    //: Falwick Dot Com is the makers' web site; keep the name as it is.
    mnuHelpWeb->setText(tr("&Visit Falwick Dot Com"));
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

    m.mnuFile = addMenu(bar, QStringLiteral("mnuFile"));
    m.mnuFileWork = addItem(m.mnuFile, QStringLiteral("mnuFileWork"));
    addSeparator(m.mnuFile, QStringLiteral("hyphen10"));
    m.mnuFileResetScore = addItem(m.mnuFile, QStringLiteral("mnuFileResetScore"));
    m.mnuFileResetMB = addItem(m.mnuFile, QStringLiteral("mnuFileResetMB"));
    addSeparator(m.mnuFile, QStringLiteral("hyphen9"));
    m.mnuFileExit = addItem(m.mnuFile, QStringLiteral("mnuFileExit"));

    m.mnuOptions = addMenu(bar, QStringLiteral("mnuOptions"));
    m.mnuOptDiff = addMenu(m.mnuOptions, QStringLiteral("mnuOptDiff"));
    auto *levelGroup = new QActionGroup(m.mnuOptDiff);
    const QKeySequence levelKeys[] = { QKeySequence(), QKeySequence(Qt::Key_F1),
        QKeySequence(Qt::Key_F2), QKeySequence(Qt::Key_F3), QKeySequence(Qt::Key_F4) };
    for (int level = 0; level < 5; ++level) {
        m.levels[level] = addRadioItem(m.mnuOptDiff, levelGroup,
            QStringLiteral("mnuOptDiffLev%1").arg(level), levelKeys[level]);
    }

    m.mnuOptOper = addMenu(m.mnuOptions, QStringLiteral("mnuOptOper"));
    auto *operationGroup = new QActionGroup(m.mnuOptOper);
    m.mnuOptOperAdd = addRadioItem(m.mnuOptOper, operationGroup, QStringLiteral("mnuOptOperAdd"),
        QKeySequence(Qt::CTRL | Qt::Key_F1));
    m.mnuOptOperSub = addRadioItem(m.mnuOptOper, operationGroup, QStringLiteral("mnuOptOperSub"),
        QKeySequence(Qt::CTRL | Qt::Key_F2));
    m.mnuOptOperMult = addRadioItem(m.mnuOptOper, operationGroup, QStringLiteral("mnuOptOperMult"),
        QKeySequence(Qt::CTRL | Qt::Key_F3));
    m.mnuOptOperDiv = addRadioItem(m.mnuOptOper, operationGroup, QStringLiteral("mnuOptOperDiv"),
        QKeySequence(Qt::CTRL | Qt::Key_F4));
    // Offered once a pupil is chosen: it asks that pupil's own facts.
    m.mnuOptMyFacts = addItem(m.mnuOptions, QStringLiteral("mnuOptMyFacts"));
    m.mnuOptMyFacts->setCheckable(true);
    m.mnuOptMyFacts->setEnabled(false);

    m.mnuOptScore = addMenu(m.mnuOptions, QStringLiteral("mnuOptScore"));
    m.mnuOptScoreHide = addItem(m.mnuOptScore, QStringLiteral("mnuOptScoreHide"));
    m.mnuOptScoreShow = addItem(m.mnuOptScore, QStringLiteral("mnuOptScoreShow"));
    addSeparator(m.mnuOptions, QStringLiteral("hyphen12"));
    m.mnuOptShowReport = addItem(m.mnuOptions, QStringLiteral("mnuOptShowReport"));
    m.mnuOptHideReport = addItem(m.mnuOptions, QStringLiteral("mnuOptHideReport"));
    m.mnuOptionsWorksheet = addItem(m.mnuOptions, QStringLiteral("mnuOptionsWorksheet"));
    addSeparator(m.mnuOptions, QStringLiteral("hyphenWindowSize"));
    m.mnuOptWindowSize = addMenu(m.mnuOptions, QStringLiteral("mnuOptWindowSize"));
    auto *sizeGroup = new QActionGroup(m.mnuOptWindowSize);
    m.mnuOptSizeDesktop
        = addRadioItem(m.mnuOptWindowSize, sizeGroup, QStringLiteral("mnuOptSizeDesktop"));
    m.mnuOptSize100 = addRadioItem(m.mnuOptWindowSize, sizeGroup, QStringLiteral("mnuOptSize100"));
    m.mnuOptSize150 = addRadioItem(m.mnuOptWindowSize, sizeGroup, QStringLiteral("mnuOptSize150"));
    m.mnuOptSize200 = addRadioItem(m.mnuOptWindowSize, sizeGroup, QStringLiteral("mnuOptSize200"));
    // Each language by its own name, so that a pupil finds theirs whatever
    // language the program speaks now.
    m.mnuOptLanguage = addMenu(m.mnuOptions, QStringLiteral("mnuOptLanguage"));
    auto *languageGroup = new QActionGroup(m.mnuOptLanguage);
    m.mnuOptLanguageSystem
        = addRadioItem(m.mnuOptLanguage, languageGroup, QStringLiteral("mnuOptLanguageSystem"));
    addSeparator(m.mnuOptLanguage, QStringLiteral("hyphenLanguages"));
    for (const language::ShippedLanguage &shipped : language::shippedLanguages()) {
        QAction *item = addRadioItem(
            m.mnuOptLanguage, languageGroup, QStringLiteral("mnuOptLanguage_%1").arg(shipped.code));
        item->setText(shipped.name);
        item->setData(shipped.code);
        m.languageItems.append(item);
    }

    m.mnuGames = addMenu(bar, QStringLiteral("mnuGames"));
    m.mnuGamesMissingNum = addItem(m.mnuGames, QStringLiteral("mnuGamesMissingNum"));
    m.mnuGamesMissingOper = addItem(m.mnuGames, QStringLiteral("mnuGamesMissingOper"));
    m.mnuGamesTime = addItem(m.mnuGames, QStringLiteral("mnuGamesTime"));

    m.mnuPupil = addMenu(bar, QStringLiteral("mnuPupil"));
    m.mnuPupilChoose = addItem(m.mnuPupil, QStringLiteral("mnuPupilChoose"));
    m.mnuPupilProgress = addItem(m.mnuPupil, QStringLiteral("mnuPupilProgress"));
    m.mnuPupilClass = addItem(m.mnuPupil, QStringLiteral("mnuPupilClass"));
    m.mnuPupilRestore = addItem(m.mnuPupil, QStringLiteral("mnuPupilRestore"));

    m.mnuHelp = addMenu(bar, QStringLiteral("mnuHelp"));
    m.mnuHelpContents = addItem(m.mnuHelp, QStringLiteral("mnuHelpContents"));
    m.mnuHelpWorksheet = addItem(m.mnuHelp, QStringLiteral("mnuHelpWorksheet"));
    addSeparator(m.mnuHelp, QStringLiteral("hyphen22"));
    m.mnuHelpOrviWeb = addItem(m.mnuHelp, QStringLiteral("mnuHelpOrviWeb"));
    m.mnuHelpWeb = addItem(m.mnuHelp, QStringLiteral("mnuHelpWeb"));
    addSeparator(m.mnuHelp, QStringLiteral("hyphen4"));

    m.retranslate();
    return m;
}
