#include "icon/multiicon.h"

#include "base/pngbytes.h"
#include "colour/colourspaces.h"
#include "platform/filesave.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace multiicon {

namespace {

using sourcepicture::Fit;

// sRGB <-> linear light. Decoding is one lookup per 8-bit value; encoding looks up a table
// fine enough that every 8-bit level near black is reached.
constexpr int kEncodeSteps = 16384;

const std::array<float, 256> &decodeTable()
{
    static const std::array<float, 256> table = [] {
        std::array<float, 256> t {};
        for (int i = 0; i < 256; ++i) {
            t[size_t(i)] = float(colourspaces::toLinear(i / 255.0));
        }
        return t;
    }();
    return table;
}

const std::vector<uint8_t> &encodeTable()
{
    static const std::vector<uint8_t> table = [] {
        std::vector<uint8_t> t(kEncodeSteps + 1);
        for (int i = 0; i <= kEncodeSteps; ++i) {
            const double l = double(i) / kEncodeSteps;
            const double c = colourspaces::toGamma(l);
            t[size_t(i)] = uint8_t(std::clamp(std::lround(c * 255), 0L, 255L));
        }
        return t;
    }();
    return table;
}

// The source pixels each output pixel takes, on the axis of the virtual square (0..side-1).
struct Tap
{
    int at;
    float weight;
};
using Taps = std::vector<std::vector<Tap>>;

Taps tapsFor(int side, int size)
{
    Taps taps(size_t(size), std::vector<Tap> {});
    const double step = double(side) / size;
    for (int i = 0; i < size; ++i) {
        auto &list = taps[size_t(i)];
        if (size <= side) {
            // Shrinking: each output pixel is the average of the area it covers.
            const double lo = i * step, hi = (i + 1) * step;
            for (int j = int(std::floor(lo)); j < int(std::ceil(hi)) && j < side; ++j) {
                const double w = std::min(hi, j + 1.0) - std::max(lo, double(j));
                if (w > 0)
                    list.push_back({ j, float(w / step) });
            }
        } else {
            // Enlarging: bilinear between the two nearest pixel centres.
            const double c = (i + 0.5) * step - 0.5;
            const int j0 = int(std::floor(c));
            const float t = float(c - j0);
            list.push_back({ std::clamp(j0, 0, side - 1), 1 - t });
            list.push_back({ std::clamp(j0 + 1, 0, side - 1), t });
        }
    }
    return taps;
}

} // namespace

bool isIconSize(int size)
{
    return std::find(std::begin(kSizes), std::end(kSizes), size) != std::end(kSizes);
}

QImage resampled(const QImage &picture, int size, Fit fit)
{
    if (picture.isNull() || size <= 0)
        return {};
    const QImage src = picture.format() == QImage::Format_ARGB32
        ? picture
        : picture.convertToFormat(QImage::Format_ARGB32);
    const int w = src.width(), h = src.height();
    // The square is virtual: a centred picture lies on transparent margins, a cropped one is
    // read from its middle. Virtual coordinate v is source coordinate v - pad.
    const int side = fit == Fit::Centre ? std::max(w, h) : std::min(w, h);
    const int padX = fit == Fit::Centre ? (side - w) / 2 : -((w - side) / 2);
    const int padY = fit == Fit::Centre ? (side - h) / 2 : -((h - side) / 2);
    const Taps across = tapsFor(side, size);
    const Taps down = tapsFor(side, size);
    const auto &decode = decodeTable();
    const auto &encode = encodeTable();

    // Horizontal pass, row by row, in premultiplied linear light; rows outside the picture
    // stay transparent.
    std::vector<float> rows(size_t(side) * size_t(size) * 4, 0.0f);
    std::vector<float> line(size_t(w) * 4);
    for (int y = 0; y < h; ++y) {
        const int v = y + padY;
        if (v < 0 || v >= side)
            continue;
        const auto *px = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const float a = qAlpha(px[x]) / 255.0f;
            float *p = &line[size_t(x) * 4];
            p[0] = decode[size_t(qRed(px[x]))] * a;
            p[1] = decode[size_t(qGreen(px[x]))] * a;
            p[2] = decode[size_t(qBlue(px[x]))] * a;
            p[3] = a;
        }
        float *out = &rows[size_t(v) * size_t(size) * 4];
        for (int i = 0; i < size; ++i) {
            float acc[4] = { 0, 0, 0, 0 };
            for (const Tap &t : across[size_t(i)]) {
                const int x = t.at - padX;
                if (x < 0 || x >= w)
                    continue;
                const float *p = &line[size_t(x) * 4];
                for (int c = 0; c < 4; ++c)
                    acc[c] += t.weight * p[c];
            }
            std::copy(acc, acc + 4, out + size_t(i) * 4);
        }
    }

    QImage result(size, size, QImage::Format_ARGB32);
    std::vector<float> column(size_t(size) * 4);
    for (int k = 0; k < size; ++k) {
        std::fill(column.begin(), column.end(), 0.0f);
        for (const Tap &t : down[size_t(k)]) {
            const float *row = &rows[size_t(t.at) * size_t(size) * 4];
            for (size_t c = 0; c < column.size(); ++c)
                column[c] += t.weight * row[c];
        }
        auto *dst = reinterpret_cast<QRgb *>(result.scanLine(k));
        for (int i = 0; i < size; ++i) {
            const float *p = &column[size_t(i) * 4];
            const float a = std::clamp(p[3], 0.0f, 1.0f);
            const int alpha = int(std::lround(a * 255));
            if (alpha == 0) {
                dst[i] = 0;
                continue;
            }
            auto channel = [&](float premultiplied) {
                const float l = std::clamp(premultiplied / a, 0.0f, 1.0f);
                return int(encode[size_t(std::lround(l * kEncodeSteps))]);
            };
            dst[i] = qRgba(channel(p[0]), channel(p[1]), channel(p[2]), alpha);
        }
    }
    return result;
}

