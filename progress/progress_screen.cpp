#include "progress/progress_screen.h"

#include "base/chart_view.h"
#include "base/accessibility.h"
#include "base/controls.h"
#include "base/language.h"
#include "progress/progress_stats.h"
#include "progress/progress_words.h"
#include "rules/operations.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QResizeEvent>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <array>

using namespace Qt::StringLiterals;

namespace {

constexpr std::array<progress::FactState, 4> States
    = { progress::FactState::NotSeen, progress::FactState::WrongLately,
          progress::FactState::RightButSlow, progress::FactState::RightAndQuick };

// The widths of the facts grid and of the figures beside it at the design
// size. The grid grows with the screen, as wide as the room is high; the
// figures keep at least their width.
constexpr int GridWidth = 250;
constexpr int LeftWidth = 426;
constexpr int ColumnGap = 10;
// The table's columns at the design size.
constexpr int OperationWidth = 96;
constexpr int SpanWidth = 106;

// One legend whatever the grid holds, facts or My Facts families.
QList<CellGridView::StateLook> factLooks()
{
    QList<CellGridView::StateLook> looks;
    for (const progress::FactState state : States) {
        looks.append({ ProgressScreen::factColour(state), progress::factStateName(state),
            state == progress::FactState::WrongLately });
    }
    return looks;
}

QStringList numbersUpTo12()
{
    QStringList numbers;
    for (int number = 0; number <= 12; ++number)
        numbers << QString::number(number);
    return numbers;
}

} // namespace

ProgressScreen::ProgressScreen(QWidget *parent)
    : Screen(u"fraProgress"_s, controls::twips(-120, -120, 10575, 4935), parent)
{
    m_title = controls::label(this, u"lblProgressTitle"_s, QString(), QRect());
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    m_title->setFont(titleFont);
    m_title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_tableModel = new QStandardItemModel(0, 4, this);
    m_table = new QTableView(this);
    m_table->setObjectName(u"tblProgress"_s);
    m_table->setModel(m_tableModel);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    // One stop for Tab; the arrow keys move between the cells.
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(21);
    // Four operations: the table is as high as they need, and its spans
    // share whatever width it gets.
    m_table->setFixedHeight(111);
    m_table->horizontalHeader()->setStretchLastSection(true);
    // Headings in bold for the current cell would not fit their columns.
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->setColumnWidth(0, OperationWidth);
    m_table->setColumnWidth(1, SpanWidth);
    m_table->setColumnWidth(2, SpanWidth);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->viewport()->installEventFilter(this);

    m_key = controls::label(this, u"lblProgressKey"_s, QString(), QRect());
    m_key->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_key->setWordWrap(true);

    m_shareChart = new ChartView(this, u"chtShareRight"_s, QRect());
    m_shareChart->setStyle(ChartView::Style::Bars);
    m_medianChart = new ChartView(this, u"chtMedianTime"_s, QRect());
    m_medianChart->setStyle(ChartView::Style::Line);

    m_factsLabel = controls::label(this, u"lblFactsOperation"_s, QString(), QRect());
    m_factsLabel->setWordWrap(false);
    m_factsOperation = controls::comboBox(this, u"cboFactsOperation"_s, QRect());
    for (const tutor::Operation operation : tutor::AllOperations)
        m_factsOperation->addItem(QString(), int(tutor::code(operation)));
    m_factsOperation->setCurrentIndex(0);
    m_factsLabel->setBuddy(m_factsOperation);
    connect(
        m_factsOperation, &QComboBox::activated, this, &ProgressScreen::cboFactsOperation_Click);

    m_boxesKey = controls::label(this, u"lblFactsByBox"_s, QString(), QRect());
    m_boxesKey->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // A longer key takes a second line rather than room from the grid.
    m_boxesKey->setWordWrap(true);
    m_boxesKey->hide();
    m_facts = new CellGridView(this, u"grdFacts"_s, QRect());

    m_print = controls::button(this, u"cmdPrintProgress"_s, QString(), QRect());
    connect(m_print, &QPushButton::clicked, this, &ProgressScreen::cmdPrintProgress_Click);

    // The frame stands 8 pixels up and left of the client area and as far
    // past its right and bottom edges as it did when laid out by hand.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 7, 8);
    layout->setSpacing(4);
    auto *top = new QHBoxLayout;
    top->addWidget(m_title, 1);
    top->addWidget(m_print);
    layout->addLayout(top);
    auto *body = new QHBoxLayout;
    body->setSpacing(ColumnGap);
    auto *figures = new QVBoxLayout;
    figures->setSpacing(1);
    figures->addWidget(m_table);
    figures->addWidget(m_key);
    auto *charts = new QHBoxLayout;
    charts->setSpacing(4);
    charts->addWidget(m_shareChart);
    charts->addWidget(m_medianChart);
    figures->addLayout(charts, 1);
    body->addLayout(figures, 1);
    auto *facts = new QVBoxLayout;
    facts->setSpacing(2);
    auto *chooser = new QHBoxLayout;
    chooser->addWidget(m_factsLabel);
    chooser->addWidget(m_factsOperation, 1);
    facts->addLayout(chooser);
    facts->addWidget(m_boxesKey);
    facts->addWidget(m_facts, 1);
    m_facts->setFixedWidth(GridWidth);
    body->addLayout(facts);
    layout->addLayout(body, 1);

    setTabOrder(m_table, m_shareChart);
    setTabOrder(m_shareChart, m_medianChart);
    setTabOrder(m_medianChart, m_factsOperation);
    setTabOrder(m_factsOperation, m_facts);
    setTabOrder(m_facts, m_print);

    retranslate();
}

