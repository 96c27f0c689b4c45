// A long random walk through everything a user can do, checking after every
// step what a user would notice going wrong. SOAK_STEPS sets its length and
// SOAK_SEED replays a walk that failed; the seed is printed at the start.

#include "progress/my_facts.h"
#include "rules/answered_problem.h"
#include "rules/fact_schedule.h"
#include "rules/level_range.h"
#include "rules/practice_problem.h"
#include "tests/test_support.h"
#include "worksheet/worksheet_writer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStyleHints>
#include <QTimer>
#include <QtTest>

#include <deque>
#include <malloc.h>
#include <optional>
#include <random>

using namespace Qt::StringLiterals;
using testsupport::named;

namespace {

// Resident memory of this process, in bytes, after handing freed pages
// back: what the program holds itself (anonymous) apart from the pages of
// fonts and libraries it has read (file), which the system shares and may
// drop at any time, and which grow as new letters are first drawn.
struct Resident
{
    qint64 own = -1;
    qint64 files = -1;
};

Resident residentMemory()
{
    malloc_trim(0);
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return {};
    Resident result;
    for (const QByteArray &line : status.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 2)
            continue;
        if (fields.first() == "RssAnon:")
            result.own = fields.at(1).toLongLong() * 1024;
        else if (fields.first() == "RssFile:")
            result.files = fields.at(1).toLongLong() * 1024;
    }
    return result;
}

quint64 seedFromEnvironment()
{
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("SOAK_SEED").toULongLong(&ok);
    return ok ? seed : std::random_device {}() * 65536ULL + std::random_device {}();
}

int stepsFromEnvironment()
{
    bool ok = false;
    const int steps = qEnvironmentVariableIntValue("SOAK_STEPS", &ok);
    return ok && steps > 0 ? steps : 20000;
}

// The program's own timers tick only when the walk says so, never by the
// clock: a walk then replays the same from its seed, however fast it runs.
class ClockStopper : public QObject
{
public:
    explicit ClockStopper(QWidget *window)
        : m_window(window)
    {
        qApp->installEventFilter(this);
    }
    ~ClockStopper() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        return event->type() == QEvent::Timer && qobject_cast<QTimer *>(watched)
            && m_window->isAncestorOf(qobject_cast<QWidget *>(watched->parent()));
    }

private:
    QWidget *m_window;
};

// The level each kind of problem was drawn at, once drawn: a level chosen
// later does not redraw every problem at once.
struct DrawLevels
{
    std::optional<qint16> practice;
    bool practiceFromMyFacts = false; // a fact of the pupil's instead
    std::optional<qint16> missingNumber;
    std::optional<qint16> missingOperation;
    std::optional<qint16> timeTrial;
};

const QStringList ReportNames = { u"Sam"_s, u""_s, u"../../outside"_s, u"a/b"_s, u".."_s, u"."_s,
    u"con"_s, u"x:y*z?"_s, u"<b>bold</b> & \"quotes\""_s, u"Zoë Ørsted"_s, u"名前"_s, u"😀"_s,
    u"   "_s, QString(120, u'n'), u"name\r\nwith a break"_s, u"trailing. "_s };

const QStringList Pieces = { u"0"_s, u"7"_s, u"12"_s, u"-3"_s, u"4.5"_s, u"1e3"_s, u"&H1F"_s,
    u"&O17"_s, u"x"_s, u" "_s, u"+"_s, u"."_s, u"99999999999"_s, u"١٢"_s, u"é"_s, u"\t"_s,
    u"\u202E"_s, u"\u00A0"_s, u"😀"_s, u"\r\n"_s, u"abc"_s, u"-"_s, u"E"_s, u"32768"_s };

