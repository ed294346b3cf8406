#pragma once

#include "cli/commandline.h"

#include <QRect>
#include <QString>

#include <cstdint>
#include <optional>

// tintavo capture: the desktop, a region of it given in physical pixels, a region drawn with
// the mouse on the capture window's region overlay (or the last one drawn), or the active
// window, into a picture file, onto the clipboard, or onto standard output as PNG.
namespace capturecommand {

struct Request
{
    std::optional<QRect> region; // physical pixels of the virtual desktop
    bool select = false;
    bool edit = false; // the screenshot editor
    bool pin = false; // the picture pinned to the screen instead of written
    bool lastRegion = false; // the region stored by the last selection
    bool window = false; // the active window
    bool withFrame = true; // the window with the frame its window manager draws
    int delayMs = 0;
    QString output; // empty: PNG on standard output, unless on the clipboard
    bool clipboard = false;
    QString format = QStringLiteral("PNG"); // the picture writer's name for it
    int16_t quality = -1;
};

cli::Parsed<Request> parse(const QStringList &arguments);

// Needs a QApplication and the session's screen services; runs in the application's event loop.
int run(const QStringList &arguments);

} // namespace capturecommand
