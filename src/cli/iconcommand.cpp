#include "cli/iconcommand.h"

#include "base/colorconv.h"
#include "cli/clitexts.h"
#include "icon/faviconset.h"
#include "icon/iconsource.h"
#include "icon/modpic2ico.h"
#include "icon/multiicon.h"
#include "icon/picturefile.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace iconcommand {

namespace {

const QString kCommand = QStringLiteral("icon");

constexpr int kDepths[] = { 1, 4, 8, 16, 24, 32 };

const CaptionRow kHelp { "Help",
    "Usage: tintavo icon IN -o OUT.ico [--depth 1|4|8|16|24|32] [--transparent C]\n"
    "       tintavo icon IN -o OUT.ico --sizes 16,32,48,256 [--crop]\n"
    "       tintavo icon IN --favicon-set DIR [--background C] [--name NAME] [--crop] [--force]\n"
    "\n"
    "Converts the top-left 32 x 32 pixels of a picture (BMP, PNG, GIF, JPEG, ...) into an\n"
    "icon, as the converter window does. With --sizes, the whole picture (also SVG) becomes\n"
    "an icon of those sizes; with --favicon-set, a web site's icon files, and the <link>\n"
    "lines for its pages are printed.\n"
    "\n"
    "Options:\n"
    "  -o, --output FILE    the icon to write\n"
    "  --depth N            bits per pixel: 1, 4, 8 (the default), 16, 24 or 32\n"
    "  --transparent C      the colour made transparent (default: the picture's top-left\n"
    "                       pixel), in any notation the picker reads\n"
    "  --sizes LIST         sizes among 16, 24, 32, 48, 64, 128 and 256\n"
    "  --favicon-set DIR    favicon.ico, apple-touch-icon.png, icon-192.png, icon-512.png\n"
    "                       and site.webmanifest into DIR\n"
    "  --background C       behind the touch icon, which is opaque (default: white), and the\n"
    "                       colour of the installed site's window\n"
    "  --name NAME          the site's name in the manifest (default: the picture's file\n"
    "                       name without extension); home screens show its first 12\n"
    "                       characters, cut at a space where one is near\n"
    "  --crop               crop a picture that is not square (default: centre it)\n"
    "  --force              replace the set's files already in DIR\n"
    "  -h, --help           show this help\n",
    "Utilisation : tintavo icon ENTRÉE -o SORTIE.ico [--depth 1|4|8|16|24|32] [--transparent C]\n"
    "              tintavo icon ENTRÉE -o SORTIE.ico --sizes 16,32,48,256 [--crop]\n"
    "              tintavo icon ENTRÉE --favicon-set DOSSIER [--background C] [--name NOM]\n"
    "                                  [--crop] [--force]\n"
    "\n"
    "Convertit les 32 x 32 pixels en haut à gauche d'une image (BMP, PNG, GIF, JPEG...) en\n"
    "icône, comme la fenêtre de conversion. Avec --sizes, toute l'image (SVG aussi) devient\n"
    "une icône de ces tailles ; avec --favicon-set, les fichiers d'icônes d'un site web, et\n"
    "les lignes <link> de ses pages sont affichées.\n"
    "\n"
    "Options :\n"
    "  -o, --output FICHIER l'icône à écrire\n"
    "  --depth N            bits par pixel : 1, 4, 8 (par défaut), 16, 24 ou 32\n"
    "  --transparent C      la couleur rendue transparente (par défaut : le pixel en haut à\n"
    "                       gauche de l'image), dans toute notation que lit la pipette\n"
    "  --sizes LISTE        tailles parmi 16, 24, 32, 48, 64, 128 et 256\n"
    "  --favicon-set DOSSIER favicon.ico, apple-touch-icon.png, icon-192.png, icon-512.png\n"
    "                       et site.webmanifest dans DOSSIER\n"
    "  --background C       derrière l'icône tactile, qui est opaque (par défaut : blanc), et\n"
    "                       couleur de la fenêtre du site installé\n"
    "  --name NOM           le nom du site dans le manifeste (par défaut : le nom du fichier\n"
    "                       image sans extension) ; les écrans d'accueil en montrent les 12\n"
    "                       premiers caractères, coupés à une espace proche s'il y en a une\n"
    "  --crop               rogner une image non carrée (par défaut : la centrer)\n"
    "  --force              remplacer les fichiers du jeu déjà dans DOSSIER\n"
    "  -h, --help           afficher cette aide\n",
    "Uso: tintavo icon ENTRADA -o SALIDA.ico [--depth 1|4|8|16|24|32] [--transparent C]\n"
    "     tintavo icon ENTRADA -o SALIDA.ico --sizes 16,32,48,256 [--crop]\n"
    "     tintavo icon ENTRADA --favicon-set CARPETA [--background C] [--name NOMBRE]\n"
    "                                [--crop] [--force]\n"
    "\n"
    "Convierte los 32 x 32 píxeles de arriba a la izquierda de una imagen (BMP, PNG, GIF,\n"
    "JPEG...) en un icono, como la ventana de conversión. Con --sizes, toda la imagen\n"
    "(también SVG) se vuelve un icono de esos tamaños; con --favicon-set, los archivos de\n"
    "iconos de un sitio web, y se muestran las líneas <link> de sus páginas.\n"
    "\n"
    "Opciones:\n"
    "  -o, --output ARCHIVO el icono que escribir\n"
    "  --depth N            bits por píxel: 1, 4, 8 (por defecto), 16, 24 o 32\n"
    "  --transparent C      el color que se vuelve transparente (por defecto: el píxel de\n"
    "                       arriba a la izquierda), en cualquier notación que lea la pipeta\n"
    "  --sizes LISTA        tamaños entre 16, 24, 32, 48, 64, 128 y 256\n"
    "  --favicon-set CARPETA favicon.ico, apple-touch-icon.png, icon-192.png, icon-512.png\n"
    "                       y site.webmanifest en CARPETA\n"
    "  --background C       detrás del icono táctil, que es opaco (por defecto: blanco), y\n"
    "                       color de la ventana del sitio instalado\n"
    "  --name NOMBRE        el nombre del sitio en el manifiesto (por defecto: el nombre del\n"
    "                       archivo de imagen sin extensión); las pantallas de inicio muestran\n"
    "                       sus 12 primeros caracteres, cortados en un espacio cercano si lo hay\n"
    "  --crop               recortar una imagen no cuadrada (por defecto: centrarla)\n"
    "  --force              reemplazar los archivos del juego ya presentes en CARPETA\n"
    "  -h, --help           mostrar esta ayuda\n" };

} // namespace

