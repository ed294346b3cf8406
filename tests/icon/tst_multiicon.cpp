#include "icon/multiicon.h"
#include "icon/sourcepicture.h"
#include "support/outsidetool.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>

using sourcepicture::Fit;

namespace {

// A soft-edged disc with colours running across it, on transparent: edges that a wrong
// filter or straight-alpha averaging turn into halos.
QImage softDisc(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32);
    const double cx = (w - 1) / 2.0, cy = (h - 1) / 2.0, r = std::min(w, h) * 0.42;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double d = std::hypot(x - cx, y - cy);
            const int a = int(std::clamp((r - d) / (r * 0.1), 0.0, 1.0) * 255);
            img.setPixel(
                x, y, qRgba(x * 255 / (w - 1), y * 255 / (h - 1), 200 - x * 150 / (w - 1), a));
        }
    }
    return img;
}

QImage fromRgba(const QByteArray &bytes, int size)
{
    if (bytes.size() != qsizetype(size) * size * 4)
        return {};
    return QImage(
        reinterpret_cast<const uchar *>(bytes.constData()), size, size, QImage::Format_RGBA8888)
        .convertToFormat(QImage::Format_ARGB32);
}

// Largest difference of alpha, and of colour where the pixel is clearly visible.
struct Difference
{
    int alpha = 0;
    int colour = 0;
};

Difference difference(const QImage &a, const QImage &b)
{
    Difference d;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            d.alpha = std::max(d.alpha, std::abs(qAlpha(p) - qAlpha(q)));
            if (qAlpha(p) >= 64 && qAlpha(q) >= 64) {
                d.colour = std::max({ d.colour, std::abs(qRed(p) - qRed(q)),
                    std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q)) });
            }
        }
    }
    return d;
}

} // namespace

// Multi-size icon files: what is written, and what other programs read from them.
class TstMultiIcon : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_source; // the soft disc as a PNG file
    QString m_ico; // an icon of every size made from it
    QList<int> m_all { std::begin(multiicon::kSizes), std::end(multiicon::kSizes) };

