#include "base/scaled_picture.h"

#include "base/design_scale.h"
#include "base/text_fit.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPixmap>
#include <QVariant>
#include <QWidget>

namespace {

const char DesignPlace[] = "designGeometry";
const char DesignFont[] = "designFont";
const char DesignRatio[] = "designPixelRatio";
// On the client: the factor its picture is drawn at now.
const char PictureFactor[] = "designFactor";

// Widgets whose children are their own business: a list's viewport, a
// combo box's field.
bool keepsItsInsides(const QWidget *widget)
{
    return widget->layout() || qobject_cast<const QAbstractScrollArea *>(widget)
        || qobject_cast<const QComboBox *>(widget) || qobject_cast<const QLineEdit *>(widget)
        || qobject_cast<const QAbstractSpinBox *>(widget);
}

QList<QWidget *> childWidgets(const QWidget *parent)
{
    QList<QWidget *> children;
    for (QObject *child : parent->children()) {
        if (child->isWidgetType() && !static_cast<QWidget *>(child)->isWindow())
            children << static_cast<QWidget *>(child);
    }
    return children;
}

// Notes the widget's design place and font the first time it is seen.
void remember(QWidget *widget)
{
    if (!widget->property(DesignPlace).isValid())
        widget->setProperty(DesignPlace, widget->geometry());
    if (widget->testAttribute(Qt::WA_SetFont) && !widget->property(DesignFont).isValid())
        widget->setProperty(DesignFont, widget->font());
}

void scaleFont(QWidget *widget, qreal factor)
{
    const QVariant design = widget->property(DesignFont);
    if (!design.isValid())
        return;
    QFont font = design.value<QFont>();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    if (font != widget->font() || !widget->testAttribute(Qt::WA_SetFont))
        widget->setFont(font);
}

// A picture grows with its label: the same pixels, spread wider.
void scalePixmap(QWidget *widget, qreal factor)
{
    auto *label = qobject_cast<QLabel *>(widget);
    if (!label || label->pixmap().isNull())
        return;
    QPixmap pixmap = label->pixmap();
    if (!label->property(DesignRatio).isValid())
        label->setProperty(DesignRatio, pixmap.devicePixelRatio());
    const qreal ratio = label->property(DesignRatio).toReal() / factor;
    if (!qFuzzyCompare(pixmap.devicePixelRatio(), ratio)) {
        pixmap.setDevicePixelRatio(ratio);
        label->setPixmap(pixmap);
    }
}

// Every widget inside a frame drawn as part of the picture, at `factor`.
void scaleInside(QWidget *parent, qreal factor)
{
    if (keepsItsInsides(parent))
        return;
    for (QWidget *child : childWidgets(parent)) {
        // Its own font first, not one fitting gave it.
        textfit::restart(child);
        remember(child);
        child->setGeometry(designscale::scaled(child->property(DesignPlace).toRect(), factor));
        scaleFont(child, factor);
        scalePixmap(child, factor);
        scaleInside(child, factor);
    }
}

} // namespace

ScaledPicture::ScaledPicture(QWidget *client, const QSize &design)
    : QObject(client)
    , m_client(client)
    , m_design(design)
{
    client->installEventFilter(this);
    client->setProperty(PictureFactor, m_factor);
}

ScaledPicture::~ScaledPicture() = default;

bool ScaledPicture::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        apply();
    return QObject::eventFilter(watched, event);
}

void ScaledPicture::apply()
{
    // The design font of the client, and of each frame a layout arranges,
    // before the client's font grows: those frames keep it.
    QList<std::pair<QWidget *, QList<QWidget *>>> holders;
    for (QWidget *child : childWidgets(m_client)) {
        const bool holdsFrames = !qobject_cast<QFrame *>(child) && !child->layout();
        if (holdsFrames && childWidgets(child).isEmpty())
            continue;
        holders.append({ child, holdsFrames ? childWidgets(child) : QList<QWidget *> { child } });
    }
    if (!m_client->property(DesignFont).isValid())
        m_client->setProperty(DesignFont, m_client->font());
    for (const auto &[holder, frames] : std::as_const(holders)) {
        remember(holder);
        for (QWidget *frame : frames) {
            textfit::restart(frame);
            remember(frame);
            if (frame->layout() && !frame->property(DesignFont).isValid())
                frame->setProperty(DesignFont, frame->font());
        }
    }

    const QSize room = m_client->size();
    m_factor = designscale::fittingFactor(m_design, room);
    m_client->setProperty(PictureFactor, m_factor);
    const QPoint origin = designscale::centredOrigin(m_design, m_factor, room);
    scaleFont(m_client, m_factor);
    // A frame's place in the client: the picture's, or for a frame a layout
    // arranges, the room beyond the design size.
    auto placeInClient = [&](QWidget *frame, const QRect &design) {
        if (frame->layout())
            return designscale::grown(design, m_design, room);
        return designscale::scaled(design, m_factor).translated(origin);
    };
    for (const auto &[holder, frames] : std::as_const(holders)) {
        const QRect design = holder->property(DesignPlace).toRect();
        // A holder covers the frames it holds, wherever they now lie.
        const QPoint offset = frames.first() == holder ? QPoint() : design.topLeft();
        QList<QRect> places;
        QRect covered;
        for (QWidget *frame : frames) {
            places << placeInClient(
                frame, frame->property(DesignPlace).toRect().translated(offset));
            covered |= places.last();
        }
        if (frames.first() != holder)
            holder->setGeometry(covered.isEmpty() ? placeInClient(holder, design) : covered);
        else
            covered = QRect();
        for (qsizetype at = 0; at < frames.size(); ++at) {
            QWidget *frame = frames.at(at);
            frame->setGeometry(places.at(at).translated(-covered.topLeft()));
            scaleFont(frame, frame->layout() ? 1 : m_factor);
            scaleInside(frame, m_factor);
        }
    }
}

namespace designscale {

QRect designGeometry(const QWidget *widget)
{
    const QVariant design = widget->property(DesignPlace);
    return design.isValid() ? design.toRect() : widget->geometry();
}

qreal factorAt(const QWidget *widget)
{
    for (const QWidget *ancestor = widget->parentWidget(); ancestor && !ancestor->isWindow();
         ancestor = ancestor->parentWidget()) {
        const QVariant factor = ancestor->property(PictureFactor);
        if (factor.isValid())
            return factor.toReal();
        if (ancestor->layout())
            return 1;
    }
    return 1;
}

void setDesignGeometry(QWidget *widget, const QRect &design)
{
    widget->setProperty(DesignPlace, design);
    textfit::restart(widget);
    widget->setGeometry(scaled(design, factorAt(widget)));
}

} // namespace designscale
