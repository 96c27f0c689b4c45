#include "base/language.h"
#include "tests/test_support.h"
#include "worksheet/page_plan.h"
#include "worksheet/worksheet_print.h"

#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace Qt::StringLiterals;
using tutor::PagePlace;
using tutor::PagePlan;

Q_DECLARE_METATYPE(PagePlace)

namespace {

// The printable area of a sheet of paper inside the worksheet's 15 mm margins.
QSizeF printable(QPageSize::PageSizeId paper)
{
    return QPageSize(paper).size(QPageSize::Millimeter) - QSizeF(30, 30);
}

constexpr int Dpi = 300;

// A4 with the worksheet's margins, printed into `pdf`.
bool printA4(const QString &pdf, const tutor::WorksheetPrint &content)
{
    QPdfWriter writer(pdf);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    return tutor::printWorksheet(writer, content) == tutor::PrintOutcome::Printed;
}

// A page of a PDF as a reader shows it, in greys; a null image when it
// cannot be drawn.
QImage pdfPage(const QString &pdf, int page)
{
    const QString prefix = pdf + QStringLiteral("-page");
    const QString number = QString::number(page);
    QProcess drawer;
    drawer.start(QStringLiteral("pdftoppm"),
        { QStringLiteral("-r"), QString::number(Dpi), QStringLiteral("-gray"), QStringLiteral("-f"),
            number, QStringLiteral("-l"), number, QStringLiteral("-singlefile"), pdf, prefix });
    if (!drawer.waitForFinished(60000) || drawer.exitCode() != 0)
        return {};
    return QImage(prefix + QStringLiteral(".pgm")).convertToFormat(QImage::Format_Grayscale8);
}

// A word of a PDF, and whether it lies inside the worksheet's 15 mm margins.
struct WordBox
{
    QString text;
    bool onPrintablePart = false;
};

QList<WordBox> pdfWordBoxes(const QString &pdf)
{
    QProcess reader;
    reader.start(
        QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), pdf, QStringLiteral("-") });
    if (!reader.waitForFinished(60000) || reader.exitCode() != 0)
        return {};
    const QString boxes = QString::fromUtf8(reader.readAllStandardOutput());
    const QRegularExpression page(uR"x(<page width="([\d.]+)" height="([\d.]+)")x"_s);
    const QRegularExpression word(
        uR"x(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)x"_s);
    const QRegularExpressionMatch size = page.match(boxes);
    const double margin = 15 / 25.4 * 72 - 1; // points, less one for rounding
    const QRectF printable = QRectF(0, 0, size.captured(1).toDouble(), size.captured(2).toDouble())
                                 .adjusted(margin, margin, -margin, -margin);
    QList<WordBox> words;
    for (const QRegularExpressionMatch &found : word.globalMatch(boxes)) {
        const QRectF box(QPointF(found.captured(1).toDouble(), found.captured(2).toDouble()),
            QPointF(found.captured(3).toDouble(), found.captured(4).toDouble()));
        words.append({ found.captured(5), printable.contains(box) });
    }
    return words;
}

