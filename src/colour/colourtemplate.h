#pragma once

#include "text/language.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <variant>

// Formats of the user's own: literal text with placeholders for a colour's channels. With
// #E91E63:
//   Color(0xFF%Rh%Gh%Bh)                                 Color(0xFFE91E63)
//   UIColor(red: %rf, green: %gf, blue: %bf, alpha: 1)   UIColor(red: 0.914, green: 0.118, ...
//   --brand: %hex;                                       --brand: #e91e63;
//   hsl(%h %s%% %l%%)                                    hsl(339.6 82.2% 51.6%)
//
// A placeholder is '%', an optional precision ".N" (N decimals, 0 to 5), and a name:
//   %r %g %b        red, green, blue 0-255
//   %Rh %Gh %Bh     the same as two hexadecimal digits, upper case; %rh %gh %bh lower case
//   %rf %gf %bf     the same from 0 to 1 (3 decimals)
//   %hex %HEX       #rrggbb, #RRGGBB
//   %h              hue in degrees, as hsl() and hsv() write it (1 decimal)
//   %s %l           HSL saturation and lightness in percent (1 decimal)
//   %sv %v          HSV saturation and value in percent (1 decimal)
//   %L %C %H        OKLCH lightness in percent (2 decimals), chroma (5), hue (2)
//   %c %m %y %k     CMYK in percent (1 decimal)
//   %name           the colour's name, or the nearest name
//   %%              a percent sign
// Names are matched longest first, so "%rh" is the red hex pair; braces end a name where a
// letter follows: "%{r}h" is red in decimal followed by "h". Numbers are rounded as the CSS
// notations round them (trailing zeros dropped), so "%h" is the hue hsl() shows. A percentage
// prints without its sign: write "%s%%".
namespace colourtemplate {

enum class Field {
    Literal,
    Red,
    Green,
    Blue,
    RedHex,
    GreenHex,
    BlueHex,
    RedHexLower,
    GreenHexLower,
    BlueHexLower,
    RedUnit,
    GreenUnit,
    BlueUnit,
    Hex,
    HexUpper,
    Hue,
    HslSaturation,
    HslLightness,
    HsvSaturation,
    HsvValue,
    OkLightness,
    OkChroma,
    OkHue,
    Cyan,
    Magenta,
    Yellow,
    Black,
    Name,
};

struct Piece
{
    Field field = Field::Literal;
    QString text; // for Literal
    int decimals = -1; // -1: the field's own count
};

struct Template
{
    QList<Piece> pieces;
};

enum class ErrorKind {
    UnknownPlaceholder, // '%' followed by no known name
    LonePercent, // '%' at the end
    BadPrecision, // ".N" with N not a digit from 0 to 5
    UnclosedBrace, // "%{" without '}'
    NoDecimals, // a precision on a placeholder that has no decimals (%r, %hex, ...)
};

struct Error
{
    ErrorKind kind;
    int column; // 1-based, of the '%'
    QString text; // the offending text, from the '%'
};

// The template, or where it is wrong.
std::variant<Template, Error> compile(const QString &text);

// The colour (0x00BBGGRR) through the template; empty for values that are not colours.
QString format(const Template &compiled, int32_t bgr);

// "unknown placeholder %q at column 7", in a language.
QString errorText(const Error &error, Language language);

// The placeholders, one per line, for help texts.
QString placeholderHelp(Language language);

} // namespace colourtemplate
