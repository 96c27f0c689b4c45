#include "base/text_fit.h"

#include "base/scaled_picture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>
#include <QWindow>

#include <climits>

namespace {

// The widget's own font and word wrap, kept while a smaller one stands in.
const char OwnFont[] = "textFitOwnFont";
const char OwnWrap[] = "textFitOwnWrap";
// Whether the own font was the widget's own or came from its parent.
const char OwnFontSet[] = "textFitOwnFontSet";
const char OwnPlace[] = "textFitOwnPlace";
// The font fitting gave it, and what it was fitted for.
const char FittedFont[] = "textFitFont";
const char FittedFor[] = "textFitFor";
const char RunsPast[] = "textFitRunsPast";

int textFlags(bool mnemonic)
{
    return mnemonic ? Qt::TextShowMnemonic : 0;
}

QSize textSize(const QFontMetrics &metrics, const QString &text, bool mnemonic)
{
    return metrics.size(textFlags(mnemonic), text);
}

bool labelShowsWhole(const QLabel *label)
{
    const QString text = label->text();
    if (text.isEmpty())
        return true;
    QRect room = label->contentsRect();
    const int margin = label->margin();
    room.adjust(margin, margin, -margin, -margin);
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0)
        indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    if (indent > 0)
        room.setWidth(room.width() - indent);

    const bool rich = label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    QSize needed;
    if (rich) {
        QTextDocument document;
        document.setDocumentMargin(0);
        document.setDefaultFont(label->font());
        document.setHtml(text);
        if (label->wordWrap())
            document.setTextWidth(room.width());
        needed = QSize(qCeil(document.idealWidth()), qCeil(document.size().height()));
    } else {
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0)
            | textFlags(label->buddy() != nullptr);
        needed = label->fontMetrics()
                     .boundingRect(QRect(0, 0, room.width(), INT_MAX / 2), flags, text)
                     .size();
    }
    // The last line's descent may touch the edge: its letters still read.
    const int reach = room.height() + label->fontMetrics().descent();
    return needed.width() <= room.width() && needed.height() <= reach;
}

bool pushButtonShowsWhole(const QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    if (button->autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    const QRect room
        = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    int width = textSize(button->fontMetrics(), button->text(), true).width();
    if (!button->icon().isNull())
        width += button->iconSize().width() + 4;
    return width <= room.width();
}

bool indicatorButtonShowsWhole(const QAbstractButton *button, QStyle::SubElement contents)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const QRect room = button->style()->subElementRect(contents, &option, button);
    const QSize needed = textSize(button->fontMetrics(), button->text(), true);
    return needed.width() <= room.width() && needed.height() <= button->height();
}

bool groupBoxShowsWhole(const QGroupBox *box)
{
    if (box->title().isEmpty())
        return true;
    const QRect label = textfit::groupBoxPart(box, QStyle::SC_GroupBoxLabel);
    const int needed = textSize(box->fontMetrics(), box->title(), true).width();
    return label.left() >= 0 && label.right() < box->width()
        && label.left() + needed <= box->width();
}

bool comboBoxShowsWhole(const QComboBox *combo)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    option.subControls = QStyle::SC_All;
    const QRect room = combo->style()->subControlRect(
        QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    const QFontMetrics metrics = combo->fontMetrics();
    for (int item = 0; item < combo->count(); ++item) {
        if (metrics.horizontalAdvance(combo->itemText(item)) > room.width())
            return false;
    }
    return true;
}

QString textOf(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *box = qobject_cast<const QGroupBox *>(widget))
        return box->title();
    if (const auto *combo = qobject_cast<const QComboBox *>(widget)) {
        QStringList items;
        for (int item = 0; item < combo->count(); ++item)
            items << combo->itemText(item);
        return items.join(QLatin1Char('\n'));
    }
    return QString();
}

// Only texts in fixed places: a layout gives its widgets the room they ask,
// and a screen a layout arranges has room for its texts everywhere.
bool inFixedPlace(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    if (!parent || widget->isWindow())
        return false;
    for (const QWidget *ancestor = parent; !ancestor->isWindow() && ancestor->parentWidget();
         ancestor = ancestor->parentWidget()) {
        if (ancestor->layout())
            return false;
    }
    return !parent->layout();
}

