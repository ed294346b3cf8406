// The picker and the capture on a Wayland desktop, where the screen is read through the desktop
// portal (run through scripts/run-under-wayland): one portal screenshot laid out over the
// monitors, the pipette's press to its frozen overlay on the screen, the full capture's command
// to its picture shown, and grim alone on the same desktop as the reference.

#include "app/programtools.h"
#include "capture/frmcapture.h"
#include "launcher/frmbase.h"
#include "picker/frmcolorpicker.h"
#include "picker/pickoverlay.h"
#include "platform/screen.h"
#include "platform/screenservices.h"
#include "platform/settingsstore.h"
#include "ui/appstate.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <functional>

namespace {

// Lets the event loop run until the condition holds; false after ten seconds.
bool runUntil(const std::function<bool()> &condition)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > 10000)
            return false;
        QEventLoop loop;
        QTimer::singleShot(1, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

bool onWayland(benchmark::State &st)
{
    if (QGuiApplication::platformName() == QLatin1String("wayland")
        && !ScreenServices::current().screen().isLive())
        return true;
    st.SkipWithError("not on a Wayland desktop (run through scripts/run-under-wayland)");
    return false;
}

struct ToolWorld
{
    QTemporaryDir dir;
    SettingsStore store { dir.filePath(QStringLiteral("config")) };
    AppState state { store };
    FrmBase *launcher = nullptr;
    QPointer<QWidget> tool;

    explicit ToolWorld(Tool which)
    {
        state.loadStartupSettings();
        state.writeSetting(Setting::PressePapier, QStringLiteral("Non"));
        launcher = new FrmBase(state, programTools());
        tool = launcher->showTool(which);
        runUntil([&] { return tool->windowHandle() && tool->windowHandle()->isExposed(); });
    }
    ~ToolWorld()
    {
        delete tool.data();
        delete launcher;
    }
};

void BM_PortalScreenshotLaidOut(benchmark::State &st)
{
    if (!onWayland(st))
        return;
    Screen &screen = ScreenServices::current().screen();
    QObject context;
    for (auto _ : st) {
        bool done = false;
        QSize size;
        screen.requestDesktop(&context, [&](const Screen::DesktopPicture &p) {
            size = p.image.size();
            done = true;
        });
        if (!runUntil([&] { return done; }) || size.isEmpty()) {
            st.SkipWithError("no picture from the portal");
            return;
        }
    }
}

void BM_PipettePressToOverlayShown(benchmark::State &st)
{
    if (!onWayland(st))
        return;
    ToolWorld world(Tool::ColorPicker);
    auto *picker = static_cast<frmColorPicker *>(world.tool.data());
    QPushButton *pipette = picker->findChild<QPushButton *>(QStringLiteral("CmdPipette"));
    const int monitors = int(QGuiApplication::screens().size());
    for (auto _ : st) {
        pipette->click();
        const bool shown = runUntil([&] {
            const QList<PickOverlay *> overlays = picker->pickOverlays();
            if (overlays.size() != monitors)
                return false;
            for (PickOverlay *o : overlays) {
                if (!o->windowHandle() || !o->windowHandle()->isExposed())
                    return false;
            }
            return true;
        });
        st.PauseTiming();
        if (!shown) {
            st.SkipWithError("the overlay did not show");
            return;
        }
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(picker->pickOverlays().first(), &esc);
        runUntil([&] { return pipette->isEnabled() && picker->pickOverlays().isEmpty(); });
        st.ResumeTiming();
    }
}

// From the command to the picture in the window again; the window's own designed pauses (out
// of the way for 300 ms, then 200 ms before it comes back) are part of it.
void BM_CaptureCommandToPictureShown(benchmark::State &st)
{
    if (!onWayland(st))
        return;
    ToolWorld world(Tool::Capture);
    auto *capture = static_cast<frmCapture *>(world.tool.data());
    QAction *command = capture->findChild<QAction *>(QStringLiteral("MnuCapEcran"));
    QAction *save = capture->findChild<QAction *>(QStringLiteral("MnuSave"));
    for (auto _ : st) {
        st.PauseTiming();
        save->setEnabled(false);
        st.ResumeTiming();
        command->trigger();
        if (!runUntil([&] { return save->isEnabled() && capture->windowHandle()->isExposed(); })) {
            st.SkipWithError("no picture");
            return;
        }
    }
}

void BM_GrimAlone(benchmark::State &st)
{
    if (!onWayland(st))
        return;
    const QString file = QDir::temp().filePath(QStringLiteral("bench-grim.png"));
    for (auto _ : st) {
        QProcess grim;
        grim.start(QStringLiteral("grim"), { file });
        grim.waitForFinished(10000);
    }
    QFile::remove(file);
}

} // namespace

BENCHMARK(BM_PortalScreenshotLaidOut)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_PipettePressToOverlayShown)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10);
BENCHMARK(BM_CaptureCommandToPictureShown)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);
BENCHMARK(BM_GrimAlone)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
