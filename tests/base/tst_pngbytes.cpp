#include "base/pngbytes.h"
#include "support/outsidetool.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>

// The fast PNG writer's files, read back by Qt and by two outside readers (Pillow, ImageMagick).
namespace {

// Rows of noise, of smooth ramps and of flat colour with a few sharp dots, so that every row
// filter wins somewhere; alpha varies too when asked.
QImage mixedPicture(int w, int h, bool alpha)
{
    QImage img(w, h, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    quint32 seed = 99;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int noise = int(seed >> 24);
            int r = 0, g = 0, b = 0;
            switch (y % 3) {
            case 0:
                r = noise, g = (noise * 7) & 255, b = (x + noise) & 255;
                break;
            case 1:
                r = x * 255 / std::max(1, w - 1), g = y * 255 / std::max(1, h - 1), b = 128;
                break;
            default:
                r = g = b = (x % 17 == 0) ? 0 : 240;
                break;
            }
            const int a = alpha ? (x * 7 + y * 3 + noise % 5) & 255 : 255;
            img.setPixel(x, y, qRgba(r, g, b, a));
        }
    }
    return img;
}

// A photo on screen: smooth colour with sensor noise, which bands are coded differently for.
QImage photoPicture(int w, int h, bool alpha)
{
    QImage img(w, h, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    quint32 seed = 7;
    const auto noisy = [&seed](int v) {
        seed = seed * 1664525u + 1013904223u;
        return std::clamp(v + int(seed >> 29) - 4, 0, 255);
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y,
                qRgba(noisy(40 + x * 150 / w), noisy(200 - y * 150 / h), noisy(90 + (x + y) % 60),
                    alpha ? noisy(128 + x % 100) : 255));
    }
    return img;
}

// Screen above, photo below: one stream made of bands of both kinds.
QImage screenAbovePhoto(int w, int h)
{
    QImage img = photoPicture(w, h, false);
    const QImage screen = mixedPicture(w, h / 2, false);
    for (int y = 0; y < screen.height(); ++y)
        std::copy_n(screen.constScanLine(y), screen.bytesPerLine(), img.scanLine(y));
    return img;
}

QImage fromRgba(const QByteArray &bytes, const QSize &size)
{
    if (bytes.size() != qsizetype(size.width()) * size.height() * 4)
        return {};
    return QImage(reinterpret_cast<const uchar *>(bytes.constData()), size.width(), size.height(),
        QImage::Format_RGBA8888)
        .copy();
}

// The concatenated IDAT data and the number of IDAT chunks, or nothing when the chunk list is
// not well formed.
struct Idat
{
    QByteArray data;
    int chunks = 0;
    bool wellFormed = false;
};
Idat idatOf(const QByteArray &png)
{
    Idat idat;
    qsizetype at = 8;
    while (at + 12 <= png.size()) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        if (length > quint32(png.size() - at - 12))
            return idat;
        const QByteArray type = png.mid(at + 4, 4);
        if (type == "IDAT") {
            idat.data += png.mid(at + 8, length);
            ++idat.chunks;
        }
        at += 12 + length;
        if (type == "IEND") {
            idat.wellFormed = at == png.size();
            break;
        }
    }
    return idat;
}

} // namespace

