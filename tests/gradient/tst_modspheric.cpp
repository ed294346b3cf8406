#include "gradient/modspheric.h"

#include <QImage>
#include <QTest>

#include <cmath>

using namespace modSpheric;

namespace {

constexpr int32_t kYellow = 0x00FFFF;
constexpr int32_t kOrange = 0x0080FF;
constexpr QRgb kWhite = 0xFFFFFFFF;

SpherePlan plan(int32_t w, int32_t h, uint8_t percentage = 100, int16_t a1 = 0, int16_t a2 = 360)
{
    SpherePlan p;
    const SphereError e = planSphere({0, 0, w, h}, percentage, a1, a2, kYellow, kOrange, p);
    if (e != SphereError::None)
        qFatal("unexpected failure for %d x %d", w, h);
    return p;
}

QImage whiteImage(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(kWhite);
    return img;
}

int32_t bgrAt(const QImage &img, int x, int y)
{
    const QRgb c = img.pixel(x, y);
    return qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16);
}

} // namespace

class TstModSpheric : public QObject
{
    Q_OBJECT
private slots:
    void binaryDigits()
    {
        QCOMPARE(ToBinary(5, 0).value(), QStringLiteral("101"));
        QCOMPARE(ToBinary(-5, 0).value(), QStringLiteral("101"));
        QCOMPARE(ToBinary(0, 0).value(), QStringLiteral("0"));
        QCOMPARE(ToBinary(0, 8).value(), QStringLiteral("00000000"));
        QCOMPARE(ToBinary(255, 32).value(), QString(24, u'0') + QString(8, u'1'));
        QCOMPARE(ToBinary(256, 9).value(), QStringLiteral("100000000")); // exactly the width
        QCOMPARE(ToBinary(4294967295.0, 32).value(), QString(32, u'1'));
        // No room for the digits, a negative width, and values whose next power of two
        // cannot be formed all fail instead of looping or padding wrongly.
        QVERIFY(!ToBinary(256, 8));
        QVERIFY(!ToBinary(1, -1));
        QVERIFY(!ToBinary(1e308, 0));
        QVERIFY(!ToBinary(qInf(), 0));
        QCOMPARE(ToBinary(qQNaN(), 0).value(), QStringLiteral("0"));
    }

    void digitTextsToNumbers()
    {
        QCOMPARE(FromBinary(QStringLiteral("101")).value(), 5.0);
        QCOMPARE(FromBinary(QString()).value(), 0.0);
        QCOMPARE(FromBinary(QStringLiteral("1x1")).value(), 5.0); // not a digit: 0
        QCOMPARE(FromBinary(QStringLiteral("12")).value(), 4.0);  // a digit counts its value
        QCOMPARE(FromBinary(QString(1024, u'1')).has_value(), true);
        QVERIFY(!FromBinary(QString(1025, u'0')));
        for (double v : {0.0, 1.0, 6.0, 255.0, 1193046.0, 2147483648.0})
            QCOMPARE(FromBinary(ToBinary(v, 0).value()).value(), v);
    }

    void componentsAreTheColourBytes()
    {
        QCOMPARE(GetRed(0x123456), int16_t(0x56));
        QCOMPARE(GetGreen(0x123456), int16_t(0x34));
        QCOMPARE(GetBlue(0x123456), int16_t(0x12));
        QCOMPARE(GetRed(kOrange), int16_t(255));
        QCOMPARE(GetGreen(kOrange), int16_t(128));
        QCOMPARE(GetBlue(kOrange), int16_t(0));
        // A negative value is read by its absolute value; a system colour reference keeps its
        // low three bytes.
        QCOMPARE(GetRed(-0x123456), int16_t(0x56));
        QCOMPARE(GetRed(int32_t(0x80000005)), int16_t(0xFB));
        QCOMPARE(GetRed(std::numeric_limits<int32_t>::min()), int16_t(0));
    }

    void designedSphereNumbers()
    {
        const SpherePlan p = plan(200, 200);
        QCOMPARE(p.cx, 100);
        QCOMPARE(p.cy, 100);
        QCOMPARE(p.rx, 100);
        QCOMPARE(p.ry, 100);
        QCOMPARE(p.ratio, 1.0f);
        QCOMPARE(p.x0, 100);
        QCOMPARE(p.xEnd, 2);
        QCOMPARE(p.steps, int16_t(98));
        QCOMPARE(p.ringCount(), int64_t(99));
        for (int a = 0; a <= 98; ++a) {
            SphereRing r;
            QCOMPARE(ringAt(p, 100 - a, r), SphereError::None);
            QCOMPARE(r.a, a);
            QCOMPARE(r.b, a);
            QCOMPARE(r.left, 100 - a);
            QCOMPARE(r.right, 100 + a);
            QCOMPARE(r.top, 100 - a);
            QCOMPARE(r.bottom, 100 + a);
            const int green = int(std::nearbyint(255 - 127.0 * a / 98));
            QCOMPARE(r.colour, 255 + 256 * green);
            // Angles 0 and 360 give one point: every ring is a whole ellipse.
            QCOMPARE(r.xStart, r.xEnd);
            QCOMPARE(r.yStart, r.yEnd);
        }
        SphereRing centre, rim;
        ringAt(p, 100, centre);
        ringAt(p, 2, rim);
        QCOMPARE(centre.colour, kYellow);
        QCOMPARE(rim.colour, kOrange);
    }

