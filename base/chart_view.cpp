#include "base/chart_view.h"

#include "base/accessibility.h"
#include "base/language.h"
#include "base/scaled_picture.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int Margin = 4;

// The smallest of 1, 2, 5 times a power of ten at or above `value`.
double roundTop(double value)
{
    if (value <= 1.0)
        return 1.0;
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (const double step : { 1.0, 2.0, 5.0, 10.0 }) {
        if (value <= step * power + 1e-9)
            return step * power;
    }
    return 10.0 * power;
}

// Quarters where they are whole figures (0, 25, 50, 75, 100 %; 2 s in
// halves), otherwise fifths (1, 2, 3, 4, 5 s); halves in a low chart. Where
// the figures would stand closer than a line of text and a pixel, fewer.
int axisSteps(double top, double plotHeight, int lineHeight)
{
    const bool quarters = std::fmod(top, 4.0) == 0.0 || top == 2.0;
    int steps = plotHeight < 80 ? (quarters ? 2 : 1) : (quarters ? 4 : 5);
    while (steps > 1 && plotHeight / steps < lineHeight + 1)
        steps = quarters ? steps / 2 : 1;
    return steps;
}

// Whether two texts keep at least `gap` pixels between them, across or down.
bool standApart(const QRectF &one, const QRectF &other, double gap)
{
    return other.left() - one.right() >= gap || one.left() - other.right() >= gap
        || other.top() - one.bottom() >= gap || one.top() - other.bottom() >= gap;
}

void drawFocusFrame(QWidget *widget, QPainter &painter)
{
    if (!widget->hasFocus())
        return;
    QStyleOptionFocusRect option;
    option.initFrom(widget);
    option.rect = widget->rect().adjusted(1, 1, -1, -1);
    widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, widget);
}

} // namespace

