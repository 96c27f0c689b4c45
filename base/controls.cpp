#include "base/controls.h"

#include "base/accessibility.h"
#include "base/fixed_row_list.h"
#include "base/invisible_characters.h"
#include "base/scaled_picture.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPixmapCache>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringList>
#include <QTimer>
#include <QValidator>

namespace controls {

namespace {

constexpr double TwipsPerPixel = 15.0;

int toPixels(int twips)
{
    return qRound(twips / TwipsPerPixel);
}

template<typename Widget> Widget *place(Widget *widget, const QString &name, const QRect &geometry)
{
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

// Strips invisible characters in place instead of rejecting the edit: a
// rejecting validator would make a whole paste fail.
class InvisibleCharacterStripper : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        input = tutor::withoutInvisibleCharacters(input, &pos);
        return Acceptable;
    }
};

// A picture among the resources, all PNG files. Named so, the reader goes
// straight to its PNG decoder instead of first loading every image plugin to
// ask whether one reads the file better, which would cost the splash as long
// as its own title. Kept in the pixmap cache, so that the screens showing the
// same sign share one copy.
QPixmap resourcePixmap(const QString &resource)
{
    QPixmap pixmap;
    if (QPixmapCache::find(resource, &pixmap))
        return pixmap;
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    pixmap = QPixmap::fromImageReader(&reader);
    if (!pixmap.isNull())
        QPixmapCache::insert(resource, pixmap);
    return pixmap;
}

// QPixmap never picks an @2x file by itself, though one loaded by that name
// takes ratio 2 and so keeps its size on screen. QIcon's pick at ratios such
// as 1.25 comes out a fraction of a pixel smaller. The application's ratio is
// asked because a label is made before its window knows its screen.
QPixmap sharpestPixmap(const QString &resource)
{
    if (qGuiApp->devicePixelRatio() > 1.0) {
        const int dot = resource.lastIndexOf(QLatin1Char('.'));
        const QPixmap doubled
            = resourcePixmap(resource.left(dot) + QLatin1String("@2x") + resource.mid(dot));
        if (!doubled.isNull())
            return doubled;
    }
    return resourcePixmap(resource);
}

// Sets a widget's texts again after each change of language.
class LanguageFollower : public QObject
{
public:
    LanguageFollower(QObject *parent, std::function<void()> setTexts)
        : QObject(parent)
        , m_setTexts(std::move(setTexts))
    { }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            m_setTexts();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_setTexts;
};

} // namespace

QRect twips(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

void setUpScreen(QFrame *screen, const QString &name, const QRect &geometry)
{
    // Before anything on a screen is asked what it says.
    access::installInterfaces();
    place(screen, name, geometry);
    screen->setAutoFillBackground(true);
}

QFrame *frame(QWidget *parent, const QString &name, const QRect &geometry, QFrame::Shape shape)
{
    auto *result = place(new QFrame(parent), name, geometry);
    result->setFrameShape(shape);
    if (shape != QFrame::NoFrame)
        result->setFrameShadow(QFrame::Sunken);
    return result;
}

QGroupBox *groupBox(
    QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    return place(new QGroupBox(caption, parent), name, geometry);
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *result = place(new QLabel(text, parent), name, geometry);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    result->setWordWrap(true);
    result->setTextFormat(Qt::PlainText);
    return result;
}

QLabel *picture(
    QWidget *parent, const QString &name, const QString &resource, const QRect &geometry)
{
    auto *result = place(new QLabel(parent), name, geometry);
    result->setPixmap(sharpestPixmap(resource));
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return result;
}

void setPicture(QLabel *picture, const QString &resource)
{
    // Drawn as large as the picture the label lies in.
    QPixmap pixmap = sharpestPixmap(resource);
    const qreal factor = designscale::factorAt(picture);
    if (factor != 1)
        pixmap.setDevicePixelRatio(pixmap.devicePixelRatio() / factor);
    picture->setPixmap(pixmap);
}

QLineEdit *textBox(QWidget *parent, const QString &name, int maxLength, const QRect &geometry)
{
    auto *result = place(new QLineEdit(parent), name, geometry);
    if (maxLength > 0)
        result->setMaxLength(maxLength);
    dropInvisibleCharacters(result);
    return result;
}

QPushButton *button(
    QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *result = place(new QPushButton(caption, parent), name, geometry);
    // Enter on a focused button presses it, as on every desktop dialog.
    result->setAutoDefault(true);
    return result;
}

QRadioButton *optionButton(
    QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    return place(new QRadioButton(caption, parent), name, geometry);
}

QCheckBox *checkBox(
    QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    return place(new QCheckBox(caption, parent), name, geometry);
}

QComboBox *comboBox(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *box = new QComboBox(parent);
    access::tellPicks(box);
    return place(box, name, geometry);
}

void refill(QComboBox *box, const QList<std::pair<QString, QVariant>> &entries)
{
    box->clear();
    for (const auto &[text, data] : entries)
        box->addItem(text, data);
    // Adding picks the first entry; a fresh list has nothing picked yet.
    box->setCurrentIndex(-1);
}

FixedRowList *listBox(QWidget *parent, const QString &name, const QRect &geometry)
{
    // Appending costs the same however long the list grows.
    return place(new FixedRowList(FixedRowList::oneLineRowHeight(parent), parent), name, geometry);
}

QTimer *timer(QObject *parent, const QString &name, int intervalMs)
{
    auto *result = new QTimer(parent);
    result->setObjectName(name);
    result->setInterval(intervalMs);
    return result;
}

QFont font(const QString &family, qreal pointSize, bool bold)
{
    QFont result(family);
    result.setPointSizeF(pointSize);
    result.setBold(bold);
    return result;
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->foregroundRole(), colour);
    widget->setPalette(palette);
}

void dropInvisibleCharacters(QLineEdit *box)
{
    box->setValidator(new InvisibleCharacterStripper(box));
}

void emptyBox(QLineEdit *box)
{
    box->setText(QString());
}

void scrollTogether(const QList<FixedRowList *> &lists)
{
    for (FixedRowList *list : lists) {
        QObject::connect(
            list->verticalScrollBar(), &QScrollBar::valueChanged, list, [lists](int value) {
                for (FixedRowList *other : lists)
                    other->verticalScrollBar()->setValue(value);
            });
    }
}

bool isEnterPress(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

void setShown(std::initializer_list<QWidget *> widgets, bool shown)
{
    for (QWidget *widget : widgets)
        widget->setVisible(shown);
}

void showOnly(std::initializer_list<QWidget *> group, const QWidget *shown)
{
    for (QWidget *widget : group)
        widget->setVisible(widget == shown);
}

void keepTranslated(QWidget *widget, std::function<void()> setTexts)
{
    setTexts();
    widget->installEventFilter(new LanguageFollower(widget, std::move(setTexts)));
}

} // namespace controls