QString fittingKey(const QWidget *widget, const QRect &place, const QFont &own)
{
    return textOf(widget) + QChar(0) + QString::number(place.width()) + QLatin1Char('x')
        + QString::number(place.height()) + QChar(0) + own.key();
}

// Keeps the widget's text where it reads: a sibling's edge less this much.
constexpr int Gap = 2;

// The part of the parent that shows: each ancestor up to the window cuts it.
QRect shownPart(const QWidget *parent)
{
    QRect shown = parent->contentsRect();
    for (const QWidget *ancestor = parent; !ancestor->isWindow() && ancestor->parentWidget();) {
        ancestor = ancestor->parentWidget();
        shown &= QRect(parent->mapFrom(ancestor, QPoint(0, 0)), ancestor->size());
    }
    return shown;
}

// The room free of every sibling around the place, within the
// part of the parent that shows. A sibling the place lies on wholly, such as
// a picture under the text, does not count; hidden ones do, since they may
// show later.
QRect freeRoom(const QWidget *widget, const QRect &place)
{
    const QWidget *parent = widget->parentWidget();
    const QRect bounds = shownPart(parent);
    QList<QRect> others;
    for (const QObject *child : parent->children()) {
        const auto *sibling = qobject_cast<const QWidget *>(child);
        if (sibling && sibling != widget && !sibling->isWindow()
            && !sibling->geometry().contains(place))
            others << sibling->geometry();
    }
    int left = bounds.left();
    int right = bounds.right();
    // Places that share no more than a gap's width stand side by side.
    for (const QRect &other : std::as_const(others)) {
        if (other.bottom() < place.top() + Gap || other.top() > place.bottom() - Gap)
            continue;
        if (other.left() > place.left())
            right = qMin(right, other.left() - Gap);
        if (other.right() < place.right())
            left = qMax(left, other.right() + Gap);
    }
    QRect room = place;
    room.setLeft(qMin(left, place.left()));
    room.setRight(qMax(right, place.right()));
    // Above and below, only a label can take further lines.
    if (qobject_cast<const QLabel *>(widget)) {
        int top = bounds.top();
        int bottom = bounds.bottom();
        for (const QRect &other : std::as_const(others)) {
            if (other.right() < room.left() + Gap || other.left() > room.right() - Gap)
                continue;
            if (other.top() > place.top())
                bottom = qMin(bottom, other.top() - Gap);
            if (other.bottom() < place.bottom())
                top = qMax(top, other.bottom() + Gap);
        }
        room.setTop(qMin(top, place.top()));
        room.setBottom(qMax(bottom, place.bottom()));
    }
    return room;
}

// The side a wider place grows from: both ways alike for a label or a
// button, which leaves the most room to the neighbours on either side; away
// from the indicator or the caption's start for the others.
Qt::Alignment startingSide(const QWidget *widget)
{
    if (qobject_cast<const QLabel *>(widget) || qobject_cast<const QPushButton *>(widget))
        return Qt::AlignHCenter;
    return widget->layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft;
}

// Whether the widget shows whole in its font, first on one line, then, for
// a label that has room for them, on more.
bool showsWholeWrapping(QWidget *widget)
{
    if (textfit::showsWhole(widget))
        return true;
    auto *label = qobject_cast<QLabel *>(widget);
    // As in showsWhole, the last line's descent may touch the edge.
    const QFontMetrics metrics = widget->fontMetrics();
    if (label && !label->wordWrap()
        && label->contentsRect().height() + metrics.descent() >= 2 * metrics.lineSpacing()) {
        label->setWordWrap(true);
        if (textfit::showsWhole(widget))
            return true;
        label->setWordWrap(false);
    }
    return false;
}

