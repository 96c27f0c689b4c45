#include "worksheet/worksheet_screen.h"

#include "base/accessibility.h"
#include "base/colour_contrast.h"
#include "base/controls.h"
#include "base/earlier_copies.h"
#include "base/file_saver.h"
#include "base/fixed_row_list.h"
#include "base/message_box.h"
#include "base/record_column_model.h"
#include "base/scaled_picture.h"
#include "rules/level_and_operation.h"
#include "rules/level_range.h"
#include "rules/number_text.h"
#include "rules/operations.h"
#include "rules/practice_problem.h"
#include "worksheet/status_line.h"
#include "worksheet/worksheet_print.h"
#include "worksheet/worksheet_sentences.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QTextDocument>
#include <QTimer>
#include <QtMath>

#include <algorithm>
#include <array>

using controls::twips;

namespace {

const QString ComicSans = QStringLiteral("Comic Sans MS");

namespace status = worksheetwords::status;
namespace news = worksheetwords::news;

using worksheetwords::sentence;

QString fullMessage()
{
    return sentence(status::Full).arg(WorksheetScreen::MaximumProblems);
}

// The lists stand for the text files, so they show "*" and "/" where the
// language writes × and ÷, and the language's own sign where it writes
// another ("·" and ":" in German).
QString listedText(const tutor::WorksheetProblem &problem, tutor::WorksheetColumn column)
{
    const bool ownSign = column == tutor::WorksheetColumn::Sign
        && tutor::signShape(problem.operation) != tutor::SignShape::Usual;
    return ownSign ? tutor::writtenSign(problem.operation)
                   : tutor::worksheetColumnText(problem, column);
}

QString problemAdded(tutor::Operation operation)
{
    switch (operation) {
    case tutor::Operation::Addition:
        return sentence(news::AdditionAdded);
    case tutor::Operation::Subtraction:
        return sentence(news::SubtractionAdded);
    case tutor::Operation::Multiplication:
        return sentence(news::MultiplicationAdded);
    case tutor::Operation::Division:
        return sentence(news::DivisionAdded);
    default:
        return sentence(news::UnnamedAdded);
    }
}

// Tight rows, so that twenty of them fit between the heading and the
// status line.
constexpr int RowHeight = 13;
constexpr int VisibleRows = 20;
constexpr int ListTopTwips = 600;
// The row numbers stand between the buttons and the table, wide enough for
// the five digits of the last rows of a full worksheet; the first column
// only ever holds three.
constexpr int RowMarkerLeftTwips = 5760;
constexpr int RowMarkerWidthTwips = 540;
constexpr int TableLeftTwips = 6360;
constexpr int OperatorColumnTwips = 7320;
constexpr int TableRightTwips = 10410;

struct RowMarker
{
    const char *name;
    int row; // among the rows in sight, counting from 1
};

constexpr std::array<RowMarker, 3> RowMarkers
    = { { { "Label20", 1 }, { "Label23", 10 }, { "Label33", 20 } } };

struct OperationEntry
{
    const char *name;
    tutor::Operation operation;
};

// No Division here; a Division chosen before entering still applies.
constexpr std::array<OperationEntry, 3> Operations
    = { { { QT_TRANSLATE_NOOP("WorksheetScreen", "Addition"), tutor::Operation::Addition },
        { QT_TRANSLATE_NOOP("WorksheetScreen", "Subtraction"), tutor::Operation::Subtraction },
        { QT_TRANSLATE_NOOP("WorksheetScreen", "Multiplication"),
            tutor::Operation::Multiplication } } };

// Each entry carries its operation or level as item data: the shown name is
// only for the eye.
void fillOperations(QComboBox *box)
{
    QList<std::pair<QString, QVariant>> entries;
    for (const OperationEntry &operation : Operations)
        entries.append({ sentence(operation.name), QVariant::fromValue(operation.operation) });
    controls::refill(box, entries);
}

// The entries' names in the language spoken, the pick kept.
void renameOperations(QComboBox *box)
{
    for (int i = 0; i < box->count(); ++i) {
        const auto operation = box->itemData(i).value<tutor::Operation>();
        for (const OperationEntry &entry : Operations) {
            if (entry.operation == operation)
                box->setItemText(i, sentence(entry.name));
        }
    }
}

void renameLevels(QComboBox *box)
{
    for (int i = 0; i < box->count(); ++i)
        box->setItemText(i, tutor::levelName(box->itemData(i).value<tutor::Level>()));
}

void fillLevels(QComboBox *box)
{
    QList<std::pair<QString, QVariant>> entries;
    for (tutor::Level level : tutor::AllLevels)
        entries.append({ tutor::levelName(level), QVariant::fromValue(level) });
    controls::refill(box, entries);
}

QLabel *heading(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    QLabel *label = controls::label(parent, name, text, geometry);
    label->setFont(controls::font(ComicSans, 12, true));
    label->setWordWrap(false);
    return label;
}

} // namespace

