#include "cli/commandline.h"

#include "cli/clitexts.h"
#include "colour/cssnotation.h"
#include "icon/picturefile.h"

#include "platform/filesave.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <cstring>

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

void sayNotes(const QString &command, const QStringList &notes)
{
    for (const QString &note : notes)
        printError(QStringLiteral("tintavo %1: %2\n").arg(command, note));
}

bool writeFile(const QString &command, const QString &path, const QByteArray &bytes)
{
    // Nothing to write means the encoder gave up, which no file system is to blame for.
    if (bytes.isEmpty()) {
        failure(command, say(clitexts::kNotEncoded).arg(QFileInfo(path).suffix().toUpper()));
        return false;
    }
    QString reason;
    if (filesave::writeAtomically(path, bytes, &reason))
        return true;
    failure(command, say(clitexts::kCouldNotWrite).arg(path, reason));
    return false;
}

std::optional<QString> inputProblem(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return say(clitexts::kNoSuchFile).arg(path);
    if (info.isDir())
        return say(clitexts::kCouldNotOpen)
            .arg(path, QString::fromLocal8Bit(std::strerror(EISDIR)));
    // Opening a FIFO would wait for a writer: what is no regular file is the reader's to refuse.
    QFile file(path);
    if (info.isFile() && !file.open(QIODevice::ReadOnly))
        return say(clitexts::kCouldNotOpen).arg(path, file.errorString());
    return std::nullopt;
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
    return readSize(
        command, QStringLiteral("--size"), parser.value(size), 32767, true, target.size);
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

Parsed<QString> inputPicture(const QCommandLineParser &parser, const QString &command)
{
    const QStringList inputs = parser.positionalArguments();
    if (inputs.isEmpty())
        return usageError(command, say(clitexts::kPictureNeeded));
    if (inputs.size() > 1)
        return usageError(command, say(clitexts::kUnexpected).arg(inputs[1]));
    return inputs[0];
}

QString say(const CaptionRow &row) { return captionOf(row, language()); }

std::optional<int32_t> parseColour(const QString &text, QStringList &notes)
{
    bool alpha = false;
    const std::optional<int32_t> colour = cssnotation::parse(text, &alpha);
    const QString note = say(clitexts::kAlphaIgnored).arg(text);
    if (colour && alpha && !notes.contains(note))
        notes.append(note);
    return colour;
}

namespace {
// The two sides as written, in a wider type than any limit; nothing when it is no size at all.
std::optional<std::pair<qint64, qint64>> sidesOf(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,18})\\s*[xX,]\\s*(\\d{1,18})\\s*$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    return std::pair { m.captured(1).toLongLong(), m.captured(2).toLongLong() };
}
} // namespace

std::optional<QSize> parseSize(const QString &text, int limit)
{
    const auto sides = sidesOf(text);
    if (!sides)
        return std::nullopt;
    const auto [w, h] = *sides;
    if (w < 1 || h < 1 || w > limit || h > limit)
        return std::nullopt;
    return QSize(int(w), int(h));
}

std::optional<Stop> readSize(const QString &command, const QString &option, const QString &text,
    int limit, bool budget, QSize &into)
{
    if (!sidesOf(text))
        return badValue(command, option, text);
    const auto size = parseSize(text, limit);
    if (!size)
        return usageError(command, say(clitexts::kSideOutOfRange).arg(option, text).arg(limit));
    if (budget && !picturefile::fitsDecodeBudget(*size)) {
        return usageError(command,
            say(clitexts::kSizeOverBudget)
                .arg(option, text)
                .arg(picturefile::kMaxDecodedBytes >> 20));
    }
    into = *size;
    return std::nullopt;
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
