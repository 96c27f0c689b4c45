#include "base/chart_view.h"
#include "base/language.h"
#include "base/colour_contrast.h"
#include "base/text_fit.h"
#include "progress/class_model.h"
#include "progress/class_screen.h"
#include "progress/progress_screen.h"
#include "progress/progress_words.h"
#include "tests/test_support.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLayout>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;
using progress::DayProgress;
using progress::FactGrid;
using progress::FactState;
using progress::OperationProgress;
using progress::PupilProgress;
using progress::PupilTotals;
using progress::Tally;
using testsupport::named;
using tutor::Operation;

namespace {

constexpr std::array<Operation, 4> Operations = { Operation::Addition, Operation::Subtraction,
    Operation::Multiplication, Operation::Division };

Tally tally(int answers, int right, std::optional<qint64> median = std::nullopt)
{
    return Tally { answers, right, median };
}

// Four operations, 30 days from 10 November 2026 with practice on every
// third day, and facts of every state; each operation's grid differs.
PupilProgress sampleProgress()
{
    PupilProgress progress;
    progress.name = u"Ann"_s;
    int k = 0;
    for (const Operation operation : Operations) {
        ++k;
        OperationProgress figures;
        figures.operation = operation;
        figures.today = operation == Operation::Division ? tally(0, 0) : tally(k * 4, k * 3, 2100);
        figures.lastWeek = tally(k * 20, k * 17, 2400);
        figures.lastMonth = tally(k * 80, k * 60, 2900);
        progress.operations.append(figures);

        FactGrid grid;
        grid.operation = operation;
        for (int first = 0; first < 13; ++first) {
            for (int second = 0; second < 13; ++second)
                grid.cells.at(first).at(second) = FactState((first + second + k) % 4);
        }
        progress.facts.append(grid);
    }
    for (int day = 0; day < 30; ++day) {
        const Tally figures = day % 3 == 0 ? tally(20, 10 + day / 3, 4000 - day * 80) : tally(0, 0);
        progress.days.append(DayProgress { QDate(2026, 11, 10).addDays(day), figures });
    }
    return progress;
}

PupilTotals pupil(qint64 id, const QString &name, Tally all, int days, const QDateTime &last)
{
    PupilTotals totals;
    totals.pupilId = id;
    totals.name = name;
    totals.all = all;
    totals.daysPractised = days;
    totals.lastPractised = last;
    int k = 0;
    for (const Operation operation : Operations) {
        ++k;
        // Each operation's answers are a different share of the whole.
        const int answers = all.answers * k / 10;
        totals.byOperation.append(
            progress::OperationTally { operation, tally(answers, answers / 2, all.medianMillis) });
    }
    return totals;
}

QDateTime utc(int year, int month, int day)
{
    return QDateTime(QDate(year, month, day), QTime(12, 0), Qt::UTC);
}

// Chosen so that sorting by text would give other orders than by figures:
// 9 < 10 < 100 answers, 2025 before 2026, a pupil without answers.
QList<PupilTotals> sampleClass()
{
    return {
        pupil(1, u"bea"_s, tally(10, 9, 1500), 2, utc(2026, 12, 1)),
        pupil(2, u"Ann"_s, tally(100, 50, 12000), 12, utc(2025, 12, 31)),
        pupil(3, u"Carl"_s, tally(9, 3, 3000), 1, utc(2026, 1, 2)),
        pupil(4, u"Dora"_s, tally(0, 0), 0, QDateTime()),
    };
}

QStringList columnTexts(const QAbstractItemModel *model, int column)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

QStringList rowTexts(const QAbstractItemModel *model, int row)
{
    QStringList texts;
    for (int column = 0; column < model->columnCount(); ++column)
        texts << model->index(row, column).data().toString();
    return texts;
}

// Does `act` with the dialog that opens next, from a zero-timer that looks
// again until the dialog shows, as the message box closer does.
void whenDialogOpens(const std::function<void(QDialog *)> &act)
{
    QTimer::singleShot(0, qApp, [act]() {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<QDialog *>(widget);
            if (dialog && dialog->isVisible()) {
                act(dialog);
                return;
            }
        }
        whenDialogOpens(act);
    });
}

// The names of the controls Tab visits from `first`, until it comes back.
QStringList tabStops(QWidget *first)
{
    first->setFocus();
    QStringList stops { first->objectName() };
    for (int step = 0; step < 12; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focused = QApplication::focusWidget();
        if (focused == first)
            break;
        stops << (focused ? focused->objectName() : u"<none>"_s);
    }
    return stops;
}

// What overlaps among the controls a frame shows, or lies outside the
// part of it the client area shows.
QStringList misplaced(QWidget *frame, const QRect &shown)
{
    QStringList wrong;
    QList<QWidget *> controls;
    for (QWidget *control : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (control->isVisibleTo(frame))
            controls << control;
    }
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QRect place = controls.at(i)->geometry();
        if (!shown.contains(place))
            wrong << u"%1 outside"_s.arg(controls.at(i)->objectName());
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            if (place.intersects(controls.at(j)->geometry()))
                wrong << controls.at(i)->objectName() + u" over "_s + controls.at(j)->objectName();
        }
        if (!textfit::showsWhole(controls.at(i)))
            wrong << u"%1 cut"_s.arg(controls.at(i)->objectName());
    }
    return wrong;
}

// The headings of a table that do not show whole, across or down; a header
// that marks the current cell's column does so in bold.
QStringList cutHeadings(QHeaderView *header)
{
    const QFont own = header->font();
    if (header->highlightSections()) {
        QFont bold = own;
        bold.setBold(true);
        header->setFont(bold);
    }
    QStringList cut;
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section))
            continue;
        const QString text = header->model()->headerData(section, Qt::Horizontal).toString();
        if (!textfit::headingShowsWhole(header, section)
            || header->fontMetrics().size(0, text).height() > header->height())
            cut << text;
    }
    header->setFont(own);
    return cut;
}

} // namespace

class ProgressScreensTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void progressTableShowsEachOperation();
    void chartsShowEachDayAndLeaveGaps();
    void chartsAndGridAreTold();
    void chartAxesWriteFiguresAsTheLanguageDoes_data();
    void chartAxesWriteFiguresAsTheLanguageDoes();
    void factsGridColoursEachState_data();
    void factsGridColoursEachState();
    void factsGridFollowsTheChosenOperation();
    void factsGridShowsMyFactsByBox();
    void factsGridCellsAreReachedByArrows();
    void progressWithoutAnswersSaysSo();
    void printAsksForTheReport();
    void progressTabOrder();

    void classTableShowsEachPupil();
    void classSortsByEachColumn_data();
    void classSortsByEachColumn();
    void classSortsByKeyboard();
    void namesSortByTheirNumbers();
    void eachOperationAddsColumns();
    void factsThatNeedTeachingHaveTheirColumn();
    void quickAnswerTimeIsSetByTheTeacher();
    void deleteAsksFirstAndDefaultsToNo();
    void renameAsksForTheNewName();
    void exportIsAskedFor();
    void refreshKeepsThePupilChosen();
    void classTabOrder();

    void screensUseTheRoomTheyGet_data();
    void screensUseTheRoomTheyGet();

