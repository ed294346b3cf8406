#include "base/drawingsurface.h"

#include "base/colorconv.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Line end points are kept well inside 64-bit arithmetic: 2 * t * d stays below 2^62.
constexpr double kFar = double(int64_t(1) << 29);

// Clips the segment to the square [-kFar, kFar]^2, one edge after the other; false when nothing
// is left. Each cut moves an end point along the line by the fraction of the span it lies
// outside, which stays exact enough even for ends at 1e300. Only lines that reach hundreds of
// millions of pixels away are changed by this.
bool clipFar(double &x1, double &y1, double &x2, double &y2)
{
    // Cuts the part where coordinate a lies beyond `limit` (sign +1: above, -1: below).
    auto cut = [](double &a1, double &b1, double &a2, double &b2, double limit, int sign) {
        const bool out1 = sign > 0 ? a1 > limit : a1 < limit;
        const bool out2 = sign > 0 ? a2 > limit : a2 < limit;
        if (out1 && out2)
            return false;
        if (out1) {
            b1 = b1 + (b2 - b1) * ((limit - a1) / (a2 - a1));
            a1 = limit;
        } else if (out2) {
            b2 = b2 + (b1 - b2) * ((limit - a2) / (a1 - a2));
            a2 = limit;
        }
        return true;
    };
    return cut(x1, y1, x2, y2, -kFar, -1) && cut(x1, y1, x2, y2, kFar, +1)
        && cut(y1, x1, y2, x2, -kFar, -1) && cut(y1, x1, y2, x2, kFar, +1);
}

// floor(num / den) for den > 0.
int64_t floorDiv(int64_t num, int64_t den)
{
    int64_t q = num / den;
    if ((num % den) != 0 && num < 0)
        --q;
    return q;
}

// Minor coordinate of a line at `t` steps along its major axis: start + t * d / len rounded
// half up, in exact integer arithmetic so a line is the same pixels wherever it is clipped.
int64_t minorAt(int64_t start, int64_t t, int64_t d, int64_t len)
{
    return start + floorDiv(2 * t * d + len, 2 * len);
}

} // namespace

DrawingSurface::DrawingSurface(QSize size) { resize(size); }

void DrawingSurface::resize(QSize size)
{
    m_size = size.isValid() ? size : QSize(0, 0);
    const QSize target = m_size.isEmpty() ? QSize(1, 1) : m_size;
    if (m_pixelScale) {
        m_scaleWidth = float(m_size.width());
        m_scaleHeight = float(m_size.height());
    }
    if (m_image.size() == target)
        return;
    flushPendingLine();
    QImage next(target, QImage::Format_RGB32);
    next.fill(toQRgb(m_backColor));
    if (!m_picture.isNull() || !m_image.isNull()) {
        QPainter p(&next);
        if (!m_picture.isNull())
            p.drawImage(0, 0, m_picture);
        if (!m_image.isNull())
            p.drawImage(0, 0, m_image);
    }
    m_image = next;
}

void DrawingSurface::setBackColor(int32_t bgr)
{
    m_backColor = bgr;
    Cls();
}

const QImage &DrawingSurface::image() const
{
    flushPendingLine();
    return m_image;
}

QImage &DrawingSurface::image()
{
    flushPendingLine();
    return m_image;
}

void DrawingSurface::setPicture(const QImage &picture)
{
    m_picture = picture;
    Cls();
}

void DrawingSurface::Cls()
{
    m_pending.active = false; // the fill covers it anyway
    m_image.fill(toQRgb(m_backColor));
    if (!m_picture.isNull()) {
        QPainter p(&m_image);
        p.drawImage(0, 0, m_picture);
    }
}

void DrawingSurface::setScaleWidth(float w)
{
    m_pixelScale = false;
    m_scaleWidth = w;
}

void DrawingSurface::setScaleHeight(float h)
{
    m_pixelScale = false;
    m_scaleHeight = h;
}

void DrawingSurface::setPixelScale()
{
    m_pixelScale = true;
    m_scaleWidth = float(m_size.width());
    m_scaleHeight = float(m_size.height());
}

