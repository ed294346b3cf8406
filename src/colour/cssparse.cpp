#include "colour/cssnotation.h"

#include "base/colorconv.h"
#include "colour/colorvalue.h"
#include "colour/colourspaces.h"
#include "colour/digitentry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>

namespace cssnotation {

namespace {

using namespace colourspaces;

// ---------------------------------------------------------------------------------------------
// Reading.

// The CSS colour names, sorted for binary search.
// clang-format off
constexpr NamedColour kNamedColors[] = {
    { "aliceblue", 0xf0f8ff }, { "antiquewhite", 0xfaebd7 }, { "aqua", 0x00ffff },
    { "aquamarine", 0x7fffd4 }, { "azure", 0xf0ffff }, { "beige", 0xf5f5dc },
    { "bisque", 0xffe4c4 }, { "black", 0x000000 }, { "blanchedalmond", 0xffebcd },
    { "blue", 0x0000ff }, { "blueviolet", 0x8a2be2 }, { "brown", 0xa52a2a },
    { "burlywood", 0xdeb887 }, { "cadetblue", 0x5f9ea0 }, { "chartreuse", 0x7fff00 },
    { "chocolate", 0xd2691e }, { "coral", 0xff7f50 }, { "cornflowerblue", 0x6495ed },
    { "cornsilk", 0xfff8dc }, { "crimson", 0xdc143c }, { "cyan", 0x00ffff },
    { "darkblue", 0x00008b }, { "darkcyan", 0x008b8b }, { "darkgoldenrod", 0xb8860b },
    { "darkgray", 0xa9a9a9 }, { "darkgreen", 0x006400 }, { "darkgrey", 0xa9a9a9 },
    { "darkkhaki", 0xbdb76b }, { "darkmagenta", 0x8b008b }, { "darkolivegreen", 0x556b2f },
    { "darkorange", 0xff8c00 }, { "darkorchid", 0x9932cc }, { "darkred", 0x8b0000 },
    { "darksalmon", 0xe9967a }, { "darkseagreen", 0x8fbc8f }, { "darkslateblue", 0x483d8b },
    { "darkslategray", 0x2f4f4f }, { "darkslategrey", 0x2f4f4f }, { "darkturquoise", 0x00ced1 },
    { "darkviolet", 0x9400d3 }, { "deeppink", 0xff1493 }, { "deepskyblue", 0x00bfff },
    { "dimgray", 0x696969 }, { "dimgrey", 0x696969 }, { "dodgerblue", 0x1e90ff },
    { "firebrick", 0xb22222 }, { "floralwhite", 0xfffaf0 }, { "forestgreen", 0x228b22 },
    { "fuchsia", 0xff00ff }, { "gainsboro", 0xdcdcdc }, { "ghostwhite", 0xf8f8ff },
    { "gold", 0xffd700 }, { "goldenrod", 0xdaa520 }, { "gray", 0x808080 }, { "green", 0x008000 },
    { "greenyellow", 0xadff2f }, { "grey", 0x808080 }, { "honeydew", 0xf0fff0 },
    { "hotpink", 0xff69b4 }, { "indianred", 0xcd5c5c }, { "indigo", 0x4b0082 },
    { "ivory", 0xfffff0 }, { "khaki", 0xf0e68c }, { "lavender", 0xe6e6fa },
    { "lavenderblush", 0xfff0f5 }, { "lawngreen", 0x7cfc00 }, { "lemonchiffon", 0xfffacd },
    { "lightblue", 0xadd8e6 }, { "lightcoral", 0xf08080 }, { "lightcyan", 0xe0ffff },
    { "lightgoldenrodyellow", 0xfafad2 }, { "lightgray", 0xd3d3d3 }, { "lightgreen", 0x90ee90 },
    { "lightgrey", 0xd3d3d3 }, { "lightpink", 0xffb6c1 }, { "lightsalmon", 0xffa07a },
    { "lightseagreen", 0x20b2aa }, { "lightskyblue", 0x87cefa }, { "lightslategray", 0x778899 },
    { "lightslategrey", 0x778899 }, { "lightsteelblue", 0xb0c4de }, { "lightyellow", 0xffffe0 },
    { "lime", 0x00ff00 }, { "limegreen", 0x32cd32 }, { "linen", 0xfaf0e6 }, { "magenta", 0xff00ff },
    { "maroon", 0x800000 }, { "mediumaquamarine", 0x66cdaa }, { "mediumblue", 0x0000cd },
    { "mediumorchid", 0xba55d3 }, { "mediumpurple", 0x9370db }, { "mediumseagreen", 0x3cb371 },
    { "mediumslateblue", 0x7b68ee }, { "mediumspringgreen", 0x00fa9a },
    { "mediumturquoise", 0x48d1cc }, { "mediumvioletred", 0xc71585 }, { "midnightblue", 0x191970 },
    { "mintcream", 0xf5fffa }, { "mistyrose", 0xffe4e1 }, { "moccasin", 0xffe4b5 },
    { "navajowhite", 0xffdead }, { "navy", 0x000080 }, { "oldlace", 0xfdf5e6 },
    { "olive", 0x808000 }, { "olivedrab", 0x6b8e23 }, { "orange", 0xffa500 },
    { "orangered", 0xff4500 }, { "orchid", 0xda70d6 }, { "palegoldenrod", 0xeee8aa },
    { "palegreen", 0x98fb98 }, { "paleturquoise", 0xafeeee }, { "palevioletred", 0xdb7093 },
    { "papayawhip", 0xffefd5 }, { "peachpuff", 0xffdab9 }, { "peru", 0xcd853f },
    { "pink", 0xffc0cb }, { "plum", 0xdda0dd }, { "powderblue", 0xb0e0e6 }, { "purple", 0x800080 },
    { "rebeccapurple", 0x663399 }, { "red", 0xff0000 }, { "rosybrown", 0xbc8f8f },
    { "royalblue", 0x4169e1 }, { "saddlebrown", 0x8b4513 }, { "salmon", 0xfa8072 },
    { "sandybrown", 0xf4a460 }, { "seagreen", 0x2e8b57 }, { "seashell", 0xfff5ee },
    { "sienna", 0xa0522d }, { "silver", 0xc0c0c0 }, { "skyblue", 0x87ceeb },
    { "slateblue", 0x6a5acd }, { "slategray", 0x708090 }, { "slategrey", 0x708090 },
    { "snow", 0xfffafa }, { "springgreen", 0x00ff7f }, { "steelblue", 0x4682b4 },
    { "tan", 0xd2b48c }, { "teal", 0x008080 }, { "thistle", 0xd8bfd8 }, { "tomato", 0xff6347 },
    { "turquoise", 0x40e0d0 }, { "violet", 0xee82ee }, { "wheat", 0xf5deb3 }, { "white", 0xffffff },
    { "whitesmoke", 0xf5f5f5 }, { "yellow", 0xffff00 }, { "yellowgreen", 0x9acd32 },
};
// clang-format on
static_assert(std::size(kNamedColors) == 148);

// Longer texts are no colour anyone pastes; the limit keeps the reader's work bounded.
constexpr qsizetype kMaxTextLength = 512;

int32_t fromRgb(int r, int g, int b) { return int32_t(r | (g << 8) | (b << 16)); }

// 0..1 to a channel; out-of-range (and NaN) values clip.
int channel(double v)
{
    if (!(v > 0))
        return 0;
    if (v >= 1)
        return 255;
    return int(std::lround(v * 255));
}

int32_t fromGamma(double r, double g, double b)
{
    return fromRgb(channel(r), channel(g), channel(b));
}

int32_t fromLinear(const Vec3 &lin)
{
    return fromGamma(toGamma(lin[0]), toGamma(lin[1]), toGamma(lin[2]));
}

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return c >= 'a' && c <= 'z'; }

int hexDigit(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

// The value of one or more hex digits, when it is a colour value.
std::optional<int32_t> hexValue(std::string_view digits)
{
    if (digits.empty())
        return std::nullopt;
    int32_t value = 0;
    for (char c : digits) {
        const int d = hexDigit(c);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + d;
        if (!colorvalue::isColor(value))
            return std::nullopt;
    }
    return value;
}

// Whether a text gave an alpha, and which (0 to 1).
struct Alpha
{
    bool seen = false;
    double value = 1;
};

// #rgb, #rgba, #rrggbb, #rrggbbaa: the digits after '#', RGB order.
std::optional<int32_t> readHtmlHex(std::string_view digits, Alpha *alpha = nullptr)
{
    if (std::any_of(digits.begin(), digits.end(), [](char c) { return hexDigit(c) < 0; }))
        return std::nullopt;
    const auto at = [&](std::size_t i) { return hexDigit(digits[i]); };
    if (alpha && (digits.size() == 4 || digits.size() == 8)) {
        alpha->seen = true;
        alpha->value = digits.size() == 4 ? at(3) * 17 / 255.0 : (at(6) * 16 + at(7)) / 255.0;
    }
    switch (digits.size()) {
    case 3:
    case 4:
        return fromRgb(at(0) * 17, at(1) * 17, at(2) * 17);
    case 6:
    case 8:
        return fromRgb(at(0) * 16 + at(1), at(2) * 16 + at(3), at(4) * 16 + at(5));
    default:
        return std::nullopt;
    }
}

// The decimal value as the conversion dialog takes it, here only from digits grouped by
// thousands with spaces ("16 777 215"): anything else is not a number.
std::optional<int32_t> readDecimal(std::string_view s)
{
    std::size_t group = 0;
    bool firstGroup = true;
    for (std::size_t i = 0; i <= s.size(); ++i) {
        if (i < s.size() && isDigit(s[i])) {
            ++group;
            continue;
        }
        const bool spaceFollows = i < s.size();
        if (group == 0 || (firstGroup ? spaceFollows && group > 3 : group != 3))
            return std::nullopt;
        if (i < s.size() && s[i] != ' ')
            return std::nullopt;
        firstGroup = false;
        group = 0;
    }
    const QString digits = removeNonDigits(QString::fromLatin1(s.data(), qsizetype(s.size())));
    qsizetype lead = 0;
    while (lead + 1 < digits.size() && digits.at(lead) == QLatin1Char('0'))
        ++lead;
    if (digits.size() - lead > 8)
        return std::nullopt; // far past any colour, and past what a long holds
    bool ok = false;
    const long value = digits.mid(lead).toLong(&ok, 10);
    if (!ok || !colorvalue::isColor(int32_t(value)))
        return std::nullopt;
    return int32_t(value);
}

// One component inside a colour function.
struct Component
{
    enum Kind { Number, Percent, Angle, None } kind;
    double value; // angles already in degrees
};

// A CSS number at the start of s: [+-] digits [. digits] [e [+-] digits]. Returns its length.
std::size_t scanNumber(std::string_view s, double &value)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    const std::size_t mantissa = i;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    bool digits = i > mantissa;
    if (i + 1 < s.size() && s[i] == '.' && isDigit(s[i + 1])) {
        i += 2;
        while (i < s.size() && isDigit(s[i]))
            ++i;
        digits = true;
    }
    if (!digits)
        return 0;
    if (i < s.size() && s[i] == 'e') {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                ++j;
            i = j;
        }
    }
    // from_chars takes no '+' and only a '-' sign; an exponent sign '+' it does read.
    const std::size_t from = s[0] == '+' ? 1 : 0;
    const auto [end, ec] = std::from_chars(s.data() + from, s.data() + i, value);
    if (ec != std::errc() || end != s.data() + i)
        return 0;
    return i;
}