class Walk
{
public:
    Walk(MainWindow &window, const QString &folder, quint64 seed)
        : m_window(window)
        , m_folder(folder)
        , m_random(seed)
    {
        TutorSession &session = window.session();
        auto level = [this]() { return m_window.state().LevelCode; };
        const auto *facts = window.findChild<progress::MyFacts *>();
        QObject::connect(&session, &TutorSession::practiceProblemChanged,
            [this, level, facts](float first, float second) {
                m_levels.practice = level();
                const std::optional<tutor::Fact> asked = facts->askedFact();
                m_levels.practiceFromMyFacts
                    = asked && asked->first == first && asked->second == second;
            });
        QObject::connect(&session, &TutorSession::missingNumberProblemChanged,
            [this, level]() { m_levels.missingNumber = level(); });
        QObject::connect(&session, &TutorSession::missingOperationProblemChanged,
            [this, level]() { m_levels.missingOperation = level(); });
        QObject::connect(&session, &TutorSession::timeTrialProblemChanged,
            [this, level]() { m_levels.timeTrial = level(); });
    }

    // One user action, chosen at random among what the window offers now.
    void step()
    {
        // Some steps follow the one before faster than a double click, so
        // some clicks on the guarded buttons count and some do not.
        testsupport::letTimePass(pick(QGuiApplication::styleHints()->mouseDoubleClickInterval()));
        // Menus are used least, so the walk stays a while on each screen.
        const int kind = pick(100);
        if (kind < 10)
            triggerMenuItem();
        else if (kind < 40)
            clickButton();
        else if (kind < 52)
            pickInComboBox();
        else if (kind < 92)
            typeIntoBox();
        else
            tickTimer();
    }

    // What a user would notice broken now; empty when every promise holds.
    QString brokenPromise() const;

    QString recentActions() const
    {
        return QStringList(m_recent.begin(), m_recent.end()).join(u"\n  ");
    }
    int reportsChecked() const { return m_reportsChecked; }
    int sheetsChecked() const { return m_sheetsChecked; }
    int pdfsChecked() const { return m_pdfsChecked; }

    // Empties the log, the scores and the worksheet as a user can, so two
    // measurements of memory hold the same data.
    void emptyEverything()
    {
        for (const char *handler : { "cmdClearReport_Click", "mnuFileResetScore_Click",
                 "mnuOptionsWorksheet_Click", "mnuFileWork_Click", "mnuOptHideReport_Click" })
            testsupport::invokeHandler(&m_window, handler);
        note(u"empty everything"_s);
    }

private:
    int pick(int count) { return int(m_random() % quint64(count)); }
    bool chance(int percent) { return pick(100) < percent; }

    void note(const QString &action)
    {
        m_recent.push_back(action);
        if (m_recent.size() > 25)
            m_recent.pop_front();
    }

    void fail(const QString &what)
    {
        if (m_failure.isEmpty())
            m_failure = what;
    }

    template<typename T> QList<T *> offered() const
    {
        QList<T *> result;
        for (T *widget : m_window.findChildren<T *>()) {
            if (widget->isVisible() && widget->isEnabled())
                result << widget;
        }
        return result;
    }

    void triggerMenuItem();
    void clickButton();
    void pickInComboBox();
    void typeIntoBox();
    void tickTimer();
    QString randomText();
    QString rightAnswerFor(const QLineEdit *box) const;
    void printWorksheet();
    void checkReport(const QUrl &url, int rows, int right);
    void checkSheet(const QString &fileName, int rows);

    MainWindow &m_window;
    QString m_folder;
    std::mt19937_64 m_random;
    DrawLevels m_levels;
    std::deque<QString> m_recent;
    testsupport::UrlCapture m_urls;
    QString m_failure;
    int m_reportsChecked = 0;
    int m_sheetsChecked = 0;
    int m_pdfsChecked = 0;
    int m_pdfNumber = 0;
};

void collectItems(QMenu *menu, QList<QAction *> &items)
{
    if (!menu->isEnabled())
        return;
    for (QAction *item : menu->actions()) {
        if (item->isSeparator() || !item->isVisible() || !item->isEnabled())
            continue;
        if (item->menu())
            collectItems(item->menu(), items);
        else
            items << item;
    }
}

