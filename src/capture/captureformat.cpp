#include "capture/captureformat.h"

#include <QFileInfo>

#include <array>

namespace captureformat {

namespace {
struct Row
{
    const char *code;
    int16_t quality;
};
constexpr std::array<Row, EntryCount> kRows = { {
    { "BMP", -1 },
    { "GIF", -1 },
    { "JPG", 0 },
    { "JPG25", 25 },
    { "JPG50", 50 },
    { "JPG75", 75 },
    { "PNG", -1 },
    { "TIF", -1 },
} };
} // namespace

Entry entryForCode(const QString &code)
{
    for (int i = 0; i < EntryCount; ++i) {
        if (code == QLatin1String(kRows[i].code))
            return static_cast<Entry>(i);
    }
    return Entry::None;
}

QString codeOf(Entry entry)
{
    const int i = static_cast<int>(entry);
    return i >= 0 && i < EntryCount ? QString::fromLatin1(kRows[i].code) : QString();
}

int16_t qualityOf(Entry entry)
{
    const int i = static_cast<int>(entry);
    return i >= 0 && i < EntryCount ? kRows[i].quality : int16_t(-1);
}

QString extensionOf(const QString &code) { return code.left(3); }

QString formatOfName(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toUpper();
    if (suffix == QLatin1String("JPEG"))
        return QStringLiteral("JPG");
    if (suffix == QLatin1String("TIFF"))
        return QStringLiteral("TIF");
    for (const char *known : { "BMP", "GIF", "JPG", "PNG", "TIF", "WEBP" }) {
        if (suffix == QLatin1String(known))
            return suffix;
    }
    return QString();
}

SaveFormat saveFormatFor(const QString &path, const QString &code, int16_t chosenQuality)
{
    const QString chosen = extensionOf(code);
    const QString named = formatOfName(path);
    // A name without a known extension (none, or one the program does not write) is saved in
    // the checked format, as it always was.
    const QString extension = named.isEmpty() ? chosen : named;
    const bool chosenJpeg = chosen == QLatin1String("JPG");
    return { extension,
        extension == QLatin1String("JPG") && chosenJpeg ? chosenQuality : int16_t(-1) };
}

} // namespace captureformat
