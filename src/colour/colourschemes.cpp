#include "colour/colourschemes.h"

#include "colour/colourspaces.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace colourschemes {

namespace {

using colourspaces::Vec3;

constexpr double kDegree = std::numbers::pi / 180;

Vec3 oklabOf(const Oklch &c)
{
    return { c.l, c.c * std::cos(c.h * kDegree), c.c * std::sin(c.h * kDegree) };
}

// sRGB channels from 0 to 1, out of range where the colour is out of gamut.
Vec3 srgbOf(const Vec3 &lab)
{
    Vec3 rgb = colourspaces::linearFromOklab(lab[0], lab[1], lab[2]);
    for (double &v : rgb)
        v = colourspaces::toGamma(v);
    return rgb;
}

bool inGamut(const Vec3 &rgb)
{
    return std::all_of(rgb.begin(), rgb.end(), [](double v) { return v >= 0 && v <= 1; });
}

Vec3 clipped(Vec3 rgb)
{
    for (double &v : rgb)
        v = std::clamp(v, 0.0, 1.0);
    return rgb;
}

Vec3 oklabOfSrgb(const Vec3 &rgb)
{
    // Back through the 8-bit entry point would round; the matrices take any linear light.
    const Vec3 lin { colourspaces::toLinear(rgb[0]), colourspaces::toLinear(rgb[1]),
        colourspaces::toLinear(rgb[2]) };
    return colourspaces::oklabOfLinear(lin);
}

double deltaEOK(const Vec3 &a, const Vec3 &b)
{
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

int32_t bgrOf(const Vec3 &rgb)
{
    const auto level = [](double v) { return int32_t(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return level(rgb[0]) | (level(rgb[1]) << 8) | (level(rgb[2]) << 16);
}

// The colour's own hue turned, kept in [0, 360).
double turned(double hue, double degrees)
{
    const double h = std::fmod(hue + degrees, 360.0);
    return h < 0 ? h + 360 : h;
}

constexpr double kComplementary[] = { 0, 180 };
constexpr double kAnalogous[] = { 0, -30, 30 };
constexpr double kTriadic[] = { 0, 120, 240 };
constexpr double kSplit[] = { 0, 150, 210 };
// The square: four hues a quarter turn apart.
constexpr double kTetradic[] = { 0, 90, 180, 270 };

constexpr HarmonyInfo kHarmonies[] = {
    { Harmony::Complementary, "complementary", kComplementary },
    { Harmony::Analogous, "analogous", kAnalogous },
    { Harmony::Triadic, "triadic", kTriadic },
    { Harmony::SplitComplementary, "split-complementary", kSplit },
    { Harmony::Tetradic, "tetradic", kTetradic },
};

const CaptionRow kNames[] = {
    { "complementary", "Complementary", "Complémentaire", "Complementario" },
    { "analogous", "Analogous", "Analogue", "Análogo" },
    { "triadic", "Triadic", "Triadique", "Triádico" },
    { "split-complementary", "Split complementary", "Complémentaire adjacent",
        "Complementario dividido" },
    { "tetradic", "Tetradic (square)", "Tétradique (carré)", "Tetrádico (cuadrado)" },
};

} // namespace

Oklch oklchOf(int32_t bgr)
{
    const Vec3 lab = colourspaces::oklabOf(bgr);
    const double h = std::atan2(lab[2], lab[1]) / kDegree;
    return { lab[0], std::hypot(lab[1], lab[2]), h < 0 ? h + 360 : h };
}

int32_t fromOklch(const Oklch &colour)
{
    if (colour.l >= 1)
        return 0xFFFFFF;
    if (colour.l <= 0)
        return 0;
    const Vec3 rgb = srgbOf(oklabOf(colour));
    if (inGamut(rgb))
        return bgrOf(rgb);

    // CSS Color 4: the chroma is halved toward the largest one whose clipped colour lies
    // within a just noticeable difference of it, so lightness and hue stay as asked.
    constexpr double jnd = 0.02, epsilon = 0.0001;
    Oklch current = colour;
    Vec3 clip = clipped(rgb);
    if (deltaEOK(oklabOfSrgb(clip), oklabOf(current)) < jnd)
        return bgrOf(clip);
    double low = 0, high = colour.c;
    bool lowInGamut = true;
    while (high - low > epsilon) {
        current.c = (low + high) / 2;
        const Vec3 lab = oklabOf(current);
        const Vec3 here = srgbOf(lab);
        if (lowInGamut && inGamut(here)) {
            low = current.c;
            continue;
        }
        clip = clipped(here);
        const double e = deltaEOK(oklabOfSrgb(clip), lab);
        if (e < jnd) {
            if (jnd - e < epsilon)
                break;
            lowInGamut = false;
            low = current.c;
        } else {
            high = current.c;
        }
    }
    return bgrOf(clip);
}

QList<int32_t> variation(int32_t bgr, Variation kind, int steps)
{
    const Oklch from = oklchOf(bgr);
    QList<int32_t> colours;
    for (int i = 1; i <= steps; ++i) {
        const double t = double(i) / (steps + 1);
        // White, black and grey have no hue: the mix keeps the colour's own.
        const double l = kind == Variation::Tints ? from.l + (1 - from.l) * t
            : kind == Variation::Shades           ? from.l * (1 - t)
                                                  : from.l;
        colours.append(fromOklch({ l, from.c * (1 - t), from.h }));
    }
    return colours;
}

std::span<const HarmonyInfo> harmonies() { return kHarmonies; }

std::optional<Harmony> harmonyFromId(QStringView id)
{
    for (const HarmonyInfo &info : kHarmonies)
        if (id == QLatin1String(info.id))
            return info.harmony;
    return std::nullopt;
}

QString harmonyName(Harmony harmony, Language language)
{
    return captionOf(kNames, kHarmonies[int(harmony)].id, language);
}

QList<int32_t> harmony(int32_t bgr, Harmony kind)
{
    const Oklch from = oklchOf(bgr);
    QList<int32_t> colours { bgr };
    for (double degrees : kHarmonies[int(kind)].turns.subspan(1))
        colours.append(fromOklch({ from.l, from.c, turned(from.h, degrees) }));
    return colours;
}

} // namespace colourschemes
