#include "tests/test_support.h"

#include "base/click_guard.h"
#include "base/file_saver.h"
#include "base/screen.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QInputDialog>
#include <QMessageBox>
#include <QMetaMethod>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStyleHints>
#include <QThread>
#include <QTimer>
#include <QScreen>
#include <QWindow>
#include <QMainWindow>
#include <QtTest>

// The session's one door for tests, named in TutorSession as its friend.
struct TutorSessionTestAccess
{
    static void restore(TutorSession &session, const TutorState &state)
    {
        const TutorState before = session.m_state;
        session.m_state = state;
        emit session.levelChanged(tutor::Level(state.LevelCode));
        emit session.operationChanged(tutor::Operation(state.OperationCode));
        emit session.practiceScoreChanged(state.CorrectCount, state.IncorrectCount);
        emit session.missingNumberScoreChanged(
            state.MissingNumberCorrectCount, state.MissingNumberIncorrectCount);
        emit session.missingOperationScoreChanged(
            state.MissingOperationCorrectCount, state.MissingOperationIncorrectCount);
        emit session.timeTrialScoreChanged(state.TimeTrialScore);
        emit session.practiceProblemChanged(state.Operand1, state.Operand2);
        emit session.missingNumberProblemChanged(state.MissingNumberTop, state.MissingNumberBottom);
        emit session.missingOperationProblemChanged(state.MissingOperationFirst,
            state.MissingOperationSecond, state.MissingOperationResult);
        emit session.timeTrialProblemChanged(state.TimeTrialFirst, state.TimeTrialSecond);
        emit session.worksheetProblemCountChanged(state.WorksheetProblemCount);
        // The idle Time Trial shows no clock: it is told only a new limit.
        if (state.TimeLimitSeconds != before.TimeLimitSeconds)
            emit session.timeTrialClockChanged(state.TimeLimitSeconds);
        if (state.WorksheetLevelChosen != before.WorksheetLevelChosen
            || state.WorksheetOperationChosen != before.WorksheetOperationChosen)
            emit session.worksheetPicksChanged(
                !state.WorksheetLevelChosen.isEmpty(), !state.WorksheetOperationChosen.isEmpty());
    }

    // Row i (from 1) asks i + 2 at Expert: the same rows every time.
    static void addWorksheetProblems(TutorSession &session, int rows)
    {
        QList<tutor::WorksheetProblem> problems;
        tutor::WorksheetProblem problem;
        problem.level = tutor::Level::Expert;
        problem.operation = tutor::Operation::Addition;
        problem.operand2 = 2;
        for (int row = session.m_worksheet.size() + 1, last = session.m_worksheet.size() + rows;
             row <= last; ++row) {
            problem.operand1 = float(row);
            problem.answer = qint16(row + 2);
            problems.append(problem);
        }
        session.m_worksheet.append(problems);
        session.m_state.WorksheetProblemCount = qint16(session.m_worksheet.size());
        emit session.worksheetProblemCountChanged(session.m_state.WorksheetProblemCount);
    }
};

