#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

#include <memory>

class QDBusConnection;

// A key combination that works in every program while this one runs: a grab on the root window
// under X11, the desktop portal's GlobalShortcuts where a Wayland desktop offers it, else none.
class GlobalShortcut : public QObject
{
    Q_OBJECT
public:
    enum class State {
        Off, // no key asked for
        Waiting, // asked for; the desktop has not answered yet
        Bound, // pressing the keys anywhere emits activated()
        Taken, // another program holds these keys
        Unsupported, // this key cannot be grabbed here
        Unavailable, // the session offers no way to listen for keys
    };

    // The back end for this session; `portalBus` is the bus a Wayland session's portal is
    // looked for on.
    static std::unique_ptr<GlobalShortcut> forSession(const QDBusConnection &portalBus);
    // The X11 key grab, for a program on an X server (tests use it directly).
    static std::unique_ptr<GlobalShortcut> forX11();
    // The portal's GlobalShortcuts on `bus`, under the id `id` and with its description.
    static std::unique_ptr<GlobalShortcut> forPortal(
        const QDBusConnection &bus, const QString &id, const QString &description);

    // Binds `keys` (its first combination), or nothing when empty; what was bound before is let
    // go. The outcome comes as stateChanged(), at once or later.
    virtual void bind(const QKeySequence &keys) = 0;
    State state() const { return m_state; }

    // "LOGO+SHIFT+c": a combination as the shortcuts of the freedesktop portals write it.
    static QString portalTrigger(const QKeyCombination &keys);

signals:
    // The keys were pressed; `activationToken` lets a window come to the front on Wayland
    // (empty where none came).
    void activated(const QString &activationToken);
    void stateChanged(GlobalShortcut::State state);

protected:
    void setState(State state);

private:
    State m_state = State::Off;
};
