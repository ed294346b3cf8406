#include "ui/controls.h"

#include "platform/windowframe.h"

#include "base/colorconv.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
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

void placeIn(
    QWidget *parent, QWidget *control, const char *name, int x, int y, int width, int height)
{
    control->setParent(parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(x, y, width, height);
}

QIcon swatchIcon(int32_t bgr, QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(toQColor(bgr));
    QPainter p(&pixmap);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}
