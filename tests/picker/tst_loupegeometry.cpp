#include "picker/loupegeometry.h"

#include <QTest>

using namespace loupegeometry;

class TstLoupeGeometry : public QObject
{
    Q_OBJECT
private slots:
    void staysBesideThePointer_data()
    {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("middle: below right") << QPoint(600, 500) << QPoint(632, 532);
        QTest::newRow("right edge: left") << QPoint(1270, 500) << QPoint(1270 - 32 - 90, 532);
        QTest::newRow("bottom edge: above") << QPoint(600, 1020) << QPoint(632, 1020 - 32 - 108);
        QTest::newRow("corner: above left")
            << QPoint(1279, 1023) << QPoint(1279 - 32 - 90, 1023 - 32 - 108);
        QTest::newRow("top left corner") << QPoint(0, 0) << QPoint(32, 32);
    }
    void staysBesideThePointer()
    {
        QFETCH(QPoint, pointer);
        QFETCH(QPoint, expected);
        const QSize size(90, 108);
        const QRect screen(0, 0, 1280, 1024);
        const QPoint got = placement(pointer, size, screen, 32);
        QCOMPARE(got, expected);
        QVERIFY(screen.contains(QRect(got, size)));
        QVERIFY(!QRect(got, size).contains(pointer));
    }

    void neverOverThePointerOnATinyScreen()
    {
        const QSize size(90, 108);
        const QRect tiny(0, 0, 100, 100);
        for (int x = 0; x < 100; x += 7) {
            for (int y = 0; y < 100; y += 7) {
                const QRect at(placement(QPoint(x, y), size, tiny, 32), size);
                QVERIFY(!at.adjusted(-31, -31, 31, 31).contains(QPoint(x, y)));
            }
        }
    }

    void magnifiesEveryPixelAndOutlinesTheCentre()
    {
        QImage patch(kSpan, kSpan, QImage::Format_RGB32);
        for (int y = 0; y < kSpan; ++y)
            for (int x = 0; x < kSpan; ++x)
                patch.setPixel(x, y, qRgb(x * 20, y * 20, 100));
        const QImage big = magnify(patch, kZoom);
        QCOMPARE(big.size(), QSize(kSpan * kZoom, kSpan * kZoom));
        // Every screen pixel fills its square (away from the outline), its first row and
        // column darkened by the grid.
        QCOMPARE(big.pixel(1, 1), patch.pixel(0, 0));
        QVERIFY(qRed(big.pixel(kZoom * 4, 1)) < qRed(big.pixel(kZoom * 4 + 1, 1)));
        QVERIFY(qGreen(big.pixel(1, kZoom * 4)) < qGreen(big.pixel(1, kZoom * 4 + 1)));
        QCOMPARE(big.pixel(kZoom * 3 + 4, kZoom * 9 + 7), patch.pixel(3, 9));
        QCOMPARE(big.pixel(kZoom * 10 + 7, kZoom * 10 + 7), patch.pixel(10, 10));
        // The centre square keeps its colour inside a black and a white line.
        const int c = kSpan / 2 * kZoom;
        QCOMPARE(big.pixel(c + kZoom / 2, c + kZoom / 2), patch.pixel(5, 5));
        QCOMPARE(big.pixel(c - 1, c + kZoom / 2), qRgb(0, 0, 0));
        QCOMPARE(big.pixel(c - 2, c + kZoom / 2), qRgb(255, 255, 255));
        QCOMPARE(big.pixel(c + kZoom, c + kZoom / 2), qRgb(0, 0, 0));
    }

    void theWheelStepsThroughZoomLevels()
    {
        // Each level shows an odd number of pixels (the pointer's in the middle) in about
        // the same room, and the default level is the one the loupe always had.
        QCOMPARE(spanFor(kZoom), kSpan);
        for (int zoom : kZooms) {
            const int span = spanFor(zoom);
            QVERIFY(span % 2 == 1 && span * zoom <= kViewSide && (span + 2) * zoom > kViewSide);
            QImage patch(span, span, QImage::Format_RGB32);
            patch.fill(qRgb(200, 200, 200));
            const QImage big = magnify(patch, zoom);
            QCOMPARE(big.size(), QSize(span * zoom, span * zoom));
            // No grid on the smallest levels, where it would hide the pixels.
            QCOMPARE(big.pixel(0, 0) == patch.pixel(0, 0), zoom < kGridFrom);
        }
        QCOMPARE(zoomedBy(kZoom, 1), 12);
        QCOMPARE(zoomedBy(kZoom, -2), 4);
        QCOMPARE(zoomedBy(16, 3), 16);
        QCOMPARE(zoomedBy(3, -1), 3);

        // A touchpad's small steps add up to notches; what is left waits for the next event.
        int pending = 0;
        QCOMPARE(wheelNotches(pending, 40), 0);
        QCOMPARE(wheelNotches(pending, 40), 0);
        QCOMPARE(wheelNotches(pending, 60), 1);
        QCOMPARE(pending, 20);
        QCOMPARE(wheelNotches(pending, -380), -3);
        QCOMPARE(pending, 0);
    }
};

QTEST_MAIN(TstLoupeGeometry)
#include "tst_loupegeometry.moc"
