#pragma once

// The real program started as a user starts it, and found and driven through the X tools as
// another program would, for tests on the Xvfb screen.

#include "support/testenv.h"

#include <QProcess>
#include <QString>
#include <QStringList>

// The real program, run as a user runs it, with its own settings and runtime folders.
class Program
{
public:
    explicit Program(const QString &home)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/runtime"));
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }
    ~Program()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
    bool start(const QStringList &arguments = {})
    {
        m_process.start(QStringLiteral(TINTAVO_BINARY), arguments);
        return m_process.waitForStarted(5000);
    }
    qint64 pid() const { return m_process.processId(); }
    QProcess &process() { return m_process; }

    // The program's visible top-level window with this title, found as another program would.
    QString window(const QString &title, int timeoutMs = 10000) const
    {
        QString id;
        waitUntil(
            [&] {
                // xdotool ORs --pid with other conditions, so the name is checked separately.
                for (const QString &w :
                    run({ QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                        QStringLiteral("--pid"), QString::number(pid()) })) {
                    if (run({ QStringLiteral("getwindowname"), w }).value(0) == title) {
                        id = w;
                        return true;
                    }
                }
                return false;
            },
            timeoutMs);
        return id;
    }

private:
    static QStringList run(const QStringList &args)
    {
        QProcess x;
        x.start(QStringLiteral("xdotool"), args);
        x.waitForFinished(10000);
        return QString::fromUtf8(x.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    }

    QProcess m_process;
};

inline bool xdotool(const QStringList &args)
{
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

// The window that has the keyboard, as the window manager reports it.
inline QString activeWindow()
{
    QProcess x;
    x.start(QStringLiteral("xdotool"), { QStringLiteral("getactivewindow") });
    x.waitForFinished(10000);
    return QString::fromUtf8(x.readAllStandardOutput()).trimmed();
}

// Asks the window manager to give a window the keyboard and waits until it reports so. The
// request is repeated while waiting: a window manager busy framing a new window may drop it.
inline bool activate(const QString &window)
{
    return waitUntil(
        [&] {
            if (activeWindow() == window)
                return true;
            xdotool({ QStringLiteral("windowactivate"), window });
            return false;
        },
        30000);
}
