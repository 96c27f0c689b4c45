// Choosing who practises, and every answer kept for them across sessions.

#include "base/maker_info.h"
#include "progress/class_screen.h"
#include "progress/progress_store.h"
#include "progress/pupil_dialog.h"
#include "progress/pupil_names.h"
#include "tests/test_support.h"

#include <QAbstractItemView>
#include <QBuffer>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>
#include <QWindow>
#include <QtTest>

using namespace Qt::StringLiterals;
using testsupport::named;
using tutor::AnswerMode;
using tutor::Operation;

namespace {

const QString Title = u"Orvi Math Tutor"_s;

QString progressFile(const QString &folder)
{
    return folder + u"/progress/progress.sqlite"_s;
}

QStringList pupilNames(progress::ProgressStore &store)
{
    QStringList names;
    for (const progress::Pupil &pupil : store.pupils())
        names << pupil.name;
    return names;
}

// The title as the desktop shows it.
QString shownTitle(MainWindow &window)
{
    return window.windowHandle() ? window.windowHandle()->title() : u"<no window>"_s;
}

// Opens "Choose Pupil...": the dialog waits for the keyboard without
// holding up the program.
QDialog *openChooser(MainWindow &window)
{
    if (!testsupport::invokeHandler(&window, "mnuPupilChoose_Click"))
        return nullptr;
    // One closed before may wait to be deleted.
    for (QDialog *dialog : window.findChildren<QDialog *>(u"dlgChoosePupil"_s)) {
        if (dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

// Answers once in practice or a game, as the pupil does, a problem put in
// front of them: 3 + 4 in practice, 3 + ? = 7, 9 ? 4 = 5 (drawn as -) and
// 6 + 2 in the Time Trial; in My Facts the first fact it asks, 0 + 0.
void answer(MainWindow &window, AnswerMode mode, const QString &typed)
{
    switch (mode) {
    case AnswerMode::Practice:
        testsupport::setPracticeProblem(window, 3, 4, 1);
        testsupport::answerPractice(window, typed);
        return;
    case AnswerMode::MyFacts:
        testsupport::invokeHandler(&window, "mnuOptMyFacts_Click");
        testsupport::answerPractice(window, typed);
        return;
    case AnswerMode::MissingNumber: {
        testsupport::invokeHandler(&window, "mnuGamesMissingNum_Click");
        testsupport::changeState(window, [](TutorState &state) {
            state.MissingNumberTop = 3;
            state.MissingNumberBottom = 7;
        });
        auto *box = named<QLineEdit>(&window, u"txtAnswerGame1"_s);
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Return);
        return;
    }
    case AnswerMode::MissingOperation:
        testsupport::invokeHandler(&window, "mnuGamesMissingOper_Click");
        testsupport::changeState(window, [](TutorState &state) {
            state.MissingOperationFirst = 9;
            state.MissingOperationSecond = 4;
            state.MissingOperationResult = 5;
            state.MissingOperationCode = 2;
        });
        testsupport::clickAfterAPause(named<QRadioButton>(&window, typed));
        return;
    case AnswerMode::TimeTrial: {
        testsupport::invokeHandler(&window, "mnuGamesTime_Click");
        testsupport::clickAfterAPause(named<QPushButton>(&window, u"cmdStartGame3"_s));
        testsupport::changeState(window, [](TutorState &state) {
            state.TimeTrialFirst = 6;
            state.TimeTrialSecond = 2;
        });
        auto *box = named<QLineEdit>(&window, u"txtAnswerGame3"_s);
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Return);
        return;
    }
    }
}

} // namespace

class PupilsTest : public QObject
{
    Q_OBJECT

private slots:
    void progressLivesWithTheUsersFiles_data();
    void progressLivesWithTheUsersFiles();
    void namesStandForOnePupilEach_data();
    void namesStandForOnePupilEach();
    void choosingMakesThePupilCurrentAndNamesThemSafely_data();
    void choosingMakesThePupilCurrentAndNamesThemSafely();
    void everyAnswerIsKeptForTheChosenPupilOnly_data();
    void everyAnswerIsKeptForTheChosenPupilOnly();
    void theDialogChoosesByKeyboard_data();
    void theDialogChoosesByKeyboard();
    void progressNeedsAPupil();
    void progressScreensShowAndActOnWhatWasKept();
    void troubleWithTheProgressFileIsToldOnce_data();
    void troubleWithTheProgressFileIsToldOnce();
    void eachPupilPractisesInASessionOfTheirOwn();
    void progressScreensFollowThePupilAndNewAnswers_data();
    void progressScreensFollowThePupilAndNewAnswers();
    void backupsAreRestoredFromTheMenuOrAfterDamage_data();
    void backupsAreRestoredFromTheMenuOrAfterDamage();
};

void PupilsTest::progressLivesWithTheUsersFiles_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<bool>("besideProgram");
    QTest::newRow("portable copy that can write its folder") << u"portable"_s << true;
    // A path through a plain file cannot be written, not even by root.
    QTest::newRow("portable copy that cannot") << u"unwritable"_s << false;
    QTest::newRow("installed copy") << u"installed"_s << false;
}

void PupilsTest::progressLivesWithTheUsersFiles()
{
    QFETCH(QString, layout);
    QFETCH(bool, besideProgram);
    QTemporaryDir root;
    QString program = root.filePath(u"portable"_s);
    if (layout == u"unwritable"_s) {
        QFile plain(root.filePath(u"plain"_s));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        program = plain.fileName() + u"/orvi"_s;
    } else if (layout == u"installed"_s) {
        program = root.filePath(u"usr/bin"_s);
        QVERIFY(QDir().mkpath(
            root.filePath(u"usr/share/"_s + QLatin1String(tutor::ApplicationId) + u"/html"_s)));
        QVERIFY(QDir().mkpath(program));
    } else {
        QVERIFY(QDir().mkpath(program));
    }
    const QString data = root.filePath(u"home/.local/share/Orvi Math Tutor"_s);
    const ProgramFolders folders(program, root.filePath(u"home/Documents/Orvi Math Tutor"_s), data);
    QCOMPARE(folders.dataFolder(), besideProgram ? program + u"/progress"_s : data);

    // The user's own is where the desktop keeps programs' data.
    const QByteArray home = qgetenv("HOME");
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", QFile::encodeName(root.filePath(u"home"_s)));
    qunsetenv("XDG_DATA_HOME");
    const QString usersOwn = ProgramFolders::userDataFolder();
    qputenv("HOME", home);
    if (!dataHome.isNull())
        qputenv("XDG_DATA_HOME", dataHome);
    QCOMPARE(usersOwn, data);
}