WorksheetScreen::WorksheetScreen(
    TutorSession &session, const QString &worksheetsFolder, QWidget *parent)
    : Screen(QStringLiteral("fraWorksheet"), twips(-120, -120, 10575, 4935), parent)
    , m_session(session)
    , m_worksheetsFolder(worksheetsFolder)
{
    // Settings on the left.
    heading(this, QStringLiteral("Label7"), QString(), twips(360, 180, 3240, 390));
    controls::label(this, QStringLiteral("Label8"), QString(), twips(360, 720, 1200, 255));
    m_cmbDifficulty
        = controls::comboBox(this, QStringLiteral("cmbDifficulty"), twips(360, 975, 2400, 345));
    connect(m_cmbDifficulty, &QComboBox::activated, this, &WorksheetScreen::cmbDifficulty_Click);
    controls::label(this, QStringLiteral("Label15"), QString(), twips(360, 1440, 1200, 255));
    m_cmbOperation
        = controls::comboBox(this, QStringLiteral("cmbOperation"), twips(360, 1695, 2400, 345));
    connect(m_cmbOperation, &QComboBox::activated, this, &WorksheetScreen::cmbOperation_Click);
    access::leavePicksToItsScreen(m_cmbDifficulty);
    access::leavePicksToItsScreen(m_cmbOperation);
    controls::label(this, QStringLiteral("Label37"), QString(), twips(360, 2220, 1200, 255));
    m_lblProblemNum = controls::label(
        this, QStringLiteral("lblProblemNum"), QStringLiteral("0"), twips(1680, 2175, 1080, 345));
    m_lblProblemNum->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_lblProblemNum->setAlignment(Qt::AlignCenter);

    heading(this, QStringLiteral("Label34"), QString(), twips(360, 2700, 3240, 390));
    m_chkIncludeOptional = controls::checkBox(
        this, QStringLiteral("chkIncludeOptional"), QString(), twips(360, 3120, 3240, 300));
    connect(m_chkIncludeOptional, &QCheckBox::clicked, this,
        &WorksheetScreen::chkIncludeOptional_Click);
    // The names' headings end a pixel short of their boxes.
    controls::label(this, QStringLiteral("Label35"), QString(), twips(360, 3570, 1185, 255));
    m_txtTeachersName = controls::textBox(
        this, QStringLiteral("txtTeachersName"), 0, twips(1560, 3510, 2040, 345));
    controls::label(this, QStringLiteral("Label36"), QString(), twips(360, 4020, 1185, 255));
    m_txtClassName
        = controls::textBox(this, QStringLiteral("txtClassName"), 0, twips(1560, 3960, 2040, 345));

    // The four commands in the middle.
    m_cmdCreateProblem = controls::button(
        this, QStringLiteral("cmdCreateProblem"), QString(), twips(3960, 975, 1800, 435));
    connect(
        m_cmdCreateProblem, &QPushButton::clicked, this, &WorksheetScreen::cmdCreateProblem_Click);
    m_cmdClearWorksheet = controls::button(
        this, QStringLiteral("cmdClearWorksheet"), QString(), twips(3960, 1575, 1800, 435));
    connect(m_cmdClearWorksheet, &QPushButton::clicked, this,
        &WorksheetScreen::cmdClearWorksheet_Click);
    m_myFactsPlace = twips(3960, 2175, 1800, 435);
    m_cmdMyFactsWorksheet
        = controls::button(this, QStringLiteral("cmdMyFactsWorksheet"), QString(), m_myFactsPlace);
    connect(m_cmdMyFactsWorksheet, &QPushButton::clicked, this,
        &WorksheetScreen::cmdMyFactsWorksheet_Click);
    m_cmdSaveWorksheet = controls::button(
        this, QStringLiteral("cmdSaveWorksheet"), QString(), twips(3960, 2715, 1800, 435));
    connect(
        m_cmdSaveWorksheet, &QPushButton::clicked, this, &WorksheetScreen::cmdSaveWorksheet_Click);
    m_cmdSaveAnswer = controls::button(
        this, QStringLiteral("cmdSaveAnswer"), QString(), twips(3960, 3315, 1800, 435));
    connect(m_cmdSaveAnswer, &QPushButton::clicked, this, &WorksheetScreen::cmdSaveAnswer_Click);
    m_cmdPrintWorksheet = controls::button(
        this, QStringLiteral("cmdPrintWorksheet"), QString(), twips(3960, 3915, 1800, 435));
    connect(m_cmdPrintWorksheet, &QPushButton::clicked, this,
        &WorksheetScreen::cmdPrintWorksheet_Click);

    // The worksheet on the right: four lists that read as one table.
    heading(this, QStringLiteral("Label6"), QString(),
        twips(TableLeftTwips, 180, TableRightTwips - TableLeftTwips, 390));
    worksheetList(
        QStringLiteral("lstWorksheetNum1"), TableLeftTwips, OperatorColumnTwips - TableLeftTwips);
    worksheetList(QStringLiteral("lstWorksheetOper"), OperatorColumnTwips, 750);
    worksheetList(QStringLiteral("lstWorksheetNum2"), 8070, 1080);
    worksheetList(QStringLiteral("lstWorksheetAnswer"), 9150, TableRightTwips - 9150);
    controls::scrollTogether(m_lists);
    // One scroll bar, at the table's right edge, is enough for all four.
    m_lists.last()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    for (const RowMarker &marker : RowMarkers)
        m_rowMarkers << addRowLabel(QString::fromLatin1(marker.name), marker.row);
    // However the table moves, the markers name the rows beside them.
    connect(m_lists.first()->verticalScrollBar(), &QScrollBar::valueChanged, this,
        &WorksheetScreen::numberRowMarkers);

    m_lblWorksheetMessage = controls::label(
        this, QStringLiteral("lblWorksheetMessage"), QString(), twips(360, 4590, 10050, 270));
    m_lblWorksheetMessage->setWordWrap(false);

    m_tmrWorksheet = controls::timer(this, QStringLiteral("tmrWorksheet"), 10000);
    connect(m_tmrWorksheet, &QTimer::timeout, this, &WorksheetScreen::tmrWorksheet_Timer);
    connect(&m_session, &TutorSession::worksheetProblemCountChanged, this, [this](qint16 count) {
        m_lblProblemNum->setText(tutor::plainNumberText(count));
        m_cmdPrintWorksheet->setEnabled(count > 0);
    });

    // As on entering: nothing picked yet, nothing to print, the optional
    // fields locked.
    m_cmdCreateProblem->setEnabled(false);
    m_cmdPrintWorksheet->setEnabled(false);
    m_cmdMyFactsWorksheet->setEnabled(false);
    setOptionalFieldsEditable(false);

    retranslate();
}

