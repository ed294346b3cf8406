// The picture loader on arbitrary bytes: any input must give a picture or none, within the
// budget, at 32 bits, with pixels that can be painted and turned into an icon.
#include "icon/modpic2ico.h"
#include "icon/picturefile.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>

#include <cstddef>
#include <cstdint>

namespace {
// Small enough that each input decodes in milliseconds.
constexpr qint64 kFuzzBudget = qint64(16) << 20;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return 0;
    const QImage picture = picturefile::load(buffer, kFuzzBudget);
    if (picture.isNull())
        return 0;
    if (!picturefile::fitsDecodeBudget(picture.size(), kFuzzBudget)
        || (picture.format() != QImage::Format_RGB32 && picture.format() != QImage::Format_ARGB32))
        __builtin_trap();
    // What the converter does with it: paint it into its boxes and build the icon bytes.
    QImage box(33, 33, QImage::Format_RGB32);
    box.fill(0xE0E0E0);
    QPainter painter(&box);
    painter.drawImage(0, 0, picture);
    painter.end();
    if (modPic2Ico::iconFileBytes(box, 32, 8, 0x808080, true).isEmpty())
        __builtin_trap();
    return 0;
}