void PupilsTest::namesStandForOnePupilEach_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pupil");
    QTest::addColumn<bool>("samePupil");
    QTest::addColumn<bool>("finds"); // the typed name finds the pupil
    QTest::addColumn<bool>("blank"); // the typed name has nothing to see

    QTest::newRow("case") << u"tom li"_s << u"Tom Li"_s << true << true << false;
    QTest::newRow("blanks around and inside")
        << u" tom \u00a0 li "_s << u"Tom Li"_s << true << true << false;
    QTest::newRow("line break") << u"Ann\r\nLee"_s << u"Ann Lee"_s << true << true << false;
    QTest::newRow("accent apart or composed")
        << u"Zoe\u0308"_s << u"Zo\u00eb"_s << true << true << false;
    QTest::newRow("invisible marks") << u"\u202eAnn\u200f"_s << u"Ann"_s << true << true << false;
    QTest::newRow("accents aside") << u"zoe"_s << u"Zo\u00eb"_s << false << true << false;
    QTest::newRow("part of a name") << u"O\u00cb L"_s << u"Zoe Li"_s << false << true << false;
    QTest::newRow("another name") << u"Anna"_s << u"Ann"_s << false << false << false;
    QTest::newRow("fillers and joiners")
        << u"\u3164\u200d\u2800"_s << u"Ann"_s << false << false << true;
    QTest::newRow("format marks and blanks")
        << u"\u2060\u00a0\ufe0f\u200c"_s << u"Ann"_s << false << false << true;
    QTest::newRow("a letter among fillers") << u"\u3164A"_s << u"Ann"_s << false << false << false;
}

void PupilsTest::namesStandForOnePupilEach()
{
    QFETCH(QString, typed);
    QFETCH(QString, pupil);
    QFETCH(bool, samePupil);
    QFETCH(bool, finds);
    QFETCH(bool, blank);
    QCOMPARE(progress::pupilNameKey(typed) == progress::pupilNameKey(pupil), samePupil);
    QCOMPARE(progress::pupilSearchKey(pupil).contains(progress::pupilSearchKey(typed)), finds);
    QCOMPARE(progress::isBlankName(typed), blank);
}

void PupilsTest::choosingMakesThePupilCurrentAndNamesThemSafely_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("shown"); // in the title and the dialog's list

    QTest::newRow("plain") << u"Ann"_s << u"Ann"_s << u"Ann"_s;
    QTest::newRow("blanks around") << u"  Ann Lee "_s << u"Ann Lee"_s << u"Ann Lee"_s;
    QTest::newRow("quotes") << u"Nell \"Nellie\" O'Neil"_s << u"Nell \"Nellie\" O'Neil"_s
                            << u"Nell \"Nellie\" O'Neil"_s;
    QTest::newRow("comma") << u"Lee, Ann"_s << u"Lee, Ann"_s << u"Lee, Ann"_s;
    QTest::newRow("line breaks") << u"Ann\nLee\r\nJr"_s << u"Ann\nLee\r\nJr"_s << u"Ann Lee Jr"_s;
    QTest::newRow("markup") << u"<script>alert(1)</script>"_s << u"<script>alert(1)</script>"_s
                            << u"<script>alert(1)</script>"_s;
    // A direction override would turn the rest of the title around.
    QTest::newRow("right-to-left marks")
        << u"\u202EAnn\u200F"_s << u"\u202EAnn\u200F"_s << u"Ann"_s;
    QTest::newRow("right-to-left letters")
        << u"\u05D3\u05E0\u05D4"_s << u"\u05D3\u05E0\u05D4"_s << u"\u05D3\u05E0\u05D4"_s;
    // "[*]" in a title is where the desktop puts a changed-file mark.
    QTest::newRow("title mark") << u"Star [*]"_s << u"Star [*]"_s << u"Star [*]"_s;
}

void PupilsTest::choosingMakesThePupilCurrentAndNamesThemSafely()
{
    QFETCH(QString, name);
    QFETCH(QString, kept);
    QFETCH(QString, shown);
    testsupport::TutorFixture fixture;
    testsupport::MessageBoxCloser closer;
    MainWindow &window = fixture.window();
    QCOMPARE(shownTitle(window), Title);

    window.choosePupil(name);
    QVERIFY(window.pupil().isChosen());
    QCOMPARE(window.pupil().name(), kept);
    QCOMPARE(shownTitle(window), Title + u" - "_s + shown);
    progress::ProgressStore &store = window.pupil().store();
    QCOMPARE(pupilNames(store), QStringList(kept));
    QVERIFY(QFileInfo(progressFile(fixture.folder())).isFile());

    // Chosen again, by name or in the dialog, the pupil is the same one.
    const std::optional<qint64> id = window.pupil().id();
    window.choosePupil(name);
    QDialog *dialog = openChooser(window);
    QVERIFY(dialog);
    auto *list = named<QListView>(dialog, u"lstPupils"_s);
    QCOMPARE(testsupport::listTexts(list), QStringList(shown));
    QTest::keyClick(named<QLineEdit>(dialog, u"txtPupilName"_s), Qt::Key_Down);
    QTest::keyClick(named<QLineEdit>(dialog, u"txtPupilName"_s), Qt::Key_Return);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(window.pupil().id(), id);
    QCOMPARE(pupilNames(store), QStringList(kept));
    QCOMPARE(shownTitle(window), Title + u" - "_s + shown);
    QVERIFY(!testsupport::isShown(window, "lblNobodyChosen"));

    // Choosing nobody: practice goes on, kept for no one, and the pupil's
    // screen says so.
    dialog = openChooser(window);
    QVERIFY(dialog);
    auto *nobody = named<QPushButton>(dialog, u"cmdNoPupil"_s);
    QVERIFY(nobody && nobody->isVisible());
    QVERIFY(!nobody->accessibleDescription().isEmpty());
    nobody->click();
    QVERIFY(!dialog->isVisible());
    QVERIFY(!window.pupil().isChosen());
    QCOMPARE(shownTitle(window), Title);
    QVERIFY(testsupport::isShown(window, "lblNobodyChosen"));
    answer(window, AnswerMode::Practice, u"7"_s);
    QCOMPARE(store.attemptCount(), 0);
    QCOMPARE(pupilNames(store), QStringList(kept));
    QCOMPARE(closer.texts, QStringList());
}