class TstPngBytes : public QObject
{
    Q_OBJECT

private slots:
    void fastFilesReadBackAsThePicture_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<qsizetype>("bandBytes");
        QTest::addColumn<int>("threads");
        QTest::addColumn<bool>("severalBands");
        const pngbytes::FastOptions defaults;
        const qsizetype one = defaults.bandBytes;
        QTest::newRow("RGB, odd size") << mixedPicture(37, 23, false) << one << 0 << false;
        QTest::newRow("RGBA, odd size") << mixedPicture(41, 29, true) << one << 0 << false;
        QTest::newRow("1x1 RGB") << mixedPicture(1, 1, false) << one << 0 << false;
        QTest::newRow("1x1 RGBA") << mixedPicture(1, 1, true) << one << 0 << false;
        // A band is at least a row, however small the bands are asked to be.
        QTest::newRow("one row") << mixedPicture(1001, 1, false) << qsizetype(1) << 2 << false;
        QTest::newRow("RGB, taller than a band")
            << mixedPicture(97, 300, false) << qsizetype(4096) << 2 << true;
        QTest::newRow("RGBA, a band a row, more threads than cores")
            << mixedPicture(33, 61, true) << qsizetype(1) << 5 << true;
        QTest::newRow("one thread, many bands")
            << mixedPicture(50, 40, false) << qsizetype(500) << 1 << true;
        QTest::newRow("default bands, several")
            << mixedPicture(700, 400, false) << one << 0 << true;
        QTest::newRow("photo, taller than a band")
            << photoPicture(120, 200, false) << qsizetype(8192) << 0 << true;
        QTest::newRow("photo RGBA, one band") << photoPicture(90, 70, true) << one << 0 << false;
        QTest::newRow("screen above photo")
            << screenAbovePhoto(150, 240) << qsizetype(4096) << 2 << true;
        QImage indexed = mixedPicture(45, 31, false).convertToFormat(QImage::Format_Indexed8);
        QTest::newRow("colour table") << indexed << qsizetype(300) << 0 << true;
        // Stored unpremultiplied, as Qt's own conversion gives them.
        QTest::newRow("premultiplied")
            << mixedPicture(20, 20, true).convertToFormat(QImage::Format_ARGB32_Premultiplied)
            << one << 0 << false;
    }

    void fastFilesReadBackAsThePicture()
    {
        QFETCH(QImage, picture);
        QFETCH(qsizetype, bandBytes);
        QFETCH(int, threads);
        QFETCH(bool, severalBands);
        const QByteArray png = pngbytes::encodeFast(picture, { bandBytes, threads });
        QVERIFY(!png.isEmpty());
        const bool alpha = picture.hasAlphaChannel();
        QCOMPARE(int(png.at(8 + 8 + 9)), alpha ? 6 : 2); // the IHDR colour type
        const QImage expected = picture.convertToFormat(QImage::Format_RGBA8888);

        // The zlib stream on its own, with its Adler-32 checked by zlib.
        const Idat idat = idatOf(png);
        QVERIFY(idat.wellFormed);
        QCOMPARE(idat.chunks > 1, severalBands);
        const qsizetype filteredSize
            = qsizetype(picture.height()) * (qsizetype(picture.width()) * (alpha ? 4 : 3) + 1);
        QByteArray sized(4, '\0');
        qToBigEndian<quint32>(quint32(filteredSize), sized.data());
        QCOMPARE(qUncompress(sized + idat.data).size(), filteredSize);

        const QImage byQt = QImage::fromData(png, "PNG");
        QCOMPARE(byQt.hasAlphaChannel(), alpha);
        QCOMPARE(byQt.convertToFormat(QImage::Format_RGBA8888), expected);

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("picture.png"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(png) == png.size());
        out.close();
        const QImage byPillow
            = fromRgba(runOutsideTool(QStringLiteral("/usr/bin/python3"),
                           { QStringLiteral("-c"),
                               QStringLiteral("import sys; from PIL import Image; "
                                              "im = Image.open(sys.argv[1]); "
                                              "sys.stdout.buffer.write("
                                              "im.convert('RGBA').tobytes())"),
                               file }),
                picture.size());
        QCOMPARE(byPillow, expected);
        // The real ImageMagick, not a wrapper that may sit earlier on the PATH.
        const QImage byMagick = fromRgba(
            runOutsideTool(QStringLiteral("/usr/bin/convert"),
                { file, QStringLiteral("-depth"), QStringLiteral("8"), QStringLiteral("rgba:-") }),
            picture.size());
        QCOMPARE(byMagick, expected);
    }
};

QTEST_GUILESS_MAIN(TstPngBytes)
#include "tst_pngbytes.moc"
