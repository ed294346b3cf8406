#include "gradient/gradientcss.h"

#include "colour/colorvalue.h"
#include "colour/cssnotation.h"
#include "gradient/gradientcsstexts.h"

#include <QList>

#include <cmath>

using namespace gradientmodel;

namespace gradientcss {

namespace {

// A number with at most `decimals` decimals, without trailing zeros.
QString number(double v, int decimals = 2)
{
    QString s = QString::number(v, 'f', decimals);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

QString colourText(int32_t bgr, double alpha)
{
    if (alpha >= 1)
        return colorvalue::htmlNotation(bgr);
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(bgr & 0xFF)
        .arg((bgr >> 8) & 0xFF)
        .arg((bgr >> 16) & 0xFF)
        .arg(number(alpha, 3));
}

QString percent(double fraction, int decimals = 2)
{
    return number(fraction * 100, decimals) + QLatin1Char('%');
}

// A stop's position as written: a percentage, pixels, or none when not given.
QString positionText(const Stop &s, int decimals)
{
    if (std::isnan(s.position))
        return QString();
    return QLatin1Char(' ')
        + (s.pixels ? number(s.position) + QStringLiteral("px") : percent(s.position, decimals));
}

const char *const kExtents[]
    = { "closest-side", "closest-corner", "farthest-side", "farthest-corner" };
const char *const kCorners[]
    = { "", "to top right", "to bottom right", "to bottom left", "to top left" };
const char *const kSpaces[] = { "srgb", "srgb-linear", "oklab", "oklch" };

QString prelude(const Gradient &g, bool modern)
{
    QStringList parts;
    if (modern && g.space != Space::Srgb) {
        QString in = QStringLiteral("in ") + QLatin1String(kSpaces[int(g.space)]);
        if (g.space == Space::Oklch && g.hue == Hue::Longer)
            in += QStringLiteral(" longer hue");
        parts << in;
    }
    const bool centred
        = g.centreX == 0.5 && g.centreY == 0.5 && !g.centreXPixels && !g.centreYPixels;
    auto length = [](double v, bool pixels) {
        return pixels ? number(v) + QStringLiteral("px") : percent(v);
    };
    const QString at
        = QStringLiteral("at %1 %2")
              .arg(length(g.centreX, g.centreXPixels), length(g.centreY, g.centreYPixels));
    switch (g.kind) {
    case Kind::Linear:
        parts << (g.corner != Gradient::Corner::None ? QLatin1String(kCorners[int(g.corner)])
                                                     : number(g.angle) + QStringLiteral("deg"));
        break;
    case Kind::Radial:
        if (g.ending == Ending::Circle)
            parts << QStringLiteral("circle");
        if (g.extent == Extent::Given) {
            parts << length(g.radiusX, !g.radiusXFraction);
            if (g.ending == Ending::Ellipse)
                parts << length(g.radiusY, !g.radiusYFraction);
        } else if (g.extent != Extent::FarthestCorner) {
            parts << QLatin1String(kExtents[int(g.extent)]);
        }
        if (!centred)
            parts << at;
        break;
    case Kind::Conic:
        if (g.angle != 0)
            parts << QStringLiteral("from %1deg").arg(number(g.angle));
        if (!centred)
            parts << at;
        break;
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

QString imageValue(const Gradient &g, bool modern)
{
    static const char *const kKinds[] = { "linear", "radial", "conic" };
    QStringList args;
    const QString head = prelude(g, modern);
    if (!head.isEmpty())
        args << head;
    // Stops in pixels are written as given; the others as placed.
    const bool pixels = hasPixels(g);
    const QList<Stop> stops = pixels ? g.stops : orderedStops(g.stops);
    const Colours colours(g);
    // A repeating gradient multiplies the error of its period by the number of repeats: 24 px
    // in 2121 written as 1.13% is 0.5 px off after 40 of them.
    const int decimals = g.repeating ? 4 : 2;
    for (qsizetype i = 0; i < stops.size(); ++i) {
        const Stop &s = stops[i];
        // Older browsers mix in sRGB: three stops within each segment keep them close.
        if (!modern && !pixels && g.space != Space::Srgb && i > 0
            && s.position > stops[i - 1].position) {
            for (int k = 1; k < 4; ++k) {
                const double t
                    = stops[i - 1].position + (s.position - stops[i - 1].position) * k / 4;
                const Rgba c = colours.at(t);
                const int32_t bgr = int32_t(std::lround(c.r * 255))
                    | int32_t(std::lround(c.g * 255)) << 8 | int32_t(std::lround(c.b * 255)) << 16;
                args << colourText(bgr, std::round(c.a * 1000) / 1000) + QLatin1Char(' ')
                        + percent(t, decimals);
            }
        }
        args << colourText(s.bgr, s.alpha) + positionText(s, decimals);
    }
    return QStringLiteral("%1%2-gradient(%3)")
        .arg(g.repeating ? QStringLiteral("repeating-") : QString(),
            QLatin1String(kKinds[int(g.kind)]), args.join(QStringLiteral(", ")));
}

QString declarations(const Gradient &g)
{
    const QString modern = QStringLiteral("background: %1;").arg(imageValue(g, true));
    if (g.space == Space::Srgb)
        return modern;
    return QStringLiteral("background: %1;\n").arg(imageValue(g, false)) + modern;
}

// ---- reading ----

namespace {

struct Token
{
    QString text; // as written
    QString lower;
    int offset = 0;
};

using Failure = std::optional<ReadError>;

ReadError fail(Problem problem, int offset, const QString &token)
{
    return ReadError { problem, offset, token };
}

// The text from `from` to `to` cut at `separator` outside parentheses, each part trimmed.
QList<Token> split(const QString &text, int from, int to, QChar separator)
{
    QList<Token> parts;
    int depth = 0, start = from;
    auto push = [&](int end) {
        int a = start, b = end;
        while (a < b && text[a].isSpace())
            ++a;
        while (b > a && text[b - 1].isSpace())
            --b;
        const QString t = text.mid(a, b - a);
        parts.append(Token { t, t.toLower(), a });
    };
    for (int i = from; i < to; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            --depth;
        else if (depth == 0 && (separator.isSpace() ? c.isSpace() : c == separator)) {
            push(i);
            start = i + 1;
        }
    }
    push(to);
    if (separator.isSpace())
        parts.removeIf([](const Token &t) { return t.text.isEmpty(); });
    return parts;
}

// A number followed by a unit, or nothing when the token is not one.
std::optional<std::pair<double, QString>> dimension(const QString &lower)
{
    int i = 0;
    while (i < lower.size()
        && (lower[i].isDigit() || lower[i] == QLatin1Char('.') || lower[i] == QLatin1Char('-')
            || lower[i] == QLatin1Char('+')
            || (i > 0 && lower[i] == QLatin1Char('e') && i + 1 < lower.size()
                && lower[i + 1].isDigit())))
        ++i;
    bool ok = false;
    const double v = lower.left(i).toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return std::make_pair(v, lower.mid(i));
}

std::optional<double> degrees(const QString &lower)
{
    const auto d = dimension(lower);
    if (!d)
        return std::nullopt;
    const auto &[v, unit] = *d;
    if (unit == QLatin1String("deg") || (unit.isEmpty() && v == 0))
        return v;
    if (unit == QLatin1String("grad"))
        return v * 0.9;
    if (unit == QLatin1String("rad"))
        return v * 180 / M_PI;
    if (unit == QLatin1String("turn"))
        return v * 360;
    return std::nullopt;
}

bool startsNumeric(const QString &lower)
{
    return !lower.isEmpty()
        && (lower[0].isDigit() || lower[0] == QLatin1Char('.') || lower[0] == QLatin1Char('-')
            || lower[0] == QLatin1Char('+'));
}

// `in <space> [<hue> hue]` from tokens[i] on; i is left after it.
Failure readInterpolation(const QList<Token> &t, qsizetype &i, Gradient &g)
{
    if (++i >= t.size())
        return fail(Problem::Shape, t[i - 1].offset, t[i - 1].text);
    const auto space = std::find_if(std::begin(kSpaces), std::end(kSpaces),
        [&](const char *name) { return t[i].lower == QLatin1String(name); });
    if (space == std::end(kSpaces))
        return fail(Problem::Shape, t[i].offset, t[i].text);
    g.space = Space(space - std::begin(kSpaces));
    ++i;
    if (g.space == Space::Oklch && i + 1 < t.size() && t[i + 1].lower == QLatin1String("hue")
        && (t[i].lower == QLatin1String("shorter") || t[i].lower == QLatin1String("longer"))) {
        g.hue = t[i].lower == QLatin1String("longer") ? Hue::Longer : Hue::Shorter;
        i += 2;
    }
    return std::nullopt;
}

// `at <x> [<y>]` from tokens[i] on, as fractions of the box.
Failure readCentre(const QList<Token> &t, qsizetype &i, Gradient &g)
{
    struct Value
    {
        double v;
        char axis; // x, y, c (centre: either), n (a number: in order)
        bool pixels = false;
    };
    auto value = [](const QString &w) -> std::optional<Value> {
        if (w == QLatin1String("left"))
            return Value { 0.0, 'x' };
        if (w == QLatin1String("right"))
            return Value { 1.0, 'x' };
        if (w == QLatin1String("top"))
            return Value { 0.0, 'y' };
        if (w == QLatin1String("bottom"))
            return Value { 1.0, 'y' };
        if (w == QLatin1String("center"))
            return Value { 0.5, 'c' };
        const auto d = dimension(w);
        if (d && (d->second == QLatin1String("%") || (d->second.isEmpty() && d->first == 0)))
            return Value { d->first / 100, 'n' };
        if (d && d->second == QLatin1String("px"))
            return Value { d->first, 'n', true };
        return std::nullopt;
    };
    ++i;
    QList<Value> values;
    while (i < t.size() && values.size() < 2 && t[i].lower != QLatin1String("in")) {
        const auto v = value(t[i].lower);
        if (!v)
            return fail(Problem::Shape, t[i].offset, t[i].text);
        values.append(*v);
        ++i;
    }
    if (values.isEmpty())
        return fail(Problem::Shape, t[i - 1].offset, t[i - 1].text);
    if (values.size() == 1)
        values.append(Value { 0.5, 'c' });
    if (values[0].axis == 'y' || values[1].axis == 'x')
        std::swap(values[0], values[1]);
    g.centreX = values[0].v;
    g.centreXPixels = values[0].pixels;
    g.centreY = values[1].v;
    g.centreYPixels = values[1].pixels;
    return std::nullopt;
}

// A radial gradient's given size from tokens[i] on: one length (a circle) or two (an
// ellipse, each in pixels or percent).
Failure readRadii(const QList<Token> &t, qsizetype &i, Gradient &g)
{
    QList<std::pair<double, bool>> radii; // value, in percent
    for (; i < t.size() && radii.size() < 2 && startsNumeric(t[i].lower); ++i) {
        const auto d = dimension(t[i].lower);
        if (!d || d->first < 0
            || !(d->second == QLatin1String("px") || d->second == QLatin1String("%")))
            return fail(Problem::Shape, t[i].offset, t[i].text);
        radii.append({ d->second == QLatin1String("%") ? d->first / 100 : d->first,
            d->second == QLatin1String("%") });
    }
    // A circle's radius is a length; percentages are for ellipses.
    if (radii.size() == 1 && radii[0].second)
        return fail(Problem::Shape, t[i - 1].offset, t[i - 1].text);
    g.extent = Extent::Given;
    g.ending = radii.size() == 1 ? Ending::Circle : Ending::Ellipse;
    g.radiusX = radii[0].first;
    g.radiusXFraction = radii[0].second;
    g.radiusY = radii.size() == 2 ? radii[1].first : 0;
    g.radiusYFraction = radii.size() == 2 && radii[1].second;
    return std::nullopt;
}

bool isPreludeWord(const QString &w)
{
    static const char *const kWords[] = { "to", "in", "at", "from", "circle", "ellipse",
        "closest-side", "closest-corner", "farthest-side", "farthest-corner" };
    return std::any_of(std::begin(kWords), std::end(kWords), [&](const char *k) {
        return w == QLatin1String(k);
    }) || degrees(w).has_value();
}

Failure readPrelude(const QList<Token> &t, Gradient &g)
{
    for (qsizetype i = 0; i < t.size();) {
        const QString &w = t[i].lower;
        Failure f;
        if (w == QLatin1String("in")) {
            f = readInterpolation(t, i, g);
        } else if (w == QLatin1String("at") && g.kind != Kind::Linear) {
            f = readCentre(t, i, g);
        } else if (w == QLatin1String("from") && g.kind == Kind::Conic && i + 1 < t.size()
            && degrees(t[i + 1].lower)) {
            g.angle = *degrees(t[i + 1].lower);
            i += 2;
        } else if (g.kind == Kind::Linear && degrees(w)) {
            g.angle = *degrees(w);
            ++i;
        } else if (g.kind == Kind::Linear && w == QLatin1String("to") && i + 1 < t.size()) {
            QStringList sides;
            for (++i; i < t.size() && sides.size() < 2 && t[i].lower != QLatin1String("in"); ++i)
                sides << t[i].lower;
            const bool top = sides.contains(QLatin1String("top")),
                       bottom = sides.contains(QLatin1String("bottom")),
                       left = sides.contains(QLatin1String("left")),
                       right = sides.contains(QLatin1String("right"));
            if (int(top) + int(bottom) + int(left) + int(right) != sides.size() || (top && bottom)
                || (left && right))
                return fail(Problem::Shape, t[i - 1].offset, t[i - 1].text);
            g.corner = Gradient::Corner::None;
            if (sides.size() == 1)
                g.angle = top ? 0 : right ? 90 : bottom ? 180 : 270;
            else
                g.corner = top
                    ? (right ? Gradient::Corner::TopRight : Gradient::Corner::TopLeft)
                    : (right ? Gradient::Corner::BottomRight : Gradient::Corner::BottomLeft);
        } else if (g.kind == Kind::Radial && startsNumeric(w)) {
            f = readRadii(t, i, g);
        } else if (g.kind == Kind::Radial
            && (w == QLatin1String("circle") || w == QLatin1String("ellipse"))) {
            g.ending = w == QLatin1String("circle") ? Ending::Circle : Ending::Ellipse;
            ++i;
        } else if (g.kind == Kind::Radial
            && std::any_of(std::begin(kExtents), std::end(kExtents),
                [&](const char *k) { return w == QLatin1String(k); })) {
            g.extent
                = Extent(std::find_if(std::begin(kExtents), std::end(kExtents), [&](const char *k) {
                      return w == QLatin1String(k);
                  }) - std::begin(kExtents));
            ++i;
        } else {
            return fail(Problem::Shape, t[i].offset, t[i].text);
        }
        if (f)
            return f;
    }
    return std::nullopt;
}

// A stop's position as a fraction; percentages, and for conic gradients angles too. Pixels,
// for the others, give the number of pixels with `pixels` set.
std::optional<double> position(const QString &lower, bool conic, bool &pixels)
{
    const auto d = dimension(lower);
    pixels = false;
    if (!d)
        return std::nullopt;
    if (d->second == QLatin1String("%"))
        return d->first / 100;
    if (!conic && d->second == QLatin1String("px")) {
        pixels = true;
        return d->first;
    }
    if (d->second.isEmpty() && d->first == 0)
        return 0.0;
    if (conic)
        if (const auto deg = degrees(lower))
            return *deg / 360;
    return std::nullopt;
}

struct ReadStop
{
    int32_t bgr;
    double alpha;
    std::optional<double> at;
    bool pixels = false;
};

Failure readStop(const QString &text, const Token &arg, bool conic, QList<ReadStop> &out)
{
    const QList<Token> t = split(text, arg.offset, arg.offset + int(arg.text.size()), QChar(' '));
    if (t.isEmpty())
        return fail(Problem::Colour, arg.offset, arg.text);
    QList<std::pair<double, bool>> at;
    qsizetype end = t.size();
    while (end > 0 && at.size() < 2 && startsNumeric(t[end - 1].lower)) {
        bool pixels = false;
        const auto p = position(t[end - 1].lower, conic, pixels);
        if (!p)
            return fail(Problem::Position, t[end - 1].offset, t[end - 1].text);
        at.prepend({ *p, pixels });
        --end;
    }
    if (end == 0)
        return fail(Problem::Hint, arg.offset, arg.text);
    const int from = t[0].offset, to = t[end - 1].offset + int(t[end - 1].text.size());
    const QString colourPart = text.mid(from, to - from);
    const auto colour = cssnotation::parseTranslucent(colourPart);
    if (!colour)
        return fail(Problem::Colour, from, colourPart);
    out.append(ReadStop { colour->bgr, colour->alpha,
        at.isEmpty() ? std::nullopt : std::optional<double>(at[0].first),
        !at.isEmpty() && at[0].second });
    if (at.size() == 2)
        out.append(ReadStop { colour->bgr, colour->alpha, at[1].first, at[1].second });
    return std::nullopt;
}

// Stops in pixels are placed once the box is known; without them CSS's fix-up is done here.
QList<Stop> placed(const QList<ReadStop> &read)
{
    QList<Stop> stops;
    const bool pixels
        = std::any_of(read.begin(), read.end(), [](const ReadStop &r) { return r.pixels; });
    for (const ReadStop &r : read)
        stops.append(Stop { r.bgr, r.alpha, r.at.value_or(std::nan("")), r.pixels });
    return pixels ? stops : orderedStops(stops);
}

} // namespace

std::variant<Gradient, ReadError> read(const QString &text)
{
    // Of several declarations the last one that says something.
    Token value;
    for (const Token &d : split(text, 0, int(text.size()), QLatin1Char(';'))) {
        if (!d.text.isEmpty())
            value = d;
    }
    if (const int colon = int(value.text.indexOf(QLatin1Char(':')));
        colon >= 0 && colon < value.text.indexOf(QLatin1Char('('))) {
        const Token rest = split(
            text, value.offset + colon + 1, value.offset + int(value.text.size()), QLatin1Char(';'))
                               .front();
        value = rest;
    }
    const int open = int(value.text.indexOf(QLatin1Char('(')));
    static const char *const kNames[] = { "linear-gradient", "radial-gradient", "conic-gradient" };
    QString name = value.text.left(std::max(open, 0)).trimmed().toLower();
    Gradient g;
    g.stops.clear();
    g.angle = 180;
    g.repeating = name.startsWith(QLatin1String("repeating-"));
    if (g.repeating)
        name = name.mid(10);
    const auto kind = std::find_if(std::begin(kNames), std::end(kNames),
        [&](const char *k) { return name == QLatin1String(k); });
    if (open < 0 || kind == std::end(kNames))
        return fail(Problem::NoGradient, value.offset,
            value.text.left(std::max(open, 0)).isEmpty()
                ? value.text.section(QLatin1Char(' '), 0, 0)
                : value.text.left(open));
    g.kind = Kind(kind - std::begin(kNames));
    if (g.kind == Kind::Conic)
        g.angle = 0;

    const int bodyStart = value.offset + open + 1;
    int depth = 1, close = bodyStart;
    for (; close < value.offset + value.text.size() && depth > 0; ++close) {
        if (text[close] == QLatin1Char('('))
            ++depth;
        else if (text[close] == QLatin1Char(')'))
            --depth;
    }
    if (depth > 0)
        return fail(Problem::Unclosed, bodyStart - 1, value.text.mid(open));
    const int bodyEnd = close - 1;
    if (close < value.offset + value.text.size())
        return fail(
            Problem::Trailing, close, text.mid(close, value.offset + value.text.size() - close));

    QList<Token> args = split(text, bodyStart, bodyEnd, QLatin1Char(','));
    if (!args.isEmpty()) {
        const QList<Token> first
            = split(text, args[0].offset, args[0].offset + int(args[0].text.size()), QChar(' '));
        if (!first.isEmpty()
            && (isPreludeWord(first[0].lower)
                || (g.kind == Kind::Radial && startsNumeric(first[0].lower)))) {
            if (auto f = readPrelude(first, g))
                return *f;
            args.removeFirst();
        }
    }
    QList<ReadStop> stops;
    for (const Token &arg : args) {
        if (auto f = readStop(text, arg, g.kind == Kind::Conic, stops))
            return *f;
    }
    if (stops.size() < kMinStops || stops.size() > kMaxStops)
        return fail(Problem::StopCount, bodyStart, QString::number(stops.size()));
    g.stops = placed(stops);
    return g;
}

QString describe(const ReadError &error, Language language)
{
    const QString why = captionOf(gradientcsstexts::kProblems[int(error.problem)], language);
    return captionOf(gradientcsstexts::kWhere, language)
        .arg(error.offset + 1)
        .arg(error.token.left(40), why);
}

} // namespace gradientcss
