#pragma once

#include <xcb/xcb.h>

// The X server connection Qt opened, and its first screen's root window. No connection (and
// XCB_WINDOW_NONE) when the program does not run on an X server.
namespace x11 {

xcb_connection_t *connection();
xcb_window_t rootWindow(xcb_connection_t *c);

} // namespace x11