private:
    std::unique_ptr<QWidget> m_window;
    ProgressScreen *m_progress = nullptr;
    ClassScreen *m_class = nullptr;
};

void ProgressScreensTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void ProgressScreensTest::init()
{
    // A plain window as big as the client area, as the screens are shown in.
    m_window = std::make_unique<QWidget>();
    m_window->resize(694, 317);
    m_progress = new ProgressScreen(m_window.get());
    m_class = new ClassScreen(m_window.get());
    m_progress->showProgress(sampleProgress());
    m_class->showClass(sampleClass());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void ProgressScreensTest::cleanup()
{
    m_window.reset();
}

void ProgressScreensTest::progressTableShowsEachOperation()
{
    QCOMPARE(m_progress->objectName(), u"fraProgress"_s);
    auto *table = named<QTableView>(m_progress, u"tblProgress"_s);
    QVERIFY(table);
    const QAbstractItemModel *model = table->model();
    QCOMPARE(model->rowCount(), 4);
    QCOMPARE(rowTexts(model, 0),
        QStringList({ u"Addition"_s, u"4 \u00b7 75 % \u00b7 2.1 s"_s,
            u"20 \u00b7 85 % \u00b7 2.4 s"_s, u"80 \u00b7 75 % \u00b7 2.9 s"_s }));
    QCOMPARE(rowTexts(model, 3),
        QStringList({ u"Division"_s, u"none"_s, u"80 \u00b7 85 % \u00b7 2.4 s"_s,
            u"320 \u00b7 75 % \u00b7 2.9 s"_s }));
    QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), u"Last 7 days"_s);
    // A screen reader hears each cell in words.
    QCOMPARE(model->index(1, 2).data(Qt::AccessibleTextRole).toString(),
        u"Subtraction, Last 7 days: 40 answers, 85 % right, median 2.4 seconds."_s);
    QCOMPARE(model->index(3, 1).data(Qt::AccessibleTextRole).toString(),
        u"Division, Today: no answers."_s);
    QCOMPARE(named<QLabel>(m_progress, u"lblProgressTitle"_s)->text(), u"Progress of Ann"_s);
    QVERIFY(!table->tabKeyNavigation());
}

void ProgressScreensTest::chartsShowEachDayAndLeaveGaps()
{
    auto *share = named<ChartView>(m_progress, u"chtShareRight"_s);
    auto *median = named<ChartView>(m_progress, u"chtMedianTime"_s);
    QVERIFY(share && median);
    QCOMPARE(share->axisTop(), 100.0);
    // The slowest day took 4 s: the axis runs to the next round figure.
    QCOMPARE(median->axisTop(), 5.0);
    const QRectF plot = share->plotArea();
    for (int day = 0; day < 30; ++day) {
        const std::optional<QPointF> point = share->valuePoint(day);
        QCOMPARE(point.has_value(), day % 3 == 0);
        QCOMPARE(median->valuePoint(day).has_value(), day % 3 == 0);
        if (!point)
            continue;
        // Share right (10 + day / 3) of 20, from the bottom of the plot.
        const double share = (10 + day / 3) / 20.0;
        QVERIFY(qAbs(point->y() - (plot.bottom() - share * plot.height())) < 1.5);
    }
    // Days stand in order, left to right, inside the plot.
    QVERIFY(share->valuePoint(0)->x() < share->valuePoint(3)->x());
    QVERIFY(plot.contains(*share->valuePoint(27)));

    // The drawing shows the bars: the series colour at a bar, none in a gap.
    const QImage picture = share->grab().toImage();
    const QPointF bar = *share->valuePoint(0);
    QCOMPARE(
        picture.pixelColor(QPoint(int(bar.x()), int(plot.bottom()) - 3)), share->seriesColour());
    const QPointF gap((bar.x() + share->valuePoint(3)->x()) / 2.0, plot.bottom() - 3);
    QVERIFY(picture.pixelColor(gap.toPoint()) != share->seriesColour());

    // A line joins days next to each other, never across a day without
    // answers.
    ChartView line(nullptr, u"line"_s, QRect(0, 0, 220, 160));
    line.setStyle(ChartView::Style::Line);
    line.setAxis(std::nullopt, u"%1 s"_s);
    line.setValues({ 1.0, 2.0, std::nullopt, 3.0, 1.0 }, {});
    const QImage drawn = line.grab().toImage();
    const auto midway = [&line](int from, int to) {
        // The pixel the point lies in.
        const QPointF point = (*line.valuePoint(from) + *line.valuePoint(to)) / 2.0;
        return QPoint(int(std::floor(point.x())), int(std::floor(point.y())));
    };
    const auto inSeries = [&](QPoint place) {
        const QColor seen = drawn.pixelColor(place);
        const QColor series = line.seriesColour();
        // Smoothed edges blend the line a little into the background.
        return qAbs(seen.red() - series.red()) + qAbs(seen.green() - series.green())
            + qAbs(seen.blue() - series.blue())
            < 120;
    };
    QVERIFY(inSeries(midway(0, 1)));
    QVERIFY(inSeries(midway(3, 4)));
    QVERIFY(!inSeries(midway(1, 3)));
    QCOMPARE(line.axisTop(), 5.0);

    // Text and series stand out from the background.
    for (const ChartView *chart : { share, median }) {
        QVERIFY(tutor::contrastRatio(chart->textColour(), chart->backgroundColour()) >= 4.5);
        QVERIFY(tutor::contrastRatio(chart->seriesColour(), chart->backgroundColour()) >= 4.5);
        QVERIFY(chart->font().pointSizeF() >= 8.0 || chart->font().pixelSize() >= 11);
    }
}

