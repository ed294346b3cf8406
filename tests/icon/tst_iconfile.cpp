#include "icon/iconpixels.h"
#include "icon/modpic2ico.h"
#include "support/filesizelimit.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace iconpixels;

namespace {

constexpr int32_t kCyan = 0xFFFF00; // 0x00BBGGRR: the star's background

uint32_t field(const QByteArray &b, int at, int bytes)
{
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | uint8_t(b[at + i]);
    return v;
}

QImage star() { return QImage(QStringLiteral(TINTAVO_TEST_DATA "/icon/star.bmp")); }

bool isBackground(QRgb c) { return (c & 0xFFFFFF) == 0x00FFFF; }

QImage readWithQt(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer, "ico").read();
}

} // namespace

// The icon writer, byte by byte.
class TstIconFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(star().size(), QSize(32, 32)); }

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
        const uint32_t d = uint32_t(depth), e = uint32_t(entries);
        const struct
        {
            int at, bytes;
            uint32_t value;
        } fields[] = {
            { 0, 2, 0 },
            { 2, 2, 1 },
            { 4, 2, 1 },
            { 6, 1, 32 },
            { 7, 1, 32 },
            { 8, 1, e < 256 ? e : 0 },
            { 9, 1, 0 },
            { 10, 2, 1 },
            { 12, 2, d },
            { 14, 4, uint32_t(fileSize - 22) },
            { 18, 4, 22 },
            { 22, 4, 40 },
            { 26, 4, 32 },
            { 30, 4, 64 },
            { 34, 2, 1 },
            { 36, 2, d },
            { 38, 4, 0 },
            { 42, 4, uint32_t(colourBytes) },
            { 46, 4, 0 },
            { 50, 4, 0 },
            { 54, 4, e },
            { 58, 4, e },
        };
        for (const auto &fl : fields)
            QVERIFY2(field(f, fl.at, fl.bytes) == fl.value,
                qPrintable(QStringLiteral("offset %1").arg(fl.at)));
        // The palette: blue, green, red, 0 for each entry, in table order.
        QCOMPARE(int(palette(depth).size()), entries);
        for (int i = 0; i < entries; ++i)
            QCOMPARE(field(f, 62 + 4 * i, 4), palette(depth)[size_t(i)]);
        // The mask closes the file, rows bottom first, leftmost pixel in the high bit.
        const QImage src = star();
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                QCOMPARE(
                    bool(uint8_t(f[fileSize - 128 + 4 * (31 - y) + x / 8]) & (0x80 >> (x % 8))),
                    isBackground(src.pixel(x, y)));
    }

    void clearsTransparentPixelsAtDepth32()
    {
        const QByteArray f = modPic2Ico::iconFileBytes(star(), 32, 32, kCyan, true);
        const QImage src = star();
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const uint32_t bgra = field(f, 62 + 128 * (31 - y) + 4 * x, 4);
                QCOMPARE(bgra, isBackground(src.pixel(x, y)) ? 0u : src.pixel(x, y) | 0xFF000000);
            }
        }
    }

    void mapsIndexedDepthsToTheNearestEntry_data()
    {
        QTest::addColumn<int>("depth");
        for (int d : { 1, 4, 8 })
            QTest::newRow(qPrintable(QString::number(d))) << d;
    }
    void mapsIndexedDepthsToTheNearestEntry()
    {
        QFETCH(int, depth);
        QImage img = star();
        const QRgb extra[] = { qRgb(0x33, 0x66, 0x99), qRgb(0x10, 0x10, 0x10),
            qRgb(0xC0, 0xC0, 0xC0), qRgb(0x80, 0x80, 0x80) };
        for (int i = 0; i < 4; ++i)
            img.setPixel(1 + i, 31, extra[i]);
        const QByteArray f = modPic2Ico::iconFileBytes(img, 32, depth, kCyan, true);
        const int colourAt = 62 + 4 * paletteEntries(depth);
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const uint8_t byte
                    = uint8_t(f[colourAt + rowBytes(depth, 32) * (31 - y) + x * depth / 8]);
                const int index = depth == 8 ? byte
                    : depth == 4             ? (x % 2 ? byte & 0xF : byte >> 4)
                                             : (byte >> (7 - x % 8)) & 1;
                const QRgb c = img.pixel(x, y);
                QCOMPARE(index,
                    isBackground(c) ? 0
                                    : nearestEntry(palette(depth), qRed(c), qGreen(c), qBlue(c)));
            }
        }
        if (depth == 1) // the two light greys at x 3 and 4 and the yellow corner are nearer white
            QCOMPARE(f.mid(70, 4), QByteArray("\x18\x00\x00\x01", 4));
        if (depth == 4) { // high nibble first: 336699 nearest teal (6), silver 8, grey 7
            QCOMPARE(uint8_t(f[colourAt]), uint8_t(0x06));
            QCOMPARE(uint8_t(f[colourAt + 1]), uint8_t(0x08));
            QCOMPARE(uint8_t(f[colourAt + 2]) >> 4, 7);
        }
        if (depth == 8) {
            QCOMPARE(palette(8)[uint8_t(f[colourAt + 1])], 0x336699u);
            QCOMPARE(palette(8)[uint8_t(f[colourAt + 2])], 0x0F0F0Fu); // the nearest grey
        }
    }

    void tablesHoldWhatTheyPromise()
    {
        for (int depth : { 1, 4, 8 }) {
            const std::vector<uint32_t> &t = palette(depth);
            QCOMPARE(int(t.size()), paletteEntries(depth));
            QCOMPARE(t[0], 0u);
            QVERIFY(std::find(t.begin(), t.end(), 0xFFFFFFu) != t.end());
        }
        const std::vector<uint32_t> &t = palette(8);
        std::vector<uint32_t> sorted = t;
        std::sort(sorted.begin(), sorted.end());
        QVERIFY(std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end());
        QVERIFY(std::equal(palette(4).begin(), palette(4).end(), t.begin()));
        for (int r = 0; r < 256; r += 0x33)
            for (int g = 0; g < 256; g += 0x33)
                for (int b = 0; b < 256; b += 0x33)
                    QVERIFY(
                        std::find(t.begin(), t.end(), uint32_t(r << 16 | g << 8 | b)) != t.end());
        for (size_t i = 224; i < 256; ++i)
            QVERIFY((t[i] & 0xFF) == (t[i] >> 8 & 0xFF) && (t[i] & 0xFF) == (t[i] >> 16));
        // Ties go to the lower index.
        QCOMPARE(nearestEntry({ 0x000000, 0x020000 }, 1, 0, 0), 0);
        QCOMPARE(nearestEntry({ 0x000000, 0x020000, 0x010000 }, 1, 0, 0), 2);
        QCOMPARE(nearestEntry(palette(1), 0x80, 0x80, 0x80), 1);
        QCOMPARE(nearestEntry(palette(1), 0x7F, 0x7F, 0x7F), 0);
    }

    void packsTrueColourPixels()
    {
        QImage img(32, 32, QImage::Format_RGB32);
        img.fill(qRgb(0xFF, 0x00, 0x00));
        img.setPixel(1, 31, qRgb(0x12, 0x34, 0x56));
        const QByteArray f16 = modPic2Ico::iconFileBytes(img, 32, 16, -1, false);
        QCOMPARE(field(f16, 62, 2), 0x7C00u); // 5-5-5, high bit clear
        QCOMPARE(field(f16, 64, 2), uint32_t((0x12 >> 3) << 10 | (0x34 >> 3) << 5 | (0x56 >> 3)));
        const QByteArray f24 = modPic2Ico::iconFileBytes(img, 32, 24, -1, false);
        QCOMPARE(f24.mid(62, 6), QByteArray("\x00\x00\xFF\x56\x34\x12", 6));
    }

    void padsEveryRowOfOddSizes()
    {
        QImage img(5, 5, QImage::Format_RGB32);
        img.fill(qRgb(1, 2, 3));
        const int stride[] = { 0, 4, 0, 0, 4, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 12, 0, 0, 0, 0, 0, 0,
            0, 16, 0, 0, 0, 0, 0, 0, 0, 20 };
        for (int depth : { 1, 4, 8, 16, 24, 32 }) {
            const QByteArray f = modPic2Ico::iconFileBytes(img, 5, depth, -1, false);
            const int expected = 62 + 4 * paletteEntries(depth) + 5 * stride[depth] + 5 * 4;
            QCOMPARE(f.size(), expected);
            QCOMPARE(int(field(f, 14, 4)), expected - 22);
        }
        const QByteArray f = modPic2Ico::iconFileBytes(img, 5, 24, -1, false);
        QCOMPARE(f.mid(62 + 16, 3), QByteArray("\x03\x02\x01", 3)); // second row after 16 bytes
    }

    void masksOnlyWhatIsAskedFor()
    {
        QCOMPARE(modPic2Ico::iconFileBytes(star(), 32, 32, 0x123456, true).right(128),
            QByteArray(128, '\0'));
        const QByteArray off = modPic2Ico::iconFileBytes(star(), 32, 32, kCyan, false);
        QCOMPARE(off.right(128), QByteArray(128, '\0'));
        QCOMPARE(field(off, 62, 4), 0xFF00FFFFu);
    }

    void refusesWhatCannotBeWritten()
    {
        QVERIFY(modPic2Ico::iconFileBytes(QImage(), 32, 32, kCyan, true).isEmpty());
        QVERIFY(modPic2Ico::iconFileBytes(star(), 32, 2, kCyan, true).isEmpty());
        QVERIFY(modPic2Ico::iconFileBytes(star(), 0, 32, kCyan, true).isEmpty());
        QVERIFY(modPic2Ico::iconFileBytes(star(), 257, 32, kCyan, true).isEmpty());
        const QByteArray big = modPic2Ico::iconFileBytes(star(), 256, 1, kCyan, true);
        QCOMPARE(field(big, 6, 2), 0u); // 256 does not fit the entry's bytes
        QCOMPARE(field(big, 26, 4), 256u);
    }

    // Qt's reader takes no 16-bit icons and ignores the mask of 24-bit ones (it treats every
    // image above 8 bits as carrying alpha), so 24 bits are checked for colour only.
    void qtReadsTheIcons_data()
    {
        QTest::addColumn<int>("depth");
        for (int d : { 1, 4, 8, 24, 32 })
            QTest::newRow(qPrintable(QString::number(d))) << d;
    }
    void qtReadsTheIcons()
    {
        QFETCH(int, depth);
        const QImage read = readWithQt(modPic2Ico::iconFileBytes(star(), 32, depth, kCyan, true));
        QCOMPARE(read.size(), QSize(32, 32));
        const QImage src = star();
        for (int y = 0; y < 32 && depth != 24; ++y)
            for (int x = 0; x < 32; ++x)
                QCOMPARE(qAlpha(read.pixel(x, y)) == 0, isBackground(src.pixel(x, y)));
        if (depth >= 4) {
            QCOMPARE(read.pixel(16, 16) | 0xFF000000, qRgb(0, 0, 255));
            QCOMPARE(read.pixel(16, 6) | 0xFF000000, qRgb(255, 0, 0));
            QCOMPARE(read.pixel(31, 31) | 0xFF000000, qRgb(255, 255, 0));
        }
    }

    void replacesFilesWholeAndKeepsThemOnFailure()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("star.ico"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(10000, 'x'));
        old.close();
        QVERIFY(modPic2Ico::SaveIcon(star(), path, 32, 1, kCyan, true));
        QCOMPARE(QFileInfo(path).size(), 326);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList { QStringLiteral("star.ico") });

        QVERIFY(!modPic2Ico::SaveIcon(QImage(), path, 32, 32, kCyan, true));
        QVERIFY(!modPic2Ico::SaveIcon(
            star(), dir.filePath(QStringLiteral("missing/x.ico")), 32, 32, kCyan, true));
        QVERIFY(!modPic2Ico::SaveIcon(star(), dir.path(), 32, 32, kCyan, true));
        // The disk fills up part-way through the 32-bit icon (4 286 bytes).
        const QByteArray before = [&] {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        const auto saved = runWithFileSizeLimit(
            300, [&] { return modPic2Ico::SaveIcon(star(), path, 32, 32, kCyan, true); });
        QVERIFY(saved.has_value());
        QVERIFY(!*saved);
        QFile after(path);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before);
        if (geteuid() != 0) { // root writes anywhere
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
            QVERIFY(!modPic2Ico::SaveIcon(star(), path, 32, 32, kCyan, true));
            QFile::setPermissions(
                dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QCOMPARE(QFileInfo(path).size(), 326);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList { QStringLiteral("star.ico") });
    }
};

QTEST_GUILESS_MAIN(TstIconFile)
#include "tst_iconfile.moc"