// Fits the widget in its present place, from its own font down to the
// smallest; false when even that is cut.
bool fitsInPlace(QWidget *widget, const QFont &own)
{
    widget->setFont(own);
    if (showsWholeWrapping(widget))
        return true;
    if (own.pointSizeF() <= 0)
        return false;
    QFont smaller = own;
    // The smallest size grows with the picture the widget lies in.
    const double factor = designscale::factorAt(widget);
    const double smallest = textfit::MinimumPointSize * factor;
    const double step = 0.5 * factor;
    // Half a point at a time, the smallest size last.
    for (double size = own.pointSizeF() - step; size > smallest - step; size -= step) {
        smaller.setPointSizeF(qMax(size, smallest));
        widget->setFont(smaller);
        if (showsWholeWrapping(widget))
            return true;
    }
    return false;
}

// Fits every text shown in `widget` and below it.
void fitShownTexts(QWidget *widget)
{
    for (QObject *child : widget->children()) {
        if (!child->isWidgetType())
            continue;
        auto *shown = static_cast<QWidget *>(child);
        if (shown->isHidden() || shown->isWindow())
            continue;
        if (inFixedPlace(shown) && !textOf(shown).isEmpty())
            textfit::fit(shown);
        fitShownTexts(shown);
    }
}

// Fits a window's texts before it paints: when it asks for its next
// painting, and when it comes on screen, which paints at once.
class TextFitter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        QWidget *window = nullptr;
        if (event->type() == QEvent::UpdateRequest && watched->isWidgetType())
            window = static_cast<QWidget *>(watched);
        else if (event->type() == QEvent::Expose && watched->isWindowType())
            window = windowOf(static_cast<QWindow *>(watched));
        if (window && window->isWindow() && window->isVisible())
            fitShownTexts(window);
        return QObject::eventFilter(watched, event);
    }

private:
    static QWidget *windowOf(const QWindow *handle)
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->windowHandle() == handle)
                return window;
        }
        return nullptr;
    }
};

// The place widened to `width` within `room` from the given side, then the
// other way as far as it must.
QRect widened(const QRect &place, const QRect &room, int width, Qt::Alignment side)
{
    const int extra = width - place.width();
    const int leftSpare = place.left() - room.left();
    const int rightSpare = room.right() - place.right();
    int toLeft = 0;
    int toRight = 0;
    if (side & Qt::AlignRight) {
        toLeft = qMin(extra, leftSpare);
        toRight = extra - toLeft;
    } else if (side & Qt::AlignHCenter) {
        toLeft = qMin(extra / 2, leftSpare);
        toRight = qMin(extra - toLeft, rightSpare);
        toLeft = extra - toRight;
    } else {
        toRight = qMin(extra, rightSpare);
        toLeft = extra - toRight;
    }
    return place.adjusted(-toLeft, 0, toRight, 0);
}

// The least of `room` the text needs: the width it reads whole in on the
// place's lines, else the whole width and the lines it needs; in its own
// font where the room allows, else the largest smaller one. When the whole
// room is not enough, the widget takes all of it at its smallest font.
void takeRoom(
    QWidget *widget, const QFont &own, const QRect &place, const QRect &room, bool smallerFontFirst)
{
    const Qt::Alignment side = startingSide(widget);
    auto taller = [&](int width, int height) {
        const QRect wide = widened(place, room, width, side);
        const int extra = height - place.height();
        const int below = qMin(extra, room.bottom() - place.bottom());
        return wide.adjusted(0, below - extra, 0, below);
    };
    // Smallest n in [low, high] with fits(n), or -1.
    auto least = [](int low, int high, auto fits) {
        if (!fits(high))
            return -1;
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (fits(middle))
                high = middle;
            else
                low = middle + 1;
        }
        return low;
    };
    for (const bool ownFontOnly : { true, false }) {
        if (ownFontOnly && smallerFontFirst)
            continue;
        auto fitsIn = [&](const QRect &rect) {
            widget->setGeometry(rect);
            if (!ownFontOnly)
                return fitsInPlace(widget, own);
            widget->setFont(own);
            return showsWholeWrapping(widget);
        };
        // Wider first, then further lines below, then above.
        const int width = least(
            place.width(), room.width(), [&](int w) { return fitsIn(taller(w, place.height())); });
        if (width >= 0) {
            fitsIn(taller(width, place.height()));
            return;
        }
        const int height = least(
            place.height(), room.height(), [&](int h) { return fitsIn(taller(room.width(), h)); });
        if (height >= 0) {
            fitsIn(taller(room.width(), height));
            return;
        }
    }
    widget->setGeometry(taller(room.width(), room.height()));
    fitsInPlace(widget, own);
}

