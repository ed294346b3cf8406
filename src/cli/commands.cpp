#include "cli/commands.h"

#include "cli/capturecommand.h"
#include "cli/clitexts.h"
#include "cli/colorcommand.h"
#include "cli/commandline.h"
#include "cli/contrastcommand.h"
#include "cli/editcommand.h"
#include "cli/gradientcommand.h"
#include "cli/iconcommand.h"
#include "cli/pickcommand.h"
#include "cli/spherecommand.h"
#include "platform/screenservices.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

namespace commands {

namespace {

// What a command needs to run: nothing of Qt's application, Qt's core (image readers found
// as plugins), fonts without any display (an SVG drawing may hold text), or the session's
// screen. Pictures are read, drawn and written without any
// platform at all, which keeps the start short.
enum class Needs { Nothing, Core, Gui, Screen };

template <Needs needs> Needs always(const QStringList &) { return needs; }

// The 32 x 32 icon needs Qt's core only; any picture at several sizes may be a drawing.
Needs iconNeeds(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        if (argument.startsWith(QLatin1String("--sizes"))
            || argument.startsWith(QLatin1String("--favicon-set")))
            return Needs::Gui;
    }
    return Needs::Core;
}

struct Command
{
    const char *name;
    Needs (*needs)(const QStringList &arguments);
    // Help and usage errors, before any application exists: they need no display either.
    std::optional<cli::Stop> (*check)(const QStringList &arguments);
    int (*run)(const QStringList &arguments);
};

template <auto parse> std::optional<cli::Stop> check(const QStringList &arguments)
{
    return cli::stopOf(parse(arguments));
}

const Command kCommands[] = {
    { "color", always<Needs::Nothing>, check<colorcommand::parse>, colorcommand::run },
    { "contrast", always<Needs::Nothing>, check<contrastcommand::parse>, contrastcommand::run },
    { "pick", always<Needs::Screen>, check<pickcommand::parse>, pickcommand::run },
    { "capture", always<Needs::Screen>, check<capturecommand::parse>, capturecommand::run },
    { "edit", always<Needs::Screen>, check<editcommand::parse>, editcommand::run },
    { "gradient", always<Needs::Core>, check<gradientcommand::parse>, gradientcommand::run },
    { "sphere", always<Needs::Core>, check<spherecommand::parse>, spherecommand::run },
    { "icon", iconNeeds, check<iconcommand::parse>, iconcommand::run },
};

const CaptionRow kHelp { "Help",
    "Usage: tintavo [COMMAND [OPTIONS]]\n"
    "\n"
    "Without a command, opens the launcher. Commands:\n"
    "  color VALUE      print a colour in every notation\n"
    "  contrast T B     how text of colour T reads on B (WCAG 2.2 and APCA)\n"
    "  pick             pick a colour on the screen with the pipette\n"
    "  capture          capture the screen, a region of it, or a region drawn\n"
    "  edit FILE        mark up a picture in the screenshot editor\n"
    "  gradient ...     draw a linear gradient into a bitmap\n"
    "  sphere ...       draw a spherical gradient into a bitmap\n"
    "  icon IN ...      convert a picture into a 32 x 32 icon, an icon of several sizes\n"
    "                   or the favicon set of a web site\n"
    "\n"
    "  -h, --help       show this help; 'tintavo COMMAND --help' for a command's\n"
    "  --version        show the version\n"
    "\n"
    "Exit status: 0 done, 1 failure, 2 bad arguments.\n",
    "Utilisation : tintavo [COMMANDE [OPTIONS]]\n"
    "\n"
    "Sans commande, ouvre le lanceur. Commandes :\n"
    "  color VALEUR     afficher une couleur dans toutes les notations\n"
    "  contrast T F     lisibilité d'un texte de couleur T sur F (WCAG 2.2 et APCA)\n"
    "  pick             choisir une couleur à l'écran avec la pipette\n"
    "  capture          capturer l'écran, une zone, ou une zone tracée\n"
    "  edit FICHIER     annoter une image dans l'éditeur de captures\n"
    "  gradient ...     dessiner un dégradé linéaire dans un bitmap\n"
    "  sphere ...       dessiner un dégradé sphérique dans un bitmap\n"
    "  icon E ...       convertir une image en icône 32 x 32, en icône de plusieurs\n"
    "                   tailles ou en jeu de favicons d'un site web\n"
    "\n"
    "  -h, --help       afficher cette aide ; « tintavo COMMANDE --help » pour une commande\n"
    "  --version        afficher la version\n"
    "\n"
    "Code de sortie : 0 fait, 1 échec, 2 arguments incorrects.\n",
    "Uso: tintavo [ORDEN [OPCIONES]]\n"
    "\n"
    "Sin orden, abre el lanzador. Órdenes:\n"
    "  color VALOR      mostrar un color en todas las notaciones\n"
    "  contrast T F     cómo se lee un texto de color T sobre F (WCAG 2.2 y APCA)\n"
    "  pick             elegir un color en la pantalla con la pipeta\n"
    "  capture          capturar la pantalla, una zona, o una zona trazada\n"
    "  edit ARCHIVO     anotar una imagen en el editor de capturas\n"
    "  gradient ...     dibujar un degradado lineal en un mapa de bits\n"
    "  sphere ...       dibujar un degradado esférico en un mapa de bits\n"
    "  icon E ...       convertir una imagen en un icono de 32 x 32, en un icono de\n"
    "                   varios tamaños o en el juego de favicons de un sitio web\n"
    "\n"
    "  -h, --help       mostrar esta ayuda; «tintavo ORDEN --help» para una orden\n"
    "  --version        mostrar la versión\n"
    "\n"
    "Estado de salida: 0 hecho, 1 fallo, 2 argumentos incorrectos.\n" };

const Command *find(const QString &name)
{
    for (const Command &c : kCommands)
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

QtMessageHandler qtDefaultHandler = nullptr;

void withoutRuntimeFolderWarning(
    QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg
        && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    qtDefaultHandler(type, context, message);
}

std::unique_ptr<QCoreApplication> makeApplication(Needs needs, int &argc, char **argv)
{
    // Fonts need no screen: drawings with text run over SSH and in CI. Where no session made a
    // runtime folder (cron, CI), Qt would say so on standard error although nothing here uses
    // one.
    if (needs == Needs::Gui) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
            qtDefaultHandler = qInstallMessageHandler(withoutRuntimeFolderWarning);
    }
    switch (needs) {
    case Needs::Nothing:
        return nullptr;
    case Needs::Core:
        return std::make_unique<QCoreApplication>(argc, argv);
    case Needs::Gui:
        return std::make_unique<QGuiApplication>(argc, argv);
    case Needs::Screen:
        return std::make_unique<QApplication>(argc, argv);
    }
    return nullptr;
}

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

bool wanted(int argc, char **argv)
{
    const QStringList arguments = argumentsOf(argc, argv);
    if (arguments.isEmpty())
        return false;
    const QString &first = arguments.first();
    return !first.startsWith(QLatin1Char('-')) || first == QLatin1String("--help")
        || first == QLatin1String("-h") || first == QLatin1String("--version");
}

int run(int &argc, char **argv)
{
    const QStringList arguments = argumentsOf(argc, argv);
    const QString first = arguments.value(0);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        cli::printOut(cli::say(kHelp));
        return cli::Success;
    }
    if (first == QLatin1String("--version")) {
        cli::printOut(QStringLiteral("tintavo " TINTAVO_VERSION "\n"));
        return cli::Success;
    }
    const Command *command = find(first);
    if (!command) {
        cli::printError(QStringLiteral("tintavo: %1\n%2\n")
                            .arg(cli::say(clitexts::kUnknownCommand).arg(first),
                                cli::say(clitexts::kTryMainHelp)));
        return cli::UsageError;
    }
    if (const auto stop = command->check(arguments.mid(1)))
        return cli::finish(*stop);
    const Needs needs = command->needs(arguments.mid(1));
    if (needs == Needs::Screen && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return cli::failure(first, cli::say(clitexts::kNoSession));
    }
    const auto application = makeApplication(needs, argc, argv);
    if (application)
        application->setApplicationName(QStringLiteral("Tintavo"));
    std::unique_ptr<ScreenServices> services;
    if (needs == Needs::Screen) {
        // Overlays come and go while the command runs; it ends when the command says so.
        QApplication::setQuitOnLastWindowClosed(false);
        services = ScreenServices::forSession();
        ScreenServices::install(services.get());
    }
    return command->run(arguments.mid(1));
}

} // namespace commands
