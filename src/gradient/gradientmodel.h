#pragma once

#include <QList>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

// A gradient as style sheets write it today: stops with alpha, a linear, radial or conic
// shape (each optionally repeating) and the colour space the stops are mixed in. The maths
// follows CSS Images 4 and CSS Color 4, so that a browser shows the same picture.
namespace gradientmodel {

constexpr int kMinStops = 2;
constexpr int kMaxStops = 16;

struct Stop
{
    int32_t bgr = 0; // 0x00BBGGRR
    double alpha = 1; // 0 to 1
    double position = 0; // fraction of the gradient line (conic: of the turn)
    // The position is in pixels along the gradient line (linear and radial gradients only),
    // known once the box is; a position of NaN is not given (only beside stops in pixels).
    bool pixels = false;

    bool operator==(const Stop &other) const
    {
        const bool bothUnset = std::isnan(position) && std::isnan(other.position);
        return bgr == other.bgr && alpha == other.alpha && pixels == other.pixels
            && (bothUnset || position == other.position);
    }
};

enum class Kind { Linear, Radial, Conic };
enum class Ending { Circle, Ellipse };
// How far a radial gradient reaches: a keyword, or radii given in the CSS.
enum class Extent { ClosestSide, ClosestCorner, FarthestSide, FarthestCorner, Given };
enum class Space { Srgb, LinearSrgb, Oklab, Oklch };
enum class Hue { Shorter, Longer };

struct Gradient
{
    QList<Stop> stops { Stop { 0x0000FF, 1, 0 }, Stop { 0xFF0000, 1, 1 } };
    Kind kind = Kind::Linear;
    bool repeating = false;
    double angle = 180; // degrees; linear: the direction (0 up, clockwise); conic: the start
    // Linear towards a corner (`to top right`), whose angle depends on the box; else None.
    enum class Corner { None, TopRight, BottomRight, BottomLeft, TopLeft } corner = Corner::None;
    // Radial and conic: the centre as fractions of the box, or pixels on a side so marked.
    double centreX = 0.5, centreY = 0.5;
    bool centreXPixels = false, centreYPixels = false;
    // Radial, Extent::Given: the radii in pixels, or (ellipses) fractions of the box's width
    // and height on a side so marked. A circle has radiusX only.
    double radiusX = 0, radiusY = 0;
    bool radiusXFraction = false, radiusYFraction = false;
    Ending ending = Ending::Ellipse;
    Extent extent = Extent::FarthestCorner;
    Space space = Space::Srgb;
    Hue hue = Hue::Shorter;

    bool operator==(const Gradient &) const = default;
};

// Premultiplied components in the interpolation space; polar spaces keep the hue plain.
using Mix = std::array<double, 4>;

// Non-premultiplied sRGB (gamma-encoded) and alpha, each 0 to 1.
struct Rgba
{
    double r = 0, g = 0, b = 0, a = 1;
};

Rgba rgbaOf(const Stop &stop);

// How far along the gradient (0 at the first stop's line origin, 1 at its end) the point
// (x, y) of a box lies. Repeating and clamping are left to colourAt.
class Geometry
{
public:
    Geometry(const Gradient &gradient, double width, double height);
    double at(double x, double y) const;
    Kind kind() const { return m_kind; }
    // at() for a shape known beforehand, for loops over pixels.
    double radialAt(double x, double y) const
    {
        const double u = (x - m_cx) / m_rx, v = (y - m_cy) / m_ry;
        return std::sqrt(u * u + v * v);
    }
    double conicAt(double x, double y) const;
    // radialAt and conicAt(x + 0.5, y) for x = 0 .. width - 1, in single precision.
    void radialRow(double y, int width, float *out) const;
    void conicRow(double y, int width, float *out) const;
    // The length of the gradient line (radial: the ending shape's horizontal radius).
    double lineLength() const { return m_kind == Kind::Radial ? m_rx : m_length; }

private:
    Kind m_kind;
    double m_cx, m_cy;
    double m_dx = 0, m_dy = 0; // linear: direction over the line length
    double m_rx = 1, m_ry = 1; // radial: the ending shape's radii
    double m_start = 0; // conic: the start angle, in turns
    double m_length = 1; // linear: the gradient line's length
};

// The colours along the gradient: stops put in order, repeated or clamped, and each segment
// mixed in the gradient's space with premultiplied alpha.
class Colours
{
public:
    explicit Colours(const Gradient &gradient);
    Rgba at(double t) const;
    // The same through a table of `steps` entries per segment, interpolated linearly: what
    // the renderer uses for big pictures.
    void prepareTable(int steps);
    void tableAt(double t, float out[4]) const;
    // Where the first and the last stop lie; whether the colours repeat between them.
    double first() const;
    double last() const;
    bool repeats() const { return m_repeating && last() > first(); }

private:
    struct Segment
    {
        double from, to;
        Mix a, b;
        int tableStart = 0;
    };
    double wrap(double t) const;
    int segmentOf(double t) const;
    Rgba mix(const Segment &s, double u) const;

    Space m_space;
    Hue m_hue;
    bool m_repeating;
    QList<Stop> m_stops; // in order
    QList<Segment> m_segments;
    Rgba m_before, m_after;
    int m_steps = 0;
    std::vector<float> m_table;
};

// Premultiplied components of a colour in a space, and back to sRGB.
Mix toSpace(const Rgba &c, Space space);
Rgba fromSpace(const Mix &m, Space space);

// The stops as fractions of a gradient line of `lineLength` pixels, put in order as CSS does:
// the first and last positions not given are the ends, runs not given are spread evenly
// between their neighbours, and each position is at least the greatest one before it.
QList<Stop> orderedStops(const QList<Stop> &stops, double lineLength = 1);
bool hasPixels(const Gradient &gradient);
// The gradient with every stop a fraction, for a box of this size.
Gradient inFractions(const Gradient &gradient, double width, double height);

namespace detail {

// atan2 within 2e-5 radians, in single precision (a polynomial on [0, 1] and the octant's
// symmetries): a millionth of a turn, far below a level of colour, at a fraction of std::atan2's
// cost.
inline float fastAtan2(float y, float x)
{
    const float ax = std::abs(x), ay = std::abs(y);
    const float big = std::max(ax, ay);
    if (big == 0)
        return 0;
    const float a = std::min(ax, ay) / big, s = a * a;
    float r = a
        * (0.99997726f
            + s
                * (-0.33262347f
                    + s
                        * (0.19354346f
                            + s * (-0.11643287f + s * (0.05265332f + s * -0.01172120f)))));
    if (ay > ax)
        r = float(std::numbers::pi / 2) - r;
    if (x < 0)
        r = float(std::numbers::pi) - r;
    return y < 0 ? -r : r;
}

// v - floor(v), without a call into the maths library (x86-64's base instructions have no
// rounding one).
inline double turns(double v)
{
    double whole = double(int64_t(v));
    if (whole > v)
        whole -= 1;
    return v - whole;
}

} // namespace detail

inline double Geometry::at(double x, double y) const
{
    const double dx = x - m_cx, dy = y - m_cy;
    switch (m_kind) {
    case Kind::Linear:
        return dx * m_dx + dy * m_dy + 0.5;
    case Kind::Radial:
        return radialAt(x, y);
    case Kind::Conic:
        return conicAt(x, y);
    }
    return 0;
}

inline double Geometry::conicAt(double x, double y) const
{
    // Angles run clockwise from straight up.
    return detail::turns(
        detail::fastAtan2(float(x - m_cx), float(m_cy - y)) * (0.5 / std::numbers::pi) - m_start);
}

} // namespace gradientmodel
