#include "gradient/modspheric.h"

#include <QImage>
#include <QTest>

#include <cmath>

using namespace modSpheric;

namespace {

constexpr int32_t kYellow = 0x00FFFF;
constexpr int32_t kOrange = 0x0080FF;
constexpr QRgb kWhite = 0xFFFFFFFF;

SpherePlan plan(int32_t w, int32_t h, uint8_t percentage = 100, int16_t a1 = 0, int16_t a2 = 360,
    int32_t colour1 = kYellow, int32_t colour2 = kOrange)
{
    SpherePlan p;
    const SphereError e = planSphere({ 0, 0, w, h }, percentage, a1, a2, colour1, colour2, p);
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

// The colour of ring `a` of `steps`: each channel moves from colour 1 to colour 2 by a step
// per ring held in single precision, and is rounded half to even.
int32_t ringColour(int32_t colour1, int32_t colour2, int a, int steps)
{
    int32_t out = 0;
    for (int shift : { 0, 8, 16 }) {
        const int c1 = (colour1 >> shift) & 0xFF, c2 = (colour2 >> shift) & 0xFF;
        const float step = float(double(c2 - c1) / steps);
        out |= int(std::nearbyint(c1 + double(step) * a)) << shift;
    }
    return out;
}

// Colour pairs whose every channel moves, some up and some down, blue the largest at one end:
// a channel mixed up with another, or moving the wrong way, shows in the rings between.
void colourPairs()
{
    QTest::addColumn<int>("colour1");
    QTest::addColumn<int>("colour2");
    QTest::newRow("designed yellow to orange") << kYellow << kOrange;
    QTest::newRow("royal blue to brick red") << 0xE16941 << 0x281EC8;
    QTest::newRow("black to blue") << 0x000000 << 0xFF0000;
    QTest::newRow("lavender to navy") << 0xFFF0E6 << 0x800000;
}

} // namespace

class TstModSpheric : public QObject
{
    Q_OBJECT
private slots:
    void binaryDigitsBothWays()
    {
        QCOMPARE(ToBinary(5, 0).value(), QStringLiteral("101"));
        QCOMPARE(ToBinary(-5, 0).value(), QStringLiteral("101"));
        QCOMPARE(ToBinary(0, 8).value(), QStringLiteral("00000000"));
        QCOMPARE(ToBinary(255, 32).value(), QString(24, u'0') + QString(8, u'1'));
        // No room for the digits, a negative width, and values whose next power of two
        // cannot be formed fail instead of padding wrongly or looping for ever.
        QVERIFY(!ToBinary(256, 8));
        QVERIFY(!ToBinary(1, -1));
        QVERIFY(!ToBinary(1e308, 0));
        QVERIFY(!ToBinary(qInf(), 0));
        QCOMPARE(FromBinary(QStringLiteral("101")).value(), 5.0);
        QCOMPARE(FromBinary(QStringLiteral("1x1")).value(), 5.0); // not a digit: 0
        QVERIFY(!FromBinary(QString(1025, u'0')));
        for (double v : { 0.0, 6.0, 1193046.0, 2147483648.0 })
            QCOMPARE(FromBinary(ToBinary(v, 0).value()).value(), v);
    }

    void componentsAreTheColourBytes()
    {
        QCOMPARE(GetRed(0x123456), int16_t(0x56));
        QCOMPARE(GetGreen(0x123456), int16_t(0x34));
        QCOMPARE(GetBlue(0x123456), int16_t(0x12));
        // A negative value is read by its absolute value; a system colour reference keeps its
        // low three bytes.
        QCOMPARE(GetRed(-0x123456), int16_t(0x56));
        QCOMPARE(GetRed(int32_t(0x80000005)), int16_t(0xFB));
    }

    void designedSphereNumbers_data() { colourPairs(); }
    void designedSphereNumbers()
    {
        QFETCH(int, colour1);
        QFETCH(int, colour2);
        const SpherePlan p = plan(200, 200, 100, 0, 360, colour1, colour2);
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
            QCOMPARE(r.colour, ringColour(colour1, colour2, a, 98));
            // Angles 0 and 360 give one point: every ring is a whole ellipse.
            QCOMPARE(r.xStart, r.xEnd);
            QCOMPARE(r.yStart, r.yEnd);
        }
        SphereRing centre, rim;
        ringAt(p, 100, centre);
        ringAt(p, 2, rim);
        QCOMPARE(centre.colour, colour1);
        QCOMPARE(rim.colour, colour2);
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
    }

