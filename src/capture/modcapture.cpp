#include "capture/modcapture.h"

#include "base/pngbytes.h"
#include "controls/commondialog.h"
#include "platform/filesave.h"

#include <QBuffer>
#include <QImageWriter>

#include <gif_lib.h>
#include <libimagequant.h>

#include <memory>

namespace modCapture {

namespace {

// Qt's writer name for each extension the capture saves through Qt.
QByteArray qtFormatOf(const QString &extension)
{
    if (extension == QLatin1String("BMP"))
        return "bmp";
    if (extension == QLatin1String("JPG"))
        return "jpeg";
    if (extension == QLatin1String("PNG"))
        return "png";
    if (extension == QLatin1String("TIF"))
        return "tiff";
    if (extension == QLatin1String("WEBP"))
        return "webp";
    return QByteArray();
}

int writeToBuffer(GifFileType *gif, const GifByteType *data, int length)
{
    auto *out = static_cast<QByteArray *>(gif->UserData);
    out->append(reinterpret_cast<const char *>(data), length);
    return length;
}

struct LiqAttrDeleter
{
    void operator()(liq_attr *p) const { liq_attr_destroy(p); }
};
struct LiqImageDeleter
{
    void operator()(liq_image *p) const { liq_image_destroy(p); }
};
struct LiqResultDeleter
{
    void operator()(liq_result *p) const { liq_result_destroy(p); }
};

} // namespace

uintptr_t startImaging() { return 1; }

bool canWrite(const QString &extension)
{
    if (extension == QLatin1String("GIF") || extension == QLatin1String("PNG"))
        return true;
    const QByteArray format = qtFormatOf(extension);
    return !format.isEmpty() && QImageWriter::supportedImageFormats().contains(format);
}

void shutdownImaging(uintptr_t &token) { token = 0; }

QByteArray encodeGif(const QImage &image)
{
    if (image.isNull() || image.width() > 0xFFFF || image.height() > 0xFFFF)
        return QByteArray();
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    const int w = rgba.width();
    const int h = rgba.height();

    std::unique_ptr<liq_attr, LiqAttrDeleter> attr(liq_attr_create());
    if (!attr)
        return QByteArray();
    std::vector<void *> rows(h);
    for (int y = 0; y < h; ++y)
        rows[y] = const_cast<uchar *>(rgba.constScanLine(y));
    std::unique_ptr<liq_image, LiqImageDeleter> img(
        liq_image_create_rgba_rows(attr.get(), rows.data(), w, h, 0));
    if (!img)
        return QByteArray();
    liq_result *rawResult = nullptr;
    if (liq_image_quantize(img.get(), attr.get(), &rawResult) != LIQ_OK || !rawResult)
        return QByteArray();
    std::unique_ptr<liq_result, LiqResultDeleter> result(rawResult);
    // Screen captures are mostly flat colours and text: dithering would only add noise.
    liq_set_dithering_level(result.get(), 0.0f);
    std::vector<unsigned char> indices(size_t(w) * size_t(h));
    if (liq_write_remapped_image(result.get(), img.get(), indices.data(), indices.size()) != LIQ_OK)
        return QByteArray();
    const liq_palette *pal = liq_get_palette(result.get());
    if (!pal || pal->count == 0 || pal->count > 256)
        return QByteArray();

    // GIF colour tables hold a power of two entries.
    int bits = 1;
    while ((1u << bits) < pal->count)
        ++bits;
    ColorMapObject *map = GifMakeMapObject(1 << bits, nullptr);
    if (!map)
        return QByteArray();
    for (unsigned i = 0; i < pal->count; ++i)
        map->Colors[i] = GifColorType { pal->entries[i].r, pal->entries[i].g, pal->entries[i].b };
    for (int i = int(pal->count); i < (1 << bits); ++i)
        map->Colors[i] = GifColorType { 0, 0, 0 };

    QByteArray out;
    int error = 0;
    GifFileType *gif = EGifOpen(&out, writeToBuffer, &error);
    if (!gif) {
        GifFreeMapObject(map);
        return QByteArray();
    }
    bool ok = EGifPutScreenDesc(gif, w, h, bits, 0, map) == GIF_OK
        && EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < h; ++y)
        ok = EGifPutLine(gif, indices.data() + size_t(y) * size_t(w), w) == GIF_OK;
    // The screen descriptor keeps its own copy of the colour map; closing frees that copy.
    if (EGifCloseFile(gif, &error) != GIF_OK)
        ok = false;
    GifFreeMapObject(map);
    return ok ? out : QByteArray();
}

QByteArray encodeImage(const QImage &image, const QString &extension, int16_t quality)
{
    if (image.isNull())
        return QByteArray();
    if (extension == QLatin1String("GIF"))
        return encodeGif(image);
    // Qt's PNG writer takes half a second for a photo on screen; ours uses every core.
    if (extension == QLatin1String("PNG"))
        return pngbytes::encodeFast(image);
    if (!canWrite(extension))
        return QByteArray();
    const QByteArray format = qtFormatOf(extension);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    // Only JPEG and WebP take a parameter; -1 passes none and leaves JPEG at the writer's
    // default. Qt's WebP writer is lossless at quality 100 (and lossy at its default, 75):
    // a capture keeps every pixel unless a quality is asked for.
    if (extension == QLatin1String("JPG") && quality != -1)
        writer.setQuality(quality);
    if (extension == QLatin1String("WEBP"))
        writer.setQuality(quality == -1 ? 100 : quality);
    QImage picture = image;
    picture.setDevicePixelRatio(1.0);
    if (!writer.write(picture))
        return QByteArray();
    return bytes;
}

bool SaveImage(const QString &path, const QImage &image, const QString &extension, int16_t quality)
{
    const QByteArray bytes = encodeImage(image, extension, quality);
    if (bytes.isEmpty())
        return false;
    return filesave::writeAtomically(path, bytes);
}

void prepareSaveDialog(CommonDialog &dialog, const QString &extension, const QString &directory)
{
    dialog.FileName.clear();
    dialog.InitDir = directory;
    dialog.Flags = CommonDialog::OverwritePrompt | CommonDialog::HideReadOnly
        | CommonDialog::ExtensionDifferent;
    dialog.Filter = extension + QStringLiteral("|*.") + extension;
    dialog.DefaultExt = QStringLiteral(".") + extension;
    dialog.CancelError = true;
}

QImage innerArea(const QImage &picture, const QSize &innerLogical)
{
    if (picture.isNull() || innerLogical.isEmpty())
        return QImage();
    const qreal dpr = picture.devicePixelRatio();
    return picture.copy(
        0, 0, qRound(innerLogical.width() * dpr), qRound(innerLogical.height() * dpr));
}

} // namespace modCapture