void PupilsTest::everyAnswerIsKeptForTheChosenPupilOnly_data()
{
    QTest::addColumn<AnswerMode>("mode");
    QTest::addColumn<QString>("given"); // typed, or the button clicked
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("second");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<QByteArray>("exported"); // the export's activity and level

    QTest::newRow("practice") << AnswerMode::Practice << u"7"_s << true << Operation::Addition
                              << 3.0 << 4.0 << u"7"_s << u"7"_s << true
                              << QByteArray(",practice,Warm Up,");
    QTest::newRow("practice, typed kept as typed")
        << AnswerMode::Practice << u"7.2 "_s << true << Operation::Addition << 3.0 << 4.0
        << u"7.2 "_s << u"7"_s << true << QByteArray(",practice,Warm Up,");
    QTest::newRow("missing number")
        << AnswerMode::MissingNumber << u"5"_s << true << Operation::Addition << 3.0 << 4.0
        << u"5"_s << u"4"_s << false << QByteArray(",missing number,Warm Up,");
    QTest::newRow("missing operation")
        << AnswerMode::MissingOperation << u"optSubGame2"_s << true << Operation::Subtraction << 9.0
        << 4.0 << u"-"_s << u"-"_s << true << QByteArray(",missing operation,Warm Up,");
    QTest::newRow("missing operation, times")
        << AnswerMode::MissingOperation << u"optMulGame2"_s << true << Operation::Subtraction << 9.0
        << 4.0 << u"x"_s << u"-"_s << false << QByteArray(",missing operation,Warm Up,");
    QTest::newRow("time trial") << AnswerMode::TimeTrial << u"8"_s << true << Operation::Addition
                                << 6.0 << 2.0 << u"8"_s << u"8"_s << true
                                << QByteArray(",time trial,Warm Up,");
    // The level was greyed out while My Facts asked: none is exported.
    QTest::newRow("my facts") << AnswerMode::MyFacts << u"1"_s << true << Operation::Addition << 0.0
                              << 0.0 << u"1"_s << u"0"_s << false
                              << QByteArray(",My Facts,,addition,");
    for (const auto &[mode, given] :
        { std::pair { AnswerMode::Practice, u"7"_s }, { AnswerMode::MissingNumber, u"4"_s },
            { AnswerMode::MissingOperation, u"optSubGame2"_s },
            { AnswerMode::TimeTrial, u"8"_s } }) {
        QTest::addRow("no pupil, mode %d", int(mode))
            << mode << given << false << Operation::Addition << 0.0 << 0.0 << QString() << QString()
            << false << QByteArray();
    }
}

void PupilsTest::everyAnswerIsKeptForTheChosenPupilOnly()
{
    QFETCH(AnswerMode, mode);
    QFETCH(QString, given);
    QFETCH(bool, chosen);
    QFETCH(Operation, operation);
    QFETCH(double, first);
    QFETCH(double, second);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(bool, correct);
    QFETCH(QByteArray, exported);
    testsupport::TutorFixture fixture;
    testsupport::MessageBoxCloser closer;
    MainWindow &window = fixture.window();
    if (chosen)
        window.choosePupil(u"Ann"_s);
    const QDateTime before = QDateTime::currentDateTimeUtc();

    answer(window, mode, given);
    const QDateTime after = QDateTime::currentDateTimeUtc();
    QCOMPARE(closer.texts, QStringList());
    if (!chosen) {
        // Not even a file is made.
        QVERIFY(!QFileInfo::exists(progressFile(fixture.folder())));
        window.choosePupil(u"Ann"_s);
        QCOMPARE(window.pupil().store().attemptCount(), 0);
        return;
    }
    const QList<tutor::Attempt> kept = window.pupil().store().attempts(*window.pupil().id());
    QCOMPARE(kept.size(), 1);
    const tutor::Attempt &attempt = kept.first();
    QCOMPARE(attempt.mode, mode);
    QCOMPARE(attempt.level, tutor::Level::WarmUp);
    QCOMPARE(attempt.operation, operation);
    QCOMPARE(attempt.first, first);
    QCOMPARE(attempt.second, second);
    QCOMPARE(attempt.typed, typed);
    QCOMPARE(attempt.expected, expected);
    QCOMPARE(attempt.correct, correct);
    // Kept to the millisecond.
    QVERIFY2(attempt.answeredAt >= before.addMSecs(-1) && attempt.answeredAt <= after,
        qPrintable(attempt.answeredAt.toString(Qt::ISODateWithMs)));
    QVERIFY(attempt.millis >= 0);
    QBuffer csv;
    csv.open(QIODevice::WriteOnly);
    QVERIFY(window.pupil().store().exportCsv(csv));
    QVERIFY2(csv.data().contains(exported), csv.data().constData());
}

