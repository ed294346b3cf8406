#include "base/colorconv.h"
#include "platform/screen.h"
#include "platform/screenservices.h"
#include "support/capturesession.h"
#include "support/patternwindow.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>

#include <csignal>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

// A desktop of two monitors side by side (1280 x 1024 each, the left one primary) on an X
// server of its own with openbox, as Qt sees a real two-monitor desktop: one X screen of
// 2560 x 1024 split into two RandR monitors.
namespace {

class TwoMonitorDesktop
{
public:
    ~TwoMonitorDesktop()
    {
        for (pid_t pid : { m_windowManager, m_server }) {
            if (pid > 0) {
                kill(pid, SIGTERM);
                waitpid(pid, nullptr, 0);
            }
        }
    }

    bool start()
    {
        int display[2];
        if (pipe(display) != 0)
            return false;
        m_server = fork();
        if (m_server == 0) {
            close(display[0]);
            const std::string fd = std::to_string(display[1]);
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, STDERR_FILENO);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "2560x1024x24",
                "-nolisten", "tcp", "-noreset", static_cast<char *>(nullptr));
            _exit(127);
        }
        close(display[1]);
        // The server writes its display number once it accepts connections.
        std::string number;
        char c;
        while (read(display[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(display[0]);
        if (m_server < 0 || number.empty())
            return false;
        setenv("DISPLAY", (":" + number).c_str(), 1);
        if (std::system("xrandr --setmonitor '*LEFT' 1280/338x1024/270+0+0 screen >/dev/null"
                        " && xrandr --setmonitor RIGHT 1280/338x1024/270+1280+0 none >/dev/null")
            != 0)
            return false;

        m_windowManager = fork();
        if (m_windowManager == 0) {
            execlp("sh", "sh", "-c", "exec openbox --sm-disable >/dev/null 2>&1",
                static_cast<char *>(nullptr));
            _exit(127);
        }
        // Windows are framed only once the window manager has taken the screen.
        for (int tries = 0; tries < 200; ++tries) {
            if (std::system(
                    "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'")
                == 0)
                return true;
            usleep(50 * 1000);
        }
        return false;
    }

private:
    pid_t m_server = -1;
    pid_t m_windowManager = -1;
};

QPoint centreOf(QWidget *w, const QRect &r) { return w->mapToGlobal(r.center()); }

} // namespace

class TstCaptureMonitors : public QObject
{
    Q_OBJECT

private slots:
    void desktopHasTwoMonitors()
    {
        QCOMPARE(QGuiApplication::screens().size(), 2);
        QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1280, 1024));
        QCOMPARE(ScreenServices::current().screen().virtualGeometry(), QRect(0, 0, 2560, 1024));
    }

    void fullCaptureStaysOnItsMonitorScrollsAndSaves()
    {
        PatternWindow pattern(QRect(1800, 300, 400, 300)); // on the right monitor
        pattern.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pattern));
        CaptureSession s({ { QStringLiteral("FormatImage"), QStringLiteral("PNG") } });
        frmCapture *w = s.window;
        auto *box = control<CapturePictureBox>(w, "PicCapt");
        auto *horizontal = control<QScrollBar>(w, "HScrollPic");
        auto *vertical = control<QScrollBar>(w, "VScrollPic");
        auto *menuBar = control<QMenuBar>(w, "MenuBar");
        auto *menu = control<QMenu>(w, "MnMenu");
        auto *save = control<QAction>(w, "MnuSave");
        control<QAction>(w, "MnuCapEcran")->trigger();
        QVERIFY(
            waitUntil([&] { return box->isVisible() && save->isEnabled() && !w->isMinimized(); }));
        QCOMPARE(box->picture().size(), QSize(2560, 1024));

        // The frame, menu bar included, stays on the monitor the window opened on.
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(waitUntil([&] {
            return w->frameGeometry().width() > w->width() && free.contains(w->frameGeometry());
        }));
        QVERIFY(horizontal->isVisible() && vertical->isVisible());

        // Scrolled to its end, the right monitor's pattern shows inside the window, and the
        // picture's last column stands inside the view, by the vertical bar.
        horizontal->setValue(horizontal->maximum());
        const QPoint source(1900, 350);
        const QPoint shown = box->mapToGlobal(source);
        QVERIFY(w->geometry().contains(shown));
        QVERIFY(waitUntil([&] {
            return ScreenServices::current().screen().pixel(shown)
                == fromQRgb(PatternWindow::colourAt(source.x(), source.y()));
        }));
        const QPoint end = box->mapTo(control<QWidget>(w, "Client"), QPoint(box->width() - 1, 0));
        QVERIFY(end.x() < vertical->x()
            && end.x() <= control<PictureBox>(w, "PictureDoc")->geometry().right());

        // The mouse wheel over the picture scrolls it down.
        xdo(QStringLiteral("mousemove %1 %2 click 5").arg(shown.x()).arg(shown.y()));
        QVERIFY(waitUntil([&] { return vertical->value() > 0; }));

        // Saved from the menu with the pointer, as a user does, once the window has the focus
        // (a first click would only give it the focus).
        ScriptedCommonDialog dialogs;
        RecordingMessageBox messages;
        const QString path = s.env.path(QStringLiteral("desktop.PNG"));
        dialogs.answerFile(path);
        w->activateWindow();
        QVERIFY(waitUntil([&] { return w->isActiveWindow(); }));
        const QPoint title = centreOf(menuBar, menuBar->actionGeometry(menu->menuAction()));
        QVERIFY(free.contains(title));
        xdo(QStringLiteral("mousemove %1 %2").arg(title.x()).arg(title.y()));
        QVERIFY(waitUntil([&] { return menuBar->underMouse(); }));
        xdo(QStringLiteral("click 1"));
        QVERIFY(waitUntil([&] { return menu->isVisible(); }));
        const QPoint entry = centreOf(menu, menu->actionGeometry(save));
        xdo(QStringLiteral("mousemove %1 %2").arg(entry.x()).arg(entry.y()));
        QVERIFY(waitUntil([&] { return menu->activeAction() == save; }));
        xdo(QStringLiteral("click 1"));
        QVERIFY(waitUntil([&] { return !messages.messages().isEmpty(); }));
        const QImage saved(path);
        QCOMPARE(saved.size(), QSize(2560, 1024));
        QCOMPARE(saved.pixel(source) & 0xFFFFFF,
            PatternWindow::colourAt(source.x(), source.y()) & 0xFFFFFF);
    }
};

int main(int argc, char *argv[])
{
    TwoMonitorDesktop desktop;
    if (!desktop.start()) {
        fprintf(stderr, "no two-monitor X server (Xvfb, xrandr, openbox)\n");
        return 1;
    }
    QApplication app(argc, argv);
    TstCaptureMonitors test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_capturemonitors.moc"
