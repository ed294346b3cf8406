#include "cli/capturecommand.h"

#include "capture/captureformat.h"
#include "capture/lastregion.h"
#include "capture/modcapture.h"
#include "capture/pinwindow.h"
#include "capture/regionsession.h"
#include "cli/clitexts.h"
#include "colour/colourhistory.h"
#include "platform/clipboard.h"
#include "platform/filesave.h"
#include "platform/screen.h"
#include "platform/screenservices.h"
#include "platform/settingsstore.h"
#include "ui/appstate.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QFileInfo>
#include <QTimer>

namespace capturecommand {

namespace {

const QString kCommand = QStringLiteral("capture");

const CaptionRow kHelp { "Help",
    "Usage: tintavo capture [--region X,Y,W,H | --select | --edit | --last-region\n"
    "                       | --window [--no-decorations]] [--pin] [--delay S] [-o FILE]\n"
    "                       [--quality Q] [--clipboard]\n"
    "\n"
    "Captures the whole desktop, a region of it, a region drawn with the mouse (Ctrl and\n"
    "drag, Esc cancels), or the active window. The format follows the file's extension: .bmp,\n"
    ".gif, .jpg or .jpeg, .png, .tif or .tiff, .webp (lossless unless --quality is given).\n"
    "Without -o and --clipboard, a PNG goes to standard output.\n"
    "\n"
    "Options:\n"
    "  --region X,Y,W,H     the region in physical pixels of the desktop\n"
    "  --select             draw the region on a frozen copy of the screen\n"
    "  --edit               the screenshot editor: drag a region, mark it up, then Enter\n"
    "                       copies it (served until another program takes the clipboard)\n"
    "                       and Ctrl+S saves it as Tintavo_DATE_TIME.png in the save folder\n"
    "                       (or as FILE with -o); Ctrl+P pins it\n"
    "  --pin                pin the picture to the screen in a window kept in front (drag\n"
    "                       moves it, the wheel zooms, Ctrl+C copies, Esc closes) instead\n"
    "                       of writing it; the command ends with its last pin\n"
    "  --last-region        the region last drawn, here or in the Screenshot window\n"
    "  --window             the active window with its frame; on Wayland, what is chosen\n"
    "                       in the desktop's own screenshot dialog\n"
    "  --no-decorations     the window's inside only, without its frame\n"
    "  --delay S            wait S seconds first (time to bring a window to the front)\n"
    "  -o, --output FILE    the picture to write\n"
    "  --quality Q          JPEG or WebP quality, 0 (smallest) to 100\n"
    "  --clipboard          put the picture on the clipboard and serve it until another\n"
    "                       program takes the clipboard (a clipboard manager does at once)\n"
    "  -h, --help           show this help\n",
    "Utilisation : tintavo capture [--region X,Y,L,H | --select | --edit | --last-region\n"
    "                              | --window [--no-decorations]] [--pin] [--delay S]\n"
    "                              [-o FICHIER] [--quality Q] [--clipboard]\n"
    "\n"
    "Capture tout le bureau, une zone, une zone tracée à la souris (Ctrl et glisser, Échap\n"
    "annule), ou la fenêtre active. Le format suit l'extension du fichier : .bmp, .gif, .jpg\n"
    "ou .jpeg, .png, .tif ou .tiff, .webp (sans perte sauf avec --quality). Sans -o ni\n"
    "--clipboard, un PNG part sur la sortie standard.\n"
    "\n"
    "Options :\n"
    "  --region X,Y,L,H     la zone en pixels physiques du bureau\n"
    "  --select             tracer la zone sur une copie figée de l'écran\n"
    "  --edit               l'éditeur de captures : glisser une zone, l'annoter, puis Entrée\n"
    "                       la copie (servie jusqu'à ce qu'un autre programme prenne le\n"
    "                       presse-papiers) et Ctrl+S l'enregistre en Tintavo_DATE_HEURE.png\n"
    "                       dans le dossier d'enregistrement (ou en FICHIER avec -o) ;\n"
    "                       Ctrl+P l'épingle\n"
    "  --pin                épingler l'image à l'écran dans une fenêtre gardée devant\n"
    "                       (glisser la déplace, la molette zoome, Ctrl+C copie, Échap\n"
    "                       ferme) au lieu de l'écrire ; la commande finit avec sa dernière\n"
    "                       épingle\n"
    "  --last-region        la dernière zone tracée, ici ou dans la fenêtre Screenshot\n"
    "  --window             la fenêtre active avec son cadre ; sous Wayland, ce qui est\n"
    "                       choisi dans le dialogue de capture du bureau\n"
    "  --no-decorations     l'intérieur de la fenêtre seul, sans son cadre\n"
    "  --delay S            attendre d'abord S secondes (le temps d'amener une fenêtre devant)\n"
    "  -o, --output FICHIER l'image à écrire\n"
    "  --quality Q          qualité JPEG ou WebP, de 0 (le plus petit) à 100\n"
    "  --clipboard          mettre l'image dans le presse-papiers et la servir jusqu'à ce\n"
    "                       qu'un autre programme le prenne (un gestionnaire le fait aussitôt)\n"
    "  -h, --help           afficher cette aide\n",
    "Uso: tintavo capture [--region X,Y,AN,AL | --select | --edit | --last-region\n"
    "                    | --window [--no-decorations]] [--pin] [--delay S] [-o ARCHIVO]\n"
    "                    [--quality Q] [--clipboard]\n"
    "\n"
    "Captura todo el escritorio, una zona, una zona trazada con el ratón (Ctrl y arrastrar,\n"
    "Esc cancela), o la ventana activa. El formato sigue la extensión del archivo: .bmp, .gif,\n"
    ".jpg o .jpeg, .png, .tif o .tiff, .webp (sin pérdida salvo con --quality). Sin -o ni\n"
    "--clipboard, un PNG sale por la salida estándar.\n"
    "\n"
    "Opciones:\n"
    "  --region X,Y,AN,AL   la zona en píxeles físicos del escritorio\n"
    "  --select             trazar la zona sobre una copia congelada de la pantalla\n"
    "  --edit               el editor de capturas: arrastrar una zona, anotarla; Intro la\n"
    "                       copia (servida hasta que otro programa tome el portapapeles) y\n"
    "                       Ctrl+S la guarda como Tintavo_FECHA_HORA.png en la carpeta de\n"
    "                       guardado (o como ARCHIVO con -o); Ctrl+P la fija\n"
    "  --pin                fijar la imagen en la pantalla en una ventana siempre delante\n"
    "                       (arrastrar la mueve, la rueda amplía, Ctrl+C copia, Esc cierra)\n"
    "                       en lugar de escribirla; la orden termina con su última ventana\n"
    "  --last-region        la última zona trazada, aquí o en la ventana Screenshot\n"
    "  --window             la ventana activa con su marco; en Wayland, lo que se elija en\n"
    "                       el diálogo de captura del escritorio\n"
    "  --no-decorations     solo el interior de la ventana, sin su marco\n"
    "  --delay S            esperar antes S segundos (tiempo para traer una ventana al frente)\n"
    "  -o, --output ARCHIVO la imagen que escribir\n"
    "  --quality Q          calidad JPEG o WebP, de 0 (la más pequeña) a 100\n"
    "  --clipboard          poner la imagen en el portapapeles y servirla hasta que otro\n"
    "                       programa lo tome (un gestor de portapapeles lo hace enseguida)\n"
    "  -h, --help           mostrar esta ayuda\n" };

// What runs in the event loop: waits, reads the screen, lets the user draw a region if asked,
// writes the picture and ends the loop with the exit status.
class Capture : public QObject
{
public:
    explicit Capture(const Request &request)
        : m_request(request)
    {
        connect(&m_region, &RegionSession::captured, this, [this](const QImage &region) {
            if (region.isNull())
                return fail(cli::say(clitexts::kEmptyRegion));
            // Kept for --last-region, as the capture window keeps its own selections.
            SettingsStore store;
            lastregion::write(store, m_region.lastRegion());
            finish(region);
        });
        connect(&m_region, &RegionSession::edited, this, &Capture::edited);
        connect(&m_region, &RegionSession::cancelled, this,
            [this] { fail(cli::say(clitexts::kCancelled)); });
        connect(&m_region, &RegionSession::failed, this,
            [this] { fail(cli::say(clitexts::kScreenUnread)); });
    }

