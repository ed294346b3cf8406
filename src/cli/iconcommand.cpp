#include "cli/iconcommand.h"

#include "icon/iconsource.h"
#include "icon/modpic2ico.h"
#include "icon/picturefile.h"

#include <QCommandLineParser>

namespace iconcommand {

namespace {

const QString kCommand = QStringLiteral("icon");

constexpr int kDepths[] = { 1, 4, 8, 16, 24, 32 };

const QString kHelp = QStringLiteral(
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
    "  -h, --help           show this help\n");

} // namespace

cli::Parsed<Request> parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption output = cli::outputOption();
    const QCommandLineOption depth(QStringLiteral("depth"), QString(), QStringLiteral("N"));
    const QCommandLineOption transparent(
        QStringLiteral("transparent"), QString(), QStringLiteral("C"));
    parser.addOptions({ output, depth, transparent });
    if (auto stop = cli::parseOptions(parser, kCommand, arguments, kHelp, true))
        return *stop;

    const QStringList inputs = parser.positionalArguments();
    if (inputs.isEmpty())
        return cli::usageError(kCommand, QStringLiteral("an input picture IN is needed"));
    if (inputs.size() > 1)
        return cli::usageError(kCommand, QStringLiteral("unexpected argument '%1'").arg(inputs[1]));
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
        return cli::usageError(kCommand, QStringLiteral("-o OUT.ico is needed"));
    return request;
}

int run(const QStringList &arguments)
{
    return cli::runParsed(parse(arguments), [](const Request &request) {
        const QImage picture = picturefile::load(request.input);
        if (picture.isNull())
            return cli::failure(
                kCommand, QStringLiteral("could not read a picture from '%1'").arg(request.input));
        const int32_t transparent
            = request.transparent.value_or(iconsource::proposedTransparentColor(picture));
        if (!modPic2Ico::SaveIcon(iconsource::sourcePixels(picture), request.output,
                iconsource::kIconSize, request.depth, transparent, true))
            return cli::failure(kCommand, QStringLiteral("could not write '%1'").arg(request.output));
        return int(cli::Success);
    });
}

} // namespace iconcommand
