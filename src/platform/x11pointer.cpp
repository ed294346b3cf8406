#include "platform/x11pointer.h"

#include "platform/screen.h"
#include "platform/x11connection.h"

#include <QCursor>
#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

using x11::connection;
using x11::rootWindow;

} // namespace

X11Pointer::X11Pointer(const Screen &screen)
    : m_screen(screen)
{
}

bool X11Pointer::isNative() const
{
    xcb_connection_t *c = connection();
    return c && rootWindow(c) != XCB_WINDOW_NONE;
}

QPoint X11Pointer::physicalPos()
{
    if (xcb_connection_t *c = connection()) {
        const xcb_window_t root = rootWindow(c);
        if (root != XCB_WINDOW_NONE) {
            xcb_query_pointer_reply_t *reply
                = xcb_query_pointer_reply(c, xcb_query_pointer(c, root), nullptr);
            if (reply) {
                const QPoint p(reply->root_x, reply->root_y);
                std::free(reply);
                return p;
            }
        }
    }
    return m_screen.toPhysical(QCursor::pos());
}

void X11Pointer::warpTo(QPoint physical)
{
    if (xcb_connection_t *c = connection()) {
        const xcb_window_t root = rootWindow(c);
        if (root != XCB_WINDOW_NONE) {
            xcb_warp_pointer(
                c, XCB_WINDOW_NONE, root, 0, 0, 0, 0, int16_t(physical.x()), int16_t(physical.y()));
            xcb_flush(c);
            return;
        }
    }
    QCursor::setPos(m_screen.toLogical(physical));
}

void X11Pointer::setCapture(QWidget *widget)
{
    if (widget)
        widget->grabMouse();
}

void X11Pointer::releaseCapture(QWidget *widget)
{
    if (widget)
        widget->releaseMouse();
}
