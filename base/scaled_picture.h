#pragma once

#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

// Keeps the screens on a window's client area as one picture of the design
// size, grown by the largest factor that fits and centred: the place and
// the font of every control follow the client's size. Screens whose frame
// has a layout are left to it, and only take the room beyond the design
// size, with their own fonts.
class ScaledPicture : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScaledPicture)

public:
    // Follows `client`, whose children are screen frames or plain widgets
    // holding them, from now on; `design` is the client's design size.
    ScaledPicture(QWidget *client, const QSize &design);
    ~ScaledPicture() override;

    qreal factor() const { return m_factor; }
    // Places everything for the client's present size.
    void apply();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_client = nullptr;
    QSize m_design;
    qreal m_factor = 1;
};

namespace designscale {

// The place a widget has at the design size; where it lies now for a
// widget no picture has seen yet.
QRect designGeometry(const QWidget *widget);

// Gives `widget` a new place at the design size and puts it there at the
// factor of the picture it lies in, so that a later scale keeps it.
void setDesignGeometry(QWidget *widget, const QRect &design);

// The factor the widget's picture is drawn at: 1 outside one, and inside a
// screen that a layout arranges.
qreal factorAt(const QWidget *widget);

} // namespace designscale
