#pragma once

#include "capture/capturepicturebox.h"
#include "capture/frmcapture.h"
#include "capture/frmcaptureinfo.h"
#include "capture/selectionshape.h"
#include "shell/frmbase.h"
#include "support/namedcontrol.h"
#include "support/testenv.h"

#include <QAction>
#include <QGuiApplication>
#include <QMap>
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
                            {QStringLiteral("-c"), QStringLiteral("printf '%1' | xclip -selection clipboard -loops 1 -i")
                                                       .arg(QLatin1String(text))});
    pump(300);
}

// The clipboard as another program reads it.
inline QByteArray clipboard(const char *type = nullptr)
{
    QStringList args{QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-o")};
    if (type)
        args << QStringLiteral("-t") << QString::fromLatin1(type);
    return runServing(QStringLiteral("xclip"), args);
}

// One run of the program with its own settings, and the capture window opened from the
// launcher's button. The copy option is off unless the settings say otherwise.
struct CaptureSession {
    explicit CaptureSession(const QMap<QString, QString> &settings = {})
    {
        env.setSetting(QStringLiteral("PressePapier"), QStringLiteral("Non"));
        for (auto it = settings.begin(); it != settings.end(); ++it)
            env.setSetting(it.key(), it.value());
        env.state.loadStartupSettings();
        launcher = std::make_unique<FrmBase>(env.state);
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
        window->MnuCapRegion->trigger();
        if (!waitUntil([&] { return window->overlay() && window->overlay()->isVisible(); }, 3000))
            return nullptr;
        pump(300);
        return window->overlay();
    }

    TestEnv env;
    std::unique_ptr<FrmBase> launcher;
    QPointer<frmCapture> window;
};
