#include "app/main_window.h"
#include "tests/test_support.h"
#include "tests/worksheet_test_support.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace Qt::StringLiterals;
using namespace worksheettest;
using testsupport::named;

namespace {

QString accessibleText(QWidget *widget, QAccessible::Text text)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(text) : u"<no interface>"_s;
}

// What the keyboard reaches in the open preview, from where it starts.
struct PreviewWalk
{
    QWidget *start = nullptr;
    QList<QWidget *> stops; // every Tab stop once, from the start on
};

// Presses Tab until the focus comes back where it started.
PreviewWalk walkByTab()
{
    PreviewWalk walk;
    walk.start = QApplication::focusWidget();
    for (QWidget *at = walk.start; at && !walk.stops.contains(at) && walk.stops.size() < 30;
         at = QApplication::focusWidget()) {
        walk.stops << at;
        QTest::keyClick(at, Qt::Key_Tab);
    }
    return walk;
}

// Opens "Print..." and hands the preview, active and with its pages made, to
// `use`; closes it unprinted if `use` leaves it open.
void inPreview(MainWindow &window, const std::function<void(QPrintPreviewDialog *)> &use)
{
    QTimer::singleShot(0, &window, [&]() {
        auto *preview = named<QPrintPreviewDialog>(&window, u"dlgPrintWorksheet"_s);
        if (!preview)
            return;
        preview->activateWindow();
        if (QTest::qWaitForWindowActive(preview))
            use(preview);
        if (preview->isVisible())
            preview->reject();
    });
    button(window, "cmdPrintWorksheet")->click();
}

QPushButton *printButton(QDialog *preview)
{
    for (QPushButton *button : preview->findChildren<QPushButton *>()) {
        if (accessibleText(button, QAccessible::Name) == u"Print"_s)
            return button;
    }
    return nullptr;
}

} // namespace

class WorksheetByEarTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void previewIsWalkedByTabAndEveryStopIsNamed();
    void previewPrintsByKeyboardAsItsPrintButtonDoes_data();
    void previewPrintsByKeyboardAsItsPrintButtonDoes();
    void eachCommandIsToldToTheControlItWasGivenOn();
};

void WorksheetByEarTest::init()
{
    QAccessible::setActive(true);
}

// The preview opens on its named pages, which say how many there are, and
// Tab reaches the answer key choice and a real Print button; no stop is
// silent.
void WorksheetByEarTest::previewIsWalkedByTabAndEveryStopIsNamed()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Warm Up"_s, u"Addition"_s);
    createProblems(window, 60);

    bool opened = false;
    inPreview(window, [&](QPrintPreviewDialog *preview) {
        opened = true;
        const int pages = preview->findChild<QPrintPreviewWidget *>()->pageCount();
        QVERIFY(pages > 1);
        const PreviewWalk walk = walkByTab();
        QVERIFY(walk.start);
        QVERIFY2(accessibleText(walk.start, QAccessible::Name).contains(u"pages"_s),
            qPrintable(accessibleText(walk.start, QAccessible::Name)));
        QCOMPARE(accessibleText(walk.start, QAccessible::Description), u"%1 pages"_s.arg(pages));
        for (QWidget *stop : walk.stops) {
            QVERIFY2(stop->window() == preview, stop->metaObject()->className());
            QVERIFY2(!accessibleText(stop, QAccessible::Name).isEmpty(),
                stop->metaObject()->className());
        }
        QPushButton *print = printButton(preview);
        QVERIFY(print);
        QVERIFY(walk.stops.contains(print));
        QVERIFY(walk.stops.contains(named<QCheckBox>(preview, u"chkIncludeAnswerKey"_s)));

        // The count follows the answer key choice.
        named<QCheckBox>(preview, u"chkIncludeAnswerKey"_s)->click();
        const int withoutKey = preview->findChild<QPrintPreviewWidget *>()->pageCount();
        QVERIFY(withoutKey < pages);
        QCOMPARE(accessibleText(walk.start, QAccessible::Description),
            withoutKey == 1 ? u"1 page"_s : u"%1 pages"_s.arg(withoutKey));
    });
    QVERIFY(opened);
}

void WorksheetByEarTest::previewPrintsByKeyboardAsItsPrintButtonDoes_data()
{
    QTest::addColumn<QString>("on"); // where Tab takes the keyboard first
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("prints");

    const int plain = Qt::NoModifier;
    QTest::newRow("space on Print") << u"print"_s << int(Qt::Key_Space) << plain << true;
    QTest::newRow("return on Print") << u"print"_s << int(Qt::Key_Return) << plain << true;
    QTest::newRow("return on the pages") << u"pages"_s << int(Qt::Key_Return) << plain << true;
    QTest::newRow("keypad enter on the pages")
        << u"pages"_s << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
    QTest::newRow("ctrl+p on the pages")
        << u"pages"_s << int(Qt::Key_P) << int(Qt::ControlModifier) << true;
    QTest::newRow("return on the answer key box")
        << u"key"_s << int(Qt::Key_Return) << plain << true;
    QTest::newRow("ctrl+p on the answer key box")
        << u"key"_s << int(Qt::Key_P) << int(Qt::ControlModifier) << true;
    QTest::newRow("space on Close") << u"close"_s << int(Qt::Key_Space) << plain << false;
    QTest::newRow("escape") << u"pages"_s << int(Qt::Key_Escape) << plain << false;
}