private slots:
    void initTestCase()
    {
        m_source = m_dir.filePath(QStringLiteral("disc.png"));
        QVERIFY(softDisc(768, 768).save(m_source));
        const sourcepicture::Result loaded = sourcepicture::load(m_source);
        QVERIFY(!loaded.picture.isNull());
        m_ico = m_dir.filePath(QStringLiteral("disc.ico"));
        // Given out of order: the file holds them sorted.
        QVERIFY(multiicon::writeIco(
            m_ico, loaded.picture, { 256, 16, 64, 24, 128, 48, 32 }, Fit::Centre));
    }

    // Header, directory and each entry's own header, byte by byte.
    void directoryFieldsAreExact()
    {
        QFile f(m_ico);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        const auto *d = reinterpret_cast<const uchar *>(bytes.constData());
        QCOMPARE(qFromLittleEndian<quint16>(d), 0);
        QCOMPARE(qFromLittleEndian<quint16>(d + 2), 1);
        QCOMPARE(qFromLittleEndian<quint16>(d + 4), 7);
        quint32 expectedOffset = 6 + 7 * 16;
        for (int i = 0; i < 7; ++i) {
            const uchar *e = d + 6 + 16 * i;
            const int size = m_all[i];
            QCOMPARE(int(e[0]), size % 256);
            QCOMPARE(int(e[1]), size % 256);
            QCOMPARE(int(e[2]), 0);
            QCOMPARE(int(e[3]), 0);
            QCOMPARE(qFromLittleEndian<quint16>(e + 4), 1);
            QCOMPARE(qFromLittleEndian<quint16>(e + 6), 32);
            const quint32 length = qFromLittleEndian<quint32>(e + 8);
            const quint32 offset = qFromLittleEndian<quint32>(e + 12);
            QCOMPARE(offset, expectedOffset);
            expectedOffset += length;
            const uchar *image = d + offset;
            if (size <= 64) {
                const int maskStride = ((size + 31) / 32) * 4;
                QCOMPARE(length, quint32(40 + size * size * 4 + maskStride * size));
                QCOMPARE(qFromLittleEndian<quint32>(image), 40u);
                QCOMPARE(qFromLittleEndian<qint32>(image + 4), size);
                QCOMPARE(qFromLittleEndian<qint32>(image + 8), 2 * size);
                QCOMPARE(qFromLittleEndian<quint16>(image + 14), 32);
                // The AND mask is set exactly where the colour plane is fully transparent.
                const uchar *mask = image + 40 + size * size * 4;
                for (int row = 0; row < size; ++row) {
                    for (int x = 0; x < size; ++x) {
                        const bool transparent = image[40 + (row * size + x) * 4 + 3] == 0;
                        const bool masked = mask[row * maskStride + x / 8] & (0x80 >> (x % 8));
                        QVERIFY2(transparent == masked,
                            qPrintable(QStringLiteral("%1 px at %2,%3").arg(size).arg(x).arg(row)));
                    }
                }
            } else {
                QVERIFY(QByteArray(reinterpret_cast<const char *>(image), 8)
                    == QByteArray("\x89PNG\r\n\x1a\n", 8));
            }
        }
        QCOMPARE(qsizetype(expectedOffset), bytes.size());
    }

    void otherReadersSeeEverySize()
    {
        // icotool lists each entry with the size and depth its directory gives.
        const QString listed = QString::fromLatin1(
            runOutsideTool(QStringLiteral("icotool"), { QStringLiteral("-l"), m_ico }));
        for (int size : m_all) {
            QVERIFY2(
                listed.contains(QStringLiteral("--width=%1 --height=%1 --bit-depth=32").arg(size)),
                qPrintable(listed));
        }
        QCOMPARE(listed.count(QStringLiteral("--icon")), 7);

        const QString identified = QString::fromLatin1(runOutsideTool(QStringLiteral("identify"),
            { QStringLiteral("-format"), QStringLiteral("%w %h %A\n"), m_ico }));
        QStringList expected;
        for (int size : m_all)
            expected << QStringLiteral("%1 %1").arg(size);
        QStringList seen;
        for (const QString &line : identified.split(u'\n', Qt::SkipEmptyParts)) {
            seen << line.section(u' ', 0, 1);
            QVERIFY2(!line.endsWith(QStringLiteral("False"))
                    && !line.endsWith(QStringLiteral("Undefined")),
                qPrintable(identified)); // alpha kept
        }
        seen.sort(); // ImageMagick lists in file order, which is by size already
        QCOMPARE(seen.size(), 7);

        const QString pillow = QString::fromLatin1(runOutsideTool(
            QStringLiteral("/usr/bin/python3"),
            { QStringLiteral("-c"),
                QStringLiteral("import sys; from PIL import Image; im = Image.open(sys.argv[1]); "
                               "print(' '.join('%dx%d' % s for s in sorted(im.info['sizes'])))"),
                m_ico }));
        QCOMPARE(pillow.trimmed(), QStringLiteral("16x16 24x24 32x32 48x48 64x64 128x128 256x256"));

        QImageReader reader(m_ico);
        QCOMPARE(reader.imageCount(), 7);
        for (int i = 0; i < 7; ++i) {
            QVERIFY(reader.jumpToImage(i));
            const QImage image = reader.read();
            QCOMPARE(image.width(), m_all[i]);
            QVERIFY(image.hasAlphaChannel());
        }
    }

    // Every entry as Qt, Pillow and ImageMagick decode it, against the source resampled by
    // ImageMagick in linear light (a box filter: 768 is a multiple of every size).
    void pixelsMatchAnIndependentResample()
    {
        QImageReader qt(m_ico);
        for (int i = 0; i < 7; ++i) {
            const int size = m_all[i];
            const QString ref = m_dir.filePath(QStringLiteral("ref-%1.rgba").arg(size));
            const QByteArray reference = runOutsideTool(QStringLiteral("convert"),
                { m_source, QStringLiteral("-colorspace"), QStringLiteral("RGB"),
                    QStringLiteral("-filter"), QStringLiteral("Box"), QStringLiteral("-resize"),
                    QStringLiteral("%1x%1!").arg(size), QStringLiteral("-colorspace"),
                    QStringLiteral("sRGB"), QStringLiteral("-depth"), QStringLiteral("8"),
                    QStringLiteral("rgba:-") });
            const QImage expected = fromRgba(reference, size);
            QVERIFY(!expected.isNull());

            QVERIFY(qt.jumpToImage(i));
            const QImage byQt = qt.read();
            const QImage byPillow = fromRgba(
                runOutsideTool(QStringLiteral("/usr/bin/python3"),
                    { QStringLiteral("-c"),
                        QStringLiteral(
                            "import sys; from PIL import Image; im = Image.open(sys.argv[1]); "
                            "im.size = (int(sys.argv[2]),) * 2; "
                            "sys.stdout.buffer.write(im.convert('RGBA').tobytes())"),
                        m_ico, QString::number(size) }),
                size);
            const QImage byMagick = fromRgba(
                runOutsideTool(QStringLiteral("convert"),
                    { QStringLiteral("%1[%2]").arg(m_ico).arg(i), QStringLiteral("-depth"),
                        QStringLiteral("8"), QStringLiteral("rgba:-") }),
                size);
            QVERIFY(!byPillow.isNull() && !byMagick.isNull());
            // The readers agree exactly: the alpha channel was stored, not a mask.
            QCOMPARE(byMagick, byPillow);
            // Qt gives bitmap entries premultiplied: compared the same way.
            QCOMPARE(byQt.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                byPillow.convertToFormat(QImage::Format_ARGB32_Premultiplied));
            const Difference d = difference(byPillow, expected);
            QVERIFY2(d.alpha <= 1 && d.colour <= 2,
                qPrintable(QStringLiteral("%1 px: alpha %2, colour %3")
                               .arg(size)
                               .arg(d.alpha)
                               .arg(d.colour)));
        }
    }

    // A flat colour stays exactly that colour at every size: no darkening at soft edges.
    void softEdgesKeepTheirColour()
    {
        QImage img(100, 100, QImage::Format_ARGB32);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                img.setPixel(x, y, qRgba(250, 120, 10, x < 50 ? 255 : (x < 70 ? 128 : 0)));
        for (int size : m_all) {
            const QImage out = multiicon::resampled(img, size, Fit::Centre);
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x)
                    if (qAlpha(out.pixel(x, y)) > 0)
                        QCOMPARE(out.pixel(x, y) | 0xFF000000, qRgb(250, 120, 10));
        }
    }
};

QTEST_GUILESS_MAIN(TstMultiIcon)
#include "tst_multiicon.moc"