// The narrowest push button beside `button` in its row, by its own place;
// 0 when it stands alone.
int narrowestNeighbour(const QPushButton *button, const QRect &place)
{
    int narrowest = 0;
    for (const QObject *child : button->parentWidget()->children()) {
        const auto *other = qobject_cast<const QPushButton *>(child);
        if (!other || other == button || other->isWindow())
            continue;
        const QVariant ownPlace = other->property(OwnPlace);
        const QRect its = ownPlace.isValid() ? ownPlace.toRect() : other->geometry();
        if (its.bottom() < place.top() || its.top() > place.bottom())
            continue;
        narrowest = narrowest ? qMin(narrowest, its.width()) : its.width();
    }
    return narrowest;
}

// A button in a row of buttons takes less than twice the width of the
// narrowest of them, so the row still reads as a row.
QRect cappedForRow(const QPushButton *button, const QRect &place, const QRect &room)
{
    const int narrowest = narrowestNeighbour(button, place);
    const int widest = qMax(place.width(), 2 * narrowest - 1);
    if (!narrowest || room.width() <= widest)
        return room;
    const int extra = widest - place.width();
    int left = qMax(room.left(), place.left() - extra / 2);
    const int right = qMin(room.right(), left + widest - 1);
    left = qMax(room.left(), right - widest + 1);
    return QRect(left, room.top(), right - left + 1, room.height());
}

// Gives the widget back the font it had before fitting, its parent's where
// it had none of its own.
void restoreOwnFont(QWidget *widget, const QFont &own)
{
    if (widget->property(OwnFontSet).toBool())
        widget->setFont(own);
    else
        widget->setFont(QFont());
}

// Widens a group box in a fixed place into the free room to the side its
// caption ends on, so that a text inside it has more room; false when there
// is none. The group's own place is kept, as for a fitted text.
bool widenGroup(QWidget *group)
{
    if (!qobject_cast<QGroupBox *>(group) || !inFixedPlace(group))
        return false;
    const QVariant ownPlace = group->property(OwnPlace);
    const QRect place = group->geometry();
    const QRect room = freeRoom(group, place);
    QRect wider = place;
    if (group->layoutDirection() == Qt::RightToLeft)
        wider.setLeft(room.left());
    else
        wider.setRight(room.right());
    if (wider == place)
        return false;
    if (!ownPlace.isValid())
        group->setProperty(OwnPlace, place);
    group->setGeometry(wider);
    return true;
}

// The width a column needs for its heading: the room the style leaves
// around the heading's text in the column now, and the text.
int headingWidth(const QHeaderView *header, int section)
{
    QStyleOptionHeader option;
    option.initFrom(header);
    option.rect = QRect(0, 0, header->sectionSize(section), header->height());
    option.section = section;
    option.orientation = header->orientation();
    option.text = header->model()->headerData(section, header->orientation()).toString();
    option.textAlignment = header->defaultAlignment();
    if (header->isSortIndicatorShown() && header->sortIndicatorSection() == section) {
        option.sortIndicator = header->sortIndicatorOrder() == Qt::AscendingOrder
            ? QStyleOptionHeader::SortDown
            : QStyleOptionHeader::SortUp;
    }
    const QRect label = header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header);
    return option.rect.width() - label.width() + header->fontMetrics().size(0, option.text).width();
}

} // namespace

namespace textfit {

QRect groupBoxPart(const QGroupBox *box, QStyle::SubControl part)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = Qt::Alignment(box->alignment());
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (box->isCheckable())
        option.subControls |= QStyle::SC_GroupBoxCheckBox;
    if (box->isFlat())
        option.features |= QStyleOptionFrame::Flat;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, part, box);
}

bool headingShowsWhole(const QHeaderView *header, int section)
{
    return header->sectionSize(section) >= headingWidth(header, section);
}

void widenToHeadings(QHeaderView *header)
{
    for (int section = 0; section < header->count(); ++section) {
        if (!header->isSectionHidden(section) && !headingShowsWhole(header, section))
            header->resizeSection(section, headingWidth(header, section));
    }
}

