#pragma once

#include <QRect>
#include <QStyle>

class QGroupBox;
class QHeaderView;
class QWidget;

// Texts in fixed places: the screens keep their places in every language, so
// a longer text must still be read whole. A text that does not fit takes a
// second line where its label has room for one, otherwise a smaller size of
// its font, down to MinimumPointSize (grown with a scaled picture). Where even that is cut, it
// takes the free room around its place that no sibling uses, as little as it needs, and in a group
// box with free room beside it, a wider group. A shorter text gets the widget's own font and place
// back.
namespace textfit {

inline constexpr double MinimumPointSize = 8;

// Whether the widget's own text shows whole in its place: a label, a push
// button, a check box or option button, a group box's caption or the text of
// every entry of a combo box. A widget with no text of its own shows it whole.
bool showsWhole(const QWidget *widget);

// Marks a text meant to run past its place, as a row of leader dots does:
// it is neither fitted nor counted as cut.
void letRunPast(QWidget *widget);

// Fits the widget's text as above. Nothing changes for a text that fits with
// the widget's own font.
void fit(QWidget *widget);

// Gives the widget back its own font, line breaking and place, as before
// any fitting, and forgets what it was fitted for: for a widget whose place
// or font is about to be set anew. The next fitting starts from there.
void restart(QWidget *widget);

// Fits every text of the application before its window paints, so that a
// text set at any time, in any language, is fitted. Once is enough; later
// calls do nothing.
void fitEveryText();

// Where the style puts a part of a group box (its caption, its check box),
// in the box's own coordinates.
QRect groupBoxPart(const QGroupBox *box, QStyle::SubControl part);

// Whether a table's column heading shows whole in its column, as the style
// lays out the heading's text there.
bool headingShowsWhole(const QHeaderView *header, int section);

// Widens every column whose heading would be cut to just the width it needs;
// a column wide enough keeps its width.
void widenToHeadings(QHeaderView *header);

} // namespace textfit
