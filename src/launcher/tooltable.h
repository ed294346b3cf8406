#pragma once

#include "ui/toolhost.h"

#include <span>

class QWidget;
class AppState;

// How the launcher opens a tool: the program hands it one entry per tool, so the launcher
// knows the tools only by their codes.
struct ToolEntry
{
    Tool tool;
    // Creates the tool's window; it is not shown yet.
    QWidget *(*create)(AppState &state, ToolHost &host);
};

using ToolTable = std::span<const ToolEntry>;
