#include "base/littleendian.h"
#include "icon/modpic2ico.h"
#include "icon/picturefile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <array>
#include <functional>

#include <sys/stat.h>

// Bitmaps are made here byte by byte, so each header variant, row order and run-length code
// can be tried on its own; ImageMagick and Pillow, reading the same files, are the referees.
namespace {

const QString kData = QStringLiteral(TINTAVO_TEST_DATA);

struct Bitmap
{
    int width = 0;
    int height = 0;
    int depth = 8;
    bool topDown = false;
    int infoBytes = 40; // 12, 40, 108 or 124
    uint32_t compression = 0;
    QList<QRgb> table;
    std::array<uint32_t, 4> masks {}; // red, green, blue, alpha
    QByteArray pixels; // rows or a run-length stream, as stored
};

constexpr auto put16 = littleendian::append16;
constexpr auto put32 = littleendian::append32;

QByteArray fileOf(const Bitmap &b)
{
    QByteArray info;
    if (b.infoBytes == 12) {
        put32(info, 12);
        put16(info, uint32_t(b.width));
        put16(info, uint32_t(b.height));
        put16(info, 1);
        put16(info, uint32_t(b.depth));
    } else {
        put32(info, uint32_t(b.infoBytes));
        put32(info, uint32_t(b.width));
        put32(info, uint32_t(b.topDown ? -b.height : b.height));
        put16(info, 1);
        put16(info, uint32_t(b.depth));
        put32(info, b.compression);
        put32(info, uint32_t(b.pixels.size()));
        put32(info, 2835);
        put32(info, 2835);
        put32(info, uint32_t(b.table.size()));
        put32(info, 0);
        if (b.infoBytes >= 108) {
            for (uint32_t m : b.masks)
                put32(info, m);
            put32(info, 0x73524742); // "sRGB"
            info.append(QByteArray(36 + 12, '\0'));
            if (b.infoBytes == 124)
                info.append(QByteArray(16, '\0'));
        } else if (b.compression == 3) {
            for (int i = 0; i < 3; ++i)
                put32(info, b.masks[size_t(i)]);
        }
    }
    QByteArray table;
    for (QRgb c : b.table) {
        table.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
        if (b.infoBytes != 12)
            table.append('\0');
    }
    QByteArray file("BM");
    const uint32_t pixelsAt = uint32_t(14 + info.size() + table.size());
    put32(file, pixelsAt + uint32_t(b.pixels.size()));
    put32(file, 0);
    put32(file, pixelsAt);
    return file + info + table + b.pixels;
}

// Rows for a picture given top row first; stored bottom row first unless top-down.
QByteArray rows(
    int width, int height, int depth, bool topDown, const std::function<uint32_t(int, int)> &value)
{
    const int stride = (width * depth + 31) / 32 * 4;
    QByteArray out(qsizetype(stride) * height, '\0');
    for (int stored = 0; stored < height; ++stored) {
        const int y = topDown ? stored : height - 1 - stored;
        auto *row = reinterpret_cast<uchar *>(out.data()) + qsizetype(stride) * stored;
        for (int x = 0; x < width; ++x) {
            const uint32_t v = value(x, y);
            switch (depth) {
            case 1:
                row[x / 8] |= uchar((v & 1) << (7 - x % 8));
                break;
            case 4:
                row[x / 2] |= uchar((v & 15) << (x % 2 ? 0 : 4));
                break;
            case 8:
                row[x] = uchar(v);
                break;
            case 16:
                qToLittleEndian<quint16>(quint16(v), row + 2 * x);
                break;
            case 24:
                row[3 * x] = uchar(v);
                row[3 * x + 1] = uchar(v >> 8);
                row[3 * x + 2] = uchar(v >> 16);
                break;
            case 32:
                qToLittleEndian<quint32>(v, row + 4 * x);
                break;
            }
        }
    }
    return out;
}

// A table of distinct colours, several with blue the strongest channel.
QList<QRgb> colours(int n)
{
    QList<QRgb> table;
    for (int i = 0; i < n; ++i)
        table << qRgb((i * 37 + 11) % 256, (i * 91 + 40) % 256, (255 - i * 13) % 256);
    return table;
}

QImage loadBytes(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return picturefile::load(buffer);
}

// How another program decodes a file: RGBA bytes, top row first.
QByteArray otherReader(const QString &path, const char *tool)
{
    QProcess p;
    if (qstrcmp(tool, "magick") == 0) {
        p.start(QStringLiteral("convert"),
            { path, QStringLiteral("-depth"), QStringLiteral("8"), QStringLiteral("rgba:-") });
    } else {
        p.start(QStringLiteral("/usr/bin/python3"),
            { QStringLiteral("-c"),
                QStringLiteral(
                    "import sys; from PIL import Image; "
                    "sys.stdout.buffer.write(Image.open(sys.argv[1]).convert('RGBA').tobytes())"),
                path });
    }
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

QByteArray rgbaOf(const QImage &picture)
{
    const QImage rgba = picture.convertToFormat(QImage::Format_RGBA8888);
    QByteArray out;
    for (int y = 0; y < rgba.height(); ++y)
        out.append(
            reinterpret_cast<const char *>(rgba.constScanLine(y)), qsizetype(rgba.width()) * 4);
    return out;
}

// A picture drawn as a grid of letters, top row first: '.' is the table's first colour, a
// digit the entry of that number, 'k' black.
QImage grid(const QStringList &lines, const QList<QRgb> &table)
{
    QImage out(int(lines.first().size()), int(lines.size()), QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            const QChar c = lines.at(y).at(x);
            out.setPixel(x, y,
                c == u'.'       ? table.at(0)
                    : c == u'k' ? qRgb(0, 0, 0)
                                : table.at(c.digitValue()));
        }
    }
    return out;
}

struct RunLengthCase
{
    const char *name;
    int depth;
    int width;
    int height;
    bool topDown;
    QByteArray stream;
    QStringList expected; // empty: every pixel the first colour
    const char *referees; // the other readers that decode it fully: ImageMagick, Pillow
};

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

QList<RunLengthCase> runLengthCases()
{
    const QStringList delta = { "........", "3.......", ".....22.", "111....." };
    return {
        // three of colour 1; jump 2 right and 1 up; two of colour 2; end of row; one of 3.
        { "rle8-delta", 8, 8, 4, false, bytes({ 3, 1, 0, 2, 2, 1, 2, 2, 0, 0, 1, 3, 0, 1 }), delta,
            "magick" },
        { "rle8-delta-topdown", 8, 8, 4, true, bytes({ 3, 1, 0, 2, 2, 1, 2, 2, 0, 0, 1, 3, 0, 1 }),
            { "111.....", ".....22.", "3.......", "........" }, "magick" },
        { "rle8-end-only", 8, 512, 512, false, bytes({ 0, 1 }), {},
            "" }, // too small a file for ImageMagick
        { "rle8-no-end", 8, 8, 4, false, bytes({ 2, 3 }),
            { "........", "........", "........", "33......" }, "magick" },
        { "rle8-cut-in-absolute", 8, 8, 2, false, bytes({ 0, 6, 1, 2, 3 }),
            { "........", "123....." }, "" },
        { "rle8-cut-in-delta", 8, 8, 2, false, bytes({ 1, 1, 0, 2, 4 }), { "........", "1......." },
            "" },
        { "rle8-bad-index", 8, 8, 2, false, bytes({ 4, 200, 2, 3, 0, 1 }),
            { "........", "kkkk33.." }, "" },
        { "rle8-past-row", 8, 8, 2, false, bytes({ 10, 1, 0, 0, 2, 2, 0, 1 }),
            { "22......", "11111111" }, "magick" },
        { "rle8-delta-past-end", 8, 8, 2, false, bytes({ 1, 2, 0, 2, 0, 9, 3, 3 }),
            { "........", "2......." }, "" },
        { "rle8-absolute-odd", 8, 8, 2, false, bytes({ 0, 3, 1, 2, 3, 0, 2, 1, 0, 1 }),
            { "........", "12311..." }, "magick" },
        // Every pixel written: the one kind Pillow's reader takes whole.
        { "rle8-full", 8, 4, 2, false, bytes({ 4, 1, 0, 0, 0, 4, 1, 2, 3, 0, 0, 1 }),
            { "1230", "1111" }, "magick pillow" },
        // colours 1 and 2 taking turns; an absolute run of three; next row, five with padding.
        { "rle4-mixed", 4, 6, 2, false,
            bytes({ 5, 0x12, 0, 3, 0x31, 0x20, 0, 0, 0, 5, 0x12, 0x30, 0x21, 0, 0, 1 }),
            { "12302.", "121213" }, "magick" },
    };
}

Bitmap runLengthBitmap(const RunLengthCase &c)
{
    Bitmap b;
    b.width = c.width;
    b.height = c.height;
    b.depth = c.depth;
    b.topDown = c.topDown;
    b.compression = c.depth == 8 ? 1 : 2;
    b.table = { qRgb(0x11, 0x22, 0x33), qRgb(200, 10, 10), qRgb(10, 200, 10), qRgb(10, 10, 230) };
    b.pixels = c.stream;
    return b;
}

// Uncompressed twins: each variant of header and depth, written bottom-up and top-down.
struct RowsCase
{
    QString name;
    Bitmap bitmap;
    std::function<QRgb(int, int)> expected;
    const char *referee = "magick";
};

QList<RowsCase> rowsCases(bool topDown)
{
    QList<RowsCase> out;
    const int w = 13;
    const int h = 5;
    const auto add
        = [&](const QString &name, Bitmap b, const std::function<uint32_t(int, int)> &stored,
              const std::function<QRgb(int, int)> &expected, const char *referee = "magick") {
              b.width = w;
              b.height = h;
              b.topDown = topDown;
              b.pixels = rows(w, h, b.depth, topDown, stored);
              out.append({ name, b, expected, referee });
          };
    for (int info : { 40, 108, 124 }) {
        for (int depth : { 1, 4, 8 }) {
            Bitmap b;
            b.depth = depth;
            b.infoBytes = info;
            b.table = colours(1 << depth);
            const int n = 1 << depth;
            const QList<QRgb> table = b.table;
            const auto index = [n](int x, int y) { return uint32_t((x * 7 + y * 3) % n); };
            add(QStringLiteral("%1-bit-v%2").arg(depth).arg(info), b, index,
                [=](int x, int y) { return table.at(int(index(x, y))); });
        }
        const auto on = [](int x, int y, int bit) { return ((x + 2 * y) >> bit & 1) != 0; };
        Bitmap b16;
        b16.depth = 16;
        b16.infoBytes = info;
        add(
            QStringLiteral("16-bit-555-v%1").arg(info), b16,
            [=](int x, int y) {
                return uint32_t((on(x, y, 0) ? 31 << 10 : 0) | (on(x, y, 1) ? 31 << 5 : 0)
                    | (on(x, y, 2) ? 31 : 0));
            },
            [=](int x, int y) {
                return qRgb(on(x, y, 0) ? 255 : 0, on(x, y, 1) ? 255 : 0, on(x, y, 2) ? 255 : 0);
            });
        Bitmap b565 = b16;
        b565.compression = 3;
        b565.masks = { 0xF800, 0x07E0, 0x001F, 0 };
        add(
            QStringLiteral("16-bit-565-v%1").arg(info), b565,
            [=](int x, int y) {
                return uint32_t((on(x, y, 0) ? 31 << 11 : 0) | (on(x, y, 1) ? 63 << 5 : 0)
                    | (on(x, y, 2) ? 31 : 0));
            },
            [=](int x, int y) {
                return qRgb(on(x, y, 0) ? 255 : 0, on(x, y, 1) ? 255 : 0, on(x, y, 2) ? 255 : 0);
            });
        const auto r = [](int x, int) { return (x * 20) % 256; };
        const auto g = [](int, int y) { return (y * 50 + 3) % 256; };
        const auto bl = [](int x, int y) { return (x * y * 7 + 100) % 256; };
        Bitmap b24;
        b24.depth = 24;
        b24.infoBytes = info;
        add(
            QStringLiteral("24-bit-v%1").arg(info), b24,
            [=](int x, int y) { return uint32_t(r(x, y) << 16 | g(x, y) << 8 | bl(x, y)); },
            [=](int x, int y) { return qRgb(r(x, y), g(x, y), bl(x, y)); });
        // Plain 32 bits: the fourth byte is unused, whatever it holds (ImageMagick guesses it
        // is alpha; Pillow, Qt and Windows do not).
        Bitmap b32 = b24;
        b32.depth = 32;
        add(
            QStringLiteral("32-bit-v%1").arg(info), b32,
            [=](int x, int y) {
                return uint32_t(0x5A000000 | r(x, y) << 16 | g(x, y) << 8 | bl(x, y));
            },
            [=](int x, int y) { return qRgb(r(x, y), g(x, y), bl(x, y)); }, "pillow");
        // Bit fields in another order: red in the low byte.
        Bitmap bf = b32;
        bf.compression = 3;
        bf.masks = { 0x000000FF, 0x0000FF00, 0x00FF0000, 0 };
        add(
            QStringLiteral("32-bit-fields-v%1").arg(info), bf,
            [=](int x, int y) { return uint32_t(bl(x, y) << 16 | g(x, y) << 8 | r(x, y)); },
            [=](int x, int y) { return qRgb(r(x, y), g(x, y), bl(x, y)); });
    }
    if (!topDown) { // the oldest header has no top-down form
        Bitmap core;
        core.infoBytes = 12;
        core.depth = 8;
        core.table = colours(256);
        const QList<QRgb> table = core.table;
        add(
            QStringLiteral("8-bit-core"), core, [](int x, int y) { return uint32_t(x * 19 + y); },
            [=](int x, int y) { return table.at(x * 19 + y); });
    }
    return out;
}

// Every loaded picture's pixels and the icon made from them, as one digest per file: what a
// child process prints for the corpus, to be compared between runs.
QByteArray digests(const QString &folder)
{
    QByteArray out;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(
             { QStringLiteral("*.bmp"), QStringLiteral("*.tiff") }, QDir::Files, QDir::Name)) {
        const QImage picture = picturefile::load(dir.filePath(name));
        QCryptographicHash hash(QCryptographicHash::Sha1);
        for (int y = 0; y < picture.height(); ++y)
            hash.addData(QByteArrayView(picture.constScanLine(y), qsizetype(picture.width()) * 4));
        hash.addData(modPic2Ico::iconFileBytes(picture, 32, 8, 0x808080, true));
        out += name.toUtf8() + ' ' + hash.result().toHex() + '\n';
    }
    return out;
}

