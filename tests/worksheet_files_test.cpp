#include "app/main_window.h"
#include "tests/test_support.h"
#include "tests/worksheet_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <functional>
#include <tuple>

using namespace Qt::StringLiterals;
using namespace worksheettest;
using testsupport::named;

namespace {

// The whole message of the status line, which it carries as its tool tip.
QString wholeMessage(MainWindow &window)
{
    return named<QLabel>(&window, u"lblWorksheetMessage"_s)->toolTip();
}

// Types each character with a key event of its own, as a keyboard or an input
// method delivers it, including characters no key of QTest's names.
void typeCharacters(QWidget *box, const QString &text)
{
    for (const char32_t c : text.toUcs4())
        QTest::sendKeyEvent(
            QTest::Click, box, Qt::Key_unknown, QString::fromUcs4(&c, 1), Qt::NoModifier);
}

// Whether each group of words stands, whole and in order, somewhere after the
// group before it.
bool inOrder(const QStringList &words, const QList<QStringList> &groups, QString *missing)
{
    qsizetype at = 0;
    for (const QStringList &group : groups) {
        for (;;) {
            at = words.indexOf(group.first(), at);
            if (at < 0) {
                *missing = group.join(u' ');
                return false;
            }
            if (words.mid(at, group.size()) == group)
                break;
            ++at;
        }
        at += group.size();
    }
    return true;
}

// What the preview shows of the answer key choice.
struct KeyChoice
{
    bool found = false;
    bool inSight = false; // shown whole inside the dialog, in no tool bar
    bool reachedByTab = false;
    bool checked = false;
    int pages = 0;
};

// Opens "Print...", notes how the preview shows the answer key choice, lets
// `change` work on the check box and closes the preview unprinted.
KeyChoice previewKeyChoice(MainWindow &window, const std::function<void(QCheckBox *)> &change = {})
{
    KeyChoice seen;
    QTimer::singleShot(0, &window, [&]() {
        auto *preview = named<QPrintPreviewDialog>(&window, u"dlgPrintWorksheet"_s);
        auto *key = preview ? named<QCheckBox>(preview, u"chkIncludeAnswerKey"_s) : nullptr;
        if (!key) {
            if (preview)
                preview->reject();
            return;
        }
        preview->activateWindow();
        seen.found = QTest::qWaitForWindowActive(preview);
        const QRect place(key->mapTo(preview, QPoint()), key->size());
        bool inToolBar = false;
        for (QWidget *up = key; up; up = up->parentWidget())
            inToolBar = inToolBar || qobject_cast<QToolBar *>(up);
        seen.inSight = key->isVisible() && preview->rect().contains(place) && !inToolBar;
        // Tab leads to it from wherever the focus is in the dialog.
        for (int presses = 0; presses < 30 && QApplication::focusWidget() != key; ++presses)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen.reachedByTab = QApplication::focusWidget() == key;
        if (change)
            change(key);
        seen.checked = key->isChecked();
        seen.pages = preview->findChild<QPrintPreviewWidget *>()->pageCount();
        preview->reject();
    });
    button(window, "cmdPrintWorksheet")->click();
    return seen;
}

} // namespace

class WorksheetFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void savedFilesMatchByteForByte_data();
    void savedFilesMatchByteForByte();
    void threePlusSevenIsWrittenAsInTheExample();
    void optionalFieldsAreWrittenEvenWhenUnchecked_data();
    void optionalFieldsAreWrittenEvenWhenUnchecked();
    void savingKeepsTheEarlierFileAndReplacesIt();
    void failedSaveSaysSoAndKeepsWhatWasThere_data();
    void failedSaveSaysSoAndKeepsWhatWasThere();
    void longFolderNamesNeverHideTheFileOrTheReason_data();
    void longFolderNamesNeverHideTheFileOrTheReason();
    void messagesGoWhenTheirTimerRunsOut();

    void printedPagesHoldEveryProblemAndTheKey_data();
    void printedPagesHoldEveryProblemAndTheKey();
    void unwritablePdfSaysSoWithoutSuccess_data();
    void unwritablePdfSaysSoWithoutSuccess();
    void answerKeyChoiceStaysInSightAndIsKept();
    void pdfIsProposedInTheWorksheetsFolder();
};

