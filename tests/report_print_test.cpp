#include "app/main_window.h"
#include "tests/expected_report.h"
#include "tests/test_support.h"

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QPalette>
#include <QPushButton>
#include <QUrl>
#include <QtTest>

using namespace Qt::StringLiterals;
using testsupport::asciiReport;
using testsupport::greyRow;
using testsupport::named;
using testsupport::plainRow;

namespace {

// One practice problem and what the pupil typed for it.
struct Answer
{
    float first = 0;
    float second = 0;
    qint16 operation = 1;
    QString typed;
};

void answerAll(MainWindow &window, const QList<Answer> &answers)
{
    for (const Answer &answer : answers) {
        testsupport::setPracticeProblem(window, answer.first, answer.second, answer.operation);
        testsupport::answerPractice(window, answer.typed);
    }
}

QLineEdit *nameBox(MainWindow &window)
{
    return named<QLineEdit>(&window, u"txtNameReport"_s);
}

QPushButton *printButton(MainWindow &window)
{
    return named<QPushButton>(&window, u"cmdPrintReport"_s);
}

// The main window active again after a message box, as the desktop makes it:
// the keys typed next go wherever its focus is.
bool activeAgain(MainWindow &window)
{
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

QLineEdit *answerBox(MainWindow &window)
{
    return named<QLineEdit>(&window, u"txtAnswer"_s);
}

const char *const LogColumns[]
    = { "lstLogNum1", "lstLogOper", "lstLogNum2", "lstLogYourAn", "lstLogCorrAn", "lstLogRW" };

// The share of a log cell, as far as the window shows it (the columns lie
// over one another), that is painted in the highlight colour.
double litShare(MainWindow &window, const QImage &shot, QListView *column, int row)
{
    const QColor highlight = column->palette().color(
        column->isActiveWindow() ? QPalette::Active : QPalette::Inactive, QPalette::Highlight);
    // A pixel in from each edge, clear of the focus frame.
    const QRect cell = testsupport::rowRect(column, row).adjusted(2, 2, -2, -2);
    int shown = 0;
    int lit = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const QPoint place = column->viewport()->mapTo(&window, QPoint(x, y));
            if (window.childAt(place) != column->viewport())
                continue;
            ++shown;
            lit += QColor(shot.pixel(place)) == highlight ? 1 : 0;
        }
    }
    return shown > 0 ? double(lit) / shown : -1.0;
}

// Types key by key, letters beyond ASCII too (keyClicks takes ASCII only).
void typeName(MainWindow &window, const QString &typed)
{
    for (const QChar c : typed) {
        if (c.unicode() < 0x80)
            QTest::keyClick(nameBox(window), char(c.unicode()));
        else
            QTest::sendKeyEvent(
                QTest::Click, nameBox(window), Qt::Key(c.toUpper().unicode()), c, Qt::NoModifier);
    }
}

// Shows the report panel, clicks into the name box, types the name and
// clicks "Print Html".
void printReport(MainWindow &window, const QString &typedName)
{
    testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
    QTest::mouseClick(nameBox(window), Qt::LeftButton);
    typeName(window, typedName);
    QTest::mouseClick(printButton(window), Qt::LeftButton);
}

QString reportPath(const QString &folder, const QString &fileName)
{
    return folder + u"/reports/"_s + fileName;
}

} // namespace

Q_DECLARE_METATYPE(QList<Answer>)

class ReportPrintTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void printWritesWholeReportAndOpensItOnce_data();
    void printWritesWholeReportAndOpensItOnce();
    void onlyFirstHundredRowsShownButAllCounted();
    void panelIsReadyForNextNameAfterPrinting();
    void unsafeNameWritesNothingAndCanBeCorrected_data();
    void unsafeNameWritesNothingAndCanBeCorrected();
    void failedWriteKeepsEarlierFilesAndSaysWhy_data();
    void failedWriteKeepsEarlierFilesAndSaysWhy();
    void browserThatCannotStartIsToldWhereTheReportIs();
    void pickedRowLightsInAllSixColumns_data();
    void pickedRowLightsInAllSixColumns();
};

