#pragma once

#include "app/main_window.h"

#include <QList>
#include <QPageSize>
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <functional>
#include <memory>

class QAbstractItemView;
class QTimer;

class QMainWindow;
class QScreen;

namespace testsupport {

// The object (the window or one of its screens) that has the named handler
// slot; nullptr when none or more than one has it.
QObject *handlerOwner(QObject *window, const char *handler);

// Calls a handler slot by name wherever it lives; false when it is missing.
bool invokeHandler(QObject *window, const char *handler);

// The screen of the desktop with this name; nullptr for an empty name or
// none of that name.
QScreen *screenNamed(const QString &name);
// Puts the window on `screen` at a size: a size item's handler or
// "maximise". False, with the reason in `why`, when the window is no larger
// than its design size there or does not lie on the screen's free room.
bool showOnScreenAt(QMainWindow &window, QScreen *screen, const QByteArray &size, QString *why);

// The descendant with this objectName and type; nullptr when there is none.
template<typename T> T *named(QObject *root, const QString &name)
{
    return root->findChild<T *>(name);
}

// The screen frame a user sees at the middle of `area`, another frame of
// the client area: the one on top of all that are shown there.
QWidget *frameSeenOver(MainWindow &window, const QWidget *area);

// The text of the named label, and whether the named widget is shown (not
// hidden itself; its window or frame may still be hidden).
QString labelText(QObject &window, const char *label);
bool isShown(QObject &window, const char *name);

// Puts a known problem in front of the pupil, as if it had been drawn.
void setPracticeProblem(MainWindow &window, float first, float second, qint16 operationCode);

// Puts the run's record in a state no command leads to in a test's time (a
// counter at its limit, a level code never given out) through the session,
// which announces it to every screen.
void changeState(MainWindow &window, const std::function<void(TutorState &)> &change);
// Takes over a whole record, as a resumed session would, and announces every
// part of it.
void restoreSession(TutorSession &session, const TutorState &state);

// Picks the entry with this text in the named combo box, as a click in its
// drop-down list does; false when there is no such entry.
bool pickEntry(QObject *window, const char *comboName, const QString &entry);

// Types into the practice answer box with real key events and presses Enter.
void answerPractice(MainWindow &window, const QString &typed);

// The six entries of one row of the session log, left to right.
QStringList logRow(MainWindow &window, int row);
int logRowCount(MainWindow &window);

// What a list shows: its rows, and the text of row `row` of the view's own
// column of its model ("<missing>" beyond its rows).
int listRowCount(const QAbstractItemView *list);
QString listText(const QAbstractItemView *list, int row);
QStringList listTexts(const QAbstractItemView *list);
// Whether row `row` of the list is lit; where it stands in the viewport;
// the list's current row (-1: none).
bool isRowSelected(const QAbstractItemView *list, int row);
QRect rowRect(const QAbstractItemView *list, int row);
int currentRow(const QAbstractItemView *list);

// Fills the session log, or the worksheet, with `rows` more rows at once:
// answering or creating 32 767 problems by keys would take far too long.
// Log row i (from 1) asks i * 2 and was answered right; worksheet row i asks
// i + 2.
void fillLog(MainWindow &window, int rows);
void fillWorksheet(MainWindow &window, int rows);

// While a fixture lives, the clock the buttons' click guards read stands
// still until a test moves it on: two clicks in a row are then a double click,
// however slowly the test runs, and a test says where the pupil paused.
void letTimePass(qint64 milliseconds);
// Lets the desktop's double-click interval pass, so that the next click
// counts as a click of its own.
void pauseBeforeNextClick();
// A left click after such a pause, in the middle of `widget` unless `place`
// is given.
void clickAfterAPause(QWidget *widget, QPoint place = QPoint());

// Points the program's settings at a temporary folder that lasts as long as
// the test program, so no test reads or changes the user's own. Every
// TutorFixture calls it; call it before anything else reads the settings.
void useTemporarySettings();

// A main window over a fresh temporary application folder that holds copies
// of the shipped pages and texts, shown so that its start-up has run. Its
// settings are those of useTemporarySettings().
class TutorFixture
{
public:
    TutorFixture();
    // With `prepare` given the folder, once the shipped files are there and
    // before the window is built: files a start-up should find.
    explicit TutorFixture(const std::function<void(const QString &folder)> &prepare);
    ~TutorFixture();

    MainWindow &window() { return *m_window; }
    QString folder() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
    std::unique_ptr<MainWindow> m_window;
};

// Copies the pages and texts the program ships into `folder`.
void copyShippedFiles(const QString &folder);

// The bytes of a file as a reader gets them; "<unreadable>" when it cannot
// be opened, so a comparison fails with a plain message.
QByteArray fileBytes(const QString &path);

// Every file and folder below `folder`, relative to it, sorted: what a save
// leaves behind, half-written leftovers included.
QStringList everythingUnder(const QString &folder);

// The words of a PDF file in the order they were drawn, as pdftotext reads
// them.
QStringList pdfWords(const QString &path);

// Opens "Print...", sets the preview's printer to write a PDF file on `paper`
// and prints from the preview, as its print button does; false when no
// preview opened.
bool printToPdf(MainWindow &window, const QString &path, bool withKey,
    QPageSize::PageSizeId paper = QPageSize::A4);

// Closes every message box that appears while it lives, noting its texts;
// a question for a text is cancelled, and a Yes or No question is answered
// No unless `answerYes` says otherwise.
class MessageBoxCloser : public QObject
{
    Q_OBJECT

public:
    MessageBoxCloser();

    QStringList texts; // text and informative text of each box, in order
    QStringList titles;
    QList<bool> shownAsPlainText; // whether each box showed its texts as written
    bool answerYes = false;

private slots:
    void closeOpenBoxes();

private:
    QTimer *m_poll = nullptr;
};

// Captures what would be handed to the desktop's browser, mail program or
// editor instead of starting them. A refusing capture makes every hand-over
// fail, as when no such program can be started, and only counts them.
class UrlCapture : public QObject
{
    Q_OBJECT

public:
    enum Answer { Accept, Refuse };
    explicit UrlCapture(Answer answer = Accept);
    ~UrlCapture() override;

    QList<QUrl> urls;
    int refused = 0;

public slots:
    void capture(const QUrl &url);
};

// The reason a file cannot be written at `path` (a folder has its name, its
// folder is a plain file, ...), as the program's saves find it: what a failed
// save must show the user.
QString whyNotWritable(const QString &path);

// A test that reads the clock and later compares its day with what the
// program wrote waits here, when the local day ends within `seconds`, until
// it has turned: otherwise the two readings may fall on different days.
void sameDayFor(int seconds);

} // namespace testsupport
