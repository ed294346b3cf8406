#include "cli/colorcommand.h"

#include "cli/clitexts.h"
#include "colour/colorvalue.h"
#include "colour/colournames.h"
#include "colour/colourschemes.h"
#include "colour/cssnotation.h"
#include "colour/namedtemplates.h"
#include "platform/settingsstore.h"
#include "ui/appstate.h"

#include <QCommandLineParser>

namespace colorcommand {

namespace {

const QString kCommand = QStringLiteral("color");

const CaptionRow kHelp { "Help",
    "Usage: tintavo color VALUE [--format F]... [--template T]... [--harmony NAME] [--tints N]\n"
    "                           [--shades N] [--tones N]\n"
    "\n"
    "Prints a colour in every notation, or only in the chosen ones, one per line.\n"
    "VALUE is any notation the picker reads: decimal, #RRGGBB, 0xBBGGRR, &HBBGGRR&, $BBGGRR,\n"
    "rgb(), hsl(), hwb(), lab(), lch(), oklab(), oklch(), hsv(), cmyk() or a CSS colour name.\n"
    "With a harmony or variations, prints their colours instead, one per line (in hex, or in\n"
    "the chosen notations separated by tabs): the harmony (the colour first), then the tints,\n"
    "shades and tones, each from the colour outward. Made in OKLCH and mapped into sRGB by\n"
    "lowering chroma (CSS Color 4).\n"
    "\n"
    "Options:\n"
    "  -f, --format F   print only this notation (repeat, or separate with commas); F may\n"
    "                   also be 'name' (the colour's name, or \u2248 the nearest) or the name of\n"
    "                   a format of your own made in the picker\n"
    "  --template T     print the colour through this template, such as 'Color(0xFF%Rh%Gh%Bh)'\n"
    "  --harmony NAME   complementary, analogous, triadic, split-complementary or tetradic\n"
    "  --tints N        N steps toward white (1 to 100)\n"
    "  --shades N       N steps toward black (1 to 100)\n"
    "  --tones N        N steps toward the grey of the same lightness (1 to 100)\n"
    "  -h, --help       show this help\n"
    "\n",
    "Utilisation : tintavo color VALEUR [--format F]... [--template T]... [--harmony NOM]\n"
    "                                   [--tints N] [--shades N] [--tones N]\n"
    "\n"
    "Affiche une couleur dans toutes les notations, ou dans celles choisies, une par ligne.\n"
    "VALEUR est toute notation que lit la pipette : décimal, #RRGGBB, 0xBBGGRR, &HBBGGRR&, "
    "$BBGGRR,\n"
    "rgb(), hsl(), hwb(), lab(), lch(), oklab(), oklch(), hsv(), cmyk() ou un nom de couleur CSS.\n"
    "Avec une harmonie ou des variations, affiche leurs couleurs, une par ligne (en hexadécimal,\n"
    "ou dans les notations choisies séparées par des tabulations) : l'harmonie (la couleur\n"
    "d'abord), puis les teintes claires, les ombres et les tons, chacun en partant de la couleur.\n"
    "Calculées en OKLCH et ramenées en sRGB en baissant la chroma (CSS Color 4).\n"
    "\n"
    "Options :\n"
    "  -f, --format F   n'afficher que cette notation (à répéter, ou séparées par des virgules) ;\n"
    "                   F peut aussi être « name » (le nom de la couleur, ou \u2248 le plus "
    "proche)\n"
    "                   ou le nom d'un format personnel créé dans la pipette\n"
    "  --template T     afficher la couleur selon ce modèle, par exemple « Color(0xFF%Rh%Gh%Bh) »\n"
    "  --harmony NOM    complementary, analogous, triadic, split-complementary ou tetradic\n"
    "  --tints N        N pas vers le blanc (1 à 100)\n"
    "  --shades N       N pas vers le noir (1 à 100)\n"
    "  --tones N        N pas vers le gris de même luminosité (1 à 100)\n"
    "  -h, --help       afficher cette aide\n"
    "\n",
    "Uso: tintavo color VALOR [--format F]... [--template T]... [--harmony NOMBRE]\n"
    "                         [--tints N] [--shades N] [--tones N]\n"
    "\n"
    "Muestra un color en todas las notaciones, o solo en las elegidas, una por línea.\n"
    "VALOR es cualquier notación que lee la pipeta: decimal, #RRGGBB, 0xBBGGRR, &HBBGGRR&, "
    "$BBGGRR,\n"
    "rgb(), hsl(), hwb(), lab(), lch(), oklab(), oklch(), hsv(), cmyk() o un nombre de color CSS.\n"
    "Con una armonía o variaciones, muestra sus colores, uno por línea (en hexadecimal, o en\n"
    "las notaciones elegidas separadas por tabuladores): la armonía (el color primero), luego\n"
    "los tintes, las sombras y los tonos, cada uno desde el color hacia fuera. Calculados en\n"
    "OKLCH y llevados a sRGB bajando el croma (CSS Color 4).\n"
    "\n"
    "Opciones:\n"
    "  -f, --format F   mostrar solo esta notación (repetida, o separadas por comas); F también\n"
    "                   puede ser «name» (el nombre del color, o \u2248 el más cercano) o el "
    "nombre\n"
    "                   de un formato propio creado en la pipeta\n"
    "  --template T     mostrar el color con esta plantilla, como «Color(0xFF%Rh%Gh%Bh)»\n"
    "  --harmony NOMBRE complementary, analogous, triadic, split-complementary o tetradic\n"
    "  --tints N        N pasos hacia el blanco (1 a 100)\n"
    "  --shades N       N pasos hacia el negro (1 a 100)\n"
    "  --tones N        N pasos hacia el gris de la misma luminosidad (1 a 100)\n"
    "  -h, --help       mostrar esta ayuda\n"
    "\n" };

constexpr int kMaxSteps = 100;

const QString kNameId = QStringLiteral("name");

} // namespace

const char *const kFormatHelp
    = "Formats: hex hex-lower hex-short rgb rgb-legacy hsl hwb lab oklch hsv cmyk\n"
      "         vb delphi c decimal name\n";

QStringList formatIds()
{
    QStringList ids;
    for (const cssnotation::NotationInfo &info : cssnotation::notations())
        ids.append(QString::fromLatin1(info.id));
    // The program's own notations, after the CSS ones.
    for (const colorvalue::OwnNotation &f : colorvalue::ownNotations())
        ids.append(QString::fromLatin1(f.id));
    return ids;
}

QString formatted(int32_t colour, const QString &id)
{
    if (id == kNameId)
        return colournames::shown(colournames::nameOf(colour));
    if (const auto notation = cssnotation::notationFromId(id))
        return cssnotation::format(colour, *notation);
    for (const colorvalue::OwnNotation &f : colorvalue::ownNotations())
        if (id == QLatin1String(f.id))
            return colorvalue::notations(colour)[f.box];
    return QString();
}

QString formatted(int32_t colour, const Format &format)
{
    return format.own ? colourtemplate::format(format.compiled, colour)
                      : formatted(colour, format.id);
}

cli::Parsed<Request> parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption harmony(QStringLiteral("harmony"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption tints(QStringLiteral("tints"), QString(), QStringLiteral("N"));
    const QCommandLineOption shades(QStringLiteral("shades"), QString(), QStringLiteral("N"));
    const QCommandLineOption tones(QStringLiteral("tones"), QString(), QStringLiteral("N"));
    parser.addOptions(formatOptions());
    parser.addOptions({ harmony, tints, shades, tones });
    if (auto stop = cli::parseOptions(parser, kCommand, arguments,
            cli::say(kHelp) + QString::fromLatin1(kFormatHelp)
                + colourtemplate::placeholderHelp(cli::language()),
            true))
        return *stop;
    const QStringList values = parser.positionalArguments();
    if (values.isEmpty())
        return cli::usageError(kCommand, cli::say(clitexts::kColourNeeded));
    if (values.size() > 1)
        return cli::usageError(kCommand, cli::say(clitexts::kUnexpected).arg(values[1]));
    Request request;
    const auto colour = cli::parseColour(values[0], request.notes);
    if (!colour)
        return cli::usageError(kCommand, cli::say(clitexts::kNoColour).arg(values[0]));
    request.colour = *colour;
    const cli::Parsed<QList<Format>> formats = formatsOf(kCommand, parser);
    if (const auto *stop = std::get_if<cli::Stop>(&formats))
        return *stop;
    request.formats = std::get<QList<Format>>(formats);
    if (parser.isSet(harmony)) {
        request.harmony = parser.value(harmony);
        if (!colourschemes::harmonyFromId(request.harmony))
            return cli::badValue(kCommand, QStringLiteral("--harmony"), request.harmony);
    }
    const std::pair<const QCommandLineOption *, int *> counts[]
        = { { &tints, &request.tints }, { &shades, &request.shades }, { &tones, &request.tones } };
    for (const auto &[option, target] : counts) {
        if (!parser.isSet(*option))
            continue;
        bool ok = false;
        *target = parser.value(*option).toInt(&ok);
        if (!ok || *target < 1 || *target > kMaxSteps)
            return cli::badValue(kCommand, QStringLiteral("--") + option->names().constFirst(),
                parser.value(*option));
    }
    return request;
}

QList<QCommandLineOption> formatOptions()
{
    return { QCommandLineOption(QStringList { QStringLiteral("f"), QStringLiteral("format") },
                 QString(), QStringLiteral("F")),
        QCommandLineOption(QStringLiteral("template"), QString(), QStringLiteral("T")) };
}

cli::Parsed<QList<Format>> formatsOf(const QString &command, const QCommandLineParser &parser)
{
    const auto compiled = [&command](const QString &text) -> cli::Parsed<Format> {
        const auto t = colourtemplate::compile(text);
        if (const auto *error = std::get_if<colourtemplate::Error>(&t))
            return cli::usageError(command,
                cli::say(clitexts::kBadTemplate)
                    .arg(text, colourtemplate::errorText(*error, cli::language())));
        return Format { QString(), true, std::get<colourtemplate::Template>(t) };
    };
    const QStringList known = formatIds() << kNameId;
    std::optional<QList<namedtemplates::NamedTemplate>> stored; // read when first needed
    QList<Format> formats;
    for (const QString &option : parser.values(QStringLiteral("format"))) {
        for (const QString &given : option.split(QLatin1Char(','))) {
            const QString id = given.trimmed();
            if (known.contains(id)) {
                formats.append({ id });
                continue;
            }
            if (!stored) {
                SettingsStore store;
                AppState state(store);
                stored = namedtemplates::read(state);
            }
            // A stored name may hold a comma: the whole value is tried too.
            const namedtemplates::NamedTemplate *own = namedtemplates::find(*stored, id);
            if (!own)
                own = namedtemplates::find(*stored, option.trimmed());
            if (!own)
                return cli::badValue(command, QStringLiteral("--format"), id);
            cli::Parsed<Format> format = compiled(own->text);
            if (const auto *stop = std::get_if<cli::Stop>(&format))
                return *stop;
            formats.append({ own->name, true, std::get<Format>(format).compiled });
            if (own->name == option.trimmed())
                break;
        }
    }
    for (const QString &text : parser.values(QStringLiteral("template"))) {
        cli::Parsed<Format> format = compiled(text);
        if (const auto *stop = std::get_if<cli::Stop>(&format))
            return *stop;
        formats.append(std::get<Format>(format));
    }
    return formats;
}

namespace {

QList<int32_t> schemeColours(const Request &request)
{
    using namespace colourschemes;
    QList<int32_t> colours;
    if (const auto harmony = harmonyFromId(request.harmony))
        colours += colourschemes::harmony(request.colour, *harmony);
    colours += variation(request.colour, Variation::Tints, request.tints);
    colours += variation(request.colour, Variation::Shades, request.shades);
    colours += variation(request.colour, Variation::Tones, request.tones);
    return colours;
}

} // namespace

QString output(const Request &request)
{
    QString text;
    if (request.schemes()) {
        for (int32_t colour : schemeColours(request)) {
            QStringList line;
            for (const Format &format : request.formats)
                line << formatted(colour, format);
            text += (line.isEmpty() ? formatted(colour, QStringLiteral("hex")) : line.join(u'\t'))
                + QLatin1Char('\n');
        }
        return text;
    }
    if (!request.formats.isEmpty()) {
        for (const Format &format : request.formats)
            text += formatted(request.colour, format) + QLatin1Char('\n');
        return text;
    }
    for (const QString &id : formatIds())
        text += id.leftJustified(11) + formatted(request.colour, id) + QLatin1Char('\n');
    return text;
}

int run(const QStringList &arguments)
{
    return cli::runParsed(parse(arguments), [](const Request &request) {
        cli::sayNotes(kCommand, request.notes);
        cli::printOut(output(request));
        return int(cli::Success);
    });
}

} // namespace colorcommand
