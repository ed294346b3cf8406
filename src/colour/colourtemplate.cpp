#include "colour/colourtemplate.h"

#include "base/colorconv.h"
#include "colour/colorvalue.h"
#include "colour/colournames.h"
#include "colour/colourspaces.h"
#include "colour/cssnotation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace colourtemplate {

namespace {

struct Placeholder
{
    const char *name;
    Field field;
    int decimals; // -1: no decimals (integers, hex, names)
};

// Longest names first: the first one that matches is taken.
constexpr Placeholder kPlaceholders[] = {
    { "name", Field::Name, -1 },
    { "hex", Field::Hex, -1 },
    { "HEX", Field::HexUpper, -1 },
    { "Rh", Field::RedHex, -1 },
    { "Gh", Field::GreenHex, -1 },
    { "Bh", Field::BlueHex, -1 },
    { "rh", Field::RedHexLower, -1 },
    { "gh", Field::GreenHexLower, -1 },
    { "bh", Field::BlueHexLower, -1 },
    { "rf", Field::RedUnit, 3 },
    { "gf", Field::GreenUnit, 3 },
    { "bf", Field::BlueUnit, 3 },
    { "sv", Field::HsvSaturation, 1 },
    { "r", Field::Red, -1 },
    { "g", Field::Green, -1 },
    { "b", Field::Blue, -1 },
    { "h", Field::Hue, 1 },
    { "s", Field::HslSaturation, 1 },
    { "l", Field::HslLightness, 1 },
    { "v", Field::HsvValue, 1 },
    { "L", Field::OkLightness, 2 },
    { "C", Field::OkChroma, 5 },
    { "H", Field::OkHue, 2 },
    { "c", Field::Cyan, 1 },
    { "m", Field::Magenta, 1 },
    { "y", Field::Yellow, 1 },
    { "k", Field::Black, 1 },
};

const Placeholder *placeholderOf(Field field)
{
    for (const Placeholder &p : kPlaceholders)
        if (p.field == field)
            return &p;
    return nullptr;
}

bool isAsciiLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

// The text of a fault: the '%', and what follows up to the end of a would-be name.
QString offending(const QString &text, qsizetype percent, qsizetype from)
{
    qsizetype end = from;
    while (end < text.size() && isAsciiLetter(text[end]))
        ++end;
    if (end == from && end < text.size())
        ++end;
    return text.mid(percent, end - percent);
}

void appendLiteral(Template &t, QStringView text)
{
    if (!t.pieces.isEmpty() && t.pieces.last().field == Field::Literal)
        t.pieces.last().text += text;
    else
        t.pieces.append({ Field::Literal, text.toString(), -1 });
}

// The numbers of one colour that the placeholders print, computed once.
struct Numbers
{
    explicit Numbers(int32_t bgr)
        : c(rgbOf(bgr))
        , hi(std::max({ c.r, c.g, c.b }))
        , lo(std::min({ c.r, c.g, c.b }))
        , lab(colourspaces::oklabOf(bgr))
    {
    }

    double value(Field field) const
    {
        switch (field) {
        case Field::RedUnit:
            return c.r / 255.0;
        case Field::GreenUnit:
            return c.g / 255.0;
        case Field::BlueUnit:
            return c.b / 255.0;
        case Field::HslSaturation: {
            const int sum = hi + lo;
            // The fraction first, then the percentage, as hsl() works it out: the same double.
            return (hi == lo ? 0.0 : double(hi - lo) / (255 - std::abs(sum - 255))) * 100;
        }
        case Field::HslLightness:
            return (hi + lo) / 510.0 * 100;
        case Field::HsvSaturation:
            return (hi == 0 ? 0.0 : double(hi - lo) / hi) * 100;
        case Field::HsvValue:
            return hi / 255.0 * 100;
        case Field::OkLightness:
            return oklab()[0] * 100;
        case Field::OkChroma:
            return std::hypot(oklab()[1], oklab()[2]);
        case Field::OkHue: {
            // As oklch() writes it: a chroma that prints as 0 has hue 0.
            const auto &lab = oklab();
            if (std::llround(std::hypot(lab[1], lab[2]) * 100000) == 0)
                return 0;
            const double h = std::atan2(lab[2], lab[1]) * (180 / std::numbers::pi);
            return h < 0 ? h + 360 : h;
        }
        case Field::Cyan:
        case Field::Magenta:
        case Field::Yellow: {
            const int v = field == Field::Cyan ? c.r : field == Field::Magenta ? c.g : c.b;
            return hi == 0 ? 0.0 : 100.0 * (hi - v) / hi;
        }
        case Field::Black:
            return 100.0 * (255 - hi) / 255;
        default:
            return 0;
        }
    }

