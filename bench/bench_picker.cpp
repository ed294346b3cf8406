// The colour picker's hot paths on a real X screen (run under Xvfb): from the mouse release
// to the eleven boxes filled and the clipboard set, and one magnifier refresh.

#include "app/programtools.h"
#include "controls/intervaltimer.h"
#include "launcher/frmbase.h"
#include "picker/frmcolorpicker.h"
#include "picker/loupe.h"
#include "platform/settingsstore.h"
#include "ui/appstate.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct PickerWorld
{
    QTemporaryDir dir;
    SettingsStore store { dir.filePath(QStringLiteral("config")) };
    AppState state { store };
    FrmBase *launcher = nullptr;
    QPointer<frmColorPicker> picker;

    PickerWorld()
    {
        state.loadStartupSettings();
        launcher = new FrmBase(state, programTools());
        picker = static_cast<frmColorPicker *>(launcher->showTool(Tool::ColorPicker));
        for (int i = 0; i < 50; ++i)
            QCoreApplication::processEvents();
    }
    ~PickerWorld()
    {
        delete picker.data();
        delete launcher;
    }
};

void BM_ReleaseToBoxesAndClipboard(benchmark::State &st)
{
    PickerWorld world;
    frmColorPicker &p = *world.picker;
    // The controls by their names: the pipette button, the HTML box and the display timer.
    auto *pipette = p.findChild<QPushButton *>(QStringLiteral("CmdPipette"));
    auto *html = p.findChild<QLineEdit *>(QStringLiteral("TxtC(0)"));
    auto *display = p.findChild<IntervalTimer *>(QStringLiteral("TimCapt"));
    if (!pipette || !html || !display) {
        st.SkipWithError("the picker has no control of that name");
        return;
    }
    for (auto _ : st) {
        st.PauseTiming();
        pipette->click();
        html->clear();
        st.ResumeTiming();
        // The release as the capture delivers it; the pick then runs its steps from the event
        // loop, each after the events queued before it.
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(10, 10), QPointF(10, 10),
            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&p, &release);
        for (int i = 0; i < 10 && html->text().isEmpty(); ++i)
            QCoreApplication::sendPostedEvents();
        st.PauseTiming();
        if (html->text().isEmpty() || QGuiApplication::clipboard()->text() != html->text())
            st.SkipWithError("the release did not fill the boxes and the clipboard");
        display->setInterval(0); // the display timer's second copy is not part of the release
        st.ResumeTiming();
    }
}
BENCHMARK(BM_ReleaseToBoxesAndClipboard)->Unit(benchmark::kMillisecond);

void BM_LoupeRefresh(benchmark::State &st)
{
    Loupe loupe;
    loupe.refreshAt(QPoint(640, 512));
    loupe.show();
    for (int i = 0; i < 50; ++i)
        QCoreApplication::processEvents();
    int step = 0;
    for (auto _ : st) {
        loupe.refreshAt(QPoint(300 + (step++ % 600), 512));
        benchmark::DoNotOptimize(loupe.centreColor());
    }
}
BENCHMARK(BM_LoupeRefresh)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
