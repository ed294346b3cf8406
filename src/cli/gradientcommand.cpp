#include "cli/gradientcommand.h"

#include "base/drawingsurface.h"
#include "cli/clitexts.h"
#include "gradient/bmpfile.h"
#include "gradient/gradientcss.h"
#include "gradient/gradientexport.h"
#include "gradient/gradientrender.h"
#include "gradient/gradientsurface.h"

#include <QCommandLineParser>
#include <QImage>

namespace gradientcommand {

namespace {

using lineargradient::Orientation;

const QString kCommand = QStringLiteral("gradient");

const CaptionRow kHelp { "Help",
    "Usage: tintavo gradient --colors C1,C2[,C3[,C4]] --orientation O --size WxH -o FILE [--css]\n"
    "       tintavo gradient --from-css TEXT --size WxH -o FILE [--css]\n"
    "\n"
    "Draws the linear gradient window's gradient on a surface of W x H pixels and saves it\n"
    "as the window does: a 24-bit Windows bitmap.\n"
    "With --from-css, renders a CSS gradient as a browser does, dithered to 8 bits, to a\n"
    "PNG or WebP file (by the name's extension), with alpha where a stop has it.\n"
    "\n"
    "Options:\n"
    "  --colors LIST        two to four colours, in any notation the picker reads\n"
    "  --orientation O      horizontal, vertical, diagonal-down or diagonal-up\n"
    "                       (the diagonals take two colours)\n"
    "  --size WxH           the drawing surface in pixels\n"
    "  -o, --output FILE    the bitmap to write\n"
    "  --from-css TEXT      a linear-, radial- or conic-gradient(…), repeating- too,\n"
    "                       instead of --colors and --orientation (size up to 16384)\n"
    "  --css                print the gradient as CSS\n"
    "  -h, --help           show this help\n",
    "Utilisation : tintavo gradient --colors C1,C2[,C3[,C4]] --orientation O --size LxH\n"
    "                               -o FICHIER [--css]\n"
    "              tintavo gradient --from-css TEXTE --size LxH -o FICHIER [--css]\n"
    "\n"
    "Dessine le dégradé de la fenêtre des dégradés linéaires sur une surface de L x H pixels\n"
    "et l'enregistre comme elle : un bitmap Windows 24 bits.\n"
    "Avec --from-css, rend un dégradé CSS comme un navigateur, tramé sur 8 bits, dans un\n"
    "fichier PNG ou WebP (selon l'extension), avec l'alpha là où un arrêt en a.\n"
    "\n"
    "Options :\n"
    "  --colors LISTE       deux à quatre couleurs, dans toute notation que lit la pipette\n"
    "  --orientation O      horizontal, vertical, diagonal-down ou diagonal-up\n"
    "                       (les diagonales prennent deux couleurs)\n"
    "  --size LxH           la surface de dessin en pixels\n"
    "  -o, --output FICHIER le bitmap à écrire\n"
    "  --from-css TEXTE     un linear-, radial- ou conic-gradient(…), repeating- aussi,\n"
    "                       au lieu de --colors et --orientation (taille jusqu'à 16384)\n"
    "  --css                afficher le dégradé en CSS\n"
    "  -h, --help           afficher cette aide\n",
    "Uso: tintavo gradient --colors C1,C2[,C3[,C4]] --orientation O --size ANxAL\n"
    "                     -o ARCHIVO [--css]\n"
    "     tintavo gradient --from-css TEXTO --size ANxAL -o ARCHIVO [--css]\n"
    "\n"
    "Dibuja el degradado de la ventana de degradados lineales sobre una superficie de AN x AL\n"
    "píxeles y lo guarda como ella: un mapa de bits de Windows de 24 bits.\n"
    "Con --from-css, dibuja un degradado CSS como un navegador, tramado a 8 bits, en un\n"
    "archivo PNG o WebP (según la extensión), con alfa donde una parada lo tenga.\n"
    "\n"
    "Opciones:\n"
    "  --colors LISTA       de dos a cuatro colores, en cualquier notación que lea la pipeta\n"
    "  --orientation O      horizontal, vertical, diagonal-down o diagonal-up\n"
    "                       (las diagonales llevan dos colores)\n"
    "  --size ANxAL         la superficie de dibujo en píxeles\n"
    "  -o, --output ARCHIVO el mapa de bits que escribir\n"
    "  --from-css TEXTO     un linear-, radial- o conic-gradient(…), también repeating-,\n"
    "                       en lugar de --colors y --orientation (tamaño hasta 16384)\n"
    "  --css                mostrar el degradado en CSS\n"
    "  -h, --help           mostrar esta ayuda\n" };

struct OrientationName
{
    const char *name;
    Orientation orientation;
};
constexpr OrientationName kOrientations[] = {
    { "horizontal", Orientation::Horizontal },
    { "vertical", Orientation::Vertical },
    { "diagonal-down", Orientation::DiagonalFromLeft },
    { "diagonal-up", Orientation::DiagonalFromRight },
};

cli::Parsed<Request> parseFromCss(const QCommandLineParser &parser, const QString &text)
{
    Request request;
    for (const char *other : { "colors", "orientation" }) {
        if (parser.isSet(QLatin1String(other)))
            return cli::usageError(kCommand, cli::say(clitexts::kFromCssAlone));
    }
    auto read = gradientcss::read(text);
    if (const auto *error = std::get_if<gradientcss::ReadError>(&read))
        return cli::badValue(
            kCommand, QStringLiteral("--from-css"), gradientcss::describe(*error, cli::language()));
    request.gradient = std::get<gradientmodel::Gradient>(read);
    if (auto stop = cli::readDrawingOutput(parser, kCommand, request.target))
        return *stop;
    const QSize size = request.target.size;
    if (!request.target.output.isEmpty()
        && (size.width() > gradientexport::kMaxSide || size.height() > gradientexport::kMaxSide))
        return cli::badValue(
            kCommand, QStringLiteral("--size"), parser.value(QStringLiteral("size")));
    if (!request.target.output.isEmpty()
        && gradientexport::formatOf(request.target.output).isEmpty())
        return cli::usageError(kCommand, cli::say(clitexts::kPngOrWebp));
    return request;
}

} // namespace

cli::Parsed<Request> parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption colors(QStringLiteral("colors"), QString(), QStringLiteral("LIST"));
    const QCommandLineOption orientation(
        QStringLiteral("orientation"), QString(), QStringLiteral("O"));
    const QCommandLineOption fromCss(QStringLiteral("from-css"), QString(), QStringLiteral("TEXT"));
    parser.addOptions({ colors, orientation, fromCss });
    parser.addOptions(cli::drawingOptions());
    if (auto stop = cli::parseOptions(parser, kCommand, arguments, cli::say(kHelp)))
        return *stop;

