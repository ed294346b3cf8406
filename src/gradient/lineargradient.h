#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

// The drawings of the linear gradient window, as sequences of lines in the surface's user
// units. Each drawing hands its lines, in order, to a sink; the window draws them.
namespace lineargradient {

// A colour stop: its colour value and its components, whole numbers held in double precision.
struct Stop
{
    int32_t color = 0;
    double R = 0, G = 0, B = 0;
};
using Stops = std::array<Stop, 4>;

// Splits a swatch colour by truncating divisions by 65536 and 256.
Stop splitColor(int32_t color);

enum class Orientation { Horizontal, Vertical, DiagonalFromLeft, DiagonalFromRight };

using LineSink = std::function<void(double x1, double y1, double x2, double y2, int32_t color)>;

// Lines across the gradient at p = 0, 0.1, 0.2, ... (p grown by repeated addition) through all
// three segments, whatever the number of stops in use: segment j runs while p < 256 j. Each
// line carries the colour computed at the previous position. `across` is how far each line
// runs (from 0). Horizontal lines go from (p, 0) to (p, across); vertical ones from (0, p) to
// (across, p).
void drawStraight(const Stops &stops, Orientation orientation, double across, const LineSink &line);

// The number of diagonal lines for a surface scale: round(sqrt(SW^2 + SH^2) * sqrt(2)), the
// squares summed in single precision. Zero when it does not fit a 16-bit count.
int16_t diagonalLineCount(float scaleWidth, float scaleHeight);

// Diagonal lines i = 1..n from stop 1 to stop 2, the running channels in single precision.
// From the left: (i, 0) to (0, i). From the right: (SW - i, 0) to (SW, i), SW asked anew for
// every line.
void drawDiagonal(const Stops &stops, Orientation orientation, int16_t n,
    const std::function<float()> &scaleWidth, const LineSink &line);

// The same gradient for a stylesheet: `linear-gradient(90deg, #FF0000 0%, #FFFF00 100%)` for
// the orientation and the first `segments` + 1 stops (the diagonals use the first two).
QString css(Orientation orientation, const Stops &stops, int segments);

} // namespace lineargradient