    void flatAndOddRectangles()
    {
        const SpherePlan flat = plan(300, 100);
        QCOMPARE(flat.ratio, float(50.0 / 150.0));
        for (int a = 0; a <= flat.cx - 2; ++a) {
            SphereRing r;
            ringAt(flat, flat.cx - a, r);
            QCOMPARE(r.b, int(std::nearbyint(a / 3.0)));
        }
        QCOMPARE(plan(201, 200).cx, 100); // 100.5 rounds to even
        QCOMPARE(plan(203, 200).cx, 102); // 101.5 too
    }

    void anglesAndPercentageAreClamped()
    {
        const SpherePlan p = plan(200, 200, 250, -10, 400);
        QCOMPARE(p.startAngle, int16_t(0));
        QCOMPARE(p.endAngle, int16_t(360));
        QCOMPARE(p.percentage, uint8_t(100));
        QCOMPARE(p.x0, 100);

        // A smaller percentage starts further out: the inside is left alone.
        const SpherePlan half = plan(200, 200, 50);
        QCOMPARE(half.x0, 50);
        QCOMPARE(half.steps, int16_t(48));
        SphereRing first;
        ringAt(half, half.x0, first);
        QCOMPARE(first.a, 50);
        QCOMPARE(first.colour, kYellow);
    }

