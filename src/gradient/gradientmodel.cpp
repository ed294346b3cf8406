#include "gradient/gradientmodel.h"

#include "colour/colourspaces.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gradientmodel {

namespace {

using colourspaces::toGamma;
using colourspaces::toLinear;

// Below this chroma an OKLCH hue carries no colour: it takes the other end's (CSS Color 4's
// powerless hue, as browsers apply it between two stops).
constexpr double kPowerless = 1e-4;

double wrapFraction(double v) { return v - std::floor(v); }

} // namespace

Rgba rgbaOf(const Stop &stop)
{
    return { (stop.bgr & 0xFF) / 255.0, ((stop.bgr >> 8) & 0xFF) / 255.0,
        ((stop.bgr >> 16) & 0xFF) / 255.0, std::clamp(stop.alpha, 0.0, 1.0) };
}

Mix toSpace(const Rgba &c, Space space)
{
    Mix m { c.r, c.g, c.b, c.a };
    if (space != Space::Srgb) {
        const double r = toLinear(c.r), g = toLinear(c.g), b = toLinear(c.b);
        m = { r, g, b, c.a };
        if (space != Space::LinearSrgb) {
            const auto lab = colourspaces::oklabOfLinear({ r, g, b });
            m = { lab[0], lab[1], lab[2], c.a };
            if (space == Space::Oklch) {
                const double chroma = std::hypot(lab[1], lab[2]);
                double h = std::atan2(lab[2], lab[1]) * 180 / std::numbers::pi;
                if (h < 0)
                    h += 360;
                m = { lab[0], chroma, h, c.a };
            }
        }
    }
    // Premultiplied: every component but a hue.
    m[0] *= c.a;
    m[1] *= c.a;
    if (space != Space::Oklch)
        m[2] *= c.a;
    return m;
}

Rgba fromSpace(const Mix &mix, Space space)
{
    const double a = mix[3];
    if (a <= 0)
        return { 0, 0, 0, 0 };
    Mix m = mix;
    m[0] /= a;
    m[1] /= a;
    if (space != Space::Oklch)
        m[2] /= a;
    double r = m[0], g = m[1], b = m[2];
    if (space == Space::Oklch) {
        const double h = m[2] * std::numbers::pi / 180;
        m[2] = m[1] * std::sin(h);
        m[1] = m[1] * std::cos(h);
    }
    if (space == Space::Oklab || space == Space::Oklch) {
        const auto lin = colourspaces::linearFromOklab(m[0], m[1], m[2]);
        r = lin[0];
        g = lin[1];
        b = lin[2];
    }
    if (space != Space::Srgb) {
        r = toGamma(r);
        g = toGamma(g);
        b = toGamma(b);
    }
    // Colours outside sRGB are clipped channel by channel, as browsers draw them.
    return { std::clamp(r, 0.0, 1.0), std::clamp(g, 0.0, 1.0), std::clamp(b, 0.0, 1.0),
        std::min(a, 1.0) };
}

QList<Stop> orderedStops(const QList<Stop> &stops, double lineLength)
{
    QList<Stop> out = stops;
    if (out.isEmpty())
        return out;
    for (Stop &s : out) {
        if (s.pixels) {
            s.position /= lineLength > 0 ? lineLength : 1;
            s.pixels = false;
        }
    }
    if (std::isnan(out.front().position))
        out.front().position = 0;
    if (std::isnan(out.back().position))
        out.back().position = 1;
    double highest = out.front().position;
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (!std::isnan(out[i].position)) {
            out[i].position = std::max(out[i].position, highest);
            highest = out[i].position;
            continue;
        }
        qsizetype j = i;
        while (std::isnan(out[j].position))
            ++j;
        const double from = highest, to = std::max(out[j].position, highest);
        for (qsizetype k = i; k < j; ++k)
            out[k].position = from + (to - from) * double(k - i + 1) / double(j - i + 1);
    }
    return out;
}

bool hasPixels(const Gradient &gradient)
{
    return gradient.centreXPixels || gradient.centreYPixels
        || std::any_of(gradient.stops.begin(), gradient.stops.end(),
            [](const Stop &s) { return s.pixels || std::isnan(s.position); });
}

Gradient inFractions(const Gradient &gradient, double width, double height)
{
    Gradient g = gradient;
    if (!hasPixels(g))
        return g;
    g.stops = orderedStops(g.stops, Geometry(g, width, height).lineLength());
    if (g.centreXPixels && width > 0) {
        g.centreX /= width;
        g.centreXPixels = false;
    }
    if (g.centreYPixels && height > 0) {
        g.centreY /= height;
        g.centreYPixels = false;
    }
    return g;
}

