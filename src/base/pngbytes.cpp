#include "base/pngbytes.h"

#include <QtEndian>

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

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

QByteArray header(int width, int height, bool alpha)
{
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(quint32(width), header.data());
    qToBigEndian<quint32>(quint32(height), header.data() + 4);
    header[8] = 8; // bits per channel
    header[9] = alpha ? 6 : 2; // RGBA or RGB
    return header;
}

// The fast writer's row filters, written so that the compiler vectorises them: they read the
// picture's bytes only, never the filtered ones, so no byte waits for the one before it.
void filterNone(const uchar *__restrict row, const uchar *, qsizetype n, int, uchar *__restrict out)
{
    std::copy(row, row + n, out);
}

void filterSub(
    const uchar *__restrict row, const uchar *, qsizetype n, int bpp, uchar *__restrict out)
{
    for (qsizetype i = 0; i < bpp; ++i)
        out[i] = row[i];
    for (qsizetype i = bpp; i < n; ++i)
        out[i] = uchar(row[i] - row[i - bpp]);
}

void filterUp(const uchar *__restrict row, const uchar *__restrict up, qsizetype n, int,
    uchar *__restrict out)
{
    for (qsizetype i = 0; i < n; ++i)
        out[i] = uchar(row[i] - up[i]);
}

void filterAverage(const uchar *__restrict row, const uchar *__restrict up, qsizetype n, int bpp,
    uchar *__restrict out)
{
    for (qsizetype i = 0; i < bpp; ++i)
        out[i] = uchar(row[i] - (up[i] >> 1));
    for (qsizetype i = bpp; i < n; ++i)
        out[i] = uchar(row[i] - ((row[i - bpp] + up[i]) >> 1));
}

void filterPaeth(const uchar *__restrict row, const uchar *__restrict up, qsizetype n, int bpp,
    uchar *__restrict out)
{
    for (qsizetype i = 0; i < bpp; ++i)
        out[i] = uchar(row[i] - up[i]);
    for (qsizetype i = bpp; i < n; ++i) {
        // The distances from a + b - c to a, b and c, without the sum.
        const int a = row[i - bpp], b = up[i], c = up[i - bpp];
        const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
        const int predicted = pa <= pb && pa <= pc ? a : (pb <= pc ? b : c);
        out[i] = uchar(row[i] - predicted);
    }
}

using RowFilter = void (*)(const uchar *, const uchar *, qsizetype, int, uchar *);
constexpr std::array<RowFilter, 5> kFilters
    = { filterNone, filterSub, filterUp, filterAverage, filterPaeth };

// libpng's heuristic: the filtered row whose bytes, read as signed, are nearest zero.
quint64 filteredScore(const uchar *f, qsizetype n)
{
    quint64 total = 0;
    // 32-bit sums vectorise better; a slice of 64 KiB cannot overflow one.
    constexpr qsizetype kSlice = 1 << 16;
    for (qsizetype start = 0; start < n; start += kSlice) {
        const qsizetype end = std::min(n, start + kSlice);
        quint32 sum = 0;
        for (qsizetype i = start; i < end; ++i) {
            const auto v = qint8(f[i]);
            sum += quint32(v < 0 ? -v : v);
        }
        total += sum;
    }
    return total;
}

// Level 1 is libdeflate's fastest; on capture pictures the higher levels cost twice the time
// or more for files 1-3% smaller.
constexpr int kDeflateLevel = 1;

// Photos on screen carry sensor noise: after filtering, their bytes seldom repeat, and the
// short matches a fast matcher finds there cost more than the literals they replace (the reason
// libpng asks zlib for its "filtered" strategy). Such bands are better coded with Huffman codes
// alone: 10% smaller than libdeflate's fastest level and faster. Windows, text and flat colour
// need the matches. A sample of the band decides: its libdeflate size against the entropy of
// its bytes, which Huffman coding comes within a few percent of.
enum class Coding { Matches, HuffmanOnly };

