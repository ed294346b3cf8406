#include "cli/colorcommand.h"

#include "cli/clitexts.h"
#include "colour/colorvalue.h"
#include "colour/cssnotation.h"

#include <QCommandLineParser>

namespace colorcommand {

namespace {

const QString kCommand = QStringLiteral("color");

// The program's own notations, after the CSS ones.
struct OwnFormat
{
    const char *id;
    colorvalue::Box box;
};
constexpr OwnFormat kOwnFormats[] = {
    { "vb", colorvalue::VisualBasic },
    { "delphi", colorvalue::Delphi },
    { "c", colorvalue::CLiteral },
    { "decimal", colorvalue::LongData },
};

const CaptionRow kHelp { "Help",
    "Usage: tintavo color VALUE [--format F]...\n"
    "\n"
    "Prints a colour in every notation, or only in the chosen ones, one per line.\n"
    "VALUE is any notation the picker reads: decimal, #RRGGBB, 0xBBGGRR, &HBBGGRR&, $BBGGRR,\n"
    "rgb(), hsl(), hwb(), lab(), lch(), oklab(), oklch(), hsv(), cmyk() or a CSS colour name.\n"
    "\n"
    "Options:\n"
    "  -f, --format F  print only this notation (repeat, or separate with commas)\n"
    "  -h, --help      show this help\n"
    "\n",
    "Utilisation : tintavo color VALEUR [--format F]...\n"
    "\n"
    "Affiche une couleur dans toutes les notations, ou dans celles choisies, une par ligne.\n"
    "VALEUR est toute notation que lit la pipette : décimal, #RRGGBB, 0xBBGGRR, &HBBGGRR&, "
    "$BBGGRR,\n"
    "rgb(), hsl(), hwb(), lab(), lch(), oklab(), oklch(), hsv(), cmyk() ou un nom de couleur CSS.\n"
    "\n"
    "Options :\n"
    "  -f, --format F  n'afficher que cette notation (à répéter, ou séparées par des virgules)\n"
    "  -h, --help      afficher cette aide\n"
    "\n",
    "Uso: tintavo color VALOR [--format F]...\n"
    "\n"
    "Muestra un color en todas las notaciones, o solo en las elegidas, una por línea.\n"
    "VALOR es cualquier notación que lee la pipeta: decimal, #RRGGBB, 0xBBGGRR, &HBBGGRR&, "
    "$BBGGRR,\n"
    "rgb(), hsl(), hwb(), lab(), lch(), oklab(), oklch(), hsv(), cmyk() o un nombre de color CSS.\n"
    "\n"
    "Opciones:\n"
    "  -f, --format F  mostrar solo esta notación (repetida, o separadas por comas)\n"
    "  -h, --help      mostrar esta ayuda\n"
    "\n" };

} // namespace

const char *const kFormatHelp
    = "Formats: hex hex-lower hex-short rgb rgb-legacy hsl hwb lab oklch hsv cmyk\n"
      "         vb delphi c decimal\n";

QStringList formatIds()
{
    QStringList ids;
    for (const cssnotation::NotationInfo &info : cssnotation::notations())
        ids.append(QString::fromLatin1(info.id));
    for (const OwnFormat &f : kOwnFormats)
        ids.append(QString::fromLatin1(f.id));
    return ids;
}

QString formatted(int32_t colour, const QString &id)
{
    if (const auto notation = cssnotation::notationFromId(id))
        return cssnotation::format(colour, *notation);
    for (const OwnFormat &f : kOwnFormats)
        if (id == QLatin1String(f.id))
            return colorvalue::notations(colour)[f.box];
    return QString();
}

cli::Parsed<Request> parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption format = formatOption();
    parser.addOption(format);
    if (auto stop = cli::parseOptions(
            parser, kCommand, arguments, cli::say(kHelp) + QString::fromLatin1(kFormatHelp), true))
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
    const cli::Parsed<QStringList> formats = formatsOf(kCommand, parser.values(format));
    if (const auto *stop = std::get_if<cli::Stop>(&formats))
        return *stop;
    request.formats = std::get<QStringList>(formats);
    return request;
}

QCommandLineOption formatOption()
{
    return QCommandLineOption(QStringList { QStringLiteral("f"), QStringLiteral("format") },
        QString(), QStringLiteral("F"));
}

cli::Parsed<QStringList> formatsOf(const QString &command, const QStringList &values)
{
    const QStringList known = formatIds();
    QStringList ids;
    for (const QString &option : values) {
        for (const QString &id : option.split(QLatin1Char(','))) {
            if (!known.contains(id.trimmed()))
                return cli::badValue(command, QStringLiteral("--format"), id);
            ids.append(id.trimmed());
        }
    }
    return ids;
}

QString output(const Request &request)
{
    QString text;
    if (!request.formats.isEmpty()) {
        for (const QString &id : request.formats)
            text += formatted(request.colour, id) + QLatin1Char('\n');
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