void ProgressScreensTest::chartsAndGridAreTold()
{
    const PupilProgress sample = sampleProgress();
    auto *table = named<QTableView>(m_progress, u"tblProgress"_s);
    QVERIFY(table->accessibleDescription().startsWith(
        u"Addition: 85 % right this week, up from 72 %. Subtraction:"_s));
    auto *share = named<ChartView>(m_progress, u"chtShareRight"_s);
    QCOMPARE(share->accessibleName(), u"Share right per day"_s);
    QCOMPARE(share->accessibleDescription(),
        u"Share right per day over the last 30 days: practised on 10 days, from 50 % to 95 %, "
        "latest 95 % on 7 December."_s);
    auto *median = named<ChartView>(m_progress, u"chtMedianTime"_s);
    QCOMPARE(median->accessibleDescription(),
        u"Median time per day over the last 30 days: practised on 10 days, from 1.8 seconds to "
        "4.0 seconds, latest 1.8 seconds on 7 December."_s);
    auto *grid = named<CellGridView>(m_progress, u"grdFacts"_s);
    QCOMPARE(grid->accessibleName(), u"Addition facts"_s);
    QCOMPARE(grid->accessibleDescription(), progress::factsSentence(sample.facts.at(0)));
}

void ProgressScreensTest::chartAxesWriteFiguresAsTheLanguageDoes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("share"); // beside the 75 line
    QTest::addColumn<QString>("median"); // beside the 2.5 line
    QTest::newRow("en") << u"en"_s << u"75 %"_s << u"2.5 s"_s;
    QTest::newRow("de") << u"de"_s << u"75 %"_s << u"2,5 s"_s;
    QTest::newRow("es") << u"es"_s << u"75 %"_s << u"2,5 s"_s;
    QTest::newRow("fr") << u"fr"_s << u"75\u00a0%"_s << u"2,5\u00a0s"_s;
    QTest::newRow("pt_BR") << u"pt_BR"_s << u"75%"_s << u"2,5 s"_s;
}

// The axes write their figures as the table and the sentences beside them do.
void ProgressScreensTest::chartAxesWriteFiguresAsTheLanguageDoes()
{
    QFETCH(QString, code);
    QFETCH(QString, share);
    QFETCH(QString, median);
    language::speak(code);
    const auto english = qScopeGuard([] { language::speak(u"en"_s); });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(named<ChartView>(m_progress, u"chtShareRight"_s)->axisText(75.0), share);
    QCOMPARE(named<ChartView>(m_progress, u"chtMedianTime"_s)->axisText(2.5), median);
}

void ProgressScreensTest::factsGridColoursEachState_data()
{
    QTest::addColumn<FactState>("state"); // the legend's entry the cell shows
    QTest::addColumn<int>("box"); // of the family 7 x 8 in My Facts; -2 without My Facts
    QTest::addColumn<bool>("missed"); // its latest answer was wrong
    QTest::newRow("not seen") << FactState::NotSeen << -2 << false;
    QTest::newRow("wrong lately") << FactState::WrongLately << -2 << false;
    QTest::newRow("right but slow") << FactState::RightButSlow << -2 << false;
    QTest::newRow("right and quick") << FactState::RightAndQuick << -2 << false;
    // By box the same legend: the boxes below the last are learning, and a
    // family missed lately looks so whatever its box.
    QTest::newRow("by box, never asked") << FactState::NotSeen << -1 << false;
    QTest::newRow("by box, new") << FactState::RightButSlow << 0 << false;
    QTest::newRow("by box, quick") << FactState::RightButSlow << 4 << false;
    QTest::newRow("by box, known") << FactState::RightAndQuick << 5 << false;
    QTest::newRow("by box, known but missed lately") << FactState::WrongLately << 5 << true;
    QTest::newRow("by box, missed lately without a card") << FactState::WrongLately << -1 << true;
}

void ProgressScreensTest::factsGridColoursEachState()
{
    QFETCH(FactState, state);
    QFETCH(int, box);
    QFETCH(bool, missed);
    auto *grid = named<CellGridView>(m_progress, u"grdFacts"_s);
    const QColor colour = ProgressScreen::factColour(state);
    for (const FactState other : { FactState::NotSeen, FactState::WrongLately,
             FactState::RightButSlow, FactState::RightAndQuick }) {
        if (other != state)
            QVERIFY(ProgressScreen::factColour(other) != colour);
    }
    // Addition's grid has state (first + second + 1) % 4 at each fact.
    int first = 5;
    int second = (int(state) + 4 - (first + 1) % 4) % 4;
    if (box > -2) {
        PupilProgress sample = sampleProgress();
        FactGrid &times = sample.facts[2];
        times.byBox = true;
        for (auto &row : times.boxes)
            row.fill(-1);
        times.boxes[7][8] = times.boxes[8][7] = qint8(box);
        times.familyMissed[7][8] = times.familyMissed[8][7] = missed;
        m_progress->showProgress(sample);
        QVERIFY(testsupport::pickEntry(m_progress, "cboFactsOperation", u"Multiplication"_s));
        QCOMPARE(grid->state(7, 8), int(state));
        first = 8;
        second = 7;
    }
    QCOMPARE(grid->state(first, second), int(state));
    const QImage picture = grid->grab().toImage();
    const QRect cell = grid->cellRect(first, second);
    QVERIFY(cell.width() >= 12);
    QVERIFY(grid->rect().contains(cell));
    // Counted inside the cell's border; a hatched cell shows its colour
    // between the hatching's lines.
    int inColour = 0;
    for (int x = cell.left() + 2; x < cell.right() - 1; ++x) {
        for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y)
            inColour += picture.pixelColor(x, y) == colour ? 1 : 0;
    }
    const int inside = (cell.width() - 4) * (cell.height() - 4);
    QVERIFY2(inColour > inside / 2, qPrintable(QString::number(inColour)));
    QCOMPARE(inColour == inside, state != FactState::WrongLately);
}

void ProgressScreensTest::factsGridFollowsTheChosenOperation()
{
    auto *grid = named<CellGridView>(m_progress, u"grdFacts"_s);
    auto *box = named<QComboBox>(m_progress, u"cboFactsOperation"_s);
    QCOMPARE(box->count(), 4);
    QCOMPARE(box->currentText(), u"Addition"_s);
    QVERIFY(testsupport::pickEntry(m_progress, "cboFactsOperation", u"Division"_s));
    // Division's grid has state (first + second + 4) % 4.
    QCOMPARE(grid->state(0, 0), int(FactState::NotSeen));
    QCOMPARE(grid->state(0, 1), int(FactState::WrongLately));
    QCOMPARE(grid->accessibleName(), u"Division facts"_s);
    QVERIFY(grid->accessibleDescription().startsWith(u"Division facts 0 to 12: 42 known"_s));

    // New figures keep the operation chosen.
    m_progress->showProgress(sampleProgress());
    QCOMPARE(grid->accessibleName(), u"Division facts"_s);
}

