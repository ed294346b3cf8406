#pragma once

#include "cli/commandline.h"

#include <QSize>
#include <QString>

#include <cstdint>

class QImage;

// tintavo sphere: the spherical gradient window's drawing on a surface of a given size, saved
// as the window saves it, and its CSS.
namespace spherecommand {

struct Request
{
    QSize surface;
    QSize sphere;
    int32_t centre = 0;
    int32_t rim = 0;
    QString output; // empty: no picture
    bool css = false;
};

cli::Parsed<Request> parse(const QStringList &arguments);

int run(const QStringList &arguments);

} // namespace spherecommand
