#include "platform/vbmath.h"

#include <QString>

#include <cmath>
#include <limits>

namespace vbmath {

int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

std::optional<int32_t> toLong(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = std::nearbyint(value);
    if (r < double(std::numeric_limits<int32_t>::min()) || r > double(std::numeric_limits<int32_t>::max()))
        return std::nullopt;
    return static_cast<int32_t>(r);
}

std::optional<int16_t> toInteger(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = std::nearbyint(value);
    if (r < -32768.0 || r > 32767.0)
        return std::nullopt;
    return static_cast<int16_t>(r);
}

std::optional<int32_t> truncDiv(int32_t a, int32_t b)
{
    if (b == 0 || (a == std::numeric_limits<int32_t>::min() && b == -1))
        return std::nullopt;
    return a / b;
}

std::optional<int32_t> textToLong(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    for (const QChar c : t) {
        if (!(c.isDigit() || c == u'.' || c == u'-' || c == u'+' || c == u'e' || c == u'E'))
            return std::nullopt;
    }
    bool ok = false;
    const double d = t.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return toLong(d);
}

} // namespace vbmath
