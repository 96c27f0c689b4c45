#pragma once

#include <QFrame>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <initializer_list>
#include <utility>

class QCheckBox;
class QColor;
class QComboBox;
class QEvent;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class FixedRowList;
class QPushButton;
class QRadioButton;
class QTimer;
class QWidget;

// Small builders for the controls of the fixed-layout screens. Every screen is
// designed in twips (15 to a pixel) and every control carries its design name
// as objectName, so tests and the handlers find the same widget.
namespace controls {

QRect twips(int left, int top, int width, int height);

// Names and places a screen frame. Screens lie over one another, so each
// paints its own background and hides whatever lies below it.
void setUpScreen(QFrame *screen, const QString &name, const QRect &geometry);

QFrame *frame(QWidget *parent, const QString &name, const QRect &geometry,
    QFrame::Shape shape = QFrame::NoFrame);
QGroupBox *groupBox(
    QWidget *parent, const QString &name, const QString &caption, const QRect &geometry);
QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &geometry);
QLabel *picture(
    QWidget *parent, const QString &name, const QString &resource, const QRect &geometry);
// Shows another picture in a label made by picture().
void setPicture(QLabel *picture, const QString &resource);
QLineEdit *textBox(QWidget *parent, const QString &name, int maxLength, const QRect &geometry);
QPushButton *button(
    QWidget *parent, const QString &name, const QString &caption, const QRect &geometry);
QRadioButton *optionButton(
    QWidget *parent, const QString &name, const QString &caption, const QRect &geometry);
QCheckBox *checkBox(
    QWidget *parent, const QString &name, const QString &caption, const QRect &geometry);
QComboBox *comboBox(QWidget *parent, const QString &name, const QRect &geometry);
// Replaces a drop-down list's entries, each shown text with the data it
// stands for, and leaves none of them picked.
void refill(QComboBox *box, const QList<std::pair<QString, QVariant>> &entries);
FixedRowList *listBox(QWidget *parent, const QString &name, const QRect &geometry);
QTimer *timer(QObject *parent, const QString &name, int intervalMs);

QFont font(const QString &family, qreal pointSize, bool bold = false);
void setBackground(QWidget *widget, const QColor &colour);
void setTextColour(QWidget *widget, const QColor &colour);

// Single-line boxes drop invisible characters (line breaks from a paste,
// line separators, direction marks) as the text arrives, so nothing typed
// can split or disguise a line of a file written later.
void dropInvisibleCharacters(QLineEdit *box);

// Empties a box that is emptied again and again (after each answer, each
// report). QLineEdit::clear() keeps an undo step every time and never lets
// go of them, so memory grew with every answer; a fresh text starts a fresh
// history.
void emptyBox(QLineEdit *box);

// Lists that read as columns of one table: scrolling any of them, by wheel,
// keys or bar, moves them all, so a row never stands beside another's.
void scrollTogether(const QList<FixedRowList *> &lists);

// Calls `setTexts` now and again whenever `widget` hears that the language
// changed: for texts of shared pieces that no screen's retranslate() sets.
void keepTranslated(QWidget *widget, std::function<void()> setTexts);

// Whether the event is a press of Enter, on the main keys or the keypad: the
// key that hands in a typed answer.
bool isEnterPress(const QEvent *event);

void setShown(std::initializer_list<QWidget *> widgets, bool shown);
// Shows `shown` and hides the others of the group (operator signs, feedback).
void showOnly(std::initializer_list<QWidget *> group, const QWidget *shown);

} // namespace controls