void WorksheetFilesTest::savedFilesMatchByteForByte_data()
{
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("count");
    QTest::newRow("no problems") << u"Warm Up"_s << u"Addition"_s << 0;
    QTest::newRow("one") << u"Beginner"_s << u"Subtraction"_s << 1;
    QTest::newRow("two-digit numbers") << u"Intermediate"_s << u"Multiplication"_s << 12;
    QTest::newRow("three-digit numbers") << u"Expert"_s << u"Addition"_s << 105;
}

void WorksheetFilesTest::savedFilesMatchByteForByte()
{
    QFETCH(QString, level);
    QFETCH(QString, operation);
    QFETCH(int, count);
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, level, operation);
    const QList<Problem> problems = createProblems(window, count);

    button(window, "cmdSaveWorksheet")->click();
    QCOMPARE(testsupport::fileBytes(worksheetPath(fixture)), expectedWorksheet({}, {}, problems));
    QCOMPARE(wholeMessage(window), u"Save Succesfull - Available in "_s + worksheetPath(fixture));
    QVERIFY(messageTimer(window)->isActive());

    button(window, "cmdSaveAnswer")->click();
    const QByteArray answers = testsupport::fileBytes(answerSheetPath(fixture));
    QCOMPARE(answers, expectedAnswerSheet(problems));
    QCOMPARE(wholeMessage(window), u"Save Succesfull - Available in "_s + answerSheetPath(fixture));
    QCOMPARE(answers.count("\r\n"), 4 + 2 * count);
    QVERIFY(!QByteArray(answers).replace("\r\n", "").contains('\n'));
}

void WorksheetFilesTest::threePlusSevenIsWrittenAsInTheExample()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Warm Up"_s, u"Addition"_s);
    // Draw until the first problem is 3 + 7; one draw in a hundred is.
    bool drawn = false;
    for (int attempt = 0; attempt < 5000 && !drawn; ++attempt) {
        button(window, "cmdClearWorksheet")->click();
        createProblem(window);
        drawn = window.state().Operand1 == 3 && window.state().Operand2 == 7;
    }
    QVERIFY(drawn);
    saveBoth(window);

    QCOMPARE(testsupport::fileBytes(worksheetPath(fixture)),
        QByteArray("Name:________________                               \r\n"
                   "\r\n"
                   "Date:________________                               \r\n"
                   "\r\n"
                   "1)  3 + 7  =   __________\r\n"
                   "\r\n"));
    QCOMPARE(testsupport::fileBytes(answerSheetPath(fixture)),
        QByteArray("Name: ANSWER KEY                               \r\n"
                   "\r\n"
                   "Date:________________                               \r\n"
                   "\r\n"
                   "1)  3 + 7  =   10\r\n"
                   "\r\n"));
}

