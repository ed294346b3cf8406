#include "colour/palettefile.h"

#include "colour/colorvalue.h"
#include "platform/fileread.h"
#include "platform/filesave.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <iterator>

namespace palettefile {

namespace {

const QString kDefaultName = QStringLiteral("Tintavo");

// One row per Error after None, in the enum's order; "%1" is the line number.
const CaptionRow kErrorTexts[] = {
    { "CannotOpen", "The palette file could not be opened.",
        "Impossible d'ouvrir le fichier de palette.", "No se pudo abrir el archivo de paleta." },
    { "TooLarge", "The palette file is larger than 1 MiB.", "Le fichier de palette dépasse 1 Mio.",
        "El archivo de paleta supera 1 MiB." },
    { "NotAPalette", "This is not a GIMP palette: its first line must be \"GIMP Palette\".",
        "Ce n'est pas une palette GIMP : sa première ligne doit être « GIMP Palette ».",
        "No es una paleta de GIMP: su primera línea debe ser «GIMP Palette»." },
    { "NotText", "Line %1: the file holds binary data, not text.",
        "Ligne %1 : le fichier contient des données binaires, pas du texte.",
        "Línea %1: el archivo contiene datos binarios, no texto." },
    { "BadColumns", "Line %1: the number of columns must be a whole number from 0 to 256.",
        "Ligne %1 : le nombre de colonnes doit être un nombre entier de 0 à 256.",
        "Línea %1: el número de columnas debe ser un número entero de 0 a 256." },
    { "BadLine",
        "Line %1: a colour was expected: red, green and blue from 0 to 255, then an optional name.",
        "Ligne %1 : une couleur était attendue : rouge, vert et bleu de 0 à 255, puis un nom "
        "facultatif.",
        "Línea %1: se esperaba un color: rojo, verde y azul de 0 a 255 y, opcionalmente, un "
        "nombre." },
    { "OutOfRange", "Line %1: a colour value is outside 0 to 255.",
        "Ligne %1 : une valeur de couleur est hors de l'intervalle de 0 à 255.",
        "Línea %1: un valor de color está fuera del intervalo de 0 a 255." },
    { "TooManyColours", "Line %1: the palette has more than 10000 colours.",
        "Ligne %1 : la palette compte plus de 10000 couleurs.",
        "Línea %1: la paleta tiene más de 10000 colores." },
};
static_assert(
    std::size(kErrorTexts) == std::size_t(Error::TooManyColours), "one message for every fault");
static_assert(kMaxFileBytes == 1 << 20 && kMaxColours == 10000 && kMaxColumns == 256,
    "the messages name these limits");

// ---- writing

// A name on one line: control characters become spaces, the ends are trimmed.
QString oneLine(const QString &name)
{
    QString out = name;
    for (QChar &c : out) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u' ';
    }
    return out.trimmed();
}

QString paletteName(const Palette &palette)
{
    const QString name = oneLine(palette.name);
    return name.isEmpty() ? kDefaultName : name;
}

// Text inside a CSS comment may not close it.
QString commentText(const QString &text)
{
    QString out = oneLine(text);
    out.replace(QStringLiteral("*/"), QStringLiteral("* /"));
    return out;
}

QList<Entry> colourEntries(const Palette &palette)
{
    QList<Entry> out;
    for (const Entry &e : palette.entries) {
        if (colorvalue::isColor(e.colour))
            out.append({ e.colour, oneLine(e.name) });
    }
    return out;
}

QByteArray encodeGpl(const Palette &palette)
{
    QString out = QStringLiteral("GIMP Palette\nName: ") + paletteName(palette) + u'\n';
    if (palette.columns > 0)
        out += QStringLiteral("Columns: %1\n").arg(qMin(palette.columns, kMaxColumns));
    out += QStringLiteral("#\n");
    for (const Entry &e : colourEntries(palette)) {
        int r, g, b;
        colorvalue::GetRGB(e.colour, r, g, b);
        // GIMP's own layout: channels right-aligned in three places, a tab before the name.
        out += QString::asprintf("%3d %3d %3d\t", r, g, b);
        out += e.name.isEmpty() ? colorvalue::htmlNotation(e.colour) : e.name;
        out += u'\n';
    }
    return out.toUtf8();
}

QByteArray encodeCss(const Palette &palette)
{
    QString out = QStringLiteral("/* %1 */\n:root {\n").arg(commentText(paletteName(palette)));
    int number = 0;
    for (const Entry &e : colourEntries(palette)) {
        const QString hex = colorvalue::htmlNotation(e.colour).toLower();
        out += QStringLiteral("  --color-%1: %2;").arg(++number).arg(hex);
        if (!e.name.isEmpty())
            out += QStringLiteral(" /* ") + commentText(e.name) + QStringLiteral(" */");
        out += u'\n';
    }
    out += QStringLiteral("}\n");
    return out.toUtf8();
}

// A JSON string, quotes included, escaped by Qt's own writer.
QByteArray jsonString(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray { text }).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2); // inside ["..."]
}

// Laid out by hand, so that the palette's name comes first and each colour takes one line.
QByteArray encodeJson(const Palette &palette)
{
    QByteArray out = "{\n  \"name\": " + jsonString(paletteName(palette)) + ",\n  \"colors\": [";
    const QList<Entry> entries = colourEntries(palette);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Entry &e = entries[i];
        int r, g, b;
        colorvalue::GetRGB(e.colour, r, g, b);
        out += QStringLiteral("%1\n    { \"name\": ").arg(i == 0 ? "" : ",").toLatin1()
            + jsonString(e.name)
            + QStringLiteral(", \"hex\": \"%1\", \"rgb\": [%2, %3, %4] }")
                  .arg(colorvalue::htmlNotation(e.colour).toLower())
                  .arg(r)
                  .arg(g)
                  .arg(b)
                  .toLatin1();
    }
    out += entries.isEmpty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