void PupilsTest::theDialogChoosesByKeyboard_data()
{
    // Text typed, or "<Down>", "<Up>", "<Enter>", ...; "<Heard …>" checks
    // what the name box says at that point.
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("current"); // empty: none chosen
    QTest::addColumn<QStringList>("pupils");
    QTest::addColumn<QStringList>("listed"); // before the last key

    const QStringList both = { u"Ann"_s, u"Bob"_s };
    QTest::newRow("a new name and Enter add a pupil")
        << QStringList { u"Cy"_s, u"<Enter>"_s } << u"Cy"_s
        << QStringList { u"Ann"_s, u"Bob"_s, u"Cy"_s } << QStringList { u"Add pupil \"Cy\""_s };
    QTest::newRow("Down and Enter take the first pupil")
        << QStringList { u"<Down>"_s, u"<Enter>"_s } << u"Ann"_s << both << both;
    QTest::newRow("Up goes round to the last")
        << QStringList { u"<Up>"_s, u"<Enter>"_s } << u"Bob"_s << both << both;
    QTest::newRow("typing narrows the list") << QStringList { u"o"_s, u"<Down>"_s,
        u"<Enter>"_s } << u"Bob"_s << both << QStringList { u"Bob"_s, u"Add pupil \"o\""_s };
    QTest::newRow("a name already there is taken, whatever its case")
        << QStringList { u"bob"_s, u"<Enter>"_s } << u"Bob"_s << both << QStringList { u"Bob"_s };
    QTest::newRow("a name only begun takes the pupil found") << QStringList { u"An"_s,
        u"<Enter>"_s } << u"Ann"_s << both << QStringList { u"Ann"_s, u"Add pupil \"An\""_s };
    QTest::newRow("a name only begun is added from its own entry")
        << QStringList { u"An"_s, u"<Tab>"_s, u"<Down>"_s, u"<Enter>"_s } << u"An"_s
        << QStringList { u"An"_s, u"Ann"_s, u"Bob"_s }
        << QStringList { u"Ann"_s, u"Add pupil \"An\""_s };
    QTest::newRow("accents and case aside, the pupil is found") << QStringList { u" \u00c1NN"_s,
        u"<Enter>"_s } << u"Ann"_s << both << QStringList { u"Ann"_s, u"Add pupil \"\u00c1NN\""_s };
    QTest::newRow("a name of nothing to see is never offered")
        << QStringList { u"\u3164\u2800"_s, u"<Enter>"_s } << QString() << both << QStringList();
    // The characters left are shown once few are; a longer name is cut
    // where the pupil sees it, not later.
    const QString longest(60, u'z');
    QTest::newRow("the characters left are shown near the end")
        << QStringList { longest.left(55), u"<Enter>"_s } << longest.left(55)
        << QStringList { u"Ann"_s, u"Bob"_s, longest.left(55) }
        << QStringList { u"Add pupil \"%1\""_s.arg(longest.left(55)) };
    QTest::newRow("a name is cut at 60 characters as it is typed")
        << QStringList { longest + u"zz"_s, u"<Enter>"_s } << longest
        << QStringList { u"Ann"_s, u"Bob"_s, longest }
        << QStringList { u"Add pupil \"%1\""_s.arg(longest) };
    QTest::newRow("the name box says the pupil highlighted and its place")
        << QStringList { u"<Heard Type to find a pupil.>"_s, u"<Down>"_s, u"<Heard Ann, 1 of 2.>"_s,
               u"<Down>"_s, u"<Heard Bob, 2 of 2.>"_s, u"<Enter>"_s }
        << u"Bob"_s << both << both;
    QTest::newRow("back in the name box, Enter takes the pupil highlighted")
        << QStringList { u"An"_s, u"<Tab>"_s, u"<Down>"_s, u"<Up>"_s, u"<Backtab>"_s,
               u"<Heard Ann, 1 of 1.>"_s, u"<Enter>"_s }
        << u"Ann"_s << both << QStringList { u"Ann"_s, u"Add pupil \"An\""_s };
    QTest::newRow("typing again after the new entry highlights the pupil found")
        << QStringList { u"A"_s, u"<Tab>"_s, u"<Down>"_s, u"<Backtab>"_s,
               u"<Heard Add pupil \"A\">"_s, u"n"_s, u"<Heard Ann, 1 of 1.>"_s, u"<Enter>"_s }
        << u"Ann"_s << both << QStringList { u"Ann"_s, u"Add pupil \"n\""_s };
    QTest::newRow("Enter in the list takes its pupil")
        << QStringList { u"<Tab>"_s, u"<Down>"_s, u"<Enter>"_s } << u"Bob"_s << both << both;
    QTest::newRow("a double click takes its pupil")
        << QStringList { u"<DoubleClick 1>"_s } << u"Bob"_s << both << both;
    QTest::newRow("Enter on nothing does nothing")
        << QStringList { u"  "_s, u"<Enter>"_s } << QString() << both << both;
    QTest::newRow("Escape leaves everything as it was")
        << QStringList { u"Cy"_s, u"<Escape>"_s } << QString() << both << QStringList();
}

void PupilsTest::theDialogChoosesByKeyboard()
{
    QFETCH(QStringList, keys);
    QFETCH(QString, current);
    QFETCH(QStringList, pupils);
    QFETCH(QStringList, listed);
    testsupport::TutorFixture fixture;
    testsupport::MessageBoxCloser closer;
    MainWindow &window = fixture.window();
    QVERIFY(window.pupil().open());
    for (const QString &name : { u"Bob"_s, u"Ann"_s })
        QVERIFY(window.pupil().store().addPupil(name));

    QDialog *dialog = openChooser(window);
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), u"Choose Pupil"_s);
    auto *box = named<QLineEdit>(dialog, u"txtPupilName"_s);
    auto *list = named<QListView>(dialog, u"lstPupils"_s);
    QVERIFY(box && list);
    // Every part is named for a screen reader.
    for (QWidget *part : { static_cast<QWidget *>(box), static_cast<QWidget *>(list),
             static_cast<QWidget *>(named<QPushButton>(dialog, u"cmdChoosePupil"_s)),
             static_cast<QWidget *>(named<QPushButton>(dialog, u"cmdCancelPupil"_s)) }) {
        QVERIFY(part);
        QVERIFY2(!part->accessibleName().isEmpty() || !part->property("text").toString().isEmpty(),
            qPrintable(part->objectName()));
    }
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QCOMPARE(QApplication::focusWidget(), box);
    // Nobody is chosen: "No Pupil" has nothing to change.
    QVERIFY(!named<QPushButton>(dialog, u"cmdNoPupil"_s)->isVisible());

    QPointer<QDialog> watched(dialog);
    for (qsizetype at = 0; at < keys.size(); ++at) {
        const QString &key = keys.at(at);
        if (at == keys.size() - 1 && !listed.isEmpty())
            QCOMPARE(testsupport::listTexts(list), listed);
        if (at == keys.size() - 1)
            QCOMPARE(named<QLabel>(dialog, u"lblRoomLeft"_s)->text().contains(u"left"_s),
                box->text().size() > 50);
        QWidget *focused = QApplication::focusWidget();
        if (key == u"<Enter>")
            QTest::keyClick(focused, Qt::Key_Return);
        else if (key == u"<Down>")
            QTest::keyClick(focused, Qt::Key_Down);
        else if (key == u"<Up>")
            QTest::keyClick(focused, Qt::Key_Up);
        else if (key == u"<Escape>")
            QTest::keyClick(focused, Qt::Key_Escape);
        else if (key == u"<Tab>")
            QTest::keyClick(focused, Qt::Key_Tab);
        else if (key == u"<Backtab>")
            QTest::keyClick(focused, Qt::Key_Backtab, Qt::ShiftModifier);
        else if (key.startsWith(u"<Heard ")) {
            QCOMPARE(QApplication::focusWidget(), box);
            const QString words = key.mid(7).chopped(1);
            QVERIFY2(box->accessibleDescription().startsWith(words),
                qPrintable(box->accessibleDescription()));
        } else if (key.startsWith(u"<DoubleClick")) {
            // A double click comes after the click that begins it.
            const QPoint row
                = testsupport::rowRect(list, key.section(u' ', 1).chopped(1).toInt()).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row);
        } else {
            // Typed a character at a time; QTest spells out only ASCII keys.
            for (const QChar c : key)
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    QCOMPARE(pupilNames(window.pupil().store()), pupils);
    QCOMPARE(window.pupil().isChosen(), !current.isEmpty());
    QCOMPARE(window.pupil().name(), current);
    QCOMPARE(shownTitle(window), current.isEmpty() ? Title : Title + u" - "_s + current);
    // Closed once a pupil is taken; left open when nothing could be.
    const bool closes = !current.isEmpty() || keys.last() == u"<Escape>";
    QCOMPARE(watched && watched->isVisible(), !closes);
    QCOMPARE(closer.texts, QStringList());
}

