#include "platform/globalshortcut.h"

#include "platform/screenservices.h"

#include <QDBusConnection>
#include <QGuiApplication>

namespace {

// Where the session gives no way to listen for keys.
class NoShortcut : public GlobalShortcut
{
public:
    void bind(const QKeySequence &keys) override
    {
        setState(keys.isEmpty() ? State::Off : State::Unavailable);
    }
};

// The xkb name of a key, as the portal's triggers write it.
QString keyName(Qt::Key key)
{
    struct Pair
    {
        Qt::Key key;
        const char *name;
    };
    static constexpr Pair kNames[] = {
        { Qt::Key_Escape, "Escape" },
        { Qt::Key_Tab, "Tab" },
        { Qt::Key_Backspace, "BackSpace" },
        { Qt::Key_Return, "Return" },
        { Qt::Key_Enter, "KP_Enter" },
        { Qt::Key_Insert, "Insert" },
        { Qt::Key_Delete, "Delete" },
        { Qt::Key_Pause, "Pause" },
        { Qt::Key_Print, "Print" },
        { Qt::Key_Home, "Home" },
        { Qt::Key_End, "End" },
        { Qt::Key_Left, "Left" },
        { Qt::Key_Up, "Up" },
        { Qt::Key_Right, "Right" },
        { Qt::Key_Down, "Down" },
        { Qt::Key_PageUp, "Prior" },
        { Qt::Key_PageDown, "Next" },
        { Qt::Key_Space, "space" },
    };
    for (const Pair &p : kNames) {
        if (p.key == key)
            return QString::fromLatin1(p.name);
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return QString(QChar(char16_t(key - Qt::Key_A + 'a')));
    return QKeySequence(key).toString(QKeySequence::PortableText);
}

} // namespace

void GlobalShortcut::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}

QString GlobalShortcut::portalTrigger(const QKeyCombination &keys)
{
    QStringList parts;
    const Qt::KeyboardModifiers modifiers = keys.keyboardModifiers();
    if (modifiers & Qt::ControlModifier)
        parts << QStringLiteral("CTRL");
    if (modifiers & Qt::AltModifier)
        parts << QStringLiteral("ALT");
    if (modifiers & Qt::MetaModifier)
        parts << QStringLiteral("LOGO");
    if (modifiers & Qt::ShiftModifier)
        parts << QStringLiteral("SHIFT");
    parts << keyName(keys.key());
    return parts.join(QLatin1Char('+'));
}

std::unique_ptr<GlobalShortcut> GlobalShortcut::forSession(const QDBusConnection &portalBus)
{
    // Under Wayland an X11 grab would hear only keys meant for XWayland's own windows.
    if (ScreenServices::isWaylandSession())
        return forPortal(portalBus, QStringLiteral("pick-colour"), QStringLiteral("Pick a colour"));
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return forX11();
    return std::make_unique<NoShortcut>();
}