    const colourspaces::Vec3 &oklab() const { return lab; }

    Rgb c;
    int hi;
    int lo;
    colourspaces::Vec3 lab;
};

QString hexPair(int v, bool lower)
{
    const QString s = QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0'));
    return lower ? s : s.toUpper();
}

const CaptionRow kErrors[] = {
    { "unknown", "unknown placeholder %1 at column %2", "code inconnu %1 en colonne %2",
        "marcador desconocido %1 en la columna %2" },
    { "lone", "lone %1 at column %2: write %% for a percent sign",
        "%1 seul en colonne %2 : écrire %% pour un signe pour cent",
        "%1 suelto en la columna %2: escriba %% para un signo de porcentaje" },
    { "precision", "bad precision %1 at column %2: from .0 to .5",
        "précision %1 incorrecte en colonne %2 : de .0 à .5",
        "precisión %1 incorrecta en la columna %2: de .0 a .5" },
    { "brace", "unclosed brace %1 at column %2", "accolade non fermée %1 en colonne %2",
        "llave sin cerrar %1 en la columna %2" },
    { "decimals", "%1 at column %2 has no decimals", "%1 en colonne %2 n'a pas de décimales",
        "%1 en la columna %2 no tiene decimales" },
};

const CaptionRow kHelp { "placeholders",
    "Placeholders (.N after % sets the decimals, 0 to 5; %{r}h: braces end a name):\n"
    "  %r %g %b      red, green, blue 0-255     %Rh %Gh %Bh  hex, upper case (%rh lower)\n"
    "  %rf %gf %bf   red, green, blue 0-1       %hex %HEX    #rrggbb, #RRGGBB\n"
    "  %h %s %l      HSL hue, saturation %, lightness %\n"
    "  %sv %v        HSV saturation %, value %\n"
    "  %L %C %H      OKLCH lightness %, chroma, hue\n"
    "  %c %m %y %k   CMYK %                     %name        the colour's name\n"
    "  %%            a percent sign\n",
    "Codes (.N après % fixe les décimales, de 0 à 5 ; %{r}h : les accolades finissent un nom) :\n"
    "  %r %g %b      rouge, vert, bleu 0-255    %Rh %Gh %Bh  hexa, majuscules (%rh minuscules)\n"
    "  %rf %gf %bf   rouge, vert, bleu 0-1      %hex %HEX    #rrggbb, #RRGGBB\n"
    "  %h %s %l      TSL teinte, saturation %, luminosité %\n"
    "  %sv %v        TSV saturation %, valeur %\n"
    "  %L %C %H      OKLCH luminosité %, chroma, teinte\n"
    "  %c %m %y %k   CMJN %                     %name        le nom de la couleur\n"
    "  %%            un signe pour cent\n",
    "Marcadores (.N tras % fija los decimales, de 0 a 5; %{r}h: las llaves cierran un nombre):\n"
    "  %r %g %b      rojo, verde, azul 0-255    %Rh %Gh %Bh  hex, mayúsculas (%rh minúsculas)\n"
    "  %rf %gf %bf   rojo, verde, azul 0-1      %hex %HEX    #rrggbb, #RRGGBB\n"
    "  %h %s %l      HSL tono, saturación %, luminosidad %\n"
    "  %sv %v        HSV saturación %, valor %\n"
    "  %L %C %H      OKLCH luminosidad %, croma, tono\n"
    "  %c %m %y %k   CMYK %                     %name        el nombre del color\n"
    "  %%            un signo de porcentaje\n" };

} // namespace

