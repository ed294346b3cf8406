#pragma once

#include "platform/screen.h"

#include <QDBusConnection>
#include <QObject>
#include <QStringList>

// The desktop portal's Screenshot interface, as a Wayland desktop offers it to programs that
// may not read the screen themselves. Each call is a request the desktop answers later, on a
// request object of its own, with a Response signal; the answer is handed to a callback from
// the event loop. A request the desktop does not answer in time counts as TimedOut.
class DesktopPortal : public QObject
{
    Q_OBJECT
public:
    explicit DesktopPortal(
        const QDBusConnection &bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);

    // How long a request may wait for its answer. The first screenshot on some desktops asks
    // the user for permission, so the default leaves time to read that question.
    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }

    // A picture of every monitor, as the desktop composes it (its own scale and layout). The
    // file the desktop wrote for it is removed when it lies in a temporary folder.
    // `interactive` lets the desktop show its own screenshot dialog first, where the user may
    // choose what to take (a window, on the desktops that offer it); the picture is then the
    // one chosen.
    void screenshot(QObject *context, std::function<void(Screen::Outcome, const QImage &)> done,
        bool interactive = false);
    // A colour chosen with the desktop's own picker, as 0x00BBGGRR.
    void pickColor(QObject *context, Screen::ColorReady done);

    // Folders whose files a screenshot may be removed from: the temporary ones. A file
    // anywhere else (the user's pictures, a document portal's view) is never touched.
    static QStringList scratchFolders();
    static bool isScratchFile(const QString &path, const QStringList &folders);
    // The folders this portal client removes screenshots from (scratchFolders() unless set).
    void setScratchFolders(const QStringList &folders) { m_scratch = folders; }

    // A request on any of the portal's interfaces: `arguments` come before the options, which
    // get the request's handle token. `done` has the Response's outcome and results.
    void request(const QString &interface, const QString &method, const QVariantList &arguments,
        const QVariantMap &options, QObject *context,
        std::function<void(Screen::Outcome, const QVariantMap &)> done);

    QDBusConnection bus() const { return m_bus; }

private:
    QDBusConnection m_bus;
    int m_timeoutMs = 30000;
    quint64 m_serial = 0;
    QStringList m_scratch = scratchFolders();
};
