#include "platform/screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

QRect physicalGeometry(const QScreen *s)
{
    const QRect g = s->geometry();
    const qreal dpr = s->devicePixelRatio();
    return QRect(g.topLeft(), QSize(qRound(g.width() * dpr), qRound(g.height() * dpr)));
}

const QScreen *screenAtLogical(QPoint p)
{
    if (QScreen *s = QGuiApplication::screenAt(p))
        return s;
    return QGuiApplication::primaryScreen();
}

// The monitor holding a logical point, or the one nearest to it: the bottom and right edges of
// a rectangle lie just outside the monitor that holds the rectangle.
const QScreen *screenNearLogical(QPoint p)
{
    if (const QScreen *s = QGuiApplication::screenAt(p))
        return s;
    const QScreen *best = QGuiApplication::primaryScreen();
    qint64 bestDistance = -1;
    for (const QScreen *s : QGuiApplication::screens()) {
        const QRect g = s->geometry();
        const qint64 dx = p.x() < g.left() ? g.left() - p.x() : (p.x() > g.right() ? p.x() - g.right() : 0);
        const qint64 dy = p.y() < g.top() ? g.top() - p.y() : (p.y() > g.bottom() ? p.y() - g.bottom() : 0);
        const qint64 d = dx * dx + dy * dy;
        if (bestDistance < 0 || d < bestDistance) {
            best = s;
            bestDistance = d;
        }
    }
    return best;
}

const QScreen *screenAtPhysical(QPoint p)
{
    for (const QScreen *s : QGuiApplication::screens()) {
        if (physicalGeometry(s).contains(p))
            return s;
    }
    return nullptr;
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
    xcb_get_image_cookie_t cookie = xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root->root, int16_t(part.x()),
                                                  int16_t(part.y()), uint16_t(part.width()), uint16_t(part.height()),
                                                  ~0u);
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
    QImage shot(data, part.width(), part.height(), bytesPerLine, QImage::Format_RGB32,
                [](void *r) { std::free(r); }, reply);
    if (part == physical)
        return shot;
    QImage out(physical.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    p.drawImage(part.topLeft() - physical.topLeft(), shot);
    return out;
}

bool isX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

QRect Screen::virtualGeometry()
{
    QRect r;
    for (const QScreen *s : QGuiApplication::screens())
        r = r.united(s->geometry());
    return r;
}

QRect Screen::virtualGeometryPhysical()
{
    QRect r;
    for (const QScreen *s : QGuiApplication::screens())
        r = r.united(physicalGeometry(s));
    return r;
}

QList<Screen::Area> Screen::areas()
{
    QList<Area> out;
    for (const QScreen *s : QGuiApplication::screens())
        out.append({s->geometry(), physicalGeometry(s), s->devicePixelRatio()});
    return out;
}

qreal Screen::devicePixelRatioAt(QPoint logical)
{
    const QScreen *s = screenNearLogical(logical);
    return s ? s->devicePixelRatio() : 1.0;
}

QRect Screen::toPhysical(const QRect &logical)
{
    const QScreen *s = screenNearLogical(logical.topLeft());
    if (!s)
        return logical;
    const QPoint origin = s->geometry().topLeft();
    const qreal dpr = s->devicePixelRatio();
    const QPoint topLeft = origin + QPoint(qRound((logical.x() - origin.x()) * dpr), qRound((logical.y() - origin.y()) * dpr));
    return QRect(topLeft, QSize(qRound(logical.width() * dpr), qRound(logical.height() * dpr)));
}

QPoint Screen::cursorPos()
{
    return QCursor::pos();
}

QPoint Screen::toPhysical(QPoint logical)
{
    const QScreen *s = screenAtLogical(logical);
    if (!s)
        return logical;
    const QPoint origin = s->geometry().topLeft();
    const qreal dpr = s->devicePixelRatio();
    return origin + QPoint(qFloor((logical.x() - origin.x()) * dpr), qFloor((logical.y() - origin.y()) * dpr));
}

QPoint Screen::toLogical(QPoint physical)
{
    const QScreen *s = screenAtPhysical(physical);
    if (!s)
        return physical;
    const QPoint origin = s->geometry().topLeft();
    const qreal dpr = s->devicePixelRatio();
    return origin + QPoint(qFloor((physical.x() - origin.x()) / dpr), qFloor((physical.y() - origin.y()) / dpr));
}

QImage Screen::grabDesktop()
{
    return grab(virtualGeometryPhysical());
}

QImage Screen::grab(const QRect &physical)
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

int32_t Screen::pixel(QPoint physical)
{
    const QImage one = grab(QRect(physical, QSize(1, 1)));
    if (one.isNull() || !screenAtPhysical(physical))
        return -1;
    const QRgb c = one.pixel(0, 0);
    return int32_t(qRed(c)) | (int32_t(qGreen(c)) << 8) | (int32_t(qBlue(c)) << 16);
}

void Screen::setCapture(QWidget *widget)
{
    if (widget)
        widget->grabMouse();
}

void Screen::releaseCapture(QWidget *widget)
{
    if (widget)
        widget->releaseMouse();
}
