#include "report/report_panel.h"

#include "base/accessibility.h"
#include "base/controls.h"
#include "base/desktop_launcher.h"
#include "base/file_saver.h"
#include "base/fixed_row_list.h"
#include "base/message_box.h"
#include "base/record_column_model.h"
#include "base/scaled_picture.h"
#include "report/report_writer.h"
#include "rules/spoken_log.h"
#include "session/session_log.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSize>

using controls::twips;

namespace {

// A list's height at the design size, its place kept.
void resizeAtDesign(QWidget *list, int height)
{
    const QRect design = designscale::designGeometry(list);
    designscale::setDesignGeometry(list, QRect(design.topLeft(), QSize(design.width(), height)));
}

// Where the table's one visible scroll bar stands: at the right edge of the
// last column, just left of the strip with the buttons.
constexpr int TableRightTwips = 3960;

// The panel as assistive technology knows it: the log is its first list,
// which reads the rows for all six; the lists only drawn are left out.
class PanelFace : public QAccessibleWidget
{
public:
    explicit PanelFace(QWidget *panel)
        : QAccessibleWidget(panel, QAccessible::Border)
    { }

    int childCount() const override { return int(heardChildren().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QAccessibleInterface *> children = heardChildren();
        return index >= 0 && index < children.size() ? children.at(index) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return int(heardChildren().indexOf(const_cast<QAccessibleInterface *>(child)));
    }

private:
    QList<QAccessibleInterface *> heardChildren() const
    {
        QList<QAccessibleInterface *> children;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface *candidate = QAccessibleWidget::child(i);
            const auto *list
                = candidate ? qobject_cast<FixedRowList *>(candidate->object()) : nullptr;
            if (candidate && !(list && list->isDrawnOnly()))
                children << candidate;
        }
        return children;
    }
};

QAccessibleInterface *panelFace(const QString &className, QObject *object)
{
    auto *panel = qobject_cast<ReportPanel *>(object);
    return panel && className == QLatin1String("ReportPanel") ? new PanelFace(panel) : nullptr;
}

} // namespace

