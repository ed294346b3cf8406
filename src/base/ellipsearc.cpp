#include "base/ellipsearc.h"

#include "base/colorconv.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace ellipsearc {

namespace {

constexpr double kEps = 1e-9;

// Half the width of an ellipse with semi-axes sa, sb at a vertical offset dy from its centre;
// nothing when the row misses it. A zero semi-axis leaves a segment, a negative one nothing.
std::optional<double> halfWidth(double sa, double sb, double dy)
{
    if (sa < 0 || sb < 0)
        return std::nullopt;
    if (sb == 0)
        return std::abs(dy) <= kEps ? std::optional<double>(sa) : std::nullopt;
    if (std::abs(dy) > sb + kEps)
        return std::nullopt;
    const double t = 1.0 - (dy / sb) * (dy / sb);
    return sa * std::sqrt(std::max(t, 0.0));
}

bool insideOrOn(double sa, double sb, double dx, double dy)
{
    if (sa <= 0 || sb <= 0)
        return false;
    return (dx / sa) * (dx / sa) + (dy / sb) * (dy / sb) <= 1.0 + kEps;
}

// Counter-clockwise angle (screen y grows downward) from `from` to `to`, in [0, 2 pi).
double ccwSweep(double from, double to)
{
    double s = std::fmod(to - from, 2 * std::numbers::pi);
    if (s < 0)
        s += 2 * std::numbers::pi;
    return s;
}

} // namespace

void drawArc(QImage &target, const Box &box, int64_t xStart, int64_t yStart, int64_t xEnd,
    int64_t yEnd, int32_t bgr, int penWidth)
{
    const int64_t w = target.width(), h = target.height();
    if (w <= 0 || h <= 0 || target.depth() != 32)
        return;
    const double cx = (double(box.left) + double(box.right)) / 2;
    const double cy = (double(box.top) + double(box.bottom)) / 2;
    const double sa = std::abs(double(box.right) - double(box.left)) / 2;
    const double sb = std::abs(double(box.bottom) - double(box.top)) / 2;
    const double half = std::max(penWidth, 1) / 2.0;
    const double oa = sa + half, ob = sb + half; // outer edge of the pen
    const double ia = sa - half, ib = sb - half; // inner edge

    // Culling: the outline's box misses the image, the image's nearest pixel lies outside the
    // pen's outer edge, or the whole image lies inside its inner edge.
    if (cx + oa < 0 || cx - oa > double(w - 1) || cy + ob < 0 || cy - ob > double(h - 1))
        return;
    const double nx = std::clamp(cx, 0.0, double(w - 1)), ny = std::clamp(cy, 0.0, double(h - 1));
    if (!insideOrOn(oa, ob, nx - cx, ny - cy))
        return;
    if (insideOrOn(ia, ib, -cx, -cy) && insideOrOn(ia, ib, double(w - 1) - cx, -cy)
        && insideOrOn(ia, ib, -cx, double(h - 1) - cy)
        && insideOrOn(ia, ib, double(w - 1) - cx, double(h - 1) - cy))
        return;

    const double startAngle = std::atan2(-(double(yStart) - cy), double(xStart) - cx);
    const double endAngle = std::atan2(-(double(yEnd) - cy), double(xEnd) - cx);
    const double sweep = ccwSweep(startAngle, endAngle);
    const bool whole = (xStart == xEnd && yStart == yEnd) || sweep == 0;

    const uint32_t rgb = toQRgb(bgr);
    // When the centre lies beside the image, only the rows where the outline reaches across
    // to the image's nearest column can touch it. The gap is taken a little short and a row
    // of margin added, so no row that reaches it is ever left out.
    double rowReach = ob;
    const double gap = cx > double(w - 1) ? cx - double(w - 1) : (cx < 0 ? -cx : 0.0);
    if (gap > 1e-6) {
        const double t = (gap - 1e-6) / oa;
        rowReach = std::min(rowReach, ob * std::sqrt(std::max(1.0 - t * t, 0.0)) + 1.0);
    }
    const int64_t rowFrom = std::max<int64_t>(int64_t(std::ceil(cy - rowReach - kEps)), 0);
    const int64_t rowTo = std::min<int64_t>(int64_t(std::floor(cy + rowReach + kEps)), h - 1);
    for (int64_t y = rowFrom; y <= rowTo; ++y) {
        const double dy = double(y) - cy;
        const auto outer = halfWidth(oa, ob, dy);
        if (!outer)
            continue;
        const auto inner = halfWidth(ia, ib, dy);
        uint32_t *row = reinterpret_cast<uint32_t *>(target.scanLine(int(y)));
        auto fill = [&](int64_t from, int64_t to) {
            from = std::max<int64_t>(from, 0);
            to = std::min<int64_t>(to, w - 1);
            if (from > to)
                return;
            if (whole) {
                std::fill(row + from, row + to + 1, rgb);
                return;
            }
            for (int64_t x = from; x <= to; ++x) {
                if (ccwSweep(startAngle, std::atan2(-dy, double(x) - cx)) <= sweep)
                    row[x] = rgb;
            }
        };
        const int64_t left = int64_t(std::ceil(cx - *outer - kEps));
        const int64_t right = int64_t(std::floor(cx + *outer + kEps));
        if (!inner) {
            fill(left, right);
        } else {
            fill(left, int64_t(std::ceil(cx - *inner - kEps)) - 1);
            fill(int64_t(std::floor(cx + *inner + kEps)) + 1, right);
        }
    }
}

} // namespace ellipsearc
