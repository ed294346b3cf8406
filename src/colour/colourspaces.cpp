#include "colour/colourspaces.h"

#include "base/colorconv.h"

#include <algorithm>
#include <cmath>

namespace colourspaces {

namespace {

using Mat3 = std::array<Vec3, 3>;

constexpr Mat3 mul(const Mat3 &a, const Mat3 &b)
{
    Mat3 m {};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            m[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
    return m;
}

constexpr Vec3 mul(const Mat3 &m, const Vec3 &v)
{
    return { m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
        m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
        m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2] };
}

constexpr Mat3 kLinearSrgbToXyz { { { 0.41239079926595934, 0.357584339383878, 0.1804807884018343 },
    { 0.21263900587151027, 0.715168678767756, 0.07219231536073371 },
    { 0.01933081871559182, 0.11919477979462598, 0.9505321522496607 } } };
constexpr Mat3 kXyzToLinearSrgb { { { 3.2409699419045226, -1.537383177570094, -0.4986107602930034 },
    { -0.9692436362808796, 1.8759675015077202, 0.04155505740717559 },
    { 0.05563007969699366, -0.20397695888897652, 1.0569715142428786 } } };
constexpr Mat3 kD65ToD50 { { { 1.0479297925449969, 0.022946870601609652, -0.05019226628920524 },
    { 0.02962780877005599, 0.9904344267538799, -0.017073799063418826 },
    { -0.009243040646204504, 0.015055191490298152, 0.7518742814281371 } } };
constexpr Mat3 kD50ToD65 { { { 0.955473421488075, -0.02309845494876471, 0.06325924320057072 },
    { -0.0283697093338637, 1.0099953980813041, 0.021041441191917323 },
    { 0.012314014864481998, -0.020507649298898964, 1.330365926242124 } } };
constexpr Mat3 kXyzToLms { { { 0.8190224379967030, 0.3619062600528904, -0.1288737815209879 },
    { 0.0329836539323885, 0.9292868615863434, 0.0361446663506424 },
    { 0.0481771893596242, 0.2642395317527308, 0.6335478284694309 } } };
constexpr Mat3 kLmsToXyz { { { 1.2268798758459243, -0.5578149944602171, 0.2813910456659647 },
    { -0.0405757452148008, 1.1122868032803170, -0.0717110580655164 },
    { -0.0763729366746601, -0.4214933324022432, 1.5869240198367816 } } };
constexpr Mat3 kLmsToOklab { { { 0.2104542683093140, 0.7936177747023054, -0.0040720430116193 },
    { 1.9779985324311684, -2.4285922420485799, 0.4505937096174110 },
    { 0.0259040424655478, 0.7827717124575296, -0.8086757549230774 } } };
constexpr Mat3 kOklabToLms { { { 1.0, 0.3963377773761749, 0.2158037573099136 },
    { 1.0, -0.1055613458156586, -0.0638541728258133 },
    { 1.0, -0.0894841775298119, -1.2914855480194092 } } };

constexpr Mat3 kLinearSrgbToD50 = mul(kD65ToD50, kLinearSrgbToXyz);
constexpr Mat3 kD50ToLinearSrgb = mul(kXyzToLinearSrgb, kD50ToD65);
constexpr Mat3 kLinearSrgbToLms = mul(kXyzToLms, kLinearSrgbToXyz);
constexpr Mat3 kLmsToLinearSrgb = mul(kXyzToLinearSrgb, kLmsToXyz);

constexpr Vec3 kD50White { 0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585 };
constexpr double kLabEpsilon = 216.0 / 24389.0;
constexpr double kLabKappa = 24389.0 / 27.0;

} // namespace

double toLinear(double v)
{
    const double a = std::abs(v);
    const double lin = a <= 0.04045 ? a / 12.92 : std::pow((a + 0.055) / 1.055, 2.4);
    return std::copysign(lin, v);
}

double toGamma(double v)
{
    const double a = std::abs(v);
    const double enc = a > 0.0031308 ? 1.055 * std::pow(a, 1 / 2.4) - 0.055 : 12.92 * a;
    return std::copysign(enc, v);
}

namespace {

// The 256 channel values made linear once.
const std::array<double, 256> &linearTable()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t {};
        for (int i = 0; i < 256; ++i)
            t[i] = toLinear(i / 255.0);
        return t;
    }();
    return table;
}

} // namespace

Vec3 linearOf(int32_t bgr)
{
    const auto &lin = linearTable();
    const Rgb c = rgbOf(bgr);
    return { lin[c.r], lin[c.g], lin[c.b] };
}

Vec3 labOf(int32_t bgr)
{
    const Vec3 xyz = mul(kLinearSrgbToD50, linearOf(bgr));
    Vec3 f;
    for (int i = 0; i < 3; ++i) {
        const double t = xyz[i] / kD50White[i];
        f[i] = t > kLabEpsilon ? std::cbrt(t) : (kLabKappa * t + 16) / 116;
    }
    return { 116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2]) };
}

Vec3 linearFromLab(double l, double a, double b)
{
    Vec3 f;
    f[1] = (l + 16) / 116;
    f[0] = a / 500 + f[1];
    f[2] = f[1] - b / 200;
    const double cubeEdge = 24.0 / 116.0;
    const Vec3 xyz { (f[0] > cubeEdge ? f[0] * f[0] * f[0] : (116 * f[0] - 16) / kLabKappa)
            * kD50White[0],
        (l > kLabKappa * kLabEpsilon ? f[1] * f[1] * f[1] : l / kLabKappa) * kD50White[1],
        (f[2] > cubeEdge ? f[2] * f[2] * f[2] : (116 * f[2] - 16) / kLabKappa) * kD50White[2] };
    return mul(kD50ToLinearSrgb, xyz);
}

Vec3 oklabOf(int32_t bgr) { return oklabOfLinear(linearOf(bgr)); }

Vec3 oklabOfLinear(const Vec3 &linear)
{
    Vec3 lms = mul(kLinearSrgbToLms, linear);
    for (double &v : lms)
        v = std::cbrt(v);
    return mul(kLmsToOklab, lms);
}

Vec3 linearFromOklab(double l, double a, double b)
{
    Vec3 lms = mul(kOklabToLms, Vec3 { l, a, b });
    for (double &v : lms)
        v = v * v * v;
    return mul(kLmsToLinearSrgb, lms);
}

double hueOf(int r, int g, int b)
{
    const int hi = std::max({ r, g, b });
    const int lo = std::min({ r, g, b });
    const double d = hi - lo;
    if (d == 0)
        return 0;
    double h;
    if (hi == r)
        h = (g - b) / d + (g < b ? 6 : 0);
    else if (hi == g)
        h = (b - r) / d + 2;
    else
        h = (r - g) / d + 4;
    return h * 60;
}

} // namespace colourspaces
