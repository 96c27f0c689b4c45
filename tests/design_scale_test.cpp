#include "base/design_scale.h"

#include <QtTest>

// The picture's arithmetic: one factor for the whole client area, places
// that touch still touching, nothing moved at the design size.
class DesignScaleTest : public QObject
{
    Q_OBJECT

private slots:
    void pictureFillsTheRoomItFits_data();
    void pictureFillsTheRoomItFits();
};

void DesignScaleTest::pictureFillsTheRoomItFits_data()
{
    QTest::addColumn<QSize>("room");
    QTest::addColumn<qreal>("factor");
    QTest::addColumn<QPoint>("origin");
    QTest::addColumn<QRect>("place"); // where the frame at (-8, -8, 329, 333) lands
    QTest::addColumn<QRect>("laidOut"); // where a whole-client frame a layout fills lands

    QTest::newRow("design size") << QSize(694, 317) << 1.0 << QPoint(0, 0)
                                 << QRect(-8, -8, 329, 333) << QRect(-8, -8, 710, 333);
    QTest::newRow("150 %") << QSize(1041, 476) << 1.5 << QPoint(0, 0) << QRect(-12, -12, 494, 500)
                           << QRect(-8, -8, 1057, 492);
    QTest::newRow("twice") << QSize(1388, 634) << 2.0 << QPoint(0, 0) << QRect(-16, -16, 658, 666)
                           << QRect(-8, -8, 1404, 650);
    QTest::newRow("wider than tall: centred across")
        << QSize(1920, 634) << 2.0 << QPoint(266, 0) << QRect(250, -16, 658, 666)
        << QRect(-8, -8, 1936, 650);
    QTest::newRow("taller than wide: centred down")
        << QSize(1041, 1000) << 1.5 << QPoint(0, 262) << QRect(-12, 250, 494, 500)
        << QRect(-8, -8, 1057, 1016);
    QTest::newRow("smaller than the design") << QSize(347, 159) << 0.5 << QPoint(0, 0)
                                             << QRect(-4, -4, 165, 167) << QRect(-8, -8, 710, 333);
}

void DesignScaleTest::pictureFillsTheRoomItFits()
{
    QFETCH(QSize, room);
    QFETCH(qreal, factor);
    QFETCH(QPoint, origin);
    QFETCH(QRect, place);
    QFETCH(QRect, laidOut);
    const QSize design(694, 317);
    QCOMPARE(designscale::fittingFactor(design, room), factor);
    QCOMPARE(designscale::centredOrigin(design, factor, room), origin);
    const QRect frame(-8, -8, 329, 333);
    QCOMPARE(designscale::scaled(frame, factor).translated(origin), place);
    QCOMPARE(designscale::grown(QRect(-8, -8, 710, 333), design, room), laidOut);
    // Neighbours that touch at the design size touch at every size.
    const QRect right(frame.right() + 1, -8, 385, 333);
    QCOMPARE(
        designscale::scaled(right, factor).left(), designscale::scaled(frame, factor).right() + 1);
}

QTEST_APPLESS_MAIN(DesignScaleTest)
#include "design_scale_test.moc"