// The corpus of run-length and twin files, also the fuzzer's seeds (tests/data/bitmap).
void writeCorpus(const QString &folder)
{
    QDir().mkpath(folder);
    const auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile f(QDir(folder).filePath(name + QStringLiteral(".bmp")));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    };
    for (const RunLengthCase &c : runLengthCases())
        write(QString::fromLatin1(c.name), fileOf(runLengthBitmap(c)));
    for (bool topDown : { false, true })
        for (const RowsCase &c : rowsCases(topDown))
            write(c.name + (topDown ? QStringLiteral("-topdown") : QString()), fileOf(c.bitmap));
}

} // namespace

class TstPictureFile : public QObject
{
    Q_OBJECT
private slots:
    void topDownBitmapsLoadLikeTheirBottomUpTwins()
    {
        const QList<RowsCase> bottomUp = rowsCases(false);
        const QList<RowsCase> topDown = rowsCases(true);
        QTemporaryDir dir;
        for (const RowsCase &c : bottomUp + topDown) {
            const QByteArray file = fileOf(c.bitmap);
            const QImage picture = loadBytes(file);
            const QString what
                = c.name + (c.bitmap.topDown ? QStringLiteral(" top-down") : QString());
            QVERIFY2(!picture.isNull(), qPrintable(what));
            QCOMPARE(picture.size(), QSize(13, 5));
            QVERIFY(picture.format() == QImage::Format_RGB32
                || picture.format() == QImage::Format_ARGB32);
            for (int y = 0; y < 5; ++y)
                for (int x = 0; x < 13; ++x)
                    QVERIFY2(picture.pixel(x, y) == c.expected(x, y),
                        qPrintable(QStringLiteral("%1 at %2,%3: %4")
                                       .arg(what)
                                       .arg(x)
                                       .arg(y)
                                       .arg(picture.pixel(x, y), 8, 16)));
            // Another reader makes the same pixels of the same file.
            const QString path = dir.filePath(QStringLiteral("twin.bmp"));
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(file);
            f.close();
            QVERIFY2(otherReader(path, c.referee) == rgbaOf(picture),
                qPrintable(what + QLatin1Char(' ') + c.referee));
        }
    }

