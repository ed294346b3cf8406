#include "app/programtools.h"
#include "base/twips.h"
#include "capture/frmcapture.h"
#include "launcher/frmbase.h"
#include "launcher/frmmodale2.h"
#include "picker/frmmodale1.h"
#include "platform/windowframe.h"
#include "support/testenv.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QTest>

#include <memory>

// Windows are sized and placed by their outer size before the window manager (openbox here)
// has framed them; the frame it then draws must be the one they were placed with.
namespace {

// Waits until the window manager has framed and placed the window; its frame as Qt sees it.
QRect framed(QWidget *w)
{
    if (!QTest::qWaitForWindowExposed(w))
        return QRect();
    // A window manager busy beside other work may take seconds to frame it.
    waitUntil(
        [w] {
            return w->frameGeometry().size() != w->size()
                && w->frameGeometry().width() > w->width();
        },
        20000);
    return w->frameGeometry();
}

QMargins marginsOf(const QRect &outer, const QRect &inner)
{
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
        outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

// Where a window that centres itself belongs: the middle across, a third of the free height
// above it.
QPoint designedPlace(const QSize &outer)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 3);
}

} // namespace

class TstWindowFrame : public QObject
{
    Q_OBJECT
private slots:
    void theFrameIsKnownBeforeTheFirstShowing()
    {
        QWidget sizable;
        sizable.resize(300, 200);
        QDialog fixed;
        fixed.setFixedSize(200, 100);
        for (QWidget *w : { &sizable, static_cast<QWidget *>(&fixed) }) {
            const QMargins before = windowframe::margins(w);
            QVERIFY(!before.isNull());
            const QPoint corner(37, 53);
            windowframe::moveTo(w, corner);
            w->show();
            const QRect outer = framed(w);
            QCOMPARE(marginsOf(outer, w->geometry()), before);
            QCOMPARE(outer.topLeft(), corner);
            QCOMPARE(windowframe::outerSize(w), outer.size());
            w->hide();
            QCOMPARE(windowframe::margins(w), before); // still known while hidden
        }
    }

    void centredWindowsSitByTheirRealFrame()
    {
        TestEnv env;
        env.state.loadStartupSettings();
        FrmBase launcher(env.state, programTools());

        FrmModale2 folders(env.state, env.state.chemin(), &launcher);
        FrmModale1 convert(env.state, &launcher);
        QWidget *toIco = launcher.showTool(Tool::ToIco);
        QWidget *capture = launcher.showTool(Tool::Capture);
        // Made before any is shown: asking the window manager about one frame moves none.
        for (QWidget *w : { static_cast<QWidget *>(&folders), static_cast<QWidget *>(&convert),
                 toIco, capture }) {
            w->show();
            const QRect outer = framed(w);
            QVERIFY2(outer.topLeft() == designedPlace(outer.size()), qPrintable(w->objectName()));
            if (w != capture)
                w->hide();
        }
        // The capture window opens at its smallest outer size, frame included.
        QCOMPARE(capture->frameGeometry().size(),
            QSize(twips::toPixelsX(frmCapture::LimiteH), twips::toPixelsY(frmCapture::LimiteV)));
        delete toIco;
        delete capture;
    }

    void gradientWindowsOpenAtTheirSmallestOuterWidth()
    {
        TestEnv env;
        env.state.loadStartupSettings();
        FrmBase launcher(env.state, programTools());
        for (Tool tool : { Tool::Gradient, Tool::Spherical }) {
            std::unique_ptr<QWidget> w(launcher.showTool(tool));
            QCOMPARE(framed(w.get()).width(), twips::toPixelsX(7800));
        }
    }
};

QTEST_MAIN(TstWindowFrame)
#include "tst_windowframe.moc"
