#include "worksheet/worksheet_print.h"

#include "base/language.h"
#include "rules/operations.h"
#include "worksheet/page_plan.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageRanges>
#include <QPaintEngine>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace tutor {

namespace {

// The printed worksheet's fixed texts in one place, so that they can be
// translated whole; %1 and on stand for the texts and numbers put in.
namespace words {
//: The printed worksheet's title.
constexpr char Title[] = QT_TRANSLATE_NOOP("WorksheetPrint", "Orvi Math Tutor Worksheet");
//: The title of the printed answer key's pages.
constexpr char KeyTitle[]
    = QT_TRANSLATE_NOOP("WorksheetPrint", "Orvi Math Tutor Worksheet - Answer Key");
//: Under the title; %1 is the teacher's name.
constexpr char Teacher[] = QT_TRANSLATE_NOOP("WorksheetPrint", "Teacher: %1");
//: Under the title; %1 is the class's name.
constexpr char Class[] = QT_TRANSLATE_NOOP("WorksheetPrint", "Class: %1");
//: Where the pupil writes their name; the line is theirs to write on.
constexpr char PupilsName[]
    = QT_TRANSLATE_NOOP("WorksheetPrint", "Name: ______________________________");
//: The page's footer.
constexpr char PageNumber[] = QT_TRANSLATE_NOOP("WorksheetPrint", "Page %1 of %2");
} // namespace words

QString phrase(const char *words)
{
    return QCoreApplication::translate("WorksheetPrint", words);
}

const QString PupilFont = QStringLiteral("Comic Sans MS");

QFont pupilFont(qreal pointSize, bool bold = false)
{
    QFont font(PupilFont);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

// Made once: a long worksheet paints thousands of texts.
struct Fonts
{
    QFont title = pupilFont(16, true);
    QFont small = pupilFont(10);
    QFont footer = pupilFont(9);
    QFont numbers = pupilFont(18, true);
};

// Paints in millimetres from the top left of the printable area, keeping
// text at its point size whatever the printer's resolution.
class PagePainter
{
public:
    PagePainter(QPainter &painter, double pixelsPerMm)
        : m_painter(painter)
        , m_scale(pixelsPerMm)
    { }

    const Fonts &fonts() const { return m_fonts; }

    QRectF area(double left, double top, double width, double height) const
    {
        return { left * m_scale, top * m_scale, width * m_scale, height * m_scale };
    }

    QRectF area(const QRectF &mmRect) const
    {
        return area(mmRect.left(), mmRect.top(), mmRect.width(), mmRect.height());
    }

    void text(const QRectF &mmRect, int flags, const QFont &font, const QString &text)
    {
        useFont(font);
        m_painter.drawText(area(mmRect), flags, text);
    }

    // One line of text from the left of `mmRect`, standing where text()
    // would centre it, but without laying it out; returns its width in
    // millimetres.
    double textFrom(const QRectF &mmRect, const QFont &font, const QString &text)
    {
        const Measures &measures = measure(font);
        const QRectF place = area(mmRect);
        useFont(font);
        m_painter.drawText(QPointF(place.left(), place.center().y() + measures.baseLine), text);
        return measures.metrics.horizontalAdvance(text) / m_scale;
    }

    // The width of a text in millimetres, and the text shortened with "…"
    // to fit a width.
    double width(const QFont &font, const QString &text)
    {
        return measure(font).metrics.horizontalAdvance(text) / m_scale;
    }

    QString elided(const QFont &font, const QString &text, double mmWidth)
    {
        return measure(font).metrics.elidedText(text, Qt::ElideRight, mmWidth * m_scale);
    }

    void line(double left, double top, double right, double width)
    {
        QPen pen(Qt::black);
        pen.setWidthF(width * m_scale);
        m_painter.setPen(pen);
        m_painter.drawLine(
            QPointF(left * m_scale, top * m_scale), QPointF(right * m_scale, top * m_scale));
        m_painter.setPen(Qt::black);
    }

    double sign(const QRectF &mmRect, const QFont &font, Operation operation);

private:
    // Of one font on this device, in pixels: where a line of text centred in
    // a rectangle has its base line, below the rectangle's middle, and the
    // digits' height and top above the base line.
    struct Measures
    {
        QFontMetricsF metrics;
        double baseLine = 0;
        double digitHeight = 0;
        double digitTop = 0;
    };

    // Measured once for each font in turn: a long worksheet paints thousands
    // of lines.
    const Measures &measure(const QFont &font)
    {
        if (&font != m_measured) {
            const QFontMetricsF metrics(font, m_painter.device());
            const QRectF digits = metrics.tightBoundingRect(QStringLiteral("0123456789"));
            m_measures = { metrics, (metrics.ascent() - metrics.descent()) / 2, digits.height(),
                -digits.top() };
            m_measured = &font;
        }
        return m_measures;
    }

    void useFont(const QFont &font)
    {
        if (&font != m_font) {
            m_painter.setFont(font);
            m_font = &font;
        }
    }

    QPainter &m_painter;
    double m_scale;
    Fonts m_fonts;
    const QFont *m_font = nullptr;
    const QFont *m_measured = nullptr;
    Measures m_measures { QFontMetricsF(QFont()) };
};

// The fonts' own signs are far smaller than their digits (a times sign a
// third of their height reads as a dot), so the four signs are drawn, as tall
// as the digits written with `font` and about as heavy as their strokes. The
// sign starts at the left of `mmRect`, as wide as it is tall, and stands
// where a digit centred in it would. An unseen copy of the character (the
// screen's signs in the language spoken rather than the text file's "*" and
// "/") stays in the PDF's text, so that the sums still read whole when
// searched or copied. An operation of no known code leaves its place empty.
// Returns the width taken in millimetres.
double PagePainter::sign(const QRectF &mmRect, const QFont &font, Operation operation)
{
    const Measures &measures = measure(font);
    const double height = measures.digitHeight;
    const QRectF place = area(mmRect);
    const double baseLine = place.center().y() + measures.baseLine;
    const QRectF box(place.left(), baseLine - measures.digitTop, height, height);
    const double stroke = height * (font.bold() ? 0.15 : 0.09);
    const QPointF middle = box.center();
    const double half = height / 2;
    const QPointF across(half, 0);
    const QPointF down(0, half);

    // Text takes only the pen's colour, so this pen stays for the numbers
    // and the next sign: fewer changes of pen keep long prints quick.
    const QPen pen(Qt::black, stroke, Qt::SolidLine, Qt::FlatCap);
    m_painter.setPen(pen);
    // The sign the language writes: a German sheet has "·" and ":".
    const QString shown = writtenSign(operation);
    // Dots are filled without a pen; the pen comes back after them.
    const auto dots = [this, &pen](std::initializer_list<QPointF> centres, double radius) {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(Qt::black);
        for (const QPointF &centre : centres)
            m_painter.drawEllipse(centre, radius, radius);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.setPen(pen);
    };
    switch (operation) {
    case Operation::Addition:
        m_painter.drawLine(middle - across, middle + across);
        m_painter.drawLine(middle - down, middle + down);
        break;
    case Operation::Subtraction:
        m_painter.drawLine(middle - across, middle + across);
        break;
    case Operation::Multiplication: {
        if (signShape(operation) == SignShape::Dot) {
            dots({ middle }, stroke * 1.1);
            break;
        }
        // Square ends stick out of a slanting line by half the stroke at 45°.
        const double reach = half - stroke / (2 * std::sqrt(2.0));
        m_painter.drawLine(middle + QPointF(-reach, -reach), middle + QPointF(reach, reach));
        m_painter.drawLine(middle + QPointF(-reach, reach), middle + QPointF(reach, -reach));
        break;
    }
    case Operation::Division: {
        if (signShape(operation) == SignShape::Colon) {
            dots({ middle - down * 0.55, middle + down * 0.55 }, stroke * 0.9);
            break;
        }
        m_painter.drawLine(middle - across, middle + across);
        const double dot = stroke * 0.75;
        dots({ middle - down + QPointF(0, dot), middle + down - QPointF(0, dot) }, dot);
        break;
    }
    default:
        return height / m_scale;
    }
    // Only a PDF keeps text to search or copy; the preview has no use for it.
    if (m_painter.paintEngine() && m_painter.paintEngine()->type() == QPaintEngine::Pdf) {
        m_painter.setPen(Qt::transparent);
        useFont(font);
        m_painter.drawText(QPointF(box.left(), baseLine), shown);
        m_painter.setPen(pen);
    }
    return height / m_scale;
}

// The teacher and the class, each written whole when both fit on the line.
// When they do not, the shorter keeps its whole text if it takes no more
// than half the line, and the other is shortened with "…" to the rest; two
// long names share the line half and half. Neither is ever left out.
QString teacherAndClass(
    PagePainter &page, const QFont &font, const WorksheetPrint &content, double lineWidth)
{
    const QString gap = QStringLiteral("    ");
    QString teacher;
    QString className;
    if (!content.teachersName.isEmpty())
        teacher = phrase(words::Teacher).arg(content.teachersName);
    if (!content.className.isEmpty())
        className = phrase(words::Class).arg(content.className);
    if (teacher.isEmpty() || className.isEmpty())
        return page.elided(font, teacher + className, lineWidth);

    const double teacherWidth = page.width(font, teacher);
    const double classWidth = page.width(font, className);
    const double room = lineWidth - page.width(font, gap);
    if (teacherWidth + classWidth > room) {
        const double half = room / 2;
        if (classWidth <= half) {
            teacher = page.elided(font, teacher, room - classWidth);
        } else if (teacherWidth <= half) {
            className = page.elided(font, className, room - teacherWidth);
        } else {
            teacher = page.elided(font, teacher, half);
            className = page.elided(font, className, half);
        }
    }
    return teacher + gap + className;
}

void paintHeader(PagePainter &page, const WorksheetPrint &content, double width, bool key)
{
    const QFont &title = page.fonts().title;
    const QFont &small = page.fonts().small;
    page.text(QRectF(0, 0, width, 9), Qt::AlignLeft | Qt::AlignVCenter, title,
        phrase(key ? words::KeyTitle : words::Title));
    page.text(QRectF(0, 0, width, 9), Qt::AlignRight | Qt::AlignVCenter, small,
        language::spokenLocale().toString(content.date, QLocale::LongFormat));
    page.text(QRectF(0, 10, width, 6), Qt::AlignLeft | Qt::AlignVCenter, small,
        teacherAndClass(page, small, content, width));
    if (!key)
        page.text(QRectF(0, 16, width, 6), Qt::AlignLeft | Qt::AlignVCenter, small,
            phrase(words::PupilsName));
    page.line(0, PagePlan::HeaderHeight - 1.5, width, 0.3);
}

void paintFooter(PagePainter &page, double width, double height, int pageNumber, int pageCount)
{
    page.text(QRectF(0, height - PagePlan::FooterHeight, width, PagePlan::FooterHeight),
        Qt::AlignHCenter | Qt::AlignBottom, page.fonts().footer,
        phrase(words::PageNumber).arg(QString::number(pageNumber), QString::number(pageCount)));
}

// A written sum: the first number over the sign and the second number, a
// rule, then room to write the answer.
void paintSum(PagePainter &page, QPointF at, int number, const WorksheetProblem &problem)
{
    const double w = PagePlan::SheetCellWidth;
    page.text(QRectF(at.x(), at.y(), 10, 6), Qt::AlignLeft | Qt::AlignTop, page.fonts().footer,
        QString::number(number) + QLatin1Char('.'));
    const QFont &numbers = page.fonts().numbers;
    const double right = at.x() + w - 8;
    page.text(QRectF(at.x() + 10, at.y() + 2, right - at.x() - 10, 9),
        Qt::AlignRight | Qt::AlignVCenter, numbers,
        worksheetColumnText(problem, WorksheetColumn::Number1));
    page.sign(QRectF(at.x() + 8, at.y() + 11, 8, 9), numbers, problem.operation);
    page.text(QRectF(at.x() + 16, at.y() + 11, right - at.x() - 16, 9),
        Qt::AlignRight | Qt::AlignVCenter, numbers,
        worksheetColumnText(problem, WorksheetColumn::Number2));
    page.line(at.x() + 8, at.y() + 22, right, 0.5);
}

// "12.  7 × 8 = 56", the sign drawn between the texts.
void paintKeyLine(PagePainter &page, QPointF at, int number, const WorksheetProblem &problem)
{
    const QFont &small = page.fonts().small;
    QRectF place(at, QSizeF(PagePlan::KeyCellWidth - 2, PagePlan::KeyCellHeight));
    place.setLeft(place.left()
        + page.textFrom(place, small,
            QStringLiteral("%1.  %2 ")
                .arg(QString::number(number),
                    worksheetColumnText(problem, WorksheetColumn::Number1))));
    place.setLeft(place.left() + page.sign(place, small, problem.operation));
    page.textFrom(place, small,
        QStringLiteral(" %1 = %2")
            .arg(worksheetColumnText(problem, WorksheetColumn::Number2),
                worksheetColumnText(problem, WorksheetColumn::Answer)));
}

// A printer keeps the range last typed into its dialog even when the user
// then asked for every page.
QPageRanges chosenPages(const QPagedPaintDevice &device)
{
    const auto *printer = dynamic_cast<const QPrinter *>(&device);
    if (printer && printer->printRange() != QPrinter::PageRange)
        return {};
    return device.pageRanges();
}

} // namespace

PrintOutcome printWorksheet(QPagedPaintDevice &device, const WorksheetPrint &content,
    const std::function<bool(int, int)> &keepGoing)
{
    const QSizeF printable = device.pageLayout().paintRect(QPageLayout::Millimeter).size();
    const PagePlan plan(int(content.problems.size()), printable, content.withKey);

    int first = 0;
    int last = plan.pageCount() - 1;
    const QPageRanges pages = chosenPages(device);
    if (!pages.isEmpty()) {
        first = pages.firstPage() - 1;
        last = std::min(last, pages.lastPage() - 1);
    }

    QPainter painter;
    if (!painter.begin(&device))
        return PrintOutcome::Failed;
    PagePainter page(painter, device.logicalDpiX() / 25.4);
    const double width = printable.width();
    const double height = printable.height();
    const int toDo = std::max(0, last - first + 1);
    for (int pageIndex = first; pageIndex <= last; ++pageIndex) {
        if (pageIndex > first)
            device.newPage();
        const bool key = plan.isKeyPage(pageIndex);
        paintHeader(page, content, width, key);
        // Sums are written left to right, units under units, in every
        // language; the header and footer follow the language's direction.
        const Qt::LayoutDirection pageDirection = painter.layoutDirection();
        painter.setLayoutDirection(Qt::LeftToRight);
        for (int problem = plan.firstProblemOn(pageIndex);
             problem < plan.endOfProblemsOn(pageIndex); ++problem) {
            const PagePlace place = key ? plan.keyPlace(problem) : plan.sheetPlace(problem);
            const double cellWidth = key ? PagePlan::KeyCellWidth : PagePlan::SheetCellWidth;
            const double cellHeight = key ? PagePlan::KeyCellHeight : PagePlan::SheetCellHeight;
            // The grid stands in the middle of the page's width.
            const int columns = key ? plan.keyGrid().columns : plan.sheetGrid().columns;
            const double left = std::max(0.0, (width - columns * cellWidth) / 2);
            const QPointF at(
                left + place.column * cellWidth, PagePlan::HeaderHeight + place.row * cellHeight);
            if (key)
                paintKeyLine(page, at, problem + 1, content.problems.at(problem));
            else
                paintSum(page, at, problem + 1, content.problems.at(problem));
        }
        painter.setLayoutDirection(pageDirection);
        paintFooter(page, width, height, pageIndex + 1, plan.pageCount());
        if (keepGoing && !keepGoing(pageIndex - first + 1, toDo)) {
            // A printer drops the job; a file is thrown away by whoever
            // gave it.
            if (auto *printer = dynamic_cast<QPrinter *>(&device))
                printer->abort();
            painter.end();
            return PrintOutcome::Cancelled;
        }
    }
    if (!painter.end())
        return PrintOutcome::Failed;
    return PrintOutcome::Printed;
}

} // namespace tutor
