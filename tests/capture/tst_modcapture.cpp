#include "capture/modcapture.h"
#include "support/filesizelimit.h"

#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Flat blocks of colour with a few sharp edges, like a screen capture.
static QImage testPicture(int w = 64, int h = 48)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y,
                qRgb(x < w / 2 ? 0xFF : 0x00, y < h / 2 ? 0xC0 : 0x20, (x / 8) % 2 ? 0x80 : 0x10));
    return img;
}

// Every pixel differs: more colours than a GIF palette holds.
static QImage manyColours()
{
    QImage img(200, 100, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb(x, y * 2, (x + y) % 256));
    return img;
}

static QImage readBack(const QString &path, QByteArray *format = nullptr)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (format)
        *format = reader.format();
    return reader.read();
}

static int maxChannelError(const QImage &a, const QImage &b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = qMax(worst,
                qMax(qAbs(qRed(p) - qRed(q)),
                    qMax(qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q)))));
        }
    return worst;
}

class TstModCapture : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void losslessFormatsKeepEveryPixel_data()
    {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QString>("magickName");
        QTest::newRow("BMP") << "BMP" << QByteArray("bmp") << "BMP";
        QTest::newRow("PNG") << "PNG" << QByteArray("png") << "PNG";
        QTest::newRow("TIF") << "TIF" << QByteArray("tiff") << "TIFF";
        QTest::newRow("GIF") << "GIF" << QByteArray("gif") << "GIF";
        QTest::newRow("WEBP") << "WEBP" << QByteArray("webp") << "WEBP";
    }
    void losslessFormatsKeepEveryPixel()
    {
        QFETCH(QString, extension);
        QFETCH(QByteArray, format);
        QFETCH(QString, magickName);
        const QImage picture = testPicture();
        const QString path = m_dir.filePath(QStringLiteral("shot.") + extension);
        // A quality is ignored where there is none to set; WebP without one is lossless.
        const int16_t quality = extension == QLatin1String("WEBP") ? -1 : 50;
        QVERIFY(modCapture::SaveImage(path, picture, extension, quality));
        QByteArray found;
        const QImage back = readBack(path, &found);
        QCOMPARE(found, format);
        QCOMPARE(back.size(), picture.size());
        // The picture has fewer than 256 colours: even the GIF palette holds them exactly.
        QCOMPARE(maxChannelError(back.convertToFormat(QImage::Format_RGB32), picture), 0);

        // A reader that is not Qt's agrees on the format and the size.
        if (QStandardPaths::findExecutable(QStringLiteral("identify")).isEmpty())
            QSKIP("ImageMagick's identify is not installed");
        QProcess identify;
        identify.start(QStringLiteral("identify"),
            { QStringLiteral("-format"), QStringLiteral("%m %w %h"), path });
        QVERIFY(identify.waitForFinished(20000));
        const QString described = QString::fromLatin1(identify.readAllStandardOutput()).trimmed();
        QVERIFY2(described.startsWith(magickName) && described.endsWith(QStringLiteral(" 64 48")),
            qPrintable(described));

        // And Pillow sees every pixel as it was.
        QProcess pillow;
        pillow.start(QStringLiteral("/usr/bin/python3"),
            { QStringLiteral("-c"),
                QStringLiteral("import sys; from PIL import Image; "
                               "sys.stdout.buffer.write(Image.open(sys.argv[1]).convert('RGB')"
                               ".tobytes())"),
                path });
        QVERIFY(pillow.waitForFinished(20000));
        const QByteArray rgb = pillow.readAllStandardOutput();
        QCOMPARE(rgb.size(), qsizetype(picture.width()) * picture.height() * 3);
        const QImage byPillow(reinterpret_cast<const uchar *>(rgb.constData()), picture.width(),
            picture.height(), picture.width() * 3, QImage::Format_RGB888);
        QCOMPARE(byPillow.convertToFormat(QImage::Format_RGB32), picture);
    }

    // Qt's WebP writer is lossless only at quality 100: that is what a save without a quality
    // asks for; a quality below makes the lossy kind.
    void webpIsLosslessUnlessAQualityIsGiven()
    {
        const QImage picture = manyColours();
        const QByteArray lossless = modCapture::encodeImage(picture, QStringLiteral("WEBP"), -1);
        const QByteArray lossy = modCapture::encodeImage(picture, QStringLiteral("WEBP"), 50);
        // The RIFF chunk after "WEBP" names the kind: "VP8L" lossless, "VP8 " lossy.
        QCOMPARE(lossless.mid(12, 4), QByteArray("VP8L"));
        QCOMPARE(lossy.mid(12, 4), QByteArray("VP8 "));
        QCOMPARE(QImage::fromData(lossless, "webp").convertToFormat(QImage::Format_RGB32), picture);
    }

    void jpegQualityReachesTheEncoder()
    {
        const QImage picture = manyColours();
        QList<qsizetype> sizes;
        for (int16_t q : { int16_t(0), int16_t(25), int16_t(50), int16_t(75) }) {
            const QString path = m_dir.filePath(QStringLiteral("q%1.JPG").arg(q));
            QVERIFY(modCapture::SaveImage(path, picture, QStringLiteral("JPG"), q));
            QByteArray format;
            const QImage back = readBack(path, &format);
            QCOMPARE(format, QByteArray("jpeg"));
            QCOMPARE(back.size(), picture.size());
            sizes.append(QFileInfo(path).size());
        }
        // Quality 0 is the smallest and worst, not "no compression".
        QVERIFY2(sizes[0] < sizes[1] && sizes[1] < sizes[2] && sizes[2] < sizes[3],
            qPrintable(QStringLiteral("%1 %2 %3 %4")
                           .arg(sizes[0])
                           .arg(sizes[1])
                           .arg(sizes[2])
                           .arg(sizes[3])));
    }

    void gifReducesManyColoursToOnePalette()
    {
        const QImage picture = manyColours();
        const QByteArray bytes = modCapture::encodeGif(picture);
        QVERIFY(bytes.startsWith("GIF8"));
        QImage back;
        QVERIFY(back.loadFromData(bytes, "GIF"));
        QCOMPARE(back.size(), picture.size());
        QVERIFY(back.colorCount() <= 256);
        // The palette is chosen for the picture: the error stays small.
        QVERIFY(maxChannelError(back.convertToFormat(QImage::Format_RGB32), picture) < 48);
    }

    void failuresWriteNothingAndKeepTheOldFile_data()
    {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<bool>("emptyPicture");
        QTest::addColumn<int>("diskRoom"); // bytes a file may grow to; 0: no limit
        QTest::newRow("no encoder for the extension") << "XYZ" << false << 0;
        QTest::newRow("empty picture, PNG") << "PNG" << true << 0;
        QTest::newRow("empty picture, GIF") << "GIF" << true << 0;
        // The disk fills up part-way through the new file. (Not GIF: its quantizer's OpenMP
        // threads do not survive into a forked child.)
        QTest::newRow("disk full, PNG") << "PNG" << false << 100;
        QTest::newRow("disk full, JPG") << "JPG" << false << 100;
        QTest::newRow("disk full, BMP") << "BMP" << false << 100;
    }
    void failuresWriteNothingAndKeepTheOldFile()
    {
        QFETCH(QString, extension);
        QFETCH(bool, emptyPicture);
        QFETCH(int, diskRoom);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.") + extension);
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("precious");
        }
        const QImage picture = emptyPicture ? QImage() : testPicture();
        if (diskRoom > 0) {
            QVERIFY(modCapture::encodeImage(picture, extension, 25).size() > diskRoom);
            const auto saved = runWithFileSizeLimit(
                diskRoom, [&] { return modCapture::SaveImage(path, picture, extension, 25); });
            QVERIFY(saved.has_value());
            QVERIFY(!*saved);
        } else {
            QVERIFY(!modCapture::SaveImage(path, picture, extension, 25));
        }
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("precious"));
        // No temporary file is left beside it either.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void unwritableDirectoriesFail()
    {
        QVERIFY(!modCapture::SaveImage(m_dir.filePath(QStringLiteral("missing/shot.PNG")),
            testPicture(), QStringLiteral("PNG"), -1));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("missing"))));

        // A directory that is a file: fails for every user.
        QFile plain(m_dir.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QVERIFY(!modCapture::SaveImage(plain.fileName() + QStringLiteral("/shot.TIF"),
            testPicture(), QStringLiteral("TIF"), -1));
    }
};

QTEST_GUILESS_MAIN(TstModCapture)
#include "tst_modcapture.moc"