Coding codingFor(
    const uchar *data, size_t size, libdeflate_compressor *compressor, std::vector<uchar> &scratch)
{
    const size_t sample = std::min<size_t>(size, 64 * 1024);
    std::array<quint32, 256> counts {};
    for (size_t i = 0; i < sample; ++i)
        ++counts[data[i]];
    double bits = 0;
    for (const quint32 count : counts) {
        if (count != 0)
            bits -= count * std::log2(double(count) / double(sample));
    }
    // Huffman codes are whole bits, and each block of zlib's carries its code table.
    const double huffman = bits / 8 * 1.03 + 100;
    scratch.resize(std::max(scratch.size(), libdeflate_deflate_compress_bound(compressor, sample)));
    const size_t matches
        = libdeflate_deflate_compress(compressor, data, sample, scratch.data(), scratch.size());
    return matches != 0 && huffman < double(matches) ? Coding::HuffmanOnly : Coding::Matches;
}

size_t huffmanBound(size_t size)
{
    // Above zlib's own bound (deflateBound: some 5 bytes a block when the data is stored for
    // not compressing), with room for the sync marker.
    return size + size / 1000 + 64;
}

// A raw deflate stream of Huffman-coded literals. zlib ends a band that is not the last with a
// sync flush: an empty stored block that leaves the stream on a byte boundary.
size_t huffmanOnly(const uchar *data, size_t size, uchar *out, size_t room, bool last)
{
    z_stream z {};
    if (deflateInit2(&z, 1, Z_DEFLATED, -MAX_WBITS, 9, Z_HUFFMAN_ONLY) != Z_OK)
        return 0;
    z.next_in = const_cast<uchar *>(data);
    z.avail_in = uInt(size);
    z.next_out = out;
    z.avail_out = uInt(room);
    const int result = deflate(&z, last ? Z_FINISH : Z_SYNC_FLUSH);
    const bool done = last ? result == Z_STREAM_END : result == Z_OK && z.avail_out > 0;
    const size_t written = size_t(z.total_out);
    deflateEnd(&z);
    return done && z.avail_in == 0 ? written : 0;
}

struct CompressorDeleter
{
    void operator()(libdeflate_compressor *c) const { libdeflate_free_compressor(c); }
};

// A band's part of the zlib stream, as the data of its own IDAT chunk.
struct Band
{
    int firstRow = 0;
    int rows = 0;
    std::vector<uchar> chunk; // "IDAT" and the data: what the chunk's CRC covers
    quint32 crc = 0;
    quint32 adler = 1; // of the band's filtered bytes
    qsizetype filteredSize = 0;
};

// libdeflate ends every stream with a final block. For a band that is not the last, the final
// bit of that block is cleared and an empty stored block (as zlib's sync flush writes) brings
// the stream to a byte boundary, where the next band's stream starts. Only decoding finds
// where the last block starts and where it ends, which zlib's inflate reports block by block.
bool continueAfter(uchar *stream, size_t &size, std::vector<uchar> &scratch)
{
    z_stream z {};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        return false;
    z.next_in = stream;
    z.avail_in = uInt(size);
    quint64 lastHeader = 0;
    quint64 end = 0;
    bool found = false;
    while (!found) {
        z.next_out = scratch.data();
        z.avail_out = uInt(scratch.size());
        const int result = inflate(&z, Z_BLOCK);
        if (result != Z_OK)
            break;
        // At a block boundary: data_type holds the bits left unread in the last byte taken,
        // +64 when the block just ended was the last one.
        if (z.data_type & 128) {
            const quint64 bit = quint64(z.total_in) * 8 - quint64(z.data_type & 7);
            if (z.data_type & 64) {
                end = bit;
                found = true;
            } else {
                lastHeader = bit;
            }
        }
    }
    inflateEnd(&z);
    if (!found)
        return false;
    stream[lastHeader / 8] &= uchar(~(1u << (lastHeader % 8)));
    // The empty stored block: three zero bits of header, zeros up to the byte boundary, then
    // LEN 0 and NLEN 0xFFFF.
    const size_t aligned = size_t((end + 3 + 7) / 8);
    if (end % 8 != 0)
        stream[end / 8] &= uchar((1u << (end % 8)) - 1);
    std::fill(stream + end / 8 + (end % 8 != 0 ? 1 : 0), stream + aligned, uchar(0));
    const uchar marker[4] = { 0, 0, 0xFF, 0xFF };
    std::copy(marker, marker + 4, stream + aligned);
    size = aligned + 4;
    return true;
}

