// The picker's two readers of outside text on arbitrary bytes, both on every input: the GIMP
// palette reader and the colour history's setting parser. Whatever they accept must be a
// valid palette or history, written again and read back the same; a refused palette must
// name a line of the input and keep nothing.
#include "colour/colorvalue.h"
#include "colour/colourhistory.h"
#include "colour/palettefile.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cstddef>
#include <cstdint>

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void palette(QByteArrayView bytes)
{
    using namespace palettefile;
    const LoadResult r = parseGpl(bytes);
    if (!r.ok()) {
        check(r.palette == Palette());
        check(r.line >= 0 && r.line <= bytes.count('\n') + bytes.count('\r') + 1);
        check(!errorText(r, Language::French).isEmpty());
        return;
    }
    check(r.palette.entries.size() <= kMaxColours);
    check(r.palette.columns >= 0 && r.palette.columns <= kMaxColumns);
    for (const Entry &e : r.palette.entries)
        check(colorvalue::isColor(e.colour));

    const LoadResult again = parseGpl(encode(r.palette, Format::Gpl));
    check(again.ok() && again.palette.entries.size() == r.palette.entries.size());
    for (qsizetype i = 0; i < r.palette.entries.size(); ++i)
        check(again.palette.entries[i].colour == r.palette.entries[i].colour);

    const QJsonDocument json = QJsonDocument::fromJson(encode(r.palette, Format::Json));
    check(json["colors"].toArray().size() == r.palette.entries.size());
    // Without its comments (each ends at the first "*/", as CSS reads them) and blanks, the
    // style sheet is the declarations alone: no name got out of its comment.
    const QByteArray css = encode(r.palette, Format::Css);
    QByteArray bare;
    for (qsizetype i = 0; i < css.size();) {
        if (css.sliced(i).startsWith("/*")) {
            const qsizetype end = css.indexOf("*/", i + 2);
            check(end >= 0);
            i = end + 2;
        } else {
            if (!QChar::isSpace(uchar(css[i])))
                bare += css[i];
            ++i;
        }
    }
    QByteArray expected = ":root{";
    for (qsizetype i = 0; i < r.palette.entries.size(); ++i)
        expected += "--color-" + QByteArray::number(i + 1) + ':'
            + colorvalue::htmlNotation(r.palette.entries[i].colour).toLower().toLatin1() + ';';
    check(bare == expected + '}');
}

void history(QByteArrayView bytes)
{
    const QList<int32_t> colours = colourhistory::fromSetting(QString::fromUtf8(bytes));
    check(colours.size() <= colourhistory::kCapacity);
    check(QSet<int32_t>(colours.begin(), colours.end()).size() == colours.size());
    for (int32_t c : colours)
        check(colorvalue::isColor(c));
    check(colourhistory::fromSetting(colourhistory::toSetting(colours)) == colours);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    palette(bytes);
    history(bytes);
    return 0;
}
