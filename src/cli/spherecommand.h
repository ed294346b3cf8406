#pragma once

#include "cli/commandline.h"

#include <QSize>
#include <QString>

#include <cstdint>

// tintavo sphere: the spherical gradient window's drawing on a surface of a given size, saved
// as the window saves it, and its CSS.
namespace spherecommand {

struct Request
{
    QSize sphere;
    int32_t centre = 0;
    int32_t rim = 0;
    cli::DrawingOutput target; // its size is the surface's
    QStringList notes = {}; // said on standard error before the work
};

cli::Parsed<Request> parse(const QStringList &arguments);

int run(const QStringList &arguments);

} // namespace spherecommand
