#include "capture/regionselection.h"

#include "base/vbmath.h"

#include <cmath>
#include <limits>

namespace {
// Twips values are small; a shape beyond 32 bits cannot come from a screen, clamp instead of
// failing so a wild value can never abort the capture.
int32_t toLongClamped(double v)
{
    if (std::isnan(v))
        return 0;
    if (auto r = vbmath::toLong(v))
        return *r;
    return v < 0 ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int32_t>::max();
}
} // namespace

void RegionSelection::press(float x, float y)
{
    m_anchorX = x;
    m_anchorY = y;
    m_currentX = x;
    m_currentY = toLongClamped(y);
    m_shape.left = x;
    m_shape.top = y;
    m_shape.width = 0;
    m_shape.height = 0;
}

bool RegionSelection::move(float x, float y, float clientWidth, float clientHeight)
{
    if (!(x >= 0 && x <= clientWidth && y >= 0 && y <= clientHeight))
        return false;
    m_currentX = x;
    // The row is rounded to a whole twip (halves to even). It is kept in 32 bits: a 16-bit
    // value overflows on screens taller than 2184 pixels.
    m_currentY = toLongClamped(y);
    const float cy = float(m_currentY);

    // Each side is measured from the anchor. When the pointer comes back across the anchor the
    // corner returns to the anchor as well, so the shape always spans anchor to pointer.
    if (m_anchorX < m_currentX) {
        m_shape.width = m_currentX - m_anchorX;
        m_shape.left = m_anchorX;
    }
    if (m_anchorY < cy) {
        m_shape.height = cy - m_anchorY;
        m_shape.top = m_anchorY;
    }
    if (m_currentX < m_anchorX) {
        m_shape.width = m_anchorX - m_currentX;
        m_shape.left = m_anchorX - m_shape.width;
    }
    if (cy < m_anchorY) {
        m_shape.height = m_anchorY - cy;
        m_shape.top = m_anchorY - m_shape.height;
    }
    return true;
}

RegionSelection::Source RegionSelection::sourceOf(
    const Shape &shape, int twipsPerPixelX, int twipsPerPixelY)
{
    Source s;
    s.heightTwips = toLongClamped(shape.height);
    s.widthTwips = toLongClamped(shape.width);
    // One pixel inside the outline: 15 twips right, 15 twips x the outline width (1) down.
    constexpr int kOutlineWidth = 1;
    const int32_t leftTwips = toLongClamped(double(shape.left) + 15);
    const int32_t topTwips = toLongClamped(double(shape.top) + 15 * kOutlineWidth);
    const int tx = twipsPerPixelX > 0 ? twipsPerPixelX : 15;
    const int ty = twipsPerPixelY > 0 ? twipsPerPixelY : 15;
    const int x = toLongClamped(double(leftTwips) / tx);
    const int y = toLongClamped(double(topTwips) / ty);
    const int w = std::max(0, toLongClamped(double(s.widthTwips) / tx));
    const int h = std::max(0, toLongClamped(double(s.heightTwips) / ty));
    s.pixels = QRect(x, y, w, h);
    return s;
}
