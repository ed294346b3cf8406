#include "base/vbmath.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <limits>

namespace vbmath {

int roundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

std::optional<int32_t> toLong(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = std::nearbyint(value);
    if (r < double(std::numeric_limits<int32_t>::min())
        || r > double(std::numeric_limits<int32_t>::max()))
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
    // Only digits, signs, separators and an exponent: the words a double parser also knows
    // ("inf", "nan") and hexadecimal forms are not numbers here.
    for (const QChar c : t) {
        if (c.isLetter() && c != u'e' && c != u'E')
            return std::nullopt;
        if (c.isDigit() && (c < u'0' || c > u'9'))
            return std::nullopt;
    }
    // The program's own form first ("2.5", "1e3"); then the user's, so that a decimal comma
    // typed on a French desktop reads as one. The first never takes a comma as a thousands
    // separator, which would turn "2,5" into 25.
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    double d = c.toDouble(t, &ok);
    if (!ok)
        d = QLocale().toDouble(t, &ok);
    if (!ok)
        return std::nullopt;
    return toLong(d);
}

} // namespace vbmath