bool ProgressScreen::eventFilter(QObject *watched, QEvent *event)
{
    // The spans grow alike with the table; the last takes what is left.
    if (watched == m_table->viewport() && event->type() == QEvent::Resize) {
        const double room = m_table->viewport()->width() - OperationWidth;
        const int span = qMax(SpanWidth, int(room * SpanWidth / (LeftWidth - 2 - OperationWidth)));
        m_table->setColumnWidth(1, span);
        m_table->setColumnWidth(2, span);
    }
    return Screen::eventFilter(watched, event);
}

void ProgressScreen::resizeEvent(QResizeEvent *event)
{
    Screen::resizeEvent(event);
    // The grid is as wide as the room below the chooser is high, while the
    // figures and charts keep at least their design width.
    const QMargins margins = layout()->contentsMargins();
    const int high = height() - margins.top() - margins.bottom() - m_print->sizeHint().height()
        - m_factsOperation->sizeHint().height() - 3 * layout()->spacing();
    const int wide = width() - margins.left() - margins.right() - LeftWidth - ColumnGap;
    m_facts->setFixedWidth(qMax(GridWidth, qMin(high, wide)));
}

void ProgressScreen::retranslate()
{
    m_tableModel->setHorizontalHeaderLabels(
        { tr("Operation"), tr("Today"), tr("Last 7 days"), tr("Last 30 days") });
    m_table->setAccessibleName(tr("Answers, share right and median time of each operation"));
    m_key->setText(tr("Each cell: answers · share right · median time"));
    m_shareChart->setTitle(tr("Share right per day"));
    m_shareChart->setAxis(100.0, progress::percentPattern());
    m_shareChart->setEmptyText(tr("No practice in the last 30 days"));
    m_medianChart->setTitle(tr("Median time per day"));
    m_medianChart->setAxis(std::nullopt, progress::secondsPattern());
    m_medianChart->setEmptyText(tr("No practice in the last 30 days"));
    //: Before a list of the operations: the facts of which one the grid shows.
    m_factsLabel->setText(tr("F&acts of:"));
    m_factsOperation->setAccessibleName(tr("Facts of"));
    for (int item = 0; item < m_factsOperation->count(); ++item) {
        m_factsOperation->setItemText(
            item, tutor::operationName(tutor::Operation(m_factsOperation->itemData(item).toInt())));
    }
    //: Above a grid of facts: its rows and columns are a fact's two numbers.
    m_boxesKey->setText(tr("Rows and columns: a fact's two parts"));
    m_facts->setLooks(factLooks());
    //: Writes the progress report as a web page and opens it.
    m_print->setText(tr("P&rint Progress"));
    showProgress(m_progress);
}

QColor ProgressScreen::factColour(progress::FactState state)
{
    switch (state) {
    case progress::FactState::NotSeen:
        return QColor(0xee, 0xee, 0xee);
    case progress::FactState::WrongLately:
        return QColor(0xc0, 0x39, 0x2b);
    case progress::FactState::RightButSlow:
        return QColor(0xf2, 0xc0, 0x3c);
    case progress::FactState::RightAndQuick:
        return QColor(0x2e, 0x7d, 0x32);
    }
    return QColor(Qt::white);
}