void ProgressScreensTest::factsGridShowsMyFactsByBox()
{
    // Multiplication kept by box: 2 x 3 known, 7 x 8 known but missed lately
    // (each entry's look by box is checked with the states').
    PupilProgress sample = sampleProgress();
    FactGrid &times = sample.facts[2];
    times.byBox = true;
    for (auto &row : times.boxes)
        row.fill(-1);
    times.boxes[2][3] = times.boxes[3][2] = 5;
    times.boxes[7][8] = times.boxes[8][7] = 5;
    times.familyMissed[7][8] = times.familyMissed[8][7] = true;
    auto *grid = named<CellGridView>(m_progress, u"grdFacts"_s);
    auto *key = named<QLabel>(m_progress, u"lblFactsByBox"_s);
    const QRect plainPlace = grid->geometry();
    m_progress->showProgress(sample);
    QVERIFY(testsupport::pickEntry(m_progress, "cboFactsOperation", u"Multiplication"_s));

    // Every cell has a colour of the legend, the one legend of both grids.
    QList<QColor> legend;
    for (const FactState state : { FactState::NotSeen, FactState::WrongLately,
             FactState::RightButSlow, FactState::RightAndQuick })
        legend << ProgressScreen::factColour(state);
    for (int row = 0; row < 13; ++row) {
        for (int column = 0; column < 13; ++column)
            QVERIFY(legend.contains(grid->cellColour(row, column)));
    }
    QVERIFY(!key->isHidden());
    QVERIFY(!key->geometry().intersects(grid->geometry()));
    QVERIFY(grid->cellRect(12, 12).bottom() < grid->height());
    QVERIFY(grid->cellRect(12, 12).width() >= 12);
    QCOMPARE(grid->accessibleDescription(), progress::factsSentence(times));

    // An operation without cards shows its facts as before.
    QVERIFY(testsupport::pickEntry(m_progress, "cboFactsOperation", u"Addition"_s));
    QVERIFY(key->isHidden());
    QCOMPARE(grid->geometry(), plainPlace);
    // Addition's grid has state (first + second + 1) % 4 at each fact.
    QCOMPARE(grid->cellColour(5, 0), ProgressScreen::factColour(FactState::RightButSlow));
    QCOMPARE(grid->accessibleDescription(), progress::factsSentence(sample.facts.at(0)));
}

void ProgressScreensTest::factsGridCellsAreReachedByArrows()
{
    auto *grid = named<CellGridView>(m_progress, u"grdFacts"_s);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(grid->currentRow(), 1);
    QCOMPARE(grid->currentColumn(), 2);
    QTest::keyClick(grid, Qt::Key_End);
    QCOMPARE(grid->currentColumn(), 12);
    QTest::keyClick(grid, Qt::Key_Right);
    QCOMPARE(grid->currentColumn(), 12);
    // What it says of itself stays the grid's description after each move.
    QCOMPARE(grid->accessibleDescription(), progress::factsSentence(sampleProgress().facts.at(0)));
}

void ProgressScreensTest::progressWithoutAnswersSaysSo()
{
    PupilProgress nothing;
    nothing.name = u"<b>Zo\u00eb</b>"_s;
    for (const Operation operation : Operations) {
        OperationProgress figures;
        figures.operation = operation;
        nothing.operations.append(figures);
    }
    for (int day = 0; day < 30; ++day)
        nothing.days.append(DayProgress { QDate(2026, 11, 10).addDays(day), Tally() });
    m_progress->showProgress(nothing);

    auto *title = named<QLabel>(m_progress, u"lblProgressTitle"_s);
    QCOMPARE(title->text(), u"Progress of <b>Zo\u00eb</b>"_s);
    QCOMPARE(title->textFormat(), Qt::PlainText);
    auto *table = named<QTableView>(m_progress, u"tblProgress"_s);
    QCOMPARE(columnTexts(table->model(), 3), QStringList(4, u"none"_s));
    QVERIFY(table->accessibleDescription().startsWith(
        u"Addition: no answers in the last 30 days. Subtraction: no answers"_s));
    auto *share = named<ChartView>(m_progress, u"chtShareRight"_s);
    QVERIFY(!share->valuePoint(0));
    QVERIFY(share->accessibleDescription().endsWith(u"no practice yet."_s));
    auto *grid = named<CellGridView>(m_progress, u"grdFacts"_s);
    QCOMPARE(grid->state(7, 8), int(FactState::NotSeen));
}

void ProgressScreensTest::printAsksForTheReport()
{
    QSignalSpy printing(m_progress, &ProgressScreen::printRequested);
    auto *print = named<QPushButton>(m_progress, u"cmdPrintProgress"_s);
    QCOMPARE(print->text(), u"P&rint Progress"_s);
    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(printing.count(), 1);
    QVERIFY(QMetaObject::invokeMethod(m_progress, "cmdPrintProgress_Click"));
    QCOMPARE(printing.count(), 2);
}

void ProgressScreensTest::progressTabOrder()
{
    m_class->hide();
    QCOMPARE(tabStops(named<QTableView>(m_progress, u"tblProgress"_s)),
        QStringList({ u"tblProgress"_s, u"chtShareRight"_s, u"chtMedianTime"_s,
            u"cboFactsOperation"_s, u"grdFacts"_s, u"cmdPrintProgress"_s }));
    // Every stop is named for a screen reader.
    for (QWidget *widget : m_progress->findChildren<QWidget *>()) {
        if (widget->focusPolicy() & Qt::TabFocus && widget->isVisibleTo(m_progress)
            && !widget->objectName().isEmpty() && widget->parent() == m_progress) {
            const bool named = !widget->accessibleName().isEmpty()
                || !qobject_cast<QAbstractButton *>(widget)
                || !qobject_cast<QAbstractButton *>(widget)->text().isEmpty();
            QVERIFY2(named, qPrintable(widget->objectName()));
        }
    }
}

void ProgressScreensTest::classTableShowsEachPupil()
{
    QCOMPARE(m_class->objectName(), u"fraClass"_s);
    auto *table = named<QTableView>(m_class, u"tblClass"_s);
    QVERIFY(table);
    QVERIFY(!table->accessibleName().isEmpty());
    QVERIFY(!table->tabKeyNavigation());
    const QAbstractItemModel *model = table->model();
    QCOMPARE(model->columnCount(), 6);
    // First sorted by name, A to Z, whatever the case.
    QCOMPARE(rowTexts(model, 0),
        QStringList({ u"Ann"_s, u"100"_s, u"50 %"_s, u"12.0 s"_s, u"12"_s, u"2025-12-31"_s }));
    QCOMPARE(rowTexts(model, 3),
        QStringList({ u"Dora"_s, u"0"_s, u"\u2013"_s, u"\u2013"_s, u"0"_s, u"never"_s }));
    QCOMPARE(model->index(1, ClassModel::ShareRight).data(Qt::AccessibleTextRole).toString(),
        u"bea, share right: 90 %"_s);
    QCOMPARE(named<QLabel>(m_class, u"lblClassTitle"_s)->text(), u"Class overview: 4 pupils"_s);
    // A name too long for its column shows whole in its tip.
    QCOMPARE(model->index(0, ClassModel::Name).data(Qt::ToolTipRole).toString(), u"Ann"_s);
}