// Extra room a band's stream may need for the stored block that ends it.
constexpr size_t kSyncRoom = 5;

struct BandWork
{
    const QImage *image = nullptr;
    QImage::Format target = QImage::Format_RGB888;
    int bpp = 3;
    bool first = false;
    bool last = false;
};

bool encodeBand(Band &band, const BandWork &work, libdeflate_compressor *compressor,
    std::vector<uchar> &filtered, std::vector<uchar> &scratch)
{
    const QImage &image = *work.image;
    const int top = std::max(0, band.firstRow - 1); // the row above filters the first one
    // Converted a band at a time, on the band's thread: no copy of the whole picture.
    const QImage source = QImage(image.constScanLine(top), image.width(),
        band.firstRow + band.rows - top, image.bytesPerLine(), image.format())
                              .convertToFormat(work.target);
    if (source.isNull())
        return false;
    const qsizetype stride = qsizetype(image.width()) * work.bpp;
    filtered.resize(size_t((stride + 1) * band.rows));
    scratch.resize(std::max<size_t>(scratch.size(), size_t(stride) * kFilters.size()));
    const std::vector<uchar> zeros(band.firstRow == 0 ? size_t(stride) : 0);
    for (int y = 0; y < band.rows; ++y) {
        const int sourceRow = band.firstRow + y - top;
        const uchar *row = source.constScanLine(sourceRow);
        const uchar *up = sourceRow > 0 ? source.constScanLine(sourceRow - 1) : zeros.data();
        uchar *out = filtered.data() + (stride + 1) * y;
        quint64 bestScore = 0;
        size_t best = 0;
        for (size_t type = 0; type < kFilters.size(); ++type) {
            uchar *candidate = scratch.data() + stride * qsizetype(type);
            kFilters[type](row, up, stride, work.bpp, candidate);
            const quint64 score = filteredScore(candidate, stride);
            if (type == 0 || score < bestScore) {
                bestScore = score;
                best = type;
            }
        }
        out[0] = uchar(best);
        std::copy_n(scratch.data() + stride * qsizetype(best), stride, out + 1);
    }
    band.filteredSize = qsizetype(filtered.size());
    band.adler = libdeflate_adler32(1, filtered.data(), filtered.size());

    // "IDAT", the zlib header for the first band, the deflate stream, room for the sync marker.
    const size_t start = 4 + (work.first ? 2 : 0);
    const Coding coding = codingFor(filtered.data(), filtered.size(), compressor, scratch);
    const size_t bound = coding == Coding::Matches
        ? libdeflate_deflate_compress_bound(compressor, filtered.size()) + kSyncRoom
        : huffmanBound(filtered.size());
    band.chunk.resize(start + bound);
    std::copy_n("IDAT", 4, band.chunk.begin());
    if (work.first) {
        // Deflate with a 32 KiB window; FLEVEL 0 says "fastest"; the check bits make the pair
        // a multiple of 31.
        band.chunk[4] = 0x78;
        band.chunk[5] = 0x01;
    }
    uchar *stream = band.chunk.data() + start;
    size_t size = 0;
    if (coding == Coding::HuffmanOnly) {
        size = huffmanOnly(filtered.data(), filtered.size(), stream, bound, work.last);
        if (size == 0)
            return false;
    } else {
        size = libdeflate_deflate_compress(
            compressor, filtered.data(), filtered.size(), stream, bound - kSyncRoom);
        if (size == 0)
            return false;
        if (!work.last && !continueAfter(stream, size, scratch))
            return false;
    }
    band.chunk.resize(start + size);
    band.crc = libdeflate_crc32(0, band.chunk.data(), band.chunk.size());
    return true;
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

    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    appendChunk(out, "IHDR", header(w, h, alpha));
    // qCompress gives a zlib stream after a 4-byte length of its own.
    appendChunk(out, "IDAT", qCompress(filtered, 6).mid(4));
    appendChunk(out, "IEND", {});
    return out;
}

