#include "gradient/modspheric.h"

#include "base/ellipsearc.h"
#include "base/vbmath.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <limits>

namespace modSpheric {

namespace {

// The value of pi the angles were designed with (14 decimals); kept so arc end points land on
// the same pixels.
constexpr double kPi = 3.14159265358979;

// 2^k, failing where the result no longer fits in a double.
std::optional<double> power2(int k)
{
    if (k >= 1024)
        return std::nullopt;
    return std::ldexp(1.0, k);
}

std::optional<int32_t> fitLong(int64_t v)
{
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return int32_t(v);
}

int16_t byteOf(int32_t colour, int firstChar)
{
    // ToBinary of any 32-bit value fits in 32 digits.
    const QString digits = ToBinary(double(colour), 32).value_or(QString(32, u'0'));
    return int16_t(vbmath::roundHalfEven(FromBinary(digits.mid(firstChar - 1, 8)).value_or(0)));
}

int32_t channel(int16_t start, float step, int32_t d)
{
    const int v = vbmath::roundHalfEven(double(start) + double(step) * double(d));
    return std::clamp(v, 0, 255);
}

} // namespace

std::optional<QString> ToBinary(double value, int16_t width)
{
    value = std::abs(value);
    int k = -1;
    double power = 0;
    while (power <= value) {
        ++k;
        const auto p = power2(k);
        if (!p)
            return std::nullopt;
        power = *p;
    }
    QString text;
    double rest = value;
    for (int i = k - 1; i >= 0; --i) {
        const double bit = std::ldexp(1.0, i);
        rest -= bit;
        if (rest >= 0) {
            text += u'1';
        } else {
            rest += bit;
            text += u'0';
        }
    }
    if (text.isEmpty())
        text = QStringLiteral("0");
    if (width != 0) {
        if (width < text.size())
            return std::nullopt; // no room: a negative repetition count
        text = QString(width - text.size(), u'0') + text;
    }
    return text;
}

std::optional<double> FromBinary(const QString &text)
{
    const qsizetype length = text.size();
    double sum = 0;
    for (qsizetype i = 1; i <= length; ++i) {
        const auto weight = power2(int(std::min<qsizetype>(length - i, 1024)));
        if (!weight)
            return std::nullopt;
        const QChar c = text.at(i - 1);
        const int digit = (c >= u'0' && c <= u'9') ? c.unicode() - u'0' : 0;
        sum += *weight * digit;
    }
    return sum;
}

int16_t GetRed(int32_t colour) { return byteOf(colour, 25); }
int16_t GetGreen(int32_t colour) { return byteOf(colour, 17); }
int16_t GetBlue(int32_t colour) { return byteOf(colour, 9); }

SphereError planSphere(const SphereRect &rect, uint8_t percentage, int16_t startAngle,
    int16_t endAngle, int32_t colour1, int32_t colour2, SpherePlan &plan)
{
    plan = SpherePlan();
    const auto width = fitLong(int64_t(rect.Right) - rect.Left);
    const auto height = fitLong(int64_t(rect.Bottom) - rect.Top);
    if (!width || !height)
        return SphereError::Overflow;
    const auto cx = vbmath::toLong(*width / 2.0 + rect.Left);
    const auto cy = vbmath::toLong(*height / 2.0 + rect.Top);
    if (!cx || !cy)
        return SphereError::Overflow;
    plan.cx = *cx;
    plan.cy = *cy;

    const auto ry = fitLong(std::abs(int64_t(plan.cy) - rect.Top));
    const auto rx = fitLong(std::abs(int64_t(plan.cx) - rect.Left));
    if (!ry || !rx)
        return SphereError::Overflow;
    plan.ry = *ry;
    plan.rx = *rx;
    if (plan.rx == 0)
        return SphereError::DivisionByZero;
    plan.ratio = float(double(plan.ry) / double(plan.rx));

    plan.R1 = GetRed(colour1);
    plan.G1 = GetGreen(colour1);
    plan.B1 = GetBlue(colour1);
    plan.R2 = GetRed(colour2);
    plan.G2 = GetGreen(colour2);
    plan.B2 = GetBlue(colour2);

    plan.startAngle = std::clamp<int16_t>(startAngle, 0, 360);
    plan.endAngle = std::clamp<int16_t>(endAngle, 0, 360);
    plan.percentage = std::min<uint8_t>(percentage, 100);

    const auto product = fitLong(int64_t(plan.percentage) * plan.rx);
    if (!product)
        return SphereError::Overflow;
    const auto x0 = fitLong(int64_t(rect.Left) + vbmath::roundHalfEven(*product / 100.0));
    const auto xEnd = fitLong(int64_t(rect.Left) + 2);
    if (!x0 || !xEnd)
        return SphereError::Overflow;
    plan.x0 = *x0;
    plan.xEnd = *xEnd;

    const auto difference = fitLong(int64_t(plan.xEnd) - plan.x0);
    if (!difference)
        return SphereError::Overflow;
    const int64_t steps = std::abs(int64_t(*difference));
    if (steps > 32767)
        return SphereError::Overflow;
    plan.steps = int16_t(steps);
    if (plan.steps == 0)
        return SphereError::DivisionByZero;
    plan.stepR = float(double(plan.R2 - plan.R1) / plan.steps);
    plan.stepG = float(double(plan.G2 - plan.G1) / plan.steps);
    plan.stepB = float(double(plan.B2 - plan.B1) / plan.steps);
    return SphereError::None;
}

SphereError ringAt(const SpherePlan &plan, int32_t x, SphereRing &ring)
{
    const int32_t d = int32_t(std::abs(int64_t(x) - plan.x0));
    const int32_t red = channel(plan.R1, plan.stepR, d);
    const int32_t green = channel(plan.G1, plan.stepG, d);
    const int32_t blue = channel(plan.B1, plan.stepB, d);
    ring.colour = red + 256 * green + 65536 * blue;

    const auto a = fitLong(std::abs(int64_t(plan.cx) - x));
    if (!a)
        return SphereError::Overflow;
    const auto b = vbmath::toLong(double(plan.ratio) * double(*a));
    if (!b)
        return SphereError::Overflow;
    ring.a = *a;
    ring.b = *b;
    const auto top = fitLong(int64_t(plan.cy) - ring.b);
    const auto right = fitLong(int64_t(plan.cx) + ring.a);
    const auto bottom = fitLong(int64_t(plan.cy) + ring.b);
    if (!top || !right || !bottom)
        return SphereError::Overflow;
    ring.left = x;
    ring.top = *top;
    ring.right = *right;
    ring.bottom = *bottom;

    const double t1 = plan.startAngle * kPi / 180;
    const double t2 = plan.endAngle * kPi / 180;
    const auto xs = vbmath::toLong(ring.a * std::cos(t1) + plan.cx);
    const auto ys = vbmath::toLong(plan.cy - ring.b * std::sin(t1));
    const auto xe = vbmath::toLong(ring.a * std::cos(t2) + plan.cx);
    const auto ye = vbmath::toLong(plan.cy - ring.b * std::sin(t2));
    if (!xs || !ys || !xe || !ye)
        return SphereError::Overflow;
    ring.xStart = *xs;
    ring.yStart = *ys;
    ring.xEnd = *xe;
    ring.yEnd = *ye;
    return SphereError::None;
}

SphereError DrawSphere(QImage &target, const SphereRect &rect, uint8_t percentage,
    int16_t startAngle, int16_t endAngle, int32_t colour1, int32_t colour2)
{
    SpherePlan plan;
    if (const SphereError e
        = planSphere(rect, percentage, startAngle, endAngle, colour1, colour2, plan);
        e != SphereError::None)
        return e;
    for (int64_t x = plan.x0; x >= plan.xEnd; --x) {
        SphereRing ring;
        if (const SphereError e = ringAt(plan, int32_t(x), ring); e != SphereError::None)
            return e;
        ellipsearc::drawArc(target, { ring.left, ring.top, ring.right, ring.bottom }, ring.xStart,
            ring.yStart, ring.xEnd, ring.yEnd, ring.colour, 2);
    }
    return SphereError::None;
}

} // namespace modSpheric