// An angle in degrees, reduced to one turn first so that huge values stay finite.
std::optional<double> angleInDegrees(double v, std::string_view unit)
{
    if (unit == "deg")
        return std::fmod(v, 360.0);
    if (unit == "grad")
        return std::fmod(v, 400.0) * 0.9;
    if (unit == "rad")
        return std::fmod(v, 2 * std::numbers::pi) * (180 / std::numbers::pi);
    if (unit == "turn")
        return std::fmod(v, 1.0) * 360;
    return std::nullopt;
}

struct Arguments
{
    std::array<Component, 5> items {};
    int count = 0;
    bool hasAlpha = false;
};

// The components between the parentheses: all separated by commas (an alpha as one more), or
// all by whitespace (an alpha after '/').
std::optional<Arguments> readArguments(std::string_view s, int channels)
{
    Arguments args;
    enum Separator { Start, Space, Comma, Slash };
    Separator syntax = Start; // Space or Comma once the first separator is seen
    Separator pending = Start;
    std::size_t i = 0;
    for (;;) {
        while (i < s.size() && isSpace(s[i]))
            ++i;
        if (i == s.size())
            break;
        if (s[i] == ',' || s[i] == '/') {
            if (pending == Comma || pending == Slash || args.count == 0)
                return std::nullopt;
            pending = s[i] == ',' ? Comma : Slash;
            ++i;
            continue;
        }
        // A component; the one before it must have been separated.
        if (args.count > 0) {
            if (pending == Start)
                pending = Space;
            const bool alpha = args.count == channels;
            if (alpha) {
                if (pending == Space || (pending == Slash && syntax == Comma)
                    || (pending == Comma && syntax != Comma))
                    return std::nullopt;
                args.hasAlpha = true;
            } else {
                if (pending == Slash || (syntax != Start && pending != syntax))
                    return std::nullopt;
                syntax = pending;
            }
        }
        if (args.count == channels + 1)
            return std::nullopt;
        Component c { Component::Number, 0 };
        if (isLetter(s[i])) {
            std::size_t j = i;
            while (j < s.size() && isLetter(s[j]))
                ++j;
            if (s.substr(i, j - i) != "none")
                return std::nullopt;
            c.kind = Component::None;
            i = j;
        } else {
            const std::size_t n = scanNumber(s.substr(i), c.value);
            if (n == 0)
                return std::nullopt;
            i += n;
            if (i < s.size() && s[i] == '%') {
                c.kind = Component::Percent;
                ++i;
            } else if (i < s.size() && isLetter(s[i])) {
                std::size_t j = i;
                while (j < s.size() && isLetter(s[j]))
                    ++j;
                const auto degrees = angleInDegrees(c.value, s.substr(i, j - i));
                if (!degrees)
                    return std::nullopt;
                c = { Component::Angle, *degrees };
                i = j;
            }
        }
        args.items[args.count++] = c;
        pending = Start;
    }
    if (args.count < channels || pending != Start)
        return std::nullopt;
    return args;
}