void ProgressScreensTest::classSortsByEachColumn_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("firstClick");
    QTest::addColumn<QStringList>("secondClick");
    QTest::addColumn<QString>("heard");

    // A pupil without a figure comes last either way.
    QTest::newRow("name") << int(ClassModel::Name)
                          << QStringList({ u"Ann"_s, u"bea"_s, u"Carl"_s, u"Dora"_s })
                          << QStringList({ u"Dora"_s, u"Carl"_s, u"bea"_s, u"Ann"_s })
                          << u"Sorted by name, Z to A."_s;
    QTest::newRow("answers") << int(ClassModel::Answers)
                             << QStringList({ u"Ann"_s, u"bea"_s, u"Carl"_s, u"Dora"_s })
                             << QStringList({ u"Dora"_s, u"Carl"_s, u"bea"_s, u"Ann"_s })
                             << u"Sorted by answers, lowest first."_s;
    QTest::newRow("share right") << int(ClassModel::ShareRight)
                                 << QStringList({ u"bea"_s, u"Ann"_s, u"Carl"_s, u"Dora"_s })
                                 << QStringList({ u"Carl"_s, u"Ann"_s, u"bea"_s, u"Dora"_s })
                                 << u"Sorted by share right, lowest first."_s;
    QTest::newRow("median time") << int(ClassModel::MedianTime)
                                 << QStringList({ u"Ann"_s, u"Carl"_s, u"bea"_s, u"Dora"_s })
                                 << QStringList({ u"bea"_s, u"Carl"_s, u"Ann"_s, u"Dora"_s })
                                 << u"Sorted by median time, lowest first."_s;
    QTest::newRow("days practised") << int(ClassModel::DaysPractised)
                                    << QStringList({ u"Ann"_s, u"bea"_s, u"Carl"_s, u"Dora"_s })
                                    << QStringList({ u"Dora"_s, u"Carl"_s, u"bea"_s, u"Ann"_s })
                                    << u"Sorted by days practised, lowest first."_s;
    QTest::newRow("last practised") << int(ClassModel::LastPractised)
                                    << QStringList({ u"bea"_s, u"Carl"_s, u"Ann"_s, u"Dora"_s })
                                    << QStringList({ u"Ann"_s, u"Carl"_s, u"bea"_s, u"Dora"_s })
                                    << u"Sorted by last practised, oldest first."_s;
}

void ProgressScreensTest::classSortsByEachColumn()
{
    QFETCH(int, column);
    QFETCH(QStringList, firstClick);
    QFETCH(QStringList, secondClick);
    QFETCH(QString, heard);

    auto *table = named<QTableView>(m_class, u"tblClass"_s);
    QHeaderView *header = table->horizontalHeader();
    const auto clickHeading = [&]() {
        const QPoint place(
            header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, place);
    };
    // Away from the name first, so that the name's first click is a first.
    if (column == ClassModel::Name)
        header->setSortIndicator(ClassModel::Answers, Qt::DescendingOrder);
    clickHeading();
    QCOMPARE(columnTexts(table->model(), ClassModel::Name), firstClick);
    clickHeading();
    QCOMPARE(columnTexts(table->model(), ClassModel::Name), secondClick);
    QCOMPARE(table->accessibleDescription(), heard);
}

void ProgressScreensTest::classSortsByKeyboard()
{
    auto *table = named<QTableView>(m_class, u"tblClass"_s);
    auto *sort = named<QPushButton>(m_class, u"cmdSortColumn"_s);
    QVERIFY(sort);
    table->setFocus();
    table->setCurrentIndex(table->model()->index(0, ClassModel::ShareRight));
    QVERIFY(QMetaObject::invokeMethod(m_class, "cmdSortColumn_Click"));
    QCOMPARE(columnTexts(table->model(), ClassModel::Name),
        QStringList({ u"bea"_s, u"Ann"_s, u"Carl"_s, u"Dora"_s }));
    QCOMPARE(table->accessibleDescription(), u"Sorted by share right, highest first."_s);
    // The keyboard is back in the table, on the same pupil.
    QCOMPARE(QApplication::focusWidget(), table);
    QCOMPARE(m_class->currentPupil()->name, u"Ann"_s);
    // Again, by its key from the table: the other way round.
    QCOMPARE(sort->shortcut(), QKeySequence(u"Alt+T"_s));
    QVERIFY(QMetaObject::invokeMethod(m_class, "cmdSortColumn_Click"));
    QCOMPARE(columnTexts(table->model(), ClassModel::Name),
        QStringList({ u"Carl"_s, u"Ann"_s, u"bea"_s, u"Dora"_s }));
    QCOMPARE(table->accessibleDescription(), u"Sorted by share right, lowest first."_s);
}

void ProgressScreensTest::namesSortByTheirNumbers()
{
    m_class->showClass({ pupil(1, u"Pupil 10"_s, tally(1, 1, 900), 1, utc(2026, 1, 1)),
        pupil(2, u"pupil 9"_s, tally(1, 1, 900), 1, utc(2026, 1, 1)),
        pupil(3, u"Pupil 1"_s, tally(1, 1, 900), 1, utc(2026, 1, 1)) });
    auto *table = named<QTableView>(m_class, u"tblClass"_s);
    QCOMPARE(columnTexts(table->model(), ClassModel::Name),
        QStringList({ u"Pupil 1"_s, u"pupil 9"_s, u"Pupil 10"_s }));
}

