#pragma once

#include "cli/commandline.h"

#include <QString>

#include <cstdint>
#include <optional>

// tintavo icon IN -o OUT.ico: the converter window's 32 x 32 icon of a picture, byte for byte.
namespace iconcommand {

struct Request
{
    QString input;
    QString output;
    int depth = 8;
    std::optional<int32_t> transparent; // none: the picture's first pixel, as the window proposes
};

cli::Parsed<Request> parse(const QStringList &arguments);

int run(const QStringList &arguments);

} // namespace iconcommand
