#include "platform/screenservices.h"
#include "support/memoryscreenservices.h"

#include <QTest>

// The coordinate rules every back end shares, worked out from its monitors alone: a monitor at
// scale 1 beside a shorter one at scale 2 (physical 1280..2559 x 0..767).
class TstScreenServices : public QObject
{
    Q_OBJECT

private slots:
    void pointsMapByTheMonitorTheyAreOn()
    {
        MemoryScreen screen;
        screen.setAreas({ { QRect(0, 0, 1280, 1024), 1.0 }, { QRect(1280, 0, 640, 384), 2.0 } });
        QCOMPARE(screen.virtualGeometryPhysical(), QRect(0, 0, 2560, 1024));
        QCOMPARE(screen.toPhysical(QPoint(1281, 1)), QPoint(1282, 2));
        // Both physical pixels of a logical one map back to it.
        QCOMPARE(screen.toLogical(QPoint(1282, 2)), QPoint(1281, 1));
        QCOMPARE(screen.toLogical(QPoint(1283, 3)), QPoint(1281, 1));
        QCOMPARE(screen.toLogical(QPoint(700, 900)), QPoint(700, 900));
        // Below the short monitor: no monitor holds the point.
        QCOMPARE(screen.toLogical(QPoint(2000, 900)), QPoint(2000, 900));
        // A point on no monitor belongs to the primary one, but a rectangle's corner there
        // takes the scale of the nearest monitor, the one whose bottom edge it lies on.
        QCOMPARE(screen.areaAt(QPoint(1700, 500)).dpr, 1.0);
        QCOMPARE(screen.devicePixelRatioAt(QPoint(1700, 500)), 2.0);
    }

    void pixelsOffEveryMonitorAreUnreadable()
    {
        MemoryScreen screen;
        screen.setAreas({ { QRect(0, 0, 1280, 1024), 1.0 }, { QRect(1280, 0, 640, 384), 2.0 } });
        screen.fill(QRect(0, 0, 2560, 1024), QColor(0x10, 0x20, 0x30));
        QCOMPARE(screen.pixel(QPoint(2559, 767)), 0x302010);
        QCOMPARE(screen.pixel(QPoint(2559, 768)), -1);
        QCOMPARE(screen.grab(QRect(2558, 766, 2, 4)).pixel(1, 3), qRgb(0, 0, 0));
        QCOMPARE(screen.pixel(QPoint(-1, 0)), -1);
    }

    void installedServicesServeForTheirLifetime()
    {
        ScreenServices *session = &ScreenServices::current();
        {
            MemoryScreenServices memory;
            QCOMPARE(&ScreenServices::current(), &memory);
        }
        QCOMPARE(&ScreenServices::current(), session);
    }
};

QTEST_APPLESS_MAIN(TstScreenServices)
#include "tst_screenservices.moc"
