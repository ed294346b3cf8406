#include "capture/modcapture.h"
#include "platform/screen.h"
#include "platform/screenservices.h"

#include <QFile>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstring>

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
