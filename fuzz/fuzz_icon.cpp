// The icon reader on arbitrary bytes: any input must give a picture or none, within the
// memory the input justifies.
#include "icon/modpic2ico.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return 0;
    const QImage picture = modPic2Ico::readIcon(buffer, 0xE0E0E0);
    if (!picture.isNull() && (picture.width() > 256 || picture.height() > 256))
        __builtin_trap();
    return 0;
}
