#pragma once

#include "cli/colorcommand.h"
#include "cli/commandline.h"

#include <QStringList>

// tintavo pick: the picker's pipette on a frozen copy of the screen; prints the colour.
namespace pickcommand {

struct Request
{
    QList<colorcommand::Format> formats; // as the color command's; empty: hex, or with --copy
                                         // the picker's automatic-copy notation
    bool copy = false; // put it on the clipboard (served until taken) and notify the desktop
};

cli::Parsed<Request> parse(const QStringList &arguments);

// Needs a QApplication and the session's screen services; runs in the application's event loop.
int run(const QStringList &arguments);

} // namespace pickcommand
