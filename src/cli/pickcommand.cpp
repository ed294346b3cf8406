#include "cli/pickcommand.h"

#include "base/colorconv.h"
#include "cli/clitexts.h"
#include "cli/colorcommand.h"
#include "picker/pipettesession.h"
#include "picker/quickpick.h"
#include "platform/clipboard.h"
#include "platform/screen.h"
#include "platform/screenservices.h"
#include "platform/settingsstore.h"
#include "ui/appstate.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QGuiApplication>

namespace pickcommand {

namespace {

const QString kCommand = QStringLiteral("pick");

const CaptionRow kHelp { "Help",
    "Usage: tintavo pick [--copy] [--format F]... [--template T]...\n"
    "\n"
    "Freezes the screen and shows the pipette with its loupe: the arrow keys move one pixel\n"
    "(Shift: ten), a click or Enter picks, Esc cancels (exit status 1). Prints the colour as\n"
    "hex, or in the chosen notations, one per line.\n"
    "\n"
    "Options:\n"
    "  --copy           also copy it, in the notation the picker copies automatically (or the\n"
    "                   chosen ones), serve it until another program takes the clipboard, and\n"
    "                   show it in a desktop notification where the desktop has them\n"
    "  -f, --format F   print this notation (repeat, or separate with commas); F may also be\n"
    "                   'name' or the name of a format of your own made in the picker\n"
    "  --template T     print the colour through this template, such as '--brand: %hex;'\n"
    "  -h, --help       show this help\n"
    "\n",
    "Utilisation : tintavo pick [--copy] [--format F]... [--template T]...\n"
    "\n"
    "Fige l'écran et montre la pipette avec sa loupe : les flèches déplacent d'un pixel\n"
    "(Maj : dix), un clic ou Entrée choisit, Échap annule (code de sortie 1). Affiche la couleur\n"
    "en hexadécimal, ou dans les notations choisies, une par ligne.\n"
    "\n"
    "Options :\n"
    "  --copy           la copier aussi, dans la notation que la pipette copie d'elle-même (ou\n"
    "                   celles choisies), la servir jusqu'à ce qu'un autre programme prenne le\n"
    "                   presse-papiers, et la montrer dans une notification du bureau\n"
    "  -f, --format F   afficher cette notation (à répéter, ou séparées par des virgules) ;\n"
    "                   F peut aussi être « name » ou le nom d'un format personnel de la pipette\n"
    "  --template T     afficher la couleur selon ce modèle, par exemple « --brand: %hex; »\n"
    "  -h, --help       afficher cette aide\n"
    "\n",
    "Uso: tintavo pick [--copy] [--format F]... [--template T]...\n"
    "\n"
    "Congela la pantalla y muestra la pipeta con su lupa: las flechas mueven un píxel\n"
    "(Mayús: diez), un clic o Intro elige, Esc cancela (estado de salida 1). Muestra el color\n"
    "en hexadecimal, o en las notaciones elegidas, una por línea.\n"
    "\n"
    "Opciones:\n"
    "  --copy           copiarlo también, en la notación que la pipeta copia sola (o las\n"
    "                   elegidas), servirlo hasta que otro programa tome el portapapeles, y\n"
    "                   mostrarlo en una notificación del escritorio\n"
    "  -f, --format F   mostrar esta notación (repetida, o separadas por comas); F también puede\n"
    "                   ser «name» o el nombre de un formato propio de la pipeta\n"
    "  --template T     mostrar el color con esta plantilla, como «--brand: %hex;»\n"
    "  -h, --help       mostrar esta ayuda\n"
    "\n" };

QString shown(int32_t colour, QList<colorcommand::Format> formats)
{
    if (formats.isEmpty())
        formats.append({ QStringLiteral("hex") });
    return colorcommand::output(colorcommand::Request { colour, formats });
}

// The pipette on a frozen copy of the desktop; prints what is picked.
class Pick : public QObject
{
public:
    explicit Pick(const Request &request)
        : m_request(request)
    {
        connect(&m_pipette, &PipetteSession::picked, this, [this](QPoint at) {
            const QImage pixel = m_pipette.readerFor(at)(QRect(at, QSize(1, 1)));
            print(fromQRgb(pixel.pixel(0, 0)));
        });
        connect(&m_pipette, &PipetteSession::colourPicked, this, &Pick::print);
        connect(&m_pipette, &PipetteSession::cancelled, this, &Pick::cancelled);
        connect(&m_pipette, &PipetteSession::failed, this, &Pick::failed);
    }

    // The primary monitor's overlay takes the keyboard.
    void start() { m_pipette.startFrozen(keyboardAt()); }

    static QPoint keyboardAt()
    {
        return ScreenServices::current().screen().primaryArea().logical.center();
    }
    static void cancelled()
    {
        QCoreApplication::exit(cli::failure(kCommand, cli::say(clitexts::kCancelled)));
    }
    static void failed()
    {
        QCoreApplication::exit(cli::failure(kCommand, cli::say(clitexts::kScreenUnread)));
    }

private:
    void print(int32_t colour)
    {
        cli::printOut(shown(colour, m_request.formats));
        QCoreApplication::exit(cli::Success);
    }

    Request m_request;
    PipetteSession m_pipette;
};

// The pick that copies: ends once the desktop has the notification and another program has
// taken the clipboard.
int pickAndCopy(const Request &request)
{
    SettingsStore store;
    AppState state(store);
    QuickPick pick(state);
    pick.setLanguage(cli::language());
    if (!request.formats.isEmpty())
        pick.setTextOf([formats = request.formats](
                           int32_t colour) { return shown(colour, formats).trimmed(); });
    int waiting = 2;
    auto oneLess = [&waiting] {
        if (--waiting == 0)
            QCoreApplication::exit(cli::Success);
    };
    QObject::connect(&pick, &QuickPick::copied, &pick, [&](int32_t, const QString &text) {
        cli::printOut(text + QLatin1Char('\n'));
        ScreenServices::current().clipboard().whenReplaced(&pick, oneLess);
    });
    QObject::connect(&pick, &QuickPick::notified, &pick, oneLess);
    QObject::connect(&pick, &QuickPick::cancelled, &pick, &Pick::cancelled);
    QObject::connect(&pick, &QuickPick::failed, &pick, &Pick::failed);
    pick.start(Pick::keyboardAt());
    return QApplication::exec();
}

} // namespace

cli::Parsed<Request> parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption copy(QStringLiteral("copy"));
    parser.addOptions(colorcommand::formatOptions());
    parser.addOption(copy);
    if (auto stop = cli::parseOptions(parser, kCommand, arguments,
            cli::say(kHelp) + QString::fromLatin1(colorcommand::kFormatHelp)
                + colourtemplate::placeholderHelp(cli::language())))
        return *stop;
    const cli::Parsed<QList<colorcommand::Format>> formats
        = colorcommand::formatsOf(kCommand, parser);
    if (const auto *stop = std::get_if<cli::Stop>(&formats))
        return *stop;
    return Request { std::get<QList<colorcommand::Format>>(formats), parser.isSet(copy) };
}

int run(const QStringList &arguments)
{
    return cli::runParsed(parse(arguments), [](const Request &request) {
        if (request.copy)
            return pickAndCopy(request);
        Pick pick(request);
        pick.start();
        return QApplication::exec();
    });
}

} // namespace pickcommand
