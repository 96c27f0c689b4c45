#include "base/accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QRadioButton>
#include <QVariantMap>
#include <QWidget>

namespace access {

namespace {

const char *const DecorativeProperty = "decorativePicture";
const char *const ShownOnlyProperty = "listsShownPartsOnly";
const char *const KeptPickProperty = "pickKeptForTheEar";
const char *const ValueToldProperty = "valueToldOnChange";
const char *const OwnPicksProperty = "picksToldByItsScreen";
const char *const NewsProperty = "newsInDescription";
const char *const OwnWordsProperty = "ownWordsUnderNews";
const char *const NewsReleaseProperty = "newsTakenBackOnLeaving";

// Takes news back once the keyboard leaves its control.
class NewsRelease : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut)
            takeBackNews(static_cast<QWidget *>(watched));
        return QObject::eventFilter(watched, event);
    }
};

// Lets a kept pick go once the keyboard leaves its button, and says so.
class PickRelease : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut && watched->property(KeptPickProperty).toBool()) {
            watched->setProperty(KeptPickProperty, false);
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent news(watched, changed);
            QAccessible::updateAccessibility(&news);
        }
        return QObject::eventFilter(watched, event);
    }
};

// A decorative picture, or a part hidden for now: a screen reader walking
// the window would otherwise read what no one sees, such as the screens
// behind the one in front.
bool isLeftOut(const QAccessibleInterface *face)
{
    if (!face || !face->object())
        return false;
    const auto *widget = qobject_cast<const QWidget *>(face->object());
    return face->object()->property(DecorativeProperty).toBool() || (widget && widget->isHidden());
}

// A drop-down list that has the keyboard tells the entry newly picked, as
// Qt's own would by renaming itself, unless its screen tells its picks.
void tellValueChanges(QComboBox *box)
{
    if (box->property(ValueToldProperty).toBool())
        return;
    box->setProperty(ValueToldProperty, true);
    QObject::connect(box, &QComboBox::currentIndexChanged, box, [box](int index) {
        if (index >= 0 && box->hasFocus() && !box->property(OwnPicksProperty).toBool())
            tell(box, box->currentText());
    });
}

// A drop-down list whose accessible name, when it has one, stays its name.
// The name is read when asked, not when the interface is made: with a
// screen reader listening, the interface may be made while the list is
// built, before it is named.
// Its value is also offered as its text, read-only: Qt 6.4's bridge has no
// other way to hand a screen reader the entry picked, which it reads from
// there when the name is not the entry.
class NamedComboBox : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit NamedComboBox(QComboBox *box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
        tellValueChanges(box);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The entry picked, as a text without a caret or a selection.
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QString text(int startOffset, int endOffset) const override
    {
        const QString value = pickedText();
        startOffset = qBound(0, startOffset, int(value.size()));
        if (endOffset < 0 || endOffset > value.size())
            endOffset = int(value.size());
        return value.mid(startOffset, qMax(0, endOffset - startOffset));
    }
    int characterCount() const override { return int(pickedText().size()); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return pickedText();
        QString result = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && result.isEmpty())
            result = pickedText();
        return result;
    }

    QAccessible::State state() const override
    {
        QAccessible::State result = QAccessibleWidget::state();
        result.expandable = true;
        result.expanded = box()->view() && box()->view()->isVisible();
        result.editable = box()->isEditable();
        return result;
    }

    // The drop-down list, and the text box of an editable one.
    int childCount() const override { return box()->isEditable() ? 2 : 1; }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->isEditable())
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        if (child->object() == box()->view())
            return 0;
        if (box()->isEditable() && child->object() == box()->lineEdit())
            return 1;
        return -1;
    }

    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QStringList actionNames() const override
    {
        return QStringList { showMenuAction(), pressAction() } + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == showMenuAction() || actionName == pressAction()) {
            if (box()->view()->isVisible())
                box()->hidePopup();
            else
                box()->showPopup();
        } else {
            QAccessibleWidget::doAction(actionName);
        }
    }