void Walk::triggerMenuItem()
{
    QList<QAction *> items;
    for (QAction *top : m_window.menuBar()->actions()) {
        if (top->menu() && top->isVisible() && top->isEnabled())
            collectItems(top->menu(), items);
    }
    if (items.isEmpty())
        return;
    QAction *item = items.at(pick(int(items.size())));
    note(u"menu "_s + item->objectName());
    item->trigger();
    if (item->objectName() == u"mnuFileExit") {
        // Quitting closes the window with nothing left ticking; the walk
        // then goes on in the same window, as a fresh start would.
        if (m_window.isVisible())
            fail(u"Exit left the window open"_s);
        for (const QTimer *timer : m_window.findChildren<QTimer *>()) {
            if (timer->isActive())
                fail(u"Exit left the timer "_s + timer->objectName() + u" running"_s);
        }
        m_window.show();
    }
}

void Walk::clickButton()
{
    const QList<QAbstractButton *> buttons = offered<QAbstractButton>();
    if (buttons.isEmpty())
        return;
    QAbstractButton *button = buttons.at(pick(int(buttons.size())));
    note(u"click "_s + button->objectName());
    const QString name = button->objectName();
    if (name == u"cmdPrintWorksheet") {
        printWorksheet();
        return;
    }
    if (name == u"cmdPrintReport") {
        // The log as it stands when the report is written.
        const int rows = testsupport::logRowCount(m_window);
        const int right = int(
            testsupport::listTexts(named<QListView>(&m_window, u"lstLogRW"_s))
                .count(tutor::verdictText(tutor::Verdict::Right)));
        const qsizetype launches = m_urls.urls.size();
        button->click();
        if (m_urls.urls.size() > launches)
            checkReport(m_urls.urls.last(), rows, right);
        return;
    }
    const int sheetRows
        = testsupport::listRowCount(named<QListView>(&m_window, u"lstWorksheetNum1"_s));
    button->click();
    if (name == u"cmdSaveWorksheet")
        checkSheet(u"OrviWorksheet.txt"_s, sheetRows);
    if (name == u"cmdSaveAnswer")
        checkSheet(u"OrviAnswersheet.txt"_s, sheetRows);
}

// Prints from the preview to a PDF file, which must be whole.
void Walk::printWorksheet()
{
    const QString path = m_folder + u"/pdf/sheet "_s + QString::number(++m_pdfNumber) + u".pdf"_s;
    QDir().mkpath(QFileInfo(path).path());
    if (!testsupport::printToPdf(m_window, path, chance(50))) {
        fail(u"Print... opened no preview"_s);
        return;
    }
    const QByteArray pdf = testsupport::fileBytes(path);
    if (!pdf.startsWith("%PDF-") || !pdf.trimmed().endsWith("%%EOF"))
        fail(u"the worksheet PDF is not whole: "_s + path);
    ++m_pdfsChecked;
    QFile::remove(path);
}

void Walk::checkReport(const QUrl &url, int rows, int right)
{
    const QByteArray bytes = testsupport::fileBytes(url.toLocalFile());
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    const int expected = 17 + qMin(rows, 100);
    if (lines.size() != expected) {
        fail(u"a report of %1 answers has %2 lines, not %3"_s.arg(rows)
                 .arg(lines.size())
                 .arg(expected));
        return;
    }
    // The figures of the summary, under its headings: problems, right, wrong.
    // The walk may have chosen any language.
    const QByteArray problemsHeading
        = QCoreApplication::translate("ReportWriter", "# Problems").toUtf8();
    const auto headings = std::find_if(lines.cbegin(), lines.cend(),
        [&problemsHeading](const QByteArray &line) { return line.contains(problemsHeading); });
    const QString summary = headings != lines.cend() && headings + 1 != lines.cend()
        ? QString::fromUtf8(*(headings + 1))
        : QString();
    static const QRegularExpression figure(u"&nbsp;(\\d+)&nbsp;"_s);
    QList<int> figures;
    for (const auto &match : figure.globalMatch(summary))
        figures << match.captured(1).toInt();
    if (figures.size() < 3 || figures.at(0) != rows || figures.at(1) != right
        || figures.at(2) != rows - right)
        fail(u"the report's summary does not match its log of %1 answers, %2 right: "_s.arg(rows)
                 .arg(right)
            + summary);
    ++m_reportsChecked;
    QFile::remove(url.toLocalFile());
}

