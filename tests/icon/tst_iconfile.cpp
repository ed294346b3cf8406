#include "icon/iconpixels.h"
#include "icon/modpic2ico.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace iconpixels;

namespace {

const QString kStar = QStringLiteral(TINTAVO_TEST_DATA "/icon/star.bmp");
constexpr int32_t kCyan = 0xFFFF00; // 0x00BBGGRR: the star's background

uint32_t u16(const QByteArray &b, int at)
{
    return uint8_t(b[at]) | uint32_t(uint8_t(b[at + 1])) << 8;
}

uint32_t u32(const QByteArray &b, int at)
{
    return u16(b, at) | u16(b, at + 2) << 16;
}

QImage star()
{
    return QImage(kStar);
}

// Pixel (x, top-down y) of a 32 x 32 icon's colour image, as 0x00RRGGBB (depth 16, 24, 32).
uint32_t truePixel(const QByteArray &file, int depth, int x, int y)
{
    const int at = 62 + rowBytes(depth, 32) * (31 - y);
    if (depth == 32)
        return uint32_t(uint8_t(file[at + 4 * x + 2])) << 16 | uint32_t(uint8_t(file[at + 4 * x + 1])) << 8
            | uint8_t(file[at + 4 * x]);
    if (depth == 24)
        return uint32_t(uint8_t(file[at + 3 * x + 2])) << 16 | uint32_t(uint8_t(file[at + 3 * x + 1])) << 8
            | uint8_t(file[at + 3 * x]);
    return u16(file, at + 2 * x);
}

bool fileMaskBit(const QByteArray &file, int maskAt, int x, int y)
{
    return uint8_t(file[maskAt + 4 * (31 - y) + x / 8]) & (0x80 >> (x % 8));
}

QImage readWithQt(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    return reader.read();
}

} // namespace

class TstIconFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(!star().isNull()); }

    void rowLengthsArePadded()
    {
        QCOMPARE(rowBytes(1, 33), 8);
        QCOMPARE(rowBytes(4, 9), 8);
        QCOMPARE(rowBytes(8, 5), 8);
        QCOMPARE(rowBytes(16, 5), 12);
        QCOMPARE(rowBytes(16, 6), 12);
        QCOMPARE(rowBytes(24, 5), 16);
        QCOMPARE(rowBytes(32, 5), 20);
        QCOMPARE(maskRowBytes(32), 4);
        QCOMPARE(maskRowBytes(33), 8);
        QCOMPARE(rowBytes(2, 32), 0);
    }

    void followsTheFileTable_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("colourBytes");
        QTest::addColumn<int>("fileSize");
        QTest::newRow("1") << 1 << 2 << 128 << 326;
        QTest::newRow("4") << 4 << 16 << 512 << 766;
        QTest::newRow("8") << 8 << 256 << 1024 << 2238;
        QTest::newRow("16") << 16 << 0 << 2048 << 2238;
        QTest::newRow("24") << 24 << 0 << 3072 << 3262;
        QTest::newRow("32") << 32 << 0 << 4096 << 4286;
    }
    void followsTheFileTable()
    {
        QFETCH(int, depth);
        QFETCH(int, entries);
        QFETCH(int, colourBytes);
        QFETCH(int, fileSize);
        const QByteArray f = modPic2Ico::iconFileBytes(star(), 32, depth, kCyan, true);
        QCOMPARE(f.size(), fileSize);
        QCOMPARE(u16(f, 0), 0u);
        QCOMPARE(u16(f, 2), 1u);
        QCOMPARE(u16(f, 4), 1u);
        QCOMPARE(uint8_t(f[6]), uint8_t(32));
        QCOMPARE(uint8_t(f[7]), uint8_t(32));
        QCOMPARE(uint8_t(f[8]), uint8_t(entries < 256 ? entries : 0));
        QCOMPARE(uint8_t(f[9]), uint8_t(0));
        QCOMPARE(u16(f, 10), 1u);
        QCOMPARE(u16(f, 12), uint32_t(depth));
        QCOMPARE(u32(f, 14), uint32_t(fileSize - 22));
        QCOMPARE(u32(f, 18), 22u);
        QCOMPARE(u32(f, 22), 40u);
        QCOMPARE(u32(f, 26), 32u);
        QCOMPARE(u32(f, 30), 64u);
        QCOMPARE(u16(f, 34), 1u);
        QCOMPARE(u16(f, 36), uint32_t(depth));
        QCOMPARE(u32(f, 38), 0u);
        QCOMPARE(u32(f, 42), uint32_t(colourBytes));
        QCOMPARE(u32(f, 46), 0u);
        QCOMPARE(u32(f, 50), 0u);
        QCOMPARE(u32(f, 54), uint32_t(entries));
        QCOMPARE(u32(f, 58), uint32_t(entries));
        // The palette: blue, green, red, 0 for each entry, in table order.
        const std::vector<uint32_t> &table = palette(depth);
        QCOMPARE(int(table.size()), entries);
        for (int i = 0; i < entries; ++i) {
            const int at = 62 + 4 * i;
            QCOMPARE(uint32_t(uint8_t(f[at + 2])) << 16 | uint32_t(uint8_t(f[at + 1])) << 8 | uint8_t(f[at]),
                     table[size_t(i)]);
            QCOMPARE(uint8_t(f[at + 3]), uint8_t(0));
        }
        // The mask closes the file: the star's background, and only it, is transparent.
        const int maskAt = fileSize - 128;
        const QImage src = star();
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                QCOMPARE(fileMaskBit(f, maskAt, x, y), (src.pixel(x, y) & 0xFFFFFF) == 0x00FFFF);
    }

    void transparentPixelsAreClearAtDepth32()
    {
        const QByteArray f = modPic2Ico::iconFileBytes(star(), 32, 32, kCyan, true);
        const QImage src = star();
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const int at = 62 + 128 * (31 - y) + 4 * x;
                const uint32_t rgb = src.pixel(x, y) & 0xFFFFFF;
                if (rgb == 0x00FFFF) {
                    QCOMPARE(u32(f, at), 0u);
                } else {
                    QCOMPARE(truePixel(f, 32, x, y), rgb);
                    QCOMPARE(uint8_t(f[at + 3]), uint8_t(255));
                }
            }
        }
    }

    void depth1PacksTheLeftmostPixelHighest()
    {
        const QByteArray f = modPic2Ico::iconFileBytes(star(), 32, 1, kCyan, true);
        QCOMPARE(u32(f, 62), 0x000000u);
        QCOMPARE(u32(f, 66), 0xFFFFFFu);
        // Bottom row (stored first): the transparent background is black, the yellow corner
        // pixel at the right end is nearer white than black.
        QCOMPARE(f.mid(70, 4), QByteArray("\x00\x00\x00\x01", 4));
        QCOMPARE(f.mid(198, 4), QByteArray("\xFF\xFF\xFF\xFE", 4));
    }

    void indexedDepthsMapEveryPixelToItsNearestEntry_data()
    {
        QTest::addColumn<int>("depth");
        QTest::newRow("1") << 1;
        QTest::newRow("4") << 4;
        QTest::newRow("8") << 8;
    }
    void indexedDepthsMapEveryPixelToItsNearestEntry()
    {
        QFETCH(int, depth);
        QImage img = star();
        img.setPixel(1, 31, qRgb(0x33, 0x66, 0x99));
        img.setPixel(2, 31, qRgb(0x10, 0x10, 0x10));
        img.setPixel(3, 31, qRgb(0xC0, 0xC0, 0xC0));
        img.setPixel(4, 31, qRgb(0x80, 0x80, 0x80));
        const QByteArray f = modPic2Ico::iconFileBytes(img, 32, depth, kCyan, true);
        const int colourAt = 62 + 4 * paletteEntries(depth);
        const int stride = rowBytes(depth, 32);
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const uint8_t byte = uint8_t(f[colourAt + stride * (31 - y) + x * depth / 8]);
                const int index = depth == 8 ? byte : depth == 4 ? (x % 2 ? byte & 0xF : byte >> 4)
                                                                 : (byte >> (7 - x % 8)) & 1;
                const QRgb c = img.pixel(x, y);
                const bool transparent = (c & 0xFFFFFF) == 0x00FFFF;
                QCOMPARE(index, transparent ? 0 : nearestEntry(palette(depth), qRed(c), qGreen(c), qBlue(c)));
            }
        }
        if (depth == 4) {
            // Nibbles: high one first. Silver is entry 8, grey entry 7.
            QCOMPARE(uint8_t(f[colourAt + 1]) & 0xF, 8);
            QCOMPARE(uint8_t(f[colourAt + 2]) >> 4, 7);
            QCOMPARE(uint8_t(f[colourAt]) & 0xF, 6); // 336699 lies nearest 008080
        }
        if (depth == 8) {
            QCOMPARE(palette(8)[uint8_t(f[colourAt + 1])], 0x336699u);
            QCOMPARE(palette(8)[uint8_t(f[colourAt + 2])], 0x0F0F0Fu); // the nearest grey
        }
    }

    void tablesHoldWhatTheyPromise()
    {
        for (int depth : {1, 4, 8}) {
            const std::vector<uint32_t> &t = palette(depth);
            QCOMPARE(int(t.size()), paletteEntries(depth));
            QCOMPARE(t[0], 0u);
            QVERIFY(std::find(t.begin(), t.end(), 0xFFFFFFu) != t.end());
        }
        const std::vector<uint32_t> &t = palette(8);
        std::vector<uint32_t> sorted = t;
        std::sort(sorted.begin(), sorted.end());
        QVERIFY(std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end());
        for (int i = 0; i < 16; ++i)
            QCOMPARE(t[size_t(i)], palette(4)[size_t(i)]);
        for (int r = 0; r < 256; r += 0x33)
            for (int g = 0; g < 256; g += 0x33)
                for (int b = 0; b < 256; b += 0x33)
                    QVERIFY(std::find(t.begin(), t.end(), uint32_t(r << 16 | g << 8 | b)) != t.end());
        for (size_t i = 16 + 208; i < 256; ++i)
            QVERIFY((t[i] & 0xFF) == (t[i] >> 8 & 0xFF) && (t[i] & 0xFF) == (t[i] >> 16));
    }

    void nearestEntryPrefersTheLowerIndexOnTies()
    {
        const std::vector<uint32_t> t = {0x000000, 0x020000, 0x010000};
        QCOMPARE(nearestEntry(t, 1, 0, 0), 2);
        const std::vector<uint32_t> tie = {0x000000, 0x020000};
        QCOMPARE(nearestEntry(tie, 1, 0, 0), 0);
        QCOMPARE(nearestEntry(palette(1), 0x80, 0x80, 0x80), 1); // 3 x 127^2 < 3 x 128^2
        QCOMPARE(nearestEntry(palette(1), 0x7F, 0x7F, 0x7F), 0);
    }

    void depth16KeepsTheTopFiveBits()
    {
        QImage img(32, 32, QImage::Format_RGB32);
        img.fill(qRgb(0xFF, 0x00, 0x00));
        img.setPixel(1, 31, qRgb(0x12, 0x34, 0x56));
        const QByteArray f = modPic2Ico::iconFileBytes(img, 32, 16, -1, false);
        QCOMPARE(truePixel(f, 16, 0, 31), 0x7C00u);
        QCOMPARE(truePixel(f, 16, 1, 31), uint32_t((0x12 >> 3) << 10 | (0x34 >> 3) << 5 | (0x56 >> 3)));
    }

    void oddSizesPadEveryRow()
    {
        QImage img(5, 5, QImage::Format_RGB32);
        img.fill(qRgb(1, 2, 3));
        for (int depth : {1, 4, 8, 16, 24, 32}) {
            const QByteArray f = modPic2Ico::iconFileBytes(img, 5, depth, -1, false);
            const int expected = 62 + 4 * paletteEntries(depth) + 5 * rowBytes(depth, 5) + 5 * 4;
            QCOMPARE(f.size(), expected);
            QCOMPARE(int(u32(f, 14)), expected - 22);
        }
        const QByteArray f = modPic2Ico::iconFileBytes(img, 5, 24, -1, false);
        QCOMPARE(f.mid(62 + 16, 3), QByteArray("\x03\x02\x01", 3)); // second row starts after 16 bytes
    }

    void maskStaysClearWithoutTheColour()
    {
        const QByteArray withNone = modPic2Ico::iconFileBytes(star(), 32, 32, 0x123456, true);
        QCOMPARE(withNone.right(128), QByteArray(128, '\0'));
        const QByteArray off = modPic2Ico::iconFileBytes(star(), 32, 32, kCyan, false);
        QCOMPARE(off.right(128), QByteArray(128, '\0'));
        QCOMPARE(truePixel(off, 32, 0, 0), 0x00FFFFu);
    }

    void refusesWhatCannotBeWritten()
    {
        QVERIFY(modPic2Ico::iconFileBytes(QImage(), 32, 32, kCyan, true).isEmpty());
        QVERIFY(modPic2Ico::iconFileBytes(star(), 32, 2, kCyan, true).isEmpty());
        QVERIFY(modPic2Ico::iconFileBytes(star(), 0, 32, kCyan, true).isEmpty());
        QVERIFY(modPic2Ico::iconFileBytes(star(), 257, 32, kCyan, true).isEmpty());
        // Size 256 is written as 0 in the entry's width and height bytes.
        const QByteArray big = modPic2Ico::iconFileBytes(star(), 256, 1, kCyan, true);
        QCOMPARE(uint8_t(big[6]), uint8_t(0));
        QCOMPARE(u32(big, 26), 256u);
    }

    // Qt's reader takes no 16-bit icons and ignores the mask of 24-bit ones (it treats every
    // image above 8 bits as carrying alpha), so those two are checked for colour only.
    void qtReadsTheIcons_data()
    {
        QTest::addColumn<int>("depth");
        for (int d : {1, 4, 8, 24, 32})
            QTest::newRow(qPrintable(QString::number(d))) << d;
    }
    void qtReadsTheIcons()
    {
        QFETCH(int, depth);
        const QImage read = readWithQt(modPic2Ico::iconFileBytes(star(), 32, depth, kCyan, true));
        QCOMPARE(read.size(), QSize(32, 32));
        const QImage src = star();
        if (depth != 24) {
            for (int y = 0; y < 32; ++y) {
                for (int x = 0; x < 32; ++x) {
                    const bool transparent = (src.pixel(x, y) & 0xFFFFFF) == 0x00FFFF;
                    QCOMPARE(qAlpha(read.pixel(x, y)) == 0, transparent);
                }
            }
        }
        if (depth >= 4) {
            QCOMPARE(read.pixel(16, 16) | 0xFF000000, qRgb(0, 0, 255));
            QCOMPARE(read.pixel(16, 6) | 0xFF000000, qRgb(255, 0, 0));
            QCOMPARE(read.pixel(31, 31) | 0xFF000000, qRgb(255, 255, 0));
        }
    }

    void readsBackEveryDepth_data()
    {
        QTest::addColumn<int>("depth");
        for (int d : {1, 4, 8, 16, 24, 32})
            QTest::newRow(qPrintable(QString::number(d))) << d;
    }
    void readsBackEveryDepth()
    {
        QFETCH(int, depth);
        QImage src = star();
        src.setPixel(5, 31, qRgb(0x12, 0x34, 0x56));
        QByteArray f = modPic2Ico::iconFileBytes(src, 32, depth, kCyan, true);
        QBuffer buffer(&f);
        buffer.open(QIODevice::ReadOnly);
        const QImage read = modPic2Ico::readIcon(buffer, 0x00FF00); // green: never in the star
        QCOMPARE(read.size(), QSize(32, 32));
        const auto expand5 = [](int v) { return (v >> 3) * 255 / 31; };
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb c = src.pixel(x, y);
                QRgb expected = c | 0xFF000000;
                if ((c & 0xFFFFFF) == 0x00FFFF) {
                    // Below 32 bits the mask shows through; 32 bits paint the background.
                    expected = depth == 32 ? qRgb(0, 255, 0) : qRgba(0, 0, 0, 0);
                } else if (depth <= 8) {
                    const uint32_t e = palette(depth)[size_t(nearestEntry(palette(depth), qRed(c), qGreen(c), qBlue(c)))];
                    expected = 0xFF000000 | e;
                } else if (depth == 16) {
                    expected = qRgb(expand5(qRed(c)), expand5(qGreen(c)), expand5(qBlue(c)));
                }
                QCOMPARE(read.pixel(x, y), expected);
            }
        }
    }

    void savedFilesReplaceOldOnesWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("star.ico"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(10000, 'x'));
        old.close();
        QVERIFY(modPic2Ico::SaveIcon(star(), path, 32, 1, kCyan, true));
        QCOMPARE(QFileInfo(path).size(), 326);
        QVERIFY(modPic2Ico::SaveIcon(star(), path, 32, 32, kCyan, true));
        QCOMPARE(QFileInfo(path).size(), 4286);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("star.ico")});
    }

    void failedSavesKeepTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kept.ico"));
        QVERIFY(modPic2Ico::SaveIcon(star(), path, 32, 4, kCyan, true));
        const QByteArray before = [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        QVERIFY(!modPic2Ico::SaveIcon(QImage(), path, 32, 32, kCyan, true));
        QVERIFY(!modPic2Ico::SaveIcon(star(), dir.filePath(QStringLiteral("missing/x.ico")), 32, 32, kCyan, true));
        QVERIFY(!modPic2Ico::SaveIcon(star(), dir.path(), 32, 32, kCyan, true));
        if (geteuid() != 0) {
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
            QVERIFY(!modPic2Ico::SaveIcon(star(), path, 32, 32, kCyan, true));
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void loadingCompositesOverTheBackground()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("star.ico"));
        QVERIFY(modPic2Ico::SaveIcon(star(), path, 32, 32, kCyan, true));
        const QImage white = modPic2Ico::LoadIconFile(path, 0xFFFFFF);
        QCOMPARE(white.size(), QSize(32, 32));
        QCOMPARE(white.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(white.pixel(16, 6), qRgb(255, 0, 0));
        QCOMPARE(white.pixel(16, 16), qRgb(0, 0, 255));
        QCOMPARE(white.pixel(31, 31), qRgb(255, 255, 0));
        const QImage grey = modPic2Ico::LoadIconFile(path, 0xE0E0E0);
        QCOMPARE(grey.pixel(0, 0), qRgb(0xE0, 0xE0, 0xE0));
    }

    void compositingWeighsByAlpha()
    {
        // A half-covered pixel: 200 - (200 - 100) x 127 / 255 = 150.2 rounds to 150.
        QImage img(32, 32, QImage::Format_ARGB32);
        img.fill(qRgba(200, 10, 255, 128));
        QByteArray f = modPic2Ico::iconFileBytes(img, 32, 32, -1, false);
        QBuffer buffer(&f);
        buffer.open(QIODevice::ReadOnly);
        const QImage out = modPic2Ico::readIcon(buffer, 0x006464); // r 100, g 100, b 0
        QCOMPARE(qRed(out.pixel(3, 3)), 150);
        QCOMPARE(qGreen(out.pixel(3, 3)), 55);
        QCOMPARE(qBlue(out.pixel(3, 3)), 128); // 255 - 255 x 127 / 255
    }

    void loadingWantsAnIcoName()
    {
        QTemporaryDir dir;
        const QString ico = dir.filePath(QStringLiteral("a.ICO"));
        const QString png = dir.filePath(QStringLiteral("a.png"));
        QVERIFY(modPic2Ico::SaveIcon(star(), ico, 32, 8, kCyan, true));
        QVERIFY(QFile::copy(ico, png));
        QVERIFY(!modPic2Ico::LoadIconFile(ico, 0xFFFFFF).isNull());
        QVERIFY(modPic2Ico::LoadIconFile(png, 0xFFFFFF).isNull());
        QVERIFY(modPic2Ico::LoadIconFile(dir.filePath(QStringLiteral("none.ico")), 0xFFFFFF).isNull());
        // Below 32 bits the mask makes pixels see-through and the background is not needed.
        const QImage eight = modPic2Ico::LoadIconFile(ico, 0x7F000000);
        QCOMPARE(qAlpha(eight.pixel(0, 0)), 0);
        QCOMPARE(eight.pixel(16, 16), qRgb(0, 0, 255));
        QVERIFY(modPic2Ico::SaveIcon(star(), ico, 32, 32, kCyan, true));
        QVERIFY(modPic2Ico::LoadIconFile(ico, 0x7F000000).isNull());
    }

    void fileExistsSeesNormalFilesOnly()
    {
        QTemporaryDir dir;
        const auto touch = [&](const QString &name) {
            QFile f(dir.filePath(name));
            return f.open(QIODevice::WriteOnly);
        };
        QVERIFY(touch(QStringLiteral("plain.ico")));
        QVERIFY(touch(QStringLiteral(".hidden.ico")));
        QVERIFY(touch(QStringLiteral("br[a].bmp")));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.ico")));
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.ico"))).constData(), 0600) == 0);
        QFile::setPermissions(dir.filePath(QStringLiteral("plain.ico")), QFile::ReadOwner);

        QVERIFY(modPic2Ico::FileExists(dir.filePath(QStringLiteral("plain.ico"))));
        QVERIFY(modPic2Ico::FileExists(dir.filePath(QStringLiteral("br[a].bmp"))));
        QVERIFY(!modPic2Ico::FileExists(dir.filePath(QStringLiteral(".hidden.ico"))));
        QVERIFY(!modPic2Ico::FileExists(dir.filePath(QStringLiteral("folder.ico"))));
        QVERIFY(!modPic2Ico::FileExists(dir.filePath(QStringLiteral("pipe.ico"))));
        QVERIFY(!modPic2Ico::FileExists(dir.path()));
        QVERIFY(!modPic2Ico::FileExists(QString()));
        QVERIFY(!modPic2Ico::FileExists(dir.filePath(QStringLiteral("nowhere/plain.ico"))));
        QVERIFY(!modPic2Ico::FileExists(QString::fromUtf8("bad\0name", 8)));

        QVERIFY(modPic2Ico::FileExists(dir.filePath(QStringLiteral("*.ico"))));
        QVERIFY(modPic2Ico::FileExists(dir.filePath(QStringLiteral("pl?in.*"))));
        QVERIFY(modPic2Ico::FileExists(dir.filePath(QStringLiteral("br[a].*"))));
        QVERIFY(!modPic2Ico::FileExists(dir.filePath(QStringLiteral("*.png"))));
        QVERIFY(!modPic2Ico::FileExists(dir.filePath(QStringLiteral(".hid*"))));
        QVERIFY(!modPic2Ico::FileExists(dir.filePath(QStringLiteral("fold*"))));
    }
};

QTEST_GUILESS_MAIN(TstIconFile)
#include "tst_iconfile.moc"
