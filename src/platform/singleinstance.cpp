#include "platform/singleinstance.h"

#include <QDir>
#include <QStandardPaths>

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

bool SingleInstance::tryAcquire()
{
    if (m_lock->isLocked())
        return true;
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() == QLockFile::LockFailedError) {
        // Left by a process that is gone: take it over.
        if (m_lock->removeStaleLockFile())
            return m_lock->tryLock(0);
    }
    return false;
}
