#pragma once

// Real input and another program's view of the clipboard, through the X tools, for tests on
// the Xvfb screen. Each tool runs while this process keeps handling its own events, so a
// clipboard request to us is answered.

#include "support/testenv.h"

#include <QPoint>
#include <QProcess>
#include <QStringList>
#include <QWidget>

namespace xinput {

inline QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted(3000))
        return QString();
    waitUntil([&] { return p.state() == QProcess::NotRunning; }, 10000);
    if (p.state() != QProcess::NotRunning) {
        p.kill();
        p.waitForFinished(1000);
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A borderless window of one colour, placed by us rather than by the window manager.
inline QWidget *colourWindow(const QColor &color, const QRect &geometry)
{
    auto *w = new QWidget(
        nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, color);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
    w->setGeometry(geometry);
    w->show();
    return w;
}

inline void moveTo(QPoint physical)
{
    run(QStringLiteral("xdotool"),
        { QStringLiteral("mousemove"), QString::number(physical.x()),
            QString::number(physical.y()) });
    pump(30);
}

// A press and release of a button (1 left, 3 right) at a physical position.
inline void clickAt(QPoint physical, int button = 1)
{
    moveTo(physical);
    run(QStringLiteral("xdotool"), { QStringLiteral("click"), QString::number(button) });
    pump(30);
}

// The left button pressed at `from`, the pointer dragged in a few steps to `to`, released there.
inline void dragTo(QPoint from, QPoint to)
{
    moveTo(from);
    run(QStringLiteral("xdotool"), { QStringLiteral("mousedown"), QStringLiteral("1") });
    pump(30);
    for (int i = 1; i <= 4; ++i)
        moveTo(from + (to - from) * i / 4);
    run(QStringLiteral("xdotool"), { QStringLiteral("mouseup"), QStringLiteral("1") });
    pump(30);
}

inline void key(const QString &name)
{
    run(QStringLiteral("xdotool"), { QStringLiteral("key"), name });
    pump(30);
}

inline QString clipboard()
{
    return run(QStringLiteral("xclip"),
        { QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard") });
}

} // namespace xinput