void WorksheetScreen::retranslate()
{
    const auto setText = [this](const char *name, const QString &text) {
        findChild<QLabel *>(QString::fromLatin1(name))->setText(text);
    };
    setText("Label7", tr("Select Worksheet Settings"));
    //: The level of the problems made.
    setText("Label8", tr("Difficulty"));
    setText("Label15", tr("Operation"));
    setText("Label37", tr("# of Problems"));
    setText("Label34", tr("Optional Information"));
    m_chkIncludeOptional->setText(tr("Include Optional Information"));
    //: The teacher's name, written on the worksheet.
    setText("Label35", tr("Teacher's name"));
    setText("Label36", tr("Class Name"));
    // Their labels stand beside them but are not tied to them.
    m_cmbDifficulty->setAccessibleName(tr("Difficulty"));
    m_cmbOperation->setAccessibleName(tr("Operation"));
    m_txtTeachersName->setAccessibleName(tr("Teacher's name"));
    m_txtClassName->setAccessibleName(tr("Class Name"));
    m_lblProblemNum->setAccessibleDescription(tr("number of problems"));
    renameLevels(m_cmbDifficulty);
    renameOperations(m_cmbOperation);

    m_cmdCreateProblem->setText(tr("Create Problem"));
    m_cmdClearWorksheet->setText(tr("Clear Worksheet"));
    //: Makes a worksheet of the pupil's own facts.
    m_cmdMyFactsWorksheet->setText(tr("Worksheet of My Facts"));
    // The column's longest caption: where the font needs it, the button grows
    // to the left, into the free space beside the settings, a pixel short of
    // the problem count; measured in the picture's pixels, in the design's.
    designscale::setDesignGeometry(m_cmdMyFactsWorksheet, m_myFactsPlace);
    const qreal factor = designscale::factorAt(m_cmdMyFactsWorksheet);
    const int overflow = std::clamp(
        qCeil(m_cmdMyFactsWorksheet->sizeHint().width() / factor) - m_myFactsPlace.width(), 0,
        m_myFactsPlace.left() - designscale::designGeometry(m_lblProblemNum).right() - 2);
    designscale::setDesignGeometry(
        m_cmdMyFactsWorksheet, m_myFactsPlace.adjusted(-overflow, 0, 0, 0));
    m_cmdSaveWorksheet->setText(tr("Save As Worksheet"));
    //: Saves the answer key.
    m_cmdSaveAnswer->setText(tr("Save As Answer Sheet"));
    m_cmdPrintWorksheet->setText(tr("Print..."));

    setText("Label6", tr("Your Current Worksheet"));
    const QString columnNames[]
        = { tr("First numbers"), tr("Signs"), tr("Second numbers"), tr("Answers") };
    for (qsizetype i = 0; i < m_lists.size(); ++i)
        m_lists.at(i)->setAccessibleName(columnNames[i]);
    // The signs are the language's own in some languages.
    m_lists.at(qsizetype(tutor::WorksheetColumn::Sign))->viewport()->update();
}

