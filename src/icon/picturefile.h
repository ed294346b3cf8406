#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QIODevice;

// Loading the picture files the converter opens: Windows bitmaps through our own reader, any
// other format Qt reads. Headers are checked before any pixel memory is taken: no picture may
// decode to more than the memory budget. What comes back is always 32 bits per pixel with
// every pixel defined, whatever the file held.
namespace picturefile {

// Most memory a decoded picture may take, at 4 bytes a pixel: Qt's default allocation limit
// for image readers. The picture loader of the icon panel raises Qt's limit for the whole
// program; this budget, checked before Qt decodes anything, stays as it is.
constexpr qint64 kMaxDecodedBytes = qint64(256) << 20;

bool fitsDecodeBudget(QSize size, qint64 maxDecodedBytes = kMaxDecodedBytes);

QImage load(QIODevice &device, qint64 maxDecodedBytes = kMaxDecodedBytes);
// Only regular files are opened: a FIFO or a device named x.bmp gives no picture at once.
QImage load(const QString &path);

} // namespace picturefile
