#include "cli/commandline.h"

#include "picker/cssnotation.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <cstdio>

namespace cli {

Stop usageError(const QString &command, const QString &message)
{
    return { UsageError,
        QStringLiteral("tintavo %1: %2\nTry 'tintavo %1 --help'.\n").arg(command, message) };
}

Stop badValue(const QString &command, const QString &option, const QString &value)
{
    return usageError(command, QStringLiteral("bad value for %1: '%2'").arg(option, value));
}

std::optional<Stop> parseOptions(QCommandLineParser &parser, const QString &command,
    const QStringList &arguments, const QString &help)
{
    const QCommandLineOption helpOption(QStringList { QStringLiteral("h"), QStringLiteral("help") });
    parser.addOption(helpOption);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    QStringList all = arguments;
    all.prepend(QStringLiteral("tintavo ") + command);
    if (!parser.parse(all))
        return usageError(command, parser.errorText());
    if (parser.isSet(helpOption))
        return Stop { Success, help };
    return std::nullopt;
}

std::optional<int32_t> parseColour(const QString &text) { return cssnotation::parse(text); }

std::optional<QSize> parseSize(const QString &text, int limit)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,9})\\s*[xX,]\\s*(\\d{1,9})\\s*$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int w = m.captured(1).toInt();
    const int h = m.captured(2).toInt();
    if (w < 1 || h < 1 || w > limit || h > limit)
        return std::nullopt;
    return QSize(w, h);
}

QStringList splitList(const QString &text)
{
    QStringList items;
    QString current;
    int depth = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')') && depth > 0)
            --depth;
        if (c == QLatin1Char(',') && depth == 0) {
            items.append(current.trimmed());
            current.clear();
        } else {
            current.append(c);
        }
    }
    items.append(current.trimmed());
    return items;
}

int finish(const Stop &stop)
{
    if (stop.status == Success)
        printOut(stop.text);
    else
        printError(stop.text);
    return stop.status;
}

void printOut(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void printError(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

bool writeOut(const QByteArray &bytes)
{
    const std::size_t n = std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    return n == std::size_t(bytes.size()) && std::fflush(stdout) == 0;
}

} // namespace cli
