#include "cli/pickcommand.h"

#include "cli/colorcommand.h"
#include "picker/pickoverlay.h"
#include "platform/colorconv.h"
#include "platform/screen.h"
#include "platform/screenservices.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QPointer>

namespace pickcommand {

namespace {

const QString kCommand = QStringLiteral("pick");

const QString kHelp = QStringLiteral(
    "Usage: tintavo pick [--format F]...\n"
    "\n"
    "Freezes the screen and shows the pipette with its loupe: the arrow keys move one pixel\n"
    "(Shift: ten), a click or Enter picks, Esc cancels (exit status 1). Prints the colour as\n"
    "hex, or in the chosen notations, one per line.\n"
    "\n"
    "Options:\n"
    "  -f, --format F  print this notation (repeat, or separate with commas)\n"
    "  -h, --help      show this help\n"
    "\n");

// Shows one overlay per monitor over a frozen copy of the desktop and prints what is picked.
class Pick : public QObject
{
public:
    explicit Pick(const Request &request)
        : m_request(request)
    {
    }

    void start()
    {
        ScreenServices::current().screen().requestDesktop(
            this, [this](const Screen::DesktopPicture &picture) { desktopReady(picture); });
    }

private:
    void desktopReady(const Screen::DesktopPicture &picture)
    {
        if (picture.outcome != Screen::Outcome::Read || picture.image.isNull()) {
            QCoreApplication::exit(cli::failure(kCommand, QStringLiteral("the screen could not be read")));
            return;
        }
        Screen &screen = ScreenServices::current().screen();
        const QPoint origin = screen.virtualGeometryPhysical().topLeft();
        for (const Screen::Area &area : screen.areas()) {
            auto *overlay = new PickOverlay(
                picture.image, origin, area, QGuiApplication::screenAt(area.logical.center()));
            m_overlays << overlay;
            connect(overlay, &PickOverlay::cancelled, this, [this] {
                closeOverlays();
                QCoreApplication::exit(cli::failure(kCommand, QStringLiteral("cancelled")));
            });
            connect(overlay, &PickOverlay::picked, this, [this, overlay](QPoint at) {
                const int32_t colour = fromQRgb(overlay->frozenPart(QRect(at, QSize(1, 1))).pixel(0, 0));
                closeOverlays();
                colorcommand::Request shown { colour, m_request.formats };
                if (shown.formats.isEmpty())
                    shown.formats << QStringLiteral("hex");
                cli::printOut(colorcommand::output(shown));
                QCoreApplication::exit(cli::Success);
            });
        }
        // The primary monitor last, so that it gets the keyboard.
        for (int i = int(m_overlays.size()) - 1; i >= 0; --i)
            m_overlays[i]->present();
    }

    void closeOverlays()
    {
        for (const QPointer<PickOverlay> &o : std::as_const(m_overlays))
            if (o)
                o->deleteLater();
        m_overlays.clear();
    }

    Request m_request;
    QList<QPointer<PickOverlay>> m_overlays;
};

} // namespace

cli::Parsed<Request> parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption format = colorcommand::formatOption();
    parser.addOption(format);
    if (auto stop = cli::parseOptions(
            parser, kCommand, arguments, kHelp + QString::fromLatin1(colorcommand::kFormatHelp)))
        return *stop;
    const cli::Parsed<QStringList> formats = colorcommand::formatsOf(kCommand, parser.values(format));
    if (const auto *stop = std::get_if<cli::Stop>(&formats))
        return *stop;
    return Request { std::get<QStringList>(formats) };
}

int run(const QStringList &arguments)
{
    return cli::runParsed(parse(arguments), [](const Request &request) {
        Pick pick(request);
        pick.start();
        return QApplication::exec();
    });
}

} // namespace pickcommand