void WorksheetFilesTest::optionalFieldsAreWrittenEvenWhenUnchecked_data()
{
    // Each box is typed into key by key, then pasted into.
    QTest::addColumn<QString>("teacherTyped");
    QTest::addColumn<QString>("teacherPasted");
    QTest::addColumn<QString>("classTyped");
    QTest::addColumn<QString>("classPasted");
    QTest::addColumn<QString>("teacher"); // what the box then holds and the file gets
    QTest::addColumn<QString>("className");

    // Letters beyond ASCII are kept as UTF-8.
    QTest::newRow("letters") << u"Mrs Lee"_s << QString() << QString()
                             << u"\u0141ucja M\u00fcller's 3B"_s << u"Mrs Lee"_s
                             << u"\u0141ucja M\u00fcller's 3B"_s;
    // Many editors start a new line at a line or paragraph separator.
    QTest::newRow("separators typed")
        << u"Mrs\u2028 Lee"_s << QString() << u"3B\u2029"_s << QString() << u"Mrs Lee"_s << u"3B"_s;
    QTest::newRow("separators pasted") << QString() << u"Mr Obi\u2029\u2028"_s << QString()
                                       << u"\u2028Class\u2029 4C"_s << u"Mr Obi"_s << u"Class 4C"_s;
    QTest::newRow("line breaks pasted")
        << u"Ms"_s << u"\r\n Roe\u0085"_s << u"5"_s << u"\vA\f"_s << u"Ms Roe"_s << u"5A"_s;
    // Marks that turn the text around or hide in it.
    QTest::newRow("invisible marks")
        << u"\u202eMrs\u200b Lee"_s << u"\u2066\u00ad\ufeff"_s << u"\u2060Class"_s
        << u" 3B\U000E0041\u061c"_s << u"Mrs Lee"_s << u"Class 3B"_s;
    // Joiners belong to the spelling of some names.
    QTest::newRow("joiners kept") << u"\u0915\u094d\u200d\u0937"_s << QString() << QString()
                                  << u"\u0645\u06cc\u200c\u0631"_s << u"\u0915\u094d\u200d\u0937"_s
                                  << u"\u0645\u06cc\u200c\u0631"_s;
}

void WorksheetFilesTest::optionalFieldsAreWrittenEvenWhenUnchecked()
{
    QFETCH(QString, teacherTyped);
    QFETCH(QString, teacherPasted);
    QFETCH(QString, classTyped);
    QFETCH(QString, classPasted);
    QFETCH(QString, teacher);
    QFETCH(QString, className);
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Warm Up"_s, u"Addition"_s);
    const QList<Problem> problems = createProblems(window, 2);

    auto *check = named<QCheckBox>(&window, u"chkIncludeOptional"_s);
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(check->isChecked());
    const std::tuple<const char *, QString, QString, QString> entries[]
        = { { "txtTeachersName", teacherTyped, teacherPasted, teacher },
              { "txtClassName", classTyped, classPasted, className } };
    for (const auto &[name, typed, pasted, kept] : entries) {
        QLineEdit *box = field(window, name);
        QTest::mouseClick(box, Qt::LeftButton);
        typeCharacters(box, typed);
        box->insert(pasted); // as a paste
        QCOMPARE(box->text(), kept);
    }
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(!check->isChecked());
    QVERIFY(!field(window, "txtTeachersName")->isEnabled());

    saveBoth(window);
    // Lines 1 and 3 end with the names, whole, each on its own line.
    QCOMPARE(testsupport::fileBytes(worksheetPath(fixture)),
        expectedWorksheet(teacher.toUtf8(), className.toUtf8(), problems));
    // The answer key names neither.
    QCOMPARE(testsupport::fileBytes(answerSheetPath(fixture)), expectedAnswerSheet(problems));
}