    void runLengthBitmapsAreFullyDefined()
    {
        QTemporaryDir dir;
        for (const RunLengthCase &c : runLengthCases()) {
            const Bitmap b = runLengthBitmap(c);
            const QImage picture = loadBytes(fileOf(b));
            QVERIFY2(!picture.isNull(), c.name);
            QCOMPARE(picture.size(), QSize(c.width, c.height));
            if (c.expected.isEmpty()) {
                QImage flat(c.width, c.height, QImage::Format_RGB32);
                flat.fill(b.table.at(0));
                QVERIFY2(picture == flat, c.name);
            } else {
                QVERIFY2(picture == grid(c.expected, b.table), c.name);
            }
            const QString path = dir.filePath(QString::fromLatin1(c.name) + QStringLiteral(".bmp"));
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            // ImageMagick reads ahead of a stream's end: some slack after it (end-of-row codes).
            Bitmap padded = b;
            padded.pixels += QByteArray(64, '\0');
            f.write(fileOf(padded));
            f.close();
            const QByteArray ours = rgbaOf(picture);
            for (const QByteArray &referee : QByteArray(c.referees).split(' '))
                if (!referee.isEmpty())
                    QVERIFY2(otherReader(path, referee.constData()) == ours,
                        qPrintable(c.name + (" " + referee)));
        }
    }

