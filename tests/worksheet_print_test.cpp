#include "tests/test_support.h"
#include "worksheet/page_plan.h"
#include "worksheet/worksheet_print.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

using tutor::PagePlace;
using tutor::PagePlan;

Q_DECLARE_METATYPE(PagePlace)

namespace {

// The printable area of a sheet of paper inside the worksheet's 15 mm margins.
QSizeF printable(QPageSize::PageSizeId paper)
{
    return QPageSize(paper).size(QPageSize::Millimeter) - QSizeF(30, 30);
}

} // namespace

class WorksheetPrintTest : public QObject
{
    Q_OBJECT

private slots:
    void pagesForEveryWorksheetLength_data();
    void pagesForEveryWorksheetLength();
    void everyProblemHasOnePlace_data();
    void everyProblemHasOnePlace();
    void printRunDrawsItsPageRangeAndStopsWhenTold_data();
    void printRunDrawsItsPageRangeAndStopsWhenTold();
};

// A4 holds 4 x 6 sums a page and 4 x 33 key lines; Letter, shorter, 4 x 5
// sums and 4 x 31 key lines.
void WorksheetPrintTest::pagesForEveryWorksheetLength_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("problems");
    QTest::addColumn<int>("sheetPages");
    QTest::addColumn<int>("keyPages");
    QTest::addColumn<PagePlace>("lastOnSheet");
    QTest::addColumn<PagePlace>("lastInKey");

    const int a4 = QPageSize::A4;
    const int letter = QPageSize::Letter;
    QTest::newRow("A4, empty") << a4 << 0 << 0 << 0 << PagePlace() << PagePlace();
    QTest::newRow("A4, one") << a4 << 1 << 1 << 1 << PagePlace { 0, 0, 0 } << PagePlace { 1, 0, 0 };
    QTest::newRow("A4, a page's worth")
        << a4 << 24 << 1 << 1 << PagePlace { 0, 5, 3 } << PagePlace { 1, 5, 3 };
    QTest::newRow("A4, one more") << a4 << 25 << 2 << 1 << PagePlace { 1, 0, 0 }
                                  << PagePlace { 2, 6, 0 };
    QTest::newRow("A4, a key page's worth")
        << a4 << 132 << 6 << 1 << PagePlace { 5, 2, 3 } << PagePlace { 6, 32, 3 };
    QTest::newRow("A4, full") << a4 << 32767 << 1366 << 249 << PagePlace { 1365, 1, 2 }
                              << PagePlace { 1614, 7, 2 };
    QTest::newRow("Letter, one") << letter << 1 << 1 << 1 << PagePlace { 0, 0, 0 }
                                 << PagePlace { 1, 0, 0 };
    QTest::newRow("Letter, a page's worth")
        << letter << 20 << 1 << 1 << PagePlace { 0, 4, 3 } << PagePlace { 1, 4, 3 };
    QTest::newRow("Letter, one more")
        << letter << 21 << 2 << 1 << PagePlace { 1, 0, 0 } << PagePlace { 2, 5, 0 };
    QTest::newRow("Letter, full") << letter << 32767 << 1639 << 265 << PagePlace { 1638, 1, 2 }
                                  << PagePlace { 1903, 7, 2 };
}

void WorksheetPrintTest::pagesForEveryWorksheetLength()
{
    QFETCH(int, paper);
    QFETCH(int, problems);
    QFETCH(int, sheetPages);
    QFETCH(int, keyPages);
    QFETCH(PagePlace, lastOnSheet);
    QFETCH(PagePlace, lastInKey);

    const QSizeF area = printable(QPageSize::PageSizeId(paper));
    const PagePlan withKey(problems, area, true);
    QCOMPARE(withKey.sheetPages(), sheetPages);
    QCOMPARE(withKey.keyPages(), keyPages);
    QCOMPARE(withKey.pageCount(), sheetPages + keyPages);
    if (problems > 0) {
        QCOMPARE(withKey.sheetPlace(problems - 1), lastOnSheet);
        QCOMPARE(withKey.keyPlace(problems - 1), lastInKey);
        // The key starts on a page of its own.
        QCOMPARE(withKey.keyPlace(0), (PagePlace { sheetPages, 0, 0 }));
    }

    const PagePlan withoutKey(problems, area, false);
    QCOMPARE(withoutKey.pageCount(), sheetPages);
    QVERIFY(!withoutKey.isKeyPage(sheetPages - 1));
}

void WorksheetPrintTest::everyProblemHasOnePlace_data()
{
    QTest::addColumn<QSizeF>("area");
    QTest::addColumn<int>("problems");
    QTest::newRow("A4") << printable(QPageSize::A4) << 300;
    QTest::newRow("Letter") << printable(QPageSize::Letter) << 300;
    // Paper too small for a single sum still takes one a page.
    QTest::newRow("a label") << QSizeF(20, 30) << 7;
}

