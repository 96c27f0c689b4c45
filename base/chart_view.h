#pragma once

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>

// Small pictures drawn with QPainter for the progress screens: a chart of one
// value per day, and a grid of coloured cells with a legend. Each takes plain
// values; what they mean is told by the screen that shows them, which also
// gives the sentence a screen reader speaks for the picture (its accessible
// description). Both take the keyboard, so that a screen reader comes upon
// them, and show a focus frame when they have it.

// One value per day over a run of days, as bars or as a line with a dot per
// day. A day without a value leaves a gap.
class ChartView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChartView)

public:
    enum class Style { Bars, Line };

    ChartView(QWidget *parent, const QString &name, const QRect &geometry);

    void setTitle(const QString &title); // drawn above the chart, also its accessible name
    void setStyle(Style style);
    // The value axis runs from 0 to `top`; without one, to a round number
    // above the highest value. Each axis figure is written into `pattern` at
    // its %1, as the language writes a share or a time ("%1 %", "%1%", "%1 s").
    void setAxis(std::optional<double> top, const QString &pattern);
    // The values, oldest first, and the labels under the first and the last
    // (and the middle) of them.
    void setValues(const QList<std::optional<double>> &values, const QStringList &labels);
    // Drawn in the middle when no day has a value.
    void setEmptyText(const QString &text);

    QColor seriesColour() const { return m_series; }
    QColor textColour() const { return m_text; }
    QColor backgroundColour() const { return m_background; }
    double axisTop() const;
    // Where the value of day `index` is drawn (the top of its bar or its
    // dot); none for a day without a value. For tests and for hit-testing.
    std::optional<QPointF> valuePoint(int index) const;
    QRectF plotArea() const;
    // The figure beside an axis line, in the language spoken: "75 %", "2,5 s".
    QString axisText(double value) const;
    // A text drawn on the chart (the title, an axis figure or a day label)
    // and where it stands. No two stand within a pixel of each other: axis
    // figures are thinned and day labels left out where they would.
    struct PlacedText
    {
        QRectF place;
        QString text;
        bool title = false;
    };
    QList<PlacedText> placedTexts() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int axisStepCount() const;

    QString m_title;
    Style m_style = Style::Bars;
    std::optional<double> m_top;
    QString m_pattern;
    QList<std::optional<double>> m_values;
    QStringList m_labels;
    QString m_emptyText;
    QColor m_series { 0x1f, 0x4e, 0x9c };
    QColor m_text { 0x30, 0x30, 0x30 };
    QColor m_grid { 0xd0, 0xd0, 0xd0 };
    QColor m_background { Qt::white };
};

// Rows by columns of cells, each drawn in the colour of its state, with row
// and column headings and a legend below of one swatch and text per state.
class CellGridView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CellGridView)

public:
    struct StateLook
    {
        QColor colour;
        QString legend;
        bool hatched = false; // a second cue beside the colour
    };

    CellGridView(QWidget *parent, const QString &name, const QRect &geometry);

    void setLooks(const QList<StateLook> &looks); // one per state, by state number
    // Row and column headings and the text in the top left corner.
    void setHeadings(const QStringList &rows, const QStringList &columns, const QString &corner);
    // states[row][column]; every row as long as the column headings.
    void setStates(const QList<QList<int>> &states);
    // What a screen reader hears of the cell the arrow keys move to.
    void setCellWords(const std::function<QString(int row, int column)> &words);

    int state(int row, int column) const;
    QColor cellColour(int row, int column) const;
    // Whether every legend text shows whole: two entries to a line, or one
    // to a line when a text is too long to stand beside another.
    bool legendShowsWhole() const;
    QRect cellRect(int row, int column) const;
    int currentRow() const { return m_row; }
    int currentColumn() const { return m_column; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QSize cellSize() const;
    QPoint gridOrigin() const;
    int legendColumns() const;
    int legendTextWidth(int columns) const;
    void moveTo(int row, int column);

    QList<StateLook> m_looks;
    QStringList m_rowHeadings;
    QStringList m_columnHeadings;
    QString m_corner;
    QList<QList<int>> m_states;
    std::function<QString(int, int)> m_cellWords;
    int m_row = 0;
    int m_column = 0;
    QColor m_text { 0x30, 0x30, 0x30 };
    QColor m_background { Qt::white };
};
