#include "gradient/gradientexport.h"

#include "base/pngbytes.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

namespace gradientexport {

QString formatOf(const QString &path)
{
    const QString lower = path.toLower();
    if (lower.endsWith(QLatin1String(".png")))
        return QStringLiteral("png");
    if (lower.endsWith(QLatin1String(".webp")))
        return QStringLiteral("webp");
    return QString();
}

QByteArray encode(const QImage &picture, const QString &format)
{
    if (picture.isNull())
        return {};
    if (format == QLatin1String("png"))
        return pngbytes::encodeFast(picture);
    if (format != QLatin1String("webp"))
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "webp");
    // Quality 100 is the plugin's lossless mode.
    writer.setQuality(100);
    if (!writer.write(picture))
        return {};
    return bytes;
}

} // namespace gradientexport
