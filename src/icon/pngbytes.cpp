#include "icon/pngbytes.h"

#include <QtEndian>

#include <array>
#include <cstdlib>

namespace pngbytes {

namespace {

quint32 crc32(const char *data, qsizetype size, quint32 crc = 0)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t {};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (qsizetype i = 0; i < size; ++i)
        crc = table[(crc ^ uchar(data[i])) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void appendChunk(QByteArray &out, const char type[4], const QByteArray &data)
{
    char length[4];
    qToBigEndian<quint32>(quint32(data.size()), length);
    out.append(length, 4);
    QByteArray body(type, 4);
    body.append(data);
    out.append(body);
    char crc[4];
    qToBigEndian<quint32>(crc32(body.constData(), body.size()), crc);
    out.append(crc, 4);
}

int paeth(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : (pb <= pc ? b : c);
}

} // namespace

QByteArray encode(const QImage &picture)
{
    if (picture.isNull())
        return {};
    const bool alpha = picture.hasAlphaChannel();
    const QImage image
        = picture.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const int w = image.width(), h = image.height(), bpp = alpha ? 4 : 3;
    const qsizetype stride = qsizetype(w) * bpp;

    QByteArray filtered;
    filtered.reserve((stride + 1) * h);
    QByteArray zeros(stride, '\0');
    QByteArray candidate(stride, '\0'), best(stride, '\0');
    for (int y = 0; y < h; ++y) {
        const uchar *row = image.constScanLine(y);
        const uchar *up = y > 0 ? image.constScanLine(y - 1)
                                : reinterpret_cast<const uchar *>(zeros.constData());
        long bestScore = -1;
        char bestType = 0;
        for (char type = 0; type < 5; ++type) {
            long score = 0;
            for (qsizetype i = 0; i < stride; ++i) {
                const int a = i >= bpp ? row[i - bpp] : 0, b = up[i],
                          c = i >= bpp ? up[i - bpp] : 0;
                int predicted = 0;
                switch (type) {
                case 1:
                    predicted = a;
                    break;
                case 2:
                    predicted = b;
                    break;
                case 3:
                    predicted = (a + b) / 2;
                    break;
                case 4:
                    predicted = paeth(a, b, c);
                    break;
                default:
                    break;
                }
                const auto v = uchar(row[i] - predicted);
                candidate[i] = char(v);
                score += v < 128 ? v : 256 - v;
            }
            if (bestScore < 0 || score < bestScore) {
                bestScore = score;
                bestType = type;
                std::swap(candidate, best);
            }
        }
        filtered.append(bestType);
        filtered.append(best);
    }

    QByteArray header(13, '\0');
    qToBigEndian<quint32>(quint32(w), header.data());
    qToBigEndian<quint32>(quint32(h), header.data() + 4);
    header[8] = 8; // bits per channel
    header[9] = alpha ? 6 : 2; // RGBA or RGB
    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    appendChunk(out, "IHDR", header);
    // qCompress gives a zlib stream after a 4-byte length of its own.
    appendChunk(out, "IDAT", qCompress(filtered, 6).mid(4));
    appendChunk(out, "IEND", {});
    return out;
}

} // namespace pngbytes
