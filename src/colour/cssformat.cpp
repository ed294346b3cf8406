#include "colour/cssnotation.h"

#include "base/colorconv.h"
#include "colour/colorvalue.h"
#include "colour/colourspaces.h"

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
// Text output: numbers rounded to a fixed count of decimals, written straight into a buffer.

constexpr long long kPowers[] = { 1, 10, 100, 1000, 10000, 100000 };

class Text
{
public:
    Text &put(char c)
    {
        m_buf[m_size++] = c;
        return *this;
    }
    Text &put(std::string_view s)
    {
        for (char c : s)
            m_buf[m_size++] = c;
        return *this;
    }
    Text &hexPair(int v, bool lower)
    {
        const char *digits = lower ? "0123456789abcdef" : "0123456789ABCDEF";
        return put(digits[v >> 4]).put(digits[v & 15]);
    }
    // v rounded to nearest at `decimals` places, trailing zeros dropped; never "-0".
    Text &number(double v, int decimals)
    {
        return scaled(std::llround(v * kPowers[decimals]), decimals);
    }
    // A hue: as number(), with a value that rounds to 360 written as 0.
    Text &hue(double degrees, int decimals)
    {
        long long k = std::llround(degrees * kPowers[decimals]);
        if (k >= 360 * kPowers[decimals])
            k -= 360 * kPowers[decimals];
        return scaled(k, decimals);
    }
    QString string() const { return QString::fromLatin1(m_buf.data(), m_size); }

private:
    Text &scaled(long long k, int decimals)
    {
        if (k < 0) {
            put('-');
            k = -k;
        }
        const long long whole = k / kPowers[decimals];
        long long frac = k % kPowers[decimals];
        integer(whole);
        if (frac != 0) {
            while (frac % 10 == 0) {
                frac /= 10;
                --decimals;
            }
            put('.');
            for (long long p = kPowers[decimals - 1]; p > 0; p /= 10)
                put(char('0' + frac / p % 10));
        }
        return *this;
    }
    void integer(long long v)
    {
        char digits[20];
        int n = 0;
        do {
            digits[n++] = char('0' + v % 10);
            v /= 10;
        } while (v > 0);
        while (n > 0)
            put(digits[--n]);
    }

    std::array<char, 64> m_buf {};
    int m_size = 0;
};

// Decimals of each printed component; see the header for why these counts.
constexpr int kHueDecimals = 1;
constexpr int kPercentDecimals = 1;
constexpr int kLabDecimals = 2;
constexpr int kOklchLightnessDecimals = 2; // of the percentage
constexpr int kOklchChromaDecimals = 5;
constexpr int kOklchHueDecimals = 2;

QString formatHex(const Rgb &c, bool lower)
{
    return Text().put('#').hexPair(c.r, lower).hexPair(c.g, lower).hexPair(c.b, lower).string();
}

QString formatHexShort(const Rgb &c)
{
    const auto doubled = [](int v) { return (v >> 4) == (v & 15); };
    if (!doubled(c.r) || !doubled(c.g) || !doubled(c.b))
        return formatHex(c, true);
    const char *digits = "0123456789abcdef";
    return Text()
        .put('#')
        .put(digits[c.r & 15])
        .put(digits[c.g & 15])
        .put(digits[c.b & 15])
        .string();
}

QString formatRgb(const Rgb &c, std::string_view separator)
{
    Text t;
    t.put("rgb(").number(c.r, 0).put(separator).number(c.g, 0).put(separator).number(c.b, 0).put(
        ')');
    return t.string();
}

// hsl, hwb and hsv: a hue and two percentages.
QString formatHuePercentages(
    std::string_view name, double hue, double p1, double p2, std::string_view separator)
{
    Text t;
    t.put(name).put('(').hue(hue, kHueDecimals).put(separator);
    t.number(p1 * 100, kPercentDecimals).put('%').put(separator);
    t.number(p2 * 100, kPercentDecimals).put("%)");
    return t.string();
}

QString formatCmyk(const Rgb &c)
{
    const int hi = std::max({ c.r, c.g, c.b });
    Text t;
    t.put("cmyk(");
    if (hi == 0)
        return t.put("0%, 0%, 0%, 100%)").string();
    for (int v : { c.r, c.g, c.b })
        t.number(100.0 * (hi - v) / hi, kPercentDecimals).put("%, ");
    t.number(100.0 * (255 - hi) / 255, kPercentDecimals).put("%)");
    return t.string();
}

QString formatLab(int32_t bgr)
{
    const Vec3 lab = labOf(bgr);
    Text t;
    t.put("lab(").number(lab[0], kLabDecimals).put(' ').number(lab[1], kLabDecimals).put(' ');
    t.number(lab[2], kLabDecimals).put(')');
    return t.string();
}

