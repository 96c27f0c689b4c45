#include "base/text_fit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>

#include <climits>

namespace {

// The widget's own font and word wrap, kept while a smaller one stands in.
const char OwnFont[] = "textFitOwnFont";
const char OwnWrap[] = "textFitOwnWrap";
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
    const QRect label
        = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
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

// Only texts in fixed places: a layout gives its widgets the room they ask.
bool inFixedPlace(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    return parent && !parent->layout() && !widget->isWindow();
}

QString fittingKey(const QWidget *widget, const QFont &own)
{
    return textOf(widget) + QChar(0) + QString::number(widget->width()) + QLatin1Char('x')
        + QString::number(widget->height()) + QChar(0) + own.key();
}

class TextFitter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(watched);
            if (inFixedPlace(widget) && !textOf(widget).isEmpty())
                textfit::fit(widget);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

namespace textfit {

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
    const QString key = fittingKey(widget, own);
    if (widget->property(FittedFor).toString() == key)
        return;

    auto *label = qobject_cast<QLabel *>(widget);
    if (ownFont.isValid()) {
        widget->setFont(own);
        if (label)
            label->setWordWrap(widget->property(OwnWrap).toBool());
    }
    widget->setProperty(FittedFor, key);
    widget->setProperty(FittedFont, QVariant());
    if (showsWhole(widget))
        return;

    widget->setProperty(OwnFont, own);
    if (label)
        widget->setProperty(OwnWrap, label->wordWrap());
    // A second line where the label has room for one.
    if (label && !label->wordWrap()
        && label->contentsRect().height() >= 2 * label->fontMetrics().lineSpacing()) {
        label->setWordWrap(true);
        if (showsWhole(widget))
            return;
    }
    if (own.pointSizeF() <= 0)
        return;
    QFont smaller = own;
    for (double size = own.pointSizeF() - 0.5; size >= MinimumPointSize; size -= 0.5) {
        smaller.setPointSizeF(size);
        widget->setFont(smaller);
        if (showsWhole(widget))
            break;
    }
    widget->setProperty(FittedFont, widget->font());
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