Geometry::Geometry(const Gradient &g, double width, double height)
    : m_kind(g.kind)
    , m_cx(g.kind == Kind::Linear ? width / 2
              : g.centreXPixels   ? g.centreX
                                  : g.centreX * width)
    , m_cy(g.kind == Kind::Linear ? height / 2
              : g.centreYPixels   ? g.centreY
                                  : g.centreY * height)
{
    double rad = g.angle * std::numbers::pi / 180;
    if (g.corner != Gradient::Corner::None) {
        // Towards a corner, the middle of the gradient runs through the two other corners.
        const double toTopRight = std::atan2(height, width);
        switch (g.corner) {
        case Gradient::Corner::TopRight:
            rad = toTopRight;
            break;
        case Gradient::Corner::BottomRight:
            rad = std::numbers::pi - toTopRight;
            break;
        case Gradient::Corner::BottomLeft:
            rad = std::numbers::pi + toTopRight;
            break;
        default:
            rad = 2 * std::numbers::pi - toTopRight;
            break;
        }
    }
    switch (g.kind) {
    case Kind::Linear: {
        // The gradient line passes through the centre; its ends lie where lines at right
        // angles to it meet the box's corners.
        const double length = std::abs(width * std::sin(rad)) + std::abs(height * std::cos(rad));
        const double l = length > 0 ? length : 1;
        m_length = l;
        m_dx = std::sin(rad) / l;
        m_dy = -std::cos(rad) / l;
        break;
    }
    case Kind::Radial: {
        const double sx[2] = { std::abs(m_cx), std::abs(width - m_cx) };
        const double sy[2] = { std::abs(m_cy), std::abs(height - m_cy) };
        const bool closest = g.extent == Extent::ClosestSide || g.extent == Extent::ClosestCorner;
        const bool corner = g.extent == Extent::ClosestCorner || g.extent == Extent::FarthestCorner;
        const double x = closest ? std::min(sx[0], sx[1]) : std::max(sx[0], sx[1]);
        const double y = closest ? std::min(sy[0], sy[1]) : std::max(sy[0], sy[1]);
        if (g.extent == Extent::Given) {
            m_rx = g.radiusXFraction ? g.radiusX * width : g.radiusX;
            m_ry = g.ending == Ending::Circle ? m_rx
                : g.radiusYFraction           ? g.radiusY * height
                                              : g.radiusY;
        } else if (g.ending == Ending::Circle) {
            const double r = corner ? std::hypot(x, y) : closest ? std::min(x, y) : std::max(x, y);
            m_rx = m_ry = r;
        } else {
            // An ellipse through a corner keeps the aspect ratio of the one touching the sides.
            const double grow = corner ? std::numbers::sqrt2 : 1.0;
            m_rx = x * grow;
            m_ry = y * grow;
        }
        m_rx = std::max(m_rx, 1e-9);
        m_ry = std::max(m_ry, 1e-9);
        break;
    }
    case Kind::Conic:
        m_start = g.angle / 360;
        break;
    }
}

void Geometry::radialRow(double y, int width, float *out) const
{
    const double v = (y - m_cy) / m_ry;
    const float vv = float(v * v), u0 = float((0.5 - m_cx) / m_rx), du = float(1 / m_rx);
    for (int i = 0; i < width; ++i) {
        const float u = u0 + du * float(i);
        out[i] = std::sqrt(u * u + vv);
    }
}

void Geometry::conicRow(double y, int width, float *out) const
{
    // detail::fastAtan2 and detail::turns without branches, so that the loop is vectorised.
    const float up = float(m_cy - y), ay = std::abs(up);
    const float x0 = float(0.5 - m_cx), start = float(m_start);
    constexpr float kHalfPi = float(std::numbers::pi / 2), kPi = float(std::numbers::pi);
    constexpr float kTurn = float(0.5 / std::numbers::pi);
    for (int i = 0; i < width; ++i) {
        const float dx = x0 + float(i), ax = std::abs(dx);
        const float big = std::max(std::max(ax, ay), 1e-30f);
        const float a = std::min(ax, ay) / big, s = a * a;
        float r = a
            * (0.99997726f
                + s
                    * (-0.33262347f
                        + s
                            * (0.19354346f
                                + s * (-0.11643287f + s * (0.05265332f + s * -0.01172120f)))));
        r = ax > ay ? kHalfPi - r : r;
        r = up < 0 ? kPi - r : r;
        r = dx < 0 ? -r : r;
        const float t = r * kTurn - start;
        float whole = float(int(t));
        whole = whole > t ? whole - 1 : whole;
        out[i] = t - whole;
    }
}