// The lists only display: they take no selection and no focus, but stay
// enabled so that they still scroll, and they always scroll together.
void WorksheetScreen::worksheetList(const QString &name, int left, int width)
{
    auto *list = new FixedRowList(RowHeight, this);
    list->setObjectName(name);
    list->setModel(new RecordColumnModel<WorksheetDraft, tutor::WorksheetColumn>(
        m_session.worksheetDraft(), tutor::WorksheetColumn(m_lists.size()), listedText, list));
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The table reads as sums, left to right in every language.
    list->setLayoutDirection(Qt::LeftToRight);
    const QRect place = twips(left, ListTopTwips, width, 0);
    designscale::setDesignGeometry(list,
        QRect(place.left(), place.top(), place.width(),
            VisibleRows * RowHeight + 2 * list->frameWidth()));
    m_lists << list;
}

// Numbers beside the first, tenth and twentieth rows in sight help count the
// rows.
QLabel *WorksheetScreen::addRowLabel(const QString &name, int row)
{
    const FixedRowList *first = m_lists.first();
    const QRect place = twips(RowMarkerLeftTwips, 0, RowMarkerWidthTwips, 0);
    QLabel *label = controls::label(this, name, QString::number(row),
        QRect(place.left(), first->y() + first->frameWidth() + (row - 1) * RowHeight, place.width(),
            RowHeight));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setWordWrap(false);
    // Numbers beside the table, which reads left to right in every language:
    // against the table, clear of the buttons.
    label->setLayoutDirection(Qt::LeftToRight);
    return label;
}

// Each marker names the row whose greater part stands beside it; the scroll
// bar counts pixels, so a dragged bar can leave a row half in sight.
void WorksheetScreen::numberRowMarkers()
{
    const int topRow = (m_lists.first()->verticalScrollBar()->value() + RowHeight / 2) / RowHeight;
    for (std::size_t marker = 0; marker < RowMarkers.size(); ++marker)
        m_rowMarkers.at(qsizetype(marker))
            ->setText(QString::number(topRow + RowMarkers.at(marker).row));
}

void WorksheetScreen::enter()
{
    // Entering keeps the box as it was, and the fields always follow it.
    setOptionalFieldsEditable(m_chkIncludeOptional->isChecked());
    m_cmdCreateProblem->setEnabled(false);
    fillOperations(m_cmbOperation);
    fillLevels(m_cmbDifficulty);
    m_cmdClearWorksheet->setFocus();
    m_session.startWorksheet();
    // Shown, not said: the screen is entered, not cleared by the teacher.
    clearWorksheet();
}

void WorksheetScreen::stopTimers()
{
    m_tmrWorksheet->stop();
}

