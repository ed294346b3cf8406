#pragma once

#include <QByteArray>
#include <QImage>

// PNG files written by the program itself. 8 bits a channel; RGBA when the picture has an alpha
// channel, RGB otherwise.
namespace pngbytes {

// Icon pictures, small: every row filtered the way that suits it (as libpng's adaptive
// filtering does), then deflated at zlib's default level (the highest costs twice the time for
// files 3% smaller). Qt's own writer leaves rows unfiltered, which makes smooth icon pictures
// several times larger. The bytes never change for a given picture: icon files are compared
// byte for byte.
QByteArray encode(const QImage &picture);

// Screen captures, fast: the rows are cut into bands that are filtered and compressed on every
// core at once, each band an independent deflate stream ended by a sync marker, so that
// together they make the one zlib stream PNG wants.
struct FastOptions
{
    // Filtered bytes per band (whole rows, at least one). Smaller bands share the work more
    // evenly; each band restarts the compressor's history, which costs a little size.
    qsizetype bandBytes = 512 * 1024;
    // Threads to use; 0 means one per core.
    int threads = 0;
};
QByteArray encodeFast(const QImage &picture, const FastOptions &options = {});

} // namespace pngbytes
