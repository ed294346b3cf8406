#include "base/pngbytes.h"
#include "capture/modcapture.h"
#include "platform/screen.h"
#include "platform/screenservices.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <map>

// A full-HD picture that looks like a desktop capture: flat window areas, title bars, lines
// of text, and one photo-like area with smooth colours and fine detail.
static QImage desktopLikePicture()
{
    QImage img(1920, 1080, QImage::Format_RGB32);
    img.fill(QColor(0x2E, 0x34, 0x40));
    QPainter p(&img);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    for (int i = 0; i < 5; ++i) {
        const QRect win(80 + i * 300, 60 + i * 120, 900, 560);
        p.fillRect(win, QColor(0xF0, 0xF0, 0xF0));
        p.fillRect(QRect(win.topLeft(), QSize(win.width(), 28)), QColor(0x35, 0x84, 0xE4));
        p.setPen(Qt::black);
        for (int line = 0; line < 30; ++line)
            p.drawText(win.left() + 12, win.top() + 50 + line * 17,
                QStringLiteral(
                    "Line %1 of a document window with some text in it, 0123456789 ABCDEF")
                    .arg(line));
    }
    const QRect photo(1100, 600, 700, 420);
    QLinearGradient g(photo.topLeft(), photo.bottomRight());
    g.setColorAt(0, QColor(0x20, 0x60, 0xA0));
    g.setColorAt(0.5, QColor(0xE0, 0xB0, 0x40));
    g.setColorAt(1, QColor(0x30, 0x90, 0x30));
    p.fillRect(photo, g);
    p.end();
    uint32_t seed = 12345;
    for (int y = photo.top(); y <= photo.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = photo.left(); x <= photo.right(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int n = int(seed >> 28) - 8;
            const QRgb c = line[x];
            line[x] = qRgb(qBound(0, qRed(c) + n, 255), qBound(0, qGreen(c) + n, 255),
                qBound(0, qBlue(c) + n, 255));
        }
    }
    return img;
}

static const QImage &picture()
{
    static const QImage img = desktopLikePicture();
    return img;
}

// A screen showing a photo edge to edge: colour fields that change smoothly at several scales,
// with the sensor noise of a real photo (which is what makes photos costly to deflate).
static QImage photoLikePicture(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    uint32_t seed = 7;
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        const double fy = double(y) / h;
        for (int x = 0; x < w; ++x) {
            const double fx = double(x) / w;
            const double c[3] = {
                128 + 90 * std::sin(fx * 7 + fy * 3)
                    + 30 * std::cos(fy * 23 + std::sin(fx * 11) * 2),
                120 + 80 * std::sin(fx * 5 - fy * 9 + 1) + 25 * std::sin(fx * 41 * fy),
                110 + 70 * std::cos(fx * 13 + fy * 5) + 30 * std::sin((fx + fy) * 31),
            };
            int v[3];
            for (int k = 0; k < 3; ++k) {
                seed = seed * 1664525u + 1013904223u;
                v[k] = qBound(0, int(c[k]) + int(seed >> 29) - 4, 255);
            }
            line[x] = qRgb(v[0], v[1], v[2]);
        }
    }
    return img;
}

static const QImage &photo(int w, int h)
{
    static std::map<std::pair<int, int>, QImage> made;
    QImage &img = made[{ w, h }];
    if (img.isNull())
        img = photoLikePicture(w, h);
    return img;
}

static void BM_GrabDesktop(benchmark::State &state)
{
    Screen &screen = ScreenServices::current().screen();
    const QRect area = screen.virtualGeometryPhysical();
    for (auto _ : state) {
        QImage shot = screen.grabDesktop();
        benchmark::DoNotOptimize(shot.constBits());
    }
    state.SetLabel(QStringLiteral("%1x%2").arg(area.width()).arg(area.height()).toStdString());
}
BENCHMARK(BM_GrabDesktop)->Unit(benchmark::kMillisecond);