private:
    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }

    QString pickedText() const
    {
        return box()->isEditable() ? box()->lineEdit()->text() : box()->currentText();
    }
};

// A plain frame that lists only the parts a user sees.
class ShownPartsFrame : public QAccessibleWidget
{
public:
    ShownPartsFrame(QWidget *frame, QAccessible::Role role)
        : QAccessibleWidget(frame, role)
    { }

    int childCount() const override { return int(shownChildren().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QAccessibleInterface *> children = shownChildren();
        return index >= 0 && index < children.size() ? children.at(index) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return int(shownChildren().indexOf(const_cast<QAccessibleInterface *>(child)));
    }

private:
    QList<QAccessibleInterface *> shownChildren() const
    {
        QList<QAccessibleInterface *> children;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface *candidate = QAccessibleWidget::child(i);
            if (candidate && !isLeftOut(candidate))
                children << candidate;
        }
        return children;
    }
};

// An option button. Qt's own says the caption of the group box around it
// as its label, and a screen reader says that caption already as the group
// the button lies in: heard twice. The group alone says it here.
class OptionButton : public QAccessibleWidget
{
public:
    explicit OptionButton(QRadioButton *button)
        : QAccessibleWidget(button, QAccessible::RadioButton)
    { }

    QString text(QAccessible::Text t) const override
    {
        // Qt's widget falls back to the group box's caption as the name,
        // so every button of a group would be called after the group.
        if (t == QAccessible::Name) {
            const QString name = button()->accessibleName();
            return name.isEmpty() ? captionWithoutMnemonic() : name;
        }
        QString result = QAccessibleWidget::text(t);
        if (!result.isEmpty())
            return result;
        if (t == QAccessible::Accelerator)
            return QKeySequence::mnemonic(button()->text()).toString(QKeySequence::NativeText);
        return result;
    }

    QAccessible::State state() const override
    {
        QAccessible::State result = QAccessibleWidget::state();
        result.checkable = true;
        result.checked = button()->isChecked() || button()->property(KeptPickProperty).toBool();
        result.pressed = button()->isDown();
        return result;
    }

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override
    {
        QList<QPair<QAccessibleInterface *, QAccessible::Relation>> result;
        const QObject *group = qobject_cast<QGroupBox *>(button()->parentWidget());
        for (const auto &relation : QAccessibleWidget::relations(match)) {
            if (!(relation.second & QAccessible::Label) || !relation.first
                || relation.first->object() != group)
                result << relation;
        }
        return result;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (button()->isEnabled())
            names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == toggleAction() || actionName == pressAction()) {
            if (button()->isEnabled())
                button()->click();
        } else {
            QAccessibleWidget::doAction(actionName);
        }
    }

private:
    QRadioButton *button() const { return static_cast<QRadioButton *>(widget()); }

    // "&&" shows one "&"; a single "&" marks the key and shows nothing.
    QString captionWithoutMnemonic() const
    {
        const QString caption = button()->text();
        QString result;
        for (qsizetype i = 0; i < caption.size(); ++i) {
            if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
                ++i;
            result += caption.at(i);
        }
        return result;
    }
};

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("QComboBox")) {
        if (auto *box = qobject_cast<QComboBox *>(object))
            return new NamedComboBox(box);
    }
    if (className == QLatin1String("QRadioButton")) {
        if (auto *button = qobject_cast<QRadioButton *>(object))
            return new OptionButton(button);
    }
    // Reached only for frames no more particular interface took: plain
    // frames and the screens. They keep the role Qt gives a frame.
    if (className == QLatin1String("QFrame")) {
        if (auto *frame = qobject_cast<QFrame *>(object))
            return new ShownPartsFrame(frame, QAccessible::Border);
    }
    if (className == QLatin1String("QWidget") && object->property(ShownOnlyProperty).toBool())
        return new ShownPartsFrame(static_cast<QWidget *>(object), QAccessible::Client);
    return nullptr;
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Tells the desktop's accessibility bus that `widget`'s description became
// `news`, with the text itself, as a screen reader needs it. Qt up to 6.7 has
// no way to announce, and its Linux bridge (seen in 6.4) sends a description
// change with a reference to the object where the new text belongs, which
// Orca refuses to speak. So the signal goes once more by hand, through the
// bridge's own connection and under the object's path there, as if the
// bridge had sent it right. Without a bridge connected nothing is sent.
bool sendDescriptionToBus(QWidget *widget, const QString &news)
{
    if (!QAccessible::isActive())
        return false;
    // The name under which Qt's bridge opens its connection to the bus.
    QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected())
        return false;
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        return false;
    const QString path = QStringLiteral("/org/a11y/atspi/accessible/")
        + QString::number(QAccessible::uniqueId(face));
    QDBusMessage signal = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    signal.setArguments({ QStringLiteral("accessible-description"), 0, 0,
        QVariant::fromValue(QDBusVariant(news)), QVariantMap() });
    return bus.send(signal);
}
#endif

} // namespace