    void start()
    {
        // A coarse timer may end a long delay a few percent early: the user counts on it.
        QTimer::singleShot(m_request.delayMs, Qt::PreciseTimer, this, [this] {
            if (m_request.select) {
                m_region.start(cli::language());
                return;
            }
            if (m_request.edit) {
                m_region.startEditor(cli::language(), recentColours());
                return;
            }
            if (m_request.window)
                return takeWindow();
            requestDesktop();
        });
    }

private:
    void requestDesktop()
    {
        ScreenServices::current().screen().requestDesktop(
            this, [this](const Screen::DesktopPicture &picture) { desktopReady(picture); });
    }

    // The window that is active once the delay is over: its rectangle of the desktop where the
    // window manager names it, else what the user picks in the desktop's own screenshot
    // dialog (a Wayland desktop tells no program where windows lie).
    void takeWindow()
    {
        Screen &screen = ScreenServices::current().screen();
        if (const auto window = screen.activeWindowPhysical(m_request.withFrame)) {
            m_request.region = *window;
            return requestDesktop();
        }
        if (screen.isLive())
            return fail(cli::say(clitexts::kNoWindow));
        screen.requestChosenPicture(this, [this](const Screen::DesktopPicture &picture) {
            switch (picture.outcome) {
            case Screen::Outcome::Read:
                if (!picture.image.isNull())
                    return finish(picture.image);
                return fail(cli::say(clitexts::kNoWindow));
            case Screen::Outcome::Cancelled:
                return fail(cli::say(clitexts::kCancelled));
            // A desktop without a dialog of its own turns the request down, or never answers
            // it (sway's portal), just as one without any portal cannot take it.
            case Screen::Outcome::Unavailable:
            case Screen::Outcome::Refused:
            case Screen::Outcome::TimedOut:
                return fail(cli::say(clitexts::kNoWindow));
            }
        });
    }

