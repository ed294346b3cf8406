#include "cli/commandline.h"

#include "cli/clitexts.h"
#include "colour/cssnotation.h"
#include "icon/picturefile.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <cstdio>

namespace cli {

Stop usageError(const QString &command, const QString &message)
{
    return { UsageError,
        QStringLiteral("tintavo %1: %2\n%3\n")
            .arg(command, message, say(clitexts::kTryHelp).arg(command)) };
}

Stop badValue(const QString &command, const QString &option, const QString &value)
{
    return usageError(command, say(clitexts::kBadValue).arg(option, value));
}

std::optional<Stop> parseOptions(QCommandLineParser &parser, const QString &command,
    const QStringList &arguments, const QString &help, bool positional)
{
    const QCommandLineOption helpOption(
        QStringList { QStringLiteral("h"), QStringLiteral("help") });
    parser.addOption(helpOption);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    QStringList all = arguments;
    all.prepend(QStringLiteral("tintavo ") + command);
    if (!parser.parse(all))
        return usageError(command, parser.errorText());
    if (parser.isSet(helpOption))
        return Stop { Success, help };
    if (!positional && !parser.positionalArguments().isEmpty())
        return usageError(command, say(clitexts::kUnexpected).arg(parser.positionalArguments()[0]));
    return std::nullopt;
}

int failure(const QString &command, const QString &message)
{
    printError(QStringLiteral("tintavo %1: %2\n").arg(command, message));
    return Failure;
}

QCommandLineOption outputOption()
{
    return QCommandLineOption(QStringList { QStringLiteral("o"), QStringLiteral("output") },
        QString(), QStringLiteral("FILE"));
}

QList<QCommandLineOption> drawingOptions()
{
    return { QCommandLineOption(QStringLiteral("size"), QString(), QStringLiteral("WxH")),
        outputOption(), QCommandLineOption(QStringLiteral("css")) };
}

std::optional<Stop> readDrawingOutput(
    const QCommandLineParser &parser, const QString &command, DrawingOutput &target)
{
    QString size = QStringLiteral("size");
    target.css = parser.isSet(QStringLiteral("css"));
    target.output = parser.value(QStringLiteral("output"));
    if (parser.isSet(QStringLiteral("output")) && target.output.isEmpty())
        return badValue(command, QStringLiteral("--output"), target.output);
    if (target.output.isEmpty() && !target.css)
        return usageError(command, say(clitexts::kOutputOrCss));
    if (target.output.isEmpty())
        return std::nullopt;
    if (!parser.isSet(size))
        return usageError(command, say(clitexts::kNeeded).arg(size.prepend(QStringLiteral("--"))));
    const auto s = parseSize(parser.value(size));
    if (!s || !picturefile::fitsDecodeBudget(*s))
        return badValue(command, QStringLiteral("--size"), parser.value(size));
    target.size = *s;
    return std::nullopt;
}

Language language()
{
    QByteArray locale = qgetenv("LC_ALL");
    if (locale.isEmpty())
        locale = qgetenv("LC_MESSAGES");
    if (locale.isEmpty())
        locale = qgetenv("LANG");
    Language language = Language::English;
    if (locale.startsWith("fr"))
        language = Language::French;
    else if (locale.startsWith("es"))
        language = Language::Spanish;
    return language;
}

QString say(const CaptionRow &row) { return captionOf(row, language()); }

std::optional<int32_t> parseColour(const QString &text) { return cssnotation::parse(text); }

std::optional<QSize> parseSize(const QString &text, int limit)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,9})\\s*[xX,]\\s*(\\d{1,9})\\s*$"));
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
