#pragma once

#include "rules/level_and_operation.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <array>

class QFrame;
class QGroupBox;
class QLabel;
class QTimer;
class QWidget;

// Pieces shared by the practice screen and the games: a sum written as a
// column, the "Correct!"/"Try Again" frames and the score card.
namespace sumlayout {

QLabel *numberLabel(QWidget *parent, const QString &name, const QRect &geometry);

// The operation signs of a sum, all in one place; one shows at a time.
// A screen that offers only some operations has no picture for the others.
struct OperationSigns
{
    std::array<QLabel *, 4> byOperation {}; // Addition first

    // Shows the operation's sign and hides the others; an operation the
    // screen has no sign for leaves the signs as they are.
    void show(tutor::Operation operation) const;
};
// `names` by operation, Addition first; an empty name makes no picture.
OperationSigns operationSigns(
    QWidget *parent, const std::array<QString, 4> &names, const QRect &geometry);

// The rule under the second number: three bar pictures side by side.
void rule(QWidget *parent, const std::array<QString, 3> &names, int leftTwips, int topTwips);

struct FeedbackNames
{
    QString frame;
    QString picture;
    QString caption;
};
// The picture stands at the frame's right edge with its word to the left.
QFrame *correctFrame(QWidget *parent, const FeedbackNames &names, const QRect &geometry);
QFrame *tryAgainFrame(QWidget *parent, const FeedbackNames &names, const QRect &geometry);

// A "Correct!"/"Try Again" pair in one place and the timer that takes it away.
// At most one of the two frames shows at a time.
struct Feedback
{
    QFrame *correct = nullptr;
    QFrame *tryAgain = nullptr;
    QTimer *timer = nullptr;

    // Shows the verdict's frame, hides the other and restarts the timer, so a
    // new verdict gets the timer's whole interval on screen.
    void showVerdict(bool right) const;
    // The timer's tick: both frames hidden and the timer stopped.
    void timeUp() const;
    // Hides both frames and lets the timer run on.
    void hide() const;
};

struct ScoreCard
{
    QGroupBox *frame = nullptr;
    QLabel *correct = nullptr;
    QLabel *incorrect = nullptr;

    // The two counters, for the eye and the ear.
    void show(qint16 right, qint16 wrong) const;
    // The counters' names for the ear, from the numbers shown.
    void nameCounters() const;
};
// The card's widgets by name, and its caption and headings as written in
// English in the "ScoreCard" context (marked with QT_TRANSLATE_NOOP), which
// the card shows in the language spoken.
struct ScoreCardNames
{
    QString frame;
    const char *caption;
    QString correctHeading;
    const char *correctCaption;
    QString incorrectHeading;
    const char *incorrectCaption;
    QString correct;
    QString incorrect;
};
ScoreCard scoreCard(QWidget *parent, const ScoreCardNames &names, const QRect &geometry);

inline const QColor CorrectScoreColour { 192, 192, 255 };
inline const QColor IncorrectScoreColour { 255, 192, 192 };

} // namespace sumlayout
