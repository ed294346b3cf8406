#include "platform/desktopportal.h"

#include "platform/fileread.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPointer>
#include <QTimer>
#include <QUrl>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

// The portal's answer codes.
Screen::Outcome outcomeOf(uint response)
{
    switch (response) {
    case 0:
        return Screen::Outcome::Read;
    case 1:
        return Screen::Outcome::Cancelled;
    default:
        return Screen::Outcome::Refused;
    }
}

QImage readPicture(const QString &path)
{
    QFile file;
    if (!fileread::openRegularFile(file, path))
        return QImage();
    QImageReader reader(&file);
    QImage picture = reader.read();
    return picture.convertToFormat(QImage::Format_RGB32);
}

// One request on its way: the subscription to its Response, and the clock.
class Pending : public QObject
{
    Q_OBJECT
public:
    Pending(QDBusConnection bus, QObject *context,
        std::function<void(Screen::Outcome, const QVariantMap &)> done, QObject *parent)
        : QObject(parent)
        , bus(std::move(bus))
        , context(context)
        , done(std::move(done))
    {
    }

    bool listenOn(const QString &path)
    {
        if (!handle.isEmpty())
            bus.disconnect(kService, handle, kRequest, QStringLiteral("Response"), this,
                SLOT(response(uint, QVariantMap)));
        handle = path;
        return bus.connect(kService, handle, kRequest, QStringLiteral("Response"), this,
            SLOT(response(uint, QVariantMap)));
    }

    void finish(Screen::Outcome outcome, const QVariantMap &results = {})
    {
        if (finished)
            return;
        finished = true;
        bus.disconnect(kService, handle, kRequest, QStringLiteral("Response"), this,
            SLOT(response(uint, QVariantMap)));
        if (outcome == Screen::Outcome::TimedOut) {
            // The desktop may still be asking the user: withdraw the question.
            bus.call(
                QDBusMessage::createMethodCall(kService, handle, kRequest, QStringLiteral("Close")),
                QDBus::NoBlock);
        }
        deleteLater();
        if (context)
            done(outcome, results);
    }

public slots:
    void response(uint code, const QVariantMap &results) { finish(outcomeOf(code), results); }

public:
    QDBusConnection bus;
    QPointer<QObject> context;
    std::function<void(Screen::Outcome, const QVariantMap &)> done;
    QString handle;
    QTimer clock;
    bool finished = false;
};

} // namespace

DesktopPortal::DesktopPortal(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{
}

void DesktopPortal::request(const QString &interface, const QString &method,
    const QVariantList &arguments, const QVariantMap &extra, QObject *context,
    std::function<void(Screen::Outcome, const QVariantMap &)> done)
{
    auto *pending = new Pending(m_bus, context, std::move(done), this);
    if (!m_bus.isConnected() || m_bus.baseService().isEmpty()) {
        QTimer::singleShot(
            0, pending, [pending] { pending->finish(Screen::Outcome::Unavailable); });
        return;
    }
    // The request object's path is known before the call: subscribe first, so an answer that
    // comes at once is not missed.
    const QString token
        = QStringLiteral("tintavo%1_%2").arg(QCoreApplication::applicationPid()).arg(++m_serial);
    QString sender = m_bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    pending->listenOn(kPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token);

    QVariantMap options = extra;
    options.insert(QStringLiteral("handle_token"), token);
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, interface, method);
    message.setArguments(arguments + QVariantList { options });

    pending->clock.setSingleShot(true);
    connect(&pending->clock, &QTimer::timeout, pending,
        [pending] { pending->finish(Screen::Outcome::TimedOut); });
    pending->clock.start(m_timeoutMs);

    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message, m_timeoutMs), pending);
    connect(watcher, &QDBusPendingCallWatcher::finished, pending, [pending, watcher] {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
        if (reply.isError()) {
            const QString name = reply.error().name();
            if (name == QLatin1String("org.freedesktop.DBus.Error.NoReply"))
                pending->finish(Screen::Outcome::TimedOut);
            else if (name == QLatin1String("org.freedesktop.DBus.Error.AccessDenied")
                || name == QLatin1String("org.freedesktop.portal.Error.NotAllowed"))
                pending->finish(Screen::Outcome::Refused);
            else
                pending->finish(Screen::Outcome::Unavailable);
            return;
        }
        // An older portal names the request object itself.
        const QString handle = reply.value().path();
        if (handle != pending->handle)
            pending->listenOn(handle);
    });
}

void DesktopPortal::screenshot(
    QObject *context, std::function<void(Screen::Outcome, const QImage &)> done, bool interactive)
{
    const QVariantMap options { { QStringLiteral("interactive"), interactive },
        { QStringLiteral("modal"), false } };
    request(kScreenshot, QStringLiteral("Screenshot"), { QString() }, options, context,
        [this, done = std::move(done)](Screen::Outcome outcome, const QVariantMap &results) {
            if (outcome != Screen::Outcome::Read) {
                done(outcome, QImage());
                return;
            }
            const QString path
                = QUrl(results.value(QStringLiteral("uri")).toString()).toLocalFile();
            const QImage picture = path.isEmpty() ? QImage() : readPicture(path);
            if (!path.isEmpty() && isScratchFile(path, m_scratch))
                QFile::remove(path);
            done(picture.isNull() ? Screen::Outcome::Unavailable : Screen::Outcome::Read, picture);
        });
}

void DesktopPortal::pickColor(QObject *context, Screen::ColorReady done)
{
    request(kScreenshot, QStringLiteral("PickColor"), { QString() }, {}, context,
        [done = std::move(done)](Screen::Outcome outcome, const QVariantMap &results) {
            if (outcome != Screen::Outcome::Read) {
                done(outcome, -1);
                return;
            }
            const QVariant value = results.value(QStringLiteral("color"));
            if (!value.canConvert<QDBusArgument>()) {
                done(Screen::Outcome::Unavailable, -1);
                return;
            }
            const QDBusArgument argument = value.value<QDBusArgument>();
            double channel[3] = { -1, -1, -1 };
            argument.beginStructure();
            argument >> channel[0] >> channel[1] >> channel[2];
            argument.endStructure();
            int32_t bgr = 0;
            for (int i = 0; i < 3; ++i) {
                if (!(channel[i] >= 0.0 && channel[i] <= 1.0)) {
                    done(Screen::Outcome::Unavailable, -1);
                    return;
                }
                bgr |= int32_t(qRound(channel[i] * 255.0)) << (8 * i);
            }
            done(Screen::Outcome::Read, bgr);
        });
}

QStringList DesktopPortal::scratchFolders()
{
    QStringList out;
    for (const QString &folder :
        { QDir::tempPath(), QStringLiteral("/tmp"), QStringLiteral("/var/tmp") }) {
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        if (!canonical.isEmpty() && canonical != QLatin1String("/") && !out.contains(canonical))
            out << canonical;
    }
    return out;
}

bool DesktopPortal::isScratchFile(const QString &path, const QStringList &folders)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.isSymLink())
        return false;
    const QString canonical = info.canonicalFilePath();
    for (const QString &folder : folders) {
        if (canonical.startsWith(folder + QLatin1Char('/')))
            return true;
    }
    return false;
}

#include "desktopportal.moc"
