#include "platform/x11screen.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QtGui/qguiapplication_platform.h>
#include <QtMath>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

QRect physicalGeometry(const QScreen *s)
{
    const QRect g = s->geometry();
    const qreal dpr = s->devicePixelRatio();
    return QRect(g.topLeft(), QSize(qRound(g.width() * dpr), qRound(g.height() * dpr)));
}

// On X11 the root window is read straight into an image in one request: native root
// coordinates are the physical coordinates used here. Qt's own grab copies the pixels three
// times on the way, which is most of the cost of a full-screen grab.
QImage grabX11(const QRect &physical)
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *c = x11 ? x11->connection() : nullptr;
    if (!c)
        return QImage();
    const xcb_setup_t *setup = xcb_get_setup(c);
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup);
    if (!it.rem || !it.data)
        return QImage();
    const xcb_screen_t *root = it.data;
    const QRect rootRect(0, 0, root->width_in_pixels, root->height_in_pixels);
    const QRect part = physical.intersected(rootRect);
    if (part.isEmpty() || (root->root_depth != 24 && root->root_depth != 32))
        return QImage();
    xcb_get_image_cookie_t cookie = xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root->root,
        int16_t(part.x()), int16_t(part.y()), uint16_t(part.width()), uint16_t(part.height()), ~0u);
    xcb_get_image_reply_t *reply = xcb_get_image_reply(c, cookie, nullptr);
    if (!reply)
        return QImage();
    const int length = xcb_get_image_data_length(reply);
    uchar *data = xcb_get_image_data(reply);
    const qsizetype bytesPerLine = qsizetype(part.width()) * 4;
    if (length < bytesPerLine * part.height()) {
        std::free(reply);
        return QImage();
    }
    // 32 bits per pixel, blue first: the layout of Format_RGB32 on a little-endian machine.
    QImage shot(
        data, part.width(), part.height(), bytesPerLine, QImage::Format_RGB32,
        [](void *r) { std::free(r); }, reply);
    if (part == physical)
        return shot;
    QImage out(physical.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    p.drawImage(part.topLeft() - physical.topLeft(), shot);
    return out;
}

bool isX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

} // namespace

QList<Screen::Area> X11Screen::areas() const { return qtAreas(); }

QImage X11Screen::grab(const QRect &physical)
{
    if (physical.isEmpty())
        return QImage();
    if (isX11()) {
        QImage shot = grabX11(physical);
        if (!shot.isNull())
            return shot;
    }
    QImage out(physical.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter painter(&out);
    for (QScreen *s : QGuiApplication::screens()) {
        const QRect phys = physicalGeometry(s);
        const QRect part = phys.intersected(physical);
        if (part.isEmpty())
            continue;
        const qreal dpr = s->devicePixelRatio();
        // grabWindow takes logical coordinates relative to the screen.
        const QPoint rel = part.topLeft() - phys.topLeft();
        const int lx = qFloor(rel.x() / dpr), ly = qFloor(rel.y() / dpr);
        const int lw = qCeil((rel.x() + part.width()) / dpr) - lx;
        const int lh = qCeil((rel.y() + part.height()) / dpr) - ly;
        QImage shot = s->grabWindow(0, lx, ly, lw, lh).toImage();
        if (shot.isNull())
            continue;
        shot.setDevicePixelRatio(1.0);
        // The grab starts at the physical pixel of the logical corner.
        const QPoint shotOrigin(qRound(lx * dpr), qRound(ly * dpr));
        const QRect src(rel - shotOrigin, part.size());
        painter.drawImage(part.topLeft() - physical.topLeft(), shot, src);
    }
    painter.end();
    return out;
}
