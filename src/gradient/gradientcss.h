#pragma once

#include "gradient/gradientmodel.h"
#include "text/language.h"

#include <QString>

#include <variant>

// Gradients as style sheet text: written in today's syntax behind a plain-sRGB line for older
// browsers, and read back from what a designer pastes out of a style sheet.
namespace gradientcss {

// The gradient's image value: `linear-gradient(in oklch 135deg, #FF0000 0%, #0000FF 100%)`.
// `modern` false writes what browsers before colour interpolation read: no `in` part, and
// stops added within each segment so that it still looks close to the mixed one.
QString imageValue(const gradientmodel::Gradient &gradient, bool modern = true);

// What the panel offers to copy: `background: …;` once for sRGB, else the older line and
// then the modern one.
QString declarations(const gradientmodel::Gradient &gradient);

// Why a text is no gradient.
enum class Problem {
    NoGradient, // no linear-, radial- or conic-gradient( … ) there
    Unclosed, // a parenthesis is not closed
    Shape, // a word the shape part does not take
    Colour, // a stop's colour cannot be read
    Position, // a stop's position cannot be read (% and px; in conic gradients % and angles)
    Hint, // a position without a colour (a colour hint)
    StopCount, // fewer than 2 or more than 16 stops
    Trailing, // text after the gradient
};

struct ReadError
{
    Problem problem = Problem::NoGradient;
    int offset = 0; // where in the text, from 0
    QString token; // the part that could not be read
};

// Reads one gradient, with or without `background:` around it; of several declarations the
// last one counts (the modern line of what declarations() writes).
std::variant<gradientmodel::Gradient, ReadError> read(const QString &text);

// The error for people: "Position 14, “12px”: …".
QString describe(const ReadError &error, Language language);

} // namespace gradientcss
