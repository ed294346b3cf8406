#pragma once

#include <QByteArray>
#include <QImage>

// PNG files of icon pictures, small: every row filtered the way that suits it (as libpng's
// adaptive filtering does), then deflated at zlib's default level (the highest costs twice the
// time for files 3% smaller). Qt's own writer leaves rows unfiltered, which makes smooth icon
// pictures several times larger. 8 bits a channel; RGBA when the picture has an alpha channel,
// RGB otherwise.
namespace pngbytes {
QByteArray encode(const QImage &picture);
}