// A component as a number where 100% stands for `full`; angles are refused.
std::optional<double> scalar(const Component &c, double full)
{
    switch (c.kind) {
    case Component::Number:
        return c.value;
    case Component::Percent:
        return c.value / 100 * full;
    case Component::None:
        return 0.0;
    case Component::Angle:
        break;
    }
    return std::nullopt;
}

// A hue in degrees [0, 360): a plain number is degrees; a percentage is no hue.
std::optional<double> hue(const Component &c)
{
    if (c.kind == Component::Percent)
        return std::nullopt;
    const double h = std::fmod(c.kind == Component::None ? 0.0 : c.value, 360.0);
    return h < 0 ? h + 360 : h;
}

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

int32_t fromHsl(double h, double s, double l)
{
    const double a = s * std::min(l, 1 - l);
    const auto f = [&](double n) {
        const double k = std::fmod(n + h / 30, 12.0);
        return l - a * std::max(-1.0, std::min({ k - 3, 9 - k, 1.0 }));
    };
    return fromGamma(f(0), f(8), f(4));
}

int32_t fromHsv(double h, double s, double v)
{
    const auto f = [&](double n) {
        const double k = std::fmod(n + h / 60, 6.0);
        return v - v * s * std::max(0.0, std::min({ k, 4 - k, 1.0 }));
    };
    return fromGamma(f(5), f(3), f(1));
}