namespace {

// A 32-bit bitmap entry: the header with the doubled height of the colour and mask planes,
// the colour plane bottom-up as BGRA with its real alpha, then the AND mask (1 where fully
// transparent), each row padded to 4 bytes, for readers that ignore the alpha channel.
QByteArray bitmapEntry(const QImage &image)
{
    const int n = image.width();
    const int maskStride = ((n + 31) / 32) * 4;
    const qsizetype pixelBytes = qsizetype(n) * n * 4;
    const qsizetype maskBytes = qsizetype(maskStride) * n;
    QByteArray bytes(40 + pixelBytes + maskBytes, '\0');
    auto *d = reinterpret_cast<uchar *>(bytes.data());
    qToLittleEndian<quint32>(40, d);
    qToLittleEndian<qint32>(n, d + 4);
    qToLittleEndian<qint32>(2 * n, d + 8);
    qToLittleEndian<quint16>(1, d + 12);
    qToLittleEndian<quint16>(32, d + 14);
    qToLittleEndian<quint32>(0, d + 16);
    qToLittleEndian<quint32>(quint32(pixelBytes + maskBytes), d + 20);
    uchar *pixels = d + 40;
    uchar *mask = pixels + pixelBytes;
    for (int row = 0; row < n; ++row) {
        const int y = n - 1 - row;
        const auto *src = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        uchar *p = pixels + qsizetype(row) * n * 4;
        uchar *m = mask + qsizetype(row) * maskStride;
        for (int x = 0; x < n; ++x) {
            const QRgb c = src[x];
            p[x * 4 + 0] = uchar(qBlue(c));
            p[x * 4 + 1] = uchar(qGreen(c));
            p[x * 4 + 2] = uchar(qRed(c));
            p[x * 4 + 3] = uchar(qAlpha(c));
            if (qAlpha(c) == 0)
                m[x / 8] |= uchar(0x80 >> (x % 8));
        }
    }
    return bytes;
}

QByteArray pngEntry(const QImage &image) { return pngbytes::encode(image); }

} // namespace

QByteArray icoBytes(QList<QImage> entries)
{
    entries.removeIf(
        [](const QImage &e) { return e.width() != e.height() || !isIconSize(e.width()); });
    std::stable_sort(entries.begin(), entries.end(),
        [](const QImage &a, const QImage &b) { return a.width() < b.width(); });
    entries.erase(std::unique(entries.begin(), entries.end(),
                      [](const QImage &a, const QImage &b) { return a.width() == b.width(); }),
        entries.end());
    if (entries.isEmpty())
        return {};
    QList<QByteArray> images;
    for (const QImage &e : entries) {
        const QImage argb = e.convertToFormat(QImage::Format_ARGB32);
        images.append(e.width() <= kLargestBitmapEntry ? bitmapEntry(argb) : pngEntry(argb));
        if (images.last().isEmpty())
            return {};
    }
    const int count = int(entries.size());
    QByteArray file(6 + 16 * count, '\0');
    auto *d = reinterpret_cast<uchar *>(file.data());
    qToLittleEndian<quint16>(0, d);
    qToLittleEndian<quint16>(1, d + 2); // type 1: icon
    qToLittleEndian<quint16>(quint16(count), d + 4);
    quint32 offset = quint32(file.size());
    for (int i = 0; i < count; ++i) {
        uchar *e = d + 6 + 16 * i;
        const int n = entries[i].width();
        e[0] = uchar(n == 256 ? 0 : n); // 0 stands for 256
        e[1] = uchar(n == 256 ? 0 : n);
        e[2] = 0; // no palette
        e[3] = 0;
        qToLittleEndian<quint16>(1, e + 4); // planes
        qToLittleEndian<quint16>(32, e + 6); // bits per pixel
        qToLittleEndian<quint32>(quint32(images[i].size()), e + 8);
        qToLittleEndian<quint32>(offset, e + 12);
        offset += quint32(images[i].size());
    }
    for (const QByteArray &image : images)
        file.append(image);
    return file;
}

QList<QImage> entriesFor(const sourcepicture::Picture &source, const QList<int> &sizes, Fit fit)
{
    QList<QImage> entries;
    for (int size : sizes)
        entries.append(source.square(size, fit));
    return entries;
}

bool writeIco(
    const QString &path, const sourcepicture::Picture &source, const QList<int> &sizes, Fit fit)
{
    const QByteArray bytes = icoBytes(entriesFor(source, sizes, fit));
    return !bytes.isEmpty() && filesave::writeAtomically(path, bytes);
}

} // namespace multiicon
