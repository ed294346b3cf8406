#include "cli/spherecommand.h"

#include "gradient/bmpfile.h"
#include "gradient/modspheric.h"
#include "gradient/spherecss.h"
#include "icon/picturefile.h"
#include "platform/colorconv.h"

#include <QCommandLineParser>
#include <QImage>

namespace spherecommand {

namespace {

const QString kCommand = QStringLiteral("sphere");

// The window's surface is white before each drawing.
constexpr int32_t kSurfaceColour = 0xFFFFFF;
// The window draws full rings at full size.
constexpr uint8_t kPercentage = 100;
constexpr int16_t kStartAngle = 0;
constexpr int16_t kEndAngle = 360;
// The window's width and height boxes take any 32-bit number; nine digits are plenty.
constexpr int kLargestSphere = 999999999;

const QString kHelp = QStringLiteral(
    "Usage: tintavo sphere --size WxH --centre C --rim C --sphere WxH -o FILE [--css]\n"
    "\n"
    "Draws the spherical gradient window's sphere on a surface of W x H pixels and saves it\n"
    "as the window does: a 24-bit Windows bitmap.\n"
    "\n"
    "Options:\n"
    "  --size WxH           the drawing surface in pixels\n"
    "  --centre C           the colour at the centre, in any notation the picker reads\n"
    "  --rim C              the colour at the rim\n"
    "  --sphere WxH         the sphere's width and height, as in the window's boxes\n"
    "  -o, --output FILE    the bitmap to write\n"
    "  --css                print the sphere as CSS\n"
    "  -h, --help           show this help\n");

} // namespace

cli::Parsed<Request> parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption size(QStringLiteral("size"), QString(), QStringLiteral("WxH"));
    const QCommandLineOption centre(
        { QStringLiteral("centre"), QStringLiteral("center") }, QString(), QStringLiteral("C"));
    const QCommandLineOption rim(QStringLiteral("rim"), QString(), QStringLiteral("C"));
    const QCommandLineOption sphere(QStringLiteral("sphere"), QString(), QStringLiteral("WxH"));
    const QCommandLineOption output(
        { QStringLiteral("o"), QStringLiteral("output") }, QString(), QStringLiteral("FILE"));
    const QCommandLineOption css(QStringLiteral("css"));
    parser.addOptions({ size, centre, rim, sphere, output, css });
    if (auto stop = cli::parseOptions(parser, kCommand, arguments, kHelp))
        return *stop;
    if (!parser.positionalArguments().isEmpty())
        return cli::usageError(kCommand,
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments()[0]));

    Request request;
    for (const auto &[option, name, target] :
        { std::tuple { &centre, QStringLiteral("--centre"), &request.centre },
            std::tuple { &rim, QStringLiteral("--rim"), &request.rim } }) {
        if (!parser.isSet(*option))
            return cli::usageError(kCommand, name + QStringLiteral(" is needed"));
        const auto colour = cli::parseColour(parser.value(*option));
        if (!colour)
            return cli::badValue(kCommand, name, parser.value(*option));
        *target = *colour;
    }
    if (!parser.isSet(sphere))
        return cli::usageError(kCommand, QStringLiteral("--sphere is needed"));
    const auto sphereSize = cli::parseSize(parser.value(sphere), kLargestSphere);
    if (!sphereSize)
        return cli::badValue(kCommand, QStringLiteral("--sphere"), parser.value(sphere));
    request.sphere = *sphereSize;

    request.css = parser.isSet(css);
    request.output = parser.value(output);
    if (parser.isSet(output) && request.output.isEmpty())
        return cli::badValue(kCommand, QStringLiteral("--output"), request.output);
    if (request.output.isEmpty() && !request.css)
        return cli::usageError(kCommand, QStringLiteral("-o FILE or --css is needed"));
    if (!request.output.isEmpty()) {
        if (!parser.isSet(size))
            return cli::usageError(kCommand, QStringLiteral("--size is needed"));
        const auto s = cli::parseSize(parser.value(size));
        if (!s || !picturefile::fitsDecodeBudget(*s))
            return cli::badValue(kCommand, QStringLiteral("--size"), parser.value(size));
        request.surface = *s;
    }
    return request;
}

int run(const QStringList &arguments)
{
    const cli::Parsed<Request> parsed = parse(arguments);
    if (const auto *stop = std::get_if<cli::Stop>(&parsed))
        return cli::finish(*stop);
    const Request &request = std::get<Request>(parsed);
    const modSpheric::SphereRect rect { 0, 0, request.sphere.width(), request.sphere.height() };
    modSpheric::SpherePlan plan;
    if (modSpheric::planSphere(
            rect, kPercentage, kStartAngle, kEndAngle, request.centre, request.rim, plan)
        != modSpheric::SphereError::None) {
        cli::printError(QStringLiteral("tintavo sphere: a sphere of %1 x %2 cannot be drawn\n")
                            .arg(request.sphere.width())
                            .arg(request.sphere.height()));
        return cli::Failure;
    }
    if (!request.output.isEmpty()) {
        QImage surface(request.surface, QImage::Format_RGB32);
        surface.fill(toQRgb(kSurfaceColour));
        const modSpheric::SphereError error = modSpheric::DrawSphere(surface, rect, kPercentage,
            kStartAngle, kEndAngle, request.centre, request.rim);
        if (error != modSpheric::SphereError::None) {
            cli::printError(QStringLiteral("tintavo sphere: the sphere could not be drawn\n"));
            return cli::Failure;
        }
        if (!bmpfile::save24(surface, request.output)) {
            cli::printError(
                QStringLiteral("tintavo sphere: could not write '%1'\n").arg(request.output));
            return cli::Failure;
        }
    }
    if (request.css)
        cli::printOut(spherecss::css(plan, request.centre, request.rim) + QLatin1Char('\n'));
    return cli::Success;
}

} // namespace spherecommand