void ProgressScreensTest::eachOperationAddsColumns()
{
    auto *table = named<QTableView>(m_class, u"tblClass"_s);
    auto *each = named<QCheckBox>(m_class, u"chkEachOperation"_s);
    QCOMPARE(each->text(), u"Show &each operation"_s);
    QTest::mouseClick(each, Qt::LeftButton);
    const QAbstractItemModel *model = table->model();
    QCOMPARE(model->columnCount(), 6 + 4 * 3);
    QCOMPARE(model->headerData(6, Qt::Horizontal).toString(), u"Addition\nanswers"_s);
    QCOMPARE(model->headerData(16, Qt::Horizontal).toString(), u"Division\nshare right"_s);
    QCOMPARE(model->headerData(17, Qt::Horizontal, Qt::AccessibleTextRole).toString(),
        u"Division median time"_s);
    // Ann answered 100 in all: 10 of them additions, 40 divisions.
    QCOMPARE(rowTexts(model, 0).mid(6, 3), QStringList({ u"10"_s, u"50 %"_s, u"12.0 s"_s }));
    QCOMPARE(model->index(0, 15).data().toString(), u"40"_s);
    // Sorted by an operation's figures as numbers.
    table->setCurrentIndex(model->index(0, 15));
    QVERIFY(QMetaObject::invokeMethod(m_class, "cmdSortColumn_Click"));
    QCOMPARE(columnTexts(model, 15), QStringList({ u"40"_s, u"4"_s, u"3"_s, u"0"_s }));

    // Hidden again, a sort by a column gone falls back to the names.
    QTest::mouseClick(each, Qt::LeftButton);
    QCOMPARE(model->columnCount(), 6);
    QCOMPARE(columnTexts(model, 0), QStringList({ u"Ann"_s, u"bea"_s, u"Carl"_s, u"Dora"_s }));
}

void ProgressScreensTest::factsThatNeedTeachingHaveTheirColumn()
{
    using tutor::FactFamily;
    QList<PupilTotals> pupils = sampleClass();
    pupils[0].needsTeaching = { FactFamily { Operation::Multiplication, 7, 8 } }; // bea
    pupils[1].needsTeaching = { FactFamily { Operation::Division, 3, 4 },
        FactFamily { Operation::Subtraction, 3, 4 }, FactFamily { Operation::Addition, 6, 6 } };
    m_class->showClass(pupils);
    auto *table = named<QTableView>(m_class, u"tblClass"_s);
    const QAbstractItemModel *model = table->model();
    const int column = ClassModel::NeedsTeaching;
    QCOMPARE(model->columnCount(), column + 1);
    QCOMPARE(model->headerData(column, Qt::Horizontal).toString(), u"Needs teaching"_s);
    QCOMPARE(columnTexts(model, column),
        QStringList({ u"12 ÷ 3, 7 − 3, 6 + 6"_s, u"7 × 8"_s, QString(), QString() }));
    QCOMPARE(model->index(1, column).data(Qt::AccessibleTextRole).toString(),
        u"bea, needs teaching: 7 × 8"_s);
    QCOMPARE(model->index(2, column).data(Qt::AccessibleTextRole).toString(),
        u"Carl, needs teaching: nothing"_s);
    QVERIFY(model->index(1, column)
                .data(Qt::ToolTipRole)
                .toString()
                .contains(u"needs teaching"_s, Qt::CaseInsensitive));
    QVERIFY(table->columnWidth(column)
        >= table->fontMetrics().horizontalAdvance(model->index(0, column).data().toString()));

    // Sorted by how many, most first; then the other way round.
    table->setCurrentIndex(model->index(0, column));
    QVERIFY(QMetaObject::invokeMethod(m_class, "cmdSortColumn_Click"));
    QCOMPARE(columnTexts(model, ClassModel::Name).mid(0, 2), QStringList({ u"Ann"_s, u"bea"_s }));
    QCOMPARE(table->accessibleDescription(), u"Sorted by needs teaching, highest first."_s);
    QVERIFY(QMetaObject::invokeMethod(m_class, "cmdSortColumn_Click"));
    QCOMPARE(columnTexts(model, ClassModel::Name).mid(2), QStringList({ u"bea"_s, u"Ann"_s }));

    // Each operation's columns follow it.
    QTest::mouseClick(named<QCheckBox>(m_class, u"chkEachOperation"_s), Qt::LeftButton);
    QCOMPARE(model->columnCount(), column + 1 + 4 * 3);
    QCOMPARE(model->headerData(column + 1, Qt::Horizontal).toString(), u"Addition\nanswers"_s);
    QCOMPARE(model->headerData(column, Qt::Horizontal).toString(), u"Needs teaching"_s);
    // Without facts to teach, the column goes, and its sort with it.
    m_class->showClass(sampleClass());
    QCOMPARE(model->columnCount(), column + 4 * 3);
    QCOMPARE(columnTexts(model, ClassModel::Name),
        QStringList({ u"Ann"_s, u"bea"_s, u"Carl"_s, u"Dora"_s }));
    QCOMPARE(table->columnWidth(column), table->columnWidth(column + 1));
    QCOMPARE(model->headerData(column, Qt::Horizontal).toString(), u"Addition\nanswers"_s);
}

void ProgressScreensTest::quickAnswerTimeIsSetByTheTeacher()
{
    auto *seconds = named<QSpinBox>(m_class, u"spnQuickSeconds"_s);
    QVERIFY(seconds);
    QSignalSpy changes(m_class, &ClassScreen::quickSecondsChanged);
    // Shown once the file gives it, without a change of its own.
    QVERIFY(seconds->isHidden());
    m_class->showQuickSeconds(4);
    QVERIFY(!seconds->isHidden());
    QCOMPARE(seconds->value(), 4);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(seconds->minimum(), 1);
    QCOMPARE(seconds->maximum(), 10);
    QCOMPARE(seconds->text(), u"4 s"_s);

    // Changed by keyboard; a typed figure past the range is held to it.
    seconds->setFocus();
    QTest::keyClick(seconds, Qt::Key_Up);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toInt(), 5);
    seconds->setValue(42);
    QCOMPARE(changes.last().at(0).toInt(), 10);
    auto *label = named<QLabel>(m_class, u"lblQuickSeconds"_s);
    QCOMPARE(label->buddy(), seconds);

    // Whole on the title row, beside the title.
    auto *title = named<QLabel>(m_class, u"lblClassTitle"_s);
    for (QWidget *part : { static_cast<QWidget *>(label), static_cast<QWidget *>(seconds) }) {
        QVERIFY(!part->geometry().intersects(title->geometry()));
        QVERIFY(part->geometry().top() < named<QTableView>(m_class, u"tblClass"_s)->y());
        QVERIFY2(part->sizeHint().width() <= part->width(), qPrintable(part->objectName()));
    }
    QVERIFY(title->sizeHint().width() <= title->width());
    QList<PupilTotals> many(120, sampleClass().first());
    for (PupilTotals &pupil : many)
        pupil.needsTeaching = { tutor::FactFamily { Operation::Multiplication, 12, 12 } };
    m_class->showClass(many);
    QCOMPARE(title->text(), u"Class overview: 120 pupils, 120 with facts to teach"_s);
    QVERIFY(title->sizeHint().width() <= title->width());
}

