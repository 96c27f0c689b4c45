#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The arithmetic of a window drawn as one picture: every place and font of
// the design size is multiplied by one factor, and the picture stands in
// the middle of the room the window gives it.
namespace designscale {

// The largest factor at which `design` still fits in `room`, both ways.
qreal fittingFactor(const QSize &design, const QSize &room);

// `design` at `factor`. Each edge is rounded on its own, so places that
// touch at the design size still touch, and nothing moves at a factor of 1.
QRect scaled(const QRect &design, qreal factor);
QSize scaled(const QSize &design, qreal factor);

// Where the picture's top left lies so that the picture of `design` at
// `factor` stands in the middle of `room`.
QPoint centredOrigin(const QSize &design, qreal factor, const QSize &room);

// A place whose widgets a layout arranges: it keeps its margins to the
// room's edges and takes whatever the room has beyond the design size.
QRect grown(const QRect &design, const QSize &designRoom, const QSize &room);

} // namespace designscale
