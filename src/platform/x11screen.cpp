#include "platform/x11screen.h"

#include "platform/x11connection.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QtGui/qguiapplication_platform.h>
#include <QtMath>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

QRect physicalGeometry(const QScreen *s)
{
    const QRect g = s->geometry();
    const qreal dpr = s->devicePixelRatio();
    return QRect(g.topLeft(), QSize(qRound(g.width() * dpr), qRound(g.height() * dpr)));
}

bool isX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

xcb_connection_t *x11Connection() { return x11::connection(); }

// On X11 the root window is read straight into an image in one request: native root
// coordinates are the physical coordinates used here. Qt's own grab copies the pixels three
// times on the way, which is most of the cost of a full-screen grab.
QImage grabX11(const QRect &physical)
{
    xcb_connection_t *c = x11Connection();
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

// xcb hands replies over as malloc'ed blocks.
template <class Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;
template <class Reply> Owned<Reply> own(Reply *reply) { return Owned<Reply>(reply, &std::free); }

// The client window the window manager names as active (EWMH), or none.
xcb_window_t activeClient(xcb_connection_t *c, xcb_window_t root)
{
    static const char name[] = "_NET_ACTIVE_WINDOW";
    const auto atom
        = own(xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof(name) - 1, name), nullptr));
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return XCB_WINDOW_NONE;
    const auto property = own(xcb_get_property_reply(
        c, xcb_get_property(c, 0, root, atom->atom, XCB_ATOM_WINDOW, 0, 1), nullptr));
    if (!property || property->format != 32 || xcb_get_property_value_length(property.get()) < 4)
        return XCB_WINDOW_NONE;
    return *static_cast<const xcb_window_t *>(xcb_get_property_value(property.get()));
}

// A reparenting window manager puts each client inside a frame window of its own, itself a
// child of the root: walking up from the client finds it. Without one, the client is its own
// frame.
xcb_window_t frameOf(xcb_connection_t *c, xcb_window_t window, xcb_window_t root)
{
    // A window manager nests only a few levels; the bound guards against a tree that
    // changes while it is walked.
    for (int depth = 0; depth < 16; ++depth) {
        const auto tree = own(xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
        if (!tree)
            return XCB_WINDOW_NONE;
        if (tree->parent == root || tree->parent == XCB_WINDOW_NONE)
            return window;
        window = tree->parent;
    }
    return XCB_WINDOW_NONE;
}

} // namespace

QList<Screen::Area> X11Screen::areas() const { return qtAreas(); }

std::optional<QRect> X11Screen::activeWindowPhysical(bool withFrame) const
{
    xcb_connection_t *c = isX11() ? x11Connection() : nullptr;
    if (!c)
        return std::nullopt;
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    if (!it.rem || !it.data)
        return std::nullopt;
    const xcb_window_t root = it.data->root;
    const xcb_window_t client = activeClient(c, root);
    if (client == XCB_WINDOW_NONE || client == root)
        return std::nullopt;
    const xcb_window_t window = withFrame ? frameOf(c, client, root) : client;
    if (window == XCB_WINDOW_NONE)
        return std::nullopt;
    const auto geometry = own(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    // Root coordinates of the window's inside: the frame's own border (outside it) is part of
    // the frame; the client's is not part of its client area.
    const auto at = own(xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, window, root, 0, 0), nullptr));
    if (!geometry || !at || geometry->width == 0 || geometry->height == 0)
        return std::nullopt;
    const int border = withFrame ? geometry->border_width : 0;
    return QRect(at->dst_x - border, at->dst_y - border, geometry->width + 2 * border,
        geometry->height + 2 * border);
}

QList<QRect> X11Screen::windowsPhysical() const
{
    xcb_connection_t *c = isX11() ? x11Connection() : nullptr;
    if (!c)
        return {};
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    if (!it.rem || !it.data)
        return {};
    const auto tree = own(xcb_query_tree_reply(c, xcb_query_tree(c, it.data->root), nullptr));
    if (!tree)
        return {};
    // The root's children in stacking order, the bottom one first; with a window manager they
    // are the frames around the programs' windows.
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    QList<QRect> out;
    for (int i = count - 1; i >= 0; --i) {
        const auto attributes = own(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, children[i]), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE
            || attributes->_class != XCB_WINDOW_CLASS_INPUT_OUTPUT)
            continue;
        const auto geometry
            = own(xcb_get_geometry_reply(c, xcb_get_geometry(c, children[i]), nullptr));
        if (!geometry || geometry->width < 2 || geometry->height < 2)
            continue;
        const int border = geometry->border_width;
        out << QRect(
            geometry->x, geometry->y, geometry->width + 2 * border, geometry->height + 2 * border);
    }
    return out;
}

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
