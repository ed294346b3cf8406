#include "cli/contrastcommand.h"

#include "cli/clitexts.h"
#include "colour/contrast.h"

#include <QCommandLineParser>

#include <algorithm>

namespace contrastcommand {

namespace {

const QString kCommand = QStringLiteral("contrast");

const CaptionRow kHelp { "Help",
    "Usage: tintavo contrast TEXT BACKGROUND\n"
    "\n"
    "Prints how well text of the colour TEXT reads on BACKGROUND: the WCAG 2.2 contrast ratio\n"
    "with its AA and AAA verdicts for normal and large text, and the APCA lightness contrast\n"
    "(Lc) with its usual reading. Colours in any notation the picker reads. Exit status 0\n"
    "whatever the verdicts; 2 for a colour it cannot read.\n"
    "\n"
    "Options:\n"
    "  -h, --help           show this help\n",
    "Utilisation : tintavo contrast TEXTE FOND\n"
    "\n"
    "Affiche la lisibilité d'un texte de couleur TEXTE sur FOND : le rapport de contraste WCAG\n"
    "2.2 avec ses verdicts AA et AAA pour le texte normal et le grand texte, et le contraste de\n"
    "luminosité APCA (Lc) avec sa lecture habituelle. Couleurs dans toute notation que lit la\n"
    "pipette. Code de sortie 0 quels que soient les verdicts ; 2 pour une couleur illisible.\n"
    "\n"
    "Options :\n"
    "  -h, --help           afficher cette aide\n",
    "Uso: tintavo contrast TEXTO FONDO\n"
    "\n"
    "Muestra cómo se lee un texto del color TEXTO sobre FONDO: la relación de contraste WCAG\n"
    "2.2 con sus veredictos AA y AAA para texto normal y grande, y el contraste de luminosidad\n"
    "APCA (Lc) con su lectura habitual. Colores en cualquier notación que lea la pipeta.\n"
    "Estado de salida 0 sean cuales sean los veredictos; 2 para un color ilegible.\n"
    "\n"
    "Opciones:\n"
    "  -h, --help           mostrar esta ayuda\n" };

const CaptionRow kTexts[] = {
    { "needed", "TEXT and BACKGROUND colours are needed",
        "les couleurs TEXTE et FOND sont nécessaires", "faltan los colores TEXTO y FONDO" },
    { "normal", "normal text", "texte normal", "texto normal" },
    { "large", "large text", "grand texte", "texto grande" },
    { "body", "body text", "texte courant", "texto de cuerpo" },
    { "nonText", "non-text", "hors texte", "no textual" },
    { "pass", "pass", "réussi", "aprobado" },
    { "fail", "fail", "échoué", "suspenso" },
};

QString text(const char *key)
{
    return cli::say(*std::find_if(std::begin(kTexts), std::end(kTexts),
        [key](const CaptionRow &row) { return qstrcmp(row.control, key) == 0; }));
}

QString verdict(bool pass) { return text(pass ? "pass" : "fail"); }

} // namespace

cli::Parsed<Request> parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    if (auto stop = cli::parseOptions(parser, kCommand, arguments, cli::say(kHelp), true))
        return *stop;
    const QStringList values = parser.positionalArguments();
    if (values.size() < 2)
        return cli::usageError(kCommand, text("needed"));
    if (values.size() > 2)
        return cli::usageError(kCommand, cli::say(clitexts::kUnexpected).arg(values[2]));
    Request request;
    int32_t *targets[] = { &request.text, &request.background };
    for (int i = 0; i < 2; ++i) {
        const auto colour = cli::parseColour(values[i], request.notes);
        if (!colour)
            return cli::usageError(kCommand, cli::say(clitexts::kNoColour).arg(values[i]));
        *targets[i] = *colour;
    }
    return request;
}

QString output(const Request &request)
{
    const double ratio = contrast::ratio(request.text, request.background);
    const contrast::Verdict v = contrast::judge(ratio);
    const double lc = contrast::apcaLc(request.text, request.background);
    const contrast::ApcaReading r = contrast::readApca(lc);
    const QString line = QStringLiteral("  %1: %2\n");
    return QStringLiteral("WCAG 2.2 %1:1\n")
               .arg(contrast::shownRatio(request.text, request.background), 0, 'f', 2)
        + line.arg(text("normal"),
            QStringLiteral("AA %1, AAA %2").arg(verdict(v.aaNormal), verdict(v.aaaNormal)))
        + line.arg(text("large"),
            QStringLiteral("AA %1, AAA %2").arg(verdict(v.aaLarge), verdict(v.aaaLarge)))
        + QStringLiteral("APCA Lc %1\n").arg(lc, 0, 'f', 1)
        + line.arg(text("body") + QStringLiteral(" (Lc 75)"), verdict(r.bodyText))
        + line.arg(text("large") + QStringLiteral(" (Lc 45)"), verdict(r.largeText))
        + line.arg(text("nonText") + QStringLiteral(" (Lc 30)"), verdict(r.nonText));
}

int run(const QStringList &arguments)
{
    return cli::runParsed(parse(arguments), [](const Request &request) {
        cli::sayNotes(kCommand, request.notes);
        cli::printOut(output(request));
        return int(cli::Success);
    });
}

} // namespace contrastcommand