void ProgressScreensTest::deleteAsksFirstAndDefaultsToNo()
{
    auto *table = named<QTableView>(m_class, u"tblClass"_s);
    QSignalSpy deleting(m_class, &ClassScreen::deleteRequested);
    table->setCurrentIndex(table->model()->index(0, 0)); // Ann

    QString question;
    QString title;
    bool noIsDefault = false;
    whenDialogOpens([&](QDialog *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        QVERIFY(box);
        question = box->text();
        title = box->windowTitle();
        noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
        // Enter takes the default.
        QTest::keyClick(box, Qt::Key_Return);
    });
    QVERIFY(QMetaObject::invokeMethod(m_class, "cmdDeletePupil_Click"));
    QCOMPARE(question, u"Delete Ann and all of Ann's answers?"_s);
    QCOMPARE(title, u"Orvi Math Tutor"_s);
    QVERIFY(noIsDefault);
    QCOMPARE(deleting.count(), 0);

    whenDialogOpens([](QDialog *dialog) {
        qobject_cast<QMessageBox *>(dialog)->button(QMessageBox::Yes)->click();
    });
    QVERIFY(QMetaObject::invokeMethod(m_class, "cmdDeletePupil_Click"));
    QCOMPARE(deleting.count(), 1);
    QCOMPARE(deleting.at(0).at(0).toLongLong(), 2);

    // A name is shown as written.
    PupilTotals marked = pupil(9, u"<i>Eve</i>"_s, tally(1, 1, 100), 1, utc(2026, 1, 1));
    m_class->showClass({ marked });
    whenDialogOpens([&](QDialog *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        question = box->text();
        QCOMPARE(box->textFormat(), Qt::PlainText);
        box->button(QMessageBox::No)->click();
    });
    QVERIFY(QMetaObject::invokeMethod(m_class, "cmdDeletePupil_Click"));
    QCOMPARE(question, u"Delete <i>Eve</i> and all of <i>Eve</i>'s answers?"_s);
    QCOMPARE(deleting.count(), 1);
}

void ProgressScreensTest::renameAsksForTheNewName()
{
    auto *table = named<QTableView>(m_class, u"tblClass"_s);
    QSignalSpy renaming(m_class, &ClassScreen::renameRequested);
    table->setCurrentIndex(table->model()->index(2, 3)); // Carl

    QString asked;
    QString offered;
    whenDialogOpens([&](QDialog *dialog) {
        auto *input = qobject_cast<QInputDialog *>(dialog);
        QVERIFY(input);
        asked = input->labelText();
        offered = input->textValue();
        auto *box = input->findChild<QLineEdit *>();
        box->selectAll();
        QTest::keyClicks(box, u" Karl "_s);
        QTest::keyClick(box, Qt::Key_Return);
    });
    QVERIFY(QMetaObject::invokeMethod(m_class, "cmdRenamePupil_Click"));
    QCOMPARE(asked, u"New name for Carl:"_s);
    QCOMPARE(offered, u"Carl"_s);
    QCOMPARE(renaming.count(), 1);
    QCOMPARE(renaming.at(0).at(0).toLongLong(), 3);
    QCOMPARE(renaming.at(0).at(1).toString(), u"Karl"_s);

    // Cancelled, emptied or unchanged: nothing is asked of the store.
    for (const QString &typed : { u"Zed"_s, u"   "_s, u"Carl"_s }) {
        whenDialogOpens([typed](QDialog *dialog) {
            auto *input = qobject_cast<QInputDialog *>(dialog);
            input->setTextValue(typed);
            if (typed == u"Zed")
                input->reject();
            else
                input->accept();
        });
        QVERIFY(QMetaObject::invokeMethod(m_class, "cmdRenamePupil_Click"));
    }
    QCOMPARE(renaming.count(), 1);
}

void ProgressScreensTest::exportIsAskedFor()
{
    QSignalSpy exporting(m_class, &ClassScreen::exportRequested);
    auto *csv = named<QPushButton>(m_class, u"cmdExportCsv"_s);
    QCOMPARE(csv->text(), u"Export &CSV"_s);
    QTest::mouseClick(csv, Qt::LeftButton);
    QCOMPARE(exporting.count(), 1);

    // With no pupils, nothing to rename or delete.
    m_class->showClass({});
    QVERIFY(!named<QPushButton>(m_class, u"cmdRenamePupil"_s)->isEnabled());
    QVERIFY(!named<QPushButton>(m_class, u"cmdDeletePupil"_s)->isEnabled());
    QVERIFY(csv->isEnabled());
    QCOMPARE(named<QLabel>(m_class, u"lblClassTitle"_s)->text(), u"Class overview: 0 pupils"_s);
}

void ProgressScreensTest::refreshKeepsThePupilChosen()
{
    auto *table = named<QTableView>(m_class, u"tblClass"_s);
    table->setCurrentIndex(table->model()->index(2, ClassModel::Answers)); // Carl
    QList<PupilTotals> renamed = sampleClass();
    renamed[2].name = u"Aaron"_s; // Carl, now first by name
    m_class->showClass(renamed);
    QCOMPARE(m_class->currentPupil()->pupilId, 3);
    QCOMPARE(table->currentIndex().row(), 0);
    QCOMPARE(table->currentIndex().column(), int(ClassModel::Answers));

    // A long class scrolled down stays where it was, and so does the cell
    // of My Progress.
    QList<PupilTotals> many;
    for (int id = 1; id <= 40; ++id)
        many << pupil(id, u"Pupil %1"_s.arg(id), tally(id, 1), 1, utc(2026, 1, 2));
    m_class->showClass(many);
    table->setCurrentIndex(table->model()->index(30, ClassModel::Name));
    const int scrolled = table->verticalScrollBar()->value();
    QVERIFY(scrolled > 0);
    m_class->showClass(many);
    QCOMPARE(table->verticalScrollBar()->value(), scrolled);
    auto *progressTable = named<QTableView>(m_progress, u"tblProgress"_s);
    progressTable->setCurrentIndex(progressTable->model()->index(2, 3));
    m_progress->showProgress(sampleProgress());
    QCOMPARE(progressTable->currentIndex(), progressTable->model()->index(2, 3));
}

void ProgressScreensTest::classTabOrder()
{
    m_progress->hide();
    QCOMPARE(tabStops(named<QTableView>(m_class, u"tblClass"_s)),
        QStringList({ u"tblClass"_s, u"chkEachOperation"_s, u"cmdSortColumn"_s, u"cmdRenamePupil"_s,
            u"cmdDeletePupil"_s, u"cmdExportCsv"_s }));
}

