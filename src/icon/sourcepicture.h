#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

class QIODevice;

// A picture of any size that multi-size icons are made from: a raster picture Qt reads (with
// its alpha channel) or a scalable SVG drawing, rendered afresh at each size asked for.
// Sizes are checked from the file's header before a single pixel is decoded.
namespace sourcepicture {

// Larger pictures are refused before decoding.
constexpr int kMaxSide = 16384;
constexpr qint64 kMaxDecodedBytes = qint64(512) << 20;

struct Limits
{
    int maxSide = kMaxSide;
    qint64 maxDecodedBytes = kMaxDecodedBytes;
};

// How a picture that is not square becomes square.
enum class Fit { Centre, Crop };

enum class Error { None, Unreadable, TooLarge, Corrupt };

class Picture
{
public:
    Picture() = default;
    static Picture fromImage(const QImage &image);

    bool isNull() const { return m_raster.isNull() && m_svg.isEmpty(); }
    bool isScalable() const { return !m_svg.isEmpty(); }
    // The picture's own size (an SVG's default size).
    QSize size() const { return m_size; }
    // The raster pixels, ARGB32 (empty for an SVG).
    const QImage &raster() const { return m_raster; }

    // The picture as a size x size square, ARGB32 with straight alpha: a raster picture made
    // square and resampled, a drawing rendered at that size.
    QImage square(int size, Fit fit) const;

private:
    friend struct Loader;
    QImage m_raster;
    QByteArray m_svg;
    QSize m_size;
};

struct Result
{
    Picture picture;
    Error error = Error::None;
    QSize size; // as the header gave it, also when refused
};

Result load(QIODevice &device, const Limits &limits = {});
Result load(const QString &path, const Limits &limits = {});

// Whether a picture of this size may be decoded.
bool fits(QSize size, const Limits &limits = {});

} // namespace sourcepicture