void ReportPrintTest::initTestCase()
{
    // The expected reports write the share with a point, whatever this
    // machine's settings; report_locale_test checks other settings.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void ReportPrintTest::printWritesWholeReportAndOpensItOnce_data()
{
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("expected");

    const Answer right { 3, 7, 1, u"10"_s };
    const Answer wrong { 3, 7, 1, u"11"_s };

    QTest::newRow("empty log") << u"Ann"_s << QList<Answer>() << u"AnnOrviReport.html"_s
                               << asciiReport(u"Ann"_s, {}, u"0"_s, u"0"_s, u"0"_s, u".%"_s);

    QTest::newRow("one right") << u"Ann"_s << QList<Answer> { right } << u"AnnOrviReport.html"_s
                               << asciiReport(u"Ann"_s,
                                      { plainRow(
                                          u"3"_s, u"+"_s, u"7"_s, u"10"_s, u"10"_s, u"Right"_s) },
                                      u"1"_s, u"1"_s, u"0"_s, u"100.%"_s);

    QTest::newRow("3 of 4 right")
        << u"Ann"_s
        << QList<Answer> { { 12, 5, 2, u"7"_s }, { 6, 7, 3, u"43"_s }, { 9, 3, 4, u"3"_s }, right }
        << u"AnnOrviReport.html"_s
        << asciiReport(u"Ann"_s,
               { plainRow(u"12"_s, u"-"_s, u"5"_s, u"7"_s, u"7"_s, u"Right"_s),
                   greyRow(u"6"_s, u"*"_s, u"7"_s, u"43"_s, u"42"_s, u"Wrong"_s),
                   plainRow(u"9"_s, u"/"_s, u"3"_s, u"3"_s, u"3"_s, u"Right"_s),
                   greyRow(u"3"_s, u"+"_s, u"7"_s, u"10"_s, u"10"_s, u"Right"_s) },
               u"4"_s, u"3"_s, u"1"_s, u"75.%"_s);

    QTest::newRow("2 of 3 right")
        << u"Ann"_s << QList<Answer> { right, wrong, right } << u"AnnOrviReport.html"_s
        << asciiReport(u"Ann"_s,
               { plainRow(u"3"_s, u"+"_s, u"7"_s, u"10"_s, u"10"_s, u"Right"_s),
                   greyRow(u"3"_s, u"+"_s, u"7"_s, u"11"_s, u"10"_s, u"Wrong"_s),
                   plainRow(u"3"_s, u"+"_s, u"7"_s, u"10"_s, u"10"_s, u"Right"_s) },
               u"3"_s, u"2"_s, u"1"_s, u"66.7%"_s);

    QTest::newRow("answers as typed")
        << u"Ann"_s << QList<Answer> { { 7, 5, 1, u"12a"_s }, { 5, 2, 4, QString() } }
        << u"AnnOrviReport.html"_s
        << asciiReport(u"Ann"_s,
               { plainRow(u"7"_s, u"+"_s, u"5"_s, u"12a"_s, u"12"_s, u"Right"_s),
                   greyRow(u"5"_s, u"/"_s, u"2"_s, QString(), u"2"_s, u"Wrong"_s) },
               u"2"_s, u"1"_s, u"1"_s, u"50.%"_s);

    // Typed and taken back with Backspace: the button is offered all the same.
    QTest::newRow("empty name") << u"x\b"_s << QList<Answer> { right } << u"OrviReport.html"_s
                                << asciiReport(QString(),
                                       { plainRow(
                                           u"3"_s, u"+"_s, u"7"_s, u"10"_s, u"10"_s, u"Right"_s) },
                                       u"1"_s, u"1"_s, u"0"_s, u"100.%"_s);

    // Markup typed by the pupil shows as typed and cannot change the page.
    QTest::newRow("ampersand name")
        << u"Tom & Ann"_s << QList<Answer>() << u"Tom & AnnOrviReport.html"_s
        << asciiReport(u"Tom &amp; Ann"_s, {}, u"0"_s, u"0"_s, u"0"_s, u".%"_s);

    QTest::newRow("markup answer")
        << u"O'Neil"_s << QList<Answer> { { 1, 1, 1, u"<b>"_s } } << u"O'NeilOrviReport.html"_s
        << asciiReport(u"O'Neil"_s,
               { plainRow(u"1"_s, u"+"_s, u"1"_s, u"&lt;b&gt;"_s, u"2"_s, u"Wrong"_s) }, u"1"_s,
               u"0"_s, u"1"_s, u".%"_s);

    QTest::newRow("accented name")
        << u"Zo\u00EB"_s << QList<Answer> { right } << u"Zo\u00EBOrviReport.html"_s
        << QByteArray("\xEF\xBB\xBF")
            + testsupport::reportText(u"Zo\u00EB"_s,
                { plainRow(u"3"_s, u"+"_s, u"7"_s, u"10"_s, u"10"_s, u"Right"_s) }, u"1"_s, u"1"_s,
                u"0"_s, u"100.%"_s)
                  .toUtf8();
}

void ReportPrintTest::printWritesWholeReportAndOpensItOnce()
{
    QFETCH(QString, typedName);
    QFETCH(QList<Answer>, answers);
    QFETCH(QString, fileName);
    QFETCH(QByteArray, expected);

    testsupport::TutorFixture fixture;
    testsupport::UrlCapture capture;
    testsupport::MessageBoxCloser closer;
    MainWindow &window = fixture.window();
    answerAll(window, answers);

    // The reports folder is not shipped: the first report makes it.
    QVERIFY(!QFileInfo::exists(fixture.folder() + u"/reports"_s));
    printReport(window, typedName);

    const QString path = reportPath(fixture.folder(), fileName);
    QCOMPARE(testsupport::fileBytes(path), expected);
    QCOMPARE(testsupport::everythingUnder(fixture.folder() + u"/reports"_s), QStringList(fileName));
    QCOMPARE(capture.urls, QList<QUrl>({ QUrl::fromLocalFile(path) }));
    QCOMPARE(closer.texts, QStringList());
}

void ReportPrintTest::onlyFirstHundredRowsShownButAllCounted()
{
    testsupport::TutorFixture fixture;
    testsupport::UrlCapture capture;
    MainWindow &window = fixture.window();

    // Rows 0, 3, 6 ... are answered wrong: 50 of the 150.
    QList<Answer> answers;
    QStringList rows;
    for (int i = 0; i < 150; ++i) {
        const QString first = QString::number(i + 1);
        const QString correct = QString::number(i + 2);
        const QString typed = i % 3 == 0 ? u"0"_s : correct;
        const QString verdict = i % 3 == 0 ? u"Wrong"_s : u"Right"_s;
        answers.append({ float(i + 1), 1, 1, typed });
        if (i < 100) {
            rows << (i % 2 == 0 ? plainRow(first, u"+"_s, u"1"_s, typed, correct, verdict)
                                : greyRow(first, u"+"_s, u"1"_s, typed, correct, verdict));
        }
    }
    answerAll(window, answers);
    printReport(window, u"Ann"_s);

    const QByteArray report
        = testsupport::fileBytes(reportPath(fixture.folder(), u"AnnOrviReport.html"_s));
    QCOMPARE(report, asciiReport(u"Ann"_s, rows, u"150"_s, u"100"_s, u"50"_s, u"66.7%"_s));
    QCOMPARE(report.count("\r\n"), 17 + 100);
    QCOMPARE(testsupport::logRowCount(window), 150);
}

void ReportPrintTest::panelIsReadyForNextNameAfterPrinting()
{
    testsupport::TutorFixture fixture;
    testsupport::UrlCapture capture;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    answerAll(window, { { 3, 7, 1, u"10"_s } });
    printReport(window, u"Ann"_s);

    // The pupil goes back to answering: the next keys land in the answer box.
    QTest::keyClicks(QApplication::focusWidget(), "12");
    QCOMPARE(answerBox(window)->text(), u"12"_s);
    QCOMPARE(nameBox(window)->text(), QString());
    answerBox(window)->clear();

    QVERIFY(!named<QWidget>(&window, u"fraLog"_s)->isHidden());
    QVERIFY(named<QAction>(&window, u"mnuOptHideReport"_s)->isVisible());
    QVERIFY(!named<QAction>(&window, u"mnuOptShowReport"_s)->isVisible());
    QCOMPARE(nameBox(window)->text(), QString());
    QVERIFY(!printButton(window)->isEnabled());
    QCOMPARE(testsupport::logRowCount(window), 1);

    // Printing again for the same name replaces the report whole.
    answerAll(window, { { 3, 7, 1, u"11"_s } });
    typeName(window, u"Ann"_s);
    QTest::mouseClick(printButton(window), Qt::LeftButton);

    const QString path = reportPath(fixture.folder(), u"AnnOrviReport.html"_s);
    QCOMPARE(testsupport::fileBytes(path),
        asciiReport(u"Ann"_s,
            { plainRow(u"3"_s, u"+"_s, u"7"_s, u"10"_s, u"10"_s, u"Right"_s),
                greyRow(u"3"_s, u"+"_s, u"7"_s, u"11"_s, u"10"_s, u"Wrong"_s) },
            u"2"_s, u"1"_s, u"1"_s, u"50.%"_s));
    QCOMPARE(testsupport::everythingUnder(fixture.folder() + u"/reports"_s),
        QStringList(u"AnnOrviReport.html"_s));
    QCOMPARE(capture.urls.size(), 2);
    QCOMPARE(nameBox(window)->text(), QString());
    QVERIFY(!printButton(window)->isEnabled());
}

void ReportPrintTest::unsafeNameWritesNothingAndCanBeCorrected_data()
{
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<QString>("reason"); // what the message must name

    QTest::newRow("up a folder") << u"../Ann"_s << u"'/'"_s;
    QTest::newRow("slash") << u"Ann/Jo"_s << u"'/'"_s;
    QTest::newRow("backslash") << u"Ann\\Jo"_s << u"'\\'"_s;
    QTest::newRow("dot") << u"."_s << u"\".\""_s;
    QTest::newRow("dot dot") << u".."_s << u"\"..\""_s;
    QTest::newRow("markup") << u"<b>Ann</b>"_s << u"'<'"_s;
    QTest::newRow("colon") << u"C:Ann"_s << u"':'"_s;
    QTest::newRow("double quote") << u"\"Ann\""_s << u"'\"'"_s;
    QTest::newRow("bar") << u"Ann|Jo"_s << u"'|'"_s;
    QTest::newRow("question mark") << u"Ann?"_s << u"'?'"_s;
    QTest::newRow("star") << u"*"_s << u"'*'"_s;
    QTest::newRow("101 letters") << QString(101, u'a') << u"100"_s;
    // Three bytes each in the file name: only 80 fit beside "OrviReport.html".
    QTest::newRow("81 Chinese characters") << QString(81, QChar(0x6F22)) << u"80"_s;
}

void ReportPrintTest::unsafeNameWritesNothingAndCanBeCorrected()
{
    QFETCH(QString, typedName);
    QFETCH(QString, reason);

    testsupport::TutorFixture fixture;
    testsupport::UrlCapture capture;
    testsupport::MessageBoxCloser closer;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    answerAll(window, { { 3, 7, 1, u"10"_s } });
    const QStringList before = testsupport::everythingUnder(fixture.folder());

    printReport(window, typedName);

    QCOMPARE(testsupport::everythingUnder(fixture.folder()), before);
    QVERIFY(!QFileInfo::exists(fixture.folder() + u"/../AnnOrviReport.html"_s));
    QVERIFY(capture.urls.isEmpty());
    QCOMPARE(closer.texts.size(), 1);
    // The message names the rule this name breaks, and no other.
    const QString message = closer.texts.first();
    QVERIFY2(message.contains(reason), qPrintable(message));
    for (const QChar c : u"/\\<>:\"|?*"_s) {
        if (!typedName.contains(c))
            QVERIFY2(!message.contains(u'\'' + c + u'\''), qPrintable(message));
    }
    QCOMPARE(nameBox(window)->text(), typedName);
    QVERIFY(printButton(window)->isEnabled());
    QVERIFY(!named<QWidget>(&window, u"fraLog"_s)->isHidden());
    // The pupil can correct the name straight away.
    QVERIFY(activeAgain(window));
    QCOMPARE(QApplication::focusWidget(), nameBox(window));

    // The pupil puts the name right and prints.
    nameBox(window)->clear();
    typeName(window, u"Ann"_s);
    QTest::mouseClick(printButton(window), Qt::LeftButton);
    const QString path = reportPath(fixture.folder(), u"AnnOrviReport.html"_s);
    QVERIFY(QFileInfo(path).isFile());
    QCOMPARE(capture.urls, QList<QUrl>({ QUrl::fromLocalFile(path) }));
    QCOMPARE(closer.texts.size(), 1);
}

void ReportPrintTest::failedWriteKeepsEarlierFilesAndSaysWhy_data()
{
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<bool>("blockerIsFolder");
    QTest::addColumn<QString>("namedInMessage");

    // Neither fails through permissions, so both fail for root too.
    QTest::newRow("report name is a folder")
        << u"reports/AnnOrviReport.html"_s << true << u"reports/AnnOrviReport.html"_s;
    QTest::newRow("reports is a file") << u"reports"_s << false << u"reports"_s;
}

void ReportPrintTest::failedWriteKeepsEarlierFilesAndSaysWhy()
{
    QFETCH(QString, blocker);
    QFETCH(bool, blockerIsFolder);
    QFETCH(QString, namedInMessage);

    testsupport::TutorFixture fixture;
    testsupport::UrlCapture capture;
    testsupport::MessageBoxCloser closer;
    MainWindow &window = fixture.window();
    answerAll(window, { { 3, 7, 1, u"10"_s } });

    const QString blockerPath = fixture.folder() + u'/' + blocker;
    QVERIFY(QDir().mkpath(QFileInfo(blockerPath).absolutePath()));
    const QString keptPath = blockerIsFolder ? blockerPath + u"/kept.txt"_s : blockerPath;
    if (blockerIsFolder)
        QVERIFY(QDir().mkpath(blockerPath));
    QFile kept(keptPath);
    QVERIFY(kept.open(QIODevice::WriteOnly));
    kept.write("kept");
    kept.close();
    const QStringList before = testsupport::everythingUnder(fixture.folder());
    const QString reason
        = testsupport::whyNotWritable(reportPath(fixture.folder(), u"AnnOrviReport.html"_s));

    QVERIFY(QTest::qWaitForWindowActive(&window));
    printReport(window, u"Ann"_s);

    QCOMPARE(closer.texts.size(), 1);
    const QString message = closer.texts.first();
    QVERIFY2(message.contains(QDir::toNativeSeparators(fixture.folder() + u'/' + namedInMessage)),
        qPrintable(message));
    // Below the first line: the system's reason.
    QVERIFY2(!message.section(u'\n', 1).trimmed().isEmpty(), qPrintable(message));
    QVERIFY2(message.trimmed().endsWith(reason), qPrintable(message + u" / "_s + reason));
    QCOMPARE(testsupport::fileBytes(keptPath), QByteArray("kept"));
    QCOMPARE(testsupport::everythingUnder(fixture.folder()), before); // no half-written leftovers
    QVERIFY(capture.urls.isEmpty());

    // The name stays, so the pupil can print again once the cause is put right.
    QVERIFY(!named<QWidget>(&window, u"fraLog"_s)->isHidden());
    QCOMPARE(nameBox(window)->text(), u"Ann"_s);
    QVERIFY(printButton(window)->isEnabled());
    QVERIFY(activeAgain(window));
    QCOMPARE(QApplication::focusWidget(), nameBox(window));
}

void ReportPrintTest::browserThatCannotStartIsToldWhereTheReportIs()
{
    // No handler is captured, and the headless desktop cannot open files.
    testsupport::TutorFixture fixture;
    testsupport::MessageBoxCloser closer;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    answerAll(window, { { 3, 7, 1, u"10"_s } });

    printReport(window, u"Ann"_s);

    const QString path = reportPath(fixture.folder(), u"AnnOrviReport.html"_s);
    QVERIFY(testsupport::fileBytes(path).startsWith("<head>\r\n"));
    QCOMPARE(closer.texts.size(), 1);
    // It reads as a saved report, not as a failure, and says where it is.
    const QString message = closer.texts.first();
    QVERIFY2(
        message.contains(u"saved as "_s + QDir::toNativeSeparators(path)), qPrintable(message));
    QVERIFY2(message.contains(u"web browser"_s), qPrintable(message));
    QVERIFY2(!message.contains(u"Cannot"_s, Qt::CaseInsensitive), qPrintable(message));
    // The report was written, so the panel is ready for the next name and
    // the pupil for the next answer.
    QCOMPARE(nameBox(window)->text(), QString());
    QVERIFY(!printButton(window)->isEnabled());
    QVERIFY(activeAgain(window));
    QTest::keyClicks(QApplication::focusWidget(), "7");
    QCOMPARE(answerBox(window)->text(), u"7"_s);
}

void ReportPrintTest::pickedRowLightsInAllSixColumns_data()
{
    QTest::addColumn<QByteArray>("column"); // where the pupil picks
    QTest::addColumn<bool>("byTab"); // else by a click on a row
    QTest::addColumn<int>("clickedRow");
    QTest::addColumn<int>("downKeys"); // then pressed
    QTest::addColumn<bool>("ctrlClickAgain"); // on the row clicked
    QTest::addColumn<int>("litRow"); // -1: none

    // Row 0 has an empty "Your Answer" cell.
    QTest::newRow("tab into the first column")
        << QByteArray("lstLogNum1") << true << -1 << 0 << false << 0;
    QTest::newRow("tab in, then down") << QByteArray("lstLogNum1") << true << -1 << 2 << false << 2;
    QTest::newRow("click on an empty answer")
        << QByteArray("lstLogYourAn") << false << 0 << 0 << false << 0;
    QTest::newRow("click on a verdict") << QByteArray("lstLogRW") << false << 1 << 0 << false << 1;
    QTest::newRow("click, then down") << QByteArray("lstLogOper") << false << 1 << 1 << false << 2;
    QTest::newRow("ctrl+click unlights")
        << QByteArray("lstLogCorrAn") << false << 1 << 0 << true << -1;
}

void ReportPrintTest::pickedRowLightsInAllSixColumns()
{
    QFETCH(QByteArray, column);
    QFETCH(bool, byTab);
    QFETCH(int, clickedRow);
    QFETCH(int, downKeys);
    QFETCH(bool, ctrlClickAgain);
    QFETCH(int, litRow);

    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    answerAll(window, { { 3, 7, 1, QString() }, { 3, 7, 1, u"10"_s }, { 3, 7, 1, u"11"_s } });
    testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
    auto *picked = named<QListView>(&window, QString::fromLatin1(column));

    if (byTab) {
        // From the answer box, Tab on until the log has the focus.
        for (int presses = 0; presses < 20; ++presses) {
            if (qobject_cast<QListView *>(QApplication::focusWidget()))
                break;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), picked);
    } else {
        // A place on the row where the window shows this column.
        const QRect cell = testsupport::rowRect(picked, clickedRow);
        const QPoint place(cell.left() + 4, cell.center().y());
        QCOMPARE(window.childAt(picked->viewport()->mapTo(&window, place)), picked->viewport());
        QTest::mouseClick(picked->viewport(), Qt::LeftButton, {}, place);
        if (ctrlClickAgain)
            QTest::mouseClick(picked->viewport(), Qt::LeftButton, Qt::ControlModifier, place);
    }
    for (int i = 0; i < downKeys; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);

    const QImage shot = window.grab().toImage();
    for (const char *name : LogColumns) {
        auto *list = named<QListView>(&window, QString::fromLatin1(name));
        for (int row = 0; row < testsupport::listRowCount(list); ++row) {
            QCOMPARE(testsupport::isRowSelected(list, row), row == litRow);
            const double share = litShare(window, shot, list, row);
            const QByteArray where = u"%1 row %2: %3"_s.arg(name).arg(row).arg(share).toUtf8();
            if (row == litRow)
                QVERIFY2(share > 0.5, where.constData());
            else
                QVERIFY2(share == 0, where.constData());
        }
    }
}

QTEST_MAIN(ReportPrintTest)
#include "report_print_test.moc"