void WorksheetFilesTest::savingKeepsTheEarlierFileAndReplacesIt()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    // No worksheets folder beside the program yet: saving makes one.
    QVERIFY(QDir(fixture.folder() + u"/worksheets"_s).removeRecursively());
    enterWorksheet(window);
    pickLevel(window, u"Warm Up"_s);
    pickOperation(window, u"Addition"_s);
    const QList<Problem> first = createProblems(window, 5);
    saveBoth(window);
    QCOMPARE(testsupport::fileBytes(worksheetPath(fixture)), expectedWorksheet({}, {}, first));

    button(window, "cmdClearWorksheet")->click();
    const QList<Problem> second = createProblems(window, 1);
    saveBoth(window);
    QCOMPARE(testsupport::fileBytes(worksheetPath(fixture)), expectedWorksheet({}, {}, second));
    QCOMPARE(testsupport::fileBytes(answerSheetPath(fixture)), expectedAnswerSheet(second));
    QCOMPARE(QDir(fixture.folder() + u"/worksheets"_s).entryList(QDir::Files),
        QStringList({ u"OrviAnswersheet.txt"_s, u"OrviWorksheet.txt"_s }));

    // The first worksheet and its answers wait in "earlier", under the time
    // they were saved; saving the same worksheet again keeps no copy.
    const QString earlier = fixture.folder() + u"/worksheets/earlier"_s;
    const QStringList kept = QDir(earlier).entryList(QDir::Files);
    QCOMPARE(kept.size(), 2);
    for (const QString &name : kept) {
        const bool answers = name.startsWith(u"OrviAnswersheet "_s);
        QVERIFY2(answers || name.startsWith(u"OrviWorksheet "_s), qPrintable(name));
        QVERIFY2(QRegularExpression(u"^\\w+ \\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d\\.txt$"_s)
                     .match(name)
                     .hasMatch(),
            qPrintable(name));
        QCOMPARE(testsupport::fileBytes(earlier + u'/' + name),
            answers ? expectedAnswerSheet(first) : expectedWorksheet({}, {}, first));
    }
    saveBoth(window);
    QCOMPARE(QDir(earlier).entryList(QDir::Files), kept);

    // When the earlier file cannot be kept, nothing is replaced.
    QVERIFY(QDir(earlier).removeRecursively());
    QFile inTheWay(earlier);
    QVERIFY(inTheWay.open(QIODevice::WriteOnly));
    inTheWay.close();
    button(window, "cmdClearWorksheet")->click();
    createProblems(window, 2);
    button(window, "cmdSaveWorksheet")->click();
    const QString shown = wholeMessage(window);
    QVERIFY2(shown.startsWith(u"Save failed - "_s + QDir::toNativeSeparators(worksheetPath(fixture))
                 + u": "_s + u"a file named earlier is in the way"_s),
        qPrintable(shown));
    QCOMPARE(testsupport::fileBytes(worksheetPath(fixture)), expectedWorksheet({}, {}, second));
}

void WorksheetFilesTest::failedSaveSaysSoAndKeepsWhatWasThere_data()
{
    QTest::addColumn<bool>("answerSheet");
    QTest::addColumn<bool>("folderIsAFile");
    QTest::newRow("worksheet name is a folder") << false << false;
    QTest::newRow("answer sheet name is a folder") << true << false;
    QTest::newRow("worksheets is a file") << false << true;
    QTest::newRow("worksheets is a file, answer sheet") << true << true;
}

void WorksheetFilesTest::failedSaveSaysSoAndKeepsWhatWasThere()
{
    QFETCH(bool, answerSheet);
    QFETCH(bool, folderIsAFile);
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Warm Up"_s, u"Addition"_s);
    createProblems(window, 3);

    const QString folder = fixture.folder() + u"/worksheets"_s;
    const QString target = answerSheet ? answerSheetPath(fixture) : worksheetPath(fixture);
    // Whatever stands in the way must come through unharmed.
    const QString keeper = folderIsAFile ? folder : target + u"/earlier.txt"_s;
    if (folderIsAFile)
        QVERIFY(QDir(folder).removeRecursively());
    else
        QVERIFY(QDir().mkpath(target));
    QFile earlier(keeper);
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    const QString reason = testsupport::whyNotWritable(target);
    const QStringList before = testsupport::everythingUnder(fixture.folder());

    button(window, answerSheet ? "cmdSaveAnswer" : "cmdSaveWorksheet")->click();
    const QString shown = wholeMessage(window);
    QVERIFY2(shown.startsWith(u"Save failed - "_s + target + u": "_s), qPrintable(shown));
    QVERIFY2(shown.endsWith(reason), qPrintable(shown + u" / "_s + reason));
    QVERIFY(!shown.contains(u"Succesfull"_s));
    // The button keeping the keyboard tells the same to a screen reader.
    QCOMPARE(
        button(window, answerSheet ? "cmdSaveAnswer" : "cmdSaveWorksheet")->accessibleDescription(),
        (answerSheet ? u"The answer sheet could not be saved as %1: %2."_s
                     : u"The worksheet could not be saved as %1: %2."_s)
            .arg(target, reason));
    QCOMPARE(testsupport::everythingUnder(fixture.folder()), before); // nothing half written
    QCOMPARE(testsupport::fileBytes(keeper), QByteArray("earlier"));
    QCOMPARE(QFileInfo(target).isDir(), !folderIsAFile);

    // It stays until the teacher's next step, not for ten seconds only.
    QVERIFY(!messageTimer(window)->isActive());
    testsupport::invokeHandler(&window, "cmdCreateProblem_Click");
    QVERIFY(message(window).isEmpty());
}