// The box around the ink of `page` that `without` lacks: what one change
// to the worksheet added to the page.
QRect inkOnlyIn(const QImage &page, const QImage &without)
{
    QRect ink;
    if (page.size() != without.size())
        return ink;
    for (int y = 0; y < page.height(); ++y) {
        const uchar *with = page.constScanLine(y);
        const uchar *other = without.constScanLine(y);
        for (int x = 0; x < page.width(); ++x) {
            if (with[x] < 128 && other[x] - with[x] > 64)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
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
    void signsStandAsTallAsTheDigits_data();
    void signsStandAsTallAsTheDigits();
    void teacherAndClassStayOnThePage_data();
    void teacherAndClassStayOnThePage();
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
        content.problems.append(
            { tutor::Level::WarmUp, tutor::Operation::Addition, float(k), 1, qint16(k + 1) });
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

void WorksheetPrintTest::signsStandAsTallAsTheDigits_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("operation");
    // The sign's inked height and width over a digit's height: the minus has
    // only its stroke, a dot and a colon are narrow.
    QTest::addColumn<double>("lowest");
    QTest::addColumn<double>("highest");
    QTest::addColumn<double>("narrowest");
    QTest::addColumn<double>("widest");
    QTest::addColumn<QString>("written"); // the sign in the PDF's text
    const int times = int(tutor::Operation::Multiplication);
    const int division = int(tutor::Operation::Division);
    QTest::newRow("plus") << u"en"_s << int(tutor::Operation::Addition) << 0.9 << 1.1 << 0.9 << 1.1
                          << u"+"_s;
    QTest::newRow("minus") << u"en"_s << int(tutor::Operation::Subtraction) << 0.06 << 0.25 << 0.9
                           << 1.1 << u"\u2212"_s;
    QTest::newRow("times") << u"en"_s << times << 0.9 << 1.1 << 0.9 << 1.1 << u"\u00D7"_s;
    QTest::newRow("divided by") << u"en"_s << division << 0.9 << 1.1 << 0.9 << 1.1 << u"\u00F7"_s;
    QTest::newRow("German times: a raised dot")
        << u"de"_s << times << 0.12 << 0.4 << 0.12 << 0.4 << u"\u00B7"_s;
    QTest::newRow("German divided by: a colon")
        << u"de"_s << division << 0.6 << 0.95 << 0.12 << 0.4 << u":"_s;
    QTest::newRow("French divided by: a colon")
        << u"fr"_s << division << 0.6 << 0.95 << 0.12 << 0.4 << u":"_s;
}

// On the worksheet's sum and on the key's answer line alike, the sign is the
// one the language writes, as tall as a digit of the numbers beside it (a
// dot or colon less), and stands at the digits' middle.
void WorksheetPrintTest::signsStandAsTallAsTheDigits()
{
    QFETCH(QString, language);
    QFETCH(int, operation);
    QFETCH(double, lowest);
    QFETCH(double, highest);
    QFETCH(double, narrowest);
    QFETCH(double, widest);
    QFETCH(QString, written);
    language::speak(language);
    const auto english = qScopeGuard([] { language::speak(u"en"_s); });

    QTemporaryDir folder;
    const auto printed = [&](const QString &name, int code, float second, qint16 answer) {
        const QString pdf = folder.filePath(name + u".pdf"_s);
        const tutor::WorksheetPrint content { u"Ms Ada"_s, u"4B"_s, QDate(2026, 12, 7),
            { { tutor::Level::WarmUp, tutor::Operation(code), 8, second, answer } }, true };
        return printA4(pdf, content) ? pdf : QString();
    };
    // An operation of no known code leaves the sign's place empty.
    const QString whole = printed(u"whole"_s, operation, 88, 88);
    const QString noSign = printed(u"no sign"_s, 0, 88, 88);
    // The digit to measure is the one "88" has over "8": on the worksheet the
    // second number's first, set right; in the key the answer's last.
    const QString noSecond = printed(u"no second"_s, operation, 8, 88);
    const QString noAnswer = printed(u"no answer"_s, operation, 88, 8);
    QVERIFY(!whole.isEmpty() && !noSign.isEmpty() && !noSecond.isEmpty() && !noAnswer.isEmpty());

    for (int page : { 1, 2 }) {
        const QString where = page == 1 ? u"worksheet"_s : u"key"_s;
        const QImage shown = pdfPage(whole, page);
        QVERIFY(!shown.isNull());
        const QRect sign = inkOnlyIn(shown, pdfPage(noSign, page));
        const QRect digit = inkOnlyIn(shown, pdfPage(page == 1 ? noSecond : noAnswer, page));
        QVERIFY2(!sign.isEmpty() && digit.height() > 10, qPrintable(where));
        const double height = double(sign.height()) / digit.height();
        const double width = double(sign.width()) / digit.height();
        QVERIFY2(height >= lowest && height <= highest,
            qPrintable(where + u": height "_s + QString::number(height)));
        QVERIFY2(width >= narrowest && width <= widest,
            qPrintable(where + u": width "_s + QString::number(width)));
        const double offCentre = std::abs(sign.center().y() - digit.center().y());
        QVERIFY2(offCentre <= 0.1 * digit.height(),
            qPrintable(where + u": "_s + QString::number(offCentre) + u" px off the middle"_s));
        QVERIFY2(sign.right() < digit.left(), qPrintable(where));
    }
    QVERIFY(testsupport::pdfWords(whole).contains(written));
}

void WorksheetPrintTest::teacherAndClassStayOnThePage_data()
{
    QTest::addColumn<QString>("teacher");
    QTest::addColumn<QString>("className");
    QTest::addColumn<bool>("teacherWhole");
    QTest::addColumn<bool>("classWhole");
    const QString longName = u"Ada Augusta King Countess of Lovelace Byron"_s;
    const QString veryLong = QStringList(5, longName).join(u' ');
    QTest::newRow("short names") << u"Ms Ada"_s << u"4B"_s << true << true;
    QTest::newRow("a long teacher's name that fits") << longName << u"4B"_s << true << true;
    QTest::newRow("both long, fitting together") << longName << longName << true << true;
    QTest::newRow("a teacher's name too long") << veryLong << u"4B Maple Room"_s << false << true;
    QTest::newRow("a class name too long") << u"Ms Ada"_s << veryLong << true << false;
    QTest::newRow("both too long") << veryLong << veryLong << false << false;
    QTest::newRow("a long teacher's name and no class") << veryLong << QString() << false << true;
    QTest::newRow("a long class name and no teacher") << QString() << veryLong << true << false;
}

// Both names are on every page, whole when they fit; when they do not, the
// one too long is shortened with "…", and the class is never left out.
// Nothing runs into the page's margin.
void WorksheetPrintTest::teacherAndClassStayOnThePage()
{
    QFETCH(QString, teacher);
    QFETCH(QString, className);
    QFETCH(bool, teacherWhole);
    QFETCH(bool, classWhole);

    QTemporaryDir folder;
    const QString pdf = folder.filePath(u"names.pdf"_s);
    const tutor::WorksheetPrint content { teacher, className, QDate(2026, 12, 7),
        { { tutor::Level::WarmUp, tutor::Operation::Multiplication, 8, 8, 64 } }, true };
    QVERIFY(printA4(pdf, content));
    const QString text = testsupport::pdfWords(pdf).join(u' ');

    const auto check = [&text](const QString &label, const QString &name, bool whole) {
        if (name.isEmpty()) {
            QVERIFY2(!text.contains(label), qPrintable(text));
            return;
        }
        // Twice: on the worksheet page and on the key's.
        if (whole) {
            QCOMPARE(text.count(label + name), 2);
            return;
        }
        const QRegularExpression shortened(
            QRegularExpression::escape(label) + u"([^\u2026]*)\u2026"_s);
        auto found = shortened.globalMatch(text);
        int times = 0;
        while (found.hasNext()) {
            const QString kept = found.next().captured(1).trimmed();
            QVERIFY2(kept.size() >= 10 && name.startsWith(kept), qPrintable(kept));
            ++times;
        }
        QCOMPARE(times, 2);
    };
    check(u"Teacher: "_s, teacher, teacherWhole);
    check(u"Class: "_s, className, classWhole);

    // Every word inside the margins, where the printer can print it.
    const QList<WordBox> words = pdfWordBoxes(pdf);
    QVERIFY(words.size() > 10);
    for (const WordBox &word : words)
        QVERIFY2(word.onPrintablePart, qPrintable(word.text));
}

QTEST_MAIN(WorksheetPrintTest)
#include "worksheet_print_test.moc"