cli::Parsed<Request> parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption output = cli::outputOption();
    const QCommandLineOption depth(QStringLiteral("depth"), QString(), QStringLiteral("N"));
    const QCommandLineOption transparent(
        QStringLiteral("transparent"), QString(), QStringLiteral("C"));
    const QCommandLineOption sizes(QStringLiteral("sizes"), QString(), QStringLiteral("LIST"));
    const QCommandLineOption favicon(
        QStringLiteral("favicon-set"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption background(
        QStringLiteral("background"), QString(), QStringLiteral("C"));
    const QCommandLineOption name(QStringLiteral("name"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption crop(QStringLiteral("crop"));
    const QCommandLineOption force(QStringLiteral("force"));
    parser.addOptions(
        { output, depth, transparent, sizes, favicon, background, name, crop, force });
    if (auto stop = cli::parseOptions(parser, kCommand, arguments, cli::say(kHelp), true))
        return *stop;

    const cli::Parsed<QString> input = cli::inputPicture(parser, kCommand);
    if (const auto *stop = std::get_if<cli::Stop>(&input))
        return *stop;
    Request request;
    request.input = std::get<QString>(input);

    // The options of one way through refuse those of the others.
    const bool modern = parser.isSet(sizes) || parser.isSet(favicon);
    if (parser.isSet(sizes) && parser.isSet(favicon))
        return cli::usageError(kCommand,
            cli::say(clitexts::kExclusive)
                .arg(QStringLiteral("--sizes"), QStringLiteral("--favicon-set")));
    for (const auto &[option, name] :
        { std::pair { &depth, "--depth" }, std::pair { &transparent, "--transparent" } }) {
        if (modern && parser.isSet(*option))
            return cli::usageError(
                kCommand, cli::say(clitexts::kClassicOnly).arg(QLatin1String(name)));
    }
    for (const auto &[option, optionName] :
        { std::pair { &crop, "--crop" }, std::pair { &background, "--background" },
            std::pair { &force, "--force" }, std::pair { &name, "--name" } }) {
        if (!modern && parser.isSet(*option))
            return cli::usageError(
                kCommand, cli::say(clitexts::kModernOnly).arg(QLatin1String(optionName)));
    }
    for (const auto &[option, optionName] : { std::pair { &background, "--background" },
             std::pair { &force, "--force" }, std::pair { &name, "--name" } }) {
        if (parser.isSet(sizes) && parser.isSet(*option))
            return cli::usageError(
                kCommand, cli::say(clitexts::kSetOnly).arg(QLatin1String(optionName)));
    }
    if (parser.isSet(crop))
        request.fit = sourcepicture::Fit::Crop;
    request.replace = parser.isSet(force);

    if (parser.isSet(sizes)) {
        for (const QString &part : parser.value(sizes).split(QLatin1Char(','))) {
            bool ok = false;
            const int size = part.trimmed().toInt(&ok);
            if (!ok || !multiicon::isIconSize(size))
                return cli::badValue(kCommand, QStringLiteral("--sizes"), parser.value(sizes));
            if (!request.sizes.contains(size))
                request.sizes.append(size);
        }
    }
    if (parser.isSet(background)) {
        const std::optional<int32_t> colour
            = cli::parseColour(parser.value(background), request.notes);
        if (!colour)
            return cli::badValue(
                kCommand, QStringLiteral("--background"), parser.value(background));
        request.background = *colour;
    }
    if (parser.isSet(name)) {
        request.name = parser.value(name).trimmed();
        if (request.name.isEmpty())
            return cli::badValue(kCommand, QStringLiteral("--name"), parser.value(name));
    }
    if (parser.isSet(favicon)) {
        request.faviconFolder = parser.value(favicon);
        if (request.faviconFolder.isEmpty())
            return cli::badValue(kCommand, QStringLiteral("--favicon-set"), request.faviconFolder);
        if (parser.isSet(output))
            return cli::usageError(kCommand,
                cli::say(clitexts::kExclusive)
                    .arg(QStringLiteral("-o"), QStringLiteral("--favicon-set")));
        return request;
    }

    if (parser.isSet(depth)) {
        bool ok = false;
        request.depth = parser.value(depth).toInt(&ok);
        if (!ok
            || std::find(std::begin(kDepths), std::end(kDepths), request.depth)
                == std::end(kDepths))
            return cli::badValue(kCommand, QStringLiteral("--depth"), parser.value(depth));
    }
    if (parser.isSet(transparent)) {
        request.transparent = cli::parseColour(parser.value(transparent), request.notes);
        if (!request.transparent)
            return cli::badValue(
                kCommand, QStringLiteral("--transparent"), parser.value(transparent));
    }
    request.output = parser.value(output);
    if (request.output.isEmpty())
        return cli::usageError(kCommand, cli::say(clitexts::kIconNeeded));
    return request;
}

namespace {

// The multi-size icon or the favicon set.
int runModern(const Request &request)
{
    const sourcepicture::Result loaded = sourcepicture::load(request.input);
    if (loaded.error == sourcepicture::Error::TooLarge) {
        return cli::failure(kCommand,
            cli::say(clitexts::kPictureTooLarge)
                .arg(request.input)
                .arg(loaded.size.width())
                .arg(loaded.size.height())
                .arg(sourcepicture::kMaxSide)
                .arg(sourcepicture::kMaxDecodedBytes >> 20));
    }
    if (loaded.error != sourcepicture::Error::None)
        return cli::failure(kCommand, cli::say(clitexts::kNotAPicture).arg(request.input));

    if (!request.sizes.isEmpty()) {
        const QByteArray bytes = multiicon::icoBytes(
            multiicon::entriesFor(loaded.picture, request.sizes, request.fit));
        return int(cli::writeFile(kCommand, request.output, bytes) ? cli::Success : cli::Failure);
    }

    const QList<faviconset::File> files
        = faviconset::build(loaded.picture, request.fit, toQColor(request.background).rgb(),
            faviconset::siteName(request.name, QFileInfo(request.input).completeBaseName()));
    if (files.isEmpty())
        return cli::failure(kCommand, cli::say(clitexts::kNotAPicture).arg(request.input));
    const QString folder = request.faviconFolder;
    // The folder is made only once there is something to put in it.
    std::error_code madeFolder;
    std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), madeFolder);
    if (madeFolder) {
        return cli::failure(kCommand,
            cli::say(clitexts::kCouldNotWrite)
                .arg(folder, QString::fromLocal8Bit(madeFolder.message().c_str())));
    }
    const faviconset::WriteResult written = faviconset::write(folder, files, request.replace);
    switch (written.status) {
    case faviconset::WriteResult::Status::Written:
        cli::printOut(faviconset::linkLines() + QLatin1Char('\n'));
        return int(cli::Success);
    case faviconset::WriteResult::Status::NeedsConfirmation:
        return cli::failure(kCommand,
            cli::say(clitexts::kWouldReplace)
                .arg(folder, written.existing.join(QStringLiteral(", "))));
    case faviconset::WriteResult::Status::Failed:
        break;
    }
    return cli::failure(kCommand,
        cli::say(clitexts::kCouldNotWrite)
            .arg(QDir(folder).filePath(written.failedFile), written.reason));
}

} // namespace

int run(const QStringList &arguments)
{
    return cli::runParsed(parse(arguments), [](const Request &request) {
        cli::sayNotes(kCommand, request.notes);
        // A name that leads nowhere and a file that holds no picture are different mistakes.
        if (const auto problem = cli::inputProblem(request.input))
            return cli::failure(kCommand, *problem);
        if (!request.sizes.isEmpty() || !request.faviconFolder.isEmpty())
            return runModern(request);
        const QImage picture = picturefile::load(request.input);
        if (picture.isNull())
            return cli::failure(kCommand, cli::say(clitexts::kNotAPicture).arg(request.input));
        const int32_t transparent
            = request.transparent.value_or(iconsource::proposedTransparentColor(picture));
        const QByteArray bytes = modPic2Ico::iconFileBytes(iconsource::sourcePixels(picture),
            iconsource::kIconSize, request.depth, transparent, true);
        return int(cli::writeFile(kCommand, request.output, bytes) ? cli::Success : cli::Failure);
    });
}

} // namespace iconcommand
