#include "base/sum_layout.h"

#include "base/accessibility.h"
#include "base/controls.h"
#include "rules/operations.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

using controls::twips;

namespace sumlayout {

namespace {

const QString SansSerif = QStringLiteral("MS Sans Serif");
constexpr int FeedbackGap = 4; // pixels between a feedback word and its picture

// The word stands at the left edge and the picture at the right, so the two
// never touch however wide the word comes out in the desktop's font.
QFrame *feedbackFrame(QWidget *parent, const FeedbackNames &names, const QRect &geometry,
    const QString &picture, const char *caption)
{
    QFrame *frame = controls::frame(parent, names.frame, geometry);
    const QRect picturePlace = twips(0, 120, 975, 2100);
    QLabel *image = controls::picture(frame, names.picture, picture,
        picturePlace.translated(geometry.width() - picturePlace.width(), 0));
    const QRect wordPlace = twips(0, 1200, 0, 375);
    QLabel *word = controls::label(frame, names.caption, QString(),
        QRect(wordPlace.topLeft(), QSize(image->x() - FeedbackGap, wordPlace.height())));
    controls::keepTranslated(word,
        [word, caption]() { word->setText(QCoreApplication::translate("SumLayout", caption)); });
    word->setFont(controls::font(SansSerif, 9.75, true));
    word->setWordWrap(false);
    // The word says it; a picture and a frame of the same name would have it
    // heard three times.
    access::markDecorative(image);
    return frame;
}

QLabel *scoreLabel(
    QWidget *parent, const QString &name, const QRect &geometry, const QColor &colour)
{
    QLabel *score = controls::label(parent, name, QString(), geometry);
    score->setFont(controls::font(SansSerif, 13.5));
    score->setAlignment(Qt::AlignCenter);
    controls::setBackground(score, colour);
    return score;
}

} // namespace

QLabel *numberLabel(QWidget *parent, const QString &name, const QRect &geometry)
{
    QLabel *number = controls::label(parent, name, QString(), geometry);
    number->setFont(controls::font(SansSerif, 13.5));
    // Units under units, as a sum is written on paper, and left to right in
    // every language: a right-to-left one would swap the alignment.
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    number->setLayoutDirection(Qt::LeftToRight);
    number->setWordWrap(false);
    controls::setBackground(number, Qt::white);
    return number;
}

namespace {

// The picture of the sign the language writes: a German class sees 7 · 8 and
// 56 : 7. A sign with no picture of its own keeps the operation's usual one.
QString signPicture(tutor::Operation operation, const QString &usual)
{
    switch (tutor::signShape(operation)) {
    case tutor::SignShape::Dot:
        return QStringLiteral(":/pictures/dot.png");
    case tutor::SignShape::Colon:
        return QStringLiteral(":/pictures/colon.png");
    case tutor::SignShape::Usual:
        break;
    }
    return usual;
}

} // namespace

OperationSigns operationSigns(
    QWidget *parent, const std::array<QString, 4> &names, const QRect &geometry)
{
    const QString pictures[]
        = { QStringLiteral(":/pictures/plus.png"), QStringLiteral(":/pictures/minus.png"),
              QStringLiteral(":/pictures/times.png"), QStringLiteral(":/pictures/divide.png") };
    OperationSigns signs;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!names[i].isEmpty()) {
            QLabel *sign = controls::picture(parent, names[i], pictures[i], geometry);
            signs.byOperation[i] = sign;
            // The sign as it is written and said, in the language spoken.
            const tutor::Operation operation = tutor::AllOperations.at(i);
            const QString usual = pictures[i];
            controls::keepTranslated(sign, [sign, operation, usual]() {
                controls::setPicture(sign, signPicture(operation, usual));
                sign->setAccessibleName(tutor::operationWord(operation));
            });
        }
    }
    return signs;
}

void OperationSigns::show(tutor::Operation operation) const
{
    const int index = tutor::code(operation) - 1;
    if (index < 0 || index >= int(byOperation.size()) || !byOperation[std::size_t(index)])
        return;
    for (QLabel *sign : byOperation) {
        if (sign)
            sign->setVisible(sign == byOperation[std::size_t(index)]);
    }
}

void rule(QWidget *parent, const std::array<QString, 3> &names, int leftTwips, int topTwips)
{
    const QString bar = QStringLiteral(":/pictures/bar.png");
    // The rule only draws the sum as on paper: the spoken sum says "equals".
    for (int i = 0; i < 3; ++i) {
        access::markDecorative(controls::picture(
            parent, names[i], bar, twips(leftTwips + i * 240, topTwips, 480, 480)));
    }
}

QFrame *correctFrame(QWidget *parent, const FeedbackNames &names, const QRect &geometry)
{
    return feedbackFrame(parent, names, geometry, QStringLiteral(":/pictures/correct.png"),
        //: Shown beside a picture when the answer is right.
        QT_TRANSLATE_NOOP("SumLayout", "Correct!"));
}

QFrame *tryAgainFrame(QWidget *parent, const FeedbackNames &names, const QRect &geometry)
{
    return feedbackFrame(parent, names, geometry, QStringLiteral(":/pictures/try_again.png"),
        //: Shown beside a picture when the answer is wrong.
        QT_TRANSLATE_NOOP("SumLayout", "Try Again"));
}

void Feedback::showVerdict(bool right) const
{
    controls::showOnly({ tryAgain, correct }, right ? correct : tryAgain);
    timer->start();
}

void Feedback::timeUp() const
{
    hide();
    timer->stop();
}

void Feedback::hide() const
{
    controls::setShown({ tryAgain, correct }, false);
}

void ScoreCard::show(qint16 right, qint16 wrong) const
{
    correct->setText(QString::number(right));
    incorrect->setText(QString::number(wrong));
    nameCounters();
}

// The number alone does not say what it counts.
void ScoreCard::nameCounters() const
{
    if (correct->text().isEmpty())
        return;
    //: Heard for the score card's count of right answers.
    correct->setAccessibleName(
        QCoreApplication::translate("SumLayout", "%1 correct").arg(correct->text()));
    //: Heard for the score card's count of wrong answers.
    incorrect->setAccessibleName(
        QCoreApplication::translate("SumLayout", "%1 incorrect").arg(incorrect->text()));
}

ScoreCard scoreCard(QWidget *parent, const ScoreCardNames &names, const QRect &geometry)
{
    ScoreCard card;
    card.frame = controls::groupBox(parent, names.frame, QString(), geometry);
    QLabel *correctHeading
        = controls::label(card.frame, names.correctHeading, QString(), twips(240, 240, 735, 255));
    QLabel *incorrectHeading = controls::label(
        card.frame, names.incorrectHeading, QString(), twips(1200, 240, 735, 255));
    card.correct
        = scoreLabel(card.frame, names.correct, twips(240, 480, 735, 495), CorrectScoreColour);
    card.incorrect
        = scoreLabel(card.frame, names.incorrect, twips(1200, 480, 735, 495), IncorrectScoreColour);
    controls::keepTranslated(card.frame, [card, names, correctHeading, incorrectHeading]() {
        card.frame->setTitle(QCoreApplication::translate("ScoreCard", names.caption));
        correctHeading->setText(QCoreApplication::translate("ScoreCard", names.correctCaption));
        incorrectHeading->setText(QCoreApplication::translate("ScoreCard", names.incorrectCaption));
        card.nameCounters();
    });
    return card;
}

} // namespace sumlayout