// Without a pupil there is no progress to show, and the user is told so.
void PupilsTest::progressNeedsAPupil()
{
    testsupport::TutorFixture fixture;
    testsupport::MessageBoxCloser closer;
    MainWindow &window = fixture.window();
    for (const char *handler : { "mnuPupilProgress_Click", "mnuPupilClass_Click" })
        QVERIFY(testsupport::invokeHandler(&window, handler));
    QCOMPARE(closer.texts.size(), 2);
    for (const QString &text : std::as_const(closer.texts))
        QVERIFY2(text.contains(u"No pupil is chosen"_s), qPrintable(text));
    QVERIFY(!QFileInfo::exists(progressFile(fixture.folder())));

    window.choosePupil(u"Ann"_s);
    for (const char *handler : { "mnuPupilProgress_Click", "mnuPupilClass_Click" })
        QVERIFY(testsupport::invokeHandler(&window, handler));
    QCOMPARE(closer.texts.size(), 2);
    QVERIFY(!testsupport::isShown(window, "lblNobodyChosen"));

    // Where pupils are kept, the practice screen says from the start that
    // nobody is chosen; a computer without pupils never says it.
    testsupport::TutorFixture keeping([](const QString &folder) {
        progress::ProgressStore store(progressFile(folder));
        store.open(QDateTime::currentDateTimeUtc());
        QVERIFY(store.addPupil(u"Ann"_s));
    });
    testsupport::TutorFixture keepingNone;
    QCoreApplication::processEvents();
    QVERIFY(testsupport::isShown(keeping.window(), "lblNobodyChosen"));
    QVERIFY(!testsupport::isShown(keepingNone.window(), "lblNobodyChosen"));
    keeping.window().choosePupil(u"ann"_s);
    QCOMPARE(keeping.window().pupil().name(), u"Ann"_s);
    QVERIFY(!testsupport::isShown(keeping.window(), "lblNobodyChosen"));
    QCOMPARE(closer.texts.size(), 2);
}

// My Progress and the class overview show what was kept; the progress
// report and the export land in the reports folder; renaming and deleting
// the current pupil show in the title.
void PupilsTest::progressScreensShowAndActOnWhatWasKept()
{
    testsupport::TutorFixture fixture;
    testsupport::MessageBoxCloser closer;
    testsupport::UrlCapture browser;
    MainWindow &window = fixture.window();
    window.choosePupil(u"Ann \"<b>\""_s);
    answer(window, AnswerMode::Practice, u"7"_s);
    answer(window, AnswerMode::Practice, u"8"_s);
    // A fact missed often since it was last known, kept with its card.
    tutor::FactCard often;
    often.family = { tutor::Operation::Multiplication, 7, 8 };
    often.box = 1;
    often.missesSinceKnown = often.misses = often.answers = tutor::MissesToFlag;
    often.firstSeen = often.lastSeen = often.due = QDate::currentDate();
    tutor::Attempt missed;
    missed.answeredAt = QDateTime::currentDateTimeUtc();
    missed.operation = tutor::Operation::Multiplication;
    missed.first = 7;
    missed.second = 8;
    missed.typed = u"54"_s;
    missed.expected = u"56"_s;
    QVERIFY2(window.pupil().store().record(*window.pupil().id(), missed, often),
        qPrintable(window.pupil().store().lastError()));

    QVERIFY(testsupport::invokeHandler(&window, "mnuPupilProgress_Click"));
    QVERIFY(testsupport::isShown(window, "fraProgress"));
    QVERIFY(!testsupport::isShown(window, "fraMain"));
    auto *progressTable = named<QAbstractItemView>(&window, u"tblProgress"_s);
    QVERIFY(progressTable);
    const QString addition = progressTable->model()->index(0, 1).data().toString();
    QVERIFY2(addition.startsWith(u"2 "_s), qPrintable(addition));

    QVERIFY(testsupport::invokeHandler(&window, "cmdPrintProgress_Click"));
    const QString report = fixture.folder() + u"/reports/Ann __b__OrviProgress-1.html"_s;
    QVERIFY2(QFileInfo::exists(report),
        qPrintable(testsupport::everythingUnder(fixture.folder()).join(u'\n')));
    QVERIFY(testsupport::fileBytes(report).contains("Ann &quot;&lt;b&gt;&quot;"));
    QCOMPARE(browser.urls, QList<QUrl> { QUrl::fromLocalFile(report) });
    // The page has the grids of the operations answered and the fact to teach.
    const QString printed = QString::fromUtf8(testsupport::fileBytes(report));
    QVERIFY(printed.contains(u"<h3>Addition facts</h3>\r\n"_s));
    QVERIFY(printed.contains(u"<h3>Multiplication facts</h3>\r\n"_s));
    QVERIFY2(printed.contains(u"<h2>Facts that need teaching</h2>\r\n<p>7 \u00d7 8</p>"_s),
        qPrintable(printed));

    QVERIFY(testsupport::invokeHandler(&window, "mnuPupilClass_Click"));
    QVERIFY(testsupport::isShown(window, "fraClass"));
    QVERIFY(!testsupport::isShown(window, "fraProgress"));
    auto *classTable = named<QAbstractItemView>(&window, u"tblClass"_s);
    QCOMPARE(classTable->model()->rowCount(), 1);
    QVERIFY(testsupport::invokeHandler(&window, "cmdExportCsv_Click"));
    const QByteArray csv
        = testsupport::fileBytes(fixture.folder() + u"/reports/OrviProgress.csv"_s);
    QCOMPARE(csv.count("\r\n"), 4);
    QVERIFY2(csv.contains("\"Ann \"\"<b>\"\"\",") && csv.contains(",practice,"), csv.constData());

    progress::ProgressStore &store = window.pupil().store();
    // The teacher's time for a quick answer is the file's; a time it will
    // not keep is told, and the box goes back.
    auto *seconds = named<QSpinBox>(&window, u"spnQuickSeconds"_s);
    QVERIFY(seconds->isVisible());
    QCOMPARE(seconds->value(), progress::ProgressStore::DefaultQuickSeconds);
    const qsizetype told = closer.texts.size();
    seconds->setValue(6);
    QCOMPARE(store.quickSeconds(), 6);
    QCOMPARE(closer.texts.size(), told);
    emit named<ClassScreen>(&window, u"fraClass"_s)->quickSecondsChanged(11);
    QCOMPARE(closer.texts.size(), told + 1);
    QVERIFY2(closer.texts.last().contains(u"quick answer"_s), qPrintable(closer.texts.last()));
    QCOMPARE(seconds->value(), 6);

    const qint64 id = *window.pupil().id();
    emit named<ClassScreen>(&window, u"fraClass"_s)->renameRequested(id, u"Bea"_s);
    QCOMPARE(shownTitle(window), Title + u" - Bea"_s);
    QCOMPARE(pupilNames(store), QStringList { u"Bea"_s });
    emit named<ClassScreen>(&window, u"fraClass"_s)->deleteRequested(id);
    QCOMPARE(shownTitle(window), Title);
    // No pupil is left whose answers could be kept.
    QVERIFY(!testsupport::isShown(window, "lblNobodyChosen"));
    QVERIFY(pupilNames(store).isEmpty());
    QCOMPARE(classTable->model()->rowCount(), 0);
    QVERIFY(store.attempts(id).isEmpty());
}