// The keys go the way of the tool bar's print button: the print dialog, then
// the same pages into the same file, and the news waits on "Print...", where
// the keyboard comes back to.
void WorksheetByEarTest::previewPrintsByKeyboardAsItsPrintButtonDoes()
{
    QFETCH(QString, on);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, prints);
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Warm Up"_s, u"Addition"_s);
    createProblems(window, 40);
    // The pages as the preview's own print writes them.
    const QString byPreview = fixture.folder() + u"/by-preview.pdf"_s;
    QVERIFY(testsupport::printToPdf(window, byPreview, true));

    const QString byKeys = fixture.folder() + u"/by-keys.pdf"_s;
    bool reached = false;
    int printDialogs = 0;
    inPreview(window, [&](QPrintPreviewDialog *preview) {
        preview->printer()->setOutputFormat(QPrinter::PdfFormat);
        preview->printer()->setOutputFileName(byKeys);
        QWidget *target = QApplication::focusWidget(); // the pages
        if (on == u"print"_s)
            target = printButton(preview);
        else if (on == u"key"_s)
            target = named<QCheckBox>(preview, u"chkIncludeAnswerKey"_s);
        else if (on == u"close"_s)
            target = named<QPushButton>(preview, u"cmdClosePreview"_s);
        QVERIFY(target);
        for (int i = 0; QApplication::focusWidget() != target && i < 30; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached = target->hasFocus();
        // The print dialog the keys open takes the file as set.
        QTimer::singleShot(0, preview, [&printDialogs, preview]() {
            if (auto *dialog = preview->findChild<QPrintDialog *>()) {
                ++printDialogs;
                dialog->accept();
            }
        });
        QTest::keyClick(
            QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    });
    QVERIFY(reached);
    QCOMPARE(printDialogs, prints ? 1 : 0);
    QCOMPARE(QFileInfo::exists(byKeys), prints);
    if (!prints)
        return;
    QCOMPARE(testsupport::pdfWords(byKeys), testsupport::pdfWords(byPreview));
    QCOMPARE(button(window, "cmdPrintWorksheet")->accessibleDescription(),
        u"Worksheet saved as PDF: %1."_s.arg(byKeys));
}

// A teacher builds, saves and clears a worksheet by keys alone and hears
// each step on the control the keys were on.
void WorksheetByEarTest::eachCommandIsToldToTheControlItWasGivenOn()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    enterWorksheet(window);
    const auto press = [&window](const char *name, Qt::Key key) {
        auto *control = named<QWidget>(&window, QString::fromLatin1(name));
        control->setFocus();
        QTest::keyClick(control, key);
        QTest::qVerify(control->hasFocus(), "hasFocus", "the keys stay", __FILE__, __LINE__);
        return control->accessibleDescription();
    };

    // Entering clears the worksheet without a word: the teacher did not.
    QVERIFY(button(window, "cmdClearWorksheet")->hasFocus());
    QCOMPARE(button(window, "cmdClearWorksheet")->accessibleDescription(), QString());

    // The arrow keys pick in the closed lists; the second pick readies
    // "Create Problem".
    QCOMPARE(press("cmbDifficulty", Qt::Key_Down), u"Difficulty Warm Up."_s);
    QCOMPARE(press("cmbDifficulty", Qt::Key_Down), u"Difficulty Beginner."_s);
    QCOMPARE(
        press("cmbOperation", Qt::Key_Down), u"Operation Addition. Create Problem is ready."_s);
    QCOMPARE(press("cmbOperation", Qt::Key_Down), u"Operation Subtraction."_s);

    for (int number = 1; number <= 2; ++number) {
        const QString told = press("cmdCreateProblem", Qt::Key_Space);
        const TutorState &state = window.state();
        QCOMPARE(told,
            u"Problem %1 added: %2 minus %3."_s.arg(number)
                .arg(qint64(state.Operand1))
                .arg(qint64(state.Operand2)));
    }

    QCOMPARE(press("cmdSaveWorksheet", Qt::Key_Space),
        u"Worksheet saved as %1."_s.arg(worksheetPath(fixture)));
    QCOMPARE(press("cmdSaveAnswer", Qt::Key_Space),
        u"Answer sheet saved as %1."_s.arg(answerSheetPath(fixture)));
    QCOMPARE(press("cmdClearWorksheet", Qt::Key_Space), u"Worksheet cleared."_s);
}

QTEST_MAIN(WorksheetByEarTest)
#include "worksheet_by_ear_test.moc"