namespace testsupport {

namespace {

bool hasSlot(const QObject *object, const char *handler)
{
    const QByteArray signature = QByteArray(handler) + "()";
    const int index = object->metaObject()->indexOfMethod(signature.constData());
    return index >= 0 && object->metaObject()->method(index).methodType() == QMetaMethod::Slot;
}

const QStringList UrlSchemes = { QStringLiteral("file"), QStringLiteral("http"),
    QStringLiteral("https"), QStringLiteral("mailto") };

} // namespace

QObject *handlerOwner(QObject *window, const char *handler)
{
    QObject *owner = nullptr;
    QList<QObject *> candidates = window->findChildren<QObject *>();
    candidates.prepend(window);
    for (QObject *candidate : candidates) {
        if (!hasSlot(candidate, handler))
            continue;
        if (owner)
            return nullptr;
        owner = candidate;
    }
    return owner;
}

bool invokeHandler(QObject *window, const char *handler)
{
    QObject *owner = handlerOwner(window, handler);
    return owner && QMetaObject::invokeMethod(owner, handler, Qt::DirectConnection);
}

QScreen *screenNamed(const QString &name)
{
    for (QScreen *each : QGuiApplication::screens()) {
        if (!name.isEmpty() && each->name() == name)
            return each;
    }
    return nullptr;
}

bool showOnScreenAt(QMainWindow &window, QScreen *screen, const QByteArray &size, QString *why)
{
    window.windowHandle()->setScreen(screen);
    window.move(screen->availableGeometry().topLeft());
    if (size == "maximise")
        window.showMaximized();
    else if (!invokeHandler(&window, size.constData()))
        *why = QStringLiteral("no handler ") + QLatin1String(size);
    QCoreApplication::processEvents();
    if (why->isEmpty() && window.centralWidget()->width() <= 694)
        *why = QStringLiteral("no larger than the design size");
    if (why->isEmpty() && !screen->availableGeometry().contains(window.frameGeometry()))
        *why = QStringLiteral("not on the screen's free room");
    return why->isEmpty();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList everythingUnder(const QString &folder)
{
    QStringList found;
    // System shows links that lead nowhere too.
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(folder).relativeFilePath(it.next());
    found.sort();
    return found;
}

void copyShippedFiles(const QString &folder)
{
    const QDir source(QStringLiteral(TUTOR_SHIPPED_FILES_DIR));
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = source.relativeFilePath(path);
        if (relative.startsWith(QLatin1String("pictures"))
            || relative.endsWith(QLatin1String(".qrc")))
            continue;
        const QString target = folder + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(path, target);
    }
}

QWidget *frameSeenOver(MainWindow &window, const QWidget *area)
{
    QWidget *const client = window.centralWidget();
    QWidget *seen = client->childAt(area->mapTo(client, area->rect().center()));
    while (seen && !window.screenHost().screens().contains(qobject_cast<Screen *>(seen)))
        seen = seen->parentWidget();
    return seen;
}

QString labelText(QObject &window, const char *label)
{
    return named<QLabel>(&window, QString::fromLatin1(label))->text();
}

bool isShown(QObject &window, const char *name)
{
    return !named<QWidget>(&window, QString::fromLatin1(name))->isHidden();
}

void setPracticeProblem(MainWindow &window, float first, float second, qint16 operationCode)
{
    changeState(window, [=](TutorState &state) {
        state.Operand1 = first;
        state.Operand2 = second;
        state.OperationCode = operationCode;
    });
}

void changeState(MainWindow &window, const std::function<void(TutorState &)> &change)
{
    TutorState state = window.state();
    change(state);
    restoreSession(window.session(), state);
}

void restoreSession(TutorSession &session, const TutorState &state)
{
    TutorSessionTestAccess::restore(session, state);
}

bool pickEntry(QObject *window, const char *comboName, const QString &entry)
{
    auto *combo = named<QComboBox>(window, QString::fromLatin1(comboName));
    const int index = combo ? combo->findText(entry) : -1;
    if (index < 0)
        return false;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    return true;
}

void answerPractice(MainWindow &window, const QString &typed)
{
    auto *box = named<QLineEdit>(&window, QStringLiteral("txtAnswer"));
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Return);
}

QStringList logRow(MainWindow &window, int row)
{
    QStringList entries;
    for (const char *column :
        { "lstLogNum1", "lstLogOper", "lstLogNum2", "lstLogYourAn", "lstLogCorrAn", "lstLogRW" })
        entries << listText(named<QAbstractItemView>(&window, QString::fromLatin1(column)), row);
    return entries;
}

int logRowCount(MainWindow &window)
{
    return listRowCount(named<QAbstractItemView>(&window, QStringLiteral("lstLogNum1")));
}

namespace {

QModelIndex listIndex(const QAbstractItemView *list, int row)
{
    const auto *view = qobject_cast<const QListView *>(list);
    return list->model()->index(row, view ? view->modelColumn() : 0, list->rootIndex());
}

} // namespace

int listRowCount(const QAbstractItemView *list)
{
    return list->model()->rowCount(list->rootIndex());
}

QString listText(const QAbstractItemView *list, int row)
{
    const QModelIndex index = listIndex(list, row);
    return index.isValid() ? index.data(Qt::DisplayRole).toString() : QStringLiteral("<missing>");
}

QStringList listTexts(const QAbstractItemView *list)
{
    QStringList texts;
    for (int row = 0; row < listRowCount(list); ++row)
        texts << listText(list, row);
    return texts;
}

bool isRowSelected(const QAbstractItemView *list, int row)
{
    return list->selectionModel()->isSelected(listIndex(list, row));
}

QRect rowRect(const QAbstractItemView *list, int row)
{
    return list->visualRect(listIndex(list, row));
}