void PupilsTest::troubleWithTheProgressFileIsToldOnce_data()
{
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<QString>("told");
    QTest::addColumn<int>("kept"); // answers kept afterwards; -1: none can be

    QTest::newRow("data folder cannot be made")
        << u"folder is a file"_s << u"cannot be kept: nothing will be kept"_s << -1;
    QTest::newRow("damaged file") << u"damaged"_s << u"damaged"_s << 2;
    QTest::newRow("file of a newer version") << u"newer"_s << u"newer version"_s << 0;
    // Answers refused one after another are told of once.
    QTest::newRow("answers refused") << u"pupil gone meanwhile"_s << u"could not be kept"_s << 0;
    QTest::newRow("a link at the file") << u"link"_s << u"symbolic link"_s << -1;
    QTest::newRow("no version in the file") << u"no version"_s << u"damaged"_s << 2;
    // The progress is kept all the same.
    QTest::newRow("no backup can be made") << u"backups blocked"_s << u"backup"_s << 2;
}

void PupilsTest::troubleWithTheProgressFileIsToldOnce()
{
    QFETCH(QString, trouble);
    QFETCH(QString, told);
    QFETCH(int, kept);
    testsupport::MessageBoxCloser closer;
    testsupport::TutorFixture fixture([&trouble](const QString &folder) {
        const QString file = progressFile(folder);
        QDir().mkpath(QFileInfo(file).path());
        if (trouble == u"folder is a file"_s) {
            QDir(QFileInfo(file).path()).removeRecursively();
            QFile plain(QFileInfo(file).path());
            QVERIFY(plain.open(QIODevice::WriteOnly));
        } else if (trouble == u"damaged"_s) {
            QFile damaged(file);
            QVERIFY(damaged.open(QIODevice::WriteOnly));
            damaged.write(QByteArray(8192, 'x'));
        } else if (trouble == u"newer"_s) {
            {
                progress::ProgressStore store(file);
                store.open(QDateTime::currentDateTimeUtc());
                QVERIFY(store.addPupil(u"Ann"_s));
            }
            {
                auto database = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"newer"_s);
                database.setDatabaseName(file);
                QVERIFY(database.open());
                QVERIFY(QSqlQuery(database).exec(u"UPDATE schema_version SET version = 999"_s));
                database.close();
            }
            QSqlDatabase::removeDatabase(u"newer"_s);
        } else if (trouble == u"link"_s) {
            QFile elsewhere(folder + u"/elsewhere.sqlite"_s);
            QVERIFY(elsewhere.open(QIODevice::WriteOnly));
            QVERIFY(QFile::link(elsewhere.fileName(), file));
        } else if (trouble == u"no version"_s) {
            {
                auto database = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"versionless"_s);
                database.setDatabaseName(file);
                QVERIFY(database.open());
                QVERIFY(QSqlQuery(database).exec(
                    u"CREATE TABLE schema_version (version INTEGER NOT NULL)"_s));
                database.close();
            }
            QSqlDatabase::removeDatabase(u"versionless"_s);
        } else if (trouble == u"backups blocked"_s) {
            {
                progress::ProgressStore store(file);
                store.open(QDateTime::currentDateTimeUtc());
                QVERIFY(store.addPupil(u"Ann"_s));
            }
            const QString backups = QFileInfo(file).path() + u"/backups"_s;
            QVERIFY(QDir(backups).removeRecursively());
            QFile plain(backups);
            QVERIFY(plain.open(QIODevice::WriteOnly));
        }
    });
    MainWindow &window = fixture.window();
    // A file already there is looked at once the window is up, and read
    // whole on a thread of its own.
    QCoreApplication::processEvents();
    window.pupil().finishDayCheck();
    QCOMPARE(closer.texts.size(),
        trouble == u"folder is a file"_s || trouble == u"pupil gone meanwhile"_s ? 0 : 1);

    window.choosePupil(u"Ann"_s);
    if (trouble == u"pupil gone meanwhile"_s)
        QVERIFY(window.pupil().store().deletePupil(*window.pupil().id()));
    for (const QString &given : { u"7"_s, u"8"_s })
        answer(window, AnswerMode::Practice, given);
    window.choosePupil(u"Ann"_s);
    QCoreApplication::processEvents();

    // The program goes on, and says it once.
    QCOMPARE(window.state().CorrectCount, qint16(1));
    QCOMPARE(window.state().IncorrectCount, qint16(1));
    QCOMPARE(closer.texts.size(), 1);
    QVERIFY2(closer.texts.first().contains(told), qPrintable(closer.texts.first()));
    QVERIFY(closer.shownAsPlainText.first());
    if (kept < 0) {
        QVERIFY(!window.pupil().isChosen());
        QCOMPARE(shownTitle(window), Title);
        // Asked for the pupils, it says why again, and no dialog opens.
        QVERIFY(testsupport::invokeHandler(&window, "mnuPupilChoose_Click"));
        QCOMPARE(closer.texts.size(), 2);
        QCOMPARE(closer.texts.last(), closer.texts.first());
        QVERIFY(!named<QDialog>(&window, u"dlgChoosePupil"_s));
        return;
    }
    QVERIFY(window.pupil().isChosen());
    QCOMPARE(window.pupil().store().attempts(*window.pupil().id()).size(), kept);
    if (trouble == u"damaged"_s) {
        QVERIFY2(closer.texts.first().contains(QDir::toNativeSeparators(fixture.folder())),
            qPrintable(closer.texts.first()));
        QCOMPARE(QDir(fixture.folder() + u"/progress"_s)
                     .entryList({ u"progress*.sqlite"_s }, QDir::Files)
                     .size(),
            2);
    }
}

