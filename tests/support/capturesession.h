#pragma once

#include "app/programtools.h"
#include "base/twips.h"
#include "capture/capturepicturebox.h"
#include "capture/frmcapture.h"
#include "capture/frmcaptureinfo.h"
#include "capture/selectionshape.h"
#include "launcher/frmbase.h"
#include "platform/windowframe.h"
#include "support/memoryscreenservices.h"
#include "support/namedcontrol.h"
#include "support/testenv.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QMap>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <memory>

// Runs a command while our own event loop keeps serving the clipboard and the screen.
inline QByteArray runServing(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    waitUntil([&] { return p.state() == QProcess::NotRunning; }, 15000);
    return p.readAllStandardOutput();
}

// Real pointer and key events through XTest.
inline void xdo(const QString &commands)
{
    runServing(QStringLiteral("xdotool"), commands.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    pump(100);
}

// Another program takes the clipboard with a text and answers one paste before leaving.
inline void otherProgramOwnsClipboard(const char *text)
{
    QProcess::startDetached(QStringLiteral("sh"),
        { QStringLiteral("-c"),
            QStringLiteral("printf '%1' | xclip -selection clipboard -loops 1 -i")
                .arg(QLatin1String(text)) });
    pump(300);
}

// The clipboard as another program reads it.
inline QByteArray clipboard(const char *type = nullptr)
{
    QStringList args { QStringLiteral("-selection"), QStringLiteral("clipboard"),
        QStringLiteral("-o") };
    if (type)
        args << QStringLiteral("-t") << QString::fromLatin1(type);
    return runServing(QStringLiteral("xclip"), args);
}

// A window's size with its frame and title, in twips: the size the capture window keeps
// within its limits.
inline QSize outerSizeTwips(const QWidget *window)
{
    const QSize outer = windowframe::outerSize(window);
    return QSize(twips::toTwipsX(outer.width()), twips::toTwipsY(outer.height()));
}

// Resizes a window as the user does, to an outer size in twips.
inline void resizeOuterTwips(QWidget *window, int width, int height)
{
    const QSize frame = windowframe::outerSize(window) - window->size();
    window->resize(
        twips::toPixelsX(width) - frame.width(), twips::toPixelsY(height) - frame.height());
}

// Gives the capture window a picture the way the user does, with "Grab current screen", on a
// desktop held in memory whose one monitor shows exactly that picture. The screen services in
// use before are put back afterwards. True once the window shows the picture, ready to save.
inline bool captureOf(frmCapture *window, const QImage &picture)
{
    ScreenServices &before = ScreenServices::current();
    bool shown = false;
    {
        MemoryScreenServices desktop;
        desktop.screen().setAreas({ { QRect(QPoint(0, 0), picture.size()), 1.0 } });
        desktop.screen().desktop() = picture.convertToFormat(QImage::Format_RGB32);
        auto *box = control<CapturePictureBox>(window, "PicCapt");
        auto *save = control<QAction>(window, "MnuSave");
        control<QAction>(window, "MnuCapEcran")->trigger();
        shown = waitUntil([&] {
            return box->isVisible() && save->isEnabled() && !window->isMinimized()
                && box->picture() == desktop.screen().desktop();
        });
    }
    ScreenServices::install(&before);
    return shown;
}

// An empty selection, as the user makes one: Ctrl + click without moving on the region
// overlay, over a desktop held in memory. True once the window is back, ready to save it.
inline bool captureNothing(frmCapture *window)
{
    ScreenServices &before = ScreenServices::current();
    bool shown = false;
    {
        MemoryScreenServices desktop;
        desktop.screen().setAreas({ { QRect(0, 0, 200, 200), 1.0 } });
        control<QAction>(window, "MnuCapRegion")->trigger();
        if (waitUntil([&] { return window->overlay() && window->overlay()->isVisible(); }, 3000)) {
            frmCaptureInfo *overlay = window->overlay();
            const QPoint at(50, 50);
            for (const QEvent::Type type :
                { QEvent::MouseButtonPress, QEvent::MouseButtonRelease }) {
                const Qt::MouseButtons held
                    = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
                QMouseEvent e(type, QPointF(at), QPointF(overlay->mapToGlobal(at)), Qt::LeftButton,
                    held, Qt::ControlModifier);
                QApplication::sendEvent(overlay, &e);
            }
            auto *save = control<QAction>(window, "MnuSave");
            shown = waitUntil(
                [&] { return window->isVisible() && save->isEnabled() && !overlay->isVisible(); });
        }
        pump(50); // the steps the selection queued run with the same services
    }
    ScreenServices::install(&before);
    return shown;
}

// One run of the program with its own settings, and the capture window opened from the
// launcher's button. The copy option is off unless the settings say otherwise.
struct CaptureSession
{
    explicit CaptureSession(const QMap<QString, QString> &settings = {})
    {
        env.setSetting(QStringLiteral("PressePapier"), QStringLiteral("Non"));
        for (auto it = settings.begin(); it != settings.end(); ++it)
            env.setSetting(it.key(), it.value());
        env.state.loadStartupSettings();
        launcher = std::make_unique<FrmBase>(env.state, programTools());
        open();
    }
    ~CaptureSession()
    {
        // Nothing stays held for the next test.
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            xdo(QStringLiteral("keyup ctrl mouseup 1"));
        delete window.data();
    }
    frmCapture *open()
    {
        control<QPushButton>(launcher.get(), "CmdCapture")->click();
        window = qobject_cast<frmCapture *>(launcher->toolWindow(Tool::Capture));
        if (!QTest::qWaitForWindowExposed(window))
            qWarning("capture window not exposed");
        return window;
    }
    // Starts a region capture and waits for the overlay to take the keyboard.
    frmCaptureInfo *overlayUp()
    {
        control<QAction>(window, "MnuCapRegion")->trigger();
        if (!waitUntil([&] { return window->overlay() && window->overlay()->isVisible(); }, 3000))
            return nullptr;
        pump(300);
        return window->overlay();
    }

    TestEnv env;
    std::unique_ptr<FrmBase> launcher;
    QPointer<frmCapture> window;
};