ReportPanel::ReportPanel(SessionLog &log, const QString &reportsFolder, QWidget *parent)
    : Screen(QStringLiteral("fraLog"), twips(4680, -120, 5775, 4935), parent)
    , m_log(log)
    , m_reportsFolder(reportsFolder)
{
    // Created left to right: each list lies over the right-hand part of its
    // left neighbour, so the six read as one table of six columns.
    logList(QStringLiteral("lstLogNum1"), 120, 1335);
    logList(QStringLiteral("lstLogOper"), 720, 855);
    logList(QStringLiteral("lstLogNum2"), 960, 1095);
    logList(QStringLiteral("lstLogYourAn"), 1680, 975);
    logList(QStringLiteral("lstLogCorrAn"), 2400, 975);
    logList(QStringLiteral("lstLogRW"), 3120, 1215);
    // The six lists are one table to the eye and one list to the ear: the
    // first takes the keyboard and reads each row as a sentence; the other
    // five are only drawn.
    FixedRowList *heard = m_columns.first();
    heard->readRowsAs(
        [this](int row) { return tutor::spokenLogRow(row + 1, m_log.answers().at(row)); });
    for (FixedRowList *column : std::as_const(m_columns)) {
        if (column != heard)
            column->leaveKeyboardTo(heard);
    }
    static const bool faceInstalled = [] {
        QAccessible::installFactory(panelFace);
        return true;
    }();
    Q_UNUSED(faceInstalled)
    // An interface made while the panel was built gives way to the panel's own.
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(this);
    if (face && !dynamic_cast<PanelFace *>(face)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
        QAccessible::queryAccessibleInterface(this);
    }

    // The lists' own bars lie under their neighbours; this one moves all six.
    m_scrollBar = new QScrollBar(Qt::Vertical, this);
    m_scrollBar->setObjectName(QStringLiteral("scrLog"));
    const QRect listArea = twips(120, 600, TableRightTwips - 120, 4155);
    const int barWidth = m_scrollBar->sizeHint().width();
    designscale::setDesignGeometry(m_scrollBar,
        QRect(listArea.right() + 1 - barWidth, listArea.top(), barWidth, listArea.height()));
    m_scrollBar->setRange(0, 0);
    controls::scrollTogether(m_columns);
    QScrollBar *leading = m_columns.first()->verticalScrollBar();
    connect(m_scrollBar, &QScrollBar::valueChanged, leading, &QScrollBar::setValue);
    connect(leading, &QScrollBar::valueChanged, m_scrollBar, &QScrollBar::setValue);
    connect(leading, &QScrollBar::rangeChanged, this, [this, leading](int minimum, int maximum) {
        m_scrollBar->setRange(minimum, maximum);
        m_scrollBar->setPageStep(leading->pageStep());
    });

    // Each heading stands over its own column and reaches across to the
    // next heading and down to the lists, a pixel short of both, so that a
    // longer word still fits and never runs into its neighbour; the English
    // words wrap as they always did.
    m_number1Heading
        = controls::label(this, QStringLiteral("Label39"), QString(), twips(120, 240, 825, 345));
    m_number2Heading
        = controls::label(this, QStringLiteral("Label41"), QString(), twips(960, 240, 825, 345));
    m_yourAnswerHeading
        = controls::label(this, QStringLiteral("Label42"), QString(), twips(1800, 120, 825, 465));
    m_correctAnswerHeading
        = controls::label(this, QStringLiteral("Label43"), QString(), twips(2640, 120, 900, 465));

    QFrame *frame5
        = controls::frame(this, QStringLiteral("Frame5"), twips(TableRightTwips, 600, 1695, 4215));
    frame5->setAutoFillBackground(true);
    // Across the strip and two lines deep: room for a longer heading.
    m_lastProblemHeading
        = controls::label(frame5, QStringLiteral("Label44"), QString(), twips(120, 0, 1455, 480));
    m_nameHeading = controls::label(
        frame5, QStringLiteral("Label11"), QString(), twips(240, 2280, 1335, 255));
    m_logFull = controls::label(
        frame5, QStringLiteral("lblLogFull"), QString(), twips(240, 1200, 1335, 975));
    controls::setTextColour(m_logFull, QColor(160, 0, 0));
    m_logFull->hide();

    m_cmdClearReport = controls::button(
        this, QStringLiteral("cmdClearReport"), QString(), twips(4200, 1320, 1335, 375));
    connect(m_cmdClearReport, &QPushButton::clicked, this, &ReportPanel::cmdClearReport_Click);
    m_cmdPrintReport = controls::button(
        this, QStringLiteral("cmdPrintReport"), QString(), twips(4200, 3600, 1335, 375));
    connect(m_cmdPrintReport, &QPushButton::clicked, this, &ReportPanel::cmdPrintReport_Click);
    m_txtNameReport
        = controls::textBox(this, QStringLiteral("txtNameReport"), 0, twips(4200, 3120, 1335, 375));
    m_txtNameReport->installEventFilter(this);
    // The log, then these three: the order Tab takes round the panel, as
    // focusNextPrevChild() keeps it.
    setTabOrder(m_txtNameReport, m_cmdPrintReport);
    setTabOrder(m_cmdPrintReport, m_cmdClearReport);

    connect(&m_log, &SessionLog::appended, this, &ReportPanel::followAppend);
    connect(&m_log, &SessionLog::cleared, m_logFull, &QWidget::hide);
    // Its own showing and hiding: the screens under it and a screen reader
    // follow.
    installEventFilter(this);

    retranslate();
}

// Lies over the browser beside the screen the pupil answers on, which keeps
// the keyboard.
bool ReportPanel::takesKeyboard() const
{
    return false;
}

// A teacher working on the panel's own controls stays there.
bool ReportPanel::keepsKeyboard() const
{
    return true;
}

void ReportPanel::retranslate()
{
    m_columns.first()->setAccessibleName(tr("Answers so far"));
    //: Column heading over the sums' first numbers.
    m_number1Heading->setText(tr("Number1"));
    //: Column heading over the sums' second numbers.
    m_number2Heading->setText(tr("Number 2"));
    //: Column heading over what the pupil typed; two lines fit.
    m_yourAnswerHeading->setText(tr("  Your Answer"));
    //: Column heading; two lines fit.
    m_correctAnswerHeading->setText(tr("Correct Answer"));
    m_lastProblemHeading->setText(tr("Last Problem"));
    m_nameHeading->setText(tr("Enter Your Name:"));
    //: "Clear Report" is the caption of the button beside it, spelt as that button is.
    m_logFull->setText(tr("The report is full. Press \"Clear Report\" to start a new one."));
    m_cmdClearReport->setText(tr("Clear Report"));
    //: Writes the report as a web page and opens it in the web browser.
    m_cmdPrintReport->setText(tr("Print Html"));
    m_txtNameReport->setAccessibleName(tr("Your name"));
    // The verdicts in the last column are words too.
    for (FixedRowList *column : std::as_const(m_columns))
        column->viewport()->update();
}