void WorksheetFilesTest::longFolderNamesNeverHideTheFileOrTheReason_data()
{
    QTest::addColumn<bool>("answerSheet");
    QTest::addColumn<QString>("obstacle"); // in the way of the file: "", "folder", "file"
    QTest::newRow("worksheet saved") << false << QString();
    QTest::newRow("answer sheet saved") << true << QString();
    QTest::newRow("worksheet name is a folder") << false << u"folder"_s;
    // The reason names the long folder once more.
    QTest::newRow("worksheets is a file") << true << u"file"_s;
}

void WorksheetFilesTest::longFolderNamesNeverHideTheFileOrTheReason()
{
    QFETCH(bool, answerSheet);
    QFETCH(QString, obstacle);
    // The program installed deep in a school's shared drive.
    QTemporaryDir temporary;
    QString folder = temporary.path();
    for (int level = 1; level <= 5; ++level)
        folder += u"/Shared drive of the school, level "_s + QString::number(level);
    QVERIFY(QDir().mkpath(folder));
    testsupport::copyShippedFiles(folder);
    MainWindow window(folder);
    window.show();
    enterWorksheet(window);
    QVERIFY(pickLevel(window, u"Warm Up"_s) && pickOperation(window, u"Addition"_s));
    createProblems(window, 3);

    const QString fileName
        = u"/worksheets/"_s + (answerSheet ? u"OrviAnswersheet.txt"_s : u"OrviWorksheet.txt"_s);
    const QString target = folder + fileName;
    if (obstacle == u"folder"_s) {
        QVERIFY(QDir().mkpath(target));
    } else if (obstacle == u"file"_s) {
        QVERIFY(QDir(folder + u"/worksheets"_s).removeRecursively());
        QFile file(folder + u"/worksheets"_s);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    button(window, answerSheet ? "cmdSaveAnswer" : "cmdSaveWorksheet")->click();

    auto *status = named<QLabel>(&window, u"lblWorksheetMessage"_s);
    const QString shown = status->text();
    // The tool tip holds the whole message.
    const QString whole = status->toolTip();
    const QString start
        = obstacle.isEmpty() ? u"Save Succesfull - Available in "_s : u"Save failed - "_s;
    QString reason;
    if (obstacle.isEmpty()) {
        QCOMPARE(whole, start + target);
    } else {
        QVERIFY2(whole.startsWith(start + target + u": "_s), qPrintable(whole));
        reason = whole.mid(start.size() + target.size() + 2);
        QVERIFY(!reason.isEmpty());
    }

    // On one line, within the label: the middle of the folder gave way.
    QVERIFY2(status->fontMetrics().horizontalAdvance(shown) <= status->contentsRect().width(),
        qPrintable(shown));
    QVERIFY(shown.size() < whole.size());
    QVERIFY2(shown.startsWith(start + folder.left(8)), qPrintable(shown));
    // The file name and every word of the reason are there in full.
    if (obstacle.isEmpty()) {
        QVERIFY2(shown.endsWith(fileName), qPrintable(shown));
    } else {
        QVERIFY2(shown.contains(fileName + u": "_s), qPrintable(shown));
        const QStringList words = reason.split(folder, Qt::SkipEmptyParts);
        for (const QString &part : words)
            QVERIFY2(shown.contains(part), qPrintable(shown));
        if (!reason.endsWith(folder))
            QVERIFY2(shown.endsWith(words.last()), qPrintable(shown));
    }

    // The tool tip goes with the message.
    testsupport::invokeHandler(&window, "tmrWorksheet_Timer");
    QVERIFY(status->text().isEmpty());
    QVERIFY(status->toolTip().isEmpty());
}

void WorksheetFilesTest::messagesGoWhenTheirTimerRunsOut()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QTimer *timer = messageTimer(window);
    QVERIFY(!timer->isActive());
    enterWorksheet(window);
    QCOMPARE(timer->interval(), 10000);
    QVERIFY(timer->isActive());

    testsupport::invokeHandler(&window, "tmrWorksheet_Timer");
    QVERIFY(message(window).isEmpty());
    QVERIFY(!timer->isActive());

    // A save message starts it again, and a later message while it runs too.
    button(window, "cmdSaveWorksheet")->click();
    QVERIFY(timer->isActive());
    button(window, "cmdSaveAnswer")->click();
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 10000);
    QVERIFY(message(window).endsWith(u"OrviAnswersheet.txt"_s));
    testsupport::invokeHandler(&window, "tmrWorksheet_Timer");
    QVERIFY(message(window).isEmpty());
    QVERIFY(!timer->isActive());
}

