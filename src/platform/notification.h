#pragma once

#include <QDBusConnection>
#include <QImage>
#include <QString>

#include <functional>

class QObject;

// A desktop notification through org.freedesktop.Notifications, with a small picture. Never
// blocks and says nothing where no notification service runs: `done` runs from the event loop
// once the service answered, or at once when there is none (not at all once `context` is gone).
namespace notification {

void show(const QString &summary, const QString &body, const QImage &picture, QObject *context,
    std::function<void()> done = {}, const QDBusConnection &bus = QDBusConnection::sessionBus());

} // namespace notification
