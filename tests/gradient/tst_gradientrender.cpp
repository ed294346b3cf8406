#include "gradient/gradientcss.h"
#include "gradient/gradientrender.h"

#include "support/chromium.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace gradientmodel;

namespace {

const QSize kBox(160, 100);

struct Case
{
    const char *name;
    const char *css;
};

// Every shape, size keyword and interpolation space, with alpha, corners and repetition. No
// grey stop in OKLCH: its hue is powerless and takes the other end's (CSS Color 4), where
// Chromium keeps a hue made of rounding noise.
const Case kCases[] = {
    { "linear srgb", "linear-gradient(135deg, #ff0000, #ffff00 40%, #0000ff)" },
    { "linear srgb-linear", "linear-gradient(in srgb-linear 70deg, #ff0000, #00c0ff)" },
    { "linear oklab", "linear-gradient(in oklab 200deg, #ff8000, #2020ff 70%, #00ff80)" },
    { "linear oklch", "linear-gradient(in oklch 90deg, #ff0000, #0000ff)" },
    { "linear oklch longer", "linear-gradient(in oklch longer hue 90deg, #e91e63, #2196f3)" },
    { "linear oklch transparent", "linear-gradient(in oklch 0deg, transparent, #ff4000)" },
    { "linear to corner", "linear-gradient(to top right, #102030, #f0e0a0)" },
    { "linear alpha", "linear-gradient(in oklab 180deg, rgba(255, 0, 0, 0.2), #0000ff)" },
    { "linear transparent", "linear-gradient(90deg, transparent, #00a000)" },
    { "repeating linear", "repeating-linear-gradient(30deg, #ffffff, #3050d0 20%)" },
    { "repeating linear in pixels",
        "repeating-linear-gradient(45deg, #203040, #f0c080 24px, #203040 48px)" },
    { "radial in pixels", "radial-gradient(circle at 40% 50%, red 10px, blue, #ff0 60px, #0a0)" },
    { "radial circle of a given size", "radial-gradient(circle 50px at 60px 40%, #fff, #c03050)" },
    { "radial ellipse of a given size",
        "radial-gradient(in oklab 45% 30px at 30% 60px, #ff0, #06c 80%, #fff)" },
    { "radial farthest-corner", "radial-gradient(at 30% 40%, #ffffff, #203080)" },
    { "radial circle closest-side",
        "radial-gradient(circle closest-side at 60% 50%, "
        "#ffe000, #c02000 80%, #400000)" },
    { "radial ellipse closest-corner oklch",
        "radial-gradient(in oklch ellipse closest-corner, #ff00ff, #00ffff)" },
    { "radial circle farthest-side oklab",
        "radial-gradient(in oklab circle farthest-side at 20% 80%, #000080, #ffff80)" },
    { "repeating radial", "repeating-radial-gradient(circle, #ffffff, #808080 50%)" },
    { "conic", "conic-gradient(from 30deg at 40% 60%, #ff0000, #00ff00, #0000ff, #ff0000)" },
    { "conic oklch", "conic-gradient(in oklch from 90deg, #ff8080, #8080ff 180deg, #ff8080)" },
    { "repeating conic", "repeating-conic-gradient(#000000 0deg, #c0c0c0 90deg)" },
};

int gap(QRgb a, QRgb b)
{
    return std::max({ std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
        std::abs(qBlue(a) - qBlue(b)) });
}

// Each gradient in a box of its own, one under the other, on a white page; the page as
// Chromium shows it, or a null image.
QImage browserPage(const QString &chromium, QTemporaryDir &dir)
{
    QString boxes;
    for (const Case &c : kCases)
        boxes += QStringLiteral("<div style='width:%1px;height:%2px;background:%3'></div>")
                     .arg(kBox.width())
                     .arg(kBox.height())
                     .arg(QLatin1String(c.css));
    QFile page(dir.filePath(QStringLiteral("gradients.html")));
    if (!page.open(QIODevice::WriteOnly))
        return QImage();
    page.write(QStringLiteral("<html><body style='margin:0;background:#fff'>%1</body></html>")
                   .arg(boxes)
                   .toUtf8());
    page.close();
    const QSize window(600, kBox.height() * int(std::size(kCases)));
    const QImage all = chromiumScreenshot(chromium, page.fileName(), window, dir);
    return all.size() == window ? all : QImage();
}

} // namespace