std::variant<Template, Error> compile(const QString &text)
{
    Template t;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype percent = text.indexOf(u'%', i);
        if (percent < 0) {
            appendLiteral(t, QStringView(text).mid(i));
            break;
        }
        appendLiteral(t, QStringView(text).mid(i, percent - i));
        const int column = int(percent) + 1;
        qsizetype at = percent + 1;
        if (at >= text.size())
            return Error { ErrorKind::LonePercent, column, QStringLiteral("%") };
        if (text[at] == u'%') {
            appendLiteral(t, u"%");
            i = at + 1;
            continue;
        }
        int decimals = -1;
        if (text[at] == u'.') {
            ++at;
            if (at >= text.size() || text[at] < u'0' || text[at] > u'5'
                || (at + 1 < text.size() && text[at + 1].isDigit()))
                return Error { ErrorKind::BadPrecision, column, offending(text, percent, at) };
            decimals = text[at].unicode() - u'0';
            ++at;
        }
        const Placeholder *found = nullptr;
        qsizetype end = at;
        if (at < text.size() && text[at] == u'{') {
            const qsizetype close = text.indexOf(u'}', at);
            if (close < 0)
                return Error { ErrorKind::UnclosedBrace, column, text.mid(percent) };
            const QStringView name = QStringView(text).mid(at + 1, close - at - 1);
            for (const Placeholder &p : kPlaceholders)
                if (name == QLatin1String(p.name))
                    found = &p;
            if (!found)
                return Error { ErrorKind::UnknownPlaceholder, column,
                    text.mid(percent, close + 1 - percent) };
            end = close + 1;
        } else {
            for (const Placeholder &p : kPlaceholders) {
                if (QStringView(text).mid(at).startsWith(QLatin1String(p.name))) {
                    found = &p;
                    end = at + qsizetype(qstrlen(p.name));
                    break;
                }
            }
            if (!found)
                return Error { ErrorKind::UnknownPlaceholder, column,
                    offending(text, percent, at) };
        }
        if (decimals >= 0 && found->decimals < 0)
            return Error { ErrorKind::NoDecimals, column, text.mid(percent, end - percent) };
        t.pieces.append({ found->field, QString(), decimals });
        i = end;
    }
    return t;
}

QString format(const Template &compiled, int32_t bgr)
{
    if (!colorvalue::isColor(bgr))
        return QString();
    const Numbers n(bgr);
    QString out;
    for (const Piece &piece : compiled.pieces) {
        const Placeholder *placeholder = placeholderOf(piece.field); // none for literal text
        const int decimals = piece.decimals >= 0 ? piece.decimals
            : placeholder                        ? std::max(0, placeholder->decimals)
                                                 : 0;
        switch (piece.field) {
        case Field::Literal:
            out += piece.text;
            break;
        case Field::Red:
            out += QString::number(n.c.r);
            break;
        case Field::Green:
            out += QString::number(n.c.g);
            break;
        case Field::Blue:
            out += QString::number(n.c.b);
            break;
        case Field::RedHex:
        case Field::RedHexLower:
            out += hexPair(n.c.r, piece.field == Field::RedHexLower);
            break;
        case Field::GreenHex:
        case Field::GreenHexLower:
            out += hexPair(n.c.g, piece.field == Field::GreenHexLower);
            break;
        case Field::BlueHex:
        case Field::BlueHexLower:
            out += hexPair(n.c.b, piece.field == Field::BlueHexLower);
            break;
        case Field::Hex:
            out += cssnotation::format(bgr, cssnotation::Notation::HexLower);
            break;
        case Field::HexUpper:
            out += cssnotation::format(bgr, cssnotation::Notation::Hex);
            break;
        case Field::Hue:
            out += cssnotation::hueNumber(colourspaces::hueOf(n.c.r, n.c.g, n.c.b), decimals);
            break;
        case Field::OkHue:
            out += cssnotation::hueNumber(n.value(piece.field), decimals);
            break;
        case Field::Name:
            out += colournames::nameOf(bgr).name;
            break;
        default:
            out += cssnotation::number(n.value(piece.field), decimals);
            break;
        }
    }
    return out;
}

QString errorText(const Error &error, Language language)
{
    static const char *const kKeys[] = { "unknown", "lone", "precision", "brace", "decimals" };
    return captionOf(kErrors, kKeys[int(error.kind)], language)
        .arg(error.text, QString::number(error.column));
}

QString placeholderHelp(Language language) { return captionOf(kHelp, language); }

} // namespace colourtemplate
