#include "capture/captureformat.h"
#include "capture/regionselection.h"

#include <QTest>

using captureformat::Entry;

class TstCaptureSelection : public QObject
{
    Q_OBJECT

    static QRectF rectOf(const RegionSelection &s)
    {
        const auto &r = s.shape();
        return QRectF(r.left, r.top, r.width, r.height);
    }

private slots:
    void dragNormalisesInEveryDirection_data()
    {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<QRectF>("expected");
        QTest::newRow("up-left") << QPointF(3000, 2000) << QPointF(1500, 1000)
                                 << QRectF(1500, 1000, 1500, 1000);
        QTest::newRow("down-right")
            << QPointF(1500, 1000) << QPointF(3000, 2000) << QRectF(1500, 1000, 1500, 1000);
        QTest::newRow("down-left")
            << QPointF(3000, 1000) << QPointF(1500, 2000) << QRectF(1500, 1000, 1500, 1000);
        QTest::newRow("up-right") << QPointF(1500, 2000) << QPointF(3000, 1000)
                                  << QRectF(1500, 1000, 1500, 1000);
    }
    void dragNormalisesInEveryDirection()
    {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(QRectF, expected);
        RegionSelection s;
        s.press(float(from.x()), float(from.y()));
        QCOMPARE(rectOf(s), QRectF(from.x(), from.y(), 0, 0));
        QVERIFY(s.move(float(to.x()), float(to.y()), 19200, 15360));
        QCOMPARE(rectOf(s), expected);
    }

    void crossingBackOverTheAnchorSpansAnchorToPointer()
    {
        RegionSelection s;
        s.press(3000, 3000);
        s.move(1500, 1500, 19200, 15360);
        QCOMPARE(rectOf(s), QRectF(1500, 1500, 1500, 1500));
        // Back past the anchor: the corner follows the anchor again instead of staying where
        // the leftward drag had put it.
        s.move(3600, 3300, 19200, 15360);
        QCOMPARE(rectOf(s), QRectF(3000, 3000, 600, 300));
    }

    void pointerOnTheAnchorAxisKeepsThatSide()
    {
        RegionSelection s;
        s.press(1500, 1500);
        s.move(3000, 2250, 19200, 15360);
        s.move(1500, 3000, 19200, 15360); // same X as the anchor: width and left kept
        QCOMPARE(rectOf(s), QRectF(1500, 1500, 1500, 1500));
    }

    void positionsOutsideTheClientAreaAreIgnored()
    {
        RegionSelection s;
        s.press(150, 150);
        QVERIFY(s.move(600, 600, 1200, 900));
        QVERIFY(!s.move(1215, 300, 1200, 900));
        QVERIFY(!s.move(300, -15, 1200, 900));
        QCOMPARE(rectOf(s), QRectF(150, 150, 450, 450));
        // The edges themselves are inside.
        QVERIFY(s.move(1200, 900, 1200, 900));
        QCOMPARE(rectOf(s), QRectF(150, 150, 1050, 750));
        QVERIFY(s.move(0, 0, 1200, 900));
        QCOMPARE(rectOf(s), QRectF(0, 0, 150, 150));
    }

    void rowIsRoundedHalfToEvenAndNeverOverflows()
    {
        RegionSelection s;
        s.press(0, 0);
        s.move(100, 2000.5f, 19200, 100000);
        QCOMPARE(s.shape().height, 2000.0f);
        s.move(100, 2001.5f, 19200, 100000);
        QCOMPARE(s.shape().height, 2002.0f);
        // A screen taller than 2184 pixels gives rows beyond 16 bits.
        s.move(100, 40000, 19200, 100000);
        QCOMPARE(s.shape().height, 40000.0f);
    }

    void sourceStartsOnePixelInsideTheOutline()
    {
        RegionSelection::Shape shape { 1500, 1500, 1500, 750 };
        const auto src = RegionSelection::sourceOf(shape, 15, 15);
        QCOMPARE(src.widthTwips, 1500);
        QCOMPARE(src.heightTwips, 750);
        QCOMPARE(src.pixels, QRect(101, 101, 100, 50));
    }

    void sourceRoundsTwipsToPixels()
    {
        // 22.5 twips + 15 = 37.5 -> 38 twips -> 2.53 px -> 3; sizes round half to even.
        RegionSelection::Shape shape { 22.5f, 7.5f, 37.5f, 22.5f };
        const auto src = RegionSelection::sourceOf(shape, 15, 15);
        QCOMPARE(src.widthTwips, 38);
        QCOMPARE(src.heightTwips, 22);
        QCOMPARE(src.pixels, QRect(3, 1, 3, 1));
        // A Ctrl + click without movement gives an empty region.
        const auto empty = RegionSelection::sourceOf({ 300, 300, 0, 0 }, 15, 15);
        QVERIFY(empty.pixels.isEmpty());
        QCOMPARE(empty.pixels.topLeft(), QPoint(21, 21));
    }

    void formatCodesCheckTheirEntry_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("quality");
        QTest::addColumn<QString>("extension");
        QTest::newRow("BMP") << "BMP" << int(Entry::Bmp) << -1 << "BMP";
        QTest::newRow("GIF") << "GIF" << int(Entry::Gif) << -1 << "GIF";
        QTest::newRow("JPG is quality 0") << "JPG" << int(Entry::Jpg0) << 0 << "JPG";
        QTest::newRow("JPG25") << "JPG25" << int(Entry::Jpg25) << 25 << "JPG";
        QTest::newRow("JPG50") << "JPG50" << int(Entry::Jpg50) << 50 << "JPG";
        QTest::newRow("JPG75") << "JPG75" << int(Entry::Jpg75) << 75 << "JPG";
        QTest::newRow("PNG") << "PNG" << int(Entry::Png) << -1 << "PNG";
        QTest::newRow("TIF") << "TIF" << int(Entry::Tif) << -1 << "TIF";
        QTest::newRow("lower case is unknown") << "png" << int(Entry::None) << -1 << "png";
        QTest::newRow("JPG100 is unknown") << "JPG100" << int(Entry::None) << -1 << "JPG";
        QTest::newRow("empty") << "" << int(Entry::None) << -1 << "";
    }
    void formatCodesCheckTheirEntry()
    {
        QFETCH(QString, code);
        QFETCH(int, entry);
        QFETCH(int, quality);
        QFETCH(QString, extension);
        const Entry e = captureformat::entryForCode(code);
        QCOMPARE(int(e), entry);
        QCOMPARE(int(captureformat::qualityOf(e)), quality);
        QCOMPARE(captureformat::extensionOf(code), extension);
        if (e != Entry::None)
            QCOMPARE(captureformat::codeOf(e), code);
    }
};

QTEST_APPLESS_MAIN(TstCaptureSelection)
#include "tst_captureselection.moc"