// Rendering is held to what a browser draws of the same CSS, and its dithering to the ideal
// ramp.
class TstGradientRender : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QImage m_page;
    bool m_noBrowser = false;

private slots:
    void initTestCase()
    {
        const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
        if (chromium.isEmpty()) {
            QVERIFY2(qgetenv("RIG_REQUIRED") != "1", "chromium is not installed");
            m_noBrowser = true;
            return;
        }
        m_page = browserPage(chromium, m_dir);
        QVERIFY(!m_page.isNull());
    }

    void browserDrawsTheSame_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kCases)); ++i)
            QTest::newRow(kCases[i].name) << i;
    }
    void browserDrawsTheSame()
    {
        QFETCH(int, index);
        if (m_noBrowser)
            QSKIP("chromium is not installed");
        const auto read = gradientcss::read(QLatin1String(kCases[index].css));
        QVERIFY(std::holds_alternative<Gradient>(read));
        const Gradient g = std::get<Gradient>(read);
        const QImage ours = gradientrender::render(g, kBox, gradientrender::Dither::None);
        const QImage shown = m_page.copy(QRect(QPoint(0, index * kBox.height()), kBox));

        // Over the white page, as the browser composites it.
        auto over = [&](int x, int y) {
            const uchar *p = ours.constScanLine(y) + 4 * x;
            const double a = p[3] / 255.0;
            auto c = [&](int k) { return int(std::lround(p[k] * a + 255 * (1 - a))); };
            return qRgb(c(0), c(1), c(2));
        };
        // Hard stops and the centre of a conic gradient are antialiased differently by every
        // renderer: pixels next to a jump of more than 24 levels, and within 3 pixels of the
        // conic centre, are left out.
        const double cx = g.centreX * kBox.width(), cy = g.centreY * kBox.height();
        auto compared = [&](int x, int y) {
            if (g.kind == Kind::Conic && std::hypot(x + 0.5 - cx, y + 0.5 - cy) < 3)
                return false;
            for (int dy = -2; dy <= 2; ++dy) {
                for (int dx = -2; dx <= 2; ++dx) {
                    const int nx = std::clamp(x + dx, 0, kBox.width() - 1),
                              ny = std::clamp(y + dy, 0, kBox.height() - 1);
                    if (gap(over(nx, ny), over(std::min(nx + 1, kBox.width() - 1), ny)) > 24
                        || gap(over(nx, ny), over(nx, std::min(ny + 1, kBox.height() - 1))) > 24)
                        return false;
                }
            }
            return true;
        };
        int worst = 0, left = 0;
        QString where;
        for (int y = 0; y < kBox.height(); ++y) {
            for (int x = 0; x < kBox.width(); ++x) {
                if (!compared(x, y)) {
                    ++left;
                    continue;
                }
                const int d = gap(over(x, y), shown.pixel(x, y));
                if (d > worst) {
                    worst = d;
                    where = QStringLiteral("%1,%2: ours %3, browser's %4")
                                .arg(x)
                                .arg(y)
                                .arg(over(x, y), 0, 16)
                                .arg(shown.pixel(x, y), 0, 16);
                }
            }
        }
        qInfo("largest gap %d levels; %d of %d pixels beside edges left out", worst, left,
            kBox.width() * kBox.height());
        QVERIFY2(worst <= 2, qPrintable(where));
        // The edges left out stay a small part of the box.
        QVERIFY(left < kBox.width() * kBox.height() / 4);
    }

    // Export sizes with narrow repeats, far corners and small radii: every pixel within a
    // level of the colour the model gives for its centre.
    void bigPicturesKeepTheirColours_data()
    {
        QTest::addColumn<QString>("css");
        QTest::addColumn<QSize>("size");
        QTest::newRow("linear, 6 px repeats")
            << QStringLiteral("repeating-linear-gradient(80deg, #000, #fff 3px, #000 6px)")
            << QSize(8192, 64);
        QTest::newRow("radial, far from a small circle") << QStringLiteral(
            "repeating-radial-gradient(circle 5px at 2% 3%, #f00, #00f 50%, #f00)")
                                                         << QSize(8192, 4096);
        QTest::newRow("conic, in oklch") << QStringLiteral(
            "conic-gradient(in oklch from 10deg at 70% 20%, #e91e63, #2196f3, #e91e63)")
                                         << QSize(8192, 4096);
        QTest::newRow("linear, stops close together")
            << QStringLiteral("linear-gradient(90deg, #000 49.99%, #fff 50.01%)") << QSize(8192, 8);
    }
    void bigPicturesKeepTheirColours()
    {
        QFETCH(QString, css);
        QFETCH(QSize, size);
        const Gradient g
            = inFractions(std::get<Gradient>(gradientcss::read(css)), size.width(), size.height());
        const QImage image = gradientrender::render(g, size, gradientrender::Dither::None);
        const Geometry geometry(g, size.width(), size.height());
        const Colours colours(g);
        for (int y = 0; y < size.height(); y += 7) {
            for (int x = y % 13; x < size.width(); x += 61) {
                const Rgba c = colours.at(geometry.at(x + 0.5, y + 0.5));
                const uchar *p = image.constScanLine(y) + 4 * x;
                const int expected[] = { int(std::lround(c.r * 255)), int(std::lround(c.g * 255)),
                    int(std::lround(c.b * 255)) };
                for (int k = 0; k < 3; ++k)
                    QVERIFY2(std::abs(p[k] - expected[k]) <= 1,
                        qPrintable(QStringLiteral("%1,%2: %3 for %4")
                                       .arg(x)
                                       .arg(y)
                                       .arg(p[k])
                                       .arg(expected[k])));
            }
        }
    }

    // A slow ramp, 16 levels over 4096 columns: the dithered columns' averages follow the
    // ideal ramp within half a level and change more often than the undithered columns do.
    void ditherHasNoBands()
    {
        Gradient g;
        g.angle = 90;
        g.stops = { Stop { 0x202020, 1, 0 }, Stop { 0x303030, 1, 1 } };
        const QSize size(4096, 64);
        auto columns = [&](gradientrender::Dither dither) {
            const QImage image = gradientrender::render(g, size, dither);
            QList<double> averages(size.width());
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    averages[x] += image.constScanLine(y)[4 * x + 1] / double(size.height());
            return averages;
        };
        auto widestFlat = [](const QList<double> &v) {
            int widest = 0, run = 0;
            for (qsizetype i = 0; i < v.size(); ++i) {
                run = i > 0 && v[i] == v[i - 1] ? run + 1 : 1;
                widest = std::max(widest, run);
            }
            return widest;
        };
        const QList<double> dithered = columns(gradientrender::Dither::Ordered);
        const QList<double> plain = columns(gradientrender::Dither::None);
        for (int x = 0; x < size.width(); ++x) {
            const double ideal = 32 + 16 * (x + 0.5) / size.width();
            QVERIFY2(std::abs(dithered[x] - ideal) <= 0.5,
                qPrintable(QStringLiteral("column %1: %2").arg(x).arg(dithered[x])));
        }
        QVERIFY(widestFlat(dithered) < widestFlat(plain));
    }
};

QTEST_GUILESS_MAIN(TstGradientRender)
#include "tst_gradientrender.moc"