    void failures_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("expected");
        const int zero = int(SphereError::DivisionByZero), over = int(SphereError::Overflow);
        QTest::newRow("width 0") << 0 << 0 << zero;
        QTest::newRow("width 1") << 0 << 1 << zero;
        QTest::newRow("width -1") << 0 << -1 << zero;
        QTest::newRow("width 3") << 0 << 3 << zero;
        QTest::newRow("width 4") << 0 << 4 << zero;
        QTest::newRow("width 5") << 0 << 5 << zero;
        QTest::newRow("width 2") << 0 << 2 << int(SphereError::None);
        QTest::newRow("width 6") << 0 << 6 << int(SphereError::None);
        QTest::newRow("widest 65538") << 0 << 65538 << int(SphereError::None);
        QTest::newRow("65539: 32768 steps") << 0 << 65539 << over;
        QTest::newRow("percentage x rx past 32 bits") << 0 << 50000000 << over;
        QTest::newRow("width past 32 bits") << std::numeric_limits<int32_t>::min() << std::numeric_limits<int32_t>::max()
                                            << over;
        QTest::newRow("x end past 32 bits") << std::numeric_limits<int32_t>::max() - 1
                                            << std::numeric_limits<int32_t>::max() << zero;
    }
    void failures()
    {
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(int, expected);
        SpherePlan p;
        QCOMPARE(int(planSphere({left, 0, right, 200}, 100, 0, 360, kYellow, kOrange, p)), expected);
        QImage img = whiteImage(50, 50);
        QCOMPARE(int(DrawSphere(img, {left, 0, right, 200}, 100, 0, 360, kYellow, kOrange)), expected);
        if (expected != int(SphereError::None)) {
            QImage untouched = whiteImage(50, 50);
            QCOMPARE(img, untouched);
        }
    }

    void widthTwoDrawsNothing()
    {
        const SpherePlan p = plan(2, 200);
        QCOMPARE(p.ringCount(), int64_t(0));
        QImage img = whiteImage(20, 20);
        QCOMPARE(DrawSphere(img, {0, 0, 2, 200}, 100, 0, 360, kYellow, kOrange), SphereError::None);
        QCOMPARE(img, whiteImage(20, 20));
    }

    void drawnSphereCentreAndRim()
    {
        QImage img = whiteImage(240, 240);
        QCOMPARE(DrawSphere(img, {0, 0, 200, 200}, 100, 0, 360, kYellow, kOrange), SphereError::None);
        QCOMPARE(bgrAt(img, 100, 100), kYellow);
        // The 2-pixel pen of the last ring (radius 98) reaches radius 99 on the axes.
        for (const QPoint rim : {QPoint(199, 100), QPoint(1, 100), QPoint(100, 1), QPoint(100, 199)}) {
            QCOMPARE(bgrAt(img, rim.x(), rim.y()), kOrange);
        }
        for (const QPoint out : {QPoint(200, 100), QPoint(0, 100), QPoint(100, 0), QPoint(100, 200), QPoint(29, 29)})
            QCOMPARE(img.pixel(out), kWhite);
        // Filled without gaps: every pixel within radius 98 of the centre is painted, and its
        // green is never above the one of a pixel nearer the centre on the same row.
        for (int y = 2; y <= 198; ++y) {
            int previousGreen = -1;
            for (int x = 100; x <= 198; ++x) {
                const double d = std::hypot(x - 100, y - 100);
                if (d > 98)
                    break;
                const QRgb c = img.pixel(x, y);
                QVERIFY2(c != kWhite, qPrintable(QStringLiteral("gap at %1,%2").arg(x).arg(y)));
                QCOMPARE(qRed(c), 255);
                QCOMPARE(qBlue(c), 0);
                if (previousGreen >= 0)
                    QVERIFY(qGreen(c) <= previousGreen);
                previousGreen = qGreen(c);
            }
        }
    }

    void flatEllipseIsCentred()
    {
        QImage img = whiteImage(320, 120);
        QCOMPARE(DrawSphere(img, {0, 0, 300, 100}, 100, 0, 360, kYellow, kOrange), SphereError::None);
        // The ring of radius 1 is flat (vertical radius 0) and its pen covers the centre.
        QCOMPARE(bgrAt(img, 150, 50), 0x00FEFF);
        for (int k = 1; k < 150; ++k)
            QCOMPARE(img.pixel(150 - k, 50), img.pixel(150 + k, 50));
        for (int k = 1; k < 50; ++k)
            QCOMPARE(img.pixel(150, 50 - k), img.pixel(150, 50 + k));
        // Horizontal radius 148, vertical radius round(148 / 3) = 49, each plus the pen's 1.
        QVERIFY(img.pixel(1, 50) != kWhite);
        QVERIFY(img.pixel(299, 50) != kWhite);
        QCOMPARE(img.pixel(0, 50), kWhite);
        QCOMPARE(img.pixel(300, 50), kWhite);
        QCOMPARE(bgrAt(img, 150, 0), kOrange);
        QCOMPARE(bgrAt(img, 150, 100), kOrange);
        QCOMPARE(img.pixel(150, 101), kWhite);
    }

    void partialArcs()
    {
        // A quarter from 0 to 90 degrees counter-clockwise: the upper right quadrant only.
        QImage img = whiteImage(120, 120);
        QCOMPARE(DrawSphere(img, {0, 0, 100, 100}, 100, 0, 90, kYellow, kOrange), SphereError::None);
        QVERIFY(img.pixel(80, 20) != kWhite);
        QCOMPARE(img.pixel(20, 20), kWhite);
        QCOMPARE(img.pixel(20, 80), kWhite);
        QCOMPARE(img.pixel(80, 80), kWhite);
    }

    void skippingRingsOutsideChangesNoPixel()
    {
        // The same spheres drawn into a surface that holds them whole and into a small one:
        // the small surface must show exactly the top-left corner of the large one.
        struct Case {
            int w, h;
        } cases[] = {{200, 200}, {3000, 500}, {900, 2600}, {64, 1800}};
        for (const Case c : cases) {
            QImage whole = whiteImage(c.w + 4, c.h + 4);
            QCOMPARE(DrawSphere(whole, {0, 0, c.w, c.h}, 100, 0, 360, kYellow, kOrange), SphereError::None);
            for (const QSize s : {QSize(150, 90), QSize(700, 300), QSize(37, 1000)}) {
                QImage part = whiteImage(s.width(), s.height());
                QCOMPARE(DrawSphere(part, {0, 0, c.w, c.h}, 100, 0, 360, kYellow, kOrange), SphereError::None);
                const QImage expected = whole.copy(0, 0, s.width(), s.height());
                for (int y = 0; y < s.height(); ++y) {
                    for (int x = 0; x < s.width(); ++x) {
                        const QRgb want = y < expected.height() && x < expected.width() && x < c.w + 4 && y < c.h + 4
                            ? expected.pixel(x, y)
                            : kWhite;
                        if (part.pixel(x, y) != want)
                            QFAIL(qPrintable(QStringLiteral("%1x%2 in %3x%4 differs at %5,%6")
                                                 .arg(c.w).arg(c.h).arg(s.width()).arg(s.height()).arg(x).arg(y)));
                    }
                }
            }
        }
    }

    void widestSphereOnASmallSurface()
    {
        QImage img = whiteImage(400, 250);
        QCOMPARE(DrawSphere(img, {0, 0, 65538, 200}, 100, 0, 360, kYellow, kOrange), SphereError::None);
        // Only the rim reaches the surface: its left end, orange, centred on row 100.
        QCOMPARE(bgrAt(img, 2, 100), kOrange);
        QCOMPARE(img.pixel(0, 100), kWhite);
        QCOMPARE(img.pixel(399, 249), kWhite);
    }
};

QTEST_MAIN(TstModSpheric)
#include "tst_modspheric.moc"
