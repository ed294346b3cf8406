#pragma once

#include "cli/commandline.h"

#include <QStringList>

#include <cstdint>

// tintavo contrast: how well text of one colour reads on another, by WCAG 2.2 and by APCA, for
// a design system's colour pairs checked in a script.
namespace contrastcommand {

struct Request
{
    int32_t text = 0;
    int32_t background = 0;
    QStringList notes = {}; // said on standard error before the result
};

cli::Parsed<Request> parse(const QStringList &arguments);

// The lines printed, in the language of the locale.
QString output(const Request &request);

int run(const QStringList &arguments);

} // namespace contrastcommand
