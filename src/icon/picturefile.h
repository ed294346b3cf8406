#pragma once

#include <QImage>
#include <QString>

class QIODevice;

// Loading the picture files the converter opens: any format Qt reads. Headers are checked
// before any pixel memory is taken: a Windows bitmap must hold the pixel rows its header
// promises, and no picture may need more memory than a small multiple of its file's size.
namespace picturefile {

QImage load(QIODevice &device);
QImage load(const QString &path);

// Most pixel memory a file of this many bytes may ask for.
qint64 pixelBudget(qint64 fileBytes);

} // namespace picturefile