void ReportPanel::logList(const QString &name, int left, int width)
{
    FixedRowList *list = controls::listBox(this, name, twips(left, 600, width, 4155));
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const auto column = tutor::LogColumn(m_columns.size());
    list->setModel(new RecordColumnModel<SessionLog, tutor::LogColumn>(
        m_log, column, tutor::logColumnText, list));
    m_columns << list;
    connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex &current) { lightRow(current.isValid() ? current.row() : -1); });
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        [this, list]() { followSelection(list); });
}

// The row the pupil moves to, by click, arrow key or by tabbing into the log,
// lights in all six columns, the one moved in too: tabbing in makes a row
// current without selecting it.
void ReportPanel::lightRow(int row)
{
    if (m_followingPick)
        return;
    const QScopedValueRollback<bool> following(m_followingPick, true);
    for (FixedRowList *column : std::as_const(m_columns)) {
        if (row >= 0)
            column->setCurrentIndex(column->model()->index(row, 0));
        else if (column->currentRow() >= 0)
            column->selectionModel()->clearCurrentIndex();
    }
}

// A row unlit in one column (Ctrl+click) goes dark in all six.
void ReportPanel::followSelection(FixedRowList *list)
{
    if (m_followingPick)
        return;
    const QScopedValueRollback<bool> following(m_followingPick, true);
    const QModelIndexList picked = list->selectionModel()->selectedIndexes();
    const int row = picked.isEmpty() ? -1 : picked.first().row();
    for (FixedRowList *column : std::as_const(m_columns)) {
        if (column == list)
            continue;
        if (row >= 0)
            column->selectionModel()->select(
                column->model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
        else
            column->clearSelection();
    }
}

// A list's rows tell assistive technology whether they show by where they lie
// in the list, not by whether the list shows; a hidden panel's lists have no
// height, so their rows say they are hidden. The rows in sight stay put.
void ReportPanel::hideEvent(QHideEvent *event)
{
    if (m_listHeight == 0) {
        m_endWasInSight = endInSight();
        m_listHeight = designscale::designGeometry(m_columns.first()).height();
        const int top = m_columns.first()->verticalScrollBar()->value();
        for (FixedRowList *column : std::as_const(m_columns))
            resizeAtDesign(column, 0);
        m_columns.first()->verticalScrollBar()->setValue(top);
    }
    QFrame::hideEvent(event);
}

void ReportPanel::showEvent(QShowEvent *event)
{
    if (m_listHeight > 0) {
        const int top = m_columns.first()->verticalScrollBar()->value();
        for (FixedRowList *column : std::as_const(m_columns))
            resizeAtDesign(column, m_listHeight);
        m_listHeight = 0;
        m_columns.first()->verticalScrollBar()->setValue(top);
        // Rows answered while the panel was away come into sight with it.
        if (m_endWasInSight)
            m_columns.first()->scrollToBottom();
    }
    QFrame::showEvent(event);
}

// Whether the pupil sees the log's last row, or would on showing the panel:
// a panel put away keeps its lists without height, so it remembers. Rows
// just added have made the table `grownBy` pixels longer since the pupil
// last looked.
bool ReportPanel::endInSight(int grownBy) const
{
    if (m_listHeight > 0)
        return m_endWasInSight;
    const QScrollBar *bar = m_columns.first()->verticalScrollBar();
    return bar->value() >= bar->maximum() - grownBy;
}

void ReportPanel::prepareForShowing()
{
    m_cmdPrintReport->setEnabled(false);
    controls::emptyBox(m_txtNameReport);
    // A panel coming up is heard once the screen under it has let the
    // keyboard go.
    m_tellWhatItHolds = true;
    if (!isHidden())
        tellWhatItHolds();
}

// The pupil hears how many answers the panel holds where the keyboard is.
void ReportPanel::tellWhatItHolds()
{
    if (!m_tellWhatItHolds)
        return;
    m_tellWhatItHolds = false;
    QWidget *focused = QApplication::focusWidget();
    if (!focused || focused->window() != window())
        focused = m_columns.first();
    access::announce(focused, tutor::spokenLogShown(m_log.size()));
}

// A pupil reading the newest rows sees each new one; one who scrolled up to
// older rows keeps their place. A panel put away follows when it shows again.
void ReportPanel::followAppend(int first, int last)
{
    const int grownBy = (last - first + 1) * m_columns.first()->rowHeight();
    if (m_listHeight == 0 && endInSight(grownBy))
        m_columns.first()->scrollToBottom();
    if (m_log.isFull())
        m_logFull->show();
}

void ReportPanel::cmdClearReport_Click()
{
    m_log.clear();
    emit showReportRequested();
}

void ReportPanel::cmdPrintReport_Click()
{
    const QString name = m_txtNameReport->text();
    // Disabled first, so a second click cannot start another report while
    // a message box below is open.
    m_cmdPrintReport->setEnabled(false);

    // The name becomes part of a file name: one that would leave the reports
    // folder or that the system refuses writes nothing, and the pupil is told
    // which rule it breaks, to correct it and print again.
    const QString problem = tutor::reportNameProblem(name);
    if (!problem.isEmpty()) {
        showMessage(this, tr("This name cannot be used for a report."), problem);
        keepNameForCorrection();
        return;
    }

    const QString path = reportPath(name);
    const SaveResult saved = saveWholeFile(path, tutor::reportBytes(name, m_log.answers()));
    if (!saved.ok) {
        // The name stays, so the pupil can try again once the cause is put
        // right; an earlier report of that name is still whole.
        showMessage(this, tr("Cannot write the report %1.").arg(saved.path), saved.error);
        keepNameForCorrection();
        return;
    }

    if (m_tellWhereReportsGo) {
        m_tellWhereReportsGo = false;
        showGoodNews(this,
            tr("Your report was saved in %1.")
                .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath())),
            tr("The program's own folder cannot be written, so reports are kept there."));
    }
    //: %1 is the report's file.
    openSavedPage(this, path,
        { tr("Your report was saved as %1."),
            //: %1 is the report's file.
            tr("Your report was saved as %1, but it is no longer there.") });
    emit showReportRequested();
    emit reportPrinted();
}

