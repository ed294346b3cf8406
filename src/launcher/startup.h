#pragma once

#include "launcher/tooltable.h"

#include <memory>

class AppState;
class FrmBase;
class SingleInstance;

// The start-up sequence: one instance only, the first four settings, then the launcher, whose
// loading does the rest. Returns no launcher when another instance is running; the user has
// then been told so.
std::unique_ptr<FrmBase> startProgram(AppState &state, ToolTable tools, SingleInstance &instance);
