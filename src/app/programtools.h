#pragma once

#include "launcher/tooltable.h"

// The program's five tools, as main hands them to the launcher.
ToolTable programTools();
