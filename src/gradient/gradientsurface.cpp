#include "gradient/gradientsurface.h"

#include "base/drawingsurface.h"
#include "base/twips.h"

namespace gradientsurface {

namespace {
constexpr int32_t kBackColor = 0xE0E0E0;
constexpr float kDesignedScaleWidth = 44.068348f;
constexpr float kDesignedScaleHeight = 17.656193f;
} // namespace

void prepare(DrawingSurface &surface)
{
    surface.setBackColor(kBackColor);
    surface.setScaleWidth(kDesignedScaleWidth);
    surface.setScaleHeight(kDesignedScaleHeight);
}

void draw(DrawingSurface &surface, QSize boxSize, const lineargradient::Stops &stops, int segments,
    lineargradient::Orientation orientation)
{
    using lineargradient::Orientation;
    const auto line = [&surface](double x1, double y1, double x2, double y2, int32_t color) {
        surface.Line(x1, y1, x2, y2, color);
    };
    if (orientation == Orientation::Horizontal || orientation == Orientation::Vertical) {
        // Lines run from the near edge to five times the surface's outer size (in twips, the
        // window's unit, read as user units), so they always cross the whole surface.
        double across = 0;
        if (orientation == Orientation::Horizontal) {
            surface.setScaleWidth(float(256 * segments));
            across = 5.0 * twips::toTwipsY(boxSize.height());
        } else {
            surface.setScaleHeight(float(256 * segments));
            across = 2.5 * twips::toTwipsX(boxSize.width());
        }
        lineargradient::drawStraight(stops, orientation, across, line);
        return;
    }
    const int16_t n
        = lineargradient::diagonalLineCount(surface.scaleWidth(), surface.scaleHeight());
    lineargradient::drawDiagonal(
        stops, orientation, n, [&surface] { return surface.scaleWidth(); }, line);
}

} // namespace gradientsurface
