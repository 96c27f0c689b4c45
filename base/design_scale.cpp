#include "base/design_scale.h"

#include <QtMath>

namespace designscale {

qreal fittingFactor(const QSize &design, const QSize &room)
{
    if (design.isEmpty() || room.isEmpty())
        return 1;
    return qMin(qreal(room.width()) / design.width(), qreal(room.height()) / design.height());
}

QRect scaled(const QRect &design, qreal factor)
{
    const int left = qRound(design.x() * factor);
    const int top = qRound(design.y() * factor);
    const int right = qRound((design.x() + design.width()) * factor);
    const int bottom = qRound((design.y() + design.height()) * factor);
    return QRect(left, top, right - left, bottom - top);
}

QSize scaled(const QSize &design, qreal factor)
{
    return scaled(QRect(QPoint(0, 0), design), factor).size();
}

QPoint centredOrigin(const QSize &design, qreal factor, const QSize &room)
{
    const QSize picture = scaled(design, factor);
    return QPoint((room.width() - picture.width()) / 2, (room.height() - picture.height()) / 2);
}

QRect grown(const QRect &design, const QSize &designRoom, const QSize &room)
{
    const QSize extra = (room - designRoom).expandedTo(QSize(0, 0));
    return design.adjusted(0, 0, extra.width(), extra.height());
}

} // namespace designscale
