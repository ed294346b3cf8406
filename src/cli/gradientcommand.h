#pragma once

#include "cli/commandline.h"
#include "gradient/gradientmodel.h"
#include "gradient/lineargradient.h"

#include <QString>

#include <optional>

class QImage;

// tintavo gradient: the linear gradient window's drawing on a surface of a given size, saved
// as the window saves it, and its CSS.
namespace gradientcommand {

struct Request
{
    lineargradient::Stops stops {};
    int segments = 1;
    lineargradient::Orientation orientation = lineargradient::Orientation::Horizontal;
    cli::DrawingOutput target;
    // --from-css: the gradient read, rendered instead of the window's drawing.
    std::optional<gradientmodel::Gradient> gradient = {};
    QStringList notes = {}; // said on standard error before the work
};

cli::Parsed<Request> parse(const QStringList &arguments);

// The picture the window's surface holds after drawing, at the request's size. Needs a
// QApplication (the surface is a widget that is never shown).
QImage picture(const Request &request);

int run(const QStringList &arguments);

} // namespace gradientcommand