    void desktopReady(const Screen::DesktopPicture &picture)
    {
        if (picture.outcome != Screen::Outcome::Read || picture.image.isNull())
            return fail(cli::say(clitexts::kScreenUnread));
        if (!m_request.region)
            return finish(picture.image);
        const QPoint origin
            = ScreenServices::current().screen().virtualGeometryPhysical().topLeft();
        const QRect asked = m_request.region->translated(-origin);
        const QRect inDesktop = asked & picture.image.rect();
        if (inDesktop.isEmpty())
            return fail(cli::say(clitexts::kOutsideDesktop));
        // A region that reaches past the edges (a size taken from another monitor setup)
        // still has pixels worth keeping; the note tells which ones were kept.
        if (inDesktop != asked) {
            const QRect kept = inDesktop.translated(origin);
            cli::sayNotes(kCommand,
                { cli::say(clitexts::kRegionClipped)
                        .arg(QStringLiteral("%1,%2,%3,%4")
                                 .arg(kept.x())
                                 .arg(kept.y())
                                 .arg(kept.width())
                                 .arg(kept.height())) });
        }
        finish(picture.image.copy(inDesktop));
    }

    void edited(const QImage &result, EditEnding ending)
    {
        SettingsStore store;
        lastregion::write(store, m_region.lastRegion());
        if (ending == EditEnding::Pin || (ending == EditEnding::Copy && m_request.pin))
            return pin(result);
        if (ending == EditEnding::Copy) {
            if (!m_request.output.isEmpty() && !write(result))
                return;
            m_request.clipboard = true;
            m_request.output.clear();
            return finish(result);
        }
        if (m_request.output.isEmpty()) {
            m_request.output = AppState::joinPath(saveFolder(),
                QStringLiteral("Tintavo_%1.png")
                    .arg(QDateTime::currentDateTime().toString(
                        QStringLiteral("yyyy-MM-dd_HH-mm-ss"))));
            m_request.format = QStringLiteral("PNG");
        }
        if (!write(result))
            return;
        cli::printOut(cli::say(clitexts::kSavedAs).arg(m_request.output) + QLatin1Char('\n'));
        QCoreApplication::exit(cli::Success);
    }

    // The picker's last picks, offered with the editor's colours.
    static QList<int32_t> recentColours()
    {
        return colourhistory::fromSetting(SettingsStore().Read(
            QStringLiteral("Tintavo"), QStringLiteral("Options"), keyOf(Setting::History)));
    }

    // The launcher's save folder, as its options panel keeps it.
    static QString saveFolder()
    {
        SettingsStore store;
        const QString stored = store.Read(
            QStringLiteral("Tintavo"), QStringLiteral("Options"), keyOf(Setting::Chemin));
        return stored.isEmpty() ? AppState::defaultSaveDirectory() : stored;
    }

    // The program lives as long as its pins: it ends with the last one closed.
    void pin(const QImage &picture)
    {
        auto *window = new PinWindow(picture, cli::language());
        ++m_pins;
        connect(window, &QObject::destroyed, this, [this] {
            if (--m_pins == 0)
                QCoreApplication::exit(cli::Success);
        });
        window->show();
        window->activateWindow();
    }

    void finish(const QImage &picture)
    {
        if (m_request.pin && !m_request.edit)
            return pin(picture);
        if ((!m_request.output.isEmpty() || !m_request.clipboard) && !write(picture))
            return;
        if (!m_request.clipboard) {
            QCoreApplication::exit(cli::Success);
            return;
        }
        Clipboard &clipboard = ScreenServices::current().clipboard();
        clipboard.clear();
        clipboard.setImage(picture);
        clipboard.whenReplaced(this, [] { QCoreApplication::exit(cli::Success); });
    }

