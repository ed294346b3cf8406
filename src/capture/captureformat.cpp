#include "capture/captureformat.h"

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

} // namespace captureformat
