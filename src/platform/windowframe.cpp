#include "platform/windowframe.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QHash>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <poll.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace {

// How long the window manager may take to answer a frame request; one that never answers
// leaves the window without a frame.
constexpr int kAnswerTimeoutMs = 1000;

struct FreeDeleter
{
    void operator()(void *p) const { std::free(p); }
};
template <class T> using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_connection_t *qtConnection()
{
    auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    auto *x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// A connection of our own: the events it selects on a window are its own, so waiting for the
// window manager's answer leaves Qt's event queue alone.
xcb_connection_t *ownConnection()
{
    struct Own
    {
        Own()
            : c(xcb_connect(nullptr, nullptr))
        {
            if (xcb_connection_has_error(c)) {
                xcb_disconnect(c);
                c = nullptr;
            }
        }
        ~Own()
        {
            if (c)
                xcb_disconnect(c);
        }
        xcb_connection_t *c;
    };
    static Own own;
    return own.c;
}

// Atoms of our own connection, asked for once each.
xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    static QHash<QByteArray, xcb_atom_t> known;
    const QByteArray key(name);
    if (const auto it = known.constFind(key); it != known.constEnd())
        return *it;
    const Reply<xcb_intern_atom_reply_t> r(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(key.size()), name), nullptr));
    if (!r)
        return XCB_ATOM_NONE;
    known.insert(key, r->atom);
    return r->atom;
}

bool windowManagerSupports(xcb_connection_t *c, xcb_window_t root, xcb_atom_t what)
{
    const Reply<xcb_get_property_reply_t> r(xcb_get_property_reply(c,
        xcb_get_property(c, 0, root, atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 4096), nullptr));
    if (!r || r->type != XCB_ATOM_ATOM || r->format != 32)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(r.get()));
    const int count = xcb_get_property_value_length(r.get()) / int(sizeof(xcb_atom_t));
    for (int i = 0; i < count; ++i) {
        if (atoms[i] == what)
            return true;
    }
    return false;
}

std::optional<QMargins> readExtents(xcb_connection_t *c, xcb_window_t window, xcb_atom_t extents)
{
    const Reply<xcb_get_property_reply_t> r(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    if (!r || r->type != XCB_ATOM_CARDINAL || r->format != 32 || r->value_len != 4)
        return std::nullopt;
    // Left, right, top, bottom.
    const auto *v = static_cast<const uint32_t *>(xcb_get_property_value(r.get()));
    return QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
}

// Waits until the window's property changes or the time is up.
void awaitPropertyChange(xcb_connection_t *c, xcb_window_t window, xcb_atom_t property)
{
    const QDeadlineTimer deadline(kAnswerTimeoutMs);
    for (;;) {
        const std::unique_ptr<xcb_generic_event_t, FreeDeleter> e(xcb_poll_for_event(c));
        if (e) {
            if ((e->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
                const auto *p = reinterpret_cast<const xcb_property_notify_event_t *>(e.get());
                if (p->window == window && p->atom == property)
                    return;
            }
            continue;
        }
        const qint64 left = deadline.remainingTime();
        if (left <= 0 || xcb_connection_has_error(c))
            return;
        pollfd fd { xcb_get_file_descriptor(c), POLLIN, 0 };
        poll(&fd, 1, int(left));
    }
}

// The properties by which a window manager chooses a window's frame: its kind, its size
// limits (a fixed size has no resize handle), its decorations and the rules for its class.
void copyFrameProperties(xcb_connection_t *c, xcb_window_t from, xcb_window_t to)
{
    for (const char *name : { "WM_NORMAL_HINTS", "WM_HINTS", "WM_CLASS", "WM_WINDOW_ROLE",
             "WM_TRANSIENT_FOR", "_NET_WM_WINDOW_TYPE", "_NET_WM_STATE", "_MOTIF_WM_HINTS" }) {
        const xcb_atom_t property = atom(c, name);
        const Reply<xcb_get_property_reply_t> r(xcb_get_property_reply(c,
            xcb_get_property(c, 0, from, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr));
        if (!r || r->type == XCB_ATOM_NONE)
            continue;
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, to, property, r->type, r->format,
            r->value_len, xcb_get_property_value(r.get()));
    }
}

// The frame the window manager will draw around an X11 window, in native pixels. The window
// manager frames a stand-in with the window's properties: while answering, it may also tell
// the window it was placed at the desktop's corner, which Qt would take for the window's own
// place.
std::optional<QMargins> askWindowManager(xcb_connection_t *qt, xcb_window_t window)
{
    xcb_connection_t *c = ownConnection();
    if (!c)
        return std::nullopt;
    const xcb_screen_iterator_t roots = xcb_setup_roots_iterator(xcb_get_setup(c));
    if (!roots.rem)
        return std::nullopt;
    const xcb_window_t root = roots.data->root;
    const xcb_atom_t request = atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = atom(c, "_NET_FRAME_EXTENTS");
    if (!windowManagerSupports(c, root, request))
        return std::nullopt;

    // Qt's requests that create the window and set its properties must have reached the
    // server before they are read.
    free(xcb_get_input_focus_reply(qt, xcb_get_input_focus(qt), nullptr));
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    if (!geometry)
        return std::nullopt;

    const xcb_window_t standIn = xcb_generate_id(c);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, standIn, root, 0, 0,
        qMax<uint16_t>(1, geometry->width), qMax<uint16_t>(1, geometry->height), 0,
        XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
    copyFrameProperties(c, window, standIn);

    xcb_client_message_event_t ask;
    std::memset(&ask, 0, sizeof ask);
    ask.response_type = XCB_CLIENT_MESSAGE;
    ask.format = 32;
    ask.window = standIn;
    ask.type = request;
    xcb_send_event(c, 0, root,
        XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
        reinterpret_cast<const char *>(&ask));
    xcb_flush(c);
    awaitPropertyChange(c, standIn, extents);
    const std::optional<QMargins> frame = readExtents(c, standIn, extents);
    xcb_destroy_window(c, standIn);
    xcb_flush(c);
    return frame;
}

} // namespace

namespace windowframe {

QMargins margins(const QWidget *window)
{
    if (!window || !window->isWindow())
        return QMargins();
    // Once framed, the window knows its frame (and keeps it while hidden). Before, Qt reports
    // a frame one pixel short on the right and at the bottom.
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    const QMargins known(inner.left() - outer.left(), inner.top() - outer.top(),
        outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (known.left() >= 0 && known.top() >= 0 && known.right() >= 0 && known.bottom() >= 0
        && !known.isNull())
        return known;

    xcb_connection_t *qt = qtConnection();
    if (!qt)
        return QMargins();
    const std::optional<QMargins> native = askWindowManager(qt, xcb_window_t(window->winId()));
    if (!native)
        return QMargins();
    const qreal dpr = window->devicePixelRatioF();
    return QMargins(qRound(native->left() / dpr), qRound(native->top() / dpr),
        qRound(native->right() / dpr), qRound(native->bottom() / dpr));
}

QSize outerSize(const QWidget *window)
{
    const QMargins m = margins(window);
    return window->size() + QSize(m.left() + m.right(), m.top() + m.bottom());
}

void moveTo(QWidget *window, QPoint outerTopLeft)
{
    const QMargins m = margins(window);
    window->setGeometry(QRect(outerTopLeft + QPoint(m.left(), m.top()), window->size()));
}

} // namespace windowframe
