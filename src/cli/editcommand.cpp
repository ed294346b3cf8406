#include "cli/editcommand.h"

#include "capture/captureformat.h"
#include "capture/editoroverlay.h"
#include "capture/picturesave.h"
#include "capture/pinwindow.h"
#include "cli/clitexts.h"
#include "icon/sourcepicture.h"
#include "platform/clipboard.h"
#include "platform/screenservices.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

namespace editcommand {

namespace {

const QString kCommand = QStringLiteral("edit");

const CaptionRow kHelp { "Help",
    "Usage: tintavo edit FILE [-o OUT]\n"
    "\n"
    "Opens a picture (PNG, JPEG, BMP, GIF, WebP, TIFF, SVG) in the screenshot editor: draw\n"
    "arrows, lines, boxes, ellipses, text, numbered steps, pixelation or solid redaction boxes\n"
    "on it (Ctrl+Z undoes). Enter or Ctrl+C copies the result, Ctrl+S saves it (as OUT, or\n"
    "where the dialog says: the format follows the extension), Ctrl+P pins it, Esc closes.\n"
    "\n"
    "Options:\n"
    "  -o, --output OUT     where Ctrl+S saves, without a dialog\n"
    "  -h, --help           show this help\n",
    "Utilisation : tintavo edit FICHIER [-o SORTIE]\n"
    "\n"
    "Ouvre une image (PNG, JPEG, BMP, GIF, WebP, TIFF, SVG) dans l'éditeur de captures : y\n"
    "tracer flèches, lignes, cadres, ellipses, texte, étapes numérotées, pixelisation ou pavés\n"
    "pleins (Ctrl+Z annule). Entrée ou Ctrl+C copie le résultat, Ctrl+S l'enregistre (en\n"
    "SORTIE, ou là où le dialogue le dit : le format suit l'extension), Ctrl+P l'épingle,\n"
    "Échap ferme.\n"
    "\n"
    "Options :\n"
    "  -o, --output SORTIE  où Ctrl+S enregistre, sans dialogue\n"
    "  -h, --help           afficher cette aide\n",
    "Uso: tintavo edit ARCHIVO [-o SALIDA]\n"
    "\n"
    "Abre una imagen (PNG, JPEG, BMP, GIF, WebP, TIFF, SVG) en el editor de capturas: trazar\n"
    "flechas, líneas, recuadros, elipses, texto, pasos numerados, pixelado o recuadros sólidos\n"
    "(Ctrl+Z deshace). Intro o Ctrl+C copia el resultado, Ctrl+S lo guarda (como SALIDA, o\n"
    "donde diga el diálogo: el formato sigue la extensión), Ctrl+P lo fija, Esc cierra.\n"
    "\n"
    "Opciones:\n"
    "  -o, --output SALIDA  dónde guarda Ctrl+S, sin diálogo\n"
    "  -h, --help           mostrar esta ayuda\n" };

// The editor's window and what its endings do; the program ends with its last window.
class Edit : public QObject
{
public:
    Edit(const Request &request, const QImage &picture)
        : m_request(request)
        , m_editor(new EditorOverlay(cli::language(), picture))
    {
        m_editor->setAttribute(Qt::WA_DeleteOnClose);
        m_editor->setWindowTitle(
            QStringLiteral("%1 — Tintavo").arg(QFileInfo(request.input).fileName()));
        watch(m_editor);
        connect(m_editor, &EditorOverlay::finished, this, &Edit::finished);
        connect(m_editor, &EditorOverlay::cancelled, m_editor, &QWidget::close);
        m_editor->show();
    }

private:
    void watch(QObject *window)
    {
        ++m_windows;
        connect(window, &QObject::destroyed, this, [this] {
            if (--m_windows == 0)
                QCoreApplication::exit(m_status);
        });
    }

    void finished(const QImage &result, EditEnding ending)
    {
        if (ending == EditEnding::Copy) {
            Clipboard &clipboard = ScreenServices::current().clipboard();
            clipboard.clear();
            clipboard.setImage(result);
            return;
        }
        if (ending == EditEnding::Pin) {
            auto *pin = new PinWindow(result, cli::language());
            watch(pin);
            pin->show();
            return;
        }
        QString path = m_request.output;
        if (path.isEmpty()) {
            const QFileInfo input(m_request.input);
            const std::optional<QString> chosen = picturesave::askPath(m_editor, cli::language(),
                input.absolutePath(), input.completeBaseName() + QStringLiteral("-annotated.png"));
            if (!chosen)
                return;
            path = *chosen;
        }
        QString reason;
        if (!picturesave::write(result, path, &reason)) {
            m_status = cli::failure(kCommand, cli::say(clitexts::kCouldNotWrite).arg(path, reason));
            return;
        }
        m_status = cli::Success;
        cli::printOut(cli::say(clitexts::kSavedAs).arg(path) + QLatin1Char('\n'));
    }

    Request m_request;
    EditorOverlay *m_editor;
    int m_windows = 0;
    int m_status = cli::Success;
};

} // namespace

cli::Parsed<Request> parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption output = cli::outputOption();
    parser.addOption(output);
    if (auto stop = cli::parseOptions(parser, kCommand, arguments, cli::say(kHelp), true))
        return *stop;
    const cli::Parsed<QString> input = cli::inputPicture(parser, kCommand);
    if (const auto *stop = std::get_if<cli::Stop>(&input))
        return *stop;
    Request request { std::get<QString>(input), parser.value(output) };
    if (!request.output.isEmpty() && captureformat::formatOfName(request.output).isEmpty())
        return cli::badValue(kCommand, QStringLiteral("--output"), request.output);
    return request;
}

int run(const QStringList &arguments)
{
    return cli::runParsed(parse(arguments), [](const Request &request) {
        if (!QFileInfo::exists(request.input))
            return cli::failure(kCommand, cli::say(clitexts::kNoSuchFile).arg(request.input));
        const sourcepicture::Result loaded = sourcepicture::load(request.input);
        // A drawing is shown at its own size, as Qt's reader draws it.
        const QImage picture
            = loaded.picture.isScalable() ? QImage(request.input) : loaded.picture.raster();
        if (picture.isNull())
            return cli::failure(kCommand, cli::say(clitexts::kNotAPicture).arg(request.input));
        Edit edit(request, picture);
        return QApplication::exec();
    });
}

} // namespace editcommand
