#pragma once

#include "cli/commandline.h"
#include "icon/sourcepicture.h"

#include <QString>

#include <cstdint>
#include <optional>

// tintavo icon IN -o OUT.ico: the converter window's 32 x 32 icon of a picture, byte for byte;
// with --sizes, an icon of several sizes; with --favicon-set DIR, a web site's icon files.
namespace iconcommand {

struct Request
{
    QString input;
    QString output;
    int depth = 8;
    std::optional<int32_t> transparent; // none: the picture's first pixel, as the window proposes
    QList<int> sizes; // not empty: a multi-size icon of these sizes
    QString faviconFolder; // not empty: the favicon set into this folder
    sourcepicture::Fit fit = sourcepicture::Fit::Centre;
    int32_t background = 0xFFFFFF; // behind the touch icon, 0x00BBGGRR
    bool replace = false; // files of the set already in the folder may be replaced
    QString name; // the site's name in the manifest; empty: the picture's base name
    QStringList notes = {}; // said on standard error before the work
};

cli::Parsed<Request> parse(const QStringList &arguments);

int run(const QStringList &arguments);

} // namespace iconcommand