    // False when it failed, which it has said.
    bool write(const QImage &picture)
    {
        const QByteArray bytes
            = modCapture::encodeImage(picture, m_request.format, m_request.quality);
        QString problem;
        QString reason;
        if (bytes.isEmpty())
            problem = cli::say(clitexts::kNotEncoded).arg(m_request.format);
        else if (m_request.output.isEmpty() && !cli::writeOut(bytes))
            problem = cli::say(clitexts::kStdoutFailed);
        else if (!m_request.output.isEmpty()
            && !filesave::writeAtomically(m_request.output, bytes, &reason))
            problem = cli::say(clitexts::kCouldNotWrite).arg(m_request.output, reason);
        if (!problem.isEmpty())
            fail(problem);
        return problem.isEmpty();
    }

    void fail(const QString &message) { QCoreApplication::exit(cli::failure(kCommand, message)); }

    Request m_request;
    RegionSession m_region;
    int m_pins = 0;
};

} // namespace

cli::Parsed<Request> parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption region(QStringLiteral("region"), QString(), QStringLiteral("X,Y,W,H"));
    const QCommandLineOption select(QStringLiteral("select"));
    const QCommandLineOption edit(QStringLiteral("edit"));
    const QCommandLineOption pin(QStringLiteral("pin"));
    const QCommandLineOption lastRegion(QStringLiteral("last-region"));
    const QCommandLineOption window(QStringLiteral("window"));
    const QCommandLineOption noDecorations(QStringLiteral("no-decorations"));
    const QCommandLineOption delay(QStringLiteral("delay"), QString(), QStringLiteral("S"));
    const QCommandLineOption output = cli::outputOption();
    const QCommandLineOption quality(QStringLiteral("quality"), QString(), QStringLiteral("Q"));
    const QCommandLineOption clipboard(QStringLiteral("clipboard"));
    parser.addOptions({ region, select, edit, lastRegion, window, noDecorations, pin, delay, output,
        quality, clipboard });
    if (auto stop = cli::parseOptions(parser, kCommand, arguments, cli::say(kHelp)))
        return *stop;

    Request request;
    // One way to say what to capture.
    QString mode;
    for (const QCommandLineOption *o : { &region, &select, &edit, &lastRegion, &window }) {
        if (!parser.isSet(*o))
            continue;
        const QString name = QStringLiteral("--") + o->names().constFirst();
        if (!mode.isEmpty())
            return cli::usageError(kCommand, cli::say(clitexts::kExclusive).arg(mode, name));
        mode = name;
    }
    if (parser.isSet(noDecorations) && !parser.isSet(window))
        return cli::usageError(
            kCommand, cli::say(clitexts::kWindowOnly).arg(QStringLiteral("--no-decorations")));
    request.select = parser.isSet(select);
    request.edit = parser.isSet(edit);
    request.pin = parser.isSet(pin);
    request.lastRegion = parser.isSet(lastRegion);
    request.window = parser.isSet(window);
    request.withFrame = !parser.isSet(noDecorations);
    if (parser.isSet(region)) {
        request.region = lastregion::fromText(parser.value(region));
        if (!request.region)
            return cli::badValue(kCommand, QStringLiteral("--region"), parser.value(region));
    }
    if (parser.isSet(delay)) {
        bool ok = false;
        const double seconds = parser.value(delay).toDouble(&ok);
        if (!ok || seconds < 0 || seconds > 3600)
            return cli::badValue(kCommand, QStringLiteral("--delay"), parser.value(delay));
        request.delayMs = int(seconds * 1000);
    }
    request.clipboard = parser.isSet(clipboard);
    request.output = parser.value(output);
    if (parser.isSet(output)) {
        request.format = captureformat::formatOfName(request.output);
        if (request.format.isEmpty())
            return cli::badValue(kCommand, QStringLiteral("--output"), request.output);
    }
    if (parser.isSet(quality)) {
        bool ok = false;
        const int q = parser.value(quality).toInt(&ok);
        const bool takesQuality
            = request.format == QLatin1String("JPG") || request.format == QLatin1String("WEBP");
        if (!ok || q < 0 || q > 100 || !takesQuality)
            return cli::badValue(kCommand, QStringLiteral("--quality"), parser.value(quality));
        request.quality = int16_t(q);
    }
    return request;
}

int run(const QStringList &arguments)
{
    return cli::runParsed(parse(arguments), [](Request request) {
        if (request.lastRegion) {
            request.region = lastregion::read(SettingsStore());
            if (!request.region)
                return cli::failure(kCommand, cli::say(clitexts::kNoLastRegion));
        }
        Capture capture(request);
        capture.start();
        return QApplication::exec();
    });
}

} // namespace capturecommand
