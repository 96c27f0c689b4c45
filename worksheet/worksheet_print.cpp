#include "worksheet/worksheet_print.h"

#include "worksheet/page_plan.h"

#include <QFont>
#include <QLocale>
#include <QPageLayout>
#include <QPageRanges>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPrinter>

namespace tutor {

namespace {

const QString PupilFont = QStringLiteral("Comic Sans MS");
const QString Title = QStringLiteral("Orvi Math Tutor Worksheet");

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

// The printed form of a sign: the practice screen's times and division
// signs rather than the text file's "*" and "/".
QString printedSign(const QString &sign)
{
    if (sign == QLatin1String("*"))
        return QString(QChar(0x00D7));
    if (sign == QLatin1String("/"))
        return QString(QChar(0x00F7));
    return sign;
}

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

    void text(const QRectF &mmRect, int flags, const QFont &font, const QString &text)
    {
        if (&font != m_font) {
            m_painter.setFont(font);
            m_font = &font;
        }
        m_painter.drawText(
            area(mmRect.left(), mmRect.top(), mmRect.width(), mmRect.height()), flags, text);
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

private:
    QPainter &m_painter;
    double m_scale;
    Fonts m_fonts;
    const QFont *m_font = nullptr;
};

void paintHeader(PagePainter &page, const WorksheetPrint &content, double width, bool key)
{
    const QFont &title = page.fonts().title;
    const QFont &small = page.fonts().small;
    page.text(QRectF(0, 0, width, 9), Qt::AlignLeft | Qt::AlignVCenter, title,
        key ? Title + QStringLiteral(" - Answer Key") : Title);
    page.text(QRectF(0, 0, width, 9), Qt::AlignRight | Qt::AlignVCenter, small,
        QLocale().toString(content.date, QLocale::LongFormat));
    QStringList about;
    if (!content.teachersName.isEmpty())
        about << QStringLiteral("Teacher: ") + content.teachersName;
    if (!content.className.isEmpty())
        about << QStringLiteral("Class: ") + content.className;
    page.text(QRectF(0, 10, width, 6), Qt::AlignLeft | Qt::AlignVCenter, small,
        about.join(QStringLiteral("    ")));
    if (!key)
        page.text(QRectF(0, 16, width, 6), Qt::AlignLeft | Qt::AlignVCenter, small,
            QStringLiteral("Name: ______________________________"));
    page.line(0, PagePlan::HeaderHeight - 1.5, width, 0.3);
}

void paintFooter(PagePainter &page, double width, double height, int pageNumber, int pageCount)
{
    page.text(QRectF(0, height - PagePlan::FooterHeight, width, PagePlan::FooterHeight),
        Qt::AlignHCenter | Qt::AlignBottom, page.fonts().footer,
        QStringLiteral("Page %1 of %2").arg(pageNumber).arg(pageCount));
}

// A written sum: the first number over the sign and the second number, a
// rule, then room to write the answer.
void paintSum(PagePainter &page, QPointF at, int number, const WorksheetRow &row)
{
    const double w = PagePlan::SheetCellWidth;
    page.text(QRectF(at.x(), at.y(), 10, 6), Qt::AlignLeft | Qt::AlignTop, page.fonts().footer,
        QString::number(number) + QLatin1Char('.'));
    const QFont &numbers = page.fonts().numbers;
    const double right = at.x() + w - 8;
    page.text(QRectF(at.x() + 10, at.y() + 2, right - at.x() - 10, 9),
        Qt::AlignRight | Qt::AlignVCenter, numbers, row.number1);
    page.text(QRectF(at.x() + 8, at.y() + 11, 8, 9), Qt::AlignLeft | Qt::AlignVCenter, numbers,
        printedSign(row.operation));
    page.text(QRectF(at.x() + 16, at.y() + 11, right - at.x() - 16, 9),
        Qt::AlignRight | Qt::AlignVCenter, numbers, row.number2);
    page.line(at.x() + 8, at.y() + 22, right, 0.5);
}

void paintKeyLine(PagePainter &page, QPointF at, int number, const WorksheetRow &row)
{
    page.text(QRectF(at.x(), at.y(), PagePlan::KeyCellWidth - 2, PagePlan::KeyCellHeight),
        Qt::AlignLeft | Qt::AlignVCenter, page.fonts().small,
        QStringLiteral("%1.  %2 %3 %4 = %5")
            .arg(number)
            .arg(row.number1, printedSign(row.operation), row.number2, row.answer));
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
    const PagePlan plan(int(content.rows.size()), printable, content.withKey);

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
                paintKeyLine(page, at, problem + 1, content.rows.at(problem));
            else
                paintSum(page, at, problem + 1, content.rows.at(problem));
        }
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
