#pragma once

#include <QPoint>

// The pointer in physical pixels of the desktop, the coordinates Screen::grab and
// Screen::pixel take. With a device pixel ratio above 1 Qt's logical positions cannot name
// every physical pixel (the odd ones are lost), so on X11 the server is asked directly; on
// other platforms Qt's position is converted.
namespace pointer {

QPoint physicalPos();

// Moves the pointer to a physical position, as if the user had moved the mouse.
void warpTo(QPoint physical);

// True when positions come from the X server itself.
bool isNative();

} // namespace pointer
