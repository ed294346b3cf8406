#include "icon/iconpixels.h"
#include "icon/modpic2ico.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

const QString kData = QStringLiteral(TINTAVO_TEST_DATA "/icon");

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QImage readBytes(QByteArray bytes, int32_t background = 0xFFFFFF)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return modPic2Ico::readIcon(buffer, background);
}

QStringList corpus(const QString &pattern)
{
    const QStringList names = QDir(kData).entryList({ pattern }, QDir::Files, QDir::Name);
    QStringList paths;
    for (const QString &n : names)
        paths << QDir(kData).filePath(n);
    return paths;
}

QImage star() { return QImage(kData + QStringLiteral("/star.bmp")); }

} // namespace

// Files a user may have anywhere: every bad one gives no picture, without a crash, a hang or
// an allocation the file's real size does not justify.
class TstIconReader : public QObject
{
    Q_OBJECT
private slots:
    void readsBackEveryDepth_data()
    {
        QTest::addColumn<int>("depth");
        for (int d : { 1, 4, 8, 16, 24, 32 })
            QTest::newRow(qPrintable(QString::number(d))) << d;
    }
    void readsBackEveryDepth()
    {
        QFETCH(int, depth);
        QImage src = star();
        src.setPixel(5, 31, qRgb(0x12, 0x34, 0x56));
        const QImage read
            = readBytes(modPic2Ico::iconFileBytes(src, 32, depth, 0xFFFF00, true), 0x00FF00);
        QCOMPARE(read.size(), QSize(32, 32));
        const auto five = [](int v) { return (v >> 3) * 255 / 31; };
        const auto &table = iconpixels::palette(depth);
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb c = src.pixel(x, y);
                QRgb expected = c | 0xFF000000;
                if ((c & 0xFFFFFF) == 0x00FFFF) // below 32 bits the mask shows through
                    expected = depth == 32 ? qRgb(0, 255, 0) : qRgba(0, 0, 0, 0);
                else if (depth <= 8)
                    expected = 0xFF000000
                        | table[size_t(
                            iconpixels::nearestEntry(table, qRed(c), qGreen(c), qBlue(c)))];
                else if (depth == 16)
                    expected = qRgb(five(qRed(c)), five(qGreen(c)), five(qBlue(c)));
                QCOMPARE(read.pixel(x, y), expected);
            }
        }
    }

    void compositesDepth32OverTheBackground()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("star.ico"));
        QVERIFY(modPic2Ico::SaveIcon(star(), path, 32, 32, 0xFFFF00, true));
        const QImage white = modPic2Ico::LoadIconFile(path, 0xFFFFFF);
        QCOMPARE(white.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(white.pixel(16, 6), qRgb(255, 0, 0));
        QCOMPARE(white.pixel(31, 31), qRgb(255, 255, 0));
        QCOMPARE(modPic2Ico::LoadIconFile(path, 0xE0E0E0).pixel(0, 0), qRgb(0xE0, 0xE0, 0xE0));
        QVERIFY(modPic2Ico::LoadIconFile(path, 0x7F000000).isNull()); // no such colour
        // Partly covered pixels: 200 - (200 - 100) x 127 / 255 = 150.2 gives 150.
        QImage half(32, 32, QImage::Format_ARGB32);
        half.fill(qRgba(200, 10, 255, 128));
        const QImage out = readBytes(modPic2Ico::iconFileBytes(half, 32, 32, -1, false), 0x006464);
        QCOMPARE(out.pixel(3, 3), qRgb(150, 55, 128));
    }

    // The size byte holds 0 for 256: what the writer makes at that size reads back.
    void readsBackTheLargestSize()
    {
        QImage big(256, 256, QImage::Format_RGB32);
        big.fill(qRgb(1, 2, 250));
        big.setPixel(255, 255, qRgb(250, 2, 1));
        const QByteArray bytes = modPic2Ico::iconFileBytes(big, 256, 24, -1, false);
        QCOMPARE(bytes.at(6), '\0');
        const QImage back = readBytes(bytes);
        QCOMPARE(back.size(), QSize(256, 256));
        QCOMPARE(back.pixel(0, 0), qRgb(1, 2, 250));
        QCOMPARE(back.pixel(255, 255), qRgb(250, 2, 1));
    }

    void loadsOnlyIcoNames()
    {
        QTemporaryDir dir;
        const QString ico = dir.filePath(QStringLiteral("a.ICO"));
        const QString png = dir.filePath(QStringLiteral("a.png"));
        QVERIFY(modPic2Ico::SaveIcon(star(), ico, 32, 8, 0xFFFF00, true));
        QVERIFY(QFile::copy(ico, png));
        QVERIFY(modPic2Ico::LoadIconFile(png, 0xFFFFFF).isNull());
        QVERIFY(
            modPic2Ico::LoadIconFile(dir.filePath(QStringLiteral("none.ico")), 0xFFFFFF).isNull());
        // Below 32 bits the background is not needed: the mask makes pixels see-through.
        const QImage eight = modPic2Ico::LoadIconFile(ico, 0x7F000000);
        QCOMPARE(qAlpha(eight.pixel(0, 0)), 0);
        QCOMPARE(eight.pixel(16, 16), qRgb(0, 0, 255));
    }

    void fileExistsSeesNormalFilesOnly()
    {
        QTemporaryDir dir;
        for (const char *name : { "plain.ico", ".hidden.ico", "br[a].bmp" })
            QVERIFY(QFile(dir.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.ico")));
        QVERIFY(
            ::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.ico"))).constData(), 0600)
            == 0);
        QFile::setPermissions(dir.filePath(QStringLiteral("plain.ico")), QFile::ReadOwner);
        const auto exists = [&](const char *name) {
            return modPic2Ico::FileExists(dir.filePath(QString::fromLatin1(name)));
        };
        for (const char *name : { "plain.ico", "br[a].bmp", "*.ico", "pl?in.*", "br[a].*" })
            QVERIFY2(exists(name), name);
        for (const char *name : { ".hidden.ico", "folder.ico", "pipe.ico", "nowhere/plain.ico",
                 "*.png", ".hid*", "fold*" })
            QVERIFY2(!exists(name), name);
        QVERIFY(!modPic2Ico::FileExists(dir.path()));
        QVERIFY(!modPic2Ico::FileExists(QString()));
        QVERIFY(!modPic2Ico::FileExists(QString::fromUtf8("bad\0name", 8)));
    }

    void refusesTheBadIcons()
    {
        const QStringList bad = corpus(QStringLiteral("bad-*.ico"));
        QVERIFY(bad.size() >= 20);
        for (const QString &path : bad)
            QVERIFY2(modPic2Ico::LoadIconFile(path, 0xFFFFFF).isNull(), qPrintable(path));
        const QStringList good = corpus(QStringLiteral("good-*.ico"));
        QVERIFY(!good.isEmpty());
        for (const QString &path : good)
            QCOMPARE(modPic2Ico::LoadIconFile(path, 0xFFFFFF).size(), QSize(32, 32));
    }

    void refusesEveryTruncation()
    {
        for (const QString &path : corpus(QStringLiteral("good-*.ico"))) {
            const QByteArray whole = fileBytes(path);
            for (int n = 0; n < whole.size(); ++n)
                QVERIFY2(readBytes(whole.left(n)).isNull(),
                    qPrintable(QStringLiteral("%1 cut at %2").arg(path).arg(n)));
            QVERIFY(!readBytes(whole).isNull());
        }
    }

    void surplusBytesAfterTheImageAreHarmless()
    {
        const QByteArray whole = fileBytes(kData + QStringLiteral("/good-star-8.ico"));
        QCOMPARE(readBytes(whole + QByteArray(100, 'x')).size(), QSize(32, 32));
    }

    void survivesCorruptedIcons()
    {
        QRandomGenerator random(20261209);
        const QStringList good = corpus(QStringLiteral("good-*.ico"));
        for (int round = 0; round < 4000; ++round) {
            QByteArray bytes = fileBytes(good.at(round % good.size()));
            const int flips = 1 + int(random.bounded(6));
            for (int i = 0; i < flips; ++i) {
                // Mostly the headers, where the sizes live.
                const int at = int(random.bounded(i % 2 ? bytes.size() : 70));
                bytes[at] = char(random.bounded(256));
            }
            const QImage image = readBytes(bytes);
            if (!image.isNull())
                QVERIFY(image.width() <= 256 && image.height() <= 256);
        }
    }
};

QTEST_GUILESS_MAIN(TstIconReader)
#include "tst_iconreader.moc"
