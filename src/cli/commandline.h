#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <variant>

class QCommandLineParser;
class QImage;

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

template<class Request>
using Parsed = std::variant<Request, Stop>;

template<class Request>
std::optional<Stop> stopOf(const Parsed<Request> &parsed)
{
    if (const Stop *stop = std::get_if<Stop>(&parsed))
        return *stop;
    return std::nullopt;
}

// "tintavo COMMAND: message" and a pointer to the command's help.
Stop usageError(const QString &command, const QString &message);
Stop badValue(const QString &command, const QString &option, const QString &value);

// Runs the parser over the arguments that follow the command's name. A stop when they ask for
// help or when the parser refuses one of them; nothing when the options can be read.
std::optional<Stop> parseOptions(QCommandLineParser &parser, const QString &command,
    const QStringList &arguments, const QString &help);

// Any colour the picker reads, as 0x00BBGGRR.
std::optional<int32_t> parseColour(const QString &text);
// "WxH" (or "W,H") with both sides from 1 to `limit`.
std::optional<QSize> parseSize(const QString &text, int limit = 32767);
// Items separated by commas outside parentheses, so "rgb(1, 2, 3),#fff" is two colours.
QStringList splitList(const QString &text);

// Prints the stop's text where it belongs and gives its exit status.
int finish(const Stop &stop);

void printOut(const QString &text);
void printError(const QString &text);
// Writes the bytes to standard output as they are.
bool writeOut(const QByteArray &bytes);

} // namespace cli