void WorksheetFilesTest::printedPagesHoldEveryProblemAndTheKey_data()
{
    QTest::addColumn<bool>("withKey");
    QTest::addColumn<int>("paper");
    QTest::addColumn<QString>("lastPage");
    QTest::newRow("with the key, A4") << true << int(QPageSize::A4) << u"Page 3 of 3"_s;
    QTest::newRow("without the key, A4") << false << int(QPageSize::A4) << u"Page 2 of 2"_s;
    QTest::newRow("with the key, Letter") << true << int(QPageSize::Letter) << u"Page 3 of 3"_s;
}

// 30 problems, Addition then Multiplication, with the teacher and the class:
// two worksheet pages and, when asked for, one page of answers, which match
// the answer sheet's.
void WorksheetFilesTest::printedPagesHoldEveryProblemAndTheKey()
{
    QFETCH(bool, withKey);
    QFETCH(int, paper);
    QFETCH(QString, lastPage);
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Intermediate"_s, u"Addition"_s);
    QList<Problem> problems = createProblems(window, 20);
    QVERIFY(pickOperation(window, u"Multiplication"_s));
    problems += createProblems(window, 10);
    named<QCheckBox>(&window, u"chkIncludeOptional"_s)->click();
    QTest::keyClicks(named<QLineEdit>(&window, u"txtTeachersName"_s), u"Ms Ada"_s);
    QTest::keyClicks(named<QLineEdit>(&window, u"txtClassName"_s), u"4B"_s);
    QVERIFY(button(window, "cmdPrintWorksheet")->isEnabled());

    const QString pdf = fixture.folder() + u"/worksheet.pdf"_s;
    QVERIFY(testsupport::printToPdf(window, pdf, withKey, QPageSize::PageSizeId(paper)));
    const QStringList words = testsupport::pdfWords(pdf);
    const QString text = words.join(u' ');
    QVERIFY2(text.startsWith(u"Orvi Math Tutor Worksheet"_s), qPrintable(text.left(200)));
    QVERIFY(text.contains(u"Teacher: Ms Ada Class: 4B"_s));
    QVERIFY(text.contains(u"Page 1 of "_s + lastPage.back()));
    QVERIFY(text.endsWith(lastPage));

    QList<QStringList> sums;
    QList<QStringList> answers;
    for (qsizetype i = 0; i < problems.size(); ++i) {
        const Problem &p = problems.at(i);
        const QString sign = p.sign == "*" ? u"\u00d7"_s : QString::fromLatin1(p.sign);
        const QString number = QString::number(i + 1) + u'.';
        sums << QStringList { number, QString::fromLatin1(p.first), sign,
            QString::fromLatin1(p.second) };
        answers << QStringList { number, QString::fromLatin1(p.first), sign,
            QString::fromLatin1(p.second), u"="_s, QString::fromLatin1(p.answer) };
    }
    QString missing;
    QVERIFY2(inOrder(words, sums, &missing), qPrintable(missing));
    if (withKey) {
        QVERIFY(inOrder(words, sums + answers, &missing));
        // The key's answers are the answer sheet's.
        button(window, "cmdSaveAnswer")->click();
        const QByteArray sheet = testsupport::fileBytes(answerSheetPath(fixture));
        for (const QStringList &answer : answers)
            QVERIFY(sheet.contains(answer.join(u' ')
                                       .section(u' ', 1)
                                       .replace(u"\u00d7"_s, u"*"_s)
                                       .replace(u" = "_s, u"  =   "_s)
                                       .toLatin1()));
    } else {
        QVERIFY(!words.contains(u"="_s));
        QVERIFY(!text.contains(u"Answer Key"_s));
    }
}

