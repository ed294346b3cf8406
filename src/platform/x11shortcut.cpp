// The global shortcut on an X server: a passive grab of the key on the root window, for every
// state of Caps Lock and Num Lock, and a filter that takes the presses before Qt sees them.

#include "platform/globalshortcut.h"
#include "platform/x11connection.h"

#include <QAbstractEventDispatcher>
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// The X keysym of a Qt key; 0 when there is none here.
uint32_t keysymOf(Qt::Key key)
{
    const int k = int(key);
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return uint32_t(k - Qt::Key_A + 'a');
    if (k >= 0x20 && k <= 0x7e)
        return uint32_t(k);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F35)
        return uint32_t(0xffbe + (k - Qt::Key_F1));
    struct Pair
    {
        Qt::Key key;
        uint32_t keysym;
    };
    static constexpr Pair kKeys[] = {
        { Qt::Key_Escape, 0xff1b },
        { Qt::Key_Tab, 0xff09 },
        { Qt::Key_Backspace, 0xff08 },
        { Qt::Key_Return, 0xff0d },
        { Qt::Key_Enter, 0xff8d },
        { Qt::Key_Insert, 0xff63 },
        { Qt::Key_Delete, 0xffff },
        { Qt::Key_Pause, 0xff13 },
        { Qt::Key_Print, 0xff61 },
        { Qt::Key_Home, 0xff50 },
        { Qt::Key_End, 0xff57 },
        { Qt::Key_Left, 0xff51 },
        { Qt::Key_Up, 0xff52 },
        { Qt::Key_Right, 0xff53 },
        { Qt::Key_Down, 0xff54 },
        { Qt::Key_PageUp, 0xff55 },
        { Qt::Key_PageDown, 0xff56 },
    };
    for (const Pair &p : kKeys) {
        if (p.key == key)
            return p.keysym;
    }
    return 0;
}

uint16_t modifiersOf(Qt::KeyboardModifiers modifiers)
{
    uint16_t mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & Qt::AltModifier)
        mask |= XCB_MOD_MASK_1;
    if (modifiers & Qt::MetaModifier)
        mask |= XCB_MOD_MASK_4;
    return mask;
}

// The modifiers a press is compared on: Caps Lock, Num Lock and the rest do not count.
constexpr uint16_t kCompared
    = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;
constexpr uint16_t kIgnored[]
    = { 0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2, XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2 };

// The key codes that give `keysym` in the keyboard's first two columns.
std::vector<xcb_keycode_t> keycodesOf(xcb_connection_t *c, uint32_t keysym)
{
    const xcb_setup_t *setup = xcb_get_setup(c);
    const int first = setup->min_keycode;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> mapping(
        xcb_get_keyboard_mapping_reply(
            c, xcb_get_keyboard_mapping(c, xcb_keycode_t(first), uint8_t(count)), nullptr),
        &std::free);
    std::vector<xcb_keycode_t> codes;
    if (!mapping)
        return codes;
    const int perCode = mapping->keysyms_per_keycode;
    const xcb_keysym_t *syms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int length = xcb_get_keyboard_mapping_keysyms_length(mapping.get());
    for (int i = 0; i < count && (i + 1) * perCode <= length; ++i) {
        for (int column = 0; column < qMin(perCode, 2); ++column) {
            if (syms[i * perCode + column] == keysym) {
                codes.push_back(xcb_keycode_t(first + i));
                break;
            }
        }
    }
    return codes;
}

class X11Shortcut : public GlobalShortcut, public QAbstractNativeEventFilter
{
public:
    X11Shortcut() { QCoreApplication::instance()->installNativeEventFilter(this); }
    ~X11Shortcut() override
    {
        release();
        if (QCoreApplication::instance())
            QCoreApplication::instance()->removeNativeEventFilter(this);
    }

    void bind(const QKeySequence &keys) override
    {
        release();
        if (keys.isEmpty()) {
            setState(State::Off);
            return;
        }
        xcb_connection_t *c = x11::connection();
        if (!c) {
            setState(State::Unavailable);
            return;
        }
        const QKeyCombination combination = keys[0];
        const uint32_t keysym = keysymOf(combination.key());
        m_codes = keysym ? keycodesOf(c, keysym) : std::vector<xcb_keycode_t>();
        m_modifiers = modifiersOf(combination.keyboardModifiers());
        if (m_codes.empty()) {
            setState(State::Unsupported);
            return;
        }
        // Another client's grab of the same keys fails with BadAccess.
        const xcb_window_t root = x11::rootWindow(c);
        bool taken = false;
        for (const xcb_keycode_t code : m_codes) {
            for (const uint16_t ignored : kIgnored) {
                xcb_generic_error_t *error = xcb_request_check(c,
                    xcb_grab_key_checked(c, 1, root, m_modifiers | ignored, code,
                        XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
                if (error) {
                    taken = true;
                    std::free(error);
                }
            }
        }
        if (taken) {
            release();
            setState(State::Taken);
            return;
        }
        setState(State::Bound);
    }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (m_codes.empty() || type != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<xcb_generic_event_t *>(message);
        const uint8_t kind = event->response_type & 0x7f;
        if (kind != XCB_KEY_PRESS && kind != XCB_KEY_RELEASE)
            return false;
        const auto *key = reinterpret_cast<const xcb_key_press_event_t *>(event);
        if (key->event != key->root || (key->state & kCompared) != m_modifiers
            || std::find(m_codes.begin(), m_codes.end(), key->detail) == m_codes.end())
            return false;
        if (kind == XCB_KEY_PRESS)
            emit activated(QString());
        return true;
    }

private:
    void release()
    {
        xcb_connection_t *c = m_codes.empty() ? nullptr : x11::connection();
        if (c) {
            const xcb_window_t root = x11::rootWindow(c);
            for (const xcb_keycode_t code : m_codes) {
                for (const uint16_t ignored : kIgnored)
                    xcb_ungrab_key(c, code, root, m_modifiers | ignored);
            }
            xcb_flush(c);
        }
        m_codes.clear();
    }

    std::vector<xcb_keycode_t> m_codes;
    uint16_t m_modifiers = 0;
};

} // namespace

std::unique_ptr<GlobalShortcut> GlobalShortcut::forX11() { return std::make_unique<X11Shortcut>(); }
