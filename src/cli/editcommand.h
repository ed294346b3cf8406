#pragma once

#include "cli/commandline.h"

#include <QString>

// tintavo edit: the screenshot editor in a window over a picture from a file.
namespace editcommand {

struct Request
{
    QString input;
    QString output; // where Ctrl+S saves; empty: a save dialog
};

cli::Parsed<Request> parse(const QStringList &arguments);

// Needs a QApplication and the session's screen services; runs in the application's event loop.
int run(const QStringList &arguments);

} // namespace editcommand
