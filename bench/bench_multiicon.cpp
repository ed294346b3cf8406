// A 1024 x 1024 PNG with soft edges made into a 7-size icon file and into the whole favicon
// set, each from the file on disk to the files written; ImageMagick making the same icon file
// in the same run as the reference. The "bytes" counters compare the files' sizes.
#include "icon/faviconset.h"
#include "icon/multiicon.h"
#include "icon/sourcepicture.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

const QList<int> kAllSizes = { 16, 24, 32, 48, 64, 128, 256 };

// A logo-like picture: a disc with colours running across it and a soft rim, on transparent.
struct Source
{
    QTemporaryDir dir;
    QString png;
    Source()
    {
        const int n = 1024;
        QImage img(n, n, QImage::Format_ARGB32);
        const double c = (n - 1) / 2.0, r = n * 0.45;
        for (int y = 0; y < n; ++y) {
            auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
            for (int x = 0; x < n; ++x) {
                const double d = std::hypot(x - c, y - c);
                const int a = int(std::clamp((r - d) / 12.0, 0.0, 1.0) * 255);
                line[x] = qRgba(x / 4, y / 4, 255 - (x + y) / 8, a);
            }
        }
        png = dir.filePath(QStringLiteral("in.png"));
        img.save(png);
    }
};

Source &source()
{
    static Source s;
    return s;
}

void BM_PngToSevenSizeIco(benchmark::State &state)
{
    const QString out = source().dir.filePath(QStringLiteral("tintavo.ico"));
    for (auto _ : state) {
        const sourcepicture::Result r = sourcepicture::load(source().png);
        if (r.error != sourcepicture::Error::None
            || !multiicon::writeIco(out, r.picture, kAllSizes, sourcepicture::Fit::Centre))
            state.SkipWithError("the icon file was not written");
    }
    state.counters["bytes"] = double(QFileInfo(out).size());
}

void BM_PngToFaviconSet(benchmark::State &state)
{
    const QString folder = source().dir.filePath(QStringLiteral("site"));
    QDir().mkpath(folder);
    for (auto _ : state) {
        const sourcepicture::Result r = sourcepicture::load(source().png);
        const auto files = faviconset::build(
            r.picture, sourcepicture::Fit::Centre, qRgb(255, 255, 255), QStringLiteral("bench"));
        if (faviconset::write(folder, files, true).status
            != faviconset::WriteResult::Status::Written)
            state.SkipWithError("the favicon set was not written");
    }
    qint64 bytes = 0;
    for (const QString &name : faviconset::fileNames())
        bytes += QFileInfo(QDir(folder).filePath(name)).size();
    state.counters["bytes"] = double(bytes);
    state.counters["ico_bytes"]
        = double(QFileInfo(QDir(folder).filePath(QStringLiteral("favicon.ico"))).size());
}

// The reference: ImageMagick's convert, one process per icon file as a designer would run it.
void BM_ImageMagickSevenSizeIco(benchmark::State &state)
{
    const QString convert = QStandardPaths::findExecutable(QStringLiteral("convert"));
    if (convert.isEmpty()) {
        state.SkipWithError("ImageMagick's convert is not installed");
        return;
    }
    const QString out = source().dir.filePath(QStringLiteral("magick.ico"));
    for (auto _ : state) {
        QProcess p;
        p.start(convert,
            { source().png, QStringLiteral("-define"),
                QStringLiteral("icon:auto-resize=256,128,64,48,32,24,16"), out });
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            state.SkipWithError("convert failed");
    }
    state.counters["bytes"] = double(QFileInfo(out).size());
}

} // namespace

BENCHMARK(BM_PngToSevenSizeIco)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PngToFaviconSet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImageMagickSevenSizeIco)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    // Drawings need a GUI application; none is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
