#include "cli/iconcommand.h"

#include "cli/clitexts.h"
#include "icon/iconsource.h"
#include "icon/modpic2ico.h"
#include "icon/picturefile.h"

#include <QCommandLineParser>

namespace iconcommand {

namespace {

const QString kCommand = QStringLiteral("icon");

constexpr int kDepths[] = { 1, 4, 8, 16, 24, 32 };

const CaptionRow kHelp { "Help",
        "Usage: tintavo icon IN -o OUT.ico [--depth 1|4|8|16|24|32] [--transparent C]\n"
        "\n"
        "Converts the top-left 32 x 32 pixels of a picture (BMP, PNG, GIF, JPEG, ...) into an\n"
        "icon, as the converter window does.\n"
        "\n"
        "Options:\n"
        "  -o, --output FILE    the icon to write\n"
        "  --depth N            bits per pixel: 1, 4, 8 (the default), 16, 24 or 32\n"
        "  --transparent C      the colour made transparent (default: the picture's top-left\n"
        "                       pixel), in any notation the picker reads\n"
        "  -h, --help           show this help\n",
        "Utilisation : tintavo icon ENTRÉE -o SORTIE.ico [--depth 1|4|8|16|24|32] [--transparent C]\n"
        "\n"
        "Convertit les 32 x 32 pixels en haut à gauche d'une image (BMP, PNG, GIF, JPEG...) en\n"
        "icône, comme la fenêtre de conversion.\n"
        "\n"
        "Options :\n"
        "  -o, --output FICHIER l'icône à écrire\n"
        "  --depth N            bits par pixel : 1, 4, 8 (par défaut), 16, 24 ou 32\n"
        "  --transparent C      la couleur rendue transparente (par défaut : le pixel en haut à\n"
        "                       gauche de l'image), dans toute notation que lit la pipette\n"
        "  -h, --help           afficher cette aide\n",
        "Uso: tintavo icon ENTRADA -o SALIDA.ico [--depth 1|4|8|16|24|32] [--transparent C]\n"
        "\n"
        "Convierte los 32 x 32 píxeles de arriba a la izquierda de una imagen (BMP, PNG, GIF,\n"
        "JPEG...) en un icono, como la ventana de conversión.\n"
        "\n"
        "Opciones:\n"
        "  -o, --output ARCHIVO el icono que escribir\n"
        "  --depth N            bits por píxel: 1, 4, 8 (por defecto), 16, 24 o 32\n"
        "  --transparent C      el color que se vuelve transparente (por defecto: el píxel de\n"
        "                       arriba a la izquierda), en cualquier notación que lea la pipeta\n"
        "  -h, --help           mostrar esta ayuda\n" };

} // namespace

cli::Parsed<Request> parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption output = cli::outputOption();
    const QCommandLineOption depth(QStringLiteral("depth"), QString(), QStringLiteral("N"));
    const QCommandLineOption transparent(
        QStringLiteral("transparent"), QString(), QStringLiteral("C"));
    parser.addOptions({ output, depth, transparent });
    if (auto stop = cli::parseOptions(parser, kCommand, arguments, cli::say(kHelp), true))
        return *stop;

    const QStringList inputs = parser.positionalArguments();
    if (inputs.isEmpty())
        return cli::usageError(kCommand, cli::say(clitexts::kPictureNeeded));
    if (inputs.size() > 1)
        return cli::usageError(kCommand, cli::say(clitexts::kUnexpected).arg(inputs[1]));
    Request request;
    request.input = inputs[0];

    if (parser.isSet(depth)) {
        bool ok = false;
        request.depth = parser.value(depth).toInt(&ok);
        if (!ok || std::find(std::begin(kDepths), std::end(kDepths), request.depth) == std::end(kDepths))
            return cli::badValue(kCommand, QStringLiteral("--depth"), parser.value(depth));
    }
    if (parser.isSet(transparent)) {
        request.transparent = cli::parseColour(parser.value(transparent));
        if (!request.transparent)
            return cli::badValue(kCommand, QStringLiteral("--transparent"), parser.value(transparent));
    }
    request.output = parser.value(output);
    if (request.output.isEmpty())
        return cli::usageError(kCommand, cli::say(clitexts::kIconNeeded));
    return request;
}

int run(const QStringList &arguments)
{
    return cli::runParsed(parse(arguments), [](const Request &request) {
        const QImage picture = picturefile::load(request.input);
        if (picture.isNull())
            return cli::failure(
                kCommand, cli::say(clitexts::kNotAPicture).arg(request.input));
        const int32_t transparent
            = request.transparent.value_or(iconsource::proposedTransparentColor(picture));
        if (!modPic2Ico::SaveIcon(iconsource::sourcePixels(picture), request.output,
                iconsource::kIconSize, request.depth, transparent, true))
            return cli::failure(kCommand, cli::say(clitexts::kCouldNotWrite).arg(request.output));
        return int(cli::Success);
    });
}

} // namespace iconcommand