void announce(QWidget *widget, const QString &news)
{
    // Under news not yet taken back lie the words from before it.
    const QVariant own = widget->property(OwnWordsProperty);
    announce(widget, news, own.isValid() ? own.toString() : widget->accessibleDescription());
}

void announce(QWidget *widget, const QString &news, const QString &ownWords)
{
    if (!widget->property(NewsReleaseProperty).toBool()) {
        widget->setProperty(NewsReleaseProperty, true);
        widget->installEventFilter(new NewsRelease(widget));
    }
    widget->setProperty(NewsProperty, news);
    widget->setProperty(OwnWordsProperty, ownWords);
    // A description set to what it already holds sends nothing.
    if (widget->accessibleDescription() == news)
        widget->setAccessibleDescription(QString());
    widget->setAccessibleDescription(news);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(widget, news);
    QAccessible::updateAccessibility(&announcement);
#else
    sendDescriptionToBus(widget, news);
#endif
}

void tell(QWidget *widget, const QString &news, bool thenOwnWords)
{
    const QString standing = widget->accessibleDescription();
    const QVariant pendingNews = widget->property(NewsProperty);
    const QVariant pendingOwnWords = widget->property(OwnWordsProperty);
    announce(widget, standing.isEmpty() || !thenOwnWords ? news : news + u' ' + standing);
    widget->setAccessibleDescription(standing);
    widget->setProperty(NewsProperty, pendingNews);
    widget->setProperty(OwnWordsProperty, pendingOwnWords);
}

void takeBackNews(QWidget *widget)
{
    const QVariant own = widget->property(OwnWordsProperty);
    if (!own.isValid())
        return;
    // A screen that set new words of its own meanwhile keeps them.
    if (widget->accessibleDescription() == widget->property(NewsProperty).toString())
        widget->setAccessibleDescription(own.toString());
    widget->setProperty(NewsProperty, QVariant());
    widget->setProperty(OwnWordsProperty, QVariant());
}

void installInterfaces()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    // A factory installed later is asked first, so these come before Qt's.
    QAccessible::installFactory(interfaceFor);
}

void keepPickHeard(QAbstractButton *button)
{
    installInterfaces();
    if (!button->property(KeptPickProperty).isValid())
        button->installEventFilter(new PickRelease(button));
    button->setProperty(KeptPickProperty, true);
}

void tellPicks(QComboBox *box)
{
    installInterfaces();
    tellValueChanges(box);
}

void leavePicksToItsScreen(QComboBox *box)
{
    box->setProperty(OwnPicksProperty, true);
}

void listShownPartsOnly(QWidget *area)
{
    installInterfaces();
    area->setProperty(ShownOnlyProperty, true);
}

void markDecorative(QWidget *picture)
{
    installInterfaces();
    picture->setProperty(DecorativeProperty, true);
    picture->setAccessibleName(QString());
}

} // namespace access
