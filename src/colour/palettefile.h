#pragma once

#include "text/language.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <cstdint>

// Palettes: colours with optional names, saved for other programs and read back from GIMP's.
//
// Saved as
// - a GIMP palette (.gpl), as GIMP and Inkscape read and write it:
//       GIMP Palette
//       Name: Brand
//       Columns: 4                  (only when the palette has a column count)
//       #
//       233  30  99	Pink           (red green blue, a tab, the name)
//        51 102 204	#3366CC        (an unnamed colour is named by its HTML notation)
// - CSS custom properties on :root, numbered in the palette's order, the names as comments:
//       /* Brand */
//       :root {
//         --color-1: #e91e63; /* Pink */
//         --color-2: #3366cc;
//       }
// - JSON, one object: {"name": "Brand", "colors": [{"name": "Pink", "hex": "#e91e63",
//   "rgb": [233, 30, 99]}, ...]}; "name" is "" for an unnamed colour.
// Values that are not colours are left out. Names are written on one line: control characters
// become spaces, and the ends are trimmed.
//
// Reading a GIMP palette is strict: the first fault ends the reading with its kind and line
// number, and nothing is loaded. Accepted: LF, CR LF or CR line ends, a UTF-8 byte order mark,
// "Name:" and "Columns:" lines (0 to 256) before the first colour, "#" comments and blank lines
// anywhere, spaces or tabs between the numbers, names with spaces. Names that are not UTF-8 are
// read as Latin-1, as old palettes were written.
namespace palettefile {

// Files above this size are refused before they are read.
constexpr qint64 kMaxFileBytes = qint64(1) << 20;
// Palettes with more colours are refused at the first colour past the limit.
constexpr int kMaxColours = 10000;
// GIMP's own bound for the "Columns:" line.
constexpr int kMaxColumns = 256;

struct Entry
{
    int32_t colour = 0; // 0x00BBGGRR
    QString name; // empty when unnamed
    bool operator==(const Entry &) const = default;
};

struct Palette
{
    QString name; // empty: "Tintavo" is written
    int columns = 0; // 0: no column count
    QList<Entry> entries;
    bool operator==(const Palette &) const = default;
};

enum class Format { Gpl, Css, Json };

// The usual file name ending of a format, with its dot.
QString suffixOf(Format format);

QByteArray encode(const Palette &palette, Format format);
// Written atomically: false when nothing was written (an existing file is then left whole),
// and for palettes with more than kMaxColours colours, which could not be read back.
bool save(const Palette &palette, Format format, const QString &path);

enum class Error {
    None,
    CannotOpen, // missing, unreadable, or not a regular file
    TooLarge, // above kMaxFileBytes
    NotAPalette, // the first line is not "GIMP Palette"
    NotText, // a NUL byte: binary data
    BadColumns, // "Columns:" not a whole number from 0 to kMaxColumns
    BadLine, // neither a colour, a comment, a blank line, nor a header line in its place
    OutOfRange, // a channel outside 0..255
    TooManyColours, // past kMaxColours
};

struct LoadResult
{
    Error error = Error::None;
    int line = 0; // 1-based line of the fault; 0 when the fault is the whole file's
    Palette palette; // empty unless there was no fault
    bool ok() const { return error == Error::None; }
};

LoadResult parseGpl(QByteArrayView bytes);
// Only regular files are opened, and only up to kMaxFileBytes.
LoadResult loadGpl(const QString &path);

// The words for a fault, its line number included, in a language (English for Other); empty
// for Error::None.
QString errorText(Error error, int line, Language language);
inline QString errorText(const LoadResult &result, Language language)
{
    return errorText(result.error, result.line, language);
}

} // namespace palettefile