int32_t fromHwb(double h, double w, double b)
{
    if (w + b >= 1) {
        const double grey = w / (w + b);
        return fromGamma(grey, grey, grey);
    }
    const double a = 1 - w - b;
    const auto f = [&](double n) {
        const double k = std::fmod(n + h / 30, 12.0);
        const double pure = 0.5 - 0.5 * std::max(-1.0, std::min({ k - 3, 9 - k, 1.0 }));
        return pure * a + w;
    };
    return fromGamma(f(0), f(8), f(4));
}

std::optional<int32_t> readFunction(std::string_view name, std::string_view body, Alpha *alpha)
{
    const bool rgb = name == "rgb" || name == "rgba";
    const bool hsl = name == "hsl" || name == "hsla";
    const bool hsv = name == "hsv" || name == "hsb" || name == "hsva" || name == "hsba";
    const bool cmyk = name == "cmyk";
    const bool deviceCmyk = name == "device-cmyk";
    if (!(rgb || hsl || hsv || cmyk || deviceCmyk || name == "hwb" || name == "lab" || name == "lch"
            || name == "oklab" || name == "oklch"))
        return std::nullopt;

    const auto args = readArguments(body, cmyk || deviceCmyk ? 4 : 3);
    if (!args)
        return std::nullopt;
    if (args->hasAlpha) {
        const auto value = scalar(args->items[args->count - 1], 1);
        if (!value)
            return std::nullopt;
        alpha->seen = true;
        alpha->value = clamp01(*value);
    }
    const auto &c = args->items;

    if (rgb) {
        std::array<double, 3> v {};
        for (int i = 0; i < 3; ++i) {
            if (c[i].kind == Component::Angle)
                return std::nullopt;
            v[i] = c[i].kind == Component::Percent ? c[i].value / 100
                : c[i].kind == Component::None     ? 0
                                                   : c[i].value / 255;
        }
        return fromGamma(v[0], v[1], v[2]);
    }
    if (cmyk || deviceCmyk) {
        std::array<double, 4> v {};
        for (int i = 0; i < 4; ++i) {
            const auto x = scalar(c[i], 1);
            if (!x)
                return std::nullopt;
            v[i] = clamp01(c[i].kind == Component::Number && cmyk ? *x / 100 : *x);
        }
        return fromGamma((1 - v[0]) * (1 - v[3]), (1 - v[1]) * (1 - v[3]), (1 - v[2]) * (1 - v[3]));
    }
    if (hsl || hsv || name == "hwb") {
        const auto h = hue(c[0]);
        // Numbers are on the percentage scale, as CSS reads hsl(340 82 52).
        const auto p1 = scalar(c[1], 100);
        const auto p2 = scalar(c[2], 100);
        if (!h || !p1 || !p2)
            return std::nullopt;
        const double a = clamp01(*p1 / 100), b = clamp01(*p2 / 100);
        return hsl ? fromHsl(*h, a, b) : hsv ? fromHsv(*h, a, b) : fromHwb(*h, a, b);
    }

    const bool ok = name == "oklab" || name == "oklch";
    const bool polar = name == "lch" || name == "oklch";
    const auto l = scalar(c[0], ok ? 1 : 100);
    const auto second = scalar(c[1], ok ? 0.4 : polar ? 150 : 125);
    std::optional<double> third = polar ? hue(c[2]) : scalar(c[2], ok ? 0.4 : 125);
    if (!l || !second || !third)
        return std::nullopt;
    double a = *second, b = *third;
    if (polar) {
        const double chroma = std::max(0.0, *second);
        const double rad = *third * (std::numbers::pi / 180);
        a = chroma * std::cos(rad);
        b = chroma * std::sin(rad);
    }
    return fromLinear(ok ? linearFromOklab(std::clamp(*l, 0.0, 1.0), a, b)
                         : linearFromLab(std::clamp(*l, 0.0, 100.0), a, b));
}