void ReportPanel::tellWhereReportsGo()
{
    m_tellWhereReportsGo = true;
}

void ReportPanel::keepNameForCorrection()
{
    m_cmdPrintReport->setEnabled(true);
    m_txtNameReport->setFocus();
}

QString ReportPanel::reportPath(const QString &name) const
{
    return m_reportsFolder + QLatin1Char('/') + tutor::reportFileName(name);
}

void ReportPanel::setCoveringScreens(const QList<QWidget *> &screens)
{
    for (QWidget *screen : screens) {
        m_coveringScreens << screen;
        screen->installEventFilter(this);
    }
    updateCoverage();
}

void ReportPanel::setCoveredScreens(const QList<QWidget *> &screens)
{
    m_coveredScreens << screens;
    updateCovered();
}

void ReportPanel::updateCovered()
{
    // A screen that is disabled drops the keyboard; the keyboard on a page
    // the panel now covers comes onto the log instead of going nowhere.
    const QWidget *focused = QApplication::focusWidget();
    bool focusCovered = false;
    for (QWidget *screen : std::as_const(m_coveredScreens)) {
        focusCovered = focusCovered
            || (!isHidden() && focused && (screen == focused || screen->isAncestorOf(focused)));
        screen->setEnabled(isHidden());
    }
    if (focusCovered)
        m_columns.first()->setFocus(Qt::OtherFocusReason);
}

void ReportPanel::updateCoverage()
{
    bool covered = false;
    for (const QWidget *screen : std::as_const(m_coveringScreens))
        covered = covered || !screen->isHidden();
    setEnabled(!covered);
}

// Tab goes round the panel's own controls and never on to the practice
// screen beside it, where an Enter would answer: the pupil goes back there
// with a click, or with Hide Report. From there, Tab comes in at the log.
bool ReportPanel::focusNextPrevChild(bool next)
{
    const QList<QWidget *> round { m_txtNameReport, m_cmdPrintReport, m_cmdClearReport,
        m_columns.first() };
    const QWidget *focused = QApplication::focusWidget();
    qsizetype at = -1;
    for (qsizetype i = 0; i < round.size(); ++i) {
        if (focused == round.at(i) || round.at(i)->isAncestorOf(focused))
            at = i;
    }
    if (at < 0)
        return Screen::focusNextPrevChild(next);
    for (qsizetype step = 1; step < round.size(); ++step) {
        QWidget *candidate = round.at((at + (next ? step : round.size() - step)) % round.size());
        if (candidate->isVisibleTo(this) && candidate->isEnabled()
            && (candidate->focusPolicy() & Qt::TabFocus)) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return true;
}

bool ReportPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_txtNameReport && event->type() == QEvent::KeyPress) {
        // Any character key, Backspace included, offers "Print Html".
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!key->text().isEmpty() && key->text().at(0).unicode() > 0 && key->key() != Qt::Key_Tab
            && key->key() != Qt::Key_Backtab)
            m_cmdPrintReport->setEnabled(true);
    } else if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
        if (watched == this) {
            updateCovered();
            if (event->type() == QEvent::ShowToParent)
                tellWhatItHolds();
        } else if (m_coveringScreens.contains(qobject_cast<QWidget *>(watched)))
            updateCoverage();
    }
    return QFrame::eventFilter(watched, event);
}