void Walk::checkSheet(const QString &fileName, int rows)
{
    const auto *message = testsupport::named<QLabel>(&m_window, u"lblWorksheetMessage"_s);
    const QString path = m_folder + u"/worksheets/"_s + fileName;
    // In whatever language the walk chose last; the tool tip holds it whole.
    if (message->toolTip() != tutor::worksheetSavedMessage(QDir::toNativeSeparators(path))) {
        fail(u"saving "_s + fileName + u" said: "_s + message->text());
        return;
    }
    static const QRegularExpression problemLine(
        u"^\\d+\\)  "_s, QRegularExpression::MultilineOption);
    const int written = int(QString::fromUtf8(testsupport::fileBytes(path)).count(problemLine));
    if (written != rows)
        fail(u"%1 holds %2 problems, the worksheet %3"_s.arg(fileName).arg(written).arg(rows));
    ++m_sheetsChecked;
}

void Walk::pickInComboBox()
{
    const QList<QComboBox *> boxes = offered<QComboBox>();
    if (boxes.isEmpty())
        return;
    QComboBox *box = boxes.at(pick(int(boxes.size())));
    if (box->count() == 0)
        return;
    const QString entry = box->itemText(pick(box->count()));
    note(u"pick "_s + box->objectName() + u": "_s + entry);
    testsupport::pickEntry(&m_window, box->objectName().toUtf8().constData(), entry);
}

QString Walk::rightAnswerFor(const QLineEdit *box) const
{
    const TutorState &state = m_window.state();
    const QString name = box->objectName();
    if (name == u"txtAnswer") {
        const auto answer = tutor::expectedAnswer(
            state.Operand1, state.Operand2, tutor::Operation(state.OperationCode));
        return answer ? QString::number(*answer) : QString();
    }
    if (name == u"txtAnswerGame1")
        return QString::number(state.MissingNumberAnswer);
    if (name == u"txtAnswerGame3") {
        const int sum = state.OperationCode == 1 ? state.TimeTrialFirst + state.TimeTrialSecond
                                                 : state.TimeTrialFirst - state.TimeTrialSecond;
        return QString::number(sum);
    }
    return QString();
}

QString Walk::randomText()
{
    QString text;
    const int pieces = 1 + pick(chance(5) ? 60 : 3);
    for (int i = 0; i < pieces; ++i)
        text += Pieces.at(pick(int(Pieces.size())));
    return text;
}

// Types into the focused box, or into one the user clicks first, and hands
// it in with Enter.
void Walk::typeIntoBox()
{
    auto *box = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    if (!box || !box->isVisible() || !box->isEnabled() || !m_window.isAncestorOf(box)
        || chance(20)) {
        const QList<QLineEdit *> boxes = offered<QLineEdit>();
        if (boxes.isEmpty())
            return;
        box = boxes.at(pick(int(boxes.size())));
        box->setFocus(Qt::MouseFocusReason);
    }
    QString text;
    if (box->objectName() == u"txtNameReport" && chance(60))
        text = ReportNames.at(pick(int(ReportNames.size())));
    else if (chance(35))
        text = rightAnswerFor(box);
    if (text.isEmpty())
        text = randomText();

    const bool paste = chance(30) || text.size() > 40;
    note(u"%1 \"%2\" into %3"_s.arg(
        paste ? u"paste"_s : u"type"_s, text.left(60), box->objectName()));
    if (chance(20))
        box->selectAll();
    bool plain = true;
    for (const QChar c : text)
        plain = plain && c.unicode() >= 0x20 && c.unicode() < 0x7f;
    if (paste || !plain)
        box->insert(text);
    else
        QTest::keyClicks(box, text);
    if (chance(15))
        return;
    QTest::keyClick(box, Qt::Key_Return);
    // A box emptied after every answer must not keep every answer for undo.
    if (box->text().isEmpty() && box->isUndoAvailable())
        fail(box->objectName() + u" keeps an undo history once emptied"_s);
}