Colours::Colours(const Gradient &g)
    : m_space(g.space)
    , m_hue(g.hue)
    , m_repeating(g.repeating)
    , m_stops(orderedStops(g.stops))
{
    if (m_stops.isEmpty())
        m_stops = { Stop {}, Stop {} };
    m_before = rgbaOf(m_stops.front());
    m_after = rgbaOf(m_stops.back());
    for (qsizetype i = 0; i + 1 < m_stops.size(); ++i) {
        Segment s { m_stops[i].position, m_stops[i + 1].position,
            toSpace(rgbaOf(m_stops[i]), m_space), toSpace(rgbaOf(m_stops[i + 1]), m_space) };
        if (m_space == Space::Oklch) {
            if (s.a[1] / std::max(s.a[3], 1e-12) < kPowerless)
                s.a[2] = s.b[2];
            if (s.b[1] / std::max(s.b[3], 1e-12) < kPowerless)
                s.b[2] = s.a[2];
            const double diff = s.b[2] - s.a[2];
            if (m_hue == Hue::Shorter) {
                if (diff > 180)
                    s.a[2] += 360;
                else if (diff < -180)
                    s.b[2] += 360;
            } else {
                if (diff > 0 && diff < 180)
                    s.a[2] += 360;
                else if (diff > -180 && diff <= 0)
                    s.b[2] += 360;
            }
        }
        m_segments.append(s);
    }
}

double Colours::wrap(double t) const
{
    const double first = m_stops.front().position, last = m_stops.back().position;
    if (!m_repeating || !(last > first))
        return t;
    return first + wrapFraction((t - first) / (last - first)) * (last - first);
}

int Colours::segmentOf(double t) const
{
    // The last segment that starts at or before t; a hard stop belongs to the later colour.
    int found = -1;
    for (int i = 0; i < int(m_segments.size()); ++i) {
        if (m_segments[i].from <= t && m_segments[i].to > m_segments[i].from)
            found = i;
        else if (m_segments[i].from > t)
            break;
    }
    return found;
}

Rgba Colours::mix(const Segment &s, double u) const
{
    Mix m;
    for (int c = 0; c < 4; ++c)
        m[c] = s.a[c] + (s.b[c] - s.a[c]) * u;
    if (m_space == Space::Oklch)
        m[2] = std::fmod(m[2], 360.0);
    return fromSpace(m, m_space);
}

double Colours::first() const { return m_stops.front().position; }
double Colours::last() const { return m_stops.back().position; }

Rgba Colours::at(double t) const
{
    t = wrap(t);
    if (t < m_stops.front().position)
        return m_before;
    if (t >= m_stops.back().position)
        return m_after;
    const int i = segmentOf(t);
    if (i < 0)
        return m_before;
    const Segment &s = m_segments[i];
    return mix(s, (t - s.from) / (s.to - s.from));
}

void Colours::prepareTable(int steps)
{
    m_steps = steps;
    m_table.assign(size_t(m_segments.size()) * size_t(steps + 1) * 4, 0.f);
    for (qsizetype i = 0; i < m_segments.size(); ++i) {
        Segment &s = m_segments[i];
        s.tableStart = int(i) * (steps + 1) * 4;
        for (int k = 0; k <= steps; ++k) {
            const Rgba c = mix(s, double(k) / steps);
            float *e = &m_table[size_t(s.tableStart + k * 4)];
            e[0] = float(c.r);
            e[1] = float(c.g);
            e[2] = float(c.b);
            e[3] = float(c.a);
        }
    }
}

void Colours::tableAt(double t, float out[4]) const
{
    t = wrap(t);
    const Rgba *edge = nullptr;
    int i = -1;
    if (t < m_stops.front().position)
        edge = &m_before;
    else if (t >= m_stops.back().position)
        edge = &m_after;
    else if ((i = segmentOf(t)) < 0)
        edge = &m_before;
    if (edge) {
        out[0] = float(edge->r);
        out[1] = float(edge->g);
        out[2] = float(edge->b);
        out[3] = float(edge->a);
        return;
    }
    const Segment &s = m_segments[i];
    const double u = std::clamp((t - s.from) / (s.to - s.from), 0.0, 1.0) * m_steps;
    const int k = std::min(int(u), m_steps - 1);
    const float f = float(u - k);
    const float *e = &m_table[size_t(s.tableStart + k * 4)];
    for (int c = 0; c < 4; ++c)
        out[c] = e[c] + (e[c + 4] - e[c]) * f;
}

} // namespace gradientmodel