void WorksheetFilesTest::unwritablePdfSaysSoWithoutSuccess_data()
{
    QTest::addColumn<QString>("inTheWay"); // "file", "folder" or empty
    QTest::addColumn<QString>("pdfName"); // below the program's folder
    QTest::newRow("no such folder") << QString() << u"no such folder/worksheet.pdf"_s;
    QTest::newRow("its folder is a file") << u"file"_s << u"printed/worksheet.pdf"_s;
    QTest::newRow("its name is a folder") << u"folder"_s << u"printed/worksheet.pdf"_s;
}

// A PDF that cannot be written is told in a message with the system's reason,
// the status line claims nothing, whatever is in the way stays as it was, and
// the next print goes where it can.
void WorksheetFilesTest::unwritablePdfSaysSoWithoutSuccess()
{
    QFETCH(QString, inTheWay);
    QFETCH(QString, pdfName);
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Warm Up"_s, u"Addition"_s);
    createProblems(window, 3);
    const QString pdf = fixture.folder() + u'/' + pdfName;
    QString keeper;
    if (inTheWay == u"file") {
        keeper = QFileInfo(pdf).absolutePath();
    } else if (inTheWay == u"folder") {
        QVERIFY(QDir().mkpath(pdf));
        keeper = pdf + u"/earlier.pdf"_s;
    }
    if (!keeper.isEmpty()) {
        QFile earlier(keeper);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    const QString reason = testsupport::whyNotWritable(pdf);
    const QStringList before = testsupport::everythingUnder(fixture.folder());

    testsupport::MessageBoxCloser closer;
    testsupport::printToPdf(window, pdf, true);
    QCOMPARE(closer.texts.size(), 1);
    const QString told = closer.texts.first().trimmed();
    const QString start = u"The worksheet could not be saved as PDF to "_s
        + QDir::toNativeSeparators(pdf) + u": "_s;
    QVERIFY2(told.startsWith(start), qPrintable(told));
    QVERIFY2(told.endsWith(reason), qPrintable(told + u" / "_s + reason));
    QVERIFY(!wholeMessage(window).contains(u"PDF"_s));
    QCOMPARE(testsupport::everythingUnder(fixture.folder()), before);
    if (!keeper.isEmpty())
        QCOMPARE(testsupport::fileBytes(keeper), QByteArray("earlier"));
    QCOMPARE(QFileInfo(pdf).isDir(), inTheWay == u"folder");

    const QString elsewhere = fixture.folder() + u"/worksheet.pdf"_s;
    testsupport::printToPdf(window, elsewhere, true);
    QCOMPARE(closer.texts.size(), 1);
    QCOMPARE(wholeMessage(window), u"Worksheet saved as PDF - "_s + elsewhere);
    QVERIFY(testsupport::pdfWords(elsewhere).join(u' ').startsWith(u"Orvi Math Tutor Worksheet"_s));
}

// With a worksheet of many pages the choice of the answer key stays in sight
// and in the Tab order; what it shows is what the pages hold, and the next
// preview shows the choice last made.
void WorksheetFilesTest::answerKeyChoiceStaysInSightAndIsKept()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Warm Up"_s, u"Addition"_s);
    // More than ten worksheet pages on A4 or Letter.
    createProblems(window, 250);

    const KeyChoice first = previewKeyChoice(window, [](QCheckBox *key) { key->click(); });
    QVERIFY(first.found);
    QVERIFY(first.inSight);
    QVERIFY(first.reachedByTab);
    QVERIFY(!first.checked);

    int pagesWithout = 0;
    int pagesWithKey = 0;
    const KeyChoice again = previewKeyChoice(window, [&](QCheckBox *key) {
        pagesWithout = key->window()->findChild<QPrintPreviewWidget *>()->pageCount();
        // The space bar, as well as a click.
        QTest::keyClick(key, Qt::Key_Space);
        pagesWithKey = key->window()->findChild<QPrintPreviewWidget *>()->pageCount();
    });
    QVERIFY(again.inSight);
    QVERIFY(again.checked);
    QVERIFY(pagesWithout >= 10);
    QVERIFY(pagesWithKey > pagesWithout);
    QCOMPARE(again.pages, pagesWithKey);
    QCOMPARE(previewKeyChoice(window).pages, pagesWithKey);

    // Unchecked, it prints no key.
    const QString pdf = fixture.folder() + u"/worksheet.pdf"_s;
    QVERIFY(testsupport::printToPdf(window, pdf, false));
    QVERIFY(!testsupport::pdfWords(pdf).join(u' ').contains(u"Answer Key"_s));
    QVERIFY(!previewKeyChoice(window).checked);
}