int currentRow(const QAbstractItemView *list)
{
    const QModelIndex current = list->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void fillLog(MainWindow &window, int rows)
{
    SessionLog &log = window.session().log();
    QList<tutor::AnsweredProblem> answers;
    tutor::AnsweredProblem answer;
    for (int row = log.size() + 1, last = log.size() + rows; row <= last; ++row) {
        answer.operand1 = float(row);
        answer.operand2 = 2;
        answer.operation = tutor::Operation::Multiplication;
        answer.expected = qint16(row * 2);
        answer.typed = QString::number(row * 2);
        answer.verdict = tutor::Verdict::Right;
        answers.append(answer);
    }
    log.append(answers);
}

void fillWorksheet(MainWindow &window, int rows)
{
    TutorSessionTestAccess::addWorksheetProblems(window.session(), rows);
}

namespace {

// The click guards' clock while a fixture lives; it only moves forward.
qint64 clickClock = 0;
int fixturesAlive = 0;

} // namespace

void letTimePass(qint64 milliseconds)
{
    clickClock += milliseconds;
}

void pauseBeforeNextClick()
{
    letTimePass(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

void clickAfterAPause(QWidget *widget, QPoint place)
{
    pauseBeforeNextClick();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, place);
}

void useTemporarySettings()
{
    static QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
}

TutorFixture::TutorFixture()
    : TutorFixture([](const QString &) {})
{ }

TutorFixture::TutorFixture(const std::function<void(const QString &folder)> &prepare)
{
    if (fixturesAlive++ == 0)
        ClickGuard::setClock([]() { return clickClock; });
    useTemporarySettings();
    copyShippedFiles(m_folder.path());
    prepare(m_folder.path());
    m_window = std::make_unique<MainWindow>(m_folder.path());
    m_window->show();
}

TutorFixture::~TutorFixture()
{
    m_window.reset();
    if (--fixturesAlive == 0)
        ClickGuard::setClock({});
}

QStringList pdfWords(const QString &path)
{
    QProcess reader;
    reader.start(
        QStringLiteral("pdftotext"), { QStringLiteral("-raw"), path, QStringLiteral("-") });
    if (!reader.waitForFinished(60000) || reader.exitCode() != 0)
        return { QStringLiteral("<pdftotext failed: ") + reader.errorString() + QLatin1Char('>') };
    return QString::fromUtf8(reader.readAllStandardOutput())
        .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

MessageBoxCloser::MessageBoxCloser()
    : m_poll(new QTimer(this))
{
    connect(m_poll, &QTimer::timeout, this, &MessageBoxCloser::closeOpenBoxes);
    m_poll->start(10);
}

void MessageBoxCloser::closeOpenBoxes()
{
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        // A question for a text (a new name) is answered with Cancel.
        if (auto *question = qobject_cast<QInputDialog *>(widget);
            question && question->isVisible()) {
            titles << question->windowTitle();
            texts << question->labelText();
            shownAsPlainText << true;
            question->reject();
            continue;
        }
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (!box || !box->isVisible())
            continue;
        titles << box->windowTitle();
        texts << box->text() + QLatin1Char('\n') + box->informativeText();
        bool plain = true;
        for (const QLabel *label : box->findChildren<QLabel *>()) {
            if (!label->text().isEmpty())
                plain = plain && label->textFormat() == Qt::PlainText;
        }
        shownAsPlainText << plain;
        if (QAbstractButton *yes = box->button(QMessageBox::Yes); yes && answerYes)
            yes->click();
        else
            box->done(box->button(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok);
    }
}

bool printToPdf(MainWindow &window, const QString &path, bool withKey, QPageSize::PageSizeId paper)
{
    bool printed = false;
    QTimer::singleShot(0, &window, [&]() {
        auto *preview = named<QPrintPreviewDialog>(&window, QStringLiteral("dlgPrintWorksheet"));
        if (!preview)
            return;
        auto *key = named<QCheckBox>(preview, QStringLiteral("chkIncludeAnswerKey"));
        if (key && key->isChecked() != withKey)
            key->click();
        QPrinter *printer = preview->printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        printer->setPageSize(QPageSize(paper));
        preview->findChild<QPrintPreviewWidget *>()->print();
        preview->accept();
        printed = key != nullptr;
    });
    named<QPushButton>(&window, QStringLiteral("cmdPrintWorksheet"))->click();
    return printed;
}

namespace {

// A handler name UrlCapture has no slot for: Qt's call to it fails, so
// openUrl answers false, and Qt warns once per hand-over.
constexpr char RefusingHandler[] = "noProgramCanStart";
UrlCapture *refusingCapture = nullptr;
QtMessageHandler earlierMessageHandler = nullptr;

void countRefusals(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (refusingCapture && type == QtWarningMsg
        && message.contains(QLatin1String(RefusingHandler))) {
        ++refusingCapture->refused;
        return;
    }
    if (earlierMessageHandler)
        earlierMessageHandler(type, context, message);
}

} // namespace

UrlCapture::UrlCapture(Answer answer)
{
    for (const QString &scheme : UrlSchemes) {
        QDesktopServices::setUrlHandler(
            scheme, this, answer == Refuse ? RefusingHandler : "capture");
    }
    if (answer == Refuse) {
        refusingCapture = this;
        earlierMessageHandler = qInstallMessageHandler(countRefusals);
    }
}

UrlCapture::~UrlCapture()
{
    for (const QString &scheme : UrlSchemes)
        QDesktopServices::unsetUrlHandler(scheme);
    if (refusingCapture == this) {
        qInstallMessageHandler(earlierMessageHandler);
        refusingCapture = nullptr;
    }
}

void UrlCapture::capture(const QUrl &url)
{
    urls << url;
}

QString whyNotWritable(const QString &path)
{
    WholeFile probe(path);
    const SaveResult opened = probe.begin(SaveFolder::Missing::Fail);
    if (!opened.ok)
        return opened.error;
    probe.abandon();
    return QStringLiteral("<nothing: ") + path + QStringLiteral(" can be written>");
}

void sameDayFor(int seconds)
{
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 left = now.msecsTo(now.date().addDays(1).startOfDay());
    if (left <= seconds * 1000)
        QThread::msleep(static_cast<unsigned long>(left + 100));
}

} // namespace testsupport