// ---- reading

bool isBlank(char c) { return c == ' ' || c == '\t'; }

QByteArrayView trimmed(QByteArrayView s)
{
    while (!s.isEmpty() && isBlank(s.front()))
        s = s.sliced(1);
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    return s;
}

QString decodeText(QByteArrayView s)
{
    return s.isValidUtf8() ? QString::fromUtf8(s) : QString::fromLatin1(s);
}

// The next blank-separated word of `rest`, which is left after it.
QByteArrayView nextWord(QByteArrayView &rest)
{
    rest = trimmed(rest);
    qsizetype end = 0;
    while (end < rest.size() && !isBlank(rest[end]))
        ++end;
    const QByteArrayView word = rest.first(end);
    rest = rest.sliced(end);
    return word;
}

// A number word: 0..limit, or the fault it shows. Digits only; a minus sign before them is a
// value out of range, anything else a bad line.
Error readNumber(QByteArrayView word, int limit, Error outOfRange, int &value)
{
    const bool negative = word.startsWith('-');
    const QByteArrayView digits = negative ? word.sliced(1) : word;
    if (digits.isEmpty())
        return Error::BadLine;
    qint64 v = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return Error::BadLine;
        v = qMin<qint64>(v * 10 + (c - '0'), qint64(limit) + 1); // no overflow on long runs
    }
    if (negative || v > limit)
        return outOfRange;
    value = int(v);
    return Error::None;
}

struct Reader
{
    QByteArrayView text;
    qsizetype at = 0;
    int lineNumber = 0;

    // The next line without its end (LF, CR LF or CR); false at the end of the text.
    bool next(QByteArrayView &line)
    {
        if (at >= text.size())
            return false;
        qsizetype end = at;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r')
            ++end;
        line = text.sliced(at, end - at);
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size()
            && text[end + 1] == '\n')
            ++end;
        at = end + 1;
        ++lineNumber;
        return true;
    }
};

LoadResult failure(Error error, int line)
{
    LoadResult r;
    r.error = error;
    r.line = line;
    return r;
}

} // namespace

QString suffixOf(Format format)
{
    switch (format) {
    case Format::Gpl:
        return QStringLiteral(".gpl");
    case Format::Css:
        return QStringLiteral(".css");
    case Format::Json:
        return QStringLiteral(".json");
    }
    return {};
}

QByteArray encode(const Palette &palette, Format format)
{
    switch (format) {
    case Format::Gpl:
        return encodeGpl(palette);
    case Format::Css:
        return encodeCss(palette);
    case Format::Json:
        return encodeJson(palette);
    }
    return {};
}

bool save(const Palette &palette, Format format, const QString &path)
{
    if (colourEntries(palette).size() > kMaxColours)
        return false;
    return filesave::writeAtomically(path, encode(palette, format));
}

LoadResult parseGpl(QByteArrayView bytes)
{
    if (bytes.size() > kMaxFileBytes)
        return failure(Error::TooLarge, 0);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);

    Reader reader { bytes };
    QByteArrayView line;
    if (!reader.next(line) || line.contains('\0') || trimmed(line) != "GIMP Palette")
        return failure(line.contains('\0') ? Error::NotText : Error::NotAPalette, 1);

    Palette palette;
    while (reader.next(line)) {
        const int n = reader.lineNumber;
        if (line.contains('\0'))
            return failure(Error::NotText, n);
        QByteArrayView rest = trimmed(line);
        if (rest.isEmpty() || rest.startsWith('#'))
            continue;
        const bool inHeader = palette.entries.isEmpty();
        if (inHeader && rest.startsWith("Name:")) {
            palette.name = decodeText(trimmed(rest.sliced(5)));
            continue;
        }
        if (inHeader && rest.startsWith("Columns:")) {
            rest = rest.sliced(8);
            const QByteArrayView word = nextWord(rest);
            if (!trimmed(rest).isEmpty()
                || readNumber(word, kMaxColumns, Error::BadColumns, palette.columns) != Error::None)
                return failure(Error::BadColumns, n);
            continue;
        }
        int channels[3];
        for (int &c : channels) {
            const Error e = readNumber(nextWord(rest), 255, Error::OutOfRange, c);
            if (e != Error::None)
                return failure(e, n);
        }
        if (palette.entries.size() == kMaxColours)
            return failure(Error::TooManyColours, n);
        const int32_t colour = channels[0] | (channels[1] << 8) | (channels[2] << 16);
        palette.entries.append({ colour, decodeText(trimmed(rest)) });
    }
    LoadResult result;
    result.palette = std::move(palette);
    return result;
}

LoadResult loadGpl(const QString &path)
{
    QFile file;
    if (!fileread::openRegularFile(file, path))
        return failure(Error::CannotOpen, 0);
    if (file.size() > kMaxFileBytes)
        return failure(Error::TooLarge, 0);
    // The file may have grown since its size was read: never more than the limit and a byte.
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return failure(Error::CannotOpen, 0);
    return parseGpl(bytes);
}

QString errorText(Error error, int line, Language language)
{
    if (error == Error::None)
        return {};
    QString text = captionOf(kErrorTexts[int(error) - 1], language);
    if (text.contains(QLatin1String("%1")))
        text = text.arg(line);
    return text;
}

} // namespace palettefile