static void encode(benchmark::State &state, const char *extension, int16_t quality)
{
    const QString ext = QString::fromLatin1(extension);
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray out = modCapture::encodeImage(picture(), ext, quality);
        bytes = out.size();
        benchmark::DoNotOptimize(out.constData());
    }
    state.counters["KiB"] = double(bytes) / 1024.0;
}
BENCHMARK_CAPTURE(encode, BMP, "BMP", -1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(encode, GIF, "GIF", -1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(encode, JPG0, "JPG", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(encode, JPG75, "JPG", 75)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(encode, PNG, "PNG", -1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(encode, TIF, "TIF", -1)->Unit(benchmark::kMillisecond);

// PNG of a photo on screen: the program's writer, Qt's writer and ImageMagick's convert (a
// process reading the same picture from a PPM file) side by side, with the file sizes.
static void PngPhoto_Tintavo(benchmark::State &state)
{
    const QImage &picture = photo(int(state.range(0)), int(state.range(1)));
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray out = modCapture::encodeImage(picture, QStringLiteral("PNG"), -1);
        bytes = out.size();
        benchmark::DoNotOptimize(out.constData());
    }
    state.counters["KiB"] = double(bytes) / 1024.0;
}

static void PngPhoto_OneThread(benchmark::State &state)
{
    const QImage &picture = photo(int(state.range(0)), int(state.range(1)));
    pngbytes::FastOptions options;
    options.threads = 1;
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray out = pngbytes::encodeFast(picture, options);
        bytes = out.size();
        benchmark::DoNotOptimize(out.constData());
    }
    state.counters["KiB"] = double(bytes) / 1024.0;
}

static void PngPhoto_Qt(benchmark::State &state)
{
    const QImage &picture = photo(int(state.range(0)), int(state.range(1)));
    qsizetype bytes = 0;
    for (auto _ : state) {
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter(&buffer, "png").write(picture);
        bytes = out.size();
        benchmark::DoNotOptimize(out.constData());
    }
    state.counters["KiB"] = double(bytes) / 1024.0;
}

static void PngPhoto_ImageMagick(benchmark::State &state)
{
    const QImage &picture = photo(int(state.range(0)), int(state.range(1)));
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.ppm"));
    const QString out = dir.filePath(QStringLiteral("out.png"));
    // The real ImageMagick, not a wrapper that may sit earlier on the PATH.
    const QString convert = QStringLiteral("/usr/bin/convert");
    if (!picture.save(in, "PPM") || !QFile::exists(convert)) {
        state.SkipWithError("no ImageMagick, or the picture could not be written");
        return;
    }
    for (auto _ : state) {
        if (QProcess::execute(convert, { in, out }) != 0) {
            state.SkipWithError("convert failed");
            return;
        }
    }
    state.counters["KiB"] = double(QFile(out).size()) / 1024.0;
}

static void photoSizes(benchmark::internal::Benchmark *b)
{
    b->Args({ 1280, 1024 })->Args({ 3840, 2160 })->Unit(benchmark::kMillisecond)->UseRealTime();
}
BENCHMARK(PngPhoto_Tintavo)->Apply(photoSizes);
BENCHMARK(PngPhoto_OneThread)->Apply(photoSizes);
BENCHMARK(PngPhoto_Qt)->Apply(photoSizes);
BENCHMARK(PngPhoto_ImageMagick)->Apply(photoSizes);

// The desktop-like picture through Qt's PNG writer, beside encode/PNG (the program's).
static void PngDesktop_Qt(benchmark::State &state)
{
    qsizetype bytes = 0;
    for (auto _ : state) {
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter(&buffer, "png").write(picture());
        bytes = out.size();
        benchmark::DoNotOptimize(out.constData());
    }
    state.counters["KiB"] = double(bytes) / 1024.0;
}
BENCHMARK(PngDesktop_Qt)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    // --write-picture FILE: saves the benchmark's picture (as BMP) for an outside encoder.
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--write-picture") == 0) {
            QGuiApplication app(argc, argv);
            return picture().save(QString::fromLocal8Bit(argv[i + 1]), "BMP") ? 0 : 1;
        }
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
