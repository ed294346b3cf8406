#pragma once

#include <QByteArray>
#include <QImage>

// Windows bitmap files, decoded here rather than by Qt so that what comes back is always fully
// defined, whatever the file says:
// - every pixel starts as the first colour of the table, so pixels a run-length delta jumps
//   over, or that an early end or a cut-short stream never reaches, take that colour (as
//   ImageMagick and Pillow show them; the converter keys transparency on a colour, so an
//   opaque colour from the file suits it better than see-through pixels);
// - an index beyond a short colour table reads as black;
// - 5- and 6-bit channels are scaled to the full 0-255 range, so white stays white;
// - rows stored top first (a negative height) read like the usual bottom-up ones.
// The result is 32 bits per pixel: opaque unless bit fields give an alpha channel.
namespace bitmapreader {

struct Header
{
    int width = 0;
    int height = 0; // absolute: rows in whichever order they are stored
    bool rowsTopFirst = false;
    int depth = 0;
    uint32_t compression = 0;
    uint32_t infoBytes = 0;
    uint32_t pixelsAt = 0;
    uint32_t coloursUsed = 0;
    // Bytes from the start of the file the decoder may read: the headers, the table and the
    // pixels of an uncompressed bitmap; for a run-length one, up to `budget` bytes of codes.
    qint64 bytesNeeded(qint64 budget) const;
};

// Checks the headers at the start of a file of `fileBytes` bytes: known header length, size
// within 1..65535 and within `maxDecodedBytes` at 4 bytes a pixel, a known depth and coding
// that agree, pixels starting after the headers inside the file, and every row of an
// uncompressed bitmap inside the file. False when anything does not hold.
bool readHeader(const QByteArray &head, qint64 fileBytes, qint64 maxDecodedBytes, Header &out);

// The picture of a file whose header `readHeader` accepted; `file` holds its first bytes.
QImage decode(const QByteArray &file, const Header &header);

} // namespace bitmapreader
