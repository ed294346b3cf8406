#include "platform/singleinstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {
QString socketOf(const QString &lockPath)
{
    QString socket = lockPath;
    socket.replace(socket.size() - 5, 5, QStringLiteral(".socket"));
    return socket;
}
} // namespace

SingleInstance::SingleInstance(const QString &name, const QString &dir)
{
    QString folder = dir;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    m_path = folder + u'/' + name + QStringLiteral(".lock");
    m_lock = std::make_unique<QLockFile>(m_path);
    // Only a dead owner makes the lock stale, never its age.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryAcquire()
{
    if (m_lock->isLocked())
        return true;
    bool locked = m_lock->tryLock(0);
    // Left by a process that is gone: take it over.
    if (!locked && m_lock->error() == QLockFile::LockFailedError && m_lock->removeStaleLockFile())
        locked = m_lock->tryLock(0);
    if (locked)
        listen();
    return locked;
}

void SingleInstance::listen()
{
    // Holding the lock, this copy owns the socket; one left by a crashed run goes.
    const QString socket = socketOf(m_path);
    QLocalServer::removeServer(socket);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(socket))
        return; // later starts then only get the message
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *client = m_server->nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, this, [this, client] {
                const QByteArray token = client->readAll().trimmed().left(4096);
                client->deleteLater();
                emit showRequested(token);
            });
        }
    });
}

bool SingleInstance::askHolderToShow(const QByteArray &activationToken)
{
    QLocalSocket socket;
    socket.connectToServer(socketOf(m_path));
    if (!socket.waitForConnected(1000))
        return false;
    socket.write(activationToken + '\n');
    const bool sent = socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(1000);
    return sent;
}
