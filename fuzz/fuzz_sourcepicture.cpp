// The loader of pictures that multi-size icons are made from, on arbitrary bytes: any input
// gives a picture within the limits or a refusal, and a picture can be made into every icon
// size.
#include "icon/multiicon.h"
#include "icon/sourcepicture.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

namespace {
// Small enough that each input decodes in milliseconds.
const sourcepicture::Limits kFuzzLimits { 2048, qint64(16) << 20 };
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Drawings are rendered with a painter, which wants a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return 0;
    const sourcepicture::Result r = sourcepicture::load(buffer, kFuzzLimits);
    if (r.error != sourcepicture::Error::None) {
        if (!r.picture.isNull())
            __builtin_trap();
        return 0;
    }
    if (r.picture.isNull()
        || (!r.picture.isScalable() && !sourcepicture::fits(r.picture.size(), kFuzzLimits)))
        __builtin_trap();
    for (auto fit : { sourcepicture::Fit::Centre, sourcepicture::Fit::Crop }) {
        if (multiicon::icoBytes(multiicon::entriesFor(r.picture, { 16, 48 }, fit)).isEmpty())
            __builtin_trap();
    }
    return 0;
}