void ProgressScreensTest::screensUseTheRoomTheyGet_data()
{
    QTest::addColumn<QSize>("client"); // the room the window gives its screens
    QTest::addColumn<QSize>("before"); // the room they had first, if other
    QTest::newRow("design size") << QSize(694, 317) << QSize();
    QTest::newRow("1366 x 740") << QSize(1366, 740) << QSize();
    QTest::newRow("1920 x 1050") << QSize(1920, 1050) << QSize();
    QTest::newRow("design size after 1920 x 1050") << QSize(694, 317) << QSize(1920, 1050);
}

// In every language and at every size, each control of both screens shows
// whole in the room, beside the others; the pupils' names stay in sight
// however far the class table is scrolled, and the facts to teach are in
// sight before it is.
void ProgressScreensTest::screensUseTheRoomTheyGet()
{
    QFETCH(QSize, client);
    QFETCH(QSize, before);
    const auto english = qScopeGuard([] { language::speak(u"en"_s); });
    QList<PupilTotals> pupils = sampleClass();
    pupils[1].needsTeaching = { tutor::FactFamily { Operation::Division, 3, 4 },
        tutor::FactFamily { Operation::Subtraction, 3, 4 } };
    PupilProgress progress = sampleProgress();
    progress.facts[2].byBox = true;
    m_window->resize(client);
    const QRect shown(QPoint(8, 8), client);
    for (Screen *screen : { static_cast<Screen *>(m_progress), static_cast<Screen *>(m_class) }) {
        QVERIFY(screen->layout());
        if (before.isValid()) {
            screen->resize(before + QSize(11, 12));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        }
        screen->resize(client + QSize(11, 12));
    }
    m_class->showClass(pupils);
    m_class->showQuickSeconds(3);
    m_progress->showProgress(progress);
    QVERIFY(testsupport::pickEntry(m_progress, "cboFactsOperation", u"Multiplication"_s));

    auto *table = named<QTableView>(m_class, u"tblClass"_s);
    auto *grid = named<CellGridView>(m_progress, u"grdFacts"_s);
    for (const language::ShippedLanguage &shipped : language::shippedLanguages()) {
        language::speak(shipped.code);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        for (Screen *screen :
            { static_cast<Screen *>(m_progress), static_cast<Screen *>(m_class) }) {
            QCOMPARE(misplaced(screen, shown).join(u", "_s) + u" in "_s + shipped.code,
                u" in "_s + shipped.code);
            // At the design size its controls fit the design rectangle.
            const QSize least = screen->layout()->minimumSize();
            QVERIFY2(client.width() > 694 || (least.width() <= 705 && least.height() <= 329),
                qPrintable(
                    u"%1 x %2 in %3"_s.arg(least.width()).arg(least.height()).arg(shipped.code)));
        }
        for (QHeaderView *header : m_window->findChildren<QHeaderView *>()) {
            if (header->isVisibleTo(m_window.get()) && header->orientation() == Qt::Horizontal)
                QCOMPARE(cutHeadings(header).join(u", "_s) + u" in "_s + shipped.code,
                    u" in "_s + shipped.code);
        }

        // The facts to teach in sight unscrolled, right of the names.
        table->horizontalScrollBar()->setValue(0);
        QHeaderView *header = table->horizontalHeader();
        const int needs = ClassModel::NeedsTeaching;
        QVERIFY2(header->sectionViewportPosition(needs) + header->sectionSize(needs)
                <= table->viewport()->width(),
            qPrintable(shipped.code));

        // The grid's cells as wide as their headings need and about as high.
        const QRect cell = grid->cellRect(12, 12);
        QVERIFY(grid->rect().contains(cell));
        QVERIFY(cell.width() >= grid->fontMetrics().horizontalAdvance(u"12"_s));
        QVERIFY2(cell.width() * 3 <= cell.height() * 4 && cell.height() <= cell.width(),
            qPrintable(u"%1 x %2"_s.arg(cell.width()).arg(cell.height())));
    }
    language::speak(u"en"_s);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);

    // Every operation's columns, scrolled to the last: the names stay at the
    // table's left edge, on top, beside the last column.
    QTest::mouseClick(named<QCheckBox>(m_class, u"chkEachOperation"_s), Qt::LeftButton);
    const int last = table->model()->columnCount() - 1;
    table->setCurrentIndex(table->model()->index(1, last));
    table->horizontalScrollBar()->setValue(table->horizontalScrollBar()->maximum());
    QVERIFY(client.width() > 1366 || table->horizontalScrollBar()->value() > 0);
    const QRect lastCell = table->visualRect(table->currentIndex());
    QVERIFY(table->viewport()->rect().contains(lastCell));
    const QPoint nameSpot = table->viewport()->mapTo(m_class, QPoint(4, lastCell.center().y()));
    auto *names = qobject_cast<QTableView *>(m_class->childAt(nameSpot)->parentWidget());
    QVERIFY(names && names != table);
    QVERIFY(lastCell.left() >= names->width());
    QCOMPARE(
        names->indexAt(names->viewport()->mapFrom(m_class, nameSpot)).data().toString(), u"bea"_s);
    // Sorting from the names' heading sorts the table.
    QTest::mouseClick(names->horizontalHeader()->viewport(), Qt::LeftButton, {},
        QPoint(names->width() / 2, names->horizontalHeader()->height() / 2));
    QCOMPARE(columnTexts(table->model(), ClassModel::Name),
        QStringList({ u"Dora"_s, u"Carl"_s, u"bea"_s, u"Ann"_s }));
    // A name clicked chooses its pupil; the table keeps the keyboard.
    QTest::mouseClick(names->viewport(), Qt::LeftButton, {},
        names->visualRect(names->model()->index(2, 0)).center());
    QCOMPARE(m_class->currentPupil()->name, u"bea"_s);
    QCOMPARE(QApplication::focusWidget(), table);
    QCOMPARE(names->focusPolicy(), Qt::NoFocus);
    // A screen reader meets one table on the screen, with its cells.
    int tables = 0;
    QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(m_class);
    for (int child = 0; child < frame->childCount(); ++child)
        tables += frame->child(child)->role() == QAccessible::Table ? 1 : 0;
    QCOMPARE(tables, 1);
    QAccessibleInterface *cells = QAccessible::queryAccessibleInterface(table);
    for (int child = 0; child < cells->childCount(); ++child)
        QVERIFY(cells->child(child)->object() != names);

    // Larger, the screens use the room: the tables, charts and grid grow.
    if (client.width() > 694) {
        QVERIFY(table->height() > client.height() * 3 / 4);
        QVERIFY(table->geometry().right() > client.width() - 12);
        QVERIFY(grid->width() > 300);
        QVERIFY(named<ChartView>(m_progress, u"chtShareRight"_s)->height() > 300);
    }
}

QTEST_MAIN(ProgressScreensTest)
#include "progress_screens_test.moc"