void Walk::tickTimer()
{
    QList<QTimer *> running;
    for (QTimer *timer : m_window.findChildren<QTimer *>()) {
        if (timer->isActive() && !timer->objectName().isEmpty())
            running << timer;
    }
    if (running.isEmpty())
        return;
    QTimer *timer = running.at(pick(int(running.size())));
    const QByteArray handler = timer->objectName().toUtf8() + "_Timer";
    note(u"tick "_s + timer->objectName());
    QMetaObject::invokeMethod(timer->parent(), handler.constData());
}

// Whether both numbers of a problem come from the range of the level it was
// drawn at; a problem not drawn yet has nothing to show.
bool inRange(double first, double second, std::optional<qint16> levelCode)
{
    if (!levelCode)
        return true;
    const tutor::LevelRange range = tutor::levelRange(tutor::Level(*levelCode));
    return first >= range.lowest && first <= range.highest() && second >= range.lowest
        && second <= range.highest();
}

QString Walk::brokenPromise() const
{
    if (!m_failure.isEmpty())
        return m_failure;

    // One screen in front.
    int screens = 0;
    for (const char *name :
        { "fraMain", "fraGame1", "fraGame2", "fraGame3", "fraWorksheet", "fraHelp", "fraProgress",
            "fraClass", "fraAbout" })
        screens += testsupport::isShown(m_window, name) ? 1 : 0;
    if (screens != 1)
        return u"%1 screens are shown at once"_s.arg(screens);

    // At most one verdict shown on each screen.
    for (const auto &[correct, incorrect] : { std::pair { "fraCorrect", "fraIncorrect" },
             std::pair { "fraCorrectGame1", "fraIncorrectGame1" },
             std::pair { "fraCorrectGame2", "fraIncorrectGame2" } }) {
        if (testsupport::isShown(m_window, correct) && testsupport::isShown(m_window, incorrect))
            return QString::fromLatin1(correct) + u" and its opposite are both shown"_s;
    }

    // Every score as counted, never negative, never past 32 767.
    const TutorState &state = m_window.state();
    const std::pair<const char *, qint16> scores[]
        = { { "lblCorrect", state.CorrectCount }, { "lblIncorrect", state.IncorrectCount },
              { "lblCorrectGame1", state.MissingNumberCorrectCount },
              { "lblIncorrectGame1", state.MissingNumberIncorrectCount },
              { "lblCorrectGame2", state.MissingOperationCorrectCount },
              { "lblIncorrectGame2", state.MissingOperationIncorrectCount },
              { "lblCorrectGame3", state.TimeTrialScore } };
    for (const auto &[label, count] : scores) {
        const QString shown = testsupport::labelText(m_window, label);
        if (count < 0 || shown.trimmed() != QString::number(count))
            return u"%1 shows \"%2\" for a count of %3"_s.arg(QString::fromLatin1(label), shown)
                .arg(count);
    }

    // The columns of the log and of the worksheet stay in step.
    for (const auto &columns : { QStringList { u"lstLogNum1"_s, u"lstLogOper"_s, u"lstLogNum2"_s,
                                     u"lstLogYourAn"_s, u"lstLogCorrAn"_s, u"lstLogRW"_s },
             QStringList { u"lstWorksheetNum1"_s, u"lstWorksheetOper"_s, u"lstWorksheetNum2"_s,
                 u"lstWorksheetAnswer"_s } }) {
        const int rows = testsupport::listRowCount(named<QListView>(&m_window, columns.first()));
        for (const QString &column : columns) {
            if (testsupport::listRowCount(named<QListView>(&m_window, column)) != rows)
                return column + u" is out of step with "_s + columns.first();
        }
    }

    // Every problem within the range of the level it was drawn at.
    const std::pair<const char *, bool> problems[] = {
        { "practice",
            m_levels.practiceFromMyFacts
                ? tutor::familyOf(
                    tutor::Operation(state.OperationCode), state.Operand1, state.Operand2)
                      .has_value()
                : inRange(state.Operand1, state.Operand2, m_levels.practice) },
        { "missing number",
            inRange(state.MissingNumberTop, state.MissingNumberBottom, m_levels.missingNumber) },
        { "missing operation",
            inRange(state.MissingOperationFirst, state.MissingOperationSecond,
                m_levels.missingOperation) },
        { "time trial", inRange(state.TimeTrialFirst, state.TimeTrialSecond, m_levels.timeTrial) },
    };
    for (const auto &[kind, fits] : problems) {
        if (!fits)
            return u"the %1 problem lies outside its level's range"_s.arg(
                QString::fromLatin1(kind));
    }
    if (testsupport::isShown(m_window, "fraMain")
        && (testsupport::labelText(m_window, "lblNum1").toDouble() != state.Operand1
            || testsupport::labelText(m_window, "lblNum2").toDouble() != state.Operand2))
        return u"the practice sum shown is not the one to answer"_s;
    return QString();
}

} // namespace