QByteArray encodeFast(const QImage &picture, const FastOptions &options)
{
    if (picture.isNull())
        return {};
    const bool alpha = picture.hasAlphaChannel();
    // Bands are read straight from the picture's memory; a colour table would be lost there.
    const QImage image = picture.format() <= QImage::Format_Indexed8
        ? picture.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32)
        : picture;
    const int w = image.width(), h = image.height(), bpp = alpha ? 4 : 3;
    const qsizetype rowBytes = qsizetype(w) * bpp + 1;
    const int bandRows = int(std::clamp<qsizetype>(options.bandBytes / rowBytes, 1, h));
    const int bandCount = (h + bandRows - 1) / bandRows;
    std::vector<Band> bands(static_cast<size_t>(bandCount));
    for (int i = 0; i < bandCount; ++i) {
        bands[size_t(i)].firstRow = i * bandRows;
        bands[size_t(i)].rows = std::min(bandRows, h - i * bandRows);
    }

    std::atomic<int> next { 0 };
    std::atomic<bool> failed { false };
    const auto worker = [&] {
        const std::unique_ptr<libdeflate_compressor, CompressorDeleter> compressor(
            libdeflate_alloc_compressor(kDeflateLevel));
        try {
            std::vector<uchar> filtered, scratch(1 << 16);
            for (int i = next++; i < bandCount && !failed; i = next++) {
                const BandWork work { &image,
                    alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888, bpp, i == 0,
                    i == bandCount - 1 };
                if (!compressor
                    || !encodeBand(bands[size_t(i)], work, compressor.get(), filtered, scratch))
                    failed = true;
            }
        } catch (const std::bad_alloc &) {
            // A huge picture on a full machine: the save fails, the program goes on.
            failed = true;
        }
    };
    int threads = options.threads > 0 ? options.threads : int(std::thread::hardware_concurrency());
    threads = std::clamp(threads, 1, bandCount);
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t) {
        try {
            helpers.emplace_back(worker);
        } catch (const std::system_error &) {
            break; // no more threads to be had: the others share the bands
        }
    }
    worker();
    for (std::thread &helper : helpers)
        helper.join();
    if (failed)
        return {};

    // The zlib stream ends with the Adler-32 of all the filtered bytes, made of the bands' own.
    quint32 adler = bands.front().adler;
    for (size_t i = 1; i < bands.size(); ++i)
        adler = quint32(adler32_combine(adler, bands[i].adler, z_off_t(bands[i].filteredSize)));
    Band &lastBand = bands.back();
    uchar trailer[4];
    qToBigEndian<quint32>(adler, trailer);
    lastBand.chunk.insert(lastBand.chunk.end(), trailer, trailer + 4);
    lastBand.crc = libdeflate_crc32(lastBand.crc, trailer, 4);

    qsizetype total = 8 + 25 + 12;
    for (const Band &band : bands)
        total += qsizetype(band.chunk.size()) + 8;
    QByteArray out;
    out.reserve(total);
    out.append("\x89PNG\r\n\x1a\n", 8);
    appendChunk(out, "IHDR", header(w, h, alpha));
    for (const Band &band : bands) {
        char number[4];
        qToBigEndian<quint32>(quint32(band.chunk.size() - 4), number);
        out.append(number, 4);
        out.append(reinterpret_cast<const char *>(band.chunk.data()), qsizetype(band.chunk.size()));
        qToBigEndian<quint32>(band.crc, number);
        out.append(number, 4);
    }
    appendChunk(out, "IEND", {});
    return out;
}

} // namespace pngbytes
