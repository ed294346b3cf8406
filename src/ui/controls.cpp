#include "ui/controls.h"

#include "platform/windowframe.h"

#include <QGuiApplication>
#include <QScreen>

void centreWindow(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect avail = screen->geometry();
    const QSize outer = windowframe::outerSize(window);
    windowframe::moveTo(window,
        QPoint(avail.left() + (avail.width() - outer.width()) / 2,
            avail.top() + (avail.height() - outer.height()) / 3));
}
