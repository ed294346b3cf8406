#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// One running copy per user: a lock file in the user's runtime folder. A lock left by a
// crashed run is recognised (its process is gone) and taken over.
class SingleInstance
{
public:
    explicit SingleInstance(
        const QString &name = QStringLiteral("tintavo"), const QString &dir = QString());

    // True when this process now holds the lock; false when another live process does.
    bool tryAcquire();

    QString lockPath() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