// "Print to File (PDF)" proposes a file in the worksheets folder, beside the
// saved worksheets, while the printer proposed stays the desktop's own.
void WorksheetFilesTest::pdfIsProposedInTheWorksheetsFolder()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Warm Up"_s, u"Addition"_s);
    createProblems(window, 3);
    const QString proposed = fixture.folder() + u"/worksheets/OrviWorksheet.pdf"_s;
    QVERIFY(QDir(fixture.folder() + u"/worksheets"_s).removeRecursively());

    QString fileName;
    int format = -1;
    QStringList fields;
    QTimer::singleShot(0, &window, [&]() {
        auto *preview = named<QPrintPreviewDialog>(&window, u"dlgPrintWorksheet"_s);
        if (!preview)
            return;
        fileName = preview->printer()->outputFileName();
        format = preview->printer()->outputFormat();
        // The print dialog that the preview's print button opens.
        QTimer::singleShot(0, preview, [&fields, preview]() {
            if (auto *dialog = preview->findChild<QPrintDialog *>()) {
                for (const QLineEdit *field : dialog->findChildren<QLineEdit *>())
                    fields << field->text();
                dialog->reject();
            }
        });
        for (QAction *action : preview->findChildren<QAction *>()) {
            if (action->text() == u"Print"_s)
                action->trigger();
        }
        preview->reject();
    });
    button(window, "cmdPrintWorksheet")->click();

    QCOMPARE(fileName, proposed);
    QCOMPARE(format, int(QPrinter().outputFormat()));
    QVERIFY2(fields.contains(QDir::toNativeSeparators(proposed)), qPrintable(fields.join(u'|')));
    // The folder is there for it.
    QVERIFY(QFileInfo(proposed).absoluteDir().exists());
}

QTEST_MAIN(WorksheetFilesTest)
#include "worksheet_files_test.moc"