class SoakTest : public QObject
{
    Q_OBJECT

private slots:
    void randomUseKeepsEveryPromise();
};

void SoakTest::randomUseKeepsEveryPromise()
{
    const quint64 seed = seedFromEnvironment();
    const int steps = stepsFromEnvironment();
    qInfo("soak: %d steps, seed %llu (replay with SOAK_SEED=%llu)", steps, seed, seed);
    tutor::useFixedSeed(seed);

    testsupport::MessageBoxCloser boxes;
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    ClockStopper clocks(&window);
    Walk walk(window, fixture.folder(), seed);

    // Memory is measured with the same (empty) data after the first tenth of
    // a long walk, or 10 000 steps, and at its end.
    const int settled = qMin(10000, steps / 2);
    Resident settledMemory;
    for (int step = 1; step <= steps; ++step) {
        walk.step();
        // What the event loop does between two things a user does: posted
        // events and deletions are dealt with (the window's timers stay still).
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        const QString broken = walk.brokenPromise();
        QVERIFY2(broken.isEmpty(),
            qPrintable(u"step %1 of seed %2: %3\nlast actions:\n  %4"_s.arg(step).arg(seed).arg(
                broken, walk.recentActions())));
        if (step == settled) {
            walk.emptyEverything();
            settledMemory = residentMemory();
        }
    }
    walk.emptyEverything();
    const Resident finalMemory = residentMemory();
    qInfo("soak: %d reports, %d text files and %d PDF files checked; resident memory after %d "
          "steps %lld KiB own + %lld KiB files, at the end %lld KiB own + %lld KiB files",
        walk.reportsChecked(), walk.sheetsChecked(), walk.pdfsChecked(), settled,
        settledMemory.own / 1024, settledMemory.files / 1024, finalMemory.own / 1024,
        finalMemory.files / 1024);
    QVERIFY(walk.reportsChecked() > 0);
    QVERIFY(walk.sheetsChecked() > 0);
#if defined(TUTOR_SANITIZED)
    QSKIP("AddressSanitizer holds freed memory back, so resident memory says nothing here");
#endif
    // Font and glyph caches (each new PDF or print size fills its own) settle
    // at about 1.2 MiB over any walk length; a leak of 200 bytes a step shows.
    QVERIFY2(finalMemory.own - settledMemory.own < 2 * 1024 * 1024,
        qPrintable(u"memory grew by %1 KiB from step %2 to step %3"_s
                       .arg((finalMemory.own - settledMemory.own) / 1024)
                       .arg(settled)
                       .arg(steps)));
}

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
