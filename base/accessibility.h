#pragma once

#include <QString>

class QAbstractButton;
class QComboBox;
class QWidget;

// What assistive technology hears of the controls.
namespace access {

// Tells a screen reader news about a control, such as a verdict and the next
// sum after Enter in an answer box. Screen readers speak a change of the
// focused control's description (alerts are not passed on by the desktop
// bridge), so the news becomes the description, whose change the widget
// sends; news equal to the present description is sent again all the same.
// The news stays the description until the keyboard leaves the control or
// a menu's command has run; then the words from before it come back, or
// `ownWords`, such as the next sum, where given.
void announce(QWidget *widget, const QString &news);
void announce(QWidget *widget, const QString &news, const QString &ownWords);
// Puts back the words news lies over, once it has been heard.
void takeBackNews(QWidget *widget);

// Tells news that leaves what the control says of itself as it was, such
// as a level chosen by key while a sum waits for its answer: the news, and
// then what the control says, are sent as a change of description, which is
// then put back. Without `thenOwnWords` the news goes alone, as for a cell
// of a grid whose description sums up the whole.
void tell(QWidget *widget, const QString &news, bool thenOwnWords = true);

// The program's own accessible interfaces, installed on the first call:
// a drop-down list with an accessible name keeps it as its name and tells
// the picked entry as its value (Qt's own on Linux says the entry as the
// name, so "Difficulty" is lost after a pick), an option button in a group
// box is named by its own caption, not by the group's, which is heard as the
// group's name already, and plain frames leave their decorative pictures and their
// hidden parts out of what they list.
void installInterfaces();

// A drop-down list that has the keyboard tells each entry newly picked,
// with the arrow keys as well as from its list; Qt's own interface renames
// the list instead, which the program's keeps named. Lists of the program
// and of Qt's dialogs alike do so once a screen reader meets them.
void tellPicks(QComboBox *box);
// A list whose screen tells each pick itself, with what the pick brings:
// the entry alone would be heard twice.
void leavePicksToItsScreen(QComboBox *box);

// A plain area that, like a frame, lists only its parts that are not hidden:
// the window's client area, which holds every screen, shown or not.
void listShownPartsOnly(QWidget *area);

// A picture that only decorates: it has no name and is not listed among
// its frame's accessible children, so a screen reader never comes upon it.
void markDecorative(QWidget *picture);

// An option button whose pick was judged and cleared with the verdict keeps
// sounding picked until the keyboard leaves it: a screen reader would
// otherwise say "not selected" between the pick and the verdict, as if the
// pick had failed. Only what assistive technology hears changes.
void keepPickHeard(QAbstractButton *button);

} // namespace access