void WorksheetScreen::cmbDifficulty_Click()
{
    endLastingStatus();
    const QVariant level = m_cmbDifficulty->currentData();
    if (!level.isValid())
        return;
    // A pick chooses for the whole program, as the menu would.
    m_session.chooseLevel(level.value<tutor::Level>());
    const bool wasReady = m_cmdCreateProblem->isEnabled();
    // "Create Problem" is offered once each list has had a pick since entering.
    if (m_session.noteWorksheetLevelPicked())
        m_cmdCreateProblem->setEnabled(true);
    tellPick(m_cmbDifficulty, sentence(news::LevelPicked), wasReady);
}

void WorksheetScreen::cmbOperation_Click()
{
    endLastingStatus();
    const QVariant operation = m_cmbOperation->currentData();
    if (!operation.isValid())
        return;
    m_session.chooseOperation(operation.value<tutor::Operation>());
    const bool wasReady = m_cmdCreateProblem->isEnabled();
    if (m_session.noteWorksheetOperationPicked())
        m_cmdCreateProblem->setEnabled(true);
    tellPick(m_cmbOperation, sentence(news::OperationPicked), wasReady);
}

// The arrow keys on a closed list pick as well, so every pick is told; the
// list keeps its name, but a screen reader says nothing of a new value.
void WorksheetScreen::tellPick(QComboBox *list, const QString &picked, bool wasReady)
{
    QString told = picked.arg(list->currentText());
    if (!wasReady && m_cmdCreateProblem->isEnabled())
        told += sentence(news::CreateReady);
    access::announce(list, told);
}

void WorksheetScreen::cmdCreateProblem_Click()
{
    endLastingStatus();
    if (!m_session.addWorksheetProblem()) {
        showStatus(fullMessage());
        access::announce(m_cmdCreateProblem, sentence(news::Full).arg(MaximumProblems));
        return;
    }
    // The newest row is the one the teacher wants to see.
    for (FixedRowList *column : std::as_const(m_lists))
        column->scrollToBottom();
    const QList<tutor::WorksheetProblem> &problems = m_session.worksheetDraft().problems();
    const tutor::WorksheetProblem &added = problems.last();
    access::announce(m_cmdCreateProblem,
        problemAdded(added.operation)
            .arg(QString::number(problems.size()),
                tutor::worksheetColumnText(added, tutor::WorksheetColumn::Number1),
                tutor::worksheetColumnText(added, tutor::WorksheetColumn::Number2)));
}

void WorksheetScreen::cmdClearWorksheet_Click()
{
    clearWorksheet();
    access::announce(m_cmdClearWorksheet, sentence(news::Cleared));
}

void WorksheetScreen::clearWorksheet()
{
    m_session.clearWorksheet();
    for (FixedRowList *column : std::as_const(m_lists))
        column->scrollToTop();
    numberRowMarkers();
    showStatus(sentence(status::Cleared));
}

void WorksheetScreen::setMyFactsAvailable(bool available)
{
    m_cmdMyFactsWorksheet->setEnabled(available);
}

void WorksheetScreen::cmdMyFactsWorksheet_Click()
{
    endLastingStatus();
    emit myFactsWorksheetRequested();
}

void WorksheetScreen::addProblems(const QList<tutor::WorksheetProblem> &problems)
{
    endLastingStatus();
    if (problems.isEmpty()) {
        showStatus(sentence(status::NoFactsYet));
        access::announce(m_cmdMyFactsWorksheet, sentence(news::NoFactsYet));
        return;
    }
    qsizetype added = 0;
    while (added < problems.size() && m_session.addWorksheetProblem(problems.at(added)))
        ++added;
    if (added == 0 && !problems.isEmpty()) {
        showStatus(fullMessage());
        access::announce(m_cmdMyFactsWorksheet, sentence(news::Full).arg(MaximumProblems));
        return;
    }
    for (FixedRowList *column : std::as_const(m_lists))
        column->scrollToBottom();
    const QString total = QString::number(m_session.worksheetDraft().problems().size());
    if (added < problems.size()) {
        const QString asked = QString::number(problems.size());
        const QString most = QString::number(MaximumProblems);
        showStatus(sentence(status::FactsAddedTillFull, int(added)).arg(asked, most));
        access::announce(
            m_cmdMyFactsWorksheet, sentence(news::FactsAddedTillFull, int(added)).arg(asked, most));
        return;
    }
    showStatus(sentence(status::FactsAdded, int(added)).arg(total));
    access::announce(m_cmdMyFactsWorksheet, sentence(news::FactsAdded, int(added)).arg(total));
}