int64_t DrawingSurface::toPixelX(double x) const
{
    const double u = std::floor(x * m_size.width() / double(m_scaleWidth));
    return std::isfinite(u) ? int64_t(std::clamp(u, -kFar, kFar)) : 0;
}

int64_t DrawingSurface::toPixelY(double y) const
{
    const double v = std::floor(y * m_size.height() / double(m_scaleHeight));
    return std::isfinite(v) ? int64_t(std::clamp(v, -kFar, kFar)) : 0;
}

void DrawingSurface::Line(double x1, double y1, double x2, double y2, int32_t bgr)
{
    const QSize s = m_size;
    if (s.isEmpty() || m_scaleWidth == 0 || m_scaleHeight == 0)
        return;
    const double fx = s.width() / double(m_scaleWidth);
    const double fy = s.height() / double(m_scaleHeight);
    double u1 = x1 * fx, v1 = y1 * fy, u2 = x2 * fx, v2 = y2 * fy;
    if (!std::isfinite(u1) || !std::isfinite(v1) || !std::isfinite(u2) || !std::isfinite(v2))
        return;
    if (!clipFar(u1, v1, u2, v2))
        return;
    const PendingLine next { true, int64_t(std::floor(u1)), int64_t(std::floor(v1)),
        int64_t(std::floor(u2)), int64_t(std::floor(v2)), toQRgb(bgr) };
    if (!(m_pending.active && m_pending.x1 == next.x1 && m_pending.y1 == next.y1
            && m_pending.x2 == next.x2 && m_pending.y2 == next.y2))
        flushPendingLine();
    m_pending = next;
}

void DrawingSurface::flushPendingLine() const
{
    if (!m_pending.active)
        return;
    m_pending.active = false;
    rasterLine(m_pending.x1, m_pending.y1, m_pending.x2, m_pending.y2, m_pending.rgb);
}

void DrawingSurface::rasterLine(int64_t x1, int64_t y1, int64_t x2, int64_t y2, uint32_t rgb) const
{
    const int64_t w = m_image.width(), h = m_image.height();
    if (w <= 0 || h <= 0)
        return;
    // Quick rejection: the line's bounding box misses the image.
    if (std::max(x1, x2) < 0 || std::min(x1, x2) >= w || std::max(y1, y2) < 0
        || std::min(y1, y2) >= h)
        return;
    uchar *bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    auto plot
        = [&](int64_t x, int64_t y) { reinterpret_cast<uint32_t *>(bits + y * stride)[x] = rgb; };

    const int64_t dx = x2 - x1, dy = y2 - y1;
    if (std::llabs(dx) >= std::llabs(dy)) {
        if (dx < 0) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        const int64_t len = x2 - x1, d = y2 - y1;
        if (len == 0) {
            plot(x1, y1); // a single pixel, known to be inside
            return;
        }
        const int64_t from = std::max<int64_t>(x1, 0), to = std::min<int64_t>(x2, w - 1);
        if (d == 0) {
            uint32_t *row = reinterpret_cast<uint32_t *>(bits + y1 * stride);
            std::fill(row + from, row + to + 1, rgb);
            return;
        }
        for (int64_t x = from; x <= to; ++x) {
            const int64_t y = minorAt(y1, x - x1, d, len);
            if (y >= 0 && y < h)
                plot(x, y);
        }
    } else {
        if (dy < 0) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        const int64_t len = y2 - y1, d = x2 - x1;
        const int64_t from = std::max<int64_t>(y1, 0), to = std::min<int64_t>(y2, h - 1);
        if (d == 0) {
            uchar *p = bits + from * stride + x1 * 4;
            for (int64_t y = from; y <= to; ++y, p += stride)
                *reinterpret_cast<uint32_t *>(p) = rgb;
            return;
        }
        for (int64_t y = from; y <= to; ++y) {
            const int64_t x = minorAt(x1, y - y1, d, len);
            if (x >= 0 && x < w)
                plot(x, y);
        }
    }
}

int32_t DrawingSurface::Point(int x, int y) const
{
    const QImage &img = image();
    if (!img.valid(x, y))
        return -1;
    return fromQRgb(img.pixel(x, y));
}
