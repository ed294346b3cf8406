#pragma once

#include <QIcon>

// The small pictures of the launcher's buttons, drawn so that they stay sharp at any scale.
namespace buttonicons {
enum class Kind { Capture, Picker, Icon, Gradient, Sphere, Folder };
QIcon icon(Kind kind);
QIcon programIcon();
} // namespace buttonicons