void ProgressScreen::showProgress(const progress::PupilProgress &progress)
{
    m_progress = progress;
    m_title->setText(progress.name.isEmpty()
            ? tr("Progress")
            //: %1 is the pupil's name.
            : tr("Progress of %1").arg(progress::nameInText(progress.name)));
    m_title->setAccessibleName(m_title->text());

    const QStringList spans { tr("Today"), tr("Last 7 days"), tr("Last 30 days") };
    // The table is filled anew: the cell the pupil stood on stays current.
    const QModelIndex current = m_table->currentIndex();
    m_tableModel->setRowCount(0);
    QStringList sentences;
    for (const progress::OperationProgress &operation : progress.operations) {
        const QString name = tutor::operationName(operation.operation);
        QList<QStandardItem *> row { new QStandardItem(name) };
        const std::array<const progress::Tally *, 3> tallies
            = { &operation.today, &operation.lastWeek, &operation.lastMonth };
        for (int span = 0; span < 3; ++span) {
            auto *item = new QStandardItem(progress::tallyCell(*tallies.at(span)));
            //: A table cell for a screen reader: the operation, then what it holds:
            //: "Addition, Today: 40 answers, 85 % right."
            item->setData(
                tr("%1, %2").arg(name, progress::tallySentence(spans.at(span), *tallies.at(span))),
                Qt::AccessibleTextRole);
            item->setTextAlignment(Qt::AlignCenter);
            row << item;
        }
        for (QStandardItem *item : std::as_const(row))
            item->setEditable(false);
        m_tableModel->appendRow(row);
        sentences << progress::weekSentence(operation);
    }
    m_table->setAccessibleDescription(sentences.join(u' '));
    if (current.isValid() && current.row() < m_tableModel->rowCount())
        m_table->setCurrentIndex(m_tableModel->index(current.row(), current.column()));
    else if (m_tableModel->rowCount() > 0)
        m_table->setCurrentIndex(m_tableModel->index(0, 0));

    QList<std::optional<double>> shares;
    QList<std::optional<double>> medians;
    QStringList labels;
    for (const progress::DayProgress &day : progress.days) {
        const std::optional<int> percent = progress::percentRight(day.tally);
        shares << (percent ? std::optional<double>(*percent) : std::nullopt);
        medians << (day.tally.answers > 0 && day.tally.medianMillis
                ? std::optional<double>(double(*day.tally.medianMillis) / 1000.0)
                : std::nullopt);
        labels << progress::shortDayText(day.day);
    }
    m_shareChart->setValues(shares, labels);
    m_shareChart->setAccessibleDescription(progress::shareChartSentence(progress.days));
    m_medianChart->setValues(medians, labels);
    m_medianChart->setAccessibleDescription(progress::medianChartSentence(progress.days));

    showFacts();
}

void ProgressScreen::showFacts()
{
    const auto operation = tutor::Operation(m_factsOperation->currentData().toInt());
    progress::FactGrid grid;
    grid.operation = operation;
    for (const progress::FactGrid &facts : std::as_const(m_progress.facts)) {
        if (facts.operation == operation)
            grid = facts;
    }
    QList<QList<int>> states;
    for (int row = 0; row < 13; ++row) {
        QList<int> line;
        for (int column = 0; column < 13; ++column)
            line << int(progress::cellState(grid, row, column));
        states << line;
    }
    // By box, a cell holds a family: its two numbers, whatever the operation.
    m_boxesKey->setVisible(grid.byBox);
    if (layout())
        layout()->activate();
    m_facts->setHeadings(
        numbersUpTo12(), numbersUpTo12(), grid.byBox ? QString() : tutor::writtenSign(operation));
    m_facts->setStates(states);
    if (grid.byBox) {
        m_facts->setCellWords([grid](int row, int column) {
            return progress::boxSentence(grid.operation, row, column, grid.boxes.at(row).at(column),
                grid.familyMissed.at(row).at(column));
        });
    } else {
        m_facts->setCellWords([grid](int first, int second) {
            return progress::factSentence(
                grid.operation, first, second, grid.cells.at(first).at(second));
        });
    }
    //: %1 is an operation: "Multiplication facts".
    m_facts->setAccessibleName(tr("%1 facts").arg(tutor::operationName(operation)));
    m_facts->setAccessibleDescription(progress::factsSentence(grid));
}

void ProgressScreen::enter()
{
    m_table->setFocus();
    access::tell(m_table, m_title->text());
}

void ProgressScreen::cmdPrintProgress_Click()
{
    emit printRequested();
}

void ProgressScreen::cboFactsOperation_Click()
{
    showFacts();
}