std::optional<int32_t> readNamed(std::string_view name)
{
    const auto *end = std::end(kNamedColors);
    const auto *it = std::lower_bound(std::begin(kNamedColors), end, name,
        [](const NamedColour &n, std::string_view key) { return n.name < key; });
    if (it == end || it->name != name)
        return std::nullopt;
    return fromRgb(int(it->rgb >> 16), int(it->rgb >> 8) & 255, int(it->rgb & 255));
}

// Lower-case ASCII with every kind of space as ' ', or nothing when other characters are there.
std::optional<std::string> asciiLower(const QString &text)
{
    std::string out;
    out.reserve(std::size_t(text.size()));
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (ch.isSpace())
            out += ' ';
        else if (u >= 0x80 || u < 0x20)
            return std::nullopt;
        else
            out += (u >= 'A' && u <= 'Z') ? char(u + 32) : char(u);
    }
    return out;
}

} // namespace

namespace {

std::optional<int32_t> read(const QString &text, Alpha *alpha)
{
    if (text.size() > kMaxTextLength)
        return std::nullopt;
    const auto lowered = asciiLower(text);
    if (!lowered)
        return std::nullopt;
    std::string_view s = trimmed(*lowered);
    if (!s.empty() && s.back() == ';')
        s = trimmed(s.substr(0, s.size() - 1));
    // "color: #e91e63" as copied from a style sheet: the property name goes.
    if (const auto colon = s.find(':'); colon != std::string_view::npos) {
        const std::string_view property = trimmed(s.substr(0, colon));
        if (!std::any_of(property.begin(), property.end(), isLetter)
            || !std::all_of(
                property.begin(), property.end(), [](char c) { return isLetter(c) || c == '-'; }))
            return std::nullopt;
        s = trimmed(s.substr(colon + 1));
    }
    if (s.empty())
        return std::nullopt;

    if (s.front() == '#')
        return readHtmlHex(s.substr(1), alpha);
    if (s.starts_with("0x"))
        return hexValue(s.substr(2));
    if (s.starts_with("&h"))
        return hexValue(s.substr(2, s.size() - 2 - (s.ends_with('&') ? 1 : 0)));
    if (s.front() == '$')
        return hexValue(s.substr(1));
    if (isDigit(s.front())
        && std::all_of(s.begin(), s.end(), [](char c) { return isDigit(c) || c == ' '; }))
        return readDecimal(s);
    if (const auto open = s.find('('); open != std::string_view::npos) {
        if (s.back() != ')')
            return std::nullopt;
        return readFunction(s.substr(0, open), s.substr(open + 1, s.size() - open - 2), alpha);
    }
    if (s.size() == 6 && std::all_of(s.begin(), s.end(), [](char c) { return hexDigit(c) >= 0; })
        && std::any_of(s.begin(), s.end(), isLetter))
        return readHtmlHex(s);
    return readNamed(s);
}

} // namespace

std::optional<int32_t> parse(const QString &text) { return parse(text, nullptr); }

std::optional<int32_t> parse(const QString &text, bool *hadAlpha)
{
    Alpha alpha;
    const auto colour = read(text, &alpha);
    if (hadAlpha)
        *hadAlpha = alpha.seen;
    return colour;
}

std::optional<Translucent> parseTranslucent(const QString &text)
{
    if (text.trimmed().compare(QLatin1String("transparent"), Qt::CaseInsensitive) == 0)
        return Translucent { 0, 0.0 };
    Alpha alpha;
    const auto colour = read(text, &alpha);
    if (!colour)
        return std::nullopt;
    return Translucent { *colour, alpha.value };
}

std::span<const NamedColour> namedColours() { return kNamedColors; }

} // namespace cssnotation