    Request request;
    if (parser.isSet(fromCss))
        return parseFromCss(parser, parser.value(fromCss));
    if (!parser.isSet(colors))
        return cli::usageError(
            kCommand, cli::say(clitexts::kNeeded).arg(QStringLiteral("--colors")));
    const QStringList items = cli::splitList(parser.value(colors));
    if (items.size() < 2 || items.size() > 4)
        return cli::badValue(kCommand, QStringLiteral("--colors"), parser.value(colors));
    for (int i = 0; i < 4; ++i) {
        // Stops past the last colour repeat it; the drawing never reaches them.
        const QString &item = items[std::min<qsizetype>(i, items.size() - 1)];
        const auto colour = cli::parseColour(item, request.notes);
        if (!colour)
            return cli::badValue(kCommand, QStringLiteral("--colors"), item);
        request.stops[i] = lineargradient::splitColor(*colour);
    }
    request.segments = int(items.size()) - 1;

    if (!parser.isSet(orientation))
        return cli::usageError(
            kCommand, cli::say(clitexts::kNeeded).arg(QStringLiteral("--orientation")));
    const auto named = std::find_if(
        std::begin(kOrientations), std::end(kOrientations), [&](const OrientationName &o) {
            return parser.value(orientation) == QLatin1String(o.name);
        });
    if (named == std::end(kOrientations))
        return cli::badValue(kCommand, QStringLiteral("--orientation"), parser.value(orientation));
    request.orientation = named->orientation;
    const bool diagonal = request.orientation == Orientation::DiagonalFromLeft
        || request.orientation == Orientation::DiagonalFromRight;
    if (diagonal && request.segments != 1)
        return cli::usageError(kCommand, cli::say(clitexts::kDiagonalTwo));

    if (auto stop = cli::readDrawingOutput(parser, kCommand, request.target))
        return *stop;
    return request;
}

QImage picture(const Request &request)
{
    // The window's box has a one-pixel border around the drawing.
    DrawingSurface surface(request.target.size);
    gradientsurface::prepare(surface);
    gradientsurface::draw(surface, request.target.size + QSize(2, 2), request.stops,
        request.segments, request.orientation);
    return surface.image();
}

int run(const QStringList &arguments)
{
    return cli::runParsed(parse(arguments), [](const Request &request) {
        cli::sayNotes(kCommand, request.notes);
        const cli::DrawingOutput &target = request.target;
        if (request.gradient) {
            if (!target.output.isEmpty()) {
                const QByteArray bytes
                    = gradientexport::encode(gradientrender::render(*request.gradient, target.size,
                                                 gradientrender::Dither::Ordered),
                        gradientexport::formatOf(target.output));
                if (bytes.isEmpty() || !cli::writeFile(kCommand, target.output, bytes))
                    return int(cli::Failure);
            }
            if (target.css)
                cli::printOut(gradientcss::imageValue(*request.gradient) + QLatin1Char('\n'));
            return int(cli::Success);
        }
        if (!target.output.isEmpty()
            && !cli::writeFile(kCommand, target.output, bmpfile::encode24(picture(request))))
            return int(cli::Failure);
        if (target.css)
            cli::printOut(lineargradient::css(request.orientation, request.stops, request.segments)
                + QLatin1Char('\n'));
        return int(cli::Success);
    });
}

} // namespace gradientcommand