// Zoe's answers never reach Tom's score cards, report panel or report; a
// trial running when the pupil changes stops; Zoe chosen again finds her
// session as she left it, and her deletion brings back the run without a
// pupil.
void PupilsTest::eachPupilPractisesInASessionOfTheirOwn()
{
    testsupport::TutorFixture fixture;
    testsupport::MessageBoxCloser closer;
    testsupport::UrlCapture browser;
    MainWindow &window = fixture.window();
    const auto cards = [&window]() -> QString {
        QStringList shown;
        for (const char *label :
            { "lblCorrect", "lblIncorrect", "lblCorrectGame1", "lblCorrectGame3" })
            shown << testsupport::labelText(window, label);
        return shown.join(u' ') + u" log "_s + QString::number(testsupport::logRowCount(window));
    };
    answer(window, AnswerMode::Practice, u"7"_s);
    window.choosePupil(u"Zoe"_s);
    QCOMPARE(cards(), u"0 0 0 0 log 0"_s);
    for (const QString &given : { u"7"_s, u"9"_s })
        answer(window, AnswerMode::Practice, given);
    answer(window, AnswerMode::MissingNumber, u"4"_s);
    answer(window, AnswerMode::TimeTrial, u"8"_s);
    QCOMPARE(cards(), u"1 1 1 1 log 2"_s);

    window.choosePupil(u"Tom"_s);
    QVERIFY(!named<QTimer>(&window, u"Timer3"_s)->isActive());
    QVERIFY(named<QMenu>(&window, u"mnuGames"_s)->menuAction()->isEnabled());
    QVERIFY(named<QPushButton>(&window, u"cmdStartGame3"_s)->isVisible());
    QCOMPARE(cards(), u"0 0 0 0 log 0"_s);
    QVERIFY(testsupport::invokeHandler(&window, "mnuFileWork_Click"));
    answer(window, AnswerMode::Practice, u"8"_s);
    QVERIFY(testsupport::invokeHandler(&window, "mnuOptShowReport_Click"));
    QTest::keyClicks(named<QLineEdit>(&window, u"txtNameReport"_s), u"Tom"_s);
    QVERIFY(testsupport::invokeHandler(&window, "cmdPrintReport_Click"));
    // The report's 17 lines and Tom's one answer.
    QCOMPARE(
        testsupport::fileBytes(fixture.folder() + u"/reports/TomOrviReport.html"_s).count("\r\n"),
        18);

    window.choosePupil(u"Zoe"_s);
    // The abandoned trial scored nothing.
    QCOMPARE(cards(), u"1 1 1 0 log 2"_s);
    emit named<ClassScreen>(&window, u"fraClass"_s)->deleteRequested(*window.pupil().id());
    QCOMPARE(cards(), u"1 0 0 0 log 1"_s);
    QCOMPARE(closer.texts, QStringList());
}

void PupilsTest::progressScreensFollowThePupilAndNewAnswers_data()
{
    QTest::addColumn<QByteArray>("screen"); // the handler that shows it
    QTest::addColumn<QString>("change"); // a pupil chosen, "nobody", "elsewhere", "nothing"
    QTest::addColumn<QString>("seen"); // afterwards

    const QByteArray progress = "mnuPupilProgress_Click";
    const QByteArray overview = "mnuPupilClass_Click";
    QTest::newRow("my progress, another pupil")
        << progress << u"Tom"_s << u"Progress of Tom: none"_s;
    QTest::newRow("my progress, another copy answers")
        << progress << u"elsewhere"_s << u"Progress of Zoe: 2"_s;
    QTest::newRow("my progress, nothing new")
        << progress << u"nothing"_s << u"Progress of Zoe: 1"_s;
    QTest::newRow("my progress, nobody") << progress << u"nobody"_s << u"practice"_s;
    QTest::newRow("class overview, a new pupil") << overview << u"Tom"_s << u"Tom 0, Zoe 1"_s;
    QTest::newRow("class overview, another copy answers")
        << overview << u"elsewhere"_s << u"Zoe 2"_s;
    QTest::newRow("class overview, nothing new") << overview << u"nothing"_s << u"Zoe 1"_s;
}