QString formatOklch(int32_t bgr)
{
    const Vec3 lab = oklabOf(bgr);
    const double chroma = std::hypot(lab[1], lab[2]);
    const bool hueless = std::llround(chroma * kPowers[kOklchChromaDecimals]) == 0;
    double hue = hueless ? 0 : std::atan2(lab[2], lab[1]) * (180 / std::numbers::pi);
    if (hue < 0)
        hue += 360;
    Text t;
    t.put("oklch(").number(lab[0] * 100, kOklchLightnessDecimals).put("% ");
    t.number(chroma, kOklchChromaDecimals).put(' ').hue(hue, kOklchHueDecimals).put(')');
    return t.string();
}

const std::array<NotationInfo, kNotationCount> kNotations { {
    { Notation::Hex, "hex", { "hex", "HEX #RRGGBB", "HEX #RRGGBB", "HEX #RRGGBB" } },
    { Notation::HexLower, "hex-lower",
        { "hex-lower", "hex #rrggbb (lower case)", "hex #rrggbb (minuscules)",
            "hex #rrggbb (minúsculas)" } },
    { Notation::HexShort, "hex-short",
        { "hex-short", "hex #rgb when exact", "hex #rgb si exact", "hex #rgb si es exacto" } },
    { Notation::Rgb, "rgb", { "rgb", "rgb(r g b)", "rgb(r g b)", "rgb(r g b)" } },
    { Notation::RgbLegacy, "rgb-legacy",
        { "rgb-legacy", "rgb(r, g, b)", "rgb(r, g, b)", "rgb(r, g, b)" } },
    { Notation::Hsl, "hsl", { "hsl", "hsl(h s% l%)", "hsl(h s% l%)", "hsl(h s% l%)" } },
    { Notation::Hwb, "hwb", { "hwb", "hwb(h w% b%)", "hwb(h w% b%)", "hwb(h w% b%)" } },
    { Notation::Lab, "lab", { "lab", "lab(L a b)", "lab(L a b)", "lab(L a b)" } },
    { Notation::Oklch, "oklch", { "oklch", "oklch(L% C h)", "oklch(L% C h)", "oklch(L% C h)" } },
    { Notation::Hsv, "hsv",
        { "hsv", "HSV hsv(h, s%, v%)", "TSV hsv(h, s%, v%)", "HSV hsv(h, s%, v%)" } },
    { Notation::Cmyk, "cmyk",
        { "cmyk", "CMYK cmyk(c%, m%, y%, k%)", "CMJN cmyk(c%, m%, y%, k%)",
            "CMYK cmyk(c%, m%, y%, k%)" } },
} };

} // namespace

const std::array<NotationInfo, kNotationCount> &notations() { return kNotations; }

QString idOf(Notation notation)
{
    return QString::fromLatin1(kNotations[std::size_t(notation)].id);
}

std::optional<Notation> notationFromId(QStringView id)
{
    for (const NotationInfo &info : kNotations)
        if (id == QLatin1String(info.id))
            return info.notation;
    return std::nullopt;
}

QString displayName(Notation notation, Language language)
{
    return captionOf(kNotations[std::size_t(notation)].name, language);
}

QString number(double value, int decimals) { return Text().number(value, decimals).string(); }

QString hueNumber(double degrees, int decimals) { return Text().hue(degrees, decimals).string(); }

QString format(int32_t bgr, Notation notation)
{
    if (!colorvalue::isColor(bgr))
        return QString();
    const Rgb c = rgbOf(bgr);
    const int hi = std::max({ c.r, c.g, c.b });
    const int lo = std::min({ c.r, c.g, c.b });
    switch (notation) {
    case Notation::Hex:
        return formatHex(c, false);
    case Notation::HexLower:
        return formatHex(c, true);
    case Notation::HexShort:
        return formatHexShort(c);
    case Notation::Rgb:
        return formatRgb(c, " ");
    case Notation::RgbLegacy:
        return formatRgb(c, ", ");
    case Notation::Hsl: {
        const int sum = hi + lo;
        const double s = hi == lo ? 0.0 : double(hi - lo) / (255 - std::abs(sum - 255));
        return formatHuePercentages("hsl", hueOf(c.r, c.g, c.b), s, sum / 510.0, " ");
    }
    case Notation::Hwb:
        return formatHuePercentages("hwb", hueOf(c.r, c.g, c.b), lo / 255.0, 1 - hi / 255.0, " ");
    case Notation::Hsv:
        return formatHuePercentages(
            "hsv", hueOf(c.r, c.g, c.b), hi == 0 ? 0.0 : double(hi - lo) / hi, hi / 255.0, ", ");
    case Notation::Cmyk:
        return formatCmyk(c);
    case Notation::Lab:
        return formatLab(bgr);
    case Notation::Oklch:
        return formatOklch(bgr);
    }
    return QString();
}

} // namespace cssnotation
