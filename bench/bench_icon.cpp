#include "icon/modpic2ico.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A 32 x 32 star on a plain background, with the background as the see-through colour:
// the converter's usual work.
QImage starPicture()
{
    QImage img(33, 33, QImage::Format_RGB32);
    img.fill(QColor(0, 255, 255));
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 0, 0));
    p.drawPolygon(
        QPolygon({ QPoint(16, 1), QPoint(20, 12), QPoint(31, 12), QPoint(22, 19), QPoint(26, 30),
            QPoint(16, 23), QPoint(6, 30), QPoint(10, 19), QPoint(1, 12), QPoint(12, 12) }));
    p.setBrush(QColor(0, 0, 255));
    p.drawEllipse(QPoint(16, 16), 3, 3);
    // A few colours off every table, so the nearest-entry search has work to do.
    for (int i = 0; i < 32; ++i)
        img.setPixel(i, 31, qRgb(i * 8, 255 - i * 8, i * 3));
    return img;
}

void BM_IconBytes(benchmark::State &state)
{
    const QImage picture = starPicture();
    const int depth = int(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(modPic2Ico::iconFileBytes(picture, 32, depth, 0xFFFF00, true));
}

// The whole save: bytes, a temporary file beside the target, its sync to disk, the rename.
// The folder is the temporary one (TMPDIR): on a disk the sync dominates, on tmpfs it is free.
void BM_SaveIcon(benchmark::State &state)
{
    const QImage picture = starPicture();
    const int depth = int(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("star.ico"));
    for (auto _ : state) {
        if (!modPic2Ico::SaveIcon(picture, path, 32, depth, 0xFFFF00, true))
            state.SkipWithError("SaveIcon failed");
    }
}

} // namespace

BENCHMARK(BM_IconBytes)
    ->Arg(1)
    ->Arg(4)
    ->Arg(8)
    ->Arg(16)
    ->Arg(24)
    ->Arg(32)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveIcon)
    ->Arg(1)
    ->Arg(4)
    ->Arg(8)
    ->Arg(16)
    ->Arg(24)
    ->Arg(32)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
