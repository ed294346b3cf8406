#pragma once

#include <QString>

#include <cstdint>
#include <optional>

class QImage;

// The spherical gradient: concentric rings from a centre colour to a rim colour, drawn with a
// 2-pixel pen into an image, and the small helpers that split a colour value into its
// components through its binary digits. Keeps no state between calls.
namespace modSpheric {

// Binary digits of |value|, padded on the left with "0" to `width` characters (0: no padding).
// Fails when the digits do not fit in `width`, when width is negative, or when the value is too
// large for its highest power of two to be represented (from 2^1023 on, and infinity).
std::optional<QString> ToBinary(double value, int16_t width);

// The number a digit text stands for, each character weighing 2^(position from the right) times
// its digit value; characters that are not digits count 0. Fails when a weight overflows.
std::optional<double> FromBinary(const QString &text);

// The low (red), second (green) and third (blue) byte of a colour value; a negative value is
// taken by its absolute value.
int16_t GetRed(int32_t colour);
int16_t GetGreen(int32_t colour);
int16_t GetBlue(int32_t colour);

struct SphereRect
{
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// What stops a drawing: a zero divisor (no width to spread over, no steps) or a number outside
// the integer type that holds it.
enum class SphereError { None, DivisionByZero, Overflow };

// The numbers of a drawing, fixed before its first ring.
struct SpherePlan
{
    int32_t cx = 0, cy = 0, rx = 0, ry = 0;
    float ratio = 0;
    int16_t R1 = 0, G1 = 0, B1 = 0, R2 = 0, G2 = 0, B2 = 0;
    int16_t startAngle = 0, endAngle = 0;
    uint8_t percentage = 0;
    int32_t x0 = 0, xEnd = 0;
    int16_t steps = 0;
    float stepR = 0, stepG = 0, stepB = 0;

    // Rings run from x0 down to xEnd; none when x0 < xEnd.
    int64_t ringCount() const { return x0 >= xEnd ? int64_t(x0) - xEnd + 1 : 0; }
};

// One ring: its colour, the box of its ellipse and the start and end points of its arc.
struct SphereRing
{
    int32_t colour = 0;
    int32_t a = 0, b = 0; // horizontal and vertical radius
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    int32_t xStart = 0, yStart = 0, xEnd = 0, yEnd = 0;
};

SphereError planSphere(const SphereRect &rect, uint8_t percentage, int16_t startAngle,
    int16_t endAngle, int32_t colour1, int32_t colour2, SpherePlan &plan);

// The ring drawn at column x (x0 >= x >= xEnd).
SphereError ringAt(const SpherePlan &plan, int32_t x, SphereRing &ring);

// Draws the rings into a 32-bit image, from the centre outward, each the outline of its
// ellipse with a 2-pixel pen. The first failure ends the drawing; rings already drawn stay.
SphereError DrawSphere(QImage &target, const SphereRect &rect, uint8_t percentage,
    int16_t startAngle, int16_t endAngle, int32_t colour1, int32_t colour2);

} // namespace modSpheric