// Each page's problems follow on from the page before, none twice, and each
// sits in its own cell on its page.
void WorksheetPrintTest::everyProblemHasOnePlace()
{
    QFETCH(QSizeF, area);
    QFETCH(int, problems);
    const PagePlan plan(problems, area, true);
    QSet<QList<int>> cells;
    int expectedFirst = 0;
    for (int page = 0; page < plan.pageCount(); ++page) {
        if (page == plan.sheetPages())
            expectedFirst = 0;
        QCOMPARE(plan.firstProblemOn(page), expectedFirst);
        QVERIFY(plan.endOfProblemsOn(page) > plan.firstProblemOn(page));
        for (int problem = plan.firstProblemOn(page); problem < plan.endOfProblemsOn(page);
             ++problem) {
            const PagePlace place
                = plan.isKeyPage(page) ? plan.keyPlace(problem) : plan.sheetPlace(problem);
            QCOMPARE(place.page, page);
            QVERIFY(place.row >= 0 && place.column >= 0);
            const tutor::PageGrid grid = plan.isKeyPage(page) ? plan.keyGrid() : plan.sheetGrid();
            QVERIFY(place.row < grid.rows && place.column < grid.columns);
            QVERIFY(!cells.contains({ place.page, place.row, place.column }));
            cells.insert({ place.page, place.row, place.column });
        }
        expectedFirst = plan.endOfProblemsOn(page);
    }
    QCOMPARE(expectedFirst, problems);
    QCOMPARE(cells.size(), 2 * problems);
}

void WorksheetPrintTest::printRunDrawsItsPageRangeAndStopsWhenTold_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("stopAfter"); // pages; 0 runs to the end
    QTest::addColumn<QStringList>("pages");
    QTest::addColumn<int>("outcome");
    // "printer", "printer, every page chosen" (after a range was typed), or
    // "PDF writer", which a PDF file is printed through.
    QTest::addColumn<QString>("device");
    const QString of = QStringLiteral(" of 6");
    QStringList all;
    for (int page = 1; page <= 6; ++page)
        all << QStringLiteral("Page %1").arg(page) + of;
    const int printed = int(tutor::PrintOutcome::Printed);
    const QString printer = QStringLiteral("printer");
    const QString writer = QStringLiteral("PDF writer");
    QTest::newRow("every page") << 0 << 0 << 0 << all << printed << printer;
    QTest::newRow("pages 2 to 3") << 2 << 3 << 0 << all.mid(1, 2) << printed << printer;
    QTest::newRow("the key's pages") << 6 << 9 << 0 << all.mid(5) << printed << printer;
    QTest::newRow("cancelled after two")
        << 0 << 0 << 2 << QStringList() << int(tutor::PrintOutcome::Cancelled) << printer;
    QTest::newRow("every page chosen after typing 2 to 3")
        << 2 << 3 << 0 << all << printed << QStringLiteral("printer, every page chosen");
    QTest::newRow("PDF writer, every page") << 0 << 0 << 0 << all << printed << writer;
    QTest::newRow("PDF writer, pages 2 to 3") << 2 << 3 << 0 << all.mid(1, 2) << printed << writer;
    QTest::newRow("PDF writer, cancelled after two")
        << 0 << 0 << 2 << QStringList() << int(tutor::PrintOutcome::Cancelled) << writer;
}

// 120 problems on A4: five worksheet pages and one of answers.
void WorksheetPrintTest::printRunDrawsItsPageRangeAndStopsWhenTold()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, stopAfter);
    QFETCH(QStringList, pages);
    QFETCH(int, outcome);
    QFETCH(QString, device);

    tutor::WorksheetPrint content { QString(), QString(), QDate(2026, 12, 7), {}, true };
    for (int k = 1; k <= 120; ++k)
        content.rows.append({ QString::number(k), QStringLiteral("+"), QStringLiteral("1"),
            QString::number(k + 1) });
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("worksheet.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QPdfWriter writer(pdf);
    QPagedPaintDevice &paper = device == QStringLiteral("PDF writer")
        ? static_cast<QPagedPaintDevice &>(writer)
        : static_cast<QPagedPaintDevice &>(printer);
    paper.setPageSize(QPageSize(QPageSize::A4));
    paper.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    if (from > 0) {
        printer.setFromTo(from, to);
        printer.setPrintRange(
            device == QStringLiteral("printer") ? QPrinter::PageRange : QPrinter::AllPages);
        writer.setPageRanges(printer.pageRanges());
    }
    QList<int> progress;
    QList<int> totals;
    const auto keepGoing = [&](int done, int total) {
        progress << done;
        totals << total;
        return stopAfter == 0 || done < stopAfter;
    };

    QCOMPARE(int(tutor::printWorksheet(paper, content, keepGoing)), outcome);
    if (stopAfter > 0) {
        QCOMPARE(progress, QList<int>({ 1, 2 }));
        return;
    }
    QCOMPARE(progress.size(), pages.size());
    QCOMPARE(totals.last(), int(pages.size()));
    const QString text = testsupport::pdfWords(pdf).join(QLatin1Char(' '));
    QStringList printed;
    for (int page = 1; page <= 6; ++page) {
        const QString footer = QStringLiteral("Page %1 of 6").arg(page);
        if (text.contains(footer))
            printed << footer;
    }
    QCOMPARE(printed, pages);
}

QTEST_MAIN(WorksheetPrintTest)
#include "worksheet_print_test.moc"
