// The screenshot editor over a 3840 x 2160 desktop: its first paint once shown, a repaint
// while a mark is dragged (only the part that changed is painted), and the result made at
// physical pixels with a few marks.

#include "capture/editoroverlay.h"
#include "support/memoryscreenservices.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

struct World
{
    World()
    {
        services.screen().setAreas({ { QRect(0, 0, 3840, 2160), 1.0 } });
        QImage &desktop = services.screen().desktop();
        QPainter p(&desktop);
        for (int y = 0; y < 2160; y += 60)
            p.fillRect(0, y, 3840, 30, QColor::fromHsv((y / 2) % 360, 120, 220));
    }
    MemoryScreenServices services;
};

void mouse(QWidget *w, QEvent::Type type, QPoint at)
{
    QMouseEvent e(type, QPointF(at), QPointF(at), Qt::LeftButton,
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void BM_EditorFirstPaint4K(benchmark::State &state)
{
    World world;
    QImage target(3840, 2160, QImage::Format_RGB32);
    for (auto _ : state) {
        EditorOverlay editor(Language::English);
        editor.present(world.services.screen().grabDesktop());
        editor.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_EditorFirstPaint4K)->Unit(benchmark::kMillisecond);

void BM_EditorRepaintWhileDrawing4K(benchmark::State &state)
{
    World world;
    EditorOverlay editor(Language::English);
    editor.present(world.services.screen().grabDesktop());
    editor.setSelection(QRect(0, 0, 3840, 2160));
    editor.setTool(EditorOverlay::Tool::Rectangle);
    QImage target(3840, 2160, QImage::Format_RGB32);
    mouse(&editor, QEvent::MouseButtonPress, QPoint(200, 200));
    int step = 0;
    for (auto _ : state) {
        const QPoint at(600 + step % 400, 500 + step % 300);
        ++step;
        mouse(&editor, QEvent::MouseMove, at);
        // What a move changes: the rectangle's old and new box.
        editor.render(&target, QPoint(150, 150), QRegion(QRect(150, 150, 900, 700)));
        benchmark::DoNotOptimize(target.constBits());
    }
    mouse(&editor, QEvent::MouseButtonRelease, QPoint(600, 500));
}
BENCHMARK(BM_EditorRepaintWhileDrawing4K)->Unit(benchmark::kMillisecond);

void BM_EditorResult4K(benchmark::State &state)
{
    World world;
    EditorOverlay editor(Language::English);
    editor.present(world.services.screen().grabDesktop());
    editor.setSelection(QRect(0, 0, 3840, 2160));
    const EditorOverlay::Tool tools[] = { EditorOverlay::Tool::Rectangle,
        EditorOverlay::Tool::Arrow, EditorOverlay::Tool::Redact, EditorOverlay::Tool::Pixelate };
    int i = 0;
    for (EditorOverlay::Tool tool : tools) {
        editor.setTool(tool);
        mouse(&editor, QEvent::MouseButtonPress, QPoint(300 + 400 * i, 300));
        mouse(&editor, QEvent::MouseMove, QPoint(600 + 400 * i, 700));
        mouse(&editor, QEvent::MouseButtonRelease, QPoint(600 + 400 * i, 700));
        ++i;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(editor.result());
}
BENCHMARK(BM_EditorResult4K)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
