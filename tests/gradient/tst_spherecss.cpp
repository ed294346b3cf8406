#include "gradient/modspheric.h"
#include "gradient/spherecss.h"

#include "support/chromium.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

int channelGap(QRgb a, QRgb b)
{
    return std::max({ std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
        std::abs(qBlue(a) - qBlue(b)) });
}

// The page Chromium draws for a box of `box` with this background, or a null image.
QImage rendered(const QString &chromium, const QSize &box, const QString &background)
{
    QTemporaryDir dir;
    QFile page(dir.filePath(QStringLiteral("sphere.html")));
    if (!page.open(QIODevice::WriteOnly))
        return QImage();
    page.write(QStringLiteral("<html><body style='margin:0;background:#0f0'><div style='width:%1px;"
                              "height:%2px;background:%3'></div></body></html>")
                   .arg(box.width())
                   .arg(box.height())
                   .arg(background)
                   .toUtf8());
    page.close();
    // A window smaller than the browser's least one would cut the page: the window is larger
    // and the box is cut out of it. Its own profile keeps the user's browser untouched.
    const QSize window = box.expandedTo(QSize(600, 600));
    const QImage all = chromiumScreenshot(chromium, page.fileName(), window, dir, 120000);
    // The green page right of and below the box shows where the box ends.
    if (all.size() != window || all.pixel(box.width(), 0) != qRgb(0, 255, 0)
        || all.pixel(0, box.height()) != qRgb(0, 255, 0))
        return QImage();
    return all.copy(QRect(QPoint(0, 0), box));
}

} // namespace

// The CSS is held to what a browser draws of it: a page must show the picture the window saves.
class TstSphereCss : public QObject
{
    Q_OBJECT

private slots:
    void browserDrawsThePicture_data()
    {
        QTest::addColumn<QSize>("surface");
        QTest::addColumn<QSize>("sphere");
        QTest::addColumn<int>("centre");
        QTest::addColumn<int>("rim");
        QTest::newRow("round") << QSize(260, 220) << QSize(200, 200) << 0x00FFFF << 0x0080FF;
        QTest::newRow("flat") << QSize(340, 140) << QSize(300, 100) << 0xE16941 << 0x281EC8;
    }
    void browserDrawsThePicture()
    {
        QFETCH(QSize, surface);
        QFETCH(QSize, sphere);
        QFETCH(int, centre);
        QFETCH(int, rim);
        const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
        if (chromium.isEmpty())
            QSKIP("chromium is not installed");
        const modSpheric::SphereRect rect { 0, 0, sphere.width(), sphere.height() };
        modSpheric::SpherePlan plan;
        QCOMPARE(modSpheric::planSphere(rect, 100, 0, 360, centre, rim, plan),
            modSpheric::SphereError::None);
        QImage drawn(surface, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QCOMPARE(modSpheric::DrawSphere(drawn, rect, 100, 0, 360, centre, rim),
            modSpheric::SphereError::None);
        const QImage shown
            = rendered(chromium, surface, spherecss::css(plan, centre, rim, 0xFFFFFF));
        QVERIFY(!shown.isNull());

        // Pixels more than 3 pixels from the rim (the ring pen is 2 pixels wide): outside, the
        // background exactly; inside, the rings close to the smooth gradient, and closer still
        // on average over 8 x 8 blocks. Along a flat ellipse's short axis the rings lie closer
        // than a pixel and each covers the inner ones, which leans a block towards the rim.
        const double a = std::abs(double(plan.cx) - plan.xEnd);
        const double b = a * plan.ratio;
        auto beyondRim = [&](int x, int y) {
            return (std::hypot((x + 0.5 - plan.cx) / a, (y + 0.5 - plan.cy) / b) - 1)
                * std::min(a, b);
        };
        constexpr int kBlock = 8;
        for (int by = 0; by + kBlock <= surface.height(); by += kBlock) {
            for (int bx = 0; bx + kBlock <= surface.width(); bx += kBlock) {
                int sum[3] = {};
                bool wholeInside = true;
                for (int y = by; y < by + kBlock; ++y) {
                    for (int x = bx; x < bx + kBlock; ++x) {
                        const QRgb want = drawn.pixel(x, y);
                        const QRgb got = shown.pixel(x, y);
                        const double beyond = beyondRim(x, y);
                        const int allowed = beyond > 3 ? 1 : beyond < -3 ? 12 : 255;
                        QVERIFY2(channelGap(want, got) <= allowed,
                            qPrintable(QStringLiteral("%1,%2: %3 for %4")
                                           .arg(x)
                                           .arg(y)
                                           .arg(got, 0, 16)
                                           .arg(want, 0, 16)));
                        wholeInside = wholeInside && beyond < -3;
                        sum[0] += qRed(want) - qRed(got);
                        sum[1] += qGreen(want) - qGreen(got);
                        sum[2] += qBlue(want) - qBlue(got);
                    }
                }
                for (int c = 0; wholeInside && c < 3; ++c)
                    QVERIFY(std::abs(sum[c]) <= 8 * kBlock * kBlock);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TstSphereCss)
#include "tst_spherecss.moc"
