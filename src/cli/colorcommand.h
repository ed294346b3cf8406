#pragma once

#include "cli/commandline.h"
#include "colour/colourtemplate.h"

#include <QCommandLineOption>
#include <QList>

class QCommandLineParser;
#include <QStringList>

#include <cstdint>

// tintavo color VALUE [--format F]... [--template T]... [--harmony NAME] [--tints N] [--shades N]
// [--tones N]: a colour in every notation the program writes, or in the chosen ones, its name,
// through formats of the user's own; or the colours of its schemes, one per line.
namespace colorcommand {

// One line of the output: a format id, or a template (given, or stored under a name).
struct Format
{
    QString id; // a format id or "name"; for a template, its stored name or empty
    bool own = false; // a template
    colourtemplate::Template compiled = {};
};

struct Request
{
    int32_t colour = 0;
    QList<Format> formats; // empty: every notation, each line led by its id
    QStringList notes = {}; // said on standard error before the work
    QString harmony = {}; // a harmony id; empty for none
    int tints = 0, shades = 0, tones = 0;
    bool schemes() const { return !harmony.isEmpty() || tints || shades || tones; }
};

// The format ids, in output order: the CSS notations, then Visual Basic, Delphi, C, decimal.
QStringList formatIds();

cli::Parsed<Request> parse(const QStringList &arguments);

// -f, --format F and --template T.
QList<QCommandLineOption> formatOptions();
// The formats the options of a parse ask for: the ids in the values of --format (each may list
// several, separated by commas), an id being a format id, "name", or the name of a format of
// the user's own (read from the settings only then); then the --template values. A usage error
// of the command names an unknown id, or says where a template is wrong.
cli::Parsed<QList<Format>> formatsOf(const QString &command, const QCommandLineParser &parser);

// The colour in one format; empty for an unknown id.
QString formatted(int32_t colour, const QString &id);
QString formatted(int32_t colour, const Format &format);
// What the command prints.
QString output(const Request &request);

// Also the output of `tintavo pick`.
extern const char *const kFormatHelp;

int run(const QStringList &arguments);

} // namespace colorcommand