    // Pixels a stream never wrote must not depend on what the heap held: the same corpus,
    // loaded in two processes whose fresh memory is filled with different bytes (by glibc's
    // allocator, or by AddressSanitizer's), gives the same pictures and the same icon bytes.
    // With the bitmaps go the 16-bit TIFFs whose colours lie in separate planes, of which Qt's
    // reader writes only a part.
    void theSameFileGivesTheSameBytesWhateverTheHeapHeld()
    {
        QTemporaryDir dir;
        writeCorpus(dir.path());
        for (const QString &name :
            { QStringLiteral("planar-16-bit-rgb.tiff"), QStringLiteral("planar-16-bit-rgba.tiff") })
            QVERIFY(QFile::copy(
                kData + QStringLiteral("/sourcepicture/") + name, QDir(dir.path()).filePath(name)));
        QByteArray runs[2];
        for (int i = 0; i < 2; ++i) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            const QString options = env.value(QStringLiteral("ASAN_OPTIONS"));
            env.insert(QStringLiteral("ASAN_OPTIONS"),
                options
                    + QStringLiteral(":max_malloc_fill_size=1073741824:malloc_fill_byte=%1")
                          .arg(i ? 0x5C : 0xA3));
            env.insert(QStringLiteral("MALLOC_PERTURB_"), QString::number(i ? 0x5C : 0xA3));
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(),
                { QStringLiteral("--digests"), dir.path() });
            QVERIFY(child.waitForFinished(120000));
            QCOMPARE(child.exitCode(), 0);
            runs[i] = child.readAllStandardOutput();
        }
        QVERIFY(runs[0].count('\n') >= 42);
        QVERIFY(runs[0].contains("planar-16-bit-rgba.tiff"));
        QCOMPARE(runs[0], runs[1]);
        QCOMPARE(runs[0], digests(dir.path()));
    }

    // Whatever a file holds, what comes back can be painted: an indexed picture whose indices
    // run past its table used to make the painter read beyond it.
    void everyLoadedPictureCanBePainted()
    {
        Bitmap shortTable;
        shortTable.width = 16;
        shortTable.height = 3;
        shortTable.table = colours(2);
        shortTable.pixels
            = rows(16, 3, 8, false, [](int x, int y) { return uint32_t(x * 16 + y); });
        const QImage bad = loadBytes(fileOf(shortTable));
        QCOMPARE(bad.size(), QSize(16, 3));
        QCOMPARE(bad.pixel(0, 0), shortTable.table.at(0));
        QCOMPARE(bad.pixel(0, 1), shortTable.table.at(1));
        QCOMPARE(bad.pixel(5, 1), qRgb(0, 0, 0));

        QTemporaryDir dir;
        writeCorpus(dir.path());
        QStringList files = QDir(dir.path()).entryList(QDir::Files);
        for (const QString &name :
            QDir(kData + QStringLiteral("/icon")).entryList({ QStringLiteral("*.bmp") }))
            files << kData + QStringLiteral("/icon/") + name;
        QImage canvas(600, 600, QImage::Format_RGB32);
        for (const QString &name : files) {
            const QImage picture = picturefile::load(QDir(dir.path()).filePath(name));
            QPainter painter(&canvas);
            painter.drawImage(0, 0, picture);
            painter.drawImage(QRect(0, 0, 33, 33), picture);
        }
        const QImage drawn = loadBytes(fileOf(shortTable));
        QPainter painter(&canvas);
        painter.drawImage(0, 0, drawn);
        painter.end();
        QCOMPARE(canvas.pixel(5, 1), qRgb(0, 0, 0));
    }

    void specialFilesAreRefusedAtOnce()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("x.bmp"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(picturefile::load(fifo).isNull());
        QVERIFY(modPic2Ico::LoadIconFile(dir.filePath(QStringLiteral("x.ico")), 0).isNull());
        QVERIFY(picturefile::load(dir.path()).isNull());
        QVERIFY(picturefile::load(QStringLiteral("/dev/zero")).isNull());
        const QString link = dir.filePath(QStringLiteral("link.bmp"));
        QVERIFY(QFile::link(fifo, link));
        QVERIFY(picturefile::load(link).isNull());
        QVERIFY(picturefile::load(dir.filePath(QStringLiteral("missing.bmp"))).isNull());
    }

    void refusesTheBadPictures()
    {
        const QDir data(kData + QStringLiteral("/icon"));
        const QStringList bad = data.entryList({ QStringLiteral("bad-*.bmp") }, QDir::Files);
        QVERIFY(bad.size() >= 6);
        for (const QString &name : bad)
            QVERIFY2(picturefile::load(data.filePath(name)).isNull(), qPrintable(name));
        QCOMPARE(
            picturefile::load(data.filePath(QStringLiteral("star.bmp"))).size(), QSize(32, 32));
        // Run-length bitmaps whose depth does not match their coding.
        Bitmap wrong = runLengthBitmap(runLengthCases().first());
        wrong.depth = 4;
        QVERIFY(loadBytes(fileOf(wrong)).isNull());
        wrong.depth = 8;
        wrong.compression = 2;
        QVERIFY(loadBytes(fileOf(wrong)).isNull());
    }

    // The budget counts the decoded picture, not the file: a small file may hold a large
    // picture honestly, and a picture beyond the budget is refused before it is decoded.
    void theBudgetCountsDecodedBytes()
    {
        Bitmap mono;
        mono.width = 1000;
        mono.height = 1000;
        mono.depth = 1;
        mono.table = { qRgb(255, 255, 255), qRgb(0, 0, 200) };
        mono.pixels = rows(1000, 1000, 1, false, [](int x, int y) { return uint32_t(x == y); });
        const QByteArray file = fileOf(mono);
        QVERIFY(file.size() < 130 * 1024);
        const QImage picture = loadBytes(file);
        QCOMPARE(picture.size(), QSize(1000, 1000));
        QCOMPARE(picture.pixel(999, 999), qRgb(0, 0, 200));
        QCOMPARE(picture.pixel(998, 999), qRgb(255, 255, 255));

        QTemporaryDir dir;
        QImage small(32, 32, QImage::Format_ARGB32);
        small.fill(qRgba(255, 0, 0, 128));
        const QString png = dir.filePath(QStringLiteral("small.png"));
        QVERIFY(small.save(png));
        QCOMPARE(picturefile::load(png).pixel(5, 5), qRgba(255, 0, 0, 128));
        QImage wide(600, 600, QImage::Format_RGB888);
        wide.fill(Qt::blue);
        const QString bmp = dir.filePath(QStringLiteral("wide.bmp"));
        QVERIFY(wide.save(bmp));
        QCOMPARE(picturefile::load(bmp).pixel(599, 0), qRgb(0, 0, 255));

        QImage blank(4000, 4000, QImage::Format_Mono);
        blank.fill(0);
        const QString fits = dir.filePath(QStringLiteral("fits.png"));
        QVERIFY(blank.save(fits));
        QCOMPARE(picturefile::load(fits).size(), QSize(4000, 4000));
        QImage over(8200, 8200, QImage::Format_Mono);
        over.fill(0);
        const QString tooLarge = dir.filePath(QStringLiteral("over.png"));
        QVERIFY(over.save(tooLarge));
        QVERIFY(picturefile::load(tooLarge).isNull());
        QVERIFY(!picturefile::fitsDecodeBudget(QSize(8200, 8200)));
        QVERIFY(picturefile::fitsDecodeBudget(QSize(8192, 8192)));

        // A run-length bitmap beyond the budget, however small its file.
        Bitmap runs = runLengthBitmap(runLengthCases().first());
        runs.width = 20000;
        runs.height = 20000;
        QVERIFY(loadBytes(fileOf(runs)).isNull());
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--digests") == 0) {
        const QByteArray out = digests(QString::fromLocal8Bit(argv[2]));
        return fwrite(out.constData(), 1, size_t(out.size()), stdout) == size_t(out.size()) ? 0 : 1;
    }
    if (argc == 3 && qstrcmp(argv[1], "--write-corpus") == 0) {
        writeCorpus(QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    TstPictureFile test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_picturefile.moc"