void letRunPast(QWidget *widget)
{
    widget->setProperty(RunsPast, true);
}

bool showsWhole(const QWidget *widget)
{
    if (widget->property(RunsPast).toBool())
        return true;
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return labelShowsWhole(label);
    if (const auto *button = qobject_cast<const QPushButton *>(widget))
        return pushButtonShowsWhole(button);
    if (const auto *box = qobject_cast<const QCheckBox *>(widget))
        return indicatorButtonShowsWhole(box, QStyle::SE_CheckBoxContents);
    if (const auto *option = qobject_cast<const QRadioButton *>(widget))
        return indicatorButtonShowsWhole(option, QStyle::SE_RadioButtonContents);
    if (const auto *box = qobject_cast<const QGroupBox *>(widget))
        return groupBoxShowsWhole(box);
    if (const auto *combo = qobject_cast<const QComboBox *>(widget))
        return comboBoxShowsWhole(combo);
    return true;
}

void fit(QWidget *widget)
{
    if (widget->property(RunsPast).toBool())
        return;
    // A font set since the last fitting becomes the widget's own.
    const QVariant fitted = widget->property(FittedFont);
    if (fitted.isValid() && fitted.value<QFont>() != widget->font()) {
        widget->setProperty(OwnFont, QVariant());
        widget->setProperty(FittedFont, QVariant());
    }
    const QVariant ownFont = widget->property(OwnFont);
    const QFont own = ownFont.isValid() ? ownFont.value<QFont>() : widget->font();
    const QVariant ownPlace = widget->property(OwnPlace);
    const QRect place = ownPlace.isValid() ? ownPlace.toRect() : widget->geometry();
    const QString key = fittingKey(widget, place, own);
    if (widget->property(FittedFor).toString() == key)
        return;

    auto *label = qobject_cast<QLabel *>(widget);
    if (ownFont.isValid()) {
        restoreOwnFont(widget, own);
        if (label)
            label->setWordWrap(widget->property(OwnWrap).toBool());
    }
    if (ownPlace.isValid())
        widget->setGeometry(place);
    widget->setProperty(OwnPlace, QVariant());
    widget->setProperty(FittedFor, key);
    widget->setProperty(FittedFont, QVariant());
    if (showsWhole(widget))
        return;

    widget->setProperty(OwnFont, own);
    widget->setProperty(OwnFontSet, widget->testAttribute(Qt::WA_SetFont));
    if (label)
        widget->setProperty(OwnWrap, label->wordWrap());
    // Its own place first, then the free room around it, taken only as far
    // as the text needs, then the same in a wider group where it lies in one.
    if (!fitsInPlace(widget, own) && inFixedPlace(widget)) {
        widget->setProperty(OwnPlace, place);
        const auto *button = qobject_cast<QPushButton *>(widget);
        const bool inRow = button && narrowestNeighbour(button, place) > 0;
        do {
            widget->setGeometry(place);
            QRect room = freeRoom(widget, place);
            if (inRow)
                room = cappedForRow(button, place, room);
            takeRoom(widget, own, place, room, inRow);
        } while (!showsWhole(widget) && widenGroup(widget->parentWidget()));
    }
    widget->setProperty(FittedFont, widget->font());
}

void restart(QWidget *widget)
{
    const QVariant ownFont = widget->property(OwnFont);
    if (ownFont.isValid()) {
        restoreOwnFont(widget, ownFont.value<QFont>());
        if (auto *label = qobject_cast<QLabel *>(widget))
            label->setWordWrap(widget->property(OwnWrap).toBool());
    }
    const QVariant ownPlace = widget->property(OwnPlace);
    if (ownPlace.isValid())
        widget->setGeometry(ownPlace.toRect());
    for (const char *name : { OwnFont, OwnWrap, OwnFontSet, OwnPlace, FittedFont, FittedFor })
        widget->setProperty(name, QVariant());
}

void fitEveryText()
{
    static TextFitter *fitter = nullptr;
    if (fitter || !qApp)
        return;
    fitter = new TextFitter(qApp);
    qApp->installEventFilter(fitter);
}

} // namespace textfit
