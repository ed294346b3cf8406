#include "platform/notification.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QPointer>
#include <QTimer>

namespace {

// The "image-data" hint: width, height, bytes per row, alpha, bits per sample, channels, bytes.
struct ImageData
{
    QImage image; // RGBA8888
};

} // namespace

Q_DECLARE_METATYPE(ImageData)

namespace {

QDBusArgument &operator<<(QDBusArgument &argument, const ImageData &data)
{
    const QImage &image = data.image;
    argument.beginStructure();
    argument << image.width() << image.height() << int(image.bytesPerLine()) << true << 8 << 4
             << QByteArray(
                    reinterpret_cast<const char *>(image.constBits()), int(image.sizeInBytes()));
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, ImageData &)
{
    return argument; // only ever sent
}

constexpr int kAnswerTimeoutMs = 2000;

} // namespace

namespace notification {

void show(const QString &summary, const QString &body, const QImage &picture, QObject *context,
    std::function<void()> done, const QDBusConnection &bus)
{
    QPointer<QObject> guard(context);
    auto finish = [guard, done = std::move(done)] {
        if (guard && done)
            done();
    };
    if (!bus.isConnected()) {
        QTimer::singleShot(0, context, finish);
        return;
    }
    qDBusRegisterMetaType<ImageData>();
    QVariantMap hints;
    if (!picture.isNull())
        hints.insert(QStringLiteral("image-data"),
            QVariant::fromValue(ImageData { picture.convertToFormat(QImage::Format_RGBA8888) }));
    QDBusMessage message
        = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
            QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    message << QStringLiteral("Tintavo") << uint(0) << QStringLiteral("tintavo") << summary << body
            << QStringList() << hints << int(-1);
    auto *watcher = new QDBusPendingCallWatcher(
        QDBusConnection(bus).asyncCall(message, kAnswerTimeoutMs), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [watcher, finish] {
        watcher->deleteLater();
        finish();
    });
}

} // namespace notification