    void anglesAndPercentageAreClamped()
    {
        const SpherePlan p = plan(200, 200, 250, -10, 400);
        QCOMPARE(p.startAngle, int16_t(0));
        QCOMPARE(p.endAngle, int16_t(360));
        QCOMPARE(p.x0, 100); // a percentage above 100 counts as 100
        // A smaller percentage starts further out, with colour 1.
        const SpherePlan half = plan(200, 200, 50);
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
        QTest::newRow("width past 32 bits")
            << std::numeric_limits<int32_t>::min() << std::numeric_limits<int32_t>::max() << over;
        QTest::newRow("x end past 32 bits") << std::numeric_limits<int32_t>::max() - 1
                                            << std::numeric_limits<int32_t>::max() << zero;
    }
    void failures()
    {
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(int, expected);
        SpherePlan p;
        QCOMPARE(
            int(planSphere({ left, 0, right, 200 }, 100, 0, 360, kYellow, kOrange, p)), expected);
        QImage img = whiteImage(50, 50);
        QCOMPARE(
            int(DrawSphere(img, { left, 0, right, 200 }, 100, 0, 360, kYellow, kOrange)), expected);
        // Failures come before the first ring; width 2 has no ring at all.
        if (expected != int(SphereError::None) || right == 2)
            QCOMPARE(img, whiteImage(50, 50));
    }

    void drawnSphereCentreAndRim_data() { colourPairs(); }
    void drawnSphereCentreAndRim()
    {
        QFETCH(int, colour1);
        QFETCH(int, colour2);
        QImage img = whiteImage(240, 240);
        QCOMPARE(
            DrawSphere(img, { 0, 0, 200, 200 }, 100, 0, 360, colour1, colour2), SphereError::None);
        QCOMPARE(bgrAt(img, 100, 100), colour1);
        // The 2-pixel pen of the last ring (radius 98) reaches radius 99 on the axes.
        for (const QPoint rim :
            { QPoint(199, 100), QPoint(1, 100), QPoint(100, 1), QPoint(100, 199) })
            QCOMPARE(bgrAt(img, rim.x(), rim.y()), colour2);
        // Each ring's pen reaches one pixel outward, under the next ring: on the axes the pixel
        // at distance r shows ring r.
        for (int r : { 10, 49, 73, 97 }) {
            const int32_t expected = ringColour(colour1, colour2, r, 98);
            QCOMPARE(bgrAt(img, 100 + r, 100), expected);
            QCOMPARE(bgrAt(img, 100 - r, 100), expected);
            QCOMPARE(bgrAt(img, 100, 100 - r), expected);
            QCOMPARE(bgrAt(img, 100, 100 + r), expected);
        }
        for (const QPoint out :
            { QPoint(200, 100), QPoint(0, 100), QPoint(100, 0), QPoint(100, 200), QPoint(29, 29) })
            QCOMPARE(img.pixel(out), kWhite);
        // Filled without gaps: every pixel within radius 98 of the centre is painted (no ring
        // of these pairs is white), and from yellow to orange its green is never above the one
        // of a pixel nearer the centre on the same row.
        const bool designed = colour1 == kYellow && colour2 == kOrange;
        for (int y = 2; y <= 198; ++y) {
            int previousGreen = -1;
            for (int x = 100; x <= 198; ++x) {
                const double d = std::hypot(x - 100, y - 100);
                if (d > 98)
                    break;
                const QRgb c = img.pixel(x, y);
                QVERIFY(c != kWhite);
                if (!designed)
                    continue;
                QVERIFY(qRed(c) == 255 && qBlue(c) == 0);
                QVERIFY(previousGreen < 0 || qGreen(c) <= previousGreen);
                previousGreen = qGreen(c);
            }
        }
    }

    void partialArcs()
    {
        // A quarter from 0 to 90 degrees counter-clockwise: the upper right quadrant only.
        QImage img = whiteImage(120, 120);
        QCOMPARE(
            DrawSphere(img, { 0, 0, 100, 100 }, 100, 0, 90, kYellow, kOrange), SphereError::None);
        QVERIFY(img.pixel(80, 20) != kWhite);
        QCOMPARE(img.pixel(20, 20), kWhite);
        QCOMPARE(img.pixel(20, 80), kWhite);
        QCOMPARE(img.pixel(80, 80), kWhite);
    }

    void skippingRingsOutsideChangesNoPixel()
    {
        // The same spheres drawn into a surface that holds them whole and into small ones:
        // each small surface must show exactly the top-left corner of the large one.
        for (const QSize sphere :
            { QSize(200, 200), QSize(3000, 500), QSize(900, 2600), QSize(64, 1800) }) {
            QImage whole
                = whiteImage(qMax(sphere.width() + 4, 700), qMax(sphere.height() + 4, 1000));
            QCOMPARE(DrawSphere(whole, { 0, 0, sphere.width(), sphere.height() }, 100, 0, 360,
                         kYellow, kOrange),
                SphereError::None);
            for (const QSize s : { QSize(150, 90), QSize(700, 300), QSize(37, 1000) }) {
                QImage part = whiteImage(s.width(), s.height());
                DrawSphere(
                    part, { 0, 0, sphere.width(), sphere.height() }, 100, 0, 360, kYellow, kOrange);
                QCOMPARE(part, whole.copy(0, 0, s.width(), s.height()));
            }
        }
    }
};

QTEST_MAIN(TstModSpheric)
#include "tst_modspheric.moc"
