#include "cli/spherecommand.h"

#include "base/colorconv.h"
#include "cli/clitexts.h"
#include "gradient/bmpfile.h"
#include "gradient/modspheric.h"
#include "gradient/spherecss.h"

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

const CaptionRow kHelp { "Help",
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
    "  -h, --help           show this help\n",
    "Utilisation : tintavo sphere --size LxH --centre C --rim C --sphere LxH -o FICHIER [--css]\n"
    "\n"
    "Dessine la sphère de la fenêtre des dégradés sphériques sur une surface de L x H pixels\n"
    "et l'enregistre comme elle : un bitmap Windows 24 bits.\n"
    "\n"
    "Options :\n"
    "  --size LxH           la surface de dessin en pixels\n"
    "  --centre C           la couleur du centre, dans toute notation que lit la pipette\n"
    "  --rim C              la couleur du bord\n"
    "  --sphere LxH         largeur et hauteur de la sphère, comme dans les cases de la fenêtre\n"
    "  -o, --output FICHIER le bitmap à écrire\n"
    "  --css                afficher la sphère en CSS\n"
    "  -h, --help           afficher cette aide\n",
    "Uso: tintavo sphere --size ANxAL --centre C --rim C --sphere ANxAL -o ARCHIVO [--css]\n"
    "\n"
    "Dibuja la esfera de la ventana de degradados esféricos sobre una superficie de AN x AL\n"
    "píxeles y la guarda como ella: un mapa de bits de Windows de 24 bits.\n"
    "\n"
    "Opciones:\n"
    "  --size ANxAL         la superficie de dibujo en píxeles\n"
    "  --centre C           el color del centro, en cualquier notación que lea la pipeta\n"
    "  --rim C              el color del borde\n"
    "  --sphere ANxAL       ancho y alto de la esfera, como en las casillas de la ventana\n"
    "  -o, --output ARCHIVO el mapa de bits que escribir\n"
    "  --css                mostrar la esfera en CSS\n"
    "  -h, --help           mostrar esta ayuda\n" };

} // namespace

cli::Parsed<Request> parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption centre(
        QStringList { QStringLiteral("centre"), QStringLiteral("center") }, QString(),
        QStringLiteral("C"));
    const QCommandLineOption rim(QStringLiteral("rim"), QString(), QStringLiteral("C"));
    const QCommandLineOption sphere(QStringLiteral("sphere"), QString(), QStringLiteral("WxH"));
    parser.addOptions({ centre, rim, sphere });
    parser.addOptions(cli::drawingOptions());
    if (auto stop = cli::parseOptions(parser, kCommand, arguments, cli::say(kHelp)))
        return *stop;

    Request request;
    for (const auto &[option, name, into] :
        { std::tuple { &centre, QStringLiteral("--centre"), &request.centre },
            std::tuple { &rim, QStringLiteral("--rim"), &request.rim } }) {
        if (!parser.isSet(*option))
            return cli::usageError(kCommand, cli::say(clitexts::kNeeded).arg(name));
        const auto colour = cli::parseColour(parser.value(*option), request.notes);
        if (!colour)
            return cli::badValue(kCommand, name, parser.value(*option));
        *into = *colour;
    }
    if (!parser.isSet(sphere))
        return cli::usageError(
            kCommand, cli::say(clitexts::kNeeded).arg(QStringLiteral("--sphere")));
    if (auto stop = cli::readSize(kCommand, QStringLiteral("--sphere"), parser.value(sphere),
            kLargestSphere, false, request.sphere))
        return *stop;

    if (auto stop = cli::readDrawingOutput(parser, kCommand, request.target))
        return *stop;
    return request;
}

int run(const QStringList &arguments)
{
    return cli::runParsed(parse(arguments), [](const Request &request) {
        cli::sayNotes(kCommand, request.notes);
        const modSpheric::SphereRect rect { 0, 0, request.sphere.width(), request.sphere.height() };
        modSpheric::SpherePlan plan;
        if (modSpheric::planSphere(
                rect, kPercentage, kStartAngle, kEndAngle, request.centre, request.rim, plan)
            != modSpheric::SphereError::None)
            return cli::failure(kCommand,
                cli::say(clitexts::kSphereTooLarge)
                    .arg(request.sphere.width())
                    .arg(request.sphere.height()));
        const cli::DrawingOutput &target = request.target;
        if (!target.output.isEmpty()) {
            QImage surface(target.size, QImage::Format_RGB32);
            surface.fill(toQRgb(kSurfaceColour));
            if (modSpheric::DrawSphere(
                    surface, rect, kPercentage, kStartAngle, kEndAngle, request.centre, request.rim)
                != modSpheric::SphereError::None)
                return cli::failure(kCommand, cli::say(clitexts::kSphereFailed));
            if (!cli::writeFile(kCommand, target.output, bmpfile::encode24(surface)))
                return int(cli::Failure);
        }
        if (target.css)
            cli::printOut(spherecss::css(plan, request.centre, request.rim, kSurfaceColour)
                + QLatin1Char('\n'));
        return int(cli::Success);
    });
}

} // namespace spherecommand
