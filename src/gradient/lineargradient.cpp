#include "gradient/lineargradient.h"

#include "base/vbmath.h"
#include "colour/colorvalue.h"

#include <algorithm>
#include <cmath>

namespace lineargradient {

namespace {

int32_t rgb(double r, double g, double b)
{
    return vbmath::roundHalfEven(r) + 256 * vbmath::roundHalfEven(g)
        + 65536 * vbmath::roundHalfEven(b);
}

} // namespace

Stop splitColor(int32_t color)
{
    Stop s;
    s.color = color;
    const double c = color;
    const double b = std::trunc(c / std::pow(256.0, 2));
    const double g = std::trunc((c - 65536 * b) / 256);
    const double r = std::trunc(c - 65536 * b - 256 * g);
    s.R = r;
    s.G = g;
    s.B = b;
    return s;
}

void drawStraight(const Stops &stops, Orientation orientation, double across, const LineSink &line)
{
    const bool horizontal = orientation == Orientation::Horizontal;
    double p = 0;
    for (int j = 1; j <= 3; ++j) {
        const Stop &from = stops[j - 1];
        const Stop &to = stops[j];
        const double stepR = (to.R - from.R) / 256;
        const double stepG = (to.G - from.G) / 256;
        const double stepB = (to.B - from.B) / 256;
        int32_t color = rgb(from.R, from.G, from.B);
        while (p < 256.0 * j) {
            if (horizontal)
                line(p, 0, p, across, color);
            else
                line(0, p, across, p, color);
            const double t = p - 256.0 * (j - 1);
            color = rgb(from.R + t * stepR, from.G + t * stepG, from.B + t * stepB);
            p += 0.1;
        }
    }
}

int16_t diagonalLineCount(float scaleWidth, float scaleHeight)
{
    const float sum = scaleWidth * scaleWidth + scaleHeight * scaleHeight;
    const auto n = vbmath::toInteger(std::sqrt(double(sum)) * std::sqrt(2.0));
    return n.value_or(0);
}

void drawDiagonal(const Stops &stops, Orientation orientation, int16_t n,
    const std::function<float()> &scaleWidth, const LineSink &line)
{
    const auto dR = vbmath::toInteger(stops[1].R - stops[0].R).value_or(0);
    const auto dG = vbmath::toInteger(stops[1].G - stops[0].G).value_or(0);
    const auto dB = vbmath::toInteger(stops[1].B - stops[0].B).value_or(0);
    float r = float(stops[0].R), g = float(stops[0].G), b = float(stops[0].B);
    for (int i = 1; i <= n; ++i) {
        r = float(double(r) + double(dR) / n);
        g = float(double(g) + double(dG) / n);
        b = float(double(b) + double(dB) / n);
        const int32_t color = rgb(r, g, b);
        if (orientation == Orientation::DiagonalFromRight) {
            const double sw = scaleWidth();
            line(sw - i, 0, sw, i, color);
        } else {
            line(i, 0, 0, i, color);
        }
    }
}

QString css(Orientation orientation, const Stops &stops, int segments)
{
    QString direction;
    switch (orientation) {
    case Orientation::Horizontal:
        direction = QStringLiteral("90deg");
        break;
    case Orientation::Vertical:
        direction = QStringLiteral("180deg");
        break;
    case Orientation::DiagonalFromLeft:
        direction = QStringLiteral("to bottom right");
        break;
    case Orientation::DiagonalFromRight:
        direction = QStringLiteral("to bottom left");
        break;
    }
    const bool diagonal = orientation == Orientation::DiagonalFromLeft
        || orientation == Orientation::DiagonalFromRight;
    const int k = diagonal ? 1 : std::clamp(segments, 1, 3);
    QString text = QStringLiteral("linear-gradient(") + direction;
    for (int j = 0; j <= k; ++j) {
        const double percent = 100.0 * j / k;
        text += QStringLiteral(", ") + colorvalue::htmlNotation(stops[j].color) + u' '
            + QString::number(percent, 'f', percent == std::round(percent) ? 0 : 2) + u'%';
    }
    return text + u')';
}

} // namespace lineargradient
