#pragma once

#include "cli/commandline.h"

#include <QCommandLineOption>
#include <QStringList>

#include <cstdint>

// tintavo color VALUE [--format F]... [--harmony NAME] [--tints N] [--shades N] [--tones N]:
// a colour in every notation the program writes, or in the chosen ones; or the colours of its
// schemes, one per line.
namespace colorcommand {

struct Request
{
    int32_t colour = 0;
    QStringList formats; // format ids; empty: every notation, each line led by its id
    QStringList notes = {}; // said on standard error before the work
    QString harmony = {}; // a harmony id; empty for none
    int tints = 0, shades = 0, tones = 0;
    bool schemes() const { return !harmony.isEmpty() || tints || shades || tones; }
};

// The format ids, in output order: the CSS notations, then Visual Basic, Delphi, C, decimal.
QStringList formatIds();

cli::Parsed<Request> parse(const QStringList &arguments);

// -f, --format F.
QCommandLineOption formatOption();
// The ids in the values of --format options (each may list several, separated by commas);
// a usage error of the command naming an unknown one.
cli::Parsed<QStringList> formatsOf(const QString &command, const QStringList &values);

// The colour in one format; empty for an unknown id.
QString formatted(int32_t colour, const QString &id);
// What the command prints.
QString output(const Request &request);

// Also the output of `tintavo pick`.
extern const char *const kFormatHelp;

int run(const QStringList &arguments);

} // namespace colorcommand