// While shown, My Progress and the class overview follow the pupil at once,
// and new answers in the file, from this window or another copy of the
// program, once the watch next looks; with nothing new they stay as they are.
void PupilsTest::progressScreensFollowThePupilAndNewAnswers()
{
    QFETCH(QByteArray, screen);
    QFETCH(QString, change);
    QFETCH(QString, seen);
    testsupport::TutorFixture fixture;
    testsupport::MessageBoxCloser closer;
    MainWindow &window = fixture.window();
    window.choosePupil(u"Zoe"_s);
    answer(window, AnswerMode::Practice, u"7"_s);
    QVERIFY(testsupport::invokeHandler(&window, screen.constData()));
    const bool mine = screen == "mnuPupilProgress_Click";
    auto *table = named<QAbstractItemView>(&window, mine ? u"tblProgress"_s : u"tblClass"_s);
    QSignalSpy emptied(table->model(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(table->model(), &QAbstractItemModel::modelReset);

    if (change == u"nobody"_s) {
        emit named<ClassScreen>(&window, u"fraClass"_s)->deleteRequested(*window.pupil().id());
    } else if (change == u"elsewhere"_s) {
        progress::ProgressStore other(progressFile(fixture.folder()));
        other.open(QDateTime::currentDateTimeUtc());
        tutor::Attempt attempt;
        attempt.answeredAt = QDateTime::currentDateTimeUtc();
        attempt.typed = attempt.expected = u"7"_s;
        QVERIFY2(other.record(*window.pupil().id(), attempt), qPrintable(other.lastError()));
    } else if (change != u"nothing"_s) {
        window.choosePupil(change);
    }
    QVERIFY(testsupport::invokeHandler(&window, "tmrProgressWatch_Timer"));

    QStringList shown;
    if (testsupport::isShown(window, "fraMain")) {
        shown << u"practice"_s;
    } else if (mine) {
        shown << testsupport::labelText(window, "lblProgressTitle") + u": "_s
                + table->model()->index(0, 1).data().toString().section(u' ', 0, 0);
    } else {
        for (int row = 0; row < table->model()->rowCount(); ++row)
            shown << table->model()->index(row, 0).data().toString() + u' '
                    + table->model()->index(row, 1).data().toString();
    }
    QCOMPARE(shown.join(u", "_s), seen);
    QCOMPARE(emptied.count() + reset.count() > 0, change != u"nothing"_s && change != u"nobody"_s);
    QCOMPARE(closer.texts.size(), change == u"nobody"_s ? 1 : 0);
    QVERIFY(named<QTimer>(&window, u"tmrProgressWatch"_s)->isActive() == (change != u"nobody"_s));
}

void PupilsTest::backupsAreRestoredFromTheMenuOrAfterDamage_data()
{
    QTest::addColumn<QString>("trouble"); // what the start finds
    QTest::addColumn<bool>("yes"); // the answer to the question asked
    QTest::addColumn<int>("kept"); // Ann's answers afterwards

    QTest::newRow("restored from the menu") << QString() << true << 2;
    QTest::newRow("not restored after all") << QString() << false << 3;
    // Checked when chosen, not when listed: a copy spoilt meanwhile is refused.
    QTest::newRow("a copy spoilt after listing") << u"spoilt copy"_s << true << 3;
    QTest::newRow("offered after damage") << u"damaged"_s << true << 2;
    QTest::newRow("offered for a missing file") << u"missing"_s << true << 2;
    QTest::newRow("declined for a missing file") << u"missing"_s << false << 0;
    // Found by the check that reads the whole file after the start: the
    // answer given meanwhile is kept in whatever file takes its place.
    QTest::newRow("offered after damage found later") << u"damaged later"_s << true << 3;
    QTest::newRow("declined after damage found later") << u"damaged later"_s << false << 1;
}

void PupilsTest::backupsAreRestoredFromTheMenuOrAfterDamage()
{
    QFETCH(QString, trouble);
    QFETCH(bool, yes);
    QFETCH(int, kept);
    testsupport::MessageBoxCloser closer;
    closer.answerYes = yes;
    testsupport::sameDayFor(10);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    // Yesterday's start backed up an empty file; today's backup holds two
    // answers and the file a third.
    testsupport::TutorFixture fixture([&](const QString &folder) {
        const QString file = progressFile(folder);
        QDir().mkpath(QFileInfo(file).path());
        {
            progress::ProgressStore store(file);
            store.open(now.addDays(-1));
            const qint64 ann = *store.addPupil(u"Ann"_s);
            for (int given = 1; given <= 3; ++given) {
                if (given == 3)
                    store.open(now);
                tutor::Attempt attempt;
                attempt.answeredAt = now.addSecs(given - 3);
                attempt.operation = Operation::Addition;
                attempt.typed = attempt.expected = u"2"_s;
                attempt.correct = true;
                QVERIFY(store.record(ann, attempt));
            }
        }
        if (trouble == u"damaged"_s) {
            QFile damaged(file);
            QVERIFY(damaged.open(QIODevice::WriteOnly));
            damaged.write(QByteArray(8192, 'x'));
        } else if (trouble == u"missing"_s) {
            QVERIFY(QFile::remove(file));
        } else if (trouble == u"damaged later"_s) {
            // The answers' pages, past the list of tables and the pupils.
            QFile damaged(file);
            QVERIFY(damaged.open(QIODevice::ReadWrite));
            QVERIFY(damaged.seek(4 * 4096));
            damaged.write(QByteArray(2 * 4096, 'x'));
        }
    });
    MainWindow &window = fixture.window();
    QCoreApplication::processEvents();
    const QString today = QLocale().toString(QDate::currentDate(), QLocale::LongFormat);
    if (trouble == u"damaged later"_s) {
        QCOMPARE(closer.texts.size(), 0);
        window.choosePupil(u"Ann"_s);
        answer(window, AnswerMode::Practice, u"7"_s);
        window.pupil().finishDayCheck();
        QCOMPARE(closer.texts.size(), 1);
        QVERIFY2(
            closer.texts.first().contains(u"damaged"_s) && closer.texts.first().contains(today),
            qPrintable(closer.texts.first()));
    } else if (trouble != u"spoilt copy"_s && !trouble.isEmpty()) {
        // Asked at once, with the newest backup's day.
        QCOMPARE(closer.texts.size(), 1);
        QVERIFY2(closer.texts.first().contains(trouble) && closer.texts.first().contains(today),
            qPrintable(closer.texts.first()));
    } else {
        window.choosePupil(u"Ann"_s);
        QVERIFY(testsupport::invokeHandler(&window, "mnuPupilRestore_Click"));
        auto *dialog = named<QDialog>(&window, u"dlgRestoreBackup"_s);
        QVERIFY(dialog && dialog->isVisible());
        auto *list = named<QAbstractItemView>(dialog, u"lstBackups"_s);
        // Today's backup first; yesterday's week copy holds what its day's does.
        QCOMPARE(testsupport::listRowCount(list), 2);
        QVERIFY2(testsupport::listText(list, 0).contains(today), qPrintable(today));
        QVERIFY(testsupport::listText(list, 1).contains(
            QLocale().toString(QDate::currentDate().addDays(-1), QLocale::LongFormat)));
        const QDir backups(fixture.folder() + u"/progress/backups"_s);
        for (const QString &copy : backups.entryList(QDir::Files)) {
            QFile spoilt(backups.filePath(copy));
            if (!trouble.isEmpty() && spoilt.open(QIODevice::WriteOnly))
                spoilt.write(QByteArray(8192, 'x'));
        }
        QPointer<QDialog> watched(dialog);
        named<QPushButton>(dialog, u"cmdRestoreBackup"_s)->click();
        QCOMPARE(watched && watched->isVisible(), !yes);
        QCOMPARE(closer.texts.size(), yes ? 2 : 1);
        QVERIFY(closer.texts.first().contains(today));
        // The file in use before is kept aside, never deleted.
        const QStringList aside = QDir(fixture.folder() + u"/progress"_s)
                                      .entryList({ u"progress-replaced-*.sqlite"_s });
        QCOMPARE(aside.size(), yes && trouble.isEmpty() ? 1 : 0);
        if (!aside.isEmpty())
            QVERIFY(closer.texts.last().contains(aside.first()));
        if (watched)
            watched->reject();
    }
    window.choosePupil(u"Ann"_s);
    QVERIFY(window.pupil().isChosen());
    QCOMPARE(shownTitle(window), Title + u" - Ann"_s);
    // An answer the day's check kept waiting is written by the retry.
    window.pupil().writePendingAnswers();
    QCOMPARE(window.pupil().store().attempts(*window.pupil().id()).size(), kept);
}

QTEST_MAIN(PupilsTest)
#include "pupils_test.moc"