void WorksheetScreen::chkIncludeOptional_Click()
{
    endLastingStatus();
    if (m_chkIncludeOptional->isChecked()) {
        emit optionalInformationChecked();
        setOptionalFieldsEditable(true);
        m_txtTeachersName->setFocus();
    } else {
        setOptionalFieldsEditable(false);
    }
}

// Locked fields take the light 3-D colour, so they read as greyed out. The
// style's greyed text can be too pale on it, and a teacher must still read
// what will be written into the worksheet.
void WorksheetScreen::setOptionalFieldsEditable(bool editable)
{
    const QPalette &screen = palette();
    const QColor background = screen.color(editable ? QPalette::Base : QPalette::Midlight);
    const QColor lockedText
        = tutor::readableGreyedText(screen.color(QPalette::Disabled, QPalette::Text),
            screen.color(QPalette::Active, QPalette::Text), screen.color(QPalette::Midlight));
    for (QLineEdit *field : { m_txtTeachersName, m_txtClassName }) {
        field->setEnabled(editable);
        controls::setBackground(field, background);
        QPalette colours = field->palette();
        colours.setColor(QPalette::Disabled, QPalette::Text, lockedText);
        field->setPalette(colours);
    }
}

void WorksheetScreen::tmrWorksheet_Timer()
{
    m_statusLastsUntilNextAction = false;
    m_lblWorksheetMessage->clear();
    m_lblWorksheetMessage->setToolTip(QString());
    m_tmrWorksheet->stop();
}

void WorksheetScreen::cmdSaveWorksheet_Click()
{
    // The fields are written whether or not the box is checked now.
    save(SavedFile::Worksheet,
        tutor::worksheetBytes(m_txtTeachersName->text(), m_txtClassName->text(),
            m_session.worksheetDraft().problems()));
}

void WorksheetScreen::cmdSaveAnswer_Click()
{
    save(SavedFile::AnswerSheet, tutor::answerSheetBytes(m_session.worksheetDraft().problems()));
}

// Last week's worksheet is not lost to this week's: a different file the save
// would replace is kept in "earlier" first, and the newest of those stay.
void WorksheetScreen::save(SavedFile saved, const QByteArray &bytes)
{
    const bool worksheet = saved == SavedFile::Worksheet;
    const QString path = m_worksheetsFolder + QLatin1Char('/')
        + (worksheet ? tutor::worksheetFileName() : tutor::answerSheetFileName());
    const QString folder = QDir::toNativeSeparators(m_worksheetsFolder);
    const SaveResult result = saveKeepingEarlierCopy(path, bytes);
    QPushButton *button = worksheet ? m_cmdSaveWorksheet : m_cmdSaveAnswer;
    if (result.ok) {
        showStatus(tutor::worksheetSavedMessage(result.path), folder);
        access::announce(button,
            sentence(worksheet ? news::WorksheetSaved : news::AnswerSheetSaved).arg(result.path));
        return;
    }
    // A failure must not slip by while the teacher looks away: it stays
    // until the next thing the teacher does here.
    showStatus(tutor::worksheetSaveFailedMessage(result.path, result.error), folder,
        StatusLasts::UntilNextAction);
    access::announce(button,
        sentence(worksheet ? news::WorksheetNotSaved : news::AnswerSheetNotSaved)
            .arg(result.path, result.error));
}

// `folder`, where the message names it, may be shortened to fit the line;
// the tool tip always holds the whole message.
void WorksheetScreen::showStatus(const QString &text, const QString &folder, StatusLasts lasts)
{
    const QFontMetrics metrics = m_lblWorksheetMessage->fontMetrics();
    const int width = m_lblWorksheetMessage->contentsRect().width();
    m_lblWorksheetMessage->setText(
        tutor::fittedMessage(text, folder, [&metrics, width](const QString &line) {
            return metrics.horizontalAdvance(line) <= width;
        }));
    // A tool tip that looks like markup would be shown as markup.
    m_lblWorksheetMessage->setToolTip(
        Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text) : text);
    m_statusLastsUntilNextAction = lasts == StatusLasts::UntilNextAction;
    // Every other message gets its full ten seconds.
    if (m_statusLastsUntilNextAction)
        m_tmrWorksheet->stop();
    else
        m_tmrWorksheet->start();
}

void WorksheetScreen::endLastingStatus()
{
    if (m_statusLastsUntilNextAction)
        tmrWorksheet_Timer();
}
