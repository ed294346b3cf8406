#pragma once

#include "text/language.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <variant>

#include <QCommandLineOption>

struct CaptionRow;

class QCommandLineParser;

// What the commands share: exit statuses, the end of a parse that asks for no work (help, or a
// usage error naming the bad argument), and readers for the values several commands take.
namespace cli {

enum ExitStatus { Success = 0, Failure = 1, UsageError = 2 };

// A parse that gives no request: help (status 0, text for standard output) or a usage error
// (status 2, text for standard error).
struct Stop
{
    int status = Success;
    QString text;
};

template <class Request> using Parsed = std::variant<Request, Stop>;

template <class Request> std::optional<Stop> stopOf(const Parsed<Request> &parsed)
{
    if (const Stop *stop = std::get_if<Stop>(&parsed))
        return *stop;
    return std::nullopt;
}

// "tintavo COMMAND: message" and a pointer to the command's help.
Stop usageError(const QString &command, const QString &message);
Stop badValue(const QString &command, const QString &option, const QString &value);

// Runs the parser over the arguments that follow the command's name. A stop when they ask for
// help, when the parser refuses one of them, or when one is no option and the command takes
// none (`positional` false); nothing when the options can be read.
std::optional<Stop> parseOptions(QCommandLineParser &parser, const QString &command,
    const QStringList &arguments, const QString &help, bool positional = false);

// The one input picture a command takes, after parseOptions: a stop when there is none or more.
Parsed<QString> inputPicture(const QCommandLineParser &parser, const QString &command);

// Prints the stop's text where it belongs and gives its exit status.
int finish(const Stop &stop);

// Runs the work on the request, or ends with the stop the parse came to.
template <class Request, class Work> int runParsed(const Parsed<Request> &parsed, Work work)
{
    if (const Stop *stop = std::get_if<Stop>(&parsed))
        return finish(*stop);
    return work(std::get<Request>(parsed));
}

// "tintavo COMMAND: message" on standard error; the failure status.
int failure(const QString &command, const QString &message);

// Notes gathered while reading the arguments (what was taken otherwise than written), said on
// standard error as "tintavo COMMAND: note" when the work starts.
void sayNotes(const QString &command, const QStringList &notes);

// Writes a command's file atomically; false when it could not, which it has said with the
// system's reason.
bool writeFile(const QString &command, const QString &path, const QByteArray &bytes);

// Why an input file cannot be read at all (it does not exist, it cannot be opened), or nothing
// when it can: what it holds is the reader's to judge.
std::optional<QString> inputProblem(const QString &path);

// -o, --output FILE.
QCommandLineOption outputOption();

// Where a drawing goes: a picture of `size` written to `output`, its CSS printed, or both.
struct DrawingOutput
{
    QSize size;
    QString output; // empty: no picture
    bool css = false;
};
// --size WxH, -o FILE and --css, for a parser that also has the others of the command.
QList<QCommandLineOption> drawingOptions();
// Reads them after a parse; a usage error of the command when they do not add up. The size
// is checked against the memory a picture may take.
std::optional<Stop> readDrawingOutput(
    const QCommandLineParser &parser, const QString &command, DrawingOutput &target);

// The language of the locale (LC_ALL, LC_MESSAGES, LANG), English where it is none of the three.
Language language();
// A message in the language of the locale.
QString say(const CaptionRow &row);

// Any colour the picker reads, as 0x00BBGGRR. An alpha it carries is dropped, with a note.
std::optional<int32_t> parseColour(const QString &text, QStringList &notes);
// "WxH" (or "W,H") with both sides from 1 to `limit`.
std::optional<QSize> parseSize(const QString &text, int limit = 32767);
// The same for an option, with a usage error that names the limit when a side is out of range,
// or, with `budget`, when the picture would take more memory than a picture may.
std::optional<Stop> readSize(const QString &command, const QString &option, const QString &text,
    int limit, bool budget, QSize &into);
// Items separated by commas outside parentheses, so "rgb(1, 2, 3),#fff" is two colours.
QStringList splitList(const QString &text);

void printOut(const QString &text);
void printError(const QString &text);
// Writes the bytes to standard output as they are.
bool writeOut(const QByteArray &bytes);

} // namespace cli