ChartView::ChartView(QWidget *parent, const QString &name, const QRect &geometry)
    : QWidget(parent)
{
    setObjectName(name);
    designscale::setDesignGeometry(this, geometry);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::setTitle(const QString &title)
{
    m_title = title;
    setAccessibleName(title);
    update();
}

void ChartView::setStyle(Style style)
{
    m_style = style;
    update();
}

void ChartView::setAxis(std::optional<double> top, const QString &pattern)
{
    m_top = top;
    m_pattern = pattern;
    update();
}

void ChartView::setValues(const QList<std::optional<double>> &values, const QStringList &labels)
{
    m_values = values;
    m_labels = labels;
    update();
}

void ChartView::setEmptyText(const QString &text)
{
    m_emptyText = text;
    update();
}

double ChartView::axisTop() const
{
    if (m_top)
        return *m_top;
    double highest = 0.0;
    for (const std::optional<double> &value : m_values) {
        if (value)
            highest = qMax(highest, *value);
    }
    return roundTop(highest);
}

QString ChartView::axisText(double value) const
{
    const bool whole = std::abs(value - std::round(value)) < 1e-9;
    const QString figure = language::spokenLocale().toString(value, 'f', whole ? 0 : 1);
    return m_pattern.isEmpty() ? figure : m_pattern.arg(figure);
}

QRectF ChartView::plotArea() const
{
    const QFontMetrics metrics(font());
    const double top = axisTop();
    int axisWidth = 0;
    for (int step = 0; step <= 5; ++step)
        axisWidth = qMax(axisWidth, metrics.horizontalAdvance(axisText(top * step / 5.0)));
    axisWidth = qMax(axisWidth, metrics.horizontalAdvance(axisText(top * 3 / 4.0)));
    const int titleHeight = m_title.isEmpty() ? 0 : metrics.height() + Margin;
    const QRectF area(
        Margin + axisWidth + Margin, Margin + titleHeight + metrics.height() / 2.0, 0, 0);
    return QRectF(area.topLeft(),
        QPointF(width() - Margin - metrics.averageCharWidth(),
            height() - Margin - metrics.height() - Margin));
}

std::optional<QPointF> ChartView::valuePoint(int index) const
{
    if (index < 0 || index >= m_values.size() || !m_values.at(index))
        return std::nullopt;
    const QRectF plot = plotArea();
    const double slot = plot.width() / m_values.size();
    const double share = qBound(0.0, *m_values.at(index) / axisTop(), 1.0);
    return QPointF(plot.left() + slot * (index + 0.5), plot.bottom() - share * plot.height());
}

QSize ChartView::sizeHint() const
{
    return QSize(220, 160);
}

int ChartView::axisStepCount() const
{
    return axisSteps(axisTop(), plotArea().height(), QFontMetrics(font()).height());
}

QList<ChartView::PlacedText> ChartView::placedTexts() const
{
    QList<PlacedText> placed;
    const QFontMetrics metrics(font());
    const QRectF plot = plotArea();
    if (!m_title.isEmpty()) {
        QFont bold = font();
        bold.setBold(true);
        const double titleWidth
            = qMin(double(QFontMetrics(bold).horizontalAdvance(m_title)), width() - 2.0 * Margin);
        placed.push_back({ QRectF(Margin, Margin, titleWidth, metrics.height()), m_title, true });
    }

    // Each axis figure right beside the axis, level with its line.
    const double top = axisTop();
    const int steps = axisStepCount();
    for (int step = 0; step <= steps; ++step) {
        const QString figure = axisText(top * step / steps);
        const int figureWidth = metrics.horizontalAdvance(figure);
        const double y = plot.bottom() - plot.height() * step / steps;
        placed.push_back({ QRectF(plot.left() - Margin - figureWidth, y - metrics.height() / 2.0,
                               figureWidth, metrics.height()),
            figure });
    }

    // Day labels under the first and the last day, then the middle one, each
    // under the plot and clear of the axis figures; one that would come
    // closer than two margins to a label already placed is left out.
    const qsizetype count = m_values.size();
    if (count == 0)
        return placed;
    const double slot = plot.width() / count;
    QList<qsizetype> labelled { 0 };
    if (count > 1)
        labelled << count - 1;
    if (count > 2)
        labelled << count / 2;
    QList<QRectF> days;
    for (const qsizetype index : std::as_const(labelled)) {
        if (index >= m_labels.size())
            continue;
        const QString label = m_labels.at(index);
        const int labelWidth = metrics.horizontalAdvance(label);
        double left = plot.left() + slot * (index + 0.5) - labelWidth / 2.0;
        left = qMax(plot.left(), qMin(left, double(width() - labelWidth)));
        const QRectF place(left, plot.bottom() + Margin / 2.0, labelWidth, metrics.height());
        const bool clear = std::all_of(days.cbegin(), days.cend(),
            [&place](const QRectF &day) { return standApart(place, day, 2 * Margin); });
        if (!clear)
            continue;
        days << place;
        placed.push_back({ place, label });
    }
    return placed;
}

void ChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    const QRectF plot = plotArea();

    // Light lines across at each axis figure, the axis itself darker.
    const int steps = axisStepCount();
    for (int step = 0; step <= steps; ++step) {
        const double y = plot.bottom() - plot.height() * step / steps;
        painter.setPen(QPen(step == 0 ? m_text : m_grid, 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    painter.setPen(QPen(m_text, 1));
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    for (const PlacedText &placed : placedTexts()) {
        if (placed.title) {
            QFont bold = font();
            bold.setBold(true);
            painter.setFont(bold);
            painter.drawText(QRectF(Margin, Margin, width() - 2 * Margin, metrics.height()),
                Qt::AlignLeft | Qt::AlignVCenter, m_title);
            painter.setFont(font());
        } else {
            painter.drawText(
                placed.place, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, placed.text);
        }
    }

    const qsizetype count = m_values.size();
    bool anyValue = false;
    for (const std::optional<double> &value : std::as_const(m_values))
        anyValue = anyValue || value.has_value();
    if (!anyValue) {
        painter.setPen(m_text);
        painter.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap, m_emptyText);
    } else if (m_style == Style::Bars) {
        const double slot = plot.width() / count;
        const double barWidth = qMax(1.0, slot * 0.7);
        for (int index = 0; index < count; ++index) {
            const std::optional<QPointF> point = valuePoint(index);
            if (!point)
                continue;
            painter.fillRect(QRectF(point->x() - barWidth / 2.0, point->y(), barWidth,
                                 plot.bottom() - point->y()),
                m_series);
        }
    } else {
        // Consecutive days are joined; a day without a value breaks the line.
        painter.setPen(QPen(m_series, 2));
        for (int index = 1; index < count; ++index) {
            const std::optional<QPointF> before = valuePoint(index - 1);
            const std::optional<QPointF> point = valuePoint(index);
            if (before && point)
                painter.drawLine(*before, *point);
        }
        painter.setBrush(m_series);
        painter.setPen(Qt::NoPen);
        for (int index = 0; index < count; ++index) {
            if (const std::optional<QPointF> point = valuePoint(index))
                painter.drawEllipse(*point, 2.5, 2.5);
        }
    }
    drawFocusFrame(this, painter);
}

CellGridView::CellGridView(QWidget *parent, const QString &name, const QRect &geometry)
    : QWidget(parent)
{
    setObjectName(name);
    designscale::setDesignGeometry(this, geometry);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CellGridView::setLooks(const QList<StateLook> &looks)
{
    m_looks = looks;
    update();
}

void CellGridView::setHeadings(
    const QStringList &rows, const QStringList &columns, const QString &corner)
{
    m_rowHeadings = rows;
    m_columnHeadings = columns;
    m_corner = corner;
    update();
}

void CellGridView::setStates(const QList<QList<int>> &states)
{
    m_states = states;
    update();
}

void CellGridView::setCellWords(const std::function<QString(int, int)> &words)
{
    m_cellWords = words;
}

int CellGridView::state(int row, int column) const
{
    if (row < 0 || row >= m_states.size() || column < 0 || column >= m_states.at(row).size())
        return -1;
    return m_states.at(row).at(column);
}

QColor CellGridView::cellColour(int row, int column) const
{
    const int cellState = state(row, column);
    if (cellState < 0 || cellState >= m_looks.size())
        return m_background;
    return m_looks.at(cellState).colour;
}

int CellGridView::legendTextWidth(int columns) const
{
    const int swatch = QFontMetrics(font()).height() - 4;
    return (width() - 2 * Margin) / columns - swatch - Margin;
}

int CellGridView::legendColumns() const
{
    const QFontMetrics metrics(font());
    for (const StateLook &look : m_looks) {
        if (metrics.horizontalAdvance(look.legend) > legendTextWidth(2))
            return 1;
    }
    return 2;
}

bool CellGridView::legendShowsWhole() const
{
    const QFontMetrics metrics(font());
    const int room = legendTextWidth(legendColumns());
    return std::all_of(m_looks.cbegin(), m_looks.cend(),
        [&](const StateLook &look) { return metrics.horizontalAdvance(look.legend) <= room; });
}

QSize CellGridView::cellSize() const
{
    const QFontMetrics metrics(font());
    const int rows = int(m_rowHeadings.size()) + 1;
    const int columns = int(m_columnHeadings.size()) + 1;
    const int perLine = legendColumns();
    const int legendLines = (int(m_looks.size()) + perLine - 1) / perLine;
    const int legendHeight = legendLines * (metrics.height() + 2) + Margin;
    const int across = (width() - 2 * Margin) / qMax(1, columns);
    const int down = qMax(4, (height() - 2 * Margin - legendHeight) / qMax(1, rows));
    // A little wider than high where there is room, so two-digit headings fit.
    return QSize(qMax(4, qMin(across, down * 4 / 3)), qMin(down, across));
}

QPoint CellGridView::gridOrigin() const
{
    const QSize size = cellSize();
    const int gridWidth = size.width() * int(m_columnHeadings.size() + 1);
    return QPoint((width() - gridWidth) / 2 + size.width(), Margin + size.height());
}

QRect CellGridView::cellRect(int row, int column) const
{
    const QSize size = cellSize();
    return QRect(gridOrigin() + QPoint(column * size.width(), row * size.height()), size);
}

void CellGridView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    const QFontMetrics metrics(font());
    const QSize size = cellSize();
    const QPoint origin = gridOrigin();

    painter.setPen(m_text);
    painter.drawText(
        QRect(origin - QPoint(size.width(), size.height()), size), Qt::AlignCenter, m_corner);
    for (int column = 0; column < m_columnHeadings.size(); ++column) {
        painter.drawText(QRect(origin + QPoint(column * size.width(), -size.height()), size),
            Qt::AlignCenter, m_columnHeadings.at(column));
    }
    for (int row = 0; row < m_rowHeadings.size(); ++row) {
        painter.drawText(QRect(origin + QPoint(-size.width(), row * size.height()), size),
            Qt::AlignCenter, m_rowHeadings.at(row));
    }

    const QColor lines(0x80, 0x80, 0x80);
    for (int row = 0; row < m_rowHeadings.size(); ++row) {
        for (int column = 0; column < m_columnHeadings.size(); ++column) {
            const QRect cell = cellRect(row, column);
            painter.fillRect(cell, cellColour(row, column));
            const int cellState = state(row, column);
            if (cellState >= 0 && cellState < m_looks.size() && m_looks.at(cellState).hatched)
                painter.fillRect(cell, QBrush(Qt::white, Qt::BDiagPattern));
            painter.setPen(lines);
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
        }
    }
    if (hasFocus() && !m_rowHeadings.isEmpty() && !m_columnHeadings.isEmpty()) {
        painter.setPen(QPen(Qt::black, 2));
        painter.drawRect(cellRect(m_row, m_column).adjusted(1, 1, -1, -1));
    }

    // The legend under the grid, two states to a line where they fit.
    const int legendTop = origin.y() + int(m_rowHeadings.size()) * size.height() + Margin;
    const int perLine = legendColumns();
    const int entryWidth = (width() - 2 * Margin) / perLine;
    const int swatch = metrics.height() - 4;
    for (int index = 0; index < m_looks.size(); ++index) {
        const StateLook &look = m_looks.at(index);
        const QPoint at(Margin + (index % perLine) * entryWidth,
            legendTop + (index / perLine) * (metrics.height() + 2));
        const QRect box(at + QPoint(0, 2), QSize(swatch, swatch));
        painter.fillRect(box, look.colour);
        if (look.hatched)
            painter.fillRect(box, QBrush(Qt::white, Qt::BDiagPattern));
        painter.setPen(lines);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.setPen(m_text);
        painter.drawText(QRect(at + QPoint(swatch + Margin, 0),
                             QSize(entryWidth - swatch - Margin, metrics.height())),
            Qt::AlignLeft | Qt::AlignVCenter, look.legend);
    }
    drawFocusFrame(this, painter);
}

void CellGridView::moveTo(int row, int column)
{
    m_row = qBound(0, row, qMax(0, int(m_rowHeadings.size()) - 1));
    m_column = qBound(0, column, qMax(0, int(m_columnHeadings.size()) - 1));
    update();
    if (m_cellWords)
        access::tell(this, m_cellWords(m_row, m_column), false);
}

void CellGridView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        moveTo(m_row, m_column - 1);
        break;
    case Qt::Key_Right:
        moveTo(m_row, m_column + 1);
        break;
    case Qt::Key_Up:
        moveTo(m_row - 1, m_column);
        break;
    case Qt::Key_Down:
        moveTo(m_row + 1, m_column);
        break;
    case Qt::Key_Home:
        moveTo(m_row, 0);
        break;
    case Qt::Key_End:
        moveTo(m_row, int(m_columnHeadings.size()) - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CellGridView::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    for (int row = 0; row < m_rowHeadings.size(); ++row) {
        for (int column = 0; column < m_columnHeadings.size(); ++column) {
            if (cellRect(row, column).contains(event->position().toPoint())) {
                moveTo(row, column);
                return;
            }
        }
    }
}
