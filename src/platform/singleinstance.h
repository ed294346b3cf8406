#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

// One running copy per user: a lock file in the user's runtime folder. A lock left by a
// crashed run is recognised (its process is gone) and taken over. The copy holding the lock
// listens on a local socket beside it, so that a later start can ask it to come to the front.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(
        const QString &name = QStringLiteral("tintavo"), const QString &dir = QString());
    ~SingleInstance() override;

    // True when this process now holds the lock (and listens); false when another live process
    // does.
    bool tryAcquire();

    // Asks the copy holding the lock to show itself, handing it the activation token this
    // start was given (Wayland desktops allow a window to take the focus only with one).
    // False when no copy answered.
    bool askHolderToShow(const QByteArray &activationToken);

    QString lockPath() const { return m_path; }

signals:
    // A later start asked this copy to come to the front.
    void showRequested(const QByteArray &activationToken);

private:
    void listen();

    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};
