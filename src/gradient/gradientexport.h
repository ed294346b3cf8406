#pragma once

#include <QByteArray>
#include <QString>

class QImage;

// The exported gradient's file bytes, chosen by the name's extension: PNG (the fast writer) or
// WebP (Qt's plugin, lossless so that the dithering is kept).
namespace gradientexport {

constexpr int kMaxSide = 16384;

// "png" or "webp" for a name ending so (any case), else empty.
QString formatOf(const QString &path);
// The picture as a file of that format; empty when it cannot be written.
QByteArray encode(const QImage &picture, const QString &format);

} // namespace gradientexport
