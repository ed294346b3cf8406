#include "icon/sourcepicture.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using sourcepicture::Error;
using sourcepicture::Fit;

namespace {

// Four pixels of each alpha level worth telling apart.
QImage translucent()
{
    QImage img(40, 20, QImage::Format_ARGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            img.setPixel(x, y, qRgba(x * 6, y * 12, 90, (x / 10) * 85));
    return img;
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (char c : bytes) {
        crc ^= uchar(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

// A PNG that claims a size its data does not have: refused on the claim alone, or it would
// fail as a corrupt file instead.
QByteArray pngClaiming(int width, int height)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage(2, 2, QImage::Format_ARGB32).save(&buffer, "png");
    qToBigEndian<quint32>(quint32(width), png.data() + 16);
    qToBigEndian<quint32>(quint32(height), png.data() + 20);
    qToBigEndian<quint32>(crc32(png.mid(12, 17)), png.data() + 29);
    return png;
}

sourcepicture::Result loadBytes(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return sourcepicture::load(buffer);
}

} // namespace

// Pictures that icons are made from: every format with its alpha, drawings, and the files
// refused before their pixels are decoded.
class TstSourcePicture : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void formatsKeepTheirAlpha_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("exact"); // lossless with alpha
        QTest::newRow("png") << "png" << true;
        QTest::newRow("webp") << "webp" << true;
        QTest::newRow("tiff") << "tiff" << true;
        QTest::newRow("gif") << "gif" << false;
        QTest::newRow("jpeg") << "jpg" << false;
        QTest::newRow("bmp") << "bmp" << false;
    }
    void formatsKeepTheirAlpha()
    {
        QFETCH(QString, format);
        QFETCH(bool, exact);
        const QString path = m_dir.filePath(QStringLiteral("t.") + format);
        const QString png = m_dir.filePath(QStringLiteral("source.png"));
        QVERIFY(translucent().save(png));
        if (format == QLatin1String("gif")) {
            // Qt writes no GIF: ImageMagick makes one, with a transparent colour.
            QCOMPARE(QProcess::execute(QStringLiteral("convert"), { png, path }), 0);
        } else {
            QVERIFY(translucent().save(path, nullptr, 100));
        }
        const sourcepicture::Result r = sourcepicture::load(path);
        QCOMPARE(r.error, Error::None);
        QCOMPARE(r.picture.size(), QSize(40, 20));
        QCOMPARE(r.picture.raster().format(), QImage::Format_ARGB32);
        // Every alpha level as written, and the colour of opaque pixels (encoders may change
        // what lies under transparent ones).
        const QImage expected = translucent();
        for (int y = 0; exact && y < 20; ++y) {
            for (int x = 0; x < 40; ++x) {
                const QRgb got = r.picture.raster().pixel(x, y), want = expected.pixel(x, y);
                QCOMPARE(qAlpha(got), qAlpha(want));
                if (qAlpha(want) == 255)
                    QCOMPARE(got, want);
            }
        }
        if (format == QLatin1String("gif"))
            QCOMPARE(qAlpha(r.picture.raster().pixel(0, 0)), 0);
    }

    void drawingsAreRenderedAtEachSize()
    {
        const QString path = m_dir.filePath(QStringLiteral("bar.svg"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 200 100' width='200' "
                "height='100'>"
                "<rect x='0' y='0' width='200' height='100' fill='#00f'/><rect x='0' y='0' "
                "width='40' height='100' fill='#f00'/></svg>");
        f.close();
        const sourcepicture::Result r = sourcepicture::load(path);
        QCOMPARE(r.error, Error::None);
        QVERIFY(r.picture.isScalable());
        QCOMPARE(r.picture.size(), QSize(200, 100));
        for (int size : { 16, 256 }) {
            const QImage centred = r.picture.square(size, Fit::Centre);
            QCOMPARE(centred.size(), QSize(size, size));
            QCOMPARE(qAlpha(centred.pixel(size / 2, 1)), 0);
            QCOMPARE(centred.pixel(size / 2, size / 2), qRgb(0, 0, 255));
            QCOMPARE(centred.pixel(0, size / 2), qRgb(255, 0, 0));
            // Cropped: the middle fills the square, the red edge is cut away.
            const QImage cropped = r.picture.square(size, Fit::Crop);
            QCOMPARE(cropped.pixel(0, 0), qRgb(0, 0, 255));
            QCOMPARE(cropped.pixel(size - 1, size - 1), qRgb(0, 0, 255));
        }
    }

    void largePicturesAreRefusedBeforeDecoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        QTest::newRow("wider than 16384") << pngClaiming(16385, 10) << QSize(16385, 10);
        QTest::newRow("over 512 MiB") << pngClaiming(16384, 8193) << QSize(16384, 8193);
        // Run-length coded: the pixels a header promises need not be in the file.
        QByteArray bmp(14 + 40 + 1024, '\0');
        bmp.replace(0, 2, "BM");
        qToLittleEndian<quint32>(quint32(bmp.size()), bmp.data() + 10);
        const quint32 info[] = { 40, 20000, 20000, 1 | (8 << 16), 1 };
        for (int i = 0; i < 5; ++i)
            qToLittleEndian<quint32>(info[i], bmp.data() + 14 + 4 * i);
        QTest::newRow("bitmap of 400 megapixels") << bmp.append("\0\1", 2) << QSize(20000, 20000);
    }
    void largePicturesAreRefusedBeforeDecoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        const sourcepicture::Result r = loadBytes(bytes);
        QCOMPARE(r.error, Error::TooLarge);
        QCOMPARE(r.size, size);
        QVERIFY(r.picture.isNull());
        QVERIFY(sourcepicture::fits(QSize(16384, 8192)));
        QVERIFY(!sourcepicture::fits(QSize(16384, 8192), { 16384, qint64(256) << 20 }));
    }

    void qtsReadersStopAtTheLoadsBudget()
    {
        // A GIF whose frame header says 257 x 1 while its screen of 8508 x 11565 makes Qt's
        // decoder allocate 393 MB: held to a 16 MiB budget, nothing near that is taken.
        QFile gif(QStringLiteral(TINTAVO_TEST_DATA "/sourcepicture/gif-screen-of-393-mb.gif"));
        QVERIFY(gif.open(QIODevice::ReadOnly));
        const int before = QImageReader::allocationLimit();
        const sourcepicture::Result r = sourcepicture::load(gif, { 2048, qint64(16) << 20 });
        // Qt's reader refused it before decoding (decoded, it would be TooLarge).
        QCOMPARE(r.error, Error::Corrupt);
        QVERIFY(r.picture.isNull());
        // The limit is Qt's for the whole program: the one before is back.
        QCOMPARE(QImageReader::allocationLimit(), before);
    }

    void corruptFilesGiveNoPicture()
    {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        translucent().save(&buffer, "png");
        QCOMPARE(loadBytes(png.left(png.size() / 2)).error, Error::Corrupt);
        QCOMPARE(loadBytes(QByteArray("just some text, no picture")).error, Error::Corrupt);
        QCOMPARE(loadBytes(QByteArray()).error, Error::Corrupt);
        QCOMPARE(loadBytes(QByteArray("<svg xmlns='http://www.w3.org/2000/svg'><rect")).error,
            Error::Corrupt);
        QCOMPARE(sourcepicture::load(m_dir.filePath(QStringLiteral("missing.png"))).error,
            Error::Unreadable);
        QCOMPARE(sourcepicture::load(m_dir.path()).error, Error::Unreadable);
    }
};

QTEST_GUILESS_MAIN(TstSourcePicture)
#include "tst_sourcepicture.moc"
